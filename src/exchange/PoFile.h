// Portable-object files (the gettext catalogue format that Poedit, Weblate and the gettext
// tools read): writing them in the layout the gettext tools write without wrapping, and
// reading what those tools and editors write.
#pragma once

#include "host/rtl/Exceptions.h"
#include "host/rtl/Types.h"

#include <optional>
#include <utility>
#include <vector>

namespace zantor {

using host::String;

struct TPoEntry {
    std::vector<String> Comments;  // "# " translator comments
    std::vector<String> Extracted; // "#. " comments for the translator
    std::vector<String> References;
    std::vector<String> Flags; // "fuzzy", "object-pascal-format" ...
    std::optional<String> Context;
    String Id;
    String Str;
    bool Plural = false; // a plural entry (this system has none: reported, not taken)
    int Line = 0;        // line of the entry's msgid when read

    bool HasFlag(std::string_view Flag) const;
};

struct TPoFile {
    std::vector<String> HeaderComments;
    std::vector<std::pair<String, String>> Header; // "Name: value" fields in order
    std::vector<TPoEntry> Entries;

    // The value of a header field (names compare ignoring case); "" when absent.
    String HeaderValue(std::string_view Name) const;
};

// Raised for a file that is not a readable portable-object file: "file:line: reason".
class EPoError : public host::Exception {
public:
    using host::Exception::Exception;
};

[[nodiscard]] String WritePo(const TPoFile& File);
// FileName only names the file in messages. Raises EPoError.
[[nodiscard]] TPoFile ReadPo(std::string_view Text, const String& FileName);

// The string as a quoted literal of the format ("a\"b\n").
[[nodiscard]] String PoQuote(std::string_view S);

} // namespace zantor
