#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

using namespace host;

namespace {

enum TShape { shCircle, shSquare, shTriangle };
using TShapes = TSet<TShape>;

} // namespace

ZT_DECLARE_TYPEINFO(TShape);
ZT_DECLARE_TYPEINFO(TShapes);
ZT_DEFINE_ENUM(TShape, "shCircle", "shSquare", "shTriangle")
ZT_DEFINE_SET(TShapes)

namespace {

ZT_EVENT_TYPE(TValueEvent, TObject*, int&);

class TBase : public TObject {
    ZT_CLASS(TBase, TObject)
public:
    int FCount = 3;
    String FTitle = "base";
    String GetTitle() const { return FTitle; }
    void SetTitle(const String& V) { FTitle = "set:" + V; }
};

class TDerived : public TBase {
    ZT_CLASS(TDerived, TBase)
public:
    TShape FShape = shSquare;
    TShapes FShapes{shCircle, shTriangle};
    double FRatio = 0.5;
    bool FFlag = true;
    char FLetter = 'x';
    TBase* FBuddy = nullptr;
    TValueEvent FOnValue;
    int ReadOnlyValue() const { return 42; }
    void Handler(TObject*, int& V) { V *= 2; }
    void OtherHandler(TObject*, int& V) { V += 1; }
};

class THandler : public TObject {
    ZT_CLASS(THandler, TObject)
public:
    int Calls = 0;
    void OnValue(TObject*, int& V) {
        ++Calls;
        V = 7;
    }
};

} // namespace

TClass TBase::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TBase>("TBase")
                                       .Prop("Count", &TBase::FCount, &TBase::FCount)
                                       .Default(3)
                                       .Prop("Title", &TBase::GetTitle, &TBase::SetTitle);
    return &Info;
}

TClass TDerived::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDerived>("TDerived")
                                       .Prop("Shape", &TDerived::FShape, &TDerived::FShape)
                                       .Default(shSquare)
                                       .Prop("Shapes", &TDerived::FShapes, &TDerived::FShapes)
                                       .Prop("Ratio", &TDerived::FRatio, &TDerived::FRatio)
                                       .Prop("Flag", &TDerived::FFlag, &TDerived::FFlag)
                                       .Prop("Letter", &TDerived::FLetter, &TDerived::FLetter)
                                       .Prop("Buddy", &TDerived::FBuddy, &TDerived::FBuddy)
                                       .Prop("ReadOnly", &TDerived::ReadOnlyValue)
                                       .Prop("OnValue", &TDerived::FOnValue, &TDerived::FOnValue)
                                       .Prop("Count", &TBase::FCount, &TBase::FCount)
                                       .Default(5) // redeclared
                                       .Opaque("Variant", tkVariant)
                                       .Method("Handler", &TDerived::Handler);
    return &Info;
}

TClass THandler::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<THandler>("THandler").Method("OnValue", &THandler::OnValue);
    return &Info;
}

TEST(ClassInfo, AncestryAndCreationByName) {
    EXPECT_TRUE(TDerived::StaticClass()->InheritsFrom(TBase::StaticClass()));
    EXPECT_TRUE(TDerived::StaticClass()->InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TBase::StaticClass()->InheritsFrom(TDerived::StaticClass()));
    TDerived D;
    TBase B;
    EXPECT_EQ(D.ClassName(), "TDerived");
    EXPECT_TRUE(Is<TBase>(&D));
    EXPECT_FALSE(Is<TDerived>(&B));
    EXPECT_EQ(As<TDerived>(static_cast<TObject*>(&B)), nullptr);
    EXPECT_FALSE(Is<TBase>(nullptr));

    RegisterClass(TDerived::StaticClass());
    EXPECT_EQ(GetClass("tderived"), TDerived::StaticClass());
    std::unique_ptr<TObject> Made(FindClass("TDerived")->Create(nullptr));
    EXPECT_EQ(Made->ClassType(), TDerived::StaticClass());
    UnRegisterClass(TDerived::StaticClass());
    EXPECT_EQ(GetClass("TDerived"), nullptr);
    EXPECT_THROW_MSG(FindClass("TNowhere"), EClassNotFound, "Class TNowhere not found");
}

TEST(PropList, BaseFirstWithRedeclaredPropertiesInPlace) {
    std::vector<String> Names;
    for (PPropInfo P : GetPropList(TDerived::StaticClass()))
        Names.push_back(P->Name);
    EXPECT_EQ(Names, (std::vector<String>{"Count", "Title", "Shape", "Shapes", "Ratio", "Flag",
                                          "Letter", "Buddy", "ReadOnly", "OnValue", "Variant"}));
    EXPECT_EQ(GetPropInfo(TDerived::StaticClass(), "count")->Default, 5);
    EXPECT_EQ(GetPropInfo(TBase::StaticClass(), "Count")->Default, 3);
    EXPECT_EQ(GetPropList(TDerived::StaticClass(), tkMethods).size(), 1u);
    EXPECT_EQ(GetPropList(TDerived::StaticClass(), tkProperties).size(), 10u);
    EXPECT_EQ(GetPropInfo(TDerived::StaticClass(), "Missing"), nullptr);
}

