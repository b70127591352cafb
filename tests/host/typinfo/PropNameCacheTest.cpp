#include "host/typinfo/PropNameCache.h"
#include "host/typinfo/ClassBuilder.h"

#include <gtest/gtest.h>

using namespace host;

namespace {

class TCacheBase : public TObject {
    ZT_CLASS(TCacheBase, TObject)
public:
    String FCaption;
    int FLeft = 0;
    int FTop = 0;
};

class TCacheDerived : public TCacheBase {
    ZT_CLASS(TCacheDerived, TCacheBase)
public:
    String FHint;
};

} // namespace

TClass TCacheBase::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TCacheBase>("TCacheBase")
            .Prop("Caption", &TCacheBase::FCaption, &TCacheBase::FCaption)
            .Prop("Left", &TCacheBase::FLeft, &TCacheBase::FLeft)
            .Prop("Top", &TCacheBase::FTop, &TCacheBase::FTop);
    return &Info;
}

TClass TCacheDerived::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TCacheDerived>("TCacheDerived")
            .Prop("Hint", &TCacheDerived::FHint, &TCacheDerived::FHint)
            .Prop("Left", &TCacheBase::FLeft, &TCacheBase::FLeft) // redeclared
            .Default(0);
    return &Info;
}

namespace {

// Every answer of the cache is the class's own, whatever order, case and mix of classes the
// names come in: in the order of a form, skipping names, going back, and unknown names.
TEST(PropNameCache, AnswersAsTheClassIndexInAnyOrder) {
    TPropNameCache Cache;
    TClass Base = TCacheBase::StaticClass();
    TClass Derived = TCacheDerived::StaticClass();
    ASSERT_NE(Base->FindProp("Left"), Derived->FindProp("Left"));
    const std::vector<std::pair<TClass, const char*>> Lookups = {
        {Base, "Caption"},    {Base, "Left"},    {Base, "Top"},      {Derived, "Caption"},
        {Derived, "Hint"},    {Derived, "Left"}, {Base, "Caption"},  {Base, "Top"},
        {Base, "Left"},       {Derived, "left"}, {Base, "LEFT"},     {Derived, "Strings"},
        {Base, "Hint"},       {Derived, "Top"},  {Derived, "Hint"},  {Derived, "Strings"},
        {Base, "Caption"},    {Base, "Left"},    {Derived, "Left"},  {Base, "Left"},
        {Derived, "Caption"}, {Base, ""},        {Derived, "Hint."}, {Base, "Caption"}};
    for (int Round = 0; Round < 3; ++Round)
        for (const auto& [Class, Name] : Lookups)
            EXPECT_EQ(Cache.Find(Class, Name), Class->FindProp(Name))
                << Class->ClassName << "." << Name << " in round " << Round;
}

// Past the names it keeps per class, a look-up is still answered.
TEST(PropNameCache, ManySpellingsOfOneName) {
    TPropNameCache Cache;
    TClass Base = TCacheBase::StaticClass();
    const String Name = "Caption";
    for (int Round = 0; Round < 2; ++Round)
        for (unsigned Mask = 0; Mask < (1u << Name.size()); ++Mask) {
            String Spelled = Name;
            for (std::size_t i = 0; i < Spelled.size(); ++i)
                if (Mask & (1u << i)) Spelled[i] = static_cast<char>(Spelled[i] ^ 0x20);
            ASSERT_EQ(Cache.Find(Base, Spelled), Base->FindProp("Caption")) << Spelled;
            ASSERT_EQ(Cache.Find(Base, Spelled + "x"), nullptr) << Spelled;
        }
}

// A class built for one object grows its properties while it is read: a name that was not
// there on the first look-up is found once it is added.
TEST(PropNameCache, TransientClassSeesPropertiesAddedLater) {
    TPropNameCache Cache;
    TClassInfo Info;
    Info.ClassName = "TWritten";
    Info.Parent = TCacheBase::StaticClass();
    Info.Transient = true;
    FinishClassInfo(Info);
    EXPECT_EQ(Cache.Find(&Info, "Caption"), TCacheBase::StaticClass()->FindProp("Caption"));
    EXPECT_EQ(Cache.Find(&Info, "Color"), nullptr);
    auto Color = std::make_unique<TPropInfo>();
    Color->Name = "Color";
    PPropInfo Added = Color.get();
    Info.OwnProps.push_back(std::move(Color));
    FinishClassInfo(Info);
    EXPECT_EQ(Cache.Find(&Info, "Color"), Added);
    EXPECT_EQ(Cache.Find(&Info, "color"), Added);
}

} // namespace
