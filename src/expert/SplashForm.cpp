#include "expert/SplashForm.h"

#include "SplashFormDfm.h"
#include "host/classes/Filer.h"
#include "host/controls/Application.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Gdi.h"
#include "host/winapi/Messages.h"
#include "host/winapi/Timers.h"

#include <cstdint>

namespace zantor {

namespace {

TZFormSplash* LiveSplash = nullptr;

constexpr host::UINT_PTR SplashTimer = 1;

std::uint32_t ReadLE32(const String& Data, std::size_t At) {
    std::uint32_t V = 0;
    for (int i = 3; i >= 0; --i)
        V = (V << 8) | static_cast<unsigned char>(Data[At + static_cast<std::size_t>(i)]);
    return V;
}

} // namespace

host::TClass TZFormSplash::StaticClass() {
    // clang-format off
    static const host::TClassInfo Info = host::TClassBuilder<TZFormSplash>("TZFormSplash")
        .Field("Panel", &TZFormSplash::Panel)
        .Field("SplashImage", &TZFormSplash::SplashImage)
        .Method("FormShow", &TZFormSplash::FormShow)
        .Method("SplashImageClick", &TZFormSplash::SplashImageClick);
    // clang-format on
    return &Info;
}

TZFormSplash::TZFormSplash(host::TComponent* AOwner) : TForm(AOwner) {
    host::ReadComponentFromText(SplashFormDfm, this);
    LiveSplash = this;
    DoCreate();
}

TZFormSplash::~TZFormSplash() {
    if (LiveSplash == this) LiveSplash = nullptr;
    if (FTimerHandle && HandleAllocated()) host::KillTimer(Handle(), FTimerHandle);
}

TZFormSplash* TZFormSplash::Current() {
    return LiveSplash;
}

void TZFormSplash::FormShow(TObject*) {
    const TPictureSize Size = PictureSize(*SplashImage->Picture());
    Panel->SetBounds(0, 0, Size.Width + 8, Size.Height + 8);
    SetClientWidth(Panel->Width());
    SetClientHeight(Panel->Height());
    RepaintNow();
    if (host::Application) host::Application->ProcessMessages();
    FTimerHandle = host::SetTimer(Handle(), SplashTimer, ShowMilliseconds, nullptr);
}

void TZFormSplash::SplashImageClick(TObject*) {
    if (!FAutoFree)
        Close();
    else
        FTimerHandle = host::SetTimer(Handle(), SplashTimer, ClickMilliseconds, nullptr);
}

void TZFormSplash::WndProc(host::TMessage& Message) {
    if (Message.Msg != host::WM_TIMER || Message.WParam != SplashTimer) {
        TForm::WndProc(Message);
        return;
    }
    host::KillTimer(Handle(), FTimerHandle);
    FTimerHandle = 0;
    // Freed by the message loop right after this message: the window procedure still runs
    // on this object.
    if (FAutoFree) Release();
}

void TZFormSplash::RepaintNow() {
    if (!HandleAllocated()) return;
    host::InvalidateRect(Handle(), nullptr, 1);
    host::UpdateWindow(Handle());
}

TPictureSize PictureSize(const host::TPicture& Picture) {
    if (Picture.GraphicClassName() != "TBitmap") return {};
    const String& Data = Picture.Data();
    // The class name, the bitmap's size, then the bitmap file: "BM", file header (14 bytes),
    // info header with the width at 4 and the height at 8.
    const std::size_t File = 1 + 7 + 4;
    if (Data.size() < File + 26 || Data.compare(File, 2, "BM") != 0) return {};
    const auto Width = static_cast<std::int32_t>(ReadLE32(Data, File + 18));
    const auto Height = static_cast<std::int32_t>(ReadLE32(Data, File + 22));
    return {Width, Height < 0 ? -Height : Height};
}

} // namespace zantor
