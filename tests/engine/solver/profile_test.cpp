#include "solver/profile.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace halvory {
namespace {

TEST(SteadyClock, ReadsTheMonotonicClock) {
  using std::chrono::steady_clock;
  std::uint64_t prev = steady_now_ns();
  for (int i = 0; i < 1000; ++i) {
    const std::uint64_t a = steady_now_ns();
    const auto mid = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(steady_clock::now().time_since_epoch())
            .count());
    const std::uint64_t b = steady_now_ns();
    ASSERT_LE(prev, a);
    ASSERT_LE(a, mid);  // same clock source on Linux
    ASSERT_LE(mid, b);
    prev = b;
  }
  const std::uint64_t start = steady_now_ns();
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GE(steady_now_ns() - start, 5'000'000u);
}

TEST(ProfileFlag, ValueRule) {
  EXPECT_FALSE(SolverProfile::parse_enabled(nullptr));
  EXPECT_FALSE(SolverProfile::parse_enabled(""));
  EXPECT_FALSE(SolverProfile::parse_enabled("0"));
  EXPECT_FALSE(SolverProfile::parse_enabled("0yes"));
  EXPECT_TRUE(SolverProfile::parse_enabled("1"));
  EXPECT_TRUE(SolverProfile::parse_enabled("yes"));
  EXPECT_TRUE(SolverProfile::parse_enabled("false"));
  EXPECT_TRUE(SolverProfile::parse_enabled("no"));
  EXPECT_TRUE(SolverProfile::parse_enabled(" 0"));
}

void run_in_profile_child(const char* env_value, void (*body)()) {
  if (env_value != nullptr) {
    setenv("HALVORY_PROFILE", env_value, 1);
  } else {
    unsetenv("HALVORY_PROFILE");
  }
  body();
  std::exit(::testing::Test::HasFailure() ? 1 : 0);
}

// The flag is decided once per process, so each case runs in a fresh child.
class ProfileProcess : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

void timed_section_sleeping(std::chrono::milliseconds d) {
  SolverProfile::Scope scope(ProfileSection::fold);
  std::this_thread::sleep_for(d);
}

void timed_section_throwing() {
  SolverProfile::Scope scope(ProfileSection::showdown_r);
  std::this_thread::sleep_for(std::chrono::milliseconds(3));
  throw std::runtime_error("leaves by exception");
}

