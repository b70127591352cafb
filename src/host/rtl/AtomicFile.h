// Atomic file replacement used by every writer of the system: the data goes to a temporary
// file in the same folder, is flushed to disk and renamed over the target, so an
// interrupted write never leaves a truncated file behind.
//
// Temporary files are named "." + name + ".~" + process id + "." + six random characters and
// are locked (flock) by their writer; a later write of the same file removes those whose
// writer is gone (killed during a save).
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

// A symbolic link is followed: its target is replaced, the link stays. Raises EFCreateError
// "Cannot create file \"name\"" when the file cannot be made or replaced (missing or
// unwritable folder, a read-only file, something that is not a regular file), EWriteError
// "Cannot write file \"name\": <system reason>" when writing, flushing or renaming fails;
// the target is then untouched and no temporary file is left.
void WriteFileAtomic(std::string_view FileName, std::string_view Data);

// Whole file as bytes; raises EFOpenError "Cannot open file \"name\"".
[[nodiscard]] String ReadFileBytes(std::string_view FileName);

// The local file that writing FileName replaces: host separators converted, symbolic links
// followed to their final target (which need not exist yet).
String WriteTargetOf(std::string_view FileName);

} // namespace host
