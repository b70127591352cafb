// Standard controls beyond the basic set: TScrollBar, a scroll bar in a window of its own;
// TCheckListBox, a list box with a check box per item.
#pragma once

#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

#include <vector>

namespace host {

enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
ZT_EVENT_TYPE(TScrollEvent, TObject*, TScrollCode, int&);

// Position is kept within Min .. Max - PageSize + 1 (once loaded); a change fires OnChange.
class TScrollBar : public TWinControl {
    ZT_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = Value; }
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = Value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TScrollEvent& OnScroll() const { return FOnScroll; }
    void SetOnScroll(const TScrollEvent& Value) { FOnScroll = Value; }
    // What the person's use of the bar does: OnScroll may change the new position.
    void Scroll(TScrollCode Code);

private:
    TScrollBarKind FKind = sbHorizontal;
    int FLargeChange = 1;
    int FSmallChange = 1;
    int FMax = 100;
    int FMin = 0;
    int FPageSize = 0;
    int FPosition = 0;
    TNotifyEvent FOnChange;
    TScrollEvent FOnScroll;
};

class TCheckListBox : public TCustomListBox {
    ZT_CLASS(TCheckListBox, TCustomListBox)
public:
    explicit TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    // The check state of item Index; items without one are unchecked.
    TCheckBoxState State(int Index) const;
    void SetState(int Index, TCheckBoxState Value);
    bool Checked(int Index) const { return State(Index) == cbChecked; }
    void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    const TNotifyEvent& OnClickCheck() const { return FOnClickCheck; }
    void SetOnClickCheck(const TNotifyEvent& Value) { FOnClickCheck = Value; }
    // What the person's click on the box of item Index does, then OnClickCheck.
    void ToggleCheck(int Index);

private:
    bool FAllowGrayed = false;
    bool FFlat = true;
    std::vector<TCheckBoxState> FStates;
    TNotifyEvent FOnClickCheck;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TScrollCode);
