#include "editors/LocaleEditor.h"

#include "LocaleEditorDfm.h"
#include "editors/DiscardQuestion.h"
#include "editors/EditorFonts.h"
#include "editors/TranslationEditing.h"
#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/winapi/Input.h"
#include "translators/EditorForms.h"
#include "translators/Hourglass.h"
#include "translators/LocaleTranslator.h"

#include <unordered_set>

namespace zantor {

using host::TObject;

namespace {

constexpr host::WORD VkPrior = host::WORD(host::VK_PRIOR);
constexpr host::WORD VkNext = host::WORD(host::VK_NEXT);
constexpr host::WORD VkEscape = host::WORD(host::VK_ESCAPE);
constexpr Integer UserDefault = 1024;
constexpr Integer SystemDefault = 2048;

bool IsDefaultEntry(Integer Id) {
    return Id == UserDefault || Id == SystemDefault;
}

// Frees a component when the scope ends, however it ends.
struct TFreeGuard {
    host::TComponent* C;
    ~TFreeGuard() {
        if (C) C->Free();
    }
};

Integer IdAt(const host::TStrings* Items, int I) {
    return ObjectToInt(Items->Objects(I));
}

int IndexOfId(const host::TStrings* Items, Integer Id) {
    return Items->IndexOfObject(IntToObject(Id));
}

} // namespace

TClass TLocaleEditor::StaticClass() {
    using T = TLocaleEditor;
    // clang-format off
    static const TClassInfo Info = TClassBuilder<T>("TLocaleEditor")
        .Field("FormNotebook", &T::FormNotebook)
        .Field("CbxLang", &T::CbxLang)
        .Field("PropList", &T::PropList)
        .Field("LblProp", &T::LblProp)
        .Field("EdtTranslation", &T::EdtTranslation)
        .Field("DescList", &T::DescList)
        .Field("LangList", &T::LangList)
        .Field("LangListInApp", &T::LangListInApp)
        .Field("BtnCopyLang", &T::BtnCopyLang)
        .Field("BtnRemoveLang", &T::BtnRemoveLang)
        .Field("BtnUserLang", &T::BtnUserLang)
        .Field("BtnSetStartup", &T::BtnSetStartup)
        .Field("BtnSetDefault", &T::BtnSetDefault)
        .Field("LblLocaleList", &T::LblLocaleList)
        .Field("EdtLocaleList", &T::EdtLocaleList)
        .Field("BtnSelLocale", &T::BtnSelLocale)
        .Field("CkxMove", &T::CkxMove)
        .Field("LblDisplayFont", &T::LblDisplayFont)
        .Field("BtnDisplayFont", &T::BtnDisplayFont)
        .Field("LblEditFont", &T::LblEditFont)
        .Field("BtnEditFont", &T::BtnEditFont)
        .Field("LblLoad", &T::LblLoad)
        .Field("LblSave", &T::LblSave)
        .Field("BtnLoad", &T::BtnLoad)
        .Field("BtnSave", &T::BtnSave)
        .Field("BtnOK", &T::BtnOK)
        .Field("BtnCancel", &T::BtnCancel)
        .Field("OpenDialog1", &T::OpenDialog1)
        .Field("SaveDialog1", &T::SaveDialog1)
        .Field("FontDialog1", &T::FontDialog1)
        .Method("FormCreate", &T::FormCreate)
        .Method("FormDestroy", &T::FormDestroy)
        .Method("FormShow", &T::FormShow)
        .Method("CbxLangChange", &T::CbxLangChange)
        .Method("PropListClick", &T::PropListClick)
        .Method("EdtTranslationExit", &T::EdtTranslationExit)
        .Method("EdtTranslationKeyDown", &T::EdtTranslationKeyDown)
        .Method("LangListClick", &T::LangListClick)
        .Method("LangListInAppClick", &T::LangListInAppClick)
        .Method("BtnCopyLangClick", &T::BtnCopyLangClick)
        .Method("BtnRemoveLangClick", &T::BtnRemoveLangClick)
        .Method("BtnUserLangClick", &T::BtnUserLangClick)
        .Method("BtnSetStartupClick", &T::BtnSetStartupClick)
        .Method("BtnSetDefaultClick", &T::BtnSetDefaultClick)
        .Method("EdtLocaleListChange", &T::EdtLocaleListChange)
        .Method("EdtLocaleListExit", &T::EdtLocaleListExit)
        .Method("BtnSelLocaleClick", &T::BtnSelLocaleClick)
        .Method("CkxMoveClick", &T::CkxMoveClick)
        .Method("BtnDisplayFontClick", &T::BtnDisplayFontClick)
        .Method("BtnEditFontClick", &T::BtnEditFontClick)
        .Method("BtnLoadClick", &T::BtnLoadClick)
        .Method("BtnSaveClick", &T::BtnSaveClick)
        .Method("BtnOKClick", &T::BtnOKClick)
        .Method("BtnCancelClick", &T::BtnCancelClick);
    // clang-format on
    return &Info;
}

TLocaleEditor::TLocaleEditor(host::TComponent* AOwner) : host::TForm(AOwner) {
    host::InitForm(this, "LocaleEditor.dfm", LocaleEditorDfm);
}

TLocaleEditor::TLocaleEditor(host::TComponent* AOwner, host::TCreateNew) : host::TForm(AOwner) {}

TLocaleEditor::~TLocaleEditor() = default;

void TLocaleEditor::FormCreate(TObject*) {
    FEditing = std::make_unique<TLocaleEditing>();
    FSettings = std::make_unique<TEditorSettings>("LocaleTranslator");
    // Locales of the same name (a language with two sort orders) are all listed, as a list
    // window lists them.
    for (host::TStrings* Items : {LangList->Items(), LangListInApp->Items(), CbxLang->Items()})
        if (auto* List = host::As<host::TStringList>(Items)) List->SetDuplicates(host::dupAccept);
}

void TLocaleEditor::FormDestroy(TObject*) {
    FEditing.reset();
    FSettings.reset();
}

bool TLocaleEditor::Designing() const {
    return Translator && Translator->ComponentState().Contains(host::csDesigning);
}

void TLocaleEditor::ReportError(const String& Msg) {
    host::MessageDlg(Msg, host::mtError, {host::mbOK});
}

// ---- showing ----

void TLocaleEditor::FormShow(TObject*) {
    THourglass Wait;
    BtnSetStartup->SetVisible(Designing());
    BtnSetDefault->SetVisible(Designing());
    LblProp->SetCaption("");
    FormNotebook->SetActivePageIndex(0);
    FEditing->Assign(Translator->Translations());
    ReadSettings();
    const String File = EdtLocaleList->Text();
    if (File.empty() || !LoadSystemFromFile(File)) FEditing->FillSystemFromPlatform();
    RefreshLists();
    if (CbxLang->Items()->Count() > 0) CbxLang->SetItemIndex(0);
    CbxLangChange(this);
}

void TLocaleEditor::ReadSettings() {
    FReadingSettings = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } Done{FReadingSettings};
    EdtTranslation->Font()->SetName(
        FSettings->ReadString("EditFontName", EdtTranslation->Font()->Name()));
    PropList->Font()->SetName(FSettings->ReadString("DisplayFontName", PropList->Font()->Name()));
    CkxMove->SetChecked(FSettings->ReadBool("MoveNextUntranslated", CkxMove->Checked()));
    EdtLocaleList->SetText(FSettings->ReadString("LoadLocales", ""));
    LblDisplayFont->SetCaption(PropList->Font()->Name());
    LblEditFont->SetCaption(EdtTranslation->Font()->Name());
}

