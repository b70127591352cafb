#include "translators/DesignEditors.h"

#include "host/classes/Component.h"
#include "host/winapi/Process.h"
#include "translators/DesignFileDialog.h"
#include "translators/TranslatorFrame.h"

namespace zantor {

using host::String;
using host::TPropertyAttributes;

ZT_DEFINE_PROPERTY_EDITOR(TTranslatorAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TTranslatorEditorProperty)
ZT_DEFINE_PROPERTY_EDITOR(TTranslatorFileNameProperty)
ZT_DEFINE_COMPONENT_EDITOR(TTranslatorComponentEditor)

namespace {

TTranslatorFrame* FrameOf(host::TComponent* C) {
    return host::As<TTranslatorFrame>(C);
}

} // namespace

TPropertyAttributes TTranslatorAboutProperty::GetAttributes() const {
    return {host::paDialog, host::paReadOnly};
}

String TTranslatorAboutProperty::GetValue() const {
    return "(About...)";
}

void TTranslatorAboutProperty::Edit() {
    if (TTranslatorFrame* T = FrameOf(GetComponent())) T->ShowAbout();
}

TPropertyAttributes TTranslatorEditorProperty::GetAttributes() const {
    return {host::paDialog, host::paReadOnly};
}

void TTranslatorEditorProperty::Edit() {
    TTranslatorFrame* T = FrameOf(GetComponent());
    if (T && T->ShowEditor()) Modified();
}

TPropertyAttributes TTranslatorFileNameProperty::GetAttributes() const {
    return {host::paDialog};
}

void TTranslatorFileNameProperty::Edit() {
    String FileName = GetStrValue();
    if (ExecuteFileNameDialog(FileName, Filter(), Title())) SetStrValue(FileName);
}

int TTranslatorComponentEditor::GetVerbCount() const {
    return EditorVerb().empty() ? 2 : 3;
}

String TTranslatorComponentEditor::GetVerb(int Index) const {
    CheckVerbIndex(Index);
    if (!EditorVerb().empty()) {
        if (Index == 0) return EditorVerb();
        --Index;
    }
    return Index == 0 ? AboutVerb() : String("Help Contents");
}

void TTranslatorComponentEditor::ExecuteVerb(int Index) {
    CheckVerbIndex(Index);
    TTranslatorFrame* T = Translator();
    if (!EditorVerb().empty()) {
        if (Index == 0) {
            if (T && T->ShowEditor() && Designer()) Designer()->Modified();
            return;
        }
        --Index;
    }
    if (Index == 0) {
        if (T) T->ShowAbout();
    } else {
        // Nothing is reported when the help viewer cannot be started.
        (void)host::WinExec(HelpCommand().c_str(), 0);
    }
}

TTranslatorFrame* TTranslatorComponentEditor::Translator() const {
    return FrameOf(Component());
}

} // namespace zantor
