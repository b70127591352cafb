#include "QualityCommands.h"
#include "ExchangeRun.h"
#include "Json.h"

#include "host/winapi/x11/CairoPainter.h"

#include <cstdio>
#include <map>

using namespace host;

namespace {

void AddCommon(CLI::App* Cmd, TQualityOptions& O) {
    Cmd->add_option("PROJECT", O.ProjectFile, "Project file")->required();
    Cmd->add_option("-p,--package", O.Packages,
                    "Package to load (repeatable; default: ZntD4.so beside zantor)");
}

void PrintStats(const std::vector<zantor::TStatsRow>& Rows, bool Json, std::ostream& Out) {
    std::map<int, zantor::TStatsRow> Totals;
    for (const auto& R : Rows) {
        zantor::TStatsRow& T = Totals[R.LCID];
        T.LCID = R.LCID;
        T.Entries += R.Entries;
        T.Translated += R.Translated;
    }
    auto Percent = [](const zantor::TStatsRow& R) {
        return R.Entries ? R.Translated * 100 / R.Entries : 100;
    };
    if (Json) {
        auto Row = [&](const zantor::TStatsRow& R, bool WithForm) {
            Out << "{";
            if (WithForm) Out << "\"form\": " << JsonString(R.Form) << ", ";
            Out << "\"locale\": " << R.LCID << ", \"entries\": " << R.Entries
                << ", \"translated\": " << R.Translated << ", \"empty\": " << R.Empty() << "}";
        };
        Out << "{\"forms\": [";
        for (std::size_t i = 0; i < Rows.size(); ++i) {
            Out << (i ? ",\n  " : "\n  ");
            Row(Rows[i], true);
        }
        Out << "],\n \"totals\": [";
        bool First = true;
        for (const auto& [LCID, T] : Totals) {
            Out << (First ? "\n  " : ",\n  ");
            First = false;
            Row(T, false);
        }
        Out << "]}\n";
        return;
    }
    std::size_t Width = 5;
    for (const auto& R : Rows)
        Width = std::max(Width, R.Form.size());
    char Line[256];
    auto Print = [&](const String& Form, const zantor::TStatsRow& R) {
        std::snprintf(Line, sizeof Line, "%-*s %6d %8d %11d %6d %5d%%\n", int(Width), Form.c_str(),
                      R.LCID, R.Entries, R.Translated, R.Empty(), Percent(R));
        Out << Line;
    };
    std::snprintf(Line, sizeof Line, "%-*s %6s %8s %11s %6s %6s\n", int(Width), "Form", "Locale",
                  "Entries", "Translated", "Empty", "Done");
    Out << Line;
    for (const auto& R : Rows)
        Print(R.Form, R);
    for (const auto& [LCID, T] : Totals)
        Print("Total", T);
}

// The display's text layout, on an image in memory: no display needed.
class TMeasure {
public:
    TMeasure()
        : FSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), FPainter(FSurface) {}
    ~TMeasure() { cairo_surface_destroy(FSurface); }
    TMeasure(const TMeasure&) = delete;
    TMeasure& operator=(const TMeasure&) = delete;
    host::TPainter* Painter() { return &FPainter; }

private:
    cairo_surface_t* FSurface;
    host::x11::TCairoPainter FPainter;
};

