// The standard classes that IDE-written forms use: reading, writing back the same, and the
// behaviour behind their properties.
#include "ControlsFixture.h"
#include "TestUtil.h"

#include "host/classes/Filer.h"
#include "host/controls/Buttons.h"
#include "host/controls/Db.h"
#include "host/controls/DbClient.h"
#include "host/controls/DbCtrls.h"
#include "host/controls/DbGrids.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/ExtEdits.h"
#include "host/controls/Forms.h"
#include "host/controls/Shapes.h"
#include "host/controls/Splitters.h"
#include "host/controls/Timer.h"
#include "host/controls/ToolBars.h"
#include "host/controls/TrackBars.h"
#include "host/controls/TreeViews.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Timers.h"

using namespace host;

namespace {

class StandardClasses : public ControlsTest {
protected:
    // Copies are owned apart from the originals, so that they keep the same names.
    TComponent* Copies = new TComponent(Application);

    TForm* Read(const String& Text, TComponent* Owner = nullptr) {
        auto* F = new TForm(Owner ? Owner : Application);
        ReadComponentFromText(Text, F);
        return F;
    }
    // Written, read into a fresh form and written again: the same text (line ends as "\n").
    String RoundTrip(TForm* Form) {
        String First = WriteComponentToText(Form);
        TForm* Copy = Read(First, Copies);
        String Second = WriteComponentToText(Copy);
        EXPECT_EQ(First, Second);
        std::erase(First, '\r');
        return First;
    }
};

const char* const LaterIdeForm = R"(object Form3: TForm
  Left = 10
  Top = 20
  Margins.Left = 5
  Constraints.MinWidth = 200
  HelpType = htKeyword
  HelpKeyword = 'main'
  PopupMode = pmAuto
  Position = poMainFormCenter
  VertScrollBar.Range = 210
  ClientHeight = 300
  ClientWidth = 400
  ExplicitWidth = 420
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 41
    Align = alTop
    AlignWithMargins = True
    Padding.Left = 4
    ParentBackground = False
    DoubleBuffered = True
    Constraints.MaxHeight = 60
    TabOrder = 0
    ExplicitWidth = 380
    DesignSize = (
      400
      41)
    object Button1: TButton
      Left = 300
      Top = 8
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Caption = 'Go'
      WordWrap = True
      TabOrder = 0
    end
  end
  object BitBtn1: TBitBtn
    Left = 8
    Top = 50
    Width = 75
    Height = 25
    Kind = bkClose
    NumGlyphs = 2
    TabOrder = 1
  end
  object SpeedButton1: TSpeedButton
    Left = 90
    Top = 50
    Width = 23
    Height = 22
    GroupIndex = 1
    Down = True
    Flat = True
    Glyph.Data = {0A000000}
  end
  object Shape1: TShape
    Left = 120
    Top = 50
    Width = 65
    Height = 65
    Brush.Style = bsClear
    Pen.Color = clRed
    Pen.Width = 2
    Shape = stCircle
  end
  object Splitter1: TSplitter
    Left = 0
    Top = 41
    Width = 3
    Height = 259
    Beveled = True
  end
  object TrackBar1: TTrackBar
    Left = 8
    Top = 120
    Width = 150
    Height = 45
    Max = 20
    Position = 15
    TabOrder = 2
    TickStyle = tsNone
  end
  object LabeledEdit1: TLabeledEdit
    Left = 8
    Top = 190
    Width = 121
    Height = 21
    EditLabel.Width = 50
    EditLabel.Height = 13
    EditLabel.Caption = 'Name'
    TabOrder = 3
    TextHint = 'your name'
  end
  object Timer1: TTimer
    Interval = 250
    Left = 200
    Top = 200
  end
end
)";

} // namespace

