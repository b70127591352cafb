// The form translator over the real forms of the corpus (what the host's standard classes
// read of them): every collected text is translated.
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/Application.h"
#include "host/rtl/StrUtils.h"

#include "TestUtil.h"
#include "host/controls/CorpusAudit.h"

#include <filesystem>

using namespace zantor;

namespace {

// Texts worth a translation: captions, hints, texts, labels, titles and list items.
bool IsText(const String& Path) {
    for (const char* Tail :
         {".Caption", ".Hint", ".Text", ".DisplayLabel", ".SimpleText", "Caption", "Hint"})
        if (host::EndsStr(Tail, Path)) return true;
    return !Path.empty() && Path.back() == ']' && Path.find(".Lines[") == String::npos &&
           Path.find("Strings[") == String::npos;
}

} // namespace

class FormTranslatorCorpus : public ::testing::Test {
protected:
    FormTranslatorCorpus() { RegisterTranslatorClasses(); }
    host::TApplicationScope App;
};

TEST_F(FormTranslatorCorpus, EveryCollectedTextOfTheStandardClassesTranslates) {
    std::filesystem::path Dir = ZT_CORPUS_DIR;
    if (!std::filesystem::exists(Dir)) GTEST_SKIP() << "corpus not found";
    int Translated = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
        if (Entry.path().extension() != ".dfm") continue;
        SCOPED_TRACE(Entry.path().filename().string());
        host::TFormObject Obj;
        (void)zt_test::AuditForm(zt_test::ReadAll(Entry.path().string()), &Obj);
        host::TComponent* Root =
            host::CreateComponent(zt_test::AuditRootClass(Obj), host::Application);
        host::TReader(Obj).ReadRootComponent(Root);
        const String Design = host::WriteComponentToText(Root);
        auto* T = new TFormTranslator(Root);
        T->SetName("CorpusTranslator");
        T->SetLocale(1031);
        T->SetTranslate(false);
        host::TStringList Collected;
        ASSERT_TRUE(T->TranslateForm(&Collected, true));
        std::vector<String> Expected;
        for (int i = 0; i < Collected.Count(); ++i) {
            const String Line = Collected.Strings(i);
            const auto Eq = Line.find('=');
            const String Path = Line.substr(0, Eq);
            const String Value = Line.substr(Eq + 1);
            if (!IsText(Path) || Value.size() < 3 || Value[0] != '\'' ||
                host::UpperCase(Value) == Value)
                continue;
            T->Translations()->SortInsert(Path + "=" + host::UpperCase(Value));
            Expected.push_back(Path + "=" + host::UpperCase(Value));
        }
        T->SetTranslate(true);
        host::TStringList After;
        ASSERT_TRUE(T->TranslateForm(&After, true));
        for (const String& Line : Expected) {
            EXPECT_GE(After.IndexOf(Line), 0) << Line;
            ++Translated;
        }
        // Restoring does not yet give every corpus form back exactly (see the open points).
        T->SetTranslate(false);
        T->Free();
        (void)Design;
        Root->Free();
    }
    EXPECT_GT(Translated, 1000);
}
