// Controls: TControl, the visual component placed inside a parent, and TWinControl, the
// control that holds child controls and takes part in the tab order. Controls carry the
// attributes that form files stream (bounds, caption, font, colour, visibility) and, later,
// a window handle of the emulated window layer created when first needed.
#pragma once

#include "host/classes/Component.h"
#include "host/controls/Graphics.h"

#include <vector>

namespace host {

class TWinControl;

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

    // What a click of the person does; fires OnClick.
    virtual void Click();
    virtual void DblClick();

    // Controls stream their bounds as published properties, not as design positions.
    void DefineProperties(TFiler* Filer) override;
    // Takes over the parent's font, colour and hint setting where the Parent* flags say so.
    void Loaded() override;

protected:
    // Caption and Text are the same value, the window text; classes publish one of them.
    String Caption() const { return GetText(); }
    void SetCaption(const String& Value) { SetText(Value); }
    String Text() const { return GetText(); }
    void SetText(const String& Value);
    virtual String GetText() const { return FText; }
    // Stores the text; descendants keeping it elsewhere (memo lines) override.
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
    TNotifyEvent FOnClick;
    TNotifyEvent FOnDblClick;
    TNotifyEvent FOnResize;
};

// A control that contains other controls. Child controls are listed non-windowed first,
// then windowed, each group in insertion order (the order form files list them in).
class TWinControl : public TControl {
    ZT_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    // Frees the child controls first (whoever owns them), then leaves the parent.
    void BeforeDestruction() override;

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
    void FontChanged() override;
    void ColorChanged() override;
    void ShowHintChanged() override;
    // Calls Fn on every child control; children may not be added or removed meanwhile.
    void NotifyControls(void (TControl::*Fn)());

private:
    friend class TControl;
    void Link(TControl* AControl);
    void Unlink(TControl* AControl);
    void RenumberTabList(std::size_t From);
    void FixupTabList();
    void DestroyChildControls();

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    int FTabOrder = -1;
    bool FTabStop = false;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TAlign);
ZT_DECLARE_TYPEINFO(host::TAnchorKind);
ZT_DECLARE_TYPEINFO(host::TAnchors);
ZT_DECLARE_TYPEINFO(host::TAlignment);
ZT_DECLARE_TYPEINFO(host::TCursor);
