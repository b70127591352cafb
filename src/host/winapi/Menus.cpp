// Menu objects and their items, found by command identifier or by position.
#include "host/winapi/Menus.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowErrors.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace host {

namespace {

struct TMenuItem {
    UINT Flags = 0;
    UINT_PTR Id = 0;
    HMENU SubMenu = nullptr;
    String Text;
};

struct TMenu {
    bool Popup = false;
    std::vector<TMenuItem> Items;
};

using TMenuTable = std::unordered_map<HMENU, TMenu>;

TMenuTable& Menus() {
    static TMenuTable T;
    return T;
}

TMenu* FindMenu(HMENU Menu) {
    const auto It = Menus().find(Menu);
    if (It == Menus().end()) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return nullptr;
    }
    return &It->second;
}

struct TItemRef {
    TMenu* Menu = nullptr;
    size_t Index = 0;
    TMenuItem& Item() const { return Menu->Items[Index]; }
};

// Sub-menus can be shared or even contain their parent; the depth limit keeps such a cycle
// from recursing for ever.
constexpr int MaxMenuDepth = 16;

std::optional<TItemRef> FindByCommand(TMenu& Menu, UINT_PTR Id, int Depth) {
    for (size_t I = 0; I < Menu.Items.size(); ++I) {
        const TMenuItem& Item = Menu.Items[I];
        if (Item.Flags & MF_POPUP) {
            TMenu* Sub = FindMenu(Item.SubMenu);
            if (Sub && Depth < MaxMenuDepth)
                if (auto Found = FindByCommand(*Sub, Id, Depth + 1)) return Found;
        }
        if (Item.Id == Id) return TItemRef{&Menu, I};
    }
    return std::nullopt;
}

std::optional<TItemRef> FindItem(HMENU Menu, UINT Position, UINT Flags) {
    TMenu* M = FindMenu(Menu);
    if (!M) return std::nullopt;
    if (Flags & MF_BYPOSITION) {
        if (Position >= M->Items.size()) return std::nullopt;
        return TItemRef{M, Position};
    }
    return FindByCommand(*M, Position, 0);
}

constexpr UINT ItemFlagsMask = MF_GRAYED | MF_DISABLED | MF_BITMAP | MF_CHECKED | MF_POPUP |
                               MF_MENUBARBREAK | MF_MENUBREAK | MF_HILITE | MF_OWNERDRAW |
                               MF_SEPARATOR | MF_DEFAULT | MF_RIGHTJUSTIFY;

// Builds an item from the arguments of AppendMenuA/InsertMenuA/ModifyMenuA; false when the
// sub-menu of an MF_POPUP item is not a menu.
bool MakeItem(UINT Flags, UINT_PTR IdNewItem, LPCSTR Text, TMenuItem& Item) {
    Item = TMenuItem{};
    Item.Flags = Flags & ItemFlagsMask;
    Item.Id = IdNewItem;
    if (Flags & MF_POPUP) {
        Item.SubMenu = reinterpret_cast<HMENU>(IdNewItem);
        TMenu* Sub = FindMenu(Item.SubMenu);
        if (!Sub) return false;
        Sub->Popup = true;
    }
    if (Flags & MF_SEPARATOR) {
        Item.Id = 0;
    } else if (!(Flags & (MF_BITMAP | MF_OWNERDRAW))) {
        if (Text)
            Item.Text = Text;
        else
            Item.Flags |= MF_SEPARATOR;
    }
    return true;
}

HMENU NewMenu(bool Popup) {
    const HMENU Menu = detail::NewHandle<HMENU>();
    Menus()[Menu].Popup = Popup;
    return Menu;
}

BOOL RemoveItem(HMENU Menu, UINT Position, UINT Flags, bool DestroySubMenu) {
    detail::MenuBarChanged(Menu);
    const auto Ref = FindItem(Menu, Position, Flags);
    if (!Ref) return false;
    const TMenuItem Item = Ref->Item();
    Ref->Menu->Items.erase(Ref->Menu->Items.begin() + std::ptrdiff_t(Ref->Index));
    if (DestroySubMenu && (Item.Flags & MF_POPUP)) DestroyMenu(Item.SubMenu);
    return true;
}

} // namespace

namespace detail {

void ResetMenus() {
    Menus().clear();
}

} // namespace detail

HMENU CreateMenu() {
    return NewMenu(false);
}

HMENU CreatePopupMenu() {
    return NewMenu(true);
}

BOOL DestroyMenu(HMENU Menu) {
    const auto It = Menus().find(Menu);
    if (It == Menus().end()) return false;
    const std::vector<TMenuItem> Items = std::move(It->second.Items);
    Menus().erase(It);
    for (const TMenuItem& Item : Items)
        if (Item.Flags & MF_POPUP) DestroyMenu(Item.SubMenu);
    return true;
}

