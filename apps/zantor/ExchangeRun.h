// The design-time host with the packages loaded and a project open, and the exchange
// operations of the first package that has them. The operations go before the host unloads
// the package.
#pragma once

#include "exchange/ProjectExchangeIntf.h"
#include "host/ide/DesignHost.h"

#include <memory>
#include <ostream>
#include <vector>

class TExchangeRun {
public:
    TExchangeRun(const std::vector<host::String>& Packages, const host::String& ProjectFile,
                 std::ostream* Progress);

    // A file named on the command line, relative to the current folder.
    static host::String Full(const host::String& Name);

    host::TDesignHost Host;
    std::unique_ptr<zantor::TIProjectExchange> Exchange;
};
