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
// with three entries per component: caption, hint and tag, or with texts only, caption, hint
// and help keyword.
struct TBenchForm {
    host::TForm* Form = nullptr;
    TFormTranslator* German = nullptr;
    TFormTranslator* French = nullptr;
    std::vector<host::TControl*> Controls;
    std::vector<host::TButton*> Buttons;
    std::vector<host::TLabel*> Labels;
    std::vector<host::TPanel*> Panels;
    bool Texts = false;

    explicit TBenchForm(int Count, bool TextsOnly = false) : Texts(TextsOnly) {
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
            Lines.emplace_back(Texts
                                   ? N + ".HelpKeyword='" + Word + " key " + std::to_string(i) + "'"
                                   : N + ".Tag=" + std::to_string(i),
                               nullptr);
        }
        T->Translations()->SortInsertMany(std::move(Lines));
        return T;
    }
};

// Switching a language on again, as an application does: the first switch of each translator
// resolves its lines (BM_SwitchOnFirst), which is done before the timing here.
void SwitchOn(benchmark::State& State, bool TextsOnly) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)), TextsOnly);
    B.German->SetTranslate(true);
    B.German->SetTranslate(false);
    for (auto _ : State) {
        B.German->SetTranslate(true);
        State.PauseTiming();
        B.German->SetTranslate(false);
        State.ResumeTiming();
    }
    State.SetComplexityN(State.range(0));
    State.counters["entries"] = B.German->Translations()->Count();
}

// The first switch of each translator, as in BM_SwitchOn, before the timing.
void SwitchBetweenLanguages(benchmark::State& State, bool TextsOnly) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)), TextsOnly);
    B.German->SetTranslate(true);
    B.French->SetTranslate(true);
    B.German->SetTranslate(true);
    bool ToFrench = true;
    for (auto _ : State) {
        (ToFrench ? B.French : B.German)->SetTranslate(true);
        ToFrench = !ToFrench;
    }
    State.SetComplexityN(State.range(0));
}

void BM_SwitchOn(benchmark::State& State) {
    SwitchOn(State, false);
}
void BM_SwitchBetweenLanguages(benchmark::State& State) {
    SwitchBetweenLanguages(State, false);
}
// Lists of texts only: switching from one language to the other writes the new texts over the
// old ones, without restoring the design texts in between.
void BM_SwitchOnTexts(benchmark::State& State) {
    SwitchOn(State, true);
}
void BM_SwitchBetweenLanguagesTexts(benchmark::State& State) {
    SwitchBetweenLanguages(State, true);
}

