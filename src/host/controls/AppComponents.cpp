#include "host/controls/AppComponents.h"

#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TBalloonFlags, "bfNone", "bfInfo", "bfWarning", "bfError")

TClass TApplicationEvents::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TApplicationEvents>("TApplicationEvents")
        .Prop("OnActivate", &TApplicationEvents::OnActivate, &TApplicationEvents::SetOnActivate)
        .Prop("OnDeactivate", &TApplicationEvents::OnDeactivate, &TApplicationEvents::SetOnDeactivate)
        .Prop("OnHelp", &TApplicationEvents::OnHelp, &TApplicationEvents::SetOnHelp)
        .Prop("OnHint", &TApplicationEvents::OnHint, &TApplicationEvents::SetOnHint)
        .Prop("OnIdle", &TApplicationEvents::OnIdle, &TApplicationEvents::SetOnIdle)
        .Prop("OnMinimize", &TApplicationEvents::OnMinimize, &TApplicationEvents::SetOnMinimize)
        .Prop("OnRestore", &TApplicationEvents::OnRestore, &TApplicationEvents::SetOnRestore);
    // clang-format on
    return &Info;
}

TClass TTrayIcon::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTrayIcon>("TTrayIcon")
        .Prop("Animate", &TTrayIcon::Animate, &TTrayIcon::SetAnimate).Default(false)
        .Prop("AnimateInterval", &TTrayIcon::AnimateInterval, &TTrayIcon::SetAnimateInterval).Default(1000)
        .Prop("BalloonHint", &TTrayIcon::BalloonHint, &TTrayIcon::SetBalloonHint)
        .Prop("BalloonTitle", &TTrayIcon::BalloonTitle, &TTrayIcon::SetBalloonTitle)
        .Prop("BalloonTimeout", &TTrayIcon::BalloonTimeout, &TTrayIcon::SetBalloonTimeout).Default(10000)
        .Prop("BalloonFlags", &TTrayIcon::BalloonFlags, &TTrayIcon::SetBalloonFlags).Default(bfNone)
        .Prop("Hint", &TTrayIcon::Hint, &TTrayIcon::SetHint)
        .Prop("IconIndex", &TTrayIcon::IconIndex, &TTrayIcon::SetIconIndex).Default(0)
        .Prop("PopupMenu", &TTrayIcon::PopupMenu, &TTrayIcon::SetPopupMenu)
        .Prop("Visible", &TTrayIcon::Visible, &TTrayIcon::SetVisible).Default(false)
        .Prop("OnBalloonClick", &TTrayIcon::OnBalloonClick, &TTrayIcon::SetOnBalloonClick)
        .Prop("OnClick", &TTrayIcon::OnClick, &TTrayIcon::SetOnClick)
        .Prop("OnDblClick", &TTrayIcon::OnDblClick, &TTrayIcon::SetOnDblClick);
    // clang-format on
    return &Info;
}

void TTrayIcon::SetPopupMenu(TPopupMenu* Value) {
    if (FPopupMenu == Value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

} // namespace host
