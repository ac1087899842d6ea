// Queries through the session while another thread queries the same solve
// and the results are cleared: held results stay alive, later queries give
// no value. Meant for the sanitizer build.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "queries/node_queries.hpp"
#include "session/solve_session.hpp"
#include "solved_spot.hpp"

namespace halvory_app {
namespace {

class SolveWaiter {
 public:
  ProgressCallback callback() {
    return [this](const SolveProgress& progress) {
      if (!progress.result) return;
      std::lock_guard lock(mutex_);
      ok_ = progress.result->ok;
      done_ = true;
      changed_.notify_all();
    };
  }
  bool wait_ok() {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(120), [this] { return done_; });
    return done_ && ok_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool done_ = false;
  bool ok_ = false;
};

TEST(SessionQueries, NoValueBeforeAnySolve) {
  SolveSession session;
  EXPECT_FALSE(solved_game_of(session).game);
  EXPECT_FALSE(node_action_stats(session, 0));
  EXPECT_FALSE(node_hand_buckets(session, 0));
  EXPECT_FALSE(node_hand_distributions(session, 0));
  EXPECT_FALSE(node_hand_strategy(session, 0));
  EXPECT_FALSE(node_hand_combos(session, 0));
  EXPECT_FALSE(node_ev(session, 0, 0));
  EXPECT_FALSE(node_pocket_action_evs(session, 0, 0, "Ah", "Kh"));
  EXPECT_FALSE(node_seat_hand_combos(session, 0, 0));
}

TEST(SessionQueries, ConcurrentQueriesSurviveClearResults) {
  SolveSession session;
  SolveWaiter waiter;
  SolveConfig request = spots::turn_request();
  request.max_iterations = 10;
  request.thread_count = 2;
  request.compress = true;  // packed strategy sums are decoded by concurrent readers
  ASSERT_TRUE(session.start(request, waiter.callback()));
  ASSERT_TRUE(waiter.wait_ok());
  ASSERT_TRUE(node_action_stats(session, 0));
  const std::size_t node_count = solved_game_of(session).game->plan.nodes.size();

  std::atomic<bool> cleared{false};
  std::atomic<int> answered_after_clear{0};
  std::atomic<int> held_answers{0};
  // A query that took the objects before the clear keeps them alive (taken
  // here, so that a slow thread start cannot take them after the clear).
  const SolvedGame held = solved_game_of(session);
  std::thread other([&] {
    for (int round = 0; round < 200; ++round) {
      const bool was_cleared = cleared.load();
      const auto combos = node_hand_combos(session, 0);
      const auto dist = node_hand_distributions(session, round % node_count);
      if (was_cleared && (combos || dist)) ++answered_after_clear;
      if (node_hand_combos(held, 0) && node_ev(held, 0, 1)) ++held_answers;
      if (was_cleared && round > 20) break;
    }
  });
  for (int round = 0; round < 10; ++round) {
    EXPECT_TRUE(node_hand_strategy(session, 0));
    node_action_stats(session, static_cast<std::uint64_t>(round));
  }
  session.clear_results();
  cleared = true;
  other.join();

  EXPECT_EQ(answered_after_clear.load(), 0);
  EXPECT_GT(held_answers.load(), 0);
  EXPECT_FALSE(node_hand_strategy(session, 0));
  EXPECT_FALSE(node_seat_hand_combos(session, 0, 0));
}

}  // namespace
}  // namespace halvory_app
