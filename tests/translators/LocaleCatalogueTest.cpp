#include "translators/LocaleCatalogue.h"

#include "LocaleTestSupport.h"

#include <map>
#include <memory>

using namespace zantor;
using host::Integer;

namespace {

// The catalogue as key -> value, checking that every line carries Id in its object slot.
std::map<String, String> Entries(const TSortList& L, Integer Id) {
    std::map<String, String> Result;
    for (int i = 0; i < L.Count(); ++i) {
        const String& Line = L.Line(i);
        EXPECT_EQ(ObjectToInt(L.Objects(i)), Id) << Line;
        const std::size_t Eq = Line.find('=');
        Result[Line.substr(0, Eq)] = Line.substr(Eq + 1);
    }
    return Result;
}

std::unique_ptr<TSortList> Catalogue(std::initializer_list<Integer> Locales) {
    auto L = std::make_unique<TSortList>(false);
    for (Integer Id : Locales)
        AddOrgProps(Id, L.get());
    return L;
}

std::vector<String> Texts(const TSortList& L) {
    std::vector<String> Result;
    for (int i = 0; i < L.Count(); ++i)
        Result.push_back(L.Line(i) + "|" + std::to_string(ObjectToInt(L.Objects(i))));
    return Result;
}

} // namespace

TEST(ZltCatalogue, FrenchFromTheLocaleData) {
    const auto OwnedL = Catalogue({1036});
    TSortList& L = *OwnedL;
    ASSERT_EQ(L.Count(), 58);
    auto E = Entries(L, 1036);
    EXPECT_EQ(E["0000040C_LONGDAYNAMES[1]"], "lundi");
    EXPECT_EQ(E["0000040C_LONGDAYNAMES[7]"], "dimanche");
    EXPECT_EQ(E["0000040C_SHORTDAYNAMES[1]"], "lun.");
    EXPECT_EQ(E["0000040C_LONGMONTHNAMES[1]"], "janvier");
    EXPECT_EQ(E["0000040C_LONGMONTHNAMES[12]"], "décembre");
    EXPECT_EQ(E["0000040C_SHORTDATEFORMAT"], "dd/MM/yyyy");
    EXPECT_EQ(E["0000040C_LONGDATEFORMAT"], "dddd d MMMM yyyy");
    EXPECT_EQ(E["0000040C_SHORTTIMEFORMAT"], "hh:mm"); // 24-hour clock: no AM/PM
    EXPECT_EQ(E["0000040C_LONGTIMEFORMAT"], "hh:mm:ss");
    EXPECT_EQ(E["0000040C_DECIMALSEPARATOR"], ",");
    EXPECT_EQ(E["0000040C_THOUSANDSEPARATOR"], "\u202F");
    EXPECT_EQ(E["0000040C_CURRENCYSTRING"], "€");
    EXPECT_EQ(E["0000040C_CURRENCYFORMAT"], "3");
    EXPECT_EQ(E["0000040C_NEGCURRFORMAT"], "8");
    EXPECT_EQ(E["0000040C_CURRENCYDECIMALS"], "2");
    EXPECT_EQ(E["0000040C_ENGLISHNAME"], "French");
    EXPECT_EQ(E["0000040C_NATIVENAME"], "français");
    EXPECT_EQ(E["0000040C_ENGLISHCOUNTRYNAME"], "France");
    EXPECT_EQ(E["0000040C_LISTSEPARATOR"], ";");
    EXPECT_EQ(E["0000040C_TWODIGITYEARCENTURYWINDOW"], "0");
    // Sorted by bytes: the country names precede the language names of the same locale.
    EXPECT_LT(L.IndexOf("0000040C_ENGLISHCOUNTRYNAME=France"),
              L.IndexOf("0000040C_ENGLISHNAME=French"));
}

TEST(ZltCatalogue, UnknownIdentifierGivesTheFallbacks) {
    ASSERT_FALSE(host::IsValidLocale(0x0FFF, host::LCID_SUPPORTED));
    const auto OwnedL = Catalogue({0x0FFF});
    TSortList& L = *OwnedL;
    ASSERT_EQ(L.Count(), 58);
    auto E = Entries(L, 0x0FFF);
    EXPECT_EQ(E["00000FFF_LONGDAYNAMES[1]"], "Monday");
    EXPECT_EQ(E["00000FFF_SHORTDAYNAMES[7]"], "Sun");
    EXPECT_EQ(E["00000FFF_LONGMONTHNAMES[9]"], "September");
    EXPECT_EQ(E["00000FFF_SHORTMONTHNAMES[12]"], "Dec");
    for (const char* Name :
         {"ENGLISHNAME", "NATIVENAME", "ENGLISHCOUNTRYNAME", "NATIVECOUNTRYNAME"})
        EXPECT_EQ(E[String("00000FFF_") + Name], "Unknown");
    EXPECT_EQ(E["00000FFF_SHORTDATEFORMAT"], "m/d/yy");
    EXPECT_EQ(E["00000FFF_LONGDATEFORMAT"], "mmmm d, yyyy");
    EXPECT_EQ(E["00000FFF_CURRENCYSTRING"], "");
    EXPECT_EQ(E["00000FFF_TIMEAMSTRING"], "am");
    EXPECT_EQ(E["00000FFF_DECIMALSEPARATOR"], ".");
    EXPECT_EQ(E["00000FFF_LISTSEPARATOR"], ";");
    // Leading zero "0", 12-hour clock "0", mark position " AMPM" (not "0"): a prefix.
    EXPECT_EQ(E["00000FFF_SHORTTIMEFORMAT"], "AMPM h:mm");
    EXPECT_EQ(E["00000FFF_LONGTIMEFORMAT"], "AMPM h:mm:ss");
}

