// The calling thread's last-error code, set by the platform functions that fail.
#pragma once

#include <cstdint>

namespace host {

inline constexpr std::uint32_t ERROR_SUCCESS = 0;
inline constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr std::uint32_t ERROR_INVALID_FLAGS = 1004;

// Each thread keeps its own code; a new thread starts with ERROR_SUCCESS.
std::uint32_t GetLastError();
void SetLastError(std::uint32_t ErrorCode);

} // namespace host
