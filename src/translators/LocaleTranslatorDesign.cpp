// Unit Zlt, design time: the locale translator's property editors, component editor and
// Register.
#include "host/classes/Strings.h"
#include "host/ide/DesignRegistry.h"
#include "host/rtl/Conversions.h"
#include "translators/DesignEditors.h"
#include "translators/DesignRegistration.h"
#include "translators/LocaleTranslator.h"

namespace zantor {

using host::String;
using host::TGetStrProc;
using host::TPropertyAttributes;

namespace {

TLocaleTranslator* LocaleOf(host::TComponent* C) {
    return host::As<TLocaleTranslator>(C);
}

// Each line of the rebuilt language list as a locale string.
void LocaleStrings(TLocaleTranslator* T, const TGetStrProc& Proc) {
    if (!T) return;
    T->UpdateLangList();
    TSortList* List = T->LangList();
    for (int i = 0; i < List->Count(); ++i)
        Proc(List->Line(i) + " " + host::IntToHex(ObjectToInt(List->Objects(i)), 8));
}

class TLocAboutProperty : public TTranslatorAboutProperty {
    ZT_PROPERTY_EDITOR(TLocAboutProperty, TTranslatorAboutProperty)
};

class TLocaleTranslationsProperty : public TTranslatorEditorProperty {
    ZT_PROPERTY_EDITOR(TLocaleTranslationsProperty, TTranslatorEditorProperty)
    String GetValue() const override { return "[Locale Editor]"; }
};

class TLocFileNameProperty : public TTranslatorFileNameProperty {
    ZT_PROPERTY_EDITOR(TLocFileNameProperty, TTranslatorFileNameProperty)

protected:
    String Filter() const override { return "Locale translations (*.txt)|*.txt"; }
    String Title() const override { return "Select a Locale translations file"; }
};

class TDesignLocaleProperty : public host::TStringProperty {
    ZT_PROPERTY_EDITOR(TDesignLocaleProperty, host::TStringProperty)
    TPropertyAttributes GetAttributes() const override {
        return {host::paValueList, host::paSortList};
    }
    void GetValues(const TGetStrProc& Proc) const override {
        LocaleStrings(LocaleOf(GetComponent()), Proc);
    }
};

class TStartupLocaleProperty : public host::TStringProperty {
    ZT_PROPERTY_EDITOR(TStartupLocaleProperty, host::TStringProperty)
    TPropertyAttributes GetAttributes() const override {
        return {host::paValueList, host::paSortList};
    }
    void GetValues(const TGetStrProc& Proc) const override {
        Proc("User default " + host::IntToHex(1024, 8));
        Proc("System default " + host::IntToHex(2048, 8));
        LocaleStrings(LocaleOf(GetComponent()), Proc);
    }
};

class TLocListFormatProperty : public host::TStringProperty {
    ZT_PROPERTY_EDITOR(TLocListFormatProperty, host::TStringProperty)
    TPropertyAttributes GetAttributes() const override { return {host::paValueList}; }
    void GetValues(const TGetStrProc& Proc) const override {
        for (const char* Format : {"%0:s", "%2:s", "%0:s, %1:s", "%2:s, %3:s",
                                   "%2:s (%0:s), %3:s (%1:s)", "%0:s (%2:s), %1:s (%3:s)"})
            Proc(Format);
    }
};

class TLocAdoptOnProperty : public host::TComponentProperty {
    ZT_PROPERTY_EDITOR(TLocAdoptOnProperty, host::TComponentProperty)
    void GetValues(const TGetStrProc& Proc) const override {
        host::TComponent* Root = Designer() ? Designer()->GetRoot() : nullptr;
        if (!Root) return;
        for (int i = 0; i < Root->ComponentCount(); ++i) {
            host::TComponent* C = Root->Components(i);
            if (!C->Name().empty() && TLocaleTranslator::IsAdoptable(C)) Proc(C->Name());
        }
    }
};

class TLocaleTranslatorEditor : public TTranslatorComponentEditor {
    ZT_COMPONENT_EDITOR(TLocaleTranslatorEditor, TTranslatorComponentEditor)

protected:
    String EditorVerb() const override { return "Locale Translation Editor"; }
    String AboutVerb() const override { return "About Locale Translator"; }
    String HelpCommand() const override { return "WINHLP32.EXE ZLT.HLP"; }
};

} // namespace

ZT_DEFINE_PROPERTY_EDITOR(TLocAboutProperty)
ZT_DEFINE_PROPERTY_EDITOR(TLocaleTranslationsProperty)
ZT_DEFINE_PROPERTY_EDITOR(TLocFileNameProperty)
ZT_DEFINE_PROPERTY_EDITOR(TDesignLocaleProperty)
ZT_DEFINE_PROPERTY_EDITOR(TStartupLocaleProperty)
ZT_DEFINE_PROPERTY_EDITOR(TLocListFormatProperty)
ZT_DEFINE_PROPERTY_EDITOR(TLocAdoptOnProperty)
ZT_DEFINE_COMPONENT_EDITOR(TLocaleTranslatorEditor)

void Zlt::Register() {
    host::TClass C = TLocaleTranslator::StaticClass();
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::RegisterComponentEditor(C, TLocaleTranslatorEditor::EditorClass());
    host::RegisterPropertyEditor(host::TypeInfo<host::TStrings*>(), C, "Translations",
                                 TLocaleTranslationsProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "About", TLocAboutProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "DesignLocale", TDesignLocaleProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "FileName", TLocFileNameProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "ListFormat", TLocListFormatProperty::EditorClass());
    host::RegisterPropertyEditor(Str, C, "StartupLocale", TStartupLocaleProperty::EditorClass());
    host::RegisterPropertyEditor(host::TypeInfo<host::TComponent*>(), C, "AdoptOn",
                                 TLocAdoptOnProperty::EditorClass());
    host::RegisterComponents(PalettePage, {C});
}

} // namespace zantor
