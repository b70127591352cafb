// The dialog and button translators: applying entries to a live dialog, capturing each kind of
// common dialog, and translating the buttons of a message dialog.
#include "host/controls/Application.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Dialogs.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogTranslator.h"

#include <benchmark/benchmark.h>

using namespace host;
using namespace zantor;

namespace {

// A dialog window of Children statics with identifiers 100, 101 ...
HWND MakeDialog(int Children) {
    HWND Dlg = CreateWindowExA(0, WC_DIALOG, "Open", WS_POPUP | WS_CAPTION, 10, 10, 400, 300,
                               nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < Children; ++i)
        CreateWindowExA(0, WC_STATIC, ("Label " + std::to_string(i)).c_str(), WS_CHILD | WS_VISIBLE,
                        4, 4 + i * 4, 80, 12, Dlg,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(100 + i)), nullptr,
                        nullptr);
    return Dlg;
}

void BM_TranslateDialog(benchmark::State& State) {
    const int Children = static_cast<int>(State.range(0));
    const int Entries = static_cast<int>(State.range(1));
    const int Matching = static_cast<int>(State.range(2));
    TApplicationScope App;
    auto* Form = new TForm(Application);
    auto* T = new TCommonDialogTranslator(Form);
    TStringList Lines;
    for (int i = 0; i < Matching; ++i) {
        const int Id = 100 + i % Children;
        if (i % 4 == 3)
            Lines.Add("TOpenDialog.Width[" + std::to_string(Id) + "]=" + std::to_string(60 + i));
        else
            Lines.Add("TOpenDialog.Caption[" + std::to_string(Id) + "]='Texte " +
                      std::to_string(i) + "'");
    }
    static const char* const Others[] = {"TColorDialog", "TFindDialog", "TFontDialog",
                                         "TPrintDialog", "TSaveDialog"};
    for (int i = Matching; i < Entries; ++i)
        Lines.Add(String(Others[i % 5]) + ".Caption[" + std::to_string(1000 + i) + "]='Autre'");
    T->SetTranslations(&Lines);
    HWND Dlg = MakeDialog(Children);
    OwnerClassName = "TOpenDialog";
    for (auto _ : State)
        T->TranslateDialog(Dlg);
    DestroyWindow(Dlg);
    ResetCommonDialogUnit();
    State.SetItemsProcessed(State.iterations() * Matching);
}
BENCHMARK(BM_TranslateDialog)->Args({60, 300, 40})->Args({120, 600, 80})->Args({240, 1200, 160});

template <class D> void BM_Capture(benchmark::State& State) {
    TApplicationScope App;
    auto* Form = new TForm(Application);
    auto* Dialog = new D(Form);
    auto* T = new TCommonDialogTranslator(Form);
    int Lines = 0;
    for (auto _ : State) {
        TStringList List;
        T->GetDlgProps(Dialog, &List);
        Lines = List.Count();
        benchmark::DoNotOptimize(Lines);
    }
    ResetCommonDialogUnit();
    State.counters["lines"] = Lines;
}
BENCHMARK_TEMPLATE(BM_Capture, TOpenDialog);
BENCHMARK_TEMPLATE(BM_Capture, TSaveDialog);
BENCHMARK_TEMPLATE(BM_Capture, TFontDialog);
BENCHMARK_TEMPLATE(BM_Capture, TColorDialog);
BENCHMARK_TEMPLATE(BM_Capture, TPrintDialog);
BENCHMARK_TEMPLATE(BM_Capture, TPrinterSetupDialog);
BENCHMARK_TEMPLATE(BM_Capture, TFindDialog);

void BM_ButtonTranslateForm(benchmark::State& State) {
    TApplicationScope App;
    auto* Form = new TForm(Application);
    auto* T = new TButtonTranslator(Form);
    T->SetLanguage(lnGerman);
    TForm* Dialog = CreateMessageDialog("Save changes?", mtConfirmation, mbYesNoCancel);
    std::vector<std::pair<TButton*, String>> Buttons;
    for (int i = 0; i < Dialog->ComponentCount(); ++i)
        if (auto* B = As<TButton>(Dialog->Components(i))) Buttons.emplace_back(B, B->Caption());
    for (auto _ : State) {
        State.PauseTiming();
        for (auto& [B, Caption] : Buttons)
            B->SetCaption(Caption);
        State.ResumeTiming();
        T->TranslateForm(Dialog);
    }
    Dialog->Free();
    ResetButtonHookUnit();
}
BENCHMARK(BM_ButtonTranslateForm);

} // namespace
