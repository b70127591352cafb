// Parser of form text into TFormObject trees.
#include "host/classes/FormText.h"
#include "host/classes/FormTextStream.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/ResStringHost.h"
#include "host/rtl/StrUtils.h"

#include <array>
#include <charconv>
#include <cmath>
#include <deque>
#include <limits>

namespace host {

namespace {

// Deeper nesting than any real form; keeps hostile input from exhausting the stack.
constexpr int MaxDepth = 256;

enum class TTok { Eof, Symbol, String, Integer, Float, Char };

// Character classes by table: the tokenizer looks at every byte of the text.
enum : unsigned char { ccIdentStart = 1, ccIdentChar = 2, ccStringStop = 4 };
constexpr auto CharClasses = [] {
    std::array<unsigned char, 256> T{};
    for (int C = 0; C < 256; ++C) {
        bool Start = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_' || C >= 0x80;
        bool Stop = C == '\'' || C == '\n' || C == '\r';
        T[static_cast<std::size_t>(C)] = static_cast<unsigned char>(
            (Start ? ccIdentStart | ccIdentChar : 0) | (C >= '0' && C <= '9' ? ccIdentChar : 0) |
            (Stop ? ccStringStop : 0));
    }
    return T;
}();
bool IsIdentStart(unsigned char C) {
    return CharClasses[C] & ccIdentStart;
}
bool IsIdentChar(unsigned char C) {
    return CharClasses[C] & ccIdentChar;
}
// Ends a quoted run: its closing quote, or a line end, which a quoted run may not hold.
bool IsStringStop(unsigned char C) {
    return CharClasses[C] & ccStringStop;
}
// ASCII only, without the locale look-up of <cctype> on every byte of a number.
bool IsDigit(unsigned char C) {
    return C >= '0' && C <= '9';
}
// Case-insensitive match of a token against a keyword; the length test first, since most
// tokens are not the keyword they are tried against.
bool IsKeyword(std::string_view Token, std::string_view Keyword) {
    return Token.size() == Keyword.size() && SameText(Token, Keyword);
}
int HexValue(unsigned char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

class TFormParser {
public:
    explicit TFormParser(std::string_view Text) : FText(Text) {
        if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
        Next();
    }

    TFormObject ParseRoot() {
        TFormObject Root;
        ParseObject(Root, 0);
        if (FTok != TTok::Eof) Error("End of file expected");
        return Root;
    }

protected:
    [[noreturn]] void Error(const String& What) const {
        FFailed = true;
        throw EParserError(What + " on line " + std::to_string(FTokLine));
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    unsigned char Peek(std::size_t Ahead = 0) const {
        return FPos + Ahead < FText.size() ? static_cast<unsigned char>(FText[FPos + Ahead]) : 0;
    }

    void SkipBlanks() {
        const char* P = FText.data() + FPos;
        const char* End = FText.data() + FText.size();
        for (; P < End; ++P) {
            auto C = static_cast<unsigned char>(*P);
            if (C > ' ') break;
            if (C == '\n' || (C == '\r' && (P + 1 == End || P[1] != '\n'))) {
                ++FLine;
            } else if (C == 0) {
                FPos = static_cast<std::size_t>(P - FText.data());
                FTokLine = FLine;
                Error("Invalid character");
            }
        }
        FPos = static_cast<std::size_t>(P - FText.data());
    }

    void Next() {
        SkipBlanks();
        FTokLine = FLine;
        FTokText = {};
        if (AtEnd()) {
            FTok = TTok::Eof;
            return;
        }
        unsigned char C = Peek();
        if (IsIdentStart(C)) {
            std::size_t Start = FPos;
            FPos = ScanWhile(FPos + 1, [](unsigned char Ch) { return IsIdentChar(Ch); });
            FTokText = FText.substr(Start, FPos - Start);
            FTok = TTok::Symbol;
        } else if (C == '\'' || C == '#') {
            ReadStringToken();
        } else if (IsDigit(C) || (C == '$' && HexValue(Peek(1)) >= 0)) {
            ReadNumber();
        } else {
            FTokText = FText.substr(FPos, 1);
            ++FPos;
            FTok = TTok::Char;
        }
    }

    // Position of the first byte from From on that is not of the class (or the text's end).
    // Local pointers: the loop must not store the position through the parser at every byte.
    template <class Pred> std::size_t ScanWhile(std::size_t From, Pred InClass) const {
        const char* Begin = FText.data();
        const char* End = Begin + FText.size();
        const char* P = Begin + From;
        while (P < End && InClass(static_cast<unsigned char>(*P)))
            ++P;
        return static_cast<std::size_t>(P - Begin);
    }
    std::size_t QuotedRunEnd(std::size_t From) const {
        return ScanWhile(From, [](unsigned char C) { return !IsStringStop(C); });
    }

    void ReadStringToken() {
        FTok = TTok::String;
        // Most strings are one quoted run without doubled quotes: a view of the text.
        if (Peek() == '\'') {
            std::size_t End = QuotedRunEnd(FPos + 1);
            if (End < FText.size() && FText[End] == '\'' &&
                (End + 1 >= FText.size() || (FText[End + 1] != '\'' && FText[End + 1] != '#'))) {
                FTokText = FText.substr(FPos + 1, End - FPos - 1);
                FPos = End + 1;
                return;
            }
        }
        ReadDecodedString();
    }

    // Strings with doubled quotes, character codes or several parts, decoded into FStrBuf.
    // Kept out of Next, whose every call would otherwise pay for this one's registers.
    [[gnu::noinline]] void ReadDecodedString() {
        FStrBuf.clear();
        char32_t PendingHigh = 0;
        auto Flush = [&] {
            if (PendingHigh) AppendUtf8(FStrBuf, 0xFFFD);
            PendingHigh = 0;
        };
        for (;;) {
            if (Peek() == '\'' && !AtEnd()) {
                Flush();
                ++FPos;
                for (;;) {
                    // The run up to the next quote (or the forbidden line end) in one piece.
                    std::size_t Run = FPos;
                    FPos = QuotedRunEnd(FPos);
                    FStrBuf.append(FText.substr(Run, FPos - Run));
                    if (AtEnd() || Peek() != '\'') Error("Invalid string constant");
                    if (Peek(1) != '\'') break;
                    FStrBuf += '\'';
                    FPos += 2;
                }
                ++FPos;
            } else if (Peek() == '#' && !AtEnd()) {
                ++FPos;
                char32_t Code = ReadCharCode();
                if (Code >= 0xD800 && Code <= 0xDBFF) {
                    Flush();
                    PendingHigh = Code;
                } else if (Code >= 0xDC00 && Code <= 0xDFFF) {
                    if (PendingHigh)
                        AppendUtf8(FStrBuf,
                                   0x10000 + ((PendingHigh - 0xD800) << 10) + (Code - 0xDC00));
                    else
                        AppendUtf8(FStrBuf, 0xFFFD);
                    PendingHigh = 0;
                } else {
                    Flush();
                    if (Code < 0x80)
                        FStrBuf += static_cast<char>(Code);
                    else
                        AppendUtf8(FStrBuf, Code);
                }
            } else {
                break;
            }
        }
        Flush();
        FTokText = FStrBuf;
    }

    char32_t ReadCharCode() {
        bool Hex = Peek() == '$';
        if (Hex) ++FPos;
        std::uint32_t Code = 0;
        int Digits = 0;
        for (;;) {
            int D = Hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
            if (D < 0 || AtEnd()) break;
            Code = Code * (Hex ? 16 : 10) + static_cast<std::uint32_t>(D);
            if (Code > 0x10FFFF) Error("Invalid string constant");
            ++Digits;
            ++FPos;
        }
        if (Digits == 0) Error("Invalid string constant");
        return Code;
    }

    [[gnu::noinline]] void ReadNumber() {
        std::size_t Start = FPos;
        if (Peek() == '$') {
            FPos = ScanWhile(FPos + 1, [](unsigned char C) { return HexValue(C) >= 0; });
            FTok = TTok::Integer;
            FTokText = FText.substr(Start, FPos - Start);
            return;
        }
        FPos = ScanWhile(FPos, [](unsigned char C) { return IsDigit(C); });
        FTok = TTok::Integer;
        if (Peek() == '.' && IsDigit(Peek(1))) {
            FTok = TTok::Float;
            FPos = ScanWhile(FPos + 1, [](unsigned char C) { return IsDigit(C); });
        }
        if ((Peek() == 'e' || Peek() == 'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
            FTok = TTok::Float;
            FPos = ScanWhile(FPos + 2, [](unsigned char C) { return IsDigit(C); });
        }
        FTokText = FText.substr(Start, FPos - Start);
        FFloatSuffix = 0;
        unsigned char S = static_cast<unsigned char>(Peek() | 0x20); // ASCII lower case
        if ((S == 's' || S == 'c' || S == 'd') && !IsIdentChar(Peek(1))) {
            FTok = TTok::Float;
            FFloatSuffix = static_cast<char>(S);
            ++FPos;
        }
    }

    bool IsSymbol(std::string_view S) const {
        return FTok == TTok::Symbol && IsKeyword(FTokText, S);
    }
    bool IsChar(char C) const { return FTok == TTok::Char && FTokText[0] == C; }

    void ExpectChar(char C) {
        if (!IsChar(C)) Error(String("'") + C + "' expected");
        Next();
    }

    void CheckSymbol() const {
        if (FTok != TTok::Symbol)
            Error(FTok == TTok::Eof ? "Unexpected end of file" : "Identifier expected");
    }

    String ExpectSymbol() {
        CheckSymbol();
        String S(FTokText);
        Next();
        return S;
    }

    // Identifier with dotted parts: "Font.Name", "DataModule1.Table1"; built in place.
    void ExpectDottedSymbol(String& S) {
        CheckSymbol();
        S.assign(FTokText);
        Next();
        while (IsChar('.')) {
            Next();
            CheckSymbol();
            S += '.';
            S += FTokText;
            Next();
        }
    }

    int ExpectOrderIndex() {
        ExpectChar('[');
        bool Neg = IsChar('-');
        if (Neg) Next();
        if (FTok != TTok::Integer) Error("Number expected");
        Int64 V = IntegerValue(Neg);
        if (V < INT32_MIN || V > INT32_MAX) Error("Number expected");
        Next();
        ExpectChar(']');
        return static_cast<int>(V);
    }

    bool AtObjectStart() const {
        return IsSymbol("object") || IsSymbol("inherited") || IsSymbol("inline");
    }

    void ParseObject(TFormObject& Obj, int Depth) {
        ParseHeader(Obj, Depth);
        while (!IsSymbol("end")) {
            if (FTok == TTok::Eof) Error("Unexpected end of file");
            if (AtObjectStart()) {
                ParseObject(Obj.Children.emplace_back(), Depth + 1);
            } else {
                // Most objects have a handful of properties: no regrowth for them.
                if (Obj.Props.empty()) Obj.Props.reserve(8);
                ParseProperty(Obj.Props.emplace_back(), Depth);
            }
        }
        Next();
    }

    // "object Name: TClass [n]", up to the first token of the body.
    void ParseHeader(TFormObject& Obj, int Depth) {
        if (Depth > MaxDepth) Error("Objects nested too deeply");
        Obj.Line = FTokLine;
        if (IsSymbol("object"))
            Obj.Kind = TFormObjectKind::Object;
        else if (IsSymbol("inherited"))
            Obj.Kind = TFormObjectKind::Inherited;
        else if (IsSymbol("inline"))
            Obj.Kind = TFormObjectKind::Inline;
        else
            Error("'object' expected");
        Next();
        Obj.ClassName = ExpectSymbol();
        if (IsChar(':')) {
            Next();
            Obj.Name = std::move(Obj.ClassName);
            Obj.ClassName = ExpectSymbol();
        }
        if (IsChar('[')) Obj.Index = ExpectOrderIndex();
    }

    void ParseProperty(TFormProperty& P, int Depth) {
        P.Line = FTokLine;
        ExpectDottedSymbol(P.Name);
        ExpectChar('=');
        ParseValue(P.Value, Depth + 1);
    }

    Int64 IntegerValue(bool Negative) const {
        std::uint64_t U = 0;
        std::string_view Digits = FTokText;
        int Base = 10;
        if (!Digits.empty() && Digits[0] == '$') {
            Digits.remove_prefix(1);
            Base = 16;
        }
        auto [Ptr, Ec] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), U, Base);
        if (Ec != std::errc() || Ptr != Digits.data() + Digits.size()) Error("Number too large");
        // Hexadecimal digits give the 64 bits as written ($FFFFFFFFFFFFFFFF is -1); the sign
        // negates them in unsigned arithmetic, so -$8000000000000000 cannot overflow.
        if (Base == 16) return static_cast<Int64>(Negative ? 0 - U : U);
        std::uint64_t Limit = Negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
        if (U > Limit) Error("Number too large");
        return Negative ? static_cast<Int64>(0 - U) : static_cast<Int64>(U);
    }

    static TValueType IntType(Int64 V) {
        if (V >= INT8_MIN && V <= INT8_MAX) return vaInt8;
        if (V >= INT16_MIN && V <= INT16_MAX) return vaInt16;
        if (V >= INT32_MIN && V <= INT32_MAX) return vaInt32;
        return vaInt64;
    }

    void ParseNumber(TFormValue& V, bool Negative) {
        V.Line = FTokLine;
        if (FTok == TTok::Integer) {
            V.Int = IntegerValue(Negative);
            V.Type = IntType(V.Int);
        } else if (FTok == TTok::Float) {
            double D = 0;
            auto [Ptr, Ec] = std::from_chars(FTokText.data(), FTokText.data() + FTokText.size(), D);
            if (Ec != std::errc() || !std::isfinite(D)) Error("Invalid floating point value");
            V.Float = Negative ? -D : D;
            V.Type = FFloatSuffix == 's'   ? vaSingle
                     : FFloatSuffix == 'c' ? vaCurrency
                     : FFloatSuffix == 'd' ? vaDate
                                           : vaExtended;
        } else {
            Error("Number expected");
        }
        Next();
        return;
    }

    void ParseValue(TFormValue& V, int Depth) {
        if (Depth > MaxDepth) Error("Values nested too deeply");
        switch (FTok) {
        case TTok::Integer:
        case TTok::Float:
            return ParseNumber(V, false);
        case TTok::String:
            return ParseString(V);
        case TTok::Symbol:
            return ParseIdent(V);
        case TTok::Eof:
            Error("Unexpected end of file");
        case TTok::Char:
            break;
        }
        switch (FTokText[0]) {
        case '-':
            Next();
            return ParseNumber(V, true);
        case '[':
            return ParseSet(V);
        case '(':
            return ParseList(V, Depth);
        case '{':
            return ParseBinary(V);
        case '<':
            return ParseCollection(V, Depth);
        default:
            Error(LoadResString(SInvalidPropertyValue));
        }
    }

    void ParseString(TFormValue& V) {
        V.Line = FTokLine;
        V.Str.assign(FTokText);
        Next();
        while (IsChar('+')) {
            Next();
            if (FTok != TTok::String) Error("String expected");
            V.Str += FTokText;
            Next();
        }
        V.Type = V.Str.size() <= 255 ? vaString : vaLString;
        return;
    }

    void ParseIdent(TFormValue& V) {
        V.Line = FTokLine;
        ExpectDottedSymbol(V.Str);
        if (IsKeyword(V.Str, "False"))
            V.Type = vaFalse;
        else if (IsKeyword(V.Str, "True"))
            V.Type = vaTrue;
        else if (IsKeyword(V.Str, "nil"))
            V.Type = vaNil;
        else if (IsKeyword(V.Str, "Null"))
            V.Type = vaNull;
        else
            V.Type = vaIdent;
        return;
    }

    void ParseSet(TFormValue& V) {
        V.Type = vaSet;
        V.Line = FTokLine;
        Next();
        if (IsChar(']')) {
            Next();
            return;
        }
        for (;;) {
            if (FTok == TTok::Integer) {
                V.SetItems.emplace_back(FTokText);
                Next();
            } else {
                V.SetItems.push_back(ExpectSymbol());
            }
            if (IsChar(']')) break;
            ExpectChar(',');
        }
        Next();
        return;
    }

    void ParseList(TFormValue& V, int Depth) {
        V.Type = vaList;
        V.Line = FTokLine;
        Next();
        while (!IsChar(')'))
            ParseValue(V.Items.emplace_back(), Depth + 1);
        Next();
        return;
    }

    // Hexadecimal digits between braces, read below the token level.
    void ParseBinary(TFormValue& V) {
        V.Type = vaBinary;
        V.Line = FTokLine;
        int High = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd()) Error("Unexpected end of file");
            unsigned char C = Peek();
            ++FPos;
            if (C == '}') break;
            int D = HexValue(C);
            if (D < 0) Error("Invalid binary value");
            if (High < 0) {
                High = D;
            } else {
                V.Str += static_cast<char>(High * 16 + D);
                High = -1;
            }
        }
        if (High >= 0) Error("Invalid binary value");
        Next();
        return;
    }

