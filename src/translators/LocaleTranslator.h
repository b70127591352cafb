// Unit Zlt: TLocaleTranslator, the translator of the run-time library's locale settings.
// It holds a catalogue of locales (names, day and month names, date, time, number and
// currency formats, keyed LCIDHEX_SETTING), switches the application from one locale to
// another (settings, thread locale, and every component that publishes Locale and
// Translate), and can turn a menu, list box, combo box, radio group or tab set into the
// end user's language chooser.
#pragma once

#include "translators/LocaleCatalogue.h"
#include "translators/TranslatorFrame.h"

#include <memory>
#include <vector>

namespace host {
class TMenuItem;
}

namespace zantor {

class TLocaleTranslator : public TTranslatorFrame {
    ZT_CLASS(TLocaleTranslator, TTranslatorFrame)
public:
    // Holds the entries of the user's default locale, lists that one language, and takes
    // it as the current and the design locale.
    explicit TLocaleTranslator(TComponent* AOwner);
    ~TLocaleTranslator() override;

    // Appends the 58 settings of LCID, with LCID in each object slot (see ZltCatalogue.h).
    static void AddOrgProps(Integer LCID, TSortList* List) { zantor::AddOrgProps(LCID, List); }
    // Rebuilds the language list from Translations with ListFormat.
    void UpdateLangList();
    // Display text of each listed locale, sorted, with the identifier as object.
    TSortList* LangList() const { return FLangList.get(); }

    // Switches to LCID: settings, current locale, selection control, thread locale, the
    // system-locale record, then SetLocales. False (nothing switched) when Translate is
    // off, OnTranslate skips, or the catalogue lacks LCID. An integer setting that is not a
    // number raises EConvertError; the settings applied before it stay applied.
    [[nodiscard]] bool TranslateLocale(Integer LCID);
    // Switches every component of every form and data module of the application that
    // publishes ordinal Locale and Translate: on for LCID, off for another non-zero Locale.
    // Does nothing for 0.
    void SetLocales(Integer LCID);
    Integer CurrentLocale() const { return FCurrentLocale; }

    TComponent* AdoptOn() const { return FAdoptOn; }
    // True for the kinds AdoptOn takes: tab sets, list boxes, combo boxes, radio groups, main
    // and pop-up menus and menu items, descendants included.
    static bool IsAdoptable(const TComponent* C);
    // Shows "Error setting AdoptOn property, an illigal component" and keeps the previous
    // control when Value is none of the adoptable kinds.
    void SetAdoptOn(TComponent* Value);
    const String& ListFormat() const { return FListFormat; }
    // Shows "Invalid format string, you must provide at least one string index" and keeps
    // the previous format when Value has no "%".
    void SetListFormat(const String& Value);
    // Locale strings: display text, a blank, eight hexadecimal digits; only the last eight
    // characters count. Values of 7 characters or fewer, or whose last eight do not start
    // with a hexadecimal digit, are ignored.
    const String& DesignLocale() const { return FDesignLocale; }
    void SetDesignLocale(const String& Value);
    const String& StartupLocale() const { return FStartupLocale; }
    void SetStartupLocale(const String& Value);
    // Fired after the end user picked another locale in the adopted control.
    const TNotifyEvent& OnLocaleSelect() const { return FOnLocaleSelect; }
    void SetOnLocaleSelect(const TNotifyEvent& Value) { FOnLocaleSelect = Value; }

    // Refills the adopted control with the language list and marks the current locale.
    void UpdateAdoptOn();
    // Marks the current locale in the adopted control (nothing selected when not listed).
    void UpdateLanguageSelection();

    // The pick handlers installed on adopted controls.
    void OnMenuItemClick(TObject* Sender);
    void OnTabSetClick(TObject* Sender);
    void OnListBoxClick(TObject* Sender);
    void OnComboBoxClick(TObject* Sender);
    void OnRadioGroupClick(TObject* Sender);

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    String KindPrefix() const override { return "#2"; }
    String AboutText() const override { return "Locale Translator 1.0"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::SameLocale; }
    // Switches to the start-up locale, falling back to the design locale.
    void LoadedLast() override;
    // Settings are written as held; no design lines. Raises EWriteError for a setting
    // whose key or text holds a line break, before anything is written.
    void FileEntries(TKeyValues& Own, TKeyValues& Design) const override;

private:
    // Switches to Id unless it is current, then fires OnLocaleSelect.
    void PickLocale(Integer Id);
    void FillAdoptOn();
    void InstallHandler(TComponent* Control, const TNotifyEvent& Handler);
    void ClearMenu(host::TMenuItem* Root);
    void ForgetHandlers();

    std::unique_ptr<TSortList> FLangList;
    Integer FCurrentLocale = 0;
    TComponent* FAdoptOn = nullptr;
    String FListFormat = "%0:s, %1:s";
    String FDesignLocale;
    String FStartupLocale;
    TNotifyEvent FOnLocaleSelect;
    // Controls given one of the pick handlers, adopted now or before; they keep the handler
    // until this translator goes.
    std::vector<TComponent*> FHandled;
};

} // namespace zantor
