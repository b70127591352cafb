#include "LanguageShow.h"

#include "DemoStrings.h"

#include "host/controls/StdCtrls.h"
#include "host/rtl/DateTime.h"
#include "host/rtl/FloatFormat.h"
#include "host/rtl/ResStringHost.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/TypInfo.h"

using namespace host;

TMenuItem* LanguageEntry(TMenuItem* Menu, Integer LCID) {
    for (int i = 0; i < Menu->Count(); ++i)
        if (Menu->Items(i)->Tag() == LCID) return Menu->Items(i);
    return nullptr;
}

void PrintLanguageMenu(std::ostream& Out, TMenuItem* Menu) {
    for (int i = 0; i < Menu->Count(); ++i) {
        const TMenuItem* Item = Menu->Items(i);
        Out << (Item->Checked() ? "  * " : "    ") << Item->Caption() << "\n";
    }
}

void PrintFormTexts(std::ostream& Out, TForm* Form) {
    Out << "  " << Form->Name() << ".Caption = " << QuotedStr(Form->Caption()) << "\n";
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* C = Form->Components(i);
        if (auto* Memo = As<TMemo>(C)) {
            if (Memo->ReadOnly()) continue; // a log: its lines are output, not form texts
            for (int Line = 0; Line < Memo->Lines()->Count(); ++Line)
                Out << "  " << C->Name() << ".Lines[" << Line
                    << "] = " << QuotedStr(Memo->Lines()->Strings(Line)) << "\n";
        } else if (IsPublishedProp(C, "Caption") && !GetStrProp(C, "Caption").empty()) {
            Out << "  " << C->Name() << ".Caption = " << QuotedStr(GetStrProp(C, "Caption"))
                << "\n";
        }
    }
}

void PrintResourceStrings(std::ostream& Out) {
    Out << "  SReady     = " << QuotedStr(LoadResString(SReady)) << "\n"
        << "  SSaveError = " << QuotedStr(LoadResString(SSaveError)) << "\n"
        << "  SMsgDlgYes = " << QuotedStr(LoadResString(SMsgDlgYes)) << "\n";
}

void PrintFormats(std::ostream& Out) {
    // Fixed values keep the output the same from run to run.
    const TDateTime Day = EncodeDate(2026, 3, 14);
    const TDateTime Time = EncodeTime(15, 9, 26, 0);
    Out << "  date   " << FormatDateTime("dddddd", Day) << "\n"
        << "  time   " << TimeToStr(Time) << "\n"
        << "  number " << FormatFloat("#,##0.00", 1234567.891) << "\n"
        << "  money  " << FloatToStrF(1234.5, ffCurrency, 15, 2) << "\n";
}
