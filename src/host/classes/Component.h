// TComponent: named objects owned by another component, with ownership, free notification
// and the life cycle of streaming (Loaded).
#pragma once

#include "host/classes/Persistent.h"

#include <cstdint>
#include <functional>

namespace host {

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent;
using TGetChildProc = std::function<void(TComponent* Child)>;

class TComponent : public TPersistent {
    ZT_CLASS(TComponent, TPersistent)
public:
    using TOwnerType = TComponent;

    explicit TComponent(TComponent* AOwner);
    // Prefer Free(): it runs the removal protocol while the whole object still exists.
    ~TComponent() override;
    // Announces the destruction, frees owned components, leaves the owner.
    void BeforeDestruction() override;

    TComponent* Owner() const { return FOwner; }
    const String& Name() const { return FName; }
    // Raises EComponentError for an invalid identifier or a name the owner already has.
    virtual void SetName(const String& NewName);
    Integer Tag() const { return FTag; }
    void SetTag(Integer Value) { FTag = Value; }
    Integer DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(Integer Value) { FDesignInfo = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TComponent* Components(int Index) const;
    // Position in the owner's list; -1 without an owner.
    int ComponentIndex() const;
    void SetComponentIndex(int Value);
    // Owned component of that name (case ignored), or nullptr; constant time.
    [[nodiscard]] TComponent* FindComponent(std::string_view AName) const;
    // Moves whenever any component is named, joins or leaves an owner, or moves within its
    // owner's list: whoever resolved names and places compares it to know they still hold.
    [[nodiscard]] static std::uint64_t NamesAndPlacesGeneration();

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value, bool SetChildren = true);
    void SetInline(bool Value);
    void SetAncestor(bool Value);

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    void Destroying();

    // AComponent is told (Notification opRemove) when this component is destroyed, and
    // the other way round.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Parent relation used by streaming: visual children are written inside their parent.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Components written as children of this one in a form file, for the given root.
    virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
    virtual void SetChildOrder(TComponent*, int) {}
    // Where the reader puts the children of this component: their parent and owner
    // (nullptr keeps the current owner).
    virtual TComponent* GetChildParent() { return this; }
    virtual TComponent* GetChildOwner() { return nullptr; }

    // Streaming life cycle.
    virtual void Loaded();
    void SetLoading(bool Value);
    void SetReading(bool Value);
    void SetWriting(bool Value);

    void DefineProperties(TFiler* Filer) override;
    TPersistent* GetOwner() const override { return FOwner; }
    String GetNamePath() const override { return FName; }

    virtual void Notification(TComponent* AComponent, TOperation Operation);

protected:
    virtual void ValidateRename(TComponent* AComponent, const String& CurName,
                                const String& NewName);
    virtual void ValidateInsert(TComponent*) {}
    virtual void ValidateContainer(TComponent* AComponent);
    // Called by ValidateContainer of the future owner before insertion.
    virtual void ValidateInsertInto(TComponent*) {}
    void ChangeName(const String& NewName);
    // Points the owner's published field of this component's name at it (or clears it).
    void SetReference(bool Enable);
    void Updating();
    void Updated();

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void Teardown();

    TComponent* FOwner = nullptr;
    String FName;
    Integer FTag = 0;
    Integer FDesignInfo = 0;
    TComponentState FComponentState;
    std::vector<TComponent*> FComponents;
    std::unordered_map<String, TComponent*, TextHash, TextEqual> FNameIndex;
    std::vector<TComponent*> FFreeNotifies;
    bool FTornDown = false;
};

// Creates an instance of a component class by its metadata; raises EComponentError when the
// class is not a creatable component class.
TComponent* CreateComponent(TClass Class, TComponent* Owner);

// Frees Obj (through Free) and sets the pointer to nullptr.
template <class T> void FreeAndNil(T*& Obj) {
    T* Tmp = Obj;
    Obj = nullptr;
    if (Tmp) Tmp->Free();
}

} // namespace host