TLocaleTranslator* TLocaleEditor::CreateScratch(const host::TStrings* Lines) const {
    auto* Scratch = new TLocaleTranslator(Translator->Owner());
    Scratch->SetLocale(0);
    TSortList* List = Scratch->Translations();
    List->Clear();
    std::vector<std::pair<String, TObject*>> Copy;
    for (int I = 0; I < Lines->Count(); ++I)
        Copy.emplace_back(Lines->Strings(I), Lines->Objects(I));
    List->SortInsertMany(std::move(Copy));
    return Scratch;
}

bool TLocaleEditor::LoadSystemFromFile(const String& FileName) {
    // A translator of its own reads the file: it starts, as every new one, with the user's
    // default locale, and the file's lines join it.
    auto* Scratch = new TLocaleTranslator(Translator->Owner());
    TFreeGuard Guard{Scratch};
    try {
        if (!Scratch->LoadFrom(FileName)) return false;
    } catch (const host::Exception& E) {
        ReportError(E.Message());
        return false;
    }
    FEditing->AssignSystem(Scratch->Translations());
    return true;
}

// ---- the lists ----

void TLocaleEditor::RefreshLists() {
    // Remembered by identifier: two locales may have the same name.
    const Integer Selected = SelectedLocale();
    host::TStrings* InApp = LangListInApp->Items();
    host::TStrings* Combo = CbxLang->Items();
    host::TStrings* System = LangList->Items();
    InApp->BeginUpdate();
    Combo->BeginUpdate();
    System->BeginUpdate();
    InApp->Clear();
    Combo->Clear();
    if (Designing()) {
        InApp->AddObject("(User default)", IntToObject(UserDefault));
        InApp->AddObject("(System default)", IntToObject(SystemDefault));
    }
    std::unordered_set<Integer> InApplication;
    for (const TListedLocale& L : TLocaleEditing::Locales(*FEditing->Work())) {
        InApp->AddObject(L.Text, IntToObject(L.Id));
        Combo->AddObject(L.Text, IntToObject(L.Id));
        InApplication.insert(L.Id);
    }
    System->Clear();
    for (const TListedLocale& L : TLocaleEditing::Locales(*FEditing->System()))
        if (!InApplication.contains(L.Id)) System->AddObject(L.Text, IntToObject(L.Id));
    System->EndUpdate();
    Combo->EndUpdate();
    InApp->EndUpdate();
    CbxLang->SetItemIndex(Selected == 0 ? -1 : IndexOfId(Combo, Selected));
    if (CbxLang->ItemIndex() < 0 && Combo->Count() > 0) CbxLang->SetItemIndex(0);
    LangListClick(this);
    LangListInAppClick(this);
}

