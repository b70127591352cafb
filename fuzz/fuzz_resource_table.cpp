// Any translation file: loading a resource translator's lines either works or raises the
// conversion error; after a load the table is sorted and packed, every look-up agrees with the
// table (through bisection and through the index alike) and never writes beyond its buffer,
// and saving then loading into a fresh translator gives the same table.
#include "translators/ResourceTranslator.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace zantor;

namespace {

std::string TempFile(const char* Tag) {
    return (std::filesystem::temp_directory_path() /
            ("zt_fuzz_rt_" + std::string(Tag) + std::to_string(getpid())))
        .string();
}

// "text->translation" per line.
std::vector<std::pair<String, String>> Meaning(const TResourceTranslator& T) {
    std::vector<std::pair<String, String>> M;
    for (int i = 0; i < T.ResStrings()->Count(); ++i)
        M.emplace_back(T.ResStrings()->Line(i),
                       T.Translations()->Line(ObjectToInt(T.ResStrings()->Objects(i))));
    return M;
}

void CheckTable(TResourceTranslator& T) {
    const auto* Lines = T.ResStrings();
    if (T.Translations()->Count() != Lines->Count()) std::abort();
    for (int i = 0; i < Lines->Count(); ++i) {
        if (i > 0 && !(Lines->Line(i - 1) < Lines->Line(i))) std::abort();
        if (ObjectToInt(Lines->Objects(i)) != i) std::abort();
    }
    // The first rounds go through bisection, the later ones through the index.
    for (int Round = 0; Round < 40; ++Round)
        for (int i = 0; i < Lines->Count(); ++i) {
            const String& Text = Lines->Line(i);
            const String& Trans = T.Translations()->Line(i);
            const std::size_t Capacity = Text.size() + 1 + Round % 5;
            std::vector<char> Buffer(Text.begin(), Text.end());
            Buffer.resize(Capacity + 8, '\x7f');
            const std::vector<char> Before = Buffer;
            int Len = static_cast<int>(Text.size());
            const bool Done = T.TranslateBuffer(Buffer.data(), Len, static_cast<int>(Capacity));
            if (Done != !Trans.empty()) std::abort();
            if (!Done && Buffer != Before) std::abort();
            const auto Written = static_cast<std::size_t>(Len);
            if (Done &&
                (Written != std::min(Trans.size(), Capacity - 1) || Buffer[Written] != '\0' ||
                 Trans.compare(0, Written, Buffer.data(), Written) != 0))
                std::abort();
            if (!std::equal(Buffer.begin() + static_cast<std::ptrdiff_t>(Capacity), Buffer.end(),
                            Before.begin() + static_cast<std::ptrdiff_t>(Capacity)))
                std::abort(); // written beyond the capacity
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const std::string File = TempFile("in"), Saved = TempFile("out");
    host::WriteFileAtomic(File, std::string_view(reinterpret_cast<const char*>(Data), Size));
    host::TComponent Form(nullptr);
    Form.SetName("Form1");
    auto* T = new TResourceTranslator(&Form);
    T->SetLocale(1036);
    try {
        if (!T->LoadFrom(File)) std::abort();
    } catch (const host::EConvertError&) {
        return 0;
    }
    CheckTable(*T);
    std::filesystem::remove(Saved);
    T->SaveTo(Saved);
    auto* Again = new TResourceTranslator(&Form);
    Again->SetLocale(1036);
    if (!Again->LoadFrom(Saved) || Meaning(*Again) != Meaning(*T)) std::abort();
    return 0;
}
