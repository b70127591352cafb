// Components that stand for the application on a form: TApplicationEvents, whose events the
// application fires (hints, help, idle time ...), and TTrayIcon, the application's icon in
// the notification area with its hint, balloon texts and menu.
#pragma once

#include "host/classes/Component.h"
#include "host/controls/Forms.h"

namespace host {

class TPopupMenu;

ZT_EVENT_TYPE(TIdleEvent, TObject*, bool&);

class TApplicationEvents : public TComponent {
    ZT_CLASS(TApplicationEvents, TComponent)
public:
    explicit TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) {}
    const TNotifyEvent& OnActivate() const { return FOnActivate; }
    void SetOnActivate(const TNotifyEvent& Value) { FOnActivate = Value; }
    const TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
    void SetOnDeactivate(const TNotifyEvent& Value) { FOnDeactivate = Value; }
    const THelpEvent& OnHelp() const { return FOnHelp; }
    void SetOnHelp(const THelpEvent& Value) { FOnHelp = Value; }
    const TNotifyEvent& OnHint() const { return FOnHint; }
    void SetOnHint(const TNotifyEvent& Value) { FOnHint = Value; }
    const TIdleEvent& OnIdle() const { return FOnIdle; }
    void SetOnIdle(const TIdleEvent& Value) { FOnIdle = Value; }
    const TNotifyEvent& OnMinimize() const { return FOnMinimize; }
    void SetOnMinimize(const TNotifyEvent& Value) { FOnMinimize = Value; }
    const TNotifyEvent& OnRestore() const { return FOnRestore; }
    void SetOnRestore(const TNotifyEvent& Value) { FOnRestore = Value; }

    // What the application calls when its hint changes.
    void DoHint() { FOnHint(this); }

private:
    TNotifyEvent FOnActivate;
    TNotifyEvent FOnDeactivate;
    THelpEvent FOnHelp;
    TNotifyEvent FOnHint;
    TIdleEvent FOnIdle;
    TNotifyEvent FOnMinimize;
    TNotifyEvent FOnRestore;
};

enum TBalloonFlags { bfNone, bfInfo, bfWarning, bfError };

class TTrayIcon : public TComponent {
    ZT_CLASS(TTrayIcon, TComponent)
public:
    explicit TTrayIcon(TComponent* AOwner) : TComponent(AOwner) {}
    bool Animate() const { return FAnimate; }
    void SetAnimate(bool Value) { FAnimate = Value; }
    int AnimateInterval() const { return FAnimateInterval; }
    void SetAnimateInterval(int Value) { FAnimateInterval = Value; }
    const String& BalloonHint() const { return FBalloonHint; }
    void SetBalloonHint(const String& Value) { FBalloonHint = Value; }
    const String& BalloonTitle() const { return FBalloonTitle; }
    void SetBalloonTitle(const String& Value) { FBalloonTitle = Value; }
    int BalloonTimeout() const { return FBalloonTimeout; }
    void SetBalloonTimeout(int Value) { FBalloonTimeout = Value; }
    TBalloonFlags BalloonFlags() const { return FBalloonFlags; }
    void SetBalloonFlags(TBalloonFlags Value) { FBalloonFlags = Value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int Value) { FIconIndex = Value; }
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& Value) { FOnClick = Value; }
    const TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(const TNotifyEvent& Value) { FOnDblClick = Value; }
    const TNotifyEvent& OnBalloonClick() const { return FOnBalloonClick; }
    void SetOnBalloonClick(const TNotifyEvent& Value) { FOnBalloonClick = Value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FAnimate = false;
    int FAnimateInterval = 1000;
    String FBalloonHint;
    String FBalloonTitle;
    int FBalloonTimeout = 10000;
    TBalloonFlags FBalloonFlags = bfNone;
    String FHint;
    int FIconIndex = 0;
    TPopupMenu* FPopupMenu = nullptr;
    bool FVisible = false;
    TNotifyEvent FOnClick;
    TNotifyEvent FOnDblClick;
    TNotifyEvent FOnBalloonClick;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TBalloonFlags);