TEST_F(StandardClasses, LaterIdePropertiesReadAndWriteBack) {
    TForm* Form = Read(LaterIdeForm);
    EXPECT_EQ(Form->Margins()->Left(), 5);
    EXPECT_EQ(Form->Margins()->Top(), 3);
    EXPECT_EQ(Form->Position(), poMainFormCenter);
    EXPECT_EQ(Form->PopupMode(), pmAuto);
    EXPECT_EQ(Form->HelpType(), htKeyword);
    EXPECT_EQ(Form->VertScrollBar()->Range(), 210);
    EXPECT_EQ(Form->ExplicitWidth(), 420);
    auto* Panel = static_cast<TPanel*>(Form->FindComponent("Panel1"));
    EXPECT_EQ(Panel->Padding()->Left(), 4);
    EXPECT_TRUE(Panel->DoubleBuffered());
    EXPECT_FALSE(Panel->ParentDoubleBuffered());
    EXPECT_EQ(Panel->ExplicitWidth(), 380);
    ASSERT_TRUE(Panel->DesignSize().has_value());
    EXPECT_EQ(Panel->DesignSize()->x, 400);
    auto* BitBtn = static_cast<TBitBtn*>(Form->FindComponent("BitBtn1"));
    EXPECT_EQ(BitBtn->Caption(), "&Close");
    auto* Edit = static_cast<TLabeledEdit*>(Form->FindComponent("LabeledEdit1"));
    EXPECT_EQ(Edit->EditLabel()->Caption(), "Name");
    auto* Speed = static_cast<TSpeedButton*>(Form->FindComponent("SpeedButton1"));
    EXPECT_TRUE(Speed->Down());
    EXPECT_EQ(Speed->Glyph()->Data(), String("\x0A\x00\x00\x00", 4));
    EXPECT_EQ(static_cast<TTrackBar*>(Form->FindComponent("TrackBar1"))->Position(), 15);

    String Text = RoundTrip(Form);
    for (const char* Line :
         {"  Margins.Left = 5\n", "  Position = poMainFormCenter\n",
          "  VertScrollBar.Range = 210\n", "  ExplicitWidth = 420\n", "    Padding.Left = 4\n",
          "    ExplicitWidth = 380\n", "    Kind = bkClose\n", "    EditLabel.Caption = 'Name'\n",
          "    Pen.Color = clRed\n", "    Constraints.MaxHeight = 60\n"})
        EXPECT_NE(Text.find(Line), String::npos) << Line << Text;
    // The kind's own caption and modal result are not stored.
    EXPECT_EQ(Text.find("Caption = '&Close'"), String::npos) << Text;
    EXPECT_EQ(Text.find("ModalResult"), String::npos) << Text;
}

TEST_F(StandardClasses, ConstraintsKeepTheSizeWithinTheirLimits) {
    auto* Panel = new TPanel(nullptr);
    Panel->Constraints()->SetMinWidth(50);
    Panel->Constraints()->SetMaxHeight(30);
    Panel->SetBounds(0, 0, 10, 100);
    EXPECT_EQ(Panel->Width(), 50);
    EXPECT_EQ(Panel->Height(), 30);
    Panel->Constraints()->SetMaxWidth(40); // below the minimum: the minimum follows
    EXPECT_EQ(Panel->Constraints()->MinWidth(), 40);
    EXPECT_EQ(Panel->Width(), 40);
    Panel->Free();
}

TEST_F(StandardClasses, SpeedButtonsOfAGroupAreDownOneAtATime) {
    auto* Form = new TForm(Application);
    auto* A = new TSpeedButton(Form);
    auto* B = new TSpeedButton(Form);
    for (TSpeedButton* S : {A, B}) {
        S->SetParent(Form);
        S->SetGroupIndex(4);
    }
    A->Click();
    EXPECT_TRUE(A->Down());
    B->Click();
    EXPECT_TRUE(B->Down());
    EXPECT_FALSE(A->Down());
    B->Click(); // the last one stays down without AllowAllUp
    EXPECT_TRUE(B->Down());
}

TEST_F(StandardClasses, TreeNodesGoThroughTheirBinaryFormAndKeepTheirShape) {
    auto* Form = new TForm(Application);
    auto* Tree = new TTreeView(Form);
    Tree->SetName("Tree1");
    Tree->SetParent(Form);
    TTreeNode* Root = Tree->Items()->AddNode("Fruit");
    Tree->Items()->AddChild(Root, "Apple");
    TTreeNode* Pear = Tree->Items()->AddChild(Root, "Pear \xE2\x82\xAC");
    Tree->Items()->AddChild(Pear, "Nashi");
    Tree->Items()->AddNode("Vegetables");
    Tree->Items()->AddChild(Root, "Plum"); // goes after Pear's own children
    String Text = RoundTrip(Form);
    EXPECT_NE(Text.find("Items.NodeData = {"), String::npos) << Text;
    TForm* Copy = Read(Text, Copies);
    auto* Nodes = static_cast<TTreeView*>(Copy->FindComponent("Tree1"))->Items();
    ASSERT_EQ(Nodes->Count(), 6);
    const char* Expected[] = {"Fruit", "Apple", "Pear \xE2\x82\xAC", "Nashi", "Plum", "Vegetables"};
    const int Levels[] = {0, 1, 1, 2, 1, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Nodes->Items(i)->Text(), Expected[i]);
        EXPECT_EQ(Nodes->Items(i)->Level(), Levels[i]);
    }
    EXPECT_EQ(Nodes->Items(0)->Count(), 3);
    EXPECT_EQ(Nodes->Items(3)->Parent(), Nodes->Items(2));
}

