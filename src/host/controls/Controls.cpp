#include "host/controls/Controls.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Filer.h"
#include "host/controls/ActnList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"

#include "host/winapi/Gdi.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

namespace {

struct TCursorEntry {
    Integer Value;
    const char* Name;
};

const TCursorEntry Cursors[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

bool CursorToIdent64(Int64 Value, String& Ident) {
    return Value >= INT32_MIN && Value <= INT32_MAX &&
           CursorToIdent(static_cast<Integer>(Value), Ident);
}

bool IdentToCursor64(std::string_view Ident, Int64& Value) {
    Integer V = 0;
    if (!IdentToCursor(Ident, V)) return false;
    Value = V;
    return true;
}

// Finds from the back: children are mostly removed in reverse order of insertion.
template <class T> bool EraseFromBack(std::vector<T*>& List, const TControl* Item) {
    auto It = std::find_if(List.rbegin(), List.rend(),
                           [Item](const T* E) { return static_cast<const TControl*>(E) == Item; });
    if (It == List.rend()) return false;
    List.erase(std::next(It).base());
    return true;
}

} // namespace

bool CursorToIdent(Integer Cursor, String& Ident) {
    for (const TCursorEntry& E : Cursors)
        if (E.Value == Cursor) {
            Ident = E.Name;
            return true;
        }
    return false;
}

bool IdentToCursor(std::string_view Ident, Integer& Cursor) {
    for (const TCursorEntry& E : Cursors)
        if (SameText(E.Name, Ident)) {
            Cursor = E.Value;
            return true;
        }
    // The host's older name for crSizeAll.
    if (SameText(Ident, "crSize")) {
        Cursor = crSize;
        return true;
    }
    return false;
}

ZT_DEFINE_ENUM(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient")
ZT_DEFINE_ENUM(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom")
ZT_DEFINE_SET(TAnchors)
ZT_DEFINE_ENUM(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
ZT_DEFINE_ENUM(THelpType, "htKeyword", "htContext")
ZT_DEFINE_ENUM(TBiDiMode, "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
               "bdRightToLeftReadingOnly")
ZT_DEFINE_ENUM(TDragMode, "dmManual", "dmAutomatic")
ZT_DEFINE_ENUM(TDragKind, "dkDrag", "dkDock")
ZT_DEFINE_ENUM(TDragState, "dsDragEnter", "dsDragLeave", "dsDragMove")
ZT_DEFINE_ENUM(TMouseButton, "mbLeft", "mbRight", "mbMiddle")
ZT_DEFINE_ENUM(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle",
               "ssDouble")
ZT_DEFINE_SET(TShiftState)
ZT_DEFINE_ENUM(TMouseActivate, "maDefault", "maActivate", "maActivateAndEat", "maNoActivate",
               "maNoActivateAndEat")
ZT_DEFINE_ENUM(TBevelEdge, "beLeft", "beTop", "beRight", "beBottom")
ZT_DEFINE_SET(TBevelEdges)
ZT_DEFINE_ENUM(TBevelKind, "bkNone", "bkTile", "bkSoft", "bkFlat")
ZT_DEFINE_ENUM(TStyleElement, "seFont", "seClient", "seBorder")
ZT_DEFINE_SET(TStyleElements)

PTypeInfo TTypeInfoOf<TCursor>::Get() {
    static const TTypeInfo Info = [] {
        TTypeInfo I = MakeIntegerTypeInfo("TCursor");
        I.OrdType = otSWord;
        I.MinValue = INT16_MIN;
        I.MaxValue = INT16_MAX;
        I.ToIdent = CursorToIdent64;
        I.FromIdent = IdentToCursor64;
        return I;
    }();
    return &Info;
}

// ---- TControl ----

TClass TControl::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TControl>("TControl")
        .Prop("Left", &TControl::Left, &TControl::SetLeft)
        .Prop("Top", &TControl::Top, &TControl::SetTop)
        .Prop("Width", &TControl::Width, &TControl::SetWidth)
        .Prop("Height", &TControl::Height, &TControl::SetHeight)
        .Prop("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault)
        .Prop("Hint", &TControl::Hint, &TControl::SetHint).Stored(&TControl::IsHintStored)
        .Prop("HelpType", &TControl::HelpType, &TControl::SetHelpType).Default(htContext)
        .Prop("HelpKeyword", &TControl::HelpKeyword, &TControl::SetHelpKeyword).Stored(&TControl::IsHelpContextStored)
        .Prop("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0).Stored(&TControl::IsHelpContextStored)
        .Prop("AlignWithMargins", &TControl::AlignWithMargins, &TControl::SetAlignWithMargins).Default(false)
        .Prop("Margins", &TControl::Margins, &TControl::SetMargins);
    // clang-format on
    return &Info;
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(new TFont), FMargins(std::make_unique<TMargins>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
    FFont->SetOnChange(TNotifyEvent(this, &TControl::FontChangedHandler));
    FConstraints->SetOnChange(TNotifyEvent(this, &TControl::ConstraintsChanged));
}

TControl::~TControl() {
    if (FParent) FParent->Unlink(this);
}

void TControl::BeforeDestruction() {
    SetParent(nullptr);
    FActionLink.reset();
    inherited::BeforeDestruction();
}

// ---- actions ----

TBasicAction* TControl::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    LinkClientAction(this, FActionLink, Value);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* A = As<TCustomAction>(Sender);
    if (!A) return;
    if (!CheckDefaults || Caption().empty() || Caption() == Name()) SetCaption(A->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(A->Enabled());
    if (!CheckDefaults || FHelpContext == 0) SetHelpContext(A->HelpContext());
    if (!CheckDefaults || FHelpKeyword.empty()) SetHelpKeyword(A->HelpKeyword());
    if (!CheckDefaults || FHelpType == htContext) SetHelpType(A->HelpType());
    if (!CheckDefaults || FHint.empty()) SetHint(A->Hint());
    if (!CheckDefaults || Visible()) SetVisible(A->Visible());
    if (!CheckDefaults || !FOnClick) FOnClick = A->OnExecute();
}

bool TControl::UpdateAction() {
    return FActionLink && FActionLink->Update();
}

bool TControl::IsCaptionStored() const {
    return !FActionLink || !FActionLink->IsCaptionLinked();
}
bool TControl::IsHintStored() const {
    return !FActionLink || !FActionLink->IsHintLinked();
}
bool TControl::IsEnabledStored() const {
    return !FActionLink || !FActionLink->IsEnabledLinked();
}
bool TControl::IsVisibleStored() const {
    return !FActionLink || !FActionLink->IsVisibleLinked();
}
bool TControl::IsOnClickStored() const {
    return !FActionLink || !FActionLink->IsOnExecuteLinked();
}
bool TControl::IsHelpContextStored() const {
    return !FActionLink || !FActionLink->IsHelpLinked();
}

void TControl::SetHelpKeyword(const String& Value) {
    FHelpKeyword = Value;
    if (!Value.empty()) FHelpType = htKeyword;
}

void TControl::SetHelpContext(int Value) {
    FHelpContext = Value;
    if (Value != 0) FHelpType = htContext;
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    FBiDiMode = Value;
    FParentBiDiMode = false;
}

void TControl::SetParentBiDiMode(bool Value) {
    FParentBiDiMode = Value;
    if (Value && FParent) FBiDiMode = FParent->FBiDiMode;
}

void TControl::ConstraintsChanged(TObject*) {
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

// ---- TSizeConstraints, TMargins ----

TClass TSizeConstraints::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TSizeConstraints>("TSizeConstraints")
        .Prop("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0)
        .Prop("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0)
        .Prop("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0)
        .Prop("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
    // clang-format on
    return &Info;
}

void TSizeConstraints::Change(int& Field, int Value) {
    if (Value < 0) Value = 0;
    if (Field == Value) return;
    Field = Value;
    // A maximum below the minimum follows it, as the host keeps them ordered.
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight) {
        if (&Field == &FMaxHeight)
            FMinHeight = FMaxHeight;
        else
            FMaxHeight = FMinHeight;
    }
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth) {
        if (&Field == &FMaxWidth)
            FMinWidth = FMaxWidth;
        else
            FMaxWidth = FMinWidth;
    }
    FOnChange(this);
}

int TSizeConstraints::ConstrainWidth(int Width) const {
    if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
    if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
    return Width;
}

int TSizeConstraints::ConstrainHeight(int Height) const {
    if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
    if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
    return Height;
}

void TSizeConstraints::Assign(const TPersistent* Source) {
    auto* S = As<TSizeConstraints>(Source);
    if (!S) return inherited::Assign(Source);
    FMinHeight = S->FMinHeight;
    FMaxHeight = S->FMaxHeight;
    FMinWidth = S->FMinWidth;
    FMaxWidth = S->FMaxWidth;
    FOnChange(this);
}

TClass TMargins::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TMargins>("TMargins")
        .Prop("Left", &TMargins::Left, &TMargins::SetLeft).Default(3)
        .Prop("Top", &TMargins::Top, &TMargins::SetTop).Default(3)
        .Prop("Right", &TMargins::Right, &TMargins::SetRight).Default(3)
        .Prop("Bottom", &TMargins::Bottom, &TMargins::SetBottom).Default(3);
    // clang-format on
    return &Info;
}

TClass TPadding::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPadding>("TPadding")
        .Prop("Left", &TPadding::Left, &TPadding::SetLeft).Default(0)
        .Prop("Top", &TPadding::Top, &TPadding::SetTop).Default(0)
        .Prop("Right", &TPadding::Right, &TPadding::SetRight).Default(0)
        .Prop("Bottom", &TPadding::Bottom, &TPadding::SetBottom).Default(0);
    // clang-format on
    return &Info;
}

void TMargins::Change(int& Field, int Value) {
    if (Field == Value) return;
    Field = Value;
    FOnChange(this);
}

void TMargins::SetBounds(int ALeft, int ATop, int ARight, int ABottom) {
    FLeft = ALeft;
    FTop = ATop;
    FRight = ARight;
    FBottom = ABottom;
    FOnChange(this);
}

void TMargins::Assign(const TPersistent* Source) {
    auto* S = As<TMargins>(Source);
    if (!S) return inherited::Assign(Source);
    SetBounds(S->FLeft, S->FTop, S->FRight, S->FBottom);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* W = As<TWinControl>(Value)) SetParent(W);
}

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    for (const TControl* P = AParent; P; P = P->FParent)
        if (P == this) RaiseControlParentSetToSelf();
    if (FParent) {
        TCustomForm* Form = GetParentForm(this);
        FParent->Unlink(this);
        if (Form) Form->DefocusControl(this, true);
    }
    if (!AParent) return;
    AParent->Link(this);
    // A control being read takes them over once its own properties are known (Loaded).
    if (!IsLoading()) AdoptParentAttributes();
}

void TControl::AdoptParentAttributes() {
    ParentColorChanged();
    ParentFontChanged();
    ParentShowHintChanged();
}

void TControl::Loaded() {
    inherited::Loaded();
    if (FParent) AdoptParentAttributes();
}

void TControl::SetName(const String& NewName) {
    bool ChangeText = FControlStyle.Contains(csSetCaption) && !IsLoading() && Name() == GetText() &&
                      !(Is<TControl>(Owner()) && Owner()->ComponentState().Contains(csLoading));
    inherited::SetName(NewName);
    if (ChangeText) SetText(NewName);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = FConstraints->ConstrainWidth(AWidth);
    AHeight = FConstraints->ConstrainHeight(AHeight);
    bool Resized = AWidth != FWidth || AHeight != FHeight;
    bool Moved = Resized || ALeft != FLeft || ATop != FTop;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    // Explicit bounds read from a form file stay until the control is really moved.
    if (FExplicitRead && (IsLoading() || !Moved)) {
    } else {
        FExplicitRead = false;
        FExplicitLeft = ALeft;
        FExplicitTop = ATop;
        FExplicitWidth = AWidth;
        FExplicitHeight = AHeight;
    }
    if (Resized && !IsLoading()) Resize();
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    EnabledChanged();
}

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    VisibleChanged();
}

void TControl::SetText(const String& Value) {
    if (GetText() != Value) SetTextBuf(Value);
}

void TControl::SetTextBuf(const String& Value) {
    String Old = StoredText();
    StoreText(Value);
    if (StoredText() == Old) return;
    TextChanged();
    // A control without a window is drawn by its parent.
    if (FParent && FParent->HandleAllocated() && FVisible) {
        const RECT R{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
        InvalidateRect(FParent->WindowHandle(), &R, true);
    }
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    if (FPopupMenu == Value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (Operation == opRemove && FActionLink && !FActionLink->Action() &&
        Is<TBasicAction>(AComponent))
        FActionLink.reset();
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    FParentColor = false;
    ColorChanged();
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    ParentColorChanged();
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    ParentFontChanged();
}

void TControl::SetShowHint(bool Value) {
    if (FShowHint == Value) return;
    FShowHint = Value;
    FParentShowHint = false;
    ShowHintChanged();
}

void TControl::SetParentShowHint(bool Value) {
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    ParentShowHintChanged();
}

void TControl::FontChangedHandler(TObject*) {
    FParentFont = false;
    FontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FFont->Assign(FParent->FFont.get());
    FParentFont = true;
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent) return;
    SetColor(FParent->FColor);
    FParentColor = true;
}

void TControl::ParentShowHintChanged() {
    if (!FParentShowHint || !FParent) return;
    SetShowHint(FParent->FShowHint);
    FParentShowHint = true;
}

void TControl::Click() {
    if (FOnClick && FActionLink && FActionLink->Action() &&
        !(FOnClick == FActionLink->Action()->OnExecute()))
        FOnClick(this);
    else if (FActionLink && FActionLink->Action())
        (void)FActionLink->Execute(this);
    else
        FOnClick(this);
}

void TControl::DblClick() {
    FOnDblClick(this);
}

void TControl::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    struct TExplicit {
        const char* Name;
        int TControl::*Explicit;
        int TControl::*Actual;
    };
    static const TExplicit Bounds[] = {
        {"ExplicitLeft", &TControl::FExplicitLeft, &TControl::FLeft},
        {"ExplicitTop", &TControl::FExplicitTop, &TControl::FTop},
        {"ExplicitWidth", &TControl::FExplicitWidth, &TControl::FWidth},
        {"ExplicitHeight", &TControl::FExplicitHeight, &TControl::FHeight}};
    for (const TExplicit& B : Bounds)
        Filer->DefineProperty(
            B.Name,
            [this, &B](TReader* R) {
                this->*B.Explicit = R->ReadInteger();
                FExplicitRead = true;
            },
            [this, &B](TWriter* W) { W->WriteInteger(this->*B.Explicit); },
            this->*B.Explicit != this->*B.Actual);
}

// ---- TWinControl ----

TClass TWinControl::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWinControl>("TWinControl");
    return &Info;
}

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FPadding(std::make_unique<TPadding>()) {}

void TWinControl::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    bool Anchored = false;
    for (const TControl* C : FControls)
        Anchored |= C->Anchors().Contains(akRight) || C->Anchors().Contains(akBottom);
    for (const TControl* C : FWinControls)
        Anchored |= C->Anchors().Contains(akRight) || C->Anchors().Contains(akBottom);
    Filer->DefineProperty(
        "DesignSize",
        [this](TReader* R) {
            R->ReadListBegin();
            POINT P;
            P.x = R->ReadInteger();
            P.y = R->ReadInteger();
            R->ReadListEnd();
            FDesignSize = P;
        },
        [this](TWriter* W) {
            POINT P = FDesignSize.value_or(POINT{ClientWidth(), ClientHeight()});
            W->WriteListBegin();
            W->WriteInteger(P.x);
            W->WriteInteger(P.y);
            W->WriteListEnd();
        },
        FDesignSize.has_value() || Anchored);
}

void TWinControl::SetCtl3D(bool Value) {
    FCtl3D = Value;
    FParentCtl3D = false;
}

void TWinControl::SetParentCtl3D(bool Value) {
    FParentCtl3D = Value;
    ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
    if (FParentCtl3D && Parent()) FCtl3D = Parent()->FCtl3D;
}

void TWinControl::SetDoubleBuffered(bool Value) {
    FDoubleBuffered = Value;
    FParentDoubleBuffered = false;
}

void TWinControl::SetParentDoubleBuffered(bool Value) {
    FParentDoubleBuffered = Value;
    ParentDoubleBufferedChanged();
}

void TWinControl::ParentDoubleBufferedChanged() {
    if (FParentDoubleBuffered && Parent()) FDoubleBuffered = Parent()->FDoubleBuffered;
}

// Without the removal protocol (deleted directly) the window goes without telling this
// partly destroyed control.
TWinControl::~TWinControl() {
    if (FHandle) {
        HWND Wnd = FHandle;
        WindowGone();
        DestroyWindow(Wnd);
    }
    DestroyChildControls();
}

// The window goes first, taking the children's windows with it, as the host does.
void TWinControl::BeforeDestruction() {
    Destroying();
    DestroyHandle();
    DestroyChildControls();
    inherited::BeforeDestruction();
}

void TWinControl::DestroyChildControls() {
    while (ControlCount() > 0) {
        TControl* Child = Controls(ControlCount() - 1);
        Unlink(Child);
        Child->Free();
    }
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount()) RaiseListIndexError<EListError>(Index);
    auto I = static_cast<std::size_t>(Index);
    return I < FControls.size() ? FControls[I] : FWinControls[I - FControls.size()];
}

