// The common-dialog components: TCommonDialog and the Open, Save, Font, Color, Print, Printer
// Setup, Find and Replace dialogs. Execute shows the platform's dialog (CommonDialogWindow.h)
// and the person's choice lands in the component. While a dialog runs, the messages that its
// owner sees about it (activation, idling, focus) go to MessageHook, which dispatches through
// the class's table of virtual operations (DialogMethodTable.h).
#pragma once

#include "host/classes/Component.h"
#include "host/classes/StringList.h"
#include "host/controls/DialogMethodTable.h"
#include "host/controls/Graphics.h"

#include <memory>

namespace host {

class TDialogSession;
struct TDialogTemplate;

class TCommonDialog : public TComponent {
    ZT_CLASS(TCommonDialog, TComponent)
public:
    explicit TCommonDialog(TComponent* AOwner);
    ~TCommonDialog() override;

    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value) { FCtl3D = Value; }
    Integer HelpContext() const { return FHelpContext; }
    void SetHelpContext(Integer Value) { FHelpContext = Value; }
    const TNotifyEvent& OnClose() const { return FOnClose; }
    void SetOnClose(const TNotifyEvent& Value) { FOnClose = Value; }
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(const TNotifyEvent& Value) { FOnShow = Value; }

    // The dialog window while it is shown, else null.
    HWND Handle() const;
    // The shown dialog as the person works with it; null while none is shown.
    TDialogSession* Session() const { return FSession.get(); }

    // Shows the dialog. Modal kinds return when it has closed: true when the person confirmed.
    // The modeless kinds (Find, Replace) return true once shown.
    bool Execute();

    // These three dispatch through the class's table of virtual operations.
    bool MessageHook(TMessage& Msg);
    void DoClose();
    void DoShow();

    // The entries TCommonDialog is built with, and its own MessageHook (answers false: the
    // message takes its normal course).
    static std::vector<TCodePointer> BaseEntries();
    static bool BaseMessageHook(TCommonDialog* Self, TMessage& Msg);

    // What each kind tells the dialog window: its template, whether it is modeless, filling
    // it in when shown, taking the person's choice at OK (false keeps it open), and reacting
    // to a command of one of its controls (Code: the notification).
    virtual const TDialogTemplate& Template() const = 0;
    virtual bool Modeless() const { return false; }
    virtual void InitDialog(TDialogSession& Session) = 0;
    virtual bool Accept(TDialogSession& Session) = 0;
    virtual void Command(TDialogSession& Session, int Id, int Code);
    // The title that replaces the template's caption; empty keeps it.
    virtual String DialogTitle() const { return String(); }

protected:
    virtual bool DoExecute();
    // The window whose messages the dialog's MessageHook sees: the owner form's, else the
    // active one.
    HWND HookWindow() const;

private:
    bool FCtl3D = true;
    Integer FHelpContext = 0;
    TNotifyEvent FOnClose;
    TNotifyEvent FOnShow;
    std::unique_ptr<TDialogSession> FSession;
};

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TCommonDialog {
    ZT_CLASS(TOpenDialog, TCommonDialog)
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    // The chosen files (one unless ofAllowMultiSelect), with their folders.
    TStrings* Files() const { return FFiles.get(); }
    // Pairs of description and masks separated by "|": "Text files (*.txt)|*.txt;*.text".
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& Value) { FFilter = Value; }
    // 1 for the first pair of Filter.
    Integer FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(Integer Value) { FFilterIndex = Value; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& Value) { FInitialDir = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }
    const TNotifyEvent& OnTypeChange() const { return FOnTypeChange; }
    void SetOnTypeChange(const TNotifyEvent& Value) { FOnTypeChange = Value; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;
    void Command(TDialogSession& Session, int Id, int Code) override;
    String DialogTitle() const override { return FTitle; }

    // The masks of filter pair Index (1-based), "*.*" when there is none.
    String FilterMasks(int Index) const;

protected:
    // Fills the folder label, the file list (through the current filter) and the folder list.
    void ListFolder(TDialogSession& Session);

private:
    String FDefaultExt;
    String FFileName;
    std::unique_ptr<TStringList> FFiles;
    String FFilter;
    Integer FFilterIndex = 1;
    String FInitialDir;
    TOpenOptions FOptions{ofHideReadOnly};
    String FTitle;
    TNotifyEvent FOnTypeChange;
    String FFolder; // the folder shown while the dialog runs
};

