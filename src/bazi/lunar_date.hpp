// Dates of the Chinese lunisolar calendar for 1901-02-19 (lunar 1901, 正月初一) to the end of
// lunar 2048, and their names.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bazi/gregorian_date.hpp"

namespace qinghe {

struct LunarDate {
    int year = 0;   // the Gregorian year in which this lunar year's 正月初一 falls
    int month = 0;  // 1 … 12
    bool leap = false;
    int day = 0;    // 1 … 30
};

// The first days of all lunar months of the calendar data, in order. Built from the compact
// table once, on first use, so that a date is found by a binary search.
class LunarMonthIndex {
public:
    LunarMonthIndex();
    static const LunarMonthIndex& instance();

    // The lunar date of a day number (days from 1901-01-01); none outside the data.
    std::optional<LunarDate> find(long dayNumber) const;
    size_t monthCount() const { return months_.size(); }

private:
    struct MonthStart {
        long firstDay;
        short year;
        signed char month;
        bool leap;
    };
    std::vector<MonthStart> months_;
    long endDay_ = 0;  // the day after the last month
};

// The lunar date of a Gregorian date; none before 1901-02-19 or after lunar 2048.
std::optional<LunarDate> lunarDateOf(const GregorianDate& date);

// GBK names: "正月" … "十月", "冬月", "腊月", with "闰" in front of a leap month; "初一" …
// "初十", "十一" … "十九", "二十", "廿一" … "廿九", "三十". Empty for numbers out of range.
const std::string& lunarMonthName(int month, bool leap);
const std::string& lunarDayName(int day);

}  // namespace qinghe