TEST(PropAccess, EveryKindThroughTheRegistry) {
    TDerived D;
    TBase Other;
    EXPECT_EQ(GetPropInfo(&D, "Shape")->Kind(), tkEnumeration);
    EXPECT_EQ(GetOrdProp(&D, "Shape"), shSquare);
    SetOrdProp(&D, "Shape", shTriangle);
    EXPECT_EQ(D.FShape, shTriangle);

    PPropInfo Shapes = GetPropInfo(&D, "Shapes");
    EXPECT_EQ(Shapes->Kind(), tkSet);
    EXPECT_EQ(
        SetToString(Shapes->PropType, static_cast<std::uint32_t>(GetOrdProp(&D, Shapes)), true),
        "[shCircle,shTriangle]");
    SetOrdProp(&D, Shapes, StringToSet(Shapes->PropType, "[shSquare]"));
    EXPECT_EQ(D.FShapes, TShapes{shSquare});
    EXPECT_EQ(StringToSet(Shapes->PropType, "[ ]"), 0u);
    EXPECT_THROW_MSG(StringToSet(Shapes->PropType, "[shOval]"), EPropertyError,
                     "Invalid property element: shOval");

    SetStrProp(&D, "Title", "x");
    EXPECT_EQ(GetStrProp(&D, "Title"), "set:x");
    SetFloatProp(&D, GetPropInfo(&D, "Ratio"), 2.25);
    EXPECT_EQ(D.FRatio, 2.25);
    EXPECT_EQ(GetPropInfo(&D, "Flag")->PropType->Name, "Boolean");
    SetOrdProp(&D, "Flag", 0);
    EXPECT_FALSE(D.FFlag);
    EXPECT_EQ(GetPropInfo(&D, "Letter")->Kind(), tkChar);
    EXPECT_EQ(GetOrdProp(&D, "Letter"), 'x');

    SetObjectProp(&D, GetPropInfo(&D, "Buddy"), &Other);
    EXPECT_EQ(D.FBuddy, &Other);
    EXPECT_EQ(GetPropInfo(&D, "Buddy")->PropType->TypeName(), "TBase");
}

TEST(PropAccess, MisuseRaisesPropertyErrors) {
    TDerived D;
    THandler H;
    EXPECT_THROW_MSG(SetOrdProp(&D, "ReadOnly", 1), EPropertyError,
                     "Property ReadOnly is read-only");
    EXPECT_EQ(GetOrdProp(&D, "ReadOnly"), 42);
    EXPECT_THROW_MSG(GetStrProp(&D, "Count"), EPropertyError, "Invalid property type: Count");
    EXPECT_THROW_MSG(GetOrdProp(&D, "Nope"), EPropertyError, "Property Nope does not exist");
    EXPECT_THROW_MSG(SetObjectProp(&D, GetPropInfo(&D, "Buddy"), &H), EPropertyError,
                     "Invalid property value");
    EXPECT_EQ(D.FBuddy, nullptr);
}

TEST(EnumNames, BothDirectionsWithCaseIgnoredOnLookup) {
    PTypeInfo T = TypeInfo<TShape>();
    EXPECT_EQ(GetEnumName(T, 1), "shSquare");
    EXPECT_EQ(GetEnumName(T, 3), "");
    EXPECT_EQ(GetEnumName(T, -1), "");
    EXPECT_EQ(GetEnumValue(T, "SHTRIANGLE"), 2);
    EXPECT_EQ(GetEnumValue(T, "shOval"), -1);
    EXPECT_EQ(GetEnumValue(TypeInfo<bool>(), "true"), 1);
}

TEST(Events, CompareAssignCallAndBindByPublishedName) {
    TDerived D;
    THandler H;
    int V = 3;
    D.FOnValue(&D, V); // unassigned: nothing happens
    EXPECT_EQ(V, 3);

    D.FOnValue = TValueEvent(&H, &THandler::OnValue);
    EXPECT_TRUE(D.FOnValue.Assigned());
    D.FOnValue(&D, V);
    EXPECT_EQ(V, 7);
    EXPECT_EQ(H.Calls, 1);
    EXPECT_TRUE(D.FOnValue == TValueEvent(&H, &THandler::OnValue));
    EXPECT_FALSE(D.FOnValue == TValueEvent(&D, &TDerived::OtherHandler));

    TMethod M = D.MethodAddress("handler");
    ASSERT_NE(M.Code, nullptr);
    EXPECT_EQ(M.Data, &D);
    EXPECT_EQ(D.MethodName(M.Code), "Handler");
    EXPECT_EQ(D.MethodName(TValueEvent(&D, &TDerived::OtherHandler).Method().Code), "");
    SetMethodProp(&D, GetPropInfo(&D, "OnValue"), M);
    D.FOnValue(&D, V);
    EXPECT_EQ(V, 14);
    EXPECT_TRUE(GetMethodProp(&D, GetPropInfo(&D, "OnValue")) == M);
    EXPECT_EQ(*TDerived::StaticClass()->FindMethod("Handler")->Signature,
              TValueEvent::SignatureType());

    D.FOnValue = nullptr;
    EXPECT_FALSE(D.FOnValue.Assigned());
}
