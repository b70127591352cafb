#include "editors/ResEditor.h"

#include "ResEditorDfm.h"
#include "editors/CaselessText.h"
#include "editors/DiscardQuestion.h"
#include "editors/EditorFonts.h"
#include "editors/TranslationEditing.h"
#include "host/classes/StringList.h"
#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Format.h"
#include "host/winapi/Input.h"
#include "host/winapi/Modules.h"
#include "host/winapi/NlsCodePage.h"
#include "translators/EditorForms.h"
#include "translators/Hourglass.h"
#include "translators/ResourceTranslator.h"

#include <cstring>

namespace zantor {

using host::TObject;
using host::TStringList;

namespace {

constexpr host::WORD VkInsert = 0x2D;
constexpr host::WORD VkPrior = host::WORD(host::VK_PRIOR);
constexpr host::WORD VkNext = host::WORD(host::VK_NEXT);
constexpr host::WORD VkEscape = host::WORD(host::VK_ESCAPE);
constexpr host::WORD VkDelete = host::WORD(host::VK_DELETE);

// The string tables are read with the loader's own buffer size, so that an included text is the
// whole text the loader delivers and can match it.
constexpr int StringBufferSize = 4096;

TStringList& ListOf(host::TListBox* List) {
    return *static_cast<TStringList*>(List->Items());
}

String CannotOpen(const String& FileName) {
    return "Cannot open file \"" + FileName + "\"";
}

} // namespace

TClass TResEditor::StaticClass() {
    using T = TResEditor;
    // clang-format off
    static const TClassInfo Info = TClassBuilder<T>("TResEditor")
        .Field("ResNotebook", &T::ResNotebook)
        .Field("TabOptions", &T::TabOptions)
        .Field("ResList", &T::ResList)
        .Field("BtnNew", &T::BtnNew)
        .Field("BtnRemove", &T::BtnRemove)
        .Field("EdtTranslation", &T::EdtTranslation)
        .Field("LblTot", &T::LblTot)
        .Field("LblLocalized", &T::LblLocalized)
        .Field("CkxMove", &T::CkxMove)
        .Field("LblDisplayFont", &T::LblDisplayFont)
        .Field("BtnDisplayFont", &T::BtnDisplayFont)
        .Field("LblEditFont", &T::LblEditFont)
        .Field("BtnEditFont", &T::BtnEditFont)
        .Field("GroupReadingOrder", &T::GroupReadingOrder)
        .Field("ModuleList", &T::ModuleList)
        .Field("ModuleStrList", &T::ModuleStrList)
        .Field("BtnInclude", &T::BtnInclude)
        .Field("BtnTranslate", &T::BtnTranslate)
        .Field("BtnExport", &T::BtnExport)
        .Field("BtnLoad", &T::BtnLoad)
        .Field("BtnSave", &T::BtnSave)
        .Field("LblTranslate", &T::LblTranslate)
        .Field("LblExport", &T::LblExport)
        .Field("LblLoad", &T::LblLoad)
        .Field("LblSave", &T::LblSave)
        .Field("BtnOK", &T::BtnOK)
        .Field("BtnCancel", &T::BtnCancel)
        .Field("OpenDialog1", &T::OpenDialog1)
        .Field("SaveDialog1", &T::SaveDialog1)
        .Field("FontDialog1", &T::FontDialog1)
        .Method("FormCreate", &T::FormCreate)
        .Method("FormDestroy", &T::FormDestroy)
        .Method("FormShow", &T::FormShow)
        .Method("ResListClick", &T::ResListClick)
        .Method("ResListKeyDown", &T::ResListKeyDown)
        .Method("EdtTranslationExit", &T::EdtTranslationExit)
        .Method("EdtTranslationKeyDown", &T::EdtTranslationKeyDown)
        .Method("BtnNewClick", &T::BtnNewClick)
        .Method("BtnRemoveClick", &T::BtnRemoveClick)
        .Method("BtnOKClick", &T::BtnOKClick)
        .Method("BtnCancelClick", &T::BtnCancelClick)
        .Method("ResNotebookChange", &T::ResNotebookChange)
        .Method("CkxMoveClick", &T::CkxMoveClick)
        .Method("GroupReadingOrderClick", &T::GroupReadingOrderClick)
        .Method("BtnEditFontClick", &T::BtnEditFontClick)
        .Method("BtnDisplayFontClick", &T::BtnDisplayFontClick)
        .Method("BtnTranslateClick", &T::BtnTranslateClick)
        .Method("BtnLoadClick", &T::BtnLoadClick)
        .Method("BtnSaveClick", &T::BtnSaveClick)
        .Method("BtnExportClick", &T::BtnExportClick)
        .Method("ModuleListClick", &T::ModuleListClick)
        .Method("BtnIncludeClick", &T::BtnIncludeClick);
    // clang-format on
    return &Info;
}

TResEditor::TResEditor(host::TComponent* AOwner) : host::TForm(AOwner) {
    host::InitForm(this, "ResEditor.dfm", ResEditorDfm);
}

TResEditor::TResEditor(host::TComponent* AOwner, host::TCreateNew) : host::TForm(AOwner) {}

TResEditor::~TResEditor() {
    // The switch goes back even when the form went without its OnDestroy.
    if (FCreated) GlobalTranslation = FSavedGlobalTranslation;
}

void TResEditor::FormCreate(TObject*) {
    FWork = std::make_unique<TSortList>();
    FSettings = std::make_unique<TEditorSettings>("ResourceTranslator");
    // Texts that differ only in letter case are different source texts: the list keeps both.
    ListOf(ResList).SetDuplicates(host::dupAccept);
    // Every string loaded while the dialog exists (its own, the modules') comes untranslated.
    FSavedGlobalTranslation = GlobalTranslation;
    GlobalTranslation = false;
    FCreated = true;
}

void TResEditor::FormDestroy(TObject*) {
    if (FCreated) GlobalTranslation = FSavedGlobalTranslation;
    FCreated = false;
    FWork.reset();
    FSettings.reset();
}

void TResEditor::ReportError(const String& Msg) {
    host::MessageDlg(Msg, host::mtError, {host::mbOK});
}

// ---- the entries ----

const String& TResEditor::TranslationAt(int Index) const {
    static const String None;
    const int T = ObjectToInt(ResList->Items()->Objects(Index));
    return T >= 0 && T < FWork->Count() ? FWork->Line(T) : None;
}

std::vector<TResEditor::TEntry> TResEditor::Entries() const {
    const TStringList& Items = ListOf(ResList);
    std::vector<TEntry> Result;
    Result.reserve(std::size_t(Items.Count()));
    for (int I = 0; I < Items.Count(); ++I)
        Result.push_back({Items.Strings(I), ObjectToInt(Items.Objects(I))});
    return Result;
}

void TResEditor::SetEntries(std::vector<TEntry> Entries) {
    TStringList& Items = ListOf(ResList);
    // The keys are built when New or Include first asks for them, not on every refill.
    FKeys.clear();
    FKeysValid = false;
    Items.BeginUpdate();
    ResList->ClearSelection();
    // Added unsorted and sorted once: inserting each at its place would move the whole list
    // for every entry.
    Items.SetSorted(false);
    Items.Clear();
    for (TEntry& E : Entries) {
        // An entry that points nowhere (a damaged table) gets an empty translation of its own.
        if (E.Index < 0 || E.Index >= FWork->Count()) E.Index = FWork->Add(String());
        Items.AddObject(E.Text, IntToObject(E.Index));
    }
    Items.SetSorted(true);
    Items.EndUpdate();
    ResList->SetItemIndex(-1);
}

void TResEditor::EnsureKeys() {
    if (FKeysValid) return;
    const TStringList& Items = ListOf(ResList);
    FKeys.clear();
    FKeys.reserve(std::size_t(Items.Count()));
    for (int I = 0; I < Items.Count(); ++I)
        FKeys.insert(CaselessKey(Items.Strings(I)));
    FKeysValid = true;
}

int TResEditor::AddEntries(const std::vector<String>& Texts) {
    EnsureKeys();
    // SetEntries drops the keys: the ones of this call go into a set of their own first.
    std::unordered_set<String> Keys = std::move(FKeys);
    FKeys.clear();
    std::vector<TEntry> All = Entries();
    const std::size_t Before = All.size();
    for (const String& Text : Texts) {
        if (Text.empty() || !Keys.insert(CaselessKey(Text)).second) continue;
        All.push_back({Text, FWork->Add(String())});
    }
    const int Added = int(All.size() - Before);
    if (Added > 0) SetEntries(std::move(All));
    FKeys = std::move(Keys);
    FKeysValid = true;
    return Added;
}

void TResEditor::PackTranslations() {
    TStringList& Items = ListOf(ResList);
    auto Packed = std::make_unique<TSortList>();
    Items.BeginUpdate();
    for (int I = 0; I < Items.Count(); ++I) {
        Packed->Add(TranslationAt(I));
        Items.PutObject(I, IntToObject(I));
    }
    Items.EndUpdate();
    FWork = std::move(Packed);
    FEntryIndex = -1;
}

int TResEditor::SelectedEntry() const {
    const int I = ResList->ItemIndex();
    if (I >= 0 && ResList->Selected(I)) return I;
    for (int J = 0; J < ResList->Items()->Count(); ++J)
        if (ResList->Selected(J)) return J;
    return -1;
}

void TResEditor::ShowEntry(int Index) {
    ResList->ClearSelection();
    ResList->SetItemIndex(Index);
    ResListClick(this);
}

// ---- showing ----

void TResEditor::FormShow(TObject*) {
    {
        THourglass Wait;
        FModified = false;
        FWork->Assign(Translator->Translations());
        const TSortList* Source = Translator->ResStrings();
        std::vector<TEntry> Lines;
        Lines.reserve(std::size_t(Source->Count()));
        for (int I = 0; I < Source->Count(); ++I)
            Lines.push_back({Source->Line(I), ObjectToInt(Source->Objects(I))});
        SetEntries(std::move(Lines));
        if (FWork->Count() == 0) GetTranslatorProps();
        ResListClick(this);
        UpdateModuleList();
        ResNotebook->SetActivePageIndex(0);
    }
    ReadSettings();
}

void TResEditor::GetTranslatorProps() {
    host::TComponent* Form = Translator->Owner();
    if (!Form) return;
    for (int I = 0; I < Form->ComponentCount(); ++I) {
        auto* Other = host::As<TResourceTranslator>(Form->Components(I));
        if (!Other || Other == Translator || Other->Translations()->Count() == 0) continue;
        if (host::MessageDlg(
                host::Format("Do you want to include resource strings from %s ?", {Other->Name()}),
                host::mtInformation, {host::mbYes, host::mbNo}) != host::mrYes)
            continue;
        // Its texts as they are: two that differ only in letter case are two texts there too.
        std::vector<TEntry> All = Entries();
        std::unordered_set<String> Present;
        for (const TEntry& E : All)
            Present.insert(E.Text);
        const TSortList* Texts = Other->ResStrings();
        for (int J = 0; J < Texts->Count(); ++J)
            if (Present.insert(Texts->Line(J)).second)
                All.push_back({Texts->Line(J), FWork->Add(String())});
        SetEntries(std::move(All));
        FModified = true;
        return;
    }
}

void TResEditor::ReadSettings() {
    FReadingSettings = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } Done{FReadingSettings};
    CkxMove->SetChecked(FSettings->ReadBool("MoveNextUntranslated", CkxMove->Checked()));
    EdtTranslation->Font()->SetName(
        FSettings->ReadString("EditFontName", EdtTranslation->Font()->Name()));
    ResList->Font()->SetName(FSettings->ReadString("DisplayFontName", ResList->Font()->Name()));
    GroupReadingOrder->SetItemIndex(
        FSettings->ReadInteger("ReadingOrderIndex", GroupReadingOrder->ItemIndex()));
    ApplyReadingOrder();
    LblDisplayFont->SetCaption(ResList->Font()->Name());
    LblEditFont->SetCaption(EdtTranslation->Font()->Name());
}

