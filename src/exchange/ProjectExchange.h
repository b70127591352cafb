// TProjectExchange: the exchange operations over the project that the design-time host has
// open, visiting its forms with the project expert's unit loop.
#pragma once

#include "exchange/PoFile.h"
#include "exchange/ProjectExchangeIntf.h"
#include "exchange/TranslatorEntries.h"
#include "exchange/XliffFile.h"

#include <map>
#include <memory>

namespace zantor {

class TProjectExpert;

// The entries of one form for each locale.
struct TFormEntries {
    String Form;
    String UnitFile;
    std::map<Integer, std::vector<TExchangeEntry>> ByLocale;
};

class TProjectExchange : public TIProjectExchange {
public:
    TProjectExchange();
    ~TProjectExchange() override;

    void SetOnProgress(TProgressProc Proc) override;
    std::vector<Integer> Locales() override;
    TExportReport ExportPo(const String& Dir, const std::vector<Integer>& Locales) override;
    TImportReport ImportPo(const std::vector<String>& Files) override;
    TExportReport ExportXliff(const String& Dir, const std::vector<Integer>& Locales) override;
    TImportReport ImportXliff(const std::vector<String>& Files) override;
    std::vector<TStatsRow> Stats(const std::vector<Integer>& Locales) override;
    std::vector<TFinding> Check(const std::vector<Integer>& Locales,
                                host::TPainter* Measure) override;
    TPseudoReport Pseudo(Integer LCID, int ExpandPercent) override;

    // Every form's entries (component pointers cleared: the forms are closed again).
    std::vector<TFormEntries> Gather();

    // A translation as a file brings it.
    struct TIncoming {
        String Context;
        String Source;
        String Translation;
        enum TKind { Take, Review, Plural, Untranslated } Kind = Take;
    };
    // Gives the translators the translations of every file (Incoming[i] for Files[i]) and
    // saves the forms that changed; the counts and lists go into Files.
    TImportReport ApplyIncoming(std::vector<TImportReport::TFile> Files,
                                const std::vector<std::vector<TIncoming>>& Incoming);

private:
    String ProjectName() const;
    // Raises EConvertError for a locale the platform does not know.
    static void CheckLocales(const std::vector<Integer>& Locales);
    // Locales, or every locale the forms have when it is empty.
    static std::vector<Integer> ChosenLocales(const std::vector<Integer>& Locales,
                                              const std::vector<TFormEntries>& Forms);
    std::unique_ptr<TProjectExpert> FExpert;
};

// The language name of a locale for file names and headers ("fr_FR"); "" when the platform
// does not know the locale.
[[nodiscard]] String LanguageName(Integer LCID);

// The time of an export as its files carry it: now, or SOURCE_DATE_EPOCH when set.
[[nodiscard]] String PoHeaderDate();
// The portable-object files of a project: one catalogue per locale (its translators' entries,
// duplicates of one context and text once) or, with LCID 0, the template of all of them. The
// files of one export carry one Date, so that merging a catalogue with its template keeps it.
[[nodiscard]] TPoFile MakePoFile(const String& Project, Integer LCID,
                                 const std::vector<TFormEntries>& Forms, const String& Date);
// The locale a file is for: its X-Zantor-Locale header, else its Language. Raises EPoError.
[[nodiscard]] Integer PoLocale(const TPoFile& File, const String& FileName);

// The XLIFF document of one locale; entries XML cannot carry are counted in Skipped.
[[nodiscard]] TXliffDocument MakeXliffDocument(Integer SourceLCID, Integer LCID,
                                               const std::vector<TFormEntries>& Forms,
                                               int* Skipped);
// The locale of a document: the target language of its files. Raises EXliffError.
[[nodiscard]] Integer XliffLocale(const TXliffDocument& Doc, const String& FileName);

// Why a translation would not pass the gettext tools' checks (other Format arguments, a line
// break lost at either end); "" when it would.
[[nodiscard]] String ToolCheckProblem(const TExchangeEntry& E);
// The key of an entry in files: context and design text.
[[nodiscard]] String EntryKey(std::string_view Context, std::string_view Source);

} // namespace zantor
