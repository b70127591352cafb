// The windows of windowed controls: making and destroying them, the window procedure that
// leads to WndProc, and keeping a control and its window in step.
#include "host/controls/Application.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/Controls.h"
#include "host/rtl/HostErrors.h"
#include "host/winapi/Input.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <unordered_map>

namespace host {

namespace {

std::unordered_map<HWND, TWinControl*>& ControlWindows() {
    static std::unordered_map<HWND, TWinControl*> Map;
    return Map;
}

// The control whose window CreateWindowExA is making; the first message of a window of a
// class registered here binds the two.
TWinControl* CreationControl = nullptr;

class TCreationScope {
public:
    explicit TCreationScope(TWinControl* Control) : FSaved(CreationControl) {
        CreationControl = Control;
    }
    ~TCreationScope() { CreationControl = FSaved; }
    TCreationScope(const TCreationScope&) = delete;
    TCreationScope& operator=(const TCreationScope&) = delete;

private:
    TWinControl* FSaved;
};

// Registers the class with the controls' window procedure unless the window layer knows it;
// true when windows of the class come with a procedure of their own and must be subclassed.
bool PrepareClass(const String& ClassName) {
    WNDCLASSA Info;
    if (GetClassInfoA(nullptr, ClassName.c_str(), &Info)) return Info.lpfnWndProc != ControlWndProc;
    WNDCLASSA Class;
    Class.lpfnWndProc = ControlWndProc;
    Class.lpszClassName = ClassName.c_str();
    if (!RegisterClassA(&Class)) RaiseWindowClassError();
    return false;
}

// Rectangle of a window in its parent's client coordinates (the screen's for top-level ones).
bool WindowBounds(HWND Wnd, RECT& R) {
    if (!GetWindowRect(Wnd, &R)) return false;
    if (!(GetWindowLongPtrA(Wnd, GWL_STYLE) & WS_CHILD)) return true;
    POINT Corners[2] = {{R.left, R.top}, {R.right, R.bottom}};
    MapWindowPoints(nullptr, GetParent(Wnd), Corners, 2);
    R = {Corners[0].x, Corners[0].y, Corners[1].x, Corners[1].y};
    return true;
}

} // namespace

TWinControl* FindControl(HWND Wnd) {
    const auto& Map = ControlWindows();
    const auto It = Map.find(Wnd);
    return It == Map.end() ? nullptr : It->second;
}

LRESULT ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TWinControl* Control = FindControl(Wnd);
    if (!Control && CreationControl) {
        Control = CreationControl;
        CreationControl = nullptr;
        Control->BindWindow(Wnd);
    }
    if (!Control) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    TMessage Message{Msg, WParam, LParam, 0};
    Control->WndProc(Message);
    return Message.Result;
}

void TWinControl::BindWindow(HWND Wnd) {
    FHandle = Wnd;
    ControlWindows()[Wnd] = this;
}

void TWinControl::WindowGone() {
    ControlWindows().erase(FHandle);
    FHandle = nullptr;
}

HWND TWinControl::Handle() {
    // A reset of the window layer drops windows without telling anyone.
    if (FHandle && !IsWindow(FHandle)) WindowGone();
    if (!FHandle) CreateWnd();
    return FHandle;
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    const HWND Wnd = FHandle;
    DestroyWindow(Wnd);
    // Still bound when the window was already gone or a hook kept it.
    if (FHandle == Wnd) WindowGone();
}

bool TWinControl::Showing() const {
    return FHandle && IsWindowVisible(FHandle);
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params.Caption = StoredText();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) Params.Style |= WS_VISIBLE;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (TabStop()) Params.Style |= WS_TABSTOP;
    if (FControlStyle.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
    Params.X = Left();
    Params.Y = Top();
    Params.Width = Width();
    Params.Height = Height();
    if (Parent()) Params.WndParent = Parent()->Handle();
    Params.WinClassName = ClassName();
    Params.DefWndProc = DefWindowProcA;
}

void TWinControl::CreateWnd() {
    TCreateParams Params;
    CreateParams(Params);
    if (FHandle) return; // a parent's window made this one on its way
    if ((Params.Style & WS_CHILD) && !Params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    CreateWindowHandle(Params);
    if (!FHandle) RaiseWindowCreateError();
    SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
    const bool Subclass = PrepareClass(Params.WinClassName);
    FDefWndProc = Params.DefWndProc ? Params.DefWndProc : DefWindowProcA;
    HWND Wnd = nullptr;
    {
        TCreationScope Scope(Subclass ? nullptr : this);
        Wnd = CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                              Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                              Params.WndParent, Params.Menu, nullptr, Params.Param);
    }
    if (!Wnd || !Subclass) return;
    BindWindow(Wnd);
    FDefWndProc = LongToProc(SetWindowLongPtrA(Wnd, GWL_WNDPROC, ProcToLong(ControlWndProc)));
}

void TWinControl::CreateChildHandles() {
    for (std::size_t i = 0; i < FWinControls.size(); ++i) {
        TWinControl* Child = FWinControls[i];
        if (!Child->Visible()) continue;
        Child->HandleNeeded();
        Child->CreateChildHandles();
    }
}

LRESULT TWinControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage Message{Msg, WParam, LParam, 0};
    WndProc(Message);
    return Message.Result;
}

