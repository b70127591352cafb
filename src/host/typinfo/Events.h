// Events: closures of an object and one of its methods, comparable, assignable, and
// streamed by the method's published name.
#pragma once

#include <cstddef>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace host {

class TObject;

// A method of some TObject descendant, with its signature erased.
using TMethodCode = void (TObject::*)();

struct TMethod {
    TMethodCode Code = nullptr;
    TObject* Data = nullptr;
    bool operator==(const TMethod&) const = default;
};

class TEventBase {
public:
    bool Assigned() const { return FMethod.Code != nullptr && FMethod.Data != nullptr; }
    explicit operator bool() const { return Assigned(); }
    const TMethod& Method() const { return FMethod; }
    // The caller vouches that Code has this event's signature (streaming checks it).
    void SetMethod(const TMethod& M) { FMethod = M; }
    bool operator==(const TEventBase& O) const { return FMethod == O.FMethod; }

protected:
    TMethod FMethod;
};

// The erased code is cast back to the exact signature it was made from before every call.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
#endif

template <class Sig> TMethodCode EraseMethod(Sig M) {
    return reinterpret_cast<TMethodCode>(M);
}
template <class Sig> Sig RestoreMethod(TMethodCode Code) {
    return reinterpret_cast<Sig>(Code);
}

template <class... Args> class TEvent : public TEventBase {
public:
    using Signature = void (TObject::*)(Args...);

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class C> TEvent(C* Obj, void (C::*M)(Args...)) {
        static_assert(std::is_base_of_v<TObject, C>, "handlers are methods of TObject descendants");
        FMethod.Data = Obj;
        FMethod.Code = EraseMethod(static_cast<Signature>(M));
    }

    // Calls the handler when one is assigned; does nothing otherwise.
    void operator()(Args... A) const {
        if (Assigned())
            (FMethod.Data->*RestoreMethod<Signature>(FMethod.Code))(std::forward<Args>(A)...);
    }

    static const std::type_info& SignatureType() { return typeid(Signature); }
};

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// Declares a named event type; handlers of any event type with the same parameters fit.
#define ZT_EVENT_TYPE(Name, ...)                                                                   \
    struct Name : ::host::TEvent<__VA_ARGS__> {                                                    \
        using TEvent::TEvent;                                                                      \
        static constexpr const char* TypeName = #Name;                                             \
    }

ZT_EVENT_TYPE(TNotifyEvent, TObject*);

} // namespace host
