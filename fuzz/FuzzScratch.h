// A file for a fuzz target to write and read back, in a folder of its own on a memory-backed
// file system when the machine has one: flushing it to disk would cost more than the run.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string FuzzScratchFile(const std::string& Name) {
    static const std::filesystem::path Folder = [] {
        std::filesystem::path Base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::filesystem::path F = Base / ("zt_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(F);
        std::atexit([] {
            std::error_code Ignored;
            std::filesystem::remove_all(Folder, Ignored);
        });
        return F;
    }();
    return (Folder / Name).string();
}
