#include "host/rtl/StrUtils.h"
#include "host/rtl/LineBreaks.h"

#include <algorithm>
#include <cstring>

namespace host {

namespace {

char LoCase(char C) {
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C + ('a' - 'A')) : C;
}

bool IsBlankOrControl(char C) {
    return static_cast<unsigned char>(C) <= ' ';
}

bool IsAsciiLetter(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

int Sign(int V) {
    return (V > 0) - (V < 0);
}

} // namespace

String Copy(std::string_view S, std::size_t Index, std::size_t Count) {
    if (Index >= S.size()) return {};
    return String(S.substr(Index, Count));
}

std::size_t Pos(std::string_view Sub, std::string_view S, std::size_t From) {
    // The host reports an empty Sub as not found rather than found everywhere.
    if (Sub.empty() || From >= S.size()) return NotFound;
    return S.find(Sub, From);
}

char UpCase(char C) {
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - ('a' - 'A')) : C;
}

String UpperCase(std::string_view S) {
    String r(S);
    std::transform(r.begin(), r.end(), r.begin(), UpCase);
    return r;
}

String LowerCase(std::string_view S) {
    String r(S);
    std::transform(r.begin(), r.end(), r.begin(), LoCase);
    return r;
}

int CompareStr(std::string_view A, std::string_view B) {
    return Sign(A.compare(B));
}

int CompareText(std::string_view A, std::string_view B) {
    // Both sides are upper-cased, so "_" sorts after letters as in the host.
    std::size_t n = std::min(A.size(), B.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto a = static_cast<unsigned char>(UpCase(A[i]));
        auto b = static_cast<unsigned char>(UpCase(B[i]));
        if (a != b) return a < b ? -1 : 1;
    }
    return Sign(static_cast<int>(A.size() > B.size()) - static_cast<int>(A.size() < B.size()));
}

bool SameText(std::string_view A, std::string_view B) {
    // Name look-ups mostly compare names spelled alike: fold the case only where bytes differ.
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (A[i] != B[i] && UpCase(A[i]) != UpCase(B[i])) return false;
    return true;
}

String TrimLeft(std::string_view S) {
    auto it = std::find_if_not(S.begin(), S.end(), IsBlankOrControl);
    return String(it, S.end());
}

String TrimRight(std::string_view S) {
    auto it = std::find_if_not(S.rbegin(), S.rend(), IsBlankOrControl);
    return String(S.begin(), it.base());
}

String Trim(std::string_view S) {
    auto first = std::find_if_not(S.begin(), S.end(), IsBlankOrControl);
    auto last = std::find_if_not(S.rbegin(), std::make_reverse_iterator(first), IsBlankOrControl);
    return String(first, last.base());
}

bool StartsStr(std::string_view Prefix, std::string_view S) {
    return S.starts_with(Prefix);
}

bool EndsStr(std::string_view Suffix, std::string_view S) {
    return S.ends_with(Suffix);
}

bool StartsText(std::string_view Prefix, std::string_view S) {
    return Prefix.size() <= S.size() && SameText(Prefix, S.substr(0, Prefix.size()));
}

String StringReplace(std::string_view S, std::string_view From, std::string_view To,
                     TReplaceMode Mode) {
    if (From.empty()) return String(S);
    String r;
    r.reserve(S.size());
    std::size_t start = 0;
    for (std::size_t at = S.find(From); at != std::string_view::npos; at = S.find(From, start)) {
        r.append(S.substr(start, at - start)).append(To);
        start = at + From.size();
        if (Mode == TReplaceMode::First) break;
    }
    r.append(S.substr(start));
    return r;
}

std::size_t FindLineBreak(std::string_view S, std::size_t From) {
    if (From >= S.size()) return NotFound;
    const char* Begin = S.data() + From;
    std::size_t Rest = S.size() - From;
    const void* Lf = std::memchr(Begin, '\n', Rest);
    std::size_t LfAt = Lf ? static_cast<std::size_t>(static_cast<const char*>(Lf) - Begin) : Rest;
    const void* Cr = std::memchr(Begin, '\r', LfAt);
    if (Cr) return From + static_cast<std::size_t>(static_cast<const char*>(Cr) - Begin);
    return Lf ? From + LfAt : NotFound;
}

std::vector<String> SplitString(std::string_view S, char Separator) {
    std::vector<String> parts;
    std::size_t start = 0;
    for (std::size_t at = S.find(Separator); at != std::string_view::npos;
         at = S.find(Separator, start)) {
        parts.emplace_back(S.substr(start, at - start));
        start = at + 1;
    }
    parts.emplace_back(S.substr(start));
    return parts;
}

bool IsValidIdent(std::string_view Ident) {
    if (Ident.empty() || !(IsAsciiLetter(Ident[0]) || Ident[0] == '_')) return false;
    return std::all_of(Ident.begin() + 1, Ident.end(), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
    });
}

String QuotedStr(std::string_view S, char Quote) {
    String r(1, Quote);
    for (char c : S) {
        r += c;
        if (c == Quote) r += c;
    }
    r += Quote;
    return r;
}

std::size_t TextHash::operator()(std::string_view S) const {
    // FNV-1a over the upper-cased bytes: equal under SameText means equal hashes.
    std::uint64_t h = 14695981039346656037ull;
    for (char c : S) {
        h ^= static_cast<unsigned char>(UpCase(c));
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

void AppendUtf8(String& Out, char32_t CodePoint) {
    auto put = [&Out](std::uint32_t b) { Out += static_cast<char>(b); };
    std::uint32_t c = CodePoint;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

} // namespace host
