// Logical fonts: the 60-byte LOGFONTA description, font objects created from it, and the stock
// fonts of the system.
#pragma once

#include "host/winapi/WinTypes.h"

#include <cstddef>

namespace host {

inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    CHAR lfFaceName[LF_FACESIZE] = {};
};
static_assert(sizeof(LOGFONTA) == 60 && offsetof(LOGFONTA, lfCharSet) == 23 &&
              offsetof(LOGFONTA, lfFaceName) == 28);

inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_THIN = 100;
inline constexpr LONG FW_LIGHT = 300;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_MEDIUM = 500;
inline constexpr LONG FW_SEMIBOLD = 600;
inline constexpr LONG FW_BOLD = 700;
inline constexpr LONG FW_EXTRABOLD = 800;
inline constexpr LONG FW_HEAVY = 900;

// Character set of a font: the platform's constants, or any other value 0..255. Defined once
// here for the platform and the graphics alike; converts to the BYTE of a LOGFONTA.
enum TFontCharset : BYTE {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    HANGEUL_CHARSET = 129, // the graphics' spelling
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};

inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_ROMAN = 0x10;
inline constexpr BYTE FF_SWISS = 0x20;
inline constexpr BYTE FF_MODERN = 0x30;

// GetStockObject indexes of the stock fonts.
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

// A new font with this description; the face name is cut to 31 characters. Null for a null
// description.
HFONT CreateFontIndirectA(const LOGFONTA* Font);
// Copies min(Size, 60) bytes of the font's description into Buffer and returns that count;
// with a null Buffer returns 60. 0 for an unknown object.
int GetObjectA(HGDIOBJ Object, int Size, LPVOID Buffer);
// FALSE for an unknown object; stock objects are never deleted but report TRUE.
BOOL DeleteObject(HGDIOBJ Object);
// The stock font of that index (the same handle every time); null for other indexes.
HGDIOBJ GetStockObject(int Index);

// Copies a face name into a LOGFONTA, cutting it to LF_FACESIZE - 1 characters.
void SetFaceName(LOGFONTA& Font, const char* Name);

} // namespace host
