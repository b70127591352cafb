#include "host/ide/ObjectInspector.h"

#include "host/classes/Component.h"
#include "host/ide/DesignRegistry.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"

namespace host {

String AttributeText(TPropertyAttributes Attributes) {
    static const std::pair<TPropertyAttribute, const char*> Names[] = {
        {paDialog, "dialog"},
        {paReadOnly, "read-only"},
        {paValueList, "value list"},
        {paSortList, "sorted"},
        {paSubProperties, "sub-properties"},
        {paMultiSelect, "multi-select"},
        {paAutoUpdate, "auto-update"},
        {paRevertable, "revertable"}};
    String Text;
    for (const auto& [Attribute, Name] : Names) {
        if (!Attributes.Contains(Attribute)) continue;
        if (!Text.empty()) Text += ", ";
        Text += Name;
    }
    return Text;
}

void TObjectInspector::Select(TComponent* Component) {
    FProperties.clear();
    FEvents.clear();
    FSelection = Component;
    if (!Component) return;
    for (PPropInfo P : GetPropList(Component, tkProperties))
        FProperties.push_back(CreatePropertyEditor(FDesigner, Component, P));
    for (PPropInfo P : GetPropList(Component, tkMethods))
        FEvents.push_back(CreatePropertyEditor(FDesigner, Component, P));
}

TInspectorRow TObjectInspector::Row(const TPropertyEditor& Editor) {
    TInspectorRow R;
    R.Name = Editor.GetName();
    R.Value = Editor.GetValue();
    R.Attributes = Editor.GetAttributes();
    if (R.Attributes.Contains(paValueList)) R.Values = Editor.ValueList();
    R.EditorClass = Editor.ClassName();
    return R;
}

std::vector<TInspectorRow> TObjectInspector::Properties() const {
    std::vector<TInspectorRow> Rows;
    for (const auto& E : FProperties)
        Rows.push_back(Row(*E));
    return Rows;
}

std::vector<TInspectorRow> TObjectInspector::Events() const {
    std::vector<TInspectorRow> Rows;
    for (const auto& E : FEvents)
        Rows.push_back(Row(*E));
    return Rows;
}

TPropertyEditor& TObjectInspector::Editor(std::string_view Name) const {
    for (const auto* List : {&FProperties, &FEvents})
        for (const auto& E : *List)
            if (SameText(E->GetName(), Name)) return *E;
    throw EPropertyError("Property " + String(Name) + " does not exist");
}

} // namespace host
