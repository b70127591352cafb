#include "host/winapi/LocalePictures.h"

#include <algorithm>
#include <array>
#include <vector>

namespace host {

namespace {

// One field or one run of literal text of a pattern or picture.
struct TPiece {
    bool Field = false;
    std::string Text;
};

bool IsAsciiLetter(char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

std::size_t RunLength(std::string_view S, std::size_t From) {
    std::size_t End = From;
    while (End < S.size() && S[End] == S[From])
        ++End;
    return End - From;
}

// Windows fields of the ICU pattern letters, by the length of the run (1 to 6 or more).
// Letters not listed (eras, zones, fractions, week numbers...) have no Windows field.
struct TFieldRule {
    std::string_view Letters;
    std::array<const char*, 6> ByCount;
};
constexpr TFieldRule FieldRules[] = {
    {"yYu", {"yyyy", "yy", "yyyy", "yyyy", "yyyy", "yyyy"}},
    {"ML", {"M", "MM", "MMM", "MMMM", "MMM", "MMM"}},
    {"d", {"d", "dd", "dd", "dd", "dd", "dd"}},
    {"E", {"ddd", "ddd", "ddd", "dddd", "ddd", "ddd"}},
    {"ce", {"", "", "ddd", "dddd", "ddd", "ddd"}}, // 1 or 2 letters: the weekday's number
    {"hK", {"h", "hh", "hh", "hh", "hh", "hh"}},
    {"Hk", {"H", "HH", "HH", "HH", "HH", "HH"}},
    {"m", {"m", "mm", "mm", "mm", "mm", "mm"}},
    {"s", {"s", "ss", "ss", "ss", "ss", "ss"}},
    {"abB", {"tt", "tt", "tt", "tt", "tt", "tt"}},
};

std::string WindowsField(char Letter, std::size_t Count) {
    for (const TFieldRule& Rule : FieldRules) {
        if (Rule.Letters.find(Letter) != std::string_view::npos)
            return Rule.ByCount[std::min<std::size_t>(Count, Rule.ByCount.size()) - 1];
    }
    return "";
}

// Reads a quoted ICU literal starting at the opening quote; "''" inside stands for "'".
std::size_t ReadQuoted(std::string_view S, std::size_t Open, std::string& Literal) {
    std::size_t I = Open + 1;
    while (I < S.size()) {
        if (S[I] != '\'') {
            Literal += S[I++];
        } else if (I + 1 < S.size() && S[I + 1] == '\'') {
            Literal += '\'';
            I += 2;
        } else {
            return I + 1;
        }
    }
    return I;
}

void AddLiteral(std::vector<TPiece>& Pieces, std::string_view Text) {
    if (Pieces.empty() || Pieces.back().Field) Pieces.push_back({false, ""});
    Pieces.back().Text += Text;
}

std::vector<TPiece> ParseIcuPattern(std::string_view Pattern) {
    std::vector<TPiece> Pieces;
    std::size_t I = 0;
    while (I < Pattern.size()) {
        const char C = Pattern[I];
        if (IsAsciiLetter(C)) {
            const std::size_t Count = RunLength(Pattern, I);
            if (std::string Field = WindowsField(C, Count); !Field.empty())
                Pieces.push_back({true, std::move(Field)});
            I += Count;
        } else if (C == '\'' && I + 1 < Pattern.size() && Pattern[I + 1] == '\'') {
            AddLiteral(Pieces, "'");
            I += 2;
        } else if (C == '\'') {
            std::string Literal;
            I = ReadQuoted(Pattern, I, Literal);
            AddLiteral(Pieces, Literal);
        } else {
            AddLiteral(Pieces, Pattern.substr(I, 1));
            ++I;
        }
    }
    return Pieces;
}

void ReplaceAll(std::string& S, std::string_view From, std::string_view To) {
    for (std::size_t At = S.find(From); At != std::string::npos; At = S.find(From, At + To.size()))
        S.replace(At, From.size(), To);
}

// Windows pictures use plain blanks and carry no direction marks.
std::string CleanLiteral(std::string S) {
    ReplaceAll(S, "\xC2\xA0", " ");     // no-break space
    ReplaceAll(S, "\xE2\x80\xAF", " "); // narrow no-break space
    ReplaceAll(S, "\xE2\x80\x8E", "");  // left-to-right mark
    ReplaceAll(S, "\xE2\x80\x8F", "");  // right-to-left mark
    ReplaceAll(S, "\xD8\x9C", "");      // Arabic letter mark
    ReplaceAll(S, "  ", " ");
    return S;
}

bool NeedsQuotes(char C) {
    return IsAsciiLetter(C) || C == '\'' || static_cast<unsigned char>(C) >= 0x80;
}

// Letters (and any non-ASCII text) go between quotes; blanks and punctuation stay bare.
void AppendLiteral(std::string& Out, std::string_view Text) {
    std::size_t I = 0;
    while (I < Text.size()) {
        if (!NeedsQuotes(Text[I])) {
            Out += Text[I++];
            continue;
        }
        Out += '\'';
        for (; I < Text.size() && NeedsQuotes(Text[I]); ++I)
            Out += Text[I] == '\'' ? std::string("''") : std::string(1, Text[I]);
        Out += '\'';
    }
}

std::string Trimmed(std::string_view S) {
    const auto First = S.find_first_not_of(' ');
    if (First == std::string_view::npos) return "";
    return std::string(S.substr(First, S.find_last_not_of(' ') - First + 1));
}

bool IsPictureLetter(char C) {
    return std::string_view("dMyhHmstg").find(C) != std::string_view::npos;
}

// Splits a Windows picture into fields (runs of one picture letter) and literal text;
// quoted literals keep their text without the quotes.
std::vector<TPiece> SplitPicture(std::string_view Picture) {
    std::vector<TPiece> Pieces;
    std::size_t I = 0;
    while (I < Picture.size()) {
        const char C = Picture[I];
        if (IsPictureLetter(C)) {
            const std::size_t Count = RunLength(Picture, I);
            Pieces.push_back({true, std::string(Picture.substr(I, Count))});
            I += Count;
        } else if (C == '\'') {
            std::string Literal;
            I = ReadQuoted(Picture, I, Literal);
            AddLiteral(Pieces, Literal);
        } else {
            AddLiteral(Pieces, Picture.substr(I++, 1));
        }
    }
    return Pieces;
}

// Index of the first field whose letter is one of Letters (and at most MaxCount long).
std::size_t FindField(const std::vector<TPiece>& Pieces, std::string_view Letters,
                      std::size_t MaxCount = 4) {
    for (std::size_t I = 0; I < Pieces.size(); ++I) {
        const TPiece& P = Pieces[I];
        if (P.Field && Letters.find(P.Text[0]) != std::string_view::npos &&
            P.Text.size() <= MaxCount)
            return I;
    }
    return Pieces.size();
}

std::string LiteralAfter(const std::vector<TPiece>& Pieces, std::size_t Index,
                         std::string_view Default) {
    if (Index + 1 >= Pieces.size()) return std::string(Default);
    const TPiece& Next = Pieces[Index + 1];
    std::string Text = Next.Field ? "" : Trimmed(Next.Text);
    return Text.empty() ? std::string(Default) : Text;
}

// Shapes of the Windows currency modes, "$" for the symbol and "1.1" for the number.
constexpr std::array<std::string_view, 4> PositiveShapes{"$1.1", "1.1$", "$ 1.1", "1.1 $"};
constexpr std::array<std::string_view, 16> NegativeShapes{
    "($1.1)", "-$1.1",  "$-1.1",  "$1.1-",  "(1.1$)", "-1.1$",  "1.1-$",   "1.1$-",
    "-1.1 $", "-$ 1.1", "1.1 $-", "$ 1.1-", "$ -1.1", "1.1- $", "($ 1.1)", "(1.1 $)"};

void AppendShape(std::string& Shape, std::string_view Token) {
    if (Shape.size() >= Token.size() && Shape.ends_with(Token)) return;
    Shape += Token;
}

// Reduces one ICU sub-pattern to a shape; bidi marks and quoted text drop out.
std::string CurrencyShape(std::string_view Sub) {
    std::string Shape;
    for (std::size_t I = 0; I < Sub.size(); ++I) {
        const std::string_view Rest = Sub.substr(I);
        const char C = Sub[I];
        if (Rest.starts_with("\xC2\xA4")) {
            AppendShape(Shape, "$");
            ++I;
        } else if (std::string_view("#0123456789,.").find(C) != std::string_view::npos) {
            AppendShape(Shape, "1.1");
        } else if (C == ' ' || Rest.starts_with("\xC2\xA0") || Rest.starts_with("\xE2\x80\xAF")) {
            AppendShape(Shape, " ");
        } else if (C == '-' || C == '(' || C == ')') {
            Shape += C;
        } else if (C == '\'') {
            I = Sub.find('\'', I + 1);
            if (I == std::string_view::npos) break;
        }
    }
    return Trimmed(Shape);
}

template <std::size_t N>
int ShapeIndex(const std::array<std::string_view, N>& Shapes, std::string_view Shape) {
    const auto It = std::find(Shapes.begin(), Shapes.end(), Shape);
    return It == Shapes.end() ? -1 : static_cast<int>(It - Shapes.begin());
}

} // namespace

std::string IcuPatternToPicture(std::string_view Pattern, TYearDigits Years) {
    std::string Out;
    for (const TPiece& Piece : ParseIcuPattern(Pattern)) {
        if (Piece.Field) {
            Out += Years == TYearDigits::Four && Piece.Text == "yy" ? "yyyy" : Piece.Text;
        } else {
            AppendLiteral(Out, CleanLiteral(Piece.Text));
        }
    }
    ReplaceAll(Out, "  ", " ");
    return Trimmed(Out);
}

std::string DateSeparatorOf(std::string_view Picture, std::string_view Default) {
    const auto Pieces = SplitPicture(Picture);
    return LiteralAfter(Pieces, FindField(Pieces, "dMy"), Default);
}

std::string TimeSeparatorOf(std::string_view Picture, std::string_view Default) {
    const auto Pieces = SplitPicture(Picture);
    return LiteralAfter(Pieces, FindField(Pieces, "hH"), Default);
}

int DateOrderOf(std::string_view Picture) {
    const auto Pieces = SplitPicture(Picture);
    const std::size_t Day = FindField(Pieces, "d", 2);
    const std::size_t Month = FindField(Pieces, "M");
    const std::size_t Year = FindField(Pieces, "y");
    if (Year < Month && Year < Day) return 2;
    return Day < Month ? 1 : 0;
}

bool PictureUses24Hour(std::string_view Picture) {
    const auto Pieces = SplitPicture(Picture);
    return FindField(Pieces, "H") < Pieces.size();
}

bool AmPmPrecedesHour(std::string_view Picture) {
    const auto Pieces = SplitPicture(Picture);
    return FindField(Pieces, "t") < FindField(Pieces, "hH");
}

bool HourHasLeadingZero(std::string_view Picture) {
    const auto Pieces = SplitPicture(Picture);
    const std::size_t Hour = FindField(Pieces, "hH");
    return Hour < Pieces.size() && Pieces[Hour].Text.size() >= 2;
}

TCurrencyModes CurrencyModesOf(std::string_view IcuPattern) {
    const std::size_t Semicolon = IcuPattern.find(';');
    const std::string Positive = CurrencyShape(IcuPattern.substr(0, Semicolon));
    // Without its own sub-pattern a negative amount is the positive one with a leading minus.
    const std::string Negative = Semicolon == std::string_view::npos
                                     ? "-" + Positive
                                     : CurrencyShape(IcuPattern.substr(Semicolon + 1));
    TCurrencyModes Modes;
    Modes.Positive = std::max(ShapeIndex(PositiveShapes, Positive), 0);
    Modes.Negative = ShapeIndex(NegativeShapes, Negative);
    if (Modes.Negative < 0) {
        // An unusual negative form: keep the minus in front, spaced like the positive form.
        constexpr std::array<int, 4> ByPositive{1, 5, 9, 8};
        Modes.Negative = ByPositive[Modes.Positive];
    }
    return Modes;
}

std::string GroupingText(int Primary, int Secondary) {
    if (Primary <= 0) return "0";
    std::string Text = std::to_string(Primary) + ";";
    if (Secondary > 0 && Secondary != Primary) Text += std::to_string(Secondary) + ";";
    return Text + "0";
}

} // namespace host
