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

// Sets the locale variables for the test and puts the old values back.
class TLocaleEnvGuard {
public:
    TLocaleEnvGuard();
    ~TLocaleEnvGuard();
    TLocaleEnvGuard(const TLocaleEnvGuard&) = delete;
    TLocaleEnvGuard& operator=(const TLocaleEnvGuard&) = delete;
    // LC_ALL := Name (the user's default locale), LANG := Name unless System is given.
    void SetUserLocale(const char* Name, const char* System = nullptr);

private:
    std::vector<std::optional<std::string>> FSaved;
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
    TLocaleEnvGuard Env;
    host::TApplicationScope App;
};

} // namespace zlt_test
