#include "host/controls/Application.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"

namespace host {

void RegisterControlClasses() {
    RegisterClasses({TForm::StaticClass(), TDataModule::StaticClass(), TLabel::StaticClass(),
                     TButton::StaticClass(), TCheckBox::StaticClass(), TEdit::StaticClass(),
                     TMemo::StaticClass(), TPanel::StaticClass()});
}

} // namespace host
