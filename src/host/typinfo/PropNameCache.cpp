#include "host/typinfo/PropNameCache.h"

#include <algorithm>

namespace host {

namespace {

// Names are a few bytes long: compared in place rather than through a call to memcmp.
bool SameBytes(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (A[i] != B[i]) return false;
    return true;
}

} // namespace

PPropInfo TPropNameCache::Find(TClass Class, std::string_view Name) {
    if (Class->Transient) return Class->FindProp(Name);
    if (Class != FLastClass) {
        FLast = &FClasses[Class];
        FLastClass = Class;
    }
    std::vector<TEntry>& Entries = FLast->Entries;
    const std::size_t Count = Entries.size();
    for (std::size_t Tried = 0, i = FLast->Next; Tried < Count; ++Tried) {
        if (i == Count) i = 0;
        if (SameBytes(Entries[i].Name, Name)) {
            FLast->Next = i + 1;
            return Entries[i].Info;
        }
        ++i;
    }
    PPropInfo Info = Class->FindProp(Name);
    if (Count < MaxNamesPerClass) {
        // Kept in the class's order of properties, which is the order they are written in,
        // so that the next name of a component is found a step or two ahead even when it
        // skips properties left at their defaults; other names (defined properties) follow.
        const auto& Props = Class->Props;
        std::size_t Order =
            static_cast<std::size_t>(std::find(Props.begin(), Props.end(), Info) - Props.begin());
        if (!Info) Order = Props.size() + Count;
        auto At = std::upper_bound(Entries.begin(), Entries.end(), Order,
                                   [](std::size_t O, const TEntry& E) { return O < E.Order; });
        At = Entries.insert(At, {String(Name), Info, Order});
        FLast->Next = static_cast<std::size_t>(At - Entries.begin()) + 1;
    }
    return Info;
}

} // namespace host
