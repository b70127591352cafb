#include "editors/EditorFonts.h"

#include "host/controls/ExtCtrls.h"

namespace zantor {

void ApplyReadingOrder(const host::TRadioGroup& Group, host::TMemo& Memo) {
    Memo.SetAlignment(Group.ItemIndex() == 0 ? host::taRightJustify : host::taLeftJustify);
}

} // namespace zantor
