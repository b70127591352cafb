// A project of the design-time host: the project file in the project folder, naming the
// project and listing its units, each a source file and, for a form unit, a form file.
//
// The file is line based (see docs/project-file.md):
//
//     ; comment
//     [Project]
//     Name=ZantorDemo
//     [Unit MainForm]
//     Source=MainForm.cpp
//     Form=MainForm.dfm
//
// File names are relative to the project folder (or absolute); units keep their order.
#pragma once

#include "host/rtl/Exceptions.h"

#include <vector>

namespace host {

ZT_DECLARE_EXCEPTION(EProjectError, Exception);

struct TProjectUnit {
    String Name;
    String SourceFile; // full file name
    String FormFile;   // full file name; "" for a unit without a form
};

class TProject {
public:
    // Reads a project file. Raises EFOpenError when it cannot be read and EProjectError
    // "<file>, line N: <what>" for text that is no project (unknown section or key, a unit
    // without Source, a unit name used twice or not an identifier).
    static TProject LoadFromFile(const String& FileName);
    // The project as its file text.
    String ToText() const;

    const String& FileName() const { return FFileName; }
    // Folder of the project file, with its trailing separator.
    String Folder() const;
    const String& Name() const { return FName; }
    const std::vector<TProjectUnit>& Units() const { return FUnits; }
    // The unit whose source or form file is FileName (full name, compared exactly); nullptr.
    const TProjectUnit* FindUnitByFile(const String& FileName) const;
    // The unit of that name (case ignored); nullptr.
    const TProjectUnit* FindUnit(std::string_view Name) const;

private:
    String FFileName;
    String FName;
    std::vector<TProjectUnit> FUnits;
};

// Full file name of Name relative to Folder (Name itself when absolute), with "." and ".."
// parts resolved.
String ExpandFileName(const String& Folder, const String& Name);

} // namespace host
