#include "LocaleTestSupport.h"

#include "host/winapi/NlsCodePage.h"

#include <cstdlib>

namespace zlt_test {

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
