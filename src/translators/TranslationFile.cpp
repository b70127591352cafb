#include "translators/TranslationFile.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "translators/SortList.h"
#include "translators/TextLines.h"

#include <algorithm>

using namespace host;

namespace zantor {

namespace {

// The head is the text before the first "."; heads never contain one themselves.
bool HasHead(std::string_view Line, std::string_view Head) {
    return Line.size() > Head.size() && Line[Head.size()] == '.' && Line.starts_with(Head);
}

std::string_view KeyPartOf(std::string_view Line) { return Line.substr(0, Line.find('=')); }

// The number after the first "%" of the key part (the whole key part when there is none).
Integer LocaleOf(std::string_view KeyPart) {
    std::size_t Percent = KeyPart.find('%');
    std::string_view Number = Percent == std::string_view::npos ? KeyPart : KeyPart.substr(Percent + 1);
    return StrToInt(Number.substr(0, 255));
}

String MakeLine(const String& Head, const String& Key, Integer Locale, const String& Value) {
    String Line;
    Line.reserve(Head.size() + Key.size() + Value.size() + 16);
    Line.append(Head).append(".").append(Key).append("%").append(IntToStr(Locale)).append("=").append(Value);
    return Line;
}

// SortInsert of each new line into a list that is already sorted, done as one merge.
std::vector<std::string_view> MergeSorted(const std::vector<std::string_view>& Kept,
                                          std::vector<String>& Added, bool ReplaceObjects) {
    std::sort(Added.begin(), Added.end());
    std::vector<std::string_view> Out;
    Out.reserve(Kept.size() + Added.size());
    std::size_t i = 0;
    for (const String& S : Added) {
        while (i < Kept.size() && Kept[i] < S) Out.push_back(Kept[i++]);
        if (ReplaceObjects && ((!Out.empty() && Out.back() == S) || (i < Kept.size() && Kept[i] == S)))
            continue;
        Out.push_back(S);
    }
    Out.insert(Out.end(), Kept.begin() + static_cast<std::ptrdiff_t>(i), Kept.end());
    return Out;
}

// The same for a hand-edited file that is out of order: insert one by one, as the
// bisection would place each line.
std::vector<String> InsertOneByOne(const std::vector<std::string_view>& Kept,
                                   const std::vector<String>& Added, bool ReplaceObjects) {
    TSortList List(ReplaceObjects);
    for (std::string_view L : Kept) List.Add(String(L));
    for (const String& S : Added) List.SortInsert(S);
    std::vector<String> Out;
    for (int i = 0; i < List.Count(); ++i) Out.push_back(List.Line(i));
    return Out;
}

} // namespace

String TranslationHead(std::string_view KindPrefix, const TComponent* Owner) {
    String Name;
    if (Owner) Name = Owner->Name().empty() ? Owner->ClassName().substr(1) : Owner->Name();
    return String(KindPrefix) + Name;
}

void SaveTranslationFile(const String& FileName, const String& Head, Integer Locale,
                         const TKeyValues& Own, const TKeyValues& Design, bool ReplaceObjects) {
    String Text = FileExists(FileName) ? ReadFileBytes(FileName) : String();
    std::vector<std::string_view> Kept;
    for (std::string_view Line : SplitLines(Text)) {
        if (HasHead(Line, Head)) {
            Integer N = LocaleOf(KeyPartOf(Line.substr(Head.size() + 1)));
            if (N == Locale || N == -1) continue;
        }
        Kept.push_back(Line);
    }
    std::vector<String> Added;
    Added.reserve(Own.size() + Design.size());
    for (const auto& [Key, Value] : Own) Added.push_back(MakeLine(Head, Key, Locale, Value));
    for (const auto& [Key, Value] : Design) Added.push_back(MakeLine(Head, Key, -1, Value));
    if (IsSortedOrdinal(Kept))
        WriteLinesAtomic(FileName, MergeSorted(Kept, Added, ReplaceObjects));
    else
        WriteLinesAtomic(FileName, InsertOneByOne(Kept, Added, ReplaceObjects));
}

std::optional<std::vector<TFileEntry>> ReadTranslationFile(const String& FileName,
                                                           const String& Head) {
    if (!FileExists(FileName)) return std::nullopt;
    String Text = ReadFileBytes(FileName);
    std::vector<TFileEntry> Entries;
    for (std::string_view Line : SplitLines(Text)) {
        if (!HasHead(Line, Head)) continue;
        std::string_view Rest = Line.substr(Head.size() + 1);
        std::string_view KeyPart = KeyPartOf(Rest);
        TFileEntry E;
        E.Locale = LocaleOf(KeyPart);
        E.Key = String(KeyPart.substr(0, KeyPart.find('%')));
        if (KeyPart.size() < Rest.size()) E.Value = String(Rest.substr(KeyPart.size() + 1));
        Entries.push_back(std::move(E));
    }
    return Entries;
}

} // namespace zantor
