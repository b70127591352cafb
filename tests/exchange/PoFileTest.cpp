// Portable-object files: what the writer produces passes the real gettext tools and reads
// back; what the tools and editors write reads in.
#include "exchange/PoFile.h"
#include "exchange/ProjectExchange.h"

#include "TestUtil.h"
#include "ToolRun.h"

using namespace zantor;
using zt_test::RunTool;
using zt_test::ShellQuote;

namespace {

TPoFile Catalogue(std::vector<TPoEntry> Entries) {
    TPoFile F;
    F.HeaderComments = {"Test catalogue."};
    F.Header = {{"Project-Id-Version", "Test"},
                {"PO-Revision-Date", "2026-01-01 00:00+0000"},
                {"Last-Translator", ""},
                {"Language-Team", ""},
                {"Language", "fr_FR"},
                {"MIME-Version", "1.0"},
                {"Content-Type", "text/plain; charset=UTF-8"},
                {"Content-Transfer-Encoding", "8bit"},
                {"X-Zantor-Locale", "1036"}};
    F.Entries = std::move(Entries);
    return F;
}

TPoEntry Entry(std::string Context, std::string Id, std::string Str) {
    TPoEntry E;
    E.Context = std::move(Context);
    E.Id = std::move(Id);
    E.Str = std::move(Str);
    E.References = {"Form1.Button1"};
    return E;
}

// Texts that need every kind of escape and the multi-line layout.
std::vector<TPoEntry> AwkwardEntries() {
    return {Entry("Form1.A.Caption", "Say \"hi\"", "Dis « salut »"),
            Entry("Form1.B.Caption", "C:\\temp\\new", "C:\\temp\\nouveau"),
            Entry("Form1.C.Caption", "One\nTwo\nThree", "Un\nDeux\nTrois"),
            Entry("Form1.D.Caption", "Ends in a break\n", "Finit par un saut\n"),
            Entry("Form1.E.Caption", "\nBegins and ends\n\n", "\nCommence et finit\n\n"),
            Entry("Form1.F.Caption", "Tab\there\r", "Tab\tici\r"),
            Entry("Form1.G.Lines[0]", "Bell\a and vertical\v", "Cloche\a et vertical\v"),
            Entry("#1Form1", "Ünïcödé ✓ 日本", "ユニコード"),
            Entry("Form1.H.Caption",
                  std::string(200, 'x') + " a long line the tools would wrap at seventy-nine",
                  std::string(150, 'y') + " une longue ligne")};
}

std::string WriteTemp(const zt_test::TempDir& Dir, const std::string& Name,
                      const std::string& Text) {
    const std::string F = Dir.File(Name);
    zt_test::WriteAll(F, Text);
    return F;
}

void ExpectSameEntries(const TPoFile& A, const TPoFile& B) {
    ASSERT_EQ(A.Entries.size(), B.Entries.size());
    for (std::size_t i = 0; i < A.Entries.size(); ++i) {
        EXPECT_EQ(A.Entries[i].Context, B.Entries[i].Context) << i;
        EXPECT_EQ(A.Entries[i].Id, B.Entries[i].Id) << i;
        EXPECT_EQ(A.Entries[i].Str, B.Entries[i].Str) << i;
        EXPECT_EQ(A.Entries[i].Flags, B.Entries[i].Flags) << i;
    }
}

} // namespace

TEST(PoFile, WrittenFilesPassTheGettextToolsUnchanged) {
    zt_test::TempDir Dir;
    TPoFile F = Catalogue(AwkwardEntries());
    F.Entries[0].Flags = {"fuzzy"};
    F.Entries[1].Extracted = {"A number or identifier, not a text."};
    const std::string Text = WritePo(F);
    const std::string Po = WriteTemp(Dir, "fr.po", Text);

    const auto Check = RunTool("msgfmt -c --check-format -o /dev/null " + ShellQuote(Po));
    EXPECT_EQ(Check.Status, 0) << Check.Err << Text;
    // The tools write the file as it is (their own layout without wrapping).
    const auto Cat = RunTool("msgcat --no-wrap " + ShellQuote(Po));
    ASSERT_EQ(Cat.Status, 0) << Cat.Err;
    EXPECT_EQ(Cat.Out, Text);
    // With wrapping the layout changes but not one text.
    const auto Wrapped = RunTool("msgcat " + ShellQuote(Po));
    ASSERT_EQ(Wrapped.Status, 0) << Wrapped.Err;
    EXPECT_NE(Wrapped.Out, Text);
    ExpectSameEntries(ReadPo(Wrapped.Out, "wrapped"), F);
}

