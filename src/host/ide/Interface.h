// TInterface: the reference-counted base of the objects the design-time host hands out and
// takes in (experts, module, form and component interfaces). A new object holds one reference;
// Release frees it when the last reference goes.
#pragma once

namespace host {

class TInterface {
public:
    TInterface() = default;
    virtual ~TInterface() = default;
    TInterface(const TInterface&) = delete;
    TInterface& operator=(const TInterface&) = delete;

    virtual int AddRef() { return ++FRefCount; }
    // Frees the object when the count reaches zero; returns the count left.
    virtual int Release() {
        int Count = --FRefCount;
        if (Count == 0) delete this;
        return Count;
    }
    // Version of the interface protocol the object speaks.
    virtual int GetVersion() { return 1; }

private:
    int FRefCount = 1;
};

// Releases an interface on leaving the scope (the host's "release when no longer needed").
template <class T> class TInterfaceRef {
public:
    explicit TInterfaceRef(T* Intf = nullptr) : FIntf(Intf) {}
    ~TInterfaceRef() {
        if (FIntf) FIntf->Release();
    }
    TInterfaceRef(const TInterfaceRef&) = delete;
    TInterfaceRef& operator=(const TInterfaceRef&) = delete;
    T* operator->() const { return FIntf; }
    T* Get() const { return FIntf; }
    explicit operator bool() const { return FIntf != nullptr; }

private:
    T* FIntf;
};

} // namespace host
