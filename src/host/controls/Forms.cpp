#include "host/controls/Forms.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/Menus.h"
#include "host/controls/Screen.h"
#include "host/controls/UiDriver.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
ZT_DEFINE_ENUM(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
               "bsSizeToolWin")
ZT_DEFINE_ENUM(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
ZT_DEFINE_SET(TBorderIcons)
ZT_DEFINE_ENUM(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
               "poScreenCenter", "poDesktopCenter")
ZT_DEFINE_ENUM(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")

namespace {

std::vector<TCustomForm*>& ReleasedForms() {
    static std::vector<TCustomForm*> List;
    return List;
}

// A form that keeps refusing to close while a non-interactive driver answers would
// otherwise never return.
constexpr int MaxModalRounds = 100;

// Window metrics of the emulated screen: frame thickness and caption height.
struct TFrameMetrics {
    int Border;
    int Caption;
};

TFrameMetrics FrameMetrics(TFormBorderStyle Style) {
    switch (Style) {
    case bsNone:
        return {0, 0};
    case bsSizeable:
        return {4, 19};
    case bsToolWindow:
        return {3, 16};
    case bsSizeToolWin:
        return {4, 16};
    default:
        return {3, 19};
    }
}

} // namespace

// ---- TCustomForm ----

TClass TCustomForm::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomForm>("TCustomForm").NoCreate();
    return &Info;
}

TClass TForm::StaticClass() {
    const TBorderIcons DefaultIcons{biSystemMenu, biMinimize, biMaximize};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TForm>("TForm")
        .Prop("Width", &TForm::Width, &TForm::SetWidth).Stored(&TForm::IsFormSizeStored)
        .Prop("Height", &TForm::Height, &TForm::SetHeight).Stored(&TForm::IsFormSizeStored)
        .Prop("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .Prop("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll).Default(true)
        .Prop("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons).Default(DefaultIcons)
        .Prop("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable)
        .Prop("Caption", &TForm::Caption, &TForm::SetCaption)
        .Prop("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight).Stored(&TForm::IsClientSizeStored)
        .Prop("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth).Stored(&TForm::IsClientSizeStored)
        .Prop("Color", &TForm::Color, &TForm::SetColor).Stored(&TForm::IsColorStored)
        .Prop("Enabled", &TForm::Enabled, &TForm::SetEnabled).Default(true)
        .Prop("ParentFont", &TForm::ParentFont, &TForm::SetParentFont).Default(false)
        .Prop("Font", &TForm::Font, &TForm::SetFont).Stored(&TForm::IsFontStored)
        .Prop("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle).Default(fsNormal)
        .Prop("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).Default(false)
        .Prop("Menu", &TForm::Menu, &TForm::SetMenu)
        .Prop("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder)
        .Prop("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch).Stored(false)
        .Prop("PopupMenu", &TForm::PopupMenu, &TForm::SetPopupMenu)
        .Prop("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned)
        .Prop("Scaled", &TForm::Scaled, &TForm::SetScaled).Default(true)
        .Prop("ShowHint", &TForm::ShowHint, &TForm::SetShowHint).Stored(&TForm::IsShowHintStored)
        .Prop("Visible", &TForm::Visible, &TForm::SetVisible).Default(false)
        .Prop("WindowState", &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal)
        .Prop("WindowMenu", &TForm::WindowMenu, &TForm::SetWindowMenu)
        .Prop("OnActivate", &TForm::OnActivate, &TForm::SetOnActivate)
        .Prop("OnClick", &TForm::OnClick, &TForm::SetOnClick)
        .Prop("OnClose", &TForm::OnClose, &TForm::SetOnClose)
        .Prop("OnCloseQuery", &TForm::OnCloseQuery, &TForm::SetOnCloseQuery)
        .Prop("OnCreate", &TForm::OnCreate, &TForm::SetOnCreate)
        .Prop("OnDblClick", &TForm::OnDblClick, &TForm::SetOnDblClick)
        .Prop("OnDestroy", &TForm::OnDestroy, &TForm::SetOnDestroy)
        .Prop("OnDeactivate", &TForm::OnDeactivate, &TForm::SetOnDeactivate)
        .Prop("OnHide", &TForm::OnHide, &TForm::SetOnHide)
        .Prop("OnResize", &TForm::OnResize, &TForm::SetOnResize)
        .Prop("OnShow", &TForm::OnShow, &TForm::SetOnShow);
    // clang-format on
    return &Info;
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    SetBounds(0, 0, 320, 240);
    SetVisible(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (Screen) Screen->RemoveForm(this);
    std::erase(ReleasedForms(), this);
}

void TCustomForm::BeforeDestruction() {
    DoDestroy();
    if (Screen) Screen->RemoveForm(this);
    std::erase(ReleasedForms(), this);
    inherited::BeforeDestruction();
}

int TCustomForm::FrameWidth() const {
    return 2 * FrameMetrics(FBorderStyle).Border;
}

int TCustomForm::FrameHeight() const {
    TFrameMetrics M = FrameMetrics(FBorderStyle);
    return 2 * M.Border + M.Caption + (HasMenuBar() ? GetSystemMetrics(SM_CYMENU) : 0);
}

// MDI children show no menu bar of their own.
bool TCustomForm::HasMenuBar() const {
    return FMenu && FFormStyle != fsMDIChild && !Parent();
}

int TCustomForm::ClientWidth() const {
    return Width() - FrameWidth();
}
void TCustomForm::SetClientWidth(int Value) {
    if (IsLoading()) FLoadedClientWidth = Value;
    SetWidth(Value + FrameWidth());
}
int TCustomForm::ClientHeight() const {
    return Height() - FrameHeight();
}
void TCustomForm::SetClientHeight(int Value) {
    if (IsLoading()) FLoadedClientHeight = Value;
    SetHeight(Value + FrameHeight());
}

void TCustomForm::Loaded() {
    inherited::Loaded();
    if (FLoadedClientWidth >= 0) SetClientWidth(FLoadedClientWidth);
    if (FLoadedClientHeight >= 0) SetClientHeight(FLoadedClientHeight);
    FLoadedClientWidth = FLoadedClientHeight = -1;
}

void TCustomForm::SetPixelsPerInch(int Value) {
    if (Value == 0 || Value >= 36) FPixelsPerInch = Value;
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    if (Control && (Control == this || GetParentForm(Control) != this ||
                    (!IsLoading() && !Control->CanFocus())))
        RaiseCannotFocus();
    FActiveControl = Control;
    if (Control) Control->FreeNotification(this);
}

void TCustomForm::DefocusControl(TControl* Control, bool) {
    if (!FActiveControl) return;
    auto* W = As<TWinControl>(Control);
    if (W && W->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FActiveControl) FActiveControl = nullptr;
    if (AComponent == FWindowMenu) FWindowMenu = nullptr;
    if (AComponent == FMenu) {
        FMenu = nullptr;
        if (HandleAllocated()) ApplyMenu();
    }
}

bool TCustomForm::CloseQuery() {
    bool CanClose = true;
    FOnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    if (FFormStyle == fsMDIChild) Action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(Action);
    if (Action == caNone) return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (Action == caHide)
        Hide();
    else if (Action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseModal() {
    TCloseAction Action = caNone;
    if (CloseQuery()) {
        Action = caHide;
        DoClose(Action);
    }
    if (Action == caNone) {
        FModalResult = mrNone;
        return false;
    }
    if (Action == caFree) Release();
    return true;
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FModal || FFormStyle == fsMDIChild)
        RaiseCannotShowModal();
    FModalResult = mrNone;
    FModal = true;
    try {
        Show();
        for (int Round = 1;; ++Round) {
            TModalResult Answer = GetUiDriver().ShowModal(this);
            if (FModalResult == mrNone) FModalResult = Answer == mrNone ? mrCancel : Answer;
            if (CloseModal()) break;
            if (Round == MaxModalRounds)
                throw EInvalidOperation("Modal form " + Name() + " refuses to close");
        }
    } catch (...) {
        FModal = false;
        Hide();
        throw;
    }
    FModal = false;
    Hide();
    return FModalResult;
}

void TCustomForm::Release() {
    auto& List = ReleasedForms();
    if (std::find(List.begin(), List.end(), this) == List.end()) List.push_back(this);
}

void FreeReleasedForms() {
    // A form freed here may free others in the list; those leave it as they go.
    auto& List = ReleasedForms();
    while (!List.empty()) {
        TCustomForm* Form = List.front();
        List.erase(List.begin());
        Form->Free();
    }
}

void TCustomForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    inherited::GetChildren(Proc, Root);
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* C = Components(i);
        if (!C->HasParent()) Proc(C);
    }
}

void TCustomForm::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        "PixelsPerInch", nullptr, [this](TWriter* W) { W->WriteInteger(FPixelsPerInch); }, true);
    Filer->DefineProperty(
        "TextHeight", [this](TReader* R) { FTextHeight = R->ReadInteger(); },
        [this](TWriter* W) { W->WriteInteger(TextHeight()); }, true);
}

TCustomForm* GetParentForm(const TControl* Control) {
    if (!Control) return nullptr;
    while (Control->Parent())
        Control = Control->Parent();
    return const_cast<TCustomForm*>(As<TCustomForm>(Control));
}

// ---- TDataModule ----

TClass TDataModule::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDataModule>("TDataModule")
        .Prop("OldCreateOrder", &TDataModule::OldCreateOrder, &TDataModule::SetOldCreateOrder)
        .Prop("OnCreate", &TDataModule::OnCreate, &TDataModule::SetOnCreate)
        .Prop("OnDestroy", &TDataModule::OnDestroy, &TDataModule::SetOnDestroy);
    // clang-format on
    return &Info;
}

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {
    if (Screen) Screen->AddDataModule(this);
}

TDataModule::~TDataModule() {
    if (Screen) Screen->RemoveDataModule(this);
}

void TDataModule::BeforeDestruction() {
    DoDestroy();
    if (Screen) Screen->RemoveDataModule(this);
    inherited::BeforeDestruction();
}

void TDataModule::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* C = Components(i);
        if (!C->HasParent()) Proc(C);
    }
}

void TDataModule::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty(
        "Height", [this](TReader* R) { FDesignHeight = R->ReadInteger(); },
        [this](TWriter* W) { W->WriteInteger(FDesignHeight); }, true);
    Filer->DefineProperty(
        "Width", [this](TReader* R) { FDesignWidth = R->ReadInteger(); },
        [this](TWriter* W) { W->WriteInteger(FDesignWidth); }, true);
}

// ---- InitForm ----

void InitForm(TComponent* Instance, std::string_view FormFileName, std::string_view EmbeddedText) {
    String FileName = ExtractFilePath(ParamStr0()) + String(FormFileName);
    if (FileExists(FileName))
        ReadComponentResFile(FileName, Instance);
    else
        ReadComponentFromText(EmbeddedText, Instance);
    if (auto* Form = As<TCustomForm>(Instance))
        Form->DoCreate();
    else if (auto* Module = As<TDataModule>(Instance))
        Module->DoCreate();
}

} // namespace host
