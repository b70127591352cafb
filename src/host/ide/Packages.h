// Packages: shared libraries of components, editors and experts that the design-time host
// loads with the platform's dynamic loader. Loading runs the units' initializations, then
// each unit's Register; unloading removes what the package registered and runs the
// finalizations in reverse order. A package that cannot be loaded leaves the host as it was.
#pragma once

#include "host/rtl/Exceptions.h"

#include <memory>
#include <vector>

namespace host {

ZT_DECLARE_EXCEPTION(EPackageError, Exception);

class TPackage {
public:
    TPackage(const TPackage&) = delete;
    TPackage& operator=(const TPackage&) = delete;

    const String& FileName() const { return FFileName; }
    const String& Description() const { return FDescription; }
    const std::vector<String>& UnitNames() const { return FUnitNames; }
    // Address of a further entry point the package exports; nullptr when it has none.
    void* Entry(const char* Name) const;

private:
    TPackage() = default;
    friend TPackage* LoadPackage(const String& FileName);
    friend void UnloadPackage(TPackage* Package);

    String FFileName;
    String FDescription;
    std::vector<String> FUnitNames;
    void* FHandle = nullptr;
    void (*FFinalize)() = nullptr;
};

// Loads, initializes and registers the package; the host keeps it until UnloadPackage.
// Raises EPackageError "Cannot load package "F": <reason>" when the file cannot be loaded,
// lacks an entry point, or an initialization or Register raises; then nothing it did stays.
TPackage* LoadPackage(const String& FileName);
// Unregisters what the package registered, finalizes its units, unloads it. Components of
// its classes must be gone before.
void UnloadPackage(TPackage* Package);
const std::vector<std::unique_ptr<TPackage>>& LoadedPackages();
// Unloads every package, the last loaded first.
void UnloadAllPackages();

} // namespace host
