// Translators of several locales sharing one head of one translation file: every save, in
// any order and after any change of the lists, leaves a file from which each of them loads
// back what it saved.
#include "ResourceTestSupport.h"

#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/FileNames.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <map>

using namespace zantor;

namespace {

using TTable = std::map<String, String>; // source text -> translation

struct TLocaleTables {
    Integer Locale;
    TTable Before, After; // the list before and after it changed
};

// Shifting numbers on purpose: texts added before others, removed from the middle, shared
// by some locales and not others, one left untranslated.
const std::vector<TLocaleTables> Locales = {
    {1036,
     {{"Cancel", "Annuler"}, {"Ready", "Prêt"}, {"Save", "Enregistrer"}},
     {{"Apply", "Appliquer"}, {"Cancel", "Annuler"}, {"Ready", "Prêt !"}, {"Untranslated", ""}}},
    {1031,
     {{"Open", "Öffnen"}, {"Ready", "Bereit"}},
     {{"Abort", "Abbrechen"}, {"Close", "Schließen"}, {"Open", "Öffnen"}, {"Ready", "Bereit"}}},
    {1034,
     {{"Save", "Guardar"}, {"Zoom", "Ampliar"}},
     {{"Exit", "Salir"}, {"Save", "Guardar"}, {"Line\r\nbreak", "Salto\r\nde línea"}}},
};

void Fill(TResourceTranslator* T, const TTable& Table) {
    std::vector<String> Gone;
    for (int i = 0; i < T->ResStrings()->Count(); ++i)
        if (!Table.contains(T->ResStrings()->Line(i))) Gone.push_back(T->ResStrings()->Line(i));
    for (const String& Text : Gone)
        EXPECT_TRUE(T->RemoveTranslation(Text));
    for (const auto& [Text, Translation] : Table)
        T->SetTranslation(Text, Translation);
}

// Empty when T answers exactly as Table: the same translation for each of its texts, and
// none for the texts that only other locales brought along.
String Differences(const TTable& Table, const TResourceTranslator* T) {
    String D;
    TTable Loaded;
    for (int i = 0; i < T->ResStrings()->Count(); ++i)
        Loaded[T->ResStrings()->Line(i)] =
            T->Translations()->Strings(ObjectToInt(T->ResStrings()->Objects(i)));
    for (const auto& [Text, Translation] : Table)
        if (!Loaded.contains(Text) || Loaded[Text] != Translation)
            D += "[" + Text + "] wants '" + Translation + "' has '" + Loaded[Text] + "' ";
    for (const auto& [Text, Translation] : Loaded)
        if (!Table.contains(Text) && !Translation.empty())
            D += "[" + Text + "] unexpected '" + Translation + "' ";
    return D;
}

String OrderName(const std::vector<int>& Order) {
    String S;
    for (int i : Order)
        S += std::to_string(Locales[static_cast<std::size_t>(i)].Locale) + " ";
    return S;
}

} // namespace

class SharedTranslationFile : public zrt_test::ZrtFixture {
protected:
    SharedTranslationFile() { RegisterTranslatorClasses(); }

    // Fresh translators of every locale on a form of the same name load File; each must
    // answer as Current says.
    void ExpectLoadsBack(const String& File, const std::vector<const TTable*>& Current,
                         const String& Context) {
        auto* Form = new host::TForm(nullptr);
        Form->SetName("Form1");
        for (std::size_t i = 0; i < Current.size(); ++i) {
            if (!Current[i]) continue;
            auto* T = new TResourceTranslator(Form);
            T->SetLocale(Locales[i].Locale);
            ASSERT_TRUE(T->LoadFrom(File));
            EXPECT_EQ(Differences(*Current[i], T), "")
                << Context << "locale " << Locales[i].Locale << "\n"
                << zt_test::ReadAll(File);
        }
        Form->Free();
    }
};

