#include "host/typinfo/TypInfo.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"

namespace host {

namespace {

[[noreturn]] void KindMismatch(PPropInfo Prop) {
    throw EPropertyError("Invalid property type: " + Prop->Name);
}

[[noreturn]] void ReadOnly(PPropInfo Prop) {
    throw EPropertyError("Property " + Prop->Name + " is read-only");
}

PPropInfo Require(const TObject* Obj, std::string_view Name) {
    PPropInfo P = GetPropInfo(Obj, Name);
    if (!P) throw EPropertyError("Property " + String(Name) + " does not exist");
    return P;
}

} // namespace

std::vector<PPropInfo> GetPropList(TClass Class, TTypeKinds Kinds) {
    std::vector<PPropInfo> Result;
    Result.reserve(Class->Props.size());
    for (PPropInfo P : Class->Props)
        if (Kinds.Contains(P->Kind())) Result.push_back(P);
    return Result;
}

std::vector<PPropInfo> GetPropList(const TObject* Obj, TTypeKinds Kinds) {
    return GetPropList(Obj->ClassType(), Kinds);
}

PPropInfo GetPropInfo(TClass Class, std::string_view Name) {
    return Class->FindProp(Name);
}

PPropInfo GetPropInfo(const TObject* Obj, std::string_view Name) {
    return GetPropInfo(Obj->ClassType(), Name);
}

bool IsPublishedProp(const TObject* Obj, std::string_view Name) {
    return GetPropInfo(Obj, Name) != nullptr;
}

Int64 GetOrdProp(const TObject* Obj, PPropInfo Prop) {
    if (!Prop->GetOrd) KindMismatch(Prop);
    return Prop->GetOrd(Obj);
}

void SetOrdProp(TObject* Obj, PPropInfo Prop, Int64 Value) {
    if (!Prop->GetOrd) KindMismatch(Prop);
    if (!Prop->SetOrd) ReadOnly(Prop);
    Prop->SetOrd(Obj, Value);
}

String GetStrProp(const TObject* Obj, PPropInfo Prop) {
    if (!Prop->GetStr) KindMismatch(Prop);
    return Prop->GetStr(Obj);
}

void SetStrProp(TObject* Obj, PPropInfo Prop, const String& Value) {
    if (!Prop->GetStr) KindMismatch(Prop);
    if (!Prop->SetStr) ReadOnly(Prop);
    Prop->SetStr(Obj, Value);
}

Extended GetFloatProp(const TObject* Obj, PPropInfo Prop) {
    if (!Prop->GetFloat) KindMismatch(Prop);
    return Prop->GetFloat(Obj);
}

void SetFloatProp(TObject* Obj, PPropInfo Prop, Extended Value) {
    if (!Prop->GetFloat) KindMismatch(Prop);
    if (!Prop->SetFloat) ReadOnly(Prop);
    Prop->SetFloat(Obj, Value);
}

TObject* GetObjectProp(const TObject* Obj, PPropInfo Prop) {
    if (!Prop->GetObj) KindMismatch(Prop);
    return Prop->GetObj(Obj);
}

void SetObjectProp(TObject* Obj, PPropInfo Prop, TObject* Value) {
    if (!Prop->GetObj) KindMismatch(Prop);
    if (!Prop->SetObj) ReadOnly(Prop);
    if (Value && !Value->InheritsFrom(Prop->PropType->ClassType()))
        RaiseInvalidPropertyValue<EPropertyError>();
    Prop->SetObj(Obj, Value);
}

TMethod GetMethodProp(const TObject* Obj, PPropInfo Prop) {
    if (!Prop->GetMethod) KindMismatch(Prop);
    return Prop->GetMethod(Obj);
}

void SetMethodProp(TObject* Obj, PPropInfo Prop, const TMethod& Value) {
    if (!Prop->GetMethod) KindMismatch(Prop);
    if (!Prop->SetMethod) ReadOnly(Prop);
    Prop->SetMethod(Obj, Value);
}

Int64 GetOrdProp(const TObject* Obj, std::string_view Name) {
    return GetOrdProp(Obj, Require(Obj, Name));
}
void SetOrdProp(TObject* Obj, std::string_view Name, Int64 Value) {
    SetOrdProp(Obj, Require(Obj, Name), Value);
}
String GetStrProp(const TObject* Obj, std::string_view Name) {
    return GetStrProp(Obj, Require(Obj, Name));
}
void SetStrProp(TObject* Obj, std::string_view Name, const String& Value) {
    SetStrProp(Obj, Require(Obj, Name), Value);
}
TObject* GetObjectProp(const TObject* Obj, std::string_view Name) {
    return GetObjectProp(Obj, Require(Obj, Name));
}

bool IsStoredProp(const TObject* Obj, PPropInfo Prop) {
    return Prop->IsStored(Obj);
}

String GetEnumName(PTypeInfo Type, Int64 Value) {
    if (Value < 0 || Value >= static_cast<Int64>(Type->EnumNames.size())) return {};
    return Type->EnumNames[static_cast<std::size_t>(Value)];
}

Int64 GetEnumValue(PTypeInfo Type, std::string_view Name) {
    for (std::size_t i = 0; i < Type->EnumNames.size(); ++i)
        if (SameText(Type->EnumNames[i], Name)) return static_cast<Int64>(i);
    return -1;
}

String SetToString(PTypeInfo SetType, std::uint32_t Bits, bool Brackets) {
    String Result;
    const auto& Names = SetType->CompType->EnumNames;
    for (std::size_t i = 0; i < Names.size() && i < 32; ++i) {
        if (!(Bits & (1u << i))) continue;
        if (!Result.empty()) Result += ',';
        Result += Names[i];
    }
    return Brackets ? "[" + Result + "]" : Result;
}

std::uint32_t StringToSet(PTypeInfo SetType, std::string_view Text) {
    String Body = Trim(Text);
    if (!Body.empty() && Body.front() == '[') Body.erase(0, 1);
    if (!Body.empty() && Body.back() == ']') Body.pop_back();
    std::uint32_t Bits = 0;
    if (Trim(Body).empty()) return 0;
    for (const String& Part : SplitString(Body, ',')) {
        String Name = Trim(Part);
        Int64 V = GetEnumValue(SetType->CompType, Name);
        if (V < 0 || V >= 32) throw EPropertyError("Invalid property element: " + Name);
        Bits |= 1u << V;
    }
    return Bits;
}

} // namespace host
