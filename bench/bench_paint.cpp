// Painting a form of 200 controls into an image (the drawing a display does, without the
// copy to the X server), and what a language switch paints again.
#include "host/controls/Application.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Platform.h"
#include "host/winapi/x11/OffscreenPlatform.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace host {
void ResetWindowLayer();
}

using namespace host;

namespace {

struct TPaintSetup {
    TApplicationScope App;
    TForm* Form = nullptr;
    std::vector<TButton*> Buttons;
    std::vector<TControl*> All;

    TPaintSetup() {
        ResetWindowLayer();
        SetPlatform(std::make_unique<x11::TOffscreenPlatform>());
        Form = new TForm(Application);
        Form->SetBounds(0, 0, 1000, 700);
        Form->SetCaption("Two hundred controls");
        // Four kinds in a grid of 10 columns and 20 rows.
        for (int I = 0; I < 200; ++I) {
            const int X = 8 + (I % 10) * 98, Y = 8 + (I / 10) * 32;
            TControl* C = nullptr;
            switch (I % 4) {
            case 0: {
                auto* B = new TButton(Form);
                B->SetCaption("&Button " + std::to_string(I));
                Buttons.push_back(B);
                C = B;
                break;
            }
            case 1: {
                auto* E = new TEdit(Form);
                E->SetText("Edit " + std::to_string(I));
                C = E;
                break;
            }
            case 2: {
                auto* L = new TLabel(Form);
                L->SetCaption("Label " + std::to_string(I));
                C = L;
                break;
            }
            default: {
                auto* K = new TCheckBox(Form);
                K->SetCaption("Check " + std::to_string(I));
                K->SetChecked(I % 8 == 3);
                C = K;
                break;
            }
            }
            C->SetParent(Form);
            C->SetBounds(X, Y, 90, 24);
            All.push_back(C);
        }
        Form->Show();
        UpdateWindow(Form->Handle());
    }
    ~TPaintSetup() {
        Form->Free();
        SetPlatform(nullptr);
        ResetWindowLayer();
    }
};

void BM_PaintFormWith200Controls(benchmark::State& State) {
    TPaintSetup Setup;
    for (auto _ : State) {
        InvalidateRect(Setup.Form->Handle(), nullptr, true);
        UpdateWindow(Setup.Form->Handle());
    }
    State.counters["controls"] = double(Setup.All.size());
}
BENCHMARK(BM_PaintFormWith200Controls)->Unit(benchmark::kMillisecond);

// A language switch that changes the captions of 20 of the 200 controls: only those paint.
void BM_LanguageSwitchRepaint(benchmark::State& State) {
    TPaintSetup Setup;
    int Round = 0;
    double Repainted = 0;
    for (auto _ : State) {
        ++Round;
        for (std::size_t I = 0; I < 20; ++I)
            Setup.Buttons[I]->SetCaption((Round % 2 ? "&Knopf " : "&Button ") + std::to_string(I));
        State.PauseTiming();
        int Invalid = 0;
        RECT R;
        for (TControl* C : Setup.All)
            if (auto* W = dynamic_cast<TWinControl*>(C))
                Invalid += GetUpdateRect(W->Handle(), &R, false) ? 1 : 0;
        Invalid += GetUpdateRect(Setup.Form->Handle(), &R, false) ? 1 : 0;
        Repainted = Invalid;
        State.ResumeTiming();
        UpdateWindow(Setup.Form->Handle());
    }
    State.counters["windows_repainted"] = Repainted;
}
BENCHMARK(BM_LanguageSwitchRepaint)->Unit(benchmark::kMillisecond);

} // namespace
