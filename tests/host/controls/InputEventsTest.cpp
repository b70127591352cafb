// Multi-select lists, edit selections, key, focus and mouse events, and hints: what the person's
// messages do to the controls the editor forms are built from.
#include "host/classes/StringList.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/Windows.h"

#include "ControlsFixture.h"
#include "EventLog.h"
#include "TestUtil.h"

using namespace host;

namespace {

struct THandlers : TObject {
    std::vector<String> Keys;
    void KeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
        Keys.push_back(As<TComponent>(Sender)->Name() + " " + std::to_string(Key) +
                       (Shift.Contains(ssCtrl) ? " ctrl" : ""));
        if (Key == WORD(VK_ESCAPE)) Key = 0; // eaten
    }
    void KeyPress(TObject*, char& Ch) {
        if (Ch == 'x') Ch = 0;
    }
    void MouseMove(TObject* Sender, TShiftState, int X, int Y) {
        Keys.push_back("move " + As<TComponent>(Sender)->Name() + " " + std::to_string(X) + "," +
                       std::to_string(Y));
    }
    void Enter(TObject* S) { Keys.push_back("enter " + As<TComponent>(S)->Name()); }
    void Exit(TObject* S) { Keys.push_back("exit " + As<TComponent>(S)->Name()); }
};

class InputEvents : public ControlsTest {
protected:
    void SetUp() override {
        Form = new TForm(Application);
        Form->SetName("Form1");
        Form->SetBounds(0, 0, 400, 300);
        List = MakeControl<TListBox>(Form, "List1", Form);
        List->SetBounds(8, 8, 150, 200);
        Memo = MakeControl<TMemo>(Form, "Memo1", Form);
        Memo->SetBounds(170, 8, 200, 100);
        Form->Show();
    }

    TForm* Form = nullptr;
    TListBox* List = nullptr;
    TMemo* Memo = nullptr;
    TEventLog Log;
    THandlers H;
};

