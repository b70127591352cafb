// Graphic controls without a window: TShape, a figure drawn with a pen and a brush;
// TPaintBox, a surface the application paints in OnPaint.
#pragma once

#include <memory>

#include "host/controls/Controls.h"
#include "host/controls/GraphicObjects.h"

namespace host {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TControl {
    ZT_CLASS(TShape, TControl)
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value) { FShape = Value; }

private:
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TPen> FPen;
    TShapeType FShape = stRectangle;
};

class TPaintBox : public TControl {
    ZT_CLASS(TPaintBox, TControl)
public:
    explicit TPaintBox(TComponent* AOwner);
    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;
    const TNotifyEvent& OnPaint() const { return FOnPaint; }
    void SetOnPaint(const TNotifyEvent& Value) { FOnPaint = Value; }
    // Fires OnPaint.
    void Paint() { FOnPaint(this); }

private:
    TNotifyEvent FOnPaint;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TShapeType);
