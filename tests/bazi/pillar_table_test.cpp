#include "bazi/pillar_table.hpp"

#include <gtest/gtest.h>

#include "bazi/zodiac_advice.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

TEST(PillarTable, RowsHoldTheElementPairAndNaYin) {
    struct Row {
        const char* pillar;
        int place;
        const char* elements;
        const char* naYin;
    } rows[] = {
        {"甲子", 1, "木,水,", "海中金"},  {"乙丑", 2, "木,土,", "海中金"},  {"丙寅", 3, "火,木,", "炉中火"},
        {"壬申", 9, "水,金,", "剑锋金"},  {"丁丑", 14, "火,土,", "涧下水"}, {"甲午", 31, "木,火,", "砂石金"},
        {"乙未", 32, "木,土,", "砂石金"}, {"辛丑", 38, "金,土,", "壁上土"}, {"甲辰", 41, "木,土,", "灯头火"},
        {"乙巳", 42, "木,火,", "灯头火"}, {"戊申", 45, "土,金,", "大驿土"}, {"壬子", 49, "水,水,", "桑柘木"},
        {"庚申", 57, "金,金,", "石榴木"}, {"癸亥", 60, "水,水,", "大海水"},
    };
    for (const Row& row : rows) {
        const PillarRow* found = lookupPillar(gbk(row.pillar));
        ASSERT_NE(found, nullptr) << row.pillar;
        EXPECT_EQ(found->place, row.place);
        EXPECT_EQ(gbkToUtf8(found->elements), row.elements) << row.pillar;
        EXPECT_EQ(gbkToUtf8(found->naYin), row.naYin) << row.pillar;
    }
}

TEST(PillarTable, OnlyAWholePillarNameMatches) {
    for (const char* text : {"", "甲", "甲丑", "子甲", "甲子 ", "jiazi"})
        EXPECT_EQ(lookupPillar(gbk(text)), nullptr) << text;
}

TEST(ZodiacAdvice, TextsFollowOneShape) {
    const char* animals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
    const std::string all = gbk(animals);
    for (int branch = 1; branch <= 12; ++branch) {
        std::string text = gbkToUtf8(ZodiacAdvice::instance().forBranch(branch));
        std::string animal = gbkToUtf8(all.substr(2 * (branch - 1), 2));
        std::string start = "生肖属相：" + animal + "。\r\n\r\n" + animal + "年出生的人取名偏旁部首：\r\n\r\n宜：";
        EXPECT_EQ(text.substr(0, start.size()), start) << branch;
        EXPECT_NE(text.find("等部首为吉。\r\n\r\n忌："), std::string::npos) << branch;
        bool blankAtEnd = animal == "蛇" || animal == "马";
        std::string end = blankAtEnd ? "等部首。 " : "等部首。";
        EXPECT_EQ(text.substr(text.size() - end.size()), end) << branch;
        EXPECT_EQ(text.find('?'), std::string::npos) << branch;  // every radical is in GBK
    }
    EXPECT_EQ(ZodiacAdvice::instance().forBranch(0), "");
    EXPECT_EQ(ZodiacAdvice::instance().forBranch(13), "");
}

}  // namespace
}  // namespace qinghe
