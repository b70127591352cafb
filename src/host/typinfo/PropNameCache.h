// Published properties by the names a form text spells them, for one read of the text.
//
// A form repeats the same few property names, in the same case and order, for every component
// of a class. Remembering the names met per class, in the class's order, and trying first the
// one after the last name found answers nearly every look-up with one or two exact comparisons,
// where the class's own index hashes the name folding its case and compares it again ignoring
// case. Reading 10,000 components of up to eight properties (bench_form_streaming,
// BM_ReadForm/10000, callgrind) took about 190 instructions per look-up through the index and
// takes about 45 through this cache: from 11% of the whole read's instructions to under 5%.
#pragma once

#include "host/typinfo/Object.h"

#include <unordered_map>
#include <vector>

namespace host {

class TPropNameCache {
public:
    // What Class->FindProp(Name) answers (nullptr included). Classes built for one object
    // (Transient) are always asked afresh, as their properties grow and their address may be
    // reused by the next such class.
    [[nodiscard]] PPropInfo Find(TClass Class, std::string_view Name);

private:
    struct TEntry {
        String Name; // as spelled in the text
        PPropInfo Info;
        std::size_t Order; // the property's place in the class, unknown names last
    };
    struct TClassNames {
        std::vector<TEntry> Entries; // by Order
        std::size_t Next = 0;        // tried first: the entry after the last one found
    };
    // A class spelling more names than this is not worth scanning: look-ups past it go to the
    // class's index.
    static constexpr std::size_t MaxNamesPerClass = 64;

    std::unordered_map<TClass, TClassNames> FClasses;
    TClass FLastClass = nullptr;
    TClassNames* FLast = nullptr;
};

} // namespace host
