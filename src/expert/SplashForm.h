// Unit Zsplash: TZFormSplash, the product picture the package shows while the design-time host
// loads it. It goes away by itself through its window timer: after two seconds, or at once
// (10 ms) when the picture is clicked.
#pragma once

#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"

namespace zantor {

using host::String;
using host::TObject;

class TZFormSplash : public host::TForm {
    ZT_CLASS(TZFormSplash, host::TForm)
public:
    // Reads the form description built into the package.
    explicit TZFormSplash(host::TComponent* AOwner);
    ~TZFormSplash() override;

    // The period of the first timer and the one a click restarts it with.
    static constexpr unsigned ShowMilliseconds = 2000;
    static constexpr unsigned ClickMilliseconds = 10;

    host::TPanel* Panel = nullptr;
    host::TImage* SplashImage = nullptr;

    bool AutoFree() const { return FAutoFree; }
    void SetAutoFree(bool Value) { FAutoFree = Value; }
    // Identifier of the running window timer; 0 when none runs.
    host::UINT_PTR TimerHandle() const { return FTimerHandle; }

    // The splash that lives, or nullptr: the package frees it when it unloads, since its
    // code goes with the package.
    static TZFormSplash* Current();
    // Paints the window now.
    void RepaintNow();

    void FormShow(TObject* Sender);
    void SplashImageClick(TObject* Sender);
    void WndProc(host::TMessage& Message) override;

private:
    host::UINT_PTR FTimerHandle = 0;
    bool FAutoFree = false;
};

// Width and height of the bitmap held by picture data ("TBitmap" and a bitmap file); 0, 0
// for anything else.
struct TPictureSize {
    int Width = 0;
    int Height = 0;
};
TPictureSize PictureSize(const host::TPicture& Picture);

} // namespace zantor
