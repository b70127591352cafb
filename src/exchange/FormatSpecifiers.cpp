#include "exchange/FormatSpecifiers.h"

#include <cctype>

namespace zantor {

namespace {

// Format's limit for indexes, widths and precisions.
constexpr long MaxCount = 1000000;

class TSpecReader {
public:
    explicit TSpecReader(std::string_view Text) : FText(Text) {}

    TFormatSpecifiers Run() {
        for (FPos = FText.find('%'); FPos != std::string_view::npos && FSpecs.Valid;
             FPos = FText.find('%', FPos)) {
            ++FPos;
            Specifier();
        }
        if (!FSpecs.Valid) FSpecs.Args.clear();
        return FSpecs;
    }

private:
    bool At(char C) const { return FPos < FText.size() && FText[FPos] == C; }
    bool AtDigit() const {
        return FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]));
    }

    void Use(TArgKind Kind) {
        auto [It, New] = FSpecs.Args.emplace(FNext, Kind);
        if (!New && It->second != Kind) FSpecs.Valid = false;
        ++FNext;
    }

    // Digits, or "*" (an integer argument); false for neither.
    bool Count(long* Value) {
        if (At('*')) {
            ++FPos;
            Use(TArgKind::Integer);
            return true;
        }
        if (!AtDigit()) return false;
        long V = 0;
        for (; AtDigit(); ++FPos) {
            V = V * 10 + (FText[FPos] - '0');
            if (V > MaxCount) FSpecs.Valid = false;
        }
        if (Value) *Value = V;
        return true;
    }

    void Specifier() {
        if (At('%')) {
            ++FPos;
            return;
        }
        // An index is digits followed by ":"; "*:" is no index.
        const std::size_t Start = FPos;
        long Index = 0;
        if (AtDigit() && Count(&Index) && At(':')) {
            ++FPos;
            FNext = static_cast<int>(Index);
        } else {
            FPos = Start;
        }
        if (At('-')) ++FPos;
        Count(nullptr);
        if (At('.')) {
            ++FPos;
            Count(nullptr);
        }
        if (FPos >= FText.size()) {
            FSpecs.Valid = false;
            return;
        }
        switch (std::toupper(static_cast<unsigned char>(FText[FPos++]))) {
        case 'D':
        case 'U':
        case 'X':
            Use(TArgKind::Integer);
            break;
        case 'E':
        case 'F':
        case 'G':
        case 'N':
        case 'M':
            Use(TArgKind::Float);
            break;
        case 'P':
            Use(TArgKind::Pointer);
            break;
        case 'S':
            Use(TArgKind::String);
            break;
        default:
            FSpecs.Valid = false;
        }
    }

    std::string_view FText;
    std::size_t FPos = 0;
    int FNext = 0;
    TFormatSpecifiers FSpecs;
};

const char* KindName(TArgKind K) {
    switch (K) {
    case TArgKind::Integer:
        return "an integer";
    case TArgKind::Float:
        return "a number";
    case TArgKind::Pointer:
        return "a pointer";
    case TArgKind::String:
        return "a string";
    }
    return "";
}

} // namespace

TFormatSpecifiers ReadFormatSpecifiers(std::string_view Text) {
    return TSpecReader(Text).Run();
}

String FormatMismatch(std::string_view Design, std::string_view Translation) {
    const TFormatSpecifiers D = ReadFormatSpecifiers(Design);
    if (!D.IsFormat()) return "";
    const TFormatSpecifiers T = ReadFormatSpecifiers(Translation);
    if (!T.Valid) return "the translation has a format specifier Format does not accept";
    for (const auto& [Index, Kind] : D.Args) {
        auto It = T.Args.find(Index);
        if (It == T.Args.end())
            return "argument " + std::to_string(Index) + " is missing in the translation";
        if (It->second != Kind)
            return "argument " + std::to_string(Index) + " is " + KindName(Kind) +
                   " in the design text but " + KindName(It->second) + " in the translation";
    }
    for (const auto& [Index, Kind] : T.Args)
        if (!D.Args.count(Index))
            return "the translation uses argument " + std::to_string(Index) +
                   ", which the design text does not have";
    return "";
}

} // namespace zantor
