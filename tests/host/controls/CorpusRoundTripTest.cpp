// The real form files of the corpus, read as a tool reads them: tolerant of the classes,
// properties and handlers that are not compiled in, over their ancestors' forms.
#include "host/classes/Filer.h"
#include "host/classes/FormFolder.h"
#include "host/classes/Placeholder.h"
#include "host/controls/Application.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

#include <filesystem>
#include <functional>
#include <typeinfo>

using namespace host;

namespace {

class CorpusRoundTrip : public ControlsTest {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(Dir)) GTEST_SKIP() << "corpus not found at " << Dir;
        RegisterControlClasses();
    }
    std::vector<std::filesystem::path> Files() const {
        std::vector<std::filesystem::path> Result;
        for (const auto& Entry : std::filesystem::directory_iterator(Dir))
            if (Entry.path().extension() == ".dfm") Result.push_back(Entry.path());
        std::sort(Result.begin(), Result.end());
        return Result;
    }
    static TComponent* ReadTolerant(const String& Text) {
        TFormReadOptions Options;
        Options.Tolerant = true;
        return ReadComponentFromText(Text, nullptr, nullptr, Options);
    }

    std::filesystem::path Dir = std::filesystem::exists(ZT_TEST_DATA_DIR "/forms")
                                    ? ZT_TEST_DATA_DIR "/forms"
                                    : ZT_CORPUS_DIR;
};

using TFreeComponent = std::unique_ptr<TComponent, void (*)(TComponent*)>;
TFreeComponent Owned(TComponent* C) {
    return TFreeComponent(C, [](TComponent* X) { X->Free(); });
}

TEST_F(CorpusRoundTrip, EveryFormReadsTolerantlyAndWritesBackTheSameText) {
    int Count = 0;
    for (const auto& File : Files()) {
        SCOPED_TRACE(File.filename().string());
        String Text = zt_test::ReadAll(File.string());
        auto Root = Owned(ReadTolerant(Text));
        EXPECT_EQ(WriteComponentToText(Root.get()), PrintFormText(ParseFormText(Text)));
        ++Count;
    }
    EXPECT_GE(Count, 34);
}

// A new form is read along its text; read from the parsed tree it must end the same way: the
// same components written back, or the same error, also where the text is cut short or has
// something after its end.
TEST_F(CorpusRoundTrip, ReadingAlongTheTextEndsAsReadingFromTheTree) {
    auto Outcome = [](const std::function<TComponent*()>& Read) -> String {
        try {
            auto Root = Owned(Read());
            return WriteComponentToText(Root.get());
        } catch (const Exception& E) {
            return String(typeid(E).name()) + ": " + E.Message();
        }
    };
    int Texts = 0;
    for (const auto& File : Files()) {
        SCOPED_TRACE(File.filename().string());
        String Whole = zt_test::ReadAll(File.string());
        for (const String& Text : {Whole, Whole.substr(0, Whole.size() * 2 / 3), Whole + "end\n"}) {
            String Along = Outcome([&] { return ReadComponentFromText(Text, nullptr); });
            String FromTree = Outcome([&] {
                TFormObject Tree = ParseFormText(Text);
                return TReader(Tree).ReadRootComponent(nullptr);
            });
            EXPECT_EQ(Along, FromTree);
            ++Texts;
        }
    }
    EXPECT_GE(Texts, 3 * 34);
}

// Every object of a form text that the ancestor chain puts into the root: the ones outside
// inline frames, by name.
void CollectNames(const TFormObject& Obj, std::vector<String>& Names) {
    for (const TFormObject& Child : Obj.Children) {
        if (!Child.Name.empty()) Names.push_back(Child.Name);
        if (Child.Kind != TFormObjectKind::Inline) CollectNames(Child, Names);
    }
}

