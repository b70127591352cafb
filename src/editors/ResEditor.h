// Unit Zrtedit: TResEditor, the resource-string translator's editor, in which a developer keeps
// the source texts of a TResourceTranslator and types a translation for each. Texts are typed,
// taken from another resource translator of the form, or picked from the string tables of the
// process's modules. Its layout is ResEditor.dfm, built into the program.
//
// The list shows the texts in the list control's own order (letter case ignored); each entry
// carries the index of its translation in WorkTranslations. The translator receives its texts
// in byte-wise order, each still paired with its own translation.
#pragma once

#include "editors/EditorSettings.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "translators/SortList.h"

#include <memory>
#include <unordered_set>
#include <vector>

namespace zantor {

class TResourceTranslator;

class TResEditor : public host::TForm {
    ZT_CLASS(TResEditor, host::TForm)
public:
    // Loads the form (ResEditor.dfm).
    explicit TResEditor(host::TComponent* AOwner);
    TResEditor(host::TComponent* AOwner, host::TCreateNew);
    ~TResEditor() override;

    // The translator being edited; set before the form is shown.
    TResourceTranslator* Translator = nullptr;

    host::TPageControl* ResNotebook = nullptr;
    host::TTabSheet* TabOptions = nullptr;
    host::TListBox* ResList = nullptr;
    host::TButton* BtnNew = nullptr;
    host::TButton* BtnRemove = nullptr;
    host::TMemo* EdtTranslation = nullptr;
    host::TLabel* LblTot = nullptr;
    host::TLabel* LblLocalized = nullptr;
    host::TCheckBox* CkxMove = nullptr;
    host::TLabel* LblDisplayFont = nullptr;
    host::TButton* BtnDisplayFont = nullptr;
    host::TLabel* LblEditFont = nullptr;
    host::TButton* BtnEditFont = nullptr;
    host::TRadioGroup* GroupReadingOrder = nullptr;
    host::TListBox* ModuleList = nullptr;
    host::TListBox* ModuleStrList = nullptr;
    host::TButton* BtnInclude = nullptr;
    host::TButton* BtnTranslate = nullptr;
    host::TButton* BtnExport = nullptr;
    host::TButton* BtnLoad = nullptr;
    host::TButton* BtnSave = nullptr;
    host::TLabel* LblTranslate = nullptr;
    host::TLabel* LblExport = nullptr;
    host::TLabel* LblLoad = nullptr;
    host::TLabel* LblSave = nullptr;
    host::TButton* BtnOK = nullptr;
    host::TButton* BtnCancel = nullptr;
    host::TOpenDialog* OpenDialog1 = nullptr;
    host::TSaveDialog* SaveDialog1 = nullptr;
    host::TFontDialog* FontDialog1 = nullptr;

    // The working copy of the translator's translations (plain texts); ResList's entries point
    // into it. Exists between FormCreate and FormDestroy.
    TSortList* WorkTranslations() const { return FWork.get(); }
    bool IsModified() const { return FModified; }
    // The translation of the selected entry as it was when the entry was selected.
    const String& EntryText() const { return FEntryText; }
    // The translation of ResList's entry Index.
    const String& TranslationAt(int Index) const;

    void FormCreate(host::TObject* Sender);
    void FormDestroy(host::TObject* Sender);
    void FormShow(host::TObject* Sender);
    void ResListClick(host::TObject* Sender);
    void ResListKeyDown(host::TObject* Sender, host::WORD& Key, host::TShiftState Shift);
    void EdtTranslationExit(host::TObject* Sender);
    void EdtTranslationKeyDown(host::TObject* Sender, host::WORD& Key, host::TShiftState Shift);
    void BtnNewClick(host::TObject* Sender);
    void BtnRemoveClick(host::TObject* Sender);
    void BtnOKClick(host::TObject* Sender);
    void BtnCancelClick(host::TObject* Sender);
    void ResNotebookChange(host::TObject* Sender);
    void CkxMoveClick(host::TObject* Sender);
    void GroupReadingOrderClick(host::TObject* Sender);
    void BtnEditFontClick(host::TObject* Sender);
    void BtnDisplayFontClick(host::TObject* Sender);
    void BtnTranslateClick(host::TObject* Sender);
    void BtnLoadClick(host::TObject* Sender);
    void BtnSaveClick(host::TObject* Sender);
    void BtnExportClick(host::TObject* Sender);
    void ModuleListClick(host::TObject* Sender);
    void BtnIncludeClick(host::TObject* Sender);

    // Offers the source texts of the first other resource translator of the form that has
    // translations and that the person accepts.
    void GetTranslatorProps();
    // ModuleList := the resource module of every module of the process.
    void UpdateModuleList();
    // The strings of the module's table, identifiers 65535 down to 32768, into Strings.
    void GetResStrings(host::HINSTANCE Module, host::TStrings* Strings);
    // Keeps only the translations that entries refer to, numbered in list order.
    void PackTranslations();

private:
    struct TEntry {
        String Text;
        int Index;
    };
    // Adds the texts not yet in ResList (letter case ignored), each with a new empty
    // translation; returns how many were added. Reorders the list once, however many.
    int AddEntries(const std::vector<String>& Texts);
    // ResList := Entries (in any order), shown sorted; nothing selected.
    void SetEntries(std::vector<TEntry> Entries);
    std::vector<TEntry> Entries() const;
    // The entry with the focus in ResList, or -1.
    int SelectedEntry() const;
    void MoveEntry(int Step);
    void ShowEntry(int Index);
    void ReadSettings();
    void ApplyReadingOrder();
    // Runs one Dictionary operation on a scratch translator holding the entries and the
    // working translations (owned by the edited form when Owned); a failure is told.
    template <class F> void WithScratch(bool Owned, F Operation);
    // After a Translate or Load: the entries and the working copy as the scratch holds them.
    void TakeScratch(TResourceTranslator& Scratch);
    void ReportError(const String& Msg);

    std::unique_ptr<TSortList> FWork;
    std::unique_ptr<TEditorSettings> FSettings;
    // Builds FKeys unless they are up to date.
    void EnsureKeys();
    // The texts of ResList by their case-folded key, while FKeysValid.
    std::unordered_set<String> FKeys;
    bool FKeysValid = false;
    bool FModified = false;
    String FEntryText;
    int FEntryIndex = -1; // translation index of the entry being edited
    bool FSavedGlobalTranslation = true;
    bool FCreated = false;
    bool FReadingSettings = false;
};

namespace Zrtedit {
// Makes TResEditor the editor form of TResourceTranslator (ShowEditor), and undoes it.
void Install();
void Uninstall();
} // namespace Zrtedit

} // namespace zantor
