#include "host/controls/Screen.h"
#include "host/rtl/HostErrors.h"

#include "host/controls/Forms.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

TScreen* Screen = nullptr;

namespace {

template <class T> T* Item(const std::vector<T*>& List, int Index) {
    if (Index < 0 || Index >= static_cast<int>(List.size())) RaiseListIndexError<EListError>(Index);
    return List[static_cast<std::size_t>(Index)];
}

template <class T> void Erase(std::vector<T*>& List, T* Value) {
    auto It = std::find(List.rbegin(), List.rend(), Value);
    if (It != List.rend()) List.erase(std::next(It).base());
}

template <class T> T* FindByName(const std::vector<T*>& List, std::string_view Name) {
    for (T* C : List)
        if (!C->ComponentState().Contains(csInline) && SameText(C->Name(), Name)) return C;
    return nullptr;
}

} // namespace

TClass TScreen::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TScreen>("TScreen").NoCreate();
    return &Info;
}

TCustomForm* TScreen::Forms(int Index) const {
    return Item(FForms, Index);
}

TDataModule* TScreen::DataModules(int Index) const {
    return Item(FDataModules, Index);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    Erase(FForms, Form);
}

void TScreen::RemoveDataModule(TDataModule* Module) {
    Erase(FDataModules, Module);
}

TComponent* TScreen::FindGlobalComponent(std::string_view Name) const {
    if (Name.empty()) return nullptr;
    if (TComponent* Form = FindByName(FForms, Name)) return Form;
    return FindByName(FDataModules, Name);
}

} // namespace host
