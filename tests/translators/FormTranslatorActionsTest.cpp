// The form translator and actions: a translated action caption reaches every linked client.
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/controls/ActnList.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/ToolBars.h"

#include "TestUtil.h"

using namespace zantor;

namespace {

const char* const ActionForm = "object Form1: TForm\n"
                               "  Caption = 'Files'\n"
                               "  Menu = MainMenu1\n"
                               "  object Button1: TButton\n"
                               "    Action = OpenAction\n"
                               "  end\n"
                               "  object ToolBar1: TToolBar\n"
                               "    object ToolButton1: TToolButton\n"
                               "      Action = OpenAction\n"
                               "    end\n"
                               "  end\n"
                               "  object ActionList1: TActionList\n"
                               "    object OpenAction: TAction\n"
                               "      Caption = '&Open'\n"
                               "      Hint = 'Opens a file'\n"
                               "      ShortCut = 16463\n"
                               "    end\n"
                               "  end\n"
                               "  object MainMenu1: TMainMenu\n"
                               "    object FileMenu: TMenuItem\n"
                               "      Caption = '&File'\n"
                               "      object OpenItem: TMenuItem\n"
                               "        Action = OpenAction\n"
                               "      end\n"
                               "    end\n"
                               "  end\n"
                               "end\n";

} // namespace

class FormTranslatorActions : public ::testing::Test {
protected:
    FormTranslatorActions() { RegisterTranslatorClasses(); }
    host::TApplicationScope App;
};

TEST_F(FormTranslatorActions, TranslatedActionCaptionReachesLinkedClientsAndRestoreBringsItBack) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText(ActionForm, Form);
    auto* Button = static_cast<host::TButton*>(Form->FindComponent("Button1"));
    auto* Item = static_cast<host::TMenuItem*>(Form->FindComponent("OpenItem"));
    auto* Tool = static_cast<host::TToolButton*>(Form->FindComponent("ToolButton1"));
    ASSERT_EQ(Button->Caption(), "&Open");
    ASSERT_EQ(Item->Caption(), "&Open");
    ASSERT_EQ(Item->ShortCut(), 16463);
    ASSERT_EQ(Tool->Hint(), "Opens a file");

    auto* T = new TFormTranslator(Form);
    T->SetName("German");
    T->SetLocale(1031);
    T->SetTranslate(false);
    T->Translations()->SortInsert("OpenAction.Caption='\xC3\x96&ffnen'");
    T->Translations()->SortInsert("OpenAction.Hint='\xC3\x96"
                                  "ffnet eine Datei'");
    T->Translations()->SortInsert("OpenAction.ShortCut=16460");
    T->SetTranslate(true);
    EXPECT_EQ(Button->Caption(), "\xC3\x96&ffnen");
    EXPECT_EQ(Item->Caption(), "\xC3\x96&ffnen");
    EXPECT_EQ(Tool->Caption(), "\xC3\x96&ffnen");
    EXPECT_EQ(Button->Hint(), "\xC3\x96"
                              "ffnet eine Datei");
    EXPECT_EQ(Item->ShortCut(), 16460);

    T->SetTranslate(false);
    EXPECT_EQ(Button->Caption(), "&Open");
    EXPECT_EQ(Item->Caption(), "&Open");
    EXPECT_EQ(Tool->Caption(), "&Open");
    EXPECT_EQ(Item->Hint(), "Opens a file");
    EXPECT_EQ(Item->ShortCut(), 16463);
}

TEST_F(FormTranslatorActions, CollectWalkReachesActionTextsAndClientsShowingThem) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText(ActionForm, Form);
    auto* T = new TFormTranslator(Form);
    T->SetName("FT");
    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("OpenAction.Caption='&Open'"), 0);
    EXPECT_GE(Out.IndexOf("OpenAction.Hint='Opens a file'"), 0);
    EXPECT_GE(Out.IndexOf("OpenAction.ShortCut=16463"), 0);
    EXPECT_GE(Out.IndexOf("OpenItem.Caption='&Open'"), 0);
    EXPECT_GE(Out.IndexOf("ToolButton1.Caption='&Open'"), 0);
}
