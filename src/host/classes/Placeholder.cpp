#include "host/classes/Placeholder.h"

#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/typinfo/ClassBuilder.h"

#include <climits>

namespace host {

struct TWrittenValues::TSlot {
    String Name;
    TFormValue Value;
    std::unique_ptr<TStringList> Strings;    // "X.Strings = ('a' 'b')": published as X
    std::unique_ptr<TCollection> Collection; // "X = < item ... end >": published as X
};

namespace {

bool IsText(const TFormValue& V) {
    return V.Type == vaString || V.Type == vaLString || V.Type == vaWString ||
           V.Type == vaUTF8String;
}
bool IsInteger(const TFormValue& V) {
    return (V.Type >= vaInt8 && V.Type <= vaInt32) || V.Type == vaInt64;
}
bool IsFloat(const TFormValue& V) {
    return V.Type == vaExtended || V.Type == vaSingle || V.Type == vaCurrency || V.Type == vaDate;
}

constexpr std::string_view StringsSuffix = ".Strings";

// "Lines.Strings" holding only texts is a string list published as "Lines".
bool IsStringList(const String& Name, const TFormValue& V) {
    if (V.Type != vaList || Name.size() <= StringsSuffix.size() ||
        !SameText(std::string_view(Name).substr(Name.size() - StringsSuffix.size()), StringsSuffix))
        return false;
    for (const TFormValue& Item : V.Items)
        if (!IsText(Item)) return false;
    return true;
}

TValueType IntType(Int64 V) {
    if (V >= INT8_MIN && V <= INT8_MAX) return vaInt8;
    if (V >= INT16_MIN && V <= INT16_MAX) return vaInt16;
    if (V >= INT32_MIN && V <= INT32_MAX) return vaInt32;
    return vaInt64;
}

} // namespace

TWrittenValues::TWrittenValues(TClass Base, const String& ClassName) {
    FInfo.ClassName = ClassName;
    FInfo.Parent = Base;
    FInfo.Transient = true;
}

TWrittenValues::~TWrittenValues() = default;

const TFormValue* TWrittenValues::Find(std::string_view Name) const {
    for (const auto& S : FSlots)
        if (SameText(S->Name, Name)) return &S->Value;
    return nullptr;
}

void TWrittenValues::Add(TPersistent* Owner, const String& Name, const TFormValue& Value) {
    TSlot* Slot = nullptr;
    for (auto& S : FSlots)
        if (SameText(S->Name, Name)) Slot = S.get();
    bool Fresh = !Slot;
    if (Fresh) {
        FSlots.push_back(std::make_unique<TSlot>());
        Slot = FSlots.back().get();
        Slot->Name = Name;
    }
    Slot->Value = Value;
    if (IsStringList(Name, Value)) {
        if (!Slot->Strings) Slot->Strings = std::make_unique<TStringList>();
        Slot->Strings->Clear();
        for (const TFormValue& Item : Value.Items)
            Slot->Strings->Add(Item.Str);
    } else if (Value.Type == vaCollection) {
        if (!Slot->Collection)
            Slot->Collection =
                std::make_unique<TOwnedCollection>(Owner, TPlaceholderItem::StaticClass());
        Slot->Collection->Clear();
        for (const TFormItem& Item : Value.Collection) {
            auto* Placeholder = static_cast<TPlaceholderItem*>(Slot->Collection->Add());
            for (const TFormProperty& P : Item.Props)
                Placeholder->Values().Add(Placeholder, P.Name, P.Value);
        }
    }
    if (Fresh) Publish(*Slot, FSlots.size() - 1);
}

// Texts, numbers, string lists and collections become published properties; the rest
// (identifiers, sets, other lists, binary data) is only kept.
void TWrittenValues::Publish(TSlot& Slot, std::size_t Index) {
    auto P = std::make_unique<TPropInfo>();
    P->StoredConst = false; // written from the slots, in their order
    TSlot* S = &Slot;
    if (Slot.Strings || Slot.Collection) {
        P->Name =
            Slot.Strings ? Slot.Name.substr(0, Slot.Name.size() - StringsSuffix.size()) : Slot.Name;
        P->PropType = Slot.Strings ? TypeInfo<TStrings*>() : TypeInfo<TCollection*>();
        P->GetObj = [S](const TObject*) -> TObject* {
            return S->Strings ? static_cast<TObject*>(S->Strings.get()) : S->Collection.get();
        };
    } else if (IsText(Slot.Value)) {
        P->Name = Slot.Name;
        P->PropType = TypeInfo<String>();
        P->GetStr = [S](const TObject*) { return S->Value.Str; };
        P->SetStr = [S](TObject*, const String& Text) {
            S->Value.Str = Text;
            S->Value.Type = Text.size() <= 255 ? vaString : vaLString;
        };
    } else if (IsInteger(Slot.Value)) {
        P->Name = Slot.Name;
        P->PropType = Slot.Value.Type == vaInt64 ? TypeInfo<Int64>() : TypeInfo<Integer>();
        P->GetOrd = [S](const TObject*) { return S->Value.Int; };
        P->SetOrd = [S](TObject*, Int64 V) {
            S->Value.Int = V;
            S->Value.Type = IntType(V);
        };
    } else if (IsFloat(Slot.Value)) {
        P->Name = Slot.Name;
        P->PropType = TypeInfo<double>();
        P->GetFloat = [S](const TObject*) { return S->Value.Float; };
        P->SetFloat = [S](TObject*, Extended X) { S->Value.Float = X; };
    } else {
        return;
    }
    (void)Index;
    if (FInfo.PropIndex.contains(P->Name)) return;
    FInfo.PropIndex.emplace(P->Name, P.get());
    FInfo.Props.push_back(P.get());
    FInfo.OwnProps.push_back(std::move(P));
}

void TWrittenValues::Define(TFiler* Filer) {
    for (const auto& Owned : FSlots) {
        const TSlot* S = Owned.get();
        TWriterProc Write;
        if (S->Strings)
            Write = [S](TWriter* W) {
                W->WriteListBegin();
                for (int i = 0; i < S->Strings->Count(); ++i)
                    W->WriteString(S->Strings->Strings(i));
                W->WriteListEnd();
            };
        else if (S->Collection)
            Write = [S](TWriter* W) { W->WriteCollection(S->Collection.get()); };
        else
            Write = [S](TWriter* W) { W->WriteValue(S->Value); };
        Filer->DefineProperty(S->Name, nullptr, Write, true);
    }
}

TClass TPlaceholderComponent::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TPlaceholderComponent>("TPlaceholderComponent").NoCreate();
    return &Info;
}

TPlaceholderComponent::TPlaceholderComponent(TComponent* AOwner, const String& ClassName)
    : TComponent(AOwner), FValues(StaticClass(), ClassName) {}

TClass TPlaceholderItem::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TPlaceholderItem>("TPlaceholderItem");
    return &Info;
}

TPlaceholderItem::TPlaceholderItem(TCollection* Collection)
    : TCollectionItem(Collection), FValues(StaticClass(), "TCollectionItem") {}

} // namespace host
