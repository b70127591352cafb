// Unit Zrt, design time: the resource-string translator's property editors, component
// editor and Register.
#include "host/classes/Strings.h"
#include "host/ide/DesignRegistry.h"
#include "translators/DesignEditors.h"
#include "translators/DesignRegistration.h"
#include "translators/ResourceTranslator.h"

namespace zantor {

using host::String;

namespace {

class TResAboutProperty : public TTranslatorAboutProperty {
    ZT_PROPERTY_EDITOR(TResAboutProperty, TTranslatorAboutProperty)
};

class TResourceEditor : public TTranslatorEditorProperty {
    ZT_PROPERTY_EDITOR(TResourceEditor, TTranslatorEditorProperty)
    String GetValue() const override { return "[Resource Editor]"; }
};

class TResFileNameProperty : public TTranslatorFileNameProperty {
    ZT_PROPERTY_EDITOR(TResFileNameProperty, TTranslatorFileNameProperty)

protected:
    String Filter() const override { return "Dictionary file (*.txt)|*.txt"; }
    String Title() const override { return "Select a dictionary file"; }
};

class TResTranslatorEditor : public TTranslatorComponentEditor {
    ZT_COMPONENT_EDITOR(TResTranslatorEditor, TTranslatorComponentEditor)

protected:
    String EditorVerb() const override { return "Resource Translation Editor"; }
    String AboutVerb() const override { return "About Resource Translator"; }
    String HelpCommand() const override { return "WINHLP32.EXE ZRT.HLP"; }
};

} // namespace

ZT_DEFINE_PROPERTY_EDITOR(TResAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TResourceEditor)
ZT_DEFINE_PROPERTY_EDITOR(TResFileNameProperty)
ZT_DEFINE_COMPONENT_EDITOR(TResTranslatorEditor)

void Zrt::Register() {
    host::TClass C = TResourceTranslator::StaticClass();
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::PTypeInfo Strings = host::TypeInfo<host::TStrings*>();
    host::RegisterPropertyEditor(Str, C, "About", TResAboutProperty::EditorClass());
    host::RegisterPropertyEditor(Strings, C, "Translations", TResourceEditor::EditorClass());
    host::RegisterPropertyEditor(Strings, C, "ResStrings", TResourceEditor::EditorClass());
    host::RegisterPropertyEditor(Str, C, "FileName", TResFileNameProperty::EditorClass());
    host::RegisterComponentEditor(C, TResTranslatorEditor::EditorClass());
    host::RegisterComponents(PalettePage, {C});
}

} // namespace zantor
