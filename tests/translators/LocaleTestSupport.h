// Shared set-up of the locale translator tests: a known user locale, an application, and
// every piece of process-wide state a switch touches put back afterwards.
#pragma once

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/rtl/FormatSettings.h"
#include "host/rtl/SysLocale.h"
#include "host/winapi/LocaleInfo.h"
#include "translators/LocaleTranslator.h"

#include "TestUtil.h"

#include <optional>
#include <string>
#include <vector>

namespace zlt_test {

// The locale variables set to a known user locale (en_US.UTF-8) for the test, then put back.
struct TUserLocaleGuard : zt_test::TEnvGuard {
    TUserLocaleGuard() { SetUserLocale("en_US.UTF-8"); }
};

// Restores format settings, the system-locale record, the thread locale and the code page.
struct TRtlStateGuard {
    host::LCID ThreadLocale = host::GetThreadLocale();
    ~TRtlStateGuard();
};

class ZltTest : public ::testing::Test {
protected:
    ZltTest();
    // A form owned by the application, named Name.
    host::TForm* NewForm(const char* Name);
    // A locale translator on Form whose catalogue holds exactly the given locales.
    zantor::TLocaleTranslator* NewTranslator(host::TComponent* Form,
                                             std::initializer_list<host::Integer> Locales,
                                             const char* Name = "LocaleTranslator1");

    TRtlStateGuard Rtl;
    TUserLocaleGuard Env;
    host::TApplicationScope App;
};

} // namespace zlt_test
