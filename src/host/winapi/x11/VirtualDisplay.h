// A private X server (Xvfb) on a free display number, started for the life of the object: for
// tests and for drawing pictures of forms without a person's display.
#pragma once

#include <string>

namespace host::x11 {

class TVirtualDisplay {
public:
    // Starts Xvfb with a 1024x768 screen; Started() tells whether it runs, Error() why not.
    TVirtualDisplay();
    ~TVirtualDisplay();
    TVirtualDisplay(const TVirtualDisplay&) = delete;
    TVirtualDisplay& operator=(const TVirtualDisplay&) = delete;

    bool Started() const { return FPid > 0; }
    const std::string& Error() const { return FError; }
    // ":N"
    const std::string& Name() const { return FName; }
    // Ends the server now (as when a display goes away); the destructor does it otherwise.
    void Stop();

private:
    int FPid = -1;
    std::string FName;
    std::string FError;
};

} // namespace host::x11
