// Extended controls: the panel, a bevelled container for other controls; the radio group;
// the notebook with its pages; the bevel; the image with its picture.
#pragma once

#include <memory>

#include "host/controls/Controls.h"
#include "host/controls/StdCtrls.h"

#include <vector>

namespace host {

class TStringList;

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TCustomPanel : public TWinControl {
    ZT_CLASS(TCustomPanel, TWinControl)
public:
    // Takes its parent's colour (clBtnFace until it has a parent).
    explicit TCustomPanel(TComponent* AOwner);

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

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value) { FBevelInner = Value; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value) { FBevelOuter = Value; }
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value) { FBevelWidth = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }

private:
    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
};

class TPanel : public TCustomPanel {
    ZT_CLASS(TPanel, TCustomPanel)
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

class TCustomRadioGroup;

// One of a radio group's buttons; the group makes, names and frees them.
class TGroupButton : public TRadioButton {
    ZT_CLASS(TGroupButton, TRadioButton)
public:
    explicit TGroupButton(TCustomRadioGroup* Group);
    // Checking tells the group, which takes the button's index as ItemIndex.
    void Click() override;
};

// A group box of radio buttons, one per line of Items, laid out in Columns. Setting
// ItemIndex checks its button, which fires OnClick (as the host does), as does the person's
// click on a button (Pick, or BN_CLICKED from the button's window).
class TCustomRadioGroup : public TCustomGroupBox {
    ZT_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* AOwner);
    ~TCustomRadioGroup() override;

    TStrings* Items() const;
    void SetItems(TStrings* Value);
    // -1 for none; other values are clamped to the items. While loading the value is kept
    // and applied once the items are read.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // 1..16.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    // The buttons, one per item; they follow Items at once.
    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TRadioButton* Buttons(int Index) const;
    // What the person's click on the button of item Index does.
    void Pick(int Index);

    // The buttons are the group's own and are not written.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void Loaded() override;

protected:
    void FontChanged() override;
    void Resize() override;

private:
    friend class TGroupButton;
    void ItemsChanged(TObject* Sender);
    void UpdateButtons();
    void ArrangeButtons();
    void ButtonClicked(TGroupButton* Button);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;

    class TItemStrings;
    std::unique_ptr<TItemStrings> FItems;
    std::vector<TGroupButton*> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
    ZT_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};

class TNotebook;

// A page of a notebook. Pages belong to their notebook, have no names and are written nested
// in it as "object TPage"; the controls on a page belong to the notebook's owner.
class TPage : public TWinControl {
    ZT_CLASS(TPage, TWinControl)
public:
    explicit TPage(TComponent* AOwner);

    using TControl::Caption;
    using TControl::SetCaption;

    // The controls on the page are read into the form that holds the notebook.
    TComponent* GetChildOwner() override;
    // Joining or leaving a notebook adds it to or removes it from the notebook's pages.
    void SetParent(TWinControl* AParent) override;
};

// A stack of pages of which one (PageIndex) shows. Pages lists the pages' captions; adding,
// deleting or renaming lines adds, frees or renames pages.
class TNotebook : public TWinControl {
    ZT_CLASS(TNotebook, TWinControl)
public:
    // Starts with one page, "Default"; a notebook read from a form file has the file's pages.
    explicit TNotebook(TComponent* AOwner);
    ~TNotebook() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    TStrings* Pages() const;
    void SetPages(TStrings* Value);
    int PageCount() const { return static_cast<int>(FPages.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TPage* Page(int Index) const;
    // Values outside the pages are ignored.
    int PageIndex() const { return FPageIndex; }
    void SetPageIndex(int Value);
    // The caption of the page that shows; setting it shows the page of that caption.
    String ActivePage() const;
    void SetActivePage(const String& Value);
    const TNotifyEvent& OnPageChanged() const { return FOnPageChanged; }
    void SetOnPageChanged(const TNotifyEvent& Value) { FOnPageChanged = Value; }

    // The pages, written nested in the notebook.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    TComponent* GetChildOwner() override { return this; }
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TPage;
    friend class TNotebookPages;
    void AddPage(TPage* Page);
    void PageGone(TPage* Page);
    void InsertPage(int Index, const String& Caption);
    void ShowPages();

    std::vector<TPage*> FPages;
    std::unique_ptr<TStrings> FPageList;
    int FPageIndex = 0;
    TPage* FDefaultPage = nullptr;
    TNotifyEvent FOnPageChanged;
};

// A shape drawn on the parent: a box, a frame or a line, lowered or raised.
class TBevel : public TControl {
    ZT_CLASS(TBevel, TControl)
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value) { FShape = Value; }
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value) { FStyle = Value; }

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

// The picture of an image. Its graphic is kept as the bytes of the form file's Picture.Data
// (a class name and the graphic's own data), so that a form round-trips unchanged.
class TPicture : public TPersistent {
    ZT_CLASS(TPicture, TPersistent)
public:
    TPicture() = default;

    const String& Data() const { return FData; }
    void SetData(const String& Value);
    bool Empty() const { return FData.empty(); }
    // The graphic's class name at the start of the data ("TBitmap"), "" when empty.
    String GraphicClassName() const;
    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler* Filer) override;

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }

private:
    String FData;
    TNotifyEvent FOnChange;
};

class TImage : public TControl {
    ZT_CLASS(TImage, TControl)
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    bool Center() const { return FCenter; }
    void SetCenter(bool Value) { FCenter = Value; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value) { FStretch = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value) { FProportional = Value; }

private:
    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FStretch = false;
    bool FProportional = false;
    bool FTransparent = false;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TBevelShape);
ZT_DECLARE_TYPEINFO(host::TBevelStyle);
