// Actions, action lists and the clients linked to them.
#include "ControlsFixture.h"
#include "TestUtil.h"

#include "host/classes/Filer.h"
#include "host/controls/ActnList.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/ClassBuilder.h"

using namespace host;

namespace {

class Actions : public ControlsTest {
protected:
    TForm* Form = new TForm(Application);
    TActionList* List = new TActionList(Form);
    TAction* Save = NewAction("SaveAction", "&Save");

    TAction* NewAction(const String& Name, const String& Caption) {
        auto* A = new TAction(Form);
        A->SetName(Name);
        A->SetCaption(Caption);
        A->SetActionList(List);
        return A;
    }
};

class TCounter : public TObject {
    ZT_CLASS(TCounter, TObject)
public:
    int Count = 0;
    void Executed(TObject*) { ++Count; }
};

} // namespace

TClass TCounter::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCounter>("TCounter");
    return &Info;
}

TEST_F(Actions, LinkedClientsTakeTheActionsStateAndFollowItsChanges) {
    auto* Button = new TButton(Form);
    Button->SetParent(Form);
    Button->SetCaption("Button1");
    auto* Item = new TMenuItem(Form);
    Save->SetHint("Saves");
    Button->SetAction(Save);
    Item->SetAction(Save);
    EXPECT_EQ(Button->Caption(), "&Save");
    EXPECT_EQ(Button->Hint(), "Saves");
    EXPECT_EQ(Item->Caption(), "&Save");
    Save->SetCaption("Save &as");
    Save->SetEnabled(false);
    Save->SetChecked(true);
    EXPECT_EQ(Button->Caption(), "Save &as");
    EXPECT_FALSE(Button->Enabled());
    EXPECT_EQ(Item->Caption(), "Save &as");
    EXPECT_FALSE(Item->Enabled());
    EXPECT_TRUE(Item->Checked());
    EXPECT_EQ(Save->ClientCount(), 2);
}

TEST_F(Actions, ClickingAClientExecutesTheActionAndAutoCheckToggles) {
    TCounter Counter;
    Save->SetOnExecute(TNotifyEvent(&Counter, &TCounter::Executed));
    Save->SetAutoCheck(true);
    auto* Button = new TButton(Form);
    Button->SetParent(Form);
    Button->SetAction(Save);
    auto* Item = new TMenuItem(Form);
    Item->SetAction(Save);
    Button->Click();
    Item->Click();
    EXPECT_EQ(Counter.Count, 2);
    EXPECT_FALSE(Save->Checked()); // toggled twice
    Save->SetEnabled(false);
    Item->Click();
    EXPECT_EQ(Counter.Count, 2);
}

TEST_F(Actions, CheckingAnActionOfAGroupUnchecksTheOthers) {
    TAction* Other = NewAction("OtherAction", "Other");
    Save->SetGroupIndex(3);
    Other->SetGroupIndex(3);
    Save->SetChecked(true);
    Other->SetChecked(true);
    EXPECT_FALSE(Save->Checked());
    EXPECT_TRUE(Other->Checked());
}

TEST_F(Actions, FreeingTheActionUnlinksItsClients) {
    auto* Button = new TButton(Form);
    Button->SetParent(Form);
    Button->SetAction(Save);
    Save->Free();
    EXPECT_EQ(Button->Action(), nullptr);
    EXPECT_EQ(List->ActionCount(), 0);
    Button->Click(); // nothing to execute, no crash
    EXPECT_EQ(Button->Caption(), "&Save");
}

TEST_F(Actions, TheFormFileHoldsOnlyWhatClientsDoNotTakeFromTheAction) {
    const char* Text = "object Form2: TForm\n"
                       "  object Button1: TButton\n"
                       "    Action = OpenAction\n"
                       "  end\n"
                       "  object Button2: TButton\n"
                       "    Action = OpenAction\n"
                       "    Caption = 'Own'\n"
                       "  end\n"
                       "  object ActionList1: TActionList\n"
                       "    object OpenAction: TAction\n"
                       "      Category = 'File'\n"
                       "      Caption = '&Open'\n"
                       "      OnExecute = Missing\n"
                       "    end\n"
                       "  end\n"
                       "end\n";
    auto* F = new TForm(Application);
    EXPECT_THROW(ReadComponentFromText(Text, F), EReadError); // an unknown handler is an error
    F->Free();
    String Clean = Text;
    Clean.erase(Clean.find("      OnExecute = Missing\n"), 26);
    auto* G = new TForm(Application);
    ReadComponentFromText(Clean, G);
    EXPECT_EQ(static_cast<TButton*>(G->FindComponent("Button1"))->Caption(), "&Open");
    EXPECT_EQ(static_cast<TButton*>(G->FindComponent("Button2"))->Caption(), "Own");
    auto* A = static_cast<TAction*>(G->FindComponent("OpenAction"));
    EXPECT_EQ(A->ActionList(), G->FindComponent("ActionList1"));
    EXPECT_EQ(A->Category(), "File");
    String Written = WriteComponentToText(G);
    EXPECT_EQ(Written.find("Caption = '&Open'"), Written.rfind("Caption = '&Open'")) << Written;
    EXPECT_NE(Written.find("Caption = 'Own'"), String::npos);
    EXPECT_NE(Written.find("    object OpenAction: TAction"), String::npos) << Written;
    auto* H = new TForm(new TComponent(Application));
    ReadComponentFromText(Written, H);
    EXPECT_EQ(WriteComponentToText(H), Written);
}
