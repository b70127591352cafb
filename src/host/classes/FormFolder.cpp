#include "host/classes/FormFolder.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/LineBreaks.h"

#include <algorithm>
#include <filesystem>

namespace host {

String FormRootClass(std::string_view Text) {
    if (Text.substr(0, 3) == "\xEF\xBB\xBF") Text.remove_prefix(3);
    std::size_t Start = Text.find_first_not_of(" \t\r\n");
    if (Start == std::string_view::npos) return {};
    std::string_view Line = Text.substr(Start, FindLineBreak(Text, Start) - Start);
    std::size_t Colon = Line.find(':');
    if (Colon == std::string_view::npos) return {};
    std::string_view Rest = Line.substr(Colon + 1);
    std::size_t B = Rest.find_first_not_of(" \t");
    if (B == std::string_view::npos) return {};
    Rest.remove_prefix(B);
    std::size_t E = Rest.find_first_of(" \t[");
    return String(Rest.substr(0, E));
}

TFormFolder::TFormFolder(const String& Directory) {
    std::error_code Ec;
    for (const auto& Entry : std::filesystem::directory_iterator(Directory, Ec)) {
        String Ext = Entry.path().extension().string();
        if (!SameText(Ext, ".dfm") && !SameText(Ext, ".lfm")) continue;
        String File = Entry.path().string();
        String Class = FormRootClass(ReadFileBytes(File));
        if (!Class.empty()) FFiles[Class].push_back(File);
    }
    // Directory order is arbitrary: make the choice among equals repeatable, a .dfm before
    // the .lfm of the same form.
    for (auto& [Class, Files] : FFiles)
        std::sort(Files.begin(), Files.end(), [](const String& A, const String& B) {
            bool DfmA = A.ends_with(".dfm"), DfmB = B.ends_with(".dfm");
            return DfmA != DfmB ? DfmA : A < B;
        });
}

void TFormFolder::DeclareAncestor(const String& ClassName, const String& AncestorClassName) {
    FAncestors[ClassName] = AncestorClassName;
}

String TFormFolder::FileOfClass(std::string_view ClassName, std::string_view Near) const {
    auto It = FFiles.find(ClassName);
    if (It == FFiles.end()) return {};
    String NearName = std::filesystem::path(Near).filename().string();
    const String* Best = nullptr;
    std::size_t BestShared = 0;
    for (const String& File : It->second) {
        String Name = std::filesystem::path(File).filename().string();
        std::size_t Shared = 0;
        while (Shared < Name.size() && Shared < NearName.size() && Name[Shared] == NearName[Shared])
            ++Shared;
        if (!Best || Shared > BestShared) {
            Best = &File;
            BestShared = Shared;
        }
    }
    return *Best;
}

TFindFormText TFormFolder::Finder(const String& FileName) const {
    return [this, FileName](const String& ClassName, bool Ancestor, String& Text) {
        String Class = ClassName;
        if (Ancestor) {
            auto It = FAncestors.find(ClassName);
            if (It == FAncestors.end()) return false;
            Class = It->second;
        }
        String File = FileOfClass(Class, FileName);
        if (File.empty()) return false;
        Text = ReadFileBytes(File);
        return true;
    };
}

TComponent* TFormFolder::ReadFile(const String& FileName, TComponent* Root, TComponent* Owner,
                                  bool Tolerant) const {
    TFormReadOptions Options;
    Options.Tolerant = Tolerant;
    Options.FindFormText = Finder(FileName);
    return ReadComponentFromText(ReadFileBytes(FileName), Root, Owner, Options);
}

} // namespace host
