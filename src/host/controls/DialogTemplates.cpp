#include "host/controls/DialogTemplates.h"

#include "host/controls/MessageBoxConsts.h"

namespace host {

// clang-format off
namespace {

using K = TDialogControl;

std::vector<TDialogItem> FileItems() {
    return {
        {stc3, K::Static, "File &Name:", 6, 6, 76, 9},
        {edt1, K::Edit, "", 6, 16, 90, 12},
        {lst1, K::ListBox, "", 6, 32, 90, 68},
        {IDC_STATIC, K::Static, "&Directories:", 110, 6, 92, 9},
        {stc1, K::Static, "", 110, 18, 92, 9},
        {lst2, K::ListBox, "", 110, 32, 92, 68},
        {stc2, K::Static, "List Files of &Type:", 6, 104, 90, 9},
        {cmb1, K::ComboBox, "", 6, 114, 90, 36},
        {stc4, K::Static, "Dri&ves:", 110, 104, 92, 9},
        {cmb2, K::ComboBox, "", 110, 114, 92, 68},
        {IDOK, K::Button, "OK", 208, 6, 56, 14},
        {IDCANCEL, K::Button, "Cancel", 208, 24, 56, 14},
        {pshHelp, K::Button, "&Help", 208, 46, 56, 14},
        {chx1, K::CheckBox, "&Read Only", 208, 68, 50, 12},
    };
}

} // namespace

const TDialogTemplate& OpenDialogTemplate() {
    static const TDialogTemplate T{"Open", 275, 134, FileItems()};
    return T;
}

const TDialogTemplate& SaveDialogTemplate() {
    static const TDialogTemplate T{"Save As", 275, 134, FileItems()};
    return T;
}

const TDialogTemplate& FontDialogTemplate() {
    static const TDialogTemplate T{"Font", 263, 196, {
        {stc1, K::Static, "&Font:", 6, 3, 40, 9},
        {cmb1, K::ComboBox, "", 6, 13, 94, 54},
        {stc2, K::Static, "Font st&yle:", 108, 3, 44, 9},
        {cmb2, K::ComboBox, "", 108, 13, 64, 54},
        {stc3, K::Static, "&Size:", 179, 3, 30, 9},
        {cmb3, K::ComboBox, "", 179, 13, 32, 54},
        {IDOK, K::Button, "OK", 218, 6, 40, 14},
        {IDCANCEL, K::Button, "Cancel", 218, 23, 40, 14},
        {psh3, K::Button, "&Apply", 218, 40, 40, 14},
        {pshHelp, K::Button, "&Help", 218, 57, 40, 14},
        {grp1, K::GroupBox, "Effects", 6, 72, 84, 34},
        {chx1, K::CheckBox, "Stri&keout", 10, 82, 49, 10},
        {chx2, K::CheckBox, "&Underline", 10, 94, 51, 10},
        {stc4, K::Static, "&Color:", 6, 110, 30, 9},
        {cmb4, K::ComboBox, "", 6, 120, 84, 100},
        {grp2, K::GroupBox, "Sample", 98, 72, 160, 49},
        {stc5, K::Static, "AaBbYyZz", 104, 81, 149, 37, true},
        {stc6, K::Static, "", 98, 124, 160, 20},
        {stc7, K::Static, "Sc&ript:", 98, 150, 30, 9},
        {cmb5, K::ComboBox, "", 98, 160, 160, 30},
    }};
    return T;
}

const TDialogTemplate& ColorDialogTemplate() {
    static const TDialogTemplate T{"Color", 300, 185, {
        {IDC_STATIC, K::Static, "&Basic colors:", 4, 4, 140, 10},
        {COLOR_BOX1, K::Static, "", 4, 14, 140, 86},
        {IDC_STATIC, K::Static, "&Custom colors:", 4, 106, 140, 10},
        {COLOR_CUSTOM1, K::Static, "", 4, 116, 140, 28},
        {COLOR_MIX, K::Button, "&Define Custom Colors >>", 4, 150, 140, 14},
        {IDOK, K::Button, "OK", 4, 166, 44, 14},
        {IDCANCEL, K::Button, "Cancel", 52, 166, 44, 14},
        {pshHelp, K::Button, "&Help", 100, 166, 44, 14},
        {COLOR_RAINBOW, K::Static, "", 152, 4, 118, 116},
        {COLOR_LUMSCROLL, K::Static, "", 280, 4, 8, 116},
        {COLOR_CURRENT, K::Static, "", 152, 124, 40, 26},
        {COLOR_SOLID_LEFT, K::Static, "Color", 152, 151, 20, 9},
        {COLOR_SOLID_RIGHT, K::Static, "|S&olid", 172, 151, 20, 9},
        {COLOR_SOLID, K::Button, "", 300, 200, 4, 14},
        {COLOR_HUEACCEL, K::Static, "Hu&e:", 194, 126, 20, 9},
        {COLOR_HUE, K::Edit, "", 214, 124, 18, 12},
        {COLOR_SATACCEL, K::Static, "&Sat:", 194, 140, 20, 9},
        {COLOR_SAT, K::Edit, "", 214, 138, 18, 12},
        {COLOR_LUMACCEL, K::Static, "&Lum:", 194, 154, 20, 9},
        {COLOR_LUM, K::Edit, "", 214, 152, 18, 12},
        {COLOR_REDACCEL, K::Static, "&Red:", 243, 126, 24, 9},
        {COLOR_RED, K::Edit, "", 269, 124, 18, 12},
        {COLOR_GREENACCEL, K::Static, "&Green:", 243, 140, 24, 9},
        {COLOR_GREEN, K::Edit, "", 269, 138, 18, 12},
        {COLOR_BLUEACCEL, K::Static, "Bl&ue:", 243, 154, 24, 9},
        {COLOR_BLUE, K::Edit, "", 269, 152, 18, 12},
        {COLOR_ADD, K::Button, "&Add to Custom Colors", 152, 166, 142, 14},
    }};
    return T;
}

const TDialogTemplate& PrintDialogTemplate() {
    static const TDialogTemplate T{"Print", 288, 186, {
        {IDOK, K::Button, "OK", 156, 166, 60, 14},
        {IDCANCEL, K::Button, "Cancel", 221, 166, 60, 14},
        {pshHelp, K::Button, "&Help", 7, 166, 60, 14},
        {grp4, K::GroupBox, "Printer", 7, 2, 274, 78},
        {chx1, K::CheckBox, "Print to fi&le", 212, 63, 64, 12},
        {psh2, K::Button, "&Properties...", 212, 15, 60, 14},
        {stc6, K::Static, "&Name:", 14, 17, 36, 8},
        {cmb4, K::ComboBox, "", 52, 15, 152, 152},
        {stc8, K::Static, "Status:", 14, 33, 36, 8},
        {stc12, K::Static, "", 52, 33, 152, 8},
        {stc7, K::Static, "Type:", 14, 43, 36, 8},
        {stc11, K::Static, "", 52, 43, 152, 8},
        {stc10, K::Static, "Where:", 14, 53, 36, 8},
        {stc14, K::Static, "", 52, 53, 152, 8},
        {stc9, K::Static, "Comment:", 14, 63, 36, 8},
        {stc13, K::Static, "", 52, 63, 152, 8},
        {grp2, K::GroupBox, "Copies", 148, 84, 133, 64},
        {stc5, K::Static, "Number of &copies:", 154, 98, 68, 8},
        {ico3, K::Static, "", 154, 114, 70, 28},
        {chx2, K::CheckBox, "C&ollate", 230, 118, 44, 12},
        {edt3, K::Edit, "", 230, 96, 32, 12},
        {grp1, K::GroupBox, "Print range", 7, 84, 133, 64},
        {rad1, K::Radio, "&All", 14, 96, 64, 12},
        {rad3, K::Radio, "Pa&ges", 14, 112, 36, 12},
        {rad2, K::Radio, "&Selection", 14, 128, 64, 12},
        {edt1, K::Edit, "", 74, 112, 24, 12},
        {edt2, K::Edit, "", 114, 112, 24, 12},
        {stc2, K::Static, "&from:", 52, 114, 20, 8},
        {stc3, K::Static, "&to:", 100, 114, 12, 8},
    }};
    return T;
}

const TDialogTemplate& PrinterSetupDialogTemplate() {
    static const TDialogTemplate T{"Print Setup", 288, 178, {
        {IDOK, K::Button, "OK", 156, 158, 60, 14},
        {IDCANCEL, K::Button, "Cancel", 221, 158, 60, 14},
        {pshHelp, K::Button, "&Help", 7, 158, 60, 14},
        {grp4, K::GroupBox, "Printer", 7, 2, 274, 78},
        {psh2, K::Button, "&Properties...", 212, 15, 60, 14},
        {stc6, K::Static, "&Name:", 14, 17, 36, 8},
        {cmb1, K::ComboBox, "", 52, 15, 152, 152},
        {stc8, K::Static, "Status:", 14, 33, 36, 8},
        {stc12, K::Static, "", 52, 33, 224, 8},
        {stc7, K::Static, "Type:", 14, 43, 36, 8},
        {stc11, K::Static, "", 52, 43, 224, 8},
        {stc10, K::Static, "Where:", 14, 53, 36, 8},
        {stc14, K::Static, "", 52, 53, 224, 8},
        {stc9, K::Static, "Comment:", 14, 63, 36, 8},
        {stc13, K::Static, "", 52, 63, 224, 8},
        {grp2, K::GroupBox, "Paper", 7, 84, 164, 68},
        {stc2, K::Static, "Si&ze:", 14, 100, 30, 8},
        {cmb2, K::ComboBox, "", 46, 98, 118, 160},
        {stc3, K::Static, "&Source:", 14, 124, 30, 8},
        {cmb3, K::ComboBox, "", 46, 122, 118, 160},
        {grp1, K::GroupBox, "Orientation", 177, 84, 104, 68},
        {ico1, K::Static, "", 183, 102, 24, 24},
        {rad1, K::Radio, "P&ortrait", 213, 100, 60, 12},
        {rad2, K::Radio, "L&andscape", 213, 124, 60, 12},
    }};
    return T;
}

const TDialogTemplate& FindDialogTemplate() {
    static const TDialogTemplate T{"Find", 236, 74, {
        {IDC_STATIC, K::Static, "Fi&nd what:", 5, 7, 42, 8},
        {edt1, K::Edit, "", 49, 5, 128, 12},
        {chx1, K::CheckBox, "Match &whole word only", 5, 26, 100, 12},
        {chx2, K::CheckBox, "Match &case", 5, 42, 64, 12},
        {chx3, K::CheckBox, "W&rap around", 5, 58, 64, 12},
        {grp1, K::GroupBox, "Direction", 107, 26, 68, 28},
        {rad1, K::Radio, "&Up", 111, 38, 25, 12},
        {rad2, K::Radio, "&Down", 138, 38, 35, 12},
        {IDOK, K::Button, "&Find Next", 182, 5, 50, 14},
        {IDCANCEL, K::Button, "Cancel", 182, 23, 50, 14},
        {pshHelp, K::Button, "&Help", 182, 45, 50, 14},
        {stc1, K::Static, "", 0, 0, 1, 1, true},
    }};
    return T;
}

const TDialogTemplate& ReplaceDialogTemplate() {
    static const TDialogTemplate T{"Replace", 276, 94, {
        {IDC_STATIC, K::Static, "Fi&nd what:", 4, 9, 48, 8},
        {edt1, K::Edit, "", 54, 7, 114, 12},
        {IDC_STATIC, K::Static, "Re&place with:", 4, 26, 48, 8},
        {edt2, K::Edit, "", 54, 24, 114, 12},
        {chx1, K::CheckBox, "Match &whole word only", 5, 46, 104, 12},
        {chx2, K::CheckBox, "Match &case", 5, 62, 59, 12},
        {IDOK, K::Button, "&Find Next", 174, 4, 50, 14},
        {psh1, K::Button, "&Replace", 174, 21, 50, 14},
        {psh2, K::Button, "Replace &All", 174, 38, 50, 14},
        {IDCANCEL, K::Button, "Cancel", 174, 55, 50, 14},
        {pshHelp, K::Button, "&Help", 174, 75, 50, 14},
    }};
    return T;
}

// clang-format on

} // namespace host
