#include "editors/TranslationEditorForm.h"

#include "editors/DiscardQuestion.h"
#include "editors/EditorFonts.h"

#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Format.h"
#include "host/winapi/Input.h"
#include "host/winapi/NlsCodePage.h"
#include "translators/Hourglass.h"
#include "translators/TranslatorFrame.h"

namespace zantor {

using host::TObject;

namespace {

constexpr host::WORD VkInsert = 0x2D;
constexpr host::WORD VkPrior = host::WORD(host::VK_PRIOR);
constexpr host::WORD VkNext = host::WORD(host::VK_NEXT);
constexpr host::WORD VkEscape = host::WORD(host::VK_ESCAPE);
constexpr host::WORD VkDelete = host::WORD(host::VK_DELETE);

// Frees a component when the scope ends, however it ends.
struct TFreeGuard {
    host::TComponent* C;
    ~TFreeGuard() {
        if (C) C->Free();
    }
};

} // namespace

TClass TTranslationEditorForm::StaticClass() {
    using T = TTranslationEditorForm;
    // clang-format off
    static const TClassInfo Info = TClassBuilder<T>("TTranslationEditorForm").NoCreate()
        .Field("FormNotebook", &T::FormNotebook)
        .Field("TabOptions", &T::TabOptions)
        .Field("PropList", &T::PropList)
        .Field("BtnNew", &T::BtnNew)
        .Field("BtnRemove", &T::BtnRemove)
        .Field("EdtOrgTranslation", &T::EdtOrgTranslation)
        .Field("EdtTranslation", &T::EdtTranslation)
        .Field("LblTot", &T::LblTot)
        .Field("LblLocalized", &T::LblLocalized)
        .Field("CkxMove", &T::CkxMove)
        .Field("LblDisplayFont", &T::LblDisplayFont)
        .Field("BtnDisplayFont", &T::BtnDisplayFont)
        .Field("LblEditFont", &T::LblEditFont)
        .Field("BtnEditFont", &T::BtnEditFont)
        .Field("GroupReadingOrder", &T::GroupReadingOrder)
        .Field("ListAvail", &T::ListAvail)
        .Field("LblSelected", &T::LblSelected)
        .Field("BtnIncludeProp", &T::BtnIncludeProp)
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
        .Method("PropListClick", &T::PropListClick)
        .Method("PropListKeyDown", &T::PropListKeyDown)
        .Method("EdtTranslationExit", &T::EdtTranslationExit)
        .Method("EdtTranslationKeyDown", &T::EdtTranslationKeyDown)
        .Method("BtnNewClick", &T::BtnNewClick)
        .Method("BtnRemoveClick", &T::BtnRemoveClick)
        .Method("BtnOKClick", &T::BtnOKClick)
        .Method("BtnCancelClick", &T::BtnCancelClick)
        .Method("FormNotebookChange", &T::FormNotebookChange)
        .Method("CkxMoveClick", &T::CkxMoveClick)
        .Method("GroupReadingOrderClick", &T::GroupReadingOrderClick)
        .Method("BtnEditFontClick", &T::BtnEditFontClick)
        .Method("BtnDisplayFontClick", &T::BtnDisplayFontClick)
        .Method("BtnTranslateClick", &T::BtnTranslateClick)
        .Method("BtnLoadClick", &T::BtnLoadClick)
        .Method("BtnSaveClick", &T::BtnSaveClick)
        .Method("BtnExportClick", &T::BtnExportClick)
        .Method("ListAvailClick", &T::ListAvailClick)
        .Method("ListAvailMouseMove", &T::ListAvailMouseMove)
        .Method("BtnIncludePropClick", &T::BtnIncludePropClick);
    // clang-format on
    return &Info;
}

TTranslationEditorForm::TTranslationEditorForm(host::TComponent* AOwner, host::TCreateNew)
    : host::TForm(AOwner) {}

TTranslationEditorForm::~TTranslationEditorForm() = default;

void TTranslationEditorForm::FormCreate(TObject*) {
    FEditing = std::make_unique<TTranslationEditing>();
    FSettings = std::make_unique<TEditorSettings>(SettingsSection());
}

void TTranslationEditorForm::FormDestroy(TObject*) {
    FEditing.reset();
    FSettings.reset();
}

void TTranslationEditorForm::ReportError(const String& Msg) {
    host::MessageDlg(Msg, host::mtError, {host::mbOK});
}

// ---- showing ----

void TTranslationEditorForm::ReadSettings() {
    FReadingSettings = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } Done{FReadingSettings};
    CkxMove->SetChecked(FSettings->ReadBool("MoveNextUntranslated", CkxMove->Checked()));
    EdtTranslation->Font()->SetName(
        FSettings->ReadString("EditFontName", EdtTranslation->Font()->Name()));
    const String Display = FSettings->ReadString("DisplayFontName", PropList->Font()->Name());
    PropList->Font()->SetName(Display);
    EdtOrgTranslation->Font()->SetName(Display);
    GroupReadingOrder->SetItemIndex(
        FSettings->ReadInteger("ReadingOrderIndex", GroupReadingOrder->ItemIndex()));
    ApplyReadingOrder();
    LblDisplayFont->SetCaption(PropList->Font()->Name());
    LblEditFont->SetCaption(EdtTranslation->Font()->Name());
}

