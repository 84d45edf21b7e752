// How long the main window takes from construction until it is shown: building every page,
// the toolbar and the menus, then the start-up sequence (default skin, show, date lists, the
// eight-character reading, settings, saved names, loader start). Offscreen, so it runs anywhere.
//
//   build/bench/bench_app
//
// The first run pays for what the program does once (the GBK tables, the icons, the style);
// the later ones show the cost of the window itself. Both must stay under 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <memory>

#include "app/qinghe_main.hpp"
#include "app/single_instance_guard.hpp"
#include "store/name_database.hpp"

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// One window from construction to shown; the time of tearing it down is not counted.
double windowUntilShownSeconds() {
    qinghe::NameDatabase database;
    // No data file in the program folder: the loader stops at once, so that tearing the window
    // down does not wait for a copy of the whole database.
    qinghe::SingleInstanceGuard guard(folder().filePath(QStringLiteral("qinghe.lock")));
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<qinghe::QingHeMain>(database, folder().path());
    const bool started = window->startUp(guard);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!started) std::abort();
    window.reset();
    return seconds;
}

void BM_MainWindowUntilShown_FirstTime(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(windowUntilShownSeconds());
}
BENCHMARK(BM_MainWindowUntilShown_FirstTime)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MainWindowUntilShown(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(windowUntilShownSeconds());
}
BENCHMARK(BM_MainWindowUntilShown)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", folder().path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder().path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
