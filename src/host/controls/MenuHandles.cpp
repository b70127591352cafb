// The window-layer menus (HMENU) that menu items build from their sub-items and keep up to
// date.
#include "host/controls/Menus.h"
#include "host/winapi/Menus.h"

namespace host {

HMENU TMenuItem::Handle() {
    if (IsMenu(FHandle)) return FHandle;
    FHandle = FMenu && FMenu->IsMenuBar() ? CreateMenu() : CreatePopupMenu();
    FillHandle();
    return FHandle;
}

bool TMenuItem::HandleAllocated() const {
    return IsMenu(FHandle);
}

UINT TMenuItem::ItemFlags() const {
    if (FCaption == "-") return MF_SEPARATOR;
    UINT Flags = MF_STRING;
    if (FChecked) Flags |= MF_CHECKED;
    if (!FEnabled) Flags |= MF_GRAYED;
    if (FDefault) Flags |= MF_DEFAULT;
    if (!FItems.empty()) Flags |= MF_POPUP;
    return Flags;
}

UINT_PTR TMenuItem::ItemId() {
    return FItems.empty() || FCaption == "-" ? FCommand : reinterpret_cast<UINT_PTR>(Handle());
}

UINT TMenuItem::HandlePosition() const {
    UINT Position = 0;
    for (const TMenuItem* Item : FParent->FItems) {
        if (Item == this) break;
        if (Item->FVisible) ++Position;
    }
    return Position;
}

HMENU TMenuItem::ParentHandle() const {
    return FParent && FParent->HandleAllocated() ? FParent->FHandle : nullptr;
}

void TMenuItem::UpdateInParent() {
    HMENU P = ParentHandle();
    if (!P || !FVisible) return;
    ModifyMenuA(P, HandlePosition(), MF_BYPOSITION | ItemFlags(), ItemId(), FCaption.c_str());
}

void TMenuItem::FillHandle() {
    for (TMenuItem* Item : FItems)
        if (Item->FVisible)
            AppendMenuA(FHandle, Item->ItemFlags(), Item->ItemId(), Item->FCaption.c_str());
}

// Sub-menus belong to the sub-items, so they are taken out, never destroyed, here.
void TMenuItem::RebuildHandle() {
    if (!HandleAllocated() || Dying()) return;
    for (int i = GetMenuItemCount(FHandle) - 1; i >= 0; --i)
        RemoveMenu(FHandle, static_cast<UINT>(i), MF_BYPOSITION);
    FillHandle();
}

void TMenuItem::DestroyMenuHandle() {
    if (!IsMenu(FHandle)) return;
    for (int i = GetMenuItemCount(FHandle) - 1; i >= 0; --i)
        RemoveMenu(FHandle, static_cast<UINT>(i), MF_BYPOSITION);
    DestroyMenu(FHandle);
    FHandle = nullptr;
}

} // namespace host
