#include "host/controls/DialogMethodTable.h"

#include "host/controls/CommonDialogs.h"
#include "host/rtl/HostErrors.h"

#include <map>
#include <memory>

namespace host {

namespace {

struct TTables {
    std::map<TClass, std::unique_ptr<TDialogMethodTable>> Made;
    // The entries each class was declared with, by class.
    std::map<TClass, std::map<TDialogMethod, TCodePointer>> Overrides;
};

// Never destroyed: exit procedures restore entries after static objects are gone.
TTables& Tables() {
    static TTables& T = *new TTables;
    return T;
}

// The entries as class Class was built: its parent's, then its own overrides.
std::vector<TCodePointer> BuiltEntries(TClass Class) {
    std::vector<TCodePointer> Entries;
    if (Class == TCommonDialog::StaticClass())
        Entries = TCommonDialog::BaseEntries();
    else
        Entries = BuiltEntries(Class->Parent);
    if (Class == TFindDialog::StaticClass())
        Entries[static_cast<std::size_t>(TDialogMethod::MessageHook)] =
            CodeOf(&TFindDialog::FindMessageHookEntry);
    auto It = Tables().Overrides.find(Class);
    if (It != Tables().Overrides.end())
        for (auto [Method, Code] : It->second)
            Entries[static_cast<std::size_t>(Method)] = Code;
    return Entries;
}

} // namespace

TDialogMethodTable::TDialogMethodTable(const std::vector<TCodePointer>& Entries) {
    FEntries.reserve(Entries.size());
    for (TCodePointer Code : Entries)
        FEntries.emplace_back(Code, PAGE_EXECUTE_READ);
}

TDialogMethodEntry& TDialogMethodTable::Entry(int Position) {
    if (Position < 0 || Position >= Count()) RaiseListIndexError(Position);
    return FEntries[static_cast<std::size_t>(Position)];
}

TDialogMethodTable* DialogMethodTable(TClass Class) {
    if (!Class || !Class->InheritsFrom(TCommonDialog::StaticClass())) return nullptr;
    auto& Made = Tables().Made;
    auto It = Made.find(Class);
    if (It == Made.end())
        It = Made.emplace(Class, std::make_unique<TDialogMethodTable>(BuiltEntries(Class))).first;
    return It->second.get();
}

void OverrideDialogMethod(TClass Class, TDialogMethod Method, TCodePointer Code) {
    if (Tables().Made.count(Class))
        throw EInvalidOperation("Class " + Class->ClassName + " is already in use");
    Tables().Overrides[Class][Method] = Code;
}

} // namespace host
