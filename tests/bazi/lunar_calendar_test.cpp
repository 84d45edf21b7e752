#include "bazi/lunar_calendar.hpp"

#include <gtest/gtest.h>

#include "bazi/lunar_date.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

std::string utf8(const std::string& gbkText) { return gbkToUtf8(gbkText); }

std::string pillarsText(const FourPillars& p) {
    return utf8(p.year) + " " + utf8(p.month) + " " + utf8(p.day) + " " + utf8(p.hour);
}

// The moments where the pillars change for a different reason each: the lunar new year before
// 立春, the hour that holds the 立春 and 小寒 instants and the hour after, 23:00, the end of a
// 30-day lunar month, a leap month, and both ends of the supported range.
TEST(LunarCalendar, PillarsAndLunarDateAtTheEdges) {
    struct Row {
        BirthMoment moment;
        const char* pillars;
        const char* lunarMonth;
        const char* lunarDay;
    } rows[] = {
        {{{2013, 1, 1}, 0}, "壬辰 壬子 丁卯 庚子", "冬月", "二十"},
        {{{2014, 1, 31}, 0}, "癸巳 乙丑 壬寅 庚子", "正月", "初一"},
        {{{2014, 2, 4}, 6}, "癸巳 乙丑 丙午 辛卯", "正月", "初五"},
        {{{2014, 2, 4}, 7}, "甲午 丙寅 丙午 壬辰", "正月", "初五"},
        {{{2014, 1, 5}, 18}, "癸巳 甲子 丙子 丁酉", "腊月", "初五"},
        {{{2014, 1, 5}, 19}, "癸巳 乙丑 丙子 戊戌", "腊月", "初五"},
        {{{2014, 9, 8}, 22}, "甲午 癸酉 壬午 辛亥", "八月", "十五"},
        {{{2014, 9, 8}, 23}, "甲午 癸酉 癸未 壬子", "八月", "十五"},
        {{{2014, 9, 23}, 0}, "甲午 癸酉 丁酉 庚子", "八月", "三十"},
        {{{2014, 10, 24}, 12}, "甲午 甲戌 戊辰 戊午", "闰九月", "初一"},
        {{{1901, 2, 19}, 0}, "辛丑 庚寅 戊辰 壬子", "正月", "初一"},
        {{{2048, 12, 31}, 23}, "戊辰 甲子 丙子 戊子", "冬月", "廿七"},
    };
    for (const Row& row : rows) {
        const BirthMoment& m = row.moment;
        SCOPED_TRACE(std::to_string(m.date.year) + "-" + std::to_string(m.date.month) + "-" +
                     std::to_string(m.date.day) + " " + std::to_string(m.hour) + "h");
        std::optional<FourPillars> pillars = LunarCalendar::fourPillars(m);
        ASSERT_TRUE(pillars.has_value());
        EXPECT_EQ(pillarsText(*pillars), row.pillars);
        EXPECT_EQ(utf8(LunarCalendar::formatLunarDate(m, gbk("%M|%D"))),
                  std::string(row.lunarMonth) + "|" + row.lunarDay);
    }
}

TEST(LunarCalendar, TheReadingPatternTakesTheYearFromLiChunAndTheRestFromTheLunarDate) {
    EXPECT_EQ(utf8(LunarCalendar::formatLunarDate({{2014, 1, 31}, 0}, gbk("%Y年    %M  %D日  "))),
              "癸巳年    正月  初一日  ");
    EXPECT_EQ(utf8(LunarCalendar::formatLunarDate({{2033, 12, 22}, 5}, gbk("%M%D"))), "闰冬月初一");
    // Placeholders next to two-byte characters and a lone % are kept apart correctly.
    EXPECT_EQ(utf8(LunarCalendar::formatLunarDate({{2013, 1, 1}, 0}, gbk("百分%Y%%D%"))), "百分壬辰%二十%");
}

TEST(LunarCalendar, CycleNames) {
    const std::pair<int, const char*> names[] = {
        {1, "甲子"}, {2, "乙丑"}, {11, "甲戌"}, {38, "辛丑"}, {60, "癸亥"}, {0, ""}, {61, ""}, {-1, ""}};
    for (const auto& [n, name] : names) EXPECT_EQ(utf8(LunarCalendar::cycleName(n)), name) << n;
}

TEST(LunarCalendar, OutsideTheRangeThereAreNoPillars) {
    for (BirthMoment m : {BirthMoment{{1901, 1, 1}, 0}, BirthMoment{{1901, 2, 18}, 23},
                          BirthMoment{{2049, 1, 1}, 0}}) {
        std::optional<FourPillars> pillars = LunarCalendar::fourPillars(m);
        ASSERT_TRUE(pillars.has_value());
        EXPECT_EQ(pillarsText(*pillars), "   ");
    }
    EXPECT_FALSE(LunarCalendar::fourPillars({{1900, 12, 31}, 12}).has_value());
    EXPECT_FALSE(LunarCalendar::fourPillars({{2014, 2, 30}, 12}).has_value());
    EXPECT_FALSE(LunarCalendar::fourPillars({{2014, 2, 3}, 24}).has_value());
}

// The day pillars run through the sixty places without a gap across months and years;
// 1949-10-01 was a 甲子 day and 2000-01-01 a 戊午 day.
TEST(LunarCalendar, DayPillarsRunThroughTheCycle) {
    EXPECT_EQ(utf8(LunarCalendar::fourPillars({{1949, 10, 1}, 12})->day), "甲子");
    EXPECT_EQ(utf8(LunarCalendar::fourPillars({{2000, 1, 1}, 12})->day), "戊午");
    auto place = [](const std::string& name) {
        for (int n = 1; n <= 60; ++n)
            if (LunarCalendar::cycleName(n) == name) return n;
        return 0;
    };
    int previous = place(LunarCalendar::fourPillars({FirstSupportedDate, 0})->day);
    for (long d = dayNumber(FirstSupportedDate) + 1; d <= dayNumber(LastSupportedDate); ++d) {
        int today = place(LunarCalendar::fourPillars({dateOfDayNumber(d), 0})->day);
        ASSERT_EQ(today, previous % 60 + 1) << d;
        previous = today;
    }
}

}  // namespace
}  // namespace qinghe
