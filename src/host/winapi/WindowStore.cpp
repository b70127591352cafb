// The table of window records and the sibling links of the window tree.
#include "host/winapi/WinInternal.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace host::detail {

namespace {

struct TStore {
    std::unordered_map<HWND, std::unique_ptr<TWindowRec>> Windows;
    TWindowClass DesktopClass;
    TWindowRec Desktop;

    TStore() {
        DesktopClass.Name = "#32769";
        DesktopClass.Proc = DefWindowProcA;
        DesktopClass.Predefined = true;
        Desktop.Handle = NewHandle<HWND>();
        Desktop.Class = &DesktopClass;
        Desktop.Proc = DefWindowProcA;
        Desktop.Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        Desktop.Bounds = {0, 0, ScreenWidth, ScreenHeight};
    }
};

TStore& Store() {
    static TStore S;
    return S;
}

} // namespace

std::uintptr_t NewHandleValue() {
    static std::uintptr_t Next = 0x10000;
    Next += 4;
    return Next;
}

int CopyText(const String& Text, char* Buffer, int MaxCount) {
    if (!Buffer || MaxCount <= 0) return 0;
    const size_t Count = std::min(Text.size(), size_t(MaxCount - 1));
    std::memcpy(Buffer, Text.data(), Count);
    Buffer[Count] = '\0';
    return int(Count);
}

TWindowRec* FindWindowRec(HWND Wnd) {
    if (!Wnd) return nullptr;
    auto& S = Store();
    if (Wnd == S.Desktop.Handle) return &S.Desktop;
    const auto It = S.Windows.find(Wnd);
    return It == S.Windows.end() ? nullptr : It->second.get();
}

TWindowRec& DesktopRec() {
    return Store().Desktop;
}

TWindowRec& NewWindowRec() {
    auto Rec = std::make_unique<TWindowRec>();
    Rec->Handle = NewHandle<HWND>();
    TWindowRec& Result = *Rec;
    Store().Windows.emplace(Result.Handle, std::move(Rec));
    return Result;
}

void EraseWindowRec(HWND Wnd) {
    Store().Windows.erase(Wnd);
}

void ResetWindowStore() {
    auto& S = Store();
    S.Windows.clear();
    S.Desktop.FirstChild = S.Desktop.LastChild = nullptr;
}

bool IsTopLevel(const TWindowRec& W) {
    return W.Parent == DesktopRec().Handle;
}

bool IsMdiChild(const TWindowRec& W) {
    return (W.ExStyle & WS_EX_MDICHILD) && IsChildStyle(W);
}

void LinkWindow(TWindowRec& W, TWindowRec& Parent, HWND InsertAfter) {
    W.Parent = Parent.Handle;
    TWindowRec* After = nullptr;
    if (InsertAfter == HWND_BOTTOM)
        After = FindWindowRec(Parent.LastChild);
    else if (InsertAfter != HWND_TOP && InsertAfter != HWND_TOPMOST &&
             InsertAfter != HWND_NOTOPMOST && InsertAfter != W.Handle) {
        After = FindWindowRec(InsertAfter);
        if (After && After->Parent != Parent.Handle) After = nullptr;
    }
    W.Prev = After ? After->Handle : nullptr;
    W.Next = After ? After->Next : Parent.FirstChild;
    if (TWindowRec* Next = FindWindowRec(W.Next))
        Next->Prev = W.Handle;
    else
        Parent.LastChild = W.Handle;
    if (After)
        After->Next = W.Handle;
    else
        Parent.FirstChild = W.Handle;
}

void UnlinkWindow(TWindowRec& W) {
    TWindowRec* Parent = FindWindowRec(W.Parent);
    TWindowRec* Prev = FindWindowRec(W.Prev);
    TWindowRec* Next = FindWindowRec(W.Next);
    if (Prev)
        Prev->Next = W.Next;
    else if (Parent)
        Parent->FirstChild = W.Next;
    if (Next)
        Next->Prev = W.Prev;
    else if (Parent)
        Parent->LastChild = W.Prev;
    W.Prev = W.Next = nullptr;
}

std::vector<HWND> ChildHandles(const TWindowRec& W) {
    std::vector<HWND> Result;
    for (const TWindowRec* C = FindWindowRec(W.FirstChild); C; C = FindWindowRec(C->Next))
        Result.push_back(C->Handle);
    return Result;
}

bool IsDescendant(HWND Ancestor, HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    const HWND Desktop = DesktopRec().Handle;
    while (W && W->Parent && W->Parent != Desktop) {
        if (W->Parent == Ancestor) return true;
        W = FindWindowRec(W->Parent);
    }
    return false;
}

HWND RootWindow(HWND Wnd) {
    const TWindowRec* W = FindWindowRec(Wnd);
    if (!W || W->Handle == DesktopRec().Handle) return nullptr;
    while (!IsTopLevel(*W)) {
        const TWindowRec* Parent = FindWindowRec(W->Parent);
        if (!Parent) break;
        W = Parent;
    }
    return W->Handle;
}

} // namespace host::detail
