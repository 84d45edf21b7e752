#include "bazi/bazi_reading.hpp"

#include <algorithm>
#include <optional>

#include "bazi/lunar_calendar.hpp"
#include "bazi/pillar_table.hpp"
#include "bazi/zodiac_advice.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

struct ReadingTexts {
    std::string notNumbers = gbk("出生日期和时间必须是数字，请重新选择。");
    std::string noSuchDate = gbk("公历日期不存在，请重新选择。");
    std::string badHour = gbk("出生时辰必须在0时至23时之间，请重新选择。");
    std::string outOfRange = gbk("只能查询1901年2月19日至2048年12月31日之间的日期，请重新选择。");

    std::string year = gbk("年"), month = gbk("月"), day = gbk("日"), hour = gbk("时");
    std::string gregorianLine = gbk("公历日期：");
    std::string lunarLine = gbk("农历日期：");
    std::string lunarPattern = gbk("%Y年    %M  %D日  ");
    std::string pillarsLine = gbk("八字四柱：");
    std::string elementsLine = gbk("八字五行：");
    std::string naYinLine = gbk("五行纳音：");
    std::string missing = gbk("五行缺：");
    std::string noneMissing = gbk("五行不缺");
    std::string elementOrder = gbk("金木水火土");
};

const ReadingTexts& texts() {
    static const ReadingTexts instance;
    return instance;
}

constexpr const char* Paragraph = "\r\n\r\n";

// A decimal text as the lists give them: digits only. Numbers too long to matter are capped,
// which keeps them out of every valid range.
std::optional<int> parseDecimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 999999999L);
    }
    return static_cast<int>(value);
}

// Occurrences of a two-byte character in a GBK text, counted character by character.
int countCharacter(const std::string& text, std::string_view character) {
    int count = 0;
    for (size_t i = 0; i < text.size();) {
        size_t width = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
        if (text.compare(i, width, character) == 0) ++count;
        i += width;
    }
    return count;
}

BaziReading failed(const std::string& message) {
    BaziReading reading;
    reading.failure = message;
    return reading;
}

}  // namespace

BaziReading baziReading(std::string_view year, std::string_view month, std::string_view day,
                        std::string_view hour) {
    const ReadingTexts& t = texts();
    std::optional<int> y = parseDecimal(year), m = parseDecimal(month), d = parseDecimal(day),
                       h = parseDecimal(hour);
    if (!y || !m || !d || !h) return failed(t.notNumbers);
    BirthMoment moment{{*y, *m, *d}, *h};
    if (!isValidDate(moment.date)) return failed(t.noSuchDate);
    if (*h > 23) return failed(t.badHour);
    if (!isSupportedMoment(moment)) return failed(t.outOfRange);

    std::optional<FourPillars> pillars = LunarCalendar::fourPillars(moment);
    const std::string* names[4] = {&pillars->year, &pillars->month, &pillars->day, &pillars->hour};
    const PillarRow* rows[4];
    for (int i = 0; i < 4; ++i) {
        rows[i] = lookupPillar(*names[i]);
        if (!rows[i]) return failed(t.outOfRange);  // cannot happen within the supported range
    }

    BaziReading reading;
    for (const PillarRow* row : rows) reading.eightElements += row->elements;
    for (size_t i = 0; i < t.elementOrder.size(); i += 2) {
        std::string_view element(t.elementOrder.data() + i, 2);
        if (countCharacter(reading.eightElements, element) == 0) reading.missingElements += element;
    }
    std::string tally = reading.missingElements.empty() ? t.noneMissing : t.missing + reading.missingElements;

    std::string& text = reading.text;
    text += t.gregorianLine;
    text.append(year).append(t.year).append(month).append(t.month).append(day).append(t.day);
    text.append(hour).append(t.hour).append(Paragraph);
    text += t.lunarLine + LunarCalendar::formatLunarDate(moment, t.lunarPattern) + pillars->hour + t.hour + Paragraph;
    text += t.pillarsLine + pillars->year + t.year + "  " + pillars->month + t.month + "  " + pillars->day +
            t.day + "  " + pillars->hour + t.hour + Paragraph;
    text += t.elementsLine + reading.eightElements + " ( " + tally + " ) " + Paragraph;
    text += t.naYinLine + rows[0]->naYin + "  " + rows[1]->naYin + "  " + rows[2]->naYin + "  " + rows[3]->naYin +
            Paragraph;
    text += ZodiacAdvice::instance().forBranch((rows[0]->place - 1) % 12 + 1);
    return reading;
}

}  // namespace qinghe
