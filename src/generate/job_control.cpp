#include "generate/job_control.hpp"

namespace qinghe {

void JobControl::requestStop() {
    std::lock_guard lock(mutex_);
    stop_ = true;
    changed_.notify_all();
}

void JobControl::pause() {
    std::lock_guard lock(mutex_);
    pauseFlag_ = true;
}

void JobControl::resume() {
    std::lock_guard lock(mutex_);
    pauseFlag_ = false;
    changed_.notify_all();
}

bool JobControl::paused() const { return pauseFlag_.load(); }

void JobControl::checkpoint() {
    if (pauseFlag_.load(std::memory_order_relaxed)) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !pauseFlag_ || stop_; });
    }
    if (stop_.load(std::memory_order_relaxed)) throw JobStopped{};
}

}  // namespace qinghe
