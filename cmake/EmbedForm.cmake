# Writes OUTPUT: a header with the bytes of INPUT as a string view named SYMBOL.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE ${OUTPUT} "#pragma once\n#include <string_view>\ninline constexpr char ${SYMBOL}_data[] = {${bytes} 0};\ninline constexpr std::string_view ${SYMBOL}{${SYMBOL}_data, sizeof(${SYMBOL}_data) - 1};\n")