void TTranslationEditorForm::ApplyReadingOrder() {
    zantor::ApplyReadingOrder(*GroupReadingOrder, *EdtTranslation);
}

// ---- the entry list and the translation memo ----

int TTranslationEditorForm::SelectedEntry() const {
    const int I = PropList->ItemIndex();
    if (I >= 0 && PropList->Selected(I)) return I;
    for (int J = 0; J < PropList->Items()->Count(); ++J)
        if (PropList->Selected(J)) return J;
    return -1;
}

void TTranslationEditorForm::PropListClick(TObject*) {
    EdtOrgTranslation->SetText("");
    EdtTranslation->SetText("");
    const int I = SelectedEntry();
    BtnRemove->SetEnabled(I >= 0);
    EdtTranslation->SetEnabled(I >= 0);
    EdtTranslation->SetColor(I >= 0 ? host::clWindow : host::clBtnFace);
    if (I < 0) {
        FEditing->ClearEntry();
        return;
    }
    const String Key = PropList->Items()->Strings(I);
    FEditing->SelectEntry(Key);
    EdtOrgTranslation->SetText(FEditing->ShownOriginal(Key));
    EdtTranslation->SetText(FEditing->EntryText());
}

void TTranslationEditorForm::PropListKeyDown(TObject*, host::WORD& Key, host::TShiftState) {
    if (Key == VkInsert)
        BtnNewClick(this);
    else if (Key == VkDelete)
        BtnRemoveClick(this);
}

void TTranslationEditorForm::EdtTranslationExit(TObject*) {
    if (FEditing) FEditing->LeaveEntry(EdtTranslation->Text());
}

