#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/ClassBuilder.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

class ControlStreaming : public ControlsTest {};

class TOrderForm : public TForm {
    ZT_CLASS(TOrderForm, TForm)
public:
    explicit TOrderForm(TComponent* AOwner) : TForm(AOwner) {}
    TPanel* Panel1 = nullptr;
    TEdit* Edit1 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* OkButton = nullptr;
    int Clicks = 0;
    void OkButtonClick(TObject*) { ++Clicks; }
    void FormCreate(TObject*) {}
};

// The form a designer would have made: nested panels, text, colours, fonts and events.
void Design(TOrderForm* F) {
    F->SetName("OrderForm");
    F->SetBounds(192, 107, 420, 300);
    F->SetCaption("Order #1");
    F->SetOnCreate(TNotifyEvent(F, &TOrderForm::FormCreate));
    auto* Panel = new TPanel(F);
    Panel->SetName("Panel1");
    Panel->SetParent(F);
    Panel->SetBounds(0, 0, 412, 41);
    Panel->SetAlign(alTop);
    Panel->SetCaption("");
    Panel->SetBevelOuter(bvLowered);
    auto* Label = new TLabel(F);
    Label->SetName("Label1");
    Label->SetParent(Panel);
    Label->SetBounds(8, 12, 40, 13);
    Label->SetCaption("&Name:");
    Label->SetColor(clInfoBk);
    auto* Edit = new TEdit(F);
    Edit->SetName("Edit1");
    Edit->SetParent(Panel);
    Edit->SetBounds(56, 8, 121, 21);
    Edit->SetText("");
    Edit->SetCharCase(ecUpperCase);
    Label->SetFocusControl(Edit);
    auto* Memo = new TMemo(F);
    Memo->SetName("Memo1");
    Memo->SetParent(F);
    Memo->SetBounds(8, 48, 396, 150);
    Memo->Lines()->SetText("first line\r\nit's 'quoted'\r\n");
    Memo->Font()->SetName("Courier New");
    Memo->Font()->SetStyle({fsBold, fsItalic});
    Memo->Font()->SetColor(TColor(0x123456));
    Memo->SetScrollBars(ssVertical);
    auto* Ok = new TButton(F);
    Ok->SetName("OkButton");
    Ok->SetParent(F);
    Ok->SetBounds(248, 208, 75, 25);
    Ok->SetCaption("OK");
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Ok->SetOnClick(TNotifyEvent(F, &TOrderForm::OkButtonClick));
    Ok->SetTabOrder(0);
    auto* Check = new TCheckBox(F);
    Check->SetName("Urgent");
    Check->SetParent(F);
    Check->SetBounds(8, 208, 97, 17);
    Check->SetChecked(true);
    Check->SetColor(clNone);
    Check->SetTabOrder(1);
    auto* Timer = new TComponent(F); // non-visual: written after the controls
    Timer->SetName("Clock");
    Timer->SetTag(7);
    F->SetActiveControl(Edit);
}

using zt_test::HostText;

const char* const Expected = R"(object OrderForm: TOrderForm
  Left = 192
  Top = 107
  Width = 420
  Height = 300
  ActiveControl = Edit1
  Caption = 'Order #1'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 412
    Height = 41
    Align = alTop
    BevelOuter = bvLowered
    TabOrder = 2
    object Label1: TLabel
      Left = 8
      Top = 12
      Width = 40
      Height = 13
      Caption = '&Name:'
      Color = clInfoBk
      FocusControl = Edit1
      ParentColor = False
    end
    object Edit1: TEdit
      Left = 56
      Top = 8
      Width = 121
      Height = 21
      CharCase = ecUpperCase
      TabOrder = 0
    end
  end
  object Memo1: TMemo
    Left = 8
    Top = 48
    Width = 396
    Height = 150
    Font.Charset = DEFAULT_CHARSET
    Font.Color = 1193046
    Font.Height = -11
    Font.Name = 'Courier New'
    Font.Style = [fsBold, fsItalic]
    Lines.Strings = (
      'first line'
      'it'#39's '#39'quoted'#39)
    ParentFont = False
    ScrollBars = ssVertical
    TabOrder = 3
  end
  object OkButton: TButton
    Left = 248
    Top = 208
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 0
    OnClick = OkButtonClick
  end
  object Urgent: TCheckBox
    Left = 8
    Top = 208
    Width = 97
    Height = 17
    Caption = 'Urgent'
    Checked = True
    Color = clNone
    ParentColor = False
    State = cbChecked
    TabOrder = 1
  end
  object Clock: TComponent
    Tag = 7
  end
end
)";

} // namespace

TClass TOrderForm::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TOrderForm>("TOrderForm")
        .Field("Panel1", &TOrderForm::Panel1)
        .Field("Edit1", &TOrderForm::Edit1)
        .Field("Memo1", &TOrderForm::Memo1)
        .Field("OkButton", &TOrderForm::OkButton)
        .Method("OkButtonClick", &TOrderForm::OkButtonClick)
        .Method("FormCreate", &TOrderForm::FormCreate);
    // clang-format on
    return &Info;
}

