#include "host/controls/Shapes.h"

#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse",
               "stCircle")

namespace {
constexpr TAnchors DefaultAnchors{akLeft, akTop};
}

TClass TShape::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TShape>("TShape")
        .Prop("Align", &TShape::Align, &TShape::SetAlign).Default(alNone)
        .Prop("Anchors", &TShape::Anchors, &TShape::SetAnchors).Default(DefaultAnchors)
        .Prop("Brush", &TShape::Brush, &TShape::SetBrush)
        .Prop("Enabled", &TShape::Enabled, &TShape::SetEnabled).Default(true)
        .Prop("ParentShowHint", &TShape::ParentShowHint, &TShape::SetParentShowHint).Default(true)
        .Prop("Pen", &TShape::Pen, &TShape::SetPen)
        .Prop("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle)
        .Prop("ShowHint", &TShape::ShowHint, &TShape::SetShowHint).Stored(&TShape::IsShowHintStored)
        .Prop("Visible", &TShape::Visible, &TShape::SetVisible).Default(true)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
    // clang-format on
    return &Info;
}

TShape::TShape(TComponent* AOwner) : TControl(AOwner), FBrush(new TBrush), FPen(new TPen) {
    SetBounds(0, 0, 65, 65);
}

TShape::~TShape() {}

TClass TPaintBox::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPaintBox>("TPaintBox")
        .Prop("Align", &TPaintBox::Align, &TPaintBox::SetAlign).Default(alNone)
        .Prop("Anchors", &TPaintBox::Anchors, &TPaintBox::SetAnchors).Default(DefaultAnchors)
        .Prop("Color", &TPaintBox::Color, &TPaintBox::SetColor).Stored(&TPaintBox::IsColorStored)
        .Prop("Enabled", &TPaintBox::Enabled, &TPaintBox::SetEnabled).Default(true)
        .Prop("Font", &TPaintBox::Font, &TPaintBox::SetFont).Stored(&TPaintBox::IsFontStored)
        .Prop("ParentColor", &TPaintBox::ParentColor, &TPaintBox::SetParentColor).Default(true)
        .Prop("ParentFont", &TPaintBox::ParentFont, &TPaintBox::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TPaintBox::ParentShowHint, &TPaintBox::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TPaintBox::PopupMenu, &TPaintBox::SetPopupMenu)
        .Prop("ShowHint", &TPaintBox::ShowHint, &TPaintBox::SetShowHint).Stored(&TPaintBox::IsShowHintStored)
        .Prop("Visible", &TPaintBox::Visible, &TPaintBox::SetVisible).Default(true)
        .Prop("OnClick", &TPaintBox::OnClick, &TPaintBox::SetOnClick)
        .Prop("OnDblClick", &TPaintBox::OnDblClick, &TPaintBox::SetOnDblClick)
        .Prop("OnPaint", &TPaintBox::OnPaint, &TPaintBox::SetOnPaint)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
    // clang-format on
    return &Info;
}

TPaintBox::TPaintBox(TComponent* AOwner) : TControl(AOwner) {
    SetBounds(0, 0, 105, 105);
}

} // namespace host
