// The process's exit procedure: a chain of procedures that run when the program ends. A unit
// installs its own by keeping the current one and putting back what it kept when it runs.
#pragma once

namespace host {

using TExitProcedure = void (*)();

// The procedure that runs at exit; null when none is installed.
extern TExitProcedure ExitProc;

// Runs the chain now: takes ExitProc, clears it and calls it, as long as one is installed.
// Runs by itself when the process ends.
void RunExitProcs();

} // namespace host
