#include "DisplayTestSupport.h"

#include "host/controls/DialogKeys.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Platform.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace host {
void ResetWindowLayer();
}

using namespace host;

namespace zt_test {

void TDisplayTest::SetUp() {
    FServer = std::make_unique<x11::TVirtualDisplay>();
    if (!FServer->Started()) GTEST_SKIP() << "Xvfb cannot be run here: " << FServer->Error();
    ResetWindowLayer();
    auto Platform = std::make_unique<x11::TX11Platform>(FServer->Name().c_str());
    FPlatform = Platform.get();
    SetPlatform(std::move(Platform));
    FInput = XOpenDisplay(FServer->Name().c_str());
    ASSERT_NE(FInput, nullptr);
    FApp = std::make_unique<TApplicationScope>();
}

void TDisplayTest::TearDown() {
    FApp.reset();
    ResetWindowLayer();
    if (FPlatform) SetPlatform(nullptr);
    FPlatform = nullptr;
    if (FInput) XCloseDisplay(FInput);
    FInput = nullptr;
    FServer.reset();
}

void TDisplayTest::HandlePending() {
    MSG Msg;
    for (int Left = 1000; Left > 0 && PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE); --Left) {
        if (Msg.message == WM_QUIT) break;
        if (!IsDialogKey(Msg)) DispatchMessageA(&Msg);
    }
}

bool TDisplayTest::PumpUntil(const std::function<bool()>& Done, int Ms) {
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(Ms);
    while (true) {
        HandlePending();
        if (Done()) return true;
        if (std::chrono::steady_clock::now() > Deadline) return false;
        // Timers run on the time that passes, as in the application's own loop.
        const auto Before = std::chrono::steady_clock::now();
        CurrentPlatform().WaitForInput(10);
        AdvanceClock(DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - Before)
                               .count()));
    }
}

void TDisplayTest::Settle() {
    for (int Round = 0; Round < 3; ++Round) {
        FPlatform->Sync();
        HandlePending();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void TDisplayTest::Click(POINT Screen) {
    XTestFakeMotionEvent(FInput, 0, Screen.x, Screen.y, 0);
    XTestFakeButtonEvent(FInput, 1, True, 0);
    XTestFakeButtonEvent(FInput, 1, False, 0);
    XSync(FInput, False);
}

POINT TDisplayTest::CenterOf(TControl& Control) {
    POINT P{Control.Width() / 2, Control.Height() / 2};
    if (auto* W = dynamic_cast<TWinControl*>(&Control)) {
        ClientToScreen(W->Handle(), &P);
    } else {
        P.x += Control.Left();
        P.y += Control.Top();
        ClientToScreen(Control.Parent()->Handle(), &P);
    }
    return P;
}

void TDisplayTest::ClickControl(TControl& Control) {
    Click(CenterOf(Control));
}

void TDisplayTest::PressKey(unsigned long Sym, bool Shift) {
    const KeyCode ShiftCode = XKeysymToKeycode(FInput, XK_Shift_L);
    const KeyCode Code = XKeysymToKeycode(FInput, Sym);
    if (Shift) XTestFakeKeyEvent(FInput, ShiftCode, True, 0);
    XTestFakeKeyEvent(FInput, Code, True, 0);
    XTestFakeKeyEvent(FInput, Code, False, 0);
    if (Shift) XTestFakeKeyEvent(FInput, ShiftCode, False, 0);
    XSync(FInput, False);
}

void TDisplayTest::TypeText(const std::string& Ascii) {
    for (char C : Ascii) {
        const bool Upper = C >= 'A' && C <= 'Z';
        PressKey(XStringToKeysym(std::string(1, Upper ? char(C - 'A' + 'a') : C).c_str()), Upper);
    }
}

void TDisplayTest::ExpectScreenshot(HWND Wnd, const std::string& Name) {
    const std::filesystem::path Reference =
        std::filesystem::path(ZT_TEST_DATA_DIR) / "screenshots" / (Name + ".png");
    const std::filesystem::path Shot =
        std::filesystem::temp_directory_path() / ("zantor-" + Name + ".png");
    ASSERT_TRUE(FPlatform->CapturePng(Wnd, Shot.string()));
    const char* Update = std::getenv("ZANTOR_UPDATE_SCREENSHOTS");
    if (Update && *Update == '1') {
        std::filesystem::copy_file(Shot, Reference,
                                   std::filesystem::copy_options::overwrite_existing);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(Reference))
        << "no reference picture " << Reference << "; make it with scripts/refresh-screenshots";
    // Font hinting may move a few pixels between font versions; a changed layout moves many.
    EXPECT_LE(PngDifference(Shot.string(), Reference.string()), 0.01)
        << Name << ": the capture " << Shot << " differs from " << Reference;
}

double PngDifference(const std::string& A, const std::string& B, int Threshold) {
    cairo_surface_t* Sa = cairo_image_surface_create_from_png(A.c_str());
    cairo_surface_t* Sb = cairo_image_surface_create_from_png(B.c_str());
    double Result = 1.0;
    const int W = cairo_image_surface_get_width(Sa), H = cairo_image_surface_get_height(Sa);
    if (cairo_surface_status(Sa) == CAIRO_STATUS_SUCCESS &&
        cairo_surface_status(Sb) == CAIRO_STATUS_SUCCESS &&
        W == cairo_image_surface_get_width(Sb) && H == cairo_image_surface_get_height(Sb) &&
        W > 0 && H > 0) {
        long Different = 0;
        const unsigned char* Pa = cairo_image_surface_get_data(Sa);
        const unsigned char* Pb = cairo_image_surface_get_data(Sb);
        const int StrideA = cairo_image_surface_get_stride(Sa),
                  StrideB = cairo_image_surface_get_stride(Sb);
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                for (int C = 0; C < 3; ++C)
                    if (std::abs(int(Pa[Y * StrideA + X * 4 + C]) -
                                 int(Pb[Y * StrideB + X * 4 + C])) > Threshold) {
                        ++Different;
                        break;
                    }
        Result = double(Different) / double(W * H);
    }
    cairo_surface_destroy(Sa);
    cairo_surface_destroy(Sb);
    return Result;
}

} // namespace zt_test
