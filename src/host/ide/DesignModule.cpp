#include "host/ide/DesignModule.h"

#include "host/classes/Filer.h"
#include "host/controls/Controls.h"
#include "host/controls/Forms.h"
#include "host/rtl/AtomicFile.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

namespace host {

namespace {

String KeyOf(const TComponent* Component, const TComponent* Root) {
    return Component == Root ? String() : Component->Name();
}

} // namespace

TDesignModule::TDesignModule(const TProjectUnit& Unit) : FUnit(Unit) {
    static unsigned long long NextSerial = 0;
    FSerial = ++NextSerial;
    if (FUnit.FormFile.empty()) return;
    TFormObject Tree = ParseFormText(ReadFileBytes(FUnit.FormFile));
    FFormClassName = Tree.ClassName;
    TClass RootClass = GetClass(Tree.ClassName);
    if (!RootClass || !RootClass->InheritsFrom(TComponent::StaticClass()) || !RootClass->Create)
        RootClass = TForm::StaticClass();
    StripEvents(Tree, RootClass, true);
    TComponent* Root = host::CreateComponent(RootClass, nullptr);
    Root->SetDesigning(true);
    try {
        TReader Reader(Tree);
        Reader.ReadRootComponent(Root, nullptr);
    } catch (...) {
        Root->Free();
        throw;
    }
    FForm = Root;
}

TDesignModule::~TDesignModule() {
    if (FForm) FForm->Free();
}

// Handlers name methods of the application's form class, which the host does not have, so
// they are kept aside by name and written back when the form is saved.
void TDesignModule::StripEvents(TFormObject& Obj, TClass Class, bool IsRoot) {
    if (Class) {
        TEventMap Events;
        std::erase_if(Obj.Props, [&](const TFormProperty& P) {
            PPropInfo Info = Class->FindProp(P.Name);
            if (!Info || Info->Kind() != tkMethod || P.Value.Type != vaIdent) return false;
            Events[P.Name] = P.Value.Str;
            return true;
        });
        if (!Events.empty()) FEvents[IsRoot ? String() : Obj.Name] = std::move(Events);
    }
    for (TFormObject& Child : Obj.Children)
        StripEvents(Child, GetClass(Child.ClassName), false);
}

void TDesignModule::RestoreEvents(TFormObject& Obj, TComponent* Component) const {
    auto It = Component ? FEvents.find(KeyOf(Component, FForm)) : FEvents.end();
    if (It != FEvents.end()) {
        // Published order: each handler goes before the first property listed after it;
        // defined properties (not published) come last.
        const std::vector<PPropInfo>& Order = Component->ClassType()->Props;
        auto IndexOf = [&](std::string_view Name) {
            std::string_view Head = Name.substr(0, Name.find('.'));
            for (std::size_t i = 0; i < Order.size(); ++i)
                if (SameText(Order[i]->Name, Head)) return i;
            return Order.size();
        };
        std::vector<std::pair<std::size_t, TFormProperty>> Handlers;
        for (const auto& [Event, Handler] : It->second) {
            if (Handler.empty()) continue;
            TFormProperty P;
            P.Name = Event;
            P.Value.Type = vaIdent;
            P.Value.Str = Handler;
            Handlers.emplace_back(IndexOf(Event), std::move(P));
        }
        std::sort(Handlers.begin(), Handlers.end(),
                  [](const auto& A, const auto& B) { return A.first < B.first; });
        for (auto& Handler : Handlers) {
            const auto Index = Handler.first; // a plain local: clang 14 cannot capture bindings
            auto Pos =
                std::find_if(Obj.Props.begin(), Obj.Props.end(),
                             [&](const TFormProperty& Q) { return IndexOf(Q.Name) > Index; });
            Obj.Props.insert(Pos, std::move(Handler.second));
        }
    }
    for (TFormObject& Child : Obj.Children)
        RestoreEvents(Child, FForm ? FForm->FindComponent(Child.Name) : nullptr);
}

TComponent* TDesignModule::CreateComponent(const String& ClassName, TComponent* Container, int X,
                                           int Y, int W, int H) {
    if (!FForm) throw EComponentError("Unit " + FUnit.Name + " has no form");
    TClass Class = FindClass(ClassName);
    if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
        throw EComponentError("Class " + ClassName + " is no component class");
    TComponent* C = host::CreateComponent(Class, FForm);
    try {
        C->SetName(UniqueName(Class->ClassName));
        if (auto* Control = As<TControl>(C)) {
            auto* Parent = As<TWinControl>(Container ? Container : FForm);
            if (!Parent) throw EComponentError("Cannot put " + Class->ClassName + " there");
            Control->SetParent(Parent);
            Control->SetBounds(X < 0 ? Control->Left() : X, Y < 0 ? Control->Top() : Y,
                               W < 0 ? Control->Width() : W, H < 0 ? Control->Height() : H);
        } else if (X >= 0 && Y >= 0) {
            // A non-visual component's place on the form: Left in the low word, Top in the high.
            C->SetDesignInfo(static_cast<Integer>((static_cast<unsigned>(Y) << 16) |
                                                  (static_cast<unsigned>(X) & 0xFFFF)));
        }
    } catch (...) {
        C->Free();
        throw;
    }
    Modified();
    return C;
}

String TDesignModule::FormText() const {
    if (!FForm) return String();
    TWriter Writer;
    TFormObject Tree = Writer.WriteRootComponent(FForm);
    if (!FFormClassName.empty()) Tree.ClassName = FFormClassName;
    RestoreEvents(Tree, FForm);
    return PrintFormText(Tree);
}

bool TDesignModule::Save(bool Force) {
    if (!FForm || (!FModified && !Force)) return false;
    WriteFileAtomic(FUnit.FormFile, FormText());
    FModified = false;
    return true;
}

String TDesignModule::GetMethodName(TComponent* Component, PPropInfo Event) const {
    auto It = FEvents.find(KeyOf(Component, FForm));
    if (It == FEvents.end()) return String();
    auto E = It->second.find(Event->Name);
    return E == It->second.end() ? String() : E->second;
}

void TDesignModule::SetMethodName(TComponent* Component, PPropInfo Event, const String& Name) {
    if (!Name.empty() && !IsValidIdent(Name))
        throw EPropertyError("'" + Name + "' is not a valid method name");
    FEvents[KeyOf(Component, FForm)][Event->Name] = Name;
}

} // namespace host