TEST_F(ProfileProcess, OnCountsCallsAndTimePerThread) {
  EXPECT_EXIT(
      run_in_profile_child("1",
                           [] {
                             EXPECT_TRUE(SolverProfile::enabled());
                             setenv("HALVORY_PROFILE", "0", 1);
                             EXPECT_TRUE(SolverProfile::enabled()) << "decided once";
                             SolverProfile::reset();
                             // Main thread: 2 calls; four threads: 1, 2, 3, 4 calls.
                             timed_section_sleeping(std::chrono::milliseconds(2));
                             timed_section_sleeping(std::chrono::milliseconds(2));
                             std::vector<std::thread> ts;
                             for (int k = 1; k <= 4; ++k) {
                               ts.emplace_back([k] {
                                 for (int i = 0; i < k; ++i)
                                   timed_section_sleeping(std::chrono::milliseconds(3));
                               });
                             }
                             for (auto& t : ts) t.join();
                             EXPECT_THROW(timed_section_throwing(), std::runtime_error);

                             const auto snap = SolverProfile::snapshot();
                             const auto fold = static_cast<std::size_t>(ProfileSection::fold);
                             const auto sr = static_cast<std::size_t>(ProfileSection::showdown_r);
                             EXPECT_EQ(snap.calls[fold], 12u);
                             EXPECT_GE(snap.total_ns[fold], 34'000'000u);
                             // Largest block: the thread with four 3 ms calls.
                             EXPECT_GE(snap.max_thread_ns[fold], 12'000'000u);
                             EXPECT_LT(snap.max_thread_ns[fold], snap.total_ns[fold]);
                             EXPECT_EQ(snap.calls[sr], 1u);
                             EXPECT_GE(snap.total_ns[sr], 3'000'000u);
                             // Blocks of ended threads stay registered until reset.
                             EXPECT_GE(SolverProfile::registered_blocks(), 5u);

                             SolverProfile::reset();
                             timed_section_sleeping(std::chrono::milliseconds(1));
                             const auto again = SolverProfile::snapshot();
                             EXPECT_EQ(again.calls[fold], 1u);
                             EXPECT_EQ(again.calls[sr], 0u);
                             EXPECT_GE(again.total_ns[fold], 1'000'000u);
                             EXPECT_LT(again.total_ns[fold], snap.total_ns[fold]);
                           }),
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ProfileProcess, OffCountsNothing) {
  for (const char* value : {static_cast<const char*>(nullptr), "", "0"}) {
    static const char* current;
    current = value;
    EXPECT_EXIT(run_in_profile_child(current,
                                     [] {
                                       EXPECT_FALSE(SolverProfile::enabled());
                                       setenv("HALVORY_PROFILE", "1", 1);
                                       EXPECT_FALSE(SolverProfile::enabled()) << "decided once";
                                       const std::size_t blocks =
                                           SolverProfile::registered_blocks();
                                       timed_section_sleeping(std::chrono::milliseconds(1));
                                       const auto snap = SolverProfile::snapshot();
                                       for (std::size_t s = 0; s < SolverProfile::kSections; ++s) {
                                         EXPECT_EQ(snap.calls[s], 0u);
                                         EXPECT_EQ(snap.total_ns[s], 0u);
                                       }
                                       EXPECT_EQ(SolverProfile::registered_blocks(), blocks);
                                     }),
                ::testing::ExitedWithCode(0), "")
        << (value ? value : "(unset)");
  }
}

// The registry works the same whatever the flag says; blocks are filled by hand.
TEST(ProfileRegistry, SnapshotSumsBlocksAndKeepsLargestPerSection) {
  SolverProfile::reset();
  std::vector<std::thread> ts;
  for (std::uint64_t k = 1; k <= 6; ++k) {
    ts.emplace_back([k] {
      SolverProfile::Local& block = SolverProfile::local();
      EXPECT_EQ(&block, &SolverProfile::local()) << "one block per thread";
      block.add_call(ProfileSection::regret_matching);
      block.add_ns(ProfileSection::regret_matching, 100 * k);
      block.add_ns(ProfileSection::chance_aggregate_reuse, 1000 - 100 * k);
    });
  }
  for (auto& t : ts) t.join();
  const auto snap = SolverProfile::snapshot();
  const auto rm = static_cast<std::size_t>(ProfileSection::regret_matching);
  const auto car = static_cast<std::size_t>(ProfileSection::chance_aggregate_reuse);
  EXPECT_EQ(snap.calls[rm], 6u);
  EXPECT_EQ(snap.total_ns[rm], 2100u);
  EXPECT_EQ(snap.max_thread_ns[rm], 600u);
  EXPECT_EQ(snap.total_ns[car], 3900u);
  EXPECT_EQ(snap.max_thread_ns[car], 900u);
  EXPECT_EQ(snap.calls[car], 0u);

  SolverProfile::reset();
  const auto zero = SolverProfile::snapshot();
  for (std::size_t s = 0; s < SolverProfile::kSections; ++s) {
    EXPECT_EQ(zero.calls[s], 0u);
    EXPECT_EQ(zero.total_ns[s], 0u);
    EXPECT_EQ(zero.max_thread_ns[s], 0u);
  }
}

TEST(ProfileSummary, LayoutAndNumbers) {
  SolverProfile::Snapshot snap;
  for (std::size_t s = 0; s < SolverProfile::kSections; ++s) {
    snap.calls[s] = 10 + s;
    snap.total_ns[s] = 1'000'000 * (s + 1) + 400;  // (s + 1).0004 ms
    snap.max_thread_ns[s] = 250'000 * (s + 1);
  }
  const std::string text = SolverProfile::summary_text(snap, 120, 200, 8, 50);
  const std::string expected =
      "\n[HALVORY_PROFILE] DiscountedCfr::run summary\n"
      "  iterations_completed=120  max_iterations=200  threads=8  exploitability_interval=50\n"
      "  total_run_ms=1.000  max_thread_ms=0.250\n"
      "  solve_iteration: calls=11  total_ms=2.000  max_thread_ms=0.500\n"
      "  exploitability:  calls=12  total_ms=3.000  max_thread_ms=0.750  (mes_ev_ms=4.000, "
      "current_ev_ms=5.000)\n"
      "  terminal_eval:   calls=15  total_ms=6.000  max_thread_ms=1.500\n"
      "    fold:          calls=16  total_ms=7.000  max_thread_ms=1.750\n"
      "    showdown_u:    calls=17  total_ms=8.000  max_thread_ms=2.000\n"
      "    showdown_r:    calls=18  total_ms=9.000  max_thread_ms=2.250\n"
      "    incomplete:    calls=19  total_ms=10.000  max_thread_ms=2.500\n"
      "  kernels (flat arrays):\n"
      "    regret_matching:     calls=20  total_ms=11.000  max_thread_ms=2.750\n"
      "    update_regrets:      calls=21  total_ms=12.000  max_thread_ms=3.000\n"
      "    fma_actions:         calls=22  total_ms=13.000  max_thread_ms=3.250\n"
      "    strategy_sum_update: calls=23  total_ms=14.000  max_thread_ms=3.500\n"
      "    sum_rows_into:       calls=24  total_ms=15.000  max_thread_ms=3.750\n"
      "  chance_aggregate_reuse: calls=25  total_ms=16.000  max_thread_ms=4.000\n";
  EXPECT_EQ(text, expected);

  // Counts beyond 32 bits and long runs keep their digits.
  SolverProfile::Snapshot big;
  big.calls[1] = 5'000'000'000ULL;
  big.total_ns[1] = 123'456'789'012'345ULL;
  const std::string big_text =
      SolverProfile::summary_text(big, 4'000'000'000u, 4'000'000'001u, 64, 0);
  EXPECT_NE(big_text.find("calls=5000000000  total_ms=123456789.012"), std::string::npos)
      << big_text;
  EXPECT_NE(big_text.find("iterations_completed=4000000000  max_iterations=4000000001"),
            std::string::npos);
}

}  // namespace
}  // namespace halvory
