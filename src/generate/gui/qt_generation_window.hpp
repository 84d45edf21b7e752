// The desktop window's side of a generation job. The job calls this object on its worker
// thread; every call is handed to the user-interface thread in the order the job makes it.
// Calls whose result the job needs, and those that change what the user sees around the job
// (the waiting window, buttons, pages, message boxes), wait until the UI thread has applied
// them; the rows of the result lists are applied in batches of a few milliseconds' work, so the
// window keeps answering however fast the job fills them. Once the job is told to stop, waiting
// calls throw JobStopped and nothing more is applied.
#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "generate/generation_window.hpp"
#include "generate/job_control.hpp"

namespace qinghe {

class NameListModel;

// What the job acts on; every function runs on the UI thread.
struct GenerationTargets {
    std::map<ResultList, NameListModel*> lists;
    std::function<void(bool visible)> setWaitingVisible;
    std::function<void(JobControlId, bool)> setControlEnabled;
    std::function<void(int page)> showPage;
    std::function<void(const std::string& text, MessageIcon icon)> message;  // modal
    std::function<void(const std::string& text)> setClassicText;
    std::function<void(size_t done, size_t total)> progress;
};

class QtGenerationWindow : public QObject, public FixedInputsWindow {
    Q_OBJECT

public:
    // inputs: what the job reads, taken on the UI thread when the job starts.
    QtGenerationWindow(GenerationInputs inputs, GenerationTargets targets, JobControl& control,
                       QObject* parent = nullptr);

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

    // UI thread: applies everything the job has handed over so far (before an export while
    // paused, say).
    void applyPending();
    // UI thread: drops what is still queued; the job is over or being stopped.
    void discardPending();

private slots:
    void applySome();

private:
    using Update = std::function<void()>;
    // Applies the oldest queued update; false when there is none.
    bool applyOne();
    // Queues an update; with wait, returns only once the UI thread has applied it.
    void post(Update update, bool wait);
    // Hands a copy of the job's rows of a list to the list's model.
    void handOver(ResultList list, bool wait);

    GenerationTargets targets_;
    JobControl& control_;

    std::mutex mutex_;
    std::condition_variable applied_;
    std::deque<std::pair<unsigned long long, Update>> queue_;
    unsigned long long posted_ = 0;
    unsigned long long appliedUpTo_ = 0;
    bool scheduled_ = false;
    bool discarded_ = false;
    // The job's own copy of each list's rows (worker thread only): the big steps (preparing
    // 100,001 rows, sorting them) are done here and the finished vector is handed over, so the
    // UI thread only swaps it in.
    std::map<ResultList, std::vector<NameListRow>> mirror_;
    // The last progress figures; only the newest is shown.
    size_t progressDone_ = 0, progressTotal_ = 0;
    bool progressPending_ = false;
};

}  // namespace qinghe