void TResEditor::ApplyReadingOrder() {
    zantor::ApplyReadingOrder(*GroupReadingOrder, *EdtTranslation);
}

// ---- the entry list and the translation memo ----

void TResEditor::ResListClick(TObject*) {
    // Text typed for the entry shown before is kept, whether or not the memo was left.
    EdtTranslationExit(this);
    EdtTranslation->SetText("");
    const int I = SelectedEntry();
    BtnRemove->SetEnabled(I >= 0);
    EdtTranslation->SetEnabled(I >= 0);
    EdtTranslation->SetColor(I >= 0 ? host::clWindow : host::clBtnFace);
    if (I < 0) {
        FEntryIndex = -1;
        FEntryText.clear();
        return;
    }
    FEntryIndex = ObjectToInt(ResList->Items()->Objects(I));
    FEntryText = TranslationAt(I);
    EdtTranslation->SetText(FEntryText);
}

void TResEditor::ResListKeyDown(TObject*, host::WORD& Key, host::TShiftState) {
    if (Key == VkInsert)
        BtnNewClick(this);
    else if (Key == VkDelete)
        BtnRemoveClick(this);
}

void TResEditor::EdtTranslationExit(TObject*) {
    if (!FWork || FEntryIndex < 0 || FEntryIndex >= FWork->Count()) return;
    const String Text = EdtTranslation->Text();
    if (Text == FWork->Line(FEntryIndex)) return;
    FWork->SetStrings(FEntryIndex, Text);
    FModified = true;
}

