#include "session/latest_job_runner.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using halvory_app::LatestJobRunner;
using namespace std::chrono_literals;

// Jobs that run until cancelled (or until `finish` is set), recording how
// each ended and how many ran at once.
struct Journal {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> started;
    std::vector<int> cancelled;
    std::vector<int> finished;
    std::atomic<int> running{0};
    std::atomic<int> most_at_once{0};
    std::atomic<bool> finish{false};

    LatestJobRunner::Job job(int id) {
        return [this, id](halvory::CancelFlag cancel) {
            const int now = ++running;
            if (now > most_at_once) most_at_once = now;
            note(started, id);
            while (!halvory::cancel_requested(cancel) && !finish) std::this_thread::sleep_for(1ms);
            --running;
            note(halvory::cancel_requested(cancel) ? cancelled : finished, id);
        };
    }
    void note(std::vector<int>& list, int id) {
        std::lock_guard<std::mutex> lock(mutex);
        list.push_back(id);
        changed.notify_all();
    }
    bool wait(const std::vector<int>& list, std::size_t size) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, 30s, [&] { return list.size() >= size; });
    }
};

TEST(LatestJobRunner, NewerJobsCancelTheRunningOneAndReplaceTheWaitingOne) {
    Journal journal;
    LatestJobRunner runner;
    runner.submit(journal.job(1));
    ASSERT_TRUE(journal.wait(journal.started, 1));
    for (int id = 2; id <= 20; ++id) runner.submit(journal.job(id));
    ASSERT_TRUE(journal.wait(journal.started, 2));
    journal.finish = true;
    ASSERT_TRUE(journal.wait(journal.finished, 1));
    runner.stop();
    std::lock_guard<std::mutex> lock(journal.mutex);
    EXPECT_EQ(journal.cancelled.front(), 1);
    // Only the newest job is sure to run; the ones in between were replaced
    // before they started (or cancelled once they had).
    EXPECT_EQ(journal.started.back(), 20);
    EXPECT_EQ(journal.finished, std::vector<int>{20});
    EXPECT_EQ(journal.most_at_once.load(), 1);
}

TEST(LatestJobRunner, StopCancelsTheRunningJobAndIgnoresLaterOnes) {
    Journal journal;
    LatestJobRunner runner;
    runner.submit(journal.job(1));
    ASSERT_TRUE(journal.wait(journal.started, 1));
    runner.stop();
    runner.submit(journal.job(2));
    std::lock_guard<std::mutex> lock(journal.mutex);
    EXPECT_EQ(journal.cancelled, std::vector<int>{1});
    EXPECT_EQ(journal.started, std::vector<int>{1});
}

}  // namespace
