// Fixture of the controls tests: a fresh window layer, application and scripted UI driver per
// test, all undone even when an assertion fails.
#pragma once

#include "host/controls/Application.h"
#include "host/controls/Controls.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/winapi/WinApi.h"

#include <gtest/gtest.h>

// A control of class T named Name, owned by Owner and shown in Parent.
template <class T>
T* MakeControl(host::TComponent* Owner, const char* Name, host::TWinControl* Parent) {
    auto* C = new T(Owner);
    C->SetName(Name);
    C->SetParent(Parent);
    return C;
}

class ControlsTest : public ::testing::Test {
protected:
    host::TWindowLayerGuard WindowLayer; // made first, gone last
    host::TApplicationScope App;
    host::TScriptedUiDriver Driver;
    host::TUiDriverGuard DriverGuard{Driver};
};
