// Menus: TMenuItem, an item with sub-items; TMenu, the tree under its Items root; TMainMenu,
// the menu bar of a form; TPopupMenu, the menu a control shows on a right click. A menu's
// window-layer menu (HMENU) is built from the items when first asked for and follows their
// changes from then on.
#pragma once

#include "host/classes/Component.h"
#include "host/rtl/Exceptions.h"
#include "host/winapi/WinTypes.h"

#include "host/controls/ActnList.h"

#include <memory>
#include <vector>

namespace host {

class TMenu;
class TMenuActionLink;
class TCustomImageList;

class TMenuItem : public TComponent {
    ZT_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    // Frees the sub-items (whoever owns them) and leaves the parent item.
    void BeforeDestruction() override;

    // "-" makes the item a separator.
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    // Checking a radio item unchecks the other radio items of its group among its siblings.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Radio items with the same group index (0..255) among siblings check one another out.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    // Invisible items are left out of the menu handle.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }
    // Clicking an AutoCheck item toggles Checked.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    // The action the item follows (caption, hint, shortcut, checked, enabled, visible,
    // image, OnClick), as a control does.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TMenuActionLink* ActionLink() const { return FActionLink.get(); }
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool IsCaptionStored() const;
    bool IsCheckedStored() const;
    bool IsEnabledStored() const;
    bool IsHintStored() const;
    bool IsShortCutStored() const;
    bool IsVisibleStored() const;
    bool IsImageIndexStored() const;
    bool IsOnClickStored() const;
    bool IsAutoCheckStored() const;
    bool IsGroupIndexStored() const;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EMenuError "Menu index out of range" for a bad index.
    TMenuItem* Items(int Index) const;
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    // Raises EMenuError "Menu inserted twice" for an item that has a parent already, and
    // "Menu index out of range" for an index outside 0..Count.
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out (without freeing it); "Menu index out of range" for a bad index.
    void Delete(int Index);
    // Raises EMenuError "Sub-menu is not in menu" for an item that is not a sub-item.
    void Remove(TMenuItem* Item);
    // Frees every sub-item.
    void Clear();
    // Position among the parent's items, or -1.
    [[nodiscard]] int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // Moves the item among its siblings (clamped to the valid positions).
    void SetMenuIndex(int Value);
    // The menu the item's tree hangs from, or nullptr.
    TMenu* GetParentMenu() const;

    // Identifier of the item in WM_COMMAND; unique in the process while the item lives.
    UINT Command() const { return FCommand; }
    // The sub-menu of this item (a menu bar for the Items root of a main menu), built from
    // the visible sub-items when first asked for.
    HMENU Handle();
    bool HandleAllocated() const;

    // What choosing the item does: nothing when disabled; a radio item is checked; then
    // OnClick fires.
    virtual void Click();

    bool HasParent() const override { return true; }
    // The parent item, or the menu for items at the top of a menu.
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    // Every sub-item: they are written nested inside this one.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

private:
    friend class TMenu;
    UINT ItemFlags() const;
    UINT_PTR ItemId();
    // Position in the parent's menu handle (visible siblings before it).
    UINT HandlePosition() const;
    HMENU ParentHandle() const;
    // Puts the item's flags and caption into the parent's menu handle.
    void UpdateInParent();
    void TurnSiblingsOff();
    // Being freed, with its menu or form: no menu handles are rebuilt then.
    bool Dying() const;
    void DestroyMenuHandle();
    void FillHandle();
    // Fills the menu handle again from the sub-items.
    void RebuildHandle();
    // Tells the menu; Rebuild when items came or went.
    void MenuChanged(bool Rebuild);

    String FCaption;
    String FHint;
    bool FChecked = false;
    bool FDefault = false;
    bool FEnabled = true;
    bool FRadioItem = false;
    bool FVisible = true;
    int FGroupIndex = 0;
    TShortCut FShortCut = 0;
    bool FAutoCheck = false;
    int FImageIndex = -1;
    int FHelpContext = 0;
    std::unique_ptr<TMenuActionLink> FActionLink;
    TNotifyEvent FOnClick;
    UINT FCommand;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's Items root
    HMENU FHandle = nullptr;
};

class TMenu : public TComponent {
    ZT_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    void BeforeDestruction() override;

    // The root of the items; its sub-items are the menu's top level.
    TMenuItem* Items() const { return FItems; }
    HMENU Handle() { return FItems->Handle(); }
    // Clicks the item of this menu with that command; false when there is none.
    bool DispatchCommand(UINT Command);
    // The item of this menu with that command, or nullptr.
    TMenuItem* FindCommand(UINT Command) const;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The top-level items, written as this menu's children.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

    // Told by the items after a change; Rebuild when items came or went.
    virtual void MenuChanged(bool Rebuild) { (void)Rebuild; }

protected:
    // Main menus are menu bars, the others pop up.
    virtual bool IsMenuBar() const { return false; }

private:
    friend class TMenuItem;
    TMenuItem* FItems;
    TCustomImageList* FImages = nullptr;
};

// The link of a menu item: everything an action has comes over while the item shows it.
class TMenuActionLink : public TActionLink {
    ZT_CLASS(TMenuActionLink, TActionLink)
public:
    explicit TMenuActionLink(TMenuItem* Client) : FClient(Client) {}
    bool IsAutoCheckLinked() const override;
    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsGroupIndexLinked() const override;
    bool IsHelpLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;
    void SetAutoCheck(bool Value) override;
    void SetCaption(const String& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetGroupIndex(int Value) override;
    void SetHelpContext(int Value) override;
    void SetHint(const String& Value) override;
    void SetImageIndex(int Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;
    void Change() override;

private:
    TMenuItem* FClient;
};

// The menu bar of a form: the form's Menu property names it.
class TMainMenu : public TMenu {
    ZT_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool Value) { FAutoMerge = Value; }
    // The window whose menu bar this is (the form sets it), told CM_MENUCHANGED on changes.
    HWND WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(HWND Value) { FWindowHandle = Value; }

    void MenuChanged(bool Rebuild) override;

protected:
    bool IsMenuBar() const override { return true; }

private:
    bool FAutoMerge = false;
    HWND FWindowHandle = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    ZT_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    // The control that asked for the menu last; forgotten when it is freed.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    const TNotifyEvent& OnPopup() const { return FOnPopup; }
    void SetOnPopup(const TNotifyEvent& Value) { FOnPopup = Value; }

    // Shows the menu at a screen point: fires OnPopup. Nobody is asked to choose; a choice
    // is made by clicking an item or sending its command to the form.
    virtual void Popup(int X, int Y);
    // Where the menu was shown last; (-1, -1) before.
    POINT PopupPoint() const { return FPopupPoint; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    POINT FPopupPoint{-1, -1};
    TNotifyEvent FOnPopup;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TPopupAlignment);
