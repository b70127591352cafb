// Fixture of the controls tests: a fresh window layer, application and scripted UI driver per
// test, all undone even when an assertion fails.
#pragma once

#include "host/controls/Application.h"
#include "host/controls/ScriptedUiDriver.h"

#include <gtest/gtest.h>

namespace host {
// From host/winapi/WinApi.h, which cannot be included here: its font header's character-set
// constants share their names with those of host/controls/Graphics.h.
void ResetWindowLayer();
} // namespace host

// Resets the window layer when made and after everything else of the test has gone.
class TWindowLayerScope {
public:
    TWindowLayerScope() { host::ResetWindowLayer(); }
    ~TWindowLayerScope() { host::ResetWindowLayer(); }
    TWindowLayerScope(const TWindowLayerScope&) = delete;
    TWindowLayerScope& operator=(const TWindowLayerScope&) = delete;
};

class ControlsTest : public ::testing::Test {
protected:
    TWindowLayerScope WindowLayer;
    host::TApplicationScope App;
    host::TScriptedUiDriver Driver;
    host::TUiDriverGuard DriverGuard{Driver};
};
