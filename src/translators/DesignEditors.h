// What the translators' property and component editors share: the About, translation-editor
// and file-name property editors, and the component editor with its editor, About and help
// commands. Each translator unit derives its own classes from these.
#pragma once

#include "host/ide/ComponentEditor.h"
#include "host/ide/StdPropertyEditors.h"

namespace zantor {

class TTranslatorFrame;

// "(About...)"; the ellipsis shows the component's About box.
class TTranslatorAboutProperty : public host::TPropertyEditor {
    ZT_PROPERTY_EDITOR(TTranslatorAboutProperty, host::TPropertyEditor)
    host::TPropertyAttributes GetAttributes() const override;
    host::String GetValue() const override;
    void Edit() override;
};

// A fixed caption naming the editor form; the ellipsis opens it, and the form is modified
// when the editor says so.
class TTranslatorEditorProperty : public host::TPropertyEditor {
    ZT_PROPERTY_EDITOR(TTranslatorEditorProperty, host::TPropertyEditor)
    host::TPropertyAttributes GetAttributes() const override;
    void Edit() override;
};

// The file name as typed; the ellipsis opens a file dialog with the editor's filter and
// title, and a confirmed choice becomes the property's full file name.
class TTranslatorFileNameProperty : public host::TStringProperty {
    ZT_PROPERTY_EDITOR(TTranslatorFileNameProperty, host::TStringProperty)
    host::TPropertyAttributes GetAttributes() const override;
    void Edit() override;

protected:
    virtual host::String Filter() const { return "Text files (*.txt)|*.txt"; }
    virtual host::String Title() const { return "Select a file"; }
};

// Commands: the kind's editor form (when it has one), About, Help Contents.
class TTranslatorComponentEditor : public host::TComponentEditor {
    ZT_COMPONENT_EDITOR(TTranslatorComponentEditor, host::TComponentEditor)
    int GetVerbCount() const override;
    host::String GetVerb(int Index) const override;
    void ExecuteVerb(int Index) override;

protected:
    // Caption of the editor-form command; "" for a kind without an editor form.
    virtual host::String EditorVerb() const { return host::String(); }
    virtual host::String AboutVerb() const { return "About"; }
    // "WINHLP32.EXE ZFT.HLP" and the like.
    virtual host::String HelpCommand() const { return host::String(); }

    TTranslatorFrame* Translator() const;
};

} // namespace zantor
