// Globalizing a generated project: every unit has a form of 100 components, and the run
// places two form translators per form and scans each form's common properties into them.
// The figure is units per second at 50, 100 and 200 units: the time per unit should stay
// flat as the project grows.
#include "expert/ProjectExpert.h"

#include "host/controls/StdCtrls.h"
#include "host/ide/DesignHost.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceTranslator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string FormText(int Unit, int Components) {
    std::string T = "object Form" + std::to_string(Unit) + ": TForm" + std::to_string(Unit) +
                    "\n  Caption = 'Form " + std::to_string(Unit) + "'\n";
    for (int i = 0; i < Components; ++i) {
        const std::string N = std::to_string(i);
        if (i % 2)
            T += "  object Label" + N + ": TLabel\n    Caption = 'Label text " + N +
                 "'\n    Hint = 'A hint " + N + "'\n  end\n";
        else
            T += "  object Button" + N + ": TButton\n    Caption = 'Button " + N + "'\n  end\n";
    }
    return T + "end\n";
}

class TGeneratedProject {
public:
    TGeneratedProject(int Units, int Components) : FUnits(Units) {
        FDir = fs::temp_directory_path() / ("zantor-bench-" + std::to_string(::getpid()));
        fs::create_directories(FDir);
        std::ofstream Project(FDir / "Bench.zproj");
        Project << "[Project]\nName=Bench\n";
        for (int u = 0; u < Units; ++u) {
            const std::string Name = "Unit" + std::to_string(u);
            Project << "[Unit " << Name << "]\nSource=" << Name << ".cpp\nForm=" << Name
                    << ".dfm\n";
            std::ofstream(FDir / (Name + ".cpp")) << "// unit " << u << "\n";
            FForms.push_back(FormText(u, Components));
        }
    }
    ~TGeneratedProject() { fs::remove_all(FDir); }
    void WriteForms() const {
        for (int u = 0; u < FUnits; ++u)
            std::ofstream(FDir / ("Unit" + std::to_string(u) + ".dfm")) << FForms[u];
    }
    std::string ProjectFile() const { return (FDir / "Bench.zproj").string(); }

private:
    int FUnits;
    fs::path FDir;
    std::vector<std::string> FForms;
};

void BM_GlobalizeProject(benchmark::State& State) {
    for (host::TClass C :
         {zantor::TFormTranslator::StaticClass(), zantor::TLocaleTranslator::StaticClass(),
          zantor::TResourceTranslator::StaticClass(),
          zantor::TCommonDialogTranslator::StaticClass()})
        if (!host::GetClass(C->ClassName)) host::RegisterClass(C);
    const int Units = static_cast<int>(State.range(0));
    TGeneratedProject Project(Units, 100);
    host::TDesignHost Host;
    zantor::TProjectExpert Expert;
    Expert.LocaleCatalogue()->SetDesignLocale("English, United States 00000409");
    Expert.Settings().Locales = {{"English", 1033}, {"French", 1036}, {"German", 1031}};
    Expert.Settings().Resources = false;
    for (auto _ : State) {
        State.PauseTiming();
        Project.WriteForms();
        Host.OpenProject(Project.ProjectFile());
        State.ResumeTiming();
        Expert.GlobalizeProject();
    }
    State.SetItemsProcessed(State.iterations() * Units);
    // CPU seconds per unit.
    State.counters["time_per_unit"] = benchmark::Counter(
        static_cast<double>(Units),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_GlobalizeProject)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
