#include "host/controls/DbCtrls.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TNavigateBtn, "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete",
               "nbEdit", "nbPost", "nbCancel", "nbRefresh", "nbApplyUpdates", "nbCancelUpdates")
ZT_DEFINE_SET(TButtonSet)
ZT_DEFINE_ENUM(TDBNavigatorKind, "dbnHorizontal", "dbnVertical")

namespace {

const char* const BuiltInHints[] = {"First record", "Prior record",  "Next record",
                                    "Last record",  "Insert record", "Delete record",
                                    "Edit record",  "Post edit",     "Cancel edit",
                                    "Refresh data", "Apply updates", "Cancel updates"};

} // namespace

TClass TDBNavigator::StaticClass() {
    const TButtonSet DefaultButtons{nbFirst,  nbPrior, nbNext, nbLast,   nbInsert,
                                    nbDelete, nbEdit,  nbPost, nbCancel, nbRefresh};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDBNavigator>("TDBNavigator")
        .Prop("DataSource", &TDBNavigator::DataSource, &TDBNavigator::SetDataSource)
        .Prop("VisibleButtons", &TDBNavigator::VisibleButtons, &TDBNavigator::SetVisibleButtons).Default(DefaultButtons)
        .Prop("Align", &TDBNavigator::Align, &TDBNavigator::SetAlign).Default(alNone)
        .Prop("Anchors", &TDBNavigator::Anchors, &TDBNavigator::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("ConfirmDelete", &TDBNavigator::ConfirmDelete, &TDBNavigator::SetConfirmDelete).Default(true)
        .Prop("Enabled", &TDBNavigator::Enabled, &TDBNavigator::SetEnabled).Default(true)
        .Prop("Flat", &TDBNavigator::Flat, &TDBNavigator::SetFlat).Default(false)
        .Prop("Hints", &TDBNavigator::Hints, &TDBNavigator::SetHints).Stored(&TDBNavigator::IsHintsStored)
        .Prop("Kind", &TDBNavigator::Kind, &TDBNavigator::SetKind).Default(dbnHorizontal)
        .Prop("ParentShowHint", &TDBNavigator::ParentShowHint, &TDBNavigator::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TDBNavigator::PopupMenu, &TDBNavigator::SetPopupMenu)
        .Prop("ShowHint", &TDBNavigator::ShowHint, &TDBNavigator::SetShowHint).Stored(&TDBNavigator::IsShowHintStored)
        .Prop("TabOrder", &TDBNavigator::TabOrder, &TDBNavigator::SetTabOrder).Default(-1)
        .Prop("TabStop", &TDBNavigator::TabStop, &TDBNavigator::SetTabStop).Default(false)
        .Prop("Visible", &TDBNavigator::Visible, &TDBNavigator::SetVisible).Default(true)
        .Prop("BeforeAction", &TDBNavigator::BeforeAction, &TDBNavigator::SetBeforeAction)
        .Prop("OnClick", &TDBNavigator::OnClick, &TDBNavigator::SetOnClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TDBNavigator::TDBNavigator(TComponent* AOwner) : TWinControl(AOwner), FHints(new TStringList) {
    SetBounds(0, 0, 240, 25);
}

TDBNavigator::~TDBNavigator() {}

void TDBNavigator::SetDataSource(TDataSource* Value) {
    if (FDataSource == Value) return;
    if (FDataSource) FDataSource->RemoveFreeNotification(this);
    FDataSource = Value;
    if (Value) Value->FreeNotification(this);
}

void TDBNavigator::SetHints(TStrings* Value) {
    FHints->Assign(Value);
}

bool TDBNavigator::IsHintsStored() const {
    return FHints->Count() > 0;
}

String TDBNavigator::ButtonHint(TNavigateBtn Button) const {
    const int I = static_cast<int>(Button);
    if (I < FHints->Count() && !FHints->Strings(I).empty()) return FHints->Strings(I);
    return BuiltInHints[I];
}

void TDBNavigator::BtnClick(TNavigateBtn Button) {
    FBeforeAction(this, Button);
    TDataSet* DS = FDataSource ? FDataSource->DataSet() : nullptr;
    if (DS && DS->Active()) {
        switch (Button) {
        case nbFirst:
            DS->First();
            break;
        case nbPrior:
            DS->Prior();
            break;
        case nbNext:
            DS->Next();
            break;
        case nbLast:
            DS->Last();
            break;
        case nbInsert:
            DS->Append();
            break;
        case nbDelete:
            DS->Delete();
            break;
        case nbEdit:
            DS->Edit();
            break;
        case nbPost:
            DS->Post();
            break;
        case nbCancel:
            DS->Cancel();
            break;
        default:
            break;
        }
    }
    FOnNavClick(this, Button);
}

void TDBNavigator::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSource) FDataSource = nullptr;
}

} // namespace host
