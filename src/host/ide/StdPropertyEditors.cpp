#include "host/ide/StdPropertyEditors.h"

#include "host/classes/Component.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"

namespace host {

ZT_DEFINE_PROPERTY_EDITOR(TIntegerProperty)
ZT_DEFINE_PROPERTY_EDITOR(TCharProperty)
ZT_DEFINE_PROPERTY_EDITOR(TEnumProperty)
ZT_DEFINE_PROPERTY_EDITOR(TSetProperty)
ZT_DEFINE_PROPERTY_EDITOR(TFloatProperty)
ZT_DEFINE_PROPERTY_EDITOR(TStringProperty)
ZT_DEFINE_PROPERTY_EDITOR(TClassProperty)
ZT_DEFINE_PROPERTY_EDITOR(TComponentProperty)
ZT_DEFINE_PROPERTY_EDITOR(TMethodProperty)

namespace {

[[noreturn]] void InvalidPropertyValue() {
    throw EPropertyError("Invalid property value");
}

} // namespace

String TIntegerProperty::GetValue() const {
    return IntToStr(GetOrdValue());
}

void TIntegerProperty::SetValue(const String& Value) {
    Int64 V = StrToInt64(Value);
    PTypeInfo T = GetPropType();
    if (V < T->MinValue || V > T->MaxValue)
        throw EPropertyError("Value must be between " + IntToStr(T->MinValue) + " and " +
                             IntToStr(T->MaxValue));
    SetOrdValue(V);
}

String TCharProperty::GetValue() const {
    auto C = static_cast<unsigned char>(GetOrdValue());
    if (C > ' ' && C < 127) return String(1, static_cast<char>(C));
    return "#" + IntToStr(C);
}

void TCharProperty::SetValue(const String& Value) {
    if (Value.size() == 1) {
        SetOrdValue(static_cast<unsigned char>(Value[0]));
        return;
    }
    if (Value.size() > 1 && Value[0] == '#') {
        std::optional<Integer> Code = TryStrToInt(std::string_view(Value).substr(1));
        if (Code && *Code >= 0 && *Code <= 255) {
            SetOrdValue(*Code);
            return;
        }
    }
    InvalidPropertyValue();
}

TPropertyAttributes TEnumProperty::GetAttributes() const {
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

String TEnumProperty::GetValue() const {
    return GetEnumName(GetPropType(), GetOrdValue());
}

void TEnumProperty::SetValue(const String& Value) {
    Int64 V = GetEnumValue(GetPropType(), Value);
    if (V < 0) InvalidPropertyValue();
    SetOrdValue(V);
}

void TEnumProperty::GetValues(const TGetStrProc& Proc) const {
    for (const String& Name : GetPropType()->EnumNames)
        Proc(Name);
}

TPropertyAttributes TSetProperty::GetAttributes() const {
    return {paMultiSelect, paSubProperties, paRevertable};
}

String TSetProperty::GetValue() const {
    return SetToString(GetPropType(), static_cast<std::uint32_t>(GetOrdValue()), true);
}

void TSetProperty::SetValue(const String& Value) {
    SetOrdValue(StringToSet(GetPropType(), Value));
}

String TFloatProperty::GetValue() const {
    return FloatToStr(GetFloatValue());
}

void TFloatProperty::SetValue(const String& Value) {
    SetFloatValue(StrToFloat(Value));
}

TPropertyAttributes TStringProperty::GetAttributes() const {
    return {paMultiSelect, paRevertable};
}

String TStringProperty::GetValue() const {
    return GetStrValue();
}

void TStringProperty::SetValue(const String& Value) {
    SetStrValue(Value);
}

TPropertyAttributes TClassProperty::GetAttributes() const {
    return {paMultiSelect, paSubProperties, paReadOnly};
}

String TClassProperty::GetValue() const {
    TClass C = GetPropType()->ClassType();
    return "(" + (C ? C->ClassName : String("TObject")) + ")";
}

TPropertyAttributes TComponentProperty::GetAttributes() const {
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

String TComponentProperty::GetValue() const {
    auto* C = As<TComponent>(GetObjectValue());
    if (!C) return String();
    // A component of another module is shown with its module's name.
    TComponent* Root = Designer() ? Designer()->GetRoot() : nullptr;
    if (Root && C != Root && C->Owner() != Root && C->Owner())
        return C->Owner()->Name() + "." + C->Name();
    return C->Name();
}

void TComponentProperty::SetValue(const String& Value) {
    if (Value.empty()) {
        SetObjectValue(nullptr);
        return;
    }
    TComponent* C = Designer() ? Designer()->GetComponent(Value) : nullptr;
    if (!C || !C->InheritsFrom(GetPropType()->ClassType())) InvalidPropertyValue();
    SetObjectValue(C);
}

void TComponentProperty::GetValues(const TGetStrProc& Proc) const {
    if (Designer()) Designer()->GetComponentNames(GetPropType()->ClassType(), Proc);
}

TPropertyAttributes TMethodProperty::GetAttributes() const {
    return {paMultiSelect, paValueList, paSortList, paRevertable};
}

String TMethodProperty::GetValue() const {
    return Designer() ? Designer()->GetMethodName(GetComponent(), GetPropInfo()) : String();
}

void TMethodProperty::SetValue(const String& Value) {
    if (!Designer()) throw EPropertyError("Property is read-only");
    if (Value == GetValue()) return;
    Designer()->SetMethodName(GetComponent(), GetPropInfo(), Value);
    Modified();
}

TPropertyEditorClass DefaultPropertyEditorClass(PPropInfo Prop) {
    switch (Prop->Kind()) {
    case tkInteger:
    case tkInt64:
        return TIntegerProperty::EditorClass();
    case tkChar:
    case tkWChar:
        return TCharProperty::EditorClass();
    case tkEnumeration:
        return TEnumProperty::EditorClass();
    case tkSet:
        return TSetProperty::EditorClass();
    case tkFloat:
        return TFloatProperty::EditorClass();
    case tkString:
    case tkLString:
    case tkWString:
        return TStringProperty::EditorClass();
    case tkClass: {
        TClass C = Prop->PropType->ClassType();
        if (C && C->InheritsFrom(TComponent::StaticClass()))
            return TComponentProperty::EditorClass();
        return TClassProperty::EditorClass();
    }
    case tkMethod:
        return TMethodProperty::EditorClass();
    default:
        return TPropertyEditor::EditorClass();
    }
}

} // namespace host
