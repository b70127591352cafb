// The form translator's window work: system-menu entries and the MDI refresh after a walk.
#include "translators/FormTranslator.h"

#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/winapi/Menus.h"
#include "host/winapi/Messages.h"
#include "host/winapi/WindowPos.h"
#include "translators/Literals.h"

#include <array>

using namespace host;

namespace zantor {

namespace {

struct TSystemEntry {
    const char* Name;
    UINT Command;
};

constexpr std::array<TSystemEntry, 7> SystemEntries{{
    {"SystemMenuRestore", SC_RESTORE},
    {"SystemMenuMove", SC_MOVE},
    {"SystemMenuSize", SC_SIZE},
    {"SystemMenuMinimize", SC_MINIMIZE},
    {"SystemMenuMaximize", SC_MAXIMIZE},
    {"SystemMenuClose", SC_CLOSE},
    {"SystemMenuNextWindow", SC_NEXTWINDOW},
}};

// Menu texts are read into a buffer of this size, and translations are cut to fit it.
constexpr int MenuTextSize = 4096;

String MenuText(HMENU Menu, UINT Command) {
    char Buffer[256] = {};
    GetMenuStringA(Menu, Command, Buffer, 255, MF_BYCOMMAND);
    return Buffer;
}

} // namespace

host::HMENU TFormTranslator::SystemMenuOf(TCustomForm& Form) {
    return GetSystemMenu(Form.Handle(), 0);
}

int TFormTranslator::SystemEntryPosition(const TCustomForm& Form, std::string_view Name) {
    for (std::size_t i = 0; i < SystemEntries.size(); ++i)
        if (Name == SystemEntries[i].Name)
            return SystemEntries[i].Command == SC_NEXTWINDOW && Form.FormStyle() != fsMDIChild
                       ? -1
                       : static_cast<int>(i);
    return -1;
}

void TFormTranslator::TranslateVirtual(bool Collect) {
    auto* Form = As<TCustomForm>(Owner());
    if (!Form) return;
    HMENU Menu = SystemMenuOf(*Form);
    for (std::size_t i = 0; i < SystemEntries.size(); ++i) {
        const TSystemEntry& E = SystemEntries[i];
        if (E.Command == SC_NEXTWINDOW && Form->FormStyle() != fsMDIChild) continue;
        if (Collect) {
            CurrentWalk().List->Add(String(E.Name) + "=" + ToLiterals(MenuText(Menu, E.Command)));
            continue;
        }
        if (int Index = -1; WantTranslate(E.Name, Index))
            TranslateSystemEntry(Menu, static_cast<int>(i), Index);
    }
}

void TFormTranslator::TranslateSystemEntry(HMENU Menu, int Entry, int Index) {
    const TSystemEntry& E = SystemEntries[static_cast<std::size_t>(Entry)];
    TStrings* Work = CurrentWalk().List;
    SaveDesignText(String(E.Name) + "=" + ToLiterals(MenuText(Menu, E.Command)), Index);
    String Line = Work->Strings(Index);
    WriteSystemEntry(Menu, Entry, FromLiterals(std::string_view(Line).substr(Line.find('=') + 1)),
                     FTranslateEmpty);
}

void TFormTranslator::WriteSystemEntry(HMENU Menu, int Entry, String Value, bool WriteEmpty) {
    const TSystemEntry& E = SystemEntries[static_cast<std::size_t>(Entry)];
    if (Value.size() > MenuTextSize - 1) Value.resize(MenuTextSize - 1);
    if (!Value.empty() || WriteEmpty)
        ModifyMenuA(Menu, E.Command, MF_BYCOMMAND | MF_STRING, E.Command, Value.c_str());
}

// After an apply walk: the MDI frame re-attaches its window menu and redraws the list of
// children; a maximized MDI child is sized again so the frame merges its new texts.
void TFormTranslator::AfterApplyWalk() {
    auto* Form = As<TCustomForm>(Owner());
    if (!Form) return;
    if (Form->FormStyle() == fsMDIForm) {
        HWND Client = Form->ClientHandle();
        if (Form->WindowMenu())
            SendMessageA(Client, WM_MDISETMENU, 0,
                         reinterpret_cast<LPARAM>(Form->WindowMenu()->Handle()));
        SendMessageA(Client, WM_MDIREFRESHMENU, 0, 0);
    } else if (Form->FormStyle() == fsMDIChild && Form->WindowState() == wsMaximized) {
        LPARAM Size = MAKELPARAM(Form->ClientWidth(), Form->ClientHeight());
        SendMessageA(Form->Handle(), WM_SIZE, SIZE_RESTORED, Size);
        SendMessageA(Form->Handle(), WM_SIZE, SIZE_MAXIMIZED, Size);
    }
}

} // namespace zantor
