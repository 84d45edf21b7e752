// The 24 solar terms (二十四节气) of the years 1901 to 2048, numbered 1 to 24 from the first
// of January on: 1 小寒, 2 大寒, 3 立春, … 24 冬至. Odd numbers are the terms that open a
// month of the eight characters (节), even numbers the principal terms (中气).
#pragma once

#include <optional>
#include <string>

#include "bazi/gregorian_date.hpp"

namespace qinghe {

inline constexpr int SolarTermCount = 24;

struct SolarTermInstant {
    GregorianDate date;  // in UTC+8
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// GBK name of term 1 … 24; the empty text for any other number.
const std::string& solarTermName(int number);

// The instant of term `number` of the year; none outside 1901 … 2048 or 1 … 24.
std::optional<SolarTermInstant> solarTermInstant(int year, int number);

// How many terms of the date's year have come by hour:00:00 of that date (0 … 24); a term
// that comes exactly then counts. The date must be valid and its year within 1901 … 2048.
int solarTermsPassed(const GregorianDate& date, int hour);

}  // namespace qinghe
