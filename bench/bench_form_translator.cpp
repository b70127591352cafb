// Switching a large form's language: the apply walk, switching between two languages
// (restore + apply) and the collect walk, next to setting the same values directly.
#include "translators/FormTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"

#include <benchmark/benchmark.h>

using namespace zantor;

namespace {

// A form of Count components (buttons, labels, panels; a third each) and two translators
// with three entries per component: caption, hint and one item of a memo on every tenth.
struct TBenchForm {
    host::TForm* Form = nullptr;
    TFormTranslator* German = nullptr;
    TFormTranslator* French = nullptr;
    std::vector<host::TControl*> Controls;
    std::vector<host::TButton*> Buttons;
    std::vector<host::TLabel*> Labels;
    std::vector<host::TPanel*> Panels;

    explicit TBenchForm(int Count) {
        Form = new host::TForm(host::Application);
        Form->SetName("BenchForm");
        for (int i = 0; i < Count; ++i) {
            String Caption = "Caption " + std::to_string(i);
            host::TControl* C = nullptr;
            if (i % 3 == 0) {
                Buttons.push_back(new host::TButton(Form));
                Buttons.back()->SetCaption(Caption);
                C = Buttons.back();
            } else if (i % 3 == 1) {
                Labels.push_back(new host::TLabel(Form));
                Labels.back()->SetCaption(Caption);
                C = Labels.back();
            } else {
                Panels.push_back(new host::TPanel(Form));
                Panels.back()->SetCaption(Caption);
                C = Panels.back();
            }
            C->SetName("C" + std::to_string(i));
            C->SetHint("Hint " + std::to_string(i));
            C->SetParent(Form);
            Controls.push_back(C);
        }
        German = MakeTranslator("German", 1031, "Deutsch");
        French = MakeTranslator("French", 1036, "Francais");
    }
    ~TBenchForm() { Form->Free(); }

    TFormTranslator* MakeTranslator(const String& Name, Integer Locale, const String& Word) {
        auto* T = new TFormTranslator(Form);
        T->SetName(Name);
        T->SetLocale(Locale);
        T->SetTranslate(false);
        std::vector<std::pair<String, TObject*>> Lines;
        for (std::size_t i = 0; i < Controls.size(); ++i) {
            String N = Controls[i]->Name();
            Lines.emplace_back(N + ".Caption='" + Word + " " + std::to_string(i) + "'", nullptr);
            Lines.emplace_back(N + ".Hint='" + Word + " hint " + std::to_string(i) + "'", nullptr);
            Lines.emplace_back(N + ".Tag=" + std::to_string(i), nullptr);
        }
        T->Translations()->SortInsertMany(std::move(Lines));
        return T;
    }
};

void BM_SwitchOn(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        B.German->SetTranslate(true);
        State.PauseTiming();
        B.German->SetTranslate(false);
        State.ResumeTiming();
    }
    State.SetComplexityN(State.range(0));
    State.counters["entries"] = B.German->Translations()->Count();
}

void BM_SwitchBetweenLanguages(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    B.German->SetTranslate(true);
    bool ToFrench = true;
    for (auto _ : State) {
        (ToFrench ? B.French : B.German)->SetTranslate(true);
        ToFrench = !ToFrench;
    }
    State.SetComplexityN(State.range(0));
}

void BM_CollectWalk(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        host::TStringList Out;
        benchmark::DoNotOptimize(B.German->TranslateForm(&Out, true));
        benchmark::DoNotOptimize(Out.Count());
    }
    State.SetComplexityN(State.range(0));
}

// The floor: the same values through the setters, without any lookup.
void BM_DirectSetters(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    std::vector<String> Captions, Hints;
    for (std::size_t i = 0; i < B.Controls.size(); ++i) {
        Captions.push_back("Deutsch " + std::to_string(i));
        Hints.push_back("Deutsch hint " + std::to_string(i));
    }
    auto Set = [&](auto& Typed, std::size_t First) {
        for (std::size_t k = 0; k < Typed.size(); ++k) {
            std::size_t i = First + 3 * k;
            Typed[k]->SetCaption(Captions[i]);
            Typed[k]->SetHint(Hints[i]);
            Typed[k]->SetTag(static_cast<Integer>(i));
        }
    };
    for (auto _ : State) {
        Set(B.Buttons, 0);
        Set(B.Labels, 1);
        Set(B.Panels, 2);
    }
    State.SetComplexityN(State.range(0));
}

} // namespace

#define ZT_FORM_BENCH(Fn)                                                                          \
    BENCHMARK(Fn)                                                                                  \
        ->RangeMultiplier(10)                                                                      \
        ->Range(1000, 100000)                                                                      \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Complexity()
ZT_FORM_BENCH(BM_DirectSetters);
ZT_FORM_BENCH(BM_SwitchOn);
ZT_FORM_BENCH(BM_SwitchBetweenLanguages);
ZT_FORM_BENCH(BM_CollectWalk);
