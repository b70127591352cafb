// Forms: TCustomForm/TForm, the top-level window that form files describe (an MDI frame with
// its client window, or an MDI child inside the main form's), TDataModule, the container of
// non-visual components, and InitForm, with which an application's form class loads its form
// file.
#pragma once

#include <memory>

#include "host/controls/Controls.h"

#include <string_view>

namespace host {

class TMainMenu;
class TMenuItem;

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
// Which window a form stays in front of (later host versions).
enum TPopupMode { pmNone, pmAuto, pmExplicit };
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollBarStyle { ssRegular, ssFlat, ssHotTrack };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

ZT_EVENT_TYPE(TCloseEvent, TObject*, TCloseAction&);
ZT_EVENT_TYPE(TCloseQueryEvent, TObject*, bool&);
// Command, data, whether to call the help system, and the handler's result.
ZT_EVENT_TYPE(THelpEvent, WORD, long, bool&, bool&);
ZT_EVENT_TYPE(TShortCutEvent, TObject*, bool&);

// One scroll bar of a scrolling control (form, frame, scroll box): Range is the size of the
// scrolled area, Position the scrolled distance.
class TControlScrollBar : public TPersistent {
    ZT_CLASS(TControlScrollBar, TPersistent)
public:
    explicit TControlScrollBar(TScrollBarKind Kind = sbVertical) : FKind(Kind) {}
    TScrollBarKind Kind() const { return FKind; }
    int ButtonSize() const { return FButtonSize; }
    void SetButtonSize(int Value) { FButtonSize = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) {
        FColor = Value;
        FParentColor = false;
    }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value) { FParentColor = Value; }
    // Kept within 0 .. Range.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Range() const { return FRange; }
    void SetRange(int Value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    TScrollBarStyle Style() const { return FStyle; }
    void SetStyle(TScrollBarStyle Value) { FStyle = Value; }
    int ThumbSize() const { return FThumbSize; }
    void SetThumbSize(int Value) { FThumbSize = Value; }
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool IsColorStored() const { return !FParentColor; }
    void Assign(const TPersistent* Source) override;

private:
    TScrollBarKind FKind;
    int FButtonSize = 0;
    TColor FColor = clBtnHighlight;
    int FIncrement = 8;
    int FMargin = 0;
    bool FParentColor = true;
    int FPosition = 0;
    int FRange = 0;
    bool FSmooth = false;
    int FSize = 0;
    TScrollBarStyle FStyle = ssRegular;
    int FThumbSize = 0;
    bool FTracking = false;
    bool FVisible = true;
};

// A windowed control whose content can be larger than itself and is scrolled.
class TScrollingWinControl : public TWinControl {
    ZT_CLASS(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }

private:
    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
};

// Constructor tag of application form classes: an instance without its form file, to read
// another form text into.
struct TCreateNew {};
inline constexpr TCreateNew CreateNew{};

class TCustomForm : public TScrollingWinControl {
    ZT_CLASS(TCustomForm, TScrollingWinControl)
public:
    // An empty form (the host's CreateNew); it is listed in Screen's forms.
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    // Fires OnDestroy while the whole form still exists, then frees the controls.
    void BeforeDestruction() override;

    using TControl::Caption;
    using TControl::Color;
    using TControl::Font;
    using TControl::SetCaption;
    using TControl::SetColor;
    using TControl::SetFont;

    // The client area is the window less its frame, caption (which depend on BorderStyle) and
    // menu bar. A client size read from a form file is applied again once the form is loaded,
    // so that it holds with the menu bar that the Menu reference brings.
    int ClientWidth() const override;
    void SetClientWidth(int Value);
    int ClientHeight() const override;
    void SetClientHeight(int Value);

    TWinControl* ActiveControl() const { return FActiveControl; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window" for a control
    // that is not on this form or cannot take the focus (checked only outside loading).
    void SetActiveControl(TWinControl* Control);
    // Forgets the active control when Control is it or contains it.
    void DefocusControl(TControl* Control, bool Removing);

    // A change of these remakes an existing window.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TPopupMode PopupMode() const { return FPopupMode; }
    void SetPopupMode(TPopupMode Value) { FPopupMode = Value; }
    TDefaultMonitor DefaultMonitor() const { return FDefaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor Value) { FDefaultMonitor = Value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value) { FAlphaBlendValue = Value; }
    bool ShowInTaskBar() const { return FShowInTaskBar; }
    const THelpEvent& OnHelp() const { return FOnHelp; }
    void SetOnHelp(const THelpEvent& Value) { FOnHelp = Value; }
    const TShortCutEvent& OnShortCut() const { return FOnShortCut; }
    void SetOnShortCut(const TShortCutEvent& Value) { FOnShortCut = Value; }
    // A visible window is maximized, minimized or restored at once; a hidden one when shown
    // (MDI children when made). The window's own changes (WM_SIZE) come back here.
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);

