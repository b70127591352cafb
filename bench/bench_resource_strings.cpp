// Loading resource strings through the interception, at 1k, 10k, 100k and 1M source texts with
// random look-ups (hits and misses): one resource translator holding the catalogue; the same
// with five translators of other locales alive (switched off, as switching leaves them); the
// loader without interception; and GNU gettext's dgettext on a .mo compiled by msgfmt from the
// same texts.
#include "translators/LoadedTextCache.h"
#include "translators/ResourceTranslator.h"

#include "host/classes/StringList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <libintl.h>
#include <memory>
#include <random>
#include <stdexcept>
#include <unistd.h>
#include <unordered_map>

using namespace zantor;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t SequenceLength = 1 << 20;
constexpr int MissCount = 4096;
constexpr int StringsPerModule = 65535;

const char* const Words[] = {"cannot",  "open",  "file", "the",    "record", "is",    "locked",
                             "invalid", "value", "for",  "field",  "server", "not",   "found",
                             "please",  "enter", "a",    "number", "saved",  "print", "page"};

// A message-like text, unique through its number.
String MakeText(std::mt19937& Random, const char* Prefix, int Number) {
    String S = Prefix + std::to_string(Number) + ":";
    const int Count = 2 + static_cast<int>(Random() % 5);
    for (int w = 0; w < Count; ++w)
        S += String(" ") + Words[Random() % std::size(Words)];
    return S;
}

String Translated(const String& S) {
    return "[fr] " + S;
}

String TempRoot() {
    static const String Root = [] {
        fs::path P =
            fs::temp_directory_path() / ("zt_bench_resstrings_" + std::to_string(getpid()));
        fs::create_directories(P);
        std::atexit([] {
            fs::remove_all(fs::temp_directory_path() /
                           ("zt_bench_resstrings_" + std::to_string(getpid())));
        });
        return P.string();
    }();
    return Root;
}

// Writes the catalogue as a .po file, compiles it with msgfmt and binds its domain; "" when
// msgfmt is missing.
String MakeGettextDomain(const std::vector<String>& Texts) {
    const String Domain = "ztbench" + std::to_string(Texts.size());
    const fs::path Dir = fs::path(TempRoot()) / "locale" / "fr" / "LC_MESSAGES";
    fs::create_directories(Dir);
    const fs::path Po = fs::path(TempRoot()) / (Domain + ".po");
    {
        std::ofstream Out(Po);
        Out << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
        for (const String& T : Texts)
            Out << "msgid \"" << T << "\"\nmsgstr \"" << Translated(T) << "\"\n\n";
    }
    const String Command =
        "msgfmt -o '" + (Dir / (Domain + ".mo")).string() + "' '" + Po.string() + "'";
    const bool Compiled = std::system(Command.c_str()) == 0;
    fs::remove(Po);
    if (!Compiled) return String(); // no msgfmt: the gettext rows are skipped
    setlocale(LC_ALL, "C.UTF-8");
    setenv("LANGUAGE", "fr", 1);
    // An absolute folder: with a relative one glibc asks for the working folder on every call.
    bindtextdomain(Domain.c_str(), (fs::path(TempRoot()) / "locale").c_str());
    bind_textdomain_codeset(Domain.c_str(), "UTF-8");
    return Domain;
}

// The catalogue of one size: its modules and records, the look-up sequences, the translators and
// the gettext domain.
struct TWorld {
    explicit TWorld(int Size);
    ~TWorld();

    int Size;
    std::vector<String> Texts;  // the catalogue
    std::vector<String> Misses; // texts no table holds
    std::vector<std::unique_ptr<host::TLibModule>> Modules;
    std::vector<host::TResStringRec> Hits, MissRecs;
    std::vector<int> HitOrder, MissOrder;
    std::vector<int> FirstOrder; // every text once, shuffled
    TResourceTranslator* Catalogue = nullptr;
    // The floor: the same texts in a standard hash table, source to translation.
    std::vector<String> Translations;
    std::unordered_map<std::string_view, std::string_view> Floor;
    std::vector<TResourceTranslator*> Others;
    String Domain;
};

TWorld::TWorld(int N) : Size(N) {
    std::mt19937 Random(12345);
    for (int i = 0; i < N; ++i)
        Texts.push_back(MakeText(Random, "E", i));
    for (int i = 0; i < MissCount; ++i)
        Misses.push_back(MakeText(Random, "M", i));
    auto AddRecords = [&](const std::vector<String>& Source,
                          std::vector<host::TResStringRec>& Recs) {
        for (std::size_t i = 0; i < Source.size(); ++i) {
            if (i % StringsPerModule == 0)
                Modules.push_back(std::make_unique<host::TLibModule>(
                    "bench" + std::to_string(Modules.size()) + ".bpl"));
            Recs.push_back(host::DeclareResourceString(*Modules.back(), Source[i].c_str()));
        }
    };
    AddRecords(Texts, Hits);
    AddRecords(Misses, MissRecs);
    for (std::size_t i = 0; i < SequenceLength; ++i) {
        HitOrder.push_back(static_cast<int>(Random() % static_cast<unsigned>(N)));
        MissOrder.push_back(static_cast<int>(Random() % MissCount));
    }
    for (int i = 0; i < N; ++i)
        FirstOrder.push_back(i);
    std::shuffle(FirstOrder.begin(), FirstOrder.end(), Random);

    InitializeResourceHookUnit();
    Catalogue = new TResourceTranslator(nullptr);
    Catalogue->SetLocale(1036);
    host::TStringList Lines, Items;
    for (int i = 0; i < N; ++i) {
        Lines.AddObject(Texts[static_cast<std::size_t>(i)], IntToObject(i));
        Items.Add(Translated(Texts[static_cast<std::size_t>(i)]));
    }
    Catalogue->SetTranslations(&Items);
    Translations.reserve(Texts.size());
    for (const String& T : Texts)
        Translations.push_back(Translated(T));
    Floor.reserve(Texts.size());
    for (std::size_t i = 0; i < Texts.size(); ++i)
        Floor.emplace(Texts[i], Translations[i]);
    Catalogue->SetResStrings(&Lines);
    // Until enough look-ups have passed since the table changed, bisection answers.
    for (int i = 0; i < N / 16 + 64; ++i)
        benchmark::DoNotOptimize(host::LoadResString(
            Hits[static_cast<std::size_t>(HitOrder[static_cast<std::size_t>(i)])]));
    Domain = MakeGettextDomain(Texts);

    for (int i : {0, N / 2, N - 1}) {
        const String& T = Texts[static_cast<std::size_t>(i)];
        if (host::LoadResString(Hits[static_cast<std::size_t>(i)]) != Translated(T))
            throw std::runtime_error("the interception does not translate " + T);
        if (!Domain.empty() && dgettext(Domain.c_str(), T.c_str()) != Translated(T))
            throw std::runtime_error("gettext does not translate " + T);
    }
    if (host::LoadResString(MissRecs[0]) != Misses[0])
        throw std::runtime_error("a miss was translated");
}