void TTranslationEditorForm::EdtTranslationKeyDown(TObject*, host::WORD& Key, host::TShiftState) {
    if (Key == VkEscape) {
        EdtTranslation->SetText(FEditing->RevertEntry());
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

void TTranslationEditorForm::MoveEntry(int Step) {
    EdtTranslationExit(this);
    const int From = SelectedEntry();
    PropList->ClearSelection();
    const int Count = PropList->Items()->Count();
    const int To =
        TTranslationEditing::NextEntry(From, Count, Step, CkxMove->Checked(), [&](int I) {
            return !FEditing->ShownTranslation(PropList->Items()->Strings(I)).empty();
        });
    PropList->SetItemIndex(To);
    PropListClick(this);
}

void TTranslationEditorForm::SelectKey(const String& Key) {
    PropList->ClearSelection();
    PropList->SetItemIndex(PropList->Items()->IndexOf(Key));
    PropListClick(this);
}

void TTranslationEditorForm::RefreshPropList() {
    const int Was = SelectedEntry();
    const String Selected = Was >= 0 ? PropList->Items()->Strings(Was) : String();
    {
        host::TStrings* Items = PropList->Items();
        Items->BeginUpdate();
        Items->Clear();
        for (const String& Key : FEditing->Keys())
            Items->Add(Key);
        Items->EndUpdate();
    }
    PropList->SetItemIndex(Selected.empty() ? -1 : PropList->Items()->IndexOf(Selected));
    {
        host::TStrings* Items = ListAvail->Items();
        Items->BeginUpdate();
        Items->Clear();
        for (const String& Key : FEditing->AvailableKeys())
            if (Offered(Key)) Items->Add(Key);
        Items->EndUpdate();
    }
    ListAvailClick(this);
    PropListClick(this);
}

bool TTranslationEditorForm::Offered(const String&) const {
    return true;
}

void TTranslationEditorForm::BtnNewClick(TObject*) {
    const String Name = host::InputBox("Add a property", "Please enter the property name", "");
    // A cancelled box gives nothing to add.
    if (Name.empty() || PropList->Items()->IndexOf(Name) >= 0) return;
    EdtTranslationExit(this);
    PropList->ClearSelection();
    FEditing->AddKey(Name);
    if (NewModifies()) FEditing->SetModified();
    PropList->Items()->Add(Name);
    const int Avail = ListAvail->Items()->IndexOf(Name);
    if (Avail >= 0) ListAvail->Items()->Delete(Avail);
    SelectKey(Name);
}

void TTranslationEditorForm::BtnRemoveClick(TObject*) {
    if (PropList->SelCount() == 0) return;
    if (host::MessageDlg("Do you want to remove the selected property ?", host::mtWarning,
                         {host::mbYes, host::mbNo}) != host::mrYes)
        return;
    for (int I = PropList->Items()->Count() - 1; I >= 0; --I) {
        if (!PropList->Selected(I)) continue;
        const String Key = PropList->Items()->Strings(I);
        if (FEditing->OriginalIndex(Key) >= 0 && Offered(Key)) ListAvail->Items()->Add(Key);
        FEditing->RemoveKey(Key);
        PropList->Items()->Delete(I);
    }
    FEditing->SetModified();
    PropListClick(this);
}

// ---- closing ----

void TTranslationEditorForm::BtnOKClick(TObject*) {
    // What is typed in the memo counts even when OK is pressed without leaving it.
    EdtTranslationExit(this);
    if (FEditing->IsModified()) {
        ApplyWork();
        SetModalResult(host::mrOk);
    } else {
        // Nothing changed: the caller is not told of a change.
        SetModalResult(host::mrCancel);
    }
}

void TTranslationEditorForm::BtnCancelClick(TObject*) {
    EdtTranslationExit(this);
    SetModalResult(CancelResult(FEditing->IsModified()));
}

// ---- Options, Font, Reading order ----

void TTranslationEditorForm::FormNotebookChange(TObject*) {
    if (FormNotebook->ActivePage() != TabOptions) return;
    LblTot->SetCaption(host::IntToStr(FEditing->Work()->Count()));
    LblLocalized->SetCaption(host::IntToStr(FEditing->LocalizedCount()));
}

void TTranslationEditorForm::CkxMoveClick(TObject*) {
    if (!FReadingSettings) FSettings->WriteBool("MoveNextUntranslated", CkxMove->Checked());
}

void TTranslationEditorForm::GroupReadingOrderClick(TObject*) {
    ApplyReadingOrder();
    if (!FReadingSettings)
        FSettings->WriteInteger("ReadingOrderIndex", GroupReadingOrder->ItemIndex());
}

void TTranslationEditorForm::BtnEditFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblEditFont, *FSettings, "EditFontName", EdtTranslation);
}

void TTranslationEditorForm::BtnDisplayFontClick(TObject*) {
    ChooseEditorFont(*FontDialog1, *LblDisplayFont, *FSettings, "DisplayFontName", PropList,
                     EdtOrgTranslation);
}

// ---- the available list ----

