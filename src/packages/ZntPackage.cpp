// The package: its units in load order with their initializations, finalizations and
// Register routines, and the entry points through which the design-time host loads it.
// Built once per host version (ZT_HOST_VERSION); the builds share every unit.
#include "editors/DlgEditor.h"
#include "editors/FormEditor.h"
#include "editors/LocaleEditor.h"
#include "editors/ResEditor.h"
#include "exchange/ProjectExchange.h"
#include "expert/ExpertAddIn.h"
#include "expert/ProjectExpert.h"
#include "host/ide/PackageInfo.h"
#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogHook.h"
#include "translators/CommonDialogTranslator.h"
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

void InitZct() {
    host::RegisterClass(zantor::TCommonDialogTranslator::StaticClass());
}
// Puts back every dialog class entry and the exit procedure, which point into this package.
void DoneZct() {
    host::UnRegisterClass(zantor::TCommonDialogTranslator::StaticClass());
    zantor::ResetCommonDialogUnit();
}
void InitZbt() {
    host::RegisterClass(zantor::TButtonTranslator::StaticClass());
}
// Removes the activation hook, whose procedure is in this package.
void DoneZbt() {
    host::UnRegisterClass(zantor::TButtonTranslator::StaticClass());
    zantor::ResetButtonHookUnit();
}

const ZtPackageUnit PackageUnits[] = {
    {"Zlt", InitZlt, DoneZlt, zantor::Zlt::Register},
    {"Zft", InitZft, DoneZft, zantor::Zft::Register},
    {"Zrt", InitZrt, DoneZrt, zantor::Zrt::Register},
    {"Zct", InitZct, DoneZct, zantor::Zct::Register},
    {"Zbt", InitZbt, DoneZbt, zantor::Zbt::Register},
    {"Zltedit", zantor::Zltedit::Install, zantor::Zltedit::Uninstall, nullptr},
    {"Zftedit", zantor::Zftedit::Install, zantor::Zftedit::Uninstall, nullptr},
    {"Zrtedit", zantor::Zrtedit::Install, zantor::Zrtedit::Uninstall, nullptr},
    {"Zctedit", zantor::Zctedit::Install, zantor::Zctedit::Uninstall, nullptr},
    {"Zsplash", nullptr, nullptr, nullptr},
    {"ZntWiz", nullptr, nullptr, nullptr},
    {"Znt", zantor::Znt::Initialize, zantor::Znt::Finalize, zantor::Znt::Register},
};

} // namespace

ZT_PACKAGE_ENTRY_POINTS(PackageUnits, "Tessavin Zantor")

// The project operations for a program that loads the package (the command-line tool): they
// run here, on the package's own translator classes. The caller deletes the object before it
// unloads the package.
extern "C" __attribute__((visibility("default"))) zantor::TIProjectExpert* ZntNewProjectExpert() {
    return new zantor::TProjectExpert;
}

// The exchange operations on the project's translations, for the same programs.
extern "C" __attribute__((visibility("default"))) zantor::TIProjectExchange*
ZntNewProjectExchange() {
    return new zantor::TProjectExchange;
}
