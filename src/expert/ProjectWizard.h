// Unit ZntWiz: TZntWizard, the project wizard. One notebook of eleven pages leads through
// three paths: globalize the project, prepare it for localization (export), or apply external
// localizations (import). The pages collect the choices that the project operations
// (TProjectExpert) read; the wizard keeps them between runs in its settings store. The form
// carries its own translators: a locale translator adopting the language box, a Swedish form
// translator, and the user's own translation in "UsrLang.txt".
#pragma once

#include "expert/ProjectExpert.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

#include <memory>

namespace zantor {

using host::TObject;

class TFormTranslator;
class TLocaleTranslator;
class TZntWizard;

// Page indexes of WizNote.
enum TWizardPage {
    wpMain,
    wpFeatures,
    wpLocales,
    wpForms,
    wpResources,
    wpCommonDlg,
    wpFinishGlobalize,
    wpLocalization,
    wpFinishLocalization,
    wpImport,
    wpFinishImport
};

// The project operations as the wizard runs them: the settings are stored after each form.
class TWizardExpert : public TProjectExpert {
public:
    explicit TWizardExpert(TZntWizard& Wizard) : FWizard(Wizard) {}

protected:
    void WriteSettings() override;

private:
    TZntWizard& FWizard;
};

class TZntWizard : public host::TForm {
    ZT_CLASS(TZntWizard, host::TForm)
public:
    // Reads the form description built into the package; OnCreate makes the project expert.
    explicit TZntWizard(host::TComponent* AOwner);

    // The registry section of the wizard and that of the common property list.
    static constexpr const char* Section = "Zantor";
    static constexpr const char* CommonSection = "FormTranslator";
    // The value name of item Index of the common property list: "CommonProperty[%s]" with
    // the decimal index.
    static String CommonPropertyName(int Index);

    host::TLabel* LblMain = nullptr;
    host::TNotebook* WizNote = nullptr;
    // Page 0
    host::TPanel* PnlProjectName = nullptr;
    host::TNotebook* StartNote = nullptr;
    host::TComboBox* CbxMainForm = nullptr;
    host::TRadioButton* Radio1 = nullptr;
    host::TRadioButton* Radio2 = nullptr;
    host::TRadioButton* Radio3 = nullptr;
    host::TComboBox* CbxLang = nullptr;
    host::TButton* BtnUserTranslate = nullptr;
    // Page 1
    host::TNotebook* NoteFeatures = nullptr;
    host::TCheckBox* CkxResources = nullptr;
    host::TCheckBox* CkxCommonDlg = nullptr;
    host::TCheckBox* CkxForms = nullptr;
    host::TCheckBox* CkxScanForms = nullptr;
    host::TRadioButton* RadioStorage1 = nullptr;
    host::TRadioButton* RadioStorage2 = nullptr;
    host::TEdit* EdtFormStorage = nullptr;
    host::TEdit* EdtSplit = nullptr;
    // Page 2
    host::TListBox* ListLocales = nullptr;
    host::TButton* BtnLocaleProp = nullptr;
    // Page 3
    host::TListBox* CommonPropList = nullptr;
    host::TButton* BtnAddCommon = nullptr;
    host::TButton* BtnDeleteCommon = nullptr;
    host::TButton* BtnSet = nullptr;
    host::TButton* BtnDefault = nullptr;
    host::TCheckBox* CkxEmpty = nullptr;
    // Page 4
    host::TListBox* ModuleList = nullptr;
    host::TListBox* ModulesInApp = nullptr;
    host::TButton* BtnIncludeMod = nullptr;
    host::TButton* BtnRemoveMod = nullptr;
    host::TButton* BtnBrowseMod = nullptr;
    host::TLabel* LblStrCnt = nullptr;
    host::TListBox* ModStrList = nullptr;
    // Page 5
    host::TButton* BtnCommonDlgProp = nullptr;
    // Page 6
    host::TLabel* LblGlobStatus = nullptr;
    host::TLabel* LblGlobGauge = nullptr;
    // Page 7
    host::TRadioButton* RadioLocType1 = nullptr;
    host::TRadioButton* RadioLocType2 = nullptr;
    // Page 8
    host::TListBox* ListLocInProject = nullptr;
    host::TListBox* ListLocExport = nullptr;
    host::TButton* BtnLocInclude = nullptr;
    host::TButton* BtnLocExclude = nullptr;
    host::TEdit* EdtExportFile = nullptr;
    host::TButton* BtnSelExportFile = nullptr;
    host::TLabel* LblExportStatus = nullptr;
    host::TLabel* LblExportGauge = nullptr;
    // Page 9
    host::TEdit* EdtImportFile = nullptr;
    host::TButton* BtnImportFile = nullptr;
    // Page 10
    host::TRadioButton* RadioDictType = nullptr;
    host::TRadioButton* RadioPropType = nullptr;
    host::TComboBox* CbxDictLangs = nullptr;
    host::TLabel* LblImportStatus = nullptr;
    host::TLabel* LblImportGauge = nullptr;
    // Below the pages
    host::TButton* BtnNext = nullptr;
    host::TButton* BtnPrev = nullptr;
    host::TButton* BtnHelp = nullptr;
    host::TButton* BtnClose = nullptr;
    host::TLabel* LblNext = nullptr;
    host::TLabel* LblApply = nullptr;
    host::TOpenDialog* OpenDlg = nullptr;
    host::TSaveDialog* SaveDlg = nullptr;
    // The wizard's own language
    TLocaleTranslator* LocaleTranslator1 = nullptr;
    TFormTranslator* SwedishTranslation = nullptr;
    TFormTranslator* UserTranslation = nullptr;

