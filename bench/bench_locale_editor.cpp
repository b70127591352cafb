// Opening the locale editor with every locale the platform offers: the system catalogue built
// from the locale enumeration, the lists of system locales and of locales in the application,
// and the settings of the first locale. Argument 0: a new component (one locale in the
// application, every other one offered for copying); 1: a component holding every locale.
#include "editors/LocaleEditor.h"
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/winapi/WinApi.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

using namespace zantor;

namespace {

// The editor reads its settings from a store of its own, empty, not the user's.
struct TOwnSettingsStore {
    TOwnSettingsStore() {
        Dir = std::filesystem::temp_directory_path() / "zt_bench_locale_editor";
        std::filesystem::create_directories(Dir);
        ::setenv("XDG_CONFIG_HOME", Dir.c_str(), 1);
    }
    ~TOwnSettingsStore() { std::filesystem::remove_all(Dir); }
    std::filesystem::path Dir;
};

void BM_OpenLocaleEditor(benchmark::State& State) {
    TOwnSettingsStore Store;
    host::TWindowLayerGuard WindowLayer;
    host::TApplicationScope App;
    host::TScriptedUiDriver Driver;
    host::TUiDriverGuard Guard{Driver};
    Zltedit::Install();
    auto* Form = new host::TForm(host::Application);
    Form->SetName("Form1");
    auto* T = new TLocaleTranslator(Form);
    if (State.range(0) == 1) {
        T->Translations()->Clear();
        AddOrgProps(SystemLocaleIds(), T->Translations());
    }
    int Listed = 0;
    int Offered = 0;
    for (auto _ : State) {
        Driver.ExpectShowModal("LocaleEditor", host::mrCancel, [&](host::TCustomForm& F) {
            auto& E = dynamic_cast<TLocaleEditor&>(F);
            Listed = E.LangListInApp->Items()->Count();
            Offered = E.LangList->Items()->Count();
        });
        benchmark::DoNotOptimize(T->ShowEditor());
    }
    if (Listed + Offered < static_cast<int>(SystemLocaleIds().size()))
        State.SkipWithError("not every locale was listed");
    State.counters["system locales"] = static_cast<double>(SystemLocaleIds().size());
    State.counters["in application"] = Listed;
    State.counters["offered"] = Offered;
    Zltedit::Uninstall();
}
BENCHMARK(BM_OpenLocaleEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
