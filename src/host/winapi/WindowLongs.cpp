// Per-window values (GWL_* and the class's extra bytes) and the window-text functions.
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"
#include "host/winapi/Windows.h"

#include <cstring>

namespace host {

using detail::FindWindowRec;
using detail::TWindowRec;

namespace {

// The extra bytes at Index, or null (with the error set) when they do not fit.
unsigned char* ExtraSlot(TWindowRec& W, int Index) {
    if (Index < 0 || size_t(Index) + sizeof(LONG_PTR) > W.Extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return nullptr;
    }
    return W.Extra.data() + Index;
}

LONG_PTR* ValueSlot(TWindowRec& W, int Index) {
    switch (Index) {
    case GWL_ID:
        return &W.IdOrMenu;
    case GWL_USERDATA:
        return &W.UserData;
    default:
        return nullptr;
    }
}

} // namespace

LONG_PTR GetWindowLongPtrA(HWND Wnd, int Index) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (Index) {
    case GWL_WNDPROC:
        return ProcToLong(W->Proc);
    case GWL_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(W->Instance);
    case GWL_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(detail::IsChildStyle(*W) ? W->Parent : W->Owner);
    case GWL_STYLE:
        return LONG_PTR(W->Style);
    case GWL_EXSTYLE:
        return LONG_PTR(W->ExStyle);
    default:
        break;
    }
    if (LONG_PTR* Slot = ValueSlot(*W, Index)) return *Slot;
    LONG_PTR Value = 0;
    if (const unsigned char* Extra = ExtraSlot(*W, Index)) std::memcpy(&Value, Extra, sizeof Value);
    return Value;
}

LONG_PTR SetWindowLongPtrA(HWND Wnd, int Index, LONG_PTR NewValue) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const LONG_PTR Old = GetWindowLongPtrA(Wnd, Index);
    switch (Index) {
    case GWL_WNDPROC:
        W->Proc = LongToProc(NewValue);
        return Old;
    case GWL_HINSTANCE:
        W->Instance = reinterpret_cast<HINSTANCE>(NewValue);
        return Old;
    case GWL_HWNDPARENT:
        if (!detail::IsChildStyle(*W))
            W->Owner = detail::RootWindow(reinterpret_cast<HWND>(NewValue));
        return Old;
    case GWL_STYLE:
        W->Style = DWORD(NewValue);
        return Old;
    case GWL_EXSTYLE:
        W->ExStyle = DWORD(NewValue);
        return Old;
    default:
        break;
    }
    if (LONG_PTR* Slot = ValueSlot(*W, Index))
        *Slot = NewValue;
    else if (unsigned char* Extra = ExtraSlot(*W, Index))
        std::memcpy(Extra, &NewValue, sizeof NewValue);
    return Old;
}

int GetWindowTextA(HWND Wnd, LPSTR Buffer, int MaxCount) {
    if (!Buffer || MaxCount <= 0) return 0;
    Buffer[0] = '\0';
    if (!IsWindow(Wnd)) return 0;
    const LRESULT Copied = SendMessageA(Wnd, WM_GETTEXT, WPARAM(MaxCount), LPARAM(Buffer));
    return Copied < 0 ? 0 : int(Copied);
}

int GetWindowTextLengthA(HWND Wnd) {
    const LRESULT Length = SendMessageA(Wnd, WM_GETTEXTLENGTH, 0, 0);
    return Length < 0 ? 0 : int(Length);
}

BOOL SetWindowTextA(HWND Wnd, LPCSTR Text) {
    return IsWindow(Wnd) && SendMessageA(Wnd, WM_SETTEXT, 0, LPARAM(Text)) != 0;
}

} // namespace host
