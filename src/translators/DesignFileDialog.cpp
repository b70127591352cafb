#include "translators/DesignFileDialog.h"

#include "host/rtl/Exceptions.h"

namespace zantor {

// The host's open-file dialog is not there yet; saying so beats pretending a choice.
bool ExecuteFileNameDialog(host::String&, const host::String&, const host::String& Title) {
    throw host::EComponentError("No file dialog is available for \"" + Title + "\"");
}

} // namespace zantor
