// zantor: the command-line face of the design-time host.
//
//   zantor inspect PROJECT [UNIT [COMPONENT]]
//
// Exit status: 0 on success, 1 when the work failed (package, project or form errors),
// 2 for a command line that is not understood.
#include "Inspect.h"

#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    CLI::App App{"Zantor for C++: the design-time host on the command line."};
    App.name("zantor");
    App.set_version_flag("--version", "zantor (Zantor for C++) " ZT_VERSION);
    App.require_subcommand(1);

    TInspectOptions Inspect;
    CLI::App* InspectCmd = App.add_subcommand(
        "inspect", "List the palette and units of PROJECT, the components of UNIT, or the Object "
                   "Inspector rows of COMPONENT on UNIT's form.");
    InspectCmd->add_option("PROJECT", Inspect.ProjectFile, "Project file")->required();
    InspectCmd->add_option("UNIT", Inspect.Unit, "Unit name or file");
    InspectCmd->add_option("COMPONENT", Inspect.Component, "Component (or form) name");
    InspectCmd->add_option("-p,--package", Inspect.Packages,
                           "Package to load (repeatable; default: ZntD4.so beside zantor)");

    try {
        App.parse(argc, argv);
    } catch (const CLI::CallForHelp& E) {
        return App.exit(E);
    } catch (const CLI::CallForAllHelp& E) {
        return App.exit(E);
    } catch (const CLI::CallForVersion& E) {
        return App.exit(E);
    } catch (const CLI::ParseError& E) {
        App.exit(E);
        return ExitUsage;
    }

    try {
        if (Inspect.Packages.empty())
            Inspect.Packages.push_back(host::ExtractFilePath(host::ParamStr0()) + "ZntD4.so");
        RunInspect(Inspect, std::cout);
    } catch (const std::exception& E) {
        std::cerr << "zantor: " << E.what() << "\n";
        return ExitFailure;
    }
    return 0;
}
