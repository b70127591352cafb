// The application's message loop on a display: one message at a time with the dialog keys of
// forms (Tab, Enter, Escape, Alt+letter) taken first, and the loop that runs until the
// application ends.
#pragma once

namespace host {

// Takes the next message (waiting for it on a display) and handles it; false when the loop is
// to end (WM_QUIT, nothing more can come headless, or the application terminated).
bool HandleMessage();
// Shows the main form and handles messages until the application is terminated.
void RunApplication();

} // namespace host
