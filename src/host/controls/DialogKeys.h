// The keys that move around a form rather than into a control: Tab and Shift+Tab through the
// tab order, Enter for the default button, Escape for the cancel button, Alt+letter for the
// control whose caption underlines that letter.
#pragma once

#include "host/winapi/Messages.h"

namespace host {

class TWinControl;

// Handles Msg when it is such a key for the form of its window; true when it did.
bool IsDialogKey(const MSG& Msg);
// The next (or previous) control in tab order of the form after From; null when none.
TWinControl* FindNextTabControl(TWinControl& Form, TWinControl* From, bool Forward);

} // namespace host
