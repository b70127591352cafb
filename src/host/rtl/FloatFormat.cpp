#include "host/rtl/FloatFormat.h"

#include "host/rtl/FormatSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace host {

namespace {

// Enough decimals to keep every digit of any double.
constexpr long AllDecimals = 10000;
// Fixed pictures and formats never print more integer digits than the host's 18.
constexpr int MaxDigits = 18;

// A finite value as 0.Digits x 10^Exponent; Digits has no leading or trailing zeros and is
// empty for zero.
struct TDecimal {
    bool Negative = false;
    long Exponent = 0;
    String Digits;

    bool IsZero() const { return Digits.empty(); }
    // Digit at Index counted from the first digit of 0.Digits; '0' outside the digits.
    char At(long Index) const {
        return Index >= 0 && Index < static_cast<long>(Digits.size()) ? Digits[Index] : '0';
    }
};

void StripTrailingZeros(String& S) {
    while (!S.empty() && S.back() == '0')
        S.pop_back();
}

// Shortest digits that read back as V, so the value the user wrote is the one rounded.
TDecimal ShortestDecimal(double V) {
    TDecimal d;
    if (V == 0) return d;
    d.Negative = V < 0;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(V), std::chars_format::scientific);
    std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
    std::size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.') d.Digits += c;
    std::string_view exp = s.substr(e + 1);
    if (!exp.empty() && exp[0] == '+') exp.remove_prefix(1);
    int exp10 = 0;
    std::from_chars(exp.data(), exp.data() + exp.size(), exp10);
    d.Exponent = exp10 + 1;
    StripTrailingZeros(d.Digits);
    return d;
}

// Keeps Keep digits, rounding half away from zero.
void RoundDigits(TDecimal& D, long Keep) {
    if (Keep >= static_cast<long>(D.Digits.size())) return;
    if (Keep < 0) {
        D.Digits.clear();
        return;
    }
    bool up = D.Digits[Keep] >= '5';
    D.Digits.resize(Keep);
    if (up) {
        while (!D.Digits.empty() && D.Digits.back() == '9')
            D.Digits.pop_back();
        if (D.Digits.empty()) {
            D.Digits = "1";
            ++D.Exponent;
        } else {
            ++D.Digits.back();
        }
    }
    StripTrailingZeros(D.Digits);
}

// V rounded to at most Precision significant digits and at most Decimals decimals.
TDecimal ToDecimal(double V, int Precision, long Decimals) {
    TDecimal d = ShortestDecimal(V);
    if (!d.IsZero()) RoundDigits(d, std::min<long>(Precision, d.Exponent + Decimals));
    if (d.IsZero()) d = TDecimal{};
    return d;
}

String SpecialText(double V) {
    if (std::isnan(V)) return "NAN";
    return V < 0 ? "-INF" : "INF";
}

String ExponentText(long Exp, bool AlwaysSign, int MinDigits) {
    String s = Exp < 0 ? "-" : (AlwaysSign ? "+" : "");
    String n = std::to_string(Exp < 0 ? -Exp : Exp);
    if (static_cast<int>(n.size()) < MinDigits) s.append(MinDigits - n.size(), '0');
    return s + n;
}

String IntegerDigits(const TDecimal& D) {
    String s;
    for (long i = 0; i < D.Exponent; ++i)
        s += D.At(i);
    return s;
}

String FractionDigits(const TDecimal& D, long Count) {
    String s;
    for (long k = 0; k < Count; ++k)
        s += D.At(D.Exponent + k);
    return s;
}

String GroupThousands(const String& Int) {
    const String& sep = FormatSettings().ThousandSeparator;
    String s;
    for (std::size_t i = 0; i < Int.size(); ++i) {
        s += Int[i];
        std::size_t rest = Int.size() - 1 - i;
        if (rest > 0 && rest % 3 == 0) s += sep;
    }
    return s;
}

String Sign(const TDecimal& D) {
    return D.Negative ? "-" : "";
}

