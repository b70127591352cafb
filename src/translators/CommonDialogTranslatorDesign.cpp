// Unit Zct, design time: the common-dialog translator's property editors, component editor
// and Register.
#include "host/classes/Strings.h"
#include "host/ide/DesignRegistry.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/DesignEditors.h"
#include "translators/DesignRegistration.h"

namespace zantor {

using host::String;

namespace {

class TCdtAboutProperty : public TTranslatorAboutProperty {
    ZT_PROPERTY_EDITOR(TCdtAboutProperty, TTranslatorAboutProperty)
};

class TCdtFileNameProperty : public TTranslatorFileNameProperty {
    ZT_PROPERTY_EDITOR(TCdtFileNameProperty, TTranslatorFileNameProperty)

protected:
    String Filter() const override { return "Dialog translations (*.txt)|*.txt"; }
    String Title() const override { return "Select a dialog translations file"; }
};

class TCdtTranslationsProperty : public TTranslatorEditorProperty {
    ZT_PROPERTY_EDITOR(TCdtTranslationsProperty, TTranslatorEditorProperty)
    String GetValue() const override { return "(Dialog Editor)"; }
};

class TCdtTranslatorEditor : public TTranslatorComponentEditor {
    ZT_COMPONENT_EDITOR(TCdtTranslatorEditor, TTranslatorComponentEditor)

protected:
    String EditorVerb() const override { return "Common Dialog Translation Editor"; }
    String AboutVerb() const override { return "About Common Dialog Translator"; }
    String HelpCommand() const override { return "WINHLP32.EXE ZCT.HLP"; }
};

} // namespace

ZT_DEFINE_PROPERTY_EDITOR(TCdtAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TCdtFileNameProperty)
ZT_DEFINE_PROPERTY_EDITOR(TCdtTranslationsProperty)
ZT_DEFINE_COMPONENT_EDITOR(TCdtTranslatorEditor)

void Zct::Register() {
    host::TClass C = TCommonDialogTranslator::StaticClass();
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::RegisterPropertyEditor(Str, C, "About", TCdtAboutProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "FileName", TCdtFileNameProperty::EditorClass());
    host::RegisterPropertyEditor(host::TypeInfo<host::TStrings*>(), C, "Translations",
                                 TCdtTranslationsProperty::EditorClass());
    host::RegisterComponentEditor(C, TCdtTranslatorEditor::EditorClass());
    host::RegisterComponents(PalettePage, {C});
}

} // namespace zantor
