#include "expert/SourceParser.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/Format.h"
#include "host/typinfo/ClassBuilder.h"
#include "translators/Literals.h"

#include <array>

namespace zantor {

namespace {

enum TCharClass : std::uint8_t { ccOther = 0, ccIdent = 1, ccDigit = 2, ccHex = 4, ccNumber = 8 };

constexpr std::array<std::uint8_t, 256> MakeClasses() {
    std::array<std::uint8_t, 256> C{};
    for (int Ch = 'A'; Ch <= 'Z'; ++Ch)
        C[Ch] |= ccIdent;
    for (int Ch = 'a'; Ch <= 'z'; ++Ch)
        C[Ch] |= ccIdent;
    C['_'] |= ccIdent;
    for (int Ch = '0'; Ch <= '9'; ++Ch)
        C[Ch] |= ccIdent | ccDigit | ccHex | ccNumber;
    for (int Ch = 'A'; Ch <= 'F'; ++Ch)
        C[Ch] |= ccHex;
    for (int Ch = 'a'; Ch <= 'f'; ++Ch)
        C[Ch] |= ccHex;
    for (char Ch : {'+', '-', '.', 'E', 'e'})
        C[static_cast<unsigned char>(Ch)] |= ccNumber;
    return C;
}

constexpr std::array<std::uint8_t, 256> Classes = MakeClasses();

bool Is(std::uint8_t Ch, TCharClass Class) {
    return (Classes[Ch] & Class) != 0;
}

bool IsBlank(std::uint8_t Ch) {
    return (Ch >= 1 && Ch <= 9) || (Ch >= 11 && Ch <= 32);
}

// Characters that a literal takes as they are: no end, escape, line end or NUL.
bool IsPlainQuoted(std::uint8_t Ch) {
    return Ch != '\'' && Ch != '\r' && Ch != '\n' && Ch != 0;
}
bool IsPlainDoubleQuoted(std::uint8_t Ch) {
    return Ch != '"' && Ch != '\\' && Ch != '\r' && Ch != '\n' && Ch != 0;
}

} // namespace

host::TClass TSourceParser::StaticClass() {
    static const host::TClassInfo Info = host::TClassBuilder<TSourceParser>("TSourceParser");
    return &Info;
}

TSourceParser::TSourceParser(TStream* Stream)
    : FStream(Stream), FStartPos(static_cast<Integer>(Stream->Position())) {
    // A read error counts as the end of the input.
    try {
        FText = FStream->ReadAll();
    } catch (const host::EStreamError&) {
    }
    try {
        NextToken();
    } catch (...) {
        FStream->SetPosition(FStartPos);
        throw;
    }
}

TSourceParser::~TSourceParser() {
    FStream->SetPosition(FStartPos);
}

// Every byte is delivered, the last one included.
void TSourceParser::ReadNextToken() {
    if (Token == toEOF) return;
    if (FNext >= FText.size()) {
        CurrentChar = 0;
        return;
    }
    CurrentChar = static_cast<std::uint8_t>(FText[FNext++]);
    if (CurrentChar == '\n') ++SourceLine;
}

void TSourceParser::Unread() {
    --FNext;
    if (FText[FNext] == '\n') --SourceLine;
}

// Comments are long runs: the end is found in the buffer, counting the line feeds passed.
void TSourceParser::SkipTo(char Stop) {
    if (CurrentChar == 0 || CurrentChar == static_cast<std::uint8_t>(Stop)) return;
    const std::size_t End = FText.find(Stop, FNext);
    const std::size_t Last = End == String::npos ? FText.size() : End;
    for (std::size_t i = FNext; i < Last; ++i)
        if (FText[i] == '\n') ++SourceLine;
    FNext = Last;
    ReadNextToken();
}

// A run of blanks holds no line feed: it is passed in the buffer in one piece.
void TSourceParser::SkipBlanks() {
    if (!IsBlank(CurrentChar)) return;
    std::size_t End = FNext;
    while (End < FText.size() && IsBlank(static_cast<std::uint8_t>(FText[End])))
        ++End;
    FNext = End;
    ReadNextToken();
}

bool TSourceParser::SkipComments() {
    switch (CurrentChar) {
    case '{':
        SkipTo('}');
        return true;
    case '(':
        ReadNextToken();
        if (CurrentChar != '*') return true;
        for (;;) {
            ReadNextToken();
            if (CurrentChar == 0) return true;
            while (CurrentChar == '*') {
                ReadNextToken();
                if (CurrentChar == ')' || CurrentChar == 0) return true;
            }
        }
    case '/':
        ReadNextToken();
        if (CurrentChar != '/') return true;
        SkipTo('\n');
        return true;
    default:
        return false;
    }
}

std::uint8_t TSourceParser::NextToken() {
    TokenString.clear();
    SkipBlanks();
    while (SkipComments()) {
    }
    TokenPosition = FStartPos + static_cast<Integer>(FNext) - 1;
    const std::uint8_t Ch = CurrentChar;
    if (Is(Ch, ccIdent) && !Is(Ch, ccDigit)) {
        ReadSymbol();
    } else if (Ch == '\'') {
        ReadQuoted();
    } else if (Ch == '#') {
        ReadControlToken();
    } else if (Ch == '"') {
        ReadDoubleQuoted();
    } else if (Ch == '$') {
        ReadHex();
    } else if (Ch == '-' || Is(Ch, ccDigit)) {
        ReadNumber();
    } else {
        Token = Ch;
        ReadNextToken();
    }
    return Token;
}

// Identifiers hold no line feed: the run is taken from the buffer in one piece.
void TSourceParser::ReadSymbol() {
    const std::size_t Start = FNext - 1;
    std::size_t End = FNext;
    while (End < FText.size() && Is(static_cast<std::uint8_t>(FText[End]), ccIdent))
        ++End;
    TokenString.assign(FText, Start, End - Start);
    FNext = End;
    ReadNextToken();
    Token = toSymbol;
}

// A doubled quote ends the literal: 'it''s' is the two tokens it and s.
void TSourceParser::ReadQuoted() {
    // The usual literal is one run up to its closing quote, taken from the buffer at once.
    std::size_t End = FNext;
    while (End < FText.size() && IsPlainQuoted(static_cast<std::uint8_t>(FText[End])))
        ++End;
    if (End < FText.size() && FText[End] == '\'') {
        TokenString.assign(FText, FNext, End - FNext);
        FNext = End + 1;
        ReadNextToken();
        Token = toString;
        return;
    }
    // Otherwise byte by byte, so that the error tells the line where the literal broke.
    ReadNextToken();
    while (CurrentChar != '\'') {
        if (CurrentChar == 0 || CurrentChar == '\r' || CurrentChar == '\n') InvalidString();
        TokenString.push_back(static_cast<char>(CurrentChar));
        ReadNextToken();
    }
    ReadNextToken();
    Token = toString;
}

// "#" and decimal digits give one character (low 8 bits of the number); "#" without a digit
// is the text "#" itself. The byte after the token is the next current character either way.
void TSourceParser::ReadControlToken() {
    ReadNextToken();
    if (!Is(CurrentChar, ccDigit)) {
        TokenString = "#";
        Token = toString;
        return;
    }
    unsigned Value = 0;
    while (Is(CurrentChar, ccDigit)) {
        Value = (Value * 10 + (CurrentChar - '0')) & 0xFFu;
        ReadNextToken();
    }
    TokenString.assign(1, static_cast<char>(Value));
    Token = toString;
}

void TSourceParser::ReadControlTokenC() {
    if (CurrentChar != '\\') return;
    ReadNextToken();
    switch (CurrentChar) {
    case 'n':
        CurrentChar = '\n';
        return;
    case 'r':
        CurrentChar = '\r';
        return;
    case 't':
        CurrentChar = '\t';
        return;
    case '\\':
        return;
    case 'x': {
        String Digits;
        for (int i = 0; i < 2 && FNext < FText.size(); ++i)
            Digits.push_back(FText[FNext++]);
        for (char D : Digits)
            if (D == '\n') ++SourceLine;
        CurrentChar = static_cast<std::uint8_t>(HexToInt(Digits) & 0xFF);
        return;
    }
    default:
        // Not an escape: the backslash stands, and what follows is read again as content.
        if (CurrentChar != 0) Unread();
        CurrentChar = '\\';
        return;
    }
}

void TSourceParser::ReadDoubleQuoted() {
    ReadNextToken();
    for (;;) {
        // Runs of plain characters are taken from the buffer at once (the current character,
        // read from the buffer, starts the run).
        if (IsPlainDoubleQuoted(CurrentChar)) {
            const std::size_t Start = FNext - 1;
            std::size_t End = FNext;
            while (End < FText.size() && IsPlainDoubleQuoted(static_cast<std::uint8_t>(FText[End])))
                ++End;
            TokenString.append(FText, Start, End - Start);
            FNext = End;
            ReadNextToken();
        }
        if (CurrentChar == '"') break;
        if (CurrentChar == 0 || CurrentChar == '\r' || CurrentChar == '\n') InvalidString();
        ReadControlTokenC();
        TokenString.push_back(static_cast<char>(CurrentChar));
        ReadNextToken();
    }
    ReadNextToken();
    Token = toString;
}

void TSourceParser::ReadHex() {
    std::size_t End = FNext;
    while (End < FText.size() && Is(static_cast<std::uint8_t>(FText[End]), ccHex))
        ++End;
    TokenString.assign(FText, FNext, End - FNext);
    FNext = End;
    ReadNextToken();
    Token = toInteger;
}

// Digits first; then signs, points, digits and exponents make it a real number ("-5" too).
// The current character, read from the buffer, starts the run.
void TSourceParser::ReadNumber() {
    const std::size_t Start = FNext - 1;
    std::size_t End = Start;
    while (End < FText.size() && Is(static_cast<std::uint8_t>(FText[End]), ccDigit))
        ++End;
    const std::size_t IntegerEnd = End;
    while (End < FText.size() && Is(static_cast<std::uint8_t>(FText[End]), ccNumber))
        ++End;
    TokenString.assign(FText, Start, End - Start);
    FNext = End;
    ReadNextToken();
    Token = End > IntegerEnd ? toFloat : toInteger;
}

void TSourceParser::InvalidString() const {
    throw host::EParserError(
        host::Format("%s on line %d", {"Invalid string constant", SourceLine}));
}

} // namespace zantor
