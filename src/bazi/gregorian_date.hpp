// Gregorian dates as the calendar code counts them: a day number counts days from 1901-01-01,
// the first day of the supported years (day 0).
#pragma once

namespace qinghe {

struct GregorianDate {
    int year = 0;
    int month = 0;  // 1 … 12
    int day = 0;    // 1 … 31
};

bool isLeapYear(int year);
// Days in the month, or 0 for a month outside 1 … 12.
int daysInMonth(int year, int month);
bool isValidDate(const GregorianDate& date);

// Days from 1901-01-01 to the date (negative before it), for any valid date.
long dayNumber(const GregorianDate& date);
GregorianDate dateOfDayNumber(long dayNumber);

}  // namespace qinghe
