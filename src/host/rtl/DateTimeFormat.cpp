// FormatDateTime and StrToDate: the host's date and time pictures read with the global
// format settings.
#include "host/rtl/DateTime.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FormatSettings.h"
#include "host/rtl/StrUtils.h"

#include <algorithm>
#include <array>
#include <vector>

namespace host {

namespace {

bool StartsTextAt(std::string_view S, std::size_t At, std::string_view Prefix) {
    return At <= S.size() && StartsText(Prefix, S.substr(At));
}

// Appends formatted text while reading one picture; nested pictures (ddddd, c, t...) are
// read by the same object, at most two levels deep as the host does, so a picture that
// names itself cannot recurse without end.
class TDateTimeFormatter {
public:
    TDateTimeFormatter(TDateTime DateTime, const TFormatSettings& Settings)
        : FSettings(Settings), FDayOfWeek(DayOfWeek(DateTime)) {
        DecodeDate(DateTime, FYear, FMonth, FDay);
        DecodeTime(DateTime, FHour, FMin, FSec, FMSec);
    }

    String Run(std::string_view Format) {
        Append(Format.empty() ? std::string_view("C") : Format);
        return FResult;
    }

private:
    // State of one picture being read.
    struct TScan {
        std::string_view Format;
        std::size_t Pos = 0;
        char Starter = 0;
        bool Use12HourClock = false;

        // Number of Starter characters in a row, the one already read included.
        std::size_t TakeCount() {
            std::size_t Count = 1;
            while (Pos < Format.size() && Format[Pos] == Starter)
                ++Pos, ++Count;
            return Count;
        }
    };

    void Append(std::string_view Format) {
        if (FLevel >= 2) return;
        ++FLevel;
        TScan Scan{Format};
        char LastToken = ' ';
        while (Scan.Pos < Format.size()) {
            Scan.Starter = Format[Scan.Pos++];
            char Token = UpCase(Scan.Starter);
            if (Token >= 'A' && Token <= 'Z') {
                // "m" right after an hour is the minute.
                if (Token == 'M' && LastToken == 'H') Token = 'N';
                LastToken = Token;
            }
            AppendToken(Scan, Token);
        }
        --FLevel;
    }

    void AppendToken(TScan& Scan, char Token) {
        switch (Token) {
        case 'Y':
            AppendYear(Scan.TakeCount());
            break;
        case 'M':
            AppendMonth(Scan.TakeCount());
            break;
        case 'D':
            AppendDay(Scan.TakeCount());
            break;
        case 'H':
            AppendHour(Scan);
            break;
        case 'N':
            AppendNumber(FMin, std::min<std::size_t>(Scan.TakeCount(), 2));
            break;
        case 'S':
            AppendNumber(FSec, std::min<std::size_t>(Scan.TakeCount(), 2));
            break;
        case 'Z':
            AppendNumber(FMSec, std::min<std::size_t>(Scan.TakeCount(), 3));
            break;
        case 'T':
            Append(Scan.TakeCount() == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat);
            break;
        case 'A':
            AppendAmPm(Scan);
            break;
        case 'C':
            AppendDateAndTime(Scan);
            break;
        case '/':
            AppendSeparator(FSettings.DateSeparator);
            break;
        case ':':
            AppendSeparator(FSettings.TimeSeparator);
            break;
        case '\'':
        case '"':
            AppendQuoted(Scan);
            break;
        default:
            FResult += Scan.Starter;
        }
    }

    void AppendNumber(Word Value, std::size_t Digits) {
        const std::string Text = std::to_string(Value);
        if (Text.size() < Digits) FResult.append(Digits - Text.size(), '0');
        FResult += Text;
    }

    template <std::size_t N> void AppendName(const std::array<String, N>& Names, int Index) {
        if (Index >= 1 && Index <= static_cast<int>(N)) FResult += Names[Index - 1];
    }

    void AppendSeparator(const String& Separator) { FResult += Separator; }

    void AppendYear(std::size_t Count) {
        if (Count <= 2) {
            AppendNumber(FYear % 100, 2);
        } else {
            AppendNumber(FYear, 4);
        }
    }