int PrintFindings(const std::vector<zantor::TFinding>& Findings, bool Json, std::ostream& Out) {
    int Errors = 0;
    for (const auto& F : Findings)
        if (F.Severity == zantor::TSeverity::Error) ++Errors;
    const int Warnings = int(Findings.size()) - Errors;
    auto Severity = [](const zantor::TFinding& F) {
        return F.Severity == zantor::TSeverity::Error ? "error" : "warning";
    };
    if (Json) {
        Out << "{\"errors\": " << Errors << ", \"warnings\": " << Warnings << ", \"findings\": [";
        for (std::size_t i = 0; i < Findings.size(); ++i) {
            const auto& F = Findings[i];
            Out << (i ? ",\n  " : "\n  ") << "{\"severity\": \"" << Severity(F)
                << "\", \"locale\": " << F.LCID << ", \"form\": " << JsonString(F.Form)
                << ", \"context\": " << JsonString(F.Context)
                << ", \"check\": " << JsonString(F.Check)
                << ", \"message\": " << JsonString(F.Message) << "}";
        }
        Out << "]}\n";
    } else {
        for (const auto& F : Findings)
            Out << F.LCID << " " << F.Form << ": " << Severity(F) << " [" << F.Check << "] "
                << F.Context << ": " << F.Message << "\n";
        Out << Errors << (Errors == 1 ? " error, " : " errors, ") << Warnings
            << (Warnings == 1 ? " warning\n" : " warnings\n");
    }
    return Errors;
}

} // namespace

void AddQualityCommands(CLI::App& App, TQualityCommands& C) {
    C.StatsCmd = App.add_subcommand(
        "stats", "Show how complete the translations of PROJECT are, per form and locale.");
    AddCommon(C.StatsCmd, C.Stats);
    C.StatsCmd->add_option("--locales", C.Stats.Locales, "Only these locales")
        ->delimiter(',')
        ->check(CLI::PositiveNumber);
    C.StatsCmd->add_flag("--json", C.Stats.Json, "Print JSON");

    C.CheckCmd = App.add_subcommand(
        "check", "Check the translations of PROJECT: Format arguments, accelerators, blanks and "
                 "line breaks at either end, texts their controls clip. Exit status 3 when an "
                 "error is found.");
    AddCommon(C.CheckCmd, C.Check);
    C.CheckCmd->add_option("--locales", C.Check.Locales, "Only these locales")
        ->delimiter(',')
        ->check(CLI::PositiveNumber);
    C.CheckCmd->add_flag("--json", C.Check.Json, "Print JSON");
    C.CheckCmd->add_flag("--no-width", C.Check.NoWidth, "Leave out the check of text widths");

    C.PseudoCmd = App.add_subcommand(
        "pseudo", "Fill the translators of one locale with pseudo-translations (accented, in "
                  "brackets, lengthened) and save the forms.");
    AddCommon(C.PseudoCmd, C.Pseudo);
    C.PseudoCmd->add_option("--locale", C.Pseudo.Locale, "The locale to fill")
        ->required()
        ->check(CLI::PositiveNumber);
    C.PseudoCmd->add_option("--expand", C.Pseudo.Expand, "Lengthen texts by PERCENT (default 30)")
        ->check(CLI::Range(0, 1000));
}

bool RunQualityCommands(TQualityCommands& C, const String& DefaultPackage, std::ostream& Out,
                        std::ostream* Progress, int& Status) {
    Status = 0;
    auto Open = [&](TQualityOptions& O) {
        if (O.Packages.empty()) O.Packages.push_back(DefaultPackage);
        return std::make_unique<TExchangeRun>(O.Packages, O.ProjectFile, Progress);
    };
    if (*C.StatsCmd) {
        auto Run = Open(C.Stats);
        PrintStats(Run->Exchange->Stats(C.Stats.Locales), C.Stats.Json, Out);
    } else if (*C.CheckCmd) {
        auto Run = Open(C.Check);
        TMeasure Measure;
        const auto Findings =
            Run->Exchange->Check(C.Check.Locales, C.Check.NoWidth ? nullptr : Measure.Painter());
        if (PrintFindings(Findings, C.Check.Json, Out) > 0) Status = ExitFindings;
    } else if (*C.PseudoCmd) {
        auto Run = Open(C.Pseudo);
        const auto R = Run->Exchange->Pseudo(C.Pseudo.Locale, C.Pseudo.Expand);
        Out << "locale " << C.Pseudo.Locale << ": " << R.Entries << " texts on " << R.Forms
            << (R.Forms == 1 ? " form\n" : " forms\n");
    } else {
        return false;
    }
    return true;
}
