// Any file content: reading a head's lines either works or raises the conversion error,
// and saving into it keeps every line of other heads.
#include "translators/TranslationFile.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const std::string File =
        (std::filesystem::temp_directory_path() / ("zt_fuzz_tf_" + std::to_string(getpid()))).string();
    std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    host::WriteFileAtomic(File, Text);
    try {
        (void)zantor::ReadTranslationFile(File, "Form1");
        zantor::SaveTranslationFile(File, "Form1", 1036, {{"A.Caption", "'x'"}}, {{"A.Caption", "'y'"}}, false);
    } catch (const host::EConvertError&) {
        return 0;
    }
    std::string After = host::ReadFileBytes(File);
    auto Others = [](std::string_view T) {
        std::vector<std::string_view> L;
        for (std::string_view Line : zantor::SplitLines(T))
            if (!Line.starts_with("Form1.")) L.push_back(Line);
        std::sort(L.begin(), L.end());
        return L;
    };
    std::string Before(Text);
    if (Others(Before) != Others(After)) std::abort();
    return 0;
}