TEST_F(SharedTranslationFile, ResourceTranslatorsSavedInAnyOrderAfterAnyChangeLoadBack) {
    for (std::size_t Count : {2u, 3u}) {
        std::vector<int> Order(Count);
        for (std::size_t i = 0; i < Count; ++i)
            Order[i] = static_cast<int>(i);
        do {
            const String File = Dir.File("res" + std::to_string(Count) + OrderName(Order) + ".txt");
            auto* Form = new host::TForm(host::Application);
            Form->SetName("Form1");
            std::vector<TResourceTranslator*> Ts(Count);
            std::vector<const TTable*> Current(Count);
            for (int i : Order) {
                auto* T = Ts[static_cast<std::size_t>(i)] = new TResourceTranslator(Form);
                T->SetLocale(Locales[static_cast<std::size_t>(i)].Locale);
                Fill(T, Locales[static_cast<std::size_t>(i)].Before);
                T->SaveTo(File);
                Current[static_cast<std::size_t>(i)] = &Locales[static_cast<std::size_t>(i)].Before;
            }
            ExpectLoadsBack(File, Current, "saved " + OrderName(Order));
            // Each list changes and is saved alone, the others still as they were.
            for (int i : Order) {
                Fill(Ts[static_cast<std::size_t>(i)], Locales[static_cast<std::size_t>(i)].After);
                Ts[static_cast<std::size_t>(i)]->SaveTo(File);
                Current[static_cast<std::size_t>(i)] = &Locales[static_cast<std::size_t>(i)].After;
                ExpectLoadsBack(File, Current,
                                "order " + OrderName(Order) + "changed " +
                                    std::to_string(Locales[static_cast<std::size_t>(i)].Locale) +
                                    ": ");
            }
            // Saving again changes nothing.
            const String Settled = zt_test::ReadAll(File);
            for (int i : Order)
                Ts[static_cast<std::size_t>(i)]->SaveTo(File);
            EXPECT_EQ(zt_test::ReadAll(File), Settled);
            Form->Free();
        } while (std::next_permutation(Order.begin(), Order.end()));
    }
}

TEST_F(SharedTranslationFile, ResourceTranslatorsStreamedWithTheirFormLoadBack) {
    std::vector<int> Order{0, 1, 2};
    do {
        const String File = Dir.File("stream" + OrderName(Order) + ".txt");
        auto* Form = new host::TForm(host::Application);
        Form->SetName("Form1");
        for (int i : Order) {
            auto* T = new TResourceTranslator(Form);
            T->SetName("Res" + std::to_string(Locales[static_cast<std::size_t>(i)].Locale));
            T->SetLocale(Locales[static_cast<std::size_t>(i)].Locale);
            T->SetFileName(File);
            Fill(T, Locales[static_cast<std::size_t>(i)].Before);
        }
        (void)host::WriteComponentToText(Form);
        for (int i : Order)
            Fill(static_cast<TResourceTranslator*>(Form->FindComponent(
                     "Res" + std::to_string(Locales[static_cast<std::size_t>(i)].Locale))),
                 Locales[static_cast<std::size_t>(i)].After);
        const String Text = host::WriteComponentToText(Form);
        Form->Free();

        auto* Again = new host::TForm(host::Application);
        host::ReadComponentFromText(Text, Again);
        for (const TLocaleTables& L : Locales)
            EXPECT_EQ(Differences(L.After, static_cast<TResourceTranslator*>(Again->FindComponent(
                                               "Res" + std::to_string(L.Locale)))),
                      "")
                << OrderName(Order) << L.Locale << "\n"
                << zt_test::ReadAll(File);
        Again->Free();
    } while (std::next_permutation(Order.begin(), Order.end()));
}

namespace {

const char* const TwoButtons = "object Form1: TForm\n"
                               "  Caption = 'Orders'\n"
                               "  object Button1: TButton\n"
                               "    Caption = 'Cancel'\n"
                               "  end\n"
                               "  object Button2: TButton\n"
                               "    Caption = 'Apply'\n"
                               "  end\n"
                               "  object Label1: TLabel\n"
                               "    Caption = 'Name:'\n"
                               "  end\n"
                               "end\n";

struct TFormLocale {
    Integer Locale;
    std::vector<const char*> Before, After;
};

const std::vector<TFormLocale> FormLocales = {
    {1036, {"Button1.Caption='Annuler'", "Label1.Caption='Nom :'"}, {"Button1.Caption='Annuler'"}},
    {1031,
     {"Button2.Caption='Anwenden'"},
     {"Button2.Caption='Anwenden'", "Caption='Bestellungen'"}},
    {1034, {"Label1.Caption='Nombre:'", "Caption='Pedidos'"}, {"Label1.Caption='Nombre:'"}},
};

const std::map<String, String> DesignTexts = {{"Button1.Caption", "'Cancel'"},
                                              {"Button2.Caption", "'Apply'"},
                                              {"Caption", "'Orders'"},
                                              {"Label1.Caption", "'Name:'"}};

// The -1 lines of the file must be exactly those of the paths that some locale translates.
String DesignLineDifferences(const String& Text,
                             const std::vector<const std::vector<const char*>*>& Lists) {
    std::map<String, String> Wanted, Found;
    for (const auto* List : Lists)
        for (const char* Line : *List) {
            String Path = String(Line).substr(0, String(Line).find('='));
            Wanted[Path] = DesignTexts.at(Path);
        }
    for (std::string_view Line : SplitLines(Text)) {
        std::size_t Minus = Line.find("%-1=");
        if (Minus != std::string_view::npos)
            Found[String(Line.substr(6, Minus - 6))] = String(Line.substr(Minus + 4));
    }
    return Wanted == Found ? String() : "-1 lines differ:\n" + Text;
}

} // namespace

