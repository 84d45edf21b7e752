#include "bazi/bazi_reading.hpp"

#include <gtest/gtest.h>

#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

BaziReading reading(const char* y, const char* m, const char* d, const char* h) {
    return baziReading(gbk(y), gbk(m), gbk(d), gbk(h));
}

TEST(BaziReading, StartUpDateGivesTheWholeText) {
    BaziReading r = reading("2013", "1", "1", "0");
    ASSERT_TRUE(r.ok()) << gbkToUtf8(r.failure);
    const std::string expected =
        "公历日期：2013年1月1日0时\r\n\r\n"
        "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
        "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
        "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
        "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n"
        "生肖属相：龙。\r\n\r\n"
        "龙年出生的人取名偏旁部首：\r\n\r\n"
        "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
        "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。";
    EXPECT_EQ(r.text, gbk(expected));
    EXPECT_EQ(gbkToUtf8(r.eightElements), "水,土,水,水,火,木,金,水,");
    EXPECT_EQ(r.missingElements, "");
    EXPECT_EQ(baziReading(gbk("2013"), gbk("1"), gbk("1"), gbk("0")).text, r.text);  // replaced, not added to
}

TEST(BaziReading, MissingElementsInFixedOrder) {
    BaziReading r = reading("2013", "1", "22", "0");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(gbkToUtf8(r.eightElements), "水,土,水,土,土,水,水,水,");
    EXPECT_EQ(gbkToUtf8(r.missingElements), "金木火");
    EXPECT_NE(r.text.find(gbk("八字四柱：壬辰年  癸丑月  戊子日  壬子时\r\n")), std::string::npos);
    EXPECT_NE(r.text.find(gbk("八字五行：水,土,水,土,土,水,水,水, ( 五行缺：金木火 ) \r\n\r\n")), std::string::npos);
}

TEST(BaziReading, ZodiacFollowsTheYearPillarAndHour23TheNextDay) {
    BaziReading newYear = reading("2014", "1", "31", "0");
    ASSERT_TRUE(newYear.ok());
    EXPECT_NE(newYear.text.find(gbk("八字四柱：癸巳年")), std::string::npos);
    EXPECT_NE(newYear.text.find(gbk("生肖属相：蛇。")), std::string::npos);
    EXPECT_EQ(newYear.text.substr(newYear.text.size() - 1), " ");

    BaziReading late = reading("2014", "9", "8", "23");
    ASSERT_TRUE(late.ok());
    std::string text = gbkToUtf8(late.text);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "公历日期：2014年9月8日23时");
    EXPECT_NE(text.find("农历日期：甲午年    八月  十五日  壬子时\r\n"), std::string::npos);
    EXPECT_NE(text.find("八字四柱：甲午年  癸酉月  癸未日  壬子时\r\n"), std::string::npos);
    EXPECT_NE(text.find("生肖属相：马。"), std::string::npos);
}

TEST(BaziReading, NoReadingForBadDates) {
    const std::string noSuchDate = gbk("公历日期不存在，请重新选择。");
    struct Bad {
        const char *y, *m, *d, *h;
        bool dayDoesNotExist;
    } bad[] = {
        {"2014", "2", "30", "12", true}, {"2013", "2", "29", "0", true}, {"2014", "4", "31", "0", true},
        {"2014", "13", "1", "0", true},  {"2014", "0", "1", "0", true},  {"2014", "1", "0", "0", true},
        {"2014", "1", "1", "24", false}, {"1901", "2", "18", "23", false}, {"1900", "6", "1", "0", false},
        {"2049", "1", "1", "0", false},  {"99999999999", "1", "1", "0", false},
        {"", "1", "1", "0", false},      {"2014", " 1", "1", "0", false}, {"2014", "1", "1", "-1", false},
        {"二〇一四", "1", "1", "0", false}, {"2014", "1", "1", "0时", false},
    };
    for (const Bad& b : bad) {
        BaziReading r = reading(b.y, b.m, b.d, b.h);
        SCOPED_TRACE(std::string(b.y) + "/" + b.m + "/" + b.d + "/" + b.h);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.text, "");
        EXPECT_EQ(r.eightElements, "");
        EXPECT_EQ(r.missingElements, "");
        EXPECT_EQ(r.failure == noSuchDate, b.dayDoesNotExist) << gbkToUtf8(r.failure);
        EXPECT_FALSE(gbkToUtf8(r.failure).empty());
    }
    EXPECT_TRUE(reading("2012", "2", "29", "0").ok());
    EXPECT_TRUE(reading("2048", "12", "31", "23").ok());
    EXPECT_TRUE(reading("1901", "2", "19", "0").ok());
}

}  // namespace
}  // namespace qinghe
