// TPropertyEditor: how the Object Inspector shows and changes one published property of a
// component: its attributes (ellipsis button, drop-down list, read-only text ...), the value
// shown, setting a typed value through the property's setter, the drop-down values and the
// edit action behind the ellipsis. Changes reach the designer through Modified.
#pragma once

#include "host/ide/FormDesigner.h"
#include "host/rtl/Set.h"

#include <memory>
#include <vector>

namespace host {

class TComponent;

enum TPropertyAttribute {
    paValueList,     // a drop-down list of values (GetValues)
    paSubProperties, // the value has properties of its own
    paDialog,        // an ellipsis button runs Edit
    paMultiSelect,   // also shown when several components are selected
    paAutoUpdate,    // SetValue at each keystroke
    paSortList,      // the drop-down list is shown sorted
    paReadOnly,      // the text cannot be typed
    paRevertable     // can be put back to the inherited value
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

class TPropertyEditor;
struct TPropertyEditorClassInfo {
    String ClassName;
    std::unique_ptr<TPropertyEditor> (*Create)(TFormDesigner* Designer, TComponent* Component,
                                               PPropInfo Prop) = nullptr;
};
// What RegisterPropertyEditor takes: the identity and the maker of an editor class.
using TPropertyEditorClass = const TPropertyEditorClassInfo*;

class TPropertyEditor {
public:
    // Designer may be null (then Modified tells nobody).
    TPropertyEditor(TFormDesigner* Designer, TComponent* Component, PPropInfo Prop);
    virtual ~TPropertyEditor() = default;
    TPropertyEditor(const TPropertyEditor&) = delete;
    TPropertyEditor& operator=(const TPropertyEditor&) = delete;

    static TPropertyEditorClass EditorClass();
    virtual TPropertyEditorClass ClassType() const { return EditorClass(); }
    const String& ClassName() const { return ClassType()->ClassName; }

    virtual TPropertyAttributes GetAttributes() const;
    // The text the Object Inspector shows.
    virtual String GetValue() const;
    // Sets the property from typed text through its setter; raises EPropertyError when the
    // text is no value of the property or the property is read-only.
    virtual void SetValue(const String& Value);
    // The drop-down values, in the order built (the inspector sorts them for paSortList).
    virtual void GetValues(const TGetStrProc& Proc) const;
    // The action of the ellipsis button (and of a double-click on the value).
    virtual void Edit();

    // The values as the drop-down shows them: sorted (ignoring case) for paSortList.
    std::vector<String> ValueList() const;
    const String& GetName() const { return FProp->Name; }
    PPropInfo GetPropInfo() const { return FProp; }
    PTypeInfo GetPropType() const { return FProp->PropType; }
    TComponent* GetComponent() const { return FComponent; }
    TFormDesigner* Designer() const { return FDesigner; }
    // Tells the designer that the form changed.
    void Modified();

protected:
    Int64 GetOrdValue() const;
    String GetStrValue() const;
    Extended GetFloatValue() const;
    TObject* GetObjectValue() const;
    // The setters write through the property's setter and tell the designer when the value
    // read back differs from the one before (a setter may refuse a value).
    void SetOrdValue(Int64 Value);
    void SetStrValue(const String& Value);
    void SetFloatValue(Extended Value);
    void SetObjectValue(TObject* Value);

private:
    TFormDesigner* FDesigner;
    TComponent* FComponent;
    PPropInfo FProp;
};

// In a property editor class body: its identity for the registry.
#define ZT_PROPERTY_EDITOR(Name, Parent)                                                           \
public:                                                                                            \
    using inherited = Parent;                                                                      \
    using inherited::inherited;                                                                    \
    static ::host::TPropertyEditorClass EditorClass();                                             \
    ::host::TPropertyEditorClass ClassType() const override {                                      \
        return Name::EditorClass();                                                                \
    }

// In the source file of that class.
#define ZT_DEFINE_PROPERTY_EDITOR(Name)                                                            \
    ::host::TPropertyEditorClass Name::EditorClass() {                                             \
        static const ::host::TPropertyEditorClassInfo Info{                                        \
            #Name,                                                                                 \
            [](::host::TFormDesigner* D, ::host::TComponent* C,                                    \
               ::host::PPropInfo P) -> std::unique_ptr<::host::TPropertyEditor> {                  \
                return std::make_unique<Name>(D, C, P);                                            \
            }};                                                                                    \
        return &Info;                                                                              \
    }

} // namespace host
