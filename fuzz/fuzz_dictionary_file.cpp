// Any dictionary text parses; merging pairs into it and reading back finds every pair.
#include "translators/DictionaryFile.h"

#include "FuzzScratch.h"
#include "host/rtl/AtomicFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const std::string File = FuzzScratchFile("dictionary.txt");
    std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    zantor::TTextPairs Pairs = zantor::ParseDictionary(Text);
    for (auto& [Source, Translation] : Pairs)
        if (zantor::ReadString(zantor::WriteString(Source)) != Source) std::abort();
    host::WriteFileAtomic(File, Text);
    zantor::TTextPairs Mine{{"Cancel\r\n", "Annuler\\"},
                            {"~" + std::string(Text.substr(0, 8)), "x"}};
    zantor::MergeDictionaryFile(File, Mine, false);
    zantor::TTextPairs Back = *zantor::ReadDictionaryFile(File);
    for (const auto& P : Mine) {
        bool Found = false;
        for (const auto& B : Back)
            Found = Found || B == P;
        if (!Found) std::abort();
    }
    return 0;
}