TEST(PoFile, ReadsBackWhatItWrites) {
    TPoFile F = Catalogue(AwkwardEntries());
    F.Entries[2].Flags = {"fuzzy", "object-pascal-format"};
    F.Entries[3].Comments = {"checked by Anne"};
    const TPoFile Back = ReadPo(WritePo(F), "x.po");
    ExpectSameEntries(Back, F);
    EXPECT_EQ(Back.Entries[3].Comments, F.Entries[3].Comments);
    EXPECT_EQ(Back.Entries[0].References, std::vector<std::string>{"Form1.Button1"});
    EXPECT_EQ(Back.Header, F.Header);
    EXPECT_EQ(Back.HeaderValue("language"), "fr_FR");
    EXPECT_TRUE(Back.Entries[2].HasFlag("fuzzy"));
}

TEST(PoFile, ReadsWhatEditorsAndToolsWrite) {
    // CR LF line ends, a byte-order mark, octal and hexadecimal escapes, an obsolete entry,
    // a plural entry, an entry without context, references with line numbers.
    const std::string Text = "\xEF\xBB\xBF"
                             "msgid \"\"\r\n"
                             "msgstr \"Language: de\\n\"\r\n"
                             "\"Content-Type: text/plain; charset=UTF-8\\n\"\r\n"
                             "\r\n"
                             "#: a.pas:12 b.pas:3\r\n"
                             "msgid \"A\\101\\x42\"\r\n"
                             "msgstr \"\"\r\n"
                             "\"Ja\"\r\n"
                             "\" nein\"\r\n"
                             "\r\n"
                             "#~ msgctxt \"Old\"\r\n"
                             "#~ msgid \"gone\"\r\n"
                             "#~ msgstr \"weg\"\r\n"
                             "\r\n"
                             "msgid \"file\"\r\n"
                             "msgid_plural \"files\"\r\n"
                             "msgstr[0] \"Datei\"\r\n"
                             "msgstr[1] \"Dateien\"\r\n";
    const TPoFile F = ReadPo(Text, "de.po");
    EXPECT_EQ(F.HeaderValue("Language"), "de");
    ASSERT_EQ(F.Entries.size(), 2u);
    EXPECT_FALSE(F.Entries[0].Context.has_value());
    EXPECT_EQ(F.Entries[0].Id, "AAB");
    EXPECT_EQ(F.Entries[0].Str, "Ja nein");
    EXPECT_EQ(F.Entries[0].References, (std::vector<std::string>{"a.pas:12", "b.pas:3"}));
    EXPECT_TRUE(F.Entries[1].Plural);
    EXPECT_EQ(F.Entries[1].Str, "Datei");
}

TEST(PoFile, BrokenFilesAreRefusedWithTheirLine) {
    EXPECT_THROW_MSG(ReadPo("msgid \"a\"\nmsgstr \"b\n", "x.po"), EPoError,
                     "x.po:2: a string not in quotes");
    EXPECT_THROW_MSG(ReadPo("msgid \"a\"\n", "x.po"), EPoError, "x.po:1: an entry without msgstr");
    EXPECT_THROW_MSG(ReadPo("\nmsgid \"a\"\nmsgstr \"\\q\"\n", "x.po"), EPoError,
                     "x.po:3: unknown escape \\q");
    EXPECT_THROW_MSG(ReadPo("msgid \"a\"\nmsgtext \"b\"\n", "x.po"), EPoError,
                     "x.po:2: unknown keyword msgtext");
    EXPECT_THROW_MSG(ReadPo("msgstr \"b\"\n", "x.po"), EPoError, "x.po:1: msgstr without msgid");
    EXPECT_THROW_MSG(ReadPo("msgid \"a\"\nmsgstr \"b\" c\"\n", "x.po"), EPoError,
                     "x.po:2: a quote inside a string that is not escaped");
}

