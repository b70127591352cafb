#include "translators/DictionaryFile.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/FileUpdateLock.h"
#include "host/rtl/LineBreaks.h"
#include "translators/TextIndex.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <deque>

using namespace host;

namespace zantor {

String WriteString(std::string_view S) {
    String Out;
    Out.reserve(S.size() + 8);
    for (char C : S) {
        switch (C) {
        case '\\':
            Out += "\\\\";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        case '\t':
            Out += "\\t";
            break;
        default:
            Out += C;
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
            char Mapped = N == '\\'  ? '\\'
                          : N == 'n' ? '\n'
                          : N == 'r' ? '\r'
                          : N == 't' ? '\t'
                                     : 0;
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

std::string_view SourceOf(std::string_view Line) {
    return Line.substr(0, Line.find('\t'));
}

} // namespace

// The file's lines stay views into its text; only the lines that change are new strings.
void MergeDictionaryFile(const String& FileName, const TTextPairs& Pairs, bool ReplaceObjects) {
    host::TFileUpdateLock Lock(FileName);
    const String Text = host::FileExists(FileName) ? host::ReadFileBytes(FileName) : String();
    const std::string_view Body = WithoutBom(Text);
    const std::string_view Bom = std::string_view(Text).substr(0, Text.size() - Body.size());
    std::vector<std::string_view> Lines = SplitLines(Body);
    // As SortInsert of every line would leave them: sorted, equal lines once when they
    // only replace objects.
    if (!IsSortedOrdinal(Lines)) std::stable_sort(Lines.begin(), Lines.end());
    if (ReplaceObjects) Lines.erase(std::unique(Lines.begin(), Lines.end()), Lines.end());

    // A later pair for the same source text replaces an earlier one. The index holds views
    // into the new lines, which a deque does not move.
    std::deque<String> NewLines;
    TTextIndex BySource(Pairs.size());
    std::vector<std::string_view> LineOf;
    for (const auto& [Source, Translation] : Pairs) {
        String Key = WriteString(Source);
        const String& Line = NewLines.emplace_back(Key + '\t' + WriteString(Translation));
        std::uint32_t n = BySource.Add(std::string_view(Line).substr(0, Key.size()));
        if (n == LineOf.size()) LineOf.emplace_back();
        LineOf[n] = Line;
    }
    std::vector<bool> Used(LineOf.size());
    for (std::string_view& Line : Lines) {
        if (Line.find('\t') == std::string_view::npos) continue; // a lone text is no pair
        std::uint32_t n = BySource.Find(SourceOf(Line));
        if (n == TTextIndex::NotFound || Used[n]) continue;
        Used[n] = true;
        Line = LineOf[n]; // only the first line of that text is replaced
    }
    std::vector<std::string_view> Added;
    for (std::size_t n = 0; n < LineOf.size(); ++n)
        if (!Used[n]) Added.push_back(LineOf[n]);
    std::sort(Added.begin(), Added.end());
    std::vector<std::string_view> Merged;
    Merged.reserve(Lines.size() + Added.size());
    std::merge(Lines.begin(), Lines.end(), Added.begin(), Added.end(), std::back_inserter(Merged));
    if (ReplaceObjects) Merged.erase(std::unique(Merged.begin(), Merged.end()), Merged.end());
    WriteLinesAtomic(FileName, Merged, Bom);
}

void ScanDictionary(std::string_view Text,
                    const std::function<void(std::string_view, std::string_view)>& Line) {
    Text = WithoutBom(Text);
    String Unescaped;
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = FindLineBreak(Text, Start);
        if (End == std::string_view::npos) End = Text.size();
        std::string_view L = Text.substr(Start, End - Start);
        std::size_t Tab = L.find('\t');
        if (Tab != std::string_view::npos) {
            std::string_view Source = L.substr(0, Tab);
            if (Source.find('\\') != std::string_view::npos) {
                Unescaped = ReadString(Source);
                Source = Unescaped;
            }
            Line(Source, L.substr(Tab + 1));
        }
        Start = End + 1;
    }
}

TTextPairs ParseDictionary(std::string_view Text) {
    TTextPairs Pairs;
    ScanDictionary(Text, [&](std::string_view Source, std::string_view Translation) {
        Pairs.emplace_back(String(Source), ReadString(Translation));
    });
    return Pairs;
}

std::optional<TTextPairs> ReadDictionaryFile(const String& FileName) {
    if (!host::FileExists(FileName)) return std::nullopt;
    return ParseDictionary(host::ReadFileBytes(FileName));
}

} // namespace zantor
