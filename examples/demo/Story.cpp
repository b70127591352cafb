#include "Story.h"

#include "DemoStrings.h"

#include "host/controls/StdCtrls.h"
#include "host/rtl/DateTime.h"
#include "host/rtl/FloatFormat.h"
#include "host/rtl/ResStringHost.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"

using namespace host;

namespace {

// A caption as the person reads it: the ampersand only underlines.
String StripHotkey(const String& Caption) {
    String Out;
    for (std::size_t I = 0; I < Caption.size(); ++I) {
        if (Caption[I] == '&' && I + 1 < Caption.size()) ++I;
        Out += Caption[I];
    }
    return Out;
}

void AddForm(TScreenTexts& Out, TForm* Form) {
    Out["the " + Form->Name() + " title"] = Form->Caption();
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* C = Form->Components(i);
        if (IsPublishedProp(C, "Caption") && !GetStrProp(C, "Caption").empty())
            Out[C->Name()] = StripHotkey(GetStrProp(C, "Caption"));
    }
}

} // namespace

TScreenTexts CaptureTexts(TForm* MainForm, TForm* OrderForm) {
    TScreenTexts T;
    AddForm(T, MainForm);
    AddForm(T, OrderForm);
    T["the message 'Ready.'"] = LoadResString(SReady);
    T["the Yes button of message boxes"] = StripHotkey(LoadResString(SMsgDlgYes));
    T["a date"] = FormatDateTime("dddddd", EncodeDate(2026, 3, 14));
    T["a time"] = TimeToStr(EncodeTime(15, 9, 26, 0));
    T["a number"] = FormatFloat("#,##0.00", 1234567.891);
    T["an amount"] = FloatToStrF(1234.5, ffCurrency, 15, 2);
    return T;
}

void PrintChanges(std::ostream& Out, const TScreenTexts& Before, const TScreenTexts& After,
                  int Limit) {
    int Shown = 0, Hidden = 0;
    for (const auto& [What, Now] : After) {
        const auto Old = Before.find(What);
        if (Old != Before.end() && Old->second == Now) continue;
        if (Shown == Limit) {
            ++Hidden;
            continue;
        }
        Out << "   - " << What << ": '" << (Old == Before.end() ? "" : Old->second) << "' -> '"
            << Now << "'\n";
        ++Shown;
    }
    if (Shown == 0) Out << "   - nothing changed\n";
    if (Hidden) Out << "   ... and " << Hidden << " more\n";
}
