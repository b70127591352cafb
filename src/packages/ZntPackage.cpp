// The package: its units in load order with their initializations, finalizations and
// Register routines, and the entry points through which the design-time host loads it.
// Built once per host version (ZT_HOST_VERSION); the builds share every unit.
#include "host/ide/PackageInfo.h"
#include "translators/DesignRegistration.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceHook.h"
#include "translators/ResourceTranslator.h"

namespace {

void InitZlt() {
    host::RegisterClass(zantor::TLocaleTranslator::StaticClass());
}
void DoneZlt() {
    host::UnRegisterClass(zantor::TLocaleTranslator::StaticClass());
}
void InitZft() {
    host::RegisterClass(zantor::TFormTranslator::StaticClass());
}
void DoneZft() {
    host::UnRegisterClass(zantor::TFormTranslator::StaticClass());
}
void InitZrt() {
    zantor::InitializeResourceHookUnit();
    host::RegisterClass(zantor::TResourceTranslator::StaticClass());
}
void DoneZrt() {
    host::UnRegisterClass(zantor::TResourceTranslator::StaticClass());
    zantor::FinalizeResourceHookUnit();
}

const ZtPackageUnit PackageUnits[] = {
    {"Zlt", InitZlt, DoneZlt, zantor::Zlt::Register},
    {"Zft", InitZft, DoneZft, zantor::Zft::Register},
    {"Zrt", InitZrt, DoneZrt, zantor::Zrt::Register},
};

} // namespace

ZT_PACKAGE_ENTRY_POINTS(PackageUnits, "Tessavin Zantor")
