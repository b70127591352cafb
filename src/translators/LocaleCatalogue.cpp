#include "translators/LocaleCatalogue.h"

#include "host/rtl/Format.h"
#include "host/winapi/LocaleInfo.h"
#include "translators/Literals.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

using namespace host;

namespace zantor {

namespace {

constexpr std::size_t MaxValueLength = 4095;

constexpr std::array<const char*, 7> LongDays{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                              "Friday", "Saturday", "Sunday"};
constexpr std::array<const char*, 7> ShortDays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<const char*, 12> LongMonths{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 12> ShortMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

struct TRow {
    String Name;
    TLocaleSetting Setting;
};

template <std::size_t N>
void AddNamed(std::vector<TRow>& Rows, const char* Stem, unsigned FirstItem,
              const std::array<const char*, N>& Fallbacks, TSettingKind Kind) {
    for (std::size_t i = 0; i < N; ++i) {
        const int Index = static_cast<int>(i) + 1;
        Rows.push_back(
            {String(Stem) + "[" + std::to_string(Index) + "]",
             {nullptr, FirstItem + static_cast<unsigned>(i), Fallbacks[i], Kind, Index}});
    }
}

// The names live in the rows' strings; the settings point at them once the rows are built.
std::vector<TRow> BuildRows() {
    using K = TSettingKind;
    std::vector<TRow> Rows;
    AddNamed(Rows, "_LONGDAYNAMES", LOCALE_SDAYNAME1, LongDays, K::LongDayName);
    AddNamed(Rows, "_SHORTDAYNAMES", LOCALE_SABBREVDAYNAME1, ShortDays, K::ShortDayName);
    AddNamed(Rows, "_LONGMONTHNAMES", LOCALE_SMONTHNAME1, LongMonths, K::LongMonthName);
    AddNamed(Rows, "_SHORTMONTHNAMES", LOCALE_SABBREVMONTHNAME1, ShortMonths, K::ShortMonthName);
    const std::initializer_list<std::tuple<const char*, unsigned, const char*, K>> Rest{
        {"_SHORTTIMEFORMAT", 0, "", K::Text},
        {"_LONGTIMEFORMAT", 0, "", K::Text},
        {"_TIMESEPARATOR", LOCALE_STIME, ":", K::Separator},
        {"_TIMEAMSTRING", LOCALE_S1159, "am", K::Text},
        {"_TIMEPMSTRING", LOCALE_S2359, "pm", K::Text},
        {"_DATESEPARATOR", LOCALE_SDATE, "/", K::Separator},
        {"_SHORTDATEFORMAT", LOCALE_SSHORTDATE, "m/d/yy", K::Text},
        {"_LONGDATEFORMAT", LOCALE_SLONGDATE, "mmmm d, yyyy", K::Text},
        {"_CURRENCYFORMAT", LOCALE_ICURRENCY, "0", K::Number},
        {"_NEGCURRFORMAT", LOCALE_INEGCURR, "0", K::Number},
        {"_CURRENCYDECIMALS", LOCALE_ICURRDIGITS, "2", K::Number},
        {"_CURRENCYSTRING", LOCALE_SCURRENCY, "", K::Text},
        {"_THOUSANDSEPARATOR", LOCALE_STHOUSAND, ",", K::Separator},
        {"_DECIMALSEPARATOR", LOCALE_SDECIMAL, ".", K::Separator},
        {"_ENGLISHNAME", LOCALE_SENGLANGUAGE, "Unknown", K::NotApplied},
        {"_NATIVENAME", LOCALE_SNATIVELANGNAME, "Unknown", K::NotApplied},
        {"_ENGLISHCOUNTRYNAME", LOCALE_SENGCOUNTRY, "Unknown", K::NotApplied},
        {"_NATIVECOUNTRYNAME", LOCALE_SNATIVECTRYNAME, "Unknown", K::NotApplied},
        {"_LISTSEPARATOR", LOCALE_SLIST, ";", K::Separator},
        {"_TWODIGITYEARCENTURYWINDOW", 0, "0", K::Number},
    };
    for (const auto& [Name, Item, Fallback, Kind] : Rest)
        Rows.push_back({Name, {nullptr, Item, Fallback, Kind, 0}});
    return Rows;
}

struct TTable {
    std::vector<TRow> Rows = BuildRows();
    std::vector<TLocaleSetting> Settings;
    TTable() {
        for (const TRow& R : Rows) {
            Settings.push_back(R.Setting);
            Settings.back().Name = R.Name.c_str();
        }
    }
};

const TTable& Table() {
    static const TTable T;
    return T;
}

// The item's text as the platform gives it into a buffer of 255 characters.
std::optional<String> QueryItem(Integer Locale, unsigned Item) {
    char Buffer[255];
    const int Written =
        GetLocaleInfoA(static_cast<host::LCID>(Locale), Item, Buffer, sizeof Buffer);
    if (Written <= 0) return std::nullopt;
    return String(Buffer, static_cast<std::size_t>(Written - 1));
}

String ItemOr(Integer Locale, unsigned Item, const char* Fallback) {
    return QueryItem(Locale, Item).value_or(Fallback);
}

// The item consulted for the hour's leading zero is LOCALE_ILZERO (the number item), as
// the catalogue has always done, not LOCALE_ITLZERO.
std::pair<String, String> ComposedTimeFormats(Integer Locale) {
    const String Hour = ItemOr(Locale, LOCALE_ILZERO, "0") == "0" ? "h" : "hh";
    String Prefix, Suffix;
    if (ItemOr(Locale, LOCALE_ITIME, "0") == "0") {
        if (ItemOr(Locale, LOCALE_ITIMEMARKPOSN, " AMPM") == "0")
            Suffix = " AMPM";
        else
            Prefix = "AMPM ";
    }
    return {Prefix + Hour + ":mm" + Suffix, Prefix + Hour + ":mm:ss" + Suffix};
}

} // namespace

std::span<const TLocaleSetting> LocaleSettings() {
    return Table().Settings;
}

const TLocaleSetting* FindLocaleSetting(std::string_view Name) {
    static const auto ByName = [] {
        std::unordered_map<std::string_view, const TLocaleSetting*> Map;
        for (const TLocaleSetting& S : Table().Settings)
            Map.emplace(S.Name, &S);
        return Map;
    }();
    const auto It = ByName.find(Name);
    return It == ByName.end() ? nullptr : It->second;
}

String LocaleHex(Integer Locale) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    auto V = static_cast<std::uint32_t>(Locale);
    String Result(8, '0');
    for (int i = 7; i >= 0; --i, V >>= 4)
        Result[static_cast<std::size_t>(i)] = Digits[V & 0xF];
    return Result;
}

Integer LocaleOfString(std::string_view LocaleString) {
    if (LocaleString.size() > 8) LocaleString.remove_prefix(LocaleString.size() - 8);
    return HexToInt(LocaleString);
}

namespace {

// The 58 lines of a locale in the order of the settings, each with the identifier.
void AppendOrgProps(Integer Locale, std::vector<std::pair<String, TObject*>>& Lines) {
    const String Prefix = LocaleHex(Locale);
    TObject* Id = IntToObject(Locale);
    const auto [ShortTime, LongTime] = ComposedTimeFormats(Locale);
    for (const TLocaleSetting& S : LocaleSettings()) {
        const std::string_view Name = S.Name;
        String Text;
        if (Name == "_SHORTTIMEFORMAT")
            Text = ShortTime;
        else if (Name == "_LONGTIMEFORMAT")
            Text = LongTime;
        else if (S.Item == 0)
            Text = S.Fallback;
        else
            Text = ItemOr(Locale, S.Item, S.Fallback);
        Lines.emplace_back(Prefix + S.Name + "=" + Text, Id);
    }
}

} // namespace

void AddOrgProps(Integer Locale, TSortList* List) {
    std::vector<std::pair<String, TObject*>> Lines;
    AppendOrgProps(Locale, Lines);
    for (const auto& [Line, Id] : Lines)
        List->SortInsert(Line, Id);
}

void AddOrgProps(std::span<const Integer> Locales, TSortList* List) {
    std::vector<std::pair<String, TObject*>> Lines;
    Lines.reserve(Locales.size() * LocaleSettings().size());
    for (Integer Locale : Locales)
        AppendOrgProps(Locale, Lines);
    List->SortInsertMany(std::move(Lines));
}

namespace {

struct TNameSlots {
    String EnglishName, EnglishCountry, NativeName, NativeCountry;
};

} // namespace

void BuildLangList(const TSortList& Catalogue, std::string_view ListFormat, TSortList& LangList) {
    TNameSlots Slots;
    // A locale without some names must not show the previous locale's.
    std::string_view SlotsLead;
    std::unordered_set<Integer> Listed;
    std::vector<std::pair<String, TObject*>> Lines;
    for (int i = 0; i < Catalogue.Count(); ++i) {
        std::string_view Line = Catalogue.Line(i);
        const std::string_view Lead = Line.substr(0, Line.find('_'));
        const std::size_t Eq = Line.find('=');
        const std::string_view Name = Line.substr(0, Eq);
        if (Name.size() <= Lead.size()) continue;
        const std::string_view Setting = Name.substr(Lead.size());
        if (Lead != SlotsLead) {
            Slots = {};
            SlotsLead = Lead;
        }
        const String Value(Eq == std::string_view::npos ? std::string_view()
                                                        : Line.substr(Eq + 1, MaxValueLength));
        if (Setting == "_ENGLISHCOUNTRYNAME")
            Slots.EnglishCountry = Value;
        else if (Setting == "_ENGLISHNAME")
            Slots.EnglishName = Value;
        else if (Setting == "_NATIVECOUNTRYNAME")
            Slots.NativeCountry = Value;
        else if (Setting == "_NATIVENAME") {
            const Integer Id = HexToInt(Lead);
            if (!Listed.insert(Id).second) continue;
            Slots.NativeName = Value;
            Lines.emplace_back(Format(ListFormat, {Slots.EnglishName, Slots.EnglishCountry,
                                                   Slots.NativeName, Slots.NativeCountry}),
                               IntToObject(Id));
        }
    }
    LangList.Clear();
    LangList.SortInsertMany(std::move(Lines));
}

} // namespace zantor
