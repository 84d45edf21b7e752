#include "bazi/lunar_calendar.hpp"

#include <array>

#include "bazi/lunar_date.hpp"
#include "bazi/solar_terms.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// Places in the cycle are 1 … 60; stems 1 甲 … 10 癸 and branches 1 子 … 12 亥.
constexpr int BranchYin = 3;  // 寅, the first month of the pillar year
constexpr int FirstYearPlace = 38;  // 1901 is 辛丑

int wrap(int value, int modulus) { return ((value - 1) % modulus + modulus) % modulus + 1; }
int stemOf(int place) { return wrap(place, 10); }
int branchOf(int place) { return wrap(place, 12); }

// The place with the given stem and branch (they always share parity in use).
int placeOf(int stem, int branch) {
    for (int place = stem; place <= 60; place += 10)
        if (branchOf(place) == branch) return place;
    return 0;
}

const std::array<std::string, 61>& cycleNames() {
    static const std::array<std::string, 61> names = [] {
        const std::string stems = gbk("甲乙丙丁戊己庚辛壬癸");
        const std::string branches = gbk("子丑寅卯辰巳午未申酉戌亥");
        std::array<std::string, 61> all;  // all[0] stays empty
        for (int n = 1; n <= 60; ++n)
            all[n] = stems.substr(2 * (stemOf(n) - 1), 2) + branches.substr(2 * (branchOf(n) - 1), 2);
        return all;
    }();
    return names;
}

bool isBefore(const GregorianDate& a, const GregorianDate& b) { return dayNumber(a) < dayNumber(b); }

struct PillarPlaces {
    int year, month, day, hour;
};

PillarPlaces pillarPlaces(const BirthMoment& moment) {
    const GregorianDate& date = moment.date;
    int term = solarTermsPassed(date, moment.hour);

    // Before the 立春 instant (term 3) the moment still belongs to the previous pillar year.
    int year = wrap(date.year - 1901 + FirstYearPlace, 60);
    if (term < 3) year = wrap(year - 1, 60);

    // Each 节 opens a month: 小寒 丑, 立春 寅, … 立冬 亥, 大雪 子 (and the days before 小寒).
    int monthBranch = wrap(((term == 0 ? SolarTermCount : term) - 1) / 2 + 2, 12);
    // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, then two stems on for each next stem pair.
    int yinStem = wrap((stemOf(year) - 1) % 5 * 2 + 3, 10);
    int monthsFromYin = wrap(monthBranch - BranchYin + 1, 12) - 1;  // 寅 0, 卯 1, … 丑 11
    int monthStem = wrap(yinStem + monthsFromYin, 10);

    int day = wrap(static_cast<int>(dayNumber(date) % 60) + 16, 60);
    if (moment.hour >= 23) day = wrap(day + 1, 60);

    int hourBranch = moment.hour == 23 ? 1 : (moment.hour + 1) / 2 + 1;
    // 五鼠遁: the 子 hour of a 甲 or 己 day is 甲子, of 乙 or 庚 丙子, and so on.
    int ziStem = (stemOf(day) - 1) % 5 * 2 + 1;
    int hourStem = wrap(ziStem + hourBranch - 1, 10);

    return {year, placeOf(monthStem, monthBranch), day, placeOf(hourStem, hourBranch)};
}

}  // namespace

bool isSupportedMoment(const BirthMoment& moment) {
    return isValidDate(moment.date) && moment.hour >= 0 && moment.hour <= 23 &&
           !isBefore(moment.date, FirstSupportedDate) && !isBefore(LastSupportedDate, moment.date);
}

const std::string& LunarCalendar::cycleName(int n) {
    const auto& names = cycleNames();
    return n >= 1 && n <= 60 ? names[n] : names[0];
}

std::optional<FourPillars> LunarCalendar::fourPillars(const BirthMoment& moment) {
    if (moment.date.year <= 1900 || !isValidDate(moment.date) || moment.hour < 0 || moment.hour > 23)
        return std::nullopt;
    if (!isSupportedMoment(moment)) return FourPillars{};
    PillarPlaces p = pillarPlaces(moment);
    return FourPillars{cycleName(p.year), cycleName(p.month), cycleName(p.day), cycleName(p.hour)};
}

std::string LunarCalendar::formatLunarDate(const BirthMoment& moment, std::string_view pattern) {
    std::string yearName, monthName, dayName;
    if (isSupportedMoment(moment)) {
        yearName = cycleName(pillarPlaces(moment).year);
        if (std::optional<LunarDate> lunar = lunarDateOf(moment.date)) {
            monthName = lunarMonthName(lunar->month, lunar->leap);
            dayName = lunarDayName(lunar->day);
        }
    }
    std::string out;
    out.reserve(pattern.size() + 16);
    for (size_t i = 0; i < pattern.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(pattern[i]);
        if (c >= 0x81 && i + 1 < pattern.size()) {  // a two-byte GBK character: copy it whole
            out += pattern.substr(i, 2);
            ++i;
        } else if (c == '%' && i + 1 < pattern.size() &&
                   (pattern[i + 1] == 'Y' || pattern[i + 1] == 'M' || pattern[i + 1] == 'D')) {
            char field = pattern[++i];
            out += field == 'Y' ? yearName : field == 'M' ? monthName : dayName;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace qinghe
