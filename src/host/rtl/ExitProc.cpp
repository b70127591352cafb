#include "host/rtl/ExitProc.h"

namespace host {

TExitProcedure ExitProc = nullptr;

namespace {

struct TRunAtExit {
    ~TRunAtExit() { RunExitProcs(); }
} RunAtExit;

} // namespace

void RunExitProcs() {
    // Each procedure puts back the one it replaced, so the loop walks the whole chain.
    while (TExitProcedure Proc = ExitProc) {
        ExitProc = nullptr;
        Proc();
    }
}

} // namespace host