TEST_F(ControlStreaming, AFormIsWrittenAsTheHostWritesItAndReadsBackIdentically) {
    RegisterClass(TComponent::StaticClass());
    auto* Original = new TOrderForm(nullptr);
    Design(Original);
    String Text = WriteComponentToText(Original);
    EXPECT_EQ(Text, HostText(Expected));

    auto* Copy = new TOrderForm(nullptr);
    ReadComponentFromText(Text, Copy);
    EXPECT_EQ(WriteComponentToText(Copy), Text);

    // The copy is wired up, not just printed alike.
    ASSERT_NE(Copy->Edit1, nullptr);
    ASSERT_NE(Copy->OkButton, nullptr);
    EXPECT_EQ(Copy->ActiveControl(), Copy->Edit1);
    EXPECT_EQ(Copy->Edit1->Parent(), Copy->Panel1);
    EXPECT_EQ(Copy->Edit1->TabOrder(), 0);
    EXPECT_EQ(Copy->OkButton->TabOrder(), 0);
    EXPECT_EQ(Copy->TabList()[2], Copy->Panel1);
    EXPECT_EQ(Copy->Memo1->Lines()->Strings(1), "it's 'quoted'");
    EXPECT_EQ(Copy->Memo1->Font()->Color(), TColor(0x123456));
    EXPECT_FALSE(Copy->Memo1->ParentFont());
    auto* Label = static_cast<TLabel*>(Copy->FindComponent("Label1"));
    EXPECT_EQ(Label->FocusControl(), Copy->Edit1);
    EXPECT_EQ(Label->Color(), clInfoBk);
    Copy->OkButton->Click();
    EXPECT_EQ(Copy->Clicks, 1);
    EXPECT_EQ(Original->Clicks, 0);
    EXPECT_EQ(Copy->ModalResult(), mrOk);
    Copy->Free();
    Original->Free();
    UnRegisterClass(TComponent::StaticClass());
}

TEST_F(ControlStreaming, ClientSizedFormsAndTabOrdersInAnyOrder) {
    const char* Text = R"(object Dialog: TForm
  Left = 0
  Top = 0
  AutoScroll = False
  BorderStyle = bsDialog
  Caption = 'Dialog'
  ClientHeight = 200
  ClientWidth = 300
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object B: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'B'
    TabOrder = 2
  end
  object C: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'C'
    TabOrder = 0
  end
  object A: TEdit
    Left = 8
    Top = 72
    Width = 121
    Height = 21
    TabOrder = 1
  end
end
)";
    auto* Form = new TForm(nullptr);
    ReadComponentFromText(Text, Form);
    EXPECT_EQ(Form->Width(), 306);
    EXPECT_EQ(Form->Height(), 225);
    EXPECT_EQ(Form->Font()->Charset(), ANSI_CHARSET);
    std::vector<String> Tabs;
    for (TWinControl* W : Form->TabList())
        Tabs.push_back(W->Name());
    EXPECT_EQ(Tabs, (std::vector<String>{"C", "A", "B"}));
    EXPECT_EQ(WriteComponentToText(Form), HostText(Text));
    Form->Free();
}

TEST_F(ControlStreaming, ChildrenTakeOverParentAttributesOnlyAfterTheirOwnAreRead) {
    const char* Text = R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 320
  Height = 240
  Caption = 'Form1'
  Color = clInfoBk
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Own: TLabel
    Left = 0
    Top = 0
    Width = 65
    Height = 17
    ParentColor = False
  end
  object Panel1: TPanel
    Left = 0
    Top = 20
    Width = 185
    Height = 41
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    ParentColor = False
    ParentFont = False
    TabOrder = 0
    object Inherits: TLabel
      Left = 0
      Top = 0
      Width = 65
      Height = 17
    end
  end
end
)";
    auto* Form = new TForm(nullptr);
    ReadComponentFromText(Text, Form);
    auto* Own = static_cast<TLabel*>(Form->FindComponent("Own"));
    auto* Panel = static_cast<TPanel*>(Form->FindComponent("Panel1"));
    auto* Inherits = static_cast<TLabel*>(Form->FindComponent("Inherits"));
    EXPECT_EQ(Own->Color(), clWindow); // its own colour, written as the default
    EXPECT_EQ(Panel->Color(), clBtnFace);
    EXPECT_EQ(Inherits->Color(), clBtnFace);
    EXPECT_EQ(Inherits->Font()->Color(), clRed);
    EXPECT_TRUE(Inherits->ParentFont());
    EXPECT_EQ(Own->Font()->Name(), "Tahoma");
    EXPECT_EQ(WriteComponentToText(Form), HostText(Text));
    Form->Free();
}

// A reference that names a component of the wrong class fails like any other bad value:
// with the property's path and the line of the reference.
TEST_F(ControlStreaming, AReferenceOfTheWrongClassNamesThePropertyAndTheLine) {
    const char* Text = "object Form1: TForm\n"
                       "  Caption = 'x'\n"
                       "  Menu = Form1\n"
                       "  object Panel1: TPanel\n"
                       "    PopupMenu = Panel1\n"
                       "  end\n"
                       "end\n";
    auto* Form = new TForm(nullptr);
    EXPECT_THROW_MSG(ReadComponentFromText(Text, Form), EReadError,
                     "Error reading Form1.Menu: Invalid property value on line 3");
    Form->Free();
}

// Controls read into parents read in the same pass take the tab orders they were written with,
// as do controls read into a parent that was there before.
TEST_F(ControlStreaming, TabOrdersOfManyParentedControls) {
    auto* Form = new TForm(nullptr);
    String Text = "object Form1: TForm\n  object Panel1: TPanel\n    TabOrder = 0\n";
    for (int i = 0; i < 40; ++i)
        Text += "    object B" + std::to_string(i) +
                ": TButton\n      TabOrder = " + std::to_string(39 - i) + "\n    end\n";
    Text += "  end\nend\n";
    ReadComponentFromText(Text, Form);
    auto* Panel = static_cast<TPanel*>(Form->FindComponent("Panel1"));
    ASSERT_EQ(Panel->TabList().size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(Panel->TabList()[static_cast<std::size_t>(i)]->Name(),
                  "B" + std::to_string(39 - i));
    Form->Free();
}
