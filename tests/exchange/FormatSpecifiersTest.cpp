// Format specifiers: the reading agrees with Format itself and with the gettext tools' check
// of object-pascal-format texts.
#include "exchange/FormatSpecifiers.h"
#include "exchange/PoFile.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/Format.h"

#include "TestUtil.h"
#include "ToolRun.h"

#include <regex>

using namespace zantor;

TEST(FormatSpecifiers, ReadsTheGrammarOfFormat) {
    auto Args = [](std::string_view T) { return ReadFormatSpecifiers(T).Args; };
    using K = TArgKind;
    EXPECT_EQ(Args("%d and %s"), (std::map<int, K>{{0, K::Integer}, {1, K::String}}));
    // After an index the next argument follows it.
    EXPECT_EQ(Args("%1:s %0:d %s %s"),
              (std::map<int, K>{{0, K::Integer}, {1, K::String}, {2, K::String}}));
    EXPECT_EQ(
        Args("%-8.2f|%*d|%.*s"),
        (std::map<int, K>{
            {0, K::Float}, {1, K::Integer}, {2, K::Integer}, {3, K::Integer}, {4, K::String}}));
    EXPECT_EQ(Args("%x %U %e %G %n %M %p"), (std::map<int, K>{{0, K::Integer},
                                                              {1, K::Integer},
                                                              {2, K::Float},
                                                              {3, K::Float},
                                                              {4, K::Float},
                                                              {5, K::Float},
                                                              {6, K::Pointer}}));
    EXPECT_TRUE(ReadFormatSpecifiers("100%% sure").Valid);
    EXPECT_FALSE(ReadFormatSpecifiers("100%% sure").IsFormat());
    for (const char* Broken : {"100%", "%y", "50% off", "%0:", "%d %0:s"})
        EXPECT_FALSE(ReadFormatSpecifiers(Broken).Valid) << Broken;
}

// For each design text with its arguments, translations that FormatMismatch accepts format
// with the same arguments, and ones it refuses make Format raise or drop an argument.
TEST(FormatSpecifiers, MismatchesAreWhatMakesFormatFail) {
    using host::TVarRec;
    struct TCase {
        const char* Design;
        std::vector<TVarRec> Args;
        std::vector<const char*> Good, Bad;
    };
    const std::vector<TCase> Cases = {
        {"%d files in %s",
         {TVarRec(3), TVarRec(host::String("C:"))},
         {"%d fichiers dans %s", "Dans %1:s : %0:d fichiers", "%0:d fichiers dans %1:s"},
         {"%s fichiers dans %d", "%d fichiers", "%d fichiers dans %s %s", "%d fichiers dans %",
          "%d fichiers dans %y"}},
        {"%.2f%% done", {TVarRec(1.5)}, {"%.1f %% fait", "fait : %0:f%%"}, {"%d%% fait", "fait"}},
    };
    for (const TCase& C : Cases) {
        const std::span<const TVarRec> A(C.Args.data(), C.Args.size());
        ASSERT_NO_THROW((void)host::Format(C.Design, A)) << C.Design;
        for (const char* T : C.Good) {
            EXPECT_EQ(FormatMismatch(C.Design, T), "") << T;
            EXPECT_NO_THROW((void)host::Format(T, A)) << T;
        }
        for (const char* T : C.Bad) {
            EXPECT_NE(FormatMismatch(C.Design, T), "") << T;
        }
    }
    EXPECT_EQ(FormatMismatch("100% sure", "%d"), ""); // no Format text: nothing to keep
    EXPECT_EQ(FormatMismatch("%d", "%d %1:s"),
              "the translation uses argument 1, which the design text does not have");
    EXPECT_EQ(FormatMismatch("%d %s", "%s %s"),
              "argument 0 is an integer in the design text but a string in the translation");
    EXPECT_EQ(FormatMismatch("%d %s", "%d"), "argument 1 is missing in the translation");
}

// The gettext tools' object-pascal-format check and ours agree on every pair.
TEST(FormatSpecifiers, AgreeWithTheGettextCheck) {
    const std::vector<std::pair<const char*, const char*>> Pairs = {
        {"%d files in %s", "%d fichiers dans %s"},
        {"%d files in %s", "%1:s : %0:d"},
        {"%d files in %s", "%s fichiers dans %d"},
        {"%d files in %s", "%d fichiers"},
        {"%d files", "%d fichiers %s"},
        {"%-10.2f|%x", "%-3.1f|%x"},
        {"%-10.2f|%x", "%x|%f"},
        {"%*d items", "%*d éléments"},
        {"%*d items", "%d éléments"},
        {"%s and %s", "%1:s et %0:s"},
        {"Value: %n", "Valeur : %m"},
        {"Value: %n", "Valeur : %d"},
        {"%p", "%p"},
        {"%u of %u", "%u sur %0:u %u"}};
    TPoFile F;
    F.Header = {{"Content-Type", "text/plain; charset=UTF-8"}, {"Language", "fr"}};
    for (const auto& [D, T] : Pairs) {
        TPoEntry E;
        E.Context = std::to_string(F.Entries.size());
        E.Id = D;
        E.Str = T;
        E.Flags = {"object-pascal-format"};
        F.Entries.push_back(E);
    }
    zt_test::TempDir Dir;
    const std::string Po = Dir.File("f.po");
    zt_test::WriteAll(Po, WritePo(F));
    const auto R =
        zt_test::RunTool("msgfmt -c --check-format -o /dev/null " + zt_test::ShellQuote(Po));
    // The tool names the line of each entry it refuses; the msgid lines of the entries are
    // known from the layout.
    std::set<int> Refused;
    const std::regex Line("f\\.po:([0-9]+): ");
    for (std::sregex_iterator It(R.Err.begin(), R.Err.end(), Line), End; It != End; ++It)
        Refused.insert(std::stoi((*It)[1]));
    const TPoFile Back = ReadPo(zt_test::ReadAll(Po), "f.po");
    for (std::size_t i = 0; i < Pairs.size(); ++i) {
        const bool Tool = Refused.count(Back.Entries[i].Line) ||
                          Refused.count(Back.Entries[i].Line + 1) ||
                          Refused.count(Back.Entries[i].Line - 1);
        EXPECT_EQ(FormatMismatch(Pairs[i].first, Pairs[i].second) != "", Tool)
            << Pairs[i].first << " -> " << Pairs[i].second << "\n"
            << R.Err;
    }
}
