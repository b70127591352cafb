#include "host/winapi/x11/VirtualDisplay.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace host::x11 {

TVirtualDisplay::TVirtualDisplay() {
    int Pipe[2];
    if (pipe(Pipe) != 0) {
        FError = std::string("Cannot make a pipe: ") + std::strerror(errno);
        return;
    }
    // Xvfb picks a free display number itself and writes it to the descriptor.
    const std::string Fd = std::to_string(Pipe[1]);
    std::vector<std::string> Args = {"Xvfb",        "-displayfd", Fd,    "-screen", "0",
                                     "1024x768x24", "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> Argv;
    for (auto& A : Args)
        Argv.push_back(A.data());
    Argv.push_back(nullptr);
    const pid_t Pid = fork();
    if (Pid == 0) {
        // The server goes with the process that started it, however that one ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(Pipe[0]);
        const int Null = open("/dev/null", O_WRONLY);
        if (Null >= 0) {
            dup2(Null, 1);
            dup2(Null, 2);
        }
        execvp("Xvfb", Argv.data());
        _exit(127);
    }
    close(Pipe[1]);
    if (Pid < 0) {
        close(Pipe[0]);
        FError = std::string("Cannot run Xvfb: ") + std::strerror(errno);
        return;
    }
    std::string Number;
    pollfd P{Pipe[0], POLLIN, 0};
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < Deadline) {
        if (poll(&P, 1, 200) <= 0) continue;
        char Buffer[16];
        const ssize_t N = read(Pipe[0], Buffer, sizeof(Buffer));
        if (N <= 0) break;
        Number.append(Buffer, std::size_t(N));
    }
    close(Pipe[0]);
    if (Number.find('\n') == std::string::npos) {
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
        FError = "Xvfb did not start (is it installed?)";
        return;
    }
    FPid = Pid;
    FName = ":" + Number.substr(0, Number.find('\n'));
}

TVirtualDisplay::~TVirtualDisplay() {
    Stop();
}

void TVirtualDisplay::Stop() {
    if (FPid <= 0) return;
    kill(FPid, SIGTERM);
    waitpid(FPid, nullptr, 0);
    FPid = -1;
}

} // namespace host::x11
