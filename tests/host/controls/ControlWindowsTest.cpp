#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include "ControlsFixture.h"
#include "EventLog.h"
#include "TestUtil.h"

#include <cstring>

using namespace host;

namespace host {
// From host/winapi/Fonts.h (see ControlsFixture.h for why it is not included).
int GetObjectA(HGDIOBJ Object, int Size, LPVOID Buffer);
} // namespace host

namespace {

class ControlWindows : public ControlsTest {
protected:
    // A form with a panel holding a button, and an edit beside the panel.
    void SetUp() override {
        Form = new TForm(Application);
        Form->SetName("Form1");
        Form->SetCaption("Orders");
        Form->SetBounds(100, 50, 400, 300);
        Panel = Make<TPanel>("Panel1", Form);
        Panel->SetBounds(8, 8, 200, 100);
        Button = Make<TButton>("Button1", Panel);
        Button->SetBounds(10, 20, 75, 25);
        Button->SetCaption("OK");
        Button->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
        Edit = Make<TEdit>("Edit1", Form);
    }

    template <class T> T* Make(const char* Name, TWinControl* Parent) {
        auto* C = new T(Form);
        C->SetName(Name);
        C->SetParent(Parent);
        return C;
    }

    static String WindowText(HWND Wnd) {
        char Buffer[256] = {};
        GetWindowTextA(Wnd, Buffer, sizeof Buffer);
        return Buffer;
    }
    static String ClassOf(HWND Wnd) {
        char Buffer[64] = {};
        GetClassNameA(Wnd, Buffer, sizeof Buffer);
        return Buffer;
    }
    static RECT BoundsInParent(HWND Wnd) {
        RECT R;
        GetWindowRect(Wnd, &R);
        POINT P[2] = {{R.left, R.top}, {R.right, R.bottom}};
        MapWindowPoints(nullptr, GetParent(Wnd), P, 2);
        return {P[0].x, P[0].y, P[1].x, P[1].y};
    }

    TForm* Form = nullptr;
    TPanel* Panel = nullptr;
    TButton* Button = nullptr;
    TEdit* Edit = nullptr;
    TEventLog Log;
};

} // namespace

