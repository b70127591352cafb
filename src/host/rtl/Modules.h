// Modules of the process and their string tables, held by the run-time library as a host's
// system unit holds them: the host run-time library, the package and the application are
// modules, each with an instance handle, a file name and a string table, and each reaches the
// platform's string loader through its own import slot. Import slots and
// loader entries are patchable routine addresses that must be made writable before they are
// written, as on a system whose code and import tables are read-only.
#pragma once

#include "host/rtl/Exceptions.h"
#include "host/rtl/PlatformTypes.h"
#include "host/rtl/Types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace host {

// Memory protection flags (the subset that patching code uses).
inline constexpr DWORD PAGE_READONLY = 0x02;
inline constexpr DWORD PAGE_READWRITE = 0x04;
inline constexpr DWORD PAGE_WRITECOPY = 0x08;
inline constexpr DWORD PAGE_EXECUTE_READ = 0x20;
inline constexpr DWORD PAGE_EXECUTE_READWRITE = 0x40;
inline constexpr DWORD PAGE_EXECUTE_WRITECOPY = 0x80;

// A routine address that code may patch: what a loader's first instruction or an import slot
// is on Windows. Reading is free; Write raises EAccessViolation unless VirtualProtect made the
// entry writable first.
class TPatchableBase {
public:
    explicit constexpr TPatchableBase(DWORD Protect) : FProtect(Protect) {}
    DWORD Protect() const { return FProtect; }
    bool Writable() const;

private:
    friend BOOL VirtualProtect(TPatchableBase* Entry, DWORD NewProtect, DWORD* OldProtect);
    DWORD FProtect;
};

template <class F> class TPatchable : public TPatchableBase {
public:
    constexpr TPatchable(F Initial, DWORD Protect) : TPatchableBase(Protect), FValue(Initial) {}
    F Get() const { return FValue; }
    void Write(F Value) {
        CheckWritable();
        FValue = Value;
    }

private:
    void CheckWritable() const;
    F FValue;
};

// Changes the protection of a patchable entry; the previous flags go to OldProtect. False, with
// nothing changed, for a null entry or a null OldProtect (as Windows refuses a null pointer).
BOOL VirtualProtect(TPatchableBase* Entry, DWORD NewProtect, DWORD* OldProtect);

// The signature of the platform's string loader.
using TLoadStringAProc = int (*)(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax);

// The platform's string loader. It reads the module tables below and is defined with them,
// since every module's import slot starts out pointing to it. Copies string Id of the module whose
// handle is Instance (null: the application) into Buffer: at most BufferMax - 1 characters and a
// terminating zero, and returns the number copied. Returns 0 (and leaves an empty text when
// BufferMax > 0) for a missing or empty string, an identifier above 65535, an unknown module or no
// buffer.
int LoadStringA(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax);

enum class TModuleKind {
    Code,    // a program or library: in the module list
    Resource // a resource-only module (say, a library of translated string tables): known by
             // its handle, not listed
};

// One module. The three built-in modules live for the whole process; modules made by code join
// the process when made and leave it when destroyed.
class TLibModule {
public:
    // Instance null: a new handle that no other module ever had.
    explicit TLibModule(String FileName, TModuleKind Kind = TModuleKind::Code,
                        HINSTANCE Instance = nullptr);
    ~TLibModule();
    TLibModule(const TLibModule&) = delete;
    TLibModule& operator=(const TLibModule&) = delete;

    HINSTANCE Instance() const { return FInstance; }
    // The module that holds this module's resources: itself unless another was set.
    HINSTANCE ResInstance() const { return FResInstance; }
    void SetResInstance(HINSTANCE Value);
    const String& FileName() const { return FFileName; }
    TModuleKind Kind() const { return FKind; }

    // String table. AddString gives the next free identifier downwards from 65535 (the range
    // that tools read as resource strings); raises EListError once 65535 strings are there.
    UINT AddString(String Text);
    // Sets string Id (0 to 65535) whether or not AddString gave it.
    void SetString(UINT Id, String Text);
    // Nothing when the table has no string Id (an empty string counts as none).
    std::optional<std::string_view> FindString(UINT Id) const;
    // Identifiers that AddString gave out so far.
    int AddedCount() const { return static_cast<int>(65535 - FNextId); }

    // The module's import slot for LoadStringA, and the call as this module's code makes it.
    TPatchable<TLoadStringAProc> LoadStringASlot{&host::LoadStringA, PAGE_READONLY};
    int LoadStringA(HINSTANCE Instance, UINT Id, LPSTR Buffer, int BufferMax) const {
        return LoadStringASlot.Get()(Instance, Id, Buffer, BufferMax);
    }

private:
    HINSTANCE FInstance;
    HINSTANCE FResInstance;
    String FFileName;
    TModuleKind FKind;
    // The table packed: for identifier Id, FOffsets[65535 - Id] is 0 (no string) or 1 + the
    // offset in FChars of its length (4 bytes) and characters. Compact, so that a load touches
    // one small offset and the characters; a replaced string leaves its old bytes behind.
    std::vector<std::uint32_t> FOffsets;
    String FChars;
    std::uint32_t FNextId = 65535;
};

// The host's run-time library, the translator package, and the application (whose handle is
// HInstance() and whose file is the running program).
TLibModule& RtlModule();
TLibModule& PackageModule();
TLibModule& MainModule();
// Handle of the program's own module (what a real program gets in WinMain).
HINSTANCE HInstance();
HINSTANCE MainInstance();

// Moves whenever a module is made or destroyed, redirected to another resource module, or a
// string of a table is set: whoever keeps loaded texts compares it to know they still hold.
[[nodiscard]] std::uint64_t ModuleTablesGeneration();

// The module with handle Instance (null gives the application), or null when none has it.
TLibModule* FindModule(HINSTANCE Instance);
// The code modules, most recently loaded first: the application, the package, the run-time
// library, then the ones made later in front of them. Stops when Callback returns false.
void EnumModules(const std::function<bool(HINSTANCE Instance)>& Callback);
// The module that holds the resources of module Instance; Instance itself when it is no module
// or has no separate resource module.
HINSTANCE FindResourceHInstance(HINSTANCE Instance);
template <class F> void TPatchable<F>::CheckWritable() const {
    if (!Writable()) throw EAccessViolation("Access violation: write to a protected routine entry");
}

} // namespace host
