// The translatable entries of the translators on one form, as exchange files carry them: the
// design text and translation (UTF-8), a context that names the entry in the translators'
// own files, and the component it belongs to; and translations taken back.
#pragma once

#include "host/rtl/Types.h"
#include "translators/TranslatorFrame.h"

#include <vector>

namespace host {
class TComponent;
}

namespace zantor {

using host::Integer;
using host::String;

struct TExchangeEntry {
    // The translator's file head, "." and the entry's key (property path, dialog property);
    // the head alone for resource strings and message-box button captions, which the design
    // text names.
    String Context;
    String Source;      // design text
    String Translation; // "" when untranslated
    String Reference;   // "Form.Component", or "Form" for the form and its resource strings
    bool Text = true;   // false: a number or identifier the property takes unconverted
    // The component the key addresses and the property path below it (Component null for
    // the dialog and resource translators).
    host::TComponent* Component = nullptr;
    String Property;
};

// One translator's entries; Raw holds what the translator needs to take a translation back,
// in the same order as Entries.
struct TTranslatorEntries {
    TTranslatorFrame* Translator = nullptr;
    std::vector<TDictionaryEntry> Raw;
    std::vector<TExchangeEntry> Entries;
};

// The translators with texts (form, resource-string, common-dialog and button kinds) on Root,
// of locale LCID, in component order.
[[nodiscard]] std::vector<TTranslatorFrame*> TextTranslators(host::TComponent* Root, Integer LCID);
// The non-zero locales of those translators on Root, ascending.
[[nodiscard]] std::vector<Integer> TranslatorLocales(host::TComponent* Root);

// The entries of T whose design text is not empty. Texts are converted from the process's
// code page to UTF-8.
[[nodiscard]] TTranslatorEntries ReadEntries(TTranslatorFrame* T);

// Sets the translation (UTF-8) of entry I of E; false when it already was that text.
bool TakeTranslation(TTranslatorEntries& E, std::size_t I, const String& Translation);

// The name a form goes by in files: its Name, or its class name without the first letter.
[[nodiscard]] String FormNameOf(const host::TComponent* Root);

} // namespace zantor
