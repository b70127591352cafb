// "zantor stats", "zantor check" and "zantor pseudo": how complete and how sound a project's
// translations are, and a pseudo-locale that shows what translation would do to its forms.
#pragma once

#include "host/rtl/Types.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <vector>

struct TQualityOptions {
    host::String ProjectFile;
    std::vector<host::String> Packages;
    std::vector<int> Locales;
    bool Json = false;
    bool NoWidth = false;
    int Locale = 0;
    int Expand = 30;
};

struct TQualityCommands {
    TQualityOptions Stats, Check, Pseudo;
    CLI::App* StatsCmd = nullptr;
    CLI::App* CheckCmd = nullptr;
    CLI::App* PseudoCmd = nullptr;
};

// Exit status of "check" when an error-level finding exists.
inline constexpr int ExitFindings = 3;

void AddQualityCommands(CLI::App& App, TQualityCommands& C);
// Runs the command of C that the command line chose; false when it chose none of them.
// Status is the exit status. Raises with a message for the person when the work fails.
bool RunQualityCommands(TQualityCommands& C, const host::String& DefaultPackage, std::ostream& Out,
                        std::ostream* Progress, int& Status);