void TResEditor::EdtTranslationKeyDown(TObject*, host::WORD& Key, host::TShiftState) {
    if (Key == VkEscape) {
        if (FEntryIndex >= 0 && FEntryIndex < FWork->Count() &&
            FWork->Line(FEntryIndex) != FEntryText) {
            FWork->SetStrings(FEntryIndex, FEntryText);
            FModified = true;
        }
        EdtTranslation->SetText(FEntryText);
        Key = 0;
    } else if (Key == VkPrior || Key == VkNext) {
        MoveEntry(Key == VkNext ? 1 : -1);
        Key = 0;
    } else if (GroupReadingOrder->ItemIndex() == 0 && host::GetACP() != 1255 &&
               host::GetACP() != 1256) {
        // Without right-to-left input, typing at the start makes the text run right to left.
        EdtTranslation->SetSelStart(0);
    }
}

void TResEditor::MoveEntry(int Step) {
    EdtTranslationExit(this);
    const int From = SelectedEntry();
    const int To =
        TTranslationEditing::NextEntry(From, ResList->Items()->Count(), Step, CkxMove->Checked(),
                                       [&](int I) { return !TranslationAt(I).empty(); });
    ShowEntry(To);
}

void TResEditor::BtnNewClick(TObject*) {
    const String Text =
        host::InputBox("Add library resource string", "Please provide the original string", "");
    // A cancelled box gives nothing; an empty text is never loaded, so never asked for.
    EnsureKeys();
    if (Text.empty() || FKeys.contains(CaselessKey(Text))) return;
    EdtTranslationExit(this);
    ResList->ClearSelection();
    FKeys.insert(CaselessKey(Text));
    const int Index = FWork->Add(String());
    ResList->Items()->AddObject(Text, IntToObject(Index));
    FModified = true;
    ShowEntry(ResList->Items()->IndexOf(Text));
}

