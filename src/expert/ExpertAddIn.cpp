#include "expert/ExpertAddIn.h"

#include "expert/ProjectWizard.h"
#include "expert/SplashForm.h"
#include "host/controls/Application.h"
#include "host/ide/DesignRegistry.h"
#include "translators/Registration.h"

namespace zantor {

void TZntAddIn::Execute() {
    ExecuteWizard();
}

void TZntAddIn::ShowSplash(bool, bool AutoFree) {
    auto* Splash = new TZFormSplash(host::Application);
    Splash->SetAutoFree(AutoFree);
    Splash->Show();
    Splash->RepaintNow();
    // A host without an application object (a program that only loads packages) has no
    // messages to run.
    if (host::Application) host::Application->ProcessMessages();
}

namespace Znt {

TZntAddIn* ZntAddIn = nullptr;

void Register() {
    ZntAddIn = new TZntAddIn;
    ZntAddIn->ShowSplash(true, true);
    host::RegisterLibraryExpert(ZntAddIn);
}

void Initialize() {
    host::RegisterControlClasses();
    RegisterTranslatorClasses();
}

void Finalize() {
    if (TZFormSplash* Splash = TZFormSplash::Current()) Splash->Free();
    ZntAddIn = nullptr;
}

} // namespace Znt

} // namespace zantor
