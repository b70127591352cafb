// The platform's basic integer aliases and the module handle: the run-time library needs them
// for its module list, and the platform layer builds its own types on them.
#pragma once

#include <cstdint>

namespace host {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;

// Opaque: never dereferenced.
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;

} // namespace host
