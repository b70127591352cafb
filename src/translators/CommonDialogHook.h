// The interception of the common dialogs: the MessageHook entry of each enrolled dialog class
// is replaced in the class's table of virtual operations; the replacement subclasses the one
// dialog window being shown with ComDlgProc, which translates it (or captures it) on the
// messages that show it is active or painting.
//
// Unit start-up (InitializeCommonDialogUnit, run by the first translator made) installs an exit
// procedure that puts every replaced entry back when the process ends.
#pragma once

#include "host/controls/DialogMethodTable.h"
#include "host/rtl/ExitProc.h"
#include "host/winapi/Windows.h"

#include <vector>

namespace zantor {

using host::HWND;
using host::LPARAM;
using host::LRESULT;
using host::String;
using host::TClass;
using host::TCodePointer;
using host::UINT;
using host::WPARAM;

class TCommonDialogTranslator;

// The instance whose entries ComDlgProc applies; null when no instance is switched on.
extern TCommonDialogTranslator* mctInstance;
// The classes whose entry is replaced, in order of registration, and the entry each had.
extern std::vector<TClass> ClassRegs;
extern std::vector<TCodePointer> OrgDlgProc;
// Position of the MessageHook entry in every table; 0 until first found.
extern int Offset;
// The previous procedure of the one subclassed dialog window; null when none is.
extern host::WNDPROC OldWndProc;
// Class name of the dialog component being shown; selects the entries that apply.
extern String OwnerClassName;
// Capture mode: the trigger messages capture instead of translate.
extern bool DebugDlg;
// Set while the subclassed window closes, so the find dialog's hook does not catch it again.
extern bool Closing;
extern host::TExitProcedure OldExitProc;

// The replacement for every registered class not derived from TFindDialog (the MessageHook
// of the hook class TCommonDlgHook, whose table serves to find Offset).
bool CommonDlgHookMessageHook(host::TCommonDialog* Self, host::TMessage& Msg);

// The replacement for TFindDialog and the classes derived from it (modeless dialogs).
bool FindDlgHookMessageHook(host::TCommonDialog* Self, host::TMessage& Msg);

// Replaces AClass's MessageHook entry; false for null, a class not derived from
// TCommonDialog, or one already registered.
bool RegisterDialogClass(TClass AClass);
// Puts the saved entry back; false when AClass is not registered.
bool UnRegisterDialogClass(TClass AClass);
// The procedure of the subclassed dialog window.
LRESULT ComDlgProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// The exit procedure: unregisters every class.
void RestoreDialogClasses();

// Once per process; later calls do nothing.
void InitializeCommonDialogUnit();
// For tests: unregisters every class, unsubclasses the window and clears the state.
void ResetCommonDialogUnit();

class TCommonDialogUnitGuard {
public:
    TCommonDialogUnitGuard() { ResetCommonDialogUnit(); }
    ~TCommonDialogUnitGuard() { ResetCommonDialogUnit(); }
    TCommonDialogUnitGuard(const TCommonDialogUnitGuard&) = delete;
    TCommonDialogUnitGuard& operator=(const TCommonDialogUnitGuard&) = delete;
};

} // namespace zantor
