#include "analysis/five_grids.hpp"

#include <gtest/gtest.h>

#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

class FiveGridsTest : public ::testing::Test {
protected:
    void SetUp() override { testing::loadDefaultFixture(db, folder); }

    FiveGrids grids(std::initializer_list<int> surname, std::initializer_list<int> given) {
        infos.clear();
        infos.reserve(8);
        std::vector<const CharInfo*> s, g;
        for (int k : surname) { infos.push_back({.character = "x", .simplifiedStrokes = 1, .kangxiStrokes = k, .element = gbk("木")}); s.push_back(&infos.back()); }
        for (int k : given) { infos.push_back({.character = "y", .simplifiedStrokes = 2, .kangxiStrokes = k, .element = gbk("水")}); g.push_back(&infos.back()); }
        DatabaseLuck luck(db);
        return computeFiveGrids(s, g, luck);
    }

    testing::TempFolder folder;
    NameDatabase db;
    std::vector<CharInfo> infos;
};

TEST_F(FiveGridsTest, GridsOfTheFourNameShapes) {
    struct Case {
        std::initializer_list<int> surname, given;
        int heaven, person, earth, total, outer;
    } cases[] = {
        {{4}, {3, 8}, 5, 7, 11, 15, 9},        // 王小明
        {{15, 17}, {8}, 32, 25, 9, 40, 16},    // 欧阳明
        {{7}, {5}, 8, 12, 6, 12, 2},           // 李白
        {{15, 17}, {3, 8}, 32, 20, 11, 43, 23},
        {{15, 17, 9}, {3, 8, 20}, 32, 20, 11, 43, 23},  // long parts count their first two
    };
    for (const Case& c : cases) {
        FiveGrids g = grids(c.surname, c.given);
        EXPECT_EQ(g.heaven, c.heaven);
        EXPECT_EQ(g.person, c.person);
        EXPECT_EQ(g.earth, c.earth);
        EXPECT_EQ(g.total, c.total);
        EXPECT_EQ(g.outer, c.outer);
    }
}

TEST_F(FiveGridsTest, ElementsTalentsAndLuckWords) {
    FiveGrids g = grids({4}, {3, 8});
    EXPECT_EQ(g.talents, gbk("土金木"));
    EXPECT_EQ(g.elements, gbk("木水水"));
    EXPECT_EQ(g.simplifiedTotal, 5);
    EXPECT_EQ(g.luck[HeavenLuck], gbk(testing::fixtureNumberLuck(5)));
    EXPECT_EQ(g.luck[EarthLuck], gbk(testing::fixtureNumberLuck(11)));
    EXPECT_EQ(g.luck[OuterLuck], gbk(testing::fixtureNumberLuck(9)));
    EXPECT_EQ(g.luck[TalentLuck], gbk("吉"));
}

TEST_F(FiveGridsTest, NumbersAboveTheTableAreLookedUpUnchanged) {
    FiveGrids g = grids({40, 40}, {5, 5});  // total 90
    EXPECT_EQ(g.total, 90);
    EXPECT_EQ(g.luck[TotalLuck], "");
    EXPECT_EQ(numberLuck(db, 90), "");
    EXPECT_EQ(numberLuck(db, 10), gbk("凶"));
}

TEST(GridElement, ByTheLastDigit) {
    const char* expected[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 81, 99})
        EXPECT_EQ(gridElement(n), gbk(expected[n % 10])) << n;
}

TEST_F(FiveGridsTest, CharactersWithoutRecordsCountZero) {
    PoolCharTable pool;
    CachedLuck luck(db);
    EXPECT_EQ(surnameHeavenLuck(gbk("王"), pool, luck), gbk(testing::fixtureNumberLuck(1)));
    pool.append({.character = gbk("欧"), .kangxiStrokes = 15});
    pool.append({.character = gbk("阳"), .kangxiStrokes = 17});
    EXPECT_EQ(surnameHeavenLuck(gbk("欧阳"), pool, luck), gbk(testing::fixtureNumberLuck(32)));
    std::vector<const CharInfo*> none;
    FiveGrids g = computeFiveGrids(none, none, luck);
    EXPECT_EQ(gridElement(g.total), gbk("水"));
}

TEST_F(FiveGridsTest, ClosedDatabaseGivesEmptyLuckWords) {
    db.close();
    FiveGrids g = grids({4}, {3, 8});
    for (const std::string& word : g.luck) EXPECT_EQ(word, "");
}

}  // namespace
}  // namespace qinghe
