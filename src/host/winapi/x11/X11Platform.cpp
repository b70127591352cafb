#include "host/winapi/x11/X11Platform.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/NlsCodePage.h"
#include "host/winapi/PlatformInput.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo-xlib.h>
#include <poll.h>

#include <cstring>
#include <unordered_map>
#include <vector>

namespace host::x11 {

namespace {

struct TXWindow {
    Window Id = 0;
    cairo_surface_t* Target = nullptr; // the X window as a Cairo surface
    int Width = 0;
    int Height = 0;
};

struct TKeyMap {
    KeySym Sym;
    int Vk;
};

const TKeyMap KeyMap[] = {
    {XK_BackSpace, VK_BACK},    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},  {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},   {XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, VK_SHIFT},     {XK_Control_L, VK_CONTROL},
    {XK_Control_R, VK_CONTROL}, {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},        {XK_Meta_L, VK_MENU},
    {XK_Escape, VK_ESCAPE},     {XK_space, VK_SPACE},
    {XK_Prior, VK_PRIOR},       {XK_Next, VK_NEXT},
    {XK_End, VK_END},           {XK_Home, VK_HOME},
    {XK_Left, VK_LEFT},         {XK_Up, VK_UP},
    {XK_Right, VK_RIGHT},       {XK_Down, VK_DOWN},
    {XK_Delete, VK_DELETE},     {XK_F4, VK_F4},
    {XK_F10, VK_F10},
};

int VirtualKey(KeySym Sym) {
    for (const TKeyMap& K : KeyMap)
        if (K.Sym == Sym) return K.Vk;
    if (Sym >= XK_a && Sym <= XK_z) return int('A' + (Sym - XK_a));
    if (Sym >= XK_A && Sym <= XK_Z) return int('A' + (Sym - XK_A));
    if (Sym >= XK_0 && Sym <= XK_9) return int('0' + (Sym - XK_0));
    if (Sym >= XK_F1 && Sym <= XK_F12) return int(0x70 + (Sym - XK_F1));
    return 0;
}

// The process-wide flag Xlib's fatal-error path sets; one display connection at a time.
TX11Platform* LiveInstance = nullptr;
bool ConnectionLost = false;

int OnXError(Display*, XErrorEvent*) {
    // Requests about windows the server already dropped are harmless here.
    return 0;
}

int OnIoError(Display*) {
    ConnectionLost = true;
    return 0;
}

void OnIoErrorExit(Display*, void*) {
    ConnectionLost = true;
}

} // namespace

struct TX11Platform::TImpl {
    Display* Dpy = nullptr;
    std::string Name;
    Atom WmProtocols = 0, WmDelete = 0, NetWmName = 0, Utf8 = 0, MotifHints = 0;
    XIM Im = nullptr;
    std::unordered_map<HWND, TXWindow> Windows;
    std::unordered_map<Window, HWND> ByX;
    std::unordered_map<Window, XIC> Ics;
    // Moving a window by its caption.
    HWND Moving = nullptr;
    POINT MoveStart;
    RECT MoveFrom;

    void CheckConnection() const {
        if (ConnectionLost)
            throw EDisplayLost("The connection to the X display \"" + Name + "\" was lost");
    }
};

TX11Platform::TX11Platform(const char* DisplayName) : FImpl(std::make_unique<TImpl>()) {
    ConnectionLost = false;
    FImpl->Dpy = XOpenDisplay(DisplayName);
    const char* Shown = DisplayName ? DisplayName : std::getenv("DISPLAY");
    FImpl->Name = Shown ? Shown : "";
    if (!FImpl->Dpy) throw Exception("Cannot open X display \"" + FImpl->Name + "\"");
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnIoError);
    XSetIOErrorExitHandler(FImpl->Dpy, OnIoErrorExit, nullptr);
    FImpl->WmProtocols = XInternAtom(FImpl->Dpy, "WM_PROTOCOLS", False);
    FImpl->WmDelete = XInternAtom(FImpl->Dpy, "WM_DELETE_WINDOW", False);
    FImpl->NetWmName = XInternAtom(FImpl->Dpy, "_NET_WM_NAME", False);
    FImpl->Utf8 = XInternAtom(FImpl->Dpy, "UTF8_STRING", False);
    FImpl->MotifHints = XInternAtom(FImpl->Dpy, "_MOTIF_WM_HINTS", False);
    FImpl->Im = XOpenIM(FImpl->Dpy, nullptr, nullptr, nullptr);
    LiveInstance = this;
}

