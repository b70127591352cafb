// How controls look and answer the mouse and keyboard on a display: each class's painting in
// the classic style, and the per-window state that only the screen needs (caret, pressed
// button, scroll position, open drop-down). The control classes stay as they are; their window
// procedure hands WM_PAINT and input here.
#pragma once

#include "host/controls/Controls.h"
#include "host/controls/Graphics.h"
#include "host/winapi/Gdi.h"

#include <functional>

namespace host {

// Reads what painting needs from any control: text, font and colour are published by each
// class under its own terms, so they are reached through the base class's accessors.
struct TPaintAccess : TControl {
    static String TextOf(const TControl& C) { return (C.*(&TPaintAccess::GetText))(); }
    static TFont* FontOf(const TControl& C) { return (C.*(&TPaintAccess::Font))(); }
    static TColor ColorOf(const TControl& C) { return (C.*(&TPaintAccess::Color))(); }
};

// What the screen shows of a control beyond its published state.
struct TControlUiState {
    bool Pressed = false; // a button held down
    bool Hot = false;     // the mouse captured by the control
    int Caret = -1;       // edit caret (byte offset); -1: at the end
    int SelStart = 0;     // edit selection (bytes)
    int SelLength = 0;
    int TopIndex = 0;     // first visible item or line
    bool Dropped = false; // combo box list open
};
TControlUiState& UiState(const TControl& Control);
void ForgetUiState(const TControl& Control);

// A colour of the host (system colours included) as a device colour.
COLORREF ColorToRGB(TColor Color);

// Paints a windowed control in answer to WM_PAINT (with its non-windowed children).
void PaintControl(TWinControl& Control);
// A painter for a class: tried most recently registered first; returns false to pass.
using TControlPainter = std::function<bool(TWinControl& Control, HDC Dc, const RECT& Client)>;
void RegisterControlPainter(TControlPainter Painter);
// Registers the painters of the container and common controls (once).
void RegisterExtControlPainters();

// Mouse and keyboard on a control's window; true when handled.
bool HandleControlInput(TWinControl& Control, TMessage& Message);

// Drawing helpers shared by the painters.
HFONT SelectControlFont(HDC Dc, const TControl& Control); // returns the font to delete
void DrawControlText(HDC Dc, const TControl& Control, const String& Text, RECT Rect, UINT Format);

} // namespace host
