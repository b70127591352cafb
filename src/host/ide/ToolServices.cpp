#include "host/ide/ToolServices.h"

namespace host {

TIToolServices* ToolServices = nullptr;

} // namespace host