class TSaveDialog : public TOpenDialog {
    ZT_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    const TDialogTemplate& Template() const override;
};

enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
enum TFontDialogOption {
    fdAnsiOnly,
    fdTrueTypeOnly,
    fdEffects,
    fdFixedPitchOnly,
    fdForceFontExist,
    fdNoFaceSel,
    fdNoOEMFonts,
    fdNoSimulations,
    fdNoSizeSel,
    fdNoStyleSel,
    fdNoVectorFonts,
    fdShowHelp,
    fdWysiwyg,
    fdLimitSize,
    fdScalableOnly,
    fdApplyButton
};
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TCommonDialog {
    ZT_CLASS(TFontDialog, TCommonDialog)
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TFontDialogDevice Device() const { return FDevice; }
    void SetDevice(TFontDialogDevice Value) { FDevice = Value; }
    Integer MinFontSize() const { return FMinFontSize; }
    void SetMinFontSize(Integer Value) { FMinFontSize = Value; }
    Integer MaxFontSize() const { return FMaxFontSize; }
    void SetMaxFontSize(Integer Value) { FMaxFontSize = Value; }
    TFontDialogOptions Options() const { return FOptions; }
    void SetOptions(TFontDialogOptions Value) { FOptions = Value; }
    const TNotifyEvent& OnApply() const { return FOnApply; }
    void SetOnApply(const TNotifyEvent& Value) { FOnApply = Value; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;
    void Command(TDialogSession& Session, int Id, int Code) override;

private:
    // Reads the dialog's choice into Target; false when the size is no number in range.
    bool ReadChoice(TDialogSession& Session, TFont& Target) const;

    std::unique_ptr<TFont> FFont;
    TFontDialogDevice FDevice = fdScreen;
    Integer FMinFontSize = 0;
    Integer FMaxFontSize = 0;
    TFontDialogOptions FOptions{fdEffects};
    TNotifyEvent FOnApply;
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
    ZT_CLASS(TColorDialog, TCommonDialog)
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // Lines "ColorA=808022" ... "ColorP=..." as the host keeps them.
    TStrings* CustomColors() const { return FCustomColors.get(); }
    void SetCustomColors(TStrings* Value) { FCustomColors->Assign(Value); }
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;
    void Command(TDialogSession& Session, int Id, int Code) override;

private:
    void ShowColor(TDialogSession& Session, TColor Value);

    TColor FColor = clBlack;
    std::unique_ptr<TStringList> FCustomColors;
    TColorDialogOptions FOptions;
};

enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TPrintDialogOption {
    poPrintToFile,
    poPageNums,
    poSelection,
    poWarning,
    poHelp,
    poDisablePrintToFile
};
using TPrintDialogOptions = TSet<TPrintDialogOption>;

class TPrintDialog : public TCommonDialog {
    ZT_CLASS(TPrintDialog, TCommonDialog)
public:
    explicit TPrintDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

    bool Collate() const { return FCollate; }
    void SetCollate(bool Value) { FCollate = Value; }
    Integer Copies() const { return FCopies; }
    void SetCopies(Integer Value) { FCopies = Value; }
    Integer FromPage() const { return FFromPage; }
    void SetFromPage(Integer Value) { FFromPage = Value; }
    Integer ToPage() const { return FToPage; }
    void SetToPage(Integer Value) { FToPage = Value; }
    Integer MinPage() const { return FMinPage; }
    void SetMinPage(Integer Value) { FMinPage = Value; }
    Integer MaxPage() const { return FMaxPage; }
    void SetMaxPage(Integer Value) { FMaxPage = Value; }
    TPrintDialogOptions Options() const { return FOptions; }
    void SetOptions(TPrintDialogOptions Value) { FOptions = Value; }
    TPrintRange PrintRange() const { return FPrintRange; }
    void SetPrintRange(TPrintRange Value) { FPrintRange = Value; }
    bool PrintToFile() const { return FPrintToFile; }
    void SetPrintToFile(bool Value) { FPrintToFile = Value; }
    // The printer chosen; empty when the system offers none.
    const String& PrinterName() const { return FPrinterName; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;

private:
    bool FCollate = false;
    Integer FCopies = 0;
    Integer FFromPage = 0;
    Integer FToPage = 0;
    Integer FMinPage = 0;
    Integer FMaxPage = 0;
    TPrintDialogOptions FOptions;
    TPrintRange FPrintRange = prAllPages;
    bool FPrintToFile = false;
    String FPrinterName;
};

class TPrinterSetupDialog : public TCommonDialog {
    ZT_CLASS(TPrinterSetupDialog, TCommonDialog)
public:
    explicit TPrinterSetupDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

    const String& PrinterName() const { return FPrinterName; }
    // True for landscape.
    bool Landscape() const { return FLandscape; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;

private:
    String FPrinterName;
    bool FLandscape = false;
};

enum TFindOption {
    frDown,
    frFindNext,
    frHideMatchCase,
    frHideWholeWord,
    frHideUpDown,
    frMatchCase,
    frDisableMatchCase,
    frDisableUpDown,
    frDisableWholeWord,
    frReplace,
    frReplaceAll,
    frWholeWord,
    frShowHelp
};
using TFindOptions = TSet<TFindOption>;

class TFindDialog : public TCommonDialog {
    ZT_CLASS(TFindDialog, TCommonDialog)
public:
    explicit TFindDialog(TComponent* AOwner);
    ~TFindDialog() override;

    const String& FindText() const { return FFindText; }
    void SetFindText(const String& Value) { FFindText = Value; }
    // Screen position of the dialog; -1 places it beside the owner.
    Integer Left() const { return FLeft; }
    void SetLeft(Integer Value) { FLeft = Value; }
    Integer Top() const { return FTop; }
    void SetTop(Integer Value) { FTop = Value; }
    TFindOptions Options() const { return FOptions; }
    void SetOptions(TFindOptions Value) { FOptions = Value; }
    const TNotifyEvent& OnFind() const { return FOnFind; }
    void SetOnFind(const TNotifyEvent& Value) { FOnFind = Value; }

    // Closes the dialog when it is shown.
    void CloseDialog();

    // The MessageHook TFindDialog is built with.
    static bool FindMessageHookEntry(TCommonDialog* Self, TMessage& Msg);

    const TDialogTemplate& Template() const override;
    bool Modeless() const override { return true; }
    void InitDialog(TDialogSession& Session) override;
    bool Accept(TDialogSession& Session) override;
    void Command(TDialogSession& Session, int Id, int Code) override;

protected:
    // The person's texts and choices into the properties.
    virtual void ReadChoice(TDialogSession& Session);

    String FFindText;
    Integer FLeft = -1;
    Integer FTop = -1;
    TFindOptions FOptions{frDown};
    TNotifyEvent FOnFind;
};

class TReplaceDialog : public TFindDialog {
    ZT_CLASS(TReplaceDialog, TFindDialog)
public:
    explicit TReplaceDialog(TComponent* AOwner) : TFindDialog(AOwner) {}

    const String& ReplaceText() const { return FReplaceText; }
    void SetReplaceText(const String& Value) { FReplaceText = Value; }
    const TNotifyEvent& OnReplace() const { return FOnReplace; }
    void SetOnReplace(const TNotifyEvent& Value) { FOnReplace = Value; }

    const TDialogTemplate& Template() const override;
    void InitDialog(TDialogSession& Session) override;
    void Command(TDialogSession& Session, int Id, int Code) override;

protected:
    void ReadChoice(TDialogSession& Session) override;

private:
    String FReplaceText;
    TNotifyEvent FOnReplace;
};

// Registers the dialog classes for form reading; calling it again does no harm.
void RegisterDialogClasses();

} // namespace host

ZT_DECLARE_TYPEINFO(host::TOpenOption);
ZT_DECLARE_TYPEINFO(host::TOpenOptions);
ZT_DECLARE_TYPEINFO(host::TFontDialogDevice);
ZT_DECLARE_TYPEINFO(host::TFontDialogOption);
ZT_DECLARE_TYPEINFO(host::TFontDialogOptions);
ZT_DECLARE_TYPEINFO(host::TColorDialogOption);
ZT_DECLARE_TYPEINFO(host::TColorDialogOptions);
ZT_DECLARE_TYPEINFO(host::TPrintRange);
ZT_DECLARE_TYPEINFO(host::TPrintDialogOption);
ZT_DECLARE_TYPEINFO(host::TPrintDialogOptions);
ZT_DECLARE_TYPEINFO(host::TFindOption);
ZT_DECLARE_TYPEINFO(host::TFindOptions);
