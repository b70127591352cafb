// Unit Zltedit: TLocaleEditor, the locale translator's editor, in which a developer chooses the
// locales an application offers, edits their settings and picks the design-time and start-up
// locales. Its layout is LocaleEditor.dfm, built into the program.
#pragma once

#include "editors/EditorSettings.h"
#include "editors/LocaleEditing.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

#include <memory>

namespace zantor {

class TLocaleTranslator;

class TLocaleEditor : public host::TForm {
    ZT_CLASS(TLocaleEditor, host::TForm)
public:
    // Loads the form (LocaleEditor.dfm).
    explicit TLocaleEditor(host::TComponent* AOwner);
    TLocaleEditor(host::TComponent* AOwner, host::TCreateNew);
    ~TLocaleEditor() override;

    // Set before the form is shown: the translator, and the identifiers of its design-time
    // and start-up locales (1024 and 2048 stand for the user's and the system's default).
    TLocaleTranslator* Translator = nullptr;
    Integer DesignLocale = 0;
    Integer StartupLocale = 0;

    host::TPageControl* FormNotebook = nullptr;
    host::TComboBox* CbxLang = nullptr;
    host::TListBox* PropList = nullptr;
    host::TLabel* LblProp = nullptr;
    host::TMemo* EdtTranslation = nullptr;
    host::TListBox* DescList = nullptr;
    host::TListBox* LangList = nullptr;
    host::TListBox* LangListInApp = nullptr;
    host::TButton* BtnCopyLang = nullptr;
    host::TButton* BtnRemoveLang = nullptr;
    host::TButton* BtnUserLang = nullptr;
    host::TButton* BtnSetStartup = nullptr;
    host::TButton* BtnSetDefault = nullptr;
    host::TLabel* LblLocaleList = nullptr;
    host::TEdit* EdtLocaleList = nullptr;
    host::TButton* BtnSelLocale = nullptr;
    host::TCheckBox* CkxMove = nullptr;
    host::TLabel* LblDisplayFont = nullptr;
    host::TButton* BtnDisplayFont = nullptr;
    host::TLabel* LblEditFont = nullptr;
    host::TButton* BtnEditFont = nullptr;
    host::TLabel* LblLoad = nullptr;
    host::TLabel* LblSave = nullptr;
    host::TButton* BtnLoad = nullptr;
    host::TButton* BtnSave = nullptr;
    host::TButton* BtnOK = nullptr;
    host::TButton* BtnCancel = nullptr;
    host::TOpenDialog* OpenDialog1 = nullptr;
    host::TSaveDialog* SaveDialog1 = nullptr;
    host::TFontDialog* FontDialog1 = nullptr;

    // The working and system catalogues and the setting being edited; exist between
    // FormCreate and FormDestroy.
    TLocaleEditing& Editing() const { return *FEditing; }
    // The locale selected in CbxLang; 0 for none.
    Integer SelectedLocale() const;
    // The description of a setting (no leading "_") from DescList; "" when it has none.
    String Description(const String& Name) const;

    void FormCreate(host::TObject* Sender);
    void FormDestroy(host::TObject* Sender);
    void FormShow(host::TObject* Sender);
    void CbxLangChange(host::TObject* Sender);
    void PropListClick(host::TObject* Sender);
    void EdtTranslationExit(host::TObject* Sender);
    void EdtTranslationKeyDown(host::TObject* Sender, host::WORD& Key, host::TShiftState Shift);
    void LangListClick(host::TObject* Sender);
    void LangListInAppClick(host::TObject* Sender);
    void BtnCopyLangClick(host::TObject* Sender);
    void BtnRemoveLangClick(host::TObject* Sender);
    void BtnUserLangClick(host::TObject* Sender);
    void BtnSetStartupClick(host::TObject* Sender);
    void BtnSetDefaultClick(host::TObject* Sender);
    void EdtLocaleListChange(host::TObject* Sender);
    void EdtLocaleListExit(host::TObject* Sender);
    void BtnSelLocaleClick(host::TObject* Sender);
    void CkxMoveClick(host::TObject* Sender);
    void BtnDisplayFontClick(host::TObject* Sender);
    void BtnEditFontClick(host::TObject* Sender);
    void BtnLoadClick(host::TObject* Sender);
    void BtnSaveClick(host::TObject* Sender);
    void BtnOKClick(host::TObject* Sender);
    void BtnCancelClick(host::TObject* Sender);

    // Refills "Locales in application", CbxLang and "System locales" from the catalogues,
    // keeping the locale selected in CbxLang.
    void RefreshLists();

private:
    bool Designing() const;
    void ReadSettings();
    // The system catalogue from the file named by FileName through a temporary translator;
    // false (nothing changed) when the file cannot be loaded.
    bool LoadSystemFromFile(const String& FileName);
    // Moves the selection in PropList by Step (PageUp -1, PageDown 1).
    void MoveSetting(int Step);
    Integer SelectedInApp() const;
    // A temporary locale translator on the translator's owner, never streamed, Locale 0,
    // holding Lines; the caller frees it.
    TLocaleTranslator* CreateScratch(const host::TStrings* Lines) const;
    void ReportError(const String& Msg);

    std::unique_ptr<TLocaleEditing> FEditing;
    std::unique_ptr<TEditorSettings> FSettings;
    bool FReadingSettings = false;
};

namespace Zltedit {
// Makes TLocaleEditor the editor form of TLocaleTranslator (ShowEditor), and undoes it.
void Install();
void Uninstall();
} // namespace Zltedit

} // namespace zantor
