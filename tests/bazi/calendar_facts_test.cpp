// The calendar data held against facts stated independently of how it was computed: the leap
// months and lunar new year dates of the published Chinese calendar, the rules the calendar is
// built by, and solar-term instants from modern ephemerides.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "bazi/lunar_calendar.hpp"
#include "bazi/lunar_date.hpp"
#include "bazi/solar_terms.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// Every day of the supported range with its lunar date.
const std::vector<std::pair<GregorianDate, LunarDate>>& allDays() {
    static const auto days = [] {
        std::vector<std::pair<GregorianDate, LunarDate>> out;
        for (long d = dayNumber(FirstSupportedDate); d <= dayNumber(LastSupportedDate); ++d) {
            GregorianDate date = dateOfDayNumber(d);
            std::optional<LunarDate> lunar = lunarDateOf(date);
            if (!lunar) ADD_FAILURE() << "no lunar date for day " << d;
            else out.emplace_back(date, *lunar);
        }
        return out;
    }();
    return days;
}

TEST(CalendarFacts, LeapMonthsOf1901To2048) {
    const std::map<int, int> published = {
        {1903, 5},  {1906, 4},  {1909, 2},  {1911, 6},  {1914, 5},  {1917, 2},  {1919, 7},
        {1922, 5},  {1925, 4},  {1928, 2},  {1930, 6},  {1933, 5},  {1936, 3},  {1938, 7},
        {1941, 6},  {1944, 4},  {1947, 2},  {1949, 7},  {1952, 5},  {1955, 3},  {1957, 8},
        {1960, 6},  {1963, 4},  {1966, 3},  {1968, 7},  {1971, 5},  {1974, 4},  {1976, 8},
        {1979, 6},  {1982, 4},  {1984, 10}, {1987, 6},  {1990, 5},  {1993, 3},  {1995, 8},
        {1998, 5},  {2001, 4},  {2004, 2},  {2006, 7},  {2009, 5},  {2012, 4},  {2014, 9},
        {2017, 6},  {2020, 4},  {2023, 2},  {2025, 6},  {2028, 5},  {2031, 3},  {2033, 11},
        {2036, 6},  {2039, 5},  {2042, 2},  {2044, 7},  {2047, 5}};
    std::map<int, int> found;
    for (const auto& [date, lunar] : allDays())
        if (lunar.leap) found[lunar.year] = lunar.month;
    EXPECT_EQ(found, published);
}

TEST(CalendarFacts, LunarNewYearDates) {
    // Month and day of 正月初一, year by year from 1901.
    const int published[][2] = {
        {2, 19}, {2, 8},  {1, 29}, {2, 16}, {2, 4},  {1, 25}, {2, 13}, {2, 2},  {1, 22}, {2, 10},  // 1901
        {1, 30}, {2, 18}, {2, 6},  {1, 26}, {2, 14}, {2, 3},  {1, 23}, {2, 11}, {2, 1},  {2, 20},  // 1911
        {2, 8},  {1, 28}, {2, 16}, {2, 5},  {1, 24}, {2, 13}, {2, 2},  {1, 23}, {2, 10}, {1, 30},  // 1921
        {2, 17}, {2, 6},  {1, 26}, {2, 14}, {2, 4},  {1, 24}, {2, 11}, {1, 31}, {2, 19}, {2, 8},   // 1931
        {1, 27}, {2, 15}, {2, 5},  {1, 25}, {2, 13}, {2, 2},  {1, 22}, {2, 10}, {1, 29}, {2, 17},  // 1941
        {2, 6},  {1, 27}, {2, 14}, {2, 3},  {1, 24}, {2, 12}, {1, 31}, {2, 18}, {2, 8},  {1, 28},  // 1951
        {2, 15}, {2, 5},  {1, 25}, {2, 13}, {2, 2},  {1, 21}, {2, 9},  {1, 30}, {2, 17}, {2, 6},   // 1961
        {1, 27}, {2, 15}, {2, 3},  {1, 23}, {2, 11}, {1, 31}, {2, 18}, {2, 7},  {1, 28}, {2, 16},  // 1971
        {2, 5},  {1, 25}, {2, 13}, {2, 2},  {2, 20}, {2, 9},  {1, 29}, {2, 17}, {2, 6},  {1, 27},  // 1981
        {2, 15}, {2, 4},  {1, 23}, {2, 10}, {1, 31}, {2, 19}, {2, 7},  {1, 28}, {2, 16}, {2, 5},   // 1991
        {1, 24}, {2, 12}, {2, 1},  {1, 22}, {2, 9},  {1, 29}, {2, 18}, {2, 7},  {1, 26}, {2, 14},  // 2001
        {2, 3},  {1, 23}, {2, 10}, {1, 31}, {2, 19}, {2, 8},  {1, 28}, {2, 16}, {2, 5},  {1, 25},  // 2011
        {2, 12}, {2, 1},  {1, 22}, {2, 10}, {1, 29}, {2, 17}, {2, 6},  {1, 26}, {2, 13}, {2, 3},   // 2021
        {1, 23}, {2, 11}, {1, 31}, {2, 19}, {2, 8},  {1, 28}, {2, 15}, {2, 4},  {1, 24}, {2, 12},  // 2031
        {2, 1},  {1, 22}, {2, 10}, {1, 30}, {2, 17}, {2, 6},  {1, 26}, {2, 14},                    // 2041
    };
    std::map<int, GregorianDate> found;
    for (const auto& [date, lunar] : allDays())
        if (lunar.month == 1 && !lunar.leap && lunar.day == 1) found[lunar.year] = date;
    ASSERT_EQ(found.size(), std::size(published));
    for (int y = 1901; y <= 2048; ++y) {
        const GregorianDate& date = found[y];
        EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day,
                  y * 10000 + published[y - 1901][0] * 100 + published[y - 1901][1]);
    }
}