TEST_F(InputEvents, AMultiSelectListKeepsItsSelectionByTextAcrossChangesOfItsItems) {
    List->SetSorted(true);
    List->SetMultiSelect(true);
    for (const char* S : {"Caption", "Hint", "Text", "Width"})
        List->Items()->Add(S);
    List->SetOnClick(TNotifyEvent(&Log, &TEventLog::Click));
    HWND L = List->Handle();
    List->Pick(1); // Hint alone
    List->PickToggle(3);
    EXPECT_EQ(SendMessageA(L, LB_SETSEL, 1, 0), 0); // and Caption
    EXPECT_EQ(SendMessageA(L, LB_GETSELCOUNT, 0, 0), 3);
    EXPECT_EQ(Log.Count("click List1"), 2);
    EXPECT_EQ(List->ItemIndex(), 3);
    List->Items()->Add("Align"); // sorts in first
    List->Items()->Delete(2);    // Hint
    EXPECT_EQ(List->Items()->CommaText(), "Align,Caption,Text,Width");
    std::vector<bool> Sel;
    for (int I = 0; I < List->Items()->Count(); ++I)
        Sel.push_back(List->Selected(I));
    EXPECT_EQ(Sel, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(SendMessageA(L, LB_GETSEL, 3, 0), 1);
    // A Ctrl+click toggles one item; a plain click selects it alone.
    List->PickToggle(1);
    EXPECT_FALSE(List->Selected(1));
    List->Pick(0);
    EXPECT_EQ(List->SelCount(), 1);
    EXPECT_TRUE(List->Selected(0));
    EXPECT_THROW_MSG((void)List->Selected(9), EListError, "List index out of bounds (9)");
    List->ClearSelection();
    EXPECT_EQ(List->SelCount(), 0);
    // A single-select list answers with its ItemIndex.
    List->SetMultiSelect(false);
    List->SetItemIndex(2);
    EXPECT_TRUE(List->Selected(2));
    EXPECT_EQ(List->SelCount(), 1);
    EXPECT_EQ(SendMessageA(L, LB_GETSELCOUNT, 0, 0), LB_ERR);
}

TEST_F(InputEvents, TheSelectionOfAMemoDecidesWhereTypedTextGoesAndTabsGoInWhenWanted) {
    HWND M = Memo->Handle();
    Memo->SetText("abcdef");
    Memo->SetSelStart(2);
    Memo->SetSelLength(3);
    EXPECT_EQ(Memo->SelText(), "cde");
    DWORD From = 0, To = 0;
    SendMessageA(M, EM_GETSEL, WPARAM(&From), LPARAM(&To));
    EXPECT_EQ(From, 2u);
    EXPECT_EQ(To, 5u);
    SendMessageA(M, WM_CHAR, 'X', 0);
    EXPECT_EQ(Memo->Text(), "abXf");
    EXPECT_EQ(Memo->SelStart(), 3);
    EXPECT_EQ(Memo->SelLength(), 0);
    SendMessageA(M, WM_CHAR, '\t', 0);
    EXPECT_EQ(Memo->Text(), "abXf"); // tabs move focus unless wanted
    Memo->SetWantTabs(true);
    SendMessageA(M, WM_CHAR, '\t', 0);
    EXPECT_EQ(Memo->Text(), "abX\tf");
    SendMessageA(M, EM_SETSEL, 0, -1);
    EXPECT_EQ(Memo->SelText(), "abX\tf");
    Memo->SetSelStart(99); // kept within the text
    EXPECT_EQ(Memo->SelStart(), 5);
    Memo->SetSelStart(0);
    SendMessageA(M, WM_CHAR, 'Z', 0);
    EXPECT_EQ(Memo->Text(), "ZabX\tf");
}

TEST_F(InputEvents, KeyHandlersSeeKeysFirstAndFocusChangesFireEnterAndExit) {
    HWND M = Memo->Handle();
    HWND L = List->Handle();
    Memo->SetOnKeyDown(TKeyEvent(&H, &THandlers::KeyDown));
    Memo->SetOnKeyPress(TKeyPressEvent(&H, &THandlers::KeyPress));
    Memo->SetOnEnter(TNotifyEvent(&H, &THandlers::Enter));
    Memo->SetOnExit(TNotifyEvent(&H, &THandlers::Exit));
    List->SetOnMouseMove(TMouseMoveEvent(&H, &THandlers::MouseMove));
    SetFocus(M);
    SendMessageA(M, WM_KEYDOWN, VK_HOME, 0);
    SendMessageA(M, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(M, WM_CHAR, 'a', 0);
    SendMessageA(M, WM_CHAR, 'x', 0); // taken away by the handler
    SetFocus(L);
    SendMessageA(L, WM_MOUSEMOVE, 0, MAKELPARAM(5, 17));
    EXPECT_EQ(Memo->Text(), "aMemo1"); // Home reached the memo, "x" did not
    EXPECT_EQ(H.Keys, (std::vector<String>{"enter Memo1", "Memo1 36", "Memo1 27", "exit Memo1",
                                           "move List1 5,17"}));
}

TEST_F(InputEvents, AHintShowsForTheControlUnderTheMouseAndCancellingLetsTheNewTextShow) {
    List->SetHint("first|long help");
    List->SetShowHint(true);
    Memo->SetHint("memo");
    HWND L = List->Handle();
    SendMessageA(L, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Application->ShownHint(), "first");
    List->SetHint("second");
    SendMessageA(L, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
    EXPECT_EQ(Application->ShownHint(), "first"); // still the hint shown
    Application->CancelHint();
    EXPECT_EQ(Application->ShownHint(), "");
    SendMessageA(L, WM_MOUSEMOVE, 0, MAKELPARAM(5, 31));
    EXPECT_EQ(Application->ShownHint(), "second");
    SendMessageA(Memo->Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(Application->ShownHint(), ""); // ShowHint is off there
    EXPECT_EQ(Application->HintControl(), Memo);
    Memo->Free();
    EXPECT_EQ(Application->HintControl(), nullptr);
}

} // namespace
