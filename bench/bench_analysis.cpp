// Speed of the character lookup, the database load and the name score on the built database.
//
//   build/bench/bench_analysis        (needs build/bin/data/namedata.db)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "analysis/char_info.hpp"
#include "analysis/name_score.hpp"
#include "analysis/text_helpers.hpp"
#include "store/database_loader.hpp"
#include "store/gbk_text.hpp"

namespace {

using namespace qinghe;

NameDatabase& database() {
    static NameDatabase* db = [] {
        auto* d = new NameDatabase;
        if (!loadNameDatabase(*d, QINGHE_BUILT_DATABASE, [](const std::string& m) {
                std::cerr << gbkToUtf8(m) << '\n';
            })) {
            std::cerr << "cannot load " << QINGHE_BUILT_DATABASE << '\n';
            std::exit(1);
        }
        return d;
    }();
    return *db;
}

// The 400 characters of a boy's high-score pool, as a generation job would draw them.
std::vector<std::string> poolCharacters() {
    std::vector<std::string> chars = splitCharacters(gbk(
        "浩宇轩然博文明杰俊豪子涵睿思泽辰逸晨阳天佑瑞霖鑫磊靖琪越涛南晟棋泰伟诚宸志强德亮安"
        "嘉毅鹏飞凯翔宏达振华国栋梁永康乐成远航海峰山林森松柏青云风雨雷电光辉耀星月日升平和"));
    std::vector<std::string> pool;
    while (pool.size() < 400) pool.insert(pool.end(), chars.begin(), chars.end());
    pool.resize(400);
    return pool;
}

void BM_LoadDatabase(benchmark::State& state) {
    for (auto _ : state) {
        NameDatabase db;
        benchmark::DoNotOptimize(loadNameDatabase(db, QINGHE_BUILT_DATABASE, nullptr));
    }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LookupCharacter(benchmark::State& state) {
    NameDatabase& db = database();
    std::vector<std::string> pool = poolCharacters();
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(lookupCharacter(db, pool[i++ % pool.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupCharacter);

void BM_LookupStrokesAndElement(benchmark::State& state) {
    NameDatabase& db = database();
    std::vector<std::string> pool = poolCharacters();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(lookupCharacter(db, pool[i++ % pool.size()], CharFields::StrokesAndElement));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupStrokesAndElement);

void BM_ScoreName(benchmark::State& state) {
    NameDatabase& db = database();
    PoolCharTable table;
    std::vector<std::string> pool = poolCharacters();
    for (const std::string& c : pool) table.append(lookupCharacter(db, c));
    table.append(lookupCharacter(db, gbk("李")));
    CachedLuck luck(db);  // a job keeps the luck words it has read
    std::vector<std::string> given;
    for (size_t a = 0; a < 40; ++a)
        for (size_t b = 0; b < 40; ++b) given.push_back(pool[a] + pool[b]);
    const std::string surname = gbk("李");
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(scoreName(surname, given[i++ % given.size()], table, luck));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreName);

}  // namespace
