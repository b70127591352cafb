#include "host/classes/Collection.h"
#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/classes/StringList.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

#include <filesystem>

using namespace host;

namespace {

enum TKind { kiNone, kiSmall, kiLarge };
enum TStyle { stBold, stItalic, stUnderline };
using TStyles = TSet<TStyle>;
enum TShade : Integer {};

constexpr TShade shRed = TShade(0xFF);
constexpr TShade shSystem = TShade(0x80000005);

bool ShadeToIdent(Int64 V, String& Ident) {
    if (V == shRed)
        Ident = "shRed";
    else if (V == static_cast<Integer>(shSystem))
        Ident = "shSystem";
    else
        return false;
    return true;
}
bool IdentToShade(std::string_view Ident, Int64& V) {
    if (SameText(Ident, "shRed"))
        V = shRed;
    else if (SameText(Ident, "shSystem"))
        V = static_cast<Integer>(shSystem);
    else
        return false;
    return true;
}

} // namespace

ZT_DECLARE_TYPEINFO(TKind);
ZT_DECLARE_TYPEINFO(TStyles);
ZT_DECLARE_TYPEINFO(TStyle);
ZT_DECLARE_TYPEINFO(TShade);
ZT_DEFINE_ENUM(TKind, "kiNone", "kiSmall", "kiLarge")
ZT_DEFINE_ENUM(TStyle, "stBold", "stItalic", "stUnderline")
ZT_DEFINE_SET(TStyles)
ZT_DEFINE_INTEGER_TYPE(TShade)

namespace {

std::vector<String> LoadedOrder;

class TLook : public TPersistent {
    ZT_CLASS(TLook, TPersistent)
public:
    String FFace = "Sans";
    Integer FSize = 8;
    TStyles FStyles;
    TShade FShade = shSystem;
};

class TEntry : public TCollectionItem {
    ZT_CLASS(TEntry, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String FText;
    Integer FWidth = 50;
    TComponent* FTarget = nullptr;
};

class TNode : public TComponent {
    ZT_CLASS(TNode, TComponent)
public:
    explicit TNode(TComponent* AOwner)
        : TComponent(AOwner), FLook(new TLook), FLines(new TStringList),
          FEntries(new TOwnedCollection(this, TEntry::StaticClass())) {}
    ~TNode() override {
        delete FLook;
        delete FLines;
        delete FEntries;
    }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* P) override;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        for (TNode* C : FKids)
            if (C->Owner() == Root) Proc(C);
    }
    void Loaded() override {
        TComponent::Loaded();
        LoadedOrder.push_back(Name() + (FBuddy ? ">" + FBuddy->Name() : ""));
    }
    void DefineProperties(TFiler* Filer) override {
        TComponent::DefineProperties(Filer);
        Filer->DefineProperty(
            "Pairs",
            [this](TReader* R) {
                FPairs.clear();
                R->ReadListBegin();
                while (!R->EndOfList()) {
                    String S = R->ReadString();
                    FPairs.emplace_back(S, R->ReadInteger());
                }
                R->ReadListEnd();
            },
            [this](TWriter* W) {
                W->WriteListBegin();
                for (auto& [S, I] : FPairs) {
                    W->WriteString(S);
                    W->WriteInteger(I);
                }
                W->WriteListEnd();
            },
            !FPairs.empty());
        Filer->DefineBinaryProperty(
            "Blob", [this](TStream* S) { FBlob = S->ReadAll(); },
            [this](TStream* S) { S->WriteBuffer(FBlob.data(), static_cast<Int64>(FBlob.size())); },
            !FBlob.empty());
    }
    TLook* GetLook() const { return FLook; }
    TStrings* GetLines() const { return FLines; }
    TCollection* GetEntries() const { return FEntries; }

