#include "translators/ResourceTranslator.h"

#include "translators/Literals.h"
#include "translators/LoadedTextCache.h"
#include "translators/TranslationFileResStrings.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

using namespace host;

namespace zantor {

TClass TResourceTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TResourceTranslator> B("TResourceTranslator");
        return TClassInfo(
            PublishFrame(B, {.TranslationsAlwaysStored = true, .TranslateDefaultTrue = true}));
    }();
    return &Info;
}

TResourceTranslator::TResourceTranslator(TComponent* AOwner)
    // Both lists drop the look-up index when they change (the index is only pointed to here).
    : TTranslatorFrame(AOwner, std::make_unique<TWatchedSortList>(true, &FIndex)),
      FResStrings(std::make_unique<TWatchedSortList>(true, &FIndex)), FNode{nullptr, this} {
    FIndex.Attach(FResStrings.get(), FTranslations.get());
    FTranslate = true;
    EnsureResourceHookUnit();
    if (!ComponentState().Contains(csDesigning)) HookLoadString(false);
    // Joined last, when nothing can throw any more: a failed construction leaves no node.
    FNode.Next = ResComponentList;
    ResComponentList = &FNode;
    ++TranslatorsGeneration;
}

TResourceTranslator::~TResourceTranslator() {
    for (TResComponent** Link = &ResComponentList; *Link; Link = &(*Link)->Next) {
        if (*Link != &FNode) continue;
        *Link = FNode.Next;
        break;
    }
    ++TranslatorsGeneration;
    // A design-state translator removes a hook too: whoever installed it, nobody is left.
    if (!ResComponentList) {
        HookLoadString(true);
        ForgetLoadedTexts();
    }
}

void TResourceTranslator::InternalTranslate(bool Value) {
    ++TranslatorsGeneration;
    TTranslatorFrame::InternalTranslate(Value);
}

void TResourceTranslator::SetResStrings(TStrings* Value) {
    std::vector<std::pair<String, TObject*>> Lines;
    if (Value) {
        Lines.reserve(static_cast<std::size_t>(Value->Count()));
        for (int i = 0; i < Value->Count(); ++i)
            Lines.emplace_back(Value->Strings(i), Value->Objects(i));
    }
    FResStrings->BeginUpdate();
    FResStrings->Clear();
    FResStrings->SortInsertMany(std::move(Lines));
    FResStrings->EndUpdate();
}

void TResourceTranslator::SetTranslations(TStrings* Value) {
    if (Value)
        FTranslations->Assign(Value);
    else
        FTranslations->Clear();
}

const String& TResourceTranslator::TranslationOf(int Line) const {
    const int Index = ObjectToInt(FResStrings->Objects(Line));
    if (Index < 0 || Index >= FTranslations->Count()) FTranslations->Strings(Index); // raises
    return FTranslations->Line(Index);
}

void TResourceTranslator::SetTranslation(const String& Orig, const String& Trans) {
    int Index = -1;
    if (FResStrings->SortFind(Orig, Index)) {
        FTranslations->SetStrings(ObjectToInt(FResStrings->Objects(Index)), Trans);
        return;
    }
    const int Added = FTranslations->Add(Trans);
    FResStrings->InsertObject(Index, Orig, IntToObject(Added));
}

bool TResourceTranslator::RemoveTranslation(const String& Orig) {
    int Index = -1;
    if (!FResStrings->SortFind(Orig, Index)) return false;
    FResStrings->Delete(Index);
    PackTranslations();
    return true;
}

void TResourceTranslator::PackTranslations() {
    std::vector<String> Packed;
    Packed.reserve(static_cast<std::size_t>(FResStrings->Count()));
    for (int i = 0; i < FResStrings->Count(); ++i)
        Packed.push_back(TranslationOf(i));
    FResStrings->BeginUpdate();
    for (int i = 0; i < FResStrings->Count(); ++i)
        FResStrings->PutObject(i, IntToObject(i));
    FResStrings->EndUpdate();
    FTranslations->BeginUpdate();
    FTranslations->Clear();
    for (String& S : Packed)
        FTranslations->Add(std::move(S));
    FTranslations->EndUpdate();
}

