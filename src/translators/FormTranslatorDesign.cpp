// Unit Zft, design time: the form translator's property editors, component editor and
// Register.
#include "host/classes/Strings.h"
#include "host/ide/DesignRegistry.h"
#include "translators/DesignEditors.h"
#include "translators/DesignRegistration.h"
#include "translators/FormTranslator.h"

namespace zantor {

using host::String;

namespace {

class TFormAboutProperty : public TTranslatorAboutProperty {
    ZT_PROPERTY_EDITOR(TFormAboutProperty, TTranslatorAboutProperty)
};

class TFormTranslationsProperty : public TTranslatorEditorProperty {
    ZT_PROPERTY_EDITOR(TFormTranslationsProperty, TTranslatorEditorProperty)
    String GetValue() const override { return "[Form Editor]"; }
};

class TFormFileNameProperty : public TTranslatorFileNameProperty {
    ZT_PROPERTY_EDITOR(TFormFileNameProperty, TTranslatorFileNameProperty)

protected:
    String Filter() const override { return "Form translations (*.txt)|*.txt"; }
    String Title() const override { return "Select a Form translations file"; }
};

class TFormTranslatorEditor : public TTranslatorComponentEditor {
    ZT_COMPONENT_EDITOR(TFormTranslatorEditor, TTranslatorComponentEditor)

protected:
    String EditorVerb() const override { return "Form Translation Editor"; }
    String AboutVerb() const override { return "About Form Translator"; }
    String HelpCommand() const override { return "WINHLP32.EXE ZFT.HLP"; }
};

} // namespace

ZT_DEFINE_PROPERTY_EDITOR(TFormAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TFormTranslationsProperty)
ZT_DEFINE_PROPERTY_EDITOR(TFormFileNameProperty)
ZT_DEFINE_COMPONENT_EDITOR(TFormTranslatorEditor)

void Zft::Register() {
    host::TClass C = TFormTranslator::StaticClass();
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::RegisterPropertyEditor(Str, C, "About", TFormAboutProperty::EditorClass());
    host::RegisterPropertyEditor(host::TypeInfo<host::TStrings*>(), C, "Translations",
                                 TFormTranslationsProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "FileName", TFormFileNameProperty::EditorClass());
    host::RegisterComponentEditor(C, TFormTranslatorEditor::EditorClass());
    host::RegisterComponents(PalettePage, {C});
}

} // namespace zantor
