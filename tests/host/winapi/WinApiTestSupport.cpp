#include "WinApiTestSupport.h"

using namespace host;

namespace zt_test {

std::vector<TMsgRecord>& MessageLog() {
    static std::vector<TMsgRecord> Log;
    return Log;
}

LRESULT RecorderProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    MessageLog().push_back({Wnd, Msg, WParam, LParam});
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

TWinApiTest::TWinApiTest() {
    MessageLog().clear();
    WNDCLASSA Class;
    Class.lpfnWndProc = RecorderProc;
    Class.lpszClassName = RecorderClass;
    RegisterClassA(&Class);
}

HWND TWinApiTest::Top(const char* Text, DWORD Style, int X, int Y, int W, int H, HWND Owner) {
    return CreateWindowExA(0, RecorderClass, Text, Style, X, Y, W, H, Owner, nullptr, HInstance(),
                           nullptr);
}

HWND TWinApiTest::Child(HWND Parent, int Id, int X, int Y, int W, int H, const char* Cls,
                        const char* Text) {
    return CreateWindowExA(0, Cls, Text, WS_CHILD | WS_VISIBLE, X, Y, W, H, Parent, ControlId(Id),
                           HInstance(), nullptr);
}

std::vector<TMsgRecord> TWinApiTest::Received(HWND Wnd, UINT Msg) const {
    std::vector<TMsgRecord> Result;
    for (const TMsgRecord& R : MessageLog())
        if ((!Wnd || R.Wnd == Wnd) && (!Msg || R.Msg == Msg)) Result.push_back(R);
    return Result;
}

std::vector<UINT> TWinApiTest::MessagesOf(HWND Wnd) const {
    std::vector<UINT> Result;
    for (const TMsgRecord& R : Received(Wnd))
        Result.push_back(R.Msg);
    return Result;
}

std::string TWinApiTest::Text(HWND Wnd) {
    char Buffer[256];
    GetWindowTextA(Wnd, Buffer, sizeof Buffer);
    return Buffer;
}

} // namespace zt_test
