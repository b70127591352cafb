// Property access through run-time type information, by property record or by name.
#pragma once

#include "host/typinfo/Object.h"

namespace host {

// Published properties of the given kinds, base class first.
std::vector<PPropInfo> GetPropList(const TObject* Obj, TTypeKinds Kinds = tkAny);
std::vector<PPropInfo> GetPropList(TClass Class, TTypeKinds Kinds = tkAny);
// Property by name (case ignored); nullptr when there is none.
[[nodiscard]] PPropInfo GetPropInfo(const TObject* Obj, std::string_view Name);
[[nodiscard]] PPropInfo GetPropInfo(TClass Class, std::string_view Name);
bool IsPublishedProp(const TObject* Obj, std::string_view Name);

// Accessors. Reading a property of another kind, or writing a read-only one, raises
// EPropertyError; the by-name forms raise EPropertyError "Property X does not exist" first.
Int64 GetOrdProp(const TObject* Obj, PPropInfo Prop);
void SetOrdProp(TObject* Obj, PPropInfo Prop, Int64 Value);
String GetStrProp(const TObject* Obj, PPropInfo Prop);
void SetStrProp(TObject* Obj, PPropInfo Prop, const String& Value);
Extended GetFloatProp(const TObject* Obj, PPropInfo Prop);
void SetFloatProp(TObject* Obj, PPropInfo Prop, Extended Value);
TObject* GetObjectProp(const TObject* Obj, PPropInfo Prop);
// Value must be nullptr or an instance of the property's class.
void SetObjectProp(TObject* Obj, PPropInfo Prop, TObject* Value);
TMethod GetMethodProp(const TObject* Obj, PPropInfo Prop);
void SetMethodProp(TObject* Obj, PPropInfo Prop, const TMethod& Value);

Int64 GetOrdProp(const TObject* Obj, std::string_view Name);
void SetOrdProp(TObject* Obj, std::string_view Name, Int64 Value);
String GetStrProp(const TObject* Obj, std::string_view Name);
void SetStrProp(TObject* Obj, std::string_view Name, const String& Value);
TObject* GetObjectProp(const TObject* Obj, std::string_view Name);

bool IsStoredProp(const TObject* Obj, PPropInfo Prop);

// Enumeration member names; GetEnumName of a value out of range gives "".
String GetEnumName(PTypeInfo Type, Int64 Value);
// -1 when Name (case ignored) is no member.
Int64 GetEnumValue(PTypeInfo Type, std::string_view Name);

// Set bits as "[a,b]" (Brackets) or "a,b", and back; unknown names raise EPropertyError
// "Invalid property element: x".
String SetToString(PTypeInfo SetType, std::uint32_t Bits, bool Brackets = false);
std::uint32_t StringToSet(PTypeInfo SetType, std::string_view Text);

} // namespace host
