// Design-time test helpers: a designer that counts the changes it is told of, and the
// registrations of some units for the length of a test.
#pragma once

#include "host/ide/DesignRegistry.h"
#include "host/ide/FormDesigner.h"

#include <initializer_list>

namespace zt_design {

// The designer of one form: counts Modified.
class TCountingDesigner : public host::TFormDesigner {
public:
    void Modified() override { ++ModifiedCount; }
    host::TComponent* GetRoot() const override { return Root; }
    host::TComponent* Root = nullptr;
    int ModifiedCount = 0;
};

// Registers Units (their Register functions) on empty registries under an owner of its own,
// and empties the registries again when it goes.
class TRegisteredUnits {
public:
    explicit TRegisteredUnits(std::initializer_list<void (*)()> Units) {
        host::ClearDesignRegistries();
        const host::TRegistrationOwner Previous = host::SetRegistrationOwner(&FOwner);
        for (void (*Register)() : Units)
            Register();
        host::SetRegistrationOwner(Previous);
    }
    ~TRegisteredUnits() { host::ClearDesignRegistries(); }
    host::TRegistrationOwner Owner() const { return &FOwner; }
    TRegisteredUnits(const TRegisteredUnits&) = delete;
    TRegisteredUnits& operator=(const TRegisteredUnits&) = delete;

private:
    const int FOwner = 0; // its address tags the registrations
};

} // namespace zt_design
