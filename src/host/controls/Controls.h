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

#include <memory>
#include <optional>
#include <vector>

namespace host {

class TWinControl;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;
template <class T> class TClassBuilder;

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
enum THelpType { htKeyword, htContext };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
enum TMouseActivate { maDefault, maActivate, maActivateAndEat, maNoActivate, maNoActivateAndEat };
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge>;
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
// The frame of a windowed control's bevel; TBevelCut of the panels is the same type.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// Which parts of a control follow the style of the application (later host versions).
enum TStyleElement { seFont, seClient, seBorder };
using TStyleElements = TSet<TStyleElement>;

ZT_EVENT_TYPE(TMouseEvent, TObject*, TMouseButton, TShiftState, int, int);
ZT_EVENT_TYPE(TMouseMoveEvent, TObject*, TShiftState, int, int);
ZT_EVENT_TYPE(TMouseActivateEvent, TObject*, TMouseButton, TShiftState, int, int, int,
              TMouseActivate&);
ZT_EVENT_TYPE(TMouseWheelEvent, TObject*, TShiftState, int, POINT, bool&);
ZT_EVENT_TYPE(TMouseWheelUpDownEvent, TObject*, TShiftState, POINT, bool&);
ZT_EVENT_TYPE(TKeyEvent, TObject*, WORD&, TShiftState);
ZT_EVENT_TYPE(TKeyPressEvent, TObject*, char&);
ZT_EVENT_TYPE(TContextPopupEvent, TObject*, POINT, bool&);
ZT_EVENT_TYPE(TDragDropEvent, TObject*, TObject*, int, int);
ZT_EVENT_TYPE(TDragOverEvent, TObject*, TObject*, int, int, TDragState, bool&);
ZT_EVENT_TYPE(TEndDragEvent, TObject*, TObject*, int, int);
ZT_EVENT_TYPE(TStartDragEvent, TObject*, TObject*&);
ZT_EVENT_TYPE(TCanResizeEvent, TObject*, int&, int&, bool&);
ZT_EVENT_TYPE(TConstrainedResizeEvent, TObject*, int&, int&, int&, int&);

// Smallest and largest size a control may take; 0 means no limit. A change is applied to
// the control's present size at once.
class TSizeConstraints : public TPersistent {
    ZT_CLASS(TSizeConstraints, TPersistent)
public:
    TSizeConstraints() = default;
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value) { Change(FMaxHeight, Value); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { Change(FMaxWidth, Value); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value) { Change(FMinHeight, Value); }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { Change(FMinWidth, Value); }
    // Width and height within the limits.
    int ConstrainWidth(int Width) const;
    int ConstrainHeight(int Height) const;
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Assign(const TPersistent* Source) override;

private:
    void Change(int& Field, int Value);
    int FMaxHeight = 0;
    int FMaxWidth = 0;
    int FMinHeight = 0;
    int FMinWidth = 0;
    TNotifyEvent FOnChange;
};

// Space kept around a control aligned with margins (3 pixels by default).
class TMargins : public TPersistent {
    ZT_CLASS(TMargins, TPersistent)
public:
    TMargins() : TMargins(3) {}
    int Left() const { return FLeft; }
    void SetLeft(int Value) { Change(FLeft, Value); }
    int Top() const { return FTop; }
    void SetTop(int Value) { Change(FTop, Value); }
    int Right() const { return FRight; }
    void SetRight(int Value) { Change(FRight, Value); }
    int Bottom() const { return FBottom; }
    void SetBottom(int Value) { Change(FBottom, Value); }
    void SetBounds(int ALeft, int ATop, int ARight, int ABottom);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Assign(const TPersistent* Source) override;

protected:
    explicit TMargins(int Default)
        : FLeft(Default), FTop(Default), FRight(Default), FBottom(Default) {}

private:
    void Change(int& Field, int Value);
    int FLeft;
    int FTop;
    int FRight;
    int FBottom;
    TNotifyEvent FOnChange;
};

// Space a container keeps inside its edges for its aligned children (none by default).
class TPadding : public TMargins {
    ZT_CLASS(TPadding, TMargins)
public:
    TPadding() : TMargins(0) {}
};

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
    // Fired by WM_MOUSEMOVE on a windowed control.
    const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(const TMouseMoveEvent& Value) { FOnMouseMove = Value; }
    // The menu a right click shows; forgotten when it is freed.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    // The action the control follows (caption, hint, enabled, visible, checked state and
    // OnClick); forgotten when the action is freed. While reading, the control keeps what
    // it was written with and takes from the action only what it left empty.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // Told by the action link when a linked action changed, and once when it is linked;
    // CheckDefaults leaves alone what the control has set itself.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    // Asks a linked action to update its state; true when it did.
    bool UpdateAction();

