// How an object was written in the form text it was read from, kept by the tolerant reader so
// that writing it back gives the same text: the order of its properties, the ones no class
// could take (unknown properties, handlers without a method, references that could not be
// resolved) as written, and the header and children of a component.
#pragma once

#include "host/classes/Component.h"
#include "host/classes/FormText.h"

#include <unordered_map>

namespace host {

struct TStreamedLayout {
    std::vector<TFormProperty> Kept;
    // What the writer would add to the text right after reading (values the classes derive,
    // such as a form's size from its client size): left out while they stay so.
    std::vector<TFormProperty> Implied;
    TFormObjectKind Kind = TFormObjectKind::Object;
    int Index = -1;
    TComponent* ReadParent = nullptr;
    std::vector<TComponent*> Children;

    // A property read from the text, with its value as written.
    void AddRead(const TFormProperty& P) {
        if (Order.emplace(P.Name, static_cast<int>(Written.size())).second)
            Written.push_back(P.Value);
    }
    // Values as written, by position; and as the classes hold them once the form is loaded
    // (reading may normalise a value, such as tab orders among siblings of unknown classes):
    // while a property keeps its loaded value, the written one is written back.
    std::vector<TFormValue> Written;
    std::unordered_map<int, TFormValue> LoadedValues;
    // Position of a property (dotted name) in the text; -1 when it was not written.
    int OrderOf(std::string_view Name) const {
        auto It = Order.find(Name);
        return It == Order.end() ? -1 : It->second;
    }
    bool IsKept(std::string_view Name) const;

private:
    std::unordered_map<String, int, TextHash, TextEqual> Order;
};

// nullptr when Obj was not read in the tolerant mode.
TStreamedLayout* FindStreamedLayout(const TObject* Obj);
TStreamedLayout& StreamedLayoutOf(const TObject* Obj);
// Called when Obj goes away.
void ForgetStreamedLayout(const TObject* Obj);
// Records the Implied properties of Component (and of its collection items), read as part
// of Root; called by the reader once the form is loaded.
void RecordImpliedProperties(TComponent* Root, TComponent* Component);

} // namespace host
