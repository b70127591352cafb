#include "host/controls/DialogData.h"

#include "host/rtl/StrUtils.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fnmatch.h>
#include <memory>
#include <set>

namespace host {

namespace {

// The lines a command prints; none when it cannot run.
std::vector<String> CommandLines(const char* Command) {
    std::vector<String> Lines;
    struct TCloser {
        void operator()(FILE* F) const { pclose(F); }
    };
    std::unique_ptr<FILE, TCloser> Pipe(popen(Command, "r"));
    if (!Pipe) return Lines;
    String Line;
    char Buffer[512];
    while (std::fgets(Buffer, sizeof Buffer, Pipe.get())) {
        Line += Buffer;
        if (!Line.empty() && Line.back() == '\n') {
            Line.pop_back();
            Lines.push_back(std::move(Line));
            Line.clear();
        }
    }
    if (!Line.empty()) Lines.push_back(std::move(Line));
    return Lines;
}

} // namespace

bool MatchesFileMasks(const String& Name, const String& Masks) {
    std::size_t Start = 0;
    while (Start <= Masks.size()) {
        std::size_t End = Masks.find(';', Start);
        if (End == String::npos) End = Masks.size();
        String Mask = Trim(Masks.substr(Start, End - Start));
        if (Mask == "*.*" || Mask == "*") return true;
        if (!Mask.empty() && fnmatch(Mask.c_str(), Name.c_str(), FNM_CASEFOLD) == 0) return true;
        Start = End + 1;
    }
    return false;
}

std::vector<String> ListFiles(const String& Folder, const String& Masks) {
    std::vector<String> Result;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error)) {
        std::error_code E2;
        if (!Entry.is_regular_file(E2)) continue;
        String Name = Entry.path().filename().string();
        if (MatchesFileMasks(Name, Masks)) Result.push_back(std::move(Name));
    }
    std::sort(Result.begin(), Result.end());
    return Result;
}

std::vector<String> ListFolders(const String& Folder) {
    std::vector<String> Result;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error)) {
        std::error_code E2;
        if (Entry.is_directory(E2)) Result.push_back("[" + Entry.path().filename().string() + "]");
    }
    std::sort(Result.begin(), Result.end());
    Result.insert(Result.begin(), "[..]");
    return Result;
}

std::vector<String> ListFontFamilies() {
    // fc-list prints "Family,Localized family" per face; the first name is the family's own.
    std::set<String> Families;
    for (String& Line : CommandLines("fc-list : family 2>/dev/null")) {
        String Name = Trim(Line.substr(0, Line.find(',')));
        if (!Name.empty()) Families.insert(std::move(Name));
    }
    return {Families.begin(), Families.end()};
}

std::vector<String> ListPrinters() {
    std::vector<String> Result;
    for (String& Line : CommandLines("lpstat -e 2>/dev/null")) {
        String Name = Trim(Line);
        if (!Name.empty()) Result.push_back(std::move(Name));
    }
    return Result;
}

} // namespace host
