// Unit Zbt: TButtonTranslator, the translator of the buttons of message dialogs (and of any
// form the application owns). A thread CBT hook sees a form being activated; each TButton the
// form owns whose text is the original of a Captions line "Yes|Ja" takes the translation, the
// translator's Font, and the form takes Title.
#pragma once

#include "host/controls/Graphics.h"
#include "translators/ButtonCaptions.h"
#include "translators/TranslatorFrame.h"

#include <memory>

namespace host {
class TCustomForm;
}

namespace zantor {

class TButtonTranslator;

// The installed CBT hook (null when none is) and the instance it applies: the most recently
// made one that is switched on, null when none is.
extern host::HHOOK CBTHook;
extern TButtonTranslator* btInstance;

class TButtonTranslator : public TTranslatorFrame {
    ZT_CLASS(TButtonTranslator, TTranslatorFrame)
public:
    // Switched on (installing the hook outside the design state); Font is a copy of the
    // owner's font when the owner is a control, else the default font.
    explicit TButtonTranslator(TComponent* AOwner);
    // Switches off; the hook goes with the last instance that is on.
    ~TButtonTranslator() override;

    TStrings* Captions() const { return FCaptions.get(); }
    void SetCaptions(TStrings* Value);
    const String& Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }
    host::TFont* Font() const { return FFont.get(); }
    void SetFont(host::TFont* Value) { FFont->Assign(Value); }
    TLangName Language() const { return FLanguage; }
    // Writes the built-in captions of Value (again, also when unchanged), converted from the
    // row's code page to the process's; lnUser writes nothing.
    void SetLanguage(TLangName Value);
    // Writes the eleven lines "<host text of key i>|Args[i]" (first line of the key replaced,
    // else appended). Raises EConvertError unless exactly eleven texts are given.
    void ReplaceCaptions(const std::vector<String>& Args);

    void InternalTranslate(bool Value) override;
    // Translates the buttons Form owns (see the header comment), between OnTranslate (whose
    // Skip leaves the form alone) and OnTranslated.
    void TranslateForm(host::TCustomForm* Form);

    // The caption file is a dictionary file: one line per caption, nothing merged.
    void SaveTo(const String& AFileName) override;
    [[nodiscard]] bool LoadFrom(const String& AFileName) override;

protected:
    String KindPrefix() const override { return "#4"; }
    String AboutText() const override { return "Button Translator 2.1"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::OneLocaleOnly; }
    void ReadStorage(TReader* Reader) override;
    void WriteStorage(TWriter* Writer) override;
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override;
    void ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                    const String& Translation) override;

private:
    std::unique_ptr<TStringList> FCaptions;
    String FTitle;
    std::unique_ptr<host::TFont> FFont;
    TLangName FLanguage = lnUser;
    bool FCounted = false; // counted among the instances that want the hook
};

// For tests: removes the hook and forgets every instance's claim on it.
void ResetButtonHookUnit();

} // namespace zantor
