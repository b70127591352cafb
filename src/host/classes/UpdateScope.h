// Runs a piece of work between BeginUpdate and EndUpdate of a list or collection; EndUpdate
// also runs when the work raises. (EndUpdate may itself raise, so it is not left to a
// destructor.)
#pragma once

#include <utility>

namespace host {

template <class T, class F> void WithUpdate(T* Target, F&& Body) {
    Target->BeginUpdate();
    try {
        std::forward<F>(Body)();
    } catch (...) {
        Target->EndUpdate();
        throw;
    }
    Target->EndUpdate();
}

} // namespace host
