// Cross-check of the locale catalogue against data nobody here wrote: glibc's locale sources,
// compiled with localedef into a temporary folder and read through newlocale/nl_langinfo_l.
// The catalogue comes from ICU's CLDR data; the two sources are maintained apart, so where
// they agree the mapping to the catalogue (item numbers, day numbering, separators) is right,
// and where they differ the difference is one of the documented kinds below.
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleSettings.h"

#include "LocaleTestSupport.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <filesystem>
#include <langinfo.h>
#include <locale.h>
#include <map>

using namespace zantor;

namespace {

struct TGlibcRow {
    const char* Name; // glibc locale source, compiled as Name.UTF-8
    Integer Id;
};

void PrintTo(const TGlibcRow& Row, std::ostream* Out) {
    *Out << Row.Name;
}

// Compiles one locale into a folder that lives as long as the test program.
class TCompiledLocales {
public:
    static TCompiledLocales& Get() {
        static TCompiledLocales Instance;
        return Instance;
    }
    // The folder holding Name.UTF-8, or nothing when it cannot be made here.
    std::optional<std::filesystem::path> Compile(const std::string& Name) {
        if (!std::filesystem::exists("/usr/share/i18n/locales/" + Name) ||
            !std::filesystem::exists("/usr/share/i18n/charmaps/UTF-8.gz"))
            return std::nullopt;
        const auto Target = FDir.Path() / (Name + ".UTF-8");
        if (!std::filesystem::exists(Target)) {
            const std::string Command =
                "localedef -i " + Name + " -f UTF-8 " + Target.string() + " >/dev/null 2>&1";
            if (std::system(Command.c_str()) != 0 && !std::filesystem::exists(Target))
                return std::nullopt;
        }
        return FDir.Path();
    }

private:
    zt_test::TempDir FDir;
};

// A compiled glibc locale, opened with LOCPATH pointing at its folder.
class TGlibcLocale {
public:
    TGlibcLocale(const std::filesystem::path& Dir, const std::string& Name) {
        const char* Old = std::getenv("LOCPATH");
        FOldPath = Old ? std::optional<std::string>(Old) : std::nullopt;
        setenv("LOCPATH", Dir.c_str(), 1);
        FLocale = newlocale(LC_ALL_MASK, (Name + ".UTF-8").c_str(), locale_t(nullptr));
    }
    ~TGlibcLocale() {
        if (FLocale) freelocale(FLocale);
        if (FOldPath)
            setenv("LOCPATH", FOldPath->c_str(), 1);
        else
            unsetenv("LOCPATH");
    }
    TGlibcLocale(const TGlibcLocale&) = delete;
    TGlibcLocale& operator=(const TGlibcLocale&) = delete;
    bool Valid() const { return FLocale != locale_t(nullptr); }
    std::string Item(nl_item I) const { return nl_langinfo_l(I, FLocale); }
    int Number(nl_item I) const { return static_cast<unsigned char>(nl_langinfo_l(I, FLocale)[0]); }

private:
    locale_t FLocale = locale_t(nullptr);
    std::optional<std::string> FOldPath;
};

std::string Lower(const std::string& S) {
    std::string Out;
    icu::UnicodeString::fromUTF8(S).toLower(icu::Locale::getRoot()).toUTF8String(Out);
    return Out;
}

// glibc pads short names to a common width (Japanese " 1月"); the padding is not part of
// the name.
std::string Trimmed(std::string S) {
    while (!S.empty() && S.front() == ' ')
        S.erase(0, 1);
    return S;
}

// Full names agree up to case: glibc capitalizes Russian day and month names, CLDR and
// Windows write them in lower case. Month names also may come in two grammatical forms:
// glibc's MON is the form used inside a date (Russian genitive "января"), ALTMON the
// stand-alone one ("Январь"), which is what the catalogue holds.
bool SameName(const std::string& Ours, std::initializer_list<std::string> Theirs) {
    for (const std::string& T : Theirs)
        if (Lower(Trimmed(T)) == Lower(Ours)) return true;
    return false;
}

// Abbreviations are cut differently: CLDR ends a cut word with a period and cuts at other
// lengths (Swedish "tors", glibc "tor"; French "avr.", glibc "avril" uncut). They agree
// when, without the period, one is the start of the other.
bool SameAbbreviation(const std::string& Ours, std::initializer_list<std::string> Theirs) {
    std::string A = Lower(Ours);
    if (!A.empty() && A.back() == '.') A.pop_back();
    for (const std::string& T : Theirs) {
        std::string B = Lower(Trimmed(T));
        if (!B.empty() && B.back() == '.') B.pop_back();
        if (!A.empty() && !B.empty() && (A.starts_with(B) || B.starts_with(A))) return true;
    }
    return false;
}

// Both are no-break spaces; for Swedish and Russian glibc groups with the narrow one
// (U+202F), CLDR and Windows with U+00A0.
bool SameThousands(const std::string& Ours, const std::string& Theirs) {
    if (Ours == Theirs) return true;
    const auto NoBreak = [](const std::string& S) { return S == "\u00A0" || S == "\u202F"; };
    return NoBreak(Ours) && NoBreak(Theirs);
}

// The first character of a strftime format that is neither a conversion nor a digit.
std::string SeparatorOf(const std::string& Format) {
    for (std::size_t i = 0; i < Format.size(); ++i) {
        if (Format[i] == '%') {
            ++i;
            continue;
        }
        return FirstCharacter(std::string_view(Format).substr(i), host::CP_UTF8);
    }
    return "";
}

// glibc expands these conversions to formats with ":" between the fields.
std::string ExpandedTime(const std::string& Format) {
    if (Format == "%T" || Format == "%r" || Format == "%R") return "%H:%M:%S";
    return Format;
}

class ZltGlibc : public ::testing::TestWithParam<TGlibcRow> {
protected:
    zlt_test::TRtlStateGuard Rtl;
};

} // namespace

