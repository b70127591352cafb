// The shared translation file and the dictionary file at 10k, 100k and 1M lines, next to
// the floor of reading, sorting and writing the same file, and the system's sort.
#include "translators/Literals.h"
#include "translators/TextLines.h"
#include "translators/TranslatorFrame.h"

#include "host/rtl/AtomicFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace zantor;

namespace {

class TBenchTranslator : public TTranslatorFrame {
    ZT_CLASS(TBenchTranslator, TTranslatorFrame)
public:
    explicit TBenchTranslator(TComponent* AOwner) : TTranslatorFrame(AOwner, false) {}

protected:
    String KindPrefix() const override { return ""; }
    String AboutText() const override { return "Bench 1.0"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::SameLocale; }
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override {
        for (int i = 0; i < FTranslations->Count(); ++i) {
            const String& Line = FTranslations->Line(i);
            std::size_t Eq = Line.find('=');
            Entries.push_back(
                {"Source text " + Line.substr(0, Eq), FromLiterals(Line.substr(Eq + 1)), i});
        }
    }
};

} // namespace

TClass TBenchTranslator::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TBenchTranslator>("TBenchTranslator");
    return &Info;
}

namespace {

std::filesystem::path WorkDir() {
    static std::filesystem::path Dir = [] {
        auto D = std::filesystem::temp_directory_path() / "zt_bench_files";
        std::filesystem::create_directories(D);
        return D;
    }();
    return Dir;
}

String Key(int i) {
    return "Comp" + std::to_string(i) + ".Caption";
}

// A sorted shared file of Lines lines, a tenth of them for Form0 in locale 1036.
String MakeSharedFile(int Lines) {
    String File = (WorkDir() / ("shared" + std::to_string(Lines) + ".txt")).string();
    if (std::filesystem::exists(File)) return File;
    std::vector<String> L;
    L.reserve(static_cast<std::size_t>(Lines));
    for (int i = 0; i < Lines; ++i) {
        int Form = i % 10;
        L.push_back("Form" + std::to_string(Form) + "." + Key(i / 10) + "%" +
                    (Form ? "1031" : "1036") + "='Translated text number " + std::to_string(i) +
                    "'");
    }
    std::sort(L.begin(), L.end());
    WriteLinesAtomic(File, L);
    return File;
}

String MakeDictionary(int Lines) {
    String File = (WorkDir() / ("dict" + std::to_string(Lines) + ".txt")).string();
    if (std::filesystem::exists(File)) return File;
    std::vector<String> L;
    for (int i = 0; i < Lines; ++i)
        L.push_back("Source text " + Key(i) + "\tTraduction " + std::to_string(i));
    std::sort(L.begin(), L.end());
    WriteLinesAtomic(File, L);
    return File;
}

TBenchTranslator* MakeTranslator(int Entries) {
    auto* Owner = new TComponent(nullptr);
    Owner->SetName("Form0");
    auto* T = new TBenchTranslator(Owner);
    T->SetLocale(1036);
    std::vector<std::pair<String, TObject*>> Lines;
    for (int i = 0; i < Entries; ++i)
        Lines.emplace_back(Key(i) + "='Nouveau texte " + std::to_string(i) + "'", nullptr);
    T->Translations()->SortInsertMany(std::move(Lines));
    return T;
}

void Run(benchmark::State& State, const std::function<void(TBenchTranslator*, const String&)>& Op,
         bool Dictionary) {
    int Lines = static_cast<int>(State.range(0));
    String Source = Dictionary ? MakeDictionary(Lines) : MakeSharedFile(Lines);
    String File = Source + ".work";
    std::filesystem::copy_file(Source, File, std::filesystem::copy_options::overwrite_existing);
    TBenchTranslator* T = MakeTranslator(Lines / 10);
    for (auto _ : State)
        Op(T, File);
    State.SetComplexityN(Lines);
    State.counters["lines"] = Lines;
    T->Owner()->Free();
}

void BM_SaveTo(benchmark::State& S) {
    Run(
        S, [](TBenchTranslator* T, const String& F) { T->SaveTo(F); }, false);
}
void BM_LoadFrom(benchmark::State& S) {
    Run(
        S, [](TBenchTranslator* T, const String& F) { benchmark::DoNotOptimize(T->LoadFrom(F)); },
        false);
}
void BM_TranslateTo(benchmark::State& S) {
    Run(
        S, [](TBenchTranslator* T, const String& F) { T->TranslateTo(F); }, true);
}
void BM_TranslateFrom(benchmark::State& S) {
    Run(
        S,
        [](TBenchTranslator* T, const String& F) { benchmark::DoNotOptimize(T->TranslateFrom(F)); },
        true);
}

// The floor: read the file, sort its lines byte-wise, write it back.
void BM_ReadSortWriteFloor(benchmark::State& State) {
    String File = MakeSharedFile(static_cast<int>(State.range(0)));
    String Out = File + ".sorted";
    for (auto _ : State) {
        String Text = host::ReadFileBytes(File);
        std::vector<std::string_view> Lines = SplitLines(Text);
        std::sort(Lines.begin(), Lines.end());
        WriteLinesAtomic(Out, Lines);
    }
    State.SetComplexityN(State.range(0));
}

void BM_SystemSort(benchmark::State& State) {
    String File = MakeSharedFile(static_cast<int>(State.range(0)));
    String Cmd = "LC_ALL=C sort -o '" + File + ".sys' '" + File + "'";
    for (auto _ : State)
        if (std::system(Cmd.c_str()) != 0) State.SkipWithError("sort failed");
    State.SetComplexityN(State.range(0));
}

String LiteralSample() {
    String S;
    for (int i = 0; i < 1 << 20; ++i)
        S += (i % 61 == 0) ? '\n' : (i % 97 == 0) ? '\'' : static_cast<char>('a' + i % 26);
    return S;
}

void BM_ToLiterals(benchmark::State& State) {
    String S = LiteralSample();
    for (auto _ : State)
        benchmark::DoNotOptimize(ToLiterals(S));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * S.size()));
}

void BM_FromLiterals(benchmark::State& State) {
    String L = ToLiterals(LiteralSample());
    for (auto _ : State)
        benchmark::DoNotOptimize(FromLiterals(L));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * L.size()));
}

} // namespace

// Wall time: the system sort runs in a child process, and every writer flushes to disk.
#define ZT_FILE_BENCH(Fn)                                                                          \
    BENCHMARK(Fn)                                                                                  \
        ->RangeMultiplier(10)                                                                      \
        ->Range(10000, 1000000)                                                                    \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->Complexity()
ZT_FILE_BENCH(BM_ReadSortWriteFloor);
ZT_FILE_BENCH(BM_SystemSort);
ZT_FILE_BENCH(BM_SaveTo);
ZT_FILE_BENCH(BM_LoadFrom);
ZT_FILE_BENCH(BM_TranslateTo);
ZT_FILE_BENCH(BM_TranslateFrom);
BENCHMARK(BM_ToLiterals);
BENCHMARK(BM_FromLiterals);
