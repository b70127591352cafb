// Basic types of the emulated Win32 layer: integer aliases, opaque handles, message parameters,
// rectangles and points, with the word-packing helpers that go with them.
#pragma once

#include "host/rtl/PlatformTypes.h"

#include <cstdint>

namespace host {

using ATOM = WORD;
using LPVOID = void*;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Handles are opaque: distinct pointer types that are never dereferenced. A handle stays unique
// for the life of the process, so a stale one is recognised as invalid rather than reused.
struct HWND__;
struct HMENU__;
struct HFONT__;
struct HHOOK__;
using HWND = HWND__*;
using HMENU = HMENU__*;
using HFONT = HFONT__*;
using HHOOK = HHOOK__*;
using HANDLE = void*;
using HGDIOBJ = void*;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int Code, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT Msg, UINT_PTR IdEvent, DWORD Time);

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

constexpr bool operator==(const POINT& A, const POINT& B) {
    return A.x == B.x && A.y == B.y;
}
constexpr bool operator==(const RECT& A, const RECT& B) {
    return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

constexpr WORD LOWORD(std::uintptr_t Value) {
    return WORD(Value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t Value) {
    return WORD((Value >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(std::uintptr_t Low, std::uintptr_t High) {
    return DWORD((Low & 0xFFFF) | ((High & 0xFFFF) << 16));
}
constexpr LPARAM MAKELPARAM(std::uintptr_t Low, std::uintptr_t High) {
    return LPARAM(MAKELONG(Low, High));
}
constexpr WPARAM MAKEWPARAM(std::uintptr_t Low, std::uintptr_t High) {
    return WPARAM(MAKELONG(Low, High));
}
// Signed coordinates packed into an LPARAM (WM_MOVE may carry negative positions).
constexpr int GET_X_LPARAM(LPARAM Value) {
    return std::int16_t(LOWORD(std::uintptr_t(Value)));
}
constexpr int GET_Y_LPARAM(LPARAM Value) {
    return std::int16_t(HIWORD(std::uintptr_t(Value)));
}

// Control identifier or menu handle carried in CreateWindowExA's menu parameter.
inline HMENU ControlId(LONG_PTR Id) {
    return reinterpret_cast<HMENU>(Id);
}

} // namespace host
