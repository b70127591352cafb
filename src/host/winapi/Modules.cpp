// The module file-name call.
#include "host/winapi/Modules.h"

#include <cstring>

namespace host {

DWORD GetModuleFileNameA(HMODULE Module, LPSTR Buffer, DWORD Size) {
    const TLibModule* M = FindModule(Module);
    if (!M || !Buffer || Size == 0) return 0;
    const String& Name = M->FileName();
    if (Name.size() < Size) {
        std::memcpy(Buffer, Name.c_str(), Name.size() + 1);
        return static_cast<DWORD>(Name.size());
    }
    std::memcpy(Buffer, Name.data(), Size - 1);
    Buffer[Size - 1] = '\0';
    return Size;
}

} // namespace host