// Days follow each other, months have 29 or 30 days, and months come in order with a leap
// month right after the month whose number it repeats.
TEST(CalendarFacts, LunarDaysAndMonthsFollowEachOther) {
    const auto& days = allDays();
    for (size_t i = 1; i < days.size(); ++i) {
        const LunarDate &a = days[i - 1].second, &b = days[i].second;
        if (b.day != 1) {
            ASSERT_TRUE(b.day == a.day + 1 && b.month == a.month && b.leap == a.leap && b.year == a.year) << i;
            continue;
        }
        ASSERT_TRUE(a.day == 29 || a.day == 30) << i;
        if (b.leap) ASSERT_EQ(b.month, a.month) << i;
        else ASSERT_EQ(b.month, a.month % 12 + 1) << i;
        ASSERT_EQ(b.year, b.month == 1 && !b.leap ? a.year + 1 : a.year) << i;
    }
}

// From 1929 on the calendar is reckoned in UTC+8 like the solar terms, so the rules can be
// checked on the term dates: 冬至 lies in month 11 and no leap month holds a principal term.
TEST(CalendarFacts, WinterSolsticeInMonthElevenAndNoPrincipalTermInALeapMonth) {
    for (int y = 1929; y <= 2048; ++y) {
        for (int n = 2; n <= SolarTermCount; n += 2) {
            std::optional<LunarDate> lunar = lunarDateOf(solarTermInstant(y, n)->date);
            ASSERT_TRUE(lunar.has_value());
            EXPECT_FALSE(lunar->leap) << y << " term " << n;
            if (n == SolarTermCount) {
                EXPECT_EQ(lunar->month, 11) << y;
            }
        }
    }
}

// Instants from modern ephemerides (the Sun's apparent longitude of date, IAU precession and
// nutation): two to the second, two as published to the minute.
TEST(CalendarFacts, SolarTermInstants) {
    struct Known {
        int year, number, month, day, hour, minute, second, tolerance;
    } known[] = {
        {2014, 3, 2, 4, 6, 3, 16, 3},     // 立春
        {2014, 1, 1, 5, 18, 24, 11, 3},   // 小寒
        {2021, 24, 12, 21, 23, 59, 30, 30},  // 冬至 23:59
        {2024, 6, 3, 20, 11, 6, 30, 30},     // 春分 11:06
    };
    for (const Known& k : known) {
        std::optional<SolarTermInstant> t = solarTermInstant(k.year, k.number);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->date.month * 100 + t->date.day, k.month * 100 + k.day);
        int seconds = t->hour * 3600 + t->minute * 60 + t->second;
        EXPECT_LE(std::abs(seconds - (k.hour * 3600 + k.minute * 60 + k.second)), k.tolerance)
            << k.year << " " << gbkToUtf8(solarTermName(k.number));
    }
}

// Every term falls on the dates it keeps in the Gregorian calendar, in order and about 15 days
// apart.
TEST(CalendarFacts, SolarTermsKeepTheirDates) {
    const int earliest[SolarTermCount][2] = {
        {1, 4},  {1, 19}, {2, 3},  {2, 18}, {3, 4},  {3, 19}, {4, 3},   {4, 18},
        {5, 4},  {5, 19}, {6, 4},  {6, 20}, {7, 5},  {7, 21}, {8, 6},   {8, 22},
        {9, 6},  {9, 22}, {10, 7}, {10, 22}, {11, 6}, {11, 21}, {12, 6}, {12, 20}};
    EXPECT_FALSE(solarTermInstant(1900, 1).has_value());
    EXPECT_FALSE(solarTermInstant(2049, 1).has_value());
    EXPECT_FALSE(solarTermInstant(2014, 25).has_value());
    for (int y = 1901; y <= 2048; ++y) {
        long previous = 0;
        for (int n = 1; n <= SolarTermCount; ++n) {
            SolarTermInstant t = *solarTermInstant(y, n);
            long day = dayNumber(t.date);
            long first = dayNumber({y, earliest[n - 1][0], earliest[n - 1][1]});
            EXPECT_TRUE(day >= first && day <= first + 3) << y << " term " << n;
            if (n > 1) {
                EXPECT_TRUE(day - previous >= 14 && day - previous <= 16) << y << " term " << n;
            }
            previous = day;
        }
    }
    EXPECT_EQ(gbkToUtf8(solarTermName(3)), "立春");
    EXPECT_EQ(gbkToUtf8(solarTermName(24)), "冬至");
    EXPECT_EQ(solarTermName(0), "");
}

}  // namespace
}  // namespace qinghe
