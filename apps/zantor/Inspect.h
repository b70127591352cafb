// "zantor inspect": the palette, a unit's components, or a component's Object Inspector rows
// of a project, as the design-time host sees them with its packages loaded.
#pragma once

#include "host/rtl/Types.h"

#include <ostream>
#include <vector>

struct TInspectOptions {
    host::String ProjectFile;
    host::String Unit;      // "" : the palette and the units
    host::String Component; // "" : the unit's components
    std::vector<host::String> Packages;
};

// Writes the listing to Out; raises host::Exception (package, project, reading errors, or an
// unknown unit or component).
void RunInspect(const TInspectOptions& Options, std::ostream& Out);
