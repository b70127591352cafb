#include "editors/DlgEditor.h"

#include "DlgEditorDfm.h"
#include "host/controls/Application.h"
#include "host/controls/CommonDialogs.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/EditorForms.h"
#include "translators/Hourglass.h"

#include <algorithm>

namespace zantor {

using host::TObject;

TClass TDlgEditor::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDlgEditor>("TDlgEditor")
        .Field("BtnRescan", &TDlgEditor::BtnRescan)
        .Method("BtnRescanClick", &TDlgEditor::BtnRescanClick);
    // clang-format on
    return &Info;
}

TDlgEditor::TDlgEditor(host::TComponent* AOwner) : TTranslationEditorForm(AOwner, host::CreateNew) {
    host::InitForm(this, "DlgEditor.dfm", DlgEditorDfm);
}

TDlgEditor::TDlgEditor(host::TComponent* AOwner, host::TCreateNew)
    : TTranslationEditorForm(AOwner, host::CreateNew) {}

void TDlgEditor::FormCreate(TObject* Sender) {
    TTranslationEditorForm::FormCreate(Sender);
    FScannedDialogs = std::make_unique<host::TStringList>();
}

void TDlgEditor::FormDestroy(TObject* Sender) {
    FScannedDialogs.reset();
    TTranslationEditorForm::FormDestroy(Sender);
}

void TDlgEditor::FormShow(TObject*) {
    {
        THourglass Wait;
        FSelectionCaption = LblSelected->Caption();
        FormNotebook->SetActivePageIndex(0);
        Editing().Assign(Translator->Translations());
        WorkOrgProps()->Assign(Translator->OrgProps());
        for (int I = 0; I < WorkOrgProps()->Count(); ++I) {
            const String& Line = WorkOrgProps()->Strings(I);
            const String Class = Line.substr(0, Line.find('.'));
            if (FScannedDialogs->IndexOf(Class) < 0) FScannedDialogs->Add(Class);
        }
        Editing().OriginalsChanged();
        UpdateOrgProps();
        RefreshPropList();
    }
    ReadSettings();
}

void TDlgEditor::UpdateOrgProps() {
    // Designing, the dialogs of the translator's form; running, those of every form.
    std::vector<TComponent*> Holders;
    if (Translator->ComponentState().Contains(host::csDesigning)) {
        if (Translator->Owner()) Holders.push_back(Translator->Owner());
    } else if (host::Application) {
        for (int I = 0; I < host::Application->ComponentCount(); ++I)
            // The editor's own file and font dialogs are not the application's.
            if (host::Application->Components(I) != this)
                Holders.push_back(host::Application->Components(I));
    }
    host::TStringList Captured;
    for (TComponent* Holder : Holders)
        for (int I = 0; I < Holder->ComponentCount(); ++I) {
            auto* Dialog = host::As<host::TCommonDialog>(Holder->Components(I));
            if (!Dialog || FScannedDialogs->IndexOf(Dialog->ClassName()) >= 0) continue;
            FScannedDialogs->Add(Dialog->ClassName());
            Translator->GetDlgProps(Dialog, &Captured);
            Editing().SetModified();
        }
    for (int I = 0; I < Captured.Count(); ++I) {
        const String& Line = Captured.Strings(I);
        if (Editing().OriginalIndex(TTranslationEditing::KeyOf(Line)) >= 0) continue;
        WorkOrgProps()->Add(Line);
        Editing().OriginalsChanged();
    }
}

void TDlgEditor::BtnRescanClick(TObject*) {
    WorkOrgProps()->Clear();
    FScannedDialogs->Clear();
    ListAvail->Items()->Clear();
    Editing().OriginalsChanged();
    UpdateOrgProps();
    RefreshPropList();
    ListAvailClick(this);
    Editing().SetModified();
}

void TDlgEditor::ApplyWork() {
    Translator->SetTranslations(Editing().Work());
    TSortList* Org = Translator->OrgProps();
    Org->Clear();
    std::vector<std::pair<String, TObject*>> Lines;
    for (int I = 0; I < WorkOrgProps()->Count(); ++I)
        Lines.emplace_back(WorkOrgProps()->Strings(I), nullptr);
    Org->SortInsertMany(std::move(Lines));
}

TTranslatorFrame* TDlgEditor::CreateScratch() {
    // The scratch switches itself on and every other dialog translator off; those that were
    // on are switched on again when it is gone.
    FWereOn.clear();
    if (Translator->Translate()) FWereOn.push_back(Translator);
    for (TTranslatorFrame* Other : Translator->OtherInstances())
        if (Other->Translate()) FWereOn.push_back(static_cast<TCommonDialogTranslator*>(Other));
    auto* Scratch = new TCommonDialogTranslator(Translator->Owner());
    Scratch->SetLocale(0);
    Scratch->Translations()->Assign(Editing().Work());
    std::vector<std::pair<String, TObject*>> Lines;
    for (int I = 0; I < WorkOrgProps()->Count(); ++I)
        Lines.emplace_back(WorkOrgProps()->Strings(I), nullptr);
    Scratch->OrgProps()->SortInsertMany(std::move(Lines));
    return Scratch;
}

void TDlgEditor::AfterScratch() {
    for (TCommonDialogTranslator* T : FWereOn)
        T->SetTranslate(true);
    FWereOn.clear();
}

namespace {

bool ShowDlgEditor(TTranslatorFrame* Frame) {
    auto* T = host::As<TCommonDialogTranslator>(Frame);
    if (!T) return false;
    auto* Editor = new TDlgEditor(host::Application);
    struct TFree {
        TDlgEditor* E;
        ~TFree() { E->Free(); }
    } Free{Editor};
    Editor->Translator = T;
    return Editor->ShowModal() == host::mrOk;
}

} // namespace

void Zctedit::Install() {
    host::RegisterClass(TDlgEditor::StaticClass());
    InstallEditorForm(TCommonDialogTranslator::StaticClass(), &ShowDlgEditor);
}

void Zctedit::Uninstall() {
    InstallEditorForm(TCommonDialogTranslator::StaticClass(), nullptr);
    host::UnRegisterClass(TDlgEditor::StaticClass());
}

} // namespace zantor
