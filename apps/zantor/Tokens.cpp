#include "Tokens.h"

#include "expert/SourceParser.h"
#include "host/classes/Streams.h"

#include <cstdio>

namespace {

// Texts quoted so that blanks, quotes and control characters stay visible.
std::string Quoted(const host::String& S) {
    std::string Out = "\"";
    for (unsigned char C : S) {
        if (C == '"' || C == '\\') {
            Out += '\\';
            Out += static_cast<char>(C);
        } else if (C < 32 || C == 127) {
            char Code[8];
            std::snprintf(Code, sizeof Code, "\\x%02X", C);
            Out += Code;
        } else {
            Out += static_cast<char>(C);
        }
    }
    return Out + "\"";
}

} // namespace

void RunTokens(const host::String& FileName, std::ostream& Out) {
    host::TFileStream Stream(FileName, host::fmOpenRead);
    zantor::TSourceParser Parser(&Stream);
    for (; Parser.Token != zantor::toEOF; Parser.NextToken()) {
        if (Parser.Token == 10) continue;
        Out << Parser.SourceLine << ':' << Parser.TokenPosition << ' ';
        switch (Parser.Token) {
        case zantor::toSymbol:
            Out << "symbol " << Parser.TokenString;
            break;
        case zantor::toString:
            Out << "string " << Quoted(Parser.TokenString);
            break;
        case zantor::toInteger:
            Out << "integer " << Parser.TokenString;
            break;
        case zantor::toFloat:
            Out << "float " << Parser.TokenString;
            break;
        default:
            Out << "char " << Quoted(host::String(1, static_cast<char>(Parser.Token)));
        }
        Out << '\n';
    }
}
