// TSplitter: a bar between aligned controls that the person drags to resize the control
// before it; OnCanResize may refuse a size, MinSize keeps both sides from vanishing.
#pragma once

#include "host/controls/Controls.h"

namespace host {

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
// Sender, the size asked for (may be changed), whether to accept it.
ZT_EVENT_TYPE(TSplitterCanResizeEvent, TObject*, int&, bool&);

class TSplitter : public TControl {
    ZT_CLASS(TSplitter, TControl)
public:
    explicit TSplitter(TComponent* AOwner);
    using TControl::Color;
    using TControl::ParentColor;
    using TControl::SetColor;
    using TControl::SetParentColor;

    bool AutoSnap() const { return FAutoSnap; }
    void SetAutoSnap(bool Value) { FAutoSnap = Value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value) { FBeveled = Value; }
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }
    const TSplitterCanResizeEvent& OnCanResize() const { return FOnCanResize; }
    void SetOnCanResize(const TSplitterCanResizeEvent& Value) { FOnCanResize = Value; }
    const TNotifyEvent& OnMoved() const { return FOnMoved; }
    void SetOnMoved(const TNotifyEvent& Value) { FOnMoved = Value; }

    // The control the splitter resizes: the sibling aligned to the same side just before
    // it; nullptr when there is none.
    TControl* ResizeControl() const;
    // What the person's drag to a new size of ResizeControl does: asks OnCanResize, keeps
    // MinSize, sets the size and fires OnMoved. False when refused or nothing to resize.
    bool MoveTo(int NewSize);

private:
    bool FAutoSnap = true;
    bool FBeveled = false;
    int FMinSize = 30;
    TResizeStyle FResizeStyle = rsPattern;
    TSplitterCanResizeEvent FOnCanResize;
    TNotifyEvent FOnMoved;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TResizeStyle);
