// Running a program of the system (the gettext tools, the XML validator, the zantor tool) from
// a test: its exit status and what it wrote.
#pragma once

#include "TestUtil.h"

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace zt_test {

struct TToolRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

inline std::string ShellQuote(const std::string& S) {
    std::string Q = "'";
    for (char C : S)
        Q += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Q + "'";
}

// CommandLine goes to the shell as it is (quote names with ShellQuote).
inline TToolRun RunTool(const std::string& CommandLine) {
    TempDir Dir;
    const std::string Err = Dir.File("stderr");
    TToolRun R;
    FILE* P = popen((CommandLine + " 2>" + ShellQuote(Err)).c_str(), "r");
    if (!P) return R;
    char Buffer[4096];
    for (std::size_t N; (N = fread(Buffer, 1, sizeof Buffer, P)) > 0;)
        R.Out.append(Buffer, N);
    const int Status = pclose(P);
    R.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    R.Err = ReadAll(Err);
    return R;
}

} // namespace zt_test
