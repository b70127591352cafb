// A run-time library header that includes the platform layer above it: the layer check must
// refuse this tree.
#pragma once

#include "host/winapi/Modules.h"