Integer TLocaleEditor::SelectedLocale() const {
    const int I = CbxLang->ItemIndex();
    return I < 0 ? 0 : IdAt(CbxLang->Items(), I);
}

String TLocaleEditor::Description(const String& Name) const {
    const int I = TTranslationEditing::GetPropIndex(Name, *DescList->Items());
    return I < 0 ? String() : TTranslationEditing::ValueOf(DescList->Items()->Strings(I));
}

void TLocaleEditor::CbxLangChange(TObject*) {
    // What was typed for the locale shown until now is kept.
    EdtTranslationExit(this);
    host::TStrings* Items = PropList->Items();
    Items->BeginUpdate();
    Items->Clear();
    if (const Integer Id = SelectedLocale(); CbxLang->ItemIndex() >= 0)
        for (const String& Name : FEditing->SettingNames(Id))
            Items->Add(Name);
    Items->EndUpdate();
    PropListClick(this);
}

void TLocaleEditor::PropListClick(TObject*) {
    LblProp->SetCaption("");
    const int I = PropList->ItemIndex();
    const bool Found = I >= 0 && CbxLang->ItemIndex() >= 0 &&
                       FEditing->SelectSetting(SelectedLocale(), PropList->Items()->Strings(I));
    if (I >= 0) LblProp->SetCaption(Description(PropList->Items()->Strings(I)));
    if (!Found) {
        FEditing->ClearSetting();
        EdtTranslation->SetText("");
        EdtTranslation->SetEnabled(false);
        EdtTranslation->SetColor(host::clBtnFace);
        return;
    }
    EdtTranslation->SetText(FEditing->CurrentText());
    EdtTranslation->SetEnabled(true);
    EdtTranslation->SetColor(host::clWindow);
}

void TLocaleEditor::EdtTranslationExit(TObject*) {
    if (FEditing && FEditing->HasSetting()) FEditing->LeaveSetting(EdtTranslation->Text());
}

void TLocaleEditor::EdtTranslationKeyDown(TObject*, host::WORD& Key, host::TShiftState) {
    if (Key == VkEscape) {
        EdtTranslation->SetText(FEditing->RevertSetting());
        Key = 0;
    } else if (Key == VkPrior || Key == VkNext) {
        MoveSetting(Key == VkNext ? 1 : -1);
        Key = 0;
    }
}

void TLocaleEditor::MoveSetting(int Step) {
    EdtTranslationExit(this);
    const Integer Id = SelectedLocale();
    host::TStrings* Items = PropList->Items();
    const int To = TTranslationEditing::NextEntry(
        PropList->ItemIndex(), Items->Count(), Step, CkxMove->Checked(),
        [&](int I) { return !FEditing->ShownValue(Id, Items->Strings(I)).empty(); });
    PropList->SetItemIndex(To);
    PropListClick(this);
}

// ---- the Locales page ----

Integer TLocaleEditor::SelectedInApp() const {
    const int I = LangListInApp->ItemIndex();
    return I < 0 ? 0 : IdAt(LangListInApp->Items(), I);
}

void TLocaleEditor::LangListClick(TObject*) {
    BtnCopyLang->SetEnabled(LangList->ItemIndex() >= 0);
}

