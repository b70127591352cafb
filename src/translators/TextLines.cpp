#include "translators/TextLines.h"

#include "host/rtl/LineBreaks.h"

#include <algorithm>

using namespace host;

namespace zantor {

std::string_view WithoutBom(std::string_view Text) {
    return Text.starts_with(Utf8Bom) ? Text.substr(Utf8Bom.size()) : Text;
}

std::vector<std::string_view> SplitLines(std::string_view Text) {
    std::vector<std::string_view> Lines;
    Lines.reserve(static_cast<std::size_t>(std::count(Text.begin(), Text.end(), '\n')) + 1);
    std::size_t Start = 0;
    while (Start < Text.size()) {
        std::size_t End = host::FindLineBreak(Text, Start);
        if (End == std::string_view::npos) {
            Lines.push_back(Text.substr(Start));
            break;
        }
        Lines.push_back(Text.substr(Start, End - Start));
        Start =
            End + ((Text[End] == '\r' && End + 1 < Text.size() && Text[End + 1] == '\n') ? 2 : 1);
    }
    return Lines;
}

bool IsSortedOrdinal(const std::vector<std::string_view>& Lines) {
    return std::is_sorted(Lines.begin(), Lines.end());
}

} // namespace zantor
