// Panels, bevels and images; radio groups are in ExtRadioGroup.cpp, notebooks in
// ExtNotebook.cpp.
#include "host/controls/ExtCtrls.h"

#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
ZT_DEFINE_ENUM(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
               "bsRightLine", "bsSpacer")
ZT_DEFINE_ENUM(TBevelStyle, "bsLowered", "bsRaised")

namespace {

constexpr TAnchors DefaultAnchors{akLeft, akTop};

} // namespace

TClass TCustomPanel::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomPanel>("TCustomPanel").NoCreate();
    return &Info;
}

TClass TPanel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPanel>("TPanel")
        .Prop("Align", &TPanel::Align, &TPanel::SetAlign).Default(alNone)
        .Prop("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter)
        .Prop("Anchors", &TPanel::Anchors, &TPanel::SetAnchors).Default(DefaultAnchors)
        .Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone)
        .Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised)
        .Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1)
        .Prop("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0)
        .Prop("Caption", &TPanel::Caption, &TPanel::SetCaption).Stored(&TPanel::IsCaptionStored)
        .Prop("Color", &TPanel::Color, &TPanel::SetColor).Default(clBtnFace).Stored(&TPanel::IsColorStored)
        .Prop("Enabled", &TPanel::Enabled, &TPanel::SetEnabled).Default(true).Stored(&TPanel::IsEnabledStored)
        .Prop("Font", &TPanel::Font, &TPanel::SetFont).Stored(&TPanel::IsFontStored)
        .Prop("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).Default(true)
        .Prop("ParentFont", &TPanel::ParentFont, &TPanel::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TPanel::ParentShowHint, &TPanel::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TPanel::PopupMenu, &TPanel::SetPopupMenu)
        .Prop("ShowHint", &TPanel::ShowHint, &TPanel::SetShowHint).Stored(&TPanel::IsShowHintStored)
        .Prop("TabOrder", &TPanel::TabOrder, &TPanel::SetTabOrder).Default(-1)
        .Prop("TabStop", &TPanel::TabStop, &TPanel::SetTabStop).Default(false)
        .Prop("Visible", &TPanel::Visible, &TPanel::SetVisible).Default(true).Stored(&TPanel::IsVisibleStored)
        .Prop("OnClick", &TPanel::OnClick, &TPanel::SetOnClick).Stored(&TPanel::IsOnClickStored)
        .Prop("OnDblClick", &TPanel::OnDblClick, &TPanel::SetOnDblClick)
        .Prop("OnResize", &TPanel::OnResize, &TPanel::SetOnResize)
        .With(WinControlProps).With(KeyEvents)
        .Prop("AutoSize", &TPanel::AutoSize, &TPanel::SetAutoSize).Default(false)
        .Prop("Padding", &TPanel::Padding, &TPanel::SetPadding)
        .Prop("ParentBackground", &TPanel::ParentBackground, &TPanel::SetParentBackground).Default(true);
    // clang-format on
    return &Info;
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                     csOpaque,          csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentBackground(true);
    SetParentColor(true);
}

// ---- TBevel ----

TClass TBevel::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBevel>("TBevel")
        .Prop("Align", &TBevel::Align, &TBevel::SetAlign).Default(alNone)
        .Prop("Anchors", &TBevel::Anchors, &TBevel::SetAnchors).Default(DefaultAnchors)
        .Prop("ParentShowHint", &TBevel::ParentShowHint, &TBevel::SetParentShowHint).Default(true)
        .Prop("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox)
        .Prop("ShowHint", &TBevel::ShowHint, &TBevel::SetShowHint).Stored(&TBevel::IsShowHintStored)
        .Prop("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered)
        .Prop("Visible", &TBevel::Visible, &TBevel::SetVisible).Default(true).Stored(&TBevel::IsVisibleStored)
        .With(ControlProps).With(MouseEvents).With(DragEvents);
    // clang-format on
    return &Info;
}

TBevel::TBevel(TComponent* AOwner) : TControl(AOwner) {
    FControlStyle = {csReplicatable};
    SetBounds(0, 0, 50, 50);
}

// ---- TPicture ----

TClass TPicture::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TPicture>("TPicture");
    return &Info;
}

void TPicture::SetData(const String& Value) {
    if (FData == Value) return;
    FData = Value;
    FOnChange(this);
}

// The data starts with the class name, preceded by its length in one byte.
String TPicture::GraphicClassName() const {
    if (FData.empty()) return {};
    const auto Length = static_cast<unsigned char>(FData[0]);
    if (FData.size() < 1u + Length) return {};
    return FData.substr(1, Length);
}

void TPicture::Assign(const TPersistent* Source) {
    if (const auto* Other = As<TPicture>(Source))
        SetData(Other->FData);
    else if (!Source)
        SetData({});
    else
        inherited::Assign(Source);
}

void TPicture::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* Stream) {
            String Bytes(static_cast<std::size_t>(Stream->Size() - Stream->Position()), '\0');
            Stream->ReadBuffer(Bytes.data(), static_cast<Int64>(Bytes.size()));
            SetData(Bytes);
        },
        [this](TStream* Stream) {
            Stream->WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
        },
        !FData.empty());
}

// ---- TImage ----

TClass TImage::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TImage>("TImage")
        .Prop("Align", &TImage::Align, &TImage::SetAlign).Default(alNone)
        .Prop("Anchors", &TImage::Anchors, &TImage::SetAnchors).Default(DefaultAnchors)
        .Prop("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false)
        .Prop("Center", &TImage::Center, &TImage::SetCenter).Default(false)
        .Prop("ParentShowHint", &TImage::ParentShowHint, &TImage::SetParentShowHint).Default(true)
        .Prop("Picture", &TImage::Picture, &TImage::SetPicture)
        .Prop("PopupMenu", &TImage::PopupMenu, &TImage::SetPopupMenu)
        .Prop("ShowHint", &TImage::ShowHint, &TImage::SetShowHint).Stored(&TImage::IsShowHintStored)
        .Prop("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false)
        .Prop("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false)
        .Prop("Visible", &TImage::Visible, &TImage::SetVisible).Default(true).Stored(&TImage::IsVisibleStored)
        .Prop("OnClick", &TImage::OnClick, &TImage::SetOnClick).Stored(&TImage::IsOnClickStored)
        .Prop("OnDblClick", &TImage::OnDblClick, &TImage::SetOnDblClick)
        .With(ControlProps).With(MouseEvents).With(DragEvents)
        .Prop("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
    // clang-format on
    return &Info;
}

TImage::TImage(TComponent* AOwner) : TControl(AOwner), FPicture(new TPicture) {
    FControlStyle = {csReplicatable};
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {}

} // namespace host