void TWinControl::InsertControl(TControl* AControl) {
    AControl->SetParent(this);
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (AControl->Parent() == this) AControl->SetParent(nullptr);
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* P = Control; P; P = P->Parent())
        if (P == this) return true;
    return false;
}

void TWinControl::Link(TControl* AControl) {
    AControl->FParent = this;
    if (auto* W = As<TWinControl>(AControl)) {
        FWinControls.push_back(W);
        W->FTabOrder = static_cast<int>(FTabList.size());
        FTabList.push_back(W);
    } else {
        FControls.push_back(AControl);
    }
}

// Works from the parent's lists only: AControl may be partly destroyed already.
void TWinControl::Unlink(TControl* AControl) {
    AControl->FParent = nullptr;
    // Each kind has its own list (as Link put it): searching the other one would make
    // closing a window of many children quadratic.
    if (!Is<TWinControl>(AControl)) {
        EraseFromBack(FControls, AControl);
        return;
    }
    EraseFromBack(FWinControls, AControl);
    auto It = std::find_if(FTabList.rbegin(), FTabList.rend(),
                           [AControl](const TWinControl* W) { return W == AControl; });
    if (It == FTabList.rend()) return;
    auto Index = static_cast<std::size_t>(std::distance(FTabList.begin(), std::next(It).base()));
    FTabList.erase(FTabList.begin() + static_cast<std::ptrdiff_t>(Index));
    RenumberTabList(Index);
}

