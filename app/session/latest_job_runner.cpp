#include "session/latest_job_runner.hpp"

#include <utility>

#include "context/thread_start.hpp"

namespace halvory_app {

LatestJobRunner::~LatestJobRunner() {
  stop();
}

void LatestJobRunner::submit(Job job) {
  std::lock_guard<std::mutex> lock(mutex);
  if (stopping) return;
  if (!thread.joinable()) thread = std::thread(&LatestJobRunner::run, this);
  waiting = std::move(job);
  // The running job (if any) is stale now; the flag is lowered again when
  // the waiting one is taken.
  cancel.store(true);
  wake.notify_one();
}

void LatestJobRunner::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
    waiting = nullptr;
    cancel.store(true);
  }
  wake.notify_one();
  if (!thread.joinable()) return;
  // A job that stops its own runner cannot wait for its own thread.
  if (thread.get_id() == std::this_thread::get_id()) {
    thread.detach();
  } else {
    thread.join();
  }
}

void LatestJobRunner::run() {
  halvory::run_thread_start_hook();
  std::unique_lock<std::mutex> lock(mutex);
  for (;;) {
    wake.wait(lock, [this] { return stopping || waiting != nullptr; });
    if (stopping) return;
    Job job = std::move(waiting);
    waiting = nullptr;
    cancel.store(false);
    lock.unlock();
    try {
      job(&cancel);
    } catch (...) {
      // Nobody is left to hear of it; the next job runs as usual.
    }
    job = nullptr;  // release the job's captures before waiting again
    lock.lock();
  }
}

}  // namespace halvory_app