    TNode* FParent = nullptr;
    std::vector<TNode*> FKids;
    String FCaption;
    Integer FCount = 0;
    Int64 FHuge = 0;
    char FLetter = 'a';
    TKind FKind = kiNone;
    bool FEnabled = true;
    bool FChecked = false;
    double FRatio = 0;
    TShade FShade = shRed;
    TComponent* FBuddy = nullptr;
    TNotifyEvent FOnClick;
    TLook* FLook;
    TStringList* FLines;
    TOwnedCollection* FEntries;
    std::vector<std::pair<String, Integer>> FPairs;
    String FBlob;
};

// A root that writes its direct nodes (the ones whose parent is the root itself) as children.
class TRootNode : public TNode {
    ZT_CLASS(TRootNode, TNode)
public:
    using TNode::TNode;
    TNode* Node1 = nullptr;
    int Clicks = 0;
    void NodeClick(TObject*) { ++Clicks; }
    void WrongSignature(TObject*, int&) {}
    bool HasParent() const override { return false; }
};

void TNode::SetParentComponent(TComponent* P) {
    if (FParent) std::erase(FParent->FKids, this);
    FParent = As<TNode>(P);
    if (FParent) FParent->FKids.push_back(this);
}

} // namespace

TClass TLook::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TLook>("TLook")
                                       .Prop("Face", &TLook::FFace, &TLook::FFace)
                                       .Prop("Size", &TLook::FSize, &TLook::FSize)
                                       .Default(8)
                                       .Prop("Styles", &TLook::FStyles, &TLook::FStyles)
                                       .Default(TStyles{})
                                       .Prop("Shade", &TLook::FShade, &TLook::FShade)
                                       .Default(shSystem);
    return &Info;
}

TClass TEntry::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TEntry>("TEntry")
                                       .Prop("Text", &TEntry::FText, &TEntry::FText)
                                       .Prop("Width", &TEntry::FWidth, &TEntry::FWidth)
                                       .Default(50)
                                       .Prop("Target", &TEntry::FTarget, &TEntry::FTarget);
    return &Info;
}

TClass TNode::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TNode>("TNode")
                                       .Prop("Caption", &TNode::FCaption, &TNode::FCaption)
                                       .Prop("Count", &TNode::FCount, &TNode::FCount)
                                       .Default(0)
                                       .Prop("Huge", &TNode::FHuge, &TNode::FHuge)
                                       .Default(0)
                                       .Prop("Letter", &TNode::FLetter, &TNode::FLetter)
                                       .Default('a')
                                       .Prop("Kind", &TNode::FKind, &TNode::FKind)
                                       .Default(kiNone)
                                       .Prop("Enabled", &TNode::FEnabled, &TNode::FEnabled)
                                       .Default(true)
                                       .Prop("Checked", &TNode::FChecked, &TNode::FChecked)
                                       .Prop("Ratio", &TNode::FRatio, &TNode::FRatio)
                                       .Prop("Shade", &TNode::FShade, &TNode::FShade)
                                       .Default(shRed)
                                       .Prop("Buddy", &TNode::FBuddy, &TNode::FBuddy)
                                       .Prop("Look", &TNode::GetLook)
                                       .Prop("Lines", &TNode::GetLines)
                                       .Prop("Entries", &TNode::GetEntries)
                                       .Prop("OnClick", &TNode::FOnClick, &TNode::FOnClick);
    return &Info;
}

TClass TRootNode::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TRootNode>("TRootNode")
                                       .Field("Node1", &TRootNode::Node1)
                                       .Method("NodeClick", &TRootNode::NodeClick)
                                       .Method("WrongSignature", &TRootNode::WrongSignature);
    return &Info;
}

class Streaming : public ::testing::Test {
protected:
    void SetUp() override {
        static bool Once = [] {
            RegisterIntegerIdents(TypeInfo<TShade>(), ShadeToIdent, IdentToShade);
            return true;
        }();
        (void)Once;
        RegisterClasses({TNode::StaticClass(), TRootNode::StaticClass()});
        LoadedOrder.clear();
    }
    void TearDown() override {
        UnRegisterClass(TNode::StaticClass());
        UnRegisterClass(TRootNode::StaticClass());
        SetFindGlobalComponent(nullptr);
    }
};

