// Unit ZntWiz: TSourceParser, a forward-only tokenizer over program source text of both of the
// host IDE's languages (Pascal-style and C-style literals and comments). The project wizard uses
// it to find resource-string declarations; `zantor tokens` shows its tokens.
#pragma once

#include "host/classes/Streams.h"

#include <cstdint>

namespace zantor {

using host::Integer;
using host::String;
using host::TStream;

// Token kinds; any other value is a single character that starts no other token (a line feed
// is the token 10).
inline constexpr std::uint8_t toEOF = 0;
inline constexpr std::uint8_t toSymbol = 1;  // identifier, as written
inline constexpr std::uint8_t toString = 2;  // literal value: quotes removed, escapes resolved
inline constexpr std::uint8_t toInteger = 3; // decimal digits, or hex digits without the "$"
inline constexpr std::uint8_t toFloat = 4;   // the characters of the number

class TSourceParser : public host::TObject {
    ZT_CLASS(TSourceParser, host::TObject)
public:
    // Reads the stream from its position (not owned) and makes the first token current.
    // Raises EParserError "Invalid string constant on line N" for an unterminated literal.
    explicit TSourceParser(TStream* Stream);
    // Puts the stream back at the position it had when the parser was made.
    ~TSourceParser() override;
    TSourceParser(const TSourceParser&) = delete;
    TSourceParser& operator=(const TSourceParser&) = delete;

    // Moves to the next token; returns its kind (toEOF once the input is exhausted, and for
    // a NUL byte in the source).
    std::uint8_t NextToken();

    // The steps of NextToken, public as the tokenizer's building blocks.
    void ReadNextToken();     // reads one byte into CurrentChar; 0 at the end
    void SkipBlanks();        // characters 1..9 and 11..32; a line feed is a token
    bool SkipComments();      // { }, (* *) and //; true when something was consumed
    void ReadControlToken();  // "#" and decimal digits: one character of a literal
    void ReadControlTokenC(); // a backslash escape inside a double-quoted literal

    // The current token, read directly by callers after each NextToken.
    std::uint8_t Token = toSymbol;
    String TokenString;
    Integer TokenPosition = 0; // stream position of the token's first character
    Integer SourceLine = 1;    // counts the line feeds read
    std::uint8_t CurrentChar = 1;

private:
    void ReadSymbol();
    void ReadQuoted();
    void ReadDoubleQuoted();
    void ReadHex();
    void ReadNumber();
    [[noreturn]] void InvalidString() const;
    // Reads on until the current character is Stop or the input ends.
    void SkipTo(char Stop);
    // Moves the cursor back so that the byte before it is read again (the line it may have
    // ended is not counted twice).
    void Unread();

    TStream* FStream;
    Integer FStartPos;
    String FText;          // the stream's bytes from FStartPos on
    std::size_t FNext = 0; // index of the next byte to read
};

} // namespace zantor