TX11Platform::~TX11Platform() {
    // The layer's windows may still exist (the platform is replaced): their X windows go.
    std::vector<HWND> All;
    for (const auto& [Wnd, X] : FImpl->Windows)
        All.push_back(Wnd);
    for (HWND Wnd : All)
        WindowDestroyed(Wnd);
    if (!ConnectionLost) {
        if (FImpl->Im) XCloseIM(FImpl->Im);
        XCloseDisplay(FImpl->Dpy);
    }
    if (LiveInstance == this) LiveInstance = nullptr;
}

const std::string& TX11Platform::DisplayName() const {
    return FImpl->Name;
}

int TX11Platform::WindowCount() const {
    return int(FImpl->Windows.size());
}

void TX11Platform::WindowCreated(HWND Wnd) {
    TOffscreenPlatform::WindowCreated(Wnd);
    if (ConnectionLost || FImpl->Windows.count(Wnd)) return;
    Display* D = FImpl->Dpy;
    RECT R;
    GetWindowRect(Wnd, &R);
    const int W = std::max<int>(1, R.right - R.left), H = std::max<int>(1, R.bottom - R.top);
    const auto Style = DWORD(GetWindowLongPtrA(Wnd, GWL_STYLE));
    XSetWindowAttributes A{};
    A.background_pixel = 0xC0C0C0;
    // Menus and other caption-less pop-ups are placed by the layer, past the window manager.
    A.override_redirect = (Style & WS_POPUP) && (Style & WS_CAPTION) != WS_CAPTION;
    A.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                   KeyPressMask | KeyReleaseMask | StructureNotifyMask | FocusChangeMask;
    const int Screen = DefaultScreen(D);
    const Window X = XCreateWindow(D, RootWindow(D, Screen), R.left, R.top, unsigned(W),
                                   unsigned(H), 0, CopyFromParent, InputOutput, CopyFromParent,
                                   CWBackPixel | CWOverrideRedirect | CWEventMask, &A);
    XSetWMProtocols(D, X, &FImpl->WmDelete, 1);
    // No decorations: the layer draws the classic frame itself.
    const long Hints[5] = {2, 0, 0, 0, 0};
    XChangeProperty(D, X, FImpl->MotifHints, FImpl->MotifHints, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(Hints), 5);
    XSizeHints Size{};
    Size.flags = PPosition | PSize;
    Size.x = R.left;
    Size.y = R.top;
    Size.width = W;
    Size.height = H;
    XSetWMNormalHints(D, X, &Size);
    if (const HWND Owner = GetWindow(Wnd, GW_OWNER))
        if (const auto It = FImpl->Windows.find(Owner); It != FImpl->Windows.end())
            XSetTransientForHint(D, X, It->second.Id);
    TXWindow Rec;
    Rec.Id = X;
    Rec.Width = W;
    Rec.Height = H;
    Rec.Target = cairo_xlib_surface_create(D, X, DefaultVisual(D, Screen), W, H);
    FImpl->Windows[Wnd] = Rec;
    FImpl->ByX[X] = Wnd;
    if (FImpl->Im) {
        XIC Ic = XCreateIC(FImpl->Im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                           XNClientWindow, X, nullptr);
        if (Ic) FImpl->Ics[X] = Ic;
    }
    WindowChanged(Wnd, TWindowChange::Text);
    if (IsWindowVisible(Wnd)) XMapRaised(D, X);
    XFlush(D);
}

