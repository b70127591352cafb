#include "translators/TranslationFileResStrings.h"

#include "translators/Literals.h"

#include <algorithm>
#include <unordered_map>

namespace zantor {

namespace {

String ResKey(std::size_t Number) {
    return "Res" + std::to_string(Number);
}

} // namespace

void SaveResStringsFile(const String& FileName, const String& Head, Integer Locale,
                        const TKeyValues& Texts) {
    UpdateTranslationFile(
        FileName, Head, true, [&](std::vector<THeadLine>& Old, std::vector<String>& Added) {
            // The text each old key stands for (a later -1 line of a key wins, as on loading).
            std::unordered_map<std::string_view, String> TextOfKey;
            for (const THeadLine& L : Old)
                if (L.Locale == -1) TextOfKey.insert_or_assign(L.Key, FromLiterals(L.Value));
            // The other locales' lines, with the text each refers to.
            std::vector<std::pair<const THeadLine*, std::string_view>> Others;
            for (const THeadLine& L : Old) {
                if (L.Locale == -1 || L.Locale == Locale) continue;
                auto It = TextOfKey.find(L.Key);
                if (It != TextOfKey.end()) Others.emplace_back(&L, It->second);
            }

            std::vector<std::string_view> Union;
            Union.reserve(Texts.size() + Others.size());
            for (const auto& Entry : Texts)
                Union.push_back(Entry.first);
            for (const auto& Other : Others)
                Union.push_back(Other.second);
            std::sort(Union.begin(), Union.end());
            Union.erase(std::unique(Union.begin(), Union.end()), Union.end());
            auto NumberOf = [&](std::string_view Text) {
                return static_cast<std::size_t>(std::lower_bound(Union.begin(), Union.end(), Text) -
                                                Union.begin());
            };

            Added.reserve(Union.size() + Texts.size() + Others.size());
            for (std::size_t n = 0; n < Union.size(); ++n)
                Added.push_back(TranslationLine(Head, ResKey(n), -1, ToLiterals(Union[n])));
            for (const auto& [Source, Translation] : Texts)
                Added.push_back(TranslationLine(Head, ResKey(NumberOf(Source)), Locale,
                                                ToLiterals(Translation)));
            for (const auto& [Line, Text] : Others)
                Added.push_back(
                    TranslationLine(Head, ResKey(NumberOf(Text)), Line->Locale, Line->Value));
        });
}

} // namespace zantor
