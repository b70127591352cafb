#include "translators/SortList.h"
#include "translators/TextIndex.h"

#include "host/typinfo/ClassBuilder.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

using namespace host;

namespace zantor {

TClass TSortList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TSortList>("TSortList");
    return &Info;
}

namespace {

std::uint64_t NextGeneration() {
    static std::atomic<std::uint64_t> Last{0};
    return ++Last;
}

} // namespace

TSortList::TSortList(bool ReplaceObjects)
    : FReplaceObjects(ReplaceObjects), FGeneration(NextGeneration()) {}

void TSortList::Changing() {
    FGeneration = NextGeneration();
    TStringList::Changing();
}

bool TSortList::SortFind(std::string_view S, int& Index) const {
    const auto& L = Items();
    int Lo = 0;
    int Hi = Count() - 1;
    int Mid = 0;
    bool Found = false;
    while (Hi >= Lo) {
        Mid = (Lo + Hi) / 2;
        int C = CompareOrdinal(S, L[static_cast<std::size_t>(Mid)].FString);
        if (C < 0) {
            Hi = Mid - 1;
        } else if (C == 0) {
            Found = true;
            break;
        } else {
            Lo = Mid + 1;
            if (Hi < Lo && Index == -1) ++Mid;
        }
    }
    if (Index == -1 || L.empty())
        Index = Mid;
    else
        Index = ObjectToInt(L[static_cast<std::size_t>(Mid)].FObject);
    return Found;
}

void TSortList::SortInsert(const String& S, TObject* AObject) {
    int Index = -1;
    bool Found = SortFind(S, Index);
    if (Found && FReplaceObjects)
        PutObject(Index, AObject);
    else
        InsertObject(Index, S, AObject);
}

void TSortList::SortInsertMany(std::vector<std::pair<String, TObject*>> Lines) {
    if (Lines.empty()) return;
    auto Less = [](const auto& A, const auto& B) { return A.first < B.first; };
    // Callers often hand over lines already in order; checking that is linear.
    if (!std::is_sorted(Lines.begin(), Lines.end(), Less))
        std::stable_sort(Lines.begin(), Lines.end(), Less);
    const auto& Old = Items();
    std::vector<TStringItem> Merged;
    Merged.reserve(Old.size() + Lines.size());
    std::size_t i = 0;
    for (auto& [S, Obj] : Lines) {
        while (i < Old.size() && Old[i].FString < S)
            Merged.push_back(Old[i++]);
        bool Equal = FReplaceObjects && !Merged.empty() && Merged.back().FString == S;
        if (!Equal && FReplaceObjects && i < Old.size() && Old[i].FString == S) {
            Merged.push_back(Old[i++]);
            Equal = true;
        }
        if (Equal)
            Merged.back().FObject = Obj;
        else
            Merged.push_back({std::move(S), Obj});
    }
    while (i < Old.size())
        Merged.push_back(Old[i++]);
    ReplaceItems(std::move(Merged));
}

void TSortList::SetKeyValues(const std::vector<std::pair<String, String>>& Pairs) {
    if (Pairs.empty()) return;
    std::vector<TStringItem> Lines = Items();
    std::vector<std::pair<String, TObject*>> Added;
    std::vector<std::size_t> Replaced(Pairs.size(), SIZE_MAX);
    // The lines of one key are adjacent: "Key=" sorts before all of them and after the rest.
    for (std::size_t p = 0; p < Pairs.size(); ++p) {
        String Prefix = Pairs[p].first + "=";
        auto It =
            std::lower_bound(Lines.begin(), Lines.end(), Prefix,
                             [](const TStringItem& I, const String& S) { return I.FString < S; });
        if (It != Lines.end() && It->FString.starts_with(Prefix))
            Replaced[p] = static_cast<std::size_t>(It - Lines.begin());
    }
    // The last pair of each key wins.
    TTextIndex Keys(Pairs.size());
    std::vector<std::size_t> LastOfKey;
    std::vector<std::uint32_t> KeyOfPair(Pairs.size());
    for (std::size_t p = 0; p < Pairs.size(); ++p) {
        KeyOfPair[p] = Keys.Add(Pairs[p].first);
        if (KeyOfPair[p] == LastOfKey.size()) LastOfKey.emplace_back();
        LastOfKey[KeyOfPair[p]] = p;
    }
    for (std::size_t p = 0; p < Pairs.size(); ++p) {
        if (LastOfKey[KeyOfPair[p]] != p) continue;
        String Line = Pairs[p].first + "=" + Pairs[p].second;
        if (Replaced[p] != SIZE_MAX)
            Lines[Replaced[p]].FString = std::move(Line);
        else
            Added.emplace_back(std::move(Line), nullptr);
    }
    ReplaceItems(std::move(Lines));
    SortInsertMany(std::move(Added));
}

} // namespace zantor
