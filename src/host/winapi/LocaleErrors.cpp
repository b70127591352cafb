#include "host/winapi/LocaleErrors.h"

namespace host {

namespace {
thread_local std::uint32_t LastError = ERROR_SUCCESS;
}

std::uint32_t GetLastError() {
    return LastError;
}

void SetLastError(std::uint32_t ErrorCode) {
    LastError = ErrorCode;
}

} // namespace host