    // The menu bar. Raises EInvalidOperation "Menu 'Name' is already being used by another
    // form" for a menu another form shows. An existing window gets the bar at once and keeps
    // its outer size; an MDI frame sets it through its client (WM_MDISETMENU).
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    // The item under which an MDI frame's client lists the MDI children (WM_MDISETMENU).
    TMenuItem* WindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* Value);
    // The "MDICLIENT" window of an MDI frame (FormStyle fsMDIForm) once the frame's window
    // exists; null otherwise.
    HWND ClientHandle() const { return FClientHandle; }
    // The MDI children in the client's window order (the active one first); for an MDI frame
    // with a window, otherwise none. MDIChildren raises EListError "List index out of bounds
    // (i)" for a bad index.
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int Index) const;
    TCustomForm* ActiveMDIChild() const;
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
    // Resolution the form was designed at; 0 or at least 36.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value);
    // Height of a text line in the form's font.
    int TextHeight() const { return Font()->TextHeight(); }

    // Makes the form visible and shows its window; a form read as visible, whose window was
    // never made, is shown now.
    void Show();

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool Modal() const { return FModal; }

    // Shows the form and lets the UI driver act until the form has a modal result, which
    // is returned (mrCancel when it was just closed). Raises EInvalidOperation "Cannot make
    // a visible window modal" for a visible, disabled or MDI child form.
    TModalResult ShowModal();
    // Modal: ends with mrCancel. Otherwise asks OnCloseQuery, then OnClose decides: hide
    // (the main form ends the application instead), minimise, free later or nothing.
    void Close();
    // OnCloseQuery's answer (true when unassigned).
    virtual bool CloseQuery();
    // Frees the form once the application processes messages.
    void Release();

    // Fire OnCreate / OnDestroy; InitForm calls DoCreate after reading the form file.
    void DoCreate() { FOnCreate(this); }
    void DoDestroy() { FOnDestroy(this); }
    // Fire OnActivate / OnDeactivate when the form gains or loses the activation.
    void Activate() { FOnActivate(this); }
    void Deactivate() { FOnDeactivate(this); }

    const TNotifyEvent& OnCreate() const { return FOnCreate; }
    void SetOnCreate(const TNotifyEvent& Value) { FOnCreate = Value; }
    const TNotifyEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(const TNotifyEvent& Value) { FOnDestroy = Value; }
    const TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(const TNotifyEvent& Value) { FOnShow = Value; }
    const TNotifyEvent& OnHide() const { return FOnHide; }
    void SetOnHide(const TNotifyEvent& Value) { FOnHide = Value; }
    const TNotifyEvent& OnActivate() const { return FOnActivate; }
    void SetOnActivate(const TNotifyEvent& Value) { FOnActivate = Value; }
    const TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(const TNotifyEvent& Value) { FOnDeactivate = Value; }
    const TCloseEvent& OnClose() const { return FOnClose; }
    void SetOnClose(const TCloseEvent& Value) { FOnClose = Value; }
    const TCloseQueryEvent& OnCloseQuery() const { return FOnCloseQuery; }
    void SetOnCloseQuery(const TCloseQueryEvent& Value) { FOnCloseQuery = Value; }

    // The controls (owned by Root), then, for the form itself, the owned components that
    // have no parent (menus, dialogs, data access), as the host writes them.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    // PixelsPerInch and TextHeight, written after the published properties.
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

    // WM_COMMAND of a menu item clicks it; WM_CLOSE closes the form; WM_ACTIVATE and
    // WM_MDIACTIVATE fire OnActivate/OnDeactivate; WM_SIZE sets the window state and fits the
    // MDI client.
    void WndProc(TMessage& Message) override;

protected:
    // A top-level window of the form's class name with the frame that BorderStyle and
    // BorderIcons ask for and the menu bar; an MDI child goes into the main form's client.
    // Raises EInvalidOperation "Cannot create form. No MDI forms are currently active" for an
    // MDI child when the application's main form is not an MDI frame.
    void CreateParams(TCreateParams& Params) override;
    // After the window: the MDI client of a frame; an MDI child is shown.
    void CreateWnd() override;
    // Showing makes the window (and those of the visible controls) and shows it.
    void VisibleChanged() override;
    virtual void DoShow() { FOnShow(this); }
    virtual void DoHide() { FOnHide(this); }
    virtual void DoClose(TCloseAction& Action) { FOnClose(this, Action); }
    // Forms that scroll store their outer size, the others their client size.
    bool IsFormSizeStored() const { return FAutoScroll; }
    bool IsClientSizeStored() const { return !FAutoScroll; }

