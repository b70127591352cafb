#include "DisplayTestSupport.h"

#include "host/controls/DisplayUiDriver.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/NonClient.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <thread>

using namespace host;
using namespace zt_test;

namespace {

// The demo's main form in small: a name to greet, a default button, a memo, a check box and a
// Language menu whose French entry puts every text in French.
class TGreeter : public TObject {
public:
    TForm* Form = nullptr;
    TLabel* NameLabel = nullptr;
    TEdit* NameEdit = nullptr;
    TButton* GreetButton = nullptr;
    TButton* CloseButton = nullptr;
    TMemo* LogMemo = nullptr;
    TCheckBox* LoudCheck = nullptr;
    TMenuItem* LanguageItem = nullptr;
    int Changes = 0;

    explicit TGreeter(TComponent* Owner) {
        Form = new TForm(Owner);
        Form->SetName("MainForm");
        Form->SetCaption("Zantor demo");
        Form->SetBounds(200, 120, 480, 340);
        Form->SetColor(clBtnFace);
        auto* Menu = new TMainMenu(Form);
        LanguageItem = new TMenuItem(Form);
        LanguageItem->SetCaption("&Language");
        Menu->Items()->Add(LanguageItem);
        for (const char* Caption : {"English", "Fran\xC3\xA7"
                                               "ais"}) {
            auto* Entry = new TMenuItem(Form);
            Entry->SetCaption(Caption);
            Entry->SetOnClick(TNotifyEvent(this, &TGreeter::PickLanguage));
            LanguageItem->Add(Entry);
        }
        Form->SetMenu(Menu);
        NameLabel = Make<TLabel>(8, 14, 40, 13);
        NameEdit = Make<TEdit>(48, 10, 217, 21);
        NameEdit->SetText("World");
        NameEdit->SetOnChange(TNotifyEvent(this, &TGreeter::NameChanged));
        GreetButton = Make<TButton>(280, 8, 75, 25);
        GreetButton->SetDefault(true);
        GreetButton->SetOnClick(TNotifyEvent(this, &TGreeter::Greet));
        CloseButton = Make<TButton>(364, 8, 75, 25);
        CloseButton->SetCancel(true);
        CloseButton->SetOnClick(TNotifyEvent(this, &TGreeter::Closing));
        LogMemo = Make<TMemo>(8, 48, 456, 200);
        LogMemo->SetReadOnly(true);
        LogMemo->Lines()->Add("Welcome to the Zantor demo.");
        LoudCheck = Make<TCheckBox>(8, 260, 97, 17);
        NameLabel->SetFocusControl(NameEdit);
        English();
    }

    template <class T> T* Make(int X, int Y, int W, int H) {
        auto* C = new T(Form);
        C->SetParent(Form);
        C->SetBounds(X, Y, W, H);
        if (auto* Win = dynamic_cast<TWinControl*>(C)) Win->SetTabStop(true);
        return C;
    }

