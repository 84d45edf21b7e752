// The holder of the generation worker thread: one job at a time. Starting a job stops the one
// that exists first; pause and continue are cooperative, checked before each candidate.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "generate/job_control.hpp"

namespace qinghe {

class GenerationWorker {
public:
    ~GenerationWorker();

    // Stops any job, then runs work on a new thread. work gets the job's control and ends by
    // returning (or by JobStopped, which the worker swallows).
    void start(std::function<void(JobControl&)> work);
    // The same with a control the caller made first (the window side of the job needs it
    // before the thread runs).
    void start(std::shared_ptr<JobControl> control, std::function<void(JobControl&)> work);
    // Stops the job at its next checkpoint and waits for the thread. Returns true when a job
    // was still running (so the caller may reset what the job would have reset at its end).
    bool terminate();
    void suspend();
    void resume();
    bool running() const;
    bool paused() const;

private:
    std::thread thread_;
    std::shared_ptr<JobControl> control_;
    std::shared_ptr<std::atomic<bool>> finished_;
};

}  // namespace qinghe
