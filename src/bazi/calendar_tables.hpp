// The fixed data of the Chinese calendar for 1901 to 2048, computed once from the ephemerides
// by tools/calendar and kept in calendar_tables.cpp. Read through solar_terms.hpp and
// lunar_date.hpp; nothing else should need these arrays.
#pragma once

#include <cstdint>

namespace qinghe::calendar_tables {

inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2048;
inline constexpr int YearCount = LastYear - FirstYear + 1;
inline constexpr int SolarTermsPerYear = 24;

// solarTermSeconds[y - FirstYear][n - 1]: seconds from 1 January 00:00:00 of year y to the
// instant of its term n (1 = 小寒 … 24 = 冬至), in UTC+8, rounded to the second.
extern const int32_t solarTermSeconds[YearCount][SolarTermsPerYear];

// One lunar year, named by the Gregorian year in which its first day (正月初一) falls.
struct LunarYearRow {
    int16_t year;
    int8_t firstMonth;  // Gregorian month and day of 正月初一
    int8_t firstDay;
    int8_t leapMonth;  // 0: none; otherwise the leap month follows the month of this number
    // One letter per month in calendar order, the leap month in its place: 'L' for 30 days,
    // 's' for 29. Twelve letters, or thirteen in a year with a leap month.
    char monthLengths[14];
};
extern const LunarYearRow lunarYears[YearCount];

}  // namespace qinghe::calendar_tables
