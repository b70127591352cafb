#include "host/ide/Packages.h"

#include "host/ide/DesignRegistry.h"
#include "host/ide/PackageInfo.h"
#include "host/rtl/FileNames.h"

#include <dlfcn.h>

#include <algorithm>

namespace host {

namespace {

std::vector<std::unique_ptr<TPackage>>& Packages() {
    static std::vector<std::unique_ptr<TPackage>> List;
    return List;
}

[[noreturn]] void PackageError(const String& FileName, const String& Reason) {
    throw EPackageError("Cannot load package \"" + FileName + "\": " + Reason);
}

String LoaderError() {
    const char* E = dlerror();
    return E ? String(E) : String("unknown error");
}

// Restores the previous registration owner however Register ends.
class TOwnerScope {
public:
    explicit TOwnerScope(TRegistrationOwner Owner) : FPrevious(SetRegistrationOwner(Owner)) {}
    ~TOwnerScope() { SetRegistrationOwner(FPrevious); }
    TOwnerScope(const TOwnerScope&) = delete;
    TOwnerScope& operator=(const TOwnerScope&) = delete;

private:
    TRegistrationOwner FPrevious;
};

} // namespace

TPackage* LoadPackage(const String& FileName) {
    void* Handle = dlopen(LocalFileName(FileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!Handle) PackageError(FileName, LoaderError());
    auto Fail = [&](const String& Reason) {
        dlclose(Handle);
        PackageError(FileName, Reason);
    };
    auto Entry = [&](const char* Name) {
        void* P = dlsym(Handle, Name);
        if (!P) Fail("it lacks the entry point " + String(Name));
        return P;
    };
    auto GetTable = reinterpret_cast<ZtGetPackageInfoTableProc>(Entry(PackageInfoEntry));
    auto Initialize = reinterpret_cast<ZtPackageProc>(Entry(PackageInitializeEntry));
    auto Finalize = reinterpret_cast<ZtPackageProc>(Entry(PackageFinalizeEntry));
    const ZtPackageInfoTable* Table = GetTable();
    if (!Table || Table->UnitCount < 0 || (Table->UnitCount > 0 && !Table->Units))
        Fail("its package information table is invalid");
    for (const auto& P : Packages())
        if (P->FHandle == Handle) {
            // The loader handed back a library that is already loaded: one more reference.
            dlclose(Handle);
            PackageError(FileName, "it is already loaded");
        }

    auto Package = std::unique_ptr<TPackage>(new TPackage);
    Package->FFileName = FileName;
    Package->FDescription = Table->Description ? Table->Description : "";
    Package->FHandle = Handle;
    Package->FFinalize = Finalize;
    for (int i = 0; i < Table->UnitCount; ++i)
        Package->FUnitNames.emplace_back(Table->Units[i].Name ? Table->Units[i].Name : "");

    try {
        Initialize();
    } catch (const std::exception& E) {
        Fail(String("initialization failed: ") + E.what());
    } catch (...) {
        Fail("initialization failed");
    }
    String Unit;
    try {
        TOwnerScope Scope(Package.get());
        for (int i = 0; i < Table->UnitCount; ++i) {
            const ZtPackageUnit& U = Table->Units[i];
            Unit = U.Name ? U.Name : "";
            if (U.Register) U.Register();
        }
    } catch (...) {
        String Reason = "Register of unit " + Unit + " failed";
        try {
            throw;
        } catch (const std::exception& E) {
            Reason += String(": ") + E.what();
        } catch (...) {
        }
        UnregisterOwner(Package.get());
        try {
            Finalize();
        } catch (...) {
            // The registration error is the one to report.
        }
        Fail(Reason);
    }
    Packages().push_back(std::move(Package));
    return Packages().back().get();
}

void UnloadPackage(TPackage* Package) {
    auto& List = Packages();
    auto It =
        std::find_if(List.begin(), List.end(), [&](const auto& P) { return P.get() == Package; });
    if (It == List.end()) return;
    std::unique_ptr<TPackage> Owned = std::move(*It);
    List.erase(It);
    UnregisterOwner(Owned.get());
    try {
        Owned->FFinalize();
    } catch (...) {
        dlclose(Owned->FHandle);
        throw;
    }
    dlclose(Owned->FHandle);
}

const std::vector<std::unique_ptr<TPackage>>& LoadedPackages() {
    return Packages();
}

void UnloadAllPackages() {
    while (!Packages().empty())
        UnloadPackage(Packages().back().get());
}

void* TPackage::Entry(const char* Name) const {
    return FHandle ? dlsym(FHandle, Name) : nullptr;
}

} // namespace host
