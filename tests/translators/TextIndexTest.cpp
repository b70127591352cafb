#include "translators/TextIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zantor::TTextIndex;

TEST(TextIndexTest, EveryTextKeepsItsNumberThroughGrowth) {
    std::vector<std::string> Texts;
    for (int i = 0; i < 5000; ++i)
        Texts.push_back("Text " + std::to_string(i)); // texts sharing long prefixes
    Texts.push_back("");
    TTextIndex Index(3); // far too small: it must grow many times
    for (std::size_t i = 0; i < Texts.size(); ++i)
        EXPECT_EQ(Index.Add(Texts[i]), i);
    EXPECT_EQ(Index.Count(), Texts.size());
    for (std::size_t i = 0; i < Texts.size(); ++i) {
        EXPECT_EQ(Index.Find(Texts[i]), i);
        EXPECT_EQ(Index.Add(std::string(Texts[i])), i); // an equal text, not the same view
    }
    EXPECT_EQ(Index.Count(), Texts.size());
    for (const char* Absent : {"Text", "Text 5000", "text 1", "Text 1 ", " "})
        EXPECT_EQ(Index.Find(Absent), TTextIndex::NotFound) << Absent;
}

TEST(TextIndexTest, AnEmptyIndexFindsNothing) {
    TTextIndex Index;
    EXPECT_EQ(Index.Find(""), TTextIndex::NotFound);
    EXPECT_EQ(Index.Find("x"), TTextIndex::NotFound);
}
