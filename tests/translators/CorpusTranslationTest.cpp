// The form translator over the real forms of the corpus, read as a tool reads them: every
// text it collects can be translated, and restoring gives the original form back.
#include "translators/FormTranslator.h"
#include "translators/Literals.h"
#include "translators/Registration.h"

#include "host/classes/Collection.h"
#include "host/classes/Filer.h"
#include "host/controls/ActnList.h"
#include "host/controls/Application.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

#include <filesystem>
#include <unordered_map>

using namespace zantor;

namespace {

std::filesystem::path CorpusDir() {
    std::filesystem::path Data = ZT_TEST_DATA_DIR "/forms";
    return std::filesystem::exists(Data) ? Data : std::filesystem::path(ZT_CORPUS_DIR);
}

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> Result;
    std::error_code Ec;
    for (const auto& Entry : std::filesystem::directory_iterator(CorpusDir(), Ec))
        if (Entry.path().extension() == ".dfm") Result.push_back(Entry.path());
    std::sort(Result.begin(), Result.end());
    return Result;
}

// A collected value that is a text: string values are collected as quoted literals.
bool IsText(std::string_view Value) {
    return Value.starts_with('\'') || (Value.size() > 1 && Value.starts_with('#'));
}

// The object a collected path ends on, following the walk: component by name, object
// properties, collection items; nullptr where it cannot tell (a placeholder's dotted names).
// Through is set when the way passes a component reference (ActivePage, FocusControl ...).
host::TObject* ObjectOf(host::TComponent* Root, const String& Path, bool& Through) {
    Through = false;
    std::vector<String> Parts = host::SplitString(Path, '.');
    host::TObject* Obj = Root;
    std::size_t i = 0;
    if (Parts.size() > 1)
        if (host::TComponent* C = Root->FindComponent(Parts[0])) {
            Obj = C;
            i = 1;
        }
    for (; Obj && i + 1 < Parts.size(); ++i) {
        String Name = Parts[i];
        int Index = -1;
        if (std::size_t B = Name.find('['); B != String::npos) {
            Index = std::stoi(Name.substr(B + 1));
            Name = Name.substr(0, B);
        }
        host::PPropInfo P = host::GetPropInfo(Obj, Name);
        if (!P || P->Kind() != host::tkClass) return nullptr;
        Obj = host::GetObjectProp(Obj, P);
        if (host::Is<host::TComponent>(Obj)) Through = true;
        if (Index >= 0) {
            auto* Coll = host::As<host::TCollection>(Obj);
            Obj = Coll && Index < Coll->Count() ? Coll->Items(Index) : nullptr;
        }
    }
    return Obj;
}

// Texts that a translation must leave alone for the form to come back when restored; each
// is a way of the host's classes, not of the reader:
// - component names are collected too, but they are identifiers;
// - a font name turns a control's ParentFont off, which restoring the name does not undo;
// - a property reached through a component reference is the same property as under its
//   own name: translating both saves the first translation as the "design" text;
// - the text of a drop-down list is its selected item, which the item texts decide;
// - a change of an action hands all its properties to its clients (a menu item's GroupIndex
//   too), and a client's text linked to an action is the action's: translating either saves
//   the other's translation as the "design" text;
// - a field name is an identifier, and a text the class does not store is derived from
//   another one (a field's label from its name, a column's title from its field's label),
//   which translating both would save as its "design" text.
bool LinkedToAction(host::TObject* Obj) {
    if (auto* Action = host::As<host::TBasicAction>(Obj)) return Action->ClientCount() > 0;
    host::PPropInfo Link = Obj ? host::GetPropInfo(Obj, "Action") : nullptr;
    return Link && Link->Kind() == host::tkClass && host::GetObjectProp(Obj, Link);
}

bool Derived(host::TObject* Obj, const String& Path) {
    host::PPropInfo P = Obj ? host::GetPropInfo(Obj, Path.substr(Path.rfind('.') + 1)) : nullptr;
    return P && !P->IsStored(Obj);
}

bool LeftAlone(host::TComponent* Root, const String& Path, const String& Value) {
    if (Path == "Name" || Path.ends_with("Font.Name") || Path.ends_with(".FieldName")) return true;
    bool Through = false;
    host::TObject* Obj = ObjectOf(Root, Path, Through);
    if (Through || LinkedToAction(Obj) || Derived(Obj, Path)) return true;
    if (Path.ends_with(".Name") && Is<host::TComponent>(Obj) &&
        static_cast<host::TComponent*>(Obj)->Name() == FromLiterals(Value))
        return true;
    if (Path.ends_with(".Text") && Obj)
        if (host::PPropInfo Style = host::GetPropInfo(Obj, "Style");
            Style && Style->Kind() == host::tkEnumeration)
            return host::GetEnumName(Style->PropType, host::GetOrdProp(Obj, Style)) ==
                   "csDropDownList";
    return false;
}

