// The choices the project operations read: what the wizard's pages collect, as plain values,
// so that the wizard, the command-line tool and the tests fill the same record.
#pragma once

#include "host/rtl/PlatformTypes.h"
#include "host/rtl/Types.h"

#include <vector>

namespace zantor {

using host::Integer;
using host::String;

// A locale offered in a list: its display text and identifier.
struct TLocaleItem {
    String Text;
    Integer LCID = 0;
};

// A module whose resource strings are to be translated: a loaded module (its resource instance
// handle) or a unit of the project (its index in the project, Handle null).
struct TModuleItem {
    String Name;
    host::HINSTANCE Handle = nullptr;
    int UnitIndex = -1;
    bool IsUnit() const { return UnitIndex >= 0; }
};

// What an export writes and an import reads.
enum class TExchangeKind {
    Dictionary, // two columns, source text and translation
    Properties  // a translation file, one property path per line
};

// The common property paths the form scan keeps, as the wizard offers them first.
inline std::vector<String> DefaultCommonProps() {
    return {"Caption",
            "Caption[*]",
            "Captions[*]",
            "Columns.Items[*].Title",
            "DisplayLabel",
            "FileName",
            "Hint",
            "Hints[*]",
            "Items[*]",
            "Lines[*]",
            "Pages[*]",
            "Panels.Items[*].Text",
            "SystemMenuClose",
            "SystemMenuMaximize",
            "SystemMenuMinimize",
            "SystemMenuMove",
            "SystemMenuNextWindow",
            "SystemMenuPrevWindow",
            "SystemMenuRestore",
            "SystemMenuSize",
            "SystemMenuTaskList",
            "Tabs[*]",
            "Text"};
}

struct TProjectSettings {
    // Globalize.
    std::vector<TLocaleItem> Locales; // the design locale and the ones to add
    bool Forms = true;
    bool ScanForms = true;
    bool Resources = true;
    bool CommonDialogs = false;
    bool IncludeEmpty = false; // scan: enter properties whose design text is empty too
    bool StoreInForm = true;   // false: in the external file FormStorage
    String FormStorage;
    String Split = "500"; // kilobytes, as typed (not a number: EConvertError)
    String MainForm;      // file name of the form that offers the language switch
    std::vector<String> CommonProps = DefaultCommonProps();
    std::vector<TModuleItem> ModulesInApp;

    // Export.
    std::vector<TLocaleItem> ExportLocales;
    String ExportFile;
    TExchangeKind ExportKind = TExchangeKind::Dictionary;

    // Import. ImportLocale 0 gives the file to every translator; another value only to the
    // translators of that locale (a dictionary holds one language).
    String ImportFile;
    TExchangeKind ImportKind = TExchangeKind::Dictionary;
    Integer ImportLocale = 0;
    // Save each module after importing into it (the wizard leaves that to the person; a tool
    // run without one must not lose the work).
    bool SaveImported = false;
};

} // namespace zantor