// A tree using every kind of value the reader and writer know.
TRootNode* BuildTree() {
    auto* Root = new TRootNode(nullptr);
    Root->SetName("Root");
    Root->FCaption = "Main 'form'\r\n\xE2\x80\xA6";
    auto* Panel = new TNode(Root);
    Panel->SetName("Panel");
    Panel->SetParentComponent(Root);
    auto* Node1 = new TNode(Root);
    Node1->SetName("Node1");
    Node1->SetParentComponent(Panel);
    Node1->FCount = -5;
    Node1->FHuge = 1LL << 40;
    Node1->FLetter = '#';
    Node1->FKind = kiLarge;
    Node1->FEnabled = false;
    Node1->FChecked = false;
    Node1->FRatio = 0.1;
    Node1->FShade = TShade(12345);
    Node1->FBuddy = Panel;
    Node1->FOnClick = TNotifyEvent(Root, &TRootNode::NodeClick);
    Node1->FLook->FFace = "Mono";
    Node1->FLook->FStyles = {stBold, stUnderline};
    Node1->FLook->FShade = shRed;
    Node1->FLines->SetText("one\r\n\r\ntwo 'quoted'");
    auto* E = static_cast<TEntry*>(Node1->FEntries->Add());
    E->FText = "first";
    E->FTarget = Panel;
    static_cast<TEntry*>(Node1->FEntries->Add())->FWidth = 7;
    Node1->FPairs = {{"a", 1}, {"b", -2}};
    Node1->FBlob = String("\0\x01\xFF", 3);
    Node1->SetDesignInfo(0);
    auto* Hidden = new TNode(Root); // on the design surface: written by its parent? no parent
    Hidden->SetName("Tray");
    Hidden->SetDesignInfo((20 << 16) | 10);
    Hidden->SetParentComponent(Root);
    return Root;
}

TEST_F(Streaming, WrittenFormReadsBackIdentically) {
    std::unique_ptr<TRootNode, void (*)(TRootNode*)> Root(BuildTree(),
                                                          [](TRootNode* R) { R->Free(); });
    String Text = WriteComponentToText(Root.get());
    SCOPED_TRACE(Text);
    EXPECT_NE(Text.find("  Caption = 'Main '#39'form'#39#13#10'\xE2\x80\xA6'\r\n"), String::npos);
    EXPECT_NE(Text.find("    object Node1: TNode\r\n"), String::npos);
    EXPECT_NE(Text.find("Shade = 12345"), String::npos);
    EXPECT_NE(Text.find("Look.Shade = shRed"), String::npos);
    EXPECT_NE(Text.find("Look.Styles = [stBold, stUnderline]"), String::npos);
    EXPECT_NE(Text.find("Enabled = False"), String::npos);
    EXPECT_NE(Text.find("Checked = False"), String::npos); // no default: always written
    EXPECT_EQ(Text.find("Count = 0"), String::npos);       // default: left out
    EXPECT_NE(Text.find("OnClick = NodeClick"), String::npos);
    EXPECT_NE(Text.find("Buddy = Panel"), String::npos);
    EXPECT_NE(Text.find("Lines.Strings = (\r\n"), String::npos);
    EXPECT_NE(Text.find("Left = 10"), String::npos);

    auto* Copy = static_cast<TRootNode*>(ReadComponentFromText(Text, nullptr));
    std::unique_ptr<TRootNode, void (*)(TRootNode*)> Guard(Copy, [](TRootNode* R) { R->Free(); });
    EXPECT_EQ(WriteComponentToText(Copy), Text);
    ASSERT_NE(Copy->Node1, nullptr);
    TNode* N = Copy->Node1;
    EXPECT_EQ(N->FParent->Name(), "Panel");
    EXPECT_EQ(N->FBuddy, N->FParent);
    EXPECT_EQ(N->FHuge, 1LL << 40);
    EXPECT_EQ(N->FLetter, '#');
    EXPECT_DOUBLE_EQ(N->FRatio, 0.1);
    EXPECT_EQ(N->FLines->Count(), 3);
    EXPECT_EQ(N->FEntries->Count(), 2);
    EXPECT_EQ(static_cast<TEntry*>(N->FEntries->Items(0))->FTarget, N->FParent);
    EXPECT_EQ(N->FPairs, Guard->Node1->FPairs);
    EXPECT_EQ(N->FBlob, String("\0\x01\xFF", 3));
    EXPECT_EQ(Copy->FindComponent("Tray")->DesignInfo(), (20 << 16) | 10);
    N->FOnClick(N);
    EXPECT_EQ(Copy->Clicks, 1);
    EXPECT_FALSE(Copy->ComponentState().Contains(csLoading));
}

