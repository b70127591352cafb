#include "host/ide/FormDesigner.h"

#include "host/classes/Component.h"
#include "host/rtl/Exceptions.h"

namespace host {

void TFormDesigner::GetComponentNames(TClass Class, const TGetStrProc& Proc) const {
    TComponent* Root = GetRoot();
    if (!Root) return;
    if (Root->InheritsFrom(Class) && !Root->Name().empty()) Proc(Root->Name());
    for (int i = 0; i < Root->ComponentCount(); ++i) {
        TComponent* C = Root->Components(i);
        if (C->InheritsFrom(Class) && !C->Name().empty()) Proc(C->Name());
    }
}

TComponent* TFormDesigner::GetComponent(std::string_view Name) const {
    TComponent* Root = GetRoot();
    if (!Root || Name.empty()) return nullptr;
    if (TComponent* C = Root->FindComponent(Name)) return C;
    return SameText(Root->Name(), Name) ? Root : nullptr;
}

String TFormDesigner::UniqueName(std::string_view ClassName) const {
    String Base(ClassName);
    if (Base.size() > 1 && (Base[0] == 'T' || Base[0] == 't')) Base.erase(0, 1);
    for (int i = 1;; ++i) {
        String Candidate = Base + std::to_string(i);
        if (!GetComponent(Candidate)) return Candidate;
    }
}

String TFormDesigner::GetMethodName(TComponent*, PPropInfo) const {
    return String();
}

void TFormDesigner::SetMethodName(TComponent*, PPropInfo, const String&) {
    throw EPropertyError("Event handlers cannot be bound in this designer");
}

} // namespace host
