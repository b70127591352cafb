#include "host/classes/StringList.h"

#include "host/classes/Collection.h"
#include "host/classes/Streams.h"
#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

#include <memory>
#include <vector>

using namespace host;

namespace {

// Objects used as tags in the object slots.
struct TTag : TObject {
    explicit TTag(int AValue) : Value(AValue) {}
    int Value;
};

std::vector<String> Lines(const TStrings& L) {
    std::vector<String> R;
    for (int I = 0; I < L.Count(); ++I)
        R.push_back(L.Strings(I));
    return R;
}

// The string of each line and the tag value of its object.
std::vector<std::pair<String, int>> Pairs(const TStrings& L) {
    std::vector<std::pair<String, int>> R;
    for (int I = 0; I < L.Count(); ++I)
        R.emplace_back(L.Strings(I), L.Objects(I) ? static_cast<TTag*>(L.Objects(I))->Value : -1);
    return R;
}

std::vector<String> FromText(std::string_view Text) {
    TStringList L;
    L.SetText(Text);
    return Lines(L);
}

std::vector<String> FromCommaText(std::string_view Text) {
    TStringList L;
    L.SetCommaText(Text);
    return Lines(L);
}

struct TChangeLog : TObject {
    String Log;
    void Changing(TObject*) { Log += "<"; }
    void Change(TObject*) { Log += ">"; }
};

using V = std::vector<String>;
using P = std::vector<std::pair<String, int>>;

} // namespace

TEST(StringListTest, ObjectsFollowTheirStrings) {
    TTag A(1), B(2), C(3), D(4);
    TStringList L;
    L.AddObject("c", &C);
    L.AddObject("a", &A);
    L.AddObject("d", &D);
    L.InsertObject(1, "b", &B);
    EXPECT_EQ(Pairs(L), (P{{"c", 3}, {"b", 2}, {"a", 1}, {"d", 4}}));

    L.Move(0, 3);
    EXPECT_EQ(Pairs(L), (P{{"b", 2}, {"a", 1}, {"d", 4}, {"c", 3}}));
    L.Exchange(0, 2);
    EXPECT_EQ(Pairs(L), (P{{"d", 4}, {"a", 1}, {"b", 2}, {"c", 3}}));
    L.Delete(1);
    EXPECT_EQ(Pairs(L), (P{{"d", 4}, {"b", 2}, {"c", 3}}));
    L.SetStrings(0, "e"); // Put keeps the object
    L.Sort();
    EXPECT_EQ(Pairs(L), (P{{"b", 2}, {"c", 3}, {"e", 4}}));
    EXPECT_EQ(L.IndexOfObject(&C), 1);
    EXPECT_EQ(L.IndexOfObject(&A), -1);

    // CustomSort by the objects, descending.
    L.CustomSort([](TStringList* List, int I1, int I2) {
        return static_cast<TTag*>(List->Objects(I2))->Value -
               static_cast<TTag*>(List->Objects(I1))->Value;
    });
    EXPECT_EQ(Pairs(L), (P{{"e", 4}, {"c", 3}, {"b", 2}}));

    TStringList Copy;
    Copy.Add("old");
    Copy.Assign(&L);
    EXPECT_EQ(Pairs(Copy), Pairs(L));
    EXPECT_TRUE(Copy.Equals(&L));
    Copy.SetStrings(0, "E");
    EXPECT_FALSE(Copy.Equals(&L)); // byte-wise, unlike IndexOf
}

