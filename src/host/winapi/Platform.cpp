// The platform in use and the headless one.
#include "host/winapi/Platform.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

namespace {

std::unique_ptr<TPlatform>& Current() {
    static std::unique_ptr<TPlatform> P = std::make_unique<THeadlessPlatform>();
    return P;
}

// Top-level windows bottom of the z-order first, so a platform stacks them as the layer does.
std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> All = detail::ChildHandles(detail::DesktopRec());
    std::reverse(All.begin(), All.end());
    return All;
}

} // namespace

SIZE TNullPainter::Text(const RECT& Box, std::string_view Text, const LOGFONTA& Font, COLORREF,
                        UINT, bool) {
    // A cell of half the font height per character; enough for layouts to be stable.
    const LONG Height = Font.lfHeight ? (Font.lfHeight < 0 ? -Font.lfHeight : Font.lfHeight) : 13;
    const LONG Width = LONG(Text.size()) * std::max<LONG>(1, Height / 2);
    (void)Box;
    return {Width, Height + 2};
}

std::unique_ptr<TPainter> THeadlessPlatform::CreatePainter(HWND) {
    return std::make_unique<TNullPainter>();
}

TPlatform& CurrentPlatform() {
    return *Current();
}

std::unique_ptr<TPlatform> SetPlatform(std::unique_ptr<TPlatform> Platform) {
    if (!Platform) Platform = std::make_unique<THeadlessPlatform>();
    for (HWND Wnd : TopLevelWindows())
        Current()->WindowDestroyed(Wnd);
    std::unique_ptr<TPlatform> Previous = std::move(Current());
    Current() = std::move(Platform);
    for (HWND Wnd : TopLevelWindows()) {
        Current()->WindowCreated(Wnd);
        detail::InvalidateWholeWindow(Wnd);
    }
    return Previous;
}

namespace detail {

void NotifyPlatform(HWND Wnd, TWindowChange Change) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (W && IsTopLevel(*W)) Current()->WindowChanged(Wnd, Change);
}

void PlatformWindowCreated(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (W && IsTopLevel(*W)) Current()->WindowCreated(Wnd);
}

void PlatformWindowDestroyed(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (W && IsTopLevel(*W)) Current()->WindowDestroyed(Wnd);
}

} // namespace detail

} // namespace host
