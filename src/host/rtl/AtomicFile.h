// Atomic file replacement used by every writer of the system: the data goes to a temporary
// file in the same folder, is flushed to disk and renamed over the target, so an
// interrupted write never leaves a truncated file behind.
//
// Temporary files are named "." + name + ".~" + process id + "." + six random characters and
// are locked (flock) by their writer; a later write of the same file removes those whose
// writer is gone (killed during a save).
#pragma once

#include "host/rtl/Types.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

namespace host {

// Where WriteFileAtomic's producer puts the file's bytes: they pass through a fixed buffer, so
// a big file is never held in memory whole. After a failed write the rest is dropped and the
// error is raised when the producer returns.
class TFileSink {
public:
    explicit TFileSink(int Fd);
    TFileSink(const TFileSink&) = delete;
    TFileSink& operator=(const TFileSink&) = delete;
    ~TFileSink();

    void Write(std::string_view Bytes) {
        if (Bytes.size() <= Capacity - FUsed) {
            std::memcpy(FBuffer.get() + FUsed, Bytes.data(), Bytes.size());
            FUsed += Bytes.size();
        } else {
            Spill(Bytes);
        }
    }
    // Writes out what is buffered; the system's error number of the first failure, or 0.
    [[nodiscard]] int Flush();

private:
    static constexpr std::size_t Capacity = 1 << 18;
    void Spill(std::string_view Bytes);

    int FFd;
    int FError = 0;
    std::size_t FUsed = 0;
    std::unique_ptr<char[]> FBuffer;
};

// A symbolic link is followed: its target is replaced, the link stays. Raises EFCreateError
// "Cannot create file \"name\"" when the file cannot be made or replaced (missing or
// unwritable folder, a read-only file, something that is not a regular file), EWriteError
// "Cannot write file \"name\": <system reason>" when writing, flushing or renaming fails;
// the target is then untouched and no temporary file is left.
void WriteFileAtomic(std::string_view FileName, std::string_view Data);

// The same with the data handed piece by piece to a sink by Produce; an exception from Produce
// leaves the target untouched and no temporary file behind.
void WriteFileAtomic(std::string_view FileName, const std::function<void(TFileSink&)>& Produce);

// Whole file as bytes; raises EFOpenError "Cannot open file \"name\"".
[[nodiscard]] String ReadFileBytes(std::string_view FileName);

// The local file that writing FileName replaces: host separators converted, symbolic links
// followed to their final target (which need not exist yet).
String WriteTargetOf(std::string_view FileName);

} // namespace host
