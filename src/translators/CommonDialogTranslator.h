// Unit Zct: TCommonDialogTranslator, the translator of the platform's common dialogs. Its
// entries "TOpenDialog.Caption='Ouvrir'" set texts, the font and sizes of the dialog window
// of that component class and of its children while the dialog is shown (CommonDialogHook.h
// catches the window). It can also capture a dialog's properties in the same entry form.
#pragma once

#include "translators/CommonDialogHook.h"
#include "translators/TranslatorFrame.h"

namespace zantor {

class TCommonDialogTranslator : public TTranslatorFrame {
    ZT_CLASS(TCommonDialogTranslator, TTranslatorFrame)
public:
    // Switched on (and so the active instance); starts the unit on first use.
    explicit TCommonDialogTranslator(TComponent* AOwner);
    // Switches off; the active slot passes to another instance that is on, else to none.
    ~TCommonDialogTranslator() override;

    bool TranslateEmpty() const { return FTranslateEmpty; }
    void SetTranslateEmpty(bool Value) { FTranslateEmpty = Value; }
    // The untranslated values as captured, one line per property key, sorted.
    TSortList* OrgProps() const { return FOrgProps.get(); }

    void InternalTranslate(bool Value) override;

    // Applies this instance's entries of OwnerClassName to the dialog window Dlg, between
    // OnTranslate (whose Skip leaves the dialog alone) and OnTranslated. An entry whose number
    // is no decimal integer, or whose literal cannot be read, is skipped.
    void TranslateDialog(HWND Dlg);
    // Sets the text of the Index-th window of the sibling chain from FirstChild (1 = itself).
    static void SetDlgTextOfChild(HWND FirstChild, int Index, const char* Text);
    // Sets Font on First, its following siblings and all their descendants.
    static void SetFontOfChildren(HWND First, host::HFONT Font);
    // Font operations on the font's description: "System" / 1 when it cannot be read; the
    // setters return a new font (F itself when unreadable).
    static String GetFontName(host::HFONT Font);
    static host::HFONT SetFontName(host::HFONT Font, const String& Name);
    static host::BYTE GetFontCharset(host::HFONT Font);
    static host::HFONT SetFontCharset(host::HFONT Font, host::BYTE Charset);
    static void DeleteDialogFont(host::HFONT Font);
    // Deletes the fonts made for the dialog now shown (the hook calls it when it closes).
    void ReleaseDialogFonts();
    // Font objects made by TranslateDialog and not yet released.
    int LiveDialogFonts() const { return static_cast<int>(FDialogFonts.size()); }

    // Capture: shows Dialog once in capture mode and appends its lines to List (not owned).
    void GetDlgProps(host::TCommonDialog* Dialog, TStrings* List);
    // Writes the lines of the dialog window Dlg to the list of the last GetDlgProps.
    void GetProps(HWND Dlg);

    // Registers the dialog classes of the forms (or, designing, of the owner).
    void RegisterDialogClasses();

protected:
    String KindPrefix() const override { return "#0"; }
    String AboutText() const override { return "Common Dialog Translator 2.1"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::OneLocaleOnly; }
    void ReadStorage(TReader* Reader) override;
    void WriteStorage(TWriter* Writer) override;
    void LoadedFirst() override;

    void FileEntries(TKeyValues& Own, TKeyValues& Design) const override;
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override;

private:
    // The pass of TranslateDialog itself, in one walk of the class's entries.
    void ApplyEntries(HWND Dlg);
    // The line of OrgProps for Key ("TOpenDialog.Caption"), or null.
    const String* OrgLine(std::string_view Key) const;

    bool FTranslateEmpty = false;
    std::unique_ptr<TSortList> FOrgProps;
    TStrings* FPropList = nullptr;
    std::vector<host::HFONT> FDialogFonts;
};

} // namespace zantor
