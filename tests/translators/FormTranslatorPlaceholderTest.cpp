// The form translator over placeholders (what a tool reading tolerantly makes of classes it
// does not have): their class records belong to one object each and grow while they are
// read, and their property names may be dotted as written.
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/classes/Filer.h"
#include "host/classes/Placeholder.h"
#include "host/classes/StringList.h"
#include "host/controls/Application.h"

#include "TestUtil.h"

using namespace zantor;

namespace {

class PlaceholderTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTranslatorClasses();
        host::RegisterControlClasses();
    }
    static host::TComponent* Read(std::string_view Text) {
        host::TFormReadOptions Options;
        Options.Tolerant = true;
        return host::ReadComponentFromText(Text, nullptr, nullptr, Options);
    }
    // Applies Lines (path=value) to Root through a new translator; the translator stays on
    // the form, owned by it.
    static TFormTranslator* Apply(host::TComponent* Root, std::initializer_list<String> Lines) {
        auto* T = new TFormTranslator(Root);
        T->SetTranslate(false);
        for (const String& L : Lines)
            T->Translations()->SortInsert(L);
        T->SetTranslate(true);
        return T;
    }
    static String Value(host::TComponent* Root, const String& Path) {
        auto* T = new TFormTranslator(Root);
        host::TStringList Out;
        EXPECT_TRUE(T->TranslateForm(&Out, true));
        T->Free();
        return Out.Values(Path);
    }
    host::TApplicationScope App;
};

// Each form holds placeholders of its own, freed with it; the next form's placeholders may
// take the same addresses with other properties.
TEST_F(PlaceholderTranslation, EachPlaceholderIsAppliedWithItsOwnProperties) {
    const char* const Forms[] = {
        "object F: TForm\n  object G: TFancyGrid\n    Hint = 'a'\n  end\nend\n",
        "object F: TForm\n  object G: TOtherGrid\n    Left = 3\n    Top = 4\n"
        "    Caption = 'b'\n    Hint = 'c'\n  end\nend\n",
        "object F: TForm\n  object G: TThirdGrid\n    Caption = 'd'\n  end\nend\n",
    };
    for (int Round = 0; Round < 30; ++Round) {
        SCOPED_TRACE(Round);
        host::TComponent* Root = Read(Forms[Round % 3]);
        (void)Apply(Root, {"G.Caption='C'", "G.Hint='H'", "G.Left=9"});
        String Hint = Value(Root, "G.Hint");
        String Caption = Value(Root, "G.Caption");
        EXPECT_EQ(Hint, Round % 3 == 2 ? "" : "'H'");
        EXPECT_EQ(Caption, Round % 3 == 0 ? "" : "'C'");
        if (Round % 3 == 1) {
            EXPECT_EQ(Value(Root, "G.Left"), "9");
        }
        Root->Free();
    }
}

// A property added to a placeholder after a first apply is found by the next one.
TEST_F(PlaceholderTranslation, APropertyAddedAfterAnApplyIsAppliedNextTime) {
    host::TComponent* Root = Read("object F: TForm\n  object G: TFancyGrid\n"
                                  "    Hint = 'a'\n  end\nend\n");
    auto* Grid = static_cast<host::TPlaceholderComponent*>(Root->FindComponent("G"));
    TFormTranslator* T = Apply(Root, {"G.Hint='H'", "G.Title='T'"});
    EXPECT_EQ(Value(Root, "G.Hint"), "'H'");
    T->SetTranslate(false);
    host::TFormValue Title;
    Title.Type = host::vaString;
    Title.Str = "t";
    Grid->Values().Add(Grid, "Title", Title);
    T->SetTranslate(true);
    EXPECT_EQ(Value(Root, "G.Hint"), "'H'");
    EXPECT_EQ(Value(Root, "G.Title"), "'T'");
    Root->Free();
}

// Dotted names kept flat on a placeholder and on its collection items are applied under the
// paths they were collected with, and restoring gives the form text back.
TEST_F(PlaceholderTranslation, DottedNamesKeptFlatAreAppliedUnderTheirPaths) {
    const char* const Text = "object F: TForm\n"
                             "  object G: TFancyGrid\n"
                             "    BoldProperties.Expression = 'name'\n"
                             "    Font.Name = 'Tahoma'\n"
                             "    Columns = <\n"
                             "      item\n"
                             "        Title.Caption = 'First'\n"
                             "      end\n"
                             "      item\n"
                             "        Title.Caption = 'Second'\n"
                             "      end>\n"
                             "  end\n"
                             "end\n";
    host::TComponent* Root = Read(Text);
    String Original = host::WriteComponentToText(Root);
    EXPECT_EQ(Value(Root, "G.BoldProperties.Expression"), "'name'");
    TFormTranslator* T =
        Apply(Root, {"G.BoldProperties.Expression='NAME'", "G.Columns[1].Title.Caption='SECOND'",
                     "G.Font='x'", "G.BoldProperties='x'"});
    EXPECT_EQ(Value(Root, "G.BoldProperties.Expression"), "'NAME'");
    EXPECT_EQ(Value(Root, "G.Columns[0].Title.Caption"), "'First'");
    EXPECT_EQ(Value(Root, "G.Columns[1].Title.Caption"), "'SECOND'");
    EXPECT_EQ(Value(Root, "G.Font.Name"), "'Tahoma'");
    T->SetTranslate(false);
    T->Free();
    EXPECT_EQ(host::WriteComponentToText(Root), Original);
    Root->Free();
}

} // namespace
