// Unit Znt: TProjectExpert, the project operations of the wizard. Globalizing places and
// configures translators on the project's forms through the design-time host's tool services;
// preparing exports the translators' texts to a file for translators; translating imports such
// a file back. Source text is never rewritten: only forms change, through the designer.
#pragma once

#include "expert/ProjectExpertIntf.h"
#include "translators/SortList.h"

#include <functional>
#include <memory>
#include <optional>

namespace host {
class TIComponentInterface;
class TIFormInterface;
class TIModuleInterface;
} // namespace host

namespace zantor {

class TCommonDialogTranslator;
class TFormTranslator;
class TLocaleTranslator;
class TResourceTranslator;
class TTranslatorFrame;

class TProjectExpert : public TIProjectExpert {
public:
    TProjectExpert();
    ~TProjectExpert() override;
    TProjectExpert(const TProjectExpert&) = delete;
    TProjectExpert& operator=(const TProjectExpert&) = delete;

    TProjectSettings& Settings() override { return FSettings; }
    void SetOnProgress(TProgressProc Proc) override { FOnProgress = std::move(Proc); }
    void SelectLocales(const std::vector<Integer>& LCIDs) override;
    // The last eight characters of the catalogue's design locale, read as hexadecimal.
    Integer DesignLocale() const override;

    // The three operations; each does nothing without tool services.
    void GlobalizeProject() override;
    void PrepareProject() override;
    void TranslateProject() override;

    // Runs Step on the live form of every unit of the project, in the unit loop of the three
    // operations (opening what is not open, closing it again); a unit whose Step returns true
    // is saved. For the tools that read and write the project's translations otherwise.
    using TFormProc = std::function<bool(TComponent* Root, const String& UnitFile)>;
    void ForEachForm(const TFormProc& Step);

    // The locale catalogue (its Translations are copied to the main form's locale translator)
    // and the common-dialog choices (copied to new dialog translators). Owned; switched off.
    TLocaleTranslator* LocaleCatalogue() const { return FLocaleTranslator.get(); }
    TCommonDialogTranslator* DialogChoices() const { return FDialogTranslator.get(); }

    // Copies the catalogue of the main form's locale translator (its unit is MainForm with
    // the extension ".pas" when that file exists, else ".cpp"); nothing when there is none.
    void GetAppLocales(const String& MainForm);
    // Runs Work on the live form of the main form's unit (found as GetAppLocales finds it),
    // opening the unit when it is not open and closing it again; nothing when there is none.
    void WithMainForm(const String& MainForm, const std::function<void(TComponent* Root)>& Work);

    // Enters the form's properties whose paths end in a common property, with an empty
    // translation; entries already there are kept.
    void SetFormProps(TComponent* Form, TFormTranslator* Translator);
    // Adds the strings of every module of ModulesInApp that the translator lacks.
    void SetResStrings(TResourceTranslator* Translator);
    // Fills ModStrList with the strings of one module and returns their number.
    int GetResStrings(const TModuleItem& Module);
    // True when the unit declares resource strings in its interface part: a Pascal unit with
    // "resourcestring" before "implementation", a C++ unit whose header (or source) declares
    // them with the resource-string macro. Raises EParserError for broken literals.
    bool IsResourceStringUnit(const String& FileName);
    static bool IsStringLiteral(std::string_view Text);
    // Items[3] becomes Items[*]; only the first index of the path.
    static void RemoveIndex(String& Path);
    // Size in bytes; 0 when the file does not exist.
    static std::uint64_t GetFileSize(const String& FileName);
    // Lists the loaded modules and the resource-string units of the project that are not in
    // ModulesInApp.
    void UpdateModuleList() override;

    const std::vector<TModuleItem>& ModuleList() const override { return FModuleList; }
    const std::vector<String>& ModStrList() const { return FModStrList; }

protected:
    // Stores the wizard's settings after each form of a globalization; the wizard overrides.
    virtual void WriteSettings() {}

private:
    // One unit of the loop whose live form was reached.
    struct TFormVisit {
        host::TIModuleInterface* Module;
        host::TIFormInterface* Form;
        host::TIComponentInterface* RootIntf;
        TComponent* Root;
        String UnitFile;
        bool Opened; // by the loop, which closes it again
    };
    using TFormStep = void (TProjectExpert::*)(const TFormVisit& Visit);
    // Visits every unit of the project (opening what is not open, and closing it again);
    // StoreSettings: WriteSettings after every unit that has a module.
    void UnitLoop(TFormStep Step, bool StoreSettings);
    void GlobalizeForm(const TFormVisit& Visit);
    void PrepareForm(const TFormVisit& Visit);
    void TranslateForm(const TFormVisit& Visit);
    void VisitForm(const TFormVisit& Visit);

    // The existing/new pattern of one translator kind; Settle configures one translator
    // (a new one before its Locale is set).
    template <class TKind, class FSettle>
    void PlaceTranslators(const TFormVisit& Visit, const char* ClassName, FSettle Settle);
    TComponent* NewComponent(const TFormVisit& Visit, const char* ClassName);
    void ApplyFileNameRule(TTranslatorFrame* Translator) const;
    bool IsMainForm(const String& UnitFile) const;
    String InProjectFolder(const String& FileName) const;
    // Translators of the four kinds that exports and imports go through, in component order.
    static std::vector<TTranslatorFrame*> ExchangeTranslators(TComponent* Root);

    TProjectSettings FSettings;
    TProgressProc FOnProgress;
    const TFormProc* FFormProc = nullptr;
    struct TFreeComponent {
        void operator()(TComponent* C) const;
    };
    std::unique_ptr<TLocaleTranslator, TFreeComponent> FLocaleTranslator;
    std::unique_ptr<TCommonDialogTranslator, TFreeComponent> FDialogTranslator;
    std::vector<TModuleItem> FModuleList;
    std::vector<String> FModStrList;
};

} // namespace zantor
