// What the locale editor does to catalogues, apart from its form: the working catalogue (a copy
// of the translator's, where every edit goes), the system catalogue of the locales offered for
// copying, the setting being edited, and moving a locale's lines between the two.
#pragma once

#include "host/classes/StringList.h"
#include "translators/SortList.h"

#include <memory>
#include <vector>

namespace zantor {

// A locale as the editor lists it: "English name, English country" and its identifier.
struct TListedLocale {
    String Text;
    Integer Id;
};

class TLocaleEditing {
public:
    TLocaleEditing();
    ~TLocaleEditing();

    TSortList* Work() const { return FWork.get(); }
    TSortList* System() const { return FSystem.get(); }

    bool IsModified() const { return FModified; }
    void SetModified(bool Value = true) { FModified = Value; }

    // The working catalogue becomes a copy of Translations; not modified.
    void Assign(const host::TStrings* Translations);
    // The system catalogue becomes a copy of Lines.
    void AssignSystem(const host::TStrings* Lines);
    // The system catalogue becomes the settings of every locale the platform enumerates.
    void FillSystemFromPlatform();

    // The lines [first, last) of locale Id in Catalogue (those beginning with its eight digits
    // and "_").
    [[nodiscard]] static std::pair<int, int> LocaleRange(const TSortList& Catalogue, Integer Id);
    [[nodiscard]] static bool HasLocale(const TSortList& Catalogue, Integer Id);
    // Every locale of Catalogue with an "_ENGLISHNAME" line, in catalogue order, named with
    // its English name and the English country of the same locale.
    [[nodiscard]] static std::vector<TListedLocale> Locales(const TSortList& Catalogue);
    // The setting names of locale Id in the working catalogue, without the leading "_".
    [[nodiscard]] std::vector<String> SettingNames(Integer Id) const;

    // A stored value as shown: decoded as a literal (quotes removed, doubled quotes halved,
    // "#" codes as characters); a value that does not decode is shown as stored.
    [[nodiscard]] static String Decoded(const String& Value);
    // The line index of setting Name (no leading "_") of locale Id in the working catalogue.
    [[nodiscard]] int SettingIndex(Integer Id, const String& Name) const;
    // The decoded value of a setting; "" when the locale has none.
    [[nodiscard]] String ShownValue(Integer Id, const String& Name) const;

    // Starts editing a setting: remembers its decoded value as the current text and its line
    // as stored. False (nothing to edit) when the working catalogue has no such line.
    bool SelectSetting(Integer Id, const String& Name);
    void ClearSetting();
    bool HasSetting() const { return !FKey.empty(); }
    const String& CurrentText() const { return FCurrentText; }
    // Leaving the memo with Text: when it differs from the current text the setting's line
    // becomes key=Text as typed; modified. True when the catalogue changed.
    bool LeaveSetting(const String& Text);
    // Escape: the setting's line goes back to what it was when selected; returns the current
    // text to show again.
    String RevertSetting();

    // Moves the lines of locale Id from the system to the working catalogue (Copy) or back
    // (Remove); lines of Id already in the receiving catalogue are replaced, never doubled.
    // Modified.
    void CopyLocale(Integer Id);
    void RemoveLocale(Integer Id);
    // Adds the platform's settings of Id to the working catalogue unless it holds the locale
    // already; modified when added.
    bool NewLocale(Integer Id);
    // The working catalogue takes Lines (a dictionary file was loaded); modified.
    void TakeWork(const host::TStrings* Lines);

private:
    static void MoveLocale(TSortList& From, TSortList& To, Integer Id);

    std::unique_ptr<TSortList> FWork;
    std::unique_ptr<TSortList> FSystem;
    bool FModified = false;
    String FKey;         // LCIDHEX_NAME of the setting being edited; empty for none
    String FCurrentText; // its decoded value when it was selected
    String FEntryLine;   // its line as it was then
};

// The identifiers the platform's locale enumeration reports, read once per process.
const std::vector<Integer>& SystemLocaleIds();

} // namespace zantor
