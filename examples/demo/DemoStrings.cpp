#include "DemoStrings.h"

ZT_RESOURCESTRING(host::MainModule, SReady, "Ready.");
ZT_RESOURCESTRING(host::MainModule, SSaveError, "The file could not be saved.");
