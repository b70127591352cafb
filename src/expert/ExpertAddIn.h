// Unit Znt: TZntAddIn, the expert the package registers with the design-time host. The host
// lists it as a menu item ("Zantor Expert"); choosing it runs the project wizard. Registering
// shows the splash.
#pragma once

#include "host/ide/Expert.h"

namespace zantor {

using host::String;

class TZntAddIn : public host::TIExpert {
public:
    String GetName() override { return "Zantor Expert"; }
    String GetAuthor() override { return "Tessavin Ltd"; }
    String GetComment() override { return "A complete globalization package"; }
    String GetPage() override { return ""; }
    unsigned GetGlyph() override { return 0; }
    host::TExpertStyle GetStyle() override { return host::esStandard; }
    host::TExpertState GetState() override { return {host::esEnabled}; }
    String GetIDString() override { return "Tessavin.Znt"; }
    String GetMenuText() override { return "Zantor Expert"; }
    // A new wizard each time, shown modally and freed when it closes.
    void Execute() override;

    // Shows the splash (non-modal) and lets pending messages run so that it is seen while the
    // host goes on loading; with AutoFree it frees itself when its timer fires. ShowIt does
    // not change what happens.
    void ShowSplash(bool ShowIt, bool AutoFree);
};

namespace Znt {

// The instance made by Register; the host owns it from then on.
extern TZntAddIn* ZntAddIn;

// Makes the expert, shows the splash, hands the expert to the host.
void Register();
// Unit initialization: the form classes the wizard and the splash read.
void Initialize();
// Unit finalization: a splash still showing goes with the package.
void Finalize();

} // namespace Znt

} // namespace zantor
