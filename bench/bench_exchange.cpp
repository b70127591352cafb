// Exchange of a generated project: 200 forms of 100 translated texts each, in 5 locales
// (100,000 translations), exported to portable-object files and checked (texts and the widths
// of their controls, measured with the display's text layout on an image). The figures are
// translations per second at 50, 100 and 200 forms: the time per form should stay flat as the
// project grows.
#include "exchange/ProjectExchange.h"

#include "host/ide/DesignHost.h"
#include "host/winapi/x11/CairoPainter.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceTranslator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr int EntriesPerForm = 100;
constexpr int Locales[] = {1036, 1031, 1034, 1040, 1043};

// Half buttons, half labels; some texts are Format texts and most have accelerators, so that
// every check has work.
std::string FormText(int Unit) {
    const std::string U = std::to_string(Unit);
    std::string T = "object Form" + U + ": TForm" + U + "\n  Caption = 'Form " + U + "'\n";
    auto Text = [](int i) {
        return i % 10 == 0 ? "%d items in %s " + std::to_string(i)
                           : "&Text number " + std::to_string(i);
    };
    for (int i = 0; i < EntriesPerForm; ++i) {
        const std::string N = std::to_string(i);
        const std::string Kind = i % 2 ? "TLabel" : "TButton";
        const std::string Name = (i % 2 ? "Label" : "Button") + N;
        T += "  object " + Name + ": " + Kind +
             "\n    Left = 8\n    Top = " + std::to_string(8 + i * 4) +
             "\n    Width = 90\n    Height = 25\n    Caption = '" + Text(i) + "'\n  end\n";
    }
    for (int L : Locales) {
        T += "  object Translator" + std::to_string(L) +
             ": TFormTranslator\n    Locale = " + std::to_string(L) +
             "\n    Translate = False\n    Translations.Strings = (\n";
        for (int i = 0; i < EntriesPerForm; ++i) {
            const std::string Name = (i % 2 ? "Label" : "Button") + std::to_string(i);
            const std::string Trans =
                i % 10 == 0 ? "%d '#233'l'#233'ments dans %s " + std::to_string(i)
                            : "&Texte num'#233'ro " + std::to_string(i) + " " + std::to_string(L);
            // The item holds the key and the translation's literal, its quotes doubled.
            T += "      '" + Name + ".Caption=''" + Trans + "'''" +
                 (i + 1 < EntriesPerForm ? "\n" : ")\n");
        }
        T += "    Storage = 0\n  end\n";
    }
    return T + "end\n";
}

class TGeneratedProject {
public:
    explicit TGeneratedProject(int Units) {
        FDir = fs::temp_directory_path() / ("zantor-bench-exchange-" + std::to_string(::getpid()));
        fs::create_directories(FDir);
        std::ofstream Project(FDir / "Bench.zproj");
        Project << "[Project]\nName=Bench\n";
        for (int u = 0; u < Units; ++u) {
            const std::string Name = "Unit" + std::to_string(u);
            Project << "[Unit " << Name << "]\nSource=" << Name << ".cpp\nForm=" << Name
                    << ".dfm\n";
            std::ofstream(FDir / (Name + ".cpp")) << "// unit " << u << "\n";
            std::ofstream(FDir / (Name + ".dfm")) << FormText(u);
        }
    }
    ~TGeneratedProject() { fs::remove_all(FDir); }
    std::string ProjectFile() const { return (FDir / "Bench.zproj").string(); }
    std::string Folder(const char* Name) const { return (FDir / Name).string(); }

private:
    fs::path FDir;
};

void RegisterTranslators() {
    for (host::TClass C :
         {zantor::TFormTranslator::StaticClass(), zantor::TLocaleTranslator::StaticClass(),
          zantor::TResourceTranslator::StaticClass(),
          zantor::TCommonDialogTranslator::StaticClass()})
        if (!host::GetClass(C->ClassName)) host::RegisterClass(C);
}

void Report(benchmark::State& State, int Forms) {
    const auto Translations = static_cast<double>(Forms) * EntriesPerForm * std::size(Locales);
    State.SetItemsProcessed(static_cast<std::int64_t>(State.iterations() * Translations));
    // CPU seconds per form.
    State.counters["time_per_form"] = benchmark::Counter(
        static_cast<double>(Forms),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ExportPo(benchmark::State& State) {
    RegisterTranslators();
    const int Forms = static_cast<int>(State.range(0));
    TGeneratedProject Project(Forms);
    host::TDesignHost Host;
    Host.OpenProject(Project.ProjectFile());
    zantor::TProjectExchange Exchange;
    for (auto _ : State) {
        const auto R = Exchange.ExportPo(Project.Folder("po"), {});
        if (R.Files.size() != std::size(Locales) + 1 ||
            R.Files.back().Entries != Forms * EntriesPerForm)
            State.SkipWithError("the export missed entries");
    }
    Report(State, Forms);
}

void BM_Check(benchmark::State& State) {
    RegisterTranslators();
    const int Forms = static_cast<int>(State.range(0));
    TGeneratedProject Project(Forms);
    host::TDesignHost Host;
    Host.OpenProject(Project.ProjectFile());
    zantor::TProjectExchange Exchange;
    cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    host::x11::TCairoPainter Measure(Surface);
    for (auto _ : State) {
        const auto Findings = Exchange.Check({}, &Measure);
        // Every label wraps its longer translation below its height: one finding each.
        if (Findings.size() < static_cast<std::size_t>(Forms))
            State.SkipWithError("the check found too little");
        benchmark::DoNotOptimize(Findings.data());
    }
    cairo_surface_destroy(Surface);
    Report(State, Forms);
}

} // namespace

BENCHMARK(BM_ExportPo)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Check)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(2);
