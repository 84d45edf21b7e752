// Whole generation jobs on the built database, without a window.
//
//   build/bench/bench_generate        (needs build/bin/data/namedata.db)
// Peak memory of the super-auspicious job: /usr/bin/time -v build/bench/bench_generate
//   --benchmark_filter=Super
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "generate/generation_job.hpp"
#include "generate/recorded_window.hpp"
#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"

namespace {

using namespace qinghe;

NameDatabase& database() {
    static NameDatabase* db = [] {
        auto* d = new NameDatabase;
        if (!loadNameDatabase(*d, QINGHE_BUILT_DATABASE, nullptr)) {
            std::cerr << "cannot load " << QINGHE_BUILT_DATABASE << '\n';
            std::exit(1);
        }
        return d;
    }();
    return *db;
}

void runJob(benchmark::State& state, GenerationMode mode, ResultList list) {
    for (auto _ : state) {
        RecordedWindow window;
        window.inputs.surname = gbk("李");
        window.inputs.sex = gbk("男");
        window.inputs.nameLength = 2;
        window.inputs.filters.master[2] = true;
        window.inputs.filters.element[2] = {true, true, true, true, true};
        JobControl control;
        GenerationJob job(database(), window, control);
        job.run(mode, {});
        state.counters["names"] = static_cast<double>(window.rows(list).size());
        state.counters["candidates"] = static_cast<double>(job.candidates().size());
    }
}

void BM_HighScoreJob(benchmark::State& state) { runJob(state, GenerationMode::HighScore, ResultList::HighScore); }
BENCHMARK(BM_HighScoreJob)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SuperAuspiciousJob(benchmark::State& state) {
    runJob(state, GenerationMode::SuperAuspicious, ResultList::SuperAuspicious);
}
BENCHMARK(BM_SuperAuspiciousJob)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
