#include "host/controls/Splitters.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern")

TClass TSplitter::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TSplitter>("TSplitter")
        .Prop("Align", &TSplitter::Align, &TSplitter::SetAlign).Default(alLeft)
        .Prop("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap).Default(true)
        .Prop("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false)
        .Prop("Color", &TSplitter::Color, &TSplitter::SetColor).Stored(&TSplitter::IsColorStored)
        .Prop("Constraints", &TSplitter::Constraints, &TSplitter::SetConstraints)
        .Prop("Cursor", &TSplitter::Cursor, &TSplitter::SetCursor).Default(crHSplit)
        .Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30)
        .Prop("ParentColor", &TSplitter::ParentColor, &TSplitter::SetParentColor).Default(true)
        .Prop("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle).Default(rsPattern)
        .Prop("Visible", &TSplitter::Visible, &TSplitter::SetVisible).Default(true)
        .Prop("OnCanResize", &TSplitter::OnCanResize, &TSplitter::SetOnCanResize)
        .Prop("OnMoved", &TSplitter::OnMoved, &TSplitter::SetOnMoved);
    // clang-format on
    return &Info;
}

TSplitter::TSplitter(TComponent* AOwner) : TControl(AOwner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

TControl* TSplitter::ResizeControl() const {
    TWinControl* P = Parent();
    if (!P) return nullptr;
    TControl* Result = nullptr;
    for (int i = 0; i < P->ControlCount(); ++i) {
        TControl* C = P->Controls(i);
        if (C == this) continue;
        if (C->Visible() && C->Align() == Align()) {
            const bool Before = Align() == alLeft     ? C->Left() < Left()
                                : Align() == alRight  ? C->Left() > Left()
                                : Align() == alTop    ? C->Top() < Top()
                                : Align() == alBottom ? C->Top() > Top()
                                                      : false;
            if (Before) Result = C;
        }
    }
    return Result;
}

bool TSplitter::MoveTo(int NewSize) {
    TControl* C = ResizeControl();
    if (!C) return false;
    if (NewSize < FMinSize) NewSize = FMinSize;
    bool Accept = true;
    FOnCanResize(this, NewSize, Accept);
    if (!Accept) return false;
    if (Align() == alLeft || Align() == alRight)
        C->SetWidth(NewSize);
    else
        C->SetHeight(NewSize);
    FOnMoved(this);
    return true;
}

} // namespace host