void TTranslationEditorForm::ListAvailClick(TObject*) {
    const int N = ListAvail->SelCount();
    BtnIncludeProp->SetEnabled(N > 0);
    String Caption;
    try {
        Caption = host::Format(FSelectionCaption, {host::IntToStr(N)});
    } catch (const host::EConvertError&) {
        // A caption translated without its "%s" still shows the number.
        Caption = host::IntToStr(N) + " " + FSelectionCaption;
    }
    LblSelected->SetCaption(Caption);
}

void TTranslationEditorForm::ListAvailMouseMove(TObject*, host::TShiftState, int X, int Y) {
    const int I = ListAvail->ItemAtPos({X, Y}, true);
    if (I == FHintEntry) return;
    FHintEntry = I;
    String Hint;
    if (I >= 0) {
        const int O = FEditing->OriginalIndex(ListAvail->Items()->Strings(I));
        if (O >= 0) Hint = TTranslationEditing::ValueOf(FEditing->Originals()->Strings(O));
    }
    ListAvail->SetHint(Hint);
    if (host::Application) host::Application->CancelHint();
}

void TTranslationEditorForm::BtnIncludePropClick(TObject*) {
    {
        THourglass Wait;
        for (int I = ListAvail->Items()->Count() - 1; I >= 0; --I) {
            if (!ListAvail->Selected(I)) continue;
            const String Key = ListAvail->Items()->Strings(I);
            if (FEditing->AddKey(Key)) PropList->Items()->Add(Key);
            ListAvail->Items()->Delete(I);
            FEditing->SetModified();
        }
    }
    ListAvailClick(this);
}

// ---- Dictionary ----

template <class F> void TTranslationEditorForm::WithScratch(F Operation) {
    EdtTranslationExit(this);
    {
        TTranslatorFrame* Scratch = CreateScratch();
        TFreeGuard Guard{Scratch};
        try {
            Operation(*Scratch);
        } catch (const host::Exception& E) {
            ReportError(E.Message());
        }
    }
    AfterScratch();
}

void TTranslationEditorForm::TakeScratch(TTranslatorFrame* Scratch) {
    FEditing->Work()->Clear();
    std::vector<std::pair<String, TObject*>> Lines;
    for (int I = 0; I < Scratch->Translations()->Count(); ++I)
        Lines.emplace_back(Scratch->Translations()->Strings(I), nullptr);
    FEditing->Work()->SortInsertMany(std::move(Lines));
    FEditing->ClearEntry();
    FEditing->SetModified();
    RefreshPropList();
}

namespace {

String CannotOpen(const String& FileName) {
    return "Cannot open file \"" + FileName + "\"";
}

} // namespace

void TTranslationEditorForm::BtnTranslateClick(TObject*) {
    OpenDialog1->SetTitle(LblTranslate->Caption());
    if (!OpenDialog1->Execute()) return;
    const String FileName = OpenDialog1->FileName();
    WithScratch([&](TTranslatorFrame& Scratch) {
        if (!Scratch.TranslateFrom(FileName)) return ReportError(CannotOpen(FileName));
        TakeScratch(&Scratch);
    });
}

void TTranslationEditorForm::BtnExportClick(TObject*) {
    SaveDialog1->SetTitle(LblExport->Caption());
    if (!SaveDialog1->Execute()) return;
    const String FileName = SaveDialog1->FileName();
    WithScratch([&](TTranslatorFrame& Scratch) { Scratch.TranslateTo(FileName); });
}

void TTranslationEditorForm::BtnLoadClick(TObject*) {
    OpenDialog1->SetTitle(LblLoad->Caption());
    if (!OpenDialog1->Execute()) return;
    const String FileName = OpenDialog1->FileName();
    WithScratch([&](TTranslatorFrame& Scratch) {
        if (!Scratch.LoadFrom(FileName)) return ReportError(CannotOpen(FileName));
        TakeScratch(&Scratch);
    });
}

void TTranslationEditorForm::BtnSaveClick(TObject*) {
    SaveDialog1->SetTitle(LblSave->Caption());
    if (!SaveDialog1->Execute()) return;
    const String FileName = SaveDialog1->FileName();
    WithScratch([&](TTranslatorFrame& Scratch) { Scratch.SaveTo(FileName); });
}

} // namespace zantor
