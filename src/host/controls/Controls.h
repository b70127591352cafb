// Controls: TControl, the visual component placed inside a parent, and TWinControl, the
// control that holds child controls, takes part in the tab order and owns a window of the
// emulated window layer, created when first needed. Controls carry the attributes that form
// files stream (bounds, caption, font, colour, visibility); while a window exists they are
// kept in step with it both ways.
#pragma once

#include "host/classes/Component.h"
#include "host/controls/Graphics.h"
#include "host/rtl/Exceptions.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WinTypes.h"

#include <vector>

namespace host {

class TWinControl;
class TPopupMenu;

// A message as a control's WndProc sees it; handlers fill Result.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// What a windowed control asks CreateWindowExA for. A WinClassName that the window layer
// does not know yet is registered with the controls' window procedure; an existing class
// ("BUTTON", "EDIT" ...) is used as it is and its windows are subclassed.
struct TCreateParams {
    String Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    HMENU Menu = nullptr; // menu bar of a top-level window
    LPVOID Param = nullptr;
    String WinClassName;
    // Default processing for windows of a class registered here.
    WNDPROC DefWndProc = nullptr;
};

// The control whose window this is, or nullptr.
TWinControl* FindControl(HWND Wnd);

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem>;

// Mouse cursor shape; negative values are the built-in cursors, streamed by name.
enum TCursor : std::int16_t {};
inline constexpr TCursor crDefault = TCursor(0);
inline constexpr TCursor crNone = TCursor(-1);
inline constexpr TCursor crArrow = TCursor(-2);
inline constexpr TCursor crCross = TCursor(-3);
inline constexpr TCursor crIBeam = TCursor(-4);
inline constexpr TCursor crSizeNESW = TCursor(-6);
inline constexpr TCursor crSizeNS = TCursor(-7);
inline constexpr TCursor crSizeNWSE = TCursor(-8);
inline constexpr TCursor crSizeWE = TCursor(-9);
inline constexpr TCursor crUpArrow = TCursor(-10);
inline constexpr TCursor crHourGlass = TCursor(-11);
inline constexpr TCursor crDrag = TCursor(-12);
inline constexpr TCursor crNoDrop = TCursor(-13);
inline constexpr TCursor crHSplit = TCursor(-14);
inline constexpr TCursor crVSplit = TCursor(-15);
inline constexpr TCursor crMultiDrag = TCursor(-16);
inline constexpr TCursor crSQLWait = TCursor(-17);
inline constexpr TCursor crNo = TCursor(-18);
inline constexpr TCursor crAppStart = TCursor(-19);
inline constexpr TCursor crHelp = TCursor(-20);
inline constexpr TCursor crHandPoint = TCursor(-21);
inline constexpr TCursor crSizeAll = TCursor(-22);
inline constexpr TCursor crSize = crSizeAll;

// Name of a cursor ("crHourGlass"); false for values without one.
bool CursorToIdent(Integer Cursor, String& Ident);
bool IdentToCursor(std::string_view Ident, Integer& Cursor);

// How a modal form or message dialog was closed.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

class TControl : public TComponent {
    ZT_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    // Leaves the parent, then runs the component's removal protocol.
    void BeforeDestruction() override;

    TWinControl* Parent() const { return FParent; }
    // Moves the control into AParent's child list (nullptr: out of any). Raises
    // EInvalidOperation "A control cannot have itself as its parent" for the control itself
    // or one of its own descendants.
    virtual void SetParent(TWinControl* AParent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    // Non-windowed parents are ignored, as in the host.
    void SetParentComponent(TComponent* Value) override;
    // A control whose caption equals its name follows renames (outside loading).
    void SetName(const String& NewName) override;

    int Left() const { return FLeft; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // A change of size fires OnResize (not while loading).
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // Client area size; equal to the bounds except for framed windows (forms).
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }

    // Layout rules are kept for streaming; the layout itself comes with the window layer.
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value) { FAlign = Value; }
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value) { FAnchors = Value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }

    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    // Also turns ParentShowHint off.
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }
    const TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(const TNotifyEvent& Value) { FOnDblClick = Value; }
    const TNotifyEvent& OnResize() const { return FOnResize; }
    void SetOnResize(const TNotifyEvent& Value) { FOnResize = Value; }
    // The menu a right click shows; forgotten when it is freed.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    // What a click of the person does; fires OnClick.
    virtual void Click();
    virtual void DblClick();

    // Controls stream their bounds as published properties, not as design positions.
    void DefineProperties(TFiler* Filer) override;
    // Takes over the parent's font, colour and hint setting where the Parent* flags say so.
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    // Caption and Text are the same value, the window text; classes publish one of them.
    String Caption() const { return GetText(); }
    void SetCaption(const String& Value) { SetText(Value); }
    String Text() const { return GetText(); }
    void SetText(const String& Value);
    // The text as shown: the window's text while there is a window, else the stored one.
    virtual String GetText() const { return StoredText(); }
    // Puts a new text in place: stores it and tells TextChanged; windowed controls send
    // WM_SETTEXT instead, whose handling does the same.
    virtual void SetTextBuf(const String& Value);
    // Where the text is kept; descendants keeping it elsewhere (memo lines) override both.
    virtual String StoredText() const { return FText; }
    virtual void StoreText(const String& Value) { FText = Value; }
    // Called after the text changed.
    virtual void TextChanged() {}

    // The font and colour the control shows; with ParentFont/ParentColor they follow the
    // parent's, and setting them turns the Parent* flag off.
    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    bool IsFontStored() const { return !FParentFont; }
    bool IsColorStored() const { return !FParentColor; }
    bool IsShowHintStored() const { return !FParentShowHint; }

    // Told after a change, so that windowed controls pass it on to their children.
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void ShowHintChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void Resize() { FOnResize(this); }

    bool IsLoading() const { return ComponentState().Contains(csLoading); }

    // The parent's attributes, taken over when the Parent* flag is set.
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void AdoptParentAttributes();

    TControlStyle FControlStyle{csClickEvents, csSetCaption, csDoubleClicks};

