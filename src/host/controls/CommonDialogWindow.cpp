#include "host/controls/CommonDialogWindow.h"

#include "host/controls/CommonDialogs.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/Controls.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/controls/UiDriver.h"
#include "host/rtl/HostErrors.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/WindowPos.h"

namespace host {

namespace {

// The dialog font's average character width and line height in pixels (the "base units").
constexpr int BaseUnitX = 6;
constexpr int BaseUnitY = 13;
// A person who keeps a modal dialog open this often without ending it is taken to cancel.
constexpr int MaxDriverRounds = 3;

constexpr DWORD ModalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD ModelessStyle = ModalStyle;

const char* ClassOf(TDialogControl Kind) {
    switch (Kind) {
    case TDialogControl::Static:
        return WC_STATIC;
    case TDialogControl::Edit:
        return WC_EDIT;
    case TDialogControl::ListBox:
        return WC_LISTBOX;
    case TDialogControl::ComboBox:
        return WC_COMBOBOX;
    default:
        return WC_BUTTON;
    }
}

const std::vector<String>& NoItems() {
    static const std::vector<String> Empty;
    return Empty;
}

} // namespace

int DialogUnitsToPixelsX(int Units) {
    return (Units * BaseUnitX + 2) / 4;
}

int DialogUnitsToPixelsY(int Units) {
    return (Units * BaseUnitY + 4) / 8;
}

TDialogSession::TDialogSession(TCommonDialog& Dialog, HWND Owner)
    : FDialog(Dialog), FOwner(Owner) {}

TDialogSession::~TDialogSession() {
    Destroy();
}

bool TDialogSession::Modeless() const {
    return FDialog.Modeless();
}

String TDialogSession::Caption() const {
    char Buffer[256] = {};
    GetWindowTextA(FWnd, Buffer, sizeof Buffer);
    return Buffer;
}

String TDialogSession::Text(int Id) const {
    HWND Child = Item(Id);
    if (!Child) return String();
    String Result(static_cast<std::size_t>(GetWindowTextLengthA(Child)) + 1, '\0');
    Result.resize(static_cast<std::size_t>(
        GetWindowTextA(Child, Result.data(), static_cast<int>(Result.size()))));
    return Result;
}

std::vector<HWND> TDialogSession::Children() const {
    std::vector<HWND> Result;
    for (HWND C = GetWindow(FWnd, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT))
        Result.push_back(C);
    return Result;
}

void TDialogSession::Click(int Id) {
    if (!FWnd || FEnded) return;
    HWND Child = Item(Id);
    if (Child && !IsWindowEnabled(Child)) return;
    SendMessageA(FWnd, WM_COMMAND, MAKEWPARAM(LOWORD(Id), BN_CLICKED), LPARAM(Child));
}

void TDialogSession::SetText(int Id, const String& Text) {
    HWND Child = Item(Id);
    if (!Child) return;
    SetWindowTextA(Child, Text.c_str());
    SendMessageA(FWnd, WM_COMMAND, MAKEWPARAM(LOWORD(Id), EN_CHANGE_CODE), LPARAM(Child));
}

void TDialogSession::Select(int Id, int Index) {
    const std::vector<String>& List = Items(Id);
    if (Index < 0 || Index >= static_cast<int>(List.size())) return;
    FSelected[Id] = Index;
    // A combo box shows the chosen item in its edit; a list box only marks it.
    char Class[16] = {};
    if (HWND Child = Item(Id);
        Child && GetClassNameA(Child, Class, sizeof Class) && String(Class) == WC_COMBOBOX)
        SetWindowTextA(Child, List[static_cast<std::size_t>(Index)].c_str());
    SendMessageA(FWnd, WM_COMMAND, MAKEWPARAM(LOWORD(Id), LBN_SELCHANGE_CODE), LPARAM(Item(Id)));
}

void TDialogSession::SetCheck(int Id, bool Checked) {
    FChecks[Id] = Checked;
    SendMessageA(FWnd, WM_COMMAND, MAKEWPARAM(LOWORD(Id), BN_CLICKED), LPARAM(Item(Id)));
}

const std::vector<String>& TDialogSession::Items(int Id) const {
    auto It = FItems.find(Id);
    return It == FItems.end() ? NoItems() : It->second;
}

void TDialogSession::SetItems(int Id, std::vector<String> Items) {
    FItems[Id] = std::move(Items);
    FSelected.erase(Id);
}

int TDialogSession::Selected(int Id) const {
    auto It = FSelected.find(Id);
    return It == FSelected.end() ? -1 : It->second;
}

bool TDialogSession::Checked(int Id) const {
    auto It = FChecks.find(Id);
    return It != FChecks.end() && It->second;
}

void TDialogSession::End(bool Confirmed) {
    if (FEnded) return;
    FEnded = true;
    FConfirmed = Confirmed;
    if (Modeless()) Close();
}

void TDialogSession::Build() {
    const TDialogTemplate& T = FDialog.Template();
    const int Width = DialogUnitsToPixelsX(T.Cx) + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const int Height = DialogUnitsToPixelsY(T.Cy) + GetSystemMetrics(SM_CYCAPTION) +
                       2 * GetSystemMetrics(SM_CYDLGFRAME);
    RECT Owner{};
    if (FOwner) GetWindowRect(FOwner, &Owner);
    const String Title = FDialog.DialogTitle();
    FWnd =
        CreateWindowExA(WS_EX_DLGMODALFRAME, WC_DIALOG, Title.empty() ? T.Caption : Title.c_str(),
                        Modeless() ? ModelessStyle : ModalStyle, Owner.left + 24, Owner.top + 24,
                        Width, Height, FOwner, nullptr, MainInstance(), nullptr);
    if (!FWnd) RaiseWindowCreateError();
    SetWindowLongPtrA(FWnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(FWnd, GWL_WNDPROC, ProcToLong(&TDialogSession::WndProc));

    LOGFONTA Font{};
    Font.lfHeight = DialogFontHeight;
    Font.lfWeight = FW_NORMAL;
    Font.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(Font, DialogFontName);
    FFont = CreateFontIndirectA(&Font);
    SendMessageA(FWnd, WM_SETFONT, WPARAM(FFont), 0);

    for (const TDialogItem& I : T.Items) {
        DWORD Style = WS_CHILD | (I.Hidden ? 0 : WS_VISIBLE);
        if (I.Kind == TDialogControl::Edit || I.Kind == TDialogControl::ListBox ||
            I.Kind == TDialogControl::ComboBox || I.Kind == TDialogControl::Button)
            Style |= WS_TABSTOP;
        HWND Child = CreateWindowExA(
            0, ClassOf(I.Kind), I.Text, Style, DialogUnitsToPixelsX(I.X), DialogUnitsToPixelsY(I.Y),
            DialogUnitsToPixelsX(I.Cx), DialogUnitsToPixelsY(I.Cy), FWnd,
            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(I.Id & 0xFFFF)), MainInstance(),
            nullptr);
        if (!Child) RaiseWindowCreateError();
        SendMessageA(Child, WM_SETFONT, WPARAM(FFont), 0);
    }
    SendMessageA(FWnd, WM_INITDIALOG, 0, 0);
}

void TDialogSession::Hook(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage M{Msg, WParam, LParam, 0};
    FDialog.MessageHook(M);
}

void TDialogSession::PumpPosted() {
    MSG M;
    // Only what is already waiting for this window: its own posts may not starve the rest.
    for (int Left = QueuedMessageCount(); Left > 0 && FWnd; --Left) {
        if (!PeekMessageA(&M, FWnd, 0, 0, PM_REMOVE)) break;
        DispatchMessageA(&M);
    }
}

bool TDialogSession::Run() {
    Build();
    if (Modeless()) {
        Hook(WM_CREATE, 0, 0);
        ShowWindow(FWnd, SW_SHOW);
        SetActiveWindow(FWnd);
        FDialog.DoShow();
        // The focus leaves the owner for the dialog; the owner's hook sees it go.
        if (FWnd) {
            SetFocus(FWnd);
            Hook(WM_KILLFOCUS, WPARAM(FWnd), 0);
        }
        // Painting waits in the queue, as it does on the platform.
        if (FWnd) PostMessageA(FWnd, WM_PAINT, 0, 0);
        if (FWnd) GetUiDriver().CommonDialog(*this);
        return FWnd != nullptr || FConfirmed;
    }

    if (FOwner) EnableWindow(FOwner, false);
    struct TReEnable {
        HWND Owner;
        ~TReEnable() {
            if (Owner && IsWindow(Owner)) {
                EnableWindow(Owner, true);
                SetActiveWindow(Owner);
            }
        }
    } ReEnable{FOwner};
    ShowWindow(FWnd, SW_SHOW);
    SetActiveWindow(FWnd);
    FDialog.DoShow();
    Hook(WM_WINDOWPOSCHANGED, 0, 0);
    if (FWnd) SendMessageA(FWnd, WM_PAINT, 0, 0);
    for (int Round = 0; !FEnded && FWnd; ++Round) {
        PumpPosted();
        if (FEnded || !FWnd) break;
        Hook(WM_ENTERIDLE, 0 /* MSGF_DIALOGBOX */, LPARAM(FWnd));
        PumpPosted();
        if (FEnded || !FWnd) break;
        if (Round == MaxDriverRounds) {
            End(false);
            break;
        }
        GetUiDriver().CommonDialog(*this);
        PumpPosted();
    }
    FDialog.DoClose();
    Destroy();
    return FConfirmed;
}

void TDialogSession::Close() {
    if (!FWnd || FDestroying) return;
    FDialog.DoClose();
    Destroy();
}

void TDialogSession::Destroy() {
    if (FWnd && !FDestroying) {
        FDestroying = true;
        DestroyWindow(FWnd);
    }
    FWnd = nullptr;
    if (FFont) {
        DeleteObject(FFont);
        FFont = nullptr;
    }
}

LRESULT TDialogSession::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = reinterpret_cast<TDialogSession*>(GetWindowLongPtrA(Wnd, GWL_USERDATA));
    if (!Self) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    return Self->Dispatch(Msg, WParam, LParam);
}

LRESULT TDialogSession::Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
    case WM_INITDIALOG:
        FDialog.InitDialog(*this);
        return 1;
    case WM_COMMAND: {
        const int Id = LOWORD(WParam);
        if (Id == IDOK && HIWORD(WParam) == BN_CLICKED) {
            if (FDialog.Accept(*this) && !FDialog.Modeless()) End(true);
        } else if (Id == IDCANCEL && HIWORD(WParam) == BN_CLICKED) {
            End(false);
        } else {
            FDialog.Command(*this, Id, HIWORD(WParam));
        }
        return 0;
    }
    case WM_CLOSE:
        // As the platform's dialogs do: closing is cancelling.
        SendMessageA(FWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    case WM_PAINT:
        // The background brush is asked for first.
        SendMessageA(FWnd, WM_CTLCOLORDLG, 0, LPARAM(FWnd));
        return 0;
    case WM_CTLCOLORDLG:
        return 0;
    case WM_NCDESTROY: {
        HWND Wnd = FWnd;
        FWnd = nullptr;
        FEnded = true;
        return DefWindowProcA(Wnd, Msg, WParam, LParam);
    }
    default:
        return DefWindowProcA(FWnd, Msg, WParam, LParam);
    }
}

} // namespace host
