// The editing every translation editor shares, apart from its form so that it can be used and
// tested without one: the working copy of a translator's lines (key=value, texts in literal
// form), the original values the keys come from (a form's collected properties, the captured
// dialog properties), the entry being edited, and the rules by which typed text becomes a line.
#pragma once

#include "host/classes/StringList.h"
#include "translators/SortList.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace zantor {

class TTranslationEditing {
public:
    TTranslationEditing();
    ~TTranslationEditing();

    // WorkTranslations: the working copy; the translator is changed only by the editor's OK.
    TSortList* Work() const { return FWork.get(); }
    // The original values: key=value lines (texts in literal form).
    host::TStringList* Originals() const { return FOriginals.get(); }

    bool IsModified() const { return FModified; }
    void SetModified(bool Value = true) { FModified = Value; }

    // The text before the first "=" of a line, and the text after it.
    static String KeyOf(const String& Line);
    static String ValueOf(const String& Line);
    // Index of the first line of List that begins with Key followed by "=", or -1.
    static int GetPropIndex(const String& Key, const host::TStrings& List);
    // A value in the literal form of texts: it begins with a quote or "#".
    static bool IsStringLiteral(const String& Value);
    // A value as shown to the person: texts decoded, anything else as it is.
    static String Shown(const String& Value);

    // The keys of the working copy, in its order.
    std::vector<String> Keys() const;
    // The keys of the originals that the working copy does not have, in the originals' order.
    std::vector<String> AvailableKeys() const;
    // The original value of Key as shown ("" when there is none).
    String ShownOriginal(const String& Key) const;
    // The translation of Key as shown ("" when there is none).
    String ShownTranslation(const String& Key) const;

    // Starts editing Key: remembers its translation as EntryText and its line as it is.
    void SelectEntry(const String& Key);
    void ClearEntry();
    const String& EntryKey() const { return FEntryKey; }
    const String& EntryText() const { return FEntryText; }
    // Leaving the translation memo with Text: when it differs from EntryText the line becomes
    // Key=Text, in literal form when the original value is a text; sets IsModified. True when
    // the working copy changed.
    bool LeaveEntry(const String& Text);
    // Escape: the entry's line goes back to what it was when it was selected; returns the text
    // to show again (EntryText).
    String RevertEntry();

    // The line a key is added with: Key=original for a value that is not a text, Key='' for a
    // text, "Key=" when there is no original value.
    String NewLine(const String& Key) const;
    // Adds Key (sorted) by that rule; false when it is there already. Does not set IsModified.
    bool AddKey(const String& Key);
    // Removes the line of Key; true when there was one. Does not set IsModified.
    bool RemoveKey(const String& Key);

    // Entries whose translation, decoded, is not empty.
    int LocalizedCount() const;
    // Where PageUp (Step -1) or PageDown (Step 1) goes from Current in a list of Count entries:
    // one step, then on while SkipTranslated and the entry reached has a translation (Translated
    // answers for an index), stopping at the first or last entry. Current -1 starts before the
    // first entry (or after the last one for PageUp).
    template <class F>
    static int NextEntry(int Current, int Count, int Step, bool SkipTranslated, F Translated) {
        if (Count <= 0) return -1;
        int I = Current < 0 ? (Step > 0 ? -1 : Count) : Current;
        for (;;) {
            const int Next = I + Step;
            if (Next < 0 || Next >= Count) return I; // the first or last entry
            I = Next;
            if (!SkipTranslated || !Translated(I)) return I;
        }
    }

    // Takes a translator's lines as the working copy; IsModified false.
    void Assign(const host::TStrings* Translations);
    // To be called after Originals were filled or changed (they are looked up by key).
    void OriginalsChanged();
    // The line index of Key in the working copy / the originals, or -1.
    int WorkIndex(const String& Key) const;
    int OriginalIndex(const String& Key) const;

private:
    std::unique_ptr<TSortList> FWork;
    std::unique_ptr<host::TStringList> FOriginals;
    std::unordered_map<String, int> FOriginalIndex; // first line of each key
    bool FModified = false;
    String FEntryKey;
    String FEntryText;
    String FEntryLine; // the entry's line as selected; empty when it had none
};

} // namespace zantor
