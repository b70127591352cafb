#include "host/controls/ImgList.h"

#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TDrawingStyle, "dsFocus", "dsSelected", "dsNormal", "dsTransparent")
ZT_DEFINE_ENUM(TImageType, "itImage", "itMask")
ZT_DEFINE_ENUM(TColorDepth, "cdDefault", "cdDeviceDependent", "cd4Bit", "cd8Bit", "cd16Bit",
               "cd24Bit", "cd32Bit")

TClass TCustomImageList::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TCustomImageList>("TCustomImageList").NoCreate();
    return &Info;
}

TClass TImageList::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TImageList>("TImageList")
        .Prop("AllocBy", &TImageList::AllocBy, &TImageList::SetAllocBy).Default(4)
        .Prop("BlendColor", &TImageList::BlendColor, &TImageList::SetBlendColor).Default(clNone)
        .Prop("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone)
        .Prop("ColorDepth", &TImageList::ColorDepth, &TImageList::SetColorDepth).Default(cdDeviceDependent)
        .Prop("DrawingStyle", &TImageList::DrawingStyle, &TImageList::SetDrawingStyle).Default(dsNormal)
        .Prop("Height", &TImageList::Height, &TImageList::SetHeight).Default(16)
        .Prop("ImageType", &TImageList::ImageType, &TImageList::SetImageType).Default(itImage)
        .Prop("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true)
        .Prop("ShareImages", &TImageList::ShareImages, &TImageList::SetShareImages).Default(false)
        .Prop("Width", &TImageList::Width, &TImageList::SetWidth).Default(16)
        .Prop("OnChange", &TImageList::OnChange, &TImageList::SetOnChange);
    // clang-format on
    return &Info;
}

void TCustomImageList::SetHeight(int Value) {
    if (FHeight == Value) return;
    FHeight = Value;
    if (!ComponentState().Contains(csLoading)) SetImageData({});
}

void TCustomImageList::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    if (!ComponentState().Contains(csLoading)) SetImageData({});
}

void TCustomImageList::SetImageData(const String& Value) {
    if (FData == Value) return;
    FData = Value;
    FOnChange(this);
}

void TCustomImageList::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Bitmap",
        [this](TStream* S) {
            String Data(static_cast<std::size_t>(S->Size() - S->Position()), '\0');
            S->ReadBuffer(Data.data(), static_cast<Int64>(Data.size()));
            FData = std::move(Data);
        },
        [this](TStream* S) { S->WriteBuffer(FData.data(), static_cast<Int64>(FData.size())); },
        !FData.empty());
}

} // namespace host
