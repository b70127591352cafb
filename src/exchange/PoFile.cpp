#include "exchange/PoFile.h"

#include "host/rtl/StrUtils.h"

#include <algorithm>
#include <cctype>

namespace zantor {

bool TPoEntry::HasFlag(std::string_view Flag) const {
    return std::find(Flags.begin(), Flags.end(), Flag) != Flags.end();
}

String TPoFile::HeaderValue(std::string_view Name) const {
    for (const auto& [N, V] : Header)
        if (host::SameText(N, String(Name))) return V;
    return "";
}

// Writing

String PoQuote(std::string_view S) {
    String Out = "\"";
    for (char C : S) {
        switch (C) {
        case '"':
            Out += "\\\"";
            break;
        case '\\':
            Out += "\\\\";
            break;
        case '\a':
            Out += "\\a";
            break;
        case '\b':
            Out += "\\b";
            break;
        case '\f':
            Out += "\\f";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        case '\t':
            Out += "\\t";
            break;
        case '\v':
            Out += "\\v";
            break;
        default:
            Out += C;
        }
    }
    return Out + "\"";
}

namespace {

// A keyword and its string: on one line, or, when the string holds a line break before its
// end, an empty first line and one line per piece ending in a line break, as the gettext
// tools write it.
void WriteField(String& Out, std::string_view Prefix, std::string_view Keyword,
                std::string_view Value) {
    const std::size_t Break = Value.find('\n');
    if (Break == std::string_view::npos || Break + 1 == Value.size()) {
        Out.append(Prefix).append(Keyword).append(" ").append(PoQuote(Value)).append("\n");
        return;
    }
    Out.append(Prefix).append(Keyword).append(" \"\"\n");
    for (std::size_t Pos = 0; Pos < Value.size();) {
        std::size_t End = Value.find('\n', Pos);
        End = End == std::string_view::npos ? Value.size() : End + 1;
        Out.append(Prefix).append(PoQuote(Value.substr(Pos, End - Pos))).append("\n");
        Pos = End;
    }
}

void WriteComments(String& Out, const std::vector<String>& Lines, std::string_view Mark) {
    for (const String& L : Lines) {
        Out.append(Mark);
        if (!L.empty()) Out.append(" ").append(L);
        Out += '\n';
    }
}

} // namespace

String WritePo(const TPoFile& File) {
    String Out;
    WriteComments(Out, File.HeaderComments, "#");
    String Header;
    for (const auto& [Name, Value] : File.Header)
        Header += Name + ": " + Value + "\n";
    WriteField(Out, "", "msgid", "");
    WriteField(Out, "", "msgstr", Header);
    for (const TPoEntry& E : File.Entries) {
        Out += '\n';
        WriteComments(Out, E.Comments, "#");
        WriteComments(Out, E.Extracted, "#.");
        if (!E.References.empty()) {
            Out += "#:";
            for (const String& R : E.References)
                Out += " " + R;
            Out += '\n';
        }
        if (!E.Flags.empty()) {
            Out += "#,";
            for (std::size_t i = 0; i < E.Flags.size(); ++i)
                Out += (i ? ", " : " ") + E.Flags[i];
            Out += '\n';
        }
        if (E.Context) WriteField(Out, "", "msgctxt", *E.Context);
        WriteField(Out, "", "msgid", E.Id);
        WriteField(Out, "", "msgstr", E.Str);
    }
    return Out;
}

// Reading

namespace {

class TPoReader {
public:
    TPoReader(std::string_view Text, const String& FileName) : FText(Text), FName(FileName) {}

    TPoFile Run() {
        if (FText.starts_with("\xEF\xBB\xBF")) FText.remove_prefix(3);
        while (NextLine()) {
            std::string_view L = Trim(FLine);
            if (L.empty()) {
                EndEntry();
            } else if (L[0] == '#') {
                Comment(L);
            } else if (L[0] == '"') {
                if (!FField) Fail("a string without a keyword before it");
                *FField += Unquote(L);
            } else {
                Keyword(L);
            }
        }
        EndEntry();
        return std::move(FFile);
    }

private:
    [[noreturn]] void Fail(const String& Why) const {
        throw EPoError(FName + ":" + std::to_string(FLineNo) + ": " + Why);
    }

