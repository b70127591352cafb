// The capture of TCommonDialogTranslator: a dialog shown once, read into entry lines.
#include "translators/CommonDialogTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/CommonDialogs.h"
#include "host/winapi/WindowPos.h"
#include "translators/Literals.h"

namespace zantor {

using namespace host;

namespace {

constexpr int TextBufferSize = 240;

String WindowText(HWND Wnd) {
    char Buffer[TextBufferSize] = {};
    LRESULT Length = SendMessageA(Wnd, WM_GETTEXT, TextBufferSize, LPARAM(Buffer));
    return String(Buffer,
                  static_cast<std::size_t>(std::clamp<LRESULT>(Length, 0, TextBufferSize - 1)));
}

} // namespace

void TCommonDialogTranslator::GetDlgProps(TCommonDialog* Dialog, TStrings* List) {
    FPropList = List;
    const bool Remembered = FTranslate;
    struct TRestore {
        TCommonDialogTranslator* Self;
        bool Value;
        ~TRestore() {
            DebugDlg = false;
            Self->SetTranslate(Value);
        }
    } Restore{this, Remembered};
    DebugDlg = true;
    InternalTranslate(true);
    if (!Dialog) return;
    RegisterDialogClass(Dialog->ClassType());
    if (Is<TFindDialog>(Dialog) || Is<TOpenDialog>(Dialog) || Is<TFontDialog>(Dialog) ||
        Is<TColorDialog>(Dialog) || Is<TPrintDialog>(Dialog) || Is<TPrinterSetupDialog>(Dialog))
        (void)Dialog->Execute();
    if (Application) Application->ProcessMessages();
}

void TCommonDialogTranslator::GetProps(HWND Dlg) {
    if (!FPropList) return;
    const String P = OwnerClassName;
    TStrings& L = *FPropList;
    if (String Text = WindowText(Dlg); !Text.empty()) L.Add(P + ".Caption=" + ToLiterals(Text));
    auto Font = reinterpret_cast<HFONT>(SendMessageA(Dlg, WM_GETFONT, 0, 0));
    L.Add(P + ".Font.Name=" + ToLiterals(GetFontName(Font)));
    L.Add(P + ".Font.Charset=" + std::to_string(GetFontCharset(Font)));
    RECT R{};
    GetWindowRect(Dlg, &R);
    L.Add(P + ".Width=" + std::to_string(R.right - R.left));
    L.Add(P + ".Height=" + std::to_string(R.bottom - R.top));
    int K = 0;
    for (HWND C = GetWindow(Dlg, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT)) {
        ++K;
        const int Id = GetDlgCtrlID(C);
        const int N = (Id == -1 || Id == 0 || Id == 65535) ? -K : Id;
        auto Line = [&](const char* Prop, const String& Value) {
            L.Add(P + "." + Prop + "[" + std::to_string(N) + "]=" + Value);
        };
        if (String Text = WindowText(C); !Text.empty()) Line("Caption", ToLiterals(Text));
        RECT CR{};
        GetWindowRect(C, &CR);
        POINT Corner{CR.left, CR.top};
        ScreenToClient(Dlg, &Corner);
        Line("Width", std::to_string(CR.right - CR.left));
        Line("Height", std::to_string(CR.bottom - CR.top));
        Line("Left", std::to_string(Corner.x));
        Line("Top", std::to_string(Corner.y));
    }
}

} // namespace zantor