String Translated(const String& Text) {
    String Result = "[";
    for (char C : Text)
        Result += (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
    return Result + "]";
}

std::unordered_map<String, String> ByPath(const host::TStrings& Lines) {
    std::unordered_map<String, String> Result;
    for (int i = 0; i < Lines.Count(); ++i) {
        const String& L = Lines.Strings(i);
        std::size_t Eq = L.find('=');
        Result.emplace(L.substr(0, Eq), L.substr(Eq + 1));
    }
    return Result;
}

class CorpusTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        if (CorpusFiles().empty()) GTEST_SKIP() << "corpus not found at " << CorpusDir();
        RegisterTranslatorClasses();
        host::RegisterControlClasses();
    }
    static host::TComponent* Read(const std::filesystem::path& File) {
        host::TFormReadOptions Options;
        Options.Tolerant = true;
        return host::ReadComponentFromText(zt_test::ReadAll(File.string()), nullptr, nullptr,
                                           Options);
    }
    static std::unordered_map<String, String> Collect(host::TComponent* Root) {
        auto* T = new TFormTranslator(Root);
        host::TStringList Out;
        EXPECT_TRUE(T->TranslateForm(&Out, true));
        T->Free();
        return ByPath(Out);
    }
    host::TApplicationScope App;
};

TEST_F(CorpusTranslation, EveryCollectedTextTranslatesAndRestoringGivesTheFormBack) {
    int Texts = 0;
    for (const auto& File : CorpusFiles()) {
        SCOPED_TRACE(File.filename().string());
        host::TComponent* Root = Read(File);
        String Original = host::WriteComponentToText(Root);
        std::unordered_map<String, String> Before = Collect(Root);
        auto* T = new TFormTranslator(Root);
        T->SetName("CorpusTranslator");
        T->SetTranslate(false);
        std::vector<std::pair<String, String>> Expected;
        for (const auto& [Path, Value] : Before) {
            if (!IsText(Value) || Value == "''" || LeftAlone(Root, Path, Value)) continue;
            String Text = ToLiterals(Translated(FromLiterals(Value)));
            T->Translations()->SortInsert(Path + "=" + Text);
            Expected.emplace_back(Path, Text);
        }
        T->SetTranslate(true);
        std::unordered_map<String, String> After = Collect(Root);
        // Changed, and to the translation (as the control keeps it: an edit with a character
        // case shows it in that case).
        for (const auto& [Path, Text] : Expected) {
            EXPECT_NE(After[Path], Before[Path]) << Path;
            EXPECT_TRUE(host::SameText(After[Path], Text)) << Path << ": " << After[Path];
        }
        Texts += static_cast<int>(Expected.size());
        T->SetTranslate(false);
        T->Free();
        EXPECT_EQ(Collect(Root), Before);
        EXPECT_EQ(host::WriteComponentToText(Root), Original);
        Root->Free();
    }
    EXPECT_GT(Texts, 1000);
}

// Texts as the files write them, found by the collect walk under their paths.
TEST_F(CorpusTranslation, CollectedTextsMatchTheFiles) {
    struct Check {
        const char* File;
        const char* Path;
        const char* Value;
    };
    const Check Checks[] = {
        {"se_SynOmniSetupDialog.dfm", "Caption", "'Omni Highlighter Setup'"},
        {"se_SynOmniSetupDialog.dfm", "lGeneralName.Caption", "'Name:'"},
        {"se_SynOmniSetupDialog.dfm", "cCommentAnsi.Caption", "'(*\xE2\x80\xA6*)'"},
        {"se_SynOmniSetupDialog.dfm", "cCommentAnsi.Hint", "'Pascal'"},
        {"cs_FmAboutDlg.dfm", "Caption", "'About CodeSnip'"},
        {"rtk_naviopt.dfm", "Label47.Caption", "'Station Position File'"},
        {"rtk_naviopt.dfm", "BtnCancel.Caption", "'&Cancel'"},
        {"rtk_naviopt.dfm", "LabelElMask.Caption", "'Elevation Mask (\xC2\xB0) / SNR Mask (dbHz)'"},
        {"p4d_Unit1.dfm", "Memo1.Lines[0]",
         "'from spam import DelphiVersion, MainForm, DVar, CreateComponent, Application, Screen, "
         "mrOk, "
         "Component, Form, Button, CheckBox, OpenDialog, caFree'"},
        {"dmvc_MainFormU.dfm", "DBGrid1.Columns[0].Title.Caption", "'#ID'"},
        {"se_dmWorkbookCommands.dfm", "actFileSave.Caption", "'&Save'"},
        {"se_EditAppMain.dfm", "miFileMRU1.Caption", "'[MRU1]'"},
    };
    for (const Check& C : Checks) {
        SCOPED_TRACE(String(C.File) + " " + C.Path);
        host::TComponent* Root = Read(CorpusDir() / C.File);
        EXPECT_EQ(Collect(Root)[C.Path], C.Value);
        Root->Free();
    }
}

} // namespace
