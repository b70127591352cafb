// Unit Zctedit: TDlgEditor, the common-dialog translator's editor. The original values are the
// translator's captured dialog properties (OrgProps) plus the dialogs of the form not captured
// yet, which it captures when it opens. Its layout is DlgEditor.dfm, built into the program.
#pragma once

#include "editors/TranslationEditorForm.h"

namespace zantor {

class TCommonDialogTranslator;

class TDlgEditor : public TTranslationEditorForm {
    ZT_CLASS(TDlgEditor, TTranslationEditorForm)
public:
    // Loads the form (DlgEditor.dfm).
    explicit TDlgEditor(host::TComponent* AOwner);
    TDlgEditor(host::TComponent* AOwner, host::TCreateNew);

    // The translator being edited; set before the form is shown.
    TCommonDialogTranslator* Translator = nullptr;
    host::TButton* BtnRescan = nullptr;

    // WorkOrgProps: the translator's OrgProps plus what captures added (key=original value).
    host::TStringList* WorkOrgProps() const { return Editing().Originals(); }
    // Class names of the dialogs whose original values are present.
    host::TStringList* ScannedDialogs() const { return FScannedDialogs.get(); }

    void FormCreate(host::TObject* Sender) override;
    void FormDestroy(host::TObject* Sender) override;
    void FormShow(host::TObject* Sender) override;
    void BtnRescanClick(host::TObject* Sender);

    // Captures the dialogs whose class is not in ScannedDialogs (each opens and closes once).
    void UpdateOrgProps();

protected:
    String SettingsSection() const override { return "DlgTranslator"; }
    void ApplyWork() override;
    TTranslatorFrame* CreateScratch() override;
    void AfterScratch() override;
    bool NewModifies() const override { return false; }

private:
    std::unique_ptr<host::TStringList> FScannedDialogs;
    // The dialog translators that were on before a scratch translator took over.
    std::vector<TCommonDialogTranslator*> FWereOn;
};

namespace Zctedit {
// Makes TDlgEditor the editor form of TCommonDialogTranslator (ShowEditor), and undoes it.
void Install();
void Uninstall();
} // namespace Zctedit

} // namespace zantor