BOOL IsMenu(HMENU Menu) {
    return Menus().count(Menu) != 0;
}

BOOL AppendMenuA(HMENU Menu, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item) {
    detail::MenuBarChanged(Menu);
    TMenu* M = FindMenu(Menu);
    TMenuItem NewItem;
    if (!M || !MakeItem(Flags, IdNewItem, Item, NewItem)) return false;
    M->Items.push_back(std::move(NewItem));
    return true;
}

BOOL InsertMenuA(HMENU Menu, UINT Position, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item) {
    detail::MenuBarChanged(Menu);
    TMenu* M = FindMenu(Menu);
    TMenuItem NewItem;
    if (!M || !MakeItem(Flags, IdNewItem, Item, NewItem)) return false;
    if ((Flags & MF_BYPOSITION) && Position >= M->Items.size()) {
        M->Items.push_back(std::move(NewItem));
        return true;
    }
    const auto Ref = FindItem(Menu, Position, Flags);
    if (!Ref) return false;
    auto& Items = Ref->Menu->Items;
    Items.insert(Items.begin() + std::ptrdiff_t(Ref->Index), std::move(NewItem));
    return true;
}

BOOL ModifyMenuA(HMENU Menu, UINT Position, UINT Flags, UINT_PTR IdNewItem, LPCSTR Item) {
    detail::MenuBarChanged(Menu);
    const auto Ref = FindItem(Menu, Position, Flags);
    TMenuItem NewItem;
    if (!Ref || !MakeItem(Flags, IdNewItem, Item, NewItem)) return false;
    const HMENU OldSub = Ref->Item().SubMenu;
    Ref->Item() = std::move(NewItem);
    // The reference may not survive the destruction below, so it is not used after this.
    if (OldSub && OldSub != Ref->Item().SubMenu) DestroyMenu(OldSub);
    return true;
}

BOOL DeleteMenu(HMENU Menu, UINT Position, UINT Flags) {
    return RemoveItem(Menu, Position, Flags, true);
}

BOOL RemoveMenu(HMENU Menu, UINT Position, UINT Flags) {
    return RemoveItem(Menu, Position, Flags, false);
}

int GetMenuStringA(HMENU Menu, UINT IdItem, LPSTR Buffer, int MaxCount, UINT Flags) {
    if (Buffer && MaxCount > 0) Buffer[0] = '\0';
    const auto Ref = FindItem(Menu, IdItem, Flags);
    if (!Ref) return 0;
    const String& Text = Ref->Item().Text;
    if (!Buffer || MaxCount <= 0) return int(Text.size());
    return detail::CopyText(Text, Buffer, MaxCount);
}

int GetMenuItemCount(HMENU Menu) {
    const TMenu* M = FindMenu(Menu);
    return M ? int(M->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU Menu, int Pos) {
    const auto Ref = FindItem(Menu, UINT(Pos), MF_BYPOSITION);
    if (!Ref || Pos < 0 || (Ref->Item().Flags & MF_POPUP)) return 0xFFFFFFFF;
    return UINT(Ref->Item().Id);
}

HMENU GetSubMenu(HMENU Menu, int Pos) {
    const auto Ref = FindItem(Menu, UINT(Pos), MF_BYPOSITION);
    if (!Ref || Pos < 0 || !(Ref->Item().Flags & MF_POPUP)) return nullptr;
    return Ref->Item().SubMenu;
}

UINT GetMenuState(HMENU Menu, UINT Id, UINT Flags) {
    const auto Ref = FindItem(Menu, Id, Flags);
    if (!Ref) return 0xFFFFFFFF;
    const TMenuItem& Item = Ref->Item();
    if (!(Item.Flags & MF_POPUP)) return Item.Flags;
    const int Count = GetMenuItemCount(Item.SubMenu);
    return (UINT(std::max(Count, 0)) << 8) | (Item.Flags & 0xFF);
}

DWORD CheckMenuItem(HMENU Menu, UINT IdItem, UINT Check) {
    detail::MenuBarChanged(Menu);
    const auto Ref = FindItem(Menu, IdItem, Check);
    if (!Ref) return 0xFFFFFFFF;
    UINT& State = Ref->Item().Flags;
    const DWORD Previous = State & MF_CHECKED;
    State = (State & ~MF_CHECKED) | (Check & MF_CHECKED);
    return Previous;
}

BOOL EnableMenuItem(HMENU Menu, UINT IdItem, UINT Enable) {
    detail::MenuBarChanged(Menu);
    const auto Ref = FindItem(Menu, IdItem, Enable);
    if (!Ref) return -1;
    UINT& State = Ref->Item().Flags;
    const BOOL Previous = BOOL(State & (MF_GRAYED | MF_DISABLED));
    State = (State & ~(MF_GRAYED | MF_DISABLED)) | (Enable & (MF_GRAYED | MF_DISABLED));
    return Previous;
}

} // namespace host
