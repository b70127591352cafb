// "zantor wizard": the package's project wizard, run through the design-time host's menu entry
// as the person would, with what the person does read from a script file.
#pragma once

#include "host/rtl/Types.h"

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <vector>

struct TWizardOptions {
    host::String ProjectFile;
    host::String ScriptFile;
    std::vector<host::String> Packages;
    CLI::App* Command = nullptr;
};

void AddWizardCommand(CLI::App& App, TWizardOptions& Options);
// Runs the wizard when the command line chose it (false otherwise). Raises with a message for
// the person when the script cannot be read, does not match what the wizard shows, or the work
// fails.
bool RunWizardCommand(TWizardOptions& Options, const host::String& DefaultPackage);