void TResEditor::BtnRemoveClick(TObject*) {
    if (ResList->SelCount() == 0) return;
    if (host::MessageDlg("Do you want to remove the selected strings ?", host::mtWarning,
                         {host::mbYes, host::mbNo}) != host::mrYes)
        return;
    EdtTranslationExit(this);
    std::vector<TEntry> Kept;
    const TStringList& Items = ListOf(ResList);
    for (int I = 0; I < Items.Count(); ++I)
        if (!ResList->Selected(I))
            Kept.push_back({Items.Strings(I), ObjectToInt(Items.Objects(I))});
    FEntryIndex = -1;
    SetEntries(std::move(Kept));
    PackTranslations();
    FModified = true;
    ResListClick(this);
}

// ---- the modules ----

void TResEditor::UpdateModuleList() {
    TStringList& Items = ListOf(ModuleList);
    Items.BeginUpdate();
    Items.Clear();
    host::EnumModules([&](host::HINSTANCE Instance) {
        const host::HINSTANCE Res = host::FindResourceHInstance(Instance);
        char Name[256];
        if (host::GetModuleFileNameA(Res, Name, sizeof Name) > 0)
            Items.AddObject(String(Name), reinterpret_cast<TObject*>(Res));
        return true;
    });
    Items.EndUpdate();
    ModuleListClick(this);
}

