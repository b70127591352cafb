// Tool bars: TToolBar, a bar of tool buttons showing images of its image list (and their
// captions with ShowCaptions); TToolButton, a button, check button, drop-down button or
// separator on it, commonly linked to an action.
#pragma once

#include "host/controls/Controls.h"

namespace host {

class TCustomImageList;
class TMenuItem;
class TPopupMenu;

enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = TSet<TEdgeBorder>;
enum TEdgeStyle { esNone, esRaised, esLowered };
enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };

class TToolBar : public TWinControl {
    ZT_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* AOwner);

    using TControl::Caption;
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetCaption;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value) { FButtonHeight = Value; }
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value) { FButtonWidth = Value; }
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value) { FEdgeBorders = Value; }
    TEdgeStyle EdgeInner() const { return FEdgeInner; }
    void SetEdgeInner(TEdgeStyle Value) { FEdgeInner = Value; }
    TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
    void SetEdgeOuter(TEdgeStyle Value) { FEdgeOuter = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value) { SetImageList(FImages, Value); }
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* Value) { SetImageList(FDisabledImages, Value); }
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* Value) { SetImageList(FHotImages, Value); }
    int Indent() const { return FIndent; }
    void SetIndent(int Value) { FIndent = Value; }
    bool List() const { return FList; }
    void SetList(bool Value) { FList = Value; }
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value) { FShowCaptions = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value) { FWrapable = Value; }

    int ButtonCount() const;
    // The tool buttons in child order; raises EListError for a bad index.
    class TToolButton* Buttons(int Index) const;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetImageList(TCustomImageList*& Field, TCustomImageList* Value);

    int FButtonHeight = 22;
    int FButtonWidth = 23;
    TEdgeBorders FEdgeBorders{ebTop};
    TEdgeStyle FEdgeInner = esRaised;
    TEdgeStyle FEdgeOuter = esLowered;
    bool FFlat = true;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    int FIndent = 0;
    bool FList = false;
    bool FShowCaptions = false;
    bool FTransparent = false;
    bool FWrapable = true;
};

// A button of a tool bar; check buttons (Style tbsCheck) stay down, one of a Grouped run
// of them at a time unless AllowAllUp.
class TToolButton : public TControl {
    ZT_CLASS(TToolButton, TControl)
public:
    explicit TToolButton(TComponent* AOwner);

    using TControl::Caption;
    using TControl::SetCaption;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* Value);
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* Value);
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value) { FGrouped = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const String& ImageName() const { return FImageName; }
    void SetImageName(const String& Value) { FImageName = Value; }
    bool Indeterminate() const { return FIndeterminate; }
    void SetIndeterminate(bool Value) { FIndeterminate = Value; }
    bool Marked() const { return FMarked; }
    void SetMarked(bool Value) { FMarked = Value; }
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value) { FStyle = Value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    bool IsImageIndexStored() const;
    bool IsCheckedStored() const;

    // A check button toggles (within its group) before OnClick or the action.
    void Click() override;
    // Checked and ImageIndex of a linked action come over too.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FAllowAllUp = false;
    bool FDown = false;
    TPopupMenu* FDropdownMenu = nullptr;
    TMenuItem* FMenuItem = nullptr;
    bool FGrouped = false;
    int FImageIndex = -1;
    String FImageName;
    bool FIndeterminate = false;
    bool FMarked = false;
    TToolButtonStyle FStyle = tbsButton;
    bool FWrap = false;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TEdgeBorder);
ZT_DECLARE_TYPEINFO(host::TEdgeBorders);
ZT_DECLARE_TYPEINFO(host::TEdgeStyle);
ZT_DECLARE_TYPEINFO(host::TToolButtonStyle);
