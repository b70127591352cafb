// Fixture for the window-layer tests: a clean layer per test and a window class whose procedure
// records every message it receives.
#pragma once

#include "host/winapi/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt_test {

struct TMsgRecord {
    host::HWND Wnd;
    host::UINT Msg;
    host::WPARAM WParam;
    host::LPARAM LParam;
};

// Class name of the recording windows.
inline constexpr const char* RecorderClass = "Recorder";

// Records the message, then hands it to DefWindowProcA.
host::LRESULT RecorderProc(host::HWND Wnd, host::UINT Msg, host::WPARAM WParam,
                           host::LPARAM LParam);
std::vector<TMsgRecord>& MessageLog();

class TWinApiTest : public ::testing::Test {
protected:
    TWinApiTest();

    // A visible-or-not top-level recording window at (X, Y) of size W x H.
    host::HWND Top(const char* Text, host::DWORD Style, int X = 100, int Y = 50, int W = 400,
                   int H = 300, host::HWND Owner = nullptr);
    // A child recording window (or of class Cls) with control identifier Id.
    host::HWND Child(host::HWND Parent, int Id, int X = 0, int Y = 0, int W = 50, int H = 20,
                     const char* Cls = RecorderClass, const char* Text = "");

    // Messages received by Wnd (all windows for null), in order; optionally only Msg.
    std::vector<TMsgRecord> Received(host::HWND Wnd, host::UINT Msg = 0) const;
    std::vector<host::UINT> MessagesOf(host::HWND Wnd) const;
    static std::string Text(host::HWND Wnd);

private:
    host::TWindowLayerGuard FGuard;
};

} // namespace zt_test