TEST_F(CorpusRoundTrip, InheritedFormsAndFramesReadOverTheirAncestorsInTheSameFolder) {
    TFormFolder Folder(Dir.string());
    // What the units' class declarations say; the form files do not.
    const std::pair<const char*, const char*> Ancestry[] = {
        {"TMDIMainForm", "TMainForm"},
        {"THelpAwareForm", "TBaseForm"},
        {"TGenericDlg", "THelpAwareForm"},
        {"TGenericModalDlg", "TGenericDlg"},
        {"TGenericViewDlg", "TGenericModalDlg"},
        {"TAboutDlg", "TGenericViewDlg"},
        {"TMainForm", "THelpAwareForm"},
        {"THTMLDlgFrame", "TBrowserBaseFrame"},
        {"THTMLTpltDlgFrame", "THTMLDlgFrame"},
        {"TframeMt3dBasicPkg", "TframePackage"},
        {"TfrmModflowPackages", "TfrmCustomGoPhast"}};
    for (auto [Class, Ancestor] : Ancestry)
        Folder.DeclareAncestor(Class, Ancestor);
    int Inherited = 0;
    for (const auto& File : Files()) {
        String Text = zt_test::ReadAll(File.string());
        TFormObject Form = ParseFormText(Text);
        if (Form.Kind != TFormObjectKind::Inherited) continue;
        SCOPED_TRACE(File.filename().string());
        ++Inherited;
        auto Root = Owned(Folder.ReadFile(File.string(), nullptr, nullptr, true));
        // Every ancestor's objects are there, under the names their forms give them.
        String AncestorClass = Form.ClassName;
        for (int Depth = 0; Depth < 10; ++Depth) {
            String Next;
            for (auto [Class, Ancestor] : Ancestry)
                if (AncestorClass == Class) Next = Ancestor;
            if (Next.empty()) break;
            String AncestorFile = Folder.FileOfClass(Next, File.string());
            ASSERT_FALSE(AncestorFile.empty()) << Next;
            std::vector<String> Names;
            CollectNames(ParseFormText(zt_test::ReadAll(AncestorFile)), Names);
            for (const String& Name : Names)
                EXPECT_NE(Root->FindComponent(Name), nullptr) << Name << " of " << Next;
            AncestorClass = Next;
        }
        std::vector<String> Own;
        CollectNames(Form, Own);
        for (const String& Name : Own)
            EXPECT_NE(Root->FindComponent(Name), nullptr) << Name;
    }
    EXPECT_EQ(Inherited, 11);
}

// A frame used inline brings its frame's objects, each frame its own, changed where the
// using form says so.
TEST_F(CorpusRoundTrip, InlineFramesOfTheCorpusHoldTheirFramesObjects) {
    TFormFolder Folder(Dir.string());
    Folder.DeclareAncestor("TAboutDlg", "TGenericViewDlg");
    Folder.DeclareAncestor("TGenericViewDlg", "TGenericModalDlg");
    Folder.DeclareAncestor("TGenericModalDlg", "TGenericDlg");
    Folder.DeclareAncestor("TGenericDlg", "THelpAwareForm");
    Folder.DeclareAncestor("THelpAwareForm", "TBaseForm");
    Folder.DeclareAncestor("THTMLTpltDlgFrame", "THTMLDlgFrame");
    Folder.DeclareAncestor("THTMLDlgFrame", "TBrowserBaseFrame");
    String File = (Dir / "cs_FmAboutDlg.dfm").string();
    auto Root = Owned(Folder.ReadFile(File, nullptr, nullptr, true));
    TFormObject Form = ParseFormText(zt_test::ReadAll(File));
    std::vector<const TFormObject*> Inline;
    std::function<void(const TFormObject&)> Find = [&](const TFormObject& O) {
        for (const TFormObject& C : O.Children) {
            if (C.Kind == TFormObjectKind::Inline) Inline.push_back(&C);
            Find(C);
        }
    };
    Find(Form);
    ASSERT_EQ(Inline.size(), 3u);
    std::vector<String> FrameNames;
    CollectNames(ParseFormText(zt_test::ReadAll((Dir / "cs_FrBrowserBase.dfm").string())),
                 FrameNames);
    ASSERT_FALSE(FrameNames.empty());
    for (const TFormObject* O : Inline) {
        TComponent* Frame = Root->FindComponent(O->Name);
        ASSERT_NE(Frame, nullptr) << O->Name;
        EXPECT_TRUE(Frame->ComponentState().Contains(csInline));
        for (const String& Name : FrameNames)
            EXPECT_NE(Frame->FindComponent(Name), nullptr) << Name;
    }
}

} // namespace
