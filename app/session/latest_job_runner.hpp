#pragma once
// Runs jobs one at a time on a thread of its own, where only the newest job
// matters: a new job replaces the one still waiting and cancels the one
// running. Used for the memory estimate, which the set-up page asks for on
// every edit.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "context/build_cancel.hpp"

namespace halvory_app {

class LatestJobRunner {
 public:
  // A job gets the flag that is raised once a newer job arrives or the
  // runner stops; it should return soon after.
  using Job = std::function<void(halvory::CancelFlag)>;

  LatestJobRunner() = default;
  ~LatestJobRunner();
  LatestJobRunner(const LatestJobRunner&) = delete;
  LatestJobRunner& operator=(const LatestJobRunner&) = delete;

  // Starts the thread on first use; throws std::system_error when it cannot
  // be started (the job is then dropped).
  void submit(Job job);

  // Drops the waiting job, cancels the running one and joins the thread.
  // Later submissions are ignored.
  void stop();

 private:
  void run();

  std::mutex mutex;
  std::condition_variable wake;
  Job waiting;
  bool stopping = false;
  std::atomic<bool> cancel{false};
  std::thread thread;
};

}  // namespace halvory_app
