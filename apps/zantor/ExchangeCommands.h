// "zantor export --po", "zantor import --po": the project's translations in the files the
// tools translators use, through the loaded package's exchange code.
#pragma once

#include "ProjectCommands.h"

#include <ostream>

// Each raises host::Exception (or std::runtime_error) with a message for the person; what was
// written or taken goes to Out, progress (when not null) to Progress.
void RunExportPo(const TProjectCommandOptions& Options, std::ostream& Out, std::ostream* Progress);
void RunImportPo(const TProjectCommandOptions& Options, std::ostream& Out, std::ostream* Progress);
