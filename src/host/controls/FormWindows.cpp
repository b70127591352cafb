// The window of a form: its frame and menu bar, the MDI client of a frame, MDI children, the
// window state, and the messages a form answers.
#include "host/controls/Application.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/Screen.h"
#include "host/rtl/HostErrors.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Mdi.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

namespace host {

namespace {

// Identifier of the first MDI child in the window menu, as the host numbers them.
constexpr UINT FirstMdiChildId = 0xFF00;

DWORD FrameStyle(TFormBorderStyle Border, TBorderIcons Icons) {
    DWORD Style = 0;
    switch (Border) {
    case bsNone:
        return WS_POPUP;
    case bsSizeable:
    case bsSizeToolWin:
        Style = WS_CAPTION | WS_THICKFRAME;
        break;
    default:
        Style = WS_CAPTION;
        break;
    }
    if (Icons.Contains(biSystemMenu)) Style |= WS_SYSMENU;
    if (Border == bsSingle || Border == bsSizeable) {
        if (Icons.Contains(biMinimize)) Style |= WS_MINIMIZEBOX;
        if (Icons.Contains(biMaximize)) Style |= WS_MAXIMIZEBOX;
    }
    return Style;
}

DWORD FrameExStyle(TFormBorderStyle Border) {
    if (Border == bsDialog) return WS_EX_DLGMODALFRAME;
    if (Border == bsToolWindow || Border == bsSizeToolWin) return WS_EX_TOOLWINDOW;
    return 0;
}

int ShowCommand(TWindowState State) {
    if (State == wsMaximized) return SW_SHOWMAXIMIZED;
    return State == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
}

TCustomForm* MdiFrame() {
    TCustomForm* Main = Application ? Application->MainForm() : nullptr;
    if (!Main || Main->FormStyle() != fsMDIForm) RaiseNoMDIForm();
    return Main;
}

} // namespace

void TCustomForm::CreateParams(TCreateParams& Params) {
    if (FFormStyle == fsMDIChild && !Parent()) {
        TCustomForm* Frame = MdiFrame();
        if (Frame == this) RaiseNoMDIForm();
        Frame->HandleNeeded();
    }
    inherited::CreateParams(Params);
    if (Parent()) return; // a form placed on another control is a child window like any other
    Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | FrameStyle(FBorderStyle, FBorderIcons);
    Params.ExStyle = FrameExStyle(FBorderStyle);
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (HasMenuBar()) Params.Menu = FMenu->Handle();
    if (FFormStyle != fsMDIChild) return;
    // Children of the client window; the window layer makes them MDI children.
    Params.Style |=
        WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (FWindowState == wsMaximized) Params.Style |= WS_MAXIMIZE;
    if (FWindowState == wsMinimized) Params.Style |= WS_MINIMIZE;
    Params.ExStyle |= WS_EX_MDICHILD;
    Params.WndParent = Application->MainForm()->ClientHandle();
    Params.DefWndProc = DefMDIChildProcA;
}

void TCustomForm::CreateWnd() {
    inherited::CreateWnd();
    if (HasMenuBar()) FMenu->SetWindowHandle(WindowHandle());
    if (FFormStyle == fsMDIForm && !Parent()) CreateClientWindow();
    if (FFormStyle == fsMDIChild && !Visible()) SetVisible(true);
}

void TCustomForm::CreateClientWindow() {
    CLIENTCREATESTRUCT Ccs;
    Ccs.hWindowMenu = FWindowMenu ? FWindowMenu->Handle() : nullptr;
    Ccs.idFirstChild = FirstMdiChildId;
    RECT R;
    GetClientRect(WindowHandle(), &R);
    FClientHandle =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_MDICLIENT, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0,
                        R.right, R.bottom, WindowHandle(), nullptr, nullptr, &Ccs);
}

void TCustomForm::RecreateWnd() {
    if (!HandleAllocated() || IsLoading()) return;
    DestroyHandle();
    if (Visible()) ShowFormWindow();
}

void TCustomForm::ShowFormWindow() {
    HandleNeeded();
    CreateChildHandles();
    if (Parent())
        ShowWindow(WindowHandle(), SW_SHOW);
    else
        ShowWindow(WindowHandle(), ShowCommand(FWindowState));
}

void TCustomForm::Show() {
    if (!Visible()) {
        SetVisible(true);
        return;
    }
    if (!Showing()) {
        DoShow();
        ShowFormWindow();
    }
}

void TCustomForm::VisibleChanged() {
    if (IsLoading()) return;
    if (Visible()) {
        DoShow();
        if (Visible()) ShowFormWindow();
    } else {
        DoHide();
        if (HandleAllocated() && !Visible()) ShowWindow(WindowHandle(), SW_HIDE);
    }
}

