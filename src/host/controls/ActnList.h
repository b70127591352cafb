// Actions: TBasicAction, a command with an OnExecute that clients (controls, menu items,
// tool buttons) are linked to through action links; TCustomAction, which adds the texts and
// states that linked clients show and follow (caption, hint, shortcut, enabled, checked,
// visible, image); TActionList, the component that holds a form's actions and writes them
// as its children.
#pragma once

#include <memory>

#include "host/classes/Component.h"
#include "host/controls/Controls.h"

#include <vector>

namespace host {

class TBasicAction;
class TCustomActionList;
class TCustomImageList;
class TStrings;
class TMenuItem;

using TShortCut = int;

// The connection of one client to its action. The action tells each of its links about a
// change before it takes the new value; the link passes it on when the client still shows
// the action's old value ("is linked").
class TBasicActionLink : public TObject {
    ZT_CLASS(TBasicActionLink, TObject)
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;

    TBasicAction* Action() const { return FAction; }
    // Leaves the old action's clients and joins the new one's.
    void SetAction(TBasicAction* Value);
    // Runs the action for Component; false when there is no action.
    bool Execute(TComponent* Component = nullptr);
    bool Update();

    // Told after the action changed (any property); the default tells OnChange.
    virtual void Change() { FOnChange(this); }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }

    virtual bool IsCaptionLinked() const { return false; }
    virtual bool IsCheckedLinked() const { return false; }
    virtual bool IsEnabledLinked() const { return false; }
    virtual bool IsGroupIndexLinked() const { return false; }
    virtual bool IsHelpLinked() const { return false; }
    virtual bool IsHintLinked() const { return false; }
    virtual bool IsImageIndexLinked() const { return false; }
    virtual bool IsShortCutLinked() const { return false; }
    virtual bool IsVisibleLinked() const { return false; }
    virtual bool IsOnExecuteLinked() const { return false; }
    virtual bool IsAutoCheckLinked() const { return false; }

    virtual void SetAutoCheck(bool) {}
    virtual void SetCaption(const String&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetHelpContext(int) {}
    virtual void SetHelpKeyword(const String&) {}
    virtual void SetHelpType(THelpType) {}
    virtual void SetHint(const String&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}
    virtual void SetOnExecute(const TNotifyEvent&) {}

private:
    friend class TBasicAction;
    TBasicAction* FAction = nullptr;
    TNotifyEvent FOnChange;
};

class TBasicAction : public TComponent {
    ZT_CLASS(TBasicAction, TComponent)
public:
    explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
    ~TBasicAction() override;
    // Unlinks every client while the whole action still exists.
    void BeforeDestruction() override;

    // Fires OnExecute; false when it has none.
    virtual bool Execute();
    // Fires OnUpdate; false when it has none.
    virtual bool Update();
    // The component that executes the action right now, or null.
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value) { FActionComponent = Value; }

    const TNotifyEvent& OnExecute() const { return FOnExecute; }
    // Linked clients whose OnClick is the old handler take the new one.
    void SetOnExecute(const TNotifyEvent& Value);
    const TNotifyEvent& OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(const TNotifyEvent& Value) { FOnUpdate = Value; }

    void RegisterChanges(TBasicActionLink* Link);
    void UnRegisterChanges(TBasicActionLink* Link);
    int ClientCount() const { return static_cast<int>(FClients.size()); }

protected:
    // Calls Fn on every link (a copy of the list, so links may leave meanwhile).
    template <class F> void ForEachLink(F Fn) {
        std::vector<TBasicActionLink*> Links = FClients;
        for (TBasicActionLink* L : Links)
            Fn(L);
    }
    // Tells every link that the action changed.
    void Change();

    std::vector<TBasicActionLink*> FClients;
    TNotifyEvent FOnExecute;
    TNotifyEvent FOnUpdate;

private:
    TComponent* FActionComponent = nullptr;
};

// An action that can sit in an action list, under a category.
class TContainedAction : public TBasicAction {
    ZT_CLASS(TContainedAction, TBasicAction)
public:
    explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    ~TContainedAction() override;
    void BeforeDestruction() override;

    TCustomActionList* ActionList() const { return FActionList; }
    // Moves the action out of its list and into Value's (at the end).
    void SetActionList(TCustomActionList* Value);
    const String& Category() const { return FCategory; }
    void SetCategory(const String& Value) { FCategory = Value; }
    // Position in its list, -1 without one.
    int Index() const;
    void SetIndex(int Value);

    // Written inside its action list.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // The list's OnExecute may handle it first (Handled), then OnExecute.
    bool Execute() override;
    bool Update() override;

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
    String FCategory;
};

