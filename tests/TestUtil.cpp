#include "TestUtil.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <sstream>

namespace zt_test {

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        FPath = base / ("zt_test_" + std::to_string(rd()));
        if (std::filesystem::create_directory(FPath)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(FPath, ec);
}

std::string ReadAll(const std::string& FileName) {
    std::ifstream in(FileName, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& FileName, const std::string& Data) {
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out << Data;
}

pid_t StartChild(const std::function<void()>& Body) {
    pid_t Pid = ::fork();
    if (Pid != 0) return Pid;
    int Status = 0;
    try {
        Body();
    } catch (...) {
        Status = 1;
    }
    ::_exit(Status);
}

int WaitChild(pid_t Pid) {
    int Status = 0;
    while (::waitpid(Pid, &Status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFSIGNALED(Status) ? 128 + WTERMSIG(Status) : WEXITSTATUS(Status);
}

} // namespace zt_test
