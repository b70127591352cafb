// What the demo prints after each language pick: the translated texts of a form, the resource
// strings as loaded, and the run-time library's formatting of fixed values.
#pragma once

#include "host/controls/Forms.h"
#include "host/controls/Menus.h"

#include <ostream>

// The entry of an adopted language menu standing for LCID; nullptr when it is not offered.
host::TMenuItem* LanguageEntry(host::TMenuItem* Menu, host::Integer LCID);

// The entries of an adopted language menu, the checked one marked with "*".
void PrintLanguageMenu(std::ostream& Out, host::TMenuItem* Menu);

// Form caption, then every component's caption that is not empty and the lines of every memo that
// is not read-only, by name.
void PrintFormTexts(std::ostream& Out, host::TForm* Form);

// The demo's resource strings and the host's "&Yes" button text, loaded through LoadResString.
void PrintResourceStrings(std::ostream& Out);

// A fixed date, time, number and amount of money, formatted with the current settings.
void PrintFormats(std::ostream& Out);
