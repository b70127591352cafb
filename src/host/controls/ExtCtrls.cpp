#include "host/controls/ExtCtrls.h"

#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")

TClass TCustomPanel::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomPanel>("TCustomPanel").NoCreate();
    return &Info;
}

TClass TPanel::StaticClass() {
    constexpr TAnchors DefaultAnchors{akLeft, akTop};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPanel>("TPanel")
        .Prop("Align", &TPanel::Align, &TPanel::SetAlign).Default(alNone)
        .Prop("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter)
        .Prop("Anchors", &TPanel::Anchors, &TPanel::SetAnchors).Default(DefaultAnchors)
        .Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone)
        .Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised)
        .Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1)
        .Prop("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0)
        .Prop("Caption", &TPanel::Caption, &TPanel::SetCaption)
        .Prop("Color", &TPanel::Color, &TPanel::SetColor).Default(clBtnFace).Stored(&TPanel::IsColorStored)
        .Prop("Enabled", &TPanel::Enabled, &TPanel::SetEnabled).Default(true)
        .Prop("Font", &TPanel::Font, &TPanel::SetFont).Stored(&TPanel::IsFontStored)
        .Prop("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).Default(true)
        .Prop("ParentFont", &TPanel::ParentFont, &TPanel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TPanel::ParentShowHint, &TPanel::SetParentShowHint).Default(true)
        .Prop("ShowHint", &TPanel::ShowHint, &TPanel::SetShowHint).Stored(&TPanel::IsShowHintStored)
        .Prop("TabOrder", &TPanel::TabOrder, &TPanel::SetTabOrder).Default(-1)
        .Prop("TabStop", &TPanel::TabStop, &TPanel::SetTabStop).Default(false)
        .Prop("Visible", &TPanel::Visible, &TPanel::SetVisible).Default(true)
        .Prop("OnClick", &TPanel::OnClick, &TPanel::SetOnClick)
        .Prop("OnDblClick", &TPanel::OnDblClick, &TPanel::SetOnDblClick)
        .Prop("OnResize", &TPanel::OnResize, &TPanel::SetOnResize);
    // clang-format on
    return &Info;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csOpaque,          csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(true);
}

} // namespace host
