// XLIFF 1.2 documents (the interchange format of translation memories and CAT tools such as
// memoQ, Trados and Crowdin): writing the subset this system needs, and reading what such tools
// give back.
#pragma once

#include "host/rtl/Exceptions.h"
#include "host/rtl/Types.h"

#include <optional>
#include <vector>

namespace zantor {

using host::String;

struct TXliffUnit {
    String Id;      // unique within its file
    String ResName; // the entry's context
    String Source;
    std::optional<String> Target;
    String State; // of the target: "translated", "needs-review-translation" ...
    std::vector<String> Notes;
};

// One <file>: the texts of one form.
struct TXliffFile {
    String Original;
    String SourceLanguage; // "en-US"
    String TargetLanguage; // "fr-FR"
    std::vector<TXliffUnit> Units;
};

struct TXliffDocument {
    std::vector<TXliffFile> Files;
};

// Raised for a document that is not XLIFF 1.2 this reader understands: "file:line: reason".
class EXliffError : public host::Exception {
public:
    using host::Exception::Exception;
};

// Texts must be UTF-8 without control characters other than tab, line feed and carriage
// return (XML cannot carry them; see XmlCanCarry).
[[nodiscard]] String WriteXliff(const TXliffDocument& Document);
// FileName only names the file in messages. Raises EXliffError.
[[nodiscard]] TXliffDocument ReadXliff(std::string_view Text, const String& FileName);

// Whether an XML 1.0 document can hold Text as character data.
[[nodiscard]] bool XmlCanCarry(std::string_view Text);

} // namespace zantor
