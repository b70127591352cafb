// The source parser on any bytes: it ends, raises only its parser error, delivers every byte
// of identifiers as written, and gives the stream back where it found it.
#include "expert/SourceParser.h"

#include "host/rtl/Exceptions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    host::TStringStream Stream(host::String(reinterpret_cast<const char*>(Data), Size));
    try {
        zantor::TSourceParser Parser(&Stream);
        std::size_t Steps = 0;
        while (Parser.Token != zantor::toEOF) {
            if (Parser.Token == zantor::toSymbol &&
                host::String(reinterpret_cast<const char*>(Data) + Parser.TokenPosition,
                             Parser.TokenString.size()) != Parser.TokenString)
                std::abort();
            if (++Steps > Size + 1) std::abort(); // every token consumes at least one byte
            Parser.NextToken();
        }
    } catch (const host::EParserError&) {
    }
    if (Stream.Position() != 0) std::abort();
    return 0;
}
