#include "translators/LocaleSettings.h"

#include "host/rtl/Conversions.h"
#include "host/winapi/NlsCodePage.h"
#include "translators/LocaleCatalogue.h"

using namespace host;

namespace zantor {

#if ZT_HOST_VERSION < 4
String ListSeparator = ",";
std::uint16_t TwoDigitYearCenturyWindow = 0;

TLocaleSettingsTarget RtlSettingsTarget() {
    return {FormatSettings(), ListSeparator, TwoDigitYearCenturyWindow};
}
#else
TLocaleSettingsTarget RtlSettingsTarget() {
    TFormatSettings& Fs = FormatSettings();
    return {Fs, Fs.ListSeparator, Fs.TwoDigitYearCenturyWindow};
}
#endif

namespace {

constexpr std::size_t MaxValueLength = 4095;

std::size_t SequenceLength(unsigned char Lead, unsigned CodePage) {
    switch (CodePage) {
    case CP_UTF8:
        if (Lead >= 0xF0) return 4;
        if (Lead >= 0xE0) return 3;
        if (Lead >= 0xC0) return 2;
        return 1;
    case 932:
        return (Lead >= 0x81 && Lead <= 0x9F) || (Lead >= 0xE0 && Lead <= 0xFC) ? 2 : 1;
    case 936:
    case 949:
    case 950:
        return Lead >= 0x81 && Lead <= 0xFE ? 2 : 1;
    default:
        return 1;
    }
}

String* TextField(std::string_view Name, const TLocaleSettingsTarget& T) {
    TFormatSettings& S = T.Settings;
    if (Name == "_SHORTTIMEFORMAT") return &S.ShortTimeFormat;
    if (Name == "_LONGTIMEFORMAT") return &S.LongTimeFormat;
    if (Name == "_TIMEAMSTRING") return &S.TimeAMString;
    if (Name == "_TIMEPMSTRING") return &S.TimePMString;
    if (Name == "_SHORTDATEFORMAT") return &S.ShortDateFormat;
    if (Name == "_LONGDATEFORMAT") return &S.LongDateFormat;
    if (Name == "_CURRENCYSTRING") return &S.CurrencyString;
    if (Name == "_TIMESEPARATOR") return &S.TimeSeparator;
    if (Name == "_DATESEPARATOR") return &S.DateSeparator;
    if (Name == "_THOUSANDSEPARATOR") return &S.ThousandSeparator;
    if (Name == "_DECIMALSEPARATOR") return &S.DecimalSeparator;
    if (Name == "_LISTSEPARATOR") return &T.ListSeparator;
    return nullptr;
}

void SetNumber(std::string_view Name, std::string_view Text, const TLocaleSettingsTarget& T) {
    const Integer Value = StrToInt(Text);
    if (Name == "_CURRENCYFORMAT")
        T.Settings.CurrencyFormat = Value;
    else if (Name == "_NEGCURRFORMAT")
        T.Settings.NegCurrFormat = Value;
    else if (Name == "_CURRENCYDECIMALS")
        T.Settings.CurrencyDecimals = Value;
    else if (Name == "_TWODIGITYEARCENTURYWINDOW")
        T.TwoDigitYearCenturyWindow = static_cast<std::uint16_t>(Value);
}

// Catalogue day n is Monday-based; the run-time tables start with Sunday (index 0 here).
std::size_t RtlDayIndex(int CatalogueDay) {
    return static_cast<std::size_t>(CatalogueDay % 7);
}

void ApplyEntry(const TLocaleSetting& S, std::string_view Value, const TLocaleSettingsTarget& T) {
    TFormatSettings& Fs = T.Settings;
    const auto Month = static_cast<std::size_t>(S.Index - 1);
    switch (S.Kind) {
    case TSettingKind::LongDayName:
        Fs.LongDayNames[RtlDayIndex(S.Index)] = Value;
        break;
    case TSettingKind::ShortDayName:
        Fs.ShortDayNames[RtlDayIndex(S.Index)] = Value;
        break;
    case TSettingKind::LongMonthName:
        Fs.LongMonthNames[Month] = Value;
        break;
    case TSettingKind::ShortMonthName:
        Fs.ShortMonthNames[Month] = Value;
        break;
    case TSettingKind::Text:
        *TextField(S.Name, T) = Value;
        break;
    case TSettingKind::Separator:
        if (!Value.empty()) *TextField(S.Name, T) = FirstCharacter(Value, GetACP());
        break;
    case TSettingKind::Number:
        SetNumber(S.Name, Value, T);
        break;
    case TSettingKind::NotApplied:
        break;
    }
}

} // namespace

String FirstCharacter(std::string_view S, unsigned CodePage) {
    if (S.empty()) return String();
    return String(S.substr(0, SequenceLength(static_cast<unsigned char>(S[0]), CodePage)));
}

// The catalogue is sorted, so the entries of Id are the run of lines from where its prefix
// belongs.
bool ApplyLocaleSettings(const TSortList& Catalogue, Integer Id,
                         const TLocaleSettingsTarget& Target) {
    const String Prefix = LocaleHex(Id);
    int Index = Catalogue.SortPosition(Prefix);
    bool Found = false;
    for (; Index < Catalogue.Count(); ++Index) {
        std::string_view Line = Catalogue.Line(Index);
        if (!Line.starts_with(Prefix)) break;
        Found = true;
        const std::size_t Eq = Line.find('=');
        if (Eq == std::string_view::npos) continue;
        if (const TLocaleSetting* S =
                FindLocaleSetting(Line.substr(Prefix.size(), Eq - Prefix.size())))
            ApplyEntry(*S, Line.substr(Eq + 1, MaxValueLength), Target);
    }
    return Found;
}

} // namespace zantor
