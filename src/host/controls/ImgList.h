// Image lists: a row of equally sized images that menus, tool bars, actions and tree views
// show by index. The images are kept as the form file holds them (the "Bitmap" data).
#pragma once

#include "host/classes/Component.h"
#include "host/controls/Graphics.h"

namespace host {

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };
enum TColorDepth { cdDefault, cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };

class TCustomImageList : public TComponent {
    ZT_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

    int AllocBy() const { return FAllocBy; }
    void SetAllocBy(int Value) { FAllocBy = Value; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value) { FBkColor = Value; }
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor Value) { FBlendColor = Value; }
    TColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(TColorDepth Value) { FColorDepth = Value; }
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle Value) { FDrawingStyle = Value; }
    // Changing the size of the images drops them, as the host does.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType Value) { FImageType = Value; }
    bool Masked() const { return FMasked; }
    void SetMasked(bool Value) { FMasked = Value; }
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool Value) { FShareImages = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }

    // The images as the form file holds them; empty without images.
    const String& ImageData() const { return FData; }
    void SetImageData(const String& Value);

    // The images go as binary "Bitmap" data.
    void DefineProperties(TFiler* Filer) override;

private:
    String FData;
    int FAllocBy = 4;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    TColorDepth FColorDepth = cdDeviceDependent;
    TDrawingStyle FDrawingStyle = dsNormal;
    int FHeight = 16;
    int FWidth = 16;
    TImageType FImageType = itImage;
    bool FMasked = true;
    bool FShareImages = false;
    TNotifyEvent FOnChange;
};

class TImageList : public TCustomImageList {
    ZT_CLASS(TImageList, TCustomImageList)
public:
    explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TDrawingStyle);
ZT_DECLARE_TYPEINFO(host::TImageType);
ZT_DECLARE_TYPEINFO(host::TColorDepth);
