// The resource-string editor on large tables: opening it on a translator of many texts,
// including a module's whole string table, and OK handing the table back. Each should grow
// about linearly (n log n) with the number of texts.
#include "editors/ResEditor.h"
#include "host/classes/StringList.h"
#include "host/controls/Application.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/UiDriver.h"
#include "translators/ResourceTranslator.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

using namespace host;
using namespace zantor;

namespace {

// Texts as applications have them: words of mixed case, so that the list's order (case
// ignored) and the table's byte-wise order differ.
String MakeText(std::mt19937& Random, int I) {
    static const char* const Words[] = {"file",  "Cannot", "open",    "Error", "saved",  "Ready",
                                        "print", "Delete", "record",  "the",   "Value",  "invalid",
                                        "Disk",  "full",   "Connect", "to",    "server", "Äpfel"};
    String S;
    const int N = 2 + int(Random() % 5);
    for (int W = 0; W < N; ++W) {
        if (W) S += ' ';
        S += Words[Random() % (sizeof Words / sizeof *Words)];
    }
    return S + " " + std::to_string(I);
}

// A translator on its own form holding Count texts, every second one translated.
TResourceTranslator* MakeTranslator(int Count) {
    auto* Form = new TForm(Application);
    auto* T = new TResourceTranslator(Form);
    T->SetName("ResTranslator1");
    std::mt19937 Random(42);
    TStringList Texts;
    TStringList Translations;
    for (int I = 0; I < Count; ++I) {
        Texts.AddObject(MakeText(Random, I), IntToObject(I));
        Translations.Add(I % 2 ? String() : "Traduction " + std::to_string(I));
    }
    T->SetResStrings(&Texts);
    T->SetTranslations(&Translations);
    return T;
}

struct TEditorBench {
    TResourceHookGuard Hook;
    TApplicationScope App;
    TScriptedUiDriver Driver;
    TUiDriverGuard Guard{Driver};

    TEditorBench() { Zrtedit::Install(); }
    ~TEditorBench() { Zrtedit::Uninstall(); }

    // Opens the editor on T and runs Steps on it.
    bool Open(TResourceTranslator* T, const std::function<void(TResEditor&)>& Steps) {
        Driver.ExpectShowModal("ResEditor", mrNone,
                               [&](TCustomForm& F) { Steps(dynamic_cast<TResEditor&>(F)); });
        return T->ShowEditor();
    }
};

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point Start) {
    return std::chrono::duration<double>(TClock::now() - Start).count();
}

// Open and close without changes: the form, the list filled from the table, the module list.
void BM_OpenResourceEditor(benchmark::State& State) {
    const int Count = int(State.range(0));
    TEditorBench B;
    TResourceTranslator* T = MakeTranslator(Count);
    for (auto _ : State)
        B.Open(T, [](TResEditor& E) { E.BtnCancelClick(&E); });
    State.SetComplexityN(Count);
    State.counters["texts"] = Count;
}
BENCHMARK(BM_OpenResourceEditor)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// Include of a module whose table is full (32768 strings, half of them new to the list, some
// differing from a text of the list only in letter case); the Include click alone is timed.
void BM_IncludeModule(benchmark::State& State) {
    const int Count = int(State.range(0));
    TEditorBench B;
    TResourceTranslator* T = MakeTranslator(Count);
    TLibModule Module("/opt/app/Large.bpl");
    {
        std::mt19937 Random(42); // the translator's texts again, for the first half
        for (int I = 0; I < 32768; ++I) {
            String S =
                I < 16384 && I < Count ? MakeText(Random, I) : "Module string " + std::to_string(I);
            if (I % 3 == 0)
                for (char& C : S)
                    if (C >= 'a' && C <= 'z') C = char(C - 'a' + 'A');
            Module.SetString(UINT(65535 - I), S);
        }
    }
    int Added = 0;
    for (auto _ : State) {
        B.Open(T, [&](TResEditor& E) {
            E.ModuleList->Pick(E.ModuleList->Items()->IndexOf("/opt/app/Large.bpl"));
            const int Before = E.ResList->Items()->Count();
            const auto Start = TClock::now();
            E.BtnIncludeClick(&E);
            State.SetIterationTime(Seconds(Start));
            Added = E.ResList->Items()->Count() - Before;
            E.SetModalResult(mrCancel); // the translator stays as it was
        });
    }
    State.SetComplexityN(Count);
    State.counters["texts"] = Count;
    State.counters["added"] = Added;
}
BENCHMARK(BM_IncludeModule)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

// OK after one translation was typed: packing, and the table in byte-wise order; OK alone is
// timed.
void BM_OkAfterEdit(benchmark::State& State) {
    const int Count = int(State.range(0));
    TEditorBench B;
    TResourceTranslator* T = MakeTranslator(Count);
    int Round = 0;
    for (auto _ : State) {
        B.Open(T, [&](TResEditor& E) {
            E.ResList->Pick(1);
            E.EdtTranslation->SetText("Changed " + std::to_string(++Round));
            const auto Start = TClock::now();
            E.BtnOKClick(&E);
            State.SetIterationTime(Seconds(Start));
        });
    }
    if (T->ResStrings()->Count() != Count || T->Translations()->Count() != Count)
        State.SkipWithError("the table lost texts or translations");
    State.SetComplexityN(Count);
    State.counters["texts"] = Count;
}
BENCHMARK(BM_OkAfterEdit)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

} // namespace
