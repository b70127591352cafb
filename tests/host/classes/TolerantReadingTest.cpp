#include "host/classes/Filer.h"
#include "host/classes/FormFolder.h"
#include "host/classes/Placeholder.h"
#include "host/classes/StringList.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

using namespace host;

namespace {

class TPart : public TComponent {
    ZT_CLASS(TPart, TComponent)
public:
    using TComponent::TComponent;
    ~TPart() override {
        SetParentComponent(nullptr);
        for (TPart* C : FKids)
            C->FParent = nullptr;
    }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* P) override;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        for (TPart* C : FKids)
            if (C->Owner() == Root) Proc(C);
    }
    TPart* FParent = nullptr;
    std::vector<TPart*> FKids;
    String FCaption;
    Integer FSize = 0;
    TNotifyEvent FOnClick;
    TComponent* FBuddy = nullptr;
};

void TPart::SetParentComponent(TComponent* P) {
    if (FParent) std::erase(FParent->FKids, this);
    FParent = As<TPart>(P);
    if (FParent) FParent->FKids.push_back(this);
}

class TBaseSheet : public TPart {
    ZT_CLASS(TBaseSheet, TPart)
public:
    using TPart::TPart;
    bool HasParent() const override { return false; }
    void OkClick(TObject*) { ++Clicks; }
    int Clicks = 0;
};

class TDerivedSheet : public TBaseSheet {
    ZT_CLASS(TDerivedSheet, TBaseSheet)
public:
    using TBaseSheet::TBaseSheet;
};

} // namespace

TClass TPart::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TPart>("TPart")
                                       .Prop("Caption", &TPart::FCaption, &TPart::FCaption)
                                       .Prop("Size", &TPart::FSize, &TPart::FSize)
                                       .Default(0)
                                       .Prop("Buddy", &TPart::FBuddy, &TPart::FBuddy)
                                       .Prop("OnClick", &TPart::FOnClick, &TPart::FOnClick);
    return &Info;
}
TClass TBaseSheet::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TBaseSheet>("TBaseSheet").Method("OkClick", &TBaseSheet::OkClick);
    return &Info;
}
TClass TDerivedSheet::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDerivedSheet>("TDerivedSheet");
    return &Info;
}

namespace {

class TolerantReading : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClasses(
            {TPart::StaticClass(), TBaseSheet::StaticClass(), TDerivedSheet::StaticClass()});
    }
    void TearDown() override {
        UnRegisterClassFormText(TBaseSheet::StaticClass());
        UnRegisterClassFormText(TPart::StaticClass());
    }
    static TComponent* Tolerant(std::string_view Text, TComponent* Root = nullptr) {
        TFormReadOptions Options;
        Options.Tolerant = true;
        return ReadComponentFromText(Text, Root, nullptr, Options);
    }
    static String Normalised(std::string_view Text) { return PrintFormText(ParseFormText(Text)); }
};

using TFreeComponent = std::unique_ptr<TComponent, void (*)(TComponent*)>;
TFreeComponent Owned(TComponent* C) {
    return TFreeComponent(C, [](TComponent* X) { X->Free(); });
}

// Unknown classes, properties, handlers and references are kept as written, in their order,
// and the texts, numbers, string lists and collections among them are published.
const char* const ThirdParty = R"(object Sheet: TBaseSheet
  Caption = 'Main'
  Flavour = fvSweet
  OnClick = OkClick
  OnShow = SheetShow
  object Grid: TFancyGrid
    Left = 8
    Hint = 'Pick a row'
    Ratio = 1.5
    Big = 5000000000
    Options = [goEditing, goTabs]
    Lines.Strings = (
      'first'
      'second')
    Mixed = (
      'a'
      True
      ())
    Columns = <
      item
        Title.Caption = 'Name'
        Width = 40
      end
      item
        Title.Caption = 'Size'
      end>
    Picture.Data = {
      0A0B0C}
    OnDrawCell = GridDrawCell
    DataSource = Module1.Source
    object Inner: TPart
      Caption = 'Inside'
      Size = 0
      Buddy = Grid
      OnClick = InnerClick
    end
  end
  object Label1: TPart
    Size = 3
    Caption = ''
    Buddy = Nowhere
  end
end
)";