    void ParseCollection(TFormValue& V, int Depth) {
        V.Type = vaCollection;
        V.Line = FTokLine;
        Next();
        while (!IsChar('>')) {
            if (!IsSymbol("item"))
                Error(FTok == TTok::Eof ? "Unexpected end of file" : "'item' expected");
            TFormItem Item;
            Item.Line = FTokLine;
            Next();
            if (IsChar('[')) Item.Index = ExpectOrderIndex();
            while (!IsSymbol("end")) {
                if (FTok == TTok::Eof) Error("Unexpected end of file");
                ParseProperty(Item.Props.emplace_back(), Depth + 1);
            }
            Next();
            V.Collection.push_back(std::move(Item));
        }
        Next();
        return;
    }

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
    TTok FTok = TTok::Eof;
    std::string_view FTokText; // into the text, or into FStrBuf for decoded strings
    String FStrBuf;
    int FTokLine = 1;
    char FFloatSuffix = 0;
    mutable bool FFailed = false; // a syntax error was raised
};

} // namespace

// The parser's own steps, with the count of objects whose "end" is still to come (the depth
// the tree parser would be at).
struct TFormTextStream::TImpl : TFormParser {
    using TFormParser::TFormParser;

    int Open = 0;
    // For each open object: its children have begun, so that a property now is out of order.
    std::vector<char> InChildren;
    TFormProperty Prop;
    std::deque<TFormObject> Shells; // the header being read at each depth

