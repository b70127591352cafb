#include "host/controls/GraphicObjects.h"

#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
               "psInsideFrame")
ZT_DEFINE_ENUM(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
               "bsBDiagonal", "bsCross", "bsDiagCross")

TClass TPen::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TPen>("TPen")
        .Prop("Color", &TPen::Color, &TPen::SetColor).Default(clBlack)
        .Prop("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid)
        .Prop("Width", &TPen::Width, &TPen::SetWidth).Default(1);
    // clang-format on
    return &Info;
}

void TPen::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    FOnChange(this);
}

void TPen::SetStyle(TPenStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    FOnChange(this);
}

void TPen::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    FOnChange(this);
}

void TPen::Assign(const TPersistent* Source) {
    auto* S = As<TPen>(Source);
    if (!S) return inherited::Assign(Source);
    FColor = S->FColor;
    FStyle = S->FStyle;
    FWidth = S->FWidth;
    FOnChange(this);
}

TClass TBrush::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBrush>("TBrush")
        .Prop("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite)
        .Prop("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
    // clang-format on
    return &Info;
}

void TBrush::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    FOnChange(this);
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    FOnChange(this);
}

void TBrush::Assign(const TPersistent* Source) {
    auto* S = As<TBrush>(Source);
    if (!S) return inherited::Assign(Source);
    FColor = S->FColor;
    FStyle = S->FStyle;
    FOnChange(this);
}

TClass TBitmap::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TBitmap>("TBitmap");
    return &Info;
}

void TBitmap::SetData(const String& Value) {
    if (FData == Value) return;
    FData = Value;
    FOnChange(this);
}

void TBitmap::Assign(const TPersistent* Source) {
    if (!Source) return SetData({});
    auto* S = As<TBitmap>(Source);
    if (!S) return inherited::Assign(Source);
    SetData(S->FData);
}

void TBitmap::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* S) {
            String Data(static_cast<std::size_t>(S->Size() - S->Position()), '\0');
            S->ReadBuffer(Data.data(), static_cast<Int64>(Data.size()));
            SetData(Data);
        },
        [this](TStream* S) { S->WriteBuffer(FData.data(), static_cast<Int64>(FData.size())); },
        !FData.empty());
}

} // namespace host
