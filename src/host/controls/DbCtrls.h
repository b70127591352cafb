// TDBNavigator: the row of buttons that moves through and edits the records of a data
// source; Hints holds one hint per button (the built-in hints while it is empty).
#pragma once

#include <memory>

#include "host/controls/Controls.h"
#include "host/controls/Db.h"

namespace host {

class TStrings;

enum TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh,
    nbApplyUpdates,
    nbCancelUpdates
};
using TButtonSet = TSet<TNavigateBtn>;
enum TDBNavigatorKind { dbnHorizontal, dbnVertical };
ZT_EVENT_TYPE(TNavClickEvent, TObject*, TNavigateBtn);

class TDBNavigator : public TWinControl {
    ZT_CLASS(TDBNavigator, TWinControl)
public:
    explicit TDBNavigator(TComponent* AOwner);
    ~TDBNavigator() override;

    TDataSource* DataSource() const { return FDataSource; }
    void SetDataSource(TDataSource* Value);
    TButtonSet VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TButtonSet Value) { FVisibleButtons = Value; }
    bool ConfirmDelete() const { return FConfirmDelete; }
    void SetConfirmDelete(bool Value) { FConfirmDelete = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    TDBNavigatorKind Kind() const { return FKind; }
    void SetKind(TDBNavigatorKind Value) { FKind = Value; }
    // One hint per button, in button order; stored only when set.
    TStrings* Hints() const { return FHints.get(); }
    void SetHints(TStrings* Value);
    bool IsHintsStored() const;
    // The hint a button shows: its line of Hints, else the built-in one.
    String ButtonHint(TNavigateBtn Button) const;
    const TNavClickEvent& OnClick() const { return FOnNavClick; }
    void SetOnClick(const TNavClickEvent& Value) { FOnNavClick = Value; }
    const TNavClickEvent& BeforeAction() const { return FBeforeAction; }
    void SetBeforeAction(const TNavClickEvent& Value) { FBeforeAction = Value; }

    // What a click on Button does to the data set, then OnClick.
    void BtnClick(TNavigateBtn Button);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSource* FDataSource = nullptr;
    TButtonSet FVisibleButtons{nbFirst,  nbPrior, nbNext, nbLast,   nbInsert,
                               nbDelete, nbEdit,  nbPost, nbCancel, nbRefresh};
    bool FConfirmDelete = true;
    bool FFlat = false;
    TDBNavigatorKind FKind = dbnHorizontal;
    std::unique_ptr<TStrings> FHints;
    TNavClickEvent FOnNavClick;
    TNavClickEvent FBeforeAction;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TNavigateBtn);
ZT_DECLARE_TYPEINFO(host::TButtonSet);
ZT_DECLARE_TYPEINFO(host::TDBNavigatorKind);
