#include "session/latest_job_runner.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using halvory_app::LatestJobRunner;
using namespace std::chrono_literals;

TEST(LatestJobRunner, NewerJobsCancelTheRunningOneAndReplaceTheWaitingOne) {
  std::mutex mutex;
  std::vector<int> started, cancelled, finished;
  std::atomic<int> running{0}, most_at_once{0};
  std::atomic<bool> finish{false};
  // Each job runs until it is cancelled or told to finish.
  const auto job = [&](int id) {
    return [&, id](halvory::CancelFlag cancel) {
      most_at_once = std::max(most_at_once.load(), ++running);
      {
        std::lock_guard<std::mutex> lock(mutex);
        started.push_back(id);
      }
      while (!halvory::cancel_requested(cancel) && !finish) std::this_thread::sleep_for(1ms);
      --running;
      std::lock_guard<std::mutex> lock(mutex);
      (halvory::cancel_requested(cancel) ? cancelled : finished).push_back(id);
    };
  };
  const auto count = [&](const std::vector<int>& list) {
    std::lock_guard<std::mutex> lock(mutex);
    return list.size();
  };
  const auto wait_for = [&](const std::vector<int>& list) {
    for (int i = 0; i < 30000 && count(list) == 0; ++i) std::this_thread::sleep_for(1ms);
    return count(list) > 0;
  };

  LatestJobRunner runner;
  runner.submit(job(1));
  ASSERT_TRUE(wait_for(started));
  for (int id = 2; id <= 20; ++id) runner.submit(job(id));
  ASSERT_TRUE(wait_for(cancelled));
  finish = true;
  ASSERT_TRUE(wait_for(finished));
  runner.stop();
  runner.submit(job(21));  // ignored once stopped
  std::lock_guard<std::mutex> lock(mutex);
  EXPECT_EQ(cancelled.front(), 1);
  // Only the newest job is sure to run; the ones between were replaced
  // before they started, or cancelled once they had.
  EXPECT_EQ(started.back(), 20);
  EXPECT_EQ(finished, std::vector<int>{20});
  EXPECT_EQ(most_at_once.load(), 1);
}

}  // namespace