TEST_F(Streaming, LoadedRunsInReadingOrderAfterReferencesAreResolved) {
    const char* Text = "object Root: TRootNode\n"
                       "  object A: TNode\n"
                       "    Buddy = C\n"
                       "    object B: TNode\n"
                       "    end\n"
                       "  end\n"
                       "  object C: TNode\n"
                       "    Buddy = Root\n"
                       "  end\n"
                       "end\n";
    TComponent* Root = ReadComponentFromText(Text, nullptr);
    EXPECT_EQ(LoadedOrder, (std::vector<String>{"Root", "A>C", "B", "C>Root"}));
    Root->Free();
}

TEST_F(Streaming, ReadingErrorsNameTheProblemAndTheLine) {
    struct Case {
        const char* Body;
        const char* Message;
    };
    const Case PropCases[] = {
        {"    Foo = 1\n", "Error reading Node1.Foo: Property Foo does not exist on line 3"},
        {"    Look.Nope = 1\n",
         "Error reading Node1.Look.Nope: Property Nope does not exist on line 3"},
        {"    Caption.X = 1\n",
         "Error reading Node1.Caption: Property Caption does not exist on line 3"},
        {"    Count = 'x'\n", "Error reading Node1.Count: Invalid property value on line 3"},
        {"    Count = 3000000000\n", "Error reading Node1.Count: Invalid property value on line 3"},
        {"    Kind = kiHuge\n", "Error reading Node1.Kind: Invalid property value on line 3"},
        {"    Look.Styles = [stBold, stShiny]\n",
         "Error reading Node1.Look.Styles: Invalid property value on line 3"},
        {"    Shade = shBlue\n", "Error reading Node1.Shade: Invalid property value on line 3"},
        {"    Ratio = 'a'\n", "Error reading Node1.Ratio: Invalid property value on line 3"},
        {"    Caption = 5\n", "Error reading Node1.Caption: Invalid property value on line 3"},
        {"    OnClick = Missing\n",
         "Error reading Node1.OnClick: Invalid property value on line 3"},
        {"    OnClick = WrongSignature\n",
         "Error reading Node1.OnClick: Invalid property value on line 3"},
        {"    Pairs = ('a')\n", "Error reading Node1.Pairs: Invalid property value on line 3"},
        {"    Pairs = 5\n", "Error reading Node1.Pairs: Invalid property value on line 3"},
        {"    Blob = 'x'\n", "Error reading Node1.Blob: Invalid property value on line 3"},
        {"    Entries = <\n      item\n        Wide = 1\n      end>\n",
         "Error reading Node1.Entries[0].Wide: Property Wide does not exist on line 5"},
    };
    for (const Case& C : PropCases) {
        SCOPED_TRACE(C.Body);
        String Text =
            String("object Root: TRootNode\n  object Node1: TNode\n") + C.Body + "  end\nend\n";
        EXPECT_THROW_MSG(ReadComponentFromText(Text, nullptr), EReadError, C.Message);
    }
    EXPECT_THROW_MSG(
        ReadComponentFromText("object Root: TRootNode\n\n  object X: TNope\n  end\nend\n", nullptr),
        EClassNotFound, "Class TNope not found on line 3");
    EXPECT_THROW_MSG(ReadComponentFromText("object Root: TNowhere\nend\n", nullptr), EClassNotFound,
                     "Class TNowhere not found on line 1");
    EXPECT_THROW_MSG(ReadComponentFromText("object Root: TRootNode\n  object A: TNode\n  end\n"
                                           "  object A: TNode\n  end\nend\n",
                                           nullptr),
                     EComponentError, "A component named A already exists on line 4");
    EXPECT_THROW_MSG(ReadComponentFromText(
                         "object Root: TRootNode\n  inherited A: TNode\n  end\nend\n", nullptr),
                     EReadError, "Ancestor for 'A' not found on line 2");
    EXPECT_THROW_MSG(ReadComponentFromText(
                         "object Root: TRootNode\n  object A: TNode\n    Caption = 'x'\n", nullptr),
                     EParserError, "Unexpected end of file on line 4");
}

