// Pausing and stopping a generation job from another thread. The job calls checkpoint() before
// each candidate; nothing ever suspends or kills the thread from outside.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace qinghe {

// Thrown by checkpoint() once a stop is requested; the job unwinds and ends.
struct JobStopped {};

class JobControl {
public:
    void requestStop();
    void pause();
    void resume();
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
    bool paused() const;

    // Waits while paused; throws JobStopped when a stop was requested.
    void checkpoint();
    // Waits until done() is true or a stop is requested; used by window calls that must wait
    // for the user-interface thread. Returns false when stopped.
    template <class Done>
    bool waitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, Done done);

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> pauseFlag_{false};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
};

template <class Done>
bool JobControl::waitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, Done done) {
    while (!done()) {
        if (stopRequested()) return false;
        cv.wait_for(lock, std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace qinghe
