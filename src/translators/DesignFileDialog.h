// The open-file dialog of the translators' file-name property editors.
#pragma once

#include "host/rtl/Types.h"

namespace zantor {

// Asks the person for a file (default extension "txt"), starting from FileName. True with
// FileName set to the chosen full file name when confirmed; false with FileName unchanged.
bool ExecuteFileNameDialog(host::String& FileName, const host::String& Filter,
                           const host::String& Title);

} // namespace zantor
