// Graphic objects that controls publish: pens and brushes (shapes), and bitmaps (button
// glyphs), kept as the form file holds them.
#pragma once

#include "host/controls/Graphics.h"

namespace host {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// Outline of what a shape draws; every change fires OnChange.
class TPen : public TPersistent {
    ZT_CLASS(TPen, TPersistent)
public:
    TPen() = default;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
    TNotifyEvent FOnChange;
};

// Fill of what a shape draws; every change fires OnChange.
class TBrush : public TPersistent {
    ZT_CLASS(TBrush, TPersistent)
public:
    TBrush() = default;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TNotifyEvent FOnChange;
};

// A bitmap as the form file holds it (the "Data" binary value); empty without an image.
class TBitmap : public TPersistent {
    ZT_CLASS(TBitmap, TPersistent)
public:
    TBitmap() = default;
    const String& Data() const { return FData; }
    void SetData(const String& Value);
    bool Empty() const { return FData.empty(); }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    void Assign(const TPersistent* Source) override;
    void DefineProperties(TFiler* Filer) override;

private:
    String FData;
    TNotifyEvent FOnChange;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TPenStyle);
ZT_DECLARE_TYPEINFO(host::TBrushStyle);
