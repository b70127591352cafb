// TResStringList: the resource translator's sorted list of source texts, with an index that
// answers exact look-ups of whole lines in constant time on average. Every change drops the
// index; it is built again once enough look-ups have been made since (so that rebuilding costs
// no more than the bisections it saves), and only for a list in strictly ascending byte order,
// where it finds exactly the line that SortFind finds.
#pragma once

#include "translators/SortList.h"

#include <cstdint>
#include <vector>

namespace zantor {

class TResStringList : public TSortList {
    ZT_CLASS(TResStringList, TSortList)
public:
    TResStringList() : TSortList(true) {}

    // The line equal to S, or -1: what SortFind in position mode finds.
    int FindLine(std::string_view S) const;

protected:
    void Changing() override;

private:
    bool BuildIndex() const;
    int Probe(std::string_view S) const;

    // Each slot: the upper 32 bits of the text's hash and the line number + 1 (0: empty).
    mutable std::vector<std::uint64_t> FSlots;
    mutable bool FIndexed = false;
    mutable bool FIndexUsable = false;
    mutable std::size_t FLookupsSinceChange = 0;
};

} // namespace zantor
