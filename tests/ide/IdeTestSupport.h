// Shared set-up of the design-time host tests: the built package and helper packages, a copy
// of the example application's project in a temporary folder, and a host that loads the
// package.
#pragma once

#include "host/ide/DesignHost.h"

#include "TestUtil.h"

#include <memory>
#include <string>

namespace zt_ide_test {

inline const std::string PackageFile = ZT_PACKAGE_FILE;
inline const std::string PackageD3File = ZT_PACKAGE_D3_FILE;
inline const std::string PackageC3File = ZT_PACKAGE_C3_FILE;
inline const std::string NoEntryPackageFile = ZT_NO_ENTRY_PACKAGE_FILE;
inline const std::string FailingPackageFile = ZT_FAILING_PACKAGE_FILE;
inline const std::string ZantorExe = ZT_ZANTOR_EXE;
inline const std::string DemoDir = ZT_DEMO_DIR;

// A copy of the example application's folder (with its project file Demo.zproj).
class TDemoCopy {
public:
    TDemoCopy();
    std::string File(const std::string& Name) const { return Dir.File(Name); }
    std::string Project() const { return File("Demo.zproj"); }
    zt_test::TempDir Dir;
};

class IdeTest : public ::testing::Test {
protected:
    IdeTest();
    ~IdeTest() override;

    TDemoCopy Demo;
    std::unique_ptr<host::TDesignHost> Host;
};

} // namespace zt_ide_test
