#include "expert/ProjectWizard.h"

#include "ProjectWizardDfm.h"
#include "expert/WizardSettings.h"
#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Graphics.h"
#include "host/ide/ToolServices.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/Format.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Process.h"
#include "translators/FormTranslator.h"
#include "translators/Hourglass.h"
#include "translators/LocaleTranslator.h"

namespace zantor {

void TWizardExpert::WriteSettings() {
    FWizard.WriteSettings();
}

host::TClass TZntWizard::StaticClass() {
    // clang-format off
    static const host::TClassInfo Info = host::TClassBuilder<TZntWizard>("TZntWizard")
        .Field("LblMain", &TZntWizard::LblMain)
        .Field("WizNote", &TZntWizard::WizNote)
        .Field("PnlProjectName", &TZntWizard::PnlProjectName)
        .Field("StartNote", &TZntWizard::StartNote)
        .Field("CbxMainForm", &TZntWizard::CbxMainForm)
        .Field("Radio1", &TZntWizard::Radio1)
        .Field("Radio2", &TZntWizard::Radio2)
        .Field("Radio3", &TZntWizard::Radio3)
        .Field("CbxLang", &TZntWizard::CbxLang)
        .Field("BtnUserTranslate", &TZntWizard::BtnUserTranslate)
        .Field("NoteFeatures", &TZntWizard::NoteFeatures)
        .Field("CkxResources", &TZntWizard::CkxResources)
        .Field("CkxCommonDlg", &TZntWizard::CkxCommonDlg)
        .Field("CkxForms", &TZntWizard::CkxForms)
        .Field("CkxScanForms", &TZntWizard::CkxScanForms)
        .Field("RadioStorage1", &TZntWizard::RadioStorage1)
        .Field("RadioStorage2", &TZntWizard::RadioStorage2)
        .Field("EdtFormStorage", &TZntWizard::EdtFormStorage)
        .Field("EdtSplit", &TZntWizard::EdtSplit)
        .Field("ListLocales", &TZntWizard::ListLocales)
        .Field("BtnLocaleProp", &TZntWizard::BtnLocaleProp)
        .Field("CommonPropList", &TZntWizard::CommonPropList)
        .Field("BtnAddCommon", &TZntWizard::BtnAddCommon)
        .Field("BtnDeleteCommon", &TZntWizard::BtnDeleteCommon)
        .Field("BtnSet", &TZntWizard::BtnSet)
        .Field("BtnDefault", &TZntWizard::BtnDefault)
        .Field("CkxEmpty", &TZntWizard::CkxEmpty)
        .Field("ModuleList", &TZntWizard::ModuleList)
        .Field("ModulesInApp", &TZntWizard::ModulesInApp)
        .Field("BtnIncludeMod", &TZntWizard::BtnIncludeMod)
        .Field("BtnRemoveMod", &TZntWizard::BtnRemoveMod)
        .Field("BtnBrowseMod", &TZntWizard::BtnBrowseMod)
        .Field("LblStrCnt", &TZntWizard::LblStrCnt)
        .Field("ModStrList", &TZntWizard::ModStrList)
        .Field("BtnCommonDlgProp", &TZntWizard::BtnCommonDlgProp)
        .Field("LblGlobStatus", &TZntWizard::LblGlobStatus)
        .Field("LblGlobGauge", &TZntWizard::LblGlobGauge)
        .Field("RadioLocType1", &TZntWizard::RadioLocType1)
        .Field("RadioLocType2", &TZntWizard::RadioLocType2)
        .Field("ListLocInProject", &TZntWizard::ListLocInProject)
        .Field("ListLocExport", &TZntWizard::ListLocExport)
        .Field("BtnLocInclude", &TZntWizard::BtnLocInclude)
        .Field("BtnLocExclude", &TZntWizard::BtnLocExclude)
        .Field("EdtExportFile", &TZntWizard::EdtExportFile)
        .Field("BtnSelExportFile", &TZntWizard::BtnSelExportFile)
        .Field("LblExportStatus", &TZntWizard::LblExportStatus)
        .Field("LblExportGauge", &TZntWizard::LblExportGauge)
        .Field("EdtImportFile", &TZntWizard::EdtImportFile)
        .Field("BtnImportFile", &TZntWizard::BtnImportFile)
        .Field("RadioDictType", &TZntWizard::RadioDictType)
        .Field("RadioPropType", &TZntWizard::RadioPropType)
        .Field("CbxDictLangs", &TZntWizard::CbxDictLangs)
        .Field("LblImportStatus", &TZntWizard::LblImportStatus)
        .Field("LblImportGauge", &TZntWizard::LblImportGauge)
        .Field("BtnNext", &TZntWizard::BtnNext)
        .Field("BtnPrev", &TZntWizard::BtnPrev)
        .Field("BtnHelp", &TZntWizard::BtnHelp)
        .Field("BtnClose", &TZntWizard::BtnClose)
        .Field("LblNext", &TZntWizard::LblNext)
        .Field("LblApply", &TZntWizard::LblApply)
        .Field("OpenDlg", &TZntWizard::OpenDlg)
        .Field("SaveDlg", &TZntWizard::SaveDlg)
        .Field("LocaleTranslator1", &TZntWizard::LocaleTranslator1)
        .Field("SwedishTranslation", &TZntWizard::SwedishTranslation)
        .Field("UserTranslation", &TZntWizard::UserTranslation)
        .Method("FormCreate", &TZntWizard::FormCreate)
        .Method("FormDestroy", &TZntWizard::FormDestroy)
        .Method("FormShow", &TZntWizard::FormShow)
        .Method("WizNotePageChanged", &TZntWizard::WizNotePageChanged)
        .Method("BtnNextClick", &TZntWizard::BtnNextClick)
        .Method("BtnPrevClick", &TZntWizard::BtnPrevClick)
        .Method("BtnHelpClick", &TZntWizard::BtnHelpClick)
        .Method("BtnCloseClick", &TZntWizard::BtnCloseClick)
        .Method("BtnUserTranslateClick", &TZntWizard::BtnUserTranslateClick)
        .Method("CkxFormsClick", &TZntWizard::CkxFormsClick)
        .Method("RadioStorage1Click", &TZntWizard::RadioStorage1Click)
        .Method("BtnLocalePropClick", &TZntWizard::BtnLocalePropClick)
        .Method("CommonPropListClick", &TZntWizard::CommonPropListClick)
        .Method("BtnAddCommonClick", &TZntWizard::BtnAddCommonClick)
        .Method("BtnDeleteCommonClick", &TZntWizard::BtnDeleteCommonClick)
        .Method("BtnSetClick", &TZntWizard::BtnSetClick)
        .Method("BtnDefaultClick", &TZntWizard::BtnDefaultClick)
        .Method("ModuleListClick", &TZntWizard::ModuleListClick)
        .Method("ModulesInAppClick", &TZntWizard::ModulesInAppClick)
        .Method("BtnIncludeModClick", &TZntWizard::BtnIncludeModClick)
        .Method("BtnRemoveModClick", &TZntWizard::BtnRemoveModClick)
        .Method("BtnBrowseModClick", &TZntWizard::BtnBrowseModClick)
        .Method("BtnCommonDlgPropClick", &TZntWizard::BtnCommonDlgPropClick)
        .Method("RadioLocType1Click", &TZntWizard::RadioLocType1Click)
        .Method("ListLocInProjectClick", &TZntWizard::ListLocInProjectClick)
        .Method("ListLocExportClick", &TZntWizard::ListLocExportClick)
        .Method("BtnLocIncludeClick", &TZntWizard::BtnLocIncludeClick)
        .Method("BtnLocExcludeClick", &TZntWizard::BtnLocExcludeClick)
        .Method("BtnSelExportFileClick", &TZntWizard::BtnSelExportFileClick)
        .Method("EdtExportFileChange", &TZntWizard::EdtExportFileChange)
        .Method("BtnImportFileClick", &TZntWizard::BtnImportFileClick)
        .Method("EdtImportFileChange", &TZntWizard::EdtImportFileChange)
        .Method("RadioDictTypeClick", &TZntWizard::RadioDictTypeClick);
    // clang-format on
    return &Info;
}

TZntWizard::TZntWizard(host::TComponent* AOwner) : TForm(AOwner) {
    host::ReadComponentFromText(ProjectWizardDfm, this);
    DoCreate();
}

void TZntWizard::FormCreate(TObject*) {
    FExpert = std::make_unique<TWizardExpert>(*this);
}

void TZntWizard::FormDestroy(TObject*) {
    FExpert.reset();
}

void TZntWizard::FormShow(TObject*) {
    THourglass Busy;
    FStrCntFormat = LblStrCnt->Caption();
    if (host::ToolServices && !host::ToolServices->GetProjectName().empty())
        PnlProjectName->SetCaption(host::ToolServices->GetProjectName());
    RefreshFormLists();
    WizNote->SetPageIndex(wpMain);
    UpdateStepBtn();

    FCommonProps.clear();
    for (int i = 0; i < CommonPropList->Items()->Count(); ++i)
        FCommonProps.push_back(CommonPropList->Items()->Strings(i));
    TWizardSettings& Store = WizardSettings();
    auto Stored = [&](int Index) {
        return Store.ReadString(CommonSection, CommonPropertyName(Index), "");
    };
    if (!Stored(0).empty()) {
        CommonPropList->Items()->Clear();
        for (int i = 0; !Stored(i).empty(); ++i)
            CommonPropList->Items()->Add(Stored(i));
    }
    WizNotePageChanged(WizNote);
}

String TZntWizard::CommonPropertyName(int Index) {
    return host::Format("CommonProperty[%s]", {host::IntToStr(Index)});
}

void TZntWizard::RefreshFormLists() {
    const String Remembered = CbxMainForm->Text();
    CbxMainForm->Items()->Clear();
    if (host::TIToolServices* Tools = host::ToolServices) {
        for (int i = 0; i < Tools->GetUnitCount(); ++i) {
            const String Form = host::ChangeFileExt(Tools->GetUnitName(i), ".dfm");
            if (host::FileExists(Form)) CbxMainForm->Items()->Add(Form);
        }
    }
    if (CbxMainForm->Items()->Count() == 0) return;
    const int Index = CbxMainForm->Items()->IndexOf(Remembered);
    CbxMainForm->SetItemIndex(Index >= 0 ? Index : 0);
}

void TZntWizard::GoTo(int Page) {
    WizNote->SetPageIndex(Page);
}

void TZntWizard::BtnNextClick(TObject*) {
    auto AfterLocales = [&]() -> int {
        if (CkxScanForms->Checked()) return wpForms;
        if (CkxResources->Checked()) return wpResources;
        return CkxCommonDlg->Checked() ? wpCommonDlg : wpFinishGlobalize;
    };
    auto AfterForms = [&]() -> int {
        if (CkxResources->Checked()) return wpResources;
        return CkxCommonDlg->Checked() ? wpCommonDlg : wpFinishGlobalize;
    };
    switch (WizNote->PageIndex()) {
    case wpMain:
        GoTo(Radio1->Checked() ? wpFeatures : Radio2->Checked() ? wpLocalization : wpImport);
        break;
    case wpFeatures:
        GoTo(wpLocales);
        break;
    case wpLocales:
        GoTo(AfterLocales());
        break;
    case wpForms:
        GoTo(AfterForms());
        break;
    case wpResources:
        GoTo(CkxCommonDlg->Checked() ? wpCommonDlg : wpFinishGlobalize);
        break;
    case wpCommonDlg:
        GoTo(wpFinishGlobalize);
        break;
    case wpFinishGlobalize:
        CollectSettings();
        FExpert->GlobalizeProject();
        GoTo(wpMain);
        break;
    case wpLocalization:
        GoTo(wpFinishLocalization);
        break;
    case wpFinishLocalization:
        CollectSettings();
        FExpert->PrepareProject();
        GoTo(wpMain);
        break;
    case wpImport:
        GoTo(wpFinishImport);
        break;
    case wpFinishImport:
        CollectSettings();
        FExpert->TranslateProject();
        GoTo(wpMain);
        break;
    default:
        break;
    }
    UpdateStepBtn();
}

void TZntWizard::BtnPrevClick(TObject*) {
    auto BackFrom = [&](bool Dlg, bool Res, bool Scan) -> int {
        if (Dlg) return wpCommonDlg;
        if (Res) return wpResources;
        return Scan ? wpForms : wpLocales;
    };
    const bool Scan = CkxScanForms->Checked();
    const bool Res = CkxResources->Checked();
    const bool Dlg = CkxCommonDlg->Checked();
    switch (WizNote->PageIndex()) {
    case wpFeatures:
        GoTo(wpMain);
        break;
    case wpLocales:
        GoTo(wpFeatures);
        break;
    case wpForms:
        GoTo(wpLocales);
        break;
    case wpResources:
        GoTo(BackFrom(false, false, Scan));
        break;
    case wpCommonDlg:
        GoTo(BackFrom(false, Res, Scan));
        break;
    case wpFinishGlobalize:
        GoTo(BackFrom(Dlg, Res, Scan));
        break;
    case wpLocalization:
        GoTo(wpMain);
        break;
    case wpFinishLocalization:
        GoTo(wpLocalization);
        break;
    case wpImport:
        GoTo(wpMain);
        break;
    case wpFinishImport:
        GoTo(wpImport);
        break;
    default:
        break;
    }
    UpdateStepBtn();
}

void TZntWizard::UpdateStepBtn() {
    const int Page = WizNote->PageIndex();
    BtnPrev->SetEnabled(Page != wpMain);
    bool Next = true;
    switch (Page) {
    case wpFeatures:
        // The storage rule holds on entering the page too: an external file needs a name.
        Next = RadioStorage1->Checked() || EdtFormStorage->Text().size() >= 5;
        break;
    case wpLocalization:
        Next = RadioLocType1->Checked() || RadioLocType2->Checked();
        break;
    case wpFinishLocalization:
        Next = EdtExportFile->Text().size() > 4 && ListLocExport->Items()->Count() >= 2;
        break;
    case wpImport:
        Next = host::FileExists(EdtImportFile->Text());
        break;
    case wpFinishImport:
        Next = (RadioDictType->Checked() && CbxDictLangs->ItemIndex() >= 0) ||
               RadioPropType->Checked();
        break;
    default:
        break;
    }
    BtnNext->SetEnabled(Next);
    const bool Apply =
        Page == wpFinishGlobalize || Page == wpFinishLocalization || Page == wpFinishImport;
    BtnNext->SetCaption(Apply ? LblApply->Caption() : LblNext->Caption());
}

void TZntWizard::WizNotePageChanged(TObject*) {
    switch (WizNote->PageIndex()) {
    case wpMain:
        ReadSettings();
        StartNote->SetPageIndex(0);
        break;
    case wpFeatures:
        NoteFeatures->SetPageIndex(0);
        break;
    case wpLocales:
        if (ListLocales->Items()->Count() < 2) {
            GetAppLocales(CbxMainForm->Text());
            RefreshLocaleList();
        }
        break;
    case wpResources:
        LblStrCnt->SetCaption("");
        FExpert->Settings().ModulesInApp.clear();
        for (int i = 0; i < ModulesInApp->Items()->Count(); ++i)
            FExpert->Settings().ModulesInApp.push_back(ModuleOf(ModulesInApp, i));
        FExpert->UpdateModuleList();
        FModules = FExpert->ModuleList();
        for (const TModuleItem& M : FExpert->Settings().ModulesInApp)
            FModules.push_back(M);
        ModuleList->Items()->Clear();
        for (const TModuleItem& M : FExpert->ModuleList())
            ModuleList->Items()->Add(M.Name);
        break;
    case wpCommonDlg:
        GetCommonDlgProps();
        break;
    case wpFinishGlobalize:
        LblGlobGauge->SetCaption("");
        LblGlobStatus->SetCaption("");
        break;
    case wpFinishLocalization:
        LblExportGauge->SetCaption("");
        LblExportStatus->SetCaption("");
        if (ListLocInProject->Items()->Count() < 2) {
            GetAppLocales(CbxMainForm->Text());
            RefreshLocaleList();
        }
        break;
    case wpFinishImport: {
        LblImportGauge->SetCaption("");
        LblImportStatus->SetCaption("");
        host::TStringList Lines;
        Lines.LoadFromFile(EdtImportFile->Text());
        const String First = Lines.Count() > 0 ? Lines.Strings(0) : String();
        if (First.find('\t') != String::npos)
            RadioDictType->SetChecked(true);
        else if (First.find('=') != String::npos)
            RadioPropType->SetChecked(true);
        RadioDictTypeClick(RadioDictType);
        if (CbxDictLangs->Items()->Count() < 2) {
            GetAppLocales(CbxMainForm->Text());
            RefreshLocaleList();
            if (CbxDictLangs->Items()->Count() > 0) CbxDictLangs->SetItemIndex(0);
        }
        break;
    }
    default:
        break;
    }
    UpdateStepBtn();
}

void TZntWizard::ReadSettings() {
    TWizardSettings& Store = WizardSettings();
    if (Store.ReadString(Section, "Project", "") != PnlProjectName->Caption()) return;
    Radio2->SetEnabled(true);
    Radio3->SetEnabled(true);
    Radio2->SetChecked(true);
    CkxResources->SetChecked(Store.ReadBool(Section, "Resources", CkxResources->Checked()));
    CkxCommonDlg->SetChecked(Store.ReadBool(Section, "CommonDlg", CkxCommonDlg->Checked()));
    CkxScanForms->SetChecked(Store.ReadBool(Section, "ScanForms", CkxScanForms->Checked()));
    CkxForms->SetChecked(Store.ReadBool(Section, "Forms", CkxForms->Checked()));
    const int Main =
        CbxMainForm->Items()->IndexOf(Store.ReadString(Section, "MainForm", CbxMainForm->Text()));
    if (Main >= 0) CbxMainForm->SetItemIndex(Main);
    EdtFormStorage->SetText(Store.ReadString(Section, "StoreInFile", EdtFormStorage->Text()));
    if (!Store.ReadBool(Section, "StoreInForm", RadioStorage1->Checked())) {
        RadioStorage2->SetChecked(true);
        RadioStorage1Click(RadioStorage2);
    }
}

void TZntWizard::WriteSettings() {
    TWizardSettings& Store = WizardSettings();
    Store.WriteString(Section, "Project", PnlProjectName->Caption());
    Store.WriteBool(Section, "Resources", CkxResources->Checked());
    Store.WriteBool(Section, "CommonDlg", CkxCommonDlg->Checked());
    Store.WriteString(Section, "MainForm", CbxMainForm->Text());
    Store.WriteBool(Section, "ScanForms", CkxScanForms->Checked());
    Store.WriteBool(Section, "Forms", CkxForms->Checked());
    Store.WriteBool(Section, "StoreInForm", RadioStorage1->Checked());
    Store.WriteString(Section, "StoreInFile", EdtFormStorage->Text());
}

void TZntWizard::RadioStorage1Click(TObject*) {
    const bool InForms = RadioStorage1->Checked();
    for (host::TEdit* Edit : {EdtFormStorage, EdtSplit}) {
        Edit->SetEnabled(!InForms);
        Edit->SetColor(InForms ? host::clBtnFace : host::clWindow);
    }
    BtnNext->SetEnabled(InForms || EdtFormStorage->Text().size() >= 5);
}

void TZntWizard::CkxFormsClick(TObject*) {
    if (CkxForms->Checked()) {
        CkxScanForms->SetEnabled(true);
    } else {
        CkxScanForms->SetChecked(false);
        CkxScanForms->SetEnabled(false);
    }
}

void TZntWizard::BtnHelpClick(TObject*) {
    host::WinExec("WINHLP32.EXE ZNT.HLP", 0);
}

void TZntWizard::BtnCloseClick(TObject*) {
    Close();
}

void TZntWizard::BtnUserTranslateClick(TObject*) {
    if (UserTranslation->ShowEditor()) UserTranslation->SaveTo(UserTranslation->FileName());
}

void TZntWizard::CollectSettings() {
    TProjectSettings& S = FExpert->Settings();
    S.Forms = CkxForms->Checked();
    S.ScanForms = CkxScanForms->Checked();
    S.Resources = CkxResources->Checked();
    S.CommonDialogs = CkxCommonDlg->Checked();
    S.IncludeEmpty = CkxEmpty->Checked();
    S.StoreInForm = RadioStorage1->Checked();
    S.FormStorage = EdtFormStorage->Text();
    S.Split = EdtSplit->Text();
    S.MainForm = CbxMainForm->Text();
    S.CommonProps.clear();
    for (int i = 0; i < CommonPropList->Items()->Count(); ++i)
        S.CommonProps.push_back(CommonPropList->Items()->Strings(i));
    S.ModulesInApp.clear();
    for (int i = 0; i < ModulesInApp->Items()->Count(); ++i)
        S.ModulesInApp.push_back(ModuleOf(ModulesInApp, i));

    // The design locale first, then the others of the project.
    const Integer Design = DesignLocale();
    S.Locales.clear();
    for (int i = 0; i < ListLocales->Items()->Count(); ++i) {
        TLocaleItem L{ListLocales->Items()->Strings(i),
                      ObjectToInt(ListLocales->Items()->Objects(i))};
        if (L.LCID == Design)
            S.Locales.insert(S.Locales.begin(), L);
        else
            S.Locales.push_back(L);
    }

    S.ExportKind = RadioLocType1->Checked() ? TExchangeKind::Dictionary : TExchangeKind::Properties;
    S.ExportFile = EdtExportFile->Text();
    S.ExportLocales.clear();
    for (int i = 0; i < ListLocExport->Items()->Count(); ++i)
        S.ExportLocales.push_back(
            {ListLocExport->Items()->Strings(i), ObjectToInt(ListLocExport->Items()->Objects(i))});

    S.ImportFile = EdtImportFile->Text();
    const bool Dictionary = RadioDictType->Checked();
    S.ImportKind = Dictionary ? TExchangeKind::Dictionary : TExchangeKind::Properties;
    const int Lang = CbxDictLangs->ItemIndex();
    S.ImportLocale =
        Dictionary && Lang >= 0 ? ObjectToInt(CbxDictLangs->Items()->Objects(Lang)) : 0;

    auto Progress = [this](host::TLabel* Gauge, host::TLabel* Status) {
        return [this, Gauge, Status](const String& G, const String& St) {
            ShowProgress(G, St, Gauge, Status);
        };
    };
    switch (WizNote->PageIndex()) {
    case wpFinishGlobalize:
        FExpert->SetOnProgress(Progress(LblGlobGauge, LblGlobStatus));
        break;
    case wpFinishLocalization:
        FExpert->SetOnProgress(Progress(LblExportGauge, LblExportStatus));
        break;
    default:
        FExpert->SetOnProgress(Progress(LblImportGauge, LblImportStatus));
        break;
    }
}

void TZntWizard::ShowProgress(const String& Gauge, const String& Status, host::TLabel* GaugeLabel,
                              host::TLabel* StatusLabel) {
    GaugeLabel->SetCaption(Gauge);
    StatusLabel->SetCaption(Status);
    host::Application->ProcessMessages();
}

Integer TZntWizard::DesignLocale() const {
    return FExpert->DesignLocale();
}

void ExecuteWizard() {
    auto* Wizard = new TZntWizard(host::Application);
    try {
        static_cast<void>(Wizard->ShowModal());
    } catch (...) {
        Wizard->Free();
        throw;
    }
    Wizard->Free();
}

} // namespace zantor
