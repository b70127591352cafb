#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/ResStringHost.h"
#include "host/winapi/Activation.h"

namespace host {

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonSpacing = 8;
constexpr int Margin = 8;
constexpr int IconSize = 32;

const char* const ButtonNames[] = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                   "Ignore", "All", "NoToAll", "YesToAll", "Help"};

const TResStringRec* ButtonCaption(TMsgDlgBtn Button) {
    static const TResStringRec* const Captions[] = {
        &SMsgDlgYes,     &SMsgDlgNo,       &SMsgDlgOK,     &SMsgDlgCancel,
        &SMsgDlgAbort,   &SMsgDlgRetry,    &SMsgDlgIgnore, &SMsgDlgAll,
        &SMsgDlgNoToAll, &SMsgDlgYesToAll, &SMsgDlgHelp};
    return Captions[Button];
}

String DialogTitle(TMsgDlgType DlgType) {
    switch (DlgType) {
    case mtWarning:
        return LoadResString(SMsgDlgWarning);
    case mtError:
        return LoadResString(SMsgDlgError);
    case mtInformation:
        return LoadResString(SMsgDlgInformation);
    case mtConfirmation:
        return LoadResString(SMsgDlgConfirm);
    default:
        return Application ? Application->Title() : String();
    }
}

} // namespace

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
    if (!Application) throw EInvalidOperation("Message dialogs need the application object");
    auto* Form = new TForm(Application);
    try {
        Form->SetBorderStyle(bsDialog);
        Form->SetPosition(poScreenCenter);
        Form->SetCaption(DialogTitle(DlgType));
        int Left = Margin;
        if (DlgType != mtCustom) {
            auto* Image = new TImage(Form);
            Image->SetName("Image");
            Image->SetParent(Form);
            Image->SetBounds(Margin, Margin, IconSize, IconSize);
            Left += IconSize + Margin;
        }
        auto* Text = new TLabel(Form);
        Text->SetName("Message");
        Text->SetParent(Form);
        Text->SetCaption(Msg);
        const int TextHeight = Form->TextHeight() + 2;
        Text->SetBounds(Left, Margin, std::max<int>(120, static_cast<int>(Msg.size()) * 6),
                        TextHeight);

        int Count = 0;
        for (int B = mbYes; B <= mbHelp; ++B)
            Count += Buttons.Contains(static_cast<TMsgDlgBtn>(B));
        const int RowWidth = Count * ButtonWidth + (Count > 0 ? (Count - 1) * ButtonSpacing : 0);
        const int Width = std::max(RowWidth, Left + Text->Width()) + 2 * Margin;
        const int Top = Margin + std::max(TextHeight, DlgType != mtCustom ? IconSize : 0) + Margin;
        Form->SetClientWidth(Width);
        Form->SetClientHeight(Top + ButtonHeight + Margin);
        int X = (Width - RowWidth) / 2;
        bool HasDefault = false;
        for (int B = mbYes; B <= mbHelp; ++B) {
            const auto Btn = static_cast<TMsgDlgBtn>(B);
            if (!Buttons.Contains(Btn)) continue;
            auto* Button = new TButton(Form);
            Button->SetName(ButtonNames[B]);
            Button->SetParent(Form);
            Button->SetCaption(LoadResString(ButtonCaption(Btn)));
            Button->SetModalResult(ModalResultOf(Btn));
            if (!HasDefault && (Btn == mbOK || Btn == mbYes)) {
                Button->SetDefault(true);
                HasDefault = true;
            }
            if (Btn == mbCancel || (Btn == mbNo && !Buttons.Contains(mbCancel)))
                Button->SetCancel(true);
            Button->SetBounds(X, Top, ButtonWidth, ButtonHeight);
            X += ButtonWidth + ButtonSpacing;
        }
    } catch (...) {
        Form->Free();
        throw;
    }
    return Form;
}

TModalResult ShowMessageDialog(TForm& Form, const String& Msg, TMsgDlgType DlgType,
                               TMsgDlgButtons Buttons) {
    struct THide {
        TForm& F;
        ~THide() { F.Hide(); }
    } Hide{Form};
    // Showing activates the dialog; window hooks see it as the platform's dialogs do.
    Form.Show();
    SetActiveWindow(Form.Handle());
    return GetUiDriver().ShowMessageDialog(Form, Msg, DlgType, Buttons);
}

} // namespace host
