#include "IdeTestSupport.h"

#include "host/ide/DesignRegistry.h"

#include <filesystem>

namespace zt_ide_test {

TDemoCopy::TDemoCopy() {
    for (const auto& E : std::filesystem::directory_iterator(DemoDir))
        if (E.is_regular_file())
            std::filesystem::copy_file(E.path(), Dir.Path() / E.path().filename());
}

IdeTest::IdeTest() : Host(std::make_unique<host::TDesignHost>()) {
    Host->LoadPackage(PackageFile);
    Host->OpenProject(Demo.Project());
}

IdeTest::~IdeTest() {
    Host.reset();
    host::ClearDesignRegistries();
}

} // namespace zt_ide_test
