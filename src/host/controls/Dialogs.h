// Dialogs: the standard ways to tell the person something or ask for a value. Each one
// waits for the person, so each goes through the current UI driver.
#pragma once

#include "host/controls/UiDriver.h"

namespace host {

// A message with an OK button, titled with the application's title.
void ShowMessage(const String& Msg);
// A message with the icon and title of its type and the given buttons; returns the modal
// result of the button chosen. HelpCtx is accepted for compatibility and not used.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx = 0);
// Asks for a value; true with Value changed when confirmed, false with Value unchanged.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);
// Asks for a value; ADefault when cancelled.
String InputBox(const String& ACaption, const String& APrompt, const String& ADefault);

} // namespace host
