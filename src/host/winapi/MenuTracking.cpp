// Drop-down and pop-up menus on screen: a window of the menu class per open menu, drawn from
// the menu's items, and the loop that runs while one is open.
#include "host/winapi/Activation.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Input.h"
#include "host/winapi/Menus.h"
#include "host/winapi/NonClient.h"
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

using detail::FindWindowRec;

namespace {

constexpr int ItemHeight = 19;
constexpr int SeparatorHeight = 9;
constexpr UINT_PTR Dismissed = 0;

struct TOpenMenu {
    HMENU Menu = nullptr;
    HWND Wnd = nullptr;
    int Hot = -1;
};

// The menu shown by each menu window, while one is open.
std::vector<TOpenMenu>& OpenMenus() {
    static std::vector<TOpenMenu> M;
    return M;
}

TOpenMenu* FindOpen(HWND Wnd) {
    for (TOpenMenu& M : OpenMenus())
        if (M.Wnd == Wnd) return &M;
    return nullptr;
}

String ItemText(HMENU Menu, int Pos) {
    const int Length = GetMenuStringA(Menu, UINT(Pos), nullptr, 0, MF_BYPOSITION);
    String Text(std::size_t(std::max(Length, 0)) + 1, '\0');
    GetMenuStringA(Menu, UINT(Pos), Text.data(), Length + 1, MF_BYPOSITION);
    Text.resize(std::size_t(std::max(Length, 0)));
    return Text;
}

bool IsSeparator(HMENU Menu, int Pos) {
    return (GetMenuState(Menu, UINT(Pos), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

bool IsEnabledItem(HMENU Menu, int Pos) {
    const UINT State = GetMenuState(Menu, UINT(Pos), MF_BYPOSITION);
    return !(State & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

// Item rectangles in the menu window's client coordinates.
std::vector<RECT> ItemRects(HMENU Menu, LONG Width) {
    std::vector<RECT> Rects;
    LONG Y = 0;
    for (int I = 0, N = GetMenuItemCount(Menu); I < N; ++I) {
        const LONG H = IsSeparator(Menu, I) ? SeparatorHeight : ItemHeight;
        Rects.push_back({0, Y, Width, Y + H});
        Y += H;
    }
    return Rects;
}

SIZE MenuSize(HWND Owner, HMENU Menu) {
    const HDC Dc = GetDC(Owner);
    LOGFONTA F;
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(F), &F);
    const HFONT Font = CreateFontIndirectA(&F);
    const HGDIOBJ Old = SelectObject(Dc, Font);
    LONG Width = 80, Height = 0;
    for (int I = 0, N = GetMenuItemCount(Menu); I < N; ++I) {
        if (IsSeparator(Menu, I)) {
            Height += SeparatorHeight;
            continue;
        }
        RECT R{};
        const String Text = ItemText(Menu, I);
        DrawTextA(Dc, Text.c_str(), -1, &R, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
        Width = std::max<LONG>(Width, R.right + 48);
        Height += ItemHeight;
    }
    SelectObject(Dc, Old);
    DeleteObject(Font);
    ReleaseDC(Owner, Dc);
    return {Width + 6, Height + 6};
}

void PaintMenu(HWND Wnd) {
    PAINTSTRUCT Ps;
    const HDC Dc = BeginPaint(Wnd, &Ps);
    const TOpenMenu* Open = FindOpen(Wnd);
    RECT Client;
    GetClientRect(Wnd, &Client);
    FillRect(Dc, &Client, GetSysColorBrush(COLOR_MENU));
    if (Open) {
        LOGFONTA F;
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(F), &F);
        const HFONT Font = CreateFontIndirectA(&F);
        const HGDIOBJ Old = SelectObject(Dc, Font);
        SetBkMode(Dc, TRANSPARENT);
        const std::vector<RECT> Items = ItemRects(Open->Menu, Client.right);
        for (int I = 0; I < int(Items.size()); ++I) {
            RECT R = Items[std::size_t(I)];
            if (IsSeparator(Open->Menu, I)) {
                RECT Line{R.left + 1, R.top + 3, R.right - 1, R.top + 5};
                DrawEdge(Dc, &Line, EDGE_ETCHED, BF_TOP);
                continue;
            }
            const UINT State = GetMenuState(Open->Menu, UINT(I), MF_BYPOSITION);
            const bool Hot = I == Open->Hot;
            if (Hot) FillRect(Dc, &R, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(Dc, GetSysColor(State & (MF_GRAYED | MF_DISABLED) ? COLOR_GRAYTEXT
                                         : Hot                             ? COLOR_HIGHLIGHTTEXT
                                                                           : COLOR_MENUTEXT));
            if (State & MF_CHECKED) {
                RECT Mark{R.left, R.top, R.left + 18, R.bottom};
                DrawFrameControl(Dc, &Mark, DFC_MENU, DFCS_MENUCHECK);
            }
            const String Text = ItemText(Open->Menu, I);
            const auto Tab = Text.find('\t');
            RECT TextRect{R.left + 20, R.top, R.right - 16, R.bottom};
            DrawTextA(Dc, Text.substr(0, Tab).c_str(), -1, &TextRect,
                      DT_SINGLELINE | DT_VCENTER | DT_LEFT);
            if (Tab != String::npos)
                DrawTextA(Dc, Text.substr(Tab + 1).c_str(), -1, &TextRect,
                          DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
            if (State & MF_POPUP) {
                RECT Arrow{R.right - 14, R.top, R.right - 4, R.bottom};
                DrawFrameControl(Dc, &Arrow, DFC_MENU, DFCS_MENUARROW);
            }
        }
        SelectObject(Dc, Old);
        DeleteObject(Font);
    }
    EndPaint(Wnd, &Ps);
}

void SetHot(TOpenMenu& Open, int Item) {
    if (Open.Hot == Item) return;
    Open.Hot = Item;
    InvalidateRect(Open.Wnd, nullptr, false);
}

int ItemAt(const TOpenMenu& Open, POINT Client) {
    RECT R;
    GetClientRect(Open.Wnd, &R);
    const std::vector<RECT> Items = ItemRects(Open.Menu, R.right);
    for (int I = 0; I < int(Items.size()); ++I) {
        const RECT& Item = Items[std::size_t(I)];
        if (Client.x >= Item.left && Client.x < Item.right && Client.y >= Item.top &&
            Client.y < Item.bottom)
            return I;
    }
    return -1;
}

int NextEnabled(HMENU Menu, int From, int Step) {
    const int N = GetMenuItemCount(Menu);
    for (int K = 1; K <= N; ++K) {
        const int I = ((From + Step * K) % N + N) % N;
        if (IsEnabledItem(Menu, I)) return I;
    }
    return -1;
}

// The result of a menu loop: a command, nothing, or a move to the next menu bar item.
struct TTrackResult {
    UINT_PTR Command = Dismissed;
    int MoveBar = 0;
};

TTrackResult RunMenu(HMENU Menu, POINT At, HWND Owner, HWND Bar, int BarItem) {
    SendMessageA(Owner, WM_INITMENUPOPUP, WPARAM(Menu), 0);
    const SIZE Size = MenuSize(Owner, Menu);
    const HWND Wnd =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP | WS_BORDER, At.x,
                        At.y, Size.cx, Size.cy, Owner, nullptr, nullptr, nullptr);
    if (!Wnd) return {};
    OpenMenus().push_back({Menu, Wnd, -1});
    ShowWindow(Wnd, SW_SHOWNA);
    TTrackResult Result;
    bool Done = false;
    MSG M;
    while (!Done) {
        if (!IsWindow(Wnd) || (Owner && !IsWindow(Owner))) break;
        if (!GetMessageA(&M, nullptr, 0, 0)) {
            PostQuitMessage(int(M.wParam));
            break;
        }
        TOpenMenu* Open = FindOpen(Wnd);
        if (!Open) break;
        const bool Mine = M.hwnd == Wnd;
        switch (M.message) {
        case WM_MOUSEMOVE:
            if (Mine)
                SetHot(*Open, ItemAt(*Open, {GET_X_LPARAM(M.lParam), GET_Y_LPARAM(M.lParam)}));
            break;
        case WM_LBUTTONUP:
            if (Mine) {
                const int I = ItemAt(*Open, {GET_X_LPARAM(M.lParam), GET_Y_LPARAM(M.lParam)});
                if (I >= 0 && IsEnabledItem(Menu, I) &&
                    !(GetMenuState(Menu, UINT(I), MF_BYPOSITION) & MF_POPUP)) {
                    Result.Command = GetMenuItemID(Menu, I);
                    Done = true;
                }
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (!Mine) {
                // A click on another menu bar item opens that one instead.
                POINT Screen{GET_X_LPARAM(M.lParam), GET_Y_LPARAM(M.lParam)};
                if (M.message != WM_NCLBUTTONDOWN) ClientToScreen(M.hwnd, &Screen);
                const int Other = Bar ? MenuBarItemFromPoint(Bar, Screen) : -1;
                if (Other >= 0 && Other != BarItem) Result.MoveBar = Other - BarItem;
                Done = true;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            switch (int(M.wParam)) {
            case VK_ESCAPE:
            case VK_MENU:
            case VK_F10:
                Done = true;
                break;
            case VK_UP:
                SetHot(*Open, NextEnabled(Menu, Open->Hot < 0 ? 0 : Open->Hot, -1));
                break;
            case VK_DOWN:
                SetHot(*Open, NextEnabled(Menu, Open->Hot, 1));
                break;
            case VK_LEFT:
            case VK_RIGHT:
                if (Bar) {
                    Result.MoveBar = int(M.wParam) == VK_LEFT ? -1 : 1;
                    Done = true;
                }
                break;
            case VK_RETURN:
                if (Open->Hot >= 0 && IsEnabledItem(Menu, Open->Hot) &&
                    !(GetMenuState(Menu, UINT(Open->Hot), MF_BYPOSITION) & MF_POPUP)) {
                    Result.Command = GetMenuItemID(Menu, Open->Hot);
                    Done = true;
                }
                break;
            default:
                break;
            }
            break;
        case WM_CHAR:
        case WM_SYSCHAR: {
            // The item whose underlined letter was typed.
            const char Typed = char(std::toupper(int(M.wParam & 0xFF)));
            for (int I = 0, N = GetMenuItemCount(Menu); I < N; ++I) {
                const String Text = ItemText(Menu, I);
                const auto Amp = Text.find('&');
                if (Amp != String::npos && Amp + 1 < Text.size() &&
                    std::toupper(static_cast<unsigned char>(Text[Amp + 1])) == Typed &&
                    IsEnabledItem(Menu, I)) {
                    Result.Command = GetMenuItemID(Menu, I);
                    Done = true;
                    break;
                }
            }
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_NCMOUSEMOVE:
        case WM_RBUTTONUP:
        case WM_NCLBUTTONUP:
        case WM_MOUSEWHEEL:
            break;
        default:
            DispatchMessageA(&M);
            break;
        }
    }
    OpenMenus().erase(std::remove_if(OpenMenus().begin(), OpenMenus().end(),
                                     [Wnd](const TOpenMenu& O) { return O.Wnd == Wnd; }),
                      OpenMenus().end());
    if (IsWindow(Wnd)) DestroyWindow(Wnd);
    return Result;
}

} // namespace

namespace detail {

LRESULT MenuWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_PAINT) {
        PaintMenu(Wnd);
        return 0;
    }
    if (Msg == WM_NCHITTEST) return HTCLIENT;
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

} // namespace detail

BOOL TrackPopupMenu(HMENU Menu, UINT Flags, int X, int Y, int, HWND Owner, const RECT*) {
    if (!IsMenu(Menu)) return false;
    const TTrackResult R = RunMenu(Menu, {X, Y}, Owner, nullptr, -1);
    if (Flags & TPM_RETURNCMD) return BOOL(R.Command);
    if (R.Command != Dismissed && Owner) PostMessageA(Owner, WM_COMMAND, R.Command, 0);
    return R.Command != Dismissed;
}

void TrackMenuBar(HWND Wnd, int Item) {
    const HMENU Bar = GetMenu(Wnd);
    const int Count = GetMenuItemCount(Bar);
    if (Count <= 0) return;
    SendMessageA(Wnd, WM_ENTERMENULOOP, 0, 0);
    SendMessageA(Wnd, WM_INITMENU, WPARAM(Bar), 0);
    for (int Moves = 0; Moves < 64 && IsWindow(Wnd); ++Moves) {
        Item = ((Item % Count) + Count) % Count;
        SetMenuBarHotItem(Wnd, Item);
        const HMENU Sub = GetSubMenu(Bar, Item);
        TTrackResult R;
        if (Sub) {
            RECT Where;
            GetMenuBarItemRect(Wnd, Item, &Where);
            R = RunMenu(Sub, {Where.left, Where.bottom}, Wnd, Wnd, Item);
        } else {
            R.Command = GetMenuItemID(Bar, Item);
        }
        if (R.MoveBar) {
            Item += R.MoveBar;
            continue;
        }
        SetMenuBarHotItem(Wnd, -1);
        if (R.Command != Dismissed) PostMessageA(Wnd, WM_COMMAND, R.Command, 0);
        break;
    }
    if (IsWindow(Wnd)) {
        SetMenuBarHotItem(Wnd, -1);
        SendMessageA(Wnd, WM_EXITMENULOOP, 0, 0);
    }
}

} // namespace host
