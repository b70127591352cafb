// Graphics: colours with their identifiers, font character sets, and TFont, the font
// description that controls carry and that form files stream as "Font.Name = ...".
#pragma once

#include "host/classes/Persistent.h"
#include "host/typinfo/Events.h"
#include "host/typinfo/TypeData.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/WinTypes.h"

#include <string_view>

namespace host {

// 0x00BBGGRR, or 0x80000000 + a system colour index.
enum TColor : Integer {};

inline constexpr TColor clBlack = TColor(0x000000);
inline constexpr TColor clMaroon = TColor(0x000080);
inline constexpr TColor clGreen = TColor(0x008000);
inline constexpr TColor clOlive = TColor(0x008080);
inline constexpr TColor clNavy = TColor(0x800000);
inline constexpr TColor clPurple = TColor(0x800080);
inline constexpr TColor clTeal = TColor(0x808000);
inline constexpr TColor clGray = TColor(0x808080);
inline constexpr TColor clSilver = TColor(0xC0C0C0);
inline constexpr TColor clRed = TColor(0x0000FF);
inline constexpr TColor clLime = TColor(0x00FF00);
inline constexpr TColor clYellow = TColor(0x00FFFF);
inline constexpr TColor clBlue = TColor(0xFF0000);
inline constexpr TColor clFuchsia = TColor(0xFF00FF);
inline constexpr TColor clAqua = TColor(0xFFFF00);
inline constexpr TColor clLtGray = clSilver;
inline constexpr TColor clDkGray = clGray;
inline constexpr TColor clWhite = TColor(0xFFFFFF);
inline constexpr TColor clNone = TColor(0x1FFFFFFF);
inline constexpr TColor clDefault = TColor(0x20000000);

inline constexpr TColor SystemColor(int Index) {
    return TColor(static_cast<Integer>(0x80000000u + static_cast<unsigned>(Index)));
}
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

// Identifier of a colour ("clBtnFace"); false for values without one. The table holds the
// 16 standard colours (not the clLtGray/clDkGray aliases), the 25 system colours, clNone
// and clDefault.
bool ColorToIdent(Integer Color, String& Ident);
// Colour of an identifier, case ignored; false for unknown names.
bool IdentToColor(std::string_view Ident, Integer& Color);
// The identifier, or "$" and 8 upper-case hexadecimal digits.
String ColorToString(TColor Color);
// An identifier or an integer ("$8000000F", "255"); raises EConvertError
// "'x' is not a valid integer value" otherwise.
TColor StringToColor(std::string_view S);

// TFontCharset and its constants come from the platform; fonts stream them by name
// ("DEFAULT_CHARSET").

// Name of a character set ("ANSI_CHARSET"); false for values without one.
bool CharsetToIdent(Integer Charset, String& Ident);
// Character set of a name, case ignored; false for unknown names.
bool IdentToCharset(std::string_view Ident, Integer& Charset);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Screen resolution that font sizes are converted with.
inline constexpr int ScreenPixelsPerInch = 96;

// A font description. Every change fires OnChange once (Assign too), so that the control
// holding the font can react.
class TFont : public TPersistent {
    ZT_CLASS(TFont, TPersistent)
public:
    TFont() = default;
    ~TFont() override;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    const String& Name() const { return FName; }
    // An empty name is ignored.
    void SetName(const String& Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    // Points, derived from Height at PixelsPerInch (rounded).
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    int PixelsPerInch() const { return FPixelsPerInch; }

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }

    // From another TFont; anything else raises EConvertError.
    void Assign(const TPersistent* Source) override;

    // Height of a line of text in this font, in pixels, as the emulated screen measures it.
    int TextHeight() const;

    // A font object of the window layer with this description (CreateFontIndirectA), made
    // when first asked and again after every change; the font deletes it.
    HFONT Handle();

protected:
    virtual void Changed();

private:
    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight = -11;
    String FName = "MS Sans Serif";
    TFontPitch FPitch = fpDefault;
    TFontStyles FStyle;
    int FPixelsPerInch = ScreenPixelsPerInch;
    TNotifyEvent FOnChange;
    HFONT FHandle = nullptr;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TColor);
ZT_DECLARE_TYPEINFO(host::TFontCharset);
ZT_DECLARE_TYPEINFO(host::TFontStyle);
ZT_DECLARE_TYPEINFO(host::TFontStyles);
ZT_DECLARE_TYPEINFO(host::TFontPitch);