    // The project operations with the choices of the pages.
    TWizardExpert& Expert() const { return *FExpert; }
    // The common property list as designed.
    const std::vector<String>& DesignCommonProps() const { return FCommonProps; }

    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void FormShow(TObject* Sender);
    void WizNotePageChanged(TObject* Sender);
    void BtnNextClick(TObject* Sender);
    void BtnPrevClick(TObject* Sender);
    void BtnHelpClick(TObject* Sender);
    void BtnCloseClick(TObject* Sender);
    void BtnUserTranslateClick(TObject* Sender);
    void CkxFormsClick(TObject* Sender);
    void RadioStorage1Click(TObject* Sender);
    void BtnLocalePropClick(TObject* Sender);
    void CommonPropListClick(TObject* Sender);
    void BtnAddCommonClick(TObject* Sender);
    void BtnDeleteCommonClick(TObject* Sender);
    void BtnSetClick(TObject* Sender);
    void BtnDefaultClick(TObject* Sender);
    void ModuleListClick(TObject* Sender);
    void ModulesInAppClick(TObject* Sender);
    void BtnIncludeModClick(TObject* Sender);
    void BtnRemoveModClick(TObject* Sender);
    void BtnBrowseModClick(TObject* Sender);
    void BtnCommonDlgPropClick(TObject* Sender);
    void RadioLocType1Click(TObject* Sender);
    void ListLocInProjectClick(TObject* Sender);
    void ListLocExportClick(TObject* Sender);
    void BtnLocIncludeClick(TObject* Sender);
    void BtnLocExcludeClick(TObject* Sender);
    void BtnSelExportFileClick(TObject* Sender);
    void EdtExportFileChange(TObject* Sender);
    void BtnImportFileClick(TObject* Sender);
    void EdtImportFileChange(TObject* Sender);
    void RadioDictTypeClick(TObject* Sender);

    void UpdateStepBtn();
    void RefreshFormLists();
    void RefreshLocaleList();
    void GetAppLocales(const String& MainForm);
    void GetCommonDlgProps();
    void ReadSettings();
    void WriteSettings();

private:
    // The page's choices into the expert's settings before an operation runs.
    void CollectSettings();
    void ShowProgress(const String& Gauge, const String& Status, host::TLabel* GaugeLabel,
                      host::TLabel* StatusLabel);
    // Shows the string count of the selected module of List; true when it has strings.
    bool ShowStringCount(host::TListBox* List);
    // The module item behind a list entry of the resources page.
    TModuleItem ModuleOf(host::TListBox* List, int Index) const;
    Integer DesignLocale() const;
    // Goes to Page and runs the page-change handling.
    void GoTo(int Page);

    std::unique_ptr<TWizardExpert> FExpert;
    std::vector<String> FCommonProps;
    String FStrCntFormat;
    // The modules offered on the resources page, by name.
    std::vector<TModuleItem> FModules;
};

// What the expert's menu entry runs: a new wizard owned by the application, shown modally
// and freed when it closes.
void ExecuteWizard();

} // namespace zantor
