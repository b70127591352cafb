// Font objects: descriptions kept by handle, and the stock fonts.
#include "host/winapi/Fonts.h"
#include "host/winapi/DeviceContext.h"
#include "host/winapi/WinInternal.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace host {

namespace {

struct TStockFont {
    int Index;
    LONG Height;
    LONG Width;
    LONG Weight;
    BYTE CharSet;
    BYTE PitchAndFamily;
    const char* Face;
};

// The customary descriptions of the system's stock fonts.
const TStockFont StockFonts[] = {
    {OEM_FIXED_FONT, 12, 8, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"},
    {ANSI_FIXED_FONT, 12, 9, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"},
    {ANSI_VAR_FONT, 12, 0, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"},
    {SYSTEM_FONT, 16, 7, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"},
    {DEVICE_DEFAULT_FONT, 16, 7, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"},
    {SYSTEM_FIXED_FONT, 16, 8, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"},
    {DEFAULT_GUI_FONT, -11, 0, FW_NORMAL, DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS,
     "MS Shell Dlg"},
};

LOGFONTA Describe(const TStockFont& S) {
    LOGFONTA F;
    F.lfHeight = S.Height;
    F.lfWidth = S.Width;
    F.lfWeight = S.Weight;
    F.lfCharSet = S.CharSet;
    F.lfPitchAndFamily = S.PitchAndFamily;
    SetFaceName(F, S.Face);
    return F;
}

struct TFontTable {
    std::unordered_map<HGDIOBJ, LOGFONTA> Fonts;
    // Stock handles never change, even across resets.
    std::unordered_map<int, HGDIOBJ> StockByIndex;
    std::unordered_map<HGDIOBJ, LOGFONTA> Stock;

    TFontTable() {
        for (const TStockFont& S : StockFonts) {
            const HGDIOBJ Handle = reinterpret_cast<HGDIOBJ>(detail::NewHandleValue());
            StockByIndex[S.Index] = Handle;
            Stock[Handle] = Describe(S);
        }
    }
};

TFontTable& Table() {
    static TFontTable T;
    return T;
}

const LOGFONTA* FindFont(HGDIOBJ Object) {
    auto& T = Table();
    if (const auto It = T.Fonts.find(Object); It != T.Fonts.end()) return &It->second;
    if (const auto It = T.Stock.find(Object); It != T.Stock.end()) return &It->second;
    return nullptr;
}

} // namespace

namespace detail {

void ResetFonts() {
    Table().Fonts.clear();
}

} // namespace detail

void SetFaceName(LOGFONTA& Font, const char* Name) {
    std::memset(Font.lfFaceName, 0, sizeof Font.lfFaceName);
    if (Name) std::memcpy(Font.lfFaceName, Name, strnlen(Name, LF_FACESIZE - 1));
}

HFONT CreateFontIndirectA(const LOGFONTA* Font) {
    if (!Font) return nullptr;
    LOGFONTA Copy = *Font;
    Copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    const HFONT Handle = detail::NewHandle<HFONT>();
    Table().Fonts[Handle] = Copy;
    return Handle;
}

int GetObjectA(HGDIOBJ Object, int Size, LPVOID Buffer) {
    const LOGFONTA* Font = FindFont(Object);
    if (!Font) return 0;
    if (!Buffer) return int(sizeof(LOGFONTA));
    const int Count = std::clamp(Size, 0, int(sizeof(LOGFONTA)));
    std::memcpy(Buffer, Font, size_t(Count));
    return Count;
}

BOOL DeleteObject(HGDIOBJ Object) {
    auto& T = Table();
    if (T.Stock.count(Object)) return true;
    return T.Fonts.erase(Object) != 0 || detail::DeleteBrush(Object);
}

HGDIOBJ GetStockObject(int Index) {
    if (Index == DC_BRUSH) return DcBrush();
    const auto& ByIndex = Table().StockByIndex;
    const auto It = ByIndex.find(Index);
    return It == ByIndex.end() ? nullptr : It->second;
}

} // namespace host
