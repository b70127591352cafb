#include "host/controls/DialogKeys.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <cctype>
#include <vector>

namespace host {

namespace {

// Every control that can take the focus, in tab order, containers before what they hold.
void CollectTabStops(TWinControl& Parent, std::vector<TWinControl*>& Out) {
    for (TWinControl* C : Parent.TabList()) {
        if (!C->Visible() || !C->Enabled()) continue;
        if (C->TabStop()) Out.push_back(C);
        CollectTabStops(*C, Out);
    }
}

TCustomForm* FormOf(HWND Wnd) {
    for (HWND W = Wnd; W; W = GetParent(W))
        if (auto* Form = dynamic_cast<TCustomForm*>(FindControl(W))) return Form;
    return nullptr;
}

void ForEachControl(TWinControl& Parent, const std::function<bool(TControl&)>& Fn, bool& Stop) {
    for (int I = 0; I < Parent.ControlCount() && !Stop; ++I) {
        TControl* C = Parent.Controls(I);
        if (!C->Visible() || !C->Enabled()) continue;
        if (Fn(*C)) {
            Stop = true;
            return;
        }
        if (auto* W = dynamic_cast<TWinControl*>(C)) ForEachControl(*W, Fn, Stop);
    }
}

TButton* FindButton(TCustomForm& Form, bool Default) {
    TButton* Found = nullptr;
    bool Stop = false;
    ForEachControl(
        Form,
        [&](TControl& C) {
            auto* B = dynamic_cast<TButton*>(&C);
            if (B && (Default ? B->Default() : B->Cancel())) Found = B;
            return Found != nullptr;
        },
        Stop);
    return Found;
}

bool Accelerates(const String& Caption, int Key) {
    for (std::size_t I = 0; I + 1 < Caption.size(); ++I) {
        if (Caption[I] != '&') continue;
        if (Caption[I + 1] == '&') {
            ++I;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(Caption[I + 1])) == Key;
    }
    return false;
}

void Focus(TWinControl* C) {
    if (C && C->CanFocus()) SetFocus(C->Handle());
}

bool Accelerator(TCustomForm& Form, int Key) {
    bool Stop = false;
    bool Done = false;
    ForEachControl(
        Form,
        [&](TControl& C) {
            if (auto* Label = dynamic_cast<TCustomLabel*>(&C)) {
                if (!Label->FocusControl() || !Accelerates(TPaintAccess::TextOf(C), Key))
                    return false;
                Focus(Label->FocusControl());
                return Done = true;
            }
            auto* Button = dynamic_cast<TButtonControl*>(&C);
            if (!Button || !Accelerates(TPaintAccess::TextOf(C), Key)) return false;
            Focus(Button);
            if (Button->HandleAllocated())
                SendMessageA(Button->Handle(), 0x00F5 /* BM_CLICK */, 0, 0);
            return Done = true;
        },
        Stop);
    return Done;
}

bool WantsKey(HWND Focus, int Key) {
    auto* Memo = dynamic_cast<TCustomMemo*>(FindControl(Focus));
    if (!Memo) return false;
    return (Key == VK_RETURN && Memo->WantReturns()) || (Key == VK_TAB && Memo->WantTabs());
}

} // namespace

TWinControl* FindNextTabControl(TWinControl& Form, TWinControl* From, bool Forward) {
    std::vector<TWinControl*> Stops;
    CollectTabStops(Form, Stops);
    if (Stops.empty()) return nullptr;
    std::size_t At = Stops.size();
    for (std::size_t I = 0; I < Stops.size(); ++I)
        if (Stops[I] == From) At = I;
    if (At == Stops.size()) return Forward ? Stops.front() : Stops.back();
    const std::size_t N = Stops.size();
    return Stops[Forward ? (At + 1) % N : (At + N - 1) % N];
}

bool IsDialogKey(const MSG& Msg) {
    if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSCHAR && Msg.message != WM_CHAR)
        return false;
    TCustomForm* Form = FormOf(Msg.hwnd);
    if (!Form) return false;
    const int Key = int(Msg.wParam);
    if (Msg.message == WM_SYSCHAR) return Accelerator(*Form, std::toupper(Key & 0xFF));
    // Enter, Escape and Tab also arrive as characters; their key-down did the work.
    if (Msg.message == WM_CHAR)
        return (Key == '\r' || Key == 27 || Key == '\t') &&
               !WantsKey(Msg.hwnd, Key == '\t' ? VK_TAB : VK_RETURN);
    if (WantsKey(Msg.hwnd, Key)) return false;
    switch (Key) {
    case VK_TAB: {
        const bool Back = GetKeyState(VK_SHIFT) < 0;
        Focus(
            FindNextTabControl(*Form, dynamic_cast<TWinControl*>(FindControl(GetFocus())), !Back));
        return true;
    }
    case VK_RETURN: {
        auto* Focused = dynamic_cast<TButton*>(FindControl(GetFocus()));
        TButton* Target = Focused ? Focused : FindButton(*Form, true);
        if (!Target) return false;
        Target->Click();
        return true;
    }
    case VK_ESCAPE: {
        TButton* Target = FindButton(*Form, false);
        if (!Target) return false;
        Target->Click();
        return true;
    }
    default:
        return false;
    }
}

} // namespace host
