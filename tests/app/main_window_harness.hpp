// A main window started the way the program starts it, in folders of its own: a program folder
// with a small name database, a settings folder ($XDG_CONFIG_HOME) and a runtime folder
// ($XDG_RUNTIME_DIR), all temporary.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/qinghe_main.hpp"
#include "app/single_instance_guard.hpp"
#include "fixture_database.hpp"
#include "store/name_database.hpp"

namespace qinghe::testing {

class MainWindowHarness {
public:
    // withDatabase false leaves data/namedata.db out of the program folder; a sourceDatabase
    // puts a copy of that file there instead of the small fixture.
    explicit MainWindowHarness(bool withDatabase = true, const std::filesystem::path& sourceDatabase = {});
    ~MainWindowHarness();

    // Builds the window and runs its start-up sequence; returns false when the guard said no.
    bool start();
    // Closes the window (the shut-down sequence) and destroys it.
    void close();

    QingHeMain& window() { return *window_; }
    // Waits until the loader has copied the database (at most a few seconds).
    bool waitForDatabase();
    NameDatabase& database() { return database_; }
    std::filesystem::path settingsFile() const;
    void writeSettings(const std::string& gbkText) const;
    std::string readSettings() const;  // the file's bytes, GBK

    template <class T>
    T* find(const char* name) {
        return window_->findChild<T*>(QString::fromUtf8(name));
    }

private:
    TempFolder program_;
    TempFolder config_;
    TempFolder runtime_;
    NameDatabase database_;
    std::unique_ptr<SingleInstanceGuard> guard_;
    std::unique_ptr<QingHeMain> window_;
};

// Runs action, which opens a modal message box, and hands the box to inspect before closing it.
// Returns false when no box came up.
bool withModalBox(const std::function<void()>& action, const std::function<void(QMessageBox&)>& inspect);

// Lets queued calls (the loader's messages) arrive for a while.
void processEventsFor(int milliseconds);

}  // namespace qinghe::testing
