// Last-error codes set by the window functions (read with GetLastError).
#pragma once

#include "host/winapi/LocaleErrors.h"

namespace host {

inline constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::uint32_t ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr std::uint32_t ERROR_INVALID_MENU_HANDLE = 1401;
inline constexpr std::uint32_t ERROR_INVALID_HOOK_HANDLE = 1404;
inline constexpr std::uint32_t ERROR_TLW_WITH_WSCHILD = 1406;
inline constexpr std::uint32_t ERROR_CANNOT_FIND_WND_CLASS = 1407;
inline constexpr std::uint32_t ERROR_CLASS_ALREADY_EXISTS = 1410;
inline constexpr std::uint32_t ERROR_CLASS_DOES_NOT_EXIST = 1411;
inline constexpr std::uint32_t ERROR_CLASS_HAS_WINDOWS = 1412;
inline constexpr std::uint32_t ERROR_INVALID_INDEX = 1413;
inline constexpr std::uint32_t ERROR_INVALID_HOOK_FILTER = 1426;
inline constexpr std::uint32_t ERROR_INVALID_FILTER_PROC = 1427;

} // namespace host