void TCustomForm::SetWindowState(TWindowState Value) {
    if (FWindowState == Value) return;
    FWindowState = Value;
    if (!HandleAllocated() || IsLoading() || !IsWindowVisible(WindowHandle())) return;
    const int Cmd = Value == wsMaximized   ? SW_MAXIMIZE
                    : Value == wsMinimized ? SW_MINIMIZE
                                           : SW_RESTORE;
    ShowWindow(WindowHandle(), Cmd);
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    RecreateWnd();
}

// ---- menus ----

void TCustomForm::SetMenu(TMainMenu* Value) {
    if (FMenu == Value) return;
    if (Value && Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (TCustomForm* Other = Screen->Forms(i); Other != this && Other->FMenu == Value)
                throw EInvalidOperation("Menu '" + Value->Name() +
                                        "' is already being used by another form");
    if (FMenu) {
        FMenu->SetWindowHandle(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = Value;
    if (Value) Value->FreeNotification(this);
    if (HandleAllocated()) ApplyMenu();
}

void TCustomForm::ApplyMenu() {
    const HWND Wnd = WindowHandle();
    if (!HasMenuBar()) {
        ::host::SetMenu(Wnd, nullptr);
        return;
    }
    const HMENU Bar = FMenu->Handle();
    if (FClientHandle) {
        const HMENU WindowList = FWindowMenu ? FWindowMenu->Handle() : nullptr;
        SendMessageA(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(Bar),
                     reinterpret_cast<LPARAM>(WindowList));
    } else {
        ::host::SetMenu(Wnd, Bar);
    }
    FMenu->SetWindowHandle(Wnd);
    DrawMenuBar(Wnd);
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
    if (FWindowMenu == Value) return;
    if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    if (!FClientHandle) return;
    const HMENU Bar = HasMenuBar() ? FMenu->Handle() : nullptr;
    SendMessageA(FClientHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(Bar),
                 reinterpret_cast<LPARAM>(Value->Handle()));
    DrawMenuBar(WindowHandle());
}

// Rebuilt items drop the client's list of children from the window menu; it comes back.
void TCustomForm::MenuChanged(bool Rebuild) {
    if (Rebuild && FClientHandle) SendMessageA(FClientHandle, WM_MDIREFRESHMENU, 0, 0);
}

// ---- MDI children ----

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
    std::vector<TCustomForm*> List;
    if (!FClientHandle) return List;
    for (HWND Wnd = GetWindow(FClientHandle, GW_CHILD); Wnd; Wnd = GetWindow(Wnd, GW_HWNDNEXT))
        if (auto* Form = As<TCustomForm>(FindControl(Wnd))) List.push_back(Form);
    return List;
}

int TCustomForm::MDIChildCount() const {
    return static_cast<int>(MDIChildList().size());
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    const std::vector<TCustomForm*> List = MDIChildList();
    if (Index < 0 || Index >= static_cast<int>(List.size())) RaiseListIndexError<EListError>(Index);
    return List[static_cast<std::size_t>(Index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!FClientHandle) return nullptr;
    const auto Active = reinterpret_cast<HWND>(SendMessageA(FClientHandle, WM_MDIGETACTIVE, 0, 0));
    return As<TCustomForm>(FindControl(Active));
}

// ---- messages ----

void TCustomForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_COMMAND:
        if (Message.LParam == 0 && FMenu && FMenu->DispatchCommand(LOWORD(Message.WParam))) return;
        break;
    case WM_CLOSE:
        Close();
        return;
    case WM_ACTIVATE:
        DefaultHandler(Message);
        if (LOWORD(Message.WParam) == WA_INACTIVE)
            Deactivate();
        else
            Activate();
        return;
    case WM_MDIACTIVATE:
        DefaultHandler(Message);
        if (reinterpret_cast<HWND>(Message.LParam) == WindowHandle())
            Activate();
        else if (reinterpret_cast<HWND>(Message.WParam) == WindowHandle())
            Deactivate();
        return;
    case WM_SIZE:
        inherited::WndProc(Message);
        WindowSized(Message.WParam, Message.LParam);
        return;
    case WM_DESTROY:
        // The window layer would destroy the menu bar with the window; it is the menu's.
        if (GetMenu(WindowHandle())) ::host::SetMenu(WindowHandle(), nullptr);
        if (FMenu) FMenu->SetWindowHandle(nullptr);
        break;
    case WM_NCDESTROY:
        FClientHandle = nullptr;
        break;
    case CM_MENUCHANGED:
        MenuChanged(Message.WParam != 0);
        return;
    default:
        break;
    }
    inherited::WndProc(Message);
}

void TCustomForm::WindowSized(WPARAM Kind, LPARAM Size) {
    if (IsWindowVisible(WindowHandle())) {
        if (Kind == SIZE_MAXIMIZED)
            FWindowState = wsMaximized;
        else if (Kind == SIZE_MINIMIZED)
            FWindowState = wsMinimized;
        else if (Kind == SIZE_RESTORED)
            FWindowState = wsNormal;
    }
    if (FClientHandle) MoveWindow(FClientHandle, 0, 0, LOWORD(Size), HIWORD(Size), true);
}

} // namespace host
