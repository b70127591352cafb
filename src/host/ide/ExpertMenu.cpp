#include "host/ide/ExpertMenu.h"

#include "host/ide/DesignRegistry.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

TClass TExpertMenu::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TExpertMenu>("TExpertMenu");
    return &Info;
}

TExpertMenu::TExpertMenu(TComponent* AOwner) : TMenuItem(AOwner) {
    SetCaption("&Help");
}

void TExpertMenu::Rebuild() {
    while (Count() > 0)
        Items(Count() - 1)->Free();
    FIDs.clear();
    for (TIExpert* Expert : LibraryExperts()) {
        if (Expert->GetStyle() != esStandard) continue;
        auto* Item = new TMenuItem(this);
        Item->SetCaption(Expert->GetMenuText());
        Item->SetEnabled(Expert->GetState().Contains(esEnabled));
        Item->SetTag(static_cast<int>(FIDs.size()));
        Item->SetOnClick(TNotifyEvent(this, &TExpertMenu::ItemClick));
        FIDs.push_back(Expert->GetIDString());
        Add(Item);
    }
}

TMenuItem* TExpertMenu::FindItem(const String& MenuText) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == MenuText) return Items(i);
    return nullptr;
}

void TExpertMenu::ItemClick(TObject* Sender) {
    auto* Item = As<TMenuItem>(Sender);
    if (!Item || Item->Tag() < 0 || Item->Tag() >= static_cast<int>(FIDs.size())) return;
    const String& ID = FIDs[static_cast<std::size_t>(Item->Tag())];
    for (TIExpert* Expert : LibraryExperts())
        if (Expert->GetIDString() == ID) {
            Expert->Execute();
            return;
        }
}

} // namespace host