    // A reused value, as the tree parser's fresh one.
    static void Reset(TFormValue& V) {
        V.Type = vaNull;
        V.Int = 0;
        V.Float = 0;
        V.Str.clear();
        V.SetItems.clear();
        V.Items.clear();
        V.Collection.clear();
        V.Line = 0;
    }

    void ReadRoot(TFormObject& Root) {
        ParseHeader(Root, 0);
        Open = 1;
        InChildren.assign(1, 0);
    }
    bool Failed() const { return FFailed; }

    // The steps of the tree parser's object body, in its order of tests.
    const TFormProperty* NextProperty() {
        if (IsSymbol("end")) return nullptr;
        if (FTok == TTok::Eof) Error("Unexpected end of file");
        if (AtObjectStart()) return nullptr;
        Reset(Prop.Value);
        ParseProperty(Prop, Open - 1);
        return &Prop;
    }

    [[noreturn]] void OutOfOrder() {
        FFailed = true;
        throw TOutOfOrder{};
    }

    void CloseObject() {
        Next();
        --Open;
        InChildren.pop_back();
    }

    const TFormObject* NextChild() {
        InChildren.back() = 1;
        if (IsSymbol("end")) {
            CloseObject();
            return nullptr;
        }
        if (FTok == TTok::Eof) Error("Unexpected end of file");
        if (!AtObjectStart()) OutOfOrder();
        while (Shells.size() < static_cast<std::size_t>(Open))
            Shells.emplace_back();
        TFormObject& Child = Shells[static_cast<std::size_t>(Open - 1)];
        Child.Name.clear();
        Child.Index = -1;
        ParseHeader(Child, Open);
        ++Open;
        InChildren.push_back(0);
        return &Child;
    }

