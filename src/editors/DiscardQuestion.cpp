#include "editors/DiscardQuestion.h"

#include "host/controls/Dialogs.h"

namespace zantor {

host::TModalResult CancelResult(bool Modified) {
    if (Modified && host::MessageDlg("Do you want to discard the changes ?", host::mtWarning,
                                     {host::mbYes, host::mbNo}) != host::mrYes)
        return host::mrNone;
    return host::mrCancel;
}

} // namespace zantor
