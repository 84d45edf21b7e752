#include "generate/gui/qt_generation_window.hpp"

#include <QElapsedTimer>
#include <QMetaObject>

#include "app/name_list_model.hpp"

namespace qinghe {
namespace {

// The UI thread spends at most this long per turn on the job's updates, then handles events.
constexpr qint64 kBatchMilliseconds = 8;

}  // namespace

QtGenerationWindow::QtGenerationWindow(GenerationInputs inputs, GenerationTargets targets, JobControl& control,
                                       QObject* parent)
    : QObject(parent), targets_(std::move(targets)), control_(control) {
    this->inputs = std::move(inputs);
}

void QtGenerationWindow::post(Update update, bool wait) {
    std::unique_lock lock(mutex_);
    if (discarded_ || control_.stopRequested()) throw JobStopped{};
    unsigned long long ticket = ++posted_;
    queue_.emplace_back(ticket, std::move(update));
    if (!scheduled_) {
        scheduled_ = true;
        QMetaObject::invokeMethod(this, "applySome", Qt::QueuedConnection);
    }
    if (!wait) return;
    if (!control_.waitUntil(lock, applied_, [&] { return appliedUpTo_ >= ticket || discarded_; }) || discarded_)
        throw JobStopped{};
}

bool QtGenerationWindow::applyOne() {
    std::pair<unsigned long long, Update> next;
    {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) return false;
        next = std::move(queue_.front());
        queue_.pop_front();
    }
    next.second();
    {
        std::lock_guard lock(mutex_);
        appliedUpTo_ = next.first;
    }
    applied_.notify_all();
    return true;
}

void QtGenerationWindow::applySome() {
    QElapsedTimer timer;
    timer.start();
    bool showProgress = false;
    size_t done = 0, total = 0;
    {
        std::lock_guard lock(mutex_);
        std::swap(showProgress, progressPending_);
        done = progressDone_;
        total = progressTotal_;
    }
    if (showProgress && targets_.progress) targets_.progress(done, total);
    while (timer.elapsed() < kBatchMilliseconds) {
        if (!applyOne()) break;
    }
    std::lock_guard lock(mutex_);
    if (queue_.empty() && !progressPending_) {
        scheduled_ = false;
    } else {
        // Let the window handle its events, then go on.
        QMetaObject::invokeMethod(this, "applySome", Qt::QueuedConnection);
    }
}

void QtGenerationWindow::applyPending() {
    while (applyOne()) {
    }
}

void QtGenerationWindow::discardPending() {
    {
        std::lock_guard lock(mutex_);
        queue_.clear();
        discarded_ = true;
    }
    applied_.notify_all();
}

void QtGenerationWindow::showWaiting() {
    post([this] { targets_.setWaitingVisible(true); }, true);
}

void QtGenerationWindow::closeWaiting() {
    post([this] { targets_.setWaitingVisible(false); }, true);
}

void QtGenerationWindow::setControlEnabled(JobControlId control, bool enabled) {
    post([this, control, enabled] { targets_.setControlEnabled(control, enabled); }, true);
}

void QtGenerationWindow::showPage(int page) {
    post([this, page] { targets_.showPage(page); }, true);
}

void QtGenerationWindow::message(const std::string& text, MessageIcon icon) {
    post([this, text, icon] { targets_.message(text, icon); }, true);
}

void QtGenerationWindow::handOver(ResultList list, bool wait) {
    auto rows = std::make_shared<std::vector<NameListRow>>(mirror_[list]);
    post([this, list, rows] { targets_.lists.at(list)->resetRows(std::move(*rows)); }, wait);
}

void QtGenerationWindow::prepareRows(ResultList list, size_t count) {
    mirror_[list].assign(count, NameListRow{});
    handOver(list, false);
}

void QtGenerationWindow::fillRow(ResultList list, size_t row, const NameListRow& content) {
    mirror_[list][row] = content;
    post([this, list, row, content] { targets_.lists.at(list)->setRow(row, content); }, false);
}

void QtGenerationWindow::keepRows(ResultList list, size_t count) {
    std::vector<NameListRow>& rows = mirror_[list];
    if (count < rows.size()) rows.resize(count);
    post([this, list, count] { targets_.lists.at(list)->keepRows(count); }, false);
}

void QtGenerationWindow::sortByScoreAndRenumber(ResultList list) {
    sortRowsByScore(mirror_[list]);
    handOver(list, true);
}

void QtGenerationWindow::setClassicText(const std::string& text) {
    post([this, text] { targets_.setClassicText(text); }, true);
}

void QtGenerationWindow::progress(size_t done, size_t total) {
    std::lock_guard lock(mutex_);
    progressDone_ = done;
    progressTotal_ = total;
    progressPending_ = true;
    if (!scheduled_) {
        scheduled_ = true;
        QMetaObject::invokeMethod(this, "applySome", Qt::QueuedConnection);
    }
}

}  // namespace qinghe
