// The paint cycle: update rectangles, WM_PAINT in the message loop, BeginPaint/EndPaint and the
// device contexts that draw through the platform's painter.
#include "host/winapi/DeviceContext.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <unordered_map>

namespace host {

using detail::FindWindowRec;
using detail::TDcRec;
using detail::TWindowRec;

namespace {

std::unordered_map<HDC, std::unique_ptr<TDcRec>>& Dcs() {
    static std::unordered_map<HDC, std::unique_ptr<TDcRec>> M;
    return M;
}

bool IsEmpty(const RECT& R) {
    return R.right <= R.left || R.bottom <= R.top;
}

RECT Intersect(const RECT& A, const RECT& B) {
    RECT R{std::max(A.left, B.left), std::max(A.top, B.top), std::min(A.right, B.right),
           std::min(A.bottom, B.bottom)};
    if (IsEmpty(R)) return {};
    return R;
}

RECT Union(const RECT& A, const RECT& B) {
    if (IsEmpty(A)) return B;
    if (IsEmpty(B)) return A;
    return {std::min(A.left, B.left), std::min(A.top, B.top), std::max(A.right, B.right),
            std::max(A.bottom, B.bottom)};
}

RECT Offset(RECT R, LONG Dx, LONG Dy) {
    return {R.left + Dx, R.top + Dy, R.right + Dx, R.bottom + Dy};
}

RECT ClientRectOf(const TWindowRec& W) {
    const SIZE S = detail::ClientSize(W);
    return {0, 0, S.cx, S.cy};
}

// Where a window's client origin lies in its top-level window's coordinates.
POINT ClientOffsetInTop(const TWindowRec& W) {
    const TWindowRec* Top = FindWindowRec(detail::RootWindow(W.Handle));
    const POINT C = detail::ClientOrigin(W);
    return Top ? POINT{C.x - Top->Bounds.left, C.y - Top->Bounds.top} : C;
}

POINT WindowOffsetInTop(const TWindowRec& W) {
    const POINT C = ClientOffsetInTop(W);
    const RECT I = detail::WindowInsets(W);
    return {C.x - I.left, C.y - I.top};
}

// The part of Rect (top-level coordinates) that the window's parents let show.
RECT ClipByParents(const TWindowRec& W, RECT Rect) {
    for (const TWindowRec* P = FindWindowRec(W.Parent);
         P && !detail::IsTopLevel(*P) && P->Handle != detail::DesktopRec().Handle;
         P = FindWindowRec(P->Parent)) {
        const POINT O = ClientOffsetInTop(*P);
        Rect = Intersect(Rect, Offset(ClientRectOf(*P), O.x, O.y));
    }
    if (const TWindowRec* Top = FindWindowRec(detail::RootWindow(W.Handle)); Top && Top != &W) {
        const POINT O = ClientOffsetInTop(*Top);
        Rect = Intersect(Rect, Offset(ClientRectOf(*Top), O.x, O.y));
    }
    return Rect;
}

HDC MakeDc(const TWindowRec& W, POINT Origin, RECT Clip) {
    auto Dc = std::make_unique<TDcRec>();
    Dc->Handle = detail::NewHandle<HDC>();
    Dc->Wnd = W.Handle;
    Dc->TopLevel = detail::RootWindow(W.Handle);
    Dc->Painter = CurrentPlatform().CreatePainter(Dc->TopLevel);
    if (!Dc->Painter) Dc->Painter = std::make_unique<TNullPainter>();
    Dc->State.Origin = Origin;
    Dc->State.Clip = Clip;
    Dc->Area = Clip;
    Dc->State.Font = W.Font;
    Dc->State.BkColor = GetSysColor(COLOR_WINDOW);
    Dc->State.TextColor = GetSysColor(COLOR_WINDOWTEXT);
    Dc->Painter->SetClip(Clip);
    const HDC Handle = Dc->Handle;
    Dcs()[Handle] = std::move(Dc);
    return Handle;
}

bool NeedsPaint(const TWindowRec& W) {
    return !IsEmpty(W.Update) || W.FrameInvalid;
}

const TWindowRec* FirstDue(const TWindowRec& W, HWND Filter, UINT Min, UINT Max) {
    if (!(W.Style & WS_VISIBLE)) return nullptr;
    if (NeedsPaint(W) && detail::MessageMatches(W.Handle, WM_PAINT, Filter, Min, Max)) return &W;
    for (HWND Child : detail::ChildHandles(W))
        if (const TWindowRec* C = FindWindowRec(Child))
            if (const TWindowRec* Due = FirstDue(*C, Filter, Min, Max)) return Due;
    return nullptr;
}

} // namespace

namespace detail {

TDcRec* FindDc(HDC Dc) {
    const auto It = Dcs().find(Dc);
    return It == Dcs().end() ? nullptr : It->second.get();
}

std::optional<MSG> TakePaintMessage(HWND Filter, UINT FilterMin, UINT FilterMax) {
    for (HWND Top : ChildHandles(DesktopRec()))
        if (const TWindowRec* W = FindWindowRec(Top))
            if (const TWindowRec* Due = FirstDue(*W, Filter, FilterMin, FilterMax)) {
                MSG M;
                M.hwnd = Due->Handle;
                M.message = WM_PAINT;
                M.time = GetTickCount();
                return M;
            }
    return std::nullopt;
}

void InvalidateWholeWindow(HWND Wnd) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || !IsWindowVisible(Wnd)) return;
    const RECT I = WindowInsets(*W);
    if (I.left || I.top || I.right || I.bottom) W->FrameInvalid = true;
    InvalidateRect(Wnd, nullptr, true);
}