    // The bounds the control was given before alignment changed them; streamed as
    // ExplicitLeft ... when they differ from the bounds.
    int ExplicitLeft() const { return FExplicitLeft; }
    int ExplicitTop() const { return FExplicitTop; }
    int ExplicitWidth() const { return FExplicitWidth; }
    int ExplicitHeight() const { return FExplicitHeight; }

    bool AlignWithMargins() const { return FAlignWithMargins; }
    void SetAlignWithMargins(bool Value) { FAlignWithMargins = Value; }
    TMargins* Margins() const { return FMargins.get(); }
    void SetMargins(TMargins* Value) { FMargins->Assign(Value); }
    // Width and height are kept within these limits.
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType Value) { FHelpType = Value; }
    // Setting one of HelpKeyword and HelpContext chooses the help type.
    const String& HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const String& Value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind Value) { FDragKind = Value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    // Kept for streaming; sizing to the content comes with text measuring.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TStyleElements StyleElements() const { return FStyleElements; }
    void SetStyleElements(TStyleElements Value) { FStyleElements = Value; }

    // What a click of the person does: a linked action executes unless the control has an
    // OnClick of its own; otherwise OnClick fires.
    virtual void Click();
    virtual void DblClick();

    // Controls stream their bounds as published properties, not as design positions; the
    // explicit bounds follow them where they differ.
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
    TFont* Font() const { return FFont.get(); }
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
    // What a linked action supplies is not stored.
    bool IsCaptionStored() const;
    bool IsHintStored() const;
    bool IsEnabledStored() const;
    bool IsVisibleStored() const;
    bool IsOnClickStored() const;
    bool IsHelpContextStored() const;
    bool IsBiDiModeStored() const { return !FParentBiDiMode; }

    // Groups of properties that most control classes publish, for their class builders:
    // .With(ControlProps) and so on (ControlProps.h defines them).
    template <class T> static void ControlProps(TClassBuilder<T>& B);
    template <class T> static void MouseEvents(TClassBuilder<T>& B);
    template <class T> static void DragEvents(TClassBuilder<T>& B);

    TNotifyEvent FOnClick;
    TNotifyEvent FOnDblClick;
    TNotifyEvent FOnResize;
    TContextPopupEvent FOnContextPopup;
    TMouseEvent FOnMouseDown;
    TMouseEvent FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
    TMouseActivateEvent FOnMouseActivate;
    TMouseWheelEvent FOnMouseWheel;
    TMouseWheelUpDownEvent FOnMouseWheelDown;
    TMouseWheelUpDownEvent FOnMouseWheelUp;
    TDragDropEvent FOnDragDrop;
    TDragOverEvent FOnDragOver;
    TEndDragEvent FOnEndDock;
    TEndDragEvent FOnEndDrag;
    TStartDragEvent FOnStartDock;
    TStartDragEvent FOnStartDrag;
    TCanResizeEvent FOnCanResize;
    TConstrainedResizeEvent FOnConstrainedResize;

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
    friend class TControlActionLink;
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
    std::unique_ptr<TFont> FFont;
    TColor FColor = clWindow;
    bool FParentFont = true;
    bool FParentColor = true;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FEnabled = true;
    bool FVisible = true;
    TPopupMenu* FPopupMenu = nullptr;
    std::unique_ptr<TControlActionLink> FActionLink;
    int FExplicitLeft = 0;
    int FExplicitTop = 0;
    int FExplicitWidth = 0;
    int FExplicitHeight = 0;
    bool FExplicitRead = false;
    bool FAlignWithMargins = false;
    std::unique_ptr<TMargins> FMargins;
    std::unique_ptr<TSizeConstraints> FConstraints;
    THelpType FHelpType = htContext;
    String FHelpKeyword;
    int FHelpContext = 0;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    TCursor FDragCursor = TCursor(-12);
    TDragKind FDragKind = dkDrag;
    TDragMode FDragMode = dmManual;
    bool FAutoSize = false;
    TStyleElements FStyleElements{seFont, seClient, seBorder};

    void ConstraintsChanged(TObject* Sender);
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
    // The explicit bounds, then the design size where it was read or a child is anchored to
    // the right or bottom edge.
    void DefineProperties(TFiler* Filer) override;

    TPadding* Padding() const { return FPadding.get(); }
    void SetPadding(TPadding* Value) { FPadding->Assign(Value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value);
    bool ParentDoubleBuffered() const { return FParentDoubleBuffered; }
    void SetParentDoubleBuffered(bool Value);
    // Whether the parent's background shows through (themed containers).
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool Value) { FParentBackground = Value; }
    TBevelEdges BevelEdges() const { return FBevelEdges; }
    void SetBevelEdges(TBevelEdges Value) { FBevelEdges = Value; }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value) { FBevelInner = Value; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value) { FBevelOuter = Value; }
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind Value) { FBevelKind = Value; }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value) { FBevelWidth = Value; }
    // Focus and keys, from the window's messages: WM_SETFOCUS/WM_KILLFOCUS fire OnEnter/OnExit;
    // OnKeyDown/OnKeyUp (WM_KEYDOWN/WM_KEYUP) and OnKeyPress (WM_CHAR) see the key before the
    // control does, and a handler that sets it to 0 keeps it from the control.
    const TNotifyEvent& OnEnter() const { return FOnEnter; }
    void SetOnEnter(const TNotifyEvent& Value) { FOnEnter = Value; }
    const TNotifyEvent& OnExit() const { return FOnExit; }
    void SetOnExit(const TNotifyEvent& Value) { FOnExit = Value; }
    const TKeyEvent& OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(const TKeyEvent& Value) { FOnKeyDown = Value; }
    const TKeyEvent& OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(const TKeyEvent& Value) { FOnKeyUp = Value; }
    const TKeyPressEvent& OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(const TKeyPressEvent& Value) { FOnKeyPress = Value; }

    // The client size the control was designed with, as its form file holds it; anchored
    // children keep their distance to the right and bottom edges from it.
    std::optional<POINT> DesignSize() const { return FDesignSize; }

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
    bool IsCtl3DStored() const { return !FParentCtl3D; }
    bool IsDoubleBufferedStored() const { return !FParentDoubleBuffered; }
    void ParentCtl3DChanged();
    void ParentDoubleBufferedChanged();

    template <class T> static void WinControlProps(TClassBuilder<T>& B);
    template <class T> static void KeyEvents(TClassBuilder<T>& B);

    TNotifyEvent FOnEnter;
    TNotifyEvent FOnExit;
    TKeyEvent FOnKeyDown;
    TKeyPressEvent FOnKeyPress;
    TKeyEvent FOnKeyUp;

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
    std::unique_ptr<TPadding> FPadding;
    int FBorderWidth = 0;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FDoubleBuffered = false;
    bool FParentDoubleBuffered = true;
    bool FParentBackground = false;
    TBevelEdges FBevelEdges{beLeft, beTop, beRight, beBottom};
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
    TBevelKind FBevelKind = bkNone;
    int FBevelWidth = 1;
    std::optional<POINT> FDesignSize;
};

