#include "Pictures.h"

#include "LanguageShow.h"

#include "host/controls/Application.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/LocaleInfo.h"
#include "host/winapi/Nls.h"
#include "host/winapi/x11/VirtualDisplay.h"
#include "host/winapi/x11/X11Platform.h"

#include <filesystem>

using namespace host;

namespace {

// "fr", "de" ... for the file names.
std::string LanguageCode(Integer Locale) {
    char Code[16] = {};
    if (GetLocaleInfoA(static_cast<LCID>(Locale), LOCALE_SISO639LANGNAME, Code, sizeof Code) <= 0)
        return std::to_string(Locale);
    return Code;
}

void Settle(x11::TX11Platform& Display, TForm* Form) {
    for (int Round = 0; Round < 3; ++Round) {
        Application->ProcessMessages();
        UpdateWindow(Form->Handle());
        Display.Sync();
    }
}

} // namespace

void DrawPictures(std::ostream& Out, TForm* MainForm, TMenuItem* LanguageMenu,
                  const std::vector<Integer>& Languages, const std::string& Folder) {
    x11::TVirtualDisplay Server;
    if (!Server.Started()) {
        Out << "No pictures this time: " << Server.Error()
            << " (scripts/install-deps installs Xvfb).\n";
        return;
    }
    std::filesystem::create_directories(Folder);
    auto Owned = std::make_unique<x11::TX11Platform>(Server.Name().c_str());
    x11::TX11Platform& Display = *Owned;
    SetPlatform(std::move(Owned));
    int Written = 0;
    try {
        MainForm->Show();
        for (Integer LCID : Languages) {
            TMenuItem* Entry = LanguageEntry(LanguageMenu, LCID);
            if (!Entry) continue;
            Entry->Click();
            Settle(Display, MainForm);
            const std::string File =
                (std::filesystem::path(Folder) / ("MainForm-" + LanguageCode(LCID) + ".png"))
                    .string();
            if (Display.CapturePng(MainForm->Handle(), File)) ++Written;
        }
        MainForm->Hide();
    } catch (...) {
        SetPlatform(nullptr);
        throw;
    }
    SetPlatform(nullptr);
    Out << "Pictures of the main form in " << Written << " languages are in "
        << std::filesystem::absolute(Folder).lexically_normal().string() << "\n";
}
