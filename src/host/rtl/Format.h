// Format: the host's printf-like formatting with argument checking.
#pragma once

#include "host/rtl/Types.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

namespace host {

// One argument of Format; the kind decides which specifiers accept it.
class TVarRec {
public:
    TVarRec(int V) : FValue(Int64{V}) {}
    TVarRec(long V) : FValue(Int64{V}) {}
    TVarRec(long long V) : FValue(Int64{V}) {}
    TVarRec(unsigned V) : FValue(Int64{V}) {}
    TVarRec(unsigned long V) : FValue(static_cast<Int64>(V)) {}
    TVarRec(unsigned long long V) : FValue(static_cast<Int64>(V)) {}
    TVarRec(double V) : FValue(V) {}
    TVarRec(char V) : FValue(String(1, V)) {}
    TVarRec(const char* V) : FValue(String(V ? V : "")) {}
    TVarRec(std::string_view V) : FValue(String(V)) {}
    TVarRec(const String& V) : FValue(V) {}
    TVarRec(const void* V) : FValue(V) {}
    TVarRec(std::nullptr_t) : FValue(static_cast<const void*>(nullptr)) {}
    TVarRec(bool) = delete; // ambiguous in the host too: pass an integer or a text

    const std::variant<Int64, double, String, const void*>& Value() const { return FValue; }

private:
    std::variant<Int64, double, String, const void*> FValue;
};

// Specifiers: "%" ["index:"] ["-"] [width] ["." precision] type, with type one of
// d u x e f g n m p s (any case), "*" taking width/precision from the arguments, "%%" a "%".
// Raises EConvertError "Format '<fmt>' invalid or incompatible with argument" on any
// malformed specifier, missing argument or argument of the wrong kind.
String Format(std::string_view Fmt, std::initializer_list<TVarRec> Args);
// The same for arguments gathered at run time.
String Format(std::string_view Fmt, std::span<const TVarRec> Args);

} // namespace host