String FormatGeneral(const TDecimal& D, int Precision, int ExpDigits) {
    if (D.IsZero()) return "0";
    const String& sep = FormatSettings().DecimalSeparator;
    String s = Sign(D);
    if (D.Exponent > Precision || D.Exponent < -4) {
        s += D.Digits[0];
        if (D.Digits.size() > 1) s.append(sep).append(D.Digits, 1);
        return s + "E" + ExponentText(D.Exponent - 1, false, ExpDigits);
    }
    if (D.Exponent <= 0) return s + "0" + sep + String(-D.Exponent, '0') + D.Digits;
    s += IntegerDigits(D);
    if (static_cast<long>(D.Digits.size()) > D.Exponent) s.append(sep).append(D.Digits, D.Exponent);
    return s;
}

String FormatExponent(const TDecimal& D, int Precision, int ExpDigits) {
    String digits = D.Digits;
    digits.resize(Precision, '0');
    String s = Sign(D) + digits[0];
    if (Precision > 1) s.append(FormatSettings().DecimalSeparator).append(digits, 1);
    return s + "E" + ExponentText(D.IsZero() ? 0 : D.Exponent - 1, true, ExpDigits);
}

// The unsigned fixed-point text of D with Decimals decimals.
String FormatFixed(const TDecimal& D, int Decimals, bool Thousands) {
    String integer = IntegerDigits(D);
    if (integer.empty()) integer = "0";
    String s = Thousands ? GroupThousands(integer) : integer;
    if (Decimals > 0) s.append(FormatSettings().DecimalSeparator) += FractionDigits(D, Decimals);
    return s;
}

String ApplyCurrencyFormat(const String& Number, bool Negative) {
    static constexpr const char* Positive[] = {"$1", "1$", "$ 1", "1 $"};
    static constexpr const char* NegativeFormats[] = {
        "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
        "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
    const TFormatSettings& fs = FormatSettings();
    // Codes outside the tables fall back to the first entry rather than reading past them.
    const char* pattern =
        Negative
            ? NegativeFormats[fs.NegCurrFormat >= 0 && fs.NegCurrFormat < 16 ? fs.NegCurrFormat : 0]
            : Positive[fs.CurrencyFormat >= 0 && fs.CurrencyFormat < 4 ? fs.CurrencyFormat : 0];
    String s;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$')
            s += fs.CurrencyString;
        else if (*p == '1')
            s += Number;
        else
            s += *p;
    }
    return s;
}

// ---- FormatFloat pictures ----

enum class TTokenKind { Zero, Hash, Point, Comma, Exponent, Literal };

struct TToken {
    TTokenKind Kind;
    // What a literal prints; the source text of the others ("E+00" for an exponent).
    std::string_view Text;
    int ExpZeros = 0; // "0"s after an exponent marker, at most 4
};

TToken NextToken(std::string_view S, std::size_t& I) {
    const std::size_t start = I;
    char c = S[I++];
    switch (c) {
    case '0':
        return {TTokenKind::Zero, S.substr(start, 1)};
    case '#':
        return {TTokenKind::Hash, S.substr(start, 1)};
    case '.':
        return {TTokenKind::Point, S.substr(start, 1)};
    case ',':
        return {TTokenKind::Comma, S.substr(start, 1)};
    case '\'':
    case '"': {
        std::size_t close = std::min(S.find(c, I), S.size());
        TToken t{TTokenKind::Literal, S.substr(I, close - I)};
        I = std::min(close + 1, S.size());
        return t;
    }
    case 'E':
    case 'e':
        if (I < S.size() && (S[I] == '+' || S[I] == '-')) {
            int zeros = 0;
            for (++I; I < S.size() && S[I] == '0'; ++I)
                zeros = std::min(zeros + 1, 4);
            return {TTokenKind::Exponent, S.substr(start, I - start), zeros};
        }
        break;
    default:
        break;
    }
    return {TTokenKind::Literal, S.substr(start, 1)};
}

std::vector<TToken> Tokenize(std::string_view Section) {
    std::vector<TToken> tokens;
    for (std::size_t i = 0; i < Section.size();)
        tokens.push_back(NextToken(Section, i));
    return tokens;
}

