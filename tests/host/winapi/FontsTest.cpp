#include "WinApiTestSupport.h"

#include <cstring>

using namespace host;
using namespace zt_test;

namespace {
using FontsTest = TWinApiTest;
}

TEST_F(FontsTest, DescriptionsRoundTripThroughFontObjects) {
    LOGFONTA Lf;
    Lf.lfHeight = -13;
    Lf.lfWeight = FW_BOLD;
    Lf.lfCharSet = RUSSIAN_CHARSET;
    SetFaceName(Lf, "Arial");
    const HFONT Font = CreateFontIndirectA(&Lf);
    ASSERT_TRUE(Font);
    Lf.lfHeight = 0; // the font keeps its own copy

    LOGFONTA Back;
    EXPECT_EQ(GetObjectA(Font, sizeof Back, &Back), 60);
    EXPECT_EQ(Back.lfHeight, -13);
    EXPECT_EQ(Back.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_STREQ(Back.lfFaceName, "Arial");
    EXPECT_EQ(GetObjectA(Font, 0, nullptr), 60);

    // A short buffer gets only what fits.
    unsigned char Bytes[30];
    std::memset(Bytes, 0xAA, sizeof Bytes);
    EXPECT_EQ(GetObjectA(Font, 24, Bytes), 24);
    EXPECT_EQ(Bytes[23], RUSSIAN_CHARSET);
    EXPECT_EQ(Bytes[24], 0xAA);

    // Face names are cut to 31 characters plus the terminator.
    SetFaceName(Lf, std::string(40, 'F').c_str());
    std::memset(Lf.lfFaceName, 'G', sizeof Lf.lfFaceName); // even without a terminator
    GetObjectA(CreateFontIndirectA(&Lf), sizeof Back, &Back);
    EXPECT_EQ(std::strlen(Back.lfFaceName), 31u);

    EXPECT_TRUE(DeleteObject(Font));
    EXPECT_EQ(GetObjectA(Font, sizeof Back, &Back), 0);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST_F(FontsTest, StockFontsStayPut) {
    const HGDIOBJ Gui = GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_TRUE(Gui);
    EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), Gui);
    EXPECT_NE(GetStockObject(SYSTEM_FONT), Gui);
    EXPECT_EQ(GetStockObject(0), nullptr);
    LOGFONTA Lf;
    ASSERT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof Lf, &Lf), 60);
    EXPECT_STREQ(Lf.lfFaceName, "System");
    EXPECT_TRUE(DeleteObject(Gui)); // reported as done, but nothing happens
    ResetWindowLayer();
    ASSERT_EQ(GetObjectA(Gui, sizeof Lf, &Lf), 60);
    EXPECT_STREQ(Lf.lfFaceName, "MS Shell Dlg");
}
