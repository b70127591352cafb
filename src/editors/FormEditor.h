// Unit Zftedit: TFormEditor, the form translator's editor, in which a developer chooses the
// properties of a form that a TFormTranslator translates and types their translations. Its
// layout is FormEditor.dfm, built into the program.
#pragma once

#include "editors/TranslationEditorForm.h"

namespace zantor {

class TFormTranslator;

class TFormEditor : public TTranslationEditorForm {
    ZT_CLASS(TFormEditor, TTranslationEditorForm)
public:
    // Loads the form (FormEditor.dfm).
    explicit TFormEditor(host::TComponent* AOwner);
    TFormEditor(host::TComponent* AOwner, host::TCreateNew);

    // The translator being edited; set before the form is shown.
    TFormTranslator* Translator = nullptr;

    host::TPageControl* PropNotebook = nullptr;
    host::TButton* BtnSelect = nullptr;
    host::TCheckBox* CkxEmpty = nullptr;
    host::TListBox* CommonPropList = nullptr;
    host::TButton* BtnAddCommon = nullptr;
    host::TButton* BtnDeleteCommon = nullptr;
    host::TButton* BtnSet = nullptr;
    host::TButton* BtnDefault = nullptr;

    // CollectedProps: the form's properties as path=current value.
    host::TStringList* CollectedProps() const { return Editing().Originals(); }
    // The built-in common properties, kept for Default.
    host::TStringList* DefaultCommon() const { return FDefaultCommon.get(); }

    void FormCreate(host::TObject* Sender) override;
    void FormDestroy(host::TObject* Sender) override;
    void FormShow(host::TObject* Sender) override;
    void BtnSelectClick(host::TObject* Sender);
    void CommonPropListClick(host::TObject* Sender);
    void BtnAddCommonClick(host::TObject* Sender);
    void BtnDeleteCommonClick(host::TObject* Sender);
    void BtnSetClick(host::TObject* Sender);
    void BtnDefaultClick(host::TObject* Sender);

    // Offers, in component order, to start from another translator of the form that has
    // translations: texts come over empty, other values as they are.
    void GetTranslatorProps();
    // Memo1.Lines[3] gives Memo1.Lines[*]: the digits between the first "[" and the "]" after it
    // become "*".
    static String RemoveIndex(const String& Path);
    // Whether a path names a common property: its RemoveIndex form, or what is left of it
    // after dropping leading "Name." parts, is in Common (letter case ignored).
    static bool IsCommonProperty(const String& Path, const host::TStrings& Common);

protected:
    String SettingsSection() const override { return "FormTranslator"; }
    void ApplyWork() override;
    TTranslatorFrame* CreateScratch() override;
    void RefreshPropList() override;
    // The form's active control is reachable under two paths; only the component's own is
    // offered.
    bool Offered(const String& Key) const override;

private:
    void ReadCommonProperties();
    // Empties the stored common properties from index From up to the first empty one.
    void EraseCommonFrom(int From);

    std::unique_ptr<host::TStringList> FDefaultCommon;
};

namespace Zftedit {
// Makes TFormEditor the editor form of TFormTranslator (ShowEditor), and undoes it.
void Install();
void Uninstall();
} // namespace Zftedit

} // namespace zantor
