// A generation window without widgets: it holds the inputs a job reads and records everything
// the job does. The command-line tool runs its jobs against it, and so do the tests.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "generate/generation_window.hpp"

namespace qinghe {

class RecordedWindow : public FixedInputsWindow {
public:
    // Called after each message is recorded (the command-line tool prints it).
    std::function<void(const std::string& text)> onMessage;
    // Called after each filled row, on the job's thread (tests pause a job from here).
    std::function<void(ResultList list, size_t row)> onRowFilled;

    void showWaiting() override;
    void closeWaiting() override;
    void setControlEnabled(JobControlId control, bool enabled) override;
    void showPage(int page) override;
    void message(const std::string& text, MessageIcon icon) override;
    void prepareRows(ResultList list, size_t count) override;
    void fillRow(ResultList list, size_t row, const NameListRow& content) override;
    void keepRows(ResultList list, size_t count) override;
    void sortByScoreAndRenumber(ResultList list) override;
    void setClassicText(const std::string& text) override;
    void progress(size_t done, size_t total) override;

    // What the job did; read these after the job (or under lock() while it runs).
    std::unique_lock<std::mutex> lock() { return std::unique_lock(mutex_); }
    std::vector<NameListRow>& rows(ResultList list) { return rows_[list]; }
    std::map<JobControlId, bool> enabled;
    std::vector<int> pagesShown;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    std::string classicText;
    bool waitingShown = false;
    int waitingOpenings = 0;
    size_t progressCalls = 0;
    // The order of events, e.g. "waiting:closed" before "enabled:HighScorePause".
    std::vector<std::string> events;

private:
    std::mutex mutex_;
    std::map<ResultList, std::vector<NameListRow>> rows_;
};

}  // namespace qinghe
