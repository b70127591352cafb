// Form text: the parsed shape of a form file ("object Name: TClass ... end"), its parser
// and its printer. The parser works at the syntax level only; classes and properties are
// checked by TReader.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>
#include <vector>

namespace host {

enum TValueType {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String
};

struct TFormItem;

// One value: integer, float, string (already decoded to bytes), identifier (enumeration
// member, True/False, nil, component reference, method name), set, list, collection or
// binary data (the bytes, decoded from hexadecimal).
struct TFormValue {
    TValueType Type = vaNull;
    Int64 Int = 0;
    Extended Float = 0;
    String Str;
    std::vector<String> SetItems;
    std::vector<TFormValue> Items;
    std::vector<TFormItem> Collection;
    int Line = 0;
};

struct TFormProperty {
    String Name; // may be dotted: "Font.Name"
    TFormValue Value;
    int Line = 0;
};

struct TFormItem {
    std::vector<TFormProperty> Props;
    int Index = -1; // "item [n]" when given
    int Line = 0;
};

enum class TFormObjectKind { Object, Inherited, Inline };

struct TFormObject {
    TFormObjectKind Kind = TFormObjectKind::Object;
    String Name; // may be empty
    String ClassName;
    int Index = -1; // creation order "[n]" when given
    std::vector<TFormProperty> Props;
    std::vector<TFormObject> Children;
    int Line = 0;
};

// Parses one object (with its children). A UTF-8 byte-order mark and trailing blank lines
// are accepted. Raises EParserError "<what> on line <n>" for malformed text.
TFormObject ParseFormText(std::string_view Text);

// Prints in the layout the host IDE writes: two blanks per level, one property per line,
// non-printable characters as #nn codes, long strings split with "+".
String PrintFormText(const TFormObject& Root);

} // namespace host
