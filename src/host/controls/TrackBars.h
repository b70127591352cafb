// Range controls of the common-control set: TTrackBar (a slider), TProgressBar and TUpDown
// (arrow buttons that step a position, optionally shown in an associated control).
#pragma once

#include "host/controls/Controls.h"

namespace host {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TProgressBarStyle { pbstNormal, pbstMarquee };
enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
ZT_EVENT_TYPE(TUDClickEvent, TObject*, TUDBtnType);

// Position is kept within Min .. Max; a change fires OnChange.
class TTrackBar : public TWinControl {
    ZT_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* AOwner);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value) { FFrequency = Value; }
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation Value) { FOrientation = Value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int SelEnd() const { return FSelEnd; }
    void SetSelEnd(int Value) { FSelEnd = Value; }
    int SelStart() const { return FSelStart; }
    void SetSelStart(int Value) { FSelStart = Value; }
    bool ShowSelRange() const { return FShowSelRange; }
    void SetShowSelRange(bool Value) { FShowSelRange = Value; }
    bool SliderVisible() const { return FSliderVisible; }
    void SetSliderVisible(bool Value) { FSliderVisible = Value; }
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark Value) { FTickMarks = Value; }
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle Value) { FTickStyle = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Loaded() override;

private:
    int FFrequency = 1;
    int FLineSize = 1;
    int FMax = 10;
    int FMin = 0;
    TTrackBarOrientation FOrientation = trHorizontal;
    int FPageSize = 2;
    int FPosition = 0;
    int FSelEnd = 0;
    int FSelStart = 0;
    bool FShowSelRange = true;
    bool FSliderVisible = true;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    TNotifyEvent FOnChange;
};

class TProgressBar : public TWinControl {
    ZT_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* AOwner);
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = Value; }
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = Value; }
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation Value) { FOrientation = Value; }
    // Kept within Min .. Max once loaded.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }
    int Step() const { return FStep; }
    void SetStep(int Value) { FStep = Value; }
    TProgressBarStyle Style() const { return FStyle; }
    void SetStyle(TProgressBarStyle Value) { FStyle = Value; }
    // Position moves by Step, wrapping to Min past Max as the control does.
    void StepIt();

private:
    int FMax = 100;
    int FMin = 0;
    TProgressBarOrientation FOrientation = pbHorizontal;
    int FPosition = 0;
    bool FSmooth = false;
    int FStep = 10;
    TProgressBarStyle FStyle = pbstNormal;
};

class TUpDown : public TWinControl {
    ZT_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* AOwner);
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton Value) { FAlignButton = Value; }
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool Value) { FArrowKeys = Value; }
    // The control that shows the position as its text, or nullptr.
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    int Max() const { return FMax; }
    void SetMax(int Value) { FMax = Value; }
    int Min() const { return FMin; }
    void SetMin(int Value) { FMin = Value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value) { FOrientation = Value; }
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    bool Thousands() const { return FThousands; }
    void SetThousands(bool Value) { FThousands = Value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    const TUDClickEvent& OnClick() const { return FOnUDClick; }
    void SetOnClick(const TUDClickEvent& Value) { FOnUDClick = Value; }
    // What the person's click on an arrow does: steps Position by Increment (wrapping with
    // Wrap), then OnClick.
    void ArrowClick(TUDBtnType Button);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TUDAlignButton FAlignButton = udRight;
    bool FArrowKeys = true;
    TWinControl* FAssociate = nullptr;
    int FIncrement = 1;
    int FMax = 100;
    int FMin = 0;
    TUDOrientation FOrientation = udVertical;
    int FPosition = 0;
    bool FThousands = true;
    bool FWrap = false;
    TUDClickEvent FOnUDClick;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TTrackBarOrientation);
ZT_DECLARE_TYPEINFO(host::TTickMark);
ZT_DECLARE_TYPEINFO(host::TTickStyle);
ZT_DECLARE_TYPEINFO(host::TProgressBarOrientation);
ZT_DECLARE_TYPEINFO(host::TProgressBarStyle);
ZT_DECLARE_TYPEINFO(host::TUDAlignButton);
ZT_DECLARE_TYPEINFO(host::TUDOrientation);
ZT_DECLARE_TYPEINFO(host::TUDBtnType);
