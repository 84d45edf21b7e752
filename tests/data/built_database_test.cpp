// Checks of the database that the build made from the real sources.
#include <gtest/gtest.h>

#include <set>

#include "analysis/char_info.hpp"
#include "analysis/text_helpers.hpp"
#include "built_database_fixture.hpp"

namespace qinghe {
namespace {

using BuiltDatabase = BuiltDatabaseTest;

TEST_F(BuiltDatabase, HoldsTheCharactersOfGbkAndThePoems) {
    EXPECT_GE(count("select count(*) from QH_CNWord"), 20900);
    EXPECT_GE(count("select count(*) from QH_全唐诗"), 57000);
    EXPECT_GE(count("select count(*) from QH_Poet"), 3600);
    EXPECT_EQ(count("select count(*) from QH_Poet where OrderId = 1"), 1);
    EXPECT_EQ(count("select count(*) from QH_CNWord where 五行属性 not in ('金','木','水','火','土')"), 0);
    EXPECT_EQ(count("select count(*) from QH_CNWord where 简体笔画数 <= 0 or 繁体笔画数 <= 0"), 0);
}

TEST_F(BuiltDatabase, EveryGb2312CharacterIsUsable) {
    int checked = 0;
    std::vector<std::string> unusable;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
            if (gbkToUtf8(ch).empty() || (lead == 0xD7 && trail > 0xF9)) continue;  // the empty end of row 55
            ++checked;
            if (!isUsable(lookupCharacter(*db, ch))) unusable.push_back(gbkToUtf8(ch));
        }
    }
    EXPECT_EQ(checked, 6763);
    EXPECT_TRUE(unusable.empty()) << unusable.size() << " unusable, first " << unusable.front();
}

TEST_F(BuiltDatabase, KangxiStrokeCountsOfNameNumerology) {
    const std::pair<const char*, int> checks[] = {
        {"王", 4},  {"小", 3},  {"明", 8},  {"李", 7},  {"白", 5},  {"欧", 15}, {"阳", 17}, {"张", 11},
        {"刘", 15}, {"陈", 16}, {"郭", 15}, {"罗", 20}, {"萧", 18}, {"万", 15}, {"与", 14}, {"丑", 17},
        {"学", 16}, {"河", 9},  {"玲", 10}, {"远", 17}, {"戴", 18}, {"黄", 12}, {"苏", 22}, {"四", 4},
        {"九", 9},  {"十", 10}, {"水", 4},  {"余", 7}};
    for (const auto& [ch, strokes] : checks)
        EXPECT_EQ(lookupCharacter(*db, gbk(ch)).kangxiStrokes, strokes) << ch;
    CharInfo hong = lookupCharacter(*db, gbk("红"));
    EXPECT_EQ(hong.radical, gbk("纟"));
    EXPECT_EQ(hong.traditional, gbk("紅"));
    EXPECT_EQ(lookupCharacter(*db, gbk("河")).radical, gbk("氵"));
    EXPECT_EQ(lookupCharacter(*db, gbk("安")).initial, "");
    EXPECT_EQ(lookupCharacter(*db, gbk("张")).initial, "zh");
}

TEST_F(BuiltDatabase, NumerologyTablesUseOnlyTheFiveLuckWords) {
    EXPECT_EQ(count("select count(*) from QH_八一灵动数"), 160);
    EXPECT_EQ(count("select count(*) from QH_三才配置"), 125);
    EXPECT_EQ(count("select count(distinct 三才) from QH_三才配置"), 125);
    for (const char* table : {"QH_八一灵动数", "QH_三才配置"}) {
        EXPECT_EQ(count(std::string("select count(*) from ") + table +
                        " where 吉凶 not in ('大吉','吉','中','凶','大凶')"),
                  0)
            << table;
    }
    // Numbers past 81 repeat n - 80: rows 82 to 160 are rows 2 to 80 again.
    EXPECT_EQ(count("select count(*) from QH_八一灵动数 a join QH_八一灵动数 b on b.Id = a.Id + 80 "
                    "where a.Id >= 2 and a.吉凶 = b.吉凶 and a.含义 = b.含义"),
              79);
    EXPECT_EQ(count("select count(*) from QH_八一灵动数 where 解释一 = '' or 含义 = '' or 数理暗示 = ''"), 0);
}

}  // namespace
}  // namespace qinghe
