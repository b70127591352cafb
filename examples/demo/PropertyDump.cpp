#include "PropertyDump.h"

#include "host/classes/Strings.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"

using namespace host;

namespace {

String OrdinalText(PTypeInfo Type, Int64 Value) {
    String Ident;
    switch (Type->Kind) {
    case tkEnumeration:
        return GetEnumName(Type, Value);
    case tkSet:
        return SetToString(Type, static_cast<std::uint32_t>(Value), true);
    case tkChar:
        return Value == 0 ? String("#0") : QuotedStr(String(1, static_cast<char>(Value)));
    default:
        return Type->ToIdent && Type->ToIdent(Value, Ident) ? Ident : IntToStr(Value);
    }
}

String MethodText(const TMethod& M) {
    if (!M.Code || !M.Data) return "nil";
    String Name = M.Data->MethodName(M.Code);
    return Name.empty() ? String("(unpublished handler)") : Name;
}

void PrintProperties(std::ostream& Out, TObject* Obj, const String& Indent, const String& Prefix);

void PrintObjectValue(std::ostream& Out, TObject* Value, const String& Indent, const String& Path) {
    if (!Value) {
        Out << Indent << Path << " = nil\n";
    } else if (auto* C = As<TComponent>(Value)) {
        Out << Indent << Path << " = "
            << (C->Name().empty() ? "(unnamed " + C->ClassName() + ")" : C->Name()) << "\n";
    } else if (auto* Lines = As<TStrings>(Value)) {
        Out << Indent << Path << " = (" << Lines->Count() << " lines)\n";
        for (int i = 0; i < Lines->Count(); ++i)
            Out << Indent << "  " << QuotedStr(Lines->Strings(i)) << "\n";
    } else {
        PrintProperties(Out, Value, Indent, Path + ".");
    }
}

void PrintProperties(std::ostream& Out, TObject* Obj, const String& Indent, const String& Prefix) {
    for (PPropInfo P : GetPropList(Obj)) {
        String Path = Prefix + P->Name;
        switch (P->Kind()) {
        case tkInteger:
        case tkInt64:
        case tkChar:
        case tkEnumeration:
        case tkSet:
            Out << Indent << Path << " = " << OrdinalText(P->PropType, GetOrdProp(Obj, P)) << "\n";
            break;
        case tkFloat:
            Out << Indent << Path << " = " << FloatToStr(GetFloatProp(Obj, P)) << "\n";
            break;
        case tkString:
        case tkLString:
        case tkWString:
            Out << Indent << Path << " = " << QuotedStr(GetStrProp(Obj, P)) << "\n";
            break;
        case tkClass:
            PrintObjectValue(Out, GetObjectProp(Obj, P), Indent, Path);
            break;
        case tkMethod:
            Out << Indent << Path << " = " << MethodText(GetMethodProp(Obj, P)) << "\n";
            break;
        default:
            Out << Indent << Path << " = (" << P->PropType->TypeName() << ")\n";
            break;
        }
    }
}

} // namespace

void PrintComponentTree(std::ostream& Out, TComponent* Component, TComponent* Root, int Depth) {
    String Indent(static_cast<std::size_t>(Depth) * 2, ' ');
    Out << Indent << Component->Name() << ": " << Component->ClassName() << "\n";
    PrintProperties(Out, Component, Indent + "  | ", "");
    Component->GetChildren(
        [&](TComponent* Child) { PrintComponentTree(Out, Child, Root, Depth + 1); }, Root);
}
