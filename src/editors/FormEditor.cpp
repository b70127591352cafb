#include "editors/FormEditor.h"

#include "FormEditorDfm.h"
#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/rtl/Format.h"
#include "host/rtl/StrUtils.h"
#include "translators/EditorForms.h"
#include "translators/FormTranslator.h"
#include "translators/Hourglass.h"

namespace zantor {

using host::TObject;

TClass TFormEditor::StaticClass() {
    using T = TFormEditor;
    // clang-format off
    static const TClassInfo Info = TClassBuilder<T>("TFormEditor")
        .Field("PropNotebook", &T::PropNotebook)
        .Field("BtnSelect", &T::BtnSelect)
        .Field("CkxEmpty", &T::CkxEmpty)
        .Field("CommonPropList", &T::CommonPropList)
        .Field("BtnAddCommon", &T::BtnAddCommon)
        .Field("BtnDeleteCommon", &T::BtnDeleteCommon)
        .Field("BtnSet", &T::BtnSet)
        .Field("BtnDefault", &T::BtnDefault)
        .Method("BtnSelectClick", &T::BtnSelectClick)
        .Method("CommonPropListClick", &T::CommonPropListClick)
        .Method("BtnAddCommonClick", &T::BtnAddCommonClick)
        .Method("BtnDeleteCommonClick", &T::BtnDeleteCommonClick)
        .Method("BtnSetClick", &T::BtnSetClick)
        .Method("BtnDefaultClick", &T::BtnDefaultClick);
    // clang-format on
    return &Info;
}

TFormEditor::TFormEditor(host::TComponent* AOwner)
    : TTranslationEditorForm(AOwner, host::CreateNew) {
    host::InitForm(this, "FormEditor.dfm", FormEditorDfm);
}

TFormEditor::TFormEditor(host::TComponent* AOwner, host::TCreateNew)
    : TTranslationEditorForm(AOwner, host::CreateNew) {}

void TFormEditor::FormCreate(TObject* Sender) {
    TTranslationEditorForm::FormCreate(Sender);
    FDefaultCommon = std::make_unique<host::TStringList>();
}

void TFormEditor::FormDestroy(TObject* Sender) {
    FDefaultCommon.reset();
    TTranslationEditorForm::FormDestroy(Sender);
}

void TFormEditor::FormShow(TObject*) {
    THourglass Wait;
    FSelectionCaption = LblSelected->Caption();
    FDefaultCommon->Assign(CommonPropList->Items());
    CommonPropList->Items()->Clear();
    FormNotebook->SetActivePageIndex(0);
    PropNotebook->SetActivePageIndex(0);
    Editing().Assign(Translator->Translations());
    // The form shows its design texts here (ShowEditor put them back).
    CollectedProps()->Clear();
    (void)Translator->TranslateForm(CollectedProps(), true);
    Editing().OriginalsChanged();
    if (Editing().Work()->Count() == 0) GetTranslatorProps();
    RefreshPropList();
    ReadSettings();
    ReadCommonProperties();
    CommonPropListClick(this);
}

void TFormEditor::GetTranslatorProps() {
    TComponent* Form = Translator->Owner();
    if (!Form) return;
    for (int I = 0; I < Form->ComponentCount(); ++I) {
        auto* Other = host::As<TFormTranslator>(Form->Components(I));
        if (!Other || Other == Translator || Other->Translations()->Count() == 0) continue;
        if (host::MessageDlg(
                host::Format("Do you want to insert properties from %s ?", {Other->Name()}),
                host::mtInformation, {host::mbYes, host::mbNo}) != host::mrYes)
            continue;
        // A new language starts with the same properties: texts empty, other values copied.
        std::vector<std::pair<String, TObject*>> Lines;
        for (int L = 0; L < Other->Translations()->Count(); ++L) {
            const String& Line = Other->Translations()->Line(L);
            const String Value = TTranslationEditing::ValueOf(Line);
            Lines.emplace_back(TTranslationEditing::KeyOf(Line) + "=" +
                                   (TTranslationEditing::IsStringLiteral(Value) ? "''" : Value),
                               nullptr);
        }
        Editing().Work()->SortInsertMany(std::move(Lines));
        Editing().SetModified();
        return;
    }
}

bool TFormEditor::Offered(const String& Key) const {
    return !Key.starts_with("ActiveControl");
}

void TFormEditor::RefreshPropList() {
    TTranslationEditorForm::RefreshPropList();
    CommonPropListClick(this);
}

void TFormEditor::ApplyWork() {
    Translator->SetTranslations(Editing().Work());
}

TTranslatorFrame* TFormEditor::CreateScratch() {
    // Owned by the edited form for the operation; its constructor leaves the form alone.
    auto* Scratch = new TFormTranslator(Translator->Owner());
    Scratch->SetLocale(0);
    Scratch->Translations()->Assign(Editing().Work());
    return Scratch;
}

// ---- selecting common properties ----

String TFormEditor::RemoveIndex(const String& Path) {
    const std::size_t Open = Path.find('[');
    if (Open == String::npos) return Path;
    const std::size_t Close = Path.find(']', Open);
    if (Close == String::npos || Close == Open + 1) return Path;
    for (std::size_t I = Open + 1; I < Close; ++I)
        if (Path[I] < '0' || Path[I] > '9') return Path;
    return Path.substr(0, Open + 1) + "*" + Path.substr(Close);
}

bool TFormEditor::IsCommonProperty(const String& Path, const host::TStrings& Common) {
    String Rest = RemoveIndex(Path);
    for (;;) {
        for (int I = 0; I < Common.Count(); ++I)
            if (host::SameText(Common.Strings(I), Rest)) return true;
        const std::size_t Dot = Rest.find('.');
        if (Dot == String::npos) return false;
        Rest.erase(0, Dot + 1);
    }
}

void TFormEditor::BtnSelectClick(TObject*) {
    ListAvail->ClearSelection();
    for (int I = 0; I < ListAvail->Items()->Count(); ++I) {
        const String Path = ListAvail->Items()->Strings(I);
        if (!IsCommonProperty(Path, *CommonPropList->Items())) continue;
        if (CkxEmpty->Checked() || !Editing().ShownOriginal(Path).empty())
            ListAvail->SetSelected(I, true);
    }
    ListAvailClick(this);
}

// ---- the common-property list ----

namespace {

String CommonIdent(int Index) {
    return host::Format("CommonProperty[%s]", {std::to_string(Index)});
}

} // namespace

void TFormEditor::ReadCommonProperties() {
    host::TStrings* Items = CommonPropList->Items();
    Items->BeginUpdate();
    Items->Clear();
    for (int I = 0;; ++I) {
        const String Name = FSettings->ReadString(CommonIdent(I), "");
        if (Name.empty()) break;
        Items->Add(Name);
    }
    if (Items->Count() == 0) Items->Assign(FDefaultCommon.get());
    Items->EndUpdate();
}

void TFormEditor::EraseCommonFrom(int From) {
    for (int I = From; !FSettings->ReadString(CommonIdent(I), "").empty(); ++I)
        FSettings->WriteString(CommonIdent(I), "");
}

void TFormEditor::CommonPropListClick(TObject*) {
    BtnDeleteCommon->SetEnabled(CommonPropList->ItemIndex() >= 0);
    BtnSelect->SetEnabled(CommonPropList->Items()->Count() > 0);
}

void TFormEditor::BtnAddCommonClick(TObject*) {
    const String Name =
        host::InputBox("Create a new common property", "Specify the property name", "");
    if (Name.empty()) return;
    CommonPropList->Items()->Add(Name);
    CommonPropList->SetItemIndex(CommonPropList->Items()->IndexOf(Name));
    BtnSet->SetEnabled(true);
    CommonPropListClick(this);
}

void TFormEditor::BtnDeleteCommonClick(TObject*) {
    const int I = CommonPropList->ItemIndex();
    if (I < 0) return;
    CommonPropList->Items()->Delete(I);
    BtnSet->SetEnabled(true);
    CommonPropListClick(this);
}

void TFormEditor::BtnSetClick(TObject*) {
    const int Count = CommonPropList->Items()->Count();
    for (int I = 0; I < Count; ++I)
        FSettings->WriteString(CommonIdent(I), CommonPropList->Items()->Strings(I));
    EraseCommonFrom(Count);
}

void TFormEditor::BtnDefaultClick(TObject*) {
    EraseCommonFrom(0);
    CommonPropList->Items()->Assign(FDefaultCommon.get());
    CommonPropListClick(this);
}

// ---- opening ----

namespace {

bool ShowFormEditor(TTranslatorFrame* Frame) {
    auto* T = host::As<TFormTranslator>(Frame);
    if (!T) return false;
    // The editor works on the design texts.
    T->RestoreForm();
    // In a running program the form shows the translator's texts again afterwards, the edited
    // ones after OK; in the designer a translator cannot be switched on, and its state stays.
    const bool ShowAgain = T->Translate() && !T->ComponentState().Contains(host::csDesigning);
    bool Ok = false;
    {
        auto* Editor = new TFormEditor(host::Application);
        struct TFree {
            TFormEditor* E;
            ~TFree() { E->Free(); }
        } Free{Editor};
        Editor->Translator = T;
        Ok = Editor->ShowModal() == host::mrOk;
    }
    if (ShowAgain) {
        T->SetTranslate(false);
        T->SetTranslate(true);
    }
    return Ok;
}

} // namespace

void Zftedit::Install() {
    host::RegisterClass(TFormEditor::StaticClass());
    InstallEditorForm(TFormTranslator::StaticClass(), &ShowFormEditor);
}

void Zftedit::Uninstall() {
    InstallEditorForm(TFormTranslator::StaticClass(), nullptr);
    host::UnRegisterClass(TFormEditor::StaticClass());
}

} // namespace zantor
