#include "translators/SortList.h"

#include "TestUtil.h"

#include <random>

using namespace zantor;

namespace {

std::vector<String> LinesOf(const TSortList& L) {
    std::vector<String> Out;
    for (int i = 0; i < L.Count(); ++i)
        Out.push_back(L.Line(i));
    return Out;
}

} // namespace

TEST(SortList, OrderIsByteWiseAndCaseSensitive) {
    TSortList L;
    for (const char* S : {"A.CaptionX", "Res2", "A.Caption=x", "_ENGLISHNAME", "%0=", "Res10", "a",
                          "A.Caption", "%-1=", "_ENGLISHCOUNTRYNAME", "\xC3\xA9", "B"})
        L.SortInsert(S);
    EXPECT_EQ(LinesOf(L), (std::vector<String>{
                              "%-1=", "%0=", "A.Caption", "A.Caption=x", "A.CaptionX", "B", "Res10",
                              "Res2", "_ENGLISHCOUNTRYNAME", "_ENGLISHNAME", "a", "\xC3\xA9"}));
    EXPECT_FALSE(L.Sorted());
}

TEST(SortList, SortFindInBothModes) {
    TSortList Empty;
    int Index = -1;
    EXPECT_FALSE(Empty.SortFind("x", Index));
    EXPECT_EQ(Index, 0);
    Index = 5;
    EXPECT_FALSE(Empty.SortFind("x", Index));
    EXPECT_EQ(Index, 0);

    TSortList L;
    L.SortInsert("b=1", IntToObject(10));
    L.SortInsert("d=2", IntToObject(20));
    L.SortInsert("f=3", IntToObject(30));
    struct Case {
        const char* S;
        bool Found;
        int Position;
    };
    for (Case C :
         {Case{"a", false, 0}, Case{"b=1", true, 0}, Case{"c", false, 1}, Case{"d", false, 1},
          Case{"d=2", true, 1}, Case{"e", false, 2}, Case{"f=3", true, 2}, Case{"g", false, 3}}) {
        SCOPED_TRACE(C.S);
        Index = -1;
        EXPECT_EQ(L.SortFind(C.S, Index), C.Found);
        EXPECT_EQ(Index, C.Position);
    }
    Index = 0;
    EXPECT_TRUE(L.SortFind("d=2", Index));
    EXPECT_EQ(Index, 20);
    Index = 0;
    EXPECT_FALSE(L.SortFind("zz", Index));
    EXPECT_EQ(Index, 30); // object of the last line probed
}

TEST(SortList, EqualLinesAreRepeatedOrReplaceTheObject) {
    TSortList Dup(false);
    Dup.SortInsert("k=v", IntToObject(1));
    Dup.SortInsert("k=v", IntToObject(2));
    EXPECT_EQ(Dup.Count(), 2);

    TSortList Replace(true);
    Replace.SortInsert("k=v", IntToObject(1));
    Replace.SortInsert("k=v", IntToObject(2));
    ASSERT_EQ(Replace.Count(), 1);
    EXPECT_EQ(ObjectToInt(Replace.Objects(0)), 2);
}

TEST(SortList, BulkInsertMatchesInsertingOneByOne) {
    std::mt19937 Rng(7);
    for (bool ReplaceObjects : {false, true}) {
        TSortList One(ReplaceObjects), Many(ReplaceObjects);
        std::vector<std::pair<String, TObject*>> Batch;
        for (int i = 0; i < 300; ++i) {
            String S = "k" + std::to_string(Rng() % 60);
            if (i < 100) {
                One.SortInsert(S, IntToObject(i));
                Many.SortInsert(S, IntToObject(i));
            } else {
                One.SortInsert(S, IntToObject(i));
                Batch.emplace_back(S, IntToObject(i));
            }
        }
        Many.SortInsertMany(Batch);
        EXPECT_EQ(LinesOf(One), LinesOf(Many));
        if (ReplaceObjects) {
            for (int i = 0; i < One.Count(); ++i)
                EXPECT_EQ(One.Objects(i), Many.Objects(i));
        }
    }
}

TEST(SortList, KeyValuesReplaceTheirLineOrJoinInOrder) {
    TSortList L;
    L.SortInsert("Button1.Caption=a", IntToObject(3));
    L.SortInsert("Button1.CaptionX=b");
    L.SortInsert("Label1.Caption=c");
    L.SetKeyValues(
        {{"Button1.Caption", "new"}, {"Edit1.Text", "e"}, {"Edit1.Text", "e2"}, {"A", "1=2%3"}});
    EXPECT_EQ(LinesOf(L),
              (std::vector<String>{"A=1=2%3", "Button1.Caption=new", "Button1.CaptionX=b",
                                   "Edit1.Text=e2", "Label1.Caption=c"}));
    EXPECT_EQ(ObjectToInt(L.Objects(1)), 3);
}
