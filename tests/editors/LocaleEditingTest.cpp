#include "editors/LocaleEditing.h"
#include "translators/LocaleCatalogue.h"

#include <gtest/gtest.h>

using namespace zantor;

namespace {

TEST(LocaleEditing, LocalesAreNamedFromTheirOwnLinesAndSettingsAreEditedByKey) {
    TLocaleEditing E;
    host::TStringList Lines;
    for (const char* L : {"0000040C_ENGLISHCOUNTRYNAME=France", "0000040C_ENGLISHNAME=French",
                          "0000040C_LONGDATEFORMAT='le' d MMMM", "00000411_ENGLISHNAME=Japanese",
                          "00000413_NATIVENAME=Nederlands"})
        Lines.Add(L);
    E.Assign(&Lines);
    // A locale without a country of its own does not take the one listed before it, and one
    // without an English name is not listed.
    const std::vector<TListedLocale> Listed = TLocaleEditing::Locales(*E.Work());
    ASSERT_EQ(Listed.size(), 2u);
    EXPECT_EQ(Listed[0].Text, "French, France");
    EXPECT_EQ(Listed[0].Id, 0x040C);
    EXPECT_EQ(Listed[1].Text, "Japanese, ");
    EXPECT_EQ(E.SettingNames(0x040C),
              (std::vector<String>{"ENGLISHCOUNTRYNAME", "ENGLISHNAME", "LONGDATEFORMAT"}));

    ASSERT_TRUE(E.SelectSetting(0x040C, "LONGDATEFORMAT"));
    EXPECT_EQ(E.CurrentText(), "le d MMMM");
    EXPECT_FALSE(E.LeaveSetting("le d MMMM")); // unchanged: the line stays as stored
    EXPECT_FALSE(E.IsModified());
    EXPECT_TRUE(E.LeaveSetting("d 'de' MMMM"));
    EXPECT_EQ(E.Work()->Line(E.SettingIndex(0x040C, "LONGDATEFORMAT")),
              "0000040C_LONGDATEFORMAT=d 'de' MMMM");
    EXPECT_EQ(E.RevertSetting(), "le d MMMM");
    EXPECT_EQ(E.Work()->Line(E.SettingIndex(0x040C, "LONGDATEFORMAT")),
              "0000040C_LONGDATEFORMAT='le' d MMMM");
    EXPECT_FALSE(E.SelectSetting(0x0411, "LONGDATEFORMAT"));
    EXPECT_FALSE(E.HasSetting());
}

TEST(LocaleEditing, MovingALocaleReplacesItsLinesOnTheReceivingSide) {
    TLocaleEditing E;
    AddOrgProps(0x0407, E.System());
    AddOrgProps(0x0407, E.Work()); // as New leaves it
    E.RemoveLocale(0x0407);
    const auto [First, Last] = TLocaleEditing::LocaleRange(*E.System(), 0x0407);
    EXPECT_EQ(Last - First, 58);
    EXPECT_FALSE(TLocaleEditing::HasLocale(*E.Work(), 0x0407));
    E.CopyLocale(0x0407);
    EXPECT_EQ(E.Work()->Count(), 58);
    EXPECT_EQ(E.System()->Count(), 0);
    EXPECT_TRUE(E.IsModified());
    EXPECT_FALSE(E.NewLocale(0x0407));
    EXPECT_TRUE(E.NewLocale(0x040C));
    EXPECT_EQ(E.Work()->Count(), 116);
}

} // namespace
