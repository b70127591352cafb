#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"
#include "host/rtl/StrUtils.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

class ControlSetStreaming : public ControlsTest {};

using zt_test::HostText;

// Every control of the set with properties off their defaults, as a designer would save it.
const char* const FormText = R"(object Main: TForm
  Left = 0
  Top = 0
  AutoScroll = False
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 600
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsMDIForm
  Menu = MainMenu1
  OldCreateOrder = False
  PopupMenu = Popup1
  WindowMenu = mnuWindow
  PixelsPerInch = 96
  TextHeight = 13
  object Bevel1: TBevel
    Left = 4
    Top = 4
    Width = 50
    Height = 2
    Shape = bsTopLine
    Style = bsRaised
  end
  object Image1: TImage
    Left = 60
    Top = 4
    Width = 32
    Height = 32
    Picture.Data = {
      07544269746D617001020304}
    Stretch = True
  end
  object Group1: TGroupBox
    Left = 8
    Top = 40
    Width = 185
    Height = 105
    Caption = '&Options'
    TabOrder = 0
    object Radio1: TRadioButton
      Left = 8
      Top = 16
      Width = 113
      Height = 17
      Caption = 'Fast'
      Checked = True
      TabOrder = 0
    end
    object Radio2: TRadioButton
      Left = 8
      Top = 36
      Width = 113
      Height = 17
      Caption = 'Safe'
      TabOrder = 1
    end
  end
  object List1: TListBox
    Left = 200
    Top = 40
    Width = 121
    Height = 97
    ItemHeight = 13
    Items.Strings = (
      'alpha'
      'beta')
    Sorted = True
    TabOrder = 1
  end
  object Combo1: TComboBox
    Left = 330
    Top = 40
    Width = 145
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    ItemIndex = 1
    TabOrder = 2
    Text = 'two'
    Items.Strings = (
      'one'
      'two')
  end
  object Languages: TRadioGroup
    Left = 8
    Top = 150
    Width = 185
    Height = 80
    Caption = 'Language'
    Columns = 2
    ItemIndex = 2
    Items.Strings = (
      'English'
      'Deutsch'
      'Francais')
    TabOrder = 3
  end
  object Tabs1: TTabSet
    Left = 200
    Top = 150
    Width = 185
    Height = 21
    Tabs.Strings = (
      'General'
      'Advanced')
    TabIndex = 1
  end
  object Pages1: TPageControl
    Left = 200
    Top = 180
    Width = 289
    Height = 193
    ActivePage = Sheet2
    TabOrder = 4
    object Sheet1: TTabSheet
      Caption = 'First'
      object Static1: TStaticText
        Left = 4
        Top = 4
        Width = 65
        Height = 17
        Caption = 'On sheet one'
        TabOrder = 0
      end
    end
    object Sheet2: TTabSheet
      Caption = 'Second'
      ImageIndex = 1
    end
  end
  object Book1: TNotebook
    Left = 8
    Top = 240
    Width = 150
    Height = 100
    PageIndex = 1
    TabOrder = 5
    object TPage
      Left = 0
      Top = 0
      Caption = 'Front'
      object Label1: TLabel
        Left = 4
        Top = 4
        Width = 65
        Height = 17
        Caption = 'On the front'
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Back'
    end
  end
  object Status1: TStatusBar
    Left = 0
    Top = 381
    Width = 600
    Height = 19
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Alignment = taCenter
        Bevel = pbRaised
        Width = 50
      end>
    SimpleText = 'Working'
  end
  object View1: TListView
    Left = 330
    Top = 70
    Width = 250
    Height = 100
    Columns = <
      item
        Caption = 'Name'
        Width = 120
      end
      item
        Alignment = taRightJustify
        Caption = 'Size'
      end>
    TabOrder = 6
    ViewStyle = vsReport
  end
  object MainMenu1: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuOpen: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
      end
      object mnuSep: TMenuItem
        Caption = '-'
      end
      object mnuExit: TMenuItem
        Caption = 'E&xit'
        Hint = 'Leaves the program'
      end
    end
    object mnuView: TMenuItem
      Caption = '&View'
      object mnuLarge: TMenuItem
        Caption = '&Large'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object mnuSmall: TMenuItem
        Caption = '&Small'
        GroupIndex = 1
        RadioItem = True
      end
    end
    object mnuWindow: TMenuItem
      Tag = 5
      Caption = '&Window'
    end
  end
  object Popup1: TPopupMenu
    AutoPopup = False
    object mnuCopy: TMenuItem
      Caption = '&Copy'
      Default = True
      Enabled = False
      Visible = False
    end
  end
