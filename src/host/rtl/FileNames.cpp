#include "host/rtl/FileNames.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace host {

namespace {

// Where the name part starts: after the last separator, or after a drive prefix "C:".
std::size_t NameStart(std::string_view FileName) {
    auto it = std::find_if(FileName.rbegin(), FileName.rend(), IsPathDelimiter);
    if (it != FileName.rend()) return static_cast<std::size_t>(FileName.rend() - it);
    bool drive =
        FileName.size() >= 2 && FileName[1] == ':' &&
        ((FileName[0] >= 'A' && FileName[0] <= 'Z') || (FileName[0] >= 'a' && FileName[0] <= 'z'));
    return drive ? 2 : 0;
}

// Position of the extension's dot, or the end of FileName when the name part has none.
std::size_t ExtStart(std::string_view FileName) {
    std::size_t dot = FileName.rfind('.');
    return dot != std::string_view::npos && dot >= NameStart(FileName) ? dot : FileName.size();
}

bool StatIs(std::string_view Name, mode_t Kind) {
    struct stat st {};
    // A name with a NUL byte cannot name a file; it must not stand for its prefix.
    if (Name.empty() || Name.find('\0') != std::string_view::npos) return false;
    return ::stat(LocalFileName(Name).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == Kind;
}

} // namespace

bool IsPathDelimiter(char C) {
    return C == '\\' || C == '/';
}

String ExtractFilePath(std::string_view FileName) {
    return String(FileName.substr(0, NameStart(FileName)));
}

String ExtractFileDir(std::string_view FileName) {
    String dir = ExtractFilePath(FileName);
    // A root ("/", "C:\") keeps its separator; it is the folder itself.
    if (dir.size() > 1 && IsPathDelimiter(dir.back()) && !IsPathDelimiter(dir[dir.size() - 2]) &&
        dir[dir.size() - 2] != ':')
        dir.pop_back();
    return dir;
}

String ExtractFileName(std::string_view FileName) {
    return String(FileName.substr(NameStart(FileName)));
}

String ExtractFileExt(std::string_view FileName) {
    return String(FileName.substr(ExtStart(FileName)));
}

String ChangeFileExt(std::string_view FileName, std::string_view Ext) {
    return String(FileName.substr(0, ExtStart(FileName))) + String(Ext);
}

String IncludeTrailingPathDelimiter(std::string_view Path) {
    // An empty path stays relative rather than turning into the root folder.
    if (Path.empty() || IsPathDelimiter(Path.back())) return String(Path);
    bool hostStyle =
        Path.find('\\') != std::string_view::npos && Path.find('/') == std::string_view::npos;
    return String(Path) + (hostStyle ? '\\' : '/');
}

String LocalFileName(std::string_view FileName) {
    String s(FileName);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

bool FileExists(std::string_view FileName) {
    return StatIs(FileName, S_IFREG);
}

bool DirectoryExists(std::string_view Dir) {
    return StatIs(Dir, S_IFDIR);
}

bool DeleteFile(std::string_view FileName) {
    return FileExists(FileName) && ::unlink(LocalFileName(FileName).c_str()) == 0;
}

String ParamStr0() {
    String buf(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return {};
    buf.resize(static_cast<std::size_t>(n));
    return buf;
}

} // namespace host