void TLocaleEditor::LangListInAppClick(TObject*) {
    const bool Selected = LangListInApp->ItemIndex() >= 0;
    const Integer Id = SelectedInApp();
    BtnRemoveLang->SetEnabled(Selected && Id != DesignLocale && Id != StartupLocale &&
                              !IsDefaultEntry(Id));
    BtnSetDefault->SetEnabled(Selected && Id != DesignLocale && !IsDefaultEntry(Id));
    BtnSetStartup->SetEnabled(Selected && Id != StartupLocale);
}

void TLocaleEditor::BtnCopyLangClick(TObject*) {
    const int I = LangList->ItemIndex();
    if (I < 0) return;
    const String Text = LangList->Items()->Strings(I);
    const Integer Id = IdAt(LangList->Items(), I);
    FEditing->CopyLocale(Id);
    LangListInApp->Items()->AddObject(Text, IntToObject(Id));
    CbxLang->Items()->AddObject(Text, IntToObject(Id));
    LangList->Items()->Delete(I);
    if (CbxLang->ItemIndex() < 0) CbxLang->SetItemIndex(0);
    LangListClick(this);
    LangListInAppClick(this);
    CbxLangChange(this);
}

void TLocaleEditor::BtnRemoveLangClick(TObject*) {
    const int I = LangListInApp->ItemIndex();
    if (I < 0) return;
    const Integer Id = SelectedInApp();
    // The same rule as the button's state: these stay.
    if (Id == DesignLocale || Id == StartupLocale || IsDefaultEntry(Id)) return;
    EdtTranslationExit(this);
    const String Text = LangListInApp->Items()->Strings(I);
    const bool Shown = SelectedLocale() == Id;
    FEditing->RemoveLocale(Id);
    LangListInApp->Items()->Delete(I);
    if (const int C = IndexOfId(CbxLang->Items(), Id); C >= 0) CbxLang->Items()->Delete(C);
    // Its lines are offered for copying again.
    LangList->Items()->AddObject(Text, IntToObject(Id));
    if (Shown || CbxLang->ItemIndex() < 0)
        CbxLang->SetItemIndex(CbxLang->Items()->Count() > 0 ? 0 : -1);
    LangListClick(this);
    LangListInAppClick(this);
    CbxLangChange(this);
}

void TLocaleEditor::BtnUserLangClick(TObject*) {
    String Answer;
    if (!host::InputQuery("New locale", "Locale identifier (integer)", Answer)) return;
    Integer Id = 0;
    try {
        Id = host::StrToInt(Answer);
    } catch (const host::EConvertError& E) {
        ReportError(E.Message());
        return;
    }
    if (!FEditing->NewLocale(Id)) return;
    const Integer Shown = SelectedLocale();
    RefreshLists();
    if (SelectedLocale() != Shown) CbxLangChange(this);
}

void TLocaleEditor::BtnSetStartupClick(TObject*) {
    if (LangListInApp->ItemIndex() < 0) return;
    StartupLocale = SelectedInApp();
    FEditing->SetModified();
    LangListInAppClick(this);
}

void TLocaleEditor::BtnSetDefaultClick(TObject*) {
    if (LangListInApp->ItemIndex() < 0) return;
    const Integer Id = SelectedInApp();
    if (IsDefaultEntry(Id)) return;
    DesignLocale = Id;
    FEditing->SetModified();
    LangListInAppClick(this);
}

// ---- Options ----

void TLocaleEditor::EdtLocaleListChange(TObject*) {
    if (!FReadingSettings) FSettings->WriteString("LoadLocales", EdtLocaleList->Text());
}

void TLocaleEditor::EdtLocaleListExit(TObject*) {
    THourglass Wait;
    const String File = EdtLocaleList->Text();
    // With no file named the locales come from the platform again.
    if (File.empty())
        FEditing->FillSystemFromPlatform();
    else if (!LoadSystemFromFile(File))
        return;
    RefreshLists();
}

void TLocaleEditor::BtnSelLocaleClick(TObject*) {
    OpenDialog1->SetTitle(LblLocaleList->Caption());
    OpenDialog1->SetFileName(EdtLocaleList->Text());
    if (!OpenDialog1->Execute()) return;
    EdtLocaleList->SetText(OpenDialog1->FileName());
    // The chosen file is read at once, not only when the edit is next left.
    EdtLocaleListExit(this);
}

