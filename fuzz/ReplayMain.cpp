// Runs a fuzz target over files without libFuzzer: each argument is a file or a folder of
// files (options starting with "-" are ignored), each file one input. A target that crashes or
// aborts fails the run, so the seed corpus is a regression test in every build.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& Arg) {
    std::vector<std::filesystem::path> Files;
    if (std::filesystem::is_directory(Arg)) {
        for (const auto& E : std::filesystem::recursive_directory_iterator(Arg))
            if (E.is_regular_file()) Files.push_back(E.path());
        std::sort(Files.begin(), Files.end()); // the same order on every machine
    } else {
        Files.push_back(Arg);
    }
    return Files;
}

} // namespace

int main(int argc, char** argv) {
    int Count = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') continue;
        if (!std::filesystem::exists(argv[i])) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        for (const auto& File : InputsOf(argv[i])) {
            std::ifstream In(File, std::ios::binary);
            std::string Data((std::istreambuf_iterator<char>(In)),
                             std::istreambuf_iterator<char>());
            std::fprintf(stderr, "replaying %s\n", File.string().c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Data.data()), Data.size());
            ++Count;
        }
    }
    if (Count == 0) {
        std::fprintf(stderr, "no inputs given\n");
        return 1;
    }
    std::printf("replayed %d inputs\n", Count);
    return 0;
}
