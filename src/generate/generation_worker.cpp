#include "generate/generation_worker.hpp"

namespace qinghe {

GenerationWorker::~GenerationWorker() { terminate(); }

void GenerationWorker::start(std::function<void(JobControl&)> work) {
    start(std::make_shared<JobControl>(), std::move(work));
}

void GenerationWorker::start(std::shared_ptr<JobControl> control, std::function<void(JobControl&)> work) {
    terminate();
    control_ = std::move(control);
    finished_ = std::make_shared<std::atomic<bool>>(false);
    thread_ = std::thread([control = control_, finished = finished_, work = std::move(work)] {
        try {
            work(*control);
        } catch (const JobStopped&) {
        }
        *finished = true;
    });
}

bool GenerationWorker::terminate() {
    if (!thread_.joinable()) return false;
    bool wasRunning = !*finished_;
    control_->requestStop();
    thread_.join();
    return wasRunning;
}

void GenerationWorker::suspend() {
    if (control_) control_->pause();
}

void GenerationWorker::resume() {
    if (control_) control_->resume();
}

bool GenerationWorker::running() const { return thread_.joinable() && !*finished_; }

bool GenerationWorker::paused() const { return control_ && control_->paused(); }

}  // namespace qinghe
