// Reading and writing form text with many components; the figures should grow linearly.
#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/controls/Application.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/AtomicFile.h"
#include "host/typinfo/ClassBuilder.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace host;

namespace {

class TBenchItem : public TComponent {
    ZT_CLASS(TBenchItem, TComponent)
public:
    explicit TBenchItem(TComponent* AOwner) : TComponent(AOwner), FLines(new TStringList) {}
    ~TBenchItem() override { delete FLines; }
    TStrings* GetLines() const { return FLines; }
    String FCaption;
    String FHint;
    Integer FLeft = 0;
    Integer FTop = 0;
    bool FEnabled = true;
    double FRatio = 0;
    TNotifyEvent FOnClick;
    TStringList* FLines;
};

class TBenchRoot : public TComponent {
    ZT_CLASS(TBenchRoot, TComponent)
public:
    using TComponent::TComponent;
    void ItemClick(TObject*) {}
    void GetChildren(const TGetChildProc& Proc, TComponent*) override {
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
};

// A form class publishing a field for each of its components, as a designed form does: every
// component read is bound to its field by name.
constexpr int MaxFields = 10000;
class TFieldForm : public TComponent {
    ZT_CLASS(TFieldForm, TComponent)
public:
    using TComponent::TComponent;
    std::vector<TComponent*> FSlots = std::vector<TComponent*>(MaxFields);
};

} // namespace

TClass TFieldForm::StaticClass() {
    static const TClassInfo Info = [] {
        TClassInfo I = TClassBuilder<TFieldForm>("TFieldForm");
        for (std::size_t i = 0; i < MaxFields; ++i) {
            TFieldEntry E;
            E.Name = "Item" + std::to_string(i);
            E.FieldClass = &TBenchItem::StaticClass;
            E.Set = [i](TObject* Self, TObject* Value) {
                static_cast<TFieldForm*>(Self)->FSlots[i] = static_cast<TComponent*>(Value);
            };
            E.Get = [i](const TObject* Self) -> TObject* {
                return static_cast<const TFieldForm*>(Self)->FSlots[i];
            };
            I.Fields.push_back(std::move(E));
        }
        return I;
    }();
    return &Info;
}

TClass TBenchItem::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TBenchItem>("TBenchItem")
            .Prop("Caption", &TBenchItem::FCaption, &TBenchItem::FCaption)
            .Prop("Hint", &TBenchItem::FHint, &TBenchItem::FHint)
            .Prop("Left", &TBenchItem::FLeft, &TBenchItem::FLeft)
            .Prop("Top", &TBenchItem::FTop, &TBenchItem::FTop)
            .Prop("Enabled", &TBenchItem::FEnabled, &TBenchItem::FEnabled)
            .Default(true)
            .Prop("Ratio", &TBenchItem::FRatio, &TBenchItem::FRatio)
            .Prop("Lines", &TBenchItem::GetLines)
            .Prop("OnClick", &TBenchItem::FOnClick, &TBenchItem::FOnClick);
    return &Info;
}

TClass TBenchRoot::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TBenchRoot>("TBenchRoot").Method("ItemClick", &TBenchRoot::ItemClick);
    return &Info;
}

