// Arbitrary translation lines applied to a live dialog: nothing may crash or escape.
#include "host/classes/StringList.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "translators/CommonDialogTranslator.h"

#include <cstddef>
#include <cstdint>

using namespace host;
using namespace zantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TApplicationScope* App = new TApplicationScope;
    static TForm* Form = new TForm(Application);
    static TCommonDialogTranslator* T = new TCommonDialogTranslator(Form);
    static HWND Dlg = [] {
        HWND D = CreateWindowExA(0, WC_DIALOG, "Open", WS_POPUP | WS_CAPTION, 0, 0, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 8; ++i)
            CreateWindowExA(0, WC_STATIC, "x", WS_CHILD, 0, i * 10, 50, 10, D,
                            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(1000 + i)), nullptr,
                            nullptr);
        return D;
    }();
    (void)App;
    TStringList Lines;
    std::string Text(reinterpret_cast<const char*>(Data), Size);
    std::size_t Start = 0;
    while (Start <= Text.size()) {
        std::size_t End = Text.find('\n', Start);
        if (End == std::string::npos) End = Text.size();
        Lines.Add("TOpenDialog." + Text.substr(Start, End - Start));
        Start = End + 1;
    }
    T->SetTranslations(&Lines);
    T->SetTranslateEmpty(Size % 2 == 0);
    OwnerClassName = "TOpenDialog";
    T->TranslateDialog(Dlg);
    return 0;
}
