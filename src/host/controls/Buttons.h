// Buttons with glyphs: TBitBtn, a push button whose Kind gives it a standard caption and
// modal result; TSpeedButton, a flat button without a window that can stay down, alone
// (AllowAllUp) or as one of a group.
#pragma once

#include <memory>

#include "host/controls/GraphicObjects.h"
#include "host/controls/StdCtrls.h"

namespace host {

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
using TNumGlyphs = int;

class TBitBtn : public TButton {
    ZT_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    // A kind other than bkCustom sets the caption (unless one was read), the modal result
    // and Default/Cancel of that kind; the caption and modal result are then stored only
    // where they differ from the kind's.
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind Value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value) { FLayout = Value; }
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value) { FSpacing = Value; }
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle Value) { FStyle = Value; }

    bool IsCustom() const { return FKind == bkCustom; }
    bool IsCustomCaption() const;
    // bkClose closes the form; bkHelp asks for help; the others act as buttons do.
    void Click() override;

private:
    std::unique_ptr<TBitmap> FGlyph;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    TNumGlyphs FNumGlyphs = 1;
    int FSpacing = 4;
    TButtonStyle FStyle = bsAutoDetect;
};

// The caption of a kind ("&Close" for bkClose), "" for bkCustom.
String BitBtnCaption(TBitBtnKind Kind);

class TSpeedButton : public TControl {
    ZT_CLASS(TSpeedButton, TControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    using TControl::Caption;
    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetCaption;
    using TControl::SetFont;
    using TControl::SetParentFont;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    // Buttons of the same parent with the same non-zero GroupIndex: one is down at a time.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    // Only a button of a group stays down; putting one down raises the others.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value) { FLayout = Value; }
    int Margin() const { return FMargin; }
    void SetMargin(int Value) { FMargin = Value; }
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value) { FSpacing = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }

    // A button of a group goes down (or, with AllowAllUp, toggles), then OnClick.
    void Click() override;
    // A linked action's Checked puts the button down.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    std::unique_ptr<TBitmap> FGlyph;
    bool FAllowAllUp = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FFlat = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    TNumGlyphs FNumGlyphs = 1;
    int FSpacing = 4;
    bool FTransparent = true;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TBitBtnKind);
ZT_DECLARE_TYPEINFO(host::TButtonLayout);
ZT_DECLARE_TYPEINFO(host::TButtonStyle);
