// Form text read one piece at a time, for a reader that applies each property as it is met
// instead of first building the whole parsed tree: same syntax, same errors, same lines as
// ParseFormText.
//
// Building the tree is most of the cost of reading a form: reading 10,000 components
// (bench_form_streaming, BM_ParseFormText/10000, release) took 14.1 ms with the tree and
// 8.4 ms when the properties were parsed into one reused value, of a whole read of 21.6 ms.
#pragma once

#include "host/classes/FormText.h"

#include <memory>
#include <string_view>

namespace host {

class TFormTextStream {
public:
    // Raised by NextChild when a property follows the children of its object: the tree
    // reader applies an object's properties before it reads its children, which a reader
    // going along the text cannot do. The read is then made again from the tree.
    struct TOutOfOrder {};

    explicit TFormTextStream(std::string_view Text);
    ~TFormTextStream();
    TFormTextStream(const TFormTextStream&) = delete;
    TFormTextStream& operator=(const TFormTextStream&) = delete;

    // The root object's header ("object Name: TClass [n]"); its Props and Children stay empty.
    void ReadRoot(TFormObject& Root);
    // The next property of the object being read, or nullptr at its first child or its end.
    // Valid until the next call.
    [[nodiscard]] const TFormProperty* NextProperty();
    // The header of the next child of the object being read (Props and Children empty), or
    // nullptr once its "end" is read. Valid while the child is read.
    [[nodiscard]] const TFormObject* NextChild();
    // After the root's "end": raises unless the text ends there.
    void Finish();
    // After the reader failed: the first syntax error of the rest of the text is raised, as
    // the tree reader would have raised it before reading anything; TOutOfOrder where a
    // property follows the children of an object still open (the tree reader would have
    // applied it before the failure).
    void CheckRest();
    // The text itself failed (a syntax error was raised, or TOutOfOrder).
    [[nodiscard]] bool Failed() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

} // namespace host