TWorld::~TWorld() {
    for (TResourceTranslator* T : Others)
        T->Free();
    Catalogue->Free();
    FinalizeResourceHookUnit();
}

// One world at a time: the benchmarks run size by size.
TWorld& World(int Size) {
    static std::unique_ptr<TWorld> Current;
    if (!Current || Current->Size != Size) {
        Current.reset();
        Current = std::make_unique<TWorld>(Size);
    }
    return *Current;
}

// Five translators of other locales, made after the catalogue's (so asked before it) and
// switched off, as a locale switch leaves them.
void SetOthers(TWorld& W, bool Alive) {
    if (Alive && W.Others.empty()) {
        for (int k = 0; k < 5; ++k) {
            auto* T = new TResourceTranslator(nullptr);
            T->SetLocale(1031 + k);
            for (int i = 0; i < 1000 && i < W.Size; ++i)
                T->SetTranslation(W.Texts[static_cast<std::size_t>(i)], "[other]");
            T->InternalTranslate(false);
            W.Others.push_back(T);
        }
    } else if (!Alive) {
        for (TResourceTranslator* T : W.Others)
            T->Free();
        W.Others.clear();
    }
}

enum TPath { Intercepted, InterceptedFiveOthers, FirstLoad, Uninstrumented, Gettext, HashFloor };

void Run(benchmark::State& State, int Size, TPath Path, bool Hit) {
    TWorld& W = World(Size);
    if (Path == Gettext && W.Domain.empty()) {
        State.SkipWithError("msgfmt (package gettext) is not installed");
        return;
    }
    SetOthers(W, Path == InterceptedFiveOthers);
    const auto& Recs = Hit ? W.Hits : W.MissRecs;
    const auto& Order = Hit ? W.HitOrder : W.MissOrder;
    const auto& Texts = Hit ? W.Texts : W.Misses;
    std::size_t i = 0;
    if (Path == FirstLoad) {
        // Before the run and after each round through all texts a change drops the kept
        // answers, as a change to a translator would; the drop is part of the figure.
        ++TranslatorsGeneration;
        for (auto _ : State) {
            benchmark::DoNotOptimize(
                host::LoadResString(Recs[static_cast<std::size_t>(W.FirstOrder[i])]));
            if (++i == W.FirstOrder.size()) {
                i = 0;
                ++TranslatorsGeneration;
            }
        }
        return;
    }
    for (auto _ : State) {
        const std::size_t k = static_cast<std::size_t>(Order[i]);
        i = (i + 1) & (SequenceLength - 1);
        switch (Path) {
        case Intercepted:
        case InterceptedFiveOthers:
        case FirstLoad:
            benchmark::DoNotOptimize(host::LoadResString(Recs[k]));
            break;
        case Uninstrumented:
            benchmark::DoNotOptimize(host::SysLoadResString(&Recs[k]));
            break;
        case Gettext:
            benchmark::DoNotOptimize(dgettext(W.Domain.c_str(), Texts[k].c_str()));
            break;
        case HashFloor: {
            // What a plain hash look-up of the text costs, with the String the loader returns.
            auto It = W.Floor.find(Texts[k]);
            benchmark::DoNotOptimize(It == W.Floor.end() ? String(Texts[k]) : String(It->second));
            break;
        }
        }
    }
}

// Size by size, so that each catalogue is built once.
[[maybe_unused]] const bool Registered = [] {
    const std::pair<TPath, const char*> Paths[] = {
        {Intercepted, "Intercepted"}, {InterceptedFiveOthers, "InterceptedFiveOthers"},
        {FirstLoad, "FirstLoad"},     {Uninstrumented, "Uninstrumented"},
        {Gettext, "Gettext"},         {HashFloor, "HashFloor"}};
    for (int Size : {1000, 10000, 100000, 1000000})
        for (bool Hit : {true, false})
            for (const auto& [Path, Name] : Paths)
                if (Hit || Path != FirstLoad)
                    benchmark::RegisterBenchmark(
                        (String(Hit ? "Hit/" : "Miss/") + Name + "/" + std::to_string(Size))
                            .c_str(),
                        [=](benchmark::State& S) { Run(S, Size, Path, Hit); });
    return true;
}();

} // namespace
