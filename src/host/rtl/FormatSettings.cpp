#include "host/rtl/FormatSettings.h"

namespace host {

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

void ResetFormatSettings() {
    FormatSettings() = TFormatSettings{};
}

} // namespace host
