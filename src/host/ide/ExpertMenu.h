// TExpertMenu: the design-time host's menu of library experts. It lists one item per
// registered expert of the standard style, with the expert's menu text, enabled as the
// expert's state says; choosing an item runs the expert's Execute.
#pragma once

#include "host/controls/Menus.h"

namespace host {

class TExpertMenu : public TMenuItem {
    ZT_CLASS(TExpertMenu, TMenuItem)
public:
    explicit TExpertMenu(TComponent* AOwner);

    // Lists the experts registered now (the items made before are freed).
    void Rebuild();
    // The item whose caption is MenuText; nullptr when none.
    [[nodiscard]] TMenuItem* FindItem(const String& MenuText) const;

private:
    // Runs the expert of the item: looked up again by its identifier, so an item left from
    // an unloaded package does nothing.
    void ItemClick(TObject* Sender);

    std::vector<String> FIDs; // by item Tag
};

} // namespace host