void TX11Platform::WindowChanged(HWND Wnd, TWindowChange Change) {
    TOffscreenPlatform::WindowChanged(Wnd, Change);
    const auto It = FImpl->Windows.find(Wnd);
    if (ConnectionLost || It == FImpl->Windows.end()) return;
    Display* D = FImpl->Dpy;
    TXWindow& X = It->second;
    switch (Change) {
    case TWindowChange::Bounds: {
        RECT R;
        GetWindowRect(Wnd, &R);
        const int W = std::max<int>(1, R.right - R.left), H = std::max<int>(1, R.bottom - R.top);
        XMoveResizeWindow(D, X.Id, R.left, R.top, unsigned(W), unsigned(H));
        cairo_xlib_surface_set_size(X.Target, W, H);
        X.Width = W;
        X.Height = H;
        break;
    }
    case TWindowChange::Text: {
        const int Length = GetWindowTextLengthA(Wnd);
        std::string Text(std::size_t(Length) + 1, '\0');
        GetWindowTextA(Wnd, Text.data(), Length + 1);
        Text.resize(std::size_t(Length));
        const std::string Utf8 = CodePageToUtf8(Text, GetACP());
        XChangeProperty(D, X.Id, FImpl->NetWmName, FImpl->Utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(Utf8.data()), int(Utf8.size()));
        XStoreName(D, X.Id, Utf8.c_str());
        break;
    }
    case TWindowChange::Activation:
        // The layer activated it (a dialog closed, a form shown): the keyboard follows.
        if (IsWindowVisible(Wnd)) {
            XWindowAttributes A;
            if (XGetWindowAttributes(D, X.Id, &A) && A.map_state == IsViewable &&
                !A.override_redirect)
                XSetInputFocus(D, X.Id, RevertToParent, CurrentTime);
        }
        break;
    case TWindowChange::Visibility:
        if (IsWindowVisible(Wnd))
            XMapRaised(D, X.Id);
        else
            XUnmapWindow(D, X.Id);
        break;
    default:
        break;
    }
    XFlush(D);
}

void TX11Platform::WindowDestroyed(HWND Wnd) {
    TOffscreenPlatform::WindowDestroyed(Wnd);
    const auto It = FImpl->Windows.find(Wnd);
    if (It == FImpl->Windows.end()) return;
    const TXWindow X = It->second;
    FImpl->Windows.erase(It);
    FImpl->ByX.erase(X.Id);
    if (FImpl->Moving == Wnd) FImpl->Moving = nullptr;
    cairo_surface_destroy(X.Target);
    if (const auto Ic = FImpl->Ics.find(X.Id); Ic != FImpl->Ics.end()) {
        if (!ConnectionLost) XDestroyIC(Ic->second);
        FImpl->Ics.erase(Ic);
    }
    if (ConnectionLost) return;
    XDestroyWindow(FImpl->Dpy, X.Id);
    XFlush(FImpl->Dpy);
}