void TWinControl::RenumberTabList(std::size_t From) {
    for (std::size_t i = From; i < FTabList.size(); ++i)
        FTabList[i]->FTabOrder = static_cast<int>(i);
}

void TWinControl::SetTabOrder(int Value) {
    if (IsLoading()) {
        FTabOrder = Value;
        FTabOrderRead = true;
        return;
    }
    TWinControl* P = Parent();
    if (!P) return;
    auto& L = P->FTabList;
    int Current = FTabOrder;
    Value = std::clamp(Value, 0, static_cast<int>(L.size()) - 1);
    if (Value == Current) return;
    L.erase(L.begin() + Current);
    L.insert(L.begin() + Value, this);
    P->RenumberTabList(static_cast<std::size_t>(std::min(Current, Value)));
}

// Children read from a form file take the places they were written with; those that do not
// stream a tab order (or asked for a taken or missing place) fill the gaps in their present
// order, as the host does, so that a form writes back the orders it was read with.
void TWinControl::FixupTabList() {
    std::vector<TWinControl*> Slots(FTabList.size(), nullptr);
    std::vector<TWinControl*> Rest;
    for (TWinControl* W : FTabList) {
        const bool Placed = W->FTabOrderRead && W->FTabOrder >= 0 &&
                            static_cast<std::size_t>(W->FTabOrder) < Slots.size() &&
                            !Slots[static_cast<std::size_t>(W->FTabOrder)];
        if (Placed)
            Slots[static_cast<std::size_t>(W->FTabOrder)] = W;
        else
            Rest.push_back(W);
        W->FTabOrderRead = false;
    }
    auto Next = Rest.begin();
    for (TWinControl*& Slot : Slots)
        if (!Slot) Slot = *Next++;
    FTabList = std::move(Slots);
    RenumberTabList(0);
}

