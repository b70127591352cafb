// "zantor tokens": the source parser's tokens of a file, one a line.
#pragma once

#include "host/rtl/Types.h"

#include <ostream>

// Writes "LINE:OFFSET KIND TEXT" for every token but line feeds; raises host::Exception when
// the file cannot be read or holds an unterminated literal.
void RunTokens(const host::String& FileName, std::ostream& Out);
