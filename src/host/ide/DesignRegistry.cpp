#include "host/ide/DesignRegistry.h"

#include "host/classes/Component.h"
#include "host/ide/StdPropertyEditors.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace host {

namespace {

struct TRegistries {
    std::vector<TPaletteEntry> Palette;
    std::vector<TPropertyEditorRegistration> PropertyEditors;
    std::vector<TComponentEditorRegistration> ComponentEditors;
    std::vector<std::pair<TIExpert*, TRegistrationOwner>> Experts;
    // Classes that RegisterComponents made known to the form reader, with their owner.
    std::vector<std::pair<TClass, TRegistrationOwner>> Classes;
    TRegistrationOwner Owner = nullptr;
};

TRegistries& Registries() {
    static TRegistries R;
    return R;
}

int Depth(TClass C) {
    int D = 0;
    for (; C; C = C->Parent)
        ++D;
    return D;
}

bool TypeFits(PTypeInfo Registered, PTypeInfo Actual) {
    if (Registered == Actual) return true;
    if (!Registered || !Actual || Registered->Kind != Actual->Kind) return false;
    if (Registered->Kind == tkClass) {
        TClass R = Registered->ClassType();
        TClass A = Actual->ClassType();
        return R && A && A->InheritsFrom(R);
    }
    return Registered->TypeName() == Actual->TypeName();
}

} // namespace

void RegisterComponents(const String& Page, std::initializer_list<TClass> Classes) {
    TRegistries& R = Registries();
    for (TClass C : Classes) {
        std::erase_if(R.Palette, [&](const TPaletteEntry& E) { return E.ComponentClass == C; });
        R.Palette.push_back({Page, C, R.Owner});
        if (!GetClass(C->ClassName)) {
            RegisterClass(C);
            R.Classes.emplace_back(C, R.Owner);
        }
    }
}

void RegisterPropertyEditor(PTypeInfo PropertyType, TClass ComponentClass,
                            const String& PropertyName, TPropertyEditorClass EditorClass) {
    TRegistries& R = Registries();
    R.PropertyEditors.push_back({PropertyType, ComponentClass, PropertyName, EditorClass, R.Owner});
}

void RegisterComponentEditor(TClass ComponentClass, TComponentEditorClass EditorClass) {
    TRegistries& R = Registries();
    R.ComponentEditors.push_back({ComponentClass, EditorClass, R.Owner});
}

void RegisterLibraryExpert(TIExpert* Expert) {
    if (!Expert) return;
    TRegistries& R = Registries();
    R.Experts.emplace_back(Expert, R.Owner);
}

TPropertyEditorClass GetPropertyEditorClass(const TComponent* Component, PPropInfo Prop) {
    const TPropertyEditorRegistration* Best = nullptr;
    std::tuple<bool, int, int> BestRank;
    for (const TPropertyEditorRegistration& E : Registries().PropertyEditors) {
        if (E.ComponentClass && !Component->InheritsFrom(E.ComponentClass)) continue;
        if (!E.PropertyName.empty() && !SameText(E.PropertyName, Prop->Name)) continue;
        if (!TypeFits(E.PropertyType, Prop->PropType)) continue;
        std::tuple<bool, int, int> Rank{!E.PropertyName.empty(), Depth(E.ComponentClass),
                                        E.PropertyType && E.PropertyType->Kind == tkClass
                                            ? Depth(E.PropertyType->ClassType())
                                            : 0};
        // ">=": among equals the later registration wins.
        if (!Best || Rank >= BestRank) {
            Best = &E;
            BestRank = Rank;
        }
    }
    return Best ? Best->EditorClass : DefaultPropertyEditorClass(Prop);
}

std::unique_ptr<TPropertyEditor> CreatePropertyEditor(TFormDesigner* Designer,
                                                      TComponent* Component, PPropInfo Prop) {
    return GetPropertyEditorClass(Component, Prop)->Create(Designer, Component, Prop);
}

TComponentEditorClass GetComponentEditorClass(const TComponent* Component) {
    const TComponentEditorRegistration* Best = nullptr;
    int BestDepth = -1;
    for (const TComponentEditorRegistration& E : Registries().ComponentEditors) {
        if (!Component->InheritsFrom(E.ComponentClass)) continue;
        int D = Depth(E.ComponentClass);
        if (D >= BestDepth) {
            Best = &E;
            BestDepth = D;
        }
    }
    return Best ? Best->EditorClass : TDefaultEditor::EditorClass();
}

std::unique_ptr<TComponentEditor> CreateComponentEditor(TComponent* Component,
                                                        TFormDesigner* Designer) {
    return GetComponentEditorClass(Component)->Create(Component, Designer);
}

const std::vector<TPaletteEntry>& PaletteEntries() {
    return Registries().Palette;
}

std::vector<String> PalettePages() {
    std::vector<String> Pages;
    for (const TPaletteEntry& E : Registries().Palette)
        if (std::find(Pages.begin(), Pages.end(), E.Page) == Pages.end()) Pages.push_back(E.Page);
    return Pages;
}

const std::vector<TPropertyEditorRegistration>& PropertyEditorRegistrations() {
    return Registries().PropertyEditors;
}

const std::vector<TComponentEditorRegistration>& ComponentEditorRegistrations() {
    return Registries().ComponentEditors;
}

std::vector<TIExpert*> LibraryExperts() {
    std::vector<TIExpert*> Result;
    for (const auto& [Expert, Owner] : Registries().Experts)
        Result.push_back(Expert);
    return Result;
}

TRegistrationOwner SetRegistrationOwner(TRegistrationOwner Owner) {
    return std::exchange(Registries().Owner, Owner);
}

void UnregisterOwner(TRegistrationOwner Owner) {
    TRegistries& R = Registries();
    auto Owned = [&](const auto& E) { return E.Owner == Owner; };
    std::erase_if(R.Palette, Owned);
    std::erase_if(R.PropertyEditors, Owned);
    std::erase_if(R.ComponentEditors, Owned);
    // Released newest first, as they were registered the other way round.
    std::vector<TIExpert*> Released;
    std::erase_if(R.Experts, [&](const auto& E) {
        if (E.second != Owner) return false;
        Released.push_back(E.first);
        return true;
    });
    for (auto It = Released.rbegin(); It != Released.rend(); ++It)
        (*It)->Release();
    std::erase_if(R.Classes, [&](const auto& E) {
        if (E.second != Owner) return false;
        if (GetClass(E.first->ClassName) == E.first) UnRegisterClass(E.first);
        return true;
    });
}

void ClearDesignRegistries() {
    TRegistries& R = Registries();
    std::vector<TRegistrationOwner> Owners;
    for (const auto& E : R.Experts)
        Owners.push_back(E.second);
    for (const auto& E : R.Classes)
        Owners.push_back(E.second);
    for (TRegistrationOwner O : Owners)
        UnregisterOwner(O);
    R.Palette.clear();
    R.PropertyEditors.clear();
    R.ComponentEditors.clear();
    R.Owner = nullptr;
}

} // namespace host
