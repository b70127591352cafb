#include "translators/LocaleTranslator.h"

#include "host/controls/Application.h"
#include "host/rtl/SysLocale.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/LocaleInfo.h"
#include "translators/Hourglass.h"
#include "translators/LocaleSettings.h"

using namespace host;

namespace zantor {

namespace {

void SetSysLocale(Integer Id) {
    TSysLocale& R = SysLocale();
    R.DefaultLCID = Id;
    R.PriLangID = Id & 0x3FF;
    R.SubLangID = (Id >> 10) & 0xFFFF;
}

bool IsOrdinal(PPropInfo P) {
    if (!P) return false;
    switch (P->Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkWChar:
    case tkInt64:
        return true;
    default:
        return false;
    }
}

// Any class can take part by publishing ordinal "Locale" and "Translate"; the value goes
// through the property's setter, so the component does its own switching.
void SwitchByProperties(TComponent* C, Integer Id) {
    const PPropInfo Locale = GetPropInfo(C, "Locale");
    const PPropInfo Translate = GetPropInfo(C, "Translate");
    if (!IsOrdinal(Locale) || !IsOrdinal(Translate) || !Translate->IsWritable()) return;
    const auto L = static_cast<Integer>(GetOrdProp(C, Locale));
    if (L == Id)
        SetOrdProp(C, Translate, 1);
    else if (L != 0)
        SetOrdProp(C, Translate, 0);
}

// The resolved identifier of a start-up locale string.
Integer ResolveDefault(Integer Id) {
    if (Id == static_cast<Integer>(LOCALE_USER_DEFAULT))
        return static_cast<Integer>(GetUserDefaultLCID());
    if (Id == static_cast<Integer>(LOCALE_SYSTEM_DEFAULT))
        return static_cast<Integer>(GetSystemDefaultLCID());
    return Id;
}

bool IsHexDigit(char C) {
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f');
}

// A locale string is taken when it is longer than seven characters and its last eight
// start with a hexadecimal digit; the other seven are not examined.
bool AcceptableLocaleString(const String& Value) {
    return Value.size() > 7 && IsHexDigit(Value[Value.size() - 8]);
}

} // namespace

bool TLocaleTranslator::TranslateLocale(Integer Id) {
    if (!FTranslate) return false;
    THourglass Busy;
    bool Skip = false;
    FOnTranslate(this, Skip);
    if (Skip) return false;
    if (!ApplyLocaleSettings(*FTranslations, Id, RtlSettingsTarget())) return false;
    FCurrentLocale = Id;
    UpdateLanguageSelection();
    SetThreadLocale(static_cast<host::LCID>(Id));
    SetSysLocale(Id);
    if (Id != 0) SetLocales(Id);
    FOnTranslated(this);
    return true;
}

void TLocaleTranslator::SetLocales(Integer Id) {
    if (Id == 0 || !Application) return;
    auto Visit = [this, Id](TComponent* C) {
        if (C == this) return;
        if (auto* Other = As<TLocaleTranslator>(C)) {
            if (FLocale == 0) return;
            if (Other->FLocale == FLocale) {
                Other->FCurrentLocale = FCurrentLocale;
                Other->SetTranslate(true);
            } else {
                Other->SetTranslate(false);
            }
            return;
        }
        SwitchByProperties(C, Id);
    };
    // Counts are read afresh at every step: a switching component may add or free others.
    for (int m = 0; m < Application->ComponentCount(); ++m) {
        TComponent* Module = Application->Components(m);
        Visit(Module);
        for (int c = 0; c < Module->ComponentCount(); ++c)
            Visit(Module->Components(c));
    }
}

void TLocaleTranslator::LoadedLast() {
    if (TranslateLocale(ResolveDefault(LocaleOfString(FStartupLocale)))) return;
    // Neither locale on offer: the application stays in the locale it has.
    static_cast<void>(TranslateLocale(LocaleOfString(FDesignLocale)));
}

void TLocaleTranslator::SetDesignLocale(const String& Value) {
    if (Value == FDesignLocale || !AcceptableLocaleString(Value)) return;
    FDesignLocale = Value;
    if (ComponentState().Contains(csDesigning)) {
        FCurrentLocale = LocaleOfString(Value);
        UpdateLanguageSelection();
    }
}

void TLocaleTranslator::SetStartupLocale(const String& Value) {
    if (Value == FStartupLocale || !AcceptableLocaleString(Value)) return;
    FStartupLocale = Value;
}

// The name and destruction conditions decide whether the setter runs; a removed adopted
// control is forgotten in every case, so no pointer to it outlives it.
void TLocaleTranslator::Notification(TComponent* AComponent, TOperation Operation) {
    TTranslatorFrame::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == this) return;
    std::erase(FHandled, AComponent);
    if (AComponent != FAdoptOn) return;
    if (!AComponent->Name().empty() && !ComponentState().Contains(csDestroying))
        SetAdoptOn(nullptr);
    else
        FAdoptOn = nullptr;
}

} // namespace zantor
