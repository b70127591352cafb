// TComponentEditor: the commands of a component's context menu in the designer (verbs), and
// what a double-click does (Edit, by default the first verb). TDefaultEditor serves the
// components that have no editor of their own.
#pragma once

#include "host/ide/FormDesigner.h"

#include <memory>

namespace host {

class TComponent;
class TComponentEditor;

struct TComponentEditorClassInfo {
    String ClassName;
    std::unique_ptr<TComponentEditor> (*Create)(TComponent* Component,
                                                TFormDesigner* Designer) = nullptr;
};
using TComponentEditorClass = const TComponentEditorClassInfo*;

class TComponentEditor {
public:
    // Designer may be null (then Modified tells nobody).
    TComponentEditor(TComponent* Component, TFormDesigner* Designer);
    virtual ~TComponentEditor() = default;
    TComponentEditor(const TComponentEditor&) = delete;
    TComponentEditor& operator=(const TComponentEditor&) = delete;

    static TComponentEditorClass EditorClass();
    virtual TComponentEditorClass ClassType() const { return EditorClass(); }
    const String& ClassName() const { return ClassType()->ClassName; }

    virtual int GetVerbCount() const { return 0; }
    // Menu text of verb Index; raises EListError "List index out of bounds (i)" for a bad one.
    virtual String GetVerb(int Index) const;
    virtual void ExecuteVerb(int Index);
    // Double-click: the first verb, when there is one.
    virtual void Edit();

    TComponent* Component() const { return FComponent; }
    TFormDesigner* Designer() const { return FDesigner; }

protected:
    // Raises EListError for an index outside 0 .. GetVerbCount()-1.
    void CheckVerbIndex(int Index) const;

private:
    TComponent* FComponent;
    TFormDesigner* FDesigner;
};

// The editor of components without one: no verbs; a double-click binds (or keeps) a handler
// for the component's main event (OnCreate, OnChange, OnClick, else its first event) named
// after the component and the event, as the designer's code view would.
class TDefaultEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    static TComponentEditorClass EditorClass();
    TComponentEditorClass ClassType() const override { return EditorClass(); }
    void Edit() override;
};

#define ZT_COMPONENT_EDITOR(Name, Parent)                                                          \
public:                                                                                            \
    using inherited = Parent;                                                                      \
    using inherited::inherited;                                                                    \
    static ::host::TComponentEditorClass EditorClass();                                            \
    ::host::TComponentEditorClass ClassType() const override {                                     \
        return Name::EditorClass();                                                                \
    }

#define ZT_DEFINE_COMPONENT_EDITOR(Name)                                                           \
    ::host::TComponentEditorClass Name::EditorClass() {                                            \
        static const ::host::TComponentEditorClassInfo Info{                                       \
            #Name,                                                                                 \
            [](::host::TComponent* C,                                                              \
               ::host::TFormDesigner* D) -> std::unique_ptr<::host::TComponentEditor> {            \
                return std::make_unique<Name>(C, D);                                               \
            }};                                                                                    \
        return &Info;                                                                              \
    }

} // namespace host
