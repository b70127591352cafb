#include "WinApiTestSupport.h"

using namespace host;
using namespace zt_test;

namespace {

constexpr UINT FirstChildId = 0xFF00;

class MdiTest : public TWinApiTest {
protected:
    MdiTest() {
        Frame = Top("Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480);
        FrameMenu = CreateMenu();
        WindowMenu = CreatePopupMenu();
        AppendMenuA(WindowMenu, MF_STRING, 50, "&Tile");
        AppendMenuA(FrameMenu, MF_POPUP, UINT_PTR(WindowMenu), "&Window");
        SetMenu(Frame, FrameMenu);
        CLIENTCREATESTRUCT Ccs{WindowMenu, FirstChildId};
        Client = CreateWindowExA(WS_EX_CLIENTEDGE, WC_MDICLIENT, nullptr, WS_CHILD | WS_VISIBLE, 0,
                                 0, 600, 400, Frame, nullptr, HInstance(), &Ccs);
    }

    HWND NewChild(const char* Title) {
        return CreateWindowExA(WS_EX_MDICHILD, RecorderClass, Title,
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150, Client, nullptr,
                               HInstance(), nullptr);
    }

    std::vector<std::string> WindowMenuTexts() const {
        std::vector<std::string> Result;
        for (int I = 0; I < GetMenuItemCount(WindowMenu); ++I) {
            char Buffer[64];
            GetMenuStringA(WindowMenu, UINT(I), Buffer, sizeof Buffer, MF_BYPOSITION);
            Result.push_back(Buffer);
        }
        return Result;
    }

    HWND Active(BOOL* Maximized = nullptr) const {
        return reinterpret_cast<HWND>(
            SendMessageA(Client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(Maximized)));
    }

    HWND Frame = nullptr;
    HWND Client = nullptr;
    HMENU FrameMenu = nullptr;
    HMENU WindowMenu = nullptr;
};

} // namespace

TEST_F(MdiTest, ChildrenAreListedInTheWindowMenu) {
    ASSERT_TRUE(Client);
    const HWND Doc1 = NewChild("Report");
    const HWND Doc2 = NewChild("Letter");
    EXPECT_EQ(Active(), Doc2);
    EXPECT_EQ(WindowMenuTexts(), (std::vector<std::string>{"&Tile", "", "&1 Report", "&2 Letter"}));
    EXPECT_EQ(GetMenuItemID(WindowMenu, 3), FirstChildId + 1);
    EXPECT_EQ(GetMenuState(WindowMenu, 3, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);

    // The old child hears that it lost, the new one that it won.
    MessageLog().clear();
    SendMessageA(Client, WM_MDIACTIVATE, WPARAM(Doc1), 0);
    EXPECT_EQ(Active(), Doc1);
    const auto Lost = Received(Doc2, WM_MDIACTIVATE);
    const auto Won = Received(Doc1, WM_MDIACTIVATE);
    ASSERT_EQ(Lost.size(), 1u);
    ASSERT_EQ(Won.size(), 1u);
    EXPECT_EQ(Won[0].WParam, WPARAM(Doc2));
    EXPECT_EQ(Won[0].LParam, LPARAM(Doc1));
    EXPECT_EQ(GetFocus(), Doc1);

    SetWindowTextA(Doc1, "Bericht");
    EXPECT_EQ(WindowMenuTexts()[2], "&1 Bericht");
    DestroyWindow(Doc1);
    EXPECT_EQ(Active(), Doc2);
    EXPECT_EQ(WindowMenuTexts(), (std::vector<std::string>{"&Tile", "", "&1 Letter"}));
    SendMessageA(Client, WM_MDIDESTROY, WPARAM(Doc2), 0);
    EXPECT_FALSE(IsWindow(Doc2));
    EXPECT_EQ(WindowMenuTexts(), std::vector<std::string>{"&Tile"});
    EXPECT_EQ(Active(), nullptr);
}

TEST_F(MdiTest, SetMenuAndRefreshAreRecorded) {
    NewChild("One");
    const HMENU NewFrame = CreateMenu();
    const HMENU NewWindowMenu = CreatePopupMenu();
    AppendMenuA(NewFrame, MF_POPUP, UINT_PTR(NewWindowMenu), "&Fenster");
    ClearMdiCallLog();

    // The frame menu changes only when one is given; the list moves to the new window menu.
    EXPECT_EQ(SendMessageA(Client, WM_MDISETMENU, 0, LPARAM(NewWindowMenu)), LRESULT(FrameMenu));
    EXPECT_EQ(GetMenu(Frame), FrameMenu);
    EXPECT_EQ(GetMenuItemCount(WindowMenu), 1);
    EXPECT_EQ(GetMenuItemCount(NewWindowMenu), 2);
    EXPECT_EQ(SendMessageA(Client, WM_MDISETMENU, WPARAM(NewFrame), 0), LRESULT(FrameMenu));
    EXPECT_EQ(GetMenu(Frame), NewFrame);
    EXPECT_EQ(SendMessageA(Client, WM_MDIREFRESHMENU, 0, 0), LRESULT(NewFrame));
    EXPECT_EQ(GetMenuItemCount(NewWindowMenu), 2); // rebuilt, not appended twice

    const auto& Log = MdiCallLog();
    ASSERT_EQ(Log.size(), 3u);
    EXPECT_EQ(Log[0].Msg, WM_MDISETMENU);
    EXPECT_EQ(Log[0].WParam, 0u);
    EXPECT_EQ(Log[0].LParam, LPARAM(NewWindowMenu));
    EXPECT_EQ(Log[2].Msg, WM_MDIREFRESHMENU);
    EXPECT_EQ(Log[2].Client, Client);
}

TEST_F(MdiTest, MaximizedChildFillsTheClientArea) {
    const HWND Doc = NewChild("Doc");
    EXPECT_EQ(GetSystemMenu(Doc, false) != nullptr, true);
    char Buffer[32];
    GetMenuStringA(GetSystemMenu(Doc, false), SC_NEXTWINDOW, Buffer, sizeof Buffer, MF_BYCOMMAND);
    EXPECT_STREQ(Buffer, "Nex&t\tCtrl+F6");
    GetMenuStringA(GetSystemMenu(Doc, false), SC_CLOSE, Buffer, sizeof Buffer, MF_BYCOMMAND);
    EXPECT_STREQ(Buffer, "&Close\tCtrl+F4");

    MessageLog().clear();
    SendMessageA(Client, WM_MDIMAXIMIZE, WPARAM(Doc), 0);
    BOOL Maximized = false;
    EXPECT_EQ(Active(&Maximized), Doc);
    EXPECT_TRUE(Maximized);
    RECT Area;
    GetClientRect(Client, &Area);
    EXPECT_EQ(Area, (RECT{0, 0, 596, 396})); // inside the 2-pixel client edge
    const auto Sizes = Received(Doc, WM_SIZE);
    ASSERT_FALSE(Sizes.empty());
    EXPECT_EQ(Sizes.back().WParam, SIZE_MAXIMIZED);
    EXPECT_EQ(Sizes.back().LParam, MAKELPARAM(596, 396));

    // The maximized child follows the client when the frame resizes it.
    MoveWindow(Client, 0, 0, 500, 300, true);
    EXPECT_EQ(Received(Doc, WM_SIZE).back().LParam, MAKELPARAM(496, 296));
    SendMessageA(Client, WM_MDIRESTORE, WPARAM(Doc), 0);
    EXPECT_EQ(Received(Doc, WM_SIZE).back().LParam, MAKELPARAM(200 - 8, 150 - 8 - 19));
}

TEST_F(MdiTest, LongListsEndWithMoreWindows) {
    for (int I = 0; I < MDI_MOREWINDOWSLIMIT + 2; ++I)
        NewChild(("Doc" + std::to_string(I)).c_str());
    const auto Texts = WindowMenuTexts();
    ASSERT_EQ(Texts.size(), size_t(2 + MDI_MOREWINDOWSLIMIT + 1));
    EXPECT_EQ(Texts[2 + 8], "&9 Doc8");
    EXPECT_EQ(Texts.back(), "&More Windows...");
    SendMessageA(Client, WM_MDINEXT, 0, 0); // from the last child back to the first
    char Buffer[16];
    GetWindowTextA(Active(), Buffer, sizeof Buffer);
    EXPECT_STREQ(Buffer, "Doc0");
}