void TWinControl::Loaded() {
    inherited::Loaded();
    // A parent read in the same pass has placed this control already (its Loaded comes
    // first and consumes the tab order read); redoing the parent for each child would make
    // reading n controls take n² steps. Only a parent that was not read with it is redone.
    bool Placed = !FTabOrderRead;
    FixupTabList();
    if (TWinControl* P = Parent(); P && !P->IsLoading() && !Placed) P->FixupTabList();
}

bool TWinControl::CanFocus() const {
    const TCustomForm* Form = GetParentForm(this);
    if (!Form) return false;
    for (const TControl* C = this; C != Form; C = C->Parent())
        if (!C->Visible() || !C->Enabled()) return false;
    return true;
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* C = Controls(i);
        if (C->Owner() == Root) Proc(C);
    }
}

void TWinControl::NotifyControls(void (TControl::*Fn)()) {
    for (int i = 0; i < ControlCount(); ++i)
        (Controls(i)->*Fn)();
}

void TWinControl::FontChanged() {
    NotifyControls(&TControl::ParentFontChanged);
    if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
}
void TWinControl::ColorChanged() {
    NotifyControls(&TControl::ParentColorChanged);
}
void TWinControl::ShowHintChanged() {
    NotifyControls(&TControl::ParentShowHintChanged);
}

} // namespace host
