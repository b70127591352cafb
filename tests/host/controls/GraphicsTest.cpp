#include "host/controls/Graphics.h"
#include "host/classes/StringList.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Fonts.h"

#include "TestUtil.h"

using namespace host;

TEST(Graphics, ColorIdentifiersRoundTripAndIgnoreCase) {
    const std::pair<TColor, const char*> Known[] = {
        {clBlack, "clBlack"},     {clWhite, "clWhite"},           {clSilver, "clSilver"},
        {clGray, "clGray"},       {clBtnFace, "clBtnFace"},       {clScrollBar, "clScrollBar"},
        {clInfoBk, "clInfoBk"},   {clWindowText, "clWindowText"}, {clNone, "clNone"},
        {clDefault, "clDefault"},
    };
    for (auto [Color, Name] : Known) {
        String Ident;
        ASSERT_TRUE(ColorToIdent(Color, Ident)) << Name;
        EXPECT_EQ(Ident, Name);
        Integer Back = 0;
        ASSERT_TRUE(IdentToColor(UpperCase(Name), Back)) << Name;
        EXPECT_EQ(Back, Color);
    }
    EXPECT_EQ(static_cast<Integer>(clBtnFace), -2147483633);

    String Ident = "unchanged";
    EXPECT_FALSE(ColorToIdent(0x123456, Ident));
    EXPECT_FALSE(ColorToIdent(static_cast<Integer>(SystemColor(25)), Ident));
    EXPECT_EQ(Ident, "unchanged");
    Integer Value = 42;
    EXPECT_FALSE(IdentToColor("clLtGray", Value)); // aliases are not in the table
    EXPECT_FALSE(IdentToColor("clBtnFaces", Value));
    EXPECT_FALSE(IdentToColor("", Value));
    EXPECT_EQ(Value, 42);
}

TEST(Graphics, ColorStrings) {
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(TColor(0x123456)), "$00123456");
    EXPECT_EQ(ColorToString(SystemColor(30)), "$8000001E");
    EXPECT_EQ(ColorToString(TColor(-1)), "$FFFFFFFF");

    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("$8000001E"), SystemColor(30));
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor(ColorToString(TColor(0xABCDEF))), TColor(0xABCDEF));
    EXPECT_THROW_MSG(StringToColor("clPink"), EConvertError,
                     "'clPink' is not a valid integer value");
}

TEST(Graphics, StreamedIntegerTypesCarryTheirIdentifiers) {
    PTypeInfo Color = TypeInfo<TColor>();
    ASSERT_EQ(Color->Kind, tkInteger);
    EXPECT_EQ(Color->Name, "TColor");
    String Ident;
    Int64 Value = 0;
    ASSERT_TRUE(Color->ToIdent && Color->FromIdent);
    EXPECT_TRUE(Color->ToIdent(static_cast<Integer>(clHighlight), Ident));
    EXPECT_EQ(Ident, "clHighlight");
    EXPECT_FALSE(Color->ToIdent(Int64{1} << 40, Ident));
    EXPECT_TRUE(Color->FromIdent("CLAQUA", Value));
    EXPECT_EQ(Value, clAqua);

    PTypeInfo Charset = TypeInfo<TFontCharset>();
    EXPECT_EQ(Charset->MaxValue, 255);
    EXPECT_TRUE(Charset->ToIdent(DEFAULT_CHARSET, Ident));
    EXPECT_EQ(Ident, "DEFAULT_CHARSET");
    EXPECT_TRUE(Charset->FromIdent("russian_charset", Value));
    EXPECT_EQ(Value, 204);
    EXPECT_FALSE(Charset->ToIdent(3, Ident));
}

TEST(Graphics, FontDefaultsAndSize) {
    TFont Font;
    EXPECT_EQ(Font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(Font.Color(), clWindowText);
    EXPECT_EQ(Font.Height(), -11);
    EXPECT_EQ(Font.Size(), 8);
    EXPECT_EQ(Font.Name(), "MS Sans Serif");
    EXPECT_EQ(Font.Pitch(), fpDefault);
    EXPECT_TRUE(Font.Style().Empty());
    EXPECT_EQ(Font.TextHeight(), 13);

    Font.SetSize(10);
    EXPECT_EQ(Font.Height(), -13);
    EXPECT_EQ(Font.Size(), 10);
    Font.SetHeight(-16);
    EXPECT_EQ(Font.Size(), 12);
    Font.SetHeight(20); // cell height: the size is negative, as in the host
    EXPECT_EQ(Font.Size(), -15);

    Font.SetName("");
    EXPECT_EQ(Font.Name(), "MS Sans Serif");

    // Published in the host's order; Size is derived and not streamed.
    std::vector<String> Names;
    for (PPropInfo P : GetPropList(&Font))
        Names.push_back(P->Name);
    EXPECT_EQ(Names, (std::vector<String>{"Charset", "Color", "Height", "Name", "Pitch", "Size",
                                          "Style"}));
    EXPECT_FALSE(IsStoredProp(&Font, GetPropInfo(&Font, "Size")));
}

namespace {

class TChangeCounter : public TObject {
public:
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

} // namespace

TEST(Graphics, FontChangesAndAssign) {
    TChangeCounter Counter;
    TFont Font;
    Font.SetOnChange(TNotifyEvent(&Counter, &TChangeCounter::Changed));
    Font.SetColor(clWindowText); // no change, no event
    Font.SetStyle({fsBold, fsUnderline});
    Font.SetSize(8); // -11 already
    EXPECT_EQ(Counter.Count, 1);

    TFont Source;
    Source.SetName("Courier New");
    Source.SetHeight(-13);
    Source.SetCharset(RUSSIAN_CHARSET);
    Source.SetPitch(fpFixed);
    Source.SetColor(clNavy);
    Font.Assign(&Source);
    EXPECT_EQ(Counter.Count, 2); // one event for the whole copy
    EXPECT_EQ(Font.Name(), "Courier New");
    EXPECT_EQ(Font.Height(), -13);
    EXPECT_EQ(Font.Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(Font.Pitch(), fpFixed);
    EXPECT_EQ(Font.Color(), clNavy);
    EXPECT_TRUE(Font.Style().Empty());

    TStringList Other;
    EXPECT_THROW_MSG(Font.Assign(&Other), EConvertError, "Cannot assign a TStringList to a TFont");
    EXPECT_THROW_MSG(Font.Assign(nullptr), EConvertError, "Cannot assign a nil to a TFont");
}

// The platform's and the graphics' character sets are one set of constants, so both headers
// go together and a font's character set reaches its font object unchanged.
TEST(Graphics, FontHandleCarriesThePlatformsCharset) {
    TFont Font;
    Font.SetCharset(RUSSIAN_CHARSET);
    Font.SetStyle({fsBold});
    LOGFONTA Lf;
    ASSERT_EQ(GetObjectA(Font.Handle(), sizeof(Lf), &Lf), static_cast<int>(sizeof(Lf)));
    EXPECT_EQ(Lf.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(Lf.lfWeight, FW_BOLD);
    EXPECT_EQ(HANGEUL_CHARSET, HANGUL_CHARSET);
    String Ident;
    EXPECT_TRUE(CharsetToIdent(HANGUL_CHARSET, Ident));
    EXPECT_EQ(Ident, "HANGEUL_CHARSET");
}
