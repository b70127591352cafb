#include "TestUtil.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace zt_test {

namespace {
constexpr const char* LocaleVariables[] = {"LC_ALL", "LC_TIME", "LANG"};
}

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

std::string HostText(std::string_view Text) {
    std::string S;
    S.reserve(Text.size());
    for (char C : Text) {
        if (C == '\n') S += '\r';
        S += C;
    }
    return S;
}

TEnvGuard::TEnvGuard() {
    for (const char* Name : LocaleVariables) {
        const char* Value = std::getenv(Name);
        FSaved.push_back(Value ? std::optional<std::string>(Value) : std::nullopt);
        unsetenv(Name);
    }
}

TEnvGuard::~TEnvGuard() {
    for (std::size_t I = 0; I < FSaved.size(); ++I) {
        if (FSaved[I])
            setenv(LocaleVariables[I], FSaved[I]->c_str(), 1);
        else
            unsetenv(LocaleVariables[I]);
    }
}

void TEnvGuard::Set(const char* Name, const char* Value) {
    setenv(Name, Value, 1);
}

void TEnvGuard::SetUserLocale(const char* Name, const char* System) {
    setenv("LC_ALL", Name, 1);
    unsetenv("LC_TIME");
    setenv("LANG", System ? System : Name, 1);
}

} // namespace zt_test
