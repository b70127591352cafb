// The Font and Reading order pages every editor form has.
#pragma once

#include "editors/EditorSettings.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/StdCtrls.h"

namespace host {
class TRadioGroup;
} // namespace host

namespace zantor {

// Lets the person choose a font for the targets, starting from the first one's: the choice goes
// to every target, its name to Label and to the settings under Ident. Nothing on Cancel.
template <class TFirst, class... TRest>
void ChooseEditorFont(host::TFontDialog& Dialog, host::TLabel& Label, TEditorSettings& Settings,
                      const char* Ident, TFirst* First, TRest*... Rest) {
    Dialog.SetFont(First->Font());
    if (!Dialog.Execute()) return;
    First->SetFont(Dialog.Font());
    (Rest->SetFont(Dialog.Font()), ...);
    Label.SetCaption(First->Font()->Name());
    Settings.WriteString(Ident, First->Font()->Name());
}

// The translation memo's alignment for the reading order chosen (item 0: right to left).
void ApplyReadingOrder(const host::TRadioGroup& Group, host::TMemo& Memo);

} // namespace zantor
