// Tab controls, date-time pickers, extended combo boxes, rich edits, spin and mask edits,
// link labels, colour boxes and grids: streaming and behaviour.
#include "ControlsFixture.h"
#include "TestUtil.h"

#include "host/classes/Filer.h"
#include "host/controls/Forms.h"
#include "host/controls/Grids.h"
#include "host/controls/MoreComCtrls.h"
#include "host/controls/MoreExtCtrls.h"

using namespace host;

namespace {

const char* const MoreForm = R"(object Form5: TForm
  object TabControl1: TTabControl
    Left = 0
    Top = 0
    Width = 289
    Height = 193
    TabOrder = 0
    Tabs.Strings = (
      'General'
      'Advanced')
    TabIndex = 1
  end
  object DateTimePicker1: TDateTimePicker
    Left = 8
    Top = 200
    Width = 186
    Height = 21
    Date = 44439.000000000000000000
    Time = 0.500000000000000000
    TabOrder = 1
  end
  object ComboBoxEx1: TComboBoxEx
    Left = 8
    Top = 230
    Width = 145
    Height = 22
    ItemsEx = <
      item
        Caption = 'First'
        ImageIndex = 0
      end
      item
        Caption = 'Second'
      end>
    TabOrder = 2
  end
  object SpinEdit1: TSpinEdit
    Left = 8
    Top = 260
    Width = 121
    Height = 22
    MaxValue = 10
    MinValue = 1
    TabOrder = 3
    Value = 5
  end
  object StringGrid1: TStringGrid
    Left = 0
    Top = 300
    Width = 320
    Height = 120
    ColCount = 3
    TabOrder = 4
    ColWidths = (
      64
      100
      64)
  end
  object ValueListEditor1: TValueListEditor
    Left = 0
    Top = 430
    Width = 306
    Height = 60
    Strings.Strings = (
      'Colour=Red')
    TabOrder = 5
    TitleCaptions.Strings = (
      'Setting'
      'Value')
  end
end
)";

} // namespace

class MoreClasses : public ControlsTest {};

TEST_F(MoreClasses, ReadWriteAndReadAgainKeepEverything) {
    auto* Form = new TForm(Application);
    ReadComponentFromText(MoreForm, Form);
    auto* Tabs = static_cast<TTabControl*>(Form->FindComponent("TabControl1"));
    EXPECT_EQ(Tabs->TabIndex(), 1);
    EXPECT_EQ(Tabs->Tabs()->Strings(1), "Advanced");
    auto* Picker = static_cast<TDateTimePicker*>(Form->FindComponent("DateTimePicker1"));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), 44439.5);
    auto* Combo = static_cast<TComboBoxEx*>(Form->FindComponent("ComboBoxEx1"));
    EXPECT_EQ(Combo->Items()->Count(), 2);
    EXPECT_EQ(Combo->Items()->Strings(1), "Second");
    auto* Spin = static_cast<TSpinEdit*>(Form->FindComponent("SpinEdit1"));
    EXPECT_EQ(Spin->Value(), 5);
    Spin->SetValue(99);
    EXPECT_EQ(Spin->Value(), 10);
    Spin->SetValue(5);
    auto* Grid = static_cast<TStringGrid*>(Form->FindComponent("StringGrid1"));
    EXPECT_EQ(Grid->ColWidths(1), 100);
    Grid->SetCells(2, 4, "x");
    EXPECT_EQ(Grid->Cells(2, 4), "x");
    EXPECT_THROW(Grid->SetCells(3, 0, "y"), EListError);
    auto* Editor = static_cast<TValueListEditor*>(Form->FindComponent("ValueListEditor1"));
    EXPECT_EQ(Editor->Values("Colour"), "Red");
    EXPECT_EQ(Editor->TitleCaptions()->Strings(0), "Setting");

    String First = WriteComponentToText(Form);
    auto* Copy = new TForm(new TComponent(Application));
    ReadComponentFromText(First, Copy);
    EXPECT_EQ(WriteComponentToText(Copy), First);
    EXPECT_NE(First.find("ColWidths = ("), String::npos) << First;
    EXPECT_NE(First.find("Caption = 'Second'"), String::npos) << First;
}

TEST_F(MoreClasses, LinkLabelsListTheirLinksAndColourBoxesTheirColours) {
    auto* Link = new TLinkLabel(nullptr);
    Link->SetCaption(
        "See <a href=\"https://example.org\">the site</a> or <a href=\"mailto:x@y\">mail</a>");
    EXPECT_EQ(Link->Links(), (std::vector<String>{"https://example.org", "mailto:x@y"}));
    Link->Free();
    auto* Box = new TColorBox(nullptr);
    EXPECT_EQ(Box->Items()->Strings(0), "clBlack");
    Box->SetColorStyle({cbStandardColors, cbPrettyNames});
    EXPECT_EQ(Box->Items()->Count(), 16);
    EXPECT_EQ(Box->Items()->Strings(15), "White");
    Box->Free();
}
