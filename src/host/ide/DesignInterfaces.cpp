// The module, form and component interfaces the design-time host hands out. Each remembers
// its module by serial and looks it up before acting, so that an interface kept past the
// module's close answers "nothing" instead of touching freed objects.
#include "host/classes/Component.h"
#include "host/ide/DesignHost.h"

namespace host {

namespace {

class TComponentIntf : public TIComponentInterface {
public:
    TComponentIntf(TDesignHost* Host, unsigned long long Module, TComponent* Component)
        : FHost(Host), FModule(Module), FComponent(Component) {}
    TComponent* GetComponentHandle() override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        TComponent* Root = M ? M->Form() : nullptr;
        if (!Root) return nullptr;
        // Still on the form: the form itself or one of its components.
        if (FComponent == Root) return Root;
        for (int i = 0; i < Root->ComponentCount(); ++i)
            if (Root->Components(i) == FComponent) return FComponent;
        return nullptr;
    }

private:
    TDesignHost* FHost;
    unsigned long long FModule;
    TComponent* FComponent;
};

class TFormIntf : public TIFormInterface {
public:
    TFormIntf(TDesignHost* Host, unsigned long long Module) : FHost(Host), FModule(Module) {}
    TIComponentInterface* GetFormComponent() override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        if (!M || !M->Form()) return nullptr;
        return new TComponentIntf(FHost, FModule, M->Form());
    }
    // nullptr for an unknown class or a container no longer on the form.
    TIComponentInterface* CreateComponent(TIComponentInterface* Container, const String& TypeName,
                                          int X, int Y, int W, int H) override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        if (!M) return nullptr;
        TComponent* Parent = Container ? Container->GetComponentHandle() : nullptr;
        if (Container && !Parent) return nullptr;
        try {
            TComponent* C = M->CreateComponent(TypeName, Parent, X, Y, W, H);
            return new TComponentIntf(FHost, FModule, C);
        } catch (const Exception&) {
            return nullptr;
        }
    }

private:
    TDesignHost* FHost;
    unsigned long long FModule;
};

class TModuleIntf : public TIModuleInterface {
public:
    TModuleIntf(TDesignHost* Host, unsigned long long Module) : FHost(Host), FModule(Module) {}
    bool ShowForm() override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        if (!M || !M->Form()) return false;
        M->Show();
        return true;
    }
    TIFormInterface* GetFormInterface() override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        if (!M || !M->Form()) return nullptr;
        return new TFormIntf(FHost, FModule);
    }
    // A write error propagates: a save that silently fails would lose the work.
    bool Save(bool ForceSave) override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        if (!M) return false;
        M->Save(ForceSave);
        return true;
    }
    bool Close() override {
        TDesignModule* M = FHost->ModuleBySerial(FModule);
        return M && FHost->CloseModule(M);
    }

private:
    TDesignHost* FHost;
    unsigned long long FModule;
};

} // namespace

TIModuleInterface* NewModuleInterface(TDesignHost* Host, unsigned long long Serial) {
    return new TModuleIntf(Host, Serial);
}

} // namespace host
