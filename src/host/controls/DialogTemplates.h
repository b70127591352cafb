// The templates of the platform's common dialogs: captions, sizes and child controls with the
// identifiers, classes and English texts the platform gives them.
#pragma once

#include "host/controls/CommonDialogWindow.h"

namespace host {

const TDialogTemplate& OpenDialogTemplate();
const TDialogTemplate& SaveDialogTemplate();
const TDialogTemplate& FontDialogTemplate();
const TDialogTemplate& ColorDialogTemplate();
const TDialogTemplate& PrintDialogTemplate();
const TDialogTemplate& PrinterSetupDialogTemplate();
const TDialogTemplate& FindDialogTemplate();
const TDialogTemplate& ReplaceDialogTemplate();

} // namespace host
