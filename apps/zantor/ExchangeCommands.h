// "zantor export --po/--xliff", "zantor import --po/--xliff": the project's translations in
// the files the tools translators use, through the loaded package's exchange code.
#pragma once

#include "ProjectCommands.h"

#include <ostream>

// Each raises host::Exception (or std::runtime_error) with a message for the person; what was
// written or taken goes to Out, progress (when not null) to Progress.
// Portable-object files when PoDir (PoFiles) is given, else XLIFF.
void RunExportFiles(const TProjectCommandOptions& Options, std::ostream& Out,
                    std::ostream* Progress);
void RunImportFiles(const TProjectCommandOptions& Options, std::ostream& Out,
                    std::ostream* Progress);
