#include "translators/LocaleTranslator.h"

#include "host/controls/Dialogs.h"
#include "host/rtl/Exceptions.h"
#include "host/winapi/LocaleInfo.h"

using namespace host;

namespace zantor {

TClass TLocaleTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TLocaleTranslator> B("TLocaleTranslator");
        PublishFrame(B, {});
        B.Prop("AdoptOn", &TLocaleTranslator::AdoptOn, &TLocaleTranslator::SetAdoptOn);
        B.Prop("DesignLocale", &TLocaleTranslator::DesignLocale,
               &TLocaleTranslator::SetDesignLocale);
        B.Prop("ListFormat", &TLocaleTranslator::ListFormat, &TLocaleTranslator::SetListFormat);
        B.Prop("StartupLocale", &TLocaleTranslator::StartupLocale,
               &TLocaleTranslator::SetStartupLocale);
        return TClassInfo(B);
    }();
    return &Info;
}

TLocaleTranslator::TLocaleTranslator(TComponent* AOwner)
    : TTranslatorFrame(AOwner, false), FLangList(std::make_unique<TSortList>(false)) {
    FTranslate = true;
    FCurrentLocale = static_cast<Integer>(GetUserDefaultLCID());
    AddOrgProps(FCurrentLocale, FTranslations.get());
    UpdateLangList();
    if (FLangList->Count() > 0)
        FDesignLocale = FLangList->Line(0) + " " + LocaleHex(ObjectToInt(FLangList->Objects(0)));
    FStartupLocale = "User default " + LocaleHex(LOCALE_USER_DEFAULT);
}

TLocaleTranslator::~TLocaleTranslator() {
    ForgetHandlers();
}

void TLocaleTranslator::UpdateLangList() {
    BuildLangList(*FTranslations, FListFormat, *FLangList);
}

void TLocaleTranslator::SetListFormat(const String& Value) {
    if (Value == FListFormat) return;
    if (Value.find('%') == String::npos) {
        ShowMessage("Invalid format string, you must provide at least one string index");
        return;
    }
    FListFormat = Value;
    UpdateAdoptOn();
}

// A line break would split the line in the translation file and change what is read back,
// so such a setting is refused rather than written.
void TLocaleTranslator::FileEntries(TKeyValues& Own, TKeyValues& Design) const {
    TTranslatorFrame::FileEntries(Own, Design);
    for (const auto& [Key, Value] : Own)
        if (Key.find_first_of("\r\n") != String::npos ||
            Value.find_first_of("\r\n") != String::npos)
            throw EWriteError("Locale setting " + Key +
                              " holds a line break and cannot be written");
}

} // namespace zantor
