#include "bazi/lunar_date.hpp"

#include <algorithm>
#include <array>

#include "bazi/calendar_tables.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

namespace data = calendar_tables;

struct LunarNames {
    std::array<std::string, 12> months;
    std::array<std::string, 12> leapMonths;
    std::array<std::string, 30> days;

    LunarNames() {
        const std::string numerals = gbk("一二三四五六七八九十");
        auto numeral = [&](int n) { return numerals.substr(2 * (n - 1), 2); };
        const std::string yue = gbk("月");
        for (int m = 1; m <= 10; ++m) months[m - 1] = (m == 1 ? gbk("正") : numeral(m)) + yue;
        months[10] = gbk("冬月");
        months[11] = gbk("腊月");
        for (int m = 0; m < 12; ++m) leapMonths[m] = gbk("闰") + months[m];
        for (int d = 1; d <= 30; ++d) {
            if (d <= 10) days[d - 1] = gbk("初") + numeral(d);
            else if (d < 20) days[d - 1] = numeral(10) + numeral(d - 10);
            else if (d == 20) days[d - 1] = gbk("二十");
            else if (d < 30) days[d - 1] = gbk("廿") + numeral(d - 20);
            else days[d - 1] = gbk("三十");
        }
    }
};

const LunarNames& names() {
    static const LunarNames instance;
    return instance;
}

}  // namespace

LunarMonthIndex::LunarMonthIndex() {
    months_.reserve(data::YearCount * 13);
    for (const data::LunarYearRow& row : data::lunarYears) {
        long day = dayNumber({row.year, row.firstMonth, row.firstDay});
        int number = 0;
        bool leapPlaced = false;
        for (const char* length = row.monthLengths; *length; ++length) {
            // The leap month comes right after the month whose number it repeats.
            bool leap = row.leapMonth != 0 && number == row.leapMonth && !leapPlaced;
            if (leap) leapPlaced = true;
            else ++number;
            months_.push_back({day, row.year, static_cast<signed char>(number), leap});
            day += *length == 'L' ? 30 : 29;
        }
        endDay_ = day;
    }
}

const LunarMonthIndex& LunarMonthIndex::instance() {
    static const LunarMonthIndex index;
    return index;
}

std::optional<LunarDate> LunarMonthIndex::find(long dayNumber) const {
    if (months_.empty() || dayNumber < months_.front().firstDay || dayNumber >= endDay_) return std::nullopt;
    auto after = std::upper_bound(months_.begin(), months_.end(), dayNumber,
                                  [](long d, const MonthStart& m) { return d < m.firstDay; });
    const MonthStart& month = *(after - 1);
    return LunarDate{month.year, month.month, month.leap, static_cast<int>(dayNumber - month.firstDay) + 1};
}

std::optional<LunarDate> lunarDateOf(const GregorianDate& date) {
    if (!isValidDate(date)) return std::nullopt;
    return LunarMonthIndex::instance().find(dayNumber(date));
}

const std::string& lunarMonthName(int month, bool leap) {
    static const std::string none;
    if (month < 1 || month > 12) return none;
    return leap ? names().leapMonths[month - 1] : names().months[month - 1];
}

const std::string& lunarDayName(int day) {
    static const std::string none;
    return day >= 1 && day <= 30 ? names().days[day - 1] : none;
}

}  // namespace qinghe
