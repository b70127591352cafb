#include "host/controls/ActnList.h"
#include "host/controls/AppComponents.h"
#include "host/controls/Application.h"
#include "host/controls/Buttons.h"
#include "host/controls/ComCtrls.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Db.h"
#include "host/controls/DbClient.h"
#include "host/controls/DbCtrls.h"
#include "host/controls/DbGrids.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/ExtEdits.h"
#include "host/controls/Grids.h"
#include "host/controls/ImgList.h"
#include "host/controls/Menus.h"
#include "host/controls/MoreComCtrls.h"
#include "host/controls/MoreExtCtrls.h"
#include "host/controls/MoreStdCtrls.h"
#include "host/controls/Shapes.h"
#include "host/controls/Splitters.h"
#include "host/controls/StdActns.h"
#include "host/controls/StdCtrls.h"
#include "host/controls/Tabs.h"
#include "host/controls/Timer.h"
#include "host/controls/ToolBars.h"
#include "host/controls/TrackBars.h"
#include "host/controls/TreeViews.h"

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
         TPopupMenu::StaticClass(),   TMenuItem::StaticClass(),   TFrame::StaticClass(),
         TScrollBox::StaticClass(),   TActionList::StaticClass(), TAction::StaticClass()});
    RegisterClasses({TImageList::StaticClass(), TBitBtn::StaticClass(), TSpeedButton::StaticClass(),
                     TToolBar::StaticClass(), TToolButton::StaticClass(), TSplitter::StaticClass(),
                     TTimer::StaticClass(), TShape::StaticClass(), TPaintBox::StaticClass(),
                     TTrayIcon::StaticClass(), TApplicationEvents::StaticClass(),
                     TTrackBar::StaticClass(), TProgressBar::StaticClass(), TUpDown::StaticClass(),
                     TTreeView::StaticClass(), TLabeledEdit::StaticClass(),
                     TButtonedEdit::StaticClass(), TScrollBar::StaticClass(),
                     TCheckListBox::StaticClass()});
    RegisterClasses({TTabControl::StaticClass(), TDateTimePicker::StaticClass(),
                     TComboBoxEx::StaticClass(), TRichEdit::StaticClass(), TSpinEdit::StaticClass(),
                     TMaskEdit::StaticClass(), TLinkLabel::StaticClass(), TColorBox::StaticClass(),
                     TStringGrid::StaticClass(), TValueListEditor::StaticClass()});
    // Standard actions.
    RegisterClasses({TWindowClose::StaticClass(), TWindowCascade::StaticClass(),
                     TWindowTileHorizontal::StaticClass(), TWindowTileVertical::StaticClass(),
                     TWindowMinimizeAll::StaticClass(), TWindowArrange::StaticClass(),
                     TFileExit::StaticClass(), TBrowseURL::StaticClass()});
    // Data access.
    RegisterClasses({TDataSource::StaticClass(),    TClientDataSet::StaticClass(),
                     TStringField::StaticClass(),   TWideStringField::StaticClass(),
                     TGuidField::StaticClass(),     TIntegerField::StaticClass(),
                     TSmallintField::StaticClass(), TWordField::StaticClass(),
                     TAutoIncField::StaticClass(),  TLargeintField::StaticClass(),
                     TFloatField::StaticClass(),    TCurrencyField::StaticClass(),
                     TBooleanField::StaticClass(),  TDateTimeField::StaticClass(),
                     TDateField::StaticClass(),     TTimeField::StaticClass(),
                     TBlobField::StaticClass(),     TMemoField::StaticClass(),
                     TDataSetField::StaticClass(),  TDBGrid::StaticClass(),
                     TDBNavigator::StaticClass()});
    RegisterDialogClasses();
}

} // namespace host
