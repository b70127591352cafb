// The real form files of the corpus against the host's standard classes, read strictly.
#include "ControlsFixture.h"
#include "CorpusAudit.h"
#include "TestUtil.h"

#include <filesystem>
#include <iostream>
#include <map>

using namespace host;
using namespace zt_test;

namespace {

class CorpusForms : public ControlsTest {};

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> Files;
    std::filesystem::path Dir = ZT_CORPUS_DIR;
    if (!std::filesystem::exists(Dir)) return Files;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir))
        if (Entry.path().extension() == ".dfm") Files.push_back(Entry.path());
    std::sort(Files.begin(), Files.end());
    return Files;
}

} // namespace

// Prints, per file, what the strict reader still misses, and the standard gaps summed up.
TEST_F(CorpusForms, StrictReadingMissesOnlyThirdPartyClassesAndTheFormsOwnHandlers) {
    auto Files = CorpusFiles();
    if (Files.empty()) GTEST_SKIP() << "corpus not found";
    int AsWritten = 0;
    int WithoutStandardGaps = 0;
    std::map<String, int> Standard;
    for (const auto& File : Files) {
        std::vector<TGap> Gaps = AuditForm(ReadAll(File.string()));
        int Own = 0;
        for (const TGap& G : Gaps)
            if (IsStandardGap(G)) {
                ++Own;
                ++Standard[G.What];
                std::cout << File.filename().string() << ":" << G.Line << ": " << G.What << "\n";
            }
        AsWritten += Gaps.empty();
        WithoutStandardGaps += Own == 0;
    }
    std::cout << AsWritten << " of " << Files.size() << " read as written; " << WithoutStandardGaps
              << " miss nothing of the standard library\n";
    for (const auto& [What, Count] : Standard)
        std::cout << Count << "  " << What << "\n";
}
