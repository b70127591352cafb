// What an editor's Cancel button does with unsaved changes: asks whether to discard them.
#pragma once

#include "host/controls/Controls.h"

namespace zantor {

// mrCancel, or mrNone (the editor stays open) when there are changes and the person does not
// want them discarded.
[[nodiscard]] host::TModalResult CancelResult(bool Modified);

} // namespace zantor
