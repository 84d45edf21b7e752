#include "analysis/name_score.hpp"

#include <gtest/gtest.h>

#include "fixture_database.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

std::array<std::string, 6> words(std::initializer_list<const char*> utf8) {
    std::array<std::string, 6> out;
    size_t i = 0;
    for (const char* w : utf8) out[i++] = gbk(w);
    return out;
}

TEST(ScoreValue, WeighsTheSixLuckWords) {
    struct Case {
        std::array<std::string, 6> luck;
        float value;
        int score;
    } cases[] = {
        {words({"大吉", "大吉", "大吉", "大吉", "大吉", "大吉"}), 100, 100},
        {words({"大凶", "大凶", "大凶", "大凶", "大凶", "大凶"}), 30, 30},
        {words({"大吉", "凶", "大吉", "大吉", "大吉", "大吉"}), 88, 88},
        {words({"中", "吉", "吉", "吉", "吉", "吉"}), 99.25f, 99},
        {words({"中", "中", "中", "中", "中", "中"}), 85, 85},
        {words({"大凶", "", "", "", "", ""}), 1.5f, 1},
        {words({"大吉", "大吉", "大吉", "大吉", "大凶", "凶"}), 87, 87},
        {words({"大吉", "大吉", "大吉", "凶", "大吉", "中"}), 89.75f, 89},
        {words({"吉 ", "吉", "吉", "吉", "吉", "半吉"}), 80, 80},  // unknown words count 0
    };
    for (const Case& c : cases) {
        ScoreValue v = scoreValue(c.luck);
        EXPECT_FLOAT_EQ(v.value, c.value);
        EXPECT_EQ(v.score, c.score);
    }
}

TEST(AdviceFor, BandsIncludeTheirLowerBound) {
    EXPECT_EQ(adviceFor(100), adviceFor(90));
    EXPECT_NE(adviceFor(89), adviceFor(90));
    EXPECT_EQ(adviceFor(89), gbk("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！"));
    EXPECT_EQ(adviceFor(70), adviceFor(79));
    EXPECT_EQ(adviceFor(60), gbk("你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。"));
    EXPECT_EQ(adviceFor(0), gbk("你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。"));
}

class NameScoreTest : public ::testing::Test {
protected:
    void SetUp() override { testing::loadDefaultFixture(db, folder); }
    testing::TempFolder folder;
    NameDatabase db;
};

TEST_F(NameScoreTest, AnalyseNameReadsTheCharacterTable) {
    NameScore s = analyseName(db, gbk("王"), gbk("小明"));
    EXPECT_EQ(s.grids.heaven, 5);
    EXPECT_EQ(s.grids.total, 15);
    EXPECT_EQ(s.grids.elements, gbk("土金火"));
    EXPECT_EQ(s.advice, adviceFor(s.score));
    NameScore ouyang = analyseName(db, gbk("欧阳"), gbk("明"));
    EXPECT_EQ(ouyang.grids.heaven, 32);
    EXPECT_EQ(ouyang.grids.simplifiedTotal, 22);
}

TEST_F(NameScoreTest, SurnameYuCountsItsSimplifiedStrokesInTheReportOnly) {
    NameScore report = analyseName(db, gbk("于"), gbk("明"));
    EXPECT_EQ(report.grids.heaven, 4);  // 3 + 1
    PoolCharTable pool;
    pool.append(lookupCharacter(db, gbk("于")));
    pool.append(lookupCharacter(db, gbk("明")));
    CachedLuck luck(db);
    EXPECT_EQ(scoreName(gbk("于"), gbk("明"), pool, luck).grids.heaven, 9);  // 8 + 1
    // As a part of a longer surname or a given name 于 keeps its Kangxi count.
    EXPECT_EQ(analyseName(db, gbk("明"), gbk("于")).grids.earth, 9);
}

TEST_F(NameScoreTest, ScoreNameTakesCharactersFromThePoolOnly) {
    PoolCharTable pool;
    pool.append({.character = gbk("王"), .simplifiedStrokes = 4, .kangxiStrokes = 4, .element = gbk("土")});
    pool.append({.character = gbk("小"), .simplifiedStrokes = 3, .kangxiStrokes = 3, .element = gbk("金")});
    CachedLuck luck(db);
    NameScore s = scoreName(gbk("王"), gbk("小明"), pool, luck);  // 明 is not in the pool
    EXPECT_EQ(s.grids.earth, 3);  // 小 3 + 明 unknown 0
    EXPECT_EQ(s.grids.elements, gbk("土金"));
    EXPECT_EQ(s.advice, "");
    EXPECT_EQ(s.score, scoreValue(s.grids.luck).score);
}

TEST_F(NameScoreTest, UnknownCharactersAndClosedDatabaseStillScore) {
    NameScore unknown = analyseName(db, gbk("龘"), gbk("龘"));
    EXPECT_EQ(unknown.grids.heaven, 1);
    EXPECT_EQ(unknown.grids.earth, 1);
    EXPECT_EQ(unknown.grids.outer, 2);
    db.close();
    NameScore closed = analyseName(db, gbk("王"), gbk("小明"));
    EXPECT_EQ(closed.score, 0);
    EXPECT_EQ(closed.advice, adviceFor(0));
}

}  // namespace
}  // namespace qinghe
