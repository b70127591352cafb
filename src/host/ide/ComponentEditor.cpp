#include "host/ide/ComponentEditor.h"

#include "host/classes/Component.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

namespace host {

ZT_DEFINE_COMPONENT_EDITOR(TComponentEditor)
ZT_DEFINE_COMPONENT_EDITOR(TDefaultEditor)

TComponentEditor::TComponentEditor(TComponent* Component, TFormDesigner* Designer)
    : FComponent(Component), FDesigner(Designer) {}

void TComponentEditor::CheckVerbIndex(int Index) const {
    if (Index < 0 || Index >= GetVerbCount())
        throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
}

String TComponentEditor::GetVerb(int Index) const {
    CheckVerbIndex(Index);
    return String();
}

void TComponentEditor::ExecuteVerb(int Index) {
    CheckVerbIndex(Index);
}

void TComponentEditor::Edit() {
    if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TDefaultEditor::Edit() {
    if (!Designer()) return;
    std::vector<PPropInfo> Events = GetPropList(Component(), TTypeKinds{tkMethod});
    if (Events.empty()) return;
    PPropInfo Event = Events.front();
    for (const char* Preferred : {"OnCreate", "OnChange", "OnClick"}) {
        auto It = std::find_if(Events.begin(), Events.end(),
                               [&](PPropInfo P) { return SameText(P->Name, Preferred); });
        if (It != Events.end()) {
            Event = *It;
            break;
        }
    }
    if (!Designer()->GetMethodName(Component(), Event).empty()) return;
    String Owner = Component() == Designer()->GetRoot() ? String("Form") : Component()->Name();
    Designer()->SetMethodName(Component(), Event, Owner + Event->Name.substr(2));
    Designer()->Modified();
}

} // namespace host
