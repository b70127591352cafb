#include "translators/TranslationFile.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/FileUpdateLock.h"
#include "translators/SortList.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <unordered_set>

using namespace host;

namespace zantor {

namespace {

// The head is the text before the first "."; heads never contain one themselves.
bool HasHead(std::string_view Line, std::string_view Head) {
    return Line.size() > Head.size() && Line[Head.size()] == '.' && Line.starts_with(Head);
}

// Key, locale number and value of a line of Head. The number is the whole text after the
// first "%" of the key part (the whole key part when there is none), however long.
THeadLine ParseHeadLine(std::string_view Line, std::string_view Head) {
    std::string_view Rest = Line.substr(Head.size() + 1);
    std::string_view KeyPart = Rest.substr(0, Rest.find('='));
    std::size_t Percent = KeyPart.find('%');
    THeadLine L;
    L.Line = Line;
    L.Key = KeyPart.substr(0, Percent);
    L.Locale = StrToInt(Percent == std::string_view::npos ? KeyPart : KeyPart.substr(Percent + 1));
    if (KeyPart.size() < Rest.size()) L.Value = Rest.substr(KeyPart.size() + 1);
    return L;
}

// SortInsert of each new line into a list that is already sorted, done as one merge.
std::vector<std::string_view> MergeSorted(const std::vector<std::string_view>& Kept,
                                          std::vector<String>& Added, bool ReplaceObjects) {
    std::sort(Added.begin(), Added.end());
    std::vector<std::string_view> Out;
    Out.reserve(Kept.size() + Added.size());
    std::size_t i = 0;
    for (const String& S : Added) {
        while (i < Kept.size() && Kept[i] < S)
            Out.push_back(Kept[i++]);
        if (ReplaceObjects &&
            ((!Out.empty() && Out.back() == S) || (i < Kept.size() && Kept[i] == S)))
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
    for (std::string_view L : Kept)
        List.Add(String(L));
    for (const String& S : Added)
        List.SortInsert(S);
    std::vector<String> Out;
    for (int i = 0; i < List.Count(); ++i)
        Out.push_back(List.Line(i));
    return Out;
}

[[noreturn]] void RaiseUnwritable(const String& Key, std::string_view What) {
    throw EWriteError("Translation " + Key + " holds " + String(What) + " and cannot be written");
}

} // namespace

String TranslationHead(std::string_view KindPrefix, const TComponent* Owner) {
    String Name;
    if (Owner) Name = Owner->Name().empty() ? Owner->ClassName().substr(1) : Owner->Name();
    return String(KindPrefix) + Name;
}

String TranslationLine(std::string_view Head, std::string_view Key, Integer Locale,
                       std::string_view Value) {
    String Line;
    Line.reserve(Head.size() + Key.size() + Value.size() + 16);
    Line.append(Head).append(".").append(Key).append("%").append(IntToStr(Locale)).append("=");
    Line.append(Value);
    return Line;
}

// A "%" in a key would end the key early on reading, and a line break would start another
// line, possibly of another head.
void CheckTranslationEntries(const TKeyValues& Entries) {
    for (const auto& [Key, Value] : Entries) {
        if (Key.find('%') != String::npos) RaiseUnwritable(Key, "\"%\" in its key");
        if (Key.find_first_of("\r\n") != String::npos ||
            Value.find_first_of("\r\n") != String::npos)
            RaiseUnwritable(Key, "a line break");
    }
}

void UpdateTranslationFile(const String& FileName, const String& Head, bool ReplaceObjects,
                           const THeadMerge& Merge) {
    TFileUpdateLock Lock(FileName);
    const String Text = FileExists(FileName) ? ReadFileBytes(FileName) : String();
    const std::string_view Body = WithoutBom(Text);
    const std::string_view Bom = std::string_view(Text).substr(0, Text.size() - Body.size());
    const std::vector<std::string_view> Lines = SplitLines(Body);

    std::vector<THeadLine> Old;
    for (std::string_view Line : Lines)
        if (HasHead(Line, Head)) Old.push_back(ParseHeadLine(Line, Head));
    std::vector<String> Added;
    Merge(Old, Added);

    // Old is in file order, so the lines of Head come up in it one after the other.
    std::vector<std::string_view> Kept;
    Kept.reserve(Lines.size());
    auto Next = Old.begin();
    for (std::string_view Line : Lines) {
        if (Next != Old.end() && Line.data() == Next->Line.data()) {
            if ((Next++)->Keep) Kept.push_back(Line);
            continue;
        }
        Kept.push_back(Line);
    }
    if (IsSortedOrdinal(Kept))
        WriteLinesAtomic(FileName, MergeSorted(Kept, Added, ReplaceObjects), Bom);
    else
        WriteLinesAtomic(FileName, InsertOneByOne(Kept, Added, ReplaceObjects), Bom);
}

void SaveTranslationFile(const String& FileName, const String& Head, Integer Locale,
                         const TKeyValues& Own, const TKeyValues& Design, bool ReplaceObjects) {
    CheckTranslationEntries(Own);
    CheckTranslationEntries(Design);
    UpdateTranslationFile(FileName, Head, ReplaceObjects,
                          [&](std::vector<THeadLine>& Old, std::vector<String>& Added) {
                              bool HasDesignLines = false;
                              for (THeadLine& L : Old) {
                                  L.Keep = L.Locale != Locale && L.Locale != -1;
                                  HasDesignLines = HasDesignLines || L.Locale == -1;
                              }
                              if (HasDesignLines) {
                                  // A -1 line stays while some locale's line refers to its key and
                                  // Design brings no newer text for it.
                                  std::unordered_set<std::string_view> Referenced, Renewed;
                                  for (const THeadLine& L : Old)
                                      if (L.Keep) Referenced.insert(L.Key);
                                  for (const auto& Entry : Own)
                                      Referenced.insert(Entry.first);
                                  for (const auto& Entry : Design)
                                      Renewed.insert(Entry.first);
                                  for (THeadLine& L : Old)
                                      if (L.Locale == -1)
                                          L.Keep = Referenced.contains(L.Key) &&
                                                   !Renewed.contains(L.Key);
                              }
                              Added.reserve(Own.size() + Design.size());
                              for (const auto& [Key, Value] : Own)
                                  Added.push_back(TranslationLine(Head, Key, Locale, Value));
                              for (const auto& [Key, Value] : Design)
                                  Added.push_back(TranslationLine(Head, Key, -1, Value));
                          });
}

std::optional<std::vector<TFileEntry>> ReadTranslationFile(const String& FileName,
                                                           const String& Head) {
    if (!FileExists(FileName)) return std::nullopt;
    const String Text = ReadFileBytes(FileName);
    std::vector<TFileEntry> Entries;
    for (std::string_view Line : SplitLines(WithoutBom(Text))) {
        if (!HasHead(Line, Head)) continue;
        THeadLine L = ParseHeadLine(Line, Head);
        Entries.push_back({String(L.Key), L.Locale, String(L.Value)});
    }
    return Entries;
}

} // namespace zantor
