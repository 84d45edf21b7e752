// The months of the Chinese calendar from the astronomical instants: a month begins on the civil
// day of a new moon, month 11 is the one that holds the winter solstice, and a year from one
// month 11 to the next that has thirteen months makes its first month without a principal term
// (中气) the leap month.
#pragma once

#include <vector>

namespace qinghe::calendar_gen {

// Civil day numbers are Julian day numbers of the local date.
using DayNumber = long;

// The calendar was reckoned for Beijing's local mean time (116°25′ E, UTC+7:45:40) until the
// end of 1928 and for UTC+8 from 1929 on: the offset in hours, and the civil day, of an instant.
double localZoneHours(double jdUt);
DayNumber localDay(double jdUt);

struct LunarMonth {
    DayNumber firstDay = 0;
    int number = 0;  // 1 … 12
    bool leap = false;
    int length = 0;  // 29 or 30 days
};

struct LunarInstants {
    std::vector<double> newMoons;        // JD (UT), ascending, without gaps
    std::vector<double> principalTerms;  // JD (UT) of every 中气, ascending
    std::vector<double> winterSolstices; // JD (UT), ascending
};

// The months from the one holding the first winter solstice to the last month before the
// one holding the last winter solstice. Throws when the instants do not make a calendar.
std::vector<LunarMonth> buildLunarMonths(const LunarInstants& instants);

}  // namespace qinghe::calendar_gen