end
)";

template <class T> T* Find(TComponent* Root, const char* Name) {
    auto* C = As<T>(Root->FindComponent(Name));
    EXPECT_NE(C, nullptr) << Name;
    return C;
}

} // namespace

TEST_F(ControlSetStreaming, EveryControlRoundTripsThroughFormText) {
    auto* Form = new TForm(Application);
    ReadComponentFromText(FormText, Form);
    const String Written = WriteComponentToText(Form);
    EXPECT_EQ(Written, HostText(FormText));
    auto* Again = new TForm(nullptr);
    ReadComponentFromText(Written, Again);
    EXPECT_EQ(WriteComponentToText(Again), Written);
    Again->Free();
    EXPECT_FALSE(Form->HandleAllocated());

    // Read into live objects, not just printed alike.
    auto* Menu = Find<TMainMenu>(Form, "MainMenu1");
    EXPECT_EQ(Form->Menu(), Menu);
    EXPECT_EQ(Form->WindowMenu(), Find<TMenuItem>(Form, "mnuWindow"));
    EXPECT_EQ(Form->ClientHeight(), 400); // with the menu bar the reference brought
    ASSERT_EQ(Menu->Items()->Count(), 3);
    TMenuItem* File = Menu->Items()->Items(0);
    EXPECT_EQ(File->Count(), 3);
    EXPECT_EQ(File->Items(2)->Caption(), "E&xit");
    EXPECT_EQ(Find<TMenuItem>(Form, "mnuOpen")->ShortCut(), 16463);
    EXPECT_EQ(Form->PopupMenu(), Find<TPopupMenu>(Form, "Popup1"));
    EXPECT_EQ(Find<TImage>(Form, "Image1")->Picture()->GraphicClassName(), "TBitmap");

    auto* Combo = Find<TComboBox>(Form, "Combo1");
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), "two");
    auto* Languages = Find<TRadioGroup>(Form, "Languages");
    ASSERT_EQ(Languages->ButtonCount(), 3);
    EXPECT_TRUE(Languages->Buttons(2)->Checked());
    EXPECT_EQ(Languages->Buttons(1)->Caption(), "Deutsch");
    EXPECT_EQ(Find<TTabSet>(Form, "Tabs1")->TabIndex(), 1);
    EXPECT_TRUE(Find<TRadioButton>(Form, "Radio1")->Checked());

    auto* Pages = Find<TPageControl>(Form, "Pages1");
    EXPECT_EQ(Pages->ActivePage(), Find<TTabSheet>(Form, "Sheet2"));
    EXPECT_FALSE(Find<TTabSheet>(Form, "Sheet1")->Visible());
    auto* Book = Find<TNotebook>(Form, "Book1");
    EXPECT_EQ(Book->Pages()->CommaText(), "Front,Back");
    EXPECT_EQ(Book->ActivePage(), "Back");
    auto* Label = Find<TLabel>(Form, "Label1"); // the form owns what is on a page
    EXPECT_EQ(Label->Parent(), Book->Page(0));

    auto* Status = Find<TStatusBar>(Form, "Status1");
    ASSERT_EQ(Status->Panels()->Count(), 2);
    EXPECT_EQ(Status->Panels()->Items(0)->Text(), "Ready");
    EXPECT_EQ(Status->Panels()->Items(1)->Bevel(), pbRaised);
    EXPECT_EQ(Status->Panels()->Items(0)->GetNamePath(), "Status1.Panels[0]");
    auto* View = Find<TListView>(Form, "View1");
    EXPECT_EQ(View->Columns()->Items(1)->Caption(), "Size");
    EXPECT_EQ(View->Columns()->Items(1)->Width(), 50);
}
