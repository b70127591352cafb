#include "host/rtl/Format.h"

#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FloatFormat.h"
#include "host/rtl/FormatSettings.h"
#include "host/rtl/StrUtils.h"

#include <cstdint>
#include <optional>

namespace host {

namespace {

// Larger indexes, widths and precisions are rejected as malformed, so no specifier can ask
// for an absurd amount of padding.
constexpr Int64 MaxCount = 1000000;

// One pass over a format text, appending to the result as it goes.
class TFormatter {
public:
    TFormatter(std::string_view Fmt, std::span<const TVarRec> Args) : FFmt(Fmt), FArgs(Args) {}

    String Run() {
        while (FPos < FFmt.size()) {
            std::size_t percent = FFmt.find('%', FPos);
            FOut.append(FFmt.substr(FPos, percent - FPos));
            if (percent == std::string_view::npos) break;
            FPos = percent + 1;
            Specifier();
        }
        return std::move(FOut);
    }

private:
    std::string_view FFmt;
    std::span<const TVarRec> FArgs;
    std::size_t FPos = 0;
    std::size_t FArgIndex = 0;
    String FOut;

    [[noreturn]] void Fail() const {
        throw EConvertError("Format '" + String(FFmt) + "' invalid or incompatible with argument");
    }

    bool At(char C) const { return FPos < FFmt.size() && FFmt[FPos] == C; }

    const TVarRec& NextArg() {
        if (FArgIndex >= FArgs.size()) Fail();
        return FArgs[FArgIndex++];
    }

    template <class T> const T& ArgOf() {
        const auto* v = std::get_if<T>(&NextArg().Value());
        if (!v) Fail();
        return *v;
    }

    // A count written as digits or "*" (taken from the next argument); nullopt for neither.
    std::optional<Int64> Count() {
        if (At('*')) {
            ++FPos;
            Int64 v = ArgOf<Int64>();
            if (v < 0 || v > MaxCount) Fail();
            return v;
        }
        if (FPos >= FFmt.size() || FFmt[FPos] < '0' || FFmt[FPos] > '9') return std::nullopt;
        Int64 v = 0;
        for (; FPos < FFmt.size() && FFmt[FPos] >= '0' && FFmt[FPos] <= '9'; ++FPos) {
            v = v * 10 + (FFmt[FPos] - '0');
            if (v > MaxCount) Fail();
        }
        return v;
    }

    // "%" has been read: [index ":"] ["-"] [width] ["." precision] type.
    void Specifier() {
        if (At('%')) {
            FOut += '%';
            ++FPos;
            return;
        }
        std::optional<Int64> width = Count();
        if (width && At(':')) {
            ++FPos;
            FArgIndex = static_cast<std::size_t>(*width);
            width.reset();
        }
        bool left = false;
        if (!width && At('-')) {
            left = true;
            ++FPos;
        }
        if (!width) width = Count();
        std::optional<Int64> precision;
        if (At('.')) {
            ++FPos;
            precision = Count().value_or(0);
        }
        if (FPos >= FFmt.size()) Fail();
        String text = Convert(UpCase(FFmt[FPos++]), precision);
        auto pad = static_cast<std::size_t>(width.value_or(0));
        if (text.size() < pad) text.insert(left ? text.size() : 0, pad - text.size(), ' ');
        FOut += text;
    }

    String Convert(char Type, std::optional<Int64> Precision) {
        switch (Type) {
        case 'D':
            return SignedText(ArgOf<Int64>(), Precision);
        case 'U':
            return ZeroPad(std::to_string(Unsigned(ArgOf<Int64>())), Precision);
        case 'X':
            return ZeroPad(IntToHex(static_cast<Int64>(Unsigned(ArgOf<Int64>())), 0), Precision);
        case 'E':
            return FloatToStrF(ArgOf<double>(), ffExponent, Digits(Precision, 15), 3);
        case 'F':
            return FloatToStrF(ArgOf<double>(), ffFixed, 18, Digits(Precision, 2));
        case 'G':
            return FloatToStrF(ArgOf<double>(), ffGeneral, Digits(Precision, 15), 0);
        case 'N':
            return FloatToStrF(ArgOf<double>(), ffNumber, 18, Digits(Precision, 2));
        case 'M':
            return FloatToStrF(ArgOf<double>(), ffCurrency, 18,
                               Digits(Precision, FormatSettings().CurrencyDecimals));
        case 'P':
            return IntToHex(
                static_cast<Int64>(reinterpret_cast<std::uintptr_t>(ArgOf<const void*>())), 16);
        case 'S': {
            const String& s = ArgOf<String>();
            return Precision ? s.substr(0, static_cast<std::size_t>(*Precision)) : s;
        }
        default:
            Fail();
        }
    }

    static int Digits(std::optional<Int64> Precision, int Default) {
        return Precision ? static_cast<int>(*Precision) : Default;
    }

    static String ZeroPad(String Text, std::optional<Int64> Precision) {
        auto min = static_cast<std::size_t>(Precision.value_or(0));
        if (Text.size() < min) Text.insert(0, min - Text.size(), '0');
        return Text;
    }

    static String SignedText(Int64 V, std::optional<Int64> Precision) {
        std::uint64_t magnitude = V < 0 ? 0 - static_cast<std::uint64_t>(V) : V;
        return (V < 0 ? "-" : "") + ZeroPad(std::to_string(magnitude), Precision);
    }

    // Negative values read as the 32-bit host would see them when they fit in 32 bits.
    static std::uint64_t Unsigned(Int64 V) {
        if (V < 0 && V >= INT32_MIN) return static_cast<std::uint32_t>(V);
        return static_cast<std::uint64_t>(V);
    }
};

} // namespace

String Format(std::string_view Fmt, std::span<const TVarRec> Args) {
    return TFormatter(Fmt, Args).Run();
}

String Format(std::string_view Fmt, std::initializer_list<TVarRec> Args) {
    return Format(Fmt, std::span<const TVarRec>(Args.begin(), Args.size()));
}

} // namespace host
