// File-name helpers; both "\" and "/" count as folder separators.
#pragma once

#include "host/rtl/Types.h"

#include <string_view>

namespace host {

bool IsPathDelimiter(char C);
// Folder part including its final separator ("" when there is none); a leading drive "C:"
// counts as a folder part.
String ExtractFilePath(std::string_view FileName);
// Folder part without the final separator.
String ExtractFileDir(std::string_view FileName);
String ExtractFileName(std::string_view FileName);
// Extension including its dot, "" when the name part has none.
String ExtractFileExt(std::string_view FileName);
// Replaces (or appends) the extension; Ext includes its dot or is "".
String ChangeFileExt(std::string_view FileName, std::string_view Ext);
// Appends "/" (or a backslash when the path uses only backslashes); "" stays "", still relative.
String IncludeTrailingPathDelimiter(std::string_view Path);
// Host file name ("\" separators allowed) turned into one the local system opens.
String LocalFileName(std::string_view FileName);

// True only for regular files (a folder is not a file).
bool FileExists(std::string_view FileName);
bool DirectoryExists(std::string_view Dir);
// Deletes a regular file; false when it is missing, a folder or cannot be removed.
bool DeleteFile(std::string_view FileName);
// The running program's file name.
String ParamStr0();

} // namespace host
