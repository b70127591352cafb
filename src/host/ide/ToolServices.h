// The design-time host's tool services, as far as the package asks them: the project being
// edited. ToolServices is null outside the design-time host.
#pragma once

#include "host/rtl/Types.h"

namespace host {

class TIToolServices {
public:
    virtual ~TIToolServices() = default;
    // Full file name of the current project; "" when no project is open.
    virtual String GetProjectName() = 0;
};

extern TIToolServices* ToolServices;

} // namespace host