private:
    friend class TWinControl;
    void FontChangedHandler(TObject* Sender);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TCursor FCursor = crDefault;
    String FText;
    String FHint;
    TFont* FFont = nullptr;
    TColor FColor = clWindow;
    bool FParentFont = true;
    bool FParentColor = true;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FEnabled = true;
    bool FVisible = true;
    TPopupMenu* FPopupMenu = nullptr;
    TNotifyEvent FOnClick;
    TNotifyEvent FOnDblClick;
    TNotifyEvent FOnResize;
};

// A control that contains other controls and owns a window. Child controls are listed
// non-windowed first, then windowed, each group in insertion order (the order form files list
// them in).
//
// The window is made only when someone asks for Handle(), or when the control is shown inside
// a showing parent: reading a form file makes none. While it exists, Caption/Text, bounds,
// font, visibility and the enabled state are kept in step with it both ways, and its messages
// reach WndProc.
class TWinControl : public TControl {
    ZT_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    // Destroys the window, frees the child controls (whoever owns them), then leaves the
    // parent.
    void BeforeDestruction() override;

    // The control's window, made now (after its parents' windows) when there is none.
    // Raises EInvalidOperation "Control 'Name' has no parent window" for a control without a
    // parent that cannot be a top-level window, and EOutOfResources "Error creating window"
    // when the window layer refuses.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and those of the children; the control keeps its state and makes
    // a new window when next asked.
    void DestroyHandle();
    // The window exists and is visible, with all its parents.
    bool Showing() const;
    // Hands a message straight to WndProc, with or without a window.
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // Every message of the window comes here; what a class does not handle goes on to
    // DefaultHandler.
    virtual void WndProc(TMessage& Message);
    // The window procedure the control stands in front of (its class's, or DefWindowProcA).
    void DefaultHandler(TMessage& Message);

    // With a window, moves it; the window's answer (WM_SIZE/WM_MOVE) sets the bounds.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // A window follows the control to a parent that has one; otherwise it is destroyed.
    void SetParent(TWinControl* AParent) override;

    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TControl* Controls(int Index) const;
    // The same as AControl->SetParent(this) / SetParent(nullptr) for a child.
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // True for this control itself and for its children, grandchildren ...
    bool ContainsControl(const TControl* Control) const;

    // Position in the parent's tab order; -1 without a parent. Values out of range are
    // clamped; while loading the value is kept and the parent orders its children after
    // the whole form is read.
    int TabOrder() const { return Parent() ? FTabOrder : -1; }
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    // Windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return FTabList; }
    // Visible and enabled, as are all parents up to the form; false outside a form.
    bool CanFocus() const;

    // Child controls whose owner is Root, in child list order.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void Loaded() override;

protected:
    // Class, styles, position and text of the window to make. The default: a child window
    // (WS_CHILD | WS_CLIPSIBLINGS, WS_VISIBLE/WS_DISABLED/WS_TABSTOP from the control) of a
    // class named after the control's class, inside the parent's window.
    virtual void CreateParams(TCreateParams& Params);
    // Makes the window from CreateParams and sends it the font; descendants add what their
    // window needs after calling it.
    virtual void CreateWnd();
    // The CreateWindowExA call itself; MDI children are made through their client instead.
    virtual void CreateWindowHandle(const TCreateParams& Params);
    // Makes the windows of the visible windowed children, so a shown parent shows them.
    void CreateChildHandles();
    // The window, or null; never makes one.
    HWND WindowHandle() const { return FHandle; }

    String GetText() const override;
    void SetTextBuf(const String& Value) override;
    // Puts the stored text into the window without storing it again (after the store
    // changed by another way, such as memo lines).
    void UpdateWindowText();

    void FontChanged() override;
    void ColorChanged() override;
    void ShowHintChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    // Calls Fn on every child control; children may not be added or removed meanwhile.
    void NotifyControls(void (TControl::*Fn)());
    // Reads the window's rectangle into the bounds (WM_SIZE, WM_MOVE).
    void UpdateBounds();
    // WM_COMMAND from a child window arrives at the child as CN_COMMAND.
    virtual void CNCommand(TMessage& Message) { DefaultHandler(Message); }
    // Tells the parent's window WM_COMMAND(Code) as the standard controls do; without
    // windows the notification goes straight to CNCommand.
    void NotifyParent(WORD Code);

private:
    friend class TControl;
    friend LRESULT ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    void Link(TControl* AControl);
    void Unlink(TControl* AControl);
    void RenumberTabList(std::size_t From);
    void FixupTabList();
    void DestroyChildControls();
    void BindWindow(HWND Wnd);
    void WindowGone();
    void WMSetText(TMessage& Message);
    void WMCommand(TMessage& Message);

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    int FTabOrder = -1;
    bool FTabOrderRead = false; // set while loading, until the parent places it
    bool FTabStop = false;
    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = nullptr;
};

// The window procedure of every control window: finds the control and calls its WndProc.
LRESULT ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

} // namespace host

ZT_DECLARE_TYPEINFO(host::TAlign);
ZT_DECLARE_TYPEINFO(host::TAnchorKind);
ZT_DECLARE_TYPEINFO(host::TAnchors);
ZT_DECLARE_TYPEINFO(host::TAlignment);
ZT_DECLARE_TYPEINFO(host::TCursor);
