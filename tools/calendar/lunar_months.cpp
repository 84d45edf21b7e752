#include "lunar_months.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "ephemeris.hpp"

namespace qinghe::calendar_gen {
namespace {

constexpr double BeijingMeanTimeHours = 1397.0 / 180.0;  // 116°25′ E: 7 h 45 min 40 s
constexpr double StandardTimeHours = 8.0;

// Index of the last new moon whose civil day is not after the given day.
size_t monthHolding(const std::vector<double>& newMoons, DayNumber day) {
    auto after = std::upper_bound(newMoons.begin(), newMoons.end(), day,
                                  [](DayNumber d, double moon) { return d < localDay(moon); });
    if (after == newMoons.begin()) throw std::runtime_error("no new moon before day " + std::to_string(day));
    return static_cast<size_t>(after - newMoons.begin()) - 1;
}

}  // namespace

double localZoneHours(double jdUt) {
    static const double standardTimeFrom = julianDayUt(1929, 1, 1, 0.0) - StandardTimeHours / 24.0;
    return jdUt >= standardTimeFrom ? StandardTimeHours : BeijingMeanTimeHours;
}

DayNumber localDay(double jdUt) {
    return static_cast<DayNumber>(std::floor(jdUt + 0.5 + localZoneHours(jdUt) / 24.0));
}

std::vector<LunarMonth> buildLunarMonths(const LunarInstants& instants) {
    const auto& moons = instants.newMoons;
    std::vector<DayNumber> principalDays;
    for (double term : instants.principalTerms) principalDays.push_back(localDay(term));
    auto holdsPrincipalTerm = [&](size_t month) {
        DayNumber first = localDay(moons[month]), next = localDay(moons[month + 1]);
        auto it = std::lower_bound(principalDays.begin(), principalDays.end(), first);
        return it != principalDays.end() && *it < next;
    };

    std::vector<LunarMonth> months;
    for (size_t s = 0; s + 1 < instants.winterSolstices.size(); ++s) {
        size_t eleventh = monthHolding(moons, localDay(instants.winterSolstices[s]));
        size_t nextEleventh = monthHolding(moons, localDay(instants.winterSolstices[s + 1]));
        size_t count = nextEleventh - eleventh;
        if (count != 12 && count != 13)
            throw std::runtime_error("a solar year of " + std::to_string(count) + " months");

        size_t leap = 0;  // index of the leap month; 0 means none (it is never month 11 itself)
        if (count == 13) {
            for (size_t m = eleventh + 1; m < nextEleventh && leap == 0; ++m)
                if (!holdsPrincipalTerm(m)) leap = m;
            if (leap == 0) throw std::runtime_error("thirteen months, all with a principal term");
        }
        int number = 11;
        for (size_t m = eleventh; m < nextEleventh; ++m) {
            bool isLeap = m == leap;
            if (m != eleventh && !isLeap) number = number % 12 + 1;
            DayNumber first = localDay(moons[m]);
            months.push_back({first, number, isLeap, static_cast<int>(localDay(moons[m + 1]) - first)});
        }
    }
    return months;
}

}  // namespace qinghe::calendar_gen
