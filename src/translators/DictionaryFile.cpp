#include "translators/DictionaryFile.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileNames.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <unordered_map>

namespace zantor {

String WriteString(std::string_view S) {
    String Out;
    Out.reserve(S.size() + 8);
    for (char C : S) {
        switch (C) {
        case '\\': Out += "\\\\"; break;
        case '\n': Out += "\\n"; break;
        case '\r': Out += "\\r"; break;
        case '\t': Out += "\\t"; break;
        default: Out += C;
        }
    }
    return Out;
}

String ReadString(std::string_view S) {
    String Out;
    Out.reserve(S.size());
    for (std::size_t i = 0; i < S.size(); ++i) {
        char C = S[i];
        if (C == '\\' && i + 1 < S.size()) {
            char N = S[i + 1];
            char Mapped = N == '\\' ? '\\' : N == 'n' ? '\n' : N == 'r' ? '\r' : N == 't' ? '\t' : 0;
            if (Mapped) {
                Out += Mapped;
                ++i;
                continue;
            }
        }
        Out += C;
    }
    return Out;
}

namespace {

std::string_view SourceOf(std::string_view Line) { return Line.substr(0, Line.find('\t')); }

// The file's lines as SortInsert would leave them: sorted, and without repeats when
// equal lines only replace objects.
std::vector<String> SortedFileLines(const String& FileName, bool ReplaceObjects) {
    std::vector<String> Lines;
    if (!host::FileExists(FileName)) return Lines;
    String Text = host::ReadFileBytes(FileName);
    for (std::string_view L : SplitLines(Text)) Lines.emplace_back(L);
    std::stable_sort(Lines.begin(), Lines.end());
    if (ReplaceObjects) Lines.erase(std::unique(Lines.begin(), Lines.end()), Lines.end());
    return Lines;
}

} // namespace

void MergeDictionaryFile(const String& FileName, const TTextPairs& Pairs, bool ReplaceObjects) {
    std::vector<String> Lines = SortedFileLines(FileName, ReplaceObjects);
    // A later pair for the same source text replaces an earlier one.
    std::unordered_map<String, String> BySource;
    std::vector<String> Order;
    for (const auto& [Source, Translation] : Pairs) {
        String Key = WriteString(Source);
        String Line = Key + '\t' + WriteString(Translation);
        auto [It, New] = BySource.insert_or_assign(Key, std::move(Line));
        if (New) Order.push_back(Key);
    }
    for (String& Line : Lines) {
        auto It = BySource.find(String(SourceOf(Line)));
        if (It == BySource.end() || It->second.empty()) continue;
        if (Line.find('\t') == String::npos) continue; // not a pair: "src" alone is no match
        Line = std::move(It->second);
        It->second.clear(); // only the first line of that text is replaced
    }
    std::vector<String> Added;
    for (const String& Key : Order)
        if (!BySource[Key].empty()) Added.push_back(std::move(BySource[Key]));
    std::sort(Added.begin(), Added.end());
    std::vector<String> Merged;
    Merged.reserve(Lines.size() + Added.size());
    std::merge(std::make_move_iterator(Lines.begin()), std::make_move_iterator(Lines.end()),
               std::make_move_iterator(Added.begin()), std::make_move_iterator(Added.end()),
               std::back_inserter(Merged));
    if (ReplaceObjects) Merged.erase(std::unique(Merged.begin(), Merged.end()), Merged.end());
    WriteLinesAtomic(FileName, Merged);
}

TTextPairs ParseDictionary(std::string_view Text) {
    TTextPairs Pairs;
    std::size_t Start = 0;
    while (Start <= Text.size()) {
        std::size_t End = Text.find_first_of("\r\n", Start);
        if (End == std::string_view::npos) End = Text.size();
        std::string_view Line = Text.substr(Start, End - Start);
        std::size_t Tab = Line.find('\t');
        if (Tab != std::string_view::npos)
            Pairs.emplace_back(ReadString(Line.substr(0, Tab)), ReadString(Line.substr(Tab + 1)));
        Start = End + 1;
    }
    return Pairs;
}

std::optional<TTextPairs> ReadDictionaryFile(const String& FileName) {
    if (!host::FileExists(FileName)) return std::nullopt;
    return ParseDictionary(host::ReadFileBytes(FileName));
}

} // namespace zantor
