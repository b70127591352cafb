#include "TestUtil.h"

#include <fstream>
#include <random>
#include <sstream>

namespace zt_test {

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        FPath = base / ("zt_test_" + std::to_string(rd()));
        if (std::filesystem::create_directory(FPath)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

std::string ReadAll(const std::string& FileName) {
    std::ifstream in(FileName, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& FileName, const std::string& Data) {
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out << Data;
}

} // namespace zt_test
