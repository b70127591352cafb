// Dialogs: the standard ways to tell the person something or ask for a value. Each one
// waits for the person, so each goes through the current UI driver.
#pragma once

#include "host/controls/UiDriver.h"

namespace host {

class TForm;

// A message with an OK button, titled with the application's title.
void ShowMessage(const String& Msg);
// A message with the icon and title of its type and the given buttons, shown as the form of
// CreateMessageDialog (only asked of the UI driver when there is no application object);
// returns the modal result of the button chosen. HelpCtx is accepted and not used.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx = 0);
// The form of a message dialog, owned by the application: its title (the host's text for the
// type, the application's title for mtCustom), an icon, the message in a label named "Message"
// and one TButton per button, named "Yes", "No", "OK" ... and captioned with the host's
// resource strings (SMsgDlgYes ...), each ending the dialog with its modal result. Raises
// EInvalidOperation when there is no application object.
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
// Shows a form made by CreateMessageDialog (activating it) and lets the UI driver answer.
TModalResult ShowMessageDialog(TForm& Form, const String& Msg, TMsgDlgType DlgType,
                               TMsgDlgButtons Buttons);
// Asks for a value; true with Value changed when confirmed, false with Value unchanged.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);
// Asks for a value; ADefault when cancelled.
String InputBox(const String& ACaption, const String& APrompt, const String& ADefault);

} // namespace host