TEST(ZltCatalogue, TimeFormatsComposedFromClockAndMarkPosition) {
    auto E = Entries(*Catalogue({1033}), 1033);
    EXPECT_EQ(E["00000409_SHORTTIMEFORMAT"],
              "hh:mm AMPM"); // the leading zero of numbers decides "hh"
    EXPECT_EQ(E["00000409_LONGTIMEFORMAT"], "hh:mm:ss AMPM");
    EXPECT_EQ(E["00000409_TIMEAMSTRING"], "AM");
    auto K = Entries(*Catalogue({1042}), 1042); // Korean writes the mark first
    EXPECT_EQ(K["00000412_SHORTTIMEFORMAT"], "AMPM hh:mm");
    EXPECT_EQ(K["00000412_LONGTIMEFORMAT"], "AMPM hh:mm:ss");
}

TEST(ZltCatalogue, AddingALocaleAgainDuplicatesItsEntriesAndKeepsOrder) {
    const auto OwnedL = Catalogue({1031, 1036, 1031});
    TSortList& L = *OwnedL;
    EXPECT_EQ(L.Count(), 3 * 58);
    for (int i = 1; i < L.Count(); ++i)
        EXPECT_LE(CompareOrdinal(L.Line(i - 1), L.Line(i)), 0);
    EXPECT_EQ(L.Line(0), L.Line(1)); // the two German copies lie side by side
}

TEST(ZltCatalogue, ManyLocalesAtOnceGiveWhatOneByOneGives) {
    const std::vector<Integer> Ids{1053, 1031, 0x0FFF, 1036, 1031};
    const auto OneByOne = Catalogue({1053, 1031, 0x0FFF, 1036, 1031});
    TSortList AtOnce(false);
    AtOnce.SortInsert("00000409_NATIVENAME=already there");
    AddOrgProps(Ids, &AtOnce);
    AtOnce.Delete(AtOnce.IndexOf("00000409_NATIVENAME=already there"));
    EXPECT_EQ(Texts(AtOnce), Texts(*OneByOne));
}

TEST(ZltCatalogue, LocaleStringsAndHexIdentifiers) {
    EXPECT_EQ(LocaleHex(1036), "0000040C");
    EXPECT_EQ(LocaleHex(0x12345ABC), "12345ABC");
    EXPECT_EQ(LocaleHex(-1), "FFFFFFFF");
    EXPECT_EQ(LocaleOfString("User default 00000400"), 1024);
    EXPECT_EQ(LocaleOfString("French, France 0000040c"), 1036);
    EXPECT_EQ(LocaleOfString("40C"), 1036); // shorter than eight: all of it
    EXPECT_EQ(LocaleOfString(""), 0);
    EXPECT_EQ(LocaleSettings().size(), 58u);
    ASSERT_NE(FindLocaleSetting("_LONGDAYNAMES[7]"), nullptr);
    EXPECT_EQ(FindLocaleSetting("_LONGDAYNAMES[7]")->Index, 7);
    EXPECT_EQ(FindLocaleSetting("_LONGDAYNAMES[8]"), nullptr);
}

TEST(ZltCatalogue, LanguageListFollowsListFormat) {
    const auto OwnedCat = Catalogue({1036, 1031, 1053});
    TSortList& Cat = *OwnedCat;
    TSortList Lang(false);
    BuildLangList(Cat, "%0:s, %1:s", Lang);
    EXPECT_EQ(Texts(Lang), (std::vector<String>{"French, France|1036", "German, Germany|1031",
                                                "Swedish, Sweden|1053"}));
    BuildLangList(Cat, "%2:s (%3:s)", Lang); // native names only, re-sorted by them
    EXPECT_EQ(Texts(Lang),
              (std::vector<String>{"Deutsch (Deutschland)|1031", "français (France)|1036",
                                   "svenska (Sverige)|1053"}));
    BuildLangList(Cat, "%3:s", Lang);
    EXPECT_EQ(Lang.Line(0), "Deutschland");
    EXPECT_THROW(BuildLangList(Cat, "%4:s", Lang), host::EConvertError);
}

TEST(ZltCatalogue, LanguageListFromEntriesOfAFile) {
    // No objects, one locale without a native name, one whose names are partly missing: a
    // locale shows only its own names, never those of the locale before.
    TSortList Cat(false);
    for (const char* Line :
         {"0000040C_ENGLISHCOUNTRYNAME=France", "0000040C_ENGLISHNAME=French",
          "0000040C_NATIVECOUNTRYNAME=France", "0000040C_NATIVENAME=français",
          "00000407_LONGDAYNAMES[1]=Montag", "00000C07_ENGLISHNAME=German",
          "00000C0C_NATIVENAME=français", "00000c0c_NATIVENAME=twice", "junk", "=x"})
        Cat.SortInsert(Line);
    TSortList Lang(false);
    BuildLangList(Cat, "%0:s/%1:s/%2:s/%3:s", Lang);
    EXPECT_EQ(Texts(Lang),
              (std::vector<String>{"//français/|3084", "French/France/français/France|1036"}));
}

TEST(ZltCatalogue, LongValuesAreCutForTheLanguageList) {
    TSortList Cat(false);
    Cat.SortInsert("00000409_NATIVENAME=" + String(5000, 'x'));
    TSortList Lang(false);
    BuildLangList(Cat, "%2:s", Lang);
    ASSERT_EQ(Lang.Count(), 1);
    EXPECT_EQ(Lang.Line(0).size(), 4095u);
}
