// Checks of translations against their design texts and their controls: Format arguments,
// accelerators, blanks and line breaks at either end, and texts wider than their control in
// the control's font, measured with the text layout the display uses.
#pragma once

#include "exchange/ProjectExchangeIntf.h"
#include "exchange/TranslatorEntries.h"

#include <vector>

namespace host {
class TPainter;
}

namespace zantor {

// The text checks of one form's entries of one locale (untranslated entries pass).
void CheckTexts(const String& Form, Integer LCID, const std::vector<TExchangeEntry>& Entries,
                std::vector<TFinding>& Out);
// The width check: entries whose component is a control showing the text (buttons, check
// boxes, radio buttons, labels, group boxes and panels) and whose translation the control's
// layout would clip. Entries need their live component.
void CheckWidths(const String& Form, Integer LCID, const std::vector<TExchangeEntry>& Entries,
                 host::TPainter& Measure, std::vector<TFinding>& Out);

// The accelerator character of a text ("&Open" gives "o"; "&&" is no accelerator), lower case
// for ASCII letters; "" when it has none. Several give the first.
[[nodiscard]] String AcceleratorOf(std::string_view Text);
[[nodiscard]] int AcceleratorCount(std::string_view Text);

} // namespace zantor
