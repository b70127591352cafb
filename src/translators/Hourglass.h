// Shows the hourglass cursor for the lifetime of the object, then restores the cursor that
// was shown before, also when an exception leaves the scope.
#pragma once

#include "host/controls/Screen.h"

namespace zantor {

class THourglass {
public:
    THourglass() {
        if (host::Screen) {
            FSaved = host::Screen->Cursor();
            host::Screen->SetCursor(host::crHourGlass);
        }
    }
    ~THourglass() {
        if (host::Screen) host::Screen->SetCursor(FSaved);
    }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    host::TCursor FSaved = host::crDefault;
};

} // namespace zantor
