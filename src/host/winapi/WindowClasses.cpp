// Window classes: the predefined ones and those the program registers, found by
// case-insensitive name or by atom.
#include "host/winapi/Mdi.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <map>
#include <memory>

namespace host {

namespace {

using detail::TWindowClass;

struct TPredefinedClass {
    const char* Name;
    ATOM Atom;
    WNDPROC Proc;
    int WndExtra;
};

// Atoms of the real system's built-in classes, so MAKEINTATOM names work too.
const TPredefinedClass PredefinedClasses[] = {
    {WC_BUTTON, 0x0080, DefWindowProcA, 0},
    {WC_EDIT, 0x0081, DefWindowProcA, 0},
    {WC_STATIC, 0x0082, DefWindowProcA, 0},
    {WC_LISTBOX, 0x0083, DefWindowProcA, 0},
    {WC_COMBOBOX, 0x0085, DefWindowProcA, 0},
    {WC_MDICLIENT, 0xC001, MdiClientProc, 0},
    {WC_DIALOG, 0x8002, DefWindowProcA, DLGWINDOWEXTRA},
    {"#32768", 0x8000, detail::MenuWindowProc, 0},
};

constexpr ATOM FirstProgramAtom = 0xC100;

String ClassKey(const char* Name) {
    String Key(Name);
    for (char& C : Key)
        if (C >= 'a' && C <= 'z') C = char(C - 'a' + 'A');
    return Key;
}

struct TClassTable {
    std::map<String, std::unique_ptr<TWindowClass>> ByName;
    ATOM NextAtom = FirstProgramAtom;

    TClassTable() { AddPredefined(); }

    void AddPredefined() {
        for (const auto& P : PredefinedClasses) {
            auto C = std::make_unique<TWindowClass>();
            C->Name = P.Name;
            C->Atom = P.Atom;
            C->Proc = P.Proc;
            C->WndExtra = P.WndExtra;
            C->Predefined = true;
            C->MdiClient = P.Proc == MdiClientProc;
            ByName.emplace(ClassKey(P.Name), std::move(C));
        }
    }
};

TClassTable& Classes() {
    static TClassTable T;
    return T;
}

bool IsAtomName(LPCSTR Name) {
    return reinterpret_cast<std::uintptr_t>(Name) < 0x10000;
}

TWindowClass* FindByAtom(ATOM Atom) {
    for (auto& [Key, C] : Classes().ByName)
        if (C->Atom == Atom) return C.get();
    return nullptr;
}

void FillInfo(const TWindowClass& C, WNDCLASSA& Info) {
    Info = WNDCLASSA{};
    Info.style = C.Style;
    Info.lpfnWndProc = C.Proc;
    Info.cbClsExtra = C.ClsExtra;
    Info.cbWndExtra = C.WndExtra;
    Info.hInstance = C.Instance;
    Info.lpszClassName = C.Name.c_str();
}

} // namespace

namespace detail {

TWindowClass* FindWindowClass(LPCSTR Name) {
    if (!Name) return nullptr;
    if (IsAtomName(Name)) return FindByAtom(ATOM(reinterpret_cast<std::uintptr_t>(Name)));
    const auto It = Classes().ByName.find(ClassKey(Name));
    return It == Classes().ByName.end() ? nullptr : It->second.get();
}

void ResetWindowClasses() {
    auto& T = Classes();
    T.ByName.clear();
    T.NextAtom = FirstProgramAtom;
    T.AddPredefined();
}

} // namespace detail

ATOM RegisterClassA(const WNDCLASSA* WndClass) {
    if (!WndClass || !WndClass->lpfnWndProc || !WndClass->lpszClassName ||
        IsAtomName(WndClass->lpszClassName) || !*WndClass->lpszClassName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto& T = Classes();
    const String Key = ClassKey(WndClass->lpszClassName);
    if (T.ByName.count(Key)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto C = std::make_unique<TWindowClass>();
    C->Name = WndClass->lpszClassName;
    C->Atom = T.NextAtom++;
    C->Style = WndClass->style;
    C->Proc = WndClass->lpfnWndProc;
    C->ClsExtra = std::max(0, WndClass->cbClsExtra);
    C->WndExtra = std::max(0, WndClass->cbWndExtra);
    C->Instance = WndClass->hInstance;
    const ATOM Atom = C->Atom;
    T.ByName.emplace(Key, std::move(C));
    return Atom;
}

BOOL UnregisterClassA(LPCSTR ClassName, HINSTANCE) {
    TWindowClass* C = detail::FindWindowClass(ClassName);
    if (!C || C->Predefined) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    if (C->WindowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return false;
    }
    Classes().ByName.erase(ClassKey(C->Name.c_str()));
    return true;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR ClassName, WNDCLASSA* WndClass) {
    const TWindowClass* C = detail::FindWindowClass(ClassName);
    if (!C || !WndClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    FillInfo(*C, *WndClass);
    return true;
}

int GetClassNameA(HWND Wnd, LPSTR Buffer, int MaxCount) {
    const detail::TWindowRec* W = detail::FindWindowRec(Wnd);
    if (!W) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return detail::CopyText(W->Class->Name, Buffer, MaxCount);
}

} // namespace host
