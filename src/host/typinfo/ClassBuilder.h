// TClassBuilder: the one place where a class lists its published interface. Used in the
// class's own source file, inside its StaticClass():
//
//   TClass TButton::StaticClass() {
//       static const TClassInfo Info = TClassBuilder<TButton>("TButton")
//           .Prop("Caption", &TButton::GetCaption, &TButton::SetCaption)
//           .Prop("Default", &TButton::FDefault, &TButton::SetDefault).Default(false)
//           .Prop("OnClick", &TButton::FOnClick, &TButton::FOnClick);
//       return &Info;
//   }
#pragma once

#include "host/typinfo/Object.h"

#include <functional>
#include <type_traits>

namespace host {

template <class T> class TClassBuilder {
public:
    explicit TClassBuilder(const char* Name) {
        FInfo.ClassName = Name;
        if constexpr (!std::is_same_v<T, TObject>) FInfo.Parent = T::inherited::StaticClass();
        SetFactory();
    }

    // Getter and setter are member functions or data members of T (or a base of T);
    // the setter may be nullptr for a read-only property.
    template <class Getter, class Setter = std::nullptr_t>
    TClassBuilder& Prop(const char* Name, Getter Get, Setter Set = nullptr) {
        using V = std::decay_t<std::invoke_result_t<Getter, const T&>>;
        auto P = std::make_unique<TPropInfo>();
        P->Name = Name;
        P->PropType = TypeInfo<V>();
        BindAccessors<V>(*P, Get, Set);
        FInfo.OwnProps.push_back(std::move(P));
        return *this;
    }

    // A published property of a kind that is never streamed (variant, array, record ...).
    TClassBuilder& Opaque(const char* Name, TTypeKind Kind) {
        auto P = std::make_unique<TPropInfo>();
        P->Name = Name;
        P->PropType = OpaqueTypeInfo(Kind);
        FInfo.OwnProps.push_back(std::move(P));
        return *this;
    }

    // Modifiers of the property added last.
    TClassBuilder& Default(Int64 Value) {
        Last().Default = static_cast<Integer>(Value);
        return *this;
    }
    template <class E>
    requires std::is_enum_v<E> TClassBuilder& Default(E Value) {
        return Default(static_cast<Int64>(Value));
    }
    template <class E> TClassBuilder& Default(TSet<E> Value) {
        return Default(static_cast<Int64>(Value.Bits()));
    }
    TClassBuilder& Stored(bool Value) {
        Last().StoredConst = Value;
        return *this;
    }
    template <class B> TClassBuilder& Stored(bool (B::*Fn)() const) {
        static_assert(std::is_base_of_v<B, T>);
        Last().StoredFn = [Fn](const TObject* O) { return (static_cast<const T*>(O)->*Fn)(); };
        return *this;
    }

    // A published method, so that the form reader can bind events to it by name.
    template <class B, class... A> TClassBuilder& Method(const char* Name, void (B::*M)(A...)) {
        static_assert(std::is_base_of_v<B, T>);
        using Sig = void (TObject::*)(A...);
        FInfo.Methods.push_back({Name, EraseMethod(static_cast<Sig>(M)), &typeid(Sig)});
        return *this;
    }

    // A published field that the form reader sets to the owned component of the same name.
    template <class F, class B> TClassBuilder& Field(const char* Name, F* B::*Member) {
        static_assert(std::is_base_of_v<TObject, F> && std::is_base_of_v<B, T>);
        TFieldEntry E;
        E.Name = Name;
        E.FieldClass = &F::StaticClass;
        E.Set = [Member](TObject* Self, TObject* Value) {
            static_cast<T*>(Self)->*Member = static_cast<F*>(Value);
        };
        E.Get = [Member](const TObject* Self) -> TObject* {
            return static_cast<const T*>(Self)->*Member;
        };
        FInfo.Fields.push_back(std::move(E));
        return *this;
    }

    // Adds a group of properties that many classes publish alike.
    TClassBuilder& With(void (*Group)(TClassBuilder&)) {
        Group(*this);
        return *this;
    }

    // For classes that must not be created by name.
    TClassBuilder& NoCreate() {
        FInfo.Create = nullptr;
        return *this;
    }

    operator TClassInfo() { return Build(); }

private:
    TPropInfo& Last() { return *FInfo.OwnProps.back(); }

    void SetFactory() {
        if constexpr (std::is_abstract_v<T>) {
            return;
        } else if constexpr (requires { typename T::TOwnerType; }) {
            using O = typename T::TOwnerType;
            if constexpr (std::is_constructible_v<T, O*>)
                FInfo.Create = [](TObject* Owner) -> TObject* {
                    return new T(static_cast<O*>(Owner));
                };
        } else if constexpr (std::is_default_constructible_v<T>) {
            FInfo.Create = [](TObject*) -> TObject* { return new T(); };
        }
    }

    template <class V, class Setter> static void Assign(T* Obj, Setter Set, V Value) {
        if constexpr (std::is_member_object_pointer_v<Setter>)
            Obj->*Set = std::move(Value);
        else
            (Obj->*Set)(std::move(Value));
    }

    template <class V, class Getter, class Setter>
    static void BindAccessors(TPropInfo& P, Getter Get, Setter Set) {
        constexpr bool HasSetter = !std::is_same_v<Setter, std::nullptr_t>;
        auto get = [Get](const TObject* O) -> V {
            return std::invoke(Get, *static_cast<const T*>(O));
        };
        if constexpr (std::is_same_v<V, String>) {
            P.GetStr = get;
            if constexpr (HasSetter)
                P.SetStr = [Set](TObject* O, const String& S) {
                    Assign<V>(static_cast<T*>(O), Set, S);
                };
        } else if constexpr (std::is_pointer_v<V>) {
            using C = std::remove_pointer_t<V>;
            static_assert(std::is_base_of_v<TObject, C>,
                          "object properties hold TObject descendants");
            P.GetObj = [get](const TObject* O) -> TObject* { return get(O); };
            if constexpr (HasSetter)
                P.SetObj = [Set](TObject* O, TObject* Value) {
                    Assign<V>(static_cast<T*>(O), Set, static_cast<V>(Value));
                };
        } else if constexpr (std::is_base_of_v<TEventBase, V>) {
            P.GetMethod = [get](const TObject* O) { return get(O).Method(); };
            if constexpr (HasSetter)
                P.SetMethod = [Set](TObject* O, const TMethod& M) {
                    V E;
                    E.SetMethod(M);
                    Assign<V>(static_cast<T*>(O), Set, E);
                };
        } else if constexpr (std::is_floating_point_v<V>) {
            P.GetFloat = [get](const TObject* O) -> Extended { return get(O); };
            if constexpr (HasSetter)
                P.SetFloat = [Set](TObject* O, Extended X) {
                    Assign<V>(static_cast<T*>(O), Set, static_cast<V>(X));
                };
        } else if constexpr (requires(V s) {
                                 s.Bits();
                                 V::FromBits(0u);
                             }) {
            P.GetOrd = [get](const TObject* O) -> Int64 { return get(O).Bits(); };
            if constexpr (HasSetter)
                P.SetOrd = [Set](TObject* O, Int64 X) {
                    Assign<V>(static_cast<T*>(O), Set, V::FromBits(static_cast<std::uint32_t>(X)));
                };
        } else {
            static_assert(std::is_integral_v<V> || std::is_enum_v<V>, "unsupported property type");
            P.GetOrd = [get](const TObject* O) -> Int64 { return static_cast<Int64>(get(O)); };
            if constexpr (HasSetter)
                P.SetOrd = [Set](TObject* O, Int64 X) {
                    Assign<V>(static_cast<T*>(O), Set, static_cast<V>(X));
                };
        }
    }

    TClassInfo Build();

    TClassInfo FInfo;
};

// Merges the parent's property list with the class's own: a redeclared property keeps its
// place, new ones follow.
void FinishClassInfo(TClassInfo& Info);

template <class T> TClassInfo TClassBuilder<T>::Build() {
    FinishClassInfo(FInfo);
    return std::move(FInfo);
}

} // namespace host
