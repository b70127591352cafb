#include "host/controls/Forms.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/controls/ControlProps.h"
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
               "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
ZT_DEFINE_ENUM(TPopupMode, "pmNone", "pmAuto", "pmExplicit")
ZT_DEFINE_ENUM(TScrollBarKind, "sbHorizontal", "sbVertical")
ZT_DEFINE_ENUM(TScrollBarStyle, "ssRegular", "ssFlat", "ssHotTrack")
ZT_DEFINE_ENUM(TDefaultMonitor, "dmDesktop", "dmPrimary", "dmMainForm", "dmActiveForm")
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
        .Prop("OnShow", &TForm::OnShow, &TForm::SetOnShow)
        .Prop("AlphaBlend", &TForm::AlphaBlend, &TForm::SetAlphaBlend).Default(false)
        .Prop("AlphaBlendValue", &TForm::AlphaBlendValue, &TForm::SetAlphaBlendValue).Default(255)
        .Prop("Anchors", &TForm::Anchors, &TForm::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("BorderWidth", &TForm::BorderWidth, &TForm::SetBorderWidth).Default(0)
        .Prop("DefaultMonitor", &TForm::DefaultMonitor, &TForm::SetDefaultMonitor).Default(dmActiveForm)
        .Prop("HorzScrollBar", &TForm::HorzScrollBar, &TForm::SetHorzScrollBar)
        .Prop("Padding", &TForm::Padding, &TForm::SetPadding)
        .Prop("ParentBackground", &TForm::ParentBackground, &TForm::SetParentBackground).Default(false)
        .Prop("PopupMode", &TForm::PopupMode, &TForm::SetPopupMode).Default(pmNone)
        .Prop("VertScrollBar", &TForm::VertScrollBar, &TForm::SetVertScrollBar)
        .Prop("OnHelp", &TForm::OnHelp, &TForm::SetOnHelp)
        .Prop("OnShortCut", &TForm::OnShortCut, &TForm::SetOnShortCut)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

// ---- TControlScrollBar, TScrollingWinControl ----

TClass TControlScrollBar::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TControlScrollBar>("TControlScrollBar")
        .Prop("ButtonSize", &TControlScrollBar::ButtonSize, &TControlScrollBar::SetButtonSize).Default(0)
        .Prop("Color", &TControlScrollBar::Color, &TControlScrollBar::SetColor).Default(clBtnHighlight).Stored(&TControlScrollBar::IsColorStored)
        .Prop("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8)
        .Prop("Margin", &TControlScrollBar::Margin, &TControlScrollBar::SetMargin).Default(0)
        .Prop("ParentColor", &TControlScrollBar::ParentColor, &TControlScrollBar::SetParentColor).Default(true)
        .Prop("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0)
        .Prop("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0)
        .Prop("Smooth", &TControlScrollBar::Smooth, &TControlScrollBar::SetSmooth).Default(false)
        .Prop("Size", &TControlScrollBar::Size, &TControlScrollBar::SetSize).Default(0)
        .Prop("Style", &TControlScrollBar::Style, &TControlScrollBar::SetStyle).Default(ssRegular)
        .Prop("ThumbSize", &TControlScrollBar::ThumbSize, &TControlScrollBar::SetThumbSize).Default(0)
        .Prop("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking).Default(false)
        .Prop("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
    // clang-format on
    return &Info;
}

void TControlScrollBar::SetRange(int Value) {
    FRange = Value < 0 ? 0 : Value;
    if (FPosition > FRange) FPosition = FRange;
}

void TControlScrollBar::SetPosition(int Value) {
    FPosition = std::clamp(Value, 0, std::max(FRange, 0));
}

void TControlScrollBar::Assign(const TPersistent* Source) {
    auto* S = As<TControlScrollBar>(Source);
    if (!S) return inherited::Assign(Source);
    FButtonSize = S->FButtonSize;
    FColor = S->FColor;
    FIncrement = S->FIncrement;
    FMargin = S->FMargin;
    FParentColor = S->FParentColor;
    FRange = S->FRange;
    FPosition = S->FPosition;
    FSmooth = S->FSmooth;
    FSize = S->FSize;
    FStyle = S->FStyle;
    FThumbSize = S->FThumbSize;
    FTracking = S->FTracking;
    FVisible = S->FVisible;
}

TClass TScrollingWinControl::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TScrollingWinControl>("TScrollingWinControl").NoCreate();
    return &Info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(new TControlScrollBar(sbHorizontal)),
      FVertScrollBar(new TControlScrollBar(sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() {}

// ---- TCustomFrame, TScrollBox ----

TClass TCustomFrame::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomFrame>("TCustomFrame").NoCreate();
    return &Info;
}

TClass TFrame::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TFrame>("TFrame")
        .Prop("Align", &TFrame::Align, &TFrame::SetAlign).Default(alNone)
        .Prop("Anchors", &TFrame::Anchors, &TFrame::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("AutoSize", &TFrame::AutoSize, &TFrame::SetAutoSize).Default(false)
        .Prop("Color", &TFrame::Color, &TFrame::SetColor).Stored(&TFrame::IsColorStored)
        .Prop("Enabled", &TFrame::Enabled, &TFrame::SetEnabled).Default(true)
        .Prop("Font", &TFrame::Font, &TFrame::SetFont).Stored(&TFrame::IsFontStored)
        .Prop("HorzScrollBar", &TFrame::HorzScrollBar, &TFrame::SetHorzScrollBar)
        .Prop("Padding", &TFrame::Padding, &TFrame::SetPadding)
        .Prop("ParentBackground", &TFrame::ParentBackground, &TFrame::SetParentBackground).Default(true)
        .Prop("ParentColor", &TFrame::ParentColor, &TFrame::SetParentColor).Default(true)
        .Prop("ParentFont", &TFrame::ParentFont, &TFrame::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TFrame::ParentShowHint, &TFrame::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TFrame::PopupMenu, &TFrame::SetPopupMenu)
        .Prop("ShowHint", &TFrame::ShowHint, &TFrame::SetShowHint).Stored(&TFrame::IsShowHintStored)
        .Prop("TabOrder", &TFrame::TabOrder, &TFrame::SetTabOrder).Default(-1)
        .Prop("TabStop", &TFrame::TabStop, &TFrame::SetTabStop).Default(false)
        .Prop("VertScrollBar", &TFrame::VertScrollBar, &TFrame::SetVertScrollBar)
        .Prop("Visible", &TFrame::Visible, &TFrame::SetVisible).Default(true)
        .Prop("OnClick", &TFrame::OnClick, &TFrame::SetOnClick)
        .Prop("OnDblClick", &TFrame::OnDblClick, &TFrame::SetOnDblClick)
        .Prop("OnResize", &TFrame::OnResize, &TFrame::SetOnResize)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    SetBounds(0, 0, 320, 240);
    SetParentBackground(true);
}

void TCustomFrame::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    inherited::GetChildren(Proc, Root);
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* C = Components(i);
        if (!C->HasParent()) Proc(C);
    }
}

TClass TScrollBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TScrollBox>("TScrollBox")
        .Prop("Align", &TScrollBox::Align, &TScrollBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TScrollBox::Anchors, &TScrollBox::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll).Default(true)
        .Prop("AutoSize", &TScrollBox::AutoSize, &TScrollBox::SetAutoSize).Default(false)
        .Prop("BevelEdges", &TScrollBox::BevelEdges, &TScrollBox::SetBevelEdges).Default(TBevelEdges{beLeft, beTop, beRight, beBottom})
        .Prop("BevelInner", &TScrollBox::BevelInner, &TScrollBox::SetBevelInner).Default(bvRaised)
        .Prop("BevelKind", &TScrollBox::BevelKind, &TScrollBox::SetBevelKind).Default(bkNone)
        .Prop("BevelOuter", &TScrollBox::BevelOuter, &TScrollBox::SetBevelOuter).Default(bvLowered)
        .Prop("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle)
        .Prop("Color", &TScrollBox::Color, &TScrollBox::SetColor).Stored(&TScrollBox::IsColorStored)
        .Prop("Enabled", &TScrollBox::Enabled, &TScrollBox::SetEnabled).Default(true)
        .Prop("Font", &TScrollBox::Font, &TScrollBox::SetFont).Stored(&TScrollBox::IsFontStored)
        .Prop("HorzScrollBar", &TScrollBox::HorzScrollBar, &TScrollBox::SetHorzScrollBar)
        .Prop("Padding", &TScrollBox::Padding, &TScrollBox::SetPadding)
        .Prop("ParentBackground", &TScrollBox::ParentBackground, &TScrollBox::SetParentBackground).Default(false)
        .Prop("ParentColor", &TScrollBox::ParentColor, &TScrollBox::SetParentColor).Default(true)
        .Prop("ParentFont", &TScrollBox::ParentFont, &TScrollBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TScrollBox::ParentShowHint, &TScrollBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TScrollBox::PopupMenu, &TScrollBox::SetPopupMenu)
        .Prop("ShowHint", &TScrollBox::ShowHint, &TScrollBox::SetShowHint).Stored(&TScrollBox::IsShowHintStored)
        .Prop("TabOrder", &TScrollBox::TabOrder, &TScrollBox::SetTabOrder).Default(-1)
        .Prop("TabStop", &TScrollBox::TabStop, &TScrollBox::SetTabStop).Default(false)
        .Prop("VertScrollBar", &TScrollBox::VertScrollBar, &TScrollBox::SetVertScrollBar)
        .Prop("Visible", &TScrollBox::Visible, &TScrollBox::SetVisible).Default(true)
        .Prop("OnClick", &TScrollBox::OnClick, &TScrollBox::SetOnClick)
        .Prop("OnDblClick", &TScrollBox::OnDblClick, &TScrollBox::SetOnDblClick)
        .Prop("OnResize", &TScrollBox::OnResize, &TScrollBox::SetOnResize)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) {
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
    if (Visible() || !Enabled() || FModal || FFormStyle == fsMDIChild) RaiseCannotShowModal();
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
    // Later host versions write the design resolution of data modules too; it means nothing
    // for a module without controls, so it is read and not written again.
    Filer->DefineProperty(
        "PixelsPerInch", [](TReader* R) { (void)R->ReadInteger(); }, nullptr, false);
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