void TX11Platform::Present(HWND TopLevel, const RECT& Rect) {
    const auto It = FImpl->Windows.find(TopLevel);
    cairo_surface_t* Image = Surface(TopLevel);
    if (ConnectionLost || It == FImpl->Windows.end() || !Image) return;
    cairo_surface_flush(Image);
    cairo_t* Cr = cairo_create(It->second.Target);
    cairo_set_source_surface(Cr, Image, 0, 0);
    cairo_rectangle(Cr, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
    cairo_fill(Cr);
    cairo_destroy(Cr);
    cairo_surface_flush(It->second.Target);
    XFlush(FImpl->Dpy);
    FImpl->CheckConnection();
}

void TX11Platform::BeginWindowMove(HWND Wnd, POINT ScreenPoint) {
    FImpl->Moving = Wnd;
    FImpl->MoveStart = ScreenPoint;
    GetWindowRect(Wnd, &FImpl->MoveFrom);
}

void TX11Platform::PumpInput() {
    FImpl->CheckConnection();
    Display* D = FImpl->Dpy;
    while (!ConnectionLost && XPending(D)) {
        XEvent E;
        XNextEvent(D, &E);
        if (XFilterEvent(&E, None)) continue;
        const auto Found = FImpl->ByX.find(E.xany.window);
        if (Found == FImpl->ByX.end()) continue;
        const HWND Wnd = Found->second;
        RECT Outer;
        GetWindowRect(Wnd, &Outer);
        switch (E.type) {
        case Expose:
            // The image still holds what was painted: no need to ask the window.
            Present(Wnd, {E.xexpose.x, E.xexpose.y, E.xexpose.x + E.xexpose.width,
                          E.xexpose.y + E.xexpose.height});
            break;
        case ButtonPress:
        case ButtonRelease: {
            const POINT P{Outer.left + E.xbutton.x, Outer.top + E.xbutton.y};
            const bool Down = E.type == ButtonPress;
            if (!Down && FImpl->Moving) FImpl->Moving = nullptr;
            WPARAM Keys = 0;
            if (E.xbutton.state & ShiftMask) Keys |= MK_SHIFT;
            if (E.xbutton.state & ControlMask) Keys |= MK_CONTROL;
            switch (E.xbutton.button) {
            case Button1:
                PostMouseInput(Down ? WM_LBUTTONDOWN : WM_LBUTTONUP, P,
                               Keys | (Down ? MK_LBUTTON : 0));
                break;
            case Button3:
                PostMouseInput(Down ? WM_RBUTTONDOWN : WM_RBUTTONUP, P, Keys);
                break;
            case Button4:
            case Button5:
                if (Down)
                    PostMouseInput(WM_MOUSEWHEEL, P, Keys, E.xbutton.button == Button4 ? 1 : -1);
                break;
            default:
                break;
            }
            break;
        }
        case MotionNotify: {
            // Only the latest position counts.
            while (XCheckTypedWindowEvent(D, E.xmotion.window, MotionNotify, &E)) {
            }
            const POINT P{Outer.left + E.xmotion.x, Outer.top + E.xmotion.y};
            if (FImpl->Moving == Wnd && (E.xmotion.state & Button1Mask)) {
                const RECT& F = FImpl->MoveFrom;
                SetWindowPos(Wnd, nullptr, F.left + P.x - FImpl->MoveStart.x,
                             F.top + P.y - FImpl->MoveStart.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                // The pointer stays where it was on the window, which has moved with it.
                FImpl->MoveStart = P;
                GetWindowRect(Wnd, &FImpl->MoveFrom);
                break;
            }
            PostMouseInput(WM_MOUSEMOVE, P, E.xmotion.state & Button1Mask ? MK_LBUTTON : 0);
            break;
        }
        case KeyPress:
        case KeyRelease: {
            const bool Down = E.type == KeyPress;
            char Buffer[64] = {};
            KeySym Sym = NoSymbol;
            int Length = 0;
            const auto Ic = FImpl->Ics.find(E.xkey.window);
            if (Down && Ic != FImpl->Ics.end()) {
                Status St;
                Length =
                    Xutf8LookupString(Ic->second, &E.xkey, Buffer, sizeof(Buffer) - 1, &Sym, &St);
                if (St != XLookupChars && St != XLookupBoth) Length = 0;
            } else {
                Length = XLookupString(&E.xkey, Buffer, sizeof(Buffer) - 1, &Sym, nullptr);
                if (!Down) Length = 0;
            }
            const int Vk = VirtualKey(Sym);
            if (Vk) PostKeyInput(Vk, Down);
            if (Down && Length > 0) PostCharInput(std::string_view(Buffer, std::size_t(Length)));
            break;
        }
        case ConfigureNotify: {
            // The window manager moved or resized the window.
            if (E.xconfigure.window != FImpl->Windows[Wnd].Id || E.xconfigure.send_event == False)
                break;
            const RECT Now{E.xconfigure.x, E.xconfigure.y, E.xconfigure.x + E.xconfigure.width,
                           E.xconfigure.y + E.xconfigure.height};
            if (!(Now == Outer))
                SetWindowPos(Wnd, nullptr, Now.left, Now.top, Now.right - Now.left,
                             Now.bottom - Now.top, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case MapNotify:
            // Without a window manager nobody else gives the active window the keyboard.
            if (GetActiveWindow() == Wnd)
                XSetInputFocus(D, E.xmap.window, RevertToParent, CurrentTime);
            break;
        case FocusIn:
            // The window manager gave this window the focus: it becomes the active one.
            if (GetActiveWindow() != Wnd && IsWindowEnabled(Wnd)) SetActiveWindow(Wnd);
            break;
        case ClientMessage:
            if (Atom(E.xclient.data.l[0]) == FImpl->WmDelete)
                PostMessageA(Wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default:
            break;
        }
    }
    FImpl->CheckConnection();
}

bool TX11Platform::WaitForInput(int TimeoutMs) {
    FImpl->CheckConnection();
    Display* D = FImpl->Dpy;
    XFlush(D);
    if (XPending(D)) return true;
    pollfd Fd{ConnectionNumber(D), POLLIN, 0};
    poll(&Fd, 1, TimeoutMs);
    if (Fd.revents & (POLLHUP | POLLERR)) ConnectionLost = true;
    FImpl->CheckConnection();
    return true;
}

unsigned long TX11Platform::XWindow(HWND Wnd) const {
    const auto It = FImpl->Windows.find(Wnd);
    return It == FImpl->Windows.end() ? 0 : It->second.Id;
}

std::string TX11Platform::XWindowName(HWND Wnd) const {
    const Window X = XWindow(Wnd);
    if (!X || ConnectionLost) return {};
    Atom Type;
    int Format;
    unsigned long Count, After;
    unsigned char* Data = nullptr;
    std::string Name;
    if (XGetWindowProperty(FImpl->Dpy, X, FImpl->NetWmName, 0, 1024, False, FImpl->Utf8, &Type,
                           &Format, &Count, &After, &Data) == Success &&
        Data) {
        Name.assign(reinterpret_cast<char*>(Data), Count);
        XFree(Data);
    }
    return Name;
}

bool TX11Platform::CapturePng(HWND Wnd, const std::string& FileName) const {
    const auto It = FImpl->Windows.find(Wnd);
    if (ConnectionLost || It == FImpl->Windows.end()) return false;
    const TXWindow& X = It->second;
    XImage* Image = XGetImage(FImpl->Dpy, X.Id, 0, 0, unsigned(X.Width), unsigned(X.Height),
                              AllPlanes, ZPixmap);
    if (!Image) return false;
    cairo_surface_t* Out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, X.Width, X.Height);
    cairo_surface_flush(Out);
    unsigned char* Pixels = cairo_image_surface_get_data(Out);
    const int Stride = cairo_image_surface_get_stride(Out);
    for (int Y = 0; Y < X.Height; ++Y)
        for (int Xp = 0; Xp < X.Width; ++Xp) {
            const unsigned long P = XGetPixel(Image, Xp, Y);
            std::uint32_t Value = std::uint32_t(P & 0xFFFFFF);
            std::memcpy(Pixels + Y * Stride + Xp * 4, &Value, 4);
        }
    cairo_surface_mark_dirty(Out);
    XDestroyImage(Image);
    const bool Ok = cairo_surface_write_to_png(Out, FileName.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(Out);
    return Ok;
}

void TX11Platform::Sync() {
    FImpl->CheckConnection();
    XSync(FImpl->Dpy, False);
    FImpl->CheckConnection();
}

} // namespace host::x11
