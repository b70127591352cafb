// What the person's mouse and keys do to the standard controls on a display: clicks press
// buttons and toggle check boxes, typing edits text, lists and combo boxes select, tabs pick
// pages, the wheel scrolls.
#include "host/classes/Strings.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/StrUtils.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

namespace {

POINT MousePoint(const TMessage& M) {
    return {GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
}

void Repaint(TWinControl& C) {
    if (C.HandleAllocated()) InvalidateRect(C.Handle(), nullptr, true);
}

void TakeFocus(TWinControl& C) {
    if (C.CanFocus() && GetFocus() != C.Handle()) SetFocus(C.Handle());
}

// Buttons, check boxes and radio buttons: pressed while held, clicked when let go inside.
bool ButtonInput(TWinControl& C, TMessage& M) {
    if (!dynamic_cast<TButtonControl*>(&C)) return false;
    TControlUiState& S = UiState(C);
    switch (M.Msg) {
    case WM_LBUTTONDOWN:
        TakeFocus(C);
        S.Pressed = true;
        SetCapture(C.Handle());
        Repaint(C);
        return true;
    case WM_MOUSEMOVE:
        if (GetCapture() == C.Handle()) {
            const POINT P = MousePoint(M);
            const bool Inside = P.x >= 0 && P.y >= 0 && P.x < C.Width() && P.y < C.Height();
            if (Inside != S.Pressed) {
                S.Pressed = Inside;
                Repaint(C);
            }
        }
        return true;
    case WM_LBUTTONUP: {
        const bool Click = S.Pressed && GetCapture() == C.Handle();
        S.Pressed = false;
        ReleaseCapture();
        Repaint(C);
        if (Click) SendMessageA(C.Handle(), BM_CLICK, 0, 0);
        return true;
    }
    case WM_KEYDOWN:
        if (M.WParam != WPARAM(VK_SPACE)) return false;
        S.Pressed = true;
        Repaint(C);
        return true;
    case WM_KEYUP:
        if (M.WParam != WPARAM(VK_SPACE) || !S.Pressed) return false;
        S.Pressed = false;
        Repaint(C);
        SendMessageA(C.Handle(), BM_CLICK, 0, 0);
        return true;
    default:
        return false;
    }
}

// Start of the UTF-8 character before At.
int PreviousChar(const String& T, int At) {
    int I = At - 1;
    while (I > 0 && (static_cast<unsigned char>(T[std::size_t(I)]) & 0xC0) == 0x80)
        --I;
    return std::max(I, 0);
}

int NextChar(const String& T, int At) {
    int I = At + 1;
    while (I < int(T.size()) && (static_cast<unsigned char>(T[std::size_t(I)]) & 0xC0) == 0x80)
        ++I;
    return std::min(I, int(T.size()));
}

bool EditInput(TWinControl& C, TMessage& M) {
    auto* Edit = dynamic_cast<TCustomEdit*>(&C);
    if (!Edit) return false;
    // The text is read only for the messages handled here (reading it sends WM_GETTEXT).
    if (M.Msg != WM_SETFOCUS && M.Msg != WM_KILLFOCUS && M.Msg != WM_LBUTTONDOWN &&
        M.Msg != WM_MOUSEWHEEL && M.Msg != WM_KEYDOWN && M.Msg != WM_CHAR)
        return false;
    auto* Memo = dynamic_cast<TCustomMemo*>(&C);
    TControlUiState& S = UiState(C);
    String Text = TPaintAccess::TextOf(C);
    int Caret = S.Caret < 0 ? int(Text.size()) : std::min<int>(S.Caret, int(Text.size()));
    auto Store = [&](const String& Value, int NewCaret) {
        S.Caret = NewCaret;
        S.SelLength = 0;
        if (Value != Text) SetWindowTextA(C.Handle(), Value.c_str());
        Repaint(C);
    };
    switch (M.Msg) {
    case WM_SETFOCUS:
        if (!Memo && Edit->AutoSelect()) {
            S.SelStart = 0;
            S.SelLength = int(Text.size());
            S.Caret = int(Text.size());
        }
        return false;
    case WM_KILLFOCUS:
        S.SelLength = 0;
        return false;
    case WM_LBUTTONDOWN:
        TakeFocus(C);
        S.SelLength = 0;
        Repaint(C);
        return true;
    case WM_MOUSEWHEEL:
        if (!Memo) return false;
        S.TopIndex = std::clamp(S.TopIndex - short(HIWORD(M.WParam)) / WHEEL_DELTA * 3, 0,
                                std::max(0, Memo->Lines()->Count() - 1));
        Repaint(C);
        return true;
    case WM_KEYDOWN:
        switch (int(M.WParam)) {
        case VK_LEFT:
            Store(Text, PreviousChar(Text, Caret));
            return true;
        case VK_RIGHT:
            Store(Text, NextChar(Text, Caret));
            return true;
        case VK_HOME:
            Store(Text, 0);
            return true;
        case VK_END:
            Store(Text, int(Text.size()));
            return true;
        case VK_DELETE:
            if (Edit->ReadOnly()) return true;
            if (S.SelLength > 0)
                Store(Text.erase(std::size_t(S.SelStart), std::size_t(S.SelLength)), S.SelStart);
            else if (Caret < int(Text.size()))
                Store(Text.substr(0, std::size_t(Caret)) +
                          Text.substr(std::size_t(NextChar(Text, Caret))),
                      Caret);
            return true;
        default:
            return false;
        }
    case WM_CHAR: {
        if (Edit->ReadOnly()) return true;
        const auto Ch = static_cast<unsigned char>(M.WParam & 0xFF);
        String Value = Text;
        int At = Caret;
        if (S.SelLength > 0 && (Ch >= 32 || Ch == 8)) {
            Value.erase(std::size_t(S.SelStart), std::size_t(S.SelLength));
            At = S.SelStart;
            if (Ch == 8) {
                Store(Value, At);
                return true;
            }
        }
        if (Ch == 8) {
            if (At > 0) {
                const int From = PreviousChar(Value, At);
                Value.erase(std::size_t(From), std::size_t(At - From));
                At = From;
            }
        } else if (Ch == 13) {
            if (!Memo || !Memo->WantReturns()) return false;
            Value.insert(std::size_t(At), "\r\n");
            At += 2;
        } else if (Ch == 9) {
            if (!Memo || !Memo->WantTabs()) return false;
            Value.insert(std::size_t(At), 1, '\t');
            ++At;
        } else if (Ch >= 32) {
            if (Edit->MaxLength() > 0 && int(Value.size()) >= Edit->MaxLength()) return true;
            Value.insert(std::size_t(At), 1, char(Ch));
            ++At;
        } else {
            return false;
        }
        Store(Value, At);
        return true;
    }
    default:
        return false;
    }
}

int ItemHeightOf(TWinControl& C) {
    const HDC Dc = GetDC(C.Handle());
    SelectObject(Dc, TPaintAccess::FontOf(C)->Handle());
    SIZE S;
    GetTextExtentPoint32A(Dc, "Ag", 2, &S);
    ReleaseDC(C.Handle(), Dc);
    return std::max<int>(13, S.cy);
}

// Selects an item as a list box does when the person picks it, telling the parent.
void PickListItem(TWinControl& C, int Index, UINT SetMsg, WORD Notify) {
    SendMessageA(C.Handle(), SetMsg, WPARAM(Index), 0);
    if (C.Parent() && C.Parent()->HandleAllocated())
        SendMessageA(C.Parent()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(C.Handle()), Notify),
                     LPARAM(C.Handle()));
    Repaint(C);
}

bool ListInput(TWinControl& C, TMessage& M) {
    auto* List = dynamic_cast<TCustomListBox*>(&C);
    if (!List) return false;
    TControlUiState& S = UiState(C);
    const int Count = List->Items()->Count();
    switch (M.Msg) {
    case WM_LBUTTONDOWN: {
        TakeFocus(C);
        const int Index = S.TopIndex + MousePoint(M).y / ItemHeightOf(C);
        if (Index >= Count) return true;
        if (List->MultiSelect() && (M.WParam & MK_CONTROL)) {
            List->PickToggle(Index);
            Repaint(C);
        } else if (Index != List->ItemIndex() || List->SelCount() > 1) {
            PickListItem(C, Index, LB_SETCURSEL, LBN_SELCHANGE);
        }
        return true;
    }
    case WM_KEYDOWN: {
        int Index = List->ItemIndex();
        if (M.WParam == WPARAM(VK_DOWN))
            Index = std::min(Count - 1, Index + 1);
        else if (M.WParam == WPARAM(VK_UP))
            Index = std::max(0, Index - 1);
        else if (M.WParam == WPARAM(VK_HOME))
            Index = 0;
        else if (M.WParam == WPARAM(VK_END))
            Index = Count - 1;
        else
            return false;
        if (Index != List->ItemIndex() && Index >= 0)
            PickListItem(C, Index, LB_SETCURSEL, LBN_SELCHANGE);
        return true;
    }
    case WM_MOUSEWHEEL:
        S.TopIndex = std::clamp(S.TopIndex - short(HIWORD(M.WParam)) / WHEEL_DELTA * 3, 0,
                                std::max(0, Count - 1));
        Repaint(C);
        return true;
    default:
        return false;
    }
}

bool ComboInput(TWinControl& C, TMessage& M) {
    auto* Combo = dynamic_cast<TCustomComboBox*>(&C);
    if (!Combo) return false;
    const int Count = Combo->Items()->Count();
    switch (M.Msg) {
    case WM_LBUTTONDOWN: {
        TakeFocus(C);
        // The drop-down list opens under the box, its items as a pop-up list.
        const HMENU List = CreatePopupMenu();
        for (int I = 0; I < Count; ++I)
            AppendMenuA(List, MF_STRING | (I == Combo->ItemIndex() ? MF_CHECKED : 0),
                        UINT_PTR(I + 1),
                        StringReplace(Combo->Items()->Strings(I), "&", "&&").c_str());
        RECT R;
        GetWindowRect(C.Handle(), &R);
        UiState(C).Dropped = true;
        Repaint(C);
        const int Chosen =
            TrackPopupMenu(List, TPM_RETURNCMD, R.left, R.bottom, 0, C.Handle(), nullptr);
        DestroyMenu(List);
        if (!IsWindow(C.Handle())) return true;
        UiState(C).Dropped = false;
        Repaint(C);
        if (Chosen > 0 && Chosen - 1 != Combo->ItemIndex())
            PickListItem(C, Chosen - 1, CB_SETCURSEL, CBN_SELCHANGE);
        return true;
    }
    case WM_KEYDOWN: {
        int Index = Combo->ItemIndex();
        if (M.WParam == WPARAM(VK_DOWN))
            Index = std::min(Count - 1, Index + 1);
        else if (M.WParam == WPARAM(VK_UP))
            Index = std::max(0, Index - 1);
        else
            return false;
        if (Index != Combo->ItemIndex() && Index >= 0)
            PickListItem(C, Index, CB_SETCURSEL, CBN_SELCHANGE);
        return true;
    }
    case WM_MOUSEWHEEL: {
        const int Index =
            std::clamp(Combo->ItemIndex() - short(HIWORD(M.WParam)) / WHEEL_DELTA, 0, Count - 1);
        if (Index != Combo->ItemIndex() && Index >= 0)
            PickListItem(C, Index, CB_SETCURSEL, CBN_SELCHANGE);
        return true;
    }
    default:
        return false;
    }
}

bool PageControlInput(TWinControl& C, TMessage& M) {
    auto* Pages = dynamic_cast<TPageControl*>(&C);
    if (!Pages || M.Msg != WM_LBUTTONDOWN) return false;
    const POINT P = MousePoint(M);
    if (P.y > 20) return true;
    const HDC Dc = GetDC(C.Handle());
    SelectObject(Dc, TPaintAccess::FontOf(C)->Handle());
    LONG X = 2;
    for (int I = 0; I < Pages->PageCount(); ++I) {
        TTabSheet* Sheet = Pages->Pages(I);
        if (!Sheet->TabVisible()) continue;
        RECT Size{0, 0, 0, 0};
        const String Caption = Sheet->Caption();
        DrawTextA(Dc, Caption.c_str(), -1, &Size, DT_CALCRECT | DT_SINGLELINE);
        if (P.x >= X && P.x < X + Size.right + 12) {
            ReleaseDC(C.Handle(), Dc);
            Pages->Pick(I);
            Repaint(C);
            return true;
        }
        X += Size.right + 12;
    }
    ReleaseDC(C.Handle(), Dc);
    return true;
}

} // namespace

int TCustomListBox::ItemAtPos(POINT Pos, bool Existing) const {
    auto& Self = const_cast<TCustomListBox&>(*this);
    const int H = HandleAllocated() ? ItemHeightOf(Self) : std::max(1, ItemHeight());
    const int Index = UiState(*this).TopIndex + (Pos.y < 0 ? -1 : Pos.y / H);
    if (Existing && (Index < 0 || Index >= Items()->Count())) return -1;
    return Index;
}

bool HandleControlInput(TWinControl& Control, TMessage& Message) {
    if (!Control.HandleAllocated()) return false;
    return ButtonInput(Control, Message) || EditInput(Control, Message) ||
           ListInput(Control, Message) || ComboInput(Control, Message) ||
           PageControlInput(Control, Message);
}

} // namespace host
