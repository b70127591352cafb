// "zantor edit PROJECT UNIT TRANSLATOR [--script FILE]": opens the translator's editor form on
// the unit's form inside the design-time host, as its component editor's first command does,
// and saves the form file when the editor closes with OK.
#pragma once

#include "host/rtl/Types.h"

#include <ostream>
#include <vector>

struct TEditOptions {
    host::String ProjectFile;
    host::String Unit;
    host::String Translator;
    host::String Script;
    std::vector<host::String> Packages;
};

// Returns true when the form was changed and saved. Raises host::Exception with a message for
// the person when the project, unit, component, package or script is not right.
bool RunEdit(const TEditOptions& Options, std::ostream& Out);