void TResEditor::GetResStrings(host::HINSTANCE Module, host::TStrings* Strings) {
    THourglass Wait;
    std::vector<char> Buffer(StringBufferSize);
    std::unordered_set<String> Seen;
    auto& List = *static_cast<TStringList*>(Strings);
    const bool WasSorted = List.Sorted();
    List.BeginUpdate();
    List.SetSorted(false);
    for (host::UINT Id = 65535; Id >= 32768; --Id) {
        // Through the package's own import, as the loaders of the run-time library load.
        const int Len =
            host::PackageModule().LoadStringA(Module, Id, Buffer.data(), StringBufferSize);
        if (Len <= 0) continue;
        String Text(Buffer.data(), std::size_t(Len));
        if (Seen.insert(Text).second) List.Add(Text);
    }
    List.SetSorted(WasSorted);
    List.EndUpdate();
}

void TResEditor::ModuleListClick(TObject*) {
    ModuleStrList->Items()->Clear();
    const int I = ModuleList->ItemIndex();
    if (I >= 0)
        GetResStrings(reinterpret_cast<host::HINSTANCE>(ModuleList->Items()->Objects(I)),
                      ModuleStrList->Items());
    BtnInclude->SetEnabled(ModuleStrList->Items()->Count() > 0);
}

void TResEditor::BtnIncludeClick(TObject*) {
    {
        THourglass Wait;
        EdtTranslationExit(this);
        std::vector<String> Texts;
        const host::TStrings* Items = ModuleStrList->Items();
        Texts.reserve(std::size_t(Items->Count()));
        for (int I = 0; I < Items->Count(); ++I)
            Texts.push_back(Items->Strings(I));
        if (AddEntries(Texts) > 0) FModified = true;
    }
    ResListClick(this);
}

// ---- closing ----

void TResEditor::BtnOKClick(TObject*) {
    EdtTranslationExit(this);
    if (FModified) {
        // Translations numbered in list order; the table takes the texts in byte-wise order,
        // each with its own index.
        PackTranslations();
        TStringList Lines;
        const TStringList& Items = ListOf(ResList);
        for (int I = 0; I < Items.Count(); ++I)
            Lines.AddObject(Items.Strings(I), Items.Objects(I));
        Translator->SetResStrings(&Lines);
        Translator->SetTranslations(FWork.get());
    }
    SetModalResult(host::mrOk);
}

void TResEditor::BtnCancelClick(TObject*) {
    EdtTranslationExit(this);
    SetModalResult(CancelResult(FModified));
}

// ---- Options, Font, Reading order ----

void TResEditor::ResNotebookChange(TObject*) {
    if (ResNotebook->ActivePage() != TabOptions) return;
    EdtTranslationExit(this);
    const int Count = ResList->Items()->Count();
    int Localized = 0;
    for (int I = 0; I < Count; ++I)
        if (!TranslationAt(I).empty()) ++Localized;
    LblTot->SetCaption(host::IntToStr(Count));
    LblLocalized->SetCaption(host::IntToStr(Localized));
}

void TResEditor::CkxMoveClick(TObject*) {
    if (!FReadingSettings) FSettings->WriteBool("MoveNextUntranslated", CkxMove->Checked());
}

void TResEditor::GroupReadingOrderClick(TObject*) {
    ApplyReadingOrder();
    if (!FReadingSettings)
        FSettings->WriteInteger("ReadingOrderIndex", GroupReadingOrder->ItemIndex());
}

