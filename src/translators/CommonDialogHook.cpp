#include "translators/CommonDialogHook.h"

#include "host/controls/CommonDialogs.h"
#include "host/controls/Controls.h"
#include "host/winapi/Activation.h"
#include "translators/CommonDialogTranslator.h"

#include <algorithm>

namespace zantor {

using namespace host;

TCommonDialogTranslator* mctInstance = nullptr;
std::vector<TClass> ClassRegs;
std::vector<TCodePointer> OrgDlgProc;
int Offset = 0;
WNDPROC OldWndProc = nullptr;
String OwnerClassName;
bool DebugDlg = false;
bool Closing = false;
TExitProcedure OldExitProc = nullptr;

// The hook class: never instantiated.
class TCommonDlgHook : public TCommonDialog {
    ZT_CLASS(TCommonDlgHook, TCommonDialog)
public:
    static bool MessageHook(TCommonDialog* Self, TMessage& Msg) {
        return CommonDlgHookMessageHook(Self, Msg);
    }
};

namespace {

bool UnitInitialized = false;
constexpr UINT KeptMessage = 0x052C;
constexpr WORD FirstPushButton = 0x0400;
constexpr WORD SecondPushButton = 0x0401;

TDialogMethodTable& HookTable() {
    static const bool Declared = [] {
        OverrideDialogMethod(TCommonDlgHook::StaticClass(), TDialogMethod::MessageHook,
                             CodeOf(&TCommonDlgHook::MessageHook));
        return true;
    }();
    (void)Declared;
    return *DialogMethodTable(TCommonDlgHook::StaticClass());
}

// Position by position through the hook class's table, until the entry is its MessageHook.
void FindOffset() {
    TDialogMethodTable& Table = HookTable();
    const TCodePointer Target = CodeOf(&TCommonDlgHook::MessageHook);
    for (int Position = 0; Position < Table.Count(); ++Position)
        if (Table.Entry(Position).Get() == Target) {
            Offset = Position;
            return;
        }
}

void WriteEntry(TDialogMethodEntry& Entry, TCodePointer Code) {
    DWORD Old = 0;
    VirtualProtect(&Entry, PAGE_READWRITE, &Old);
    Entry.Write(Code);
    VirtualProtect(&Entry, Old, &Old);
}

// The window of the dialog component's owner; an owner that is no windowed control (or has no
// window yet) has none.
HWND OwnerWindow(const TCommonDialog* Dialog) {
    auto* Owner = As<TWinControl>(Dialog->Owner());
    return Owner && Owner->HandleAllocated() ? Owner->Handle() : nullptr;
}

void Subclass(HWND Wnd, const TCommonDialog* Dialog) {
    OwnerClassName = Dialog->ClassName();
    OldWndProc = LongToProc(SetWindowLongPtrA(Wnd, GWL_WNDPROC, ProcToLong(&ComDlgProc)));
}

// Catches the active window unless it is the owner's (the dialog is not up yet).
bool CatchActiveWindow(const TCommonDialog* Dialog) {
    Closing = false;
    OwnerClassName = Dialog->ClassName();
    HWND Active = GetActiveWindow();
    if (!Active || Active == OwnerWindow(Dialog)) return false;
    Subclass(Active, Dialog);
    return OldWndProc != nullptr;
}

void Trigger(HWND Wnd, bool Capture) {
    TCommonDialogTranslator* Instance = mctInstance;
    if (!Instance) return;
    // Nothing may escape a window procedure: a bad entry is skipped where it is read, and
    // anything else ends this pass only.
    try {
        if (Capture) {
            Instance->GetProps(Wnd);
            PostMessageA(Wnd, WM_CLOSE, 0, 0);
        } else {
            Instance->TranslateDialog(Wnd);
        }
    } catch (const std::exception&) {
    }
}

} // namespace

TClass TCommonDlgHook::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCommonDlgHook>("TCommonDlgHook").NoCreate();
    return &Info;
}