TEST_F(TolerantReading, UnknownClassesAndValuesAreKeptAndWrittenBackAsRead) {
    EXPECT_THROW_MSG(ReadComponentFromText(ThirdParty, nullptr), EReadError,
                     "Error reading Sheet.Flavour: Property Flavour does not exist on line 3");
    auto Root = Owned(Tolerant(ThirdParty));
    auto* Sheet = static_cast<TBaseSheet*>(Root.get());
    EXPECT_EQ(Sheet->FCaption, "Main");
    Sheet->FOnClick(Sheet);
    EXPECT_EQ(Sheet->Clicks, 1);
    auto* Grid = As<TPlaceholderComponent>(Sheet->FindComponent("Grid"));
    ASSERT_NE(Grid, nullptr);
    EXPECT_EQ(Grid->ClassName(), "TFancyGrid");
    auto* Inner = static_cast<TPart*>(Sheet->FindComponent("Inner"));
    EXPECT_EQ(Inner->FBuddy, Grid);
    // Published: texts, numbers, the string list and the collection; kept only: the rest.
    EXPECT_EQ(GetStrProp(Grid, "Hint"), "Pick a row");
    EXPECT_EQ(GetOrdProp(Grid, "Left"), 8);
    EXPECT_EQ(GetPropInfo(Grid, "Big")->Kind(), tkInt64);
    EXPECT_DOUBLE_EQ(GetFloatProp(Grid, GetPropInfo(Grid, "Ratio")), 1.5);
    auto* Lines = As<TStrings>(GetObjectProp(Grid, "Lines"));
    ASSERT_NE(Lines, nullptr);
    EXPECT_EQ(Lines->Strings(1), "second");
    auto* Columns = As<TCollection>(GetObjectProp(Grid, "Columns"));
    ASSERT_NE(Columns, nullptr);
    ASSERT_EQ(Columns->Count(), 2);
    EXPECT_EQ(GetStrProp(Columns->Items(1), "Title.Caption"), "Size");
    EXPECT_EQ(GetPropInfo(Grid, "Options"), nullptr);
    EXPECT_EQ(GetPropInfo(Grid, "OnDrawCell"), nullptr);
    EXPECT_EQ(WriteComponentToText(Sheet), Normalised(ThirdParty));

    // What a translator changes through the published properties is written back.
    SetStrProp(Grid, "Hint", "Choisir");
    Lines->SetStrings(0, "premier");
    SetStrProp(Columns->Items(0), "Title.Caption", "Nom");
    String Text = WriteComponentToText(Sheet);
    EXPECT_NE(Text.find("Hint = 'Choisir'"), String::npos);
    EXPECT_NE(Text.find("'premier'"), String::npos);
    EXPECT_NE(Text.find("Title.Caption = 'Nom'"), String::npos);
    // A component freed after reading leaves no trace in what is written.
    Sheet->FindComponent("Label1")->Free();
    EXPECT_EQ(WriteComponentToText(Sheet).find("Label1"), String::npos);
}

TEST_F(TolerantReading, AnUnknownRootBecomesAPlaceholderToo) {
    const char* Text =
        "object Dlg: TThirdPartyDialog\n  Caption = 'Hi'\n  object P: TPart\n  end\nend\n";
    EXPECT_THROW_MSG(ReadComponentFromText(Text, nullptr), EClassNotFound,
                     "Class TThirdPartyDialog not found on line 1");
    auto Root = Owned(Tolerant(Text));
    EXPECT_EQ(Root->ClassName(), "TThirdPartyDialog");
    EXPECT_EQ(GetStrProp(Root.get(), "Caption"), "Hi");
    EXPECT_EQ(WriteComponentToText(Root.get()), Normalised(Text));
}

// The ancestor's form is read first: its components, values and handlers are there, and the
// derived text changes some and adds others.
const char* const BaseForm = R"(object BaseSheet: TBaseSheet
  Caption = 'Base'
  Size = 1
  object Ok: TPart
    Caption = 'OK'
    OnClick = OkClick
  end
  object Cancel: TPart
    Caption = 'Cancel'
  end
end
)";
const char* const DerivedForm = R"(inherited DerivedSheet: TDerivedSheet
  Caption = 'Derived'
  inherited Ok: TPart
    Caption = 'Fine'
    object Extra: TPart
      Caption = 'New'
      Buddy = Cancel
    end
  end
end
)";