// Up to three ";"-separated sections (quoted ";" do not separate); text after a third ";"
// is ignored.
std::vector<std::string_view> SplitSections(std::string_view Picture) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < Picture.size(); ++i) {
        char c = Picture[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(Picture.substr(start, i - start));
            start = i + 1;
            if (sections.size() == 3) return sections;
        }
    }
    sections.push_back(Picture.substr(start));
    return sections;
}

// What a section asks for, gathered before any digit is placed.
struct TPicture {
    std::vector<TToken> Tokens;
    int IntPlaces = 0; // digit placeholders before the decimal point
    int MinInt = 0;    // placeholders from the first "0" up to the decimal point
    int DecPlaces = 0;
    int MinDec = 0; // placeholders up to the last "0" after the point
    bool Thousands = false;
    bool Scientific = false;
};

TPicture AnalysePicture(std::string_view Section) {
    TPicture p;
    p.Tokens = Tokenize(Section);
    bool afterPoint = false;
    int firstZero = -1;
    for (TToken& t : p.Tokens) {
        // Past the exponent, and for a second decimal point, the picture is plain text.
        if (p.Scientific || (afterPoint && t.Kind == TTokenKind::Point)) {
            t.Kind = TTokenKind::Literal;
            continue;
        }
        switch (t.Kind) {
        case TTokenKind::Zero:
        case TTokenKind::Hash:
            if (afterPoint) {
                ++p.DecPlaces;
                if (t.Kind == TTokenKind::Zero) p.MinDec = p.DecPlaces;
            } else {
                if (t.Kind == TTokenKind::Zero && firstZero < 0) firstZero = p.IntPlaces;
                ++p.IntPlaces;
            }
            break;
        case TTokenKind::Point:
            afterPoint = true;
            break;
        case TTokenKind::Comma:
            p.Thousands = p.Thousands || !afterPoint;
            break;
        case TTokenKind::Exponent:
            p.Scientific = true;
            break;
        case TTokenKind::Literal:
            break;
        }
    }
    p.MinInt = firstZero < 0 ? 0 : p.IntPlaces - firstZero;
    if (p.Scientific) p.Thousands = false;
    return p;
}

// The digits a picture shows for a value, before they are laid into the picture.
struct TPictureDigits {
    String Int;
    String Frac;
    long Exponent = 0;
    bool IsZero = true;
};

TPictureDigits PictureDigits(const TPicture& P, double V) {
    TPictureDigits r;
    TDecimal d;
    if (P.Scientific) {
        int digits = std::clamp(P.IntPlaces + P.DecPlaces, 1, MaxDigits);
        d = ToDecimal(V, digits, AllDecimals);
        r.Exponent = d.IsZero() ? 0 : d.Exponent - P.IntPlaces;
        for (long i = 0; i < P.IntPlaces; ++i)
            r.Int += d.At(i);
        if (d.IsZero()) r.Int.assign(P.MinInt, '0');
        for (long k = 0; k < P.DecPlaces; ++k)
            r.Frac += d.At(P.IntPlaces + k);
    } else {
        d = ToDecimal(V, MaxDigits, P.DecPlaces);
        r.Int = IntegerDigits(d);
        if (static_cast<int>(r.Int.size()) < P.MinInt)
            r.Int.insert(0, P.MinInt - r.Int.size(), '0');
        r.Frac = FractionDigits(d, P.DecPlaces);
    }
    while (static_cast<int>(r.Frac.size()) > P.MinDec && r.Frac.back() == '0')
        r.Frac.pop_back();
    r.IsZero = d.IsZero();
    return r;
}

