#include "host/typinfo/Object.h"

#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>
#include <unordered_map>

namespace host {

bool TClassInfo::InheritsFrom(TClass Ancestor) const {
    for (TClass C = this; C; C = C->Parent)
        if (C == Ancestor) return true;
    return false;
}

PPropInfo TClassInfo::FindProp(std::string_view Name) const {
    auto It = PropIndex.find(Name);
    return It == PropIndex.end() ? nullptr : It->second;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view Name) const {
    for (TClass C = this; C; C = C->Parent)
        for (const TMethodEntry& M : C->Methods)
            if (SameText(M.Name, Name)) return &M;
    return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(TMethodCode Code) const {
    for (TClass C = this; C; C = C->Parent)
        for (const TMethodEntry& M : C->Methods)
            if (M.Code == Code) return &M;
    return nullptr;
}

namespace {

// Published fields of a class and its ancestors by name (case ignored), the nearest class's
// first. A form class publishes a field per component, and each component looks its field
// up when it is named: with 10,000 fields a read of 10,000 components
// (bench_form_streaming, BM_ReadFieldForm/10000) took 376 ms scanning the list.
using TFieldIndex = std::unordered_map<std::string_view, const TFieldEntry*, TextHash, TextEqual>;

// Fewer fields are found sooner by scanning them.
constexpr std::size_t IndexedFrom = 32;

const TFieldIndex& FieldIndexOf(TClass Class) {
    // Classes other than transient ones are statics of their classes: they, their fields and
    // so their indexes last as long as the program. Never freed, so that a component freed
    // while the program exits may still look its field up.
    static auto* Indexes = new std::unordered_map<TClass, TFieldIndex>;
    auto [It, Added] = Indexes->try_emplace(Class);
    if (Added)
        for (TClass C = Class; C; C = C->Parent)
            for (const TFieldEntry& F : C->Fields)
                It->second.emplace(F.Name, &F);
    return It->second;
}

} // namespace

const TFieldEntry* TClassInfo::FindField(std::string_view Name) const {
    if (!Transient) {
        std::size_t Count = 0;
        for (TClass C = this; C; C = C->Parent)
            Count += C->Fields.size();
        if (Count >= IndexedFrom) {
            const TFieldIndex& Index = FieldIndexOf(this);
            auto It = Index.find(Name);
            return It == Index.end() ? nullptr : It->second;
        }
    }
    for (TClass C = this; C; C = C->Parent)
        for (const TFieldEntry& F : C->Fields)
            if (SameText(F.Name, Name)) return &F;
    return nullptr;
}

void FinishClassInfo(TClassInfo& Info) {
    if (Info.Parent) Info.Props = Info.Parent->Props;
    for (const auto& Own : Info.OwnProps) {
        auto Same = std::find_if(Info.Props.begin(), Info.Props.end(),
                                 [&](PPropInfo P) { return SameText(P->Name, Own->Name); });
        if (Same != Info.Props.end())
            *Same = Own.get();
        else
            Info.Props.push_back(Own.get());
    }
    Info.PropIndex.clear();
    for (PPropInfo P : Info.Props)
        Info.PropIndex.emplace(P->Name, P);
}

TClass TObject::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TObject>("TObject").NoCreate();
    return &Info;
}

TMethod TObject::MethodAddress(std::string_view Name) const {
    const TMethodEntry* M = ClassType()->FindMethod(Name);
    if (!M) return {};
    return {M->Code, const_cast<TObject*>(this)};
}

String TObject::MethodName(TMethodCode Code) const {
    const TMethodEntry* M = ClassType()->FindMethod(Code);
    return M ? M->Name : String();
}

namespace {

std::unordered_map<String, TClass, TextHash, TextEqual>& ClassRegistry() {
    static std::unordered_map<String, TClass, TextHash, TextEqual> Registry;
    return Registry;
}

} // namespace

void RegisterClass(TClass Class) {
    ClassRegistry()[Class->ClassName] = Class;
}

void RegisterClasses(std::initializer_list<TClass> Classes) {
    for (TClass C : Classes)
        RegisterClass(C);
}

void UnRegisterClass(TClass Class) {
    auto It = ClassRegistry().find(Class->ClassName);
    if (It != ClassRegistry().end() && It->second == Class) ClassRegistry().erase(It);
}

TClass GetClass(std::string_view Name) {
    auto It = ClassRegistry().find(Name);
    return It == ClassRegistry().end() ? nullptr : It->second;
}

TClass FindClass(std::string_view Name) {
    if (TClass C = GetClass(Name)) return C;
    throw EClassNotFound("Class " + String(Name) + " not found");
}

} // namespace host
