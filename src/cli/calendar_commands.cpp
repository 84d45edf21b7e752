// qinghe-cli bazi, pillars and terms: the calendar and the eight-character reading from the
// command line. None of them needs the name database.
#include <cstdio>
#include <ostream>
#include <string_view>

#include "bazi/bazi_reading.hpp"
#include "bazi/lunar_calendar.hpp"
#include "bazi/solar_terms.hpp"
#include "cli/cli_command.hpp"
#include "store/gbk_text.hpp"

namespace qinghe::cli {
namespace {

// A run of 1 … maxDigits ASCII digits as a number.
bool parseDigits(std::string_view text, size_t minDigits, size_t maxDigits, int& value) {
    if (text.size() < minDigits || text.size() > maxDigits) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

int parseYear(const std::string& text) {
    int year = 0;
    if (!parseDigits(text, 4, 4, year)) throw UsageError("malformed year '" + text + "' (expected YYYY)");
    if (year < FirstSupportedDate.year || year > LastSupportedDate.year)
        throw UsageError("the year must be 1901 to 2048, not " + text);
    return year;
}

// "YYYY-MM-DD HH" as a supported birth moment (month and day may have one digit).
BirthMoment parseMoment(const std::string& dateText, const std::string& hourText) {
    BirthMoment moment;
    size_t first = dateText.find('-');
    size_t second = first == std::string::npos ? first : dateText.find('-', first + 1);
    std::string_view text(dateText);
    if (second == std::string::npos || !parseDigits(text.substr(0, first), 4, 4, moment.date.year) ||
        !parseDigits(text.substr(first + 1, second - first - 1), 1, 2, moment.date.month) ||
        !parseDigits(text.substr(second + 1), 1, 2, moment.date.day))
        throw UsageError("malformed date '" + dateText + "' (expected YYYY-MM-DD)");
    if (!isValidDate(moment.date)) throw UsageError("the day " + dateText + " does not exist");
    if (!parseDigits(hourText, 1, 2, moment.hour) || moment.hour > 23)
        throw UsageError("the hour must be a whole number from 0 to 23, not '" + hourText + "'");
    if (!isSupportedMoment(moment))
        throw UsageError("dates from 1901-02-19 to 2048-12-31 only, not " + dateText);
    return moment;
}

BirthMoment momentArguments(const std::vector<std::string>& args, const char* usage) {
    if (args.size() != 2) throw UsageError(std::string("usage: ") + usage);
    return parseMoment(args[0], args[1]);
}

// The GBK text as UTF-8 with its CR LF line breaks as plain newlines.
std::string withNewlines(const std::string& gbkText) {
    std::string text = gbkToUtf8(gbkText), out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

}  // namespace

int runBazi(CliContext& context, const std::vector<std::string>& args) {
    BirthMoment m = momentArguments(args, "qinghe-cli bazi YYYY-MM-DD HH");
    BaziReading reading = baziReading(std::to_string(m.date.year), std::to_string(m.date.month),
                                      std::to_string(m.date.day), std::to_string(m.hour));
    if (!reading.ok()) throw UsageError(gbkToUtf8(reading.failure));
    context.out << withNewlines(reading.text) << '\n';
    return 0;
}

int runPillars(CliContext& context, const std::vector<std::string>& args) {
    BirthMoment m = momentArguments(args, "qinghe-cli pillars YYYY-MM-DD HH");
    FourPillars p = *LunarCalendar::fourPillars(m);
    std::string lunar = LunarCalendar::formatLunarDate(m, "%M\t%D");
    for (const std::string* field : {&p.year, &p.month, &p.day, &p.hour}) {
        writeUtf8(context.out, *field);
        context.out << '\t';
    }
    writeUtf8(context.out, lunar);
    context.out << '\n';
    return 0;
}

int runTerms(CliContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1) throw UsageError("usage: qinghe-cli terms YYYY");
    int year = parseYear(args[0]);
    for (int n = 1; n <= SolarTermCount; ++n) {
        SolarTermInstant t = *solarTermInstant(year, n);
        char when[64];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month,
                      t.date.day, t.hour, t.minute, t.second);
        writeUtf8(context.out, solarTermName(n));
        context.out << '\t' << when << '\n';
    }
    return 0;
}

}  // namespace qinghe::cli
