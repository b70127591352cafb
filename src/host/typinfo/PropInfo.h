// One published property: name, type, accessors, default and stored-condition.
#pragma once

#include "host/typinfo/Events.h"
#include "host/typinfo/TypeData.h"

#include <climits>
#include <functional>

namespace host {

// Default of an ordinal property that has none: the value is always written.
inline constexpr Integer NoDefault = INT_MIN;

struct TPropInfo {
    String Name;
    PTypeInfo PropType = nullptr;
    Integer Default = NoDefault;

    // Accessors of the property's value category; only those of its kind are set.
    // A missing setter means the property is read-only.
    std::function<Int64(const TObject*)> GetOrd;
    std::function<void(TObject*, Int64)> SetOrd;
    std::function<Extended(const TObject*)> GetFloat;
    std::function<void(TObject*, Extended)> SetFloat;
    std::function<String(const TObject*)> GetStr;
    std::function<void(TObject*, const String&)> SetStr;
    std::function<TObject*(const TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(const TObject*)> GetMethod;
    std::function<void(TObject*, const TMethod&)> SetMethod;

    // Stored-condition: a constant, or a method of the instance when set.
    bool StoredConst = true;
    std::function<bool(const TObject*)> StoredFn;

    TTypeKind Kind() const { return PropType ? PropType->Kind : tkUnknown; }
    bool IsWritable() const { return SetOrd || SetFloat || SetStr || SetObj || SetMethod; }
    bool IsStored(const TObject* Instance) const {
        return StoredFn ? StoredFn(Instance) : StoredConst;
    }
};
using PPropInfo = const TPropInfo*;

} // namespace host