namespace {

TBenchRoot* MakeForm(int Count) {
    RegisterClasses({TBenchItem::StaticClass(), TBenchRoot::StaticClass()});
    auto* Root = new TBenchRoot(nullptr);
    Root->SetName("BenchForm");
    for (int i = 0; i < Count; ++i) {
        auto* Item = new TBenchItem(Root);
        Item->SetName("Item" + std::to_string(i));
        Item->FCaption = "Caption of item " + std::to_string(i) + " with 'quotes'";
        Item->FHint = i % 3 ? "" : "A hint\r\nover two lines";
        Item->FLeft = i % 640;
        Item->FTop = i / 640;
        Item->FEnabled = i % 2;
        Item->FRatio = i * 0.25;
        Item->FOnClick = TNotifyEvent(Root, &TBenchRoot::ItemClick);
        if (i % 10 == 0) Item->FLines->SetText("first line\r\nsecond line");
    }
    return Root;
}

void BM_WriteForm(benchmark::State& State) {
    TBenchRoot* Root = MakeForm(static_cast<int>(State.range(0)));
    std::size_t Bytes = 0;
    for (auto _ : State) {
        String Text = WriteComponentToText(Root);
        Bytes = Text.size();
        benchmark::DoNotOptimize(Text);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
    State.SetComplexityN(State.range(0));
    Root->Free();
}

void BM_ReadForm(benchmark::State& State) {
    TBenchRoot* Source = MakeForm(static_cast<int>(State.range(0)));
    String Text = WriteComponentToText(Source);
    Source->Free();
    for (auto _ : State) {
        TComponent* Root = ReadComponentFromText(Text, nullptr);
        State.PauseTiming();
        Root->Free();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.SetComplexityN(State.range(0));
}

void BM_ParseFormText(benchmark::State& State) {
    TBenchRoot* Source = MakeForm(static_cast<int>(State.range(0)));
    String Text = WriteComponentToText(Source);
    Source->Free();
    for (auto _ : State)
        benchmark::DoNotOptimize(ParseFormText(Text));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.SetComplexityN(State.range(0));
}

// Controls with a parent: each button is placed in its parent's tab list when it is loaded,
// which must not cost the whole list every time.
String ControlsFormText(int Count) {
    RegisterControlClasses();
    auto* Root = new TPanel(nullptr);
    Root->SetName("ControlsForm");
    auto* Group = new TPanel(Root);
    Group->SetName("Group");
    Group->SetParent(Root);
    for (int i = 0; i < Count; ++i) {
        auto* Button = new TButton(Root);
        Button->SetName("Button" + std::to_string(i));
        Button->SetParent(i % 2 ? Group : Root);
        Button->SetBounds(i % 640, i / 640, 75, 25);
        Button->SetCaption("Button " + std::to_string(i));
    }
    String Text = WriteComponentToText(Root);
    Root->Free();
    return Text;
}

void BM_ReadFormControls(benchmark::State& State) {
    String Text = ControlsFormText(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        TComponent* Root = ReadComponentFromText(Text, nullptr);
        State.PauseTiming();
        Root->Free();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.SetComplexityN(State.range(0));
}

void BM_ReadFieldForm(benchmark::State& State) {
    RegisterClasses({TBenchItem::StaticClass(), TFieldForm::StaticClass()});
    const auto Count = static_cast<int>(State.range(0));
    String Text = "object FieldForm: TFieldForm\n";
    for (int i = 0; i < Count; ++i)
        Text += "  object Item" + std::to_string(i) + ": TBenchItem\n    Caption = 'Item " +
                std::to_string(i) + "'\n    Left = " + std::to_string(i % 640) + "\n  end\n";
    Text += "end\n";
    for (auto _ : State) {
        TComponent* Root = ReadComponentFromText(Text, nullptr);
        State.PauseTiming();
        if (static_cast<TFieldForm*>(Root)->FSlots[static_cast<std::size_t>(Count - 1)] !=
            Root->Components(Count - 1))
            State.SkipWithError("field not bound");
        Root->Free();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.SetComplexityN(State.range(0));
}

// Actions with a menu item and a button linked to each: every link is resolved when the form
// is loaded, which must not search all actions for every client.
String ActionsFormText(int Count) {
    String Actions, Items, Buttons;
    for (int i = 0; i < Count; ++i) {
        String N = std::to_string(i);
        Actions += "    object Action" + N + ": TAction\n      Caption = 'Action " + N +
                   "'\n      Hint = 'Hint " + N + "'\n    end\n";
        Items += "    object Item" + N + ": TMenuItem\n      Action = Action" + N + "\n    end\n";
        Buttons += "  object Button" + N + ": TButton\n    Left = " + std::to_string(i % 640) +
                   "\n    Top = " + std::to_string(i / 640) + "\n    Action = Action" + N +
                   "\n  end\n";
    }
    return "object ActionsForm: TPanel\n  object Actions: TActionList\n" + Actions +
           "  end\n  object Popup: TPopupMenu\n" + Items + "  end\n" + Buttons + "end\n";
}

void BM_ReadFormActions(benchmark::State& State) {
    RegisterControlClasses();
    String Text = ActionsFormText(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        TComponent* Root = ReadComponentFromText(Text, nullptr);
        State.PauseTiming();
        if (Root->ComponentCount() != 2 + 3 * State.range(0))
            State.SkipWithError("wrong component count");
        Root->Free();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.SetComplexityN(State.range(0));
}

// The real forms of the corpus, read as tools read them (tolerant of what is not compiled in).
void BM_ReadCorpus(benchmark::State& State) {
    RegisterControlClasses();
    std::filesystem::path Dir = std::filesystem::path(ZT_SOURCE_DIR) / "tests" / "data" / "forms";
    if (!std::filesystem::exists(Dir))
        Dir = std::filesystem::path(ZT_SOURCE_DIR) / ".." / "shared" / "corpus" / "forms";
    std::vector<String> Texts;
    std::size_t Bytes = 0;
    std::error_code Ec;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir, Ec))
        if (Entry.path().extension() == ".dfm") {
            Texts.push_back(ReadFileBytes(Entry.path().string()));
            Bytes += Texts.back().size();
        }
    if (Texts.empty()) {
        State.SkipWithError("corpus not found");
        return;
    }
    TFormReadOptions Options;
    Options.Tolerant = true;
    for (auto _ : State) {
        for (const String& Text : Texts) {
            TComponent* Root = ReadComponentFromText(Text, nullptr, nullptr, Options);
            State.PauseTiming();
            Root->Free();
            State.ResumeTiming();
        }
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
    State.counters["files"] = static_cast<double>(Texts.size());
}

// The last of a chain of forms, each inheriting the one before it, adding items of its own
// and changing one of the first form's: the cost should follow the items read, whatever the
// depth they come from.
String LevelText(int Level, int PerLevel) {
    String Name = "Level" + std::to_string(Level);
    String Text = (Level ? "inherited " : "object ") + Name + ": T" + Name + "\n";
    Text += "  Caption = 'Level " + std::to_string(Level) + "'\n";
    if (Level)
        Text += "  inherited L0Item0: TBenchItem\n    Caption = 'Changed at level " +
                std::to_string(Level) + "'\n  end\n";
    for (int i = 0; i < PerLevel; ++i)
        Text += "  object L" + std::to_string(Level) + "Item" + std::to_string(i) +
                ": TBenchItem\n    Caption = 'Item " + std::to_string(i) +
                "'\n    Left = " + std::to_string(i) + "\n  end\n";
    return Text + "end\n";
}

void BM_ReadInheritedForm(benchmark::State& State) {
    RegisterClasses({TBenchItem::StaticClass()});
    const int Depth = static_cast<int>(State.range(0));
    std::vector<String> Texts;
    std::size_t Bytes = 0;
    for (int Level = 0; Level < Depth; ++Level) {
        Texts.push_back(LevelText(Level, 50));
        Bytes += Texts.back().size();
    }
    TFormReadOptions Options;
    Options.Tolerant = true;
    Options.FindFormText = [&Texts](const String& ClassName, bool Ancestor, String& Text) {
        int Level = std::stoi(ClassName.substr(6)); // "TLevel<n>"
        if (!Ancestor || Level == 0) return false;
        Text = Texts[Level - 1];
        return true;
    };
    for (auto _ : State) {
        TComponent* Root = ReadComponentFromText(Texts.back(), nullptr, nullptr, Options);
        State.PauseTiming();
        if (Root->ComponentCount() != 50 * Depth) State.SkipWithError("wrong component count");
        Root->Free();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
    State.SetComplexityN(Depth);
}

} // namespace

BENCHMARK(BM_ReadCorpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadInheritedForm)
    ->RangeMultiplier(2)
    ->Range(1, 32)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadFormActions)
    ->RangeMultiplier(4)
    ->Range(625, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadFormControls)
    ->RangeMultiplier(4)
    ->Range(1250, 20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_WriteForm)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadForm)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadFieldForm)
    ->RangeMultiplier(10)
    ->Range(100, MaxFields)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ParseFormText)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
