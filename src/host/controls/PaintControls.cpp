// WM_PAINT of controls: the dispatch to each class's painter, the screen-only state, and the
// standard controls (buttons, check boxes, radio buttons, edits, memos, lists, combo boxes,
// labels) in the classic style.
#include "host/classes/Strings.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace host {

namespace {

std::unordered_map<const TControl*, TControlUiState>& UiStates() {
    static std::unordered_map<const TControl*, TControlUiState> M;
    return M;
}

std::vector<TControlPainter>& Painters() {
    static std::vector<TControlPainter> P;
    return P;
}

bool Focused(TWinControl& C) {
    return C.HandleAllocated() && GetFocus() == C.Handle();
}

UINT Prefix(const TControl&) {
    return 0;
}

COLORREF TextColorOf(const TControl& C) {
    if (!C.Enabled()) return GetSysColor(COLOR_GRAYTEXT);
    return ColorToRGB(TPaintAccess::FontOf(C)->Color());
}

void FillColor(HDC Dc, const RECT& R, COLORREF C) {
    SetDCBrushColor(Dc, C);
    FillRect(Dc, &R, DcBrush());
}

int LineHeight(HDC Dc) {
    SIZE S;
    GetTextExtentPoint32A(Dc, "Ag", 2, &S);
    return std::max<int>(S.cy, 8);
}

bool PaintButton(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* B = dynamic_cast<TButton*>(&Control);
    if (!B) return false;
    const TControlUiState& S = UiState(Control);
    RECT R = Client;
    const bool Focus = Focused(Control);
    // The default button (and the focused one) carries a black outer frame.
    if (B->Default() || Focus) {
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_WINDOWFRAME));
        R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
    }
    if (S.Pressed) {
        FrameRect(Dc, &R, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT Inner{R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
        FillRect(Dc, &Inner, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        DrawFrameControl(Dc, &R, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    RECT Text = Client;
    if (S.Pressed) OffsetViewportOrgEx(Dc, 1, 1, nullptr);
    DrawControlText(Dc, Control, TPaintAccess::TextOf(Control), Text,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (S.Pressed) OffsetViewportOrgEx(Dc, -1, -1, nullptr);
    if (Focus) {
        RECT F{Client.left + 4, Client.top + 4, Client.right - 4, Client.bottom - 4};
        DrawFocusRect(Dc, &F);
    }
    return true;
}

// Check boxes and radio buttons: the box or circle, then the caption beside it.
bool PaintCheck(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Check = dynamic_cast<TCustomCheckBox*>(&Control);
    auto* Radio = dynamic_cast<TRadioButton*>(&Control);
    if (!Check && !Radio) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    const LONG Mid = (Client.top + Client.bottom) / 2;
    RECT Box{Client.left, Mid - 6, Client.left + 13, Mid + 7};
    const bool Checked = Check ? Check->State() != cbUnchecked : Radio->Checked();
    UINT State = (Check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | (Checked ? DFCS_CHECKED : 0);
    if (!Control.Enabled() || (Check && Check->State() == cbGrayed)) State |= DFCS_INACTIVE;
    if (UiState(Control).Pressed) State |= DFCS_PUSHED;
    DrawFrameControl(Dc, &Box, DFC_BUTTON, State);
    RECT Text{Client.left + 17, Client.top, Client.right, Client.bottom};
    const String Caption = TPaintAccess::TextOf(Control);
    DrawControlText(Dc, Control, Caption, Text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (Focused(Control)) {
        RECT Size{0, 0, 0, 0};
        DrawTextA(Dc, Caption.c_str(), -1, &Size, DT_CALCRECT | DT_SINGLELINE);
        RECT F{Text.left - 1, Mid - Size.bottom / 2 - 1,
               std::min(Text.left + Size.right + 2, Client.right), Mid + Size.bottom / 2 + 2};
        DrawFocusRect(Dc, &F);
    }
    return true;
}

// Edits and memos: white field (the frame is the window's client edge), lines, selection, caret.
bool PaintEdit(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Edit = dynamic_cast<TCustomEdit*>(&Control);
    if (!Edit) return false;
    auto* Memo = dynamic_cast<TCustomMemo*>(&Control);
    const TControlUiState& S = UiState(Control);
    const COLORREF Back =
        Control.Enabled() ? ColorToRGB(TPaintAccess::ColorOf(Control)) : GetSysColor(COLOR_BTNFACE);
    FillColor(Dc, Client, Back);
    String Text = TPaintAccess::TextOf(Control);
    if (!Memo && Edit->PasswordChar()) Text.assign(Text.size(), Edit->PasswordChar());
    std::vector<String> Lines;
    if (Memo) {
        for (int I = 0; I < Memo->Lines()->Count(); ++I)
            Lines.push_back(Memo->Lines()->Strings(I));
    } else {
        Lines.push_back(Text);
    }
    const int H = LineHeight(Dc);
    SetBkMode(Dc, TRANSPARENT);
    SetTextColor(Dc, TextColorOf(Control));
    const bool Focus = Focused(Control);
    LONG Y = Client.top + 1;
    for (std::size_t I = std::size_t(std::max(0, S.TopIndex)); I < Lines.size(); ++I) {
        if (Y > Client.bottom) break;
        RECT Line{Client.left + 2, Y, Client.right - 2, Y + H};
        if (!Memo) Line = {Client.left + 2, Client.top, Client.right - 2, Client.bottom};
        const UINT Format = DT_SINGLELINE | DT_NOPREFIX | (Memo ? 0 : DT_VCENTER);
        // The selection of a single-line edit shows in the highlight colours.
        if (!Memo && Focus && S.SelLength > 0) {
            const String Before = Lines[I].substr(0, std::size_t(S.SelStart));
            const String Selected =
                Lines[I].substr(std::size_t(S.SelStart), std::size_t(S.SelLength));
            SIZE A, B;
            GetTextExtentPoint32A(Dc, Before.c_str(), int(Before.size()), &A);
            GetTextExtentPoint32A(Dc, Selected.c_str(), int(Selected.size()), &B);
            RECT Sel{Line.left + A.cx, Client.top + 2, Line.left + A.cx + B.cx, Client.bottom - 2};
            FillRect(Dc, &Sel, GetSysColorBrush(COLOR_HIGHLIGHT));
            DrawTextA(Dc, Lines[I].c_str(), -1, &Line, Format);
            SaveDC(Dc);
            IntersectClipRect(Dc, Sel.left, Sel.top, Sel.right, Sel.bottom);
            SetTextColor(Dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            DrawTextA(Dc, Lines[I].c_str(), -1, &Line, Format);
            RestoreDC(Dc, -1);
        } else {
            DrawTextA(Dc, Lines[I].c_str(), -1, &Line, Format);
        }
        Y += H;
    }
    if (Focus && !Memo) {
        const int Caret = S.Caret < 0 ? int(Text.size()) : std::min<int>(S.Caret, int(Text.size()));
        SIZE A;
        GetTextExtentPoint32A(Dc, Text.c_str(), Caret, &A);
        const LONG X = Client.left + 2 + A.cx;
        const LONG Mid = (Client.top + Client.bottom) / 2;
        RECT CaretRect{X, Mid - H / 2, X + 1, Mid + H / 2};
        FillColor(Dc, CaretRect, RGB(0, 0, 0));
    }
    return true;
}

bool PaintListBox(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* List = dynamic_cast<TCustomListBox*>(&Control);
    if (!List) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    const int H = std::max(LineHeight(Dc), 13);
    SetBkMode(Dc, TRANSPARENT);
    const TControlUiState& S = UiState(Control);
    LONG Y = Client.top;
    for (int I = std::max(0, S.TopIndex); I < List->Items()->Count() && Y < Client.bottom; ++I) {
        RECT Item{Client.left, Y, Client.right, Y + H};
        const bool Selected = List->Selected(I);
        if (Selected) FillRect(Dc, &Item, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(Dc, Selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColorOf(Control));
        RECT Text{Item.left + 2, Item.top, Item.right - 2, Item.bottom};
        const String S2 = List->Items()->Strings(I);
        DrawTextA(Dc, S2.c_str(), -1, &Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (Selected && Focused(Control)) DrawFocusRect(Dc, &Item);
        Y += H;
    }
    return true;
}

bool PaintComboBox(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Combo = dynamic_cast<TCustomComboBox*>(&Control);
    if (!Combo) return false;
    RECT R = Client;
    DrawEdge(Dc, &R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillColor(Dc, R, ColorToRGB(TPaintAccess::ColorOf(Control)));
    const LONG Bw = 16;
    RECT Button{R.right - Bw, R.top, R.right, R.bottom};
    DrawFrameControl(Dc, &Button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (UiState(Control).Dropped ? DFCS_PUSHED : 0) |
                         (Control.Enabled() ? 0 : DFCS_INACTIVE));
    RECT Text{R.left + 1, R.top + 1, Button.left - 1, R.bottom - 1};
    const bool Focus = Focused(Control);
    if (Focus && Combo->Style() == csDropDownList) {
        FillRect(Dc, &Text, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(Dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(Dc, TextColorOf(Control));
    }
    SetBkMode(Dc, TRANSPARENT);
    RECT Inner{Text.left + 2, Text.top, Text.right, Text.bottom};
    const String Shown = TPaintAccess::TextOf(Control);
    DrawTextA(Dc, Shown.c_str(), -1, &Inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (Focus && Combo->Style() == csDropDownList) DrawFocusRect(Dc, &Text);
    return true;
}

bool PaintAnyWindow(TWinControl& Control, HDC Dc, const RECT& Client) {
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    return true;
}

// Labels and other non-windowed children are drawn by their parent.
void PaintGraphicChildren(TWinControl& Parent, HDC Dc, const RECT& Update) {
    for (int I = 0; I < Parent.ControlCount(); ++I) {
        TControl* C = Parent.Controls(I);
        if (dynamic_cast<TWinControl*>(C) || !C->Visible()) continue;
        RECT R{C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height()};
        if (R.right <= Update.left || R.left >= Update.right || R.bottom <= Update.top ||
            R.top >= Update.bottom)
            continue;
        if (auto* Label = dynamic_cast<TCustomLabel*>(C)) {
            const UINT Align = Label->Alignment() == taCenter         ? DT_CENTER
                               : Label->Alignment() == taRightJustify ? DT_RIGHT
                                                                      : DT_LEFT;
            DrawControlText(Dc, *Label, TPaintAccess::TextOf(*Label), R, Align | DT_WORDBREAK);
        }
    }
}

} // namespace

TControlUiState& UiState(const TControl& Control) {
    return UiStates()[&Control];
}

void ForgetUiState(const TControl& Control) {
    UiStates().erase(&Control);
}

COLORREF ColorToRGB(TColor Color) {
    const auto Value = static_cast<std::uint32_t>(Color);
    if (Value & 0x80000000u) return GetSysColor(int(Value & 0xFF));
    if (Color == clNone || Color == clDefault) return GetSysColor(COLOR_WINDOW);
    return Value & 0xFFFFFF;
}

void RegisterControlPainter(TControlPainter Painter) {
    Painters().push_back(std::move(Painter));
}

HFONT SelectControlFont(HDC Dc, const TControl& Control) {
    return static_cast<HFONT>(SelectObject(Dc, TPaintAccess::FontOf(Control)->Handle()));
}

void DrawControlText(HDC Dc, const TControl& Control, const String& Text, RECT Rect, UINT Format) {
    const HGDIOBJ Old = SelectObject(Dc, TPaintAccess::FontOf(Control)->Handle());
    SetBkMode(Dc, TRANSPARENT);
    if (Control.Enabled()) {
        SetTextColor(Dc, TextColorOf(Control));
        DrawTextA(Dc, Text.c_str(), -1, &Rect, Format | Prefix(Control));
    } else {
        // Disabled text: etched, a white copy under the grey one.
        SetTextColor(Dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        RECT Shadow{Rect.left + 1, Rect.top + 1, Rect.right + 1, Rect.bottom + 1};
        DrawTextA(Dc, Text.c_str(), -1, &Shadow, Format);
        SetTextColor(Dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(Dc, Text.c_str(), -1, &Rect, Format);
    }
    if (Old) SelectObject(Dc, Old);
}

void PaintControl(TWinControl& Control) {
    RegisterExtControlPainters();
    const HWND Wnd = Control.Handle();
    PAINTSTRUCT Ps;
    const HDC Dc = BeginPaint(Wnd, &Ps);
    if (!Dc) return;
    RECT Client;
    GetClientRect(Wnd, &Client);
    SelectObject(Dc, TPaintAccess::FontOf(Control)->Handle());
    static const TControlPainter Standard[] = {PaintButton,  PaintCheck,    PaintEdit,
                                               PaintListBox, PaintComboBox, PaintAnyWindow};
    bool Done = false;
    for (auto It = Painters().rbegin(); !Done && It != Painters().rend(); ++It)
        Done = (*It)(Control, Dc, Client);
    for (const TControlPainter& P : Standard) {
        if (Done) break;
        Done = P(Control, Dc, Client);
    }
    PaintGraphicChildren(Control, Dc, Ps.rcPaint);
    EndPaint(Wnd, &Ps);
}

} // namespace host
