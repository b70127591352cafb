// XLIFF documents: what the writer produces is valid against the schema (checked by the real
// validator) and reads back with every text intact; what the reader refuses it names.
#include "exchange/XliffFile.h"

#include "TestUtil.h"
#include "ToolRun.h"

using namespace zantor;
using zt_test::RunTool;
using zt_test::ShellQuote;

namespace {

const std::string Schema = std::string(ZT_SOURCE_DIR) + "/docs/xliff-1.2-subset.xsd";

TXliffDocument Sample() {
    TXliffFile F{"MainForm", "en-US", "fr-FR", {}};
    auto Unit = [&](std::string Context, std::string Source, std::optional<std::string> Target,
                    std::string State) {
        TXliffUnit U;
        U.Id = std::to_string(F.Units.size() + 1);
        U.ResName = std::move(Context);
        U.Source = std::move(Source);
        U.Target = std::move(Target);
        U.State = std::move(State);
        U.Notes = {"MainForm.Button1"};
        F.Units.push_back(std::move(U));
    };
    Unit("MainForm.A.Caption", "Fish & <chips> \"quoted\"", "Poisson & <frites>", "translated");
    Unit("MainForm.B.Caption", "  Two\r\nlines\n ", "  Deux\r\nlignes\n ", "translated");
    Unit("MainForm.C.Caption", "Tab\there", std::nullopt, "");
    Unit("#1MainForm", "%d files in %s", "%s fichiers", "needs-review-translation");
    Unit("MainForm.D.Hint", "Ünïcödé ✓ 日本", "", "new");
    return {{F, {"OrderForm", "en-US", "fr-FR", {}}}};
}

std::string Validate(const std::string& File) {
    const auto R =
        RunTool("xmllint --noout --schema " + ShellQuote(Schema) + " " + ShellQuote(File));
    return R.Status == 0 ? "" : R.Err;
}

} // namespace

TEST(XliffFile, WrittenDocumentsAreValidAndReadBack) {
    zt_test::TempDir Dir;
    const TXliffDocument Doc = Sample();
    const std::string File = Dir.File("fr.xlf");
    zt_test::WriteAll(File, WriteXliff(Doc));
    EXPECT_EQ(Validate(File), "") << zt_test::ReadAll(File);

    const TXliffDocument Back = ReadXliff(zt_test::ReadAll(File), File);
    ASSERT_EQ(Back.Files.size(), 2u);
    EXPECT_EQ(Back.Files[0].Original, "MainForm");
    EXPECT_EQ(Back.Files[0].TargetLanguage, "fr-FR");
    ASSERT_EQ(Back.Files[0].Units.size(), Doc.Files[0].Units.size());
    for (std::size_t i = 0; i < Doc.Files[0].Units.size(); ++i) {
        const TXliffUnit &A = Doc.Files[0].Units[i], &B = Back.Files[0].Units[i];
        EXPECT_EQ(A.Id, B.Id);
        EXPECT_EQ(A.ResName, B.ResName);
        EXPECT_EQ(A.Source, B.Source) << i; // blanks, CR LF and markup characters kept
        EXPECT_EQ(A.Target, B.Target) << i;
        EXPECT_EQ(A.State, B.State);
        EXPECT_EQ(A.Notes, B.Notes);
    }
    // The validator itself refuses what breaks the schema: the check is not a formality.
    std::string Bad = zt_test::ReadAll(File);
    Bad.replace(Bad.find("state=\"translated\""), 18, "state=\"done\"");
    zt_test::WriteAll(Dir.File("bad.xlf"), Bad);
    EXPECT_NE(Validate(Dir.File("bad.xlf")), "");
}

TEST(XliffFile, ReadsWhatToolsWrite) {
    // Groups, a prefixed namespace, inline markup inside a target, alt-trans and extra notes.
    const std::string Text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<x:xliff version=\"1.2\" xmlns:x=\"urn:oasis:names:tc:xliff:document:1.2\">\n"
        " <x:file original=\"F\" source-language=\"en\" target-language=\"de-DE\" "
        "datatype=\"plaintext\"><x:header/><x:body>\n"
        "  <x:group id=\"g\"><x:trans-unit id=\"1\" resname=\"F.A.Caption\">\n"
        "   <x:source>Open</x:source><x:target state=\"final\">Ö<x:g "
        "id=\"b\">ffnen</x:g></x:target>\n"
        "   <x:alt-trans><x:target>Aufmachen</x:target></x:alt-trans>\n"
        "  </x:trans-unit></x:group>\n"
        " </x:body></x:file>\n"
        "</x:xliff>\n";
    const TXliffDocument D = ReadXliff(Text, "de.xlf");
    ASSERT_EQ(D.Files.size(), 1u);
    ASSERT_EQ(D.Files[0].Units.size(), 1u);
    EXPECT_EQ(D.Files[0].Units[0].Target, "Öffnen");
    EXPECT_EQ(D.Files[0].Units[0].State, "final");
}

TEST(XliffFile, RefusesWhatItCannotRead) {
    EXPECT_THROW_MSG(ReadXliff("<xliff version=\"1.2\"><file>", "a.xlf"), EXliffError,
                     "a.xlf:1: Premature end of data in tag file line 1");
    EXPECT_THROW_MSG(ReadXliff("<root/>", "b.xlf"), EXliffError, "b.xlf:1: not an XLIFF document");
    EXPECT_THROW_MSG(ReadXliff("<xliff version=\"2.0\"/>", "c.xlf"), EXliffError,
                     "c.xlf:1: XLIFF version '2.0' (1.2 is read)");
    EXPECT_THROW_MSG(ReadXliff("<xliff version=\"1.2\">\n<file><body>\n<trans-unit id=\"1\"/>"
                               "</body></file></xliff>",
                               "d.xlf"),
                     EXliffError, "d.xlf:3: a trans-unit without source");
    // No entity of the document reaches outside it.
    const std::string External = "<!DOCTYPE xliff [<!ENTITY e SYSTEM \"/etc/passwd\">]>"
                                 "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\">"
                                 "<source>&e;</source></trans-unit></body></file></xliff>";
    const TXliffDocument D = ReadXliff(External, "e.xlf");
    EXPECT_EQ(D.Files[0].Units[0].Source.find("root:"), std::string::npos);
}

TEST(XliffFile, XmlCarriesNoControlCharactersButTabAndLineEnds) {
    EXPECT_TRUE(XmlCanCarry("Tab\tCR\rLF\n ü ✓"));
    EXPECT_FALSE(XmlCanCarry(std::string("Bell\a")));
    EXPECT_FALSE(XmlCanCarry("\xC3")); // cut UTF-8
    EXPECT_FALSE(XmlCanCarry("\xFF"));
}
