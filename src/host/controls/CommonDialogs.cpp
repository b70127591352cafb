#include "host/controls/CommonDialogs.h"

#include "host/controls/CommonDialogWindow.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/DialogData.h"
#include "host/controls/DialogTemplates.h"
#include "host/controls/Forms.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Activation.h"
#include "host/winapi/WindowPos.h"

#include <filesystem>

namespace host {

ZT_DEFINE_ENUM(TOpenOption, "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
               "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent",
               "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt", "ofShareAware",
               "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
               "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify",
               "ofEnableSizing")
ZT_DEFINE_SET(TOpenOptions)
ZT_DEFINE_ENUM(TFontDialogDevice, "fdScreen", "fdPrinter", "fdBoth")
ZT_DEFINE_ENUM(TFontDialogOption, "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly",
               "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel",
               "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg", "fdLimitSize",
               "fdScalableOnly", "fdApplyButton")
ZT_DEFINE_SET(TFontDialogOptions)
ZT_DEFINE_ENUM(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor",
               "cdAnyColor")
ZT_DEFINE_SET(TColorDialogOptions)
ZT_DEFINE_ENUM(TPrintRange, "prAllPages", "prSelection", "prPageNums")
ZT_DEFINE_ENUM(TPrintDialogOption, "poPrintToFile", "poPageNums", "poSelection", "poWarning",
               "poHelp", "poDisablePrintToFile")
ZT_DEFINE_SET(TPrintDialogOptions)
ZT_DEFINE_ENUM(TFindOption, "frDown", "frFindNext", "frHideMatchCase", "frHideWholeWord",
               "frHideUpDown", "frMatchCase", "frDisableMatchCase", "frDisableUpDown",
               "frDisableWholeWord", "frReplace", "frReplaceAll", "frWholeWord", "frShowHelp")
ZT_DEFINE_SET(TFindOptions)

namespace {

template <class T> TClassBuilder<T>& PublishCommon(TClassBuilder<T>& B) {
    B.Prop("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true);
    B.Prop("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
    return B;
}

template <class T> TClassBuilder<T>& PublishEvents(TClassBuilder<T>& B) {
    B.Prop("OnClose", &TCommonDialog::OnClose, &TCommonDialog::SetOnClose);
    B.Prop("OnShow", &TCommonDialog::OnShow, &TCommonDialog::SetOnShow);
    return B;
}

template <class T> TClassBuilder<T>& PublishFile(TClassBuilder<T>& B) {
    PublishCommon(B);
    B.Prop("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    B.Prop("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    B.Prop("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    B.Prop("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    B.Prop("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    B.Prop("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
        .Default(TOpenOptions{ofHideReadOnly});
    B.Prop("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
    PublishEvents(B);
    B.Prop("OnTypeChange", &TOpenDialog::OnTypeChange, &TOpenDialog::SetOnTypeChange);
    return B;
}

template <class T> TClassBuilder<T>& PublishFind(TClassBuilder<T>& B) {
    PublishCommon(B);
    B.Prop("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText);
    B.Prop("Left", &TFindDialog::Left, &TFindDialog::SetLeft).Default(-1);
    B.Prop("Options", &TFindDialog::Options, &TFindDialog::SetOptions)
        .Default(TFindOptions{frDown});
    B.Prop("Top", &TFindDialog::Top, &TFindDialog::SetTop).Default(-1);
    PublishEvents(B);
    B.Prop("OnFind", &TFindDialog::OnFind, &TFindDialog::SetOnFind);
    return B;
}

// The entries of the base table; each leads to the operation of the object's own class.
void DoCloseEntry(TCommonDialog* Self) {
    Self->OnClose()(Self);
}
void DoShowEntry(TCommonDialog* Self) {
    Self->OnShow()(Self);
}

// Texts of the colour list of the font dialog and their colours.
struct TNamedColor {
    const char* Name;
    TColor Color;
};
constexpr TNamedColor FontColors[] = {
    {"Black", clBlack},   {"Maroon", clMaroon},   {"Green", clGreen}, {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple},   {"Teal", clTeal},   {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},         {"Lime", clLime},   {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite}};

const char* const FontStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
const char* const FontSizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                 "20", "22", "24", "26", "28", "36", "48", "72"};

String FolderOf(const String& Path) {
    std::error_code Error;
    auto Absolute = std::filesystem::absolute(Path.empty() ? "." : Path, Error);
    return Error ? Path : Absolute.lexically_normal().string();
}

} // namespace

// ---- TCommonDialog ----

TClass TCommonDialog::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCommonDialog>("TCommonDialog").NoCreate();
    return &Info;
}

TCommonDialog::TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

TCommonDialog::~TCommonDialog() = default;

HWND TCommonDialog::Handle() const {
    return FSession ? FSession->Handle() : nullptr;
}

std::vector<TCodePointer> TCommonDialog::BaseEntries() {
    return {CodeOf(&DoCloseEntry), CodeOf(&DoShowEntry), CodeOf(&TCommonDialog::BaseMessageHook),
            CodeOf(+[](TCommonDialog* Self) { return Self->DoExecute(); })};
}

bool TCommonDialog::BaseMessageHook(TCommonDialog*, TMessage&) {
    return false;
}

bool TCommonDialog::Execute() {
    auto Proc = reinterpret_cast<TDialogExecuteProc>(
        DialogMethodTable(ClassType())->Get(TDialogMethod::Execute));
    return Proc(this);
}

bool TCommonDialog::MessageHook(TMessage& Msg) {
    auto Proc = reinterpret_cast<TMessageHookProc>(
        DialogMethodTable(ClassType())->Get(TDialogMethod::MessageHook));
    return Proc(this, Msg);
}

void TCommonDialog::DoClose() {
    reinterpret_cast<TDialogNotifyProc>(
        DialogMethodTable(ClassType())->Get(TDialogMethod::DoClose))(this);
}

void TCommonDialog::DoShow() {
    reinterpret_cast<TDialogNotifyProc>(DialogMethodTable(ClassType())->Get(TDialogMethod::DoShow))(
        this);
}

void TCommonDialog::Command(TDialogSession&, int, int) {}

HWND TCommonDialog::HookWindow() const {
    if (auto* Form = As<TWinControl>(Owner()); Form && Form->HandleAllocated())
        return Form->Handle();
    return GetActiveWindow();
}

bool TCommonDialog::DoExecute() {
    // A modeless dialog already shown is brought to the front.
    if (Modeless() && FSession && FSession->Handle()) {
        SetActiveWindow(FSession->Handle());
        return true;
    }
    FSession.reset();
    FSession = std::make_unique<TDialogSession>(*this, HookWindow());
    if (Modeless()) return FSession->Run();
    // A modal dialog's window is gone once Execute returns.
    bool Result = FSession->Run();
    FSession.reset();
    return Result;
}

// ---- TOpenDialog / TSaveDialog ----

TClass TOpenDialog::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TOpenDialog> B("TOpenDialog");
        PublishFile(B);
        return TClassInfo(B);
    }();
    return &Info;
}

TClass TSaveDialog::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TSaveDialog> B("TSaveDialog");
        PublishFile(B);
        return TClassInfo(B);
    }();
    return &Info;
}

TOpenDialog::TOpenDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

const TDialogTemplate& TOpenDialog::Template() const {
    return OpenDialogTemplate();
}

const TDialogTemplate& TSaveDialog::Template() const {
    return SaveDialogTemplate();
}

String TOpenDialog::FilterMasks(int Index) const {
    // Pairs "description|masks|description|masks".
    std::vector<String> Parts;
    std::size_t Start = 0;
    while (Start <= FFilter.size() && !FFilter.empty()) {
        std::size_t Bar = FFilter.find('|', Start);
        if (Bar == String::npos) Bar = FFilter.size();
        Parts.push_back(FFilter.substr(Start, Bar - Start));
        Start = Bar + 1;
    }
    const std::size_t At = static_cast<std::size_t>(Index) * 2 - 1;
    if (Index < 1 || At >= Parts.size() || Parts[At].empty()) return "*.*";
    return Parts[At];
}

void TOpenDialog::ListFolder(TDialogSession& Session) {
    const int Filter = Session.Selected(cmb1) >= 0 ? Session.Selected(cmb1) + 1 : FFilterIndex;
    Session.SetText(stc1, FFolder);
    Session.SetItems(lst1, ListFiles(FFolder, FilterMasks(Filter)));
    Session.SetItems(lst2, ListFolders(FFolder));
}

void TOpenDialog::InitDialog(TDialogSession& Session) {
    FFolder = FolderOf(FInitialDir.empty() && !FFileName.empty() ? ExtractFilePath(FFileName)
                                                                 : FInitialDir);
    std::vector<String> Types;
    for (int i = 1;; ++i) {
        std::size_t Count = 0, Start = 0, Pos = 0;
        // Description i is part 2i-2 of the filter.
        for (; Count < static_cast<std::size_t>(2 * i - 2); ++Count) {
            Pos = FFilter.find('|', Start);
            if (Pos == String::npos) break;
            Start = Pos + 1;
        }
        if (Count < static_cast<std::size_t>(2 * i - 2) || Start >= FFilter.size()) break;
        Types.push_back(FFilter.substr(Start, FFilter.find('|', Start) - Start));
    }
    Session.SetItems(cmb1, Types);
    if (FFilterIndex >= 1 && FFilterIndex <= static_cast<int>(Types.size()))
        Session.Select(cmb1, FFilterIndex - 1);
    Session.SetItems(cmb2, {"/"});
    Session.Select(cmb2, 0);
    Session.SetText(edt1, ExtractFileName(FFileName));
    Session.SetChecked(chx1, FOptions.Contains(ofReadOnly));
    if (FOptions.Contains(ofHideReadOnly)) ShowWindow(Session.Item(chx1), SW_HIDE);
    ListFolder(Session);
}

void TOpenDialog::Command(TDialogSession& Session, int Id, int Code) {
    if (Code != LBN_SELCHANGE_CODE) return;
    if (Id == cmb1) {
        ListFolder(Session);
        FOnTypeChange(this);
    } else if (Id == lst1) {
        Session.SetText(edt1,
                        Session.Items(lst1)[static_cast<std::size_t>(Session.Selected(lst1))]);
    } else if (Id == lst2) {
        String Name = Session.Items(lst2)[static_cast<std::size_t>(Session.Selected(lst2))];
        Name = Name.substr(1, Name.size() - 2);
        FFolder = FolderOf((std::filesystem::path(FFolder) / Name).string());
        ListFolder(Session);
    }
}

bool TOpenDialog::Accept(TDialogSession& Session) {
    String Name = Trim(Session.Text(edt1));
    if (Name.empty()) return false;
    std::filesystem::path Path(Name);
    if (Path.is_relative()) Path = std::filesystem::path(FFolder) / Path;
    if (!Path.has_extension() && !FDefaultExt.empty()) Path += "." + FDefaultExt;
    std::error_code Error;
    const bool Exists = std::filesystem::exists(Path, Error);
    if (FOptions.Contains(ofFileMustExist) && !Exists) return false;
    if (FOptions.Contains(ofPathMustExist) &&
        !std::filesystem::is_directory(Path.parent_path(), Error))
        return false;
    FFileName = Path.lexically_normal().string();
    FFiles->Clear();
    FFiles->Add(FFileName);
    if (Session.Selected(cmb1) >= 0) FFilterIndex = Session.Selected(cmb1) + 1;
    if (Session.Checked(chx1))
        FOptions.Include(ofReadOnly);
    else
        FOptions.Exclude(ofReadOnly);
    return true;
}

// ---- TFontDialog ----

TClass TFontDialog::StaticClass() {
    // clang-format off
    static const TClassInfo Info = [] {
        TClassBuilder<TFontDialog> B("TFontDialog");
        PublishCommon(B);
        B.Prop("Font", &TFontDialog::Font, &TFontDialog::SetFont)
         .Prop("Device", &TFontDialog::Device, &TFontDialog::SetDevice).Default(fdScreen)
         .Prop("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize).Default(0)
         .Prop("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize).Default(0)
         .Prop("Options", &TFontDialog::Options, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects});
        PublishEvents(B);
        B.Prop("OnApply", &TFontDialog::OnApply, &TFontDialog::SetOnApply);
        return TClassInfo(B);
    }();
    // clang-format on
    return &Info;
}

TFontDialog::TFontDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

const TDialogTemplate& TFontDialog::Template() const {
    return FontDialogTemplate();
}

void TFontDialog::InitDialog(TDialogSession& Session) {
    Session.SetItems(cmb1, ListFontFamilies());
    Session.SetText(cmb1, FFont->Name());
    Session.SetItems(cmb2, {std::begin(FontStyles), std::end(FontStyles)});
    const int Style =
        (FFont->Style().Contains(fsItalic) ? 1 : 0) + (FFont->Style().Contains(fsBold) ? 2 : 0);
    Session.Select(cmb2, Style);
    Session.SetItems(cmb3, {std::begin(FontSizes), std::end(FontSizes)});
    Session.SetText(cmb3, IntToStr(FFont->Size()));
    std::vector<String> Colors;
    for (const TNamedColor& C : FontColors)
        Colors.push_back(C.Name);
    Session.SetItems(cmb4, Colors);
    for (std::size_t i = 0; i < std::size(FontColors); ++i)
        if (FontColors[i].Color == FFont->Color()) Session.Select(cmb4, static_cast<int>(i));
    Session.SetItems(cmb5, {"Western"});
    Session.Select(cmb5, 0);
    Session.SetChecked(chx1, FFont->Style().Contains(fsStrikeOut));
    Session.SetChecked(chx2, FFont->Style().Contains(fsUnderline));
    if (!FOptions.Contains(fdApplyButton)) ShowWindow(Session.Item(psh3), SW_HIDE);
    if (!FOptions.Contains(fdEffects)) {
        for (int Id : {grp1, chx1, chx2, stc4, cmb4})
            ShowWindow(Session.Item(Id), SW_HIDE);
    }
}

bool TFontDialog::ReadChoice(TDialogSession& Session, TFont& Target) const {
    auto Size = TryStrToInt(Trim(Session.Text(cmb3)));
    if (!Size || *Size <= 0) return false;
    if (FOptions.Contains(fdLimitSize) &&
        ((FMinFontSize && *Size < FMinFontSize) || (FMaxFontSize && *Size > FMaxFontSize)))
        return false;
    const String Name = Trim(Session.Text(cmb1));
    if (!Name.empty()) Target.SetName(Name);
    Target.SetSize(*Size);
    TFontStyles Style;
    const int S = Session.Selected(cmb2);
    if (S == 1 || S == 3) Style.Include(fsItalic);
    if (S == 2 || S == 3) Style.Include(fsBold);
    if (Session.Checked(chx1)) Style.Include(fsStrikeOut);
    if (Session.Checked(chx2)) Style.Include(fsUnderline);
    Target.SetStyle(Style);
    if (int C = Session.Selected(cmb4); C >= 0) Target.SetColor(FontColors[C].Color);
    return true;
}

bool TFontDialog::Accept(TDialogSession& Session) {
    return ReadChoice(Session, *FFont);
}

void TFontDialog::Command(TDialogSession& Session, int Id, int Code) {
    if (Id == psh3 && Code == BN_CLICKED && ReadChoice(Session, *FFont)) FOnApply(this);
}

// ---- TColorDialog ----

TClass TColorDialog::StaticClass() {
    // clang-format off
    static const TClassInfo Info = [] {
        TClassBuilder<TColorDialog> B("TColorDialog");
        PublishCommon(B);
        B.Prop("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack)
         .Prop("CustomColors", [](const TColorDialog& D) -> TStrings* { return D.CustomColors(); }, &TColorDialog::SetCustomColors)
         .Prop("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(TColorDialogOptions{});
        PublishEvents(B);
        return TClassInfo(B);
    }();
    // clang-format on
    return &Info;
}

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

const TDialogTemplate& TColorDialog::Template() const {
    return ColorDialogTemplate();
}

void TColorDialog::ShowColor(TDialogSession& Session, TColor Value) {
    const auto V = static_cast<unsigned>(Value);
    Session.SetText(COLOR_RED, IntToStr(static_cast<int>(V & 0xFF)));
    Session.SetText(COLOR_GREEN, IntToStr(static_cast<int>((V >> 8) & 0xFF)));
    Session.SetText(COLOR_BLUE, IntToStr(static_cast<int>((V >> 16) & 0xFF)));
}

void TColorDialog::InitDialog(TDialogSession& Session) {
    // The 48 basic colours: six levels of each primary mix, as "RRGGBB" names.
    std::vector<String> Basic;
    static constexpr int Levels[] = {0x00, 0x40, 0x80, 0xC0, 0xFF};
    for (int R : {0x00, 0x80, 0xFF})
        for (int G : Levels)
            for (int B : {0x00, 0x80, 0xFF})
                if (Basic.size() < 48) {
                    char Text[8];
                    std::snprintf(Text, sizeof Text, "%02X%02X%02X", R, G, B);
                    Basic.push_back(Text);
                }
    Session.SetItems(COLOR_BOX1, Basic);
    ShowColor(Session, FColor);
}

void TColorDialog::Command(TDialogSession& Session, int Id, int Code) {
    if (Id != COLOR_BOX1 || Code != LBN_SELCHANGE_CODE) return;
    const String& Hex =
        Session.Items(COLOR_BOX1)[static_cast<std::size_t>(Session.Selected(COLOR_BOX1))];
    const int Rgb = std::stoi(Hex, nullptr, 16);
    ShowColor(Session, TColor(((Rgb >> 16) & 0xFF) | (Rgb & 0xFF00) | ((Rgb & 0xFF) << 16)));
}

bool TColorDialog::Accept(TDialogSession& Session) {
    int Parts[3];
    const int Ids[3] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
    for (int i = 0; i < 3; ++i) {
        auto V = TryStrToInt(Trim(Session.Text(Ids[i])));
        if (!V || *V < 0 || *V > 255) return false;
        Parts[i] = *V;
    }
    FColor = TColor(Parts[0] | (Parts[1] << 8) | (Parts[2] << 16));
    return true;
}

// ---- TPrintDialog / TPrinterSetupDialog ----

TClass TPrintDialog::StaticClass() {
    // clang-format off
    static const TClassInfo Info = [] {
        TClassBuilder<TPrintDialog> B("TPrintDialog");
        PublishCommon(B);
        B.Prop("Collate", &TPrintDialog::Collate, &TPrintDialog::SetCollate).Default(false)
         .Prop("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(0)
         .Prop("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0)
         .Prop("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0)
         .Prop("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0)
         .Prop("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions).Default(TPrintDialogOptions{})
         .Prop("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile).Default(false)
         .Prop("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange).Default(prAllPages)
         .Prop("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0);
        PublishEvents(B);
        return TClassInfo(B);
    }();
    // clang-format on
    return &Info;
}

TClass TPrinterSetupDialog::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TPrinterSetupDialog> B("TPrinterSetupDialog");
        PublishCommon(B);
        PublishEvents(B);
        return TClassInfo(B);
    }();
    return &Info;
}

const TDialogTemplate& TPrintDialog::Template() const {
    return PrintDialogTemplate();
}

void TPrintDialog::InitDialog(TDialogSession& Session) {
    std::vector<String> Printers = ListPrinters();
    const bool Any = !Printers.empty();
    Session.SetItems(cmb4, std::move(Printers));
    if (Any) {
        Session.Select(cmb4, 0);
        Session.SetText(stc12, "Ready");
    }
    Session.SetText(edt3, IntToStr(FCopies > 0 ? FCopies : 1));
    Session.SetText(edt1, IntToStr(FFromPage));
    Session.SetText(edt2, IntToStr(FToPage));
    Session.SetChecked(rad1, FPrintRange == prAllPages);
    Session.SetChecked(rad2, FPrintRange == prSelection);
    Session.SetChecked(rad3, FPrintRange == prPageNums);
    Session.SetChecked(chx1, FPrintToFile);
    Session.SetChecked(chx2, FCollate);
    EnableWindow(Session.Item(rad3), FOptions.Contains(poPageNums));
    EnableWindow(Session.Item(rad2), FOptions.Contains(poSelection));
    if (!FOptions.Contains(poPrintToFile)) ShowWindow(Session.Item(chx1), SW_HIDE);
}

bool TPrintDialog::Accept(TDialogSession& Session) {
    auto Copies = TryStrToInt(Trim(Session.Text(edt3)));
    if (!Copies || *Copies < 1) return false;
    FCopies = *Copies;
    FCollate = Session.Checked(chx2);
    FPrintToFile = Session.Checked(chx1);
    FPrintRange = Session.Checked(rad3)   ? prPageNums
                  : Session.Checked(rad2) ? prSelection
                                          : prAllPages;
    if (FPrintRange == prPageNums) {
        auto From = TryStrToInt(Trim(Session.Text(edt1)));
        auto To = TryStrToInt(Trim(Session.Text(edt2)));
        if (!From || !To || *From > *To) return false;
        FFromPage = *From;
        FToPage = *To;
    }
    FPrinterName = Session.Text(cmb4);
    return true;
}

const TDialogTemplate& TPrinterSetupDialog::Template() const {
    return PrinterSetupDialogTemplate();
}

void TPrinterSetupDialog::InitDialog(TDialogSession& Session) {
    std::vector<String> Printers = ListPrinters();
    const bool Any = !Printers.empty();
    Session.SetItems(cmb1, std::move(Printers));
    if (Any) Session.Select(cmb1, 0);
    Session.SetItems(cmb2, {"Letter", "Legal", "A4", "A5", "Envelope #10"});
    Session.Select(cmb2, 2);
    Session.SetItems(cmb3, {"Automatically Select", "Manual Feed"});
    Session.Select(cmb3, 0);
    Session.SetChecked(rad1, !FLandscape);
    Session.SetChecked(rad2, FLandscape);
}

bool TPrinterSetupDialog::Accept(TDialogSession& Session) {
    FPrinterName = Session.Text(cmb1);
    FLandscape = Session.Checked(rad2);
    return true;
}

// ---- TFindDialog / TReplaceDialog ----

TClass TFindDialog::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TFindDialog> B("TFindDialog");
        PublishFind(B);
        return TClassInfo(B);
    }();
    return &Info;
}

TClass TReplaceDialog::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TReplaceDialog> B("TReplaceDialog");
        PublishFind(B);
        B.Prop("ReplaceText", &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText);
        B.Prop("OnReplace", &TReplaceDialog::OnReplace, &TReplaceDialog::SetOnReplace);
        return TClassInfo(B);
    }();
    return &Info;
}

TFindDialog::TFindDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

TFindDialog::~TFindDialog() = default;

bool TFindDialog::FindMessageHookEntry(TCommonDialog* Self, TMessage& Msg) {
    return BaseMessageHook(Self, Msg);
}

void TFindDialog::CloseDialog() {
    if (Session()) Session()->Close();
}

const TDialogTemplate& TFindDialog::Template() const {
    return FindDialogTemplate();
}

void TFindDialog::InitDialog(TDialogSession& Session) {
    Session.SetText(edt1, FFindText);
    Session.SetChecked(chx1, FOptions.Contains(frWholeWord));
    Session.SetChecked(chx2, FOptions.Contains(frMatchCase));
    Session.SetChecked(rad1, !FOptions.Contains(frDown));
    Session.SetChecked(rad2, FOptions.Contains(frDown));
    if (FLeft >= 0 || FTop >= 0) {
        RECT R{};
        GetWindowRect(Session.Handle(), &R);
        MoveWindow(Session.Handle(), FLeft >= 0 ? FLeft : R.left, FTop >= 0 ? FTop : R.top,
                   R.right - R.left, R.bottom - R.top, false);
    }
}

void TFindDialog::ReadChoice(TDialogSession& Session) {
    FFindText = Session.Text(edt1);
    auto Set = [this](TFindOption O, bool On) { On ? FOptions.Include(O) : FOptions.Exclude(O); };
    Set(frWholeWord, Session.Checked(chx1));
    Set(frMatchCase, Session.Checked(chx2));
    Set(frDown, !Session.Checked(rad1));
    Set(frReplace, false);
    Set(frReplaceAll, false);
}

bool TFindDialog::Accept(TDialogSession& Session) {
    ReadChoice(Session);
    FOptions.Include(frFindNext);
    FOnFind(this);
    return true;
}

void TFindDialog::Command(TDialogSession& Session, int Id, int Code) {
    if (Code != BN_CLICKED) return;
    // Radio buttons of one group exclude each other.
    if (Id == rad1 || Id == rad2)
        Session.SetChecked(Id == rad1 ? rad2 : rad1, !Session.Checked(Id));
}

const TDialogTemplate& TReplaceDialog::Template() const {
    return ReplaceDialogTemplate();
}

void TReplaceDialog::InitDialog(TDialogSession& Session) {
    TFindDialog::InitDialog(Session);
    Session.SetText(edt2, FReplaceText);
}

void TReplaceDialog::ReadChoice(TDialogSession& Session) {
    TFindDialog::ReadChoice(Session);
    FReplaceText = Session.Text(edt2);
}

void TReplaceDialog::Command(TDialogSession& Session, int Id, int Code) {
    if ((Id == psh1 || Id == psh2) && Code == BN_CLICKED) {
        ReadChoice(Session);
        FOptions.Include(Id == psh1 ? frReplace : frReplaceAll);
        FOnReplace(this);
        return;
    }
    TFindDialog::Command(Session, Id, Code);
}

void RegisterDialogClasses() {
    RegisterClasses({TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                     TFontDialog::StaticClass(), TColorDialog::StaticClass(),
                     TPrintDialog::StaticClass(), TPrinterSetupDialog::StaticClass(),
                     TFindDialog::StaticClass(), TReplaceDialog::StaticClass()});
}

} // namespace host