// The window procedure of every control window: finds the control and calls its WndProc.
LRESULT ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

} // namespace host

ZT_DECLARE_TYPEINFO(host::TAlign);
ZT_DECLARE_TYPEINFO(host::TAnchorKind);
ZT_DECLARE_TYPEINFO(host::TAnchors);
ZT_DECLARE_TYPEINFO(host::TAlignment);
ZT_DECLARE_TYPEINFO(host::TCursor);
ZT_DECLARE_TYPEINFO(host::THelpType);
ZT_DECLARE_TYPEINFO(host::TBiDiMode);
ZT_DECLARE_TYPEINFO(host::TDragMode);
ZT_DECLARE_TYPEINFO(host::TDragKind);
ZT_DECLARE_TYPEINFO(host::TDragState);
ZT_DECLARE_TYPEINFO(host::TMouseButton);
ZT_DECLARE_TYPEINFO(host::TShiftStateItem);
ZT_DECLARE_TYPEINFO(host::TShiftState);
ZT_DECLARE_TYPEINFO(host::TMouseActivate);
ZT_DECLARE_TYPEINFO(host::TBevelEdge);
ZT_DECLARE_TYPEINFO(host::TBevelEdges);
ZT_DECLARE_TYPEINFO(host::TBevelKind);
ZT_DECLARE_TYPEINFO(host::TBevelCut);
ZT_DECLARE_TYPEINFO(host::TStyleElement);
ZT_DECLARE_TYPEINFO(host::TStyleElements);