bool TResourceTranslator::TranslateBuffer(char* Buffer, int& Len, int Capacity) {
    if (!FTranslate || !GlobalTranslation || !Buffer || Len < 0 || Capacity <= 0) return false;
    TResLookup Found;
    if (!FIndex.Find(std::string_view(Buffer, static_cast<std::size_t>(Len)), Found)) return false;
    if (!Found.Trans) FTranslations->Strings(Found.Object); // raises the list's index error
    if (Found.TransLen == 0) return false;
    const std::size_t Count = std::min(Found.TransLen, static_cast<std::size_t>(Capacity - 1));
    std::memcpy(Buffer, Found.Trans, Count);
    Buffer[Count] = '\0';
    Len = static_cast<int>(Count);
    return true;
}

// A hand-edited form may hold the pairs out of order: they are sorted as SetResStrings does.
void TResourceTranslator::ReadResStrings(TReader* Reader) {
    std::vector<std::pair<String, TObject*>> Lines;
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) {
        String S = Reader->ReadString();
        Lines.emplace_back(std::move(S), IntToObject(Reader->ReadInteger()));
    }
    Reader->ReadListEnd();
    FResStrings->BeginUpdate();
    FResStrings->Clear();
    FResStrings->SortInsertMany(std::move(Lines));
    FResStrings->EndUpdate();
}

void TResourceTranslator::WriteResStrings(TWriter* Writer) {
    Writer->WriteListBegin();
    if (FFileName.empty()) {
        for (int i = 0; i < FResStrings->Count(); ++i) {
            Writer->WriteString(FResStrings->Line(i));
            Writer->WriteInteger(ObjectToInt(FResStrings->Objects(i)));
        }
    }
    Writer->WriteListEnd();
}

// Keys number the source texts of every locale sharing the head; the -1 lines carry the texts.
void TResourceTranslator::SaveFileLines(const String& AFileName, const String& Head) const {
    TKeyValues Texts;
    Texts.reserve(static_cast<std::size_t>(FResStrings->Count()));
    for (int i = 0; i < FResStrings->Count(); ++i)
        Texts.emplace_back(FResStrings->Line(i), TranslationOf(i));
    SaveResStringsFile(AFileName, Head, FLocale, Texts);
}

// The -1 lines rebuild the list of source texts (a new text comes with an empty translation),
// then the lines of this Locale set the translations of the texts their keys name. Lines of a
// key without a -1 line name no text and are skipped. Translations left unreferenced (those
// streamed with the form for a table that lives in the file) are dropped.
void TResourceTranslator::ApplyFileEntries(const std::vector<TFileEntry>& Entries) {
    std::unordered_map<String, String> SourceOfKey;
    std::unordered_map<String, int> Added;
    std::vector<std::pair<String, TObject*>> NewLines;
    auto TranslationIndex = [&](const String& Orig) {
        int Line = -1;
        if (FResStrings->SortFind(Orig, Line)) return ObjectToInt(FResStrings->Objects(Line));
        auto It = Added.find(Orig);
        return It == Added.end() ? -1 : It->second;
    };
    for (const TFileEntry& E : Entries) {
        if (E.Locale != -1) continue;
        String Orig = FromLiterals(E.Value);
        if (TranslationIndex(Orig) < 0) {
            const int Index = FTranslations->Add(String());
            Added.emplace(Orig, Index);
            NewLines.emplace_back(Orig, IntToObject(Index));
        }
        SourceOfKey[E.Key] = std::move(Orig);
    }
    for (const TFileEntry& E : Entries) {
        if (E.Locale != FLocale || E.Locale == -1) continue;
        auto It = SourceOfKey.find(E.Key);
        if (It == SourceOfKey.end()) continue;
        FTranslations->SetStrings(TranslationIndex(It->second), FromLiterals(E.Value));
    }
    FResStrings->SortInsertMany(std::move(NewLines));
    PackTranslations();
}

void TResourceTranslator::DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const {
    Entries.reserve(static_cast<std::size_t>(FResStrings->Count()));
    for (int i = 0; i < FResStrings->Count(); ++i)
        Entries.push_back({FResStrings->Line(i), TranslationOf(i), i});
}

void TResourceTranslator::ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                                     const String& Translation) {
    FTranslations->SetStrings(ObjectToInt(FResStrings->Objects(Entry.Index)), Translation);
}

} // namespace zantor
