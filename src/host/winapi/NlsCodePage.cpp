#include "host/winapi/NlsCodePage.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <atomic>
#include <memory>

namespace host {

namespace {

std::atomic<unsigned> ProcessCodePage{CP_UTF8};

struct TConverterCloser {
    void operator()(UConverter* Converter) const { ucnv_close(Converter); }
};
using TConverterPtr = std::unique_ptr<UConverter, TConverterCloser>;

// ICU knows the Windows pages as "windows-N"; a few only as "cpN".
TConverterPtr OpenConverter(unsigned CodePage) {
    for (const char* Prefix : {"windows-", "cp"}) {
        const std::string Name = Prefix + std::to_string(CodePage);
        UErrorCode Status = U_ZERO_ERROR;
        TConverterPtr Converter(ucnv_open(Name.c_str(), &Status));
        if (U_SUCCESS(Status)) return Converter;
    }
    return nullptr;
}

} // namespace

unsigned GetACP() {
    return ProcessCodePage.load();
}

bool SetProcessCodePage(unsigned CodePage) {
    if (CodePage != CP_UTF8 && !OpenConverter(CodePage)) return false;
    ProcessCodePage.store(CodePage);
    return true;
}

std::string Utf8ToCodePage(std::string_view Utf8, unsigned CodePage) {
    if (CodePage == CP_UTF8) return std::string(Utf8);
    TConverterPtr Target = OpenConverter(CodePage);
    if (!Target) return std::string(Utf8);
    UErrorCode Status = U_ZERO_ERROR;
    ucnv_setSubstChars(Target.get(), "?", 1, &Status);
    const icu::UnicodeString Text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(Utf8.data(), static_cast<int32_t>(Utf8.size())));
    // Multi-byte pages need at most 4 bytes per UTF-16 unit.
    std::string Out(static_cast<std::size_t>(Text.length()) * 4 + 1, '\0');
    const int32_t Length =
        ucnv_fromUChars(Target.get(), Out.data(), static_cast<int32_t>(Out.size()),
                        Text.getBuffer(), Text.length(), &Status);
    Out.resize(U_SUCCESS(Status) ? static_cast<std::size_t>(Length) : 0);
    return Out;
}

std::string ConvertCodePage(std::string_view Text, unsigned From, unsigned To) {
    if (From == To || Text.empty()) return std::string(Text);
    icu::UnicodeString Unicode;
    if (From == CP_UTF8) {
        Unicode = icu::UnicodeString::fromUTF8(
            icu::StringPiece(Text.data(), static_cast<int32_t>(Text.size())));
    } else {
        TConverterPtr Source = OpenConverter(From);
        if (!Source) return std::string(Text);
        UErrorCode Status = U_ZERO_ERROR;
        Unicode = icu::UnicodeString(Text.data(), static_cast<int32_t>(Text.size()), Source.get(),
                                     Status);
        if (U_FAILURE(Status)) return std::string(Text);
    }
    std::string Utf8;
    Unicode.toUTF8String(Utf8);
    return Utf8ToCodePage(Utf8, To);
}

std::string CodePageToUtf8(std::string_view Text, unsigned CodePage) {
    if (CodePage == CP_UTF8) return std::string(Text);
    TConverterPtr Source = OpenConverter(CodePage);
    if (!Source) return std::string(Text);
    UErrorCode Status = U_ZERO_ERROR;
    const icu::UnicodeString Wide(Text.data(), static_cast<int32_t>(Text.size()), Source.get(),
                                  Status);
    std::string Out;
    if (U_SUCCESS(Status)) Wide.toUTF8String(Out);
    return Out;
}

} // namespace host
