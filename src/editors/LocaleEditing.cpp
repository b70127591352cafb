#include "editors/LocaleEditing.h"

#include "host/rtl/Exceptions.h"
#include "host/winapi/LocaleInfo.h"
#include "translators/Literals.h"
#include "translators/LocaleCatalogue.h"

namespace zantor {

namespace {

std::vector<std::pair<String, TObject*>> LinesOf(const host::TStrings* S) {
    std::vector<std::pair<String, TObject*>> Lines;
    Lines.reserve(std::size_t(S->Count()));
    for (int I = 0; I < S->Count(); ++I)
        Lines.emplace_back(S->Strings(I), S->Objects(I));
    return Lines;
}

void Replace(TSortList& List, const host::TStrings* S) {
    List.Clear();
    List.SortInsertMany(LinesOf(S));
}

String SettingKey(Integer Id, const String& Name) {
    return LocaleHex(Id) + "_" + Name;
}

std::vector<Integer>& EnumeratedIds() {
    static std::vector<Integer> Ids;
    return Ids;
}

int CollectLocale(const char* Text) {
    EnumeratedIds().push_back(HexToInt(Text));
    return 1;
}

} // namespace

const std::vector<Integer>& SystemLocaleIds() {
    static const bool Read = [] {
        host::EnumSystemLocalesA(CollectLocale, host::LCID_SUPPORTED);
        return true;
    }();
    static_cast<void>(Read);
    return EnumeratedIds();
}

TLocaleEditing::TLocaleEditing()
    : FWork(std::make_unique<TSortList>(false)), FSystem(std::make_unique<TSortList>(false)) {}

TLocaleEditing::~TLocaleEditing() = default;

void TLocaleEditing::Assign(const host::TStrings* Translations) {
    Replace(*FWork, Translations);
    FModified = false;
    ClearSetting();
}

void TLocaleEditing::AssignSystem(const host::TStrings* Lines) {
    Replace(*FSystem, Lines);
}

void TLocaleEditing::FillSystemFromPlatform() {
    FSystem->Clear();
    // One merge for all locales: adding them one by one would shift the lines each time.
    AddOrgProps(SystemLocaleIds(), FSystem.get());
}

void TLocaleEditing::TakeWork(const host::TStrings* Lines) {
    Replace(*FWork, Lines);
    ClearSetting();
    FModified = true;
}

std::pair<int, int> TLocaleEditing::LocaleRange(const TSortList& Catalogue, Integer Id) {
    const String Prefix = LocaleHex(Id) + "_";
    const int First = Catalogue.SortPosition(Prefix);
    int Last = First;
    while (Last < Catalogue.Count() && Catalogue.Line(Last).starts_with(Prefix))
        ++Last;
    return {First, Last};
}

bool TLocaleEditing::HasLocale(const TSortList& Catalogue, Integer Id) {
    const auto [First, Last] = LocaleRange(Catalogue, Id);
    return Last > First;
}

std::vector<TListedLocale> TLocaleEditing::Locales(const TSortList& Catalogue) {
    std::vector<TListedLocale> Result;
    String CountryOf; // the LCIDHEX the country below belongs to
    String Country;
    for (int I = 0; I < Catalogue.Count(); ++I) {
        const String& Line = Catalogue.Line(I);
        const std::size_t Sep = Line.find('_');
        const std::size_t Eq = Line.find('=');
        if (Sep == String::npos || Eq == String::npos || Sep > Eq) continue;
        const std::string_view Hex(Line.data(), Sep);
        const std::string_view Name(Line.data() + Sep, Eq - Sep);
        if (Name == "_ENGLISHCOUNTRYNAME") {
            CountryOf = String(Hex);
            Country = Line.substr(Eq + 1);
        } else if (Name == "_ENGLISHNAME") {
            // A locale without a country of its own is not given the one before it.
            const String C = CountryOf == Hex ? Country : String();
            Result.push_back({Line.substr(Eq + 1) + ", " + C, HexToInt(Hex)});
        }
    }
    return Result;
}

std::vector<String> TLocaleEditing::SettingNames(Integer Id) const {
    std::vector<String> Names;
    const auto [First, Last] = LocaleRange(*FWork, Id);
    for (int I = First; I < Last; ++I) {
        const String& Line = FWork->Line(I);
        const std::size_t Sep = Line.find('_');
        const std::size_t Eq = Line.find('=');
        if (Eq == String::npos) continue;
        Names.push_back(Line.substr(Sep + 1, Eq - Sep - 1));
    }
    return Names;
}

String TLocaleEditing::Decoded(const String& Value) {
    try {
        return FromLiterals(Value);
    } catch (const host::EConvertError&) {
        return Value;
    }
}

int TLocaleEditing::SettingIndex(Integer Id, const String& Name) const {
    const String Head = SettingKey(Id, Name) + "=";
    const int I = FWork->SortPosition(Head);
    return I < FWork->Count() && FWork->Line(I).starts_with(Head) ? I : -1;
}

String TLocaleEditing::ShownValue(Integer Id, const String& Name) const {
    const int I = SettingIndex(Id, Name);
    if (I < 0) return String();
    const String& Line = FWork->Line(I);
    return Decoded(Line.substr(Line.find('=') + 1));
}

bool TLocaleEditing::SelectSetting(Integer Id, const String& Name) {
    ClearSetting();
    const int I = SettingIndex(Id, Name);
    if (I < 0) return false;
    FKey = SettingKey(Id, Name);
    FEntryLine = FWork->Line(I);
    FCurrentText = Decoded(FEntryLine.substr(FEntryLine.find('=') + 1));
    return true;
}

void TLocaleEditing::ClearSetting() {
    FKey.clear();
    FCurrentText.clear();
    FEntryLine.clear();
}

bool TLocaleEditing::LeaveSetting(const String& Text) {
    if (FKey.empty() || Text == FCurrentText) return false;
    const String Line = FKey + "=" + Text;
    const String Head = FKey + "=";
    const int I = FWork->SortPosition(Head);
    const bool Had = I < FWork->Count() && FWork->Line(I).starts_with(Head);
    if (Had && FWork->Line(I) == Line) return false;
    if (Had) FWork->Delete(I);
    FWork->SortInsert(Line);
    FModified = true;
    return true;
}

String TLocaleEditing::RevertSetting() {
    if (FKey.empty()) return FCurrentText;
    const String Head = FKey + "=";
    const int I = FWork->SortPosition(Head);
    const bool Had = I < FWork->Count() && FWork->Line(I).starts_with(Head);
    if (!Had || FWork->Line(I) != FEntryLine) {
        if (Had) FWork->Delete(I);
        FWork->SortInsert(FEntryLine);
        FModified = true;
    }
    return FCurrentText;
}

void TLocaleEditing::MoveLocale(TSortList& From, TSortList& To, Integer Id) {
    const auto [First, Last] = LocaleRange(From, Id);
    std::vector<std::pair<String, TObject*>> Lines;
    Lines.reserve(std::size_t(Last - First));
    for (int I = First; I < Last; ++I)
        Lines.emplace_back(From.Line(I), From.Objects(I));
    for (int I = Last - 1; I >= First; --I)
        From.Delete(I);
    const auto [ToFirst, ToLast] = LocaleRange(To, Id);
    for (int I = ToLast - 1; I >= ToFirst; --I)
        To.Delete(I);
    To.SortInsertMany(std::move(Lines));
}

void TLocaleEditing::CopyLocale(Integer Id) {
    MoveLocale(*FSystem, *FWork, Id);
    FModified = true;
}

void TLocaleEditing::RemoveLocale(Integer Id) {
    if (FKey.starts_with(LocaleHex(Id) + "_")) ClearSetting();
    MoveLocale(*FWork, *FSystem, Id);
    FModified = true;
}

bool TLocaleEditing::NewLocale(Integer Id) {
    if (HasLocale(*FWork, Id)) return false;
    AddOrgProps(Id, FWork.get());
    FModified = true;
    return true;
}

} // namespace zantor