TEST_F(SharedTranslationFile, FormTranslatorsKeepTheDesignTextOfEveryPathAnyLocaleTranslates) {
    for (bool Streamed : {false, true}) {
        std::vector<int> Order{0, 1, 2};
        do {
            const String File = Dir.File(String(Streamed ? "s" : "f") + OrderName(Order) + ".txt");
            auto* Form = new host::TForm(host::Application);
            host::ReadComponentFromText(TwoButtons, Form);
            std::vector<const std::vector<const char*>*> Current(3);
            std::vector<TFormTranslator*> Ts(3);
            for (int i : Order) {
                auto* T = Ts[static_cast<std::size_t>(i)] = new TFormTranslator(Form);
                T->SetName("T" + std::to_string(FormLocales[static_cast<std::size_t>(i)].Locale));
                T->SetLocale(FormLocales[static_cast<std::size_t>(i)].Locale);
                T->SetTranslate(false);
                T->SetFileName(File);
            }
            auto Change = [&](int i, bool After) {
                const TFormLocale& L = FormLocales[static_cast<std::size_t>(i)];
                host::TStringList List;
                for (const char* Line : After ? L.After : L.Before)
                    List.Add(Line);
                Ts[static_cast<std::size_t>(i)]->SetTranslations(&List);
                Current[static_cast<std::size_t>(i)] = After ? &L.After : &L.Before;
            };
            for (int i : Order)
                Change(i, false);
            if (Streamed) {
                (void)host::WriteComponentToText(Form);
            } else {
                for (int i : Order)
                    Ts[static_cast<std::size_t>(i)]->SaveTo(File);
            }
            EXPECT_EQ(DesignLineDifferences(zt_test::ReadAll(File), Current), "")
                << OrderName(Order);
            for (int i : Order) {
                Change(i, true); // paths dropped by one locale lose their -1 line only when no
                                 // other keeps them
                if (Streamed)
                    (void)host::WriteComponentToText(Form);
                else
                    Ts[static_cast<std::size_t>(i)]->SaveTo(File);
                EXPECT_EQ(DesignLineDifferences(zt_test::ReadAll(File), Current), "")
                    << OrderName(Order);
            }
            for (int i : Order) {
                auto* Fresh = new TFormTranslator(Form);
                Fresh->SetLocale(FormLocales[static_cast<std::size_t>(i)].Locale);
                ASSERT_TRUE(Fresh->LoadFrom(File));
                std::vector<String> Loaded, Saved;
                for (int k = 0; k < Fresh->Translations()->Count(); ++k)
                    Loaded.push_back(Fresh->Translations()->Line(k));
                for (const char* Line : FormLocales[static_cast<std::size_t>(i)].After)
                    Saved.push_back(Line);
                std::sort(Saved.begin(), Saved.end());
                EXPECT_EQ(Loaded, Saved);
                Fresh->Free();
            }
            Form->Free();
        } while (std::next_permutation(Order.begin(), Order.end()));
    }
}

TEST_F(SharedTranslationFile, UnwritableKeysAreRefusedByTheTranslatorNamingTheKey) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText(TwoButtons, Form);
    auto* T = new TFormTranslator(Form);
    T->SetLocale(1036);
    T->SetTranslate(false);
    T->Translations()->SortInsert("Button%1.Caption='x'");
    const String File = Dir.File("app.lng");
    EXPECT_THROW_MSG(T->SaveTo(File), host::EWriteError,
                     "Translation Button%1.Caption holds \"%\" in its key and cannot be written");
    EXPECT_FALSE(host::FileExists(File));
    T->Translations()->Clear();
    T->Translations()->SortInsert("Button1.Caption='a'\r\nForm2.Button1.Caption%1036='injected'");
    EXPECT_THROW_MSG(T->SaveTo(File), host::EWriteError,
                     "Translation Button1.Caption holds a line break and cannot be written");
    EXPECT_FALSE(host::FileExists(File));
    Form->Free();
}

TEST_F(SharedTranslationFile, SaveToDropsTheDesignLineOfAKeyNoLocaleHasAnyMore) {
    auto* Form = new host::TForm(host::Application);
    host::ReadComponentFromText(TwoButtons, Form);
    auto* T = new TFormTranslator(Form);
    T->SetLocale(1036);
    T->SetTranslate(false);
    T->Translations()->SortInsert("Button1.Caption='Annuler'");
    T->Translations()->SortInsert("Label1.Caption='Nom :'");
    const String File = Dir.File("app.lng");
    T->SaveTo(File);
    T->Translations()->Delete(T->Translations()->IndexOf("Label1.Caption='Nom :'"));
    T->SaveTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "Form1.Button1.Caption%-1='Cancel'\r\n"
                                      "Form1.Button1.Caption%1036='Annuler'\r\n");
    Form->Free();
}
