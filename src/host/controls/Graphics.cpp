#include "host/controls/Graphics.h"

#include "host/rtl/Conversions.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"

#include <cmath>
#include <cstdlib>
#include <span>

namespace host {

namespace {

// False for a null handle or one the window layer no longer knows.
bool IsFontHandle(HFONT Font) {
    return Font && GetObjectA(Font, 0, nullptr) != 0;
}

void DeleteFontHandle(HFONT Font) {
    if (IsFontHandle(Font)) DeleteObject(Font);
}

struct TIdentMapEntry {
    Integer Value;
    const char* Name;
};

const TIdentMapEntry Colors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    // Not in the host's table of the oldest versions; accepted so that such values keep
    // their name through a round trip.
    {clDefault, "clDefault"},
};

const TIdentMapEntry Charsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

bool IntToIdent(std::span<const TIdentMapEntry> Map, Integer Value, String& Ident) {
    for (const TIdentMapEntry& E : Map)
        if (E.Value == Value) {
            Ident = E.Name;
            return true;
        }
    return false;
}

bool IdentToInt(std::span<const TIdentMapEntry> Map, std::string_view Ident, Integer& Value) {
    for (const TIdentMapEntry& E : Map)
        if (SameText(E.Name, Ident)) {
            Value = E.Value;
            return true;
        }
    return false;
}

// Adapters to the streaming hooks of integer types, which work on 64-bit values.
template <bool (*ToIdent)(Integer, String&)> bool ToIdent64(Int64 Value, String& Ident) {
    return Value >= INT32_MIN && Value <= INT32_MAX && ToIdent(static_cast<Integer>(Value), Ident);
}
template <bool (*FromIdent)(std::string_view, Integer&)>
bool FromIdent64(std::string_view Ident, Int64& Value) {
    Integer V = 0;
    if (!FromIdent(Ident, V)) return false;
    Value = V;
    return true;
}

int RoundedMulDiv(int Number, int Numerator, int Denominator) {
    return static_cast<int>(std::lround(static_cast<double>(Number) * Numerator / Denominator));
}

} // namespace

bool ColorToIdent(Integer Color, String& Ident) {
    return IntToIdent(Colors, Color, Ident);
}
bool IdentToColor(std::string_view Ident, Integer& Color) {
    return IdentToInt(Colors, Ident, Color);
}

String ColorToString(TColor Color) {
    String Result;
    if (!ColorToIdent(Color, Result))
        Result = "$" + IntToHex(static_cast<std::uint32_t>(static_cast<Integer>(Color)), 8);
    return Result;
}

TColor StringToColor(std::string_view S) {
    Integer Value = 0;
    if (!IdentToColor(S, Value)) Value = StrToInt(S);
    return TColor(Value);
}

bool CharsetToIdent(Integer Charset, String& Ident) {
    return IntToIdent(Charsets, Charset, Ident);
}
bool IdentToCharset(std::string_view Ident, Integer& Charset) {
    return IdentToInt(Charsets, Ident, Charset);
}

PTypeInfo TTypeInfoOf<TColor>::Get() {
    static const TTypeInfo Info = [] {
        TTypeInfo I = MakeIntegerTypeInfo("TColor");
        I.ToIdent = ToIdent64<ColorToIdent>;
        I.FromIdent = FromIdent64<IdentToColor>;
        return I;
    }();
    return &Info;
}

PTypeInfo TTypeInfoOf<TFontCharset>::Get() {
    static const TTypeInfo Info = [] {
        TTypeInfo I = MakeIntegerTypeInfo("TFontCharset");
        I.OrdType = otUByte;
        I.MinValue = 0;
        I.MaxValue = 255;
        I.ToIdent = ToIdent64<CharsetToIdent>;
        I.FromIdent = FromIdent64<IdentToCharset>;
        return I;
    }();
    return &Info;
}

ZT_DEFINE_ENUM(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
ZT_DEFINE_SET(TFontStyles)
ZT_DEFINE_ENUM(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

TClass TFont::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TFont>("TFont")
        .Prop("Charset", &TFont::Charset, &TFont::SetCharset)
        .Prop("Color", &TFont::Color, &TFont::SetColor)
        .Prop("Height", &TFont::Height, &TFont::SetHeight)
        .Prop("Name", &TFont::Name, &TFont::SetName)
        .Prop("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault)
        .Prop("Size", &TFont::Size, &TFont::SetSize).Stored(false)
        .Prop("Style", &TFont::Style, &TFont::SetStyle);
    // clang-format on
    return &Info;
}

TFont::~TFont() {
    DeleteFontHandle(FHandle);
}

void TFont::Changed() {
    DeleteFontHandle(FHandle);
    FHandle = nullptr;
    FOnChange(this);
}

HFONT TFont::Handle() {
    if (FHandle && IsFontHandle(FHandle)) return FHandle;
    LOGFONTA Font;
    Font.lfHeight = FHeight;
    Font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    Font.lfItalic = FStyle.Contains(fsItalic);
    Font.lfUnderline = FStyle.Contains(fsUnderline);
    Font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    Font.lfCharSet = FCharset;
    Font.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                            : FPitch == fpVariable ? VARIABLE_PITCH
                                                   : DEFAULT_PITCH;
    SetFaceName(Font, FName.c_str());
    FHandle = CreateFontIndirectA(&Font);
    return FHandle;
}

void TFont::SetCharset(TFontCharset Value) {
    if (FCharset == Value) return;
    FCharset = Value;
    Changed();
}

void TFont::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TFont::SetHeight(int Value) {
    if (FHeight == Value) return;
    FHeight = Value;
    Changed();
}

void TFont::SetName(const String& Value) {
    if (Value.empty() || FName == Value) return;
    FName = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value) {
    if (FPitch == Value) return;
    FPitch = Value;
    Changed();
}

int TFont::Size() const {
    return -RoundedMulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value) {
    SetHeight(-RoundedMulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TFont::Assign(const TPersistent* Source) {
    const TFont* Other = As<TFont>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FCharset = Other->FCharset;
    FColor = Other->FColor;
    FName = Other->FName;
    FPitch = Other->FPitch;
    FStyle = Other->FStyle;
    // A font from another resolution keeps its point size, as the host does.
    FHeight = Other->FPixelsPerInch == FPixelsPerInch
                  ? Other->FHeight
                  : -RoundedMulDiv(Other->Size(), FPixelsPerInch, 72);
    Changed();
}

// Windows fonts are about a fifth taller than their character height (internal leading):
// 8 point MS Sans Serif (-11) gives 13 pixels.
int TFont::TextHeight() const {
    if (FHeight > 0) return FHeight;
    int CharHeight = FHeight == 0 ? 11 : -FHeight;
    return static_cast<int>(std::lround(CharHeight * 1.2));
}

} // namespace host
