#include "ExchangeRun.h"

#include "host/rtl/FileNames.h"

#include <stdexcept>

#include <unistd.h>

using namespace host;

String TExchangeRun::Full(const String& Name) {
    char Buffer[4096];
    if (!::getcwd(Buffer, sizeof Buffer))
        throw std::runtime_error("cannot read the current folder");
    return ExpandFileName(IncludeTrailingPathDelimiter(Buffer), Name);
}

TExchangeRun::TExchangeRun(const std::vector<String>& Packages, const String& ProjectFile,
                           std::ostream* Progress) {
    for (const String& P : Packages)
        Host.LoadPackage(P);
    for (const auto& P : LoadedPackages())
        if (void* Entry = P->Entry(zantor::ProjectExchangeEntry)) {
            Exchange.reset(reinterpret_cast<zantor::TNewProjectExchangeProc>(Entry)());
            break;
        }
    if (!Exchange) throw std::runtime_error("no loaded package has the exchange operations");
    Host.OpenProject(Full(ProjectFile));
    if (Progress)
        Exchange->SetOnProgress([Progress](const String& Gauge, const String& Status) {
            const auto Slash = Gauge.find(" / ");
            const int Index = std::stoi(Gauge.substr(0, Slash)) + 1;
            *Progress << "unit " << Index << " of " << Gauge.substr(Slash + 3) << ": "
                      << ExtractFileName(Status) << "\n";
        });
}
