// The platform's common dialogs as windows: templates (caption, size in dialog units, child
// controls with identifiers, classes and texts), the dialog window built from one, and the
// session through which the dialog runs and the person (the UI driver) works with it.
#pragma once

#include "host/rtl/Types.h"
#include "host/winapi/Windows.h"

#include <map>
#include <vector>

namespace host {

class TCommonDialog;

// Identifiers of the common-dialog controls.
inline constexpr int psh1 = 0x0400;
inline constexpr int psh2 = 0x0401;
inline constexpr int psh3 = 0x0402;
inline constexpr int psh14 = 0x040D;
inline constexpr int pshHelp = 0x040E;
inline constexpr int chx1 = 0x0410;
inline constexpr int chx2 = 0x0411;
inline constexpr int chx3 = 0x0412;
inline constexpr int rad1 = 0x0420;
inline constexpr int rad2 = 0x0421;
inline constexpr int rad3 = 0x0422;
inline constexpr int grp1 = 0x0430;
inline constexpr int grp2 = 0x0431;
inline constexpr int grp4 = 0x0433;
inline constexpr int ico1 = 0x043C;
inline constexpr int ico3 = 0x043E;
inline constexpr int stc1 = 0x0440;
inline constexpr int stc2 = 0x0441;
inline constexpr int stc3 = 0x0442;
inline constexpr int stc4 = 0x0443;
inline constexpr int stc5 = 0x0444;
inline constexpr int stc6 = 0x0445;
inline constexpr int stc7 = 0x0446;
inline constexpr int stc8 = 0x0447;
inline constexpr int stc9 = 0x0448;
inline constexpr int stc10 = 0x0449;
inline constexpr int stc11 = 0x044A;
inline constexpr int stc12 = 0x044B;
inline constexpr int stc13 = 0x044C;
inline constexpr int stc14 = 0x044D;
inline constexpr int lst1 = 0x0460;
inline constexpr int lst2 = 0x0461;
inline constexpr int cmb1 = 0x0470;
inline constexpr int cmb2 = 0x0471;
inline constexpr int cmb3 = 0x0472;
inline constexpr int cmb4 = 0x0473;
inline constexpr int cmb5 = 0x0474;
inline constexpr int edt1 = 0x0480;
inline constexpr int edt2 = 0x0481;
inline constexpr int edt3 = 0x0482;
// Colour dialog.
inline constexpr int COLOR_HUE = 703;
inline constexpr int COLOR_SAT = 704;
inline constexpr int COLOR_LUM = 705;
inline constexpr int COLOR_RED = 706;
inline constexpr int COLOR_GREEN = 707;
inline constexpr int COLOR_BLUE = 708;
inline constexpr int COLOR_CURRENT = 709;
inline constexpr int COLOR_RAINBOW = 710;
inline constexpr int COLOR_LUMSCROLL = 702;
inline constexpr int COLOR_ADD = 712;
inline constexpr int COLOR_SOLID = 713;
inline constexpr int COLOR_MIX = 719;
inline constexpr int COLOR_BOX1 = 720;
inline constexpr int COLOR_CUSTOM1 = 721;
inline constexpr int COLOR_HUEACCEL = 723;
inline constexpr int COLOR_SATACCEL = 724;
inline constexpr int COLOR_LUMACCEL = 725;
inline constexpr int COLOR_REDACCEL = 726;
inline constexpr int COLOR_GREENACCEL = 727;
inline constexpr int COLOR_BLUEACCEL = 728;
inline constexpr int COLOR_SOLID_LEFT = 730;
inline constexpr int COLOR_SOLID_RIGHT = 731;
// A static without an identifier of its own reads back as 65535.
inline constexpr int IDC_STATIC = -1;

// Notifications the dialog gets in WM_COMMAND from its lists and boxes.
inline constexpr int LBN_SELCHANGE_CODE = 1;
inline constexpr int EN_CHANGE_CODE = 0x0300;

enum class TDialogControl { Static, Edit, Button, CheckBox, Radio, GroupBox, ListBox, ComboBox };

// One child of a template; position and size in dialog units.
struct TDialogItem {
    int Id;
    TDialogControl Kind;
    const char* Text;
    int X, Y, Cx, Cy;
    bool Hidden = false;
};

struct TDialogTemplate {
    const char* Caption;
    int Cx, Cy; // dialog units
    std::vector<TDialogItem> Items;
};

// The face and height of the font the dialogs are laid out with.
inline constexpr const char* DialogFontName = "MS Sans Serif";
inline constexpr int DialogFontHeight = -11;
// Pixels of Units dialog units across / down, for the dialog font.
int DialogUnitsToPixelsX(int Units);
int DialogUnitsToPixelsY(int Units);

// A dialog being shown: its window and children, what its lists hold and which check boxes
// and radio buttons are checked. The person works with it through Click, SetText, Select and
// SetCheck, which go to the window as the controls' own messages would, so whoever subclasses
// the dialog sees them.
class TDialogSession {
public:
    TDialogSession(TCommonDialog& Dialog, HWND Owner);
    ~TDialogSession();
    TDialogSession(const TDialogSession&) = delete;
    TDialogSession& operator=(const TDialogSession&) = delete;

    TCommonDialog& Dialog() const { return FDialog; }
    HWND Handle() const { return FWnd; }
    bool Modeless() const;
    // The caption and the child texts as the window shows them now.
    String Caption() const;
    String Text(int Id) const;
    HWND Item(int Id) const { return GetDlgItem(FWnd, Id); }
    // Every direct child, first child first.
    std::vector<HWND> Children() const;

    // The person's actions.
    void Click(int Id);
    void SetText(int Id, const String& Text);
    // Chooses item Index of a list or combo box (its text goes to a combo box's edit).
    void Select(int Id, int Index);
    void SetCheck(int Id, bool Checked);

    // What the dialog fills in.
    const std::vector<String>& Items(int Id) const;
    void SetItems(int Id, std::vector<String> Items);
    int Selected(int Id) const;
    bool Checked(int Id) const;
    void SetChecked(int Id, bool Checked) { FChecks[Id] = Checked; }

    bool Ended() const { return FEnded; }
    bool Confirmed() const { return FConfirmed; }
    // Ends the dialog: a modal one leaves its loop, a modeless one closes.
    void End(bool Confirmed);

    // Builds the window and runs the dialog: a modal one until it ends; a modeless one is
    // left shown. Returns Confirmed (true for a modeless dialog that is shown).
    bool Run();
    // Closes the window of a modeless dialog.
    void Close();

private:
    static LRESULT WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam);
    void Build();
    void Hook(UINT Msg, WPARAM WParam, LPARAM LParam);
    // Dispatches the posted messages waiting for the dialog's window.
    void PumpPosted();
    void Destroy();

    TCommonDialog& FDialog;
    HWND FOwner;
    HWND FWnd = nullptr;
    HFONT FFont = nullptr;
    bool FEnded = false;
    bool FConfirmed = false;
    bool FDestroying = false;
    std::map<int, std::vector<String>> FItems;
    std::map<int, int> FSelected;
    std::map<int, bool> FChecks;
};

} // namespace host