void InvalidateUnder(const TWindowRec& W) {
    if (IsTopLevel(W) || W.Handle == DesktopRec().Handle) return;
    const TWindowRec* Parent = FindWindowRec(W.Parent);
    if (!Parent) return;
    InvalidateRect(W.Parent, &W.Bounds, true);
}

void ResetPainting() {
    for (HWND Top : ChildHandles(DesktopRec()))
        PlatformWindowDestroyed(Top);
    Dcs().clear();
}

} // namespace detail

BOOL InvalidateRect(HWND Wnd, const RECT* Rect, BOOL Erase) {
    if (!Wnd) {
        for (HWND Top : detail::ChildHandles(detail::DesktopRec()))
            detail::InvalidateWholeWindow(Top);
        return true;
    }
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    if (!IsWindowVisible(Wnd)) return true;
    const RECT R = Intersect(Rect ? *Rect : ClientRectOf(*W), ClientRectOf(*W));
    if (IsEmpty(R)) return true;
    W->Update = Union(W->Update, R);
    W->UpdateErase = W->UpdateErase || Erase;
    // The parent paints under its children, so they paint again over what it covered.
    for (HWND Child : detail::ChildHandles(*W)) {
        TWindowRec* C = FindWindowRec(Child);
        if (!C || !(C->Style & WS_VISIBLE)) continue;
        const RECT Covered = Intersect(R, C->Bounds);
        if (IsEmpty(Covered)) continue;
        const RECT I = detail::WindowInsets(*C);
        if (I.left || I.top || I.right || I.bottom) C->FrameInvalid = true;
        const POINT O = detail::ClientOriginInParent(*C);
        const RECT Inner = Offset(Covered, -O.x, -O.y);
        InvalidateRect(Child, &Inner, Erase);
    }
    return true;
}

BOOL ValidateRect(HWND Wnd, const RECT* Rect) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    if (!Rect) {
        W->Update = {};
        W->UpdateErase = false;
        return true;
    }
    // A bounding rectangle only shrinks when the validated part covers it along a side.
    const RECT U = W->Update;
    if (Rect->left <= U.left && Rect->right >= U.right) {
        if (Rect->top <= U.top && Rect->bottom > U.top) W->Update.top = Rect->bottom;
        if (Rect->bottom >= U.bottom && Rect->top < U.bottom) W->Update.bottom = Rect->top;
    } else if (Rect->top <= U.top && Rect->bottom >= U.bottom) {
        if (Rect->left <= U.left && Rect->right > U.left) W->Update.left = Rect->right;
        if (Rect->right >= U.right && Rect->left < U.right) W->Update.right = Rect->left;
    }
    if (IsEmpty(W->Update)) W->Update = {};
    return true;
}

BOOL UpdateWindow(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    while (const auto M = detail::TakePaintMessage(Wnd, WM_PAINT, WM_PAINT))
        DispatchMessageA(&*M);
    return true;
}

BOOL GetUpdateRect(HWND Wnd, RECT* Rect, BOOL) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W) return false;
    if (Rect) *Rect = W->Update;
    return !IsEmpty(W->Update);
}

HDC BeginPaint(HWND Wnd, PAINTSTRUCT* Paint) {
    TWindowRec* W = FindWindowRec(Wnd);
    if (!W || !Paint) return nullptr;
    if (W->FrameInvalid) {
        W->FrameInvalid = false;
        SendMessageA(Wnd, WM_NCPAINT, 1, 0);
        if (!(W = FindWindowRec(Wnd))) return nullptr;
    }
    const RECT Update = W->Update;
    const bool Erase = W->UpdateErase;
    W->Update = {};
    W->UpdateErase = false;
    const POINT O = ClientOffsetInTop(*W);
    const RECT Clip = ClipByParents(*W, Offset(Update, O.x, O.y));
    const HDC Dc = MakeDc(*W, O, Clip);
    Paint->hdc = Dc;
    Paint->rcPaint = Update;
    Paint->fErase = false;
    if (Erase && !IsEmpty(Update)) Paint->fErase = !SendMessageA(Wnd, WM_ERASEBKGND, WPARAM(Dc), 0);
    return Dc;
}

BOOL EndPaint(HWND Wnd, const PAINTSTRUCT* Paint) {
    return Paint && ReleaseDC(Wnd, Paint->hdc);
}

HDC GetDC(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Wnd == GetDesktopWindow()) return nullptr;
    const POINT O = ClientOffsetInTop(*W);
    return MakeDc(*W, O, ClipByParents(*W, Offset(ClientRectOf(*W), O.x, O.y)));
}

HDC GetWindowDC(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || Wnd == GetDesktopWindow()) return nullptr;
    const POINT O = WindowOffsetInTop(*W);
    const RECT Whole{0, 0, W->Bounds.right - W->Bounds.left, W->Bounds.bottom - W->Bounds.top};
    return MakeDc(*W, O, ClipByParents(*W, Offset(Whole, O.x, O.y)));
}

int ReleaseDC(HWND, HDC Dc) {
    const auto It = Dcs().find(Dc);
    if (It == Dcs().end()) return 0;
    std::unique_ptr<TDcRec> Rec = std::move(It->second);
    Dcs().erase(It);
    Rec->Painter.reset();
    if (IsWindow(Rec->TopLevel) && !IsEmpty(Rec->Area))
        CurrentPlatform().Present(Rec->TopLevel, Rec->Area);
    return 1;
}

HWND WindowFromDC(HDC Dc) {
    const TDcRec* D = detail::FindDc(Dc);
    return D ? D->Wnd : nullptr;
}

} // namespace host
