#include "translators/DesignFileDialog.h"

#include "host/controls/CommonDialogs.h"
#include "host/ide/Project.h"
#include "host/rtl/FileNames.h"

namespace zantor {

bool ExecuteFileNameDialog(host::String& FileName, const host::String& Filter,
                           const host::String& Title) {
    auto* Dialog = new host::TOpenDialog(nullptr);
    try {
        Dialog->SetDefaultExt("txt");
        Dialog->SetFileName(FileName);
        Dialog->SetFilter(Filter);
        Dialog->SetTitle(Title);
        bool Chosen = Dialog->Execute();
        // The full path, so that the file is written there whatever the current folder.
        if (Chosen) FileName = host::ExpandFileName(host::String(), Dialog->FileName());
        Dialog->Free();
        return Chosen;
    } catch (...) {
        Dialog->Free();
        throw;
    }
}

} // namespace zantor