// The catalogue of a project's entries: flags, review marks, duplicates, the template.
TEST(PoFile, ProjectCataloguesMarkFormatTextsAndTranslationsToReview) {
    TFormEntries Form;
    Form.Form = "Main";
    auto Add = [&](Integer LCID, std::string Context, std::string Source, std::string Trans,
                   bool Text = true) {
        TExchangeEntry E;
        E.Context = std::move(Context);
        E.Source = std::move(Source);
        E.Translation = std::move(Trans);
        E.Reference = "Main";
        E.Text = Text;
        Form.ByLocale[LCID].push_back(std::move(E));
    };
    Add(1036, "Main.L1.Caption", "%d files in %s", "%d fichiers dans %s");
    Add(1036, "Main.L2.Caption", "%d files in %s", "%s fichiers"); // would make Format raise
    Add(1036, "Main.L3.Caption", "Done\n", "Fini");                // loses its line break
    Add(1036, "Main.L4.Caption", "100% sure", "sûr à 100%");       // no Format text
    Add(1036, "Main.Width", "120", "", false);
    // Two translators of one locale on the form: the entry once, with the translation.
    Add(1036, "#1Main", "Ready.", "");
    Add(1036, "#1Main", "Ready.", "Prêt.");
    Add(1031, "Main.L5.Caption", "Only German", "Nur deutsch");

    const TPoFile Fr = MakePoFile("P", 1036, {Form}, PoHeaderDate());
    ASSERT_EQ(Fr.Entries.size(), 6u);
    EXPECT_EQ(Fr.Entries[0].Flags, std::vector<std::string>{"object-pascal-format"});
    EXPECT_EQ(Fr.Entries[1].Flags, (std::vector<std::string>{"fuzzy", "object-pascal-format"}));
    EXPECT_EQ(Fr.Entries[2].Flags, std::vector<std::string>{"fuzzy"});
    EXPECT_TRUE(Fr.Entries[3].Flags.empty());
    EXPECT_EQ(Fr.Entries[4].Extracted,
              std::vector<std::string>{"A number or identifier, not a text."});
    EXPECT_EQ(Fr.Entries[5].Str, "Prêt.");
    EXPECT_EQ(Fr.HeaderValue("X-Zantor-Locale"), "1036");
    EXPECT_EQ(PoLocale(Fr, "fr.po"), 1036);

    const TPoFile Pot = MakePoFile("P", 0, {Form}, "2026-01-02 03:04+0000");
    EXPECT_EQ(Pot.Entries.size(), 7u); // every locale's entries
    // The files of one export carry the export's time, however long writing them takes.
    EXPECT_EQ(Pot.HeaderValue("POT-Creation-Date"), "2026-01-02 03:04+0000");
    EXPECT_EQ(Pot.HeaderValue("PO-Revision-Date"), "2026-01-02 03:04+0000");
    for (const TPoEntry& E : Pot.Entries) {
        EXPECT_EQ(E.Str, "");
        EXPECT_FALSE(E.HasFlag("fuzzy"));
    }

    // The gettext tools accept both as they are: the entries to review are fuzzy.
    zt_test::TempDir Dir;
    for (const auto& [Name, File] : {std::pair{"fr.po", Fr}, std::pair{"P.pot", Pot}}) {
        const std::string Path = WriteTemp(Dir, Name, WritePo(File));
        const auto R = RunTool("msgfmt -c --check-format -o /dev/null " + ShellQuote(Path));
        EXPECT_EQ(R.Status, 0) << Name << "\n" << R.Err;
    }
    // Without the review mark the tools would refuse the file: the mark is what saves it.
    TPoFile Unmarked = Fr;
    for (TPoEntry& E : Unmarked.Entries)
        std::erase(E.Flags, "fuzzy");
    const std::string Path = WriteTemp(Dir, "bad.po", WritePo(Unmarked));
    EXPECT_NE(RunTool("msgfmt -c --check-format -o /dev/null " + ShellQuote(Path)).Status, 0);
}

TEST(PoFile, LocaleComesFromTheHeader) {
    TPoFile F;
    F.Header = {{"Language", "de_DE"}};
    EXPECT_EQ(PoLocale(F, "de.po"), 1031);
    F.Header = {{"Language", "xx_YY"}};
    EXPECT_THROW_MSG((void)PoLocale(F, "x.po"), EPoError,
                     "x.po: language 'xx_YY' is not known on this system");
    F.Header = {{"Language", "de_DE"}, {"X-Zantor-Locale", "2055"}};
    EXPECT_EQ(PoLocale(F, "de.po"), 2055);
    F.Header = {{"X-Zantor-Locale", "abc"}};
    EXPECT_THROW_MSG((void)PoLocale(F, "x.po"), EPoError,
                     "x.po: X-Zantor-Locale 'abc' is not a locale identifier");
    F.Header = {};
    EXPECT_THROW_MSG((void)PoLocale(F, "x.po"), EPoError,
                     "x.po: the header names no language (Language or X-Zantor-Locale)");
}
