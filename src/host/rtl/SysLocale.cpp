#include "host/rtl/SysLocale.h"

namespace host {

TSysLocale& SysLocale() {
    static TSysLocale Record;
    return Record;
}

void ResetSysLocale() {
    SysLocale() = TSysLocale{};
}

} // namespace host
