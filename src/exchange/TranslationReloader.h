// TTranslationReloader: reloads a translator's external translation file when the file
// changes, so that a translator's corrections show in the running application without a
// restart. Opt-in: it watches the translators it is given (Watch, WatchApplication) and looks
// at their files when asked (CheckNow) or, with Interval set, on a window timer.
#pragma once

#include "host/classes/Component.h"
#include "host/typinfo/ClassBuilder.h"

#include <functional>
#include <memory>
#include <vector>

namespace host {
class TTimer;
}

namespace zantor {

using host::String;
using host::TComponent;

class TTranslatorFrame;

class TTranslationReloader : public TComponent {
    ZT_CLASS(TTranslationReloader, TComponent)
public:
    explicit TTranslationReloader(TComponent* AOwner);
    ~TTranslationReloader() override;

    // Watches T's file: FileName itself when it names a folder or exists, else the file beside
    // the application (where the form's loading looks for it). False when T has no FileName.
    bool Watch(TTranslatorFrame* T);
    void Unwatch(TTranslatorFrame* T);
    // Watches every translator with a file on the forms the application object owns; returns
    // how many are watched now.
    int WatchApplication();
    [[nodiscard]] int WatchedCount() const { return static_cast<int>(FWatched.size()); }

    // Reloads each watched translator whose file changed (or appeared, or went) since it was
    // last read, and applies the result: a form translator in force shows the new texts at
    // once; resource and dialog translators answer with them from then on. A translator reads
    // its file afresh, so translations taken out of the file go too; a file that cannot be read
    // leaves the translator as it was and is reported through OnError. Returns the number of
    // translators reloaded.
    int CheckNow();

    // Milliseconds between looks at the files on the window layer's timer; 0 (the default)
    // looks only when CheckNow is called.
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);

    std::function<void(TTranslatorFrame*)> OnReloaded;
    std::function<void(TTranslatorFrame*, const String& Message)> OnError;

    void Notification(TComponent* AComponent, host::TOperation Operation) override;

private:
    struct TStamp {
        bool Exists = false;
        std::int64_t Size = 0, Modified = 0;
        std::uint64_t Inode = 0, Device = 0;
        bool operator==(const TStamp&) const = default;
    };
    struct TWatch {
        TTranslatorFrame* Translator;
        String Path;
        TStamp Seen;
    };
    static TStamp StampOf(const String& Path);
    // Reads the file into T in place of its translations; false (T unchanged) on failure.
    bool Reload(TWatch& W);
    void TimerFired(host::TObject* Sender);

    std::vector<TWatch> FWatched;
    unsigned FInterval = 0;
    host::TTimer* FTimer = nullptr; // owned as a component
};

} // namespace zantor
