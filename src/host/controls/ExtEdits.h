// Edits of the extended set: TLabeledEdit, an edit with its own label (EditLabel, a sub-
// component written as "EditLabel.Caption" and so on), and TButtonedEdit, an edit with a
// button image at either end.
#pragma once

#include <memory>

#include "host/controls/StdCtrls.h"

namespace host {

class TCustomImageList;

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

// The label of a labeled edit; its owner places it next to the edit.
class TBoundLabel : public TCustomLabel {
    ZT_CLASS(TBoundLabel, TCustomLabel)
public:
    explicit TBoundLabel(TComponent* AOwner);
};

class TLabeledEdit : public TCustomEdit {
    ZT_CLASS(TLabeledEdit, TCustomEdit)
public:
    explicit TLabeledEdit(TComponent* AOwner);
    ~TLabeledEdit() override;
    TBoundLabel* EditLabel() const { return FEditLabel; }
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelSpacing() const { return FLabelSpacing; }
    void SetLabelSpacing(int Value);
    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void PlaceLabel();
    TBoundLabel* FEditLabel;
    TLabelPosition FLabelPosition = lpAbove;
    int FLabelSpacing = 3;
};

// One end button of a buttoned edit.
class TEditButton : public TPersistent {
    ZT_CLASS(TEditButton, TPersistent)
public:
    TEditButton() = default;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    void Assign(const TPersistent* Source) override;

private:
    bool FEnabled = true;
    String FHint;
    int FImageIndex = -1;
    bool FVisible = false;
};

class TButtonedEdit : public TCustomEdit {
    ZT_CLASS(TButtonedEdit, TCustomEdit)
public:
    explicit TButtonedEdit(TComponent* AOwner);
    ~TButtonedEdit() override;
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TEditButton* LeftButton() const { return FLeftButton.get(); }
    void SetLeftButton(TEditButton* Value) { FLeftButton->Assign(Value); }
    TEditButton* RightButton() const { return FRightButton.get(); }
    void SetRightButton(TEditButton* Value) { FRightButton->Assign(Value); }
    const TNotifyEvent& OnLeftButtonClick() const { return FOnLeftButtonClick; }
    void SetOnLeftButtonClick(const TNotifyEvent& Value) { FOnLeftButtonClick = Value; }
    const TNotifyEvent& OnRightButtonClick() const { return FOnRightButtonClick; }
    void SetOnRightButtonClick(const TNotifyEvent& Value) { FOnRightButtonClick = Value; }
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TEditButton> FLeftButton;
    std::unique_ptr<TEditButton> FRightButton;
    TNotifyEvent FOnLeftButtonClick;
    TNotifyEvent FOnRightButtonClick;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TLabelPosition);
