#include "editors/TranslationEditing.h"

#include "host/rtl/Exceptions.h"
#include "translators/Literals.h"

#include <unordered_set>

namespace zantor {

TTranslationEditing::TTranslationEditing()
    : FWork(std::make_unique<TSortList>(false)), FOriginals(std::make_unique<TStringList>()) {}

TTranslationEditing::~TTranslationEditing() = default;

String TTranslationEditing::KeyOf(const String& Line) {
    return Line.substr(0, Line.find('='));
}

String TTranslationEditing::ValueOf(const String& Line) {
    const std::size_t Eq = Line.find('=');
    return Eq == String::npos ? String() : Line.substr(Eq + 1);
}

int TTranslationEditing::GetPropIndex(const String& Key, const host::TStrings& List) {
    const String Head = Key + "=";
    for (int I = 0; I < List.Count(); ++I)
        if (List.Strings(I).starts_with(Head)) return I;
    return -1;
}

bool TTranslationEditing::IsStringLiteral(const String& Value) {
    return !Value.empty() && (Value.front() == '\'' || Value.front() == '#');
}

String TTranslationEditing::Shown(const String& Value) {
    if (!IsStringLiteral(Value)) return Value;
    try {
        return FromLiterals(Value);
    } catch (const host::EConvertError&) {
        // A hand-edited value that is not a valid literal is shown as it is.
        return Value;
    }
}

void TTranslationEditing::Assign(const host::TStrings* Translations) {
    FWork->Clear();
    std::vector<std::pair<String, TObject*>> Lines;
    for (int I = 0; I < Translations->Count(); ++I)
        Lines.emplace_back(Translations->Strings(I), nullptr);
    FWork->SortInsertMany(std::move(Lines));
    FModified = false;
    ClearEntry();
}

void TTranslationEditing::OriginalsChanged() {
    FOriginalIndex.clear();
    for (int I = 0; I < FOriginals->Count(); ++I)
        FOriginalIndex.emplace(KeyOf(FOriginals->Strings(I)), I);
}

int TTranslationEditing::WorkIndex(const String& Key) const {
    // The lines of a key follow one another from where Key + "=" sorts in.
    const String Head = Key + "=";
    const int I = FWork->SortPosition(Head);
    return I < FWork->Count() && FWork->Line(I).starts_with(Head) ? I : -1;
}

int TTranslationEditing::OriginalIndex(const String& Key) const {
    auto It = FOriginalIndex.find(Key);
    return It == FOriginalIndex.end() ? -1 : It->second;
}

std::vector<String> TTranslationEditing::Keys() const {
    std::vector<String> Result;
    Result.reserve(std::size_t(FWork->Count()));
    for (int I = 0; I < FWork->Count(); ++I)
        Result.push_back(KeyOf(FWork->Line(I)));
    return Result;
}

std::vector<String> TTranslationEditing::AvailableKeys() const {
    std::unordered_set<String> Taken;
    for (int I = 0; I < FWork->Count(); ++I)
        Taken.insert(KeyOf(FWork->Line(I)));
    std::vector<String> Result;
    for (int I = 0; I < FOriginals->Count(); ++I) {
        String Key = KeyOf(FOriginals->Strings(I));
        if (!Taken.contains(Key)) Result.push_back(std::move(Key));
    }
    return Result;
}

String TTranslationEditing::ShownOriginal(const String& Key) const {
    const int I = OriginalIndex(Key);
    return I < 0 ? String() : Shown(ValueOf(FOriginals->Strings(I)));
}

String TTranslationEditing::ShownTranslation(const String& Key) const {
    const int I = WorkIndex(Key);
    return I < 0 ? String() : Shown(ValueOf(FWork->Line(I)));
}

void TTranslationEditing::SelectEntry(const String& Key) {
    FEntryKey = Key;
    const int I = WorkIndex(Key);
    FEntryLine = I < 0 ? String() : FWork->Line(I);
    FEntryText = ShownTranslation(Key);
}

void TTranslationEditing::ClearEntry() {
    FEntryKey.clear();
    FEntryText.clear();
    FEntryLine.clear();
}

bool TTranslationEditing::LeaveEntry(const String& Text) {
    if (FEntryKey.empty() || Text == FEntryText) return false;
    const int Orig = OriginalIndex(FEntryKey);
    // Texts are kept in literal form; numbers, identifiers and sets as typed.
    const bool Literal = Orig >= 0 && IsStringLiteral(ValueOf(FOriginals->Strings(Orig)));
    const String Line = FEntryKey + "=" + (Literal ? ToLiterals(Text) : Text);
    const int I = WorkIndex(FEntryKey);
    if (I >= 0 && FWork->Line(I) == Line) return false;
    if (I >= 0) FWork->Delete(I);
    FWork->SortInsert(Line);
    FModified = true;
    return true;
}

String TTranslationEditing::RevertEntry() {
    if (FEntryKey.empty()) return FEntryText;
    const int I = WorkIndex(FEntryKey);
    const String Current = I < 0 ? String() : FWork->Line(I);
    if (Current != FEntryLine) {
        if (I >= 0) FWork->Delete(I);
        if (!FEntryLine.empty()) FWork->SortInsert(FEntryLine);
        FModified = true;
    }
    return FEntryText;
}

String TTranslationEditing::NewLine(const String& Key) const {
    const int I = OriginalIndex(Key);
    if (I < 0) return Key + "=";
    const String Value = ValueOf(FOriginals->Strings(I));
    return Key + "=" + (IsStringLiteral(Value) ? String("''") : Value);
}

bool TTranslationEditing::AddKey(const String& Key) {
    if (WorkIndex(Key) >= 0) return false;
    FWork->SortInsert(NewLine(Key));
    return true;
}

bool TTranslationEditing::RemoveKey(const String& Key) {
    const int I = WorkIndex(Key);
    if (I < 0) return false;
    FWork->Delete(I);
    if (Key == FEntryKey) ClearEntry();
    return true;
}

int TTranslationEditing::LocalizedCount() const {
    int N = 0;
    for (int I = 0; I < FWork->Count(); ++I)
        if (!Shown(ValueOf(FWork->Line(I))).empty()) ++N;
    return N;
}

} // namespace zantor
