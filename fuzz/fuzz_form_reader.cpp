// Feeds arbitrary bytes to the form-text parser and reader, and round-trips what parses.
#include "host/classes/Collection.h"
#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include <cstdlib>
#include <typeinfo>

using namespace host;

namespace {

enum TFuzzKind { fkOne, fkTwo, fkThree };
using TFuzzKinds = TSet<TFuzzKind>;

} // namespace

ZT_DECLARE_TYPEINFO(TFuzzKind);
ZT_DECLARE_TYPEINFO(TFuzzKinds);
ZT_DEFINE_ENUM(TFuzzKind, "fkOne", "fkTwo", "fkThree")
ZT_DEFINE_SET(TFuzzKinds)

namespace {

class TFuzzItem : public TCollectionItem {
    ZT_CLASS(TFuzzItem, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String FText;
    TComponent* FRef = nullptr;
};

// One class with a property of every kind the reader handles.
class TFuzzNode : public TComponent {
    ZT_CLASS(TFuzzNode, TComponent)
public:
    explicit TFuzzNode(TComponent* AOwner)
        : TComponent(AOwner), FLines(new TStringList),
          FItems(new TOwnedCollection(this, TFuzzItem::StaticClass())) {}
    ~TFuzzNode() override {
        delete FLines;
        delete FItems;
    }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
        if (this != Root) return;
        for (int i = 0; i < ComponentCount(); ++i)
            Proc(Components(i));
    }
    void Click(TObject*) {}
    TStrings* GetLines() const { return FLines; }
    TCollection* GetItems() const { return FItems; }
    String FCaption;
    Integer FCount = 0;
    Int64 FBig = 0;
    char FChar = 'a';
    bool FFlag = false;
    double FRatio = 0;
    TFuzzKind FKind = fkOne;
    TFuzzKinds FKinds;
    TComponent* FRef = nullptr;
    TNotifyEvent FOnClick;
    TStringList* FLines;
    TOwnedCollection* FItems;
};

// How reading a new root ends: the text it writes back, or the error.
template <class F> String Outcome(F Read) {
    TComponent* Root = nullptr;
    try {
        Root = Read();
    } catch (const Exception& E) {
        return "error " + String(typeid(E).name()) + ": " + E.Message();
    }
    String Result;
    try {
        Result = WriteComponentToText(Root);
    } catch (const EWriteError& E) {
        Result = "write error: " + E.Message();
    }
    Root->Free();
    return Result;
}

} // namespace

TClass TFuzzItem::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFuzzItem>("TFuzzItem")
                                       .Prop("Text", &TFuzzItem::FText, &TFuzzItem::FText)
                                       .Prop("Ref", &TFuzzItem::FRef, &TFuzzItem::FRef);
    return &Info;
}

TClass TFuzzNode::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFuzzNode>("TFuzzNode")
                                       .Prop("Caption", &TFuzzNode::FCaption, &TFuzzNode::FCaption)
                                       .Prop("Count", &TFuzzNode::FCount, &TFuzzNode::FCount)
                                       .Prop("Big", &TFuzzNode::FBig, &TFuzzNode::FBig)
                                       .Prop("Char", &TFuzzNode::FChar, &TFuzzNode::FChar)
                                       .Prop("Flag", &TFuzzNode::FFlag, &TFuzzNode::FFlag)
                                       .Prop("Ratio", &TFuzzNode::FRatio, &TFuzzNode::FRatio)
                                       .Prop("Kind", &TFuzzNode::FKind, &TFuzzNode::FKind)
                                       .Prop("Kinds", &TFuzzNode::FKinds, &TFuzzNode::FKinds)
                                       .Prop("Ref", &TFuzzNode::FRef, &TFuzzNode::FRef)
                                       .Prop("OnClick", &TFuzzNode::FOnClick, &TFuzzNode::FOnClick)
                                       .Prop("Lines", &TFuzzNode::GetLines)
                                       .Prop("Items", &TFuzzNode::GetItems)
                                       .Method("Click", &TFuzzNode::Click);
    return &Info;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static bool Registered = (RegisterClass(TFuzzNode::StaticClass()), true);
    (void)Registered;
    std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    // Read along the text or from its parsed tree, a new root ends the same way.
    String FromTree =
        Outcome([&] { return TReader(ParseFormText(Text)).ReadRootComponent(nullptr); });
    if (Outcome([&] { return ReadComponentFromText(Text, nullptr); }) != FromTree) std::abort();
    TFormObject Parsed;
    try {
        Parsed = ParseFormText(Text);
    } catch (const EParserError&) {
        return 0;
    }
    // What parses must print and parse back to the same text.
    String Printed = PrintFormText(Parsed);
    if (PrintFormText(ParseFormText(Printed)) != Printed) std::abort();

    TComponent* Root = nullptr;
    try {
        Root = TReader(Parsed).ReadRootComponent(nullptr);
    } catch (const Exception&) {
        return 0;
    }
    String Written;
    try {
        Written = WriteComponentToText(Root);
    } catch (const EWriteError&) {
        Root->Free();
        return 0;
    }
    Root->Free();
    TComponent* Again = ReadComponentFromText(Written, nullptr);
    if (WriteComponentToText(Again) != Written) std::abort();
    Again->Free();
    return 0;
}
