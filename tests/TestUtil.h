// Shared test helpers: exception class and message checked together, temporary folders and
// files, the locale environment, form text as the host writes it.
#pragma once

#include <gtest/gtest.h>

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Asserts that Stmt raises exactly ExcType (or a descendant) whose Message() is Msg.
#define EXPECT_THROW_MSG(Stmt, ExcType, Msg)                                                       \
    do {                                                                                           \
        try {                                                                                      \
            (void)(Stmt);                                                                          \
            ADD_FAILURE() << "expected " #ExcType " from: " #Stmt;                                 \
        } catch (const ExcType& e_) {                                                              \
            EXPECT_EQ(std::string(e_.Message()), std::string(Msg));                                \
        } catch (const std::exception& e_) {                                                       \
            ADD_FAILURE() << "expected " #ExcType ", got another exception: " << e_.what();        \
        }                                                                                          \
    } while (0)

namespace zt_test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return FPath; }
    std::string File(const std::string& Name) const { return (FPath / Name).string(); }

private:
    std::filesystem::path FPath;
};

std::string ReadAll(const std::string& FileName);
void WriteAll(const std::string& FileName, const std::string& Data);

// Runs Body in a forked child process, which ends with _exit: status 0 when Body returns,
// 1 when it raises. Body must not use the test framework's assertions.
pid_t StartChild(const std::function<void()>& Body);
// Waits for a child of StartChild; its exit status, or 128 + the signal that ended it.
int WaitChild(pid_t Pid);

// Form text as the host's writer prints it: Text with its line ends made CR LF.
std::string HostText(std::string_view Text);

// Clears the locale variables (LC_ALL, LC_TIME, LANG) for the test and puts the old values back.
class TEnvGuard {
public:
    TEnvGuard();
    ~TEnvGuard();
    TEnvGuard(const TEnvGuard&) = delete;
    TEnvGuard& operator=(const TEnvGuard&) = delete;
    void Set(const char* Name, const char* Value);
    // LC_ALL := Name (the user's default locale), LANG := Name unless System is given.
    void SetUserLocale(const char* Name, const char* System = nullptr);

private:
    std::vector<std::optional<std::string>> FSaved;
};

} // namespace zt_test
