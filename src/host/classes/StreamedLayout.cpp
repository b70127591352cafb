#include "host/classes/StreamedLayout.h"

#include <algorithm>
#include <memory>

namespace host {

namespace {

// Never destroyed: components freed during static destruction still look here.
std::unordered_map<const TObject*, std::unique_ptr<TStreamedLayout>>& Layouts() {
    static auto* Map = new std::unordered_map<const TObject*, std::unique_ptr<TStreamedLayout>>;
    return *Map;
}

} // namespace

bool TStreamedLayout::IsKept(std::string_view Name) const {
    return std::any_of(Kept.begin(), Kept.end(),
                       [Name](const TFormProperty& P) { return SameText(P.Name, Name); });
}

TStreamedLayout* FindStreamedLayout(const TObject* Obj) {
    auto& Map = Layouts();
    if (Map.empty()) return nullptr;
    auto It = Map.find(Obj);
    return It == Map.end() ? nullptr : It->second.get();
}

TStreamedLayout& StreamedLayoutOf(const TObject* Obj) {
    auto& Slot = Layouts()[Obj];
    if (!Slot) Slot = std::make_unique<TStreamedLayout>();
    return *Slot;
}

void ForgetStreamedLayout(const TObject* Obj) {
    auto& Map = Layouts();
    if (Map.empty()) return;
    auto It = Map.find(Obj);
    if (It == Map.end()) return;
    std::unique_ptr<TStreamedLayout> Gone = std::move(It->second);
    Map.erase(It);
    if (Gone->ReadParent)
        if (TStreamedLayout* Parent = FindStreamedLayout(Gone->ReadParent))
            std::erase(Parent->Children, Obj);
    for (TComponent* Child : Gone->Children)
        if (TStreamedLayout* L = FindStreamedLayout(Child)) L->ReadParent = nullptr;
}

} // namespace host
