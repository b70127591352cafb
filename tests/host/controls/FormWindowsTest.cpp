#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Mdi.h"
#include "host/winapi/Menus.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include "ControlsFixture.h"
#include "EventLog.h"
#include "TestUtil.h"

using namespace host;

namespace {

class FormWindows : public ControlsTest {
protected:
    TMenuItem* Item(TComponent* Owner, const char* Name, const char* Caption, TMenuItem* Parent) {
        auto* I = new TMenuItem(Owner);
        I->SetName(Name);
        I->SetCaption(Caption);
        I->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
        Parent->Add(I);
        return I;
    }

    static String MenuString(HMENU Menu, UINT Item, UINT Flags) {
        char Buffer[128] = {};
        GetMenuStringA(Menu, Item, Buffer, sizeof Buffer, Flags);
        return Buffer;
    }

    static std::vector<String> MenuStrings(HMENU Menu) {
        std::vector<String> Result;
        for (int i = 0; i < GetMenuItemCount(Menu); ++i)
            Result.push_back(MenuString(Menu, UINT(i), MF_BYPOSITION));
        return Result;
    }

    TEventLog Log;
};

} // namespace

TEST_F(FormWindows, AFormIsATopLevelWindowWithTheSystemMenu) {
    auto* Form = new TForm(Application);
    Form->SetName("Form1");
    Form->SetCaption("Orders");
    Form->SetBorderStyle(bsDialog);
    HWND Wnd = Form->Handle();
    EXPECT_EQ(GetParent(Wnd), nullptr);
    EXPECT_FALSE(GetWindowLongPtrA(Wnd, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongPtrA(Wnd, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(IsWindowVisible(Wnd)); // a hidden form's window stays hidden

    HMENU System = GetSystemMenu(Form->Handle(), false);
    ASSERT_NE(System, nullptr);
    EXPECT_EQ(MenuString(System, SC_CLOSE, MF_BYCOMMAND), "&Close\tAlt+F4");
    EXPECT_EQ(MenuString(System, SC_RESTORE, MF_BYCOMMAND), "&Restore");
    EXPECT_EQ(MenuString(System, SC_NEXTWINDOW, MF_BYCOMMAND), "");

    // A changed border remakes the window.
    Form->SetBorderStyle(bsSizeable);
    EXPECT_FALSE(IsWindow(Wnd));
    EXPECT_TRUE(GetWindowLongPtrA(Form->Handle(), GWL_STYLE) & WS_THICKFRAME);
}

TEST_F(FormWindows, TheWindowSizesTheFormAndSetsItsState) {
    auto* Form = new TForm(Application);
    Form->SetName("Form1");
    Form->SetOnActivate(TNotifyEvent(&Log, &TEventLog::Activate));
    Form->SetOnResize(TNotifyEvent(&Log, &TEventLog::Resize));
    Form->SetWindowState(wsMaximized); // kept until shown
    Form->SetBounds(10, 10, 400, 300);
    EXPECT_EQ(Form->Width(), 400);
    Form->Show();
    EXPECT_TRUE(IsZoomed(Form->Handle()));
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    EXPECT_EQ(Form->ClientWidth(), 1024);
    EXPECT_EQ(Log.Count("activate Form1"), 1);
    Form->SetWindowState(wsNormal);
    EXPECT_FALSE(IsZoomed(Form->Handle()));
    EXPECT_EQ(Form->Width(), 400);

    Log.Events.clear();
    MoveWindow(Form->Handle(), 20, 30, 500, 400, true);
    EXPECT_EQ(Form->Left(), 20);
    EXPECT_EQ(Form->Width(), 500);
    EXPECT_EQ(Log.Events, (std::vector<String>{"resize Form1"}));
    RECT Client;
    GetClientRect(Form->Handle(), &Client);
    EXPECT_EQ(Form->ClientWidth(), Client.right);
    EXPECT_EQ(Form->ClientHeight(), Client.bottom);
    Form->SetClientHeight(200);
    GetClientRect(Form->Handle(), &Client);
    EXPECT_EQ(Client.bottom, 200);

    // The person maximizing through the system menu is seen by the form.
    SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(Form->WindowState(), wsMinimized);

    // WM_CLOSE closes the form as Close does: hidden, window kept.
    SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Form->Visible());
    EXPECT_TRUE(IsWindow(Form->Handle()));
}

TEST_F(FormWindows, TheMenuBarDispatchesCommandsAndTakesClientSpace) {
    auto* Form = new TForm(Application);
    Form->SetName("Form1");
    Form->SetBounds(0, 0, 400, 300);
    auto* Menu = new TMainMenu(Form);
    Menu->SetName("MainMenu1");
    TMenuItem* File = Item(Form, "File", "&File", Menu->Items());
    TMenuItem* Open = Item(Form, "Open", "&Open", File);
    const int ClientHeight = Form->ClientHeight();
    Form->SetMenu(Menu);
    EXPECT_EQ(Form->Height(), 300); // the outer size stays
    EXPECT_EQ(Form->ClientHeight(), ClientHeight - GetSystemMetrics(SM_CYMENU));

    HWND Wnd = Form->Handle();
    EXPECT_EQ(GetMenu(Wnd), Menu->Handle());
    RECT Client;
    GetClientRect(Wnd, &Client);
    EXPECT_EQ(Client.bottom, Form->ClientHeight());
    SendMessageA(Wnd, WM_COMMAND, MAKEWPARAM(Open->Command(), 0), 0);
    EXPECT_EQ(Log.Events, (std::vector<String>{"click Open"}));
    File->SetCaption("&Datei");
    EXPECT_EQ(MenuString(GetMenu(Wnd), 0, MF_BYPOSITION), "&Datei");

    auto* Other = new TForm(Application);
    Other->SetName("Other");
    EXPECT_THROW_MSG(Other->SetMenu(Menu), EInvalidOperation,
                     "Menu 'MainMenu1' is already being used by another form");

    // The menu outlives the window; the window forgets a freed menu.
    HMENU Bar = Menu->Handle();
    Form->DestroyHandle();
    EXPECT_TRUE(IsMenu(Bar));
    Wnd = Form->Handle();
    EXPECT_EQ(GetMenu(Wnd), Bar);
    Menu->Free();
    EXPECT_EQ(Form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(Wnd), nullptr);
}

TEST_F(FormWindows, AnMdiFrameHoldsItsChildrenInItsClient) {
    TForm* Frame = nullptr;
    Application->CreateForm(Frame);
    Frame->SetName("Frame");
    Frame->SetFormStyle(fsMDIForm);
    auto* Menu = new TMainMenu(Frame);
    TMenuItem* Window = Item(Frame, "mnuWindow", "&Window", Menu->Items());
    Item(Frame, "Cascade", "&Cascade", Window);
    Frame->SetMenu(Menu);
    EXPECT_EQ(Frame->ClientHandle(), nullptr);
    Frame->Show();
    HWND Client = Frame->ClientHandle();
    ASSERT_NE(Client, nullptr);
    EXPECT_EQ(GetParent(Client), Frame->Handle());
    char ClassName[32] = {};
    GetClassNameA(Client, ClassName, sizeof ClassName);
    EXPECT_STREQ(ClassName, "MDICLIENT");

    ClearMdiCallLog();
    Frame->SetWindowMenu(Window);
    ASSERT_EQ(MdiCallLog().size(), 1u);
    EXPECT_EQ(MdiCallLog()[0].Msg, WM_MDISETMENU);
    EXPECT_EQ(MdiCallLog()[0].WParam, reinterpret_cast<WPARAM>(Menu->Handle()));
    EXPECT_EQ(MdiCallLog()[0].LParam, reinterpret_cast<LPARAM>(Window->Handle()));

    auto MakeChild = [&](const char* Name, const char* Caption, TWindowState State) {
        auto* Child = new TForm(Application);
        Child->SetName(Name);
        Child->SetCaption(Caption);
        Child->SetFormStyle(fsMDIChild);
        Child->SetWindowState(State);
        Child->SetOnActivate(TNotifyEvent(&Log, &TEventLog::Activate));
        Child->Handle();
        return Child;
    };
    TForm* Doc1 = MakeChild("Doc1", "Report", wsNormal);
    TForm* Doc2 = MakeChild("Doc2", "Letter", wsMaximized);
    EXPECT_TRUE(Doc1->Visible()); // MDI children show when made
    EXPECT_EQ(GetParent(Doc1->Handle()), Client);
    EXPECT_TRUE(GetWindowLongPtrA(Doc1->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_TRUE(IsZoomed(Doc2->Handle()));
    EXPECT_EQ(Frame->MDIChildCount(), 2);
    EXPECT_EQ(Frame->MDIChildren(0), Doc2); // the active one first
    EXPECT_EQ(Frame->ActiveMDIChild(), Doc2);
    EXPECT_THROW_MSG(Frame->MDIChildren(2), EListError, "List index out of bounds (2)");
    EXPECT_EQ(Log.Events, (std::vector<String>{"activate Doc1", "activate Doc2"}));
    EXPECT_EQ(MenuString(GetSystemMenu(Doc1->Handle(), false), SC_NEXTWINDOW, MF_BYCOMMAND),
              "Nex&t\tCtrl+F6");

    // The client lists the children in the window menu and follows their captions.
    EXPECT_EQ(MenuStrings(Window->Handle()),
              (std::vector<String>{"&Cascade", "", "&1 Report", "&2 Letter"}));
    Doc1->SetCaption("Summary");
    EXPECT_EQ(MenuStrings(Window->Handle()).at(2), "&1 Summary");
    // Items rebuilt under the list: the frame asks the client to list the children again.
    Item(Frame, "Tile", "&Tile", Window);
    EXPECT_EQ(MenuStrings(Window->Handle()),
              (std::vector<String>{"&Cascade", "&Tile", "", "&1 Summary", "&2 Letter"}));

    // An MDI child needs an MDI frame as the main form.
    Frame->SetFormStyle(fsNormal);
    auto* Orphan = new TForm(Application);
    Orphan->SetName("Orphan");
    Orphan->SetFormStyle(fsMDIChild);
    EXPECT_THROW_MSG(Orphan->Handle(), EInvalidOperation,
                     "Cannot create form. No MDI forms are currently active");
}
