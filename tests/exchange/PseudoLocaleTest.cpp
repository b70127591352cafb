// Pseudo-translation keeps what the application and the checks rely on and changes the rest.
#include "exchange/PseudoLocale.h"
#include "exchange/FormatSpecifiers.h"
#include "exchange/TranslationChecks.h"

#include <gtest/gtest.h>

using namespace zantor;

namespace {

std::size_t Characters(std::string_view S) {
    std::size_t N = 0;
    for (char C : S)
        N += (static_cast<unsigned char>(C) & 0xC0) != 0x80;
    return N;
}

} // namespace

TEST(PseudoLocale, KeepsFormatAcceleratorsAndEdges) {
    for (const char* Text : {"&Open file", "%d files in %s", "Save && &quit", "  Name: ",
                             "\nTwo\nlines\n", "%0:s has %1:-8.2f%% of %*d", "Ünïcödé ✓"}) {
        const String P = PseudoTranslate(Text, 30);
        EXPECT_EQ(FormatMismatch(Text, P), "") << P;
        EXPECT_EQ(ReadFormatSpecifiers(Text).Args, ReadFormatSpecifiers(P).Args) << P;
        EXPECT_EQ(AcceleratorOf(Text), AcceleratorOf(P)) << P;
        EXPECT_EQ(AcceleratorCount(Text), AcceleratorCount(P)) << P;
        const std::string_view T(Text);
        EXPECT_EQ(T.substr(0, T.find_first_not_of(" \n")), P.substr(0, T.find_first_not_of(" \n")));
        const std::size_t Tail = T.size() - 1 - T.find_last_not_of(" \n");
        EXPECT_EQ(T.substr(T.size() - Tail), P.substr(P.size() - Tail)) << P;
        EXPECT_NE(P.find('['), String::npos);
        EXPECT_NE(P.find(']'), String::npos);
    }
    EXPECT_EQ(PseudoTranslate("&Open", 0), "[&Oþéñ]");
    EXPECT_EQ(PseudoTranslate("%d files", 0), "[%d ƒíĺéš]");
}

TEST(PseudoLocale, LengthensByThePercentage) {
    const std::string Text = "Customer name";
    for (int Expand : {0, 30, 50, 100, 300}) {
        const String P = PseudoTranslate(Text, Expand);
        const std::size_t Want = (Text.size() * std::size_t(100 + Expand) + 99) / 100;
        EXPECT_EQ(Characters(P), std::max(Want, Text.size() + 2)) << Expand << " " << P;
    }
    // Every letter is changed, so an untranslated text stands out.
    const String P = PseudoTranslate("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0);
    for (char C : P)
        EXPECT_FALSE((C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z')) << P;
}

TEST(PseudoLocale, BlankTextsStayAsTheyAre) {
    EXPECT_EQ(PseudoTranslate("", 50), "");
    EXPECT_EQ(PseudoTranslate("  \n", 50), "  \n");
}