    bool NextLine() {
        if (FPos >= FText.size()) return false;
        std::size_t End = FText.find('\n', FPos);
        if (End == std::string_view::npos) End = FText.size();
        FLine = FText.substr(FPos, End - FPos);
        if (FLine.ends_with('\r')) FLine.remove_suffix(1);
        FPos = End + 1;
        ++FLineNo;
        return true;
    }

    static std::string_view Trim(std::string_view S) {
        while (!S.empty() && (S.front() == ' ' || S.front() == '\t'))
            S.remove_prefix(1);
        while (!S.empty() && (S.back() == ' ' || S.back() == '\t'))
            S.remove_suffix(1);
        return S;
    }

    // An entry starts again when a comment or msgctxt/msgid follows its msgstr.
    void StartIfDone() {
        if (FHasStr) EndEntry();
    }

    void Comment(std::string_view L) {
        FField = nullptr;
        if (L.starts_with("#~")) {
            // An obsolete entry: kept by the tools, never taken.
            StartIfDone();
            FObsolete = true;
            return;
        }
        StartIfDone();
        FInEntry = true;
        std::string_view Rest = L.size() > 1 ? L.substr(2) : std::string_view();
        if (L.size() > 1 && L[1] != ' ') Rest = Trim(L.substr(2));
        switch (L.size() > 1 ? L[1] : ' ') {
        case ',':
            for (std::size_t Pos = 0; Pos <= Rest.size();) {
                std::size_t End = Rest.find(',', Pos);
                if (End == std::string_view::npos) End = Rest.size();
                std::string_view F = Trim(Rest.substr(Pos, End - Pos));
                if (!F.empty()) FEntry.Flags.emplace_back(F);
                Pos = End + 1;
            }
            break;
        case ':':
            for (std::size_t Pos = 0; Pos < Rest.size();) {
                while (Pos < Rest.size() && Rest[Pos] == ' ')
                    ++Pos;
                std::size_t End = Rest.find(' ', Pos);
                if (End == std::string_view::npos) End = Rest.size();
                if (End > Pos) FEntry.References.emplace_back(Rest.substr(Pos, End - Pos));
                Pos = End;
            }
            break;
        case '.':
            FEntry.Extracted.emplace_back(Rest);
            break;
        case '|':
            break; // the previous source text of a fuzzy entry
        default:
            FEntry.Comments.emplace_back(Trim(L.substr(1)));
        }
    }

    void Keyword(std::string_view L) {
        const std::size_t Space = L.find_first_of(" \t");
        if (Space == std::string_view::npos) Fail("a keyword without a string");
        const std::string_view Word = L.substr(0, Space);
        const std::string_view Value = Trim(L.substr(Space));
        if (Word == "msgctxt" || Word == "msgid") {
            StartIfDone();
            FInEntry = true;
            if (Word == "msgctxt") {
                if (FEntry.Context) Fail("a second msgctxt in one entry");
                FEntry.Context.emplace();
                FField = &*FEntry.Context;
            } else {
                if (FHasId) Fail("a second msgid in one entry");
                FHasId = true;
                FEntry.Line = FLineNo;
                FField = &FEntry.Id;
            }
        } else if (Word == "msgid_plural") {
            if (!FHasId) Fail("msgid_plural without msgid");
            FEntry.Plural = true;
            FField = &FScratch;
        } else if (Word == "msgstr" || Word.starts_with("msgstr[")) {
            if (!FHasId) Fail("msgstr without msgid");
            if (Word == "msgstr" && FEntry.Plural) Fail("msgstr in a plural entry");
            // The first form of a plural entry, or the one msgstr.
            const bool First = Word == "msgstr" || Word == "msgstr[0]";
            if (First && FHasStr) Fail("a second msgstr in one entry");
            FHasStr = true;
            FField = First ? &FEntry.Str : &FScratch;
        } else {
            Fail("unknown keyword " + String(Word));
        }
        FScratch.clear();
        *FField = Unquote(Value);
    }

