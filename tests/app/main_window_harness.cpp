#include "main_window_harness.hpp"

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "store/gbk_text.hpp"

namespace qinghe::testing {

MainWindowHarness::MainWindowHarness(bool withDatabase, const std::filesystem::path& sourceDatabase) {
    setenv("XDG_CONFIG_HOME", config_.path().c_str(), 1);
    std::filesystem::permissions(runtime_.path(), std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime_.path().c_str(), 1);
    std::filesystem::create_directories(program_.path() / "data");
    if (!withDatabase) return;
    if (sourceDatabase.empty())
        writeFixtureDatabase(program_.path() / "data" / "namedata.db", defaultFixtureCharacters());
    else
        std::filesystem::copy_file(sourceDatabase, program_.path() / "data" / "namedata.db");
}

MainWindowHarness::~MainWindowHarness() { window_.reset(); }

bool MainWindowHarness::start() {
    guard_ = std::make_unique<SingleInstanceGuard>(
        QString::fromStdString((runtime_.path() / "qinghe.lock").string()));
    window_ = std::make_unique<QingHeMain>(database_, QString::fromStdString(program_.path().string()));
    return window_->startUp(*guard_);
}

void MainWindowHarness::close() {
    if (!window_) return;
    window_->close();
    window_.reset();
    guard_.reset();
}

bool MainWindowHarness::waitForDatabase() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        // The surnames are the last table the loader copies.
        NameDatabase::Statement s = database_.query(gbk("select count(*) from QH_百家姓"));
        bool ready = database_.columnInt(s, 0) > 0;
        database_.finalize(s);
        if (ready) {
            processEventsFor(50);
            return true;
        }
        processEventsFor(20);
    }
    return false;
}

std::filesystem::path MainWindowHarness::settingsFile() const {
    return config_.path() / "qinghe" / "config.dat";
}

void MainWindowHarness::writeSettings(const std::string& gbkText) const {
    std::filesystem::create_directories(settingsFile().parent_path());
    std::ofstream(settingsFile(), std::ios::binary) << gbkText;
}

std::string MainWindowHarness::readSettings() const {
    std::ifstream in(settingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool withModalBox(const std::function<void()>& action, const std::function<void(QMessageBox&)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            inspect(*box);
            box->done(QMessageBox::Ok);
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void processEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

}  // namespace qinghe::testing
