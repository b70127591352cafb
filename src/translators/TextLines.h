// Fast line access to whole text files, with the host string list's line rules.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>
#include <vector>

namespace zantor {

using host::String;

// The UTF-8 byte-order mark an editor may put at the start of a text file.
inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Text without a leading byte-order mark, which is no part of the first line.
std::string_view WithoutBom(std::string_view Text);

// Lines of Text: CR LF, LF or CR end a line; a final line break adds no empty line.
// The views point into Text.
std::vector<std::string_view> SplitLines(std::string_view Text);

// Every line followed by CR LF, after Prefix (a byte-order mark to keep), written atomically.
template <class Lines>
void WriteLinesAtomic(const String& FileName, const Lines& L, std::string_view Prefix = {});

// True when the lines are in ascending byte-wise order.
bool IsSortedOrdinal(const std::vector<std::string_view>& Lines);

} // namespace zantor

#include "host/rtl/AtomicFile.h"

namespace zantor {

template <class Lines>
void WriteLinesAtomic(const String& FileName, const Lines& L, std::string_view Prefix) {
    host::WriteFileAtomic(FileName, [&](host::TFileSink& Sink) {
        Sink.Write(Prefix);
        for (const auto& Line : L) {
            Sink.Write(std::string_view(Line));
            Sink.Write("\r\n");
        }
    });
}

} // namespace zantor
