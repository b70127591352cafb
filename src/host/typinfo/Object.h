// TObject and class metadata: class name, parent, "is-a", creation by name, and the
// published properties, methods and fields of each class.
#pragma once

#include "host/rtl/StrUtils.h"
#include "host/typinfo/PropInfo.h"

#include <initializer_list>
#include <memory>
#include <unordered_map>

namespace host {

// A published method: a handler that the form reader can bind to an event by name.
struct TMethodEntry {
    String Name;
    TMethodCode Code = nullptr;
    const std::type_info* Signature = nullptr;
};

// A published field of a form class: the reader sets it to the owned component of that name.
struct TFieldEntry {
    String Name;
    TClass (*FieldClass)() = nullptr;
    std::function<void(TObject* Self, TObject* Value)> Set;
    std::function<TObject*(const TObject* Self)> Get;
};

struct TClassInfo {
    String ClassName;
    TClass Parent = nullptr;
    // Creates an instance; Owner is the class family's owner (component or collection).
    // Empty for classes that cannot be created by name.
    std::function<TObject*(TObject* Owner)> Create;

    std::vector<std::unique_ptr<TPropInfo>> OwnProps;
    std::vector<PPropInfo> Props; // every published property, base class first
    std::unordered_map<String, PPropInfo, TextHash, TextEqual> PropIndex;
    std::vector<TMethodEntry> Methods; // own published methods
    std::vector<TFieldEntry> Fields;   // own published fields
    // Built for one object and freed with it, its properties growing as they are read (the
    // tolerant reader's placeholders): whatever is kept per class must not keep this one, as
    // its address may be reused by the next such class.
    bool Transient = false;

    bool InheritsFrom(TClass Ancestor) const;
    // Property by name, case ignored; nullptr when there is none.
    [[nodiscard]] PPropInfo FindProp(std::string_view Name) const;
    // Published method by name (case ignored) or by code, searching ancestors too.
    const TMethodEntry* FindMethod(std::string_view Name) const;
    const TMethodEntry* FindMethod(TMethodCode Code) const;
    const TFieldEntry* FindField(std::string_view Name) const;
};

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }

    const String& ClassName() const { return ClassType()->ClassName; }
    bool InheritsFrom(TClass Ancestor) const { return ClassType()->InheritsFrom(Ancestor); }
    // The published method of that name bound to this object; empty Code when none.
    TMethod MethodAddress(std::string_view Name) const;
    // Name of a published method of this object's class, "" when Code is not published.
    String MethodName(TMethodCode Code) const;

    // Runs BeforeDestruction while the whole object still exists, then deletes it.
    // Objects of classes with a removal protocol (components) should be freed this way.
    void Free() {
        BeforeDestruction();
        delete this;
    }
    virtual void BeforeDestruction() {}
};

// Put at the top of a class body, in the public section.
#define ZT_CLASS(Name, Parent)                                                                     \
public:                                                                                            \
    using inherited = Parent;                                                                      \
    static ::host::TClass StaticClass();                                                           \
    ::host::TClass ClassType() const override {                                                    \
        return Name::StaticClass();                                                                \
    }

// "is" and checked "as" of the host, answered by the class registry.
template <class T> bool Is(const TObject* Obj) {
    return Obj && Obj->InheritsFrom(T::StaticClass());
}
template <class T> T* As(TObject* Obj) {
    return Is<T>(Obj) ? static_cast<T*>(Obj) : nullptr;
}
template <class T> const T* As(const TObject* Obj) {
    return Is<T>(Obj) ? static_cast<const T*>(Obj) : nullptr;
}

// The registry of classes creatable by name (the form reader uses it).
void RegisterClass(TClass Class);
void RegisterClasses(std::initializer_list<TClass> Classes);
void UnRegisterClass(TClass Class);
// nullptr when no class of that name (case ignored) is registered.
[[nodiscard]] TClass GetClass(std::string_view Name);
// Raises EClassNotFound "Class TFoo not found".
[[nodiscard]] TClass FindClass(std::string_view Name);

// Type information of pointers to TObject descendants (class-valued properties).
template <class T> struct TTypeInfoOf<T*, std::enable_if_t<std::is_base_of_v<TObject, T>>> {
    static PTypeInfo Get() {
        static const TTypeInfo Info = [] {
            TTypeInfo I;
            I.Kind = tkClass;
            I.ClassRef = &T::StaticClass;
            return I;
        }();
        return &Info;
    }
};

// Type information of event types declared with ZT_EVENT_TYPE.
template <class T> struct TTypeInfoOf<T, std::enable_if_t<std::is_base_of_v<TEventBase, T>>> {
    static PTypeInfo Get() {
        static const TTypeInfo Info = [] {
            TTypeInfo I;
            I.Kind = tkMethod;
            I.Name = T::TypeName;
            I.MethodSignature = &T::SignatureType();
            return I;
        }();
        return &Info;
    }
};

} // namespace host
