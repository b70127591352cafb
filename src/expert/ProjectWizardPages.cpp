// The lists of the wizard's pages: locales, common properties, resource modules, common
// dialogs, and the export and import choices.
#include "expert/ProjectWizard.h"

#include "expert/WizardSettings.h"
#include "host/controls/Dialogs.h"
#include "host/controls/Graphics.h"
#include "host/rtl/Format.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/Literals.h"
#include "translators/LocaleTranslator.h"

namespace zantor {

namespace {

// Locale identifiers travel in the lists' object slots.
int IndexOfLocale(const host::TStrings* Items, Integer LCID) {
    for (int i = 0; i < Items->Count(); ++i)
        if (ObjectToInt(Items->Objects(i)) == LCID) return i;
    return -1;
}

// Blanks the stored common properties from index From on, as long as they are not empty.
void BlankCommonProps(TWizardSettings& Store, int From) {
    for (int i = From;
         !Store.ReadString(TZntWizard::CommonSection, TZntWizard::CommonPropertyName(i), "")
              .empty();
         ++i)
        Store.WriteString(TZntWizard::CommonSection, TZntWizard::CommonPropertyName(i), "");
}

} // namespace

// Locales

void TZntWizard::GetAppLocales(const String& MainForm) {
    FExpert->GetAppLocales(MainForm);
}

void TZntWizard::RefreshLocaleList() {
    for (host::TStrings* Items : {ListLocales->Items(), ListLocInProject->Items(),
                                  ListLocExport->Items(), CbxDictLangs->Items()})
        Items->Clear();
    const Integer Design = DesignLocale();
    const TSortList& Catalogue = *FExpert->LocaleCatalogue()->Translations();
    String Country;
    for (int i = 0; i < Catalogue.Count(); ++i) {
        const String& Line = Catalogue.Line(i);
        const std::size_t Eq = Line.find('=');
        const String Key = Line.substr(0, Eq);
        const String Prefix = Key.substr(0, Key.find('_'));
        const String Value = Eq == String::npos ? String() : Line.substr(Eq + 1, 4095);
        if (Key == Prefix + "_ENGLISHCOUNTRYNAME") {
            Country = Value;
        } else if (Key == Prefix + "_ENGLISHNAME") {
            const String Text = Value + ", " + Country;
            TObject* Id = IntToObject(HexToInt(Prefix));
            ListLocales->Items()->AddObject(Text, Id);
            ListLocInProject->Items()->AddObject(Text, Id);
            if (ObjectToInt(Id) == Design)
                ListLocExport->Items()->AddObject(Text, Id);
            else
                CbxDictLangs->Items()->AddObject(Text, Id);
        }
    }
}

void TZntWizard::BtnLocalePropClick(TObject*) {
    if (FExpert->LocaleCatalogue()->ShowEditor()) RefreshLocaleList();
}

// Common properties

void TZntWizard::CommonPropListClick(TObject*) {
    BtnDeleteCommon->SetEnabled(CommonPropList->ItemIndex() >= 0);
}

void TZntWizard::BtnAddCommonClick(TObject*) {
    String Name;
    if (!host::InputQuery("Create a new common property", "Specify the property name", Name) ||
        Name.empty())
        return;
    const int Index = CommonPropList->Items()->Add(Name);
    CommonPropList->SetItemIndex(Index);
    BtnSet->SetEnabled(true);
    CommonPropListClick(CommonPropList);
}

void TZntWizard::BtnDeleteCommonClick(TObject*) {
    const int Index = CommonPropList->ItemIndex();
    if (Index >= 0) CommonPropList->Items()->Delete(Index);
    BtnSet->SetEnabled(true);
    CommonPropListClick(CommonPropList);
}

void TZntWizard::BtnSetClick(TObject*) {
    TWizardSettings& Store = WizardSettings();
    const int Count = CommonPropList->Items()->Count();
    for (int i = 0; i < Count; ++i)
        Store.WriteString(CommonSection, TZntWizard::CommonPropertyName(i),
                          CommonPropList->Items()->Strings(i));
    BlankCommonProps(Store, Count);
}

void TZntWizard::BtnDefaultClick(TObject*) {
    BlankCommonProps(WizardSettings(), 0);
    CommonPropList->Items()->Clear();
    for (const String& P : FCommonProps)
        CommonPropList->Items()->Add(P);
    CommonPropListClick(CommonPropList);
}

// Resource modules. The lists hold names; the module behind a name is kept in FModules.

TModuleItem TZntWizard::ModuleOf(host::TListBox* List, int Index) const {
    const String& Name = List->Items()->Strings(Index);
    for (const TModuleItem& M : FModules)
        if (M.Name == Name) return M;
    return {Name, nullptr, -1};
}

bool TZntWizard::ShowStringCount(host::TListBox* List) {
    const int Index = List->ItemIndex();
    if (Index < 0) return false;
    const int Count = FExpert->GetResStrings(ModuleOf(List, Index));
    LblStrCnt->SetCaption(host::Format(FStrCntFormat, {Count}));
    ModStrList->Items()->Clear();
    for (const String& S : FExpert->ModStrList())
        ModStrList->Items()->Add(S);
    return Count > 0;
}

void TZntWizard::ModuleListClick(TObject*) {
    BtnIncludeMod->SetEnabled(false);
    BtnIncludeMod->SetEnabled(ShowStringCount(ModuleList));
}

void TZntWizard::ModulesInAppClick(TObject*) {
    BtnRemoveMod->SetEnabled(false);
    BtnRemoveMod->SetEnabled(ShowStringCount(ModulesInApp));
}

void TZntWizard::BtnIncludeModClick(TObject*) {
    const int Index = ModuleList->ItemIndex();
    if (Index < 0) return;
    const String Name = ModuleList->Items()->Strings(Index);
    ModuleList->Items()->Delete(Index);
    ModulesInApp->SetItemIndex(ModulesInApp->Items()->Add(Name));
    ModuleListClick(ModuleList);
    ModulesInAppClick(ModulesInApp);
}

void TZntWizard::BtnRemoveModClick(TObject*) {
    const int Index = ModulesInApp->ItemIndex();
    if (Index < 0) return;
    const TModuleItem M = ModuleOf(ModulesInApp, Index);
    // A browsed file has no module behind it: it just goes.
    if (M.Handle || M.IsUnit()) ModuleList->SetItemIndex(ModuleList->Items()->Add(M.Name));
    ModulesInApp->Items()->Delete(ModulesInApp->Items()->IndexOf(M.Name));
    ModuleListClick(ModuleList);
    ModulesInAppClick(ModulesInApp);
}

void TZntWizard::BtnBrowseModClick(TObject*) {
    if (!OpenDlg->Execute()) return;
    ModulesInApp->SetItemIndex(ModulesInApp->Items()->Add(OpenDlg->FileName()));
    ModulesInAppClick(ModulesInApp);
}

// Common dialogs: both work on a temporary translator holding copies of the choices.

namespace {

struct TFreeTranslator {
    void operator()(TCommonDialogTranslator* T) const { T->Free(); }
};
using TDialogTranslatorRef = std::unique_ptr<TCommonDialogTranslator, TFreeTranslator>;

TDialogTranslatorRef CopyOfChoices(const TCommonDialogTranslator& Choices) {
    TDialogTranslatorRef Temp(new TCommonDialogTranslator(nullptr));
    Temp->InternalTranslate(false);
    Temp->Translations()->Assign(Choices.Translations());
    Temp->OrgProps()->Assign(Choices.OrgProps());
    return Temp;
}

void CopyBack(const TCommonDialogTranslator& Temp, TCommonDialogTranslator& Choices) {
    Choices.Translations()->Assign(Temp.Translations());
    Choices.OrgProps()->Assign(Temp.OrgProps());
}

// Adds the lines of From that Into lacks: a line is left out when Into holds an entry that
// begins with its text up to and including "=".
void MergeLines(const TSortList& From, TSortList& Into) {
    for (int i = 0; i < From.Count(); ++i) {
        const String& Line = From.Line(i);
        const String Key = Line.substr(0, Line.find('=') + 1);
        bool Held = false;
        for (int j = 0; j < Into.Count() && !Held; ++j)
            Held = Into.Line(j).starts_with(Key);
        if (!Held) Into.SortInsert(Line);
    }
}

} // namespace

void TZntWizard::GetCommonDlgProps() {
    TCommonDialogTranslator& Choices = *FExpert->DialogChoices();
    TDialogTranslatorRef Temp = CopyOfChoices(Choices);
    bool Found = false;
    FExpert->WithMainForm(CbxMainForm->Text(), [&](host::TComponent* Root) {
        for (int i = 0; i < Root->ComponentCount() && !Found; ++i)
            if (auto* T = host::As<TCommonDialogTranslator>(Root->Components(i))) {
                MergeLines(*T->Translations(), *Temp->Translations());
                MergeLines(*T->OrgProps(), *Temp->OrgProps());
                Found = true;
            }
    });
    CopyBack(*Temp, Choices);
}

void TZntWizard::BtnCommonDlgPropClick(TObject*) {
    TCommonDialogTranslator& Choices = *FExpert->DialogChoices();
    TDialogTranslatorRef Temp = CopyOfChoices(Choices);
    if (Temp->ShowEditor()) CopyBack(*Temp, Choices);
}

// Export

void TZntWizard::RadioLocType1Click(TObject*) {
    BtnNext->SetEnabled(true);
    if (!RadioLocType1->Checked()) return;
    // A dictionary holds the design language and one other.
    const Integer Design = DesignLocale();
    host::TStrings* Items = ListLocExport->Items();
    for (int i = 0; i < Items->Count() && Items->Count() > 2;) {
        if (ObjectToInt(Items->Objects(i)) == Design)
            ++i;
        else
            Items->Delete(i);
    }
}

void TZntWizard::ListLocInProjectClick(TObject*) {
    BtnLocInclude->SetEnabled(false);
    const int Index = ListLocInProject->ItemIndex();
    if (Index >= 0 && IndexOfLocale(ListLocExport->Items(),
                                    ObjectToInt(ListLocInProject->Items()->Objects(Index))) < 0)
        BtnLocInclude->SetEnabled(RadioLocType2->Checked() || ListLocExport->Items()->Count() < 2);
    // One selection at a time: the other list loses its own, and its button with it. (Running
    // the other list's whole click handler would bounce back here without end.)
    ListLocExport->SetItemIndex(-1);
    BtnLocExclude->SetEnabled(false);
}

void TZntWizard::ListLocExportClick(TObject*) {
    BtnLocExclude->SetEnabled(false);
    const int Index = ListLocExport->ItemIndex();
    if (Index >= 0 && ObjectToInt(ListLocExport->Items()->Objects(Index)) != DesignLocale())
        BtnLocExclude->SetEnabled(true);
    ListLocInProject->SetItemIndex(-1);
    BtnLocInclude->SetEnabled(false);
}

void TZntWizard::BtnLocIncludeClick(TObject*) {
    const int Index = ListLocInProject->ItemIndex();
    if (Index >= 0)
        ListLocExport->Items()->AddObject(ListLocInProject->Items()->Strings(Index),
                                          ListLocInProject->Items()->Objects(Index));
    ListLocInProject->SetItemIndex(-1);
    ListLocInProjectClick(ListLocInProject);
    UpdateStepBtn();
}

void TZntWizard::BtnLocExcludeClick(TObject*) {
    const int Index = ListLocExport->ItemIndex();
    if (Index >= 0) ListLocExport->Items()->Delete(Index);
    ListLocExport->SetItemIndex(-1);
    ListLocExportClick(ListLocExport);
    UpdateStepBtn();
}

void TZntWizard::BtnSelExportFileClick(TObject*) {
    if (SaveDlg->Execute()) EdtExportFile->SetText(SaveDlg->FileName());
}

void TZntWizard::EdtExportFileChange(TObject*) {
    UpdateStepBtn();
}

// Import

void TZntWizard::BtnImportFileClick(TObject*) {
    if (OpenDlg->Execute()) EdtImportFile->SetText(OpenDlg->FileName());
}

void TZntWizard::EdtImportFileChange(TObject*) {
    UpdateStepBtn();
}

void TZntWizard::RadioDictTypeClick(TObject*) {
    const bool Dictionary = RadioDictType->Checked();
    CbxDictLangs->SetEnabled(Dictionary);
    CbxDictLangs->SetColor(Dictionary ? host::clWindow : host::clBtnFace);
    UpdateStepBtn();
}

} // namespace zantor
