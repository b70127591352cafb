#include "LocaleTestSupport.h"

#include "host/winapi/NlsCodePage.h"

#include <cstdlib>

namespace zlt_test {

namespace {
constexpr const char* Names[] = {"LC_ALL", "LC_TIME", "LANG"};
}

TLocaleEnvGuard::TLocaleEnvGuard() {
    for (const char* Name : Names) {
        const char* Value = std::getenv(Name);
        FSaved.push_back(Value ? std::optional<std::string>(Value) : std::nullopt);
    }
    SetUserLocale("en_US.UTF-8");
}

TLocaleEnvGuard::~TLocaleEnvGuard() {
    for (std::size_t i = 0; i < FSaved.size(); ++i) {
        if (FSaved[i])
            setenv(Names[i], FSaved[i]->c_str(), 1);
        else
            unsetenv(Names[i]);
    }
}

void TLocaleEnvGuard::SetUserLocale(const char* Name, const char* System) {
    setenv("LC_ALL", Name, 1);
    unsetenv("LC_TIME");
    setenv("LANG", System ? System : Name, 1);
}

TRtlStateGuard::~TRtlStateGuard() {
    host::ResetFormatSettings();
    host::ResetSysLocale();
    host::SetThreadLocale(ThreadLocale);
    host::SetProcessCodePage(host::CP_UTF8);
}

ZltTest::ZltTest() {
    host::RegisterClasses({zantor::TLocaleTranslator::StaticClass()});
}

host::TForm* ZltTest::NewForm(const char* Name) {
    auto* Form = new host::TForm(host::Application);
    Form->SetName(Name);
    return Form;
}

zantor::TLocaleTranslator* ZltTest::NewTranslator(host::TComponent* Form,
                                                  std::initializer_list<host::Integer> Locales,
                                                  const char* Name) {
    auto* T = new zantor::TLocaleTranslator(Form);
    T->SetName(Name);
    T->Translations()->Clear();
    for (host::Integer Id : Locales)
        zantor::AddOrgProps(Id, T->Translations());
    T->UpdateLangList();
    return T;
}

} // namespace zlt_test
