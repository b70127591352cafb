// Fixture of the controls tests: a fresh application and a scripted UI driver per test,
// both undone even when an assertion fails.
#pragma once

#include "host/controls/Application.h"
#include "host/controls/ScriptedUiDriver.h"

#include <gtest/gtest.h>

class ControlsTest : public ::testing::Test {
protected:
    host::TApplicationScope App;
    host::TScriptedUiDriver Driver;
    host::TUiDriverGuard DriverGuard{Driver};
};