void TResEditor::BtnEditFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblEditFont, *FSettings, "EditFontName", EdtTranslation);
}

void TResEditor::BtnDisplayFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblDisplayFont, *FSettings, "DisplayFontName", ResList);
}

// ---- Dictionary ----

template <class F> void TResEditor::WithScratch(bool Owned, F Operation) {
    EdtTranslationExit(this);
    // Locale 0, never streamed; it answers no loader, since GlobalTranslation is off.
    auto* Scratch = new TResourceTranslator(Owned ? Translator->Owner() : nullptr);
    struct TFree {
        TResourceTranslator* T;
        ~TFree() { T->Free(); }
    } Free{Scratch};
    {
        TStringList Lines;
        const TStringList& Items = ListOf(ResList);
        for (int I = 0; I < Items.Count(); ++I)
            Lines.AddObject(Items.Strings(I), Items.Objects(I));
        Scratch->SetResStrings(&Lines);
        Scratch->SetTranslations(FWork.get());
    }
    try {
        Operation(*Scratch);
    } catch (const host::Exception& E) {
        ReportError(E.Message());
    }
}

void TResEditor::BtnTranslateClick(TObject*) {
    OpenDialog1->SetTitle(LblTranslate->Caption());
    if (!OpenDialog1->Execute()) return;
    const String FileName = OpenDialog1->FileName();
    WithScratch(false, [&](TResourceTranslator& Scratch) {
        if (!Scratch.TranslateFrom(FileName)) {
            ReportError(CannotOpen(FileName));
            return;
        }
        TakeScratch(Scratch);
    });
}

void TResEditor::BtnExportClick(TObject*) {
    SaveDialog1->SetTitle(LblExport->Caption());
    if (!SaveDialog1->Execute()) return;
    const String FileName = SaveDialog1->FileName();
    WithScratch(true, [&](TResourceTranslator& Scratch) { Scratch.TranslateTo(FileName); });
}

void TResEditor::BtnLoadClick(TObject*) {
    OpenDialog1->SetTitle(LblLoad->Caption());
    if (!OpenDialog1->Execute()) return;
    const String FileName = OpenDialog1->FileName();
    WithScratch(true, [&](TResourceTranslator& Scratch) {
        if (!Scratch.LoadFrom(FileName)) {
            ReportError(CannotOpen(FileName));
            return;
        }
        TakeScratch(Scratch);
    });
}

void TResEditor::BtnSaveClick(TObject*) {
    SaveDialog1->SetTitle(LblSave->Caption());
    if (!SaveDialog1->Execute()) return;
    const String FileName = SaveDialog1->FileName();
    WithScratch(true, [&](TResourceTranslator& Scratch) { Scratch.SaveTo(FileName); });
}

void TResEditor::TakeScratch(TResourceTranslator& Scratch) {
    FWork->Assign(Scratch.Translations());
    std::vector<TEntry> Lines;
    const TSortList* Source = Scratch.ResStrings();
    Lines.reserve(std::size_t(Source->Count()));
    for (int I = 0; I < Source->Count(); ++I)
        Lines.push_back({Source->Line(I), ObjectToInt(Source->Objects(I))});
    FEntryIndex = -1;
    SetEntries(std::move(Lines));
    FModified = true;
    ResListClick(this);
}

// ---- opening ----

namespace {

bool ShowResEditor(TTranslatorFrame* Frame) {
    auto* T = host::As<TResourceTranslator>(Frame);
    if (!T) return false;
    auto* Editor = new TResEditor(host::Application);
    struct TFree {
        TResEditor* E;
        ~TFree() { E->Free(); }
    } Free{Editor};
    Editor->Translator = T;
    return Editor->ShowModal() == host::mrOk;
}

} // namespace

void Zrtedit::Install() {
    host::RegisterClass(TResEditor::StaticClass());
    InstallEditorForm(TResourceTranslator::StaticClass(), &ShowResEditor);
}

void Zrtedit::Uninstall() {
    InstallEditorForm(TResourceTranslator::StaticClass(), nullptr);
    host::UnRegisterClass(TResEditor::StaticClass());
}

} // namespace zantor
