#include "host/controls/Application.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"

namespace host {

void RegisterControlClasses() {
    RegisterClasses(
        {TForm::StaticClass(),        TDataModule::StaticClass(), TLabel::StaticClass(),
         TStaticText::StaticClass(),  TButton::StaticClass(),     TCheckBox::StaticClass(),
         TRadioButton::StaticClass(), TGroupBox::StaticClass(),   TEdit::StaticClass(),
         TMemo::StaticClass(),        TListBox::StaticClass(),    TComboBox::StaticClass(),
         TPanel::StaticClass(),       TRadioGroup::StaticClass(), TNotebook::StaticClass(),
         TPage::StaticClass(),        TBevel::StaticClass(),      TImage::StaticClass(),
         TPageControl::StaticClass(), TTabSheet::StaticClass(),   TStatusBar::StaticClass(),
         TListView::StaticClass(),    TTabSet::StaticClass(),     TMainMenu::StaticClass(),
         TPopupMenu::StaticClass(),   TMenuItem::StaticClass()});
    RegisterDialogClasses();
}

} // namespace host
