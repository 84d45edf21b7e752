#include "bazi/solar_terms.hpp"

#include <algorithm>
#include <array>

#include "bazi/calendar_tables.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

namespace data = calendar_tables;
constexpr int SecondsPerDay = 86400;

const std::array<std::string, SolarTermCount>& termNames() {
    static const std::array<std::string, SolarTermCount> names = [] {
        const char* utf8[SolarTermCount] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分",
                                            "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
                                            "小暑", "大暑", "立秋", "处暑", "白露", "秋分",
                                            "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
        std::array<std::string, SolarTermCount> gbkNames;
        for (int i = 0; i < SolarTermCount; ++i) gbkNames[i] = gbk(utf8[i]);
        return gbkNames;
    }();
    return names;
}

}  // namespace

const std::string& solarTermName(int number) {
    static const std::string none;
    return number >= 1 && number <= SolarTermCount ? termNames()[number - 1] : none;
}

std::optional<SolarTermInstant> solarTermInstant(int year, int number) {
    if (year < data::FirstYear || year > data::LastYear || number < 1 || number > SolarTermCount)
        return std::nullopt;
    int32_t seconds = data::solarTermSeconds[year - data::FirstYear][number - 1];
    SolarTermInstant instant;
    instant.date = dateOfDayNumber(dayNumber({year, 1, 1}) + seconds / SecondsPerDay);
    int ofDay = seconds % SecondsPerDay;
    instant.hour = ofDay / 3600;
    instant.minute = ofDay / 60 % 60;
    instant.second = ofDay % 60;
    return instant;
}

int solarTermsPassed(const GregorianDate& date, int hour) {
    const int32_t* terms = data::solarTermSeconds[date.year - data::FirstYear];
    long moment = (dayNumber(date) - dayNumber({date.year, 1, 1})) * SecondsPerDay + hour * 3600L;
    return static_cast<int>(std::upper_bound(terms, terms + SolarTermCount, moment) - terms);
}

}  // namespace qinghe
