#include "analysis/char_info.hpp"

#include <gtest/gtest.h>

#include "analysis/pool_char_table.hpp"
#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

class CharInfoTest : public ::testing::Test {
protected:
    void SetUp() override { testing::loadDefaultFixture(db, folder); }
    testing::TempFolder folder;
    NameDatabase db;
};

TEST_F(CharInfoTest, LooksUpEveryField) {
    CharInfo ou = lookupCharacter(db, gbk("欧"));
    EXPECT_EQ(ou.character, gbk("欧"));
    EXPECT_EQ(ou.traditional, gbk("歐"));
    EXPECT_EQ(ou.simplifiedStrokes, 8);
    EXPECT_EQ(ou.kangxiStrokes, 15);
    EXPECT_EQ(ou.element, gbk("土"));
    EXPECT_EQ(ou.pinyin1, "ou");
    EXPECT_EQ(ou.basicExplanation, gbk("基本"));
    EXPECT_TRUE(isUsable(ou));
}

TEST_F(CharInfoTest, UnknownAndIncompleteRowsAreNotUsable) {
    CharInfo missing = lookupCharacter(db, gbk("龘"));
    EXPECT_EQ(missing.character, gbk("龘"));
    EXPECT_EQ(missing.kangxiStrokes, 0);
    EXPECT_EQ(missing.element, "");
    EXPECT_FALSE(isUsable(missing));
    EXPECT_FALSE(isUsable(lookupCharacter(db, gbk("空"))));  // element but 0 simplified strokes
    EXPECT_TRUE(isUsable(lookupCharacter(db, gbk("零"))));   // Kangxi 0 does not matter
}

TEST_F(CharInfoTest, TextsThatLookLikeSqlFindNothing) {
    EXPECT_FALSE(isUsable(lookupCharacter(db, gbk("汉字"))));
    EXPECT_FALSE(isUsable(lookupCharacter(db, "\"")));
    EXPECT_FALSE(isUsable(lookupCharacter(db, "\" or 1=1 or \"")));
}

TEST_F(CharInfoTest, ClosedDatabaseKnowsNoCharacter) {
    db.close();
    EXPECT_FALSE(isUsable(lookupCharacter(db, gbk("王"))));
}

TEST(PoolCharTable, FindReturnsTheFirstRecordOfACharacter) {
    PoolCharTable pool;
    pool.resize(3);
    pool.set(0, {.character = gbk("明"), .simplifiedStrokes = 8, .kangxiStrokes = 8});
    pool.set(1, {.character = gbk("明"), .simplifiedStrokes = 1, .kangxiStrokes = 1});
    pool.set(2, {.character = "a", .simplifiedStrokes = 2});
    pool.append({.character = gbk("李"), .kangxiStrokes = 7});
    EXPECT_EQ(pool.find(gbk("明")).kangxiStrokes, 8);
    EXPECT_EQ(pool.find("a").simplifiedStrokes, 2);
    EXPECT_EQ(pool.find(gbk("李")).kangxiStrokes, 7);
    EXPECT_EQ(pool.find(gbk("王")).kangxiStrokes, 0);
    EXPECT_EQ(pool.find(gbk("王")).element, "");
    EXPECT_FALSE(pool.contains(gbk("王")));
    // Replacing the first 明 makes the second one the first.
    pool.set(0, {.character = gbk("王"), .kangxiStrokes = 4});
    EXPECT_EQ(pool.find(gbk("明")).kangxiStrokes, 1);
    EXPECT_EQ(pool.find(gbk("王")).kangxiStrokes, 4);
    pool.clear();
    EXPECT_FALSE(pool.contains(gbk("王")));
}

}  // namespace
}  // namespace qinghe
