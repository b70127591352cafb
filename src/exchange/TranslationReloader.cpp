#include "exchange/TranslationReloader.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/Timer.h"
#include "host/rtl/FileNames.h"
#include "translators/FormTranslator.h"
#include "translators/ResourceTranslator.h"

#include <sys/stat.h>

#include <algorithm>

namespace zantor {

host::TClass TTranslationReloader::StaticClass() {
    static const host::TClassInfo Info =
        host::TClassBuilder<TTranslationReloader>("TTranslationReloader")
            .Prop("Interval", &TTranslationReloader::Interval, &TTranslationReloader::SetInterval)
            .Default(0);
    return &Info;
}

TTranslationReloader::TTranslationReloader(TComponent* AOwner) : TComponent(AOwner) {}

TTranslationReloader::~TTranslationReloader() {
    for (TWatch& W : FWatched)
        W.Translator->RemoveFreeNotification(this);
}

TTranslationReloader::TStamp TTranslationReloader::StampOf(const String& Path) {
    struct stat St {};
    if (::stat(Path.c_str(), &St) != 0) return {};
    return {true, static_cast<std::int64_t>(St.st_size),
            static_cast<std::int64_t>(St.st_mtim.tv_sec) * 1000000000 + St.st_mtim.tv_nsec,
            static_cast<std::uint64_t>(St.st_ino), static_cast<std::uint64_t>(St.st_dev)};
}

bool TTranslationReloader::Watch(TTranslatorFrame* T) {
    if (!T || T->FileName().empty()) return false;
    const String& Name = T->FileName();
    const String Path = Name.find_first_of("\\/") != String::npos || host::FileExists(Name)
                            ? Name
                            : T->GetAppDir() + Name;
    auto It = std::find_if(FWatched.begin(), FWatched.end(),
                           [&](const TWatch& W) { return W.Translator == T; });
    if (It != FWatched.end()) {
        It->Path = Path;
        It->Seen = StampOf(Path);
        return true;
    }
    FWatched.push_back({T, Path, StampOf(Path)});
    T->FreeNotification(this);
    return true;
}

void TTranslationReloader::Unwatch(TTranslatorFrame* T) {
    auto It = std::find_if(FWatched.begin(), FWatched.end(),
                           [&](const TWatch& W) { return W.Translator == T; });
    if (It == FWatched.end()) return;
    FWatched.erase(It);
    T->RemoveFreeNotification(this);
}

int TTranslationReloader::WatchApplication() {
    if (!host::Application) return WatchedCount();
    for (int f = 0; f < host::Application->ComponentCount(); ++f) {
        TComponent* Form = host::Application->Components(f);
        if (!host::Is<host::TCustomForm>(Form) && !host::Is<host::TDataModule>(Form)) continue;
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* T = host::As<TTranslatorFrame>(Form->Components(i))) Watch(T);
    }
    return WatchedCount();
}

void TTranslationReloader::Notification(TComponent* AComponent, host::TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != host::opRemove) return;
    std::erase_if(FWatched, [&](const TWatch& W) { return W.Translator == AComponent; });
    if (AComponent == FTimer) FTimer = nullptr;
}

bool TTranslationReloader::Reload(TWatch& W) {
    TTranslatorFrame* T = W.Translator;
    auto* Form = host::As<TFormTranslator>(T);
    auto* Resource = host::As<TResourceTranslator>(T);
    // Everything the file feeds, kept for a file that cannot be read.
    host::TStringList SavedTranslations, SavedResStrings;
    SavedTranslations.Assign(T->Translations());
    if (Resource) SavedResStrings.Assign(Resource->ResStrings());
    const bool Showing = Form && Form->Translate();
    // The form shows its design texts while the entries change, then the new translation.
    if (Showing) Form->InternalTranslate(false);
    String Error;
    try {
        T->Translations()->Clear();
        if (Resource) Resource->ResStrings()->Clear();
        if (W.Seen.Exists) static_cast<void>(T->LoadFrom(W.Path));
    } catch (const std::exception& E) {
        Error = E.what();
        T->Translations()->Assign(&SavedTranslations);
        if (Resource) Resource->ResStrings()->Assign(&SavedResStrings);
    }
    if (Showing) Form->InternalTranslate(true);
    if (!Error.empty()) {
        if (OnError) OnError(T, W.Path + ": " + Error);
        return false;
    }
    if (OnReloaded) OnReloaded(T);
    return true;
}

int TTranslationReloader::CheckNow() {
    int Reloaded = 0;
    // A handler may unwatch or free translators: work on a copy of the list and look each up.
    const std::vector<TWatch> Now = FWatched;
    for (const TWatch& Before : Now) {
        auto It = std::find_if(FWatched.begin(), FWatched.end(),
                               [&](const TWatch& W) { return W.Translator == Before.Translator; });
        if (It == FWatched.end()) continue;
        const TStamp Stamp = StampOf(It->Path);
        if (Stamp == It->Seen) continue;
        It->Seen = Stamp;
        if (Reload(*It)) ++Reloaded;
    }
    return Reloaded;
}

void TTranslationReloader::SetInterval(unsigned Value) {
    FInterval = Value;
    if (!Value) {
        if (FTimer) FTimer->SetEnabled(false);
        return;
    }
    if (!FTimer) {
        FTimer = new host::TTimer(this);
        FTimer->SetOnTimer(host::TNotifyEvent(this, &TTranslationReloader::TimerFired));
    }
    FTimer->SetInterval(Value);
    FTimer->SetEnabled(true);
}

void TTranslationReloader::TimerFired(host::TObject*) {
    static_cast<void>(CheckNow());
}

} // namespace zantor
