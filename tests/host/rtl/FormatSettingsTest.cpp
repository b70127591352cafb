#include "host/rtl/FormatSettings.h"

#include "TestUtil.h"

using namespace host;

namespace {

TEST(FormatSettingsTest, OneProcessWideObjectThatResetRestores) {
    TFormatSettings& fs = FormatSettings();
    EXPECT_EQ(&fs, &FormatSettings());
    fs.DecimalSeparator = ",";
    fs.CurrencyString = "EUR";
    fs.LongMonthNames[0] = "Januar";
    ResetFormatSettings();
    EXPECT_EQ(fs.DecimalSeparator, ".");
    EXPECT_EQ(fs.CurrencyString, "$");
    EXPECT_EQ(fs.LongMonthNames[0], "January");
    EXPECT_EQ(&fs, &FormatSettings());
}

} // namespace