    void Finish() {
        if (FTok != TTok::Eof) Error("End of file expected");
    }

    void CheckRest() {
        if (FFailed) return;
        while (Open > 0) {
            if (IsSymbol("end")) {
                CloseObject();
                continue;
            }
            if (FTok == TTok::Eof) Error("Unexpected end of file");
            if (AtObjectStart()) {
                InChildren.back() = 1;
                TFormObject Skipped;
                ParseObject(Skipped, Open);
            } else {
                // The tree reader would have applied it before the failure.
                if (InChildren.back()) OutOfOrder();
                Reset(Prop.Value);
                ParseProperty(Prop, Open - 1);
            }
        }
        Finish();
    }
};

TFormTextStream::TFormTextStream(std::string_view Text) : FImpl(std::make_unique<TImpl>(Text)) {}

TFormTextStream::~TFormTextStream() = default;

void TFormTextStream::ReadRoot(TFormObject& Root) {
    FImpl->ReadRoot(Root);
}

const TFormProperty* TFormTextStream::NextProperty() {
    return FImpl->NextProperty();
}

const TFormObject* TFormTextStream::NextChild() {
    return FImpl->NextChild();
}

void TFormTextStream::Finish() {
    FImpl->Finish();
}

void TFormTextStream::CheckRest() {
    FImpl->CheckRest();
}

bool TFormTextStream::Failed() const {
    return FImpl->Failed();
}

TFormObject ParseFormText(std::string_view Text) {
    return TFormParser(Text).ParseRoot();
}

} // namespace host
