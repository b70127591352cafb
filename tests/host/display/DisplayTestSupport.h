// Fixture for tests on a real X display: a private Xvfb started for the test (the test is
// skipped, saying why, when Xvfb cannot run), the X11 platform installed on it, an application,
// and a second X connection that plays the person through the XTest extension.
#pragma once

#include "host/controls/Application.h"
#include "host/winapi/x11/VirtualDisplay.h"
#include "host/winapi/x11/X11Platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

struct _XDisplay;

namespace zt_test {

class TDisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // Handles what is waiting, paint included, as the application's loop does.
    void HandlePending();
    // Handles messages (as the application's loop does) until Done is true or Ms pass.
    bool PumpUntil(const std::function<bool()>& Done, int Ms = 4000);
    // Handles everything pending and lets painting finish on the server.
    void Settle();

    // The person's actions, at screen points.
    void Click(host::POINT Screen);
    void ClickControl(host::TControl& Control);
    void PressKey(unsigned long KeySym, bool Shift = false);
    void TypeText(const std::string& Ascii);
    host::POINT CenterOf(host::TControl& Control);

    // Compares a capture of Wnd with tests/data/screenshots/Name.png; with
    // ZANTOR_UPDATE_SCREENSHOTS=1 in the environment it writes the reference instead.
    void ExpectScreenshot(host::HWND Wnd, const std::string& Name);

    std::unique_ptr<host::x11::TVirtualDisplay> FServer;
    host::x11::TX11Platform* FPlatform = nullptr;
    _XDisplay* FInput = nullptr;
    std::unique_ptr<host::TApplicationScope> FApp;
};

// Share of pixels (0..1) whose colour differs by more than Threshold in some channel; 1 when
// the sizes differ or a file cannot be read.
double PngDifference(const std::string& A, const std::string& B, int Threshold = 48);

} // namespace zt_test