    String Unquote(std::string_view S) {
        if (S.size() < 2 || S.front() != '"' || S.back() != '"') Fail("a string not in quotes");
        S = S.substr(1, S.size() - 2);
        String Out;
        for (std::size_t i = 0; i < S.size(); ++i) {
            char C = S[i];
            if (C == '"') Fail("a quote inside a string that is not escaped");
            if (C != '\\') {
                Out += C;
                continue;
            }
            if (++i >= S.size()) Fail("a string ending in a backslash");
            C = S[i];
            switch (C) {
            case 'n':
                Out += '\n';
                break;
            case 't':
                Out += '\t';
                break;
            case 'r':
                Out += '\r';
                break;
            case 'a':
                Out += '\a';
                break;
            case 'b':
                Out += '\b';
                break;
            case 'f':
                Out += '\f';
                break;
            case 'v':
                Out += '\v';
                break;
            case '\\':
            case '"':
            case '\'':
            case '?':
                Out += C;
                break;
            case 'x': {
                int V = 0, N = 0;
                while (i + 1 < S.size() && std::isxdigit(static_cast<unsigned char>(S[i + 1]))) {
                    const char D = S[++i];
                    V = V * 16 + (std::isdigit(static_cast<unsigned char>(D))
                                      ? D - '0'
                                      : std::tolower(static_cast<unsigned char>(D)) - 'a' + 10);
                    if (++N > 2) Fail("a hexadecimal escape beyond one byte");
                }
                if (!N) Fail("\\x without digits");
                Out += static_cast<char>(V);
                break;
            }
            default:
                if (C >= '0' && C <= '7') {
                    int V = C - '0';
                    for (int N = 1; N < 3 && i + 1 < S.size() && S[i + 1] >= '0' && S[i + 1] <= '7';
                         ++N)
                        V = V * 8 + (S[++i] - '0');
                    if (V > 255) Fail("an octal escape beyond one byte");
                    Out += static_cast<char>(V);
                } else {
                    Fail(String("unknown escape \\") + C);
                }
            }
        }
        return Out;
    }

    void EndEntry() {
        FField = nullptr;
        if (FObsolete) {
            FObsolete = false;
            if (!FHasId) {
                Reset();
                return;
            }
        }
        if (FInEntry) {
            if (!FHasId) Fail("an entry without msgid");
            if (!FHasStr) Fail("an entry without msgstr");
            if (FEntry.Id.empty() && !FEntry.Context && !FHeaderSeen) {
                FHeaderSeen = true;
                ReadHeader();
            } else {
                FFile.Entries.push_back(std::move(FEntry));
            }
        }
        Reset();
    }

    void Reset() {
        FEntry = TPoEntry();
        FInEntry = FHasId = FHasStr = false;
    }

    void ReadHeader() {
        FFile.HeaderComments = FEntry.Comments;
        std::string_view H = FEntry.Str;
        while (!H.empty()) {
            std::size_t End = H.find('\n');
            if (End == std::string_view::npos) End = H.size();
            std::string_view Field = H.substr(0, End);
            H.remove_prefix(std::min(H.size(), End + 1));
            const std::size_t Colon = Field.find(':');
            if (Colon == std::string_view::npos) continue;
            FFile.Header.emplace_back(String(Trim(Field.substr(0, Colon))),
                                      String(Trim(Field.substr(Colon + 1))));
        }
    }

    std::string_view FText;
    String FName;
    std::size_t FPos = 0;
    std::string_view FLine;
    int FLineNo = 0;
    TPoFile FFile;
    TPoEntry FEntry;
    String FScratch;
    String* FField = nullptr;
    bool FInEntry = false, FHasId = false, FHasStr = false, FObsolete = false;
    bool FHeaderSeen = false;
};

} // namespace

TPoFile ReadPo(std::string_view Text, const String& FileName) {
    return TPoReader(Text, FileName).Run();
}

} // namespace zantor