// An action with the texts and states its clients show. Each setter first tells the links
// whose client still shows the old value, so such clients follow the action.
class TCustomAction : public TContainedAction {
    ZT_CLASS(TCustomAction, TContainedAction)
public:
    explicit TCustomAction(TComponent* AOwner);
    ~TCustomAction() override;

    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    // Checking an action of a group (GroupIndex > 0) unchecks the others of its list's group.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value);
    const String& HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const String& Value);
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const String& ImageName() const { return FImageName; }
    void SetImageName(const String& Value) { FImageName = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    // More shortcuts, one per line in their text form ("Ctrl+S").
    TStrings* SecondaryShortCuts() const { return FSecondaryShortCuts.get(); }
    void SetSecondaryShortCuts(TStrings* Value);
    bool IsSecondaryShortCutsStored() const;
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    const TNotifyEvent& OnHint() const { return FOnHint; }
    void SetOnHint(const TNotifyEvent& Value) { FOnHint = Value; }

    // An AutoCheck action toggles Checked before it executes.
    bool Execute() override;

private:
    std::unique_ptr<TStrings> FSecondaryShortCuts;
    String FCaption;
    String FHint;
    String FHelpKeyword;
    String FImageName;
    bool FAutoCheck = false;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    int FGroupIndex = 0;
    int FHelpContext = 0;
    THelpType FHelpType = htContext;
    int FImageIndex = -1;
    TShortCut FShortCut = 0;
    TNotifyEvent FOnHint;
};

class TAction : public TCustomAction {
    ZT_CLASS(TAction, TCustomAction)
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

ZT_EVENT_TYPE(TActionEvent, TBasicAction*, bool&);
enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };

// The actions of a form, written as its children in list order.
class TCustomActionList : public TComponent {
    ZT_CLASS(TCustomActionList, TComponent)
public:
    explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
    ~TCustomActionList() override;
    void BeforeDestruction() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TContainedAction* Actions(int Index) const;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);
    [[nodiscard]] int IndexOf(const TContainedAction* Action) const;
    void MoveAction(TContainedAction* Action, int Index);

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TActionListState State() const { return FState; }
    void SetState(TActionListState Value) { FState = Value; }

    // Fires OnExecute for Action; true when the handler marked it handled.
    bool ExecuteAction(TBasicAction* Action);
    bool UpdateAction(TBasicAction* Action);

    const TActionEvent& OnExecute() const { return FOnExecute; }
    void SetOnExecute(const TActionEvent& Value) { FOnExecute = Value; }
    const TActionEvent& OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(const TActionEvent& Value) { FOnUpdate = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TNotifyEvent& OnStateChange() const { return FOnStateChange; }
    void SetOnStateChange(const TNotifyEvent& Value) { FOnStateChange = Value; }

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TContainedAction*> FActions;
    TCustomImageList* FImages = nullptr;
    TActionListState FState = asNormal;
    TActionEvent FOnExecute;
    TActionEvent FOnUpdate;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnStateChange;
};

class TActionList : public TCustomActionList {
    ZT_CLASS(TActionList, TCustomActionList)
public:
    explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};

// A link whose action is a TCustomAction: the Is*Linked tests start from that.
class TActionLink : public TBasicActionLink {
    ZT_CLASS(TActionLink, TBasicActionLink)
public:
    TActionLink() = default;
    bool IsCaptionLinked() const override { return Custom() != nullptr; }
    bool IsCheckedLinked() const override { return Custom() != nullptr; }
    bool IsEnabledLinked() const override { return Custom() != nullptr; }
    bool IsGroupIndexLinked() const override { return Custom() != nullptr; }
    bool IsHelpLinked() const override { return Custom() != nullptr; }
    bool IsHintLinked() const override { return Custom() != nullptr; }
    bool IsImageIndexLinked() const override { return Custom() != nullptr; }
    bool IsShortCutLinked() const override { return Custom() != nullptr; }
    bool IsVisibleLinked() const override { return Custom() != nullptr; }
    bool IsOnExecuteLinked() const override { return Action() != nullptr; }
    bool IsAutoCheckLinked() const override { return Custom() != nullptr; }

protected:
    TCustomAction* Custom() const;
};

// A client's SetAction (controls and menu items): links Client to Value through Link, made on
// first use; the client takes the action's properties (while loading, only where it holds its
// defaults) and hears when the action goes. Value nullptr unlinks.
template <class TLink, class TClient>
void LinkClientAction(TClient* Client, std::unique_ptr<TLink>& Link, TBasicAction* Value) {
    if (Value && Link && Link->Action() == Value) return;
    if (Link && Link->Action()) Link->Action()->RemoveFreeNotification(Client);
    if (!Value) {
        Link.reset();
        return;
    }
    if (!Link) Link = std::make_unique<TLink>(Client);
    Link->SetAction(Value);
    Client->ActionChange(Value, Value->ComponentState().Contains(csLoading));
    Value->FreeNotification(Client);
}

// The link of a control: caption, hint, enabled, visible, help and OnClick follow the action
// while the control shows the action's values.
class TControlActionLink : public TActionLink {
    ZT_CLASS(TControlActionLink, TActionLink)
public:
    explicit TControlActionLink(TControl* Client) : FClient(Client) {}
    TControl* Client() const { return FClient; }

    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;

    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHelpContext(int Value) override;
    void SetHelpKeyword(const String& Value) override;
    void SetHelpType(THelpType Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;
    void Change() override;

private:
    TControl* FClient;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TActionListState);
