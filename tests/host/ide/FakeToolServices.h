// Tool services of a design-time host that has a project name and nothing else open.
#pragma once

#include "host/ide/ToolServices.h"

namespace zt_test {

struct TFakeToolServices : host::TIToolServices {
    host::String ProjectName;
    host::String GetProjectName() override { return ProjectName; }
    int GetUnitCount() override { return 0; }
    host::String GetUnitName(int) override { return host::String(); }
    bool IsFileOpen(const host::String&) override { return false; }
    bool OpenFile(const host::String&) override { return false; }
    bool CloseFile(const host::String&) override { return false; }
    host::TIModuleInterface* GetModuleInterface(const host::String&) override { return nullptr; }
};

} // namespace zt_test
