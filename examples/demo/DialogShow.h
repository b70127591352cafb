// What the demo shows of the dialogs after each language pick: an Open dialog and a
// confirmation message dialog, as the person sees them.
#pragma once

#include "host/controls/Forms.h"

#include <ostream>

// Shows the form's OpenDialog1 and a Yes/No/Cancel confirmation through a scripted person who
// reads every label and cancels, and prints the texts as they were shown.
void ShowDialogs(std::ostream& Out, host::TForm* Form);