// Walks the picture, placing integer digits right-aligned on the integer placeholders (extra
// ones at the first), fraction digits left-aligned, and copying literal text.
String LayOut(const TPicture& P, const TPictureDigits& D) {
    const TFormatSettings& fs = FormatSettings();
    String out;
    const long offset = static_cast<long>(D.Int.size()) - P.IntPlaces;
    long next = 0, intIndex = 0, fracIndex = 0;
    bool afterPoint = false;
    auto emitInt = [&](long End) {
        for (; next < End; ++next) {
            out += D.Int[next];
            long rest = static_cast<long>(D.Int.size()) - 1 - next;
            if (P.Thousands && rest > 0 && rest % 3 == 0) out += fs.ThousandSeparator;
        }
    };
    for (const TToken& t : P.Tokens) {
        switch (t.Kind) {
        case TTokenKind::Zero:
        case TTokenKind::Hash:
            if (afterPoint) {
                if (fracIndex < static_cast<long>(D.Frac.size())) out += D.Frac[fracIndex];
                ++fracIndex;
            } else {
                emitInt(offset + ++intIndex);
            }
            break;
        case TTokenKind::Point:
            emitInt(static_cast<long>(D.Int.size()));
            if (!D.Frac.empty()) out += fs.DecimalSeparator;
            afterPoint = true;
            break;
        case TTokenKind::Comma:
            break;
        case TTokenKind::Exponent:
            emitInt(static_cast<long>(D.Int.size()));
            out += t.Text[0];
            out += ExponentText(D.Exponent, t.Text[1] == '+', std::max(t.ExpZeros, 1));
            break;
        case TTokenKind::Literal:
            out += t.Text;
            break;
        }
    }
    return out;
}

} // namespace

String FloatToStrF(Extended Value, TFloatFormat Format, int Precision, int Digits) {
    if (!std::isfinite(Value)) return SpecialText(Value);
    Precision = std::clamp(Precision, 1, MaxDigits);
    const int expDigits = std::clamp(Digits, 0, 4);
    if (Format == ffGeneral)
        return FormatGeneral(ToDecimal(Value, Precision, AllDecimals), Precision, expDigits);
    if (Format == ffExponent)
        return FormatExponent(ToDecimal(Value, Precision, AllDecimals), Precision, expDigits);
    const int decimals = std::clamp(Digits, 0, MaxDigits);
    TDecimal d = ToDecimal(Value, Precision, decimals);
    if (Format == ffCurrency)
        return ApplyCurrencyFormat(FormatFixed(d, decimals, true), d.Negative);
    // Too many integer digits for the precision: the host switches to scientific notation.
    if (d.Exponent > Precision)
        return FormatExponent(ToDecimal(Value, Precision, AllDecimals), Precision, expDigits);
    return Sign(d) + FormatFixed(d, decimals, Format == ffNumber);
}

String FormatFloat(std::string_view Picture, Extended Value) {
    if (!std::isfinite(Value)) return SpecialText(Value);
    std::vector<std::string_view> sections = SplitSections(Picture);
    auto usable = [&](std::size_t i) { return i < sections.size() && !sections[i].empty(); };
    std::size_t index = 0;
    if (Value < 0 && usable(1))
        index = 1;
    else if (Value == 0 && usable(2))
        index = 2;
    if (sections[index].empty()) return FloatToStrF(Value, ffGeneral, 15, 0);

    TPicture picture = AnalysePicture(sections[index]);
    if (!picture.Scientific && ShortestDecimal(Value).Exponent > MaxDigits)
        return FloatToStrF(Value, ffGeneral, 15, 0);
    TPictureDigits digits = PictureDigits(picture, Value);
    // A value that rounds to zero takes the zero section, as an exact zero would.
    if (digits.IsZero && index != 2 && usable(2)) {
        index = 2;
        picture = AnalysePicture(sections[2]);
        digits = PictureDigits(picture, 0.0);
    }
    // The negative section carries its own sign; the positive one gets a minus if it shows
    // any digits at all.
    const bool showsDigits = picture.IntPlaces + picture.DecPlaces > 0;
    String sign = index == 0 && Value < 0 && !digits.IsZero && showsDigits ? "-" : "";
    return sign + LayOut(picture, digits);
}

String FormatCurr(std::string_view Picture, Extended Value) {
    return FormatFloat(Picture, Value);
}

String CurrToStr(Extended Value) {
    if (!std::isfinite(Value)) return SpecialText(Value);
    // A currency value holds four decimals; shown in general format.
    return FormatGeneral(ToDecimal(Value, MaxDigits, 4), MaxDigits, 0);
}

} // namespace host
