// The form side of the editing every translation editor shares: the entry list with its
// translation memo (selection, leaving the memo, Escape, PageUp/PageDown), New and Remove,
// the Options counters, fonts, reading order, OK/Cancel, the available list and the Dictionary
// page through a scratch translator. The handlers are thin: the editing itself is
// TTranslationEditing. Each editor derives its form and says where its originals come from,
// what OK writes back and which translator does the dictionary work.
#pragma once

#include "editors/EditorSettings.h"
#include "editors/TranslationEditing.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

#include <memory>

namespace zantor {

class TTranslatorFrame;

class TTranslationEditorForm : public host::TForm {
    ZT_CLASS(TTranslationEditorForm, host::TForm)
public:
    TTranslationEditorForm(host::TComponent* AOwner, host::TCreateNew);
    ~TTranslationEditorForm() override;

    host::TPageControl* FormNotebook = nullptr;
    host::TTabSheet* TabOptions = nullptr;
    host::TListBox* PropList = nullptr;
    host::TButton* BtnNew = nullptr;
    host::TButton* BtnRemove = nullptr;
    host::TMemo* EdtOrgTranslation = nullptr;
    host::TMemo* EdtTranslation = nullptr;
    host::TLabel* LblTot = nullptr;
    host::TLabel* LblLocalized = nullptr;
    host::TCheckBox* CkxMove = nullptr;
    host::TLabel* LblDisplayFont = nullptr;
    host::TButton* BtnDisplayFont = nullptr;
    host::TLabel* LblEditFont = nullptr;
    host::TButton* BtnEditFont = nullptr;
    host::TRadioGroup* GroupReadingOrder = nullptr;
    host::TListBox* ListAvail = nullptr;
    host::TLabel* LblSelected = nullptr;
    host::TButton* BtnIncludeProp = nullptr;
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

    // The editing state (working copy, originals, entry); exists between FormCreate and
    // FormDestroy.
    TTranslationEditing& Editing() const { return *FEditing; }

    virtual void FormCreate(host::TObject* Sender);
    virtual void FormDestroy(host::TObject* Sender);
    virtual void FormShow(host::TObject* Sender) = 0;
    void PropListClick(host::TObject* Sender);
    void PropListKeyDown(host::TObject* Sender, host::WORD& Key, host::TShiftState Shift);
    void EdtTranslationExit(host::TObject* Sender);
    void EdtTranslationKeyDown(host::TObject* Sender, host::WORD& Key, host::TShiftState Shift);
    virtual void BtnNewClick(host::TObject* Sender);
    void BtnRemoveClick(host::TObject* Sender);
    void BtnOKClick(host::TObject* Sender);
    void BtnCancelClick(host::TObject* Sender);
    void FormNotebookChange(host::TObject* Sender);
    void CkxMoveClick(host::TObject* Sender);
    void GroupReadingOrderClick(host::TObject* Sender);
    void BtnEditFontClick(host::TObject* Sender);
    void BtnDisplayFontClick(host::TObject* Sender);
    void BtnTranslateClick(host::TObject* Sender);
    void BtnLoadClick(host::TObject* Sender);
    void BtnSaveClick(host::TObject* Sender);
    void BtnExportClick(host::TObject* Sender);
    void ListAvailClick(host::TObject* Sender);
    void ListAvailMouseMove(host::TObject* Sender, host::TShiftState Shift, int X, int Y);
    virtual void BtnIncludePropClick(host::TObject* Sender);

protected:
    // The settings section ("FormTranslator" ...).
    virtual String SettingsSection() const = 0;
    // OK with changes: the translator takes over the working copy.
    virtual void ApplyWork() = 0;
    // A translator of the editor's kind for one Dictionary operation, holding copies of the
    // working lines, Locale 0; the caller frees it.
    virtual TTranslatorFrame* CreateScratch() = 0;
    // After the scratch translator of an operation is freed.
    virtual void AfterScratch() {}
    // After a Dictionary Translate or Load: the working copy takes the scratch's lines.
    virtual void TakeScratch(TTranslatorFrame* Scratch);
    // Refills the entry list and the available list from the editing state, keeping the
    // selected entry, and runs the click handlers.
    virtual void RefreshPropList();
    // Whether an original key is offered in the available list.
    virtual bool Offered(const String& Key) const;
    // Whether New marks the working copy modified.
    virtual bool NewModifies() const { return true; }

    // Showing, common to all: the selection caption, the settings (read without writing
    // them back), reading order and font labels.
    void ReadSettings();
    void ApplyReadingOrder();
    // The entry with the focus in PropList, or -1.
    int SelectedEntry() const;
    void MoveEntry(int Step);
    void SelectKey(const String& Key);
    // Runs one Dictionary operation on a scratch translator; a failure is told and changes
    // nothing.
    template <class F> void WithScratch(F Operation);
    void ReportError(const String& Msg);

    std::unique_ptr<TTranslationEditing> FEditing;
    std::unique_ptr<TEditorSettings> FSettings;
    String FSelectionCaption;
    int FHintEntry = -1;
    bool FReadingSettings = false;
};

} // namespace zantor
