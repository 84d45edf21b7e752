#include "delta_t.hpp"

#include <array>
#include <cmath>

namespace qinghe::calendar_gen {
namespace {

constexpr int FirstTableYear = 1900;

// ΔT at the start of each year from 1900 on (seconds): the long-term reconstructions of the
// Earth's rotation for the early years, the atomic-clock record from 1955 on.
constexpr std::array<double, 126> StartOfYear = {
    -2.72, -1.54, -0.02, 1.24,  2.64,  3.86,  5.37,  6.14,  7.75,  9.13,   // 1900
    10.46, 11.53, 13.36, 14.65, 16.01, 17.20, 18.24, 19.06, 20.25, 20.95,  // 1910
    21.16, 22.25, 22.41, 23.03, 23.49, 23.62, 23.86, 24.49, 24.34, 24.08,  // 1920
    24.02, 24.00, 23.87, 23.95, 23.86, 23.93, 23.73, 23.92, 23.96, 24.02,  // 1930
    24.33, 24.83, 25.30, 25.70, 26.24, 26.77, 27.28, 27.78, 28.25, 28.71,  // 1940
    29.15, 29.57, 29.97, 30.36, 30.72, 31.07, 31.35, 31.68, 32.18, 32.68,  // 1950
    33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54, 37.43, 38.29, 39.20,  // 1960
    40.18, 41.17, 42.23, 43.37, 44.49, 45.48, 46.46, 47.52, 48.53, 49.59,  // 1970
    50.54, 51.38, 52.17, 52.96, 53.79, 54.34, 54.87, 55.32, 55.82, 56.30,  // 1980
    56.86, 57.57, 58.31, 59.12, 59.98, 60.78, 61.63, 62.29, 62.97, 63.47,  // 1990
    63.83, 64.09, 64.30, 64.47, 64.57, 64.69, 64.85, 65.15, 65.46, 65.78,  // 2000
    66.07, 66.32, 66.60, 66.91, 67.28, 67.64, 68.10, 68.59, 68.97, 69.22,  // 2010
    69.36, 69.36, 69.29, 69.20, 69.18, 69.14,                              // 2020
};

// The rotation has been steady or even a little fast since 2020; over decades tidal braking
// wins again. A slow rise keeps the later terms within a few seconds of any current forecast.
constexpr double RisePerYearAfterTable = 0.15;

}  // namespace

double deltaTSeconds(double fractionalYear) {
    double index = fractionalYear - FirstTableYear;
    if (index <= 0) return StartOfYear.front();
    auto last = static_cast<double>(StartOfYear.size() - 1);
    if (index >= last) return StartOfYear.back() + RisePerYearAfterTable * (index - last);
    auto lower = static_cast<size_t>(std::floor(index));
    double fraction = index - static_cast<double>(lower);
    return StartOfYear[lower] + fraction * (StartOfYear[lower + 1] - StartOfYear[lower]);
}

}  // namespace qinghe::calendar_gen
