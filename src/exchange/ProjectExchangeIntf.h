// TIProjectExchange: the exchange operations on a project's translations (files for the
// tools translators use, checks, statistics, pseudo-translation) as the package hands them to
// a program that loads it. A package exports ProjectExchangeEntry, which makes one.
#pragma once

#include "expert/ProjectExpertIntf.h"

#include <vector>

namespace host {
class TPainter;
}

namespace zantor {

struct TExportReport {
    struct TFile {
        String Name;      // the file written
        Integer LCID = 0; // 0 for the template
        int Entries = 0;
        int Translated = 0;
        int Fuzzy = 0;   // translations marked for review (they would not pass the checks)
        int Skipped = 0; // texts the format cannot carry (XLIFF: control characters)
    };
    std::vector<TFile> Files;
};

struct TImportReport {
    struct TFile {
        String Name;
        Integer LCID = 0;
        int Taken = 0;               // translations that changed an entry
        int Unchanged = 0;           // translations the project already had
        int Untranslated = 0;        // entries with an empty translation (left alone)
        std::vector<String> Fuzzy;   // contexts of fuzzy (or to-review) entries, skipped
        std::vector<String> Unknown; // "context: text" of entries no translator has
        std::vector<String> Plural;  // contexts of plural entries, skipped
    };
    std::vector<TFile> Files;
};

// One locale's completeness on one form: entries with a design text, and how many of them
// have a translation.
struct TStatsRow {
    String Form;
    Integer LCID = 0;
    int Entries = 0;
    int Translated = 0;
    int Empty() const { return Entries - Translated; }
};

enum class TSeverity { Warning, Error };

// A problem of one translation.
struct TFinding {
    TSeverity Severity = TSeverity::Warning;
    Integer LCID = 0;
    String Form;
    String Context; // the translator's file head and the entry's key
    String Check;   // "format", "accelerator", "blanks", "line-breaks", "width"
    String Message;
};

struct TPseudoReport {
    int Forms = 0;   // forms whose translators of the locale took pseudo-translations
    int Entries = 0; // texts filled
};

class TIProjectExchange {
public:
    virtual ~TIProjectExchange() = default;
    virtual void SetOnProgress(TProgressProc Proc) = 0;

    // The locales of the project's text translators, ascending.
    virtual std::vector<Integer> Locales() = 0;

    // Writes Dir/<language>.po for each locale (all when Locales is empty) and the template
    // Dir/<project>.pot. Raises for an unknown locale or a file that cannot be written.
    virtual TExportReport ExportPo(const String& Dir, const std::vector<Integer>& Locales) = 0;
    // Reads every file first (raising EPoError for one that cannot be read, before anything
    // changes), then gives each translator its translations and saves the forms that changed.
    virtual TImportReport ImportPo(const std::vector<String>& Files) = 0;
    // The same with XLIFF 1.2: Dir/<language>.xlf per locale, one <file> per form; targets
    // whose state asks for more work ("new", "needs-...") are skipped like fuzzy entries.
    virtual TExportReport ExportXliff(const String& Dir, const std::vector<Integer>& Locales) = 0;
    virtual TImportReport ImportXliff(const std::vector<String>& Files) = 0;

    // Completeness per form and locale (all locales when Locales is empty), forms in project
    // order, locales ascending.
    virtual std::vector<TStatsRow> Stats(const std::vector<Integer>& Locales) = 0;
    // The findings of the translation checks; the width check runs when Measure is given (a
    // painter of the display's text layout).
    virtual std::vector<TFinding> Check(const std::vector<Integer>& Locales,
                                        host::TPainter* Measure) = 0;
    // Fills every text of the translators of LCID with a pseudo-translation lengthened by
    // ExpandPercent, and saves the forms. Raises when no translator of LCID exists.
    virtual TPseudoReport Pseudo(Integer LCID, int ExpandPercent) = 0;
};

using TNewProjectExchangeProc = TIProjectExchange* (*)();
inline constexpr const char* ProjectExchangeEntry = "ZntNewProjectExchange";

} // namespace zantor
