// Atomic file replacement used by every writer of the system: the data goes to a temporary
// file in the same folder, is flushed to disk and renamed over the target, so an
// interrupted write never leaves a truncated file behind.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

// Raises EFCreateError "Cannot create file \"name\"" when the temporary file cannot be made,
// EWriteError "Stream write error" when writing or renaming fails; the target is untouched.
void WriteFileAtomic(std::string_view FileName, std::string_view Data);

// Whole file as bytes; raises EFOpenError "Cannot open file \"name\"".
String ReadFileBytes(std::string_view FileName);

} // namespace host