TEST_F(StandardClasses, DamagedTreeNodeDataIsAReadError) {
    EXPECT_THROW(Read("object F: TForm\n  object T: TTreeView\n    Items.NodeData = "
                      "{0100000005000000}\n  end\nend\n"),
                 EReadError);
}

TEST_F(StandardClasses, TimersFireOnTheVirtualClockWhileEnabled) {
    struct TTicks : TObject {
        int Count = 0;
        void Tick(TObject*) { ++Count; }
    } Ticks;
    auto* Timer = new TTimer(nullptr);
    Timer->SetInterval(100);
    Timer->SetOnTimer(TNotifyEvent(&Ticks, &TTicks::Tick));
    EXPECT_TRUE(Timer->Running());
    Timer->SetEnabled(false);
    EXPECT_FALSE(Timer->Running());
    Timer->Free();
    EXPECT_EQ(ActiveTimerCount(), 0);
}

TEST_F(StandardClasses, DataSetFieldsGridColumnsAndNavigatorHintsStream) {
    const char* Text = R"(object Form4: TForm
  object DBGrid1: TDBGrid
    Left = 0
    Top = 0
    Width = 300
    Height = 120
    DataSource = DataSource1
    TabOrder = 0
    Columns = <
      item
        Expanded = False
        FieldName = 'id'
        Visible = True
      end
      item
        Expanded = False
        FieldName = 'name'
        Title.Caption = 'Customer'
        Width = 120
        Visible = True
      end>
  end
  object DBNavigator1: TDBNavigator
    Left = 0
    Top = 130
    Width = 240
    Height = 25
    DataSource = DataSource1
    Hints.Strings = (
      'First'
      'Back')
    TabOrder = 1
  end
  object DataSource1: TDataSource
    DataSet = Customers
    Left = 40
    Top = 40
  end
  object Customers: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 80
    Top = 40
    object Customersid: TIntegerField
      FieldName = 'id'
      DisplayLabel = 'Number'
    end
    object Customersname: TStringField
      FieldName = 'name'
      Size = 40
    end
  end
end
)";
    TForm* Form = Read(Text);
    auto* Grid = static_cast<TDBGrid*>(Form->FindComponent("DBGrid1"));
    ASSERT_EQ(Grid->Columns()->Count(), 2);
    EXPECT_EQ(Grid->Columns()->Items(0)->Title()->Caption(), "Number"); // the field's label
    EXPECT_EQ(Grid->Columns()->Items(1)->Title()->Caption(), "Customer");
    auto* Nav = static_cast<TDBNavigator*>(Form->FindComponent("DBNavigator1"));
    EXPECT_EQ(Nav->ButtonHint(nbPrior), "Back");
    EXPECT_EQ(Nav->ButtonHint(nbNext), "Next record");
    auto* DS = static_cast<TClientDataSet*>(Form->FindComponent("Customers"));
    ASSERT_EQ(DS->FieldCount(), 2);
    EXPECT_EQ(DS->FieldByName("name")->Size(), 40);
    EXPECT_EQ(DS->Fields(1)->DisplayLabel(), "name");

    DS->Open();
    DS->Append();
    DS->FieldByName("id")->SetAsString("7");
    DS->FieldByName("name")->SetAsString("Smith");
    DS->Post();
    EXPECT_THROW(DS->FieldByName("id")->SetAsString("x"), EConvertError);
    DS->Cancel();
    auto Cells = Grid->Cells();
    ASSERT_EQ(Cells.size(), 2u);
    EXPECT_EQ(Cells[0], (std::vector<String>{"Number", "Customer"}));
    EXPECT_EQ(Cells[1], (std::vector<String>{"7", "Smith"}));
    EXPECT_THROW_MSG(DS->FieldByName("city"), EDatabaseError, "Customers: Field 'city' not found");

    String Written = RoundTrip(Form);
    EXPECT_NE(Written.find("        Title.Caption = 'Customer'\n"), String::npos) << Written;
    EXPECT_EQ(Written.find("Title.Caption = 'Number'"), String::npos) << Written;
    EXPECT_NE(Written.find("      DisplayLabel = 'Number'\n"), String::npos) << Written;
    EXPECT_NE(Written.find("    object Customersname: TStringField\n"), String::npos) << Written;
}
