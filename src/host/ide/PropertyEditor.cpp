#include "host/ide/PropertyEditor.h"

#include "host/classes/Component.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

namespace host {

ZT_DEFINE_PROPERTY_EDITOR(TPropertyEditor)

TPropertyEditor::TPropertyEditor(TFormDesigner* Designer, TComponent* Component, PPropInfo Prop)
    : FDesigner(Designer), FComponent(Component), FProp(Prop) {}

TPropertyAttributes TPropertyEditor::GetAttributes() const {
    return {paMultiSelect, paRevertable};
}

String TPropertyEditor::GetValue() const {
    return "(unknown)";
}

void TPropertyEditor::SetValue(const String&) {
    throw EPropertyError("Property is read-only");
}

void TPropertyEditor::GetValues(const TGetStrProc&) const {}

void TPropertyEditor::Edit() {}

std::vector<String> TPropertyEditor::ValueList() const {
    std::vector<String> Values;
    GetValues([&](const String& S) { Values.push_back(S); });
    if (GetAttributes().Contains(paSortList))
        std::stable_sort(Values.begin(), Values.end(),
                         [](const String& A, const String& B) { return CompareText(A, B) < 0; });
    return Values;
}

void TPropertyEditor::Modified() {
    if (FDesigner) FDesigner->Modified();
}

Int64 TPropertyEditor::GetOrdValue() const {
    return GetOrdProp(FComponent, FProp);
}
String TPropertyEditor::GetStrValue() const {
    return GetStrProp(FComponent, FProp);
}
Extended TPropertyEditor::GetFloatValue() const {
    return GetFloatProp(FComponent, FProp);
}
TObject* TPropertyEditor::GetObjectValue() const {
    return GetObjectProp(FComponent, FProp);
}

void TPropertyEditor::SetOrdValue(Int64 Value) {
    Int64 Before = GetOrdValue();
    SetOrdProp(FComponent, FProp, Value);
    if (GetOrdValue() != Before) Modified();
}

void TPropertyEditor::SetStrValue(const String& Value) {
    String Before = GetStrValue();
    SetStrProp(FComponent, FProp, Value);
    if (GetStrValue() != Before) Modified();
}

void TPropertyEditor::SetFloatValue(Extended Value) {
    Extended Before = GetFloatValue();
    SetFloatProp(FComponent, FProp, Value);
    if (GetFloatValue() != Before) Modified();
}

void TPropertyEditor::SetObjectValue(TObject* Value) {
    TObject* Before = GetObjectValue();
    SetObjectProp(FComponent, FProp, Value);
    if (GetObjectValue() != Before) Modified();
}

} // namespace host
