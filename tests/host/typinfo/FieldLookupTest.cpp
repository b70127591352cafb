// Published fields by name, for classes with few fields (scanned) and many (indexed).
#include "host/typinfo/ClassBuilder.h"

#include <gtest/gtest.h>

using namespace host;

namespace {

class TFieldBase : public TObject {
    ZT_CLASS(TFieldBase, TObject)
public:
    TObject* FFirst = nullptr;
    TObject* FShared = nullptr;
};

// One field declared again over the base's, and as many others as the test asks for.
template <int Extra> class TFieldDerived : public TFieldBase {
    ZT_CLASS(TFieldDerived, TFieldBase)
public:
    TObject* FShared2 = nullptr;
};

} // namespace

TClass TFieldBase::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFieldBase>("TFieldBase")
                                       .Field("First", &TFieldBase::FFirst)
                                       .Field("Shared", &TFieldBase::FShared);
    return &Info;
}

template <int Extra> TClass TFieldDerived<Extra>::StaticClass() {
    static const TClassInfo Info = [] {
        TClassInfo I =
            TClassBuilder<TFieldDerived>("TFieldDerived").Field("SHARED", &TFieldDerived::FShared2);
        for (int i = 0; i < Extra; ++i) {
            TFieldEntry E;
            E.Name = "Extra" + std::to_string(i);
            E.FieldClass = &TObject::StaticClass;
            I.Fields.push_back(std::move(E));
        }
        return I;
    }();
    return &Info;
}

template <class T> class FieldLookup : public ::testing::Test {};
using TFieldCounts = ::testing::Types<TFieldDerived<3>, TFieldDerived<100>>;
TYPED_TEST_SUITE(FieldLookup, TFieldCounts);

// The nearest class's field first, its name's case ignored, ancestors' fields too.
TYPED_TEST(FieldLookup, FindsTheNearestDeclarationIgnoringCase) {
    TClass Class = TypeParam::StaticClass();
    ASSERT_NE(Class->FindField("shared"), nullptr);
    EXPECT_EQ(Class->FindField("shared"), &Class->Fields[0]);
    EXPECT_EQ(Class->FindField("FIRST"), &TFieldBase::StaticClass()->Fields[0]);
    EXPECT_EQ(TFieldBase::StaticClass()->FindField("Shared"),
              &TFieldBase::StaticClass()->Fields[1]);
    EXPECT_EQ(Class->FindField("Extra2"), &Class->Fields[3]);
    EXPECT_EQ(Class->FindField("Missing"), nullptr);
    EXPECT_EQ(Class->FindField(""), nullptr);
}