// The first switch on of a translator just loaded: its lines resolved against the form.
void BM_SwitchOnFirst(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        State.PauseTiming();
        B.German->Free();
        B.German = B.MakeTranslator("German", 1031, "Deutsch");
        State.ResumeTiming();
        B.German->SetTranslate(true);
        State.PauseTiming();
        B.German->SetTranslate(false);
        State.ResumeTiming();
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

// The same values through the setters, without any lookup. Once the first pass has set them,
// each setter finds its value already there and returns: a floor of calls, not of changes.
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

// The floor of the switch's work: the setters change every value from the design text to the
// translation, as a switch on does; the design texts are set back outside the timing.
void BM_DirectSettersChanging(benchmark::State& State) {
    host::TApplicationScope App;
    TBenchForm B(static_cast<int>(State.range(0)));
    std::vector<String> Captions, Hints, DesignCaptions, DesignHints;
    for (std::size_t i = 0; i < B.Controls.size(); ++i) {
        Captions.push_back("Deutsch " + std::to_string(i));
        Hints.push_back("Deutsch hint " + std::to_string(i));
        DesignCaptions.push_back("Caption " + std::to_string(i));
        DesignHints.push_back("Hint " + std::to_string(i));
    }
    auto Set = [&](auto& Typed, std::size_t First, const std::vector<String>& C,
                   const std::vector<String>& H, bool Translated) {
        for (std::size_t k = 0; k < Typed.size(); ++k) {
            std::size_t i = First + 3 * k;
            Typed[k]->SetCaption(C[i]);
            Typed[k]->SetHint(H[i]);
            Typed[k]->SetTag(Translated ? static_cast<Integer>(i) : 0);
        }
    };
    auto SetAll = [&](const std::vector<String>& C, const std::vector<String>& H, bool T) {
        Set(B.Buttons, 0, C, H, T);
        Set(B.Labels, 1, C, H, T);
        Set(B.Panels, 2, C, H, T);
    };
    for (auto _ : State) {
        SetAll(Captions, Hints, true);
        State.PauseTiming();
        SetAll(DesignCaptions, DesignHints, false);
        State.ResumeTiming();
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
ZT_FORM_BENCH(BM_DirectSettersChanging);
ZT_FORM_BENCH(BM_SwitchOn);
ZT_FORM_BENCH(BM_SwitchOnFirst);
ZT_FORM_BENCH(BM_SwitchBetweenLanguages);
ZT_FORM_BENCH(BM_SwitchOnTexts);
ZT_FORM_BENCH(BM_SwitchBetweenLanguagesTexts);
ZT_FORM_BENCH(BM_CollectWalk);

// The peer: Qt's own way of switching, as retranslateUi does it. A QTranslator per language is
// loaded from a .qm file made here by lrelease; Count widgets in one window on the offscreen
// platform get their text and tool tip again through QCoreApplication::translate.
#ifdef ZT_BENCH_QT
#include <QApplication>
#include <QLabel>
#include <QTranslator>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

QApplication& QtApp() {
    static int Argc = 1;
    static char Name[] = "bench_form_translator";
    static char* Argv[] = {Name, nullptr};
    static QApplication* App = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(Argc, Argv);
    }();
    return *App;
}

// Writes a .ts file of Count captions and hints in Word's language and compiles it; the .qm
// path, or "" when lrelease is missing.
std::string MakeQm(int Count, const std::string& Word) {
    namespace fs = std::filesystem;
    fs::path Dir = fs::temp_directory_path() / "zt_bench_qt";
    fs::create_directories(Dir);
    fs::path Ts = Dir / (Word + std::to_string(Count) + ".ts");
    fs::path Qm = Dir / (Word + std::to_string(Count) + ".qm");
    {
        std::ofstream Out(Ts);
        Out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n"
               "<context><name>BenchForm</name>\n";
        for (int i = 0; i < Count; ++i)
            Out << "<message><source>Caption " << i << "</source><translation>" << Word << " " << i
                << "</translation></message>\n<message><source>Hint " << i
                << "</source><translation>" << Word << " hint " << i
                << "</translation></message>\n";
        Out << "</context>\n</TS>\n";
    }
    for (const char* Tool :
         {"lrelease", "/usr/lib/qt5/bin/lrelease", "/usr/lib/qt6/bin/lrelease"}) {
        std::string Command = std::string(Tool) + " -silent '" + Ts.string() + "' -qm '" +
                              Qm.string() + "' >/dev/null 2>&1";
        if (std::system(Command.c_str()) == 0 && fs::exists(Qm)) return Qm.string();
    }
    return {};
}

void BM_QtRetranslate(benchmark::State& State) {
    const int Count = static_cast<int>(State.range(0));
    QtApp();
    std::string German = MakeQm(Count, "Deutsch"), French = MakeQm(Count, "Francais");
    if (German.empty() || French.empty()) {
        State.SkipWithError("lrelease (package qttools5-dev-tools) is not installed: no Qt row");
        return;
    }
    QTranslator ToGerman, ToFrench;
    if (!ToGerman.load(QString::fromStdString(German)) ||
        !ToFrench.load(QString::fromStdString(French))) {
        State.SkipWithError("the generated .qm files do not load");
        return;
    }
    QWidget Window;
    std::vector<QLabel*> Labels;
    std::vector<QByteArray> Captions, Hints;
    for (int i = 0; i < Count; ++i) {
        Captions.push_back(QByteArray("Caption ") + QByteArray::number(i));
        Hints.push_back(QByteArray("Hint ") + QByteArray::number(i));
        Labels.push_back(new QLabel(QString::fromLatin1(Captions.back()), &Window));
    }
    bool ToFrenchNext = true;
    QCoreApplication::installTranslator(&ToGerman);
    for (auto _ : State) {
        QCoreApplication::removeTranslator(ToFrenchNext ? static_cast<QTranslator*>(&ToGerman)
                                                        : &ToFrench);
        QCoreApplication::installTranslator(ToFrenchNext ? &ToFrench : &ToGerman);
        QCoreApplication::processEvents();
        for (int i = 0; i < Count; ++i) {
            Labels[static_cast<std::size_t>(i)]->setText(QCoreApplication::translate(
                "BenchForm", Captions[static_cast<std::size_t>(i)].constData()));
            Labels[static_cast<std::size_t>(i)]->setToolTip(QCoreApplication::translate(
                "BenchForm", Hints[static_cast<std::size_t>(i)].constData()));
        }
        ToFrenchNext = !ToFrenchNext;
    }
    if (Labels[1]->text() != QString("Deutsch 1") && Labels[1]->text() != QString("Francais 1"))
        State.SkipWithError("Qt did not translate");
    QCoreApplication::removeTranslator(&ToGerman);
    QCoreApplication::removeTranslator(&ToFrench);
    State.SetComplexityN(State.range(0));
}

} // namespace
#else
namespace {
void BM_QtRetranslate(benchmark::State& State) {
    State.SkipWithError(
        "Qt development files (qtbase5-dev) were not found at configure time: no Qt row");
}
} // namespace
#endif
BENCHMARK(BM_QtRetranslate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
