// The entry points a package exports for the design-time host: the table of its units (each
// with its initialization, finalization and Register routine), and Initialize and Finalize,
// which run the units' initializations in table order and their finalizations in reverse.
#pragma once

extern "C" {

struct ZtPackageUnit {
    const char* Name;
    void (*Initialization)(); // may be null
    void (*Finalization)();   // may be null
    void (*Register)();       // may be null: a unit without design-time registration
};

struct ZtPackageInfoTable {
    const char* Description;
    int UnitCount;
    const ZtPackageUnit* Units;
};

using ZtGetPackageInfoTableProc = const ZtPackageInfoTable* (*)();
using ZtPackageProc = void (*)();
}

namespace host {

inline constexpr const char* PackageInfoEntry = "GetPackageInfoTable";
inline constexpr const char* PackageInitializeEntry = "Initialize";
inline constexpr const char* PackageFinalizeEntry = "Finalize";

} // namespace host

// In a package: defines Initialize and Finalize over the unit table UnitTable (an array of
// ZtPackageUnit). An initialization that throws finalizes the units already initialized.
#define ZT_PACKAGE_ENTRY_POINTS(UnitTable, DescriptionText)                                        \
    namespace {                                                                                    \
    int ZtInitializedUnits = 0;                                                                    \
    const ZtPackageInfoTable ZtPackageTable{                                                       \
        DescriptionText, static_cast<int>(sizeof(UnitTable) / sizeof(UnitTable[0])), UnitTable};   \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) const ZtPackageInfoTable*                    \
    GetPackageInfoTable() {                                                                        \
        return &ZtPackageTable;                                                                    \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) void Finalize() {                            \
        while (ZtInitializedUnits > 0) {                                                           \
            const ZtPackageUnit& U = ZtPackageTable.Units[--ZtInitializedUnits];                   \
            if (U.Finalization) U.Finalization();                                                  \
        }                                                                                          \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) void Initialize() {                          \
        try {                                                                                      \
            while (ZtInitializedUnits < ZtPackageTable.UnitCount) {                                \
                const ZtPackageUnit& U = ZtPackageTable.Units[ZtInitializedUnits];                 \
                if (U.Initialization) U.Initialization();                                          \
                ++ZtInitializedUnits;                                                              \
            }                                                                                      \
        } catch (...) {                                                                            \
            Finalize();                                                                            \
            throw;                                                                                 \
        }                                                                                          \
    }