TEST_F(ControlWindows, WindowsAreMadeOnlyWhenAskedAndInsideTheirParentsWindows) {
    EXPECT_FALSE(Form->HandleAllocated());
    HWND B = Button->Handle();
    // Asking for the button's window made its parents' windows, and no others.
    ASSERT_TRUE(Panel->HandleAllocated());
    ASSERT_TRUE(Form->HandleAllocated());
    EXPECT_FALSE(Edit->HandleAllocated());
    EXPECT_EQ(GetParent(B), Panel->Handle());
    EXPECT_EQ(GetParent(Panel->Handle()), Form->Handle());
    EXPECT_EQ(GetAncestor(B, GA_ROOT), Form->Handle());
    EXPECT_EQ(Button->Handle(), B); // made once
    EXPECT_EQ(FindControl(B), Button);
    EXPECT_EQ(FindControl(Form->Handle()), Form);

    EXPECT_EQ(ClassOf(B), "BUTTON");
    EXPECT_EQ(ClassOf(Edit->Handle()), "EDIT");
    EXPECT_EQ(ClassOf(Panel->Handle()), "TPanel");
    EXPECT_EQ(ClassOf(Form->Handle()), "TForm");
    EXPECT_EQ(WindowText(B), "OK");
    EXPECT_EQ(WindowText(Form->Handle()), "Orders");
    EXPECT_EQ(BoundsInParent(B), (RECT{10, 20, 85, 45}));
    RECT FormRect;
    GetWindowRect(Form->Handle(), &FormRect);
    EXPECT_EQ(FormRect, (RECT{100, 50, 500, 350}));
    EXPECT_TRUE(GetWindowLongPtrA(B, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(GetWindowLongPtrA(Form->Handle(), GWL_STYLE) & WS_CHILD);

    auto* Loose = new TButton(Form);
    Loose->SetName("Loose");
    EXPECT_THROW_MSG(Loose->Handle(), EInvalidOperation, "Control 'Loose' has no parent window");
    EXPECT_FALSE(Loose->HandleAllocated());

    // Reading a form makes no window.
    auto* Read = new TForm(Application);
    ReadComponentFromText(WriteComponentToText(Form), Read);
    EXPECT_FALSE(Read->HandleAllocated());
    EXPECT_FALSE(static_cast<TWinControl*>(Read->FindComponent("Button1"))->HandleAllocated());
}

TEST_F(ControlWindows, TextsFollowTheWindowBothWays) {
    HWND B = Button->Handle();
    Button->SetCaption("&Go");
    EXPECT_EQ(WindowText(B), "&Go");
    SetWindowTextA(B, "Stop");
    EXPECT_EQ(Button->Caption(), "Stop");

    // The store may change a text; the window shows what was stored, and OnChange fires once.
    Edit->SetCharCase(ecUpperCase);
    Edit->SetOnChange(TNotifyEvent(&Log, &TEventLog::Change));
    HWND E = Edit->Handle();
    SetWindowTextA(E, "abc");
    EXPECT_EQ(Edit->Text(), "ABC");
    EXPECT_EQ(WindowText(E), "ABC");
    EXPECT_EQ(Log.Count("change Edit1"), 1);
    Edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(WindowText(E), "abc");
    EXPECT_EQ(Log.Count("change Edit1"), 2);

    auto* Memo = Make<TMemo>("Memo1", Form);
    HWND M = Memo->Handle();
    EXPECT_EQ(WindowText(M), "Memo1"); // a new memo's text follows its name
    Memo->Lines()->Clear();
    Memo->Lines()->Add("one");
    Memo->Lines()->Add("two");
    EXPECT_EQ(WindowText(M), "one\r\ntwo");
    SetWindowTextA(M, "a\r\nb\r\nc");
    EXPECT_EQ(Memo->Lines()->Count(), 3);
    EXPECT_EQ(Memo->Lines()->Strings(2), "c");

    // Without a window the text waits in the control for the next one.
    Button->DestroyHandle();
    Button->SetCaption("Later");
    EXPECT_FALSE(Button->HandleAllocated());
    EXPECT_EQ(WindowText(Button->Handle()), "Later");
}

TEST_F(ControlWindows, BoundsFontAndStatesFollowTheWindow) {
    HWND B = Button->Handle();
    Button->SetOnResize(TNotifyEvent(&Log, &TEventLog::Resize));
    Button->SetBounds(12, 14, 100, 30);
    EXPECT_EQ(BoundsInParent(B), (RECT{12, 14, 112, 44}));
    EXPECT_EQ(Log.Count("resize Button1"), 1);
    MoveWindow(B, 5, 6, 70, 20, true);
    EXPECT_EQ(Button->Left(), 5);
    EXPECT_EQ(Button->Top(), 6);
    EXPECT_EQ(Button->Width(), 70);
    EXPECT_EQ(Button->Height(), 20);
    EXPECT_EQ(Log.Count("resize Button1"), 2);

    // The window's font is made from the control's and replaced on every change.
    auto Font = [B] { return reinterpret_cast<HFONT>(SendMessageA(B, WM_GETFONT, 0, 0)); };
    const HFONT First = Font();
    ASSERT_NE(First, nullptr);
    Button->Font()->SetName("Arial");
    Button->Font()->SetStyle({fsBold});
    const HFONT Second = Font();
    EXPECT_NE(Second, First);
    EXPECT_EQ(GetObjectA(First, 0, nullptr), 0); // the old one was deleted
    unsigned char Log[60] = {};
    ASSERT_EQ(GetObjectA(Second, sizeof Log, Log), 60);
    EXPECT_STREQ(reinterpret_cast<const char*>(Log + 28), "Arial");
    std::int32_t Weight = 0;
    std::memcpy(&Weight, Log + 16, sizeof Weight);
    EXPECT_EQ(Weight, 700);
    std::int32_t Height = 0;
    std::memcpy(&Height, Log, sizeof Height);
    EXPECT_EQ(Height, -11);

    Button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(B));
    EnableWindow(B, true);
    EXPECT_TRUE(Button->Enabled());
    Form->Show();
    EXPECT_TRUE(IsWindowVisible(B));
    Button->Hide();
    EXPECT_FALSE(IsWindowVisible(B));
    Button->Show();
    EXPECT_TRUE(IsWindowVisible(B));
}

TEST_F(ControlWindows, ClicksArriveAsTheStandardControlsSendThem) {
    Button->SetModalResult(mrOk);
    HWND B = Button->Handle();
    SendMessageA(Panel->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(B));
    EXPECT_EQ(Log.Count("click Button1") + Log.Count("click Other"), 1);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    SendMessageA(B, BM_CLICK, 0, 0); // the button tells its parent, which tells it back
    EXPECT_EQ(Log.Count("click Button1") + Log.Count("click Other"), 2);
    Button->SetEnabled(false);
    SendMessageA(B, BM_CLICK, 0, 0);
    EXPECT_EQ(Log.Count("click Button1") + Log.Count("click Other"), 2);

    // Check boxes toggle, radio buttons check themselves and uncheck their siblings.
    auto* Check = Make<TCheckBox>("Check1", Form);
    SendMessageA(Check->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(Check->Checked());
    EXPECT_EQ(SendMessageA(Check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    auto* Radio1 = Make<TRadioButton>("Radio1", Form);
    auto* Radio2 = Make<TRadioButton>("Radio2", Form);
    Radio1->SetChecked(true);
    SendMessageA(Radio2->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(Radio2->Checked());
    EXPECT_FALSE(Radio1->Checked());
    EXPECT_EQ(SendMessageA(Radio1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Without windows the same messages work and make none.
    auto* Other = Make<TButton>("Other", Form);
    Other->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    Other->Perform(BM_CLICK);
    EXPECT_EQ(Log.Count("click Button1") + Log.Count("click Other"), 3);
    EXPECT_FALSE(Other->HandleAllocated());
}

TEST_F(ControlWindows, ShowingAFormMakesTheWindowsOfItsVisibleControls) {
    Edit->Hide();
    Form->Show();
    ASSERT_TRUE(Form->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_TRUE(Button->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(Button->Handle()));
    EXPECT_FALSE(Edit->HandleAllocated());
    Edit->Show();
    EXPECT_TRUE(IsWindowVisible(Edit->Handle()));
    // A control placed on a showing form shows at once.
    auto* Late = Make<TCheckBox>("Late", Panel);
    EXPECT_TRUE(Late->HandleAllocated());
    EXPECT_EQ(GetParent(Late->Handle()), Panel->Handle());
    // Moving a control to another parent takes its window along.
    HWND L = Late->Handle();
    Late->SetParent(Form);
    EXPECT_EQ(Late->Handle(), L);
    EXPECT_EQ(GetParent(L), Form->Handle());
    Form->Hide();
    EXPECT_FALSE(IsWindowVisible(Form->Handle()));
}

TEST_F(ControlWindows, WindowsGoWithTheirControls) {
    HWND F = Form->Handle();
    HWND B = Button->Handle();
    HWND P = Panel->Handle();
    Button->Free();
    EXPECT_FALSE(IsWindow(B));
    EXPECT_TRUE(IsWindow(P));

    // Destroying a window takes the children's windows along; the controls stay.
    Form->DestroyHandle();
    EXPECT_FALSE(IsWindow(F));
    EXPECT_FALSE(IsWindow(P));
    EXPECT_FALSE(Panel->HandleAllocated());
    EXPECT_EQ(FindControl(P), nullptr);
    EXPECT_NE(Panel->Handle(), P);

    // Someone else's DestroyWindow is noticed too.
    HWND E = Edit->Handle();
    DestroyWindow(E);
    EXPECT_FALSE(Edit->HandleAllocated());

    // A reset of the window layer leaves stale handles, which are replaced when asked for.
    ResetWindowLayer();
    EXPECT_TRUE(IsWindow(Panel->Handle()));
    Panel->Free();
    Form->Free();
}
