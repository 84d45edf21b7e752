// LunarCalendar: the calendar values of a birth moment that the eight-character reading rests
// on. All texts are GBK.
//
// The year pillar changes at the instant of 立春 and the month pillar at the instant of each
// odd-numbered solar term (节); the day pillar moves on at 23:00; the lunar month and day follow
// the calendar date alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bazi/gregorian_date.hpp"

namespace qinghe {

// A Gregorian date and a whole hour 0 … 23 in Chinese civil time (UTC+8).
struct BirthMoment {
    GregorianDate date;
    int hour = 0;
};

// Year, month, day and hour pillar: each the name of a place in the sixty-cycle, or the empty
// text when the moment lies outside the supported range.
struct FourPillars {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

inline constexpr GregorianDate FirstSupportedDate{1901, 2, 19};
inline constexpr GregorianDate LastSupportedDate{2048, 12, 31};

// True for moments from 1901-02-19 0:00 to 2048-12-31 23:00 with a valid date and hour.
bool isSupportedMoment(const BirthMoment& moment);

class LunarCalendar {
public:
    // The name of place n (1 甲子 … 60 癸亥): stem then branch; the empty text outside 1 … 60.
    static const std::string& cycleName(int n);

    // The four pillars. No result for a year of 1900 or earlier, an invalid date or an hour
    // outside 0 … 23; four empty texts from 1901-01-01 to 1901-02-18 and after 2048.
    static std::optional<FourPillars> fourPillars(const BirthMoment& moment);

    // The pattern with "%Y" replaced by the year pillar (the one of fourPillars, which follows
    // 立春, not the lunar new year), "%M" by the lunar month name and "%D" by the lunar day
    // name. Outside the supported range the placeholders become empty.
    static std::string formatLunarDate(const BirthMoment& moment, std::string_view pattern);
};

}  // namespace qinghe
