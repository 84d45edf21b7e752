// Speed of the calendar and the reading: per call, and the one-time cost of the tables built on
// first use (run: build/bench/bench_bazi).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bazi/bazi_reading.hpp"
#include "bazi/lunar_calendar.hpp"
#include "bazi/lunar_date.hpp"
#include "bazi/pillar_table.hpp"
#include "bazi/zodiac_advice.hpp"
#include "store/gbk_text.hpp"

namespace qinghe {
namespace {

// Moments spread over the whole range, so that every lookup lands somewhere else.
std::vector<BirthMoment> spreadMoments() {
    std::vector<BirthMoment> moments;
    for (long d = dayNumber(FirstSupportedDate); d <= dayNumber(LastSupportedDate); d += 367)
        moments.push_back({dateOfDayNumber(d), static_cast<int>(d % 24)});
    return moments;
}

// Registered first, so it runs before anything else has touched a table: the whole cost of
// the first reading of a process, the GBK code tables included.
void BM_FirstReadingOfTheProcess(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(baziReading("2013", "1", "1", "0"));
}
BENCHMARK(BM_FirstReadingOfTheProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_BuildLunarMonthIndex(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LunarMonthIndex().monthCount());
}
BENCHMARK(BM_BuildLunarMonthIndex)->Unit(benchmark::kMicrosecond);

void BM_BuildPillarTable(benchmark::State& state) {
    for (auto _ : state) {
        PillarTable table;
        benchmark::DoNotOptimize(table.lookupPillar("x"));
    }
}
BENCHMARK(BM_BuildPillarTable)->Unit(benchmark::kMicrosecond);

void BM_BuildZodiacAdvice(benchmark::State& state) {
    for (auto _ : state) {
        ZodiacAdvice advice;
        benchmark::DoNotOptimize(advice.forBranch(1).size());
    }
}
BENCHMARK(BM_BuildZodiacAdvice)->Unit(benchmark::kMicrosecond);

void BM_FourPillars(benchmark::State& state) {
    std::vector<BirthMoment> moments = spreadMoments();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarCalendar::fourPillars(moments[i]));
        i = (i + 1) % moments.size();
    }
}
BENCHMARK(BM_FourPillars);

void BM_FormatLunarDate(benchmark::State& state) {
    std::vector<BirthMoment> moments = spreadMoments();
    const std::string pattern = gbk("%Y年    %M  %D日  ");
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarCalendar::formatLunarDate(moments[i], pattern));
        i = (i + 1) % moments.size();
    }
}
BENCHMARK(BM_FormatLunarDate);

void BM_BaziReading(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(baziReading("2013", "1", "22", "23"));
}
BENCHMARK(BM_BaziReading);

}  // namespace
}  // namespace qinghe
