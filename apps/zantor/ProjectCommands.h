// "zantor globalize", "zantor export" and "zantor import": the expert's project operations
// without a person in the loop. They run the loaded package's own expert code.
#pragma once

#include "host/rtl/Types.h"

#include <ostream>
#include <vector>

struct TProjectCommandOptions {
    host::String ProjectFile;
    std::vector<host::String> Packages;
    std::vector<int> Locales;

    // globalize
    bool Forms = false;
    bool ScanForms = false;
    bool Resources = false;
    bool CommonDialogs = false;
    bool IncludeEmpty = false;
    bool StoreInForm = false;
    host::String StoreInFile;
    int SplitKb = 500;
    host::String MainForm;

    // export and import
    host::String Dictionary;
    host::String Properties;
    int Locale = 0;
    host::String PoDir;                   // export --po
    std::vector<host::String> PoFiles;    // import --po
    host::String XliffDir;                // export --xliff
    std::vector<host::String> XliffFiles; // import --xliff
};

// Each raises host::Exception (or std::runtime_error) with a message for the person.
// Progress, when Progress is not null, goes there as "unit i of n: file" lines.
void RunGlobalize(const TProjectCommandOptions& Options, std::ostream* Progress);
void RunExport(const TProjectCommandOptions& Options, std::ostream* Progress);
void RunImport(const TProjectCommandOptions& Options, std::ostream* Progress);
