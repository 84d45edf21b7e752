#include "bazi/gregorian_date.hpp"

namespace qinghe {
namespace {

// Counting from 1 March of year 0 puts the leap day at the end of each counted year, so a
// month's offset within the year does not depend on whether the year is a leap year.
constexpr long DaysPer400Years = 146097;
constexpr long DaysTo1901 = 694266;  // days from 0000-03-01 to 1901-01-01

long floorDivide(long a, long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

bool isValidDate(const GregorianDate& date) {
    return date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

long dayNumber(const GregorianDate& date) {
    long year = date.month <= 2 ? date.year - 1 : date.year;
    long monthFromMarch = (date.month + 9) % 12;  // March 0 … February 11
    long era = floorDivide(year, 400);
    long yearOfEra = year - era * 400;
    long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * DaysPer400Years + dayOfEra - DaysTo1901;
}

GregorianDate dateOfDayNumber(long number) {
    long days = number + DaysTo1901;
    long era = floorDivide(days, DaysPer400Years);
    long dayOfEra = days - era * DaysPer400Years;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long monthFromMarch = (5 * dayOfYear + 2) / 153;
    int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

}  // namespace qinghe
