// What the common dialogs list from the system: the files and folders of a folder, the
// installed font families and the printers.
#pragma once

#include "host/rtl/Types.h"

#include <vector>

namespace host {

// True when Name matches one of the masks separated by ";" ("*.txt;*.text"); "*" and "?" are
// wildcards, case is ignored, and "*.*" matches every name.
bool MatchesFileMasks(const String& Name, const String& Masks);
// The names of the regular files of Folder that match Masks, sorted; none for a folder that
// cannot be read.
std::vector<String> ListFiles(const String& Folder, const String& Masks);
// "..", then the names of the sub-folders of Folder in brackets ("[src]"), sorted.
std::vector<String> ListFolders(const String& Folder);
// The font families fontconfig knows, sorted and unique; none when it cannot be asked.
std::vector<String> ListFontFamilies();
// The printers the print system offers; none is a valid answer.
std::vector<String> ListPrinters();

} // namespace host