TEST_P(ZltGlibc, CatalogueAgreesWithGlibcLocaleData) {
    const TGlibcRow& Row = GetParam();
    const auto Dir = TCompiledLocales::Get().Compile(Row.Name);
    if (!Dir) GTEST_SKIP() << "localedef or the locale sources of " << Row.Name << " are missing";
    const TGlibcLocale G(*Dir, Row.Name);
    if (!G.Valid()) GTEST_SKIP() << Row.Name << " could not be opened";

    TSortList Cat(false);
    AddOrgProps(Row.Id, &Cat);
    std::map<std::string, std::string> E;
    for (int i = 0; i < Cat.Count(); ++i) {
        const String& Line = Cat.Line(i);
        E[Line.substr(9, Line.find('=') - 9)] = Line.substr(Line.find('=') + 1);
    }

    // Days: catalogue index 1 = Monday; glibc DAY_1 = Sunday.
    for (int n = 1; n <= 7; ++n) {
        const nl_item Day = static_cast<nl_item>(n % 7);
        SCOPED_TRACE("day " + std::to_string(n));
        EXPECT_TRUE(SameName(E["LONGDAYNAMES[" + std::to_string(n) + "]"], {G.Item(DAY_1 + Day)}));
        EXPECT_TRUE(SameAbbreviation(E["SHORTDAYNAMES[" + std::to_string(n) + "]"],
                                     {G.Item(ABDAY_1 + Day)}));
    }
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE("month " + std::to_string(m));
        const nl_item M = static_cast<nl_item>(m - 1);
        EXPECT_TRUE(SameName(E["LONGMONTHNAMES[" + std::to_string(m) + "]"],
                             {G.Item(MON_1 + M), G.Item(ALTMON_1 + M)}));
        EXPECT_TRUE(SameAbbreviation(E["SHORTMONTHNAMES[" + std::to_string(m) + "]"],
                                     {G.Item(ABMON_1 + M), G.Item(_NL_ABALTMON_1 + M)}));
    }

    EXPECT_EQ(E["DECIMALSEPARATOR"], G.Item(RADIXCHAR));
    EXPECT_TRUE(SameThousands(E["THOUSANDSEPARATOR"], G.Item(THOUSEP)))
        << "ours " << E["THOUSANDSEPARATOR"] << ", glibc " << G.Item(THOUSEP);
    // glibc's currency text starts with "-" (symbol before) or "+" (after).
    const std::string Currency = G.Item(CRNCYSTR);
    EXPECT_EQ(E["CURRENCYSTRING"], Currency.substr(1));
    const int Positive = (G.Number(__P_CS_PRECEDES) ? 0 : 1) + (G.Number(__P_SEP_BY_SPACE) ? 2 : 0);
    EXPECT_EQ(E["CURRENCYFORMAT"], std::to_string(Positive));

    // Japanese: glibc's date format is the one with unit characters ("%Y年%m月%d日",
    // "%H時%M分%S秒"); the short numeric date of CLDR and Windows uses "/" and ":".
    const bool UnitCharacters = std::string(Row.Name) == "ja_JP";
    EXPECT_EQ(E["DATESEPARATOR"], UnitCharacters ? "/" : SeparatorOf(G.Item(D_FMT)));
    EXPECT_EQ(E["TIMESEPARATOR"], UnitCharacters ? ":" : SeparatorOf(ExpandedTime(G.Item(T_FMT))));

    // Switched to, the run-time library's Sunday-first day tables line up with glibc's.
    ASSERT_TRUE(ApplyLocaleSettings(Cat, Row.Id, RtlSettingsTarget()));
    for (int d = 0; d < 7; ++d)
        EXPECT_TRUE(SameName(host::FormatSettings().LongDayNames[static_cast<std::size_t>(d)],
                             {G.Item(DAY_1 + d)}))
            << "run-time day " << d + 1;
}

INSTANTIATE_TEST_SUITE_P(Locales, ZltGlibc,
                         ::testing::Values(TGlibcRow{"fr_FR", 1036}, TGlibcRow{"de_DE", 1031},
                                           TGlibcRow{"sv_SE", 1053}, TGlibcRow{"ja_JP", 1041},
                                           TGlibcRow{"ru_RU", 1049}, TGlibcRow{"en_US", 1033}));