void TWinControl::DefaultHandler(TMessage& Message) {
    Message.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle,
                                     Message.Msg, Message.WParam, Message.LParam);
}

namespace {

TShiftState KeyboardShiftState() {
    TShiftState Shift;
    if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
    return Shift;
}

} // namespace

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETTEXT:
        WMSetText(Message);
        return;
    case WM_COMMAND:
        WMCommand(Message);
        return;
    case CN_COMMAND:
        CNCommand(Message);
        return;
    case WM_SIZE:
    case WM_MOVE:
        DefaultHandler(Message);
        UpdateBounds();
        return;
    case WM_ENABLE:
        DefaultHandler(Message);
        SetEnabled(Message.WParam != 0);
        return;
    case WM_NCDESTROY:
        DefaultHandler(Message);
        ForgetUiState(*this);
        WindowGone();
        return;
    case WM_PAINT:
        PaintControl(*this);
        return;
    case WM_ERASEBKGND:
        // Each painter fills its whole client area.
        Message.Result = 1;
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        // The handler sees the key first; setting it to 0 keeps it from the control.
        auto Key = static_cast<WORD>(Message.WParam);
        const bool Down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
        (Down ? FOnKeyDown : FOnKeyUp)(this, Key, KeyboardShiftState());
        if (Key == 0) return;
        Message.WParam = Key;
        break;
    }
    case WM_CHAR: {
        char Ch = static_cast<char>(Message.WParam & 0xFF);
        FOnKeyPress(this, Ch);
        if (Ch == 0) return;
        Message.WParam = static_cast<unsigned char>(Ch);
        break;
    }
    case WM_MOUSEMOVE: {
        TShiftState Shift = KeyboardShiftState();
        if (Message.WParam & MK_LBUTTON) Shift.Include(ssLeft);
        if (Message.WParam & MK_RBUTTON) Shift.Include(ssRight);
        FOnMouseMove(this, Shift, GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        if (Application) Application->HintMouseMessage(this);
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (!HandleControlInput(*this, Message)) DefaultHandler(Message);
        (Message.Msg == WM_SETFOCUS ? FOnEnter : FOnExit)(this);
        return;
    default:
        break;
    }
    if (HandleControlInput(*this, Message)) return;
    DefaultHandler(Message);
}

// Whoever sets the window's text sets the control's: the store may change it (character
// case), and the window shows what was stored.
void TWinControl::WMSetText(TMessage& Message) {
    const auto* Text = reinterpret_cast<const char*>(Message.LParam);
    const String Old = StoredText();
    StoreText(Text ? Text : "");
    const String Stored = StoredText();
    Message.LParam = reinterpret_cast<LPARAM>(Stored.c_str());
    DefaultHandler(Message);
    if (Stored != Old) TextChanged();
}

void TWinControl::WMCommand(TMessage& Message) {
    TWinControl* Child =
        Message.LParam ? FindControl(reinterpret_cast<HWND>(Message.LParam)) : nullptr;
    if (Child && Child != this)
        Message.Result = Child->Perform(CN_COMMAND, Message.WParam, Message.LParam);
    else
        DefaultHandler(Message);
}

void TWinControl::NotifyParent(WORD Code) {
    TWinControl* P = Parent();
    if (FHandle && P && P->FHandle)
        SendMessageA(P->FHandle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FHandle), Code),
                     reinterpret_cast<LPARAM>(FHandle));
    else
        Perform(CN_COMMAND, MAKEWPARAM(0, Code), reinterpret_cast<LPARAM>(FHandle));
}

String TWinControl::GetText() const {
    if (!FHandle || !IsWindow(FHandle)) return inherited::GetText();
    String Result(static_cast<std::size_t>(GetWindowTextLengthA(FHandle)), '\0');
    const int Copied = GetWindowTextA(FHandle, Result.data(), static_cast<int>(Result.size()) + 1);
    Result.resize(static_cast<std::size_t>(Copied));
    return Result;
}

void TWinControl::SetTextBuf(const String& Value) {
    if (FHandle)
        SendMessageA(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
    else
        inherited::SetTextBuf(Value);
}

void TWinControl::UpdateWindowText() {
    if (!FHandle) return;
    const String Text = StoredText();
    CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(Text.c_str()));
}

void TWinControl::UpdateBounds() {
    RECT R;
    if (FHandle && WindowBounds(FHandle, R))
        TControl::SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!FHandle) {
        inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    MoveWindow(FHandle, ALeft, ATop, AWidth, AHeight, true);
    UpdateBounds();
}

void TWinControl::SetParent(TWinControl* AParent) {
    const bool WasChild = Parent() != nullptr;
    inherited::SetParent(AParent);
    if (FHandle) {
        if (WasChild && AParent && AParent->FHandle)
            ::host::SetParent(FHandle, AParent->FHandle);
        else
            DestroyHandle();
    } else if (AParent && Visible() && !IsLoading() && AParent->Showing()) {
        HandleNeeded();
        CreateChildHandles();
    }
}

void TWinControl::VisibleChanged() {
    if (FHandle)
        ShowWindow(FHandle, Visible() ? SW_SHOW : SW_HIDE);
    else if (Visible() && Parent() && Parent()->Showing())
        HandleNeeded();
    if (Showing()) CreateChildHandles();
}

void TWinControl::EnabledChanged() {
    if (FHandle) EnableWindow(FHandle, Enabled());
}

} // namespace host
