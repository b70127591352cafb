// Painting of the container and common controls: panels, group boxes and radio groups, static
// texts, page controls with their tabs, tab sets, status bars and report-style list views.
#include "host/controls/ComCtrls.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "host/winapi/Windows.h"

#include <algorithm>

namespace host {

namespace {

constexpr LONG TabHeight = 20;

void FillColor(HDC Dc, const RECT& R, COLORREF C) {
    SetDCBrushColor(Dc, C);
    FillRect(Dc, &R, DcBrush());
}

void Bevel(HDC Dc, RECT& R, TBevelCut Cut) {
    if (Cut == bvLowered) DrawEdge(Dc, &R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (Cut == bvRaised) DrawEdge(Dc, &R, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    if (Cut == bvSpace) R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
}

bool PaintPanel(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Panel = dynamic_cast<TCustomPanel*>(&Control);
    if (!Panel) return false;
    RECT R = Client;
    FillColor(Dc, R, ColorToRGB(TPaintAccess::ColorOf(Control)));
    Bevel(Dc, R, Panel->BevelOuter());
    Bevel(Dc, R, Panel->BevelInner());
    const UINT Align = Panel->Alignment() == taLeftJustify    ? DT_LEFT
                       : Panel->Alignment() == taRightJustify ? DT_RIGHT
                                                              : DT_CENTER;
    DrawControlText(Dc, Control, TPaintAccess::TextOf(Control), R,
                    Align | DT_VCENTER | DT_SINGLELINE);
    return true;
}

// Group boxes (radio groups too): an etched frame broken by the caption.
bool PaintGroupBox(TWinControl& Control, HDC Dc, const RECT& Client) {
    if (!dynamic_cast<TCustomGroupBox*>(&Control)) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    const String Caption = TPaintAccess::TextOf(Control);
    RECT Size{0, 0, 0, 0};
    DrawTextA(Dc, Caption.c_str(), -1, &Size, DT_CALCRECT | DT_SINGLELINE);
    RECT Frame{Client.left, Client.top + Size.bottom / 2, Client.right, Client.bottom};
    DrawEdge(Dc, &Frame, EDGE_ETCHED, BF_RECT);
    if (!Caption.empty()) {
        RECT Text{Client.left + 8, Client.top, Client.left + 8 + Size.right + 4, Size.bottom};
        FillColor(Dc, Text, ColorToRGB(TPaintAccess::ColorOf(Control)));
        Text.left += 2;
        DrawControlText(Dc, Control, Caption, Text, DT_LEFT | DT_SINGLELINE);
    }
    return true;
}

bool PaintStaticText(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Static = dynamic_cast<TCustomStaticText*>(&Control);
    if (!Static) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    const UINT Align = Static->Alignment() == taCenter         ? DT_CENTER
                       : Static->Alignment() == taRightJustify ? DT_RIGHT
                                                               : DT_LEFT;
    DrawControlText(Dc, Control, TPaintAccess::TextOf(Control), Client, Align | DT_WORDBREAK);
    return true;
}

// Tabs along the top; the selected one stands out and joins the page below.
void PaintTabs(TWinControl& Control, HDC Dc, const RECT& Client, const std::vector<String>& Tabs,
               int Selected) {
    FillColor(Dc, Client, GetSysColor(COLOR_BTNFACE));
    RECT Page{Client.left, Client.top + TabHeight, Client.right, Client.bottom};
    DrawEdge(Dc, &Page, EDGE_RAISED, BF_RECT | BF_SOFT);
    LONG X = Client.left + 2;
    for (int I = 0; I < int(Tabs.size()); ++I) {
        RECT Size{0, 0, 0, 0};
        DrawTextA(Dc, Tabs[std::size_t(I)].c_str(), -1, &Size, DT_CALCRECT | DT_SINGLELINE);
        const bool Sel = I == Selected;
        RECT Tab{X - (Sel ? 2 : 0), Client.top + (Sel ? 0 : 2), X + Size.right + 12 + (Sel ? 2 : 0),
                 Client.top + TabHeight + (Sel ? 1 : 0)};
        FillColor(Dc, Tab, GetSysColor(COLOR_BTNFACE));
        DrawEdge(Dc, &Tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
        DrawControlText(Dc, Control, Tabs[std::size_t(I)], Tab,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        X += Size.right + 12;
    }
}

bool PaintPageControl(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Pages = dynamic_cast<TPageControl*>(&Control);
    if (!Pages) return false;
    std::vector<String> Tabs;
    int Selected = -1;
    for (int I = 0; I < Pages->PageCount(); ++I) {
        TTabSheet* Sheet = Pages->Pages(I);
        if (!Sheet->TabVisible()) continue;
        if (Sheet == Pages->ActivePage()) Selected = int(Tabs.size());
        Tabs.push_back(Sheet->Caption());
    }
    PaintTabs(Control, Dc, Client, Tabs, Selected);
    return true;
}

bool PaintTabSet(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Set = dynamic_cast<TTabSet*>(&Control);
    if (!Set) return false;
    std::vector<String> Tabs;
    for (int I = 0; I < Set->Tabs()->Count(); ++I)
        Tabs.push_back(Set->Tabs()->Strings(I));
    PaintTabs(Control, Dc, Client, Tabs, Set->TabIndex());
    return true;
}

bool PaintStatusBar(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* Bar = dynamic_cast<TStatusBar*>(&Control);
    if (!Bar) return false;
    FillColor(Dc, Client, GetSysColor(COLOR_BTNFACE));
    RECT R{Client.left, Client.top + 2, Client.right, Client.bottom};
    if (Bar->SimplePanel() || Bar->Panels()->Count() == 0) {
        RECT Text{R.left + 2, R.top, R.right, R.bottom};
        DrawControlText(Dc, Control, Bar->SimpleText(), Text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return true;
    }
    LONG X = R.left;
    for (int I = 0; I < Bar->Panels()->Count(); ++I) {
        TStatusPanel* P = Bar->Panels()->Items(I);
        const bool Last = I + 1 == Bar->Panels()->Count();
        RECT Cell{X, R.top, Last ? R.right : X + P->Width(), R.bottom};
        RECT Frame = Cell;
        DrawEdge(Dc, &Frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        const UINT Align = P->Alignment() == taCenter         ? DT_CENTER
                           : P->Alignment() == taRightJustify ? DT_RIGHT
                                                              : DT_LEFT;
        Frame.left += 2;
        DrawControlText(Dc, Control, P->Text(), Frame, Align | DT_VCENTER | DT_SINGLELINE);
        X = Cell.right + 2;
    }
    return true;
}

bool PaintListView(TWinControl& Control, HDC Dc, const RECT& Client) {
    auto* View = dynamic_cast<TListView*>(&Control);
    if (!View) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    if (View->ViewStyle() != vsReport || !View->ShowColumnHeaders()) return true;
    LONG X = Client.left;
    for (int I = 0; I < View->Columns()->Count(); ++I) {
        TListColumn* C = View->Columns()->Items(I);
        RECT Header{X, Client.top, X + C->Width(), Client.top + 18};
        DrawFrameControl(Dc, &Header, DFC_BUTTON, DFCS_BUTTONPUSH);
        RECT Text{Header.left + 4, Header.top, Header.right - 4, Header.bottom};
        const UINT Align = C->Alignment() == taCenter         ? DT_CENTER
                           : C->Alignment() == taRightJustify ? DT_RIGHT
                                                              : DT_LEFT;
        DrawControlText(Dc, Control, C->Caption(), Text,
                        Align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        X += C->Width();
    }
    if (X < Client.right) {
        RECT Rest{X, Client.top, Client.right, Client.top + 18};
        DrawFrameControl(Dc, &Rest, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    return true;
}

bool PaintForm(TWinControl& Control, HDC Dc, const RECT& Client) {
    if (!dynamic_cast<TCustomForm*>(&Control) && !dynamic_cast<TTabSheet*>(&Control)) return false;
    FillColor(Dc, Client, ColorToRGB(TPaintAccess::ColorOf(Control)));
    return true;
}

struct TRegistration {
    TRegistration() {
        for (TControlPainter P : {PaintForm, PaintListView, PaintStatusBar, PaintTabSet,
                                  PaintPageControl, PaintStaticText, PaintGroupBox, PaintPanel})
            RegisterControlPainter(P);
    }
};

} // namespace

// Called once by the dispatch before the first paint.
void RegisterExtControlPainters() {
    static TRegistration Once;
}

} // namespace host