    void AppendMonth(std::size_t Count) {
        if (Count <= 2) {
            AppendNumber(FMonth, Count);
        } else {
            AppendName(Count == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames, FMonth);
        }
    }

    void AppendDay(std::size_t Count) {
        switch (Count) {
        case 1:
        case 2:
            AppendNumber(FDay, Count);
            break;
        case 3:
            AppendName(FSettings.ShortDayNames, FDayOfWeek);
            break;
        case 4:
            AppendName(FSettings.LongDayNames, FDayOfWeek);
            break;
        case 5:
            Append(FSettings.ShortDateFormat);
            break;
        default:
            Append(FSettings.LongDateFormat);
        }
    }

    // The hour is on the 12-hour clock when the next "a" of the picture (outside quotes and
    // before another hour) starts am/pm, a/p or ampm.
    static bool AmPmFollows(std::string_view Format, std::size_t From) {
        bool BetweenQuotes = false;
        for (std::size_t I = From; I < Format.size(); ++I) {
            const char C = Format[I];
            if (C == '\'' || C == '"') BetweenQuotes = !BetweenQuotes;
            if (C == 'h' || C == 'H') return false;
            if ((C == 'a' || C == 'A') && !BetweenQuotes)
                return StartsTextAt(Format, I, "AM/PM") || StartsTextAt(Format, I, "A/P") ||
                       StartsTextAt(Format, I, "AMPM");
        }
        return false;
    }

    void AppendHour(TScan& Scan) {
        const std::size_t Count = std::min<std::size_t>(Scan.TakeCount(), 2);
        if (AmPmFollows(Scan.Format, Scan.Pos)) Scan.Use12HourClock = true;
        Word Hour = FHour;
        if (Scan.Use12HourClock) Hour = Hour == 0 ? 12 : (Hour > 12 ? Hour - 12 : Hour);
        AppendNumber(Hour, Count);
    }

    // am/pm and a/p copy their own letters, so the case written is the case shown.
    void AppendAmPm(TScan& Scan) {
        const std::size_t At = Scan.Pos - 1;
        const bool Pm = FHour >= 12;
        if (StartsTextAt(Scan.Format, At, "AM/PM")) {
            FResult += Scan.Format.substr(Pm ? At + 3 : At, 2);
            Scan.Pos += 4;
        } else if (StartsTextAt(Scan.Format, At, "A/P")) {
            FResult += Scan.Format.substr(Pm ? At + 2 : At, 1);
            Scan.Pos += 2;
        } else if (StartsTextAt(Scan.Format, At, "AMPM")) {
            FResult += Pm ? FSettings.TimePMString : FSettings.TimeAMString;
            Scan.Pos += 3;
        } else {
            FResult += Scan.Starter;
            return;
        }
        Scan.Use12HourClock = true;
    }

    void AppendDateAndTime(TScan& Scan) {
        Scan.TakeCount();
        Append(FSettings.ShortDateFormat);
        if (FHour != 0 || FMin != 0 || FSec != 0) {
            FResult += ' ';
            Append(FSettings.LongTimeFormat);
        }
    }

    void AppendQuoted(TScan& Scan) {
        const std::size_t End = Scan.Format.find(Scan.Starter, Scan.Pos);
        const std::size_t Stop = End == std::string_view::npos ? Scan.Format.size() : End;
        FResult += Scan.Format.substr(Scan.Pos, Stop - Scan.Pos);
        Scan.Pos = End == std::string_view::npos ? Stop : End + 1;
    }