// A new component is read along the text, a given root from the whole parsed text: both give
// the text's syntax errors before any reading error, wherever they are.
TEST_F(Streaming, SyntaxErrorsComeBeforeReadingErrorsWhereverTheyAre) {
    const String Bad = "object Root: TRootNode\n  object A: TNode\n    Foo = 1\n  end\n";
    struct Case {
        String Text;
        const char* Message;
    };
    const Case Cases[] = {
        {Bad + "  object B: TNode\n    Caption = 'abc\n  end\nend\n",
         "Invalid string constant on line 6"},
        {Bad + "  object B: TNope\n    object C: TNode\n", "Unexpected end of file on line 7"},
        {Bad + "end\nobject B: TNode\nend\n", "End of file expected on line 6"},
        {"object Root: TRootNode\n  object A: TNope\n    Caption = 'x'\n  end\n  X = [a b]\nend\n",
         "',' expected on line 5"},
        {"object Root: TRootNode\n  Count = 1\nend\nend\n", "End of file expected on line 4"},
        {"object Root: TNowhere\n  X = [a b]\nend\n", "',' expected on line 2"},
        {"object Root: TRootNode\n  object A: TNode\n    object B: TNode\n      Buddy = A\n"
         "  end\nend\n",
         "Unexpected end of file on line 7"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_THROW_MSG(ReadComponentFromText(C.Text, nullptr), EParserError, C.Message);
        TRootNode Given(nullptr);
        EXPECT_THROW_MSG(ReadComponentFromText(C.Text, &Given), EParserError, C.Message);
        EXPECT_EQ(Given.ComponentCount(), 0);
    }
    EXPECT_TRUE(LoadedOrder.empty());
}

// An object's properties are applied before its children are read, also where the text has
// some after them.
TEST_F(Streaming, PropertiesAfterTheChildrenAreAppliedFirst) {
    EXPECT_THROW_MSG(
        ReadComponentFromText(
            "object Root: TRootNode\n  object A: TNode\n    Foo = 1\n  end\n  Bar = 2\nend\n",
            nullptr),
        EReadError, "Error reading Root.Bar: Property Bar does not exist on line 5");
    auto* Root = static_cast<TRootNode*>(
        ReadComponentFromText("object Root: TRootNode\n  object A: TNode\n    Caption = 'a'\n"
                              "  end\n  Caption = 'late'\nend\n",
                              nullptr));
    EXPECT_EQ(Root->FCaption, "late");
    EXPECT_EQ(Root->ComponentCount(), 1);
    EXPECT_EQ(LoadedOrder, (std::vector<String>{"Root", "A"}));
    Root->Free();
}

// A collection read twice frees the items of the first reading: their references are not set.
TEST_F(Streaming, ACollectionReadAgainDropsTheReferencesOfItsFormerItems) {
    auto* Root = static_cast<TRootNode*>(
        ReadComponentFromText("object Root: TRootNode\n  object Node1: TNode\n"
                              "    Entries = <\n      item\n        Target = Node1\n      end>\n"
                              "    Entries = <\n      item\n        Text = 'again'\n      end>\n"
                              "  end\nend\n",
                              nullptr));
    auto* Entry = static_cast<TEntry*>(Root->Node1->FEntries->Items(0));
    EXPECT_EQ(Root->Node1->FEntries->Count(), 1);
    EXPECT_EQ(Entry->FText, "again");
    EXPECT_EQ(Entry->FTarget, nullptr);
    Root->Free();
}

TEST_F(Streaming, AFailedReadIntoAGivenRootLeavesItUsable) {
    TRootNode Root(nullptr);
    EXPECT_THROW(ReadComponentFromText("object Root: TRootNode\n  Count = x\nend\n", &Root),
                 EReadError);
    EXPECT_FALSE(Root.ComponentState().Contains(csLoading));
    EXPECT_FALSE(Root.ComponentState().Contains(csReading));
}

TEST_F(Streaming, ReferencesIntoOtherModulesWaitForThem) {
    static TComponent* Modules[2] = {nullptr, nullptr};
    SetFindGlobalComponent([](std::string_view Name) -> TComponent* {
        for (TComponent* M : Modules)
            if (M && SameText(M->Name(), Name)) return M;
        return nullptr;
    });
    TComponent* First = ReadComponentFromText(
        "object First: TRootNode\n  object A: TNode\n    Buddy = Second.Target\n  end\nend\n",
        nullptr);
    Modules[0] = First;
    auto* A = static_cast<TNode*>(First->FindComponent("A"));
    EXPECT_EQ(A->FBuddy, nullptr);
    TComponent* Second = ReadComponentFromText(
        "object Second: TRootNode\n  object Target: TNode\n  end\nend\n", nullptr);
    Modules[1] = Second;
    GlobalFixupReferences();
    EXPECT_EQ(A->FBuddy, Second->FindComponent("Target"));
    EXPECT_NE(WriteComponentToText(First).find("Buddy = Second.Target"), String::npos);
    Modules[0] = Modules[1] = nullptr;
    A->FBuddy = nullptr;
    Second->Free();
    First->Free();
}

TEST_F(Streaming, RootNamesStayUniqueAmongTheOwnersComponents) {
    TComponent App(nullptr);
    TComponent* One = ReadComponentFromText("object Main: TRootNode\nend\n", nullptr, &App);
    TComponent* Two = ReadComponentFromText("object Main: TRootNode\nend\n", nullptr, &App);
    EXPECT_EQ(One->Name(), "Main");
    EXPECT_EQ(Two->Name(), "Main_1");
}

TEST_F(Streaming, FilesAreWrittenAtomicallyAndReadBack) {
    zt_test::TempDir Dir;
    std::unique_ptr<TRootNode, void (*)(TRootNode*)> Root(BuildTree(),
                                                          [](TRootNode* R) { R->Free(); });
    String File = Dir.File("Root.dfm");
    WriteComponentResFile(File, Root.get());
    TRootNode Copy(nullptr);
    ReadComponentResFile(File, &Copy);
    EXPECT_EQ(WriteComponentToText(&Copy), zt_test::ReadAll(File));
    EXPECT_THROW_MSG(ReadComponentResFile(Dir.File("missing.dfm"), &Copy), EFOpenError,
                     "Cannot open file \"" + Dir.File("missing.dfm") + "\"");
}

TEST_F(Streaming, CorpusFormsFailWithAClearErrorWhereOurClassesAreMissing) {
    std::filesystem::path Dir = ZT_CORPUS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(Dir)) << "corpus not found at " << Dir;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
        if (Entry.path().extension() != ".dfm" && Entry.path().extension() != ".lfm") continue;
        SCOPED_TRACE(Entry.path().filename().string());
        String Text = zt_test::ReadAll(Entry.path().string());
        TFormObject Obj = ParseFormText(Text);
        try {
            TRootNode Root(nullptr);
            TReader(Obj).ReadRootComponent(&Root);
            ADD_FAILURE() << "read without error";
        } catch (const EFilerError& E) {
            EXPECT_NE(E.Message().find(" on line "), String::npos) << E.Message();
        } catch (const EComponentError& E) {
            EXPECT_NE(E.Message().find(" on line "), String::npos) << E.Message();
        }
    }
}
