// TProjectExchange: the exchange operations over the project that the design-time host has
// open, visiting its forms with the project expert's unit loop.
#pragma once

#include "exchange/PoFile.h"
#include "exchange/ProjectExchangeIntf.h"
#include "exchange/TranslatorEntries.h"

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
    TPoExportReport ExportPo(const String& Dir, const std::vector<Integer>& Locales) override;
    TPoImportReport ImportPo(const std::vector<String>& Files) override;
    std::vector<TStatsRow> Stats(const std::vector<Integer>& Locales) override;
    std::vector<TFinding> Check(const std::vector<Integer>& Locales,
                                host::TPainter* Measure) override;
    TPseudoReport Pseudo(Integer LCID, int ExpandPercent) override;

    // Every form's entries (component pointers cleared: the forms are closed again).
    std::vector<TFormEntries> Gather();

private:
    String ProjectName() const;
    std::unique_ptr<TProjectExpert> FExpert;
};

// The language name of a locale for file names and headers ("fr_FR"); "" when the platform
// does not know the locale.
[[nodiscard]] String LanguageName(Integer LCID);

// The portable-object files of a project: one catalogue per locale (its translators' entries,
// duplicates of one context and text once) or, with LCID 0, the template of all of them.
[[nodiscard]] TPoFile MakePoFile(const String& Project, Integer LCID,
                                 const std::vector<TFormEntries>& Forms);
// The locale a file is for: its X-Zantor-Locale header, else its Language. Raises EPoError.
[[nodiscard]] Integer PoLocale(const TPoFile& File, const String& FileName);

} // namespace zantor