    void English() {
        Form->SetCaption("Zantor demo");
        NameLabel->SetCaption("&Name:");
        GreetButton->SetCaption("&Greet");
        CloseButton->SetCaption("Close");
        LoudCheck->SetCaption("&Loud");
    }
    void French() {
        Form->SetCaption("D\xC3\xA9mo Zantor");
        NameLabel->SetCaption("&Nom :");
        GreetButton->SetCaption("&Saluer");
        CloseButton->SetCaption("Fermer");
        LoudCheck->SetCaption("&Fort");
    }
    void PickLanguage(TObject* Sender) {
        if (static_cast<TMenuItem*>(Sender) == LanguageItem->Items(1))
            French();
        else
            English();
    }
    void Greet(TObject*) { LogMemo->Lines()->Add("Hello, " + NameEdit->Text() + "!"); }
    void Closing(TObject*) { LogMemo->Lines()->Add("closing"); }
    void NameChanged(TObject*) { ++Changes; }
};

// Ends whatever loop runs if a test's clicks went astray, so a failure cannot hang the run:
// Escape closes a menu, the close command a dialog.
void FailSafe(HWND, UINT, UINT_PTR Id, DWORD) {
    KillTimer(nullptr, Id);
    PostMessageA(nullptr, WM_KEYDOWN, VK_ESCAPE, 0);
    if (const HWND Active = GetActiveWindow()) PostMessageA(Active, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Timers play the person while a menu or dialog runs its own loop.
TDisplayTest* Person = nullptr;
POINT ClickAt;

void ClickLater(HWND, UINT, UINT_PTR Id, DWORD) {
    KillTimer(nullptr, Id);
    Person->Click(ClickAt);
}

// Clicks the "No" button of the active dialog.
void ClickNo(HWND, UINT, UINT_PTR Id, DWORD) {
    const HWND Dialog = GetActiveWindow();
    HWND Button = GetWindow(Dialog, GW_CHILD);
    for (; Button; Button = GetWindow(Button, GW_HWNDNEXT)) {
        char Text[32] = {};
        GetWindowTextA(Button, Text, sizeof Text);
        if (String(Text) == "&No") break;
    }
    if (!Button) return;
    KillTimer(nullptr, Id);
    RECT R;
    GetWindowRect(Button, &R);
    Person->Click({(R.left + R.right) / 2, (R.top + R.bottom) / 2});
}

class X11DisplayTest : public TDisplayTest {
protected:
    void SetUp() override {
        TDisplayTest::SetUp();
        if (IsSkipped()) return;
        G = std::make_unique<TGreeter>(Application);
        G->Form->Show();
        ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == G->Form->Handle(); }));
        Settle();
    }
    void TearDown() override {
        G.reset();
        TDisplayTest::TearDown();
    }
    String Focused() {
        TControl* C = FindControl(GetFocus());
        return C ? C->Name() + ":" + (dynamic_cast<TButton*>(C) ? "button" : "other") : "";
    }
    std::unique_ptr<TGreeter> G;
};

} // namespace

TEST_F(X11DisplayTest, LanguageMenuClickedWithTheMouseSwitchesTitleAndTexts) {
    EXPECT_EQ(FPlatform->XWindowName(G->Form->Handle()), "Zantor demo");
    // The menu bar item, then the French entry of the drop-down menu under it.
    RECT Item;
    ASSERT_TRUE(GetMenuBarItemRect(G->Form->Handle(), 0, &Item));
    Click({(Item.left + Item.right) / 2, (Item.top + Item.bottom) / 2});
    // The drop-down opens in its own loop; the test clicks its second entry from a timer.
    Person = this;
    ClickAt = {Item.left + 30, Item.bottom + 3 + 19 + 9};
    SetTimer(nullptr, 0, 300, &ClickLater);
    SetTimer(nullptr, 0, 8000, &FailSafe);
    ASSERT_TRUE(PumpUntil([&] { return G->Form->Caption() == "D\xC3\xA9mo Zantor"; }));
    Settle();
    EXPECT_EQ(FPlatform->XWindowName(G->Form->Handle()), "D\xC3\xA9mo Zantor");
    EXPECT_EQ(G->GreetButton->Caption(), "&Saluer");
    char Text[64] = {};
    GetWindowTextA(G->GreetButton->Handle(), Text, sizeof Text);
    EXPECT_STREQ(Text, "&Saluer");
}

TEST_F(X11DisplayTest, TypingReachesTheEditAndTabFollowsTheTabOrder) {
    ClickControl(*G->NameEdit);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == G->NameEdit->Handle(); }));
    // A click selects nothing: typed text goes after the caret at the end.
    TypeText("Ann");
    ASSERT_TRUE(PumpUntil([&] { return G->NameEdit->Text() == "WorldAnn"; }));
    EXPECT_EQ(G->Changes, 3);
    PressKey(XK_BackSpace);
    ASSERT_TRUE(PumpUntil([&] { return G->NameEdit->Text() == "WorldAn"; }));

    PressKey(XK_Tab);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == G->GreetButton->Handle(); }));
    PressKey(XK_Tab);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == G->CloseButton->Handle(); }));
    PressKey(XK_Tab, true);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == G->GreetButton->Handle(); }));
}

