#include "generate/recorded_window.hpp"

#include <algorithm>

#include "generate/name_list_row.hpp"

namespace qinghe {

void RecordedWindow::showWaiting() {
    std::lock_guard guard(mutex_);
    waitingShown = true;
    ++waitingOpenings;
    events.push_back("waiting:shown");
}

void RecordedWindow::closeWaiting() {
    std::lock_guard guard(mutex_);
    if (waitingShown) events.push_back("waiting:closed");
    waitingShown = false;
}

void RecordedWindow::setControlEnabled(JobControlId control, bool on) {
    std::lock_guard guard(mutex_);
    enabled[control] = on;
    events.push_back(std::string(on ? "enabled:" : "disabled:") + std::to_string(static_cast<int>(control)));
}

void RecordedWindow::showPage(int page) {
    std::lock_guard guard(mutex_);
    pagesShown.push_back(page);
}

void RecordedWindow::message(const std::string& text, MessageIcon icon) {
    {
        std::lock_guard guard(mutex_);
        messages.emplace_back(text, icon);
        events.push_back("message");
    }
    if (onMessage) onMessage(text);
}

void RecordedWindow::prepareRows(ResultList list, size_t count) {
    std::lock_guard guard(mutex_);
    rows_[list].assign(count, NameListRow{});
}

void RecordedWindow::fillRow(ResultList list, size_t row, const NameListRow& content) {
    {
        std::lock_guard guard(mutex_);
        rows_[list][row] = content;
    }
    if (onRowFilled) onRowFilled(list, row);
}

void RecordedWindow::keepRows(ResultList list, size_t count) {
    std::lock_guard guard(mutex_);
    rows_[list].resize(std::min(count, rows_[list].size()));
}

void RecordedWindow::sortByScoreAndRenumber(ResultList list) {
    std::lock_guard guard(mutex_);
    sortRowsByScore(rows_[list]);
}

void RecordedWindow::setClassicText(const std::string& text) {
    std::lock_guard guard(mutex_);
    classicText = text;
}

void RecordedWindow::progress(size_t, size_t) {
    std::lock_guard guard(mutex_);
    ++progressCalls;
}

}  // namespace qinghe
