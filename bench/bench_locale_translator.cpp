// The locale translator at scale: the catalogue of every locale the platform offers, the
// language list over it, and switching an application of many forms, each with two form
// translators, from one locale to the other.
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/LocaleInfo.h"
#include "translators/Literals.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace zantor;

namespace {

std::vector<Integer>& Enumerated() {
    static std::vector<Integer> Ids;
    return Ids;
}

int CollectLocale(const char* Text) {
    Enumerated().push_back(HexToInt(Text));
    return 1;
}

const std::vector<Integer>& SystemLocales() {
    if (Enumerated().empty()) host::EnumSystemLocalesA(CollectLocale, host::LCID_SUPPORTED);
    return Enumerated();
}

// EnumSystemLocalesA and AddOrgProps for every locale, one locale per call: in the order the
// platform gives them (0: each lands at the end) or the reverse (1: each lands in front of
// all the others, the worst case); and all locales in one call (2), in the reverse order.
void BM_CatalogueOfAllLocales(benchmark::State& State) {
    std::vector<Integer> Ids;
    for (auto _ : State) {
        Enumerated().clear();
        Ids = SystemLocales();
        if (State.range(0) != 0) std::reverse(Ids.begin(), Ids.end());
        TSortList Catalogue(false);
        if (State.range(0) == 2)
            AddOrgProps(Ids, &Catalogue);
        else
            for (Integer Id : Ids)
                AddOrgProps(Id, &Catalogue);
        benchmark::DoNotOptimize(Catalogue.Count());
    }
    State.counters["locales"] = static_cast<double>(Ids.size());
    State.counters["entries"] = static_cast<double>(Ids.size() * 58);
}
BENCHMARK(BM_CatalogueOfAllLocales)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The language list of a catalogue holding the first N locales.
void BM_UpdateLangList(benchmark::State& State) {
    host::TApplicationScope App;
    auto* T = new TLocaleTranslator(nullptr);
    T->Translations()->Clear();
    const auto& Ids = SystemLocales();
    const auto N = std::min<std::size_t>(static_cast<std::size_t>(State.range(0)), Ids.size());
    for (std::size_t i = 0; i < N; ++i)
        AddOrgProps(Ids[i], T->Translations());
    for (auto _ : State) {
        T->UpdateLangList();
        benchmark::DoNotOptimize(T->LangList()->Count());
    }
    State.counters["locales"] = static_cast<double>(N);
    State.SetComplexityN(static_cast<benchmark::IterationCount>(N));
    T->Free();
}
BENCHMARK(BM_UpdateLangList)
    ->RangeMultiplier(2)
    ->Range(16, 256)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

// Forms of 200 labels, each form with a French and a German form translator of 200 entries.
void AddForm(int Index, bool WithLocales) {
    auto* Form = new host::TForm(host::Application);
    Form->SetName("Form" + std::to_string(Index));
    for (int c = 0; c < 200; ++c) {
        auto* L = new host::TLabel(Form);
        L->SetName("Label" + std::to_string(c));
        L->SetCaption("Text " + std::to_string(c));
        L->SetParent(Form);
    }
    for (auto [Locale, Word] : {std::pair<Integer, const char*>{1036, "Texte"}, {1031, "Text"}}) {
        auto* T = new TFormTranslator(Form);
        T->SetName(Locale == 1036 ? "French" : "German");
        T->SetLocale(WithLocales ? Locale : 0);
        T->SetTranslate(false);
        std::vector<std::pair<String, TObject*>> Lines;
        for (int c = 0; c < 200; ++c)
            Lines.emplace_back("Label" + std::to_string(c) + ".Caption='" + Word + " " +
                                   std::to_string(c) + "'",
                               nullptr);
        T->Translations()->SortInsertMany(std::move(Lines));
    }
}

// One switch per iteration, alternating French and German over all forms. With Locale 0 on
// the form translators (second argument 0) nothing is switched: the walk of SetLocales alone.
void BM_TranslateLocaleOverForms(benchmark::State& State) {
    host::TApplicationScope App;
    const int Forms = static_cast<int>(State.range(0));
    const bool Switching = State.range(1) != 0;
    for (int f = 0; f < Forms; ++f)
        AddForm(f, Switching);
    auto* Main = static_cast<host::TForm*>(host::Application->Components(0));
    auto* T = new TLocaleTranslator(Main);
    T->Translations()->Clear();
    AddOrgProps(1036, T->Translations());
    AddOrgProps(1031, T->Translations());
    if (!T->TranslateLocale(1036)) State.SkipWithError("no French locale");
    const auto* Label = static_cast<host::TLabel*>(Main->FindComponent("Label7"));
    if (Label->Caption() != (Switching ? "Texte 7" : "Text 7"))
        State.SkipWithError("the forms were not switched");
    bool French = false;
    for (auto _ : State) {
        benchmark::DoNotOptimize(T->TranslateLocale(French ? 1036 : 1031));
        French = !French;
    }
    State.counters["forms"] = Forms;
    State.SetComplexityN(Forms);
}
BENCHMARK(BM_TranslateLocaleOverForms)
    ->ArgsProduct({{25, 50, 100}, {1}})
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranslateLocaleOverForms)
    ->ArgsProduct({{25, 50, 100}, {0}})
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

} // namespace