TEST_F(TolerantReading, InheritedFormsReadOverTheirAncestorsForm) {
    RegisterClassFormText(TBaseSheet::StaticClass(), BaseForm);
    auto Root = Owned(ReadComponentFromText(DerivedForm, nullptr));
    auto* Sheet = static_cast<TDerivedSheet*>(Root.get());
    EXPECT_EQ(Sheet->Name(), "DerivedSheet");
    EXPECT_EQ(Sheet->FCaption, "Derived");
    EXPECT_EQ(Sheet->FSize, 1);
    auto* Ok = static_cast<TPart*>(Sheet->FindComponent("Ok"));
    auto* Cancel = static_cast<TPart*>(Sheet->FindComponent("Cancel"));
    auto* Extra = static_cast<TPart*>(Sheet->FindComponent("Extra"));
    ASSERT_TRUE(Ok && Cancel && Extra);
    EXPECT_EQ(Ok->FCaption, "Fine");
    EXPECT_EQ(Cancel->FCaption, "Cancel");
    EXPECT_EQ(Extra->FParent, Ok);
    EXPECT_EQ(Extra->FBuddy, Cancel);
    Ok->FOnClick(Ok);
    EXPECT_EQ(Sheet->Clicks, 1);
    EXPECT_FALSE(Ok->ComponentState().Contains(csLoading));
    // Written back: only what differs from the ancestor's form.
    EXPECT_EQ(WriteComponentToText(Sheet), Normalised(DerivedForm));
    Cancel->FCaption = "Stop";
    EXPECT_NE(WriteComponentToText(Sheet).find(
                  "  inherited Cancel: TPart\r\n    Caption = 'Stop'\r\n  end"),
              String::npos);
    // Without the ancestor's form the strict reader cannot find the inherited objects.
    UnRegisterClassFormText(TBaseSheet::StaticClass());
    EXPECT_THROW_MSG(ReadComponentFromText(DerivedForm, nullptr), EReadError,
                     "Ancestor for 'Ok' not found on line 3");
    // The tolerant one makes them as written, and writes the text back.
    auto Alone = Owned(Tolerant(DerivedForm));
    EXPECT_EQ(WriteComponentToText(Alone.get()), Normalised(DerivedForm));
}

TEST_F(TolerantReading, InlineFramesReadTheirFramesFormThenTheDifferences) {
    zt_test::TempDir Dir;
    zt_test::WriteAll(
        Dir.File("Frame.dfm"),
        "object PartFrame: TPartFrame\n  Caption = 'Frame'\n"
        "  object Title: TPart\n    Caption = 'Title'\n  end\n"
        "  object Body: TPart\n    Caption = 'Body'\n    Buddy = Title\n  end\nend\n");
    zt_test::WriteAll(Dir.File("Base.dfm"),
                      "object Base: TBaseDialog\n  Caption = 'Base'\n"
                      "  object Close: TPart\n    Caption = 'Close'\n  end\nend\n");
    zt_test::WriteAll(Dir.File("Main.dfm"), "inherited Main: TMainDialog\n  Caption = 'Main'\n"
                                            "  inline One: TPartFrame\n    inherited Title: TPart\n"
                                            "      Caption = 'First'\n    end\n  end\n"
                                            "  inline Two: TPartFrame\n  end\nend\n");
    TFormFolder Folder(Dir.Path().string());
    EXPECT_EQ(Folder.FileOfClass("tpartframe"), Dir.File("Frame.dfm"));
    Folder.DeclareAncestor("TMainDialog", "TBaseDialog");
    auto Root = Owned(Folder.ReadFile(Dir.File("Main.dfm"), nullptr, nullptr, true));
    EXPECT_EQ(GetStrProp(Root.get(), "Caption"), "Main");
    ASSERT_NE(Root->FindComponent("Close"), nullptr);
    TComponent* One = Root->FindComponent("One");
    TComponent* Two = Root->FindComponent("Two");
    ASSERT_TRUE(One && Two);
    EXPECT_TRUE(One->ComponentState().Contains(csInline));
    auto* FirstTitle = static_cast<TPart*>(One->FindComponent("Title"));
    auto* SecondTitle = static_cast<TPart*>(Two->FindComponent("Title"));
    ASSERT_TRUE(FirstTitle && SecondTitle);
    EXPECT_EQ(FirstTitle->FCaption, "First");
    EXPECT_EQ(SecondTitle->FCaption, "Title");
    EXPECT_EQ(static_cast<TPart*>(Two->FindComponent("Body"))->FBuddy, SecondTitle);
    EXPECT_EQ(GetStrProp(Two, "Caption"), "Frame");
}

TEST_F(TolerantReading, AFormThatIsItsOwnAncestorIsRefused) {
    zt_test::TempDir Dir;
    zt_test::WriteAll(Dir.File("Loop.dfm"), "inherited Loop: TLoop\nend\n");
    TFormFolder Folder(Dir.Path().string());
    Folder.DeclareAncestor("TLoop", "TLoop");
    EXPECT_THROW_MSG(Folder.ReadFile(Dir.File("Loop.dfm"), nullptr, nullptr, true), EReadError,
                     "Forms nested too deeply on line 1");
}

} // namespace
