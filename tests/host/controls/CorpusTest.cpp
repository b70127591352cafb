// The real form files of the corpus against the host's standard classes, read strictly.
#include "ControlsFixture.h"
#include "CorpusAudit.h"
#include "TestUtil.h"

#include <filesystem>

using namespace host;
using namespace zt_test;

namespace {

class CorpusForms : public ControlsTest {};

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> Files;
    std::filesystem::path Dir = std::filesystem::exists(ZT_TEST_DATA_DIR "/forms")
                                    ? ZT_TEST_DATA_DIR "/forms"
                                    : ZT_CORPUS_DIR;
    if (!std::filesystem::exists(Dir)) return Files;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir))
        if (Entry.path().extension() == ".dfm") Files.push_back(Entry.path());
    std::sort(Files.begin(), Files.end());
    return Files;
}

} // namespace

// The strict reader may miss third-party classes and the forms' own handlers, nothing of the
// standard library.
TEST_F(CorpusForms, StrictReadingMissesOnlyThirdPartyClassesAndTheFormsOwnHandlers) {
    auto Files = CorpusFiles();
    if (Files.empty()) GTEST_SKIP() << "corpus not found";
    std::size_t WithoutStandardGaps = 0;
    for (const auto& File : Files) {
        std::vector<TGap> Gaps = AuditForm(ReadAll(File.string()));
        bool Own = false;
        for (const TGap& G : Gaps)
            if (IsStandardGap(G)) {
                Own = true;
                ADD_FAILURE() << File.filename().string() << ":" << G.Line << ": " << G.What;
            }
        WithoutStandardGaps += !Own;
    }
    EXPECT_EQ(WithoutStandardGaps, Files.size());
}
