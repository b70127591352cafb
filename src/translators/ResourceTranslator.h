// Unit Zrt: TResourceTranslator, the translator of resource strings. It holds the translations of
// one locale keyed by the text as loaded (whatever module or identifier it came from) and answers
// the interception of ResourceHook.h while it is switched on.
#pragma once

#include "translators/ResourceHook.h"
#include "translators/ResourceStringTable.h"
#include "translators/TranslatorFrame.h"

namespace zantor {

class TResourceTranslator : public TTranslatorFrame {
    ZT_CLASS(TResourceTranslator, TTranslatorFrame)
public:
    // Joins ResComponentList and, outside the design state, installs the LoadStringA hook.
    explicit TResourceTranslator(TComponent* AOwner);
    // Leaves the list; the last translator to go removes the hook.
    ~TResourceTranslator() override;

    // The source texts in byte-wise order; each line's object is the index of its translation
    // in Translations.
    TSortList* ResStrings() const { return FResStrings.get(); }
    // Takes Value's lines with their objects and sorts them (an equal later line replaces the
    // object of an earlier one), so the look-up order holds whatever the caller gives.
    void SetResStrings(TStrings* Value);
    // Copies Value's items as they are (positions matter: ResStrings points at them).
    void SetTranslations(TStrings* Value) override;

    // Sets the translation of Orig, adding Orig when it is new.
    void SetTranslation(const String& Orig, const String& Trans);
    // Removes Orig and renumbers the translations 0, 1, 2 ... in ResStrings order, dropping the
    // ones no line refers to. False when Orig is not there.
    [[nodiscard]] bool RemoveTranslation(const String& Orig);
    // Replaces the Len characters in Buffer (room for Capacity, zero included) by their
    // translation when this translator is on, GlobalTranslation is true and the whole text
    // (case-sensitive) has a non-empty translation; at most Capacity - 1 characters and a zero
    // are written, and Len becomes the number written. False, with Buffer untouched, otherwise.
    [[nodiscard]] bool TranslateBuffer(char* Buffer, int& Len, int Capacity);

    // Switching on or off also tells the interception that its kept answers are stale.
    void InternalTranslate(bool Value) override;

    // The hidden property "ResStrings": pairs of source text and translation index.
    void ReadResStrings(TReader* Reader);
    void WriteResStrings(TWriter* Writer);

protected:
    String KindPrefix() const override { return "#1"; }
    String AboutText() const override { return "Resource Translator 1.1"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::OneLocaleOnly; }
    String StorageName() const override { return "ResStrings"; }
    void ReadStorage(TReader* Reader) override { ReadResStrings(Reader); }
    void WriteStorage(TWriter* Writer) override { WriteResStrings(Writer); }

    void SaveFileLines(const String& AFileName, const String& Head) const override;
    void ApplyFileEntries(const std::vector<TFileEntry>& Entries) override;
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override;
    void ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                    const String& Translation) override;

private:
    // The translation that line Line points to; raises the list's index error for a bad index.
    const String& TranslationOf(int Line) const;
    // Keeps only the translations that lines refer to, numbered in line order.
    void PackTranslations();

    TResStringIndex FIndex;
    std::unique_ptr<TWatchedSortList> FResStrings;
    TResComponent FNode;
};

} // namespace zantor
