// Run-time type information: what the reflection registry knows about a property's type.
#pragma once

#include "host/rtl/Set.h"
#include "host/rtl/Types.h"

#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace host {

class TObject;
struct TClassInfo;
using TClass = const TClassInfo*;

enum TTypeKind : std::uint8_t {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray
};
using TTypeKinds = TSet<TTypeKind>;

inline const TTypeKinds tkAny = TTypeKinds::FromBits((1u << (tkDynArray + 1)) - 1);
inline const TTypeKinds tkMethods{tkMethod};
inline const TTypeKinds tkProperties = tkAny - tkMethods - TTypeKinds{tkUnknown};

enum TOrdType : std::uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : std::uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    String Name;
    // Ordinal types.
    TOrdType OrdType = otSLong;
    Int64 MinValue = 0;
    Int64 MaxValue = 0;
    std::vector<String> EnumNames;       // tkEnumeration, in ordinal order
    const TTypeInfo* CompType = nullptr; // tkSet: the element enumeration
    TFloatType FloatType = ftDouble;
    // tkClass: resolved on demand so that classes may refer to each other while registering.
    TClass (*ClassRef)() = nullptr;
    // tkMethod: the signature that handlers must have.
    const std::type_info* MethodSignature = nullptr;
    // tkInteger: optional identifiers for values (colour names such as "clBtnFace"),
    // used by streaming in both directions.
    mutable bool (*ToIdent)(Int64 Value, String& Ident) = nullptr;
    mutable bool (*FromIdent)(std::string_view Ident, Int64& Value) = nullptr;

    TClass ClassType() const { return ClassRef ? ClassRef() : nullptr; }
    const String& TypeName() const;
};
using PTypeInfo = const TTypeInfo*;

// TTypeInfoOf<T>::Get() gives the type information of a C++ type used for a property.
// Built-in types are covered here; enumerations and sets are declared next to their type.
template <class T, class = void> struct TTypeInfoOf; // undefined: the type has no information

template <class T> PTypeInfo TypeInfo() {
    return TTypeInfoOf<std::remove_cvref_t<T>>::Get();
}

#define ZT_BUILTIN_TYPEINFO(Type)                                                                  \
    template <> struct TTypeInfoOf<Type> { static PTypeInfo Get(); }
ZT_BUILTIN_TYPEINFO(int);
ZT_BUILTIN_TYPEINFO(unsigned);
ZT_BUILTIN_TYPEINFO(bool);
ZT_BUILTIN_TYPEINFO(char);
ZT_BUILTIN_TYPEINFO(double);
ZT_BUILTIN_TYPEINFO(float);
ZT_BUILTIN_TYPEINFO(long);
ZT_BUILTIN_TYPEINFO(long long);
ZT_BUILTIN_TYPEINFO(String);
#undef ZT_BUILTIN_TYPEINFO

// Gives an integer type identifiers for some of its values.
void RegisterIntegerIdents(PTypeInfo Type, bool (*ToIdent)(Int64, String&),
                           bool (*FromIdent)(std::string_view, Int64&));

// Type information for the kinds that are published but never streamed or translated.
PTypeInfo OpaqueTypeInfo(TTypeKind Kind);

// Makers used by the declaration macros below.
TTypeInfo MakeEnumTypeInfo(const char* Name, std::vector<String> Names);
TTypeInfo MakeSetTypeInfo(const char* Name, PTypeInfo Element);
TTypeInfo MakeIntegerTypeInfo(const char* Name);

// In a header, after the enumeration or set type: declares its type information.
#define ZT_DECLARE_TYPEINFO(Type)                                                                  \
    template <> struct host::TTypeInfoOf<Type> { static host::PTypeInfo Get(); }
// In the source file: enumeration members by name, in ordinal order.
#define ZT_DEFINE_ENUM(Type, ...)                                                                  \
    host::PTypeInfo host::TTypeInfoOf<Type>::Get() {                                               \
        static const host::TTypeInfo Info = host::MakeEnumTypeInfo(#Type, {__VA_ARGS__});          \
        return &Info;                                                                              \
    }
// A set of an enumeration declared with ZT_DECLARE_TYPEINFO.
#define ZT_DEFINE_SET(Type)                                                                        \
    host::PTypeInfo host::TTypeInfoOf<Type>::Get() {                                               \
        static const host::TTypeInfo Info =                                                        \
            host::MakeSetTypeInfo(#Type, host::TypeInfo<Type::Element>());                         \
        return &Info;                                                                              \
    }
// An integer type with a name of its own (such as TColor), made distinct as an enum.
#define ZT_DEFINE_INTEGER_TYPE(Type)                                                               \
    host::PTypeInfo host::TTypeInfoOf<Type>::Get() {                                               \
        static const host::TTypeInfo Info = host::MakeIntegerTypeInfo(#Type);                      \
        return &Info;                                                                              \
    }

} // namespace host
