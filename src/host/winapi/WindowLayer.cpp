// Reset of the whole window layer between tests.
#include "host/winapi/DeviceContext.h"
#include "host/winapi/WinApi.h"
#include "host/winapi/WinInternal.h"

namespace host {

void ResetWindowLayer() {
    // Hooks go first so that nothing below can call into a test's hook procedure.
    detail::ResetHooks();
    detail::ResetPainting();
    detail::ResetBrushes();
    detail::ResetInput();
    detail::ResetWindowStore();
    detail::ResetWindowClasses();
    detail::ResetMenus();
    detail::ResetFonts();
    detail::ResetTimers();
    detail::ResetMessageQueue();
    detail::ResetActivation();
    detail::ResetMdi();
    detail::ResetProcess();
}

} // namespace host