private:
    // OnCloseQuery and OnClose at the end of a modal loop; false when the form stays open.
    bool CloseModal();
    int FrameWidth() const;
    int FrameHeight() const;
    bool HasMenuBar() const;
    void ApplyMenu();
    void MenuChanged(bool Rebuild);
    void CreateClientWindow();
    void RecreateWnd();
    void ShowFormWindow();
    void WindowSized(WPARAM Kind, LPARAM Size);
    std::vector<TCustomForm*> MDIChildList() const;

    TWinControl* FActiveControl = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TPopupMode FPopupMode = pmNone;
    TDefaultMonitor FDefaultMonitor = dmActiveForm;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
    bool FShowInTaskBar = false;
    THelpEvent FOnHelp;
    TShortCutEvent FOnShortCut;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    bool FAutoScroll = true;
    bool FScaled = true;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = ScreenPixelsPerInch;
    int FTextHeight = 0; // as read from the form file
    int FLoadedClientWidth = -1;
    int FLoadedClientHeight = -1;
    TMainMenu* FMenu = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    HWND FClientHandle = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    TNotifyEvent FOnCreate;
    TNotifyEvent FOnDestroy;
    TNotifyEvent FOnShow;
    TNotifyEvent FOnHide;
    TNotifyEvent FOnActivate;
    TNotifyEvent FOnDeactivate;
    TCloseEvent FOnClose;
    TCloseQueryEvent FOnCloseQuery;
};

class TForm : public TCustomForm {
    ZT_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// A piece of form designed on its own and placed on forms (inline), with the controls and
// components it owns.
class TCustomFrame : public TScrollingWinControl {
    ZT_CLASS(TCustomFrame, TScrollingWinControl)
public:
    explicit TCustomFrame(TComponent* AOwner);
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    // The controls owned by Root, then, for the frame itself, its owned components that
    // have no parent.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
};

class TFrame : public TCustomFrame {
    ZT_CLASS(TFrame, TCustomFrame)
public:
    explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};

// A bordered area whose controls scroll.
class TScrollBox : public TScrollingWinControl {
    ZT_CLASS(TScrollBox, TScrollingWinControl)
public:
    explicit TScrollBox(TComponent* AOwner);
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }

private:
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FAutoScroll = true;
};

// The form a control is on (the top of its parent chain), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

// Frees the forms that called Release; the application's message processing calls it.
void FreeReleasedForms();

// A container of non-visual components, designed like a form; listed in Screen's data
// modules.
class TDataModule : public TComponent {
    ZT_CLASS(TDataModule, TComponent)
public:
    explicit TDataModule(TComponent* AOwner);
    ~TDataModule() override;
    // Fires OnDestroy while the whole module still exists.
    void BeforeDestruction() override;

    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
    // Size of the design surface.
    int DesignWidth() const { return FDesignWidth; }
    int DesignHeight() const { return FDesignHeight; }

    void DoCreate() { FOnCreate(this); }
    void DoDestroy() { FOnDestroy(this); }
    const TNotifyEvent& OnCreate() const { return FOnCreate; }
    void SetOnCreate(const TNotifyEvent& Value) { FOnCreate = Value; }
    const TNotifyEvent& OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(const TNotifyEvent& Value) { FOnDestroy = Value; }

    // The owned components, for the module itself.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    // Design position (inherited), then the design surface's Height and Width.
    void DefineProperties(TFiler* Filer) override;

private:
    bool FOldCreateOrder = false;
    int FDesignWidth = 215;
    int FDesignHeight = 150;
    TNotifyEvent FOnCreate;
    TNotifyEvent FOnDestroy;
};

// Loads an application form class's form file into Instance, from its constructor:
// FormFileName in the executable's folder when that file exists, else EmbeddedText (the
// same file built into the program). Then fires OnCreate, so a constructor should call it
// last. Reading errors propagate (EReadError, EClassNotFound, EParserError ...).
void InitForm(TComponent* Instance, std::string_view FormFileName, std::string_view EmbeddedText);

} // namespace host

ZT_DECLARE_TYPEINFO(host::TFormStyle);
ZT_DECLARE_TYPEINFO(host::TFormBorderStyle);
ZT_DECLARE_TYPEINFO(host::TBorderIcon);
ZT_DECLARE_TYPEINFO(host::TBorderIcons);
ZT_DECLARE_TYPEINFO(host::TPosition);
ZT_DECLARE_TYPEINFO(host::TWindowState);
ZT_DECLARE_TYPEINFO(host::TPopupMode);
ZT_DECLARE_TYPEINFO(host::TScrollBarKind);
ZT_DECLARE_TYPEINFO(host::TScrollBarStyle);
ZT_DECLARE_TYPEINFO(host::TDefaultMonitor);