TEST_F(X11DisplayTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    ClickControl(*G->NameEdit);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == G->NameEdit->Handle(); }));
    PressKey(XK_Return);
    ASSERT_TRUE(PumpUntil([&] { return G->LogMemo->Lines()->Count() == 2; }));
    EXPECT_EQ(G->LogMemo->Lines()->Strings(1), "Hello, World!");
    PressKey(XK_Escape);
    ASSERT_TRUE(PumpUntil([&] { return G->LogMemo->Lines()->Count() == 3; }));
    EXPECT_EQ(G->LogMemo->Lines()->Strings(2), "closing");
    // A click on the check box toggles it.
    ClickControl(*G->LoudCheck);
    ASSERT_TRUE(PumpUntil([&] { return G->LoudCheck->Checked(); }));
}

TEST_F(X11DisplayTest, MessageDialogButtonClickedWithTheMouseEndsTheModalLoop) {
    TDisplayUiDriver Driver;
    TUiDriverGuard Guard(Driver);
    Person = this;
    SetTimer(nullptr, 0, 300, &ClickNo);
    SetTimer(nullptr, 0, 8000, &FailSafe);
    EXPECT_EQ(Driver.MessageDlg("Save the changes?", mtConfirmation, mbYesNoCancel), mrNo);
    // The main form works again once the dialog is gone.
    EXPECT_TRUE(IsWindowEnabled(G->Form->Handle()));
}

TEST_F(X11DisplayTest, ScreenshotsOfTheMainFormInEnglishAndFrench) {
    ExpectScreenshot(G->Form->Handle(), "MainForm-en");
    G->French();
    Settle();
    ExpectScreenshot(G->Form->Handle(), "MainForm-fr");
}

TEST_F(X11DisplayTest, ArabicAndJapaneseCaptionsAreDrawn) {
    auto* Form = new TForm(Application);
    Form->SetCaption("\xD9\x86\xD8\xB9\xD9\x85 / \xE3\x81\xAF\xE3\x81\x84");
    Form->SetBounds(100, 100, 260, 110);
    auto* Arabic = new TButton(Form);
    Arabic->SetParent(Form);
    Arabic->SetBounds(16, 16, 100, 25);
    Arabic->SetCaption("\xD9\x86\xD8\xB9\xD9\x85"); // "Yes"
    auto* Japanese = new TButton(Form);
    Japanese->SetParent(Form);
    Japanese->SetBounds(130, 16, 100, 25);
    Japanese->SetCaption("\xE3\x81\xAF\xE3\x81\x84(&Y)"); // "Yes (Y)"
    Form->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Form->Handle(); }));
    Settle();
    ExpectScreenshot(Form->Handle(), "ArabicJapaneseButtons");
}

TEST_F(X11DisplayTest, ClosedFormsLeaveNoWindowsAndALostDisplayIsAClearError) {
    const int Before = FPlatform->WindowCount();
    auto* Form = new TForm(Application);
    Form->SetBounds(10, 10, 100, 100);
    Form->Show();
    Settle();
    EXPECT_EQ(FPlatform->WindowCount(), Before + 1);
    Window Root, Parent;
    Window* Children = nullptr;
    unsigned Count = 0;
    XQueryTree(FInput, DefaultRootWindow(FInput), &Root, &Parent, &Children, &Count);
    XFree(Children);
    Form->Free();
    Settle();
    EXPECT_EQ(FPlatform->WindowCount(), Before);
    unsigned After = 0;
    XQueryTree(FInput, DefaultRootWindow(FInput), &Root, &Parent, &Children, &After);
    XFree(Children);
    EXPECT_EQ(After + 1, Count);

    // The server goes away: the application hears it as an error, not a crash.
    XCloseDisplay(FInput);
    FInput = nullptr;
    FServer->Stop();
    EXPECT_THROW(
        {
            for (int I = 0; I < 100; ++I) {
                CurrentPlatform().WaitForInput(20);
                CurrentPlatform().PumpInput();
            }
        },
        x11::EDisplayLost);
}