TEST(StringListTest, SetTextLineBreaks) {
    EXPECT_EQ(FromText("a\r\nb\r\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(FromText("a\nb\nc\n"), (V{"a", "b", "c"}));
    EXPECT_EQ(FromText("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(FromText("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(FromText("\r\n\r\nx\n\n"), (V{"", "", "x", ""}));
    EXPECT_EQ(FromText("a\n\rb"), (V{"a", "", "b"})); // LF CR is two breaks
    EXPECT_EQ(FromText(""), V{});
    EXPECT_EQ(FromText("\n"), V{""});
    EXPECT_EQ(FromText(std::string_view("a\0b", 3)), V{String("a\0b", 3)});

    TStringList L;
    L.SetText("x\ny");
    L.SetText("z"); // replaces
    EXPECT_EQ(Lines(L), V{"z"});
    L.Add("");
    EXPECT_EQ(L.Text(), "z\r\n\r\n");
}

TEST(StringListTest, FilesAndStreams) {
    zt_test::TempDir Dir;
    TStringList L;
    L.SetText("one\ntwo\n\nfour");
    L.SaveToFile(Dir.File("l.txt"));
    EXPECT_EQ(zt_test::ReadAll(Dir.File("l.txt")), "one\r\ntwo\r\n\r\nfour\r\n");

    TStringList Back;
    Back.Add("stale");
    Back.LoadFromFile(Dir.Path().string() + "\\l.txt");
    EXPECT_EQ(Lines(Back), (V{"one", "two", "", "four"}));

    zt_test::WriteAll(Dir.File("unix.txt"), "p\nq");
    Back.LoadFromFile(Dir.File("unix.txt"));
    EXPECT_EQ(Lines(Back), (V{"p", "q"}));
    EXPECT_THROW_MSG(Back.LoadFromFile(Dir.File("none.txt")), EFOpenError,
                     "Cannot open file \"" + Dir.File("none.txt") + "\"");
    EXPECT_EQ(Lines(Back), (V{"p", "q"})); // untouched by the failure

    // LoadFromStream reads from the stream's position on.
    TStringStream S("skip|r\ns");
    S.SetPosition(5);
    Back.LoadFromStream(&S);
    EXPECT_EQ(Lines(Back), (V{"r", "s"}));
    TStringStream Out("#");
    Out.SetPosition(1);
    Back.SaveToStream(&Out);
    EXPECT_EQ(Out.DataString(), "#r\r\ns\r\n");
}

TEST(StringListTest, NamesAndValues) {
    TStringList L;
    L.SetText("Key=1\nnoequals\n=empty name\nURL=a=b\nkey=2\n");
    EXPECT_EQ(L.Names(0), "Key");
    EXPECT_EQ(L.Names(1), "");
    EXPECT_EQ(L.Names(2), "");
    EXPECT_EQ(L.Names(3), "URL");
    EXPECT_EQ(L.ValueFromIndex(1), "");
    EXPECT_EQ(L.ValueFromIndex(3), "a=b");

    EXPECT_EQ(L.IndexOfName("KEY"), 0); // case ignored, first match wins
    EXPECT_EQ(L.Values("key"), "1");
    EXPECT_EQ(L.IndexOfName("noequals"), -1);
    EXPECT_EQ(L.IndexOfName(""), 2);
    EXPECT_EQ(L.Values(""), "empty name");
    EXPECT_EQ(L.Values("URL"), "a=b");
    EXPECT_EQ(L.IndexOfName("URL=a"), -1);
    EXPECT_EQ(L.Values("missing"), "");

    L.SetValues("url", "c");
    EXPECT_EQ(L.Strings(3), "url=c");
    L.SetValues("New", "v");
    EXPECT_EQ(L.Strings(L.Count() - 1), "New=v");
    L.SetValues("Key", "");
    EXPECT_EQ(L.Values("Key"), "2"); // the first Key line went, the second remains
    int Count = L.Count();
    L.SetValues("absent", "");
    EXPECT_EQ(L.Count(), Count);
}

TEST(StringListTest, SortedAddAndDuplicates) {
    TStringList L;
    L.SetText("pear\napple\nfig");
    L.SetSorted(true);
    EXPECT_EQ(Lines(L), (V{"apple", "fig", "pear"}));
    EXPECT_EQ(L.Add("banana"), 1);
    EXPECT_EQ(L.Add("zucchini"), 4);
    EXPECT_EQ(L.Add("Apple"), 0); // dupIgnore by default, case ignored
    EXPECT_EQ(L.Count(), 5);
    EXPECT_EQ(L.Strings(0), "apple");

    L.SetDuplicates(dupError);
    EXPECT_THROW_MSG(L.Add("FIG"), EStringListError, "String list does not allow duplicates");
    EXPECT_EQ(L.Count(), 5);

    L.SetDuplicates(dupAccept);
    TTag T(7);
    EXPECT_EQ(L.AddObject("Fig", &T), 2); // before its equals
    EXPECT_EQ(L.Add("fig"), 2);
    EXPECT_EQ(Lines(L), (V{"apple", "banana", "fig", "Fig", "fig", "pear", "zucchini"}));
    EXPECT_EQ(L.Objects(3), &T);
    EXPECT_EQ(L.IndexOf("FIG"), 2);

    L.SetCaseSensitive(true);
    EXPECT_EQ(Lines(L), (V{"Fig", "apple", "banana", "fig", "fig", "pear", "zucchini"}));
    EXPECT_EQ(L.IndexOf("FIG"), -1);
    EXPECT_EQ(L.IndexOf("fig"), 3);
    EXPECT_EQ(L.Objects(0), &T);
}

TEST(StringListTest, FindPositions) {
    TStringList L;
    L.SetSorted(true);
    int Index = -1;
    EXPECT_FALSE(L.Find("x", Index));
    EXPECT_EQ(Index, 0);
    for (const char* S : {"b", "d", "f", "h"})
        L.Add(S);
    EXPECT_TRUE(L.Find("F", Index));
    EXPECT_EQ(Index, 2);
    EXPECT_FALSE(L.Find("a", Index));
    EXPECT_EQ(Index, 0);
    EXPECT_FALSE(L.Find("e", Index));
    EXPECT_EQ(Index, 2);
    EXPECT_FALSE(L.Find("z", Index));
    EXPECT_EQ(Index, 4);

    // With duplicates accepted Find lands on the first of the run.
    L.SetDuplicates(dupAccept);
    for (int I = 0; I < 5; ++I)
        L.Add("d");
    EXPECT_TRUE(L.Find("d", Index));
    EXPECT_EQ(Index, 1);

    // Large lists stay ordered and searchable.
    TStringList Big;
    for (int I = 9999; I >= 0; --I)
        Big.Add("item" + std::to_string(I));
    Big.SetSorted(true);
    EXPECT_TRUE(Big.Find("ITEM5000", Index));
    EXPECT_EQ(Big.Strings(Index), "item5000");
    for (int I = 1; I < Big.Count(); ++I)
        ASSERT_LT(CompareText(Big.Strings(I - 1), Big.Strings(I)), 0);
}

TEST(StringListTest, SortedListForbidsPositionalChanges) {
    TStringList L;
    L.Add("b");
    L.SetSorted(true);
    const char* Msg = "Operation not allowed on sorted string list";
    EXPECT_THROW_MSG(L.Insert(0, "a"), EStringListError, Msg);
    EXPECT_THROW_MSG(L.InsertObject(1, "c", nullptr), EStringListError, Msg);
    EXPECT_THROW_MSG(L.SetStrings(0, "z"), EStringListError, Msg);
    EXPECT_EQ(Lines(L), V{"b"});
    TTag T(1);
    L.SetObjects(0, &T); // objects do not affect the order
    EXPECT_EQ(L.Objects(0), &T);
    L.SetSorted(false);
    L.Insert(0, "z");
    EXPECT_EQ(Lines(L), (V{"z", "b"}));
}

TEST(StringListTest, IndexErrors) {
    TStringList L;
    L.SetText("a\nb");
    EXPECT_THROW_MSG(L.Strings(2), EStringListError, "List index out of bounds (2)");
    EXPECT_THROW_MSG(L.Strings(-1), EStringListError, "List index out of bounds (-1)");
    EXPECT_THROW_MSG(L.Objects(5), EStringListError, "List index out of bounds (5)");
    EXPECT_THROW_MSG(L.SetObjects(2, nullptr), EStringListError, "List index out of bounds (2)");
    EXPECT_THROW_MSG(L.SetStrings(2, "x"), EStringListError, "List index out of bounds (2)");
    EXPECT_THROW_MSG(L.Delete(2), EStringListError, "List index out of bounds (2)");
    EXPECT_THROW_MSG(L.Insert(3, "x"), EStringListError, "List index out of bounds (3)");
    EXPECT_THROW_MSG(L.Exchange(0, 7), EStringListError, "List index out of bounds (7)");
    EXPECT_THROW_MSG(L.Move(4, 0), EStringListError, "List index out of bounds (4)");
    EXPECT_THROW_MSG(L.Names(2), EStringListError, "List index out of bounds (2)");
    L.Insert(2, "end"); // Count itself is a valid insertion point
    EXPECT_EQ(Lines(L), (V{"a", "b", "end"}));
}

TEST(StringListTest, CommaText) {
    TStringList L;
    L.SetText("plain\nwith space\nco,mma\nsay \"hi\"\n\ntab\there");
    String Text = L.CommaText();
    EXPECT_EQ(Text, "plain,\"with space\",\"co,mma\",\"say \"\"hi\"\"\",,\"tab\there\"");
    EXPECT_EQ(FromCommaText(Text), Lines(L));

    TStringList One;
    One.Add("");
    EXPECT_EQ(One.CommaText(), "\"\"");
    EXPECT_EQ(FromCommaText("\"\""), V{""});
    EXPECT_EQ(TStringList().CommaText(), "");

    EXPECT_EQ(FromCommaText("  a b,  c ,d  "), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(FromCommaText("a,,b"), (V{"a", "", "b"}));
    EXPECT_EQ(FromCommaText("a,"), V{"a"});
    EXPECT_EQ(FromCommaText("\"x\"y"), (V{"x", "y"}));
    EXPECT_EQ(FromCommaText("\"open \"\"end"), V{"open \"end"}); // unterminated: rest of text
    EXPECT_EQ(FromCommaText(""), V{});
}

TEST(StringListTest, ChangeEventsAndUpdates) {
    TChangeLog Log;
    TStringList L;
    L.SetOnChange(TNotifyEvent(&Log, &TChangeLog::Change));
    L.SetOnChanging(TNotifyEvent(&Log, &TChangeLog::Changing));
    L.Add("a");
    L.Delete(0);
    EXPECT_EQ(Log.Log, "<><>");

    Log.Log.clear();
    L.BeginUpdate();
    L.BeginUpdate();
    L.Add("x");
    L.Add("y");
    L.EndUpdate();
    EXPECT_EQ(Log.Log, "<");
    EXPECT_EQ(L.UpdateCount(), 1);
    L.EndUpdate();
    EXPECT_EQ(Log.Log, "<>");
    EXPECT_EQ(L.UpdateCount(), 0);

    // Compound operations announce themselves once.
    Log.Log.clear();
    L.SetText("1\n2\n3");
    EXPECT_EQ(Log.Log, "<>");
    Log.Log.clear();
    L.Move(0, 2);
    EXPECT_EQ(Log.Log, "<>");

    // Clearing an empty list and failed changes fire nothing.
    TStringList Empty;
    Empty.SetOnChange(TNotifyEvent(&Log, &TChangeLog::Change));
    Log.Log.clear();
    Empty.Clear();
    EXPECT_THROW(Empty.Delete(0), EStringListError);
    EXPECT_EQ(Log.Log, "");

    // A failure inside an update still ends it, and the change so far is announced.
    L.SetSorted(true);
    L.SetDuplicates(dupError);
    Log.Log.clear();
    EXPECT_THROW(L.SetCommaText("x,y,x"), EStringListError);
    EXPECT_EQ(L.UpdateCount(), 0);
    EXPECT_EQ(Log.Log, "<>");
    EXPECT_EQ(Lines(L), (V{"x", "y"}));
}

TEST(StringListTest, AssignFromOtherClasses) {
    TStringList L;
    L.SetText("a\nb");
    L.Assign(&L);
    EXPECT_EQ(Lines(L), (V{"a", "b"}));

    TCollection C(TCollectionItem::StaticClass());
    EXPECT_THROW_MSG(L.Assign(&C), EConvertError, "Cannot assign a TCollection to a TStringList");
    EXPECT_THROW_MSG(C.Assign(&L), EConvertError, "Cannot assign a TStringList to a TCollection");
    EXPECT_EQ(Lines(L), (V{"a", "b"}));

    // Creatable by name through the class registry.
    std::unique_ptr<TObject> Made(TStringList::StaticClass()->Create(nullptr));
    EXPECT_TRUE(Is<TStrings>(Made.get()));
    EXPECT_EQ(Made->ClassName(), "TStringList");
}
