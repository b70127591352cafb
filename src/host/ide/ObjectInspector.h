// The Object Inspector's model: for the selected component, one row per published property
// (and per event) with the editor the host chooses, the value shown, the editor's attributes
// and the drop-down values; changes go through those editors.
#pragma once

#include "host/ide/PropertyEditor.h"

#include <memory>
#include <string_view>
#include <vector>

namespace host {

struct TInspectorRow {
    String Name;
    String Value;
    TPropertyAttributes Attributes;
    // The drop-down values (sorted for paSortList); empty without paValueList.
    std::vector<String> Values;
    String EditorClass;
};

// Attribute names for people: "dialog, read-only, value list, sorted" and so on.
String AttributeText(TPropertyAttributes Attributes);

class TObjectInspector {
public:
    // Designer may be null (no form: component lists stay empty, nothing is told).
    explicit TObjectInspector(TFormDesigner* Designer) : FDesigner(Designer) {}

    // Shows Component (nullptr: nothing); editors are made for its published properties.
    void Select(TComponent* Component);
    TComponent* Selection() const { return FSelection; }

    std::vector<TInspectorRow> Properties() const;
    std::vector<TInspectorRow> Events() const;

    // The editor of a property or event of the selection, by name (case ignored); raises
    // EPropertyError "Property X does not exist".
    TPropertyEditor& Editor(std::string_view Name) const;
    void SetValue(std::string_view Name, const String& Value) { Editor(Name).SetValue(Value); }
    void Edit(std::string_view Name) { Editor(Name).Edit(); }

private:
    static TInspectorRow Row(const TPropertyEditor& Editor);

    TFormDesigner* FDesigner;
    TComponent* FSelection = nullptr;
    std::vector<std::unique_ptr<TPropertyEditor>> FProperties;
    std::vector<std::unique_ptr<TPropertyEditor>> FEvents;
};

} // namespace host
