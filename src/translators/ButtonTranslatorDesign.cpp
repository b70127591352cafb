// Unit Zbt, design time: the button translator's property editors, component editor and
// Register.
#include "host/ide/DesignRegistry.h"
#include "translators/ButtonTranslator.h"
#include "translators/DesignEditors.h"
#include "translators/DesignRegistration.h"

namespace zantor {

using host::String;

namespace {

class TBtnAboutProperty : public TTranslatorAboutProperty {
    ZT_PROPERTY_EDITOR(TBtnAboutProperty, TTranslatorAboutProperty)
};

class TBtnFileNameProperty : public TTranslatorFileNameProperty {
    ZT_PROPERTY_EDITOR(TBtnFileNameProperty, TTranslatorFileNameProperty)

protected:
    String Filter() const override { return "Dictionary (*.txt)|*.txt"; }
    String Title() const override { return "Select a dictionary file"; }
};

// No editor form: About and Help Contents only, so a double-click shows the About box.
class TBtnTranslatorEditor : public TTranslatorComponentEditor {
    ZT_COMPONENT_EDITOR(TBtnTranslatorEditor, TTranslatorComponentEditor)

protected:
    String AboutVerb() const override { return "About Button Translator"; }
    String HelpCommand() const override { return "WINHLP32.EXE ZBT.HLP"; }
};

} // namespace

ZT_DEFINE_PROPERTY_EDITOR(TBtnAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TBtnFileNameProperty)
ZT_DEFINE_COMPONENT_EDITOR(TBtnTranslatorEditor)

void Zbt::Register() {
    host::TClass C = TButtonTranslator::StaticClass();
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::RegisterPropertyEditor(Str, C, "About", TBtnAboutProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "FileName", TBtnFileNameProperty::EditorClass());
    host::RegisterComponentEditor(C, TBtnTranslatorEditor::EditorClass());
    host::RegisterComponents(PalettePage, {C});
}

} // namespace zantor
