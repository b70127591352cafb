#include "WinApiTestSupport.h"

#include <cctype>

using namespace host;
using namespace zt_test;

namespace {

WNDPROC OuterPrevious = nullptr;
WNDPROC InnerPrevious = nullptr;
std::vector<std::string> Calls;

// Upper-cases texts on their way in, then forwards.
LRESULT UpperProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    Calls.push_back("inner");
    if (Msg == WM_SETTEXT && LParam) {
        std::string Upper(reinterpret_cast<const char*>(LParam));
        for (char& C : Upper)
            C = char(std::toupper(static_cast<unsigned char>(C)));
        return CallWindowProcA(InnerPrevious, Wnd, Msg, WParam, LPARAM(Upper.c_str()));
    }
    return CallWindowProcA(InnerPrevious, Wnd, Msg, WParam, LParam);
}

// Swallows message 0x052C and answers 1, forwards everything else.
LRESULT OuterProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    Calls.push_back("outer");
    if (Msg == 0x052C) return 1;
    return CallWindowProcA(OuterPrevious, Wnd, Msg, WParam, LParam);
}

class WindowProcTest : public TWinApiTest {
protected:
    WindowProcTest() { Calls.clear(); }
};

} // namespace

TEST_F(WindowProcTest, SubclassChainForwardsAndRestores) {
    const HWND Dlg = CreateWindowExA(0, WC_DIALOG, "Open", WS_POPUP | WS_CAPTION, 0, 0, 200, 100,
                                     nullptr, nullptr, HInstance(), nullptr);
    ASSERT_TRUE(Dlg);
    const LONG_PTR Original = GetWindowLongPtrA(Dlg, GWL_WNDPROC);
    EXPECT_EQ(LongToProc(Original), &DefWindowProcA);

    InnerPrevious = LongToProc(SetWindowLongPtrA(Dlg, GWL_WNDPROC, ProcToLong(UpperProc)));
    OuterPrevious = LongToProc(SetWindowLongA(Dlg, GWL_WNDPROC, ProcToLong(OuterProc)));
    EXPECT_EQ(InnerPrevious, &DefWindowProcA);
    EXPECT_EQ(OuterPrevious, &UpperProc);

    SetWindowTextA(Dlg, "save as");
    EXPECT_EQ(Text(Dlg), "SAVE AS");
    EXPECT_EQ(SendMessageA(Dlg, 0x052C, 0, 0), 1);
    EXPECT_EQ(Calls, (std::vector<std::string>{"outer", "inner", "outer", "inner", "outer"}));

    // Taking the outer subclass off restores the inner one exactly.
    EXPECT_EQ(LongToProc(SetWindowLongPtrA(Dlg, GWL_WNDPROC, ProcToLong(OuterPrevious))),
              &OuterProc);
    Calls.clear();
    EXPECT_EQ(SendMessageA(Dlg, 0x052C, 0, 0), 0);
    EXPECT_EQ(Calls, std::vector<std::string>{"inner"});
    EXPECT_EQ(CallWindowProcA(nullptr, Dlg, WM_SETTEXT, 0, 0), 0);
}

TEST_F(WindowProcTest, WindowValuesAndExtraBytes) {
    const HWND Dlg = CreateWindowExA(WS_EX_DLGMODALFRAME, WC_DIALOG, "", WS_POPUP, 0, 0, 10, 10,
                                     nullptr, nullptr, HInstance(), nullptr);
    const HWND Edit = Child(Dlg, 1152, 0, 0, 10, 10, WC_EDIT);
    EXPECT_EQ(GetWindowLongPtrA(Edit, GWL_ID), 1152);
    EXPECT_EQ(SetWindowLongPtrA(Edit, GWL_ID, 1153), 1152);
    EXPECT_EQ(GetDlgCtrlID(Edit), 1153);
    EXPECT_EQ(GetWindowLongPtrA(Edit, GWL_HWNDPARENT), LONG_PTR(Dlg));
    EXPECT_EQ(DWORD(GetWindowLongPtrA(Edit, GWL_STYLE)), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(DWORD(GetWindowLongPtrA(Dlg, GWL_EXSTYLE)), WS_EX_DLGMODALFRAME);
    EXPECT_EQ(SetWindowLongPtrA(Dlg, GWL_USERDATA, 77), 0);
    EXPECT_EQ(GetWindowLongPtrA(Dlg, GWL_USERDATA), 77);

    // The dialog class carries DLGWINDOWEXTRA bytes; the last slot that fits is usable.
    EXPECT_EQ(SetWindowLongPtrA(Dlg, DWLP_USER, 0x1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(Dlg, DWLP_USER), 0x1234);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(Dlg, DLGWINDOWEXTRA), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    EXPECT_EQ(GetWindowLongPtrA(Edit, 0), 0); // edits have no extra bytes
    EXPECT_EQ(GetWindowLongPtrA(Dlg, -99), 0);
}

TEST_F(WindowProcTest, ClassesRegisterOnceAndIgnoreCase) {
    WNDCLASSA Class;
    Class.lpfnWndProc = RecorderProc;
    Class.lpszClassName = "recorder";
    EXPECT_EQ(RegisterClassA(&Class), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    Class.lpszClassName = "TMyForm";
    const ATOM Atom = RegisterClassA(&Class);
    ASSERT_NE(Atom, 0);

    const HWND ByAtom = CreateWindowExA(0, reinterpret_cast<LPCSTR>(std::uintptr_t(Atom)), "",
                                        WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    char Name[4];
    EXPECT_EQ(GetClassNameA(ByAtom, Name, sizeof Name), 3);
    EXPECT_STREQ(Name, "TMy");
    EXPECT_FALSE(UnregisterClassA("TMYFORM", nullptr)); // a window still uses it
    DestroyWindow(ByAtom);
    EXPECT_TRUE(UnregisterClassA("TMYFORM", nullptr));
    EXPECT_FALSE(UnregisterClassA("BUTTON", nullptr));
    EXPECT_FALSE(CreateWindowExA(0, "TMyForm", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}
