// Placeholders: what the tolerant form reader makes of a class that is not compiled in. They
// keep their properties as written, publish the texts, numbers, string lists and collections
// among them (so a form translator can collect and apply them), and write them back in the
// order and form they were read.
#pragma once

#include "host/classes/Collection.h"
#include "host/classes/Component.h"
#include "host/classes/FormText.h"

#include <deque>
#include <memory>

namespace host {

class TStringList;

// The values of one placeholder object and the published properties that show them.
class TWrittenValues {
public:
    explicit TWrittenValues(TClass Base, const String& ClassName);
    ~TWrittenValues();
    TWrittenValues(const TWrittenValues&) = delete;
    TWrittenValues& operator=(const TWrittenValues&) = delete;

    TClass ClassInfo() const { return &FInfo; }
    // Adds (or replaces) a property as written; Name may be dotted ("Font.Name").
    void Add(TPersistent* Owner, const String& Name, const TFormValue& Value);
    // Writes every property in the order it was added.
    void Define(TFiler* Filer);
    int Count() const { return static_cast<int>(FSlots.size()); }
    // Current value of a property as it would be written; nullptr when there is none.
    const TFormValue* Find(std::string_view Name) const;

private:
    struct TSlot;
    static TSlot& SlotOf(const TObject* Obj, std::size_t Index);
    void Publish(TSlot& Slot, std::size_t Index);

    TClassInfo FInfo;
    std::deque<std::unique_ptr<TSlot>> FSlots;
};

class TPlaceholderComponent : public TComponent {
public:
    using inherited = TComponent;
    static TClass StaticClass();
    // The class as written (its published properties are the ones read so far).
    TClass ClassType() const override { return FValues.ClassInfo(); }

    TPlaceholderComponent(TComponent* AOwner, const String& ClassName);
    TWrittenValues& Values() { return FValues; }
    const TWrittenValues& Values() const { return FValues; }

    // Written inside its parent: the streamed layout names the parent.
    bool HasParent() const override { return FHasParent; }
    void SetParentComponent(TComponent* Value) override { FHasParent = Value != nullptr; }
    void DefineProperties(TFiler* Filer) override { FValues.Define(Filer); }

private:
    TWrittenValues FValues;
    bool FHasParent = false;
};

// Item of a collection of a placeholder.
class TPlaceholderItem : public TCollectionItem {
public:
    using inherited = TCollectionItem;
    using TOwnerType = TCollection;
    static TClass StaticClass();
    TClass ClassType() const override { return FValues.ClassInfo(); }

    explicit TPlaceholderItem(TCollection* Collection);
    TWrittenValues& Values() { return FValues; }
    void DefineProperties(TFiler* Filer) override { FValues.Define(Filer); }

private:
    TWrittenValues FValues;
};

} // namespace host
