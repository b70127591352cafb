#include "host/typinfo/TypeData.h"

#include "host/typinfo/Object.h"

#include <array>

namespace host {

const String& TTypeInfo::TypeName() const {
    if (Kind == tkClass && ClassRef) return ClassRef()->ClassName;
    return Name;
}

void RegisterIntegerIdents(PTypeInfo Type, bool (*ToIdent)(Int64, String&),
                           bool (*FromIdent)(std::string_view, Int64&)) {
    Type->ToIdent = ToIdent;
    Type->FromIdent = FromIdent;
}

TTypeInfo MakeEnumTypeInfo(const char* Name, std::vector<String> Names) {
    TTypeInfo I;
    I.Kind = tkEnumeration;
    I.Name = Name;
    I.OrdType = Names.size() <= 256 ? otUByte : otUWord;
    I.MaxValue = static_cast<Int64>(Names.size()) - 1;
    I.EnumNames = std::move(Names);
    return I;
}

TTypeInfo MakeSetTypeInfo(const char* Name, PTypeInfo Element) {
    TTypeInfo I;
    I.Kind = tkSet;
    I.Name = Name;
    I.CompType = Element;
    return I;
}

namespace {

TTypeInfo Ordinal(TTypeKind Kind, const char* Name, TOrdType Ord, Int64 Min, Int64 Max) {
    TTypeInfo I;
    I.Kind = Kind;
    I.Name = Name;
    I.OrdType = Ord;
    I.MinValue = Min;
    I.MaxValue = Max;
    return I;
}

TTypeInfo Float(const char* Name, TFloatType Type) {
    TTypeInfo I;
    I.Kind = tkFloat;
    I.Name = Name;
    I.FloatType = Type;
    return I;
}

} // namespace

TTypeInfo MakeIntegerTypeInfo(const char* Name) {
    return Ordinal(tkInteger, Name, otSLong, INT32_MIN, INT32_MAX);
}

#define ZT_BUILTIN(Type, Expr)                                                                     \
    PTypeInfo TTypeInfoOf<Type>::Get() {                                                           \
        static const TTypeInfo Info = Expr;                                                        \
        return &Info;                                                                              \
    }

ZT_BUILTIN(int, Ordinal(tkInteger, "Integer", otSLong, INT32_MIN, INT32_MAX))
ZT_BUILTIN(unsigned, Ordinal(tkInteger, "Cardinal", otULong, 0, UINT32_MAX))
ZT_BUILTIN(char, Ordinal(tkChar, "Char", otUByte, 0, 255))
ZT_BUILTIN(bool, MakeEnumTypeInfo("Boolean", {"False", "True"}))
ZT_BUILTIN(double, Float("Double", ftDouble))
ZT_BUILTIN(float, Float("Single", ftSingle))
ZT_BUILTIN(long, Ordinal(tkInt64, "Int64", otSLong, INT64_MIN, INT64_MAX))
ZT_BUILTIN(long long, Ordinal(tkInt64, "Int64", otSLong, INT64_MIN, INT64_MAX))
ZT_BUILTIN(String, [] {
    TTypeInfo I;
    I.Kind = tkLString;
    I.Name = "String";
    return I;
}())
#undef ZT_BUILTIN

PTypeInfo OpaqueTypeInfo(TTypeKind Kind) {
    static const auto Infos = [] {
        static const char* const Names[] = {
            "Unknown", "Integer", "Char",   "Enumeration", "Float",      "ShortString",
            "Set",     "Class",   "Method", "WideChar",    "AnsiString", "WideString",
            "Variant", "Array",   "Record", "Interface",   "Int64",      "DynArray"};
        std::array<TTypeInfo, tkDynArray + 1> A;
        for (std::size_t k = 0; k < A.size(); ++k) {
            A[k].Kind = static_cast<TTypeKind>(k);
            A[k].Name = Names[k];
        }
        return A;
    }();
    return &Infos.at(Kind);
}

} // namespace host
