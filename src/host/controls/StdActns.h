// Standard actions that forms use without code: the MDI window commands (close, cascade,
// tile, arrange, minimise all), closing the application (TFileExit) and opening a web
// address (TBrowseURL).
#pragma once

#include "host/controls/ActnList.h"

namespace host {

class TCustomForm;

// An action on the MDI children of a frame form: the owner form when it is an MDI frame,
// else the application's main form.
class TWindowAction : public TAction {
    ZT_CLASS(TWindowAction, TAction)
public:
    explicit TWindowAction(TComponent* AOwner) : TAction(AOwner) {}
    TCustomForm* TargetForm() const;
    bool Execute() override;

protected:
    // What the action does to the frame; nothing by default.
    virtual void ExecuteTarget(TCustomForm*) {}
};

class TWindowClose : public TWindowAction {
    ZT_CLASS(TWindowClose, TWindowAction)
public:
    explicit TWindowClose(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

class TWindowCascade : public TWindowAction {
    ZT_CLASS(TWindowCascade, TWindowAction)
public:
    explicit TWindowCascade(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

class TWindowTileHorizontal : public TWindowAction {
    ZT_CLASS(TWindowTileHorizontal, TWindowAction)
public:
    explicit TWindowTileHorizontal(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

class TWindowTileVertical : public TWindowAction {
    ZT_CLASS(TWindowTileVertical, TWindowAction)
public:
    explicit TWindowTileVertical(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

class TWindowMinimizeAll : public TWindowAction {
    ZT_CLASS(TWindowMinimizeAll, TWindowAction)
public:
    explicit TWindowMinimizeAll(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

class TWindowArrange : public TWindowAction {
    ZT_CLASS(TWindowArrange, TWindowAction)
public:
    explicit TWindowArrange(TComponent* AOwner) : TWindowAction(AOwner) {}

protected:
    void ExecuteTarget(TCustomForm* Form) override;
};

// Closes the application's main form, which ends the application.
class TFileExit : public TAction {
    ZT_CLASS(TFileExit, TAction)
public:
    explicit TFileExit(TComponent* AOwner) : TAction(AOwner) {}
    bool Execute() override;
};

// Opens URL; the host hands it to the shell, which the emulated platform does not have, so
// executing only fires OnExecute.
class TBrowseURL : public TAction {
    ZT_CLASS(TBrowseURL, TAction)
public:
    explicit TBrowseURL(TComponent* AOwner) : TAction(AOwner) {}
    const String& URL() const { return FURL; }
    void SetURL(const String& Value) { FURL = Value; }

private:
    String FURL;
};

} // namespace host