    const TFormatSettings& FSettings;
    String FResult;
    int FLevel = 0;
    Word FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
    int FDayOfWeek;
};

enum class TDateOrder { MDY, DMY, YMD };

// The order of the first day, month or year letter of ShortDateFormat decides.
TDateOrder DateOrder(std::string_view ShortDateFormat) {
    for (char C : ShortDateFormat) {
        switch (UpCase(C)) {
        case 'D':
            return TDateOrder::DMY;
        case 'Y':
            return TDateOrder::YMD;
        case 'M':
            return TDateOrder::MDY;
        default:
            break;
        }
    }
    return TDateOrder::MDY;
}

struct TDateNumber {
    Word Value;
    std::size_t Digits;
};

std::optional<TDateNumber> ScanNumber(std::string_view S, std::size_t& Pos) {
    while (Pos < S.size() && S[Pos] == ' ')
        ++Pos;
    TDateNumber Number{0, 0};
    while (Pos < S.size() && S[Pos] >= '0' && S[Pos] <= '9' && Number.Digits < 4) {
        Number.Value = static_cast<Word>(Number.Value * 10 + (S[Pos++] - '0'));
        ++Number.Digits;
    }
    if (Number.Digits == 0 || (Pos < S.size() && S[Pos] >= '0' && S[Pos] <= '9'))
        return std::nullopt;
    return Number;
}

// An empty separator (none at all) never matches.
bool ScanSeparator(std::string_view S, std::size_t& Pos, std::string_view Separator) {
    while (Pos < S.size() && S[Pos] == ' ')
        ++Pos;
    if (Separator.empty() || S.substr(Pos, Separator.size()) != Separator) return false;
    Pos += Separator.size();
    return true;
}

Word CurrentYear() {
    Word Year = 0, Month = 0, Day = 0;
    DecodeDate(Now(), Year, Month, Day);
    return Year;
}

// A year of one or two digits lands within the century window (or the current century).
Word ExpandYear(TDateNumber Year) {
    if (Year.Digits > 2) return Year.Value;
    const Integer Window = FormatSettings().TwoDigitYearCenturyWindow;
    const Integer CenturyBase = CurrentYear() - Window;
    Integer Result = Year.Value + CenturyBase / 100 * 100;
    if (Window > 0 && Result < CenturyBase) Result += 100;
    return static_cast<Word>(Result);
}

std::optional<TDateTime> EncodeInOrder(TDateOrder Order, const std::vector<TDateNumber>& N) {
    if (N.size() == 2) {
        // Without a year the month leads unless the day does in the format.
        const bool DayFirst = Order == TDateOrder::DMY;
        return TryEncodeDate(CurrentYear(), N[DayFirst ? 1 : 0].Value, N[DayFirst ? 0 : 1].Value);
    }
    switch (Order) {
    case TDateOrder::MDY:
        return TryEncodeDate(ExpandYear(N[2]), N[0].Value, N[1].Value);
    case TDateOrder::DMY:
        return TryEncodeDate(ExpandYear(N[2]), N[1].Value, N[0].Value);
    default:
        return TryEncodeDate(ExpandYear(N[0]), N[1].Value, N[2].Value);
    }
}

} // namespace

String FormatDateTime(std::string_view Format, TDateTime DateTime) {
    return TDateTimeFormatter(DateTime, FormatSettings()).Run(Format);
}

String DateToStr(TDateTime DateTime) {
    return FormatDateTime(FormatSettings().ShortDateFormat, DateTime);
}

String TimeToStr(TDateTime DateTime) {
    return FormatDateTime(FormatSettings().LongTimeFormat, DateTime);
}

String DateTimeToStr(TDateTime DateTime) {
    return FormatDateTime("", DateTime);
}

std::optional<TDateTime> TryStrToDate(std::string_view S) {
    const String Separator = FormatSettings().DateSeparator;
    std::vector<TDateNumber> Numbers;
    std::size_t Pos = 0;
    do {
        auto Number = ScanNumber(S, Pos);
        if (!Number) return std::nullopt;
        Numbers.push_back(*Number);
    } while (Numbers.size() < 3 && ScanSeparator(S, Pos, Separator));
    while (Pos < S.size() && S[Pos] == ' ')
        ++Pos;
    if (Pos != S.size() || Numbers.size() < 2) return std::nullopt;
    return EncodeInOrder(DateOrder(FormatSettings().ShortDateFormat), Numbers);
}

TDateTime StrToDate(std::string_view S) {
    if (auto Result = TryStrToDate(S)) return *Result;
    RaiseInvalidDate(S);
}

} // namespace host
