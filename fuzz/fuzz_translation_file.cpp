// Any file content: reading a head's lines either works or raises the conversion error;
// saving a form head or a resource head into it keeps every line of other heads, and what
// was saved reads back.
#include "translators/TranslationFile.h"
#include "translators/TranslationFileResStrings.h"

#include "FuzzScratch.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "translators/Literals.h"
#include "translators/TextLines.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

std::vector<std::string_view> LinesNotOf(std::string_view Text, std::string_view Head) {
    std::vector<std::string_view> L;
    for (std::string_view Line : zantor::SplitLines(zantor::WithoutBom(Text)))
        if (!Line.starts_with(std::string(Head) + ".")) L.push_back(Line);
    std::sort(L.begin(), L.end());
    return L;
}

// The resource head's lines of Locale, read back through the -1 lines as a loader does.
std::map<std::string, std::string> ResTexts(const std::string& File, int Locale) {
    std::map<std::string, std::string> SourceOfKey, Result;
    auto Entries = *zantor::ReadTranslationFile(File, "#1Form1");
    for (const auto& E : Entries)
        if (E.Locale == -1) SourceOfKey[E.Key] = zantor::FromLiterals(E.Value);
    for (const auto& E : Entries)
        if (E.Locale == Locale && SourceOfKey.contains(E.Key))
            Result[SourceOfKey[E.Key]] = zantor::FromLiterals(E.Value);
    return Result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const std::string File = FuzzScratchFile("translations.txt");
    const std::string Before(reinterpret_cast<const char*>(Data), Size);
    host::WriteFileAtomic(File, Before);
    try {
        (void)zantor::ReadTranslationFile(File, "Form1");
        zantor::SaveTranslationFile(File, "Form1", 1036, {{"A.Caption", "'x'"}},
                                    {{"A.Caption", "'y'"}}, false);
    } catch (const host::EConvertError&) {
        return 0;
    }
    std::string After = host::ReadFileBytes(File);
    if (LinesNotOf(Before, "Form1") != LinesNotOf(After, "Form1")) std::abort();

    zantor::TKeyValues Mine{{"Ready", "Prêt"}};
    if (Before.substr(0, 12) != "Ready") Mine.emplace_back(Before.substr(0, 12), "\r\n");
    try {
        zantor::SaveResStringsFile(File, "#1Form1", 1036, Mine);
    } catch (const host::EConvertError&) {
        return 0;
    }
    std::string Saved = host::ReadFileBytes(File);
    if (LinesNotOf(After, "#1Form1") != LinesNotOf(Saved, "#1Form1")) std::abort();
    auto Back = ResTexts(File, 1036);
    for (const auto& [Source, Translation] : Mine)
        if (Back[Source] != Translation) std::abort();
    return 0;
}
