#include "host/ide/Project.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"

#include <filesystem>

namespace host {

String ExpandFileName(const String& Folder, const String& Name) {
    std::filesystem::path P(LocalFileName(Name));
    if (P.is_relative()) P = std::filesystem::path(LocalFileName(Folder)) / P;
    if (P.is_relative()) P = std::filesystem::absolute(P);
    return P.lexically_normal().string();
}

TProject TProject::LoadFromFile(const String& FileName) {
    TProject Project;
    Project.FFileName = ExpandFileName(String(), FileName);
    const String Folder = Project.Folder();
    const String Text = ReadFileBytes(FileName);

    enum class TSection { None, ProjectSection, UnitSection } Section = TSection::None;
    int LineNo = 0;
    int UnitLine = 0;
    auto Error = [&](int Line, const String& What) {
        throw EProjectError(Project.FFileName + ", line " + std::to_string(Line) + ": " + What);
    };
    auto CloseUnit = [&] {
        if (Section == TSection::UnitSection && Project.FUnits.back().SourceFile.empty())
            Error(UnitLine, "unit " + Project.FUnits.back().Name + " has no Source");
    };
    for (String Raw : SplitString(Text, '\n')) {
        ++LineNo;
        if (LineNo == 1 && StartsStr("\xEF\xBB\xBF", Raw)) Raw.erase(0, 3);
        String Line = Trim(Raw);
        if (Line.empty() || Line[0] == ';' || Line[0] == '#') continue;
        if (Line.front() == '[') {
            if (Line.back() != ']') Error(LineNo, "section header without \"]\"");
            CloseUnit();
            String Header = Trim(Line.substr(1, Line.size() - 2));
            if (SameText(Header, "Project")) {
                Section = TSection::ProjectSection;
            } else if (StartsText("Unit ", Header)) {
                String Name = Trim(Header.substr(5));
                if (!IsValidIdent(Name)) Error(LineNo, "\"" + Name + "\" is no unit name");
                if (Project.FindUnit(Name)) Error(LineNo, "unit " + Name + " is listed twice");
                Project.FUnits.push_back({Name, String(), String()});
                Section = TSection::UnitSection;
                UnitLine = LineNo;
            } else {
                Error(LineNo, "unknown section [" + Header + "]");
            }
            continue;
        }
        std::size_t Eq = Line.find('=');
        if (Eq == String::npos) Error(LineNo, "\"" + Line + "\" is no Key=Value line");
        String Key = Trim(Line.substr(0, Eq));
        String Value = Trim(Line.substr(Eq + 1));
        if (Section == TSection::ProjectSection && SameText(Key, "Name")) {
            Project.FName = Value;
        } else if (Section == TSection::UnitSection &&
                   (SameText(Key, "Source") || SameText(Key, "Form"))) {
            if (Value.empty()) Error(LineNo, Key + " without a file name");
            String& Target = SameText(Key, "Source") ? Project.FUnits.back().SourceFile
                                                     : Project.FUnits.back().FormFile;
            Target = ExpandFileName(Folder, Value);
        } else {
            Error(LineNo, Section == TSection::None ? "\"" + Key + "\" outside a section"
                                                    : "unknown key \"" + Key + "\"");
        }
    }
    CloseUnit();
    if (Project.FName.empty()) Project.FName = ChangeFileExt(ExtractFileName(FileName), "");
    return Project;
}

namespace {

String Relative(const String& Folder, const String& FileName) {
    return StartsStr(Folder, FileName) ? FileName.substr(Folder.size()) : FileName;
}

} // namespace

String TProject::ToText() const {
    String Text = "[Project]\nName=" + FName + "\n";
    const String Base = Folder();
    for (const TProjectUnit& U : FUnits) {
        Text += "\n[Unit " + U.Name + "]\nSource=" + Relative(Base, U.SourceFile) + "\n";
        if (!U.FormFile.empty()) Text += "Form=" + Relative(Base, U.FormFile) + "\n";
    }
    return Text;
}

String TProject::Folder() const {
    return ExtractFilePath(FFileName);
}

const TProjectUnit* TProject::FindUnitByFile(const String& FileName) const {
    for (const TProjectUnit& U : FUnits)
        if (U.SourceFile == FileName || (!U.FormFile.empty() && U.FormFile == FileName)) return &U;
    return nullptr;
}

const TProjectUnit* TProject::FindUnit(std::string_view Name) const {
    for (const TProjectUnit& U : FUnits)
        if (SameText(U.Name, Name)) return &U;
    return nullptr;
}

} // namespace host