bool CommonDlgHookMessageHook(TCommonDialog* Self, TMessage& Msg) {
    const bool Result = TCommonDialog::BaseMessageHook(Self, Msg);
    if (Msg.Msg == WM_WINDOWPOSCHANGED && !OldWndProc) {
        CatchActiveWindow(Self);
    } else if (Msg.Msg == WM_ENTERIDLE && !OldWndProc && Is<TColorDialog>(Self)) {
        HWND Active = GetActiveWindow();
        if (CatchActiveWindow(Self)) SendMessageA(Active, WM_ACTIVATE, 0, 0);
    }
    return Result;
}

bool FindDlgHookMessageHook(TCommonDialog* Self, TMessage& Msg) {
    const bool Result = TFindDialog::FindMessageHookEntry(Self, Msg);
    if (Msg.Msg == WM_CREATE) Closing = false;
    if (Msg.Msg == WM_KILLFOCUS && !OldWndProc && !Closing && Msg.WParam)
        Subclass(reinterpret_cast<HWND>(Msg.WParam), Self);
    return Result;
}

bool RegisterDialogClass(TClass AClass) {
    if (!AClass || !AClass->InheritsFrom(TCommonDialog::StaticClass())) return false;
    if (std::find(ClassRegs.begin(), ClassRegs.end(), AClass) != ClassRegs.end()) return false;
    if (Offset == 0) FindOffset();
    TDialogMethodEntry& Entry = DialogMethodTable(AClass)->Entry(Offset);
    ClassRegs.push_back(AClass);
    OrgDlgProc.push_back(Entry.Get());
    const bool Find = AClass->InheritsFrom(TFindDialog::StaticClass());
    WriteEntry(Entry,
               Find ? CodeOf(&FindDlgHookMessageHook) : CodeOf(&TCommonDlgHook::MessageHook));
    return true;
}

bool UnRegisterDialogClass(TClass AClass) {
    auto It = std::find(ClassRegs.begin(), ClassRegs.end(), AClass);
    if (It == ClassRegs.end()) return false;
    const auto Index = static_cast<std::size_t>(It - ClassRegs.begin());
    WriteEntry(DialogMethodTable(AClass)->Entry(Offset), OrgDlgProc[Index]);
    ClassRegs.erase(It);
    OrgDlgProc.erase(OrgDlgProc.begin() + static_cast<std::ptrdiff_t>(Index));
    return true;
}

LRESULT ComDlgProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    LRESULT Result = 1;
    if (Msg != KeptMessage && OldWndProc)
        Result = CallWindowProcA(OldWndProc, Wnd, Msg, WParam, LParam);
    switch (Msg) {
    case WM_CLOSE:
    case WM_DESTROY:
        if (OldWndProc) {
            Closing = true;
            SetWindowLongPtrA(Wnd, GWL_WNDPROC, ProcToLong(OldWndProc));
            OldWndProc = nullptr;
            if (mctInstance) mctInstance->ReleaseDialogFonts();
        }
        break;
    case WM_ACTIVATE:
    case WM_CTLCOLORDLG:
        Trigger(Wnd, DebugDlg);
        break;
    case WM_COMMAND:
        if (LOWORD(WParam) == SecondPushButton || LOWORD(WParam) == FirstPushButton)
            Trigger(Wnd, false);
        break;
    default:
        break;
    }
    return Result;
}

void RestoreDialogClasses() {
    ExitProc = OldExitProc;
    while (!ClassRegs.empty())
        UnRegisterDialogClass(ClassRegs.front());
    ClassRegs.clear();
    OrgDlgProc.clear();
}

void InitializeCommonDialogUnit() {
    if (UnitInitialized) return;
    UnitInitialized = true;
    OldExitProc = ExitProc;
    ExitProc = &RestoreDialogClasses;
    OldWndProc = nullptr;
    Offset = 0;
    DebugDlg = false;
    Closing = false;
    ClassRegs.clear();
    OrgDlgProc.clear();
}

void ResetCommonDialogUnit() {
    while (!ClassRegs.empty())
        UnRegisterDialogClass(ClassRegs.front());
    if (UnitInitialized && ExitProc == &RestoreDialogClasses) ExitProc = OldExitProc;
    UnitInitialized = false;
    OldExitProc = nullptr;
    OldWndProc = nullptr;
    OwnerClassName.clear();
    DebugDlg = false;
    Closing = false;
    mctInstance = nullptr;
}

} // namespace zantor
