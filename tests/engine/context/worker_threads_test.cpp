#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "context/worker_threads.hpp"

namespace halvory {
namespace {

TEST(WorkerThreads, RunsEveryTaskOnce) {
  std::vector<std::atomic<int>> runs(13);
  run_worker_threads(runs.size(), [&](std::size_t i, const std::atomic<bool>&) { ++runs[i]; });
  for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
  run_worker_threads(0, [](std::size_t, const std::atomic<bool>&) { FAIL(); });
}

TEST(WorkerThreads, FailureIsRethrownAfterEveryThreadEnded) {
  // Task 2 fails; the others keep working until they see the stop flag. When
  // the call returns, every thread must have finished (none left running).
  std::atomic<int> finished{0};
  std::atomic<int> saw_stop{0};
  try {
    run_worker_threads(6, [&](std::size_t i, const std::atomic<bool>& stop) {
      if (i == 2) {
        ++finished;
        throw std::runtime_error("worker 2 failed");
      }
      const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (!stop.load() && std::chrono::steady_clock::now() < give_up) std::this_thread::yield();
      saw_stop += stop.load() ? 1 : 0;
      ++finished;
    });
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "worker 2 failed");
  }
  EXPECT_EQ(finished.load(), 6);
  EXPECT_EQ(saw_stop.load(), 5);
}

}  // namespace
}  // namespace halvory