void TLocaleEditor::CkxMoveClick(TObject*) {
    if (!FReadingSettings) FSettings->WriteBool("MoveNextUntranslated", CkxMove->Checked());
}

// ---- Font ----

void TLocaleEditor::BtnDisplayFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblDisplayFont, *FSettings, "DisplayFontName", PropList);
}

void TLocaleEditor::BtnEditFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblEditFont, *FSettings, "EditFontName", EdtTranslation);
}

// ---- Dictionary ----

void TLocaleEditor::BtnLoadClick(TObject*) {
    OpenDialog1->SetTitle(LblLoad->Caption());
    if (!OpenDialog1->Execute()) return;
    EdtTranslationExit(this);
    TLocaleTranslator* Scratch = CreateScratch(FEditing->Work());
    TFreeGuard Guard{Scratch};
    try {
        // A file that cannot be read changes nothing.
        if (!Scratch->LoadFrom(OpenDialog1->FileName())) return;
    } catch (const host::Exception& E) {
        ReportError(E.Message());
        return;
    }
    FEditing->TakeWork(Scratch->Translations());
    RefreshLists();
    CbxLangChange(this);
}

void TLocaleEditor::BtnSaveClick(TObject*) {
    SaveDialog1->SetTitle(LblSave->Caption());
    if (!SaveDialog1->Execute()) return;
    EdtTranslationExit(this);
    TLocaleTranslator* Scratch = CreateScratch(FEditing->Work());
    TFreeGuard Guard{Scratch};
    try {
        Scratch->SaveTo(SaveDialog1->FileName());
    } catch (const host::Exception& E) {
        ReportError(E.Message());
    }
}

// ---- closing ----

void TLocaleEditor::BtnOKClick(TObject*) {
    // What is typed in the memo counts even when OK is pressed without leaving it.
    EdtTranslationExit(this);
    if (FEditing->IsModified()) {
        Translator->SetTranslations(FEditing->Work());
        SetModalResult(host::mrOk);
    } else {
        // Nothing changed: the caller is not told of a change.
        SetModalResult(host::mrCancel);
    }
}

void TLocaleEditor::BtnCancelClick(TObject*) {
    EdtTranslationExit(this);
    SetModalResult(CancelResult(FEditing->IsModified()));
}

// ---- ShowEditor of the locale translator ----

namespace {

// The language-list line of Id as a locale string; "" when Id is not listed.
String ListedLocale(TLocaleTranslator* T, Integer Id) {
    const int I = IndexOfId(T->LangList(), Id);
    return I < 0 ? String() : T->LangList()->Line(I) + " " + LocaleHex(Id);
}

bool ShowLocaleEditor(TTranslatorFrame* Frame) {
    auto* T = host::As<TLocaleTranslator>(Frame);
    if (!T) return false;
    const bool WasOn = T->Translate();
    auto* Editor = new TLocaleEditor(host::Application);
    // The translator stays off while the editor is open, whatever happens in it.
    struct TRestore {
        TLocaleEditor* E;
        TLocaleTranslator* T;
        bool On;
        ~TRestore() {
            E->Free();
            T->SetTranslate(On);
        }
    } Restore{Editor, T, WasOn};
    T->SetTranslate(false);
    Editor->Translator = T;
    Editor->DesignLocale = LocaleOfString(T->DesignLocale());
    Editor->StartupLocale = LocaleOfString(T->StartupLocale());
    if (Editor->ShowModal() != host::mrOk) return false;
    T->UpdateAdoptOn();
    // Without an adopted control the language list is not rebuilt by UpdateAdoptOn.
    T->UpdateLangList();
    if (const String Design = ListedLocale(T, Editor->DesignLocale); !Design.empty())
        T->SetDesignLocale(Design);
    const Integer Startup = Editor->StartupLocale;
    if (Startup == UserDefault)
        T->SetStartupLocale("User default " + LocaleHex(UserDefault));
    else if (Startup == SystemDefault)
        T->SetStartupLocale("System default " + LocaleHex(SystemDefault));
    else if (const String Listed = ListedLocale(T, Startup); !Listed.empty())
        T->SetStartupLocale(Listed);
    return true;
}

} // namespace

void Zltedit::Install() {
    host::RegisterClass(TLocaleEditor::StaticClass());
    InstallEditorForm(TLocaleTranslator::StaticClass(), &ShowLocaleEditor);
}

void Zltedit::Uninstall() {
    InstallEditorForm(TLocaleTranslator::StaticClass(), nullptr);
    host::UnRegisterClass(TLocaleEditor::StaticClass());
}

} // namespace zantor
