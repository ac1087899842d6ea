#pragma once

// Optional per-phase timing of the solver ("HALVORY_PROFILE") and the
// monotonic nanosecond clock shared by the run loop and the controller.
//
// Instrumenting a function for a section:
//     SolverProfile::Scope scope(ProfileSection::fold);
// With the profile off this costs one flag test; with it on, two clock reads
// and two additions on the calling thread's own counter block.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace halvory {

// Monotonic nanoseconds (CLOCK_MONOTONIC on Linux, the performance counter on
// Windows).
std::uint64_t steady_now_ns() noexcept;

enum class ProfileSection : std::uint8_t {
  run = 0,
  solve_iteration = 1,
  exploitability = 2,
  mes_ev = 3,
  current_ev = 4,
  terminal_eval = 5,
  fold = 6,
  showdown_u = 7,
  showdown_r = 8,
  incomplete = 9,
  regret_matching = 10,
  update_regrets = 11,
  fma_actions = 12,
  strategy_sum_update = 13,
  sum_rows_into = 14,
  chance_aggregate_reuse = 15,
};

class SolverProfile {
 public:
  static constexpr std::size_t kSections = 16;

  // Counter block of one thread: kSections totals in nanoseconds, then
  // kSections call counts. Written only by its own thread (and by reset);
  // cache-line aligned so that threads never share a line.
  struct alignas(64) Local {
    std::uint64_t counters[2 * kSections] = {};

    std::uint64_t total_ns(ProfileSection s) const noexcept;
    std::uint64_t calls(ProfileSection s) const noexcept;
    void add_ns(ProfileSection s, std::uint64_t ns) noexcept;
    void add_call(ProfileSection s) noexcept;
  };

  // Sums over every registered block, and per section the largest single
  // block total.
  struct Snapshot {
    std::uint64_t total_ns[kSections] = {};
    std::uint64_t calls[kSections] = {};
    std::uint64_t max_thread_ns[kSections] = {};
  };

  // Adds the elapsed time to *target on destruction (nothing when null).
  class ScopedTimer {
   public:
    explicit ScopedTimer(std::uint64_t* target) noexcept
        : target_(target), start_(target != nullptr ? steady_now_ns() : 0) {}
    ~ScopedTimer();
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;

   private:
    std::uint64_t* target_;
    std::uint64_t start_;
  };

  // Counts one call of a section and times the enclosing scope, when the
  // profile is on. Adds the time also when the scope is left by exception.
  class Scope {
   public:
    explicit Scope(ProfileSection s) noexcept : timer_(enabled() ? begin(s) : nullptr) {}

   private:
    static std::uint64_t* begin(ProfileSection s) noexcept;
    ScopedTimer timer_;
  };

  // "HALVORY_PROFILE" decides once per process: off when unset, empty or
  // starting with '0'; on otherwise.
  static bool enabled() noexcept {
    const int flag = enabled_flag.load(std::memory_order_relaxed);
    return flag >= 0 ? flag != 0 : compute_enabled();
  }

  // This thread's block, created and registered on first use.
  static Local& local();

  // Zeroes every registered block.
  static void reset();

  static Snapshot snapshot();

  // The summary block that DiscountedCfr::run hands to its log callback at
  // its end when the profile is on.
  static std::string summary_text(const Snapshot& snap, unsigned iterations_completed,
                                  unsigned max_iterations, std::size_t threads,
                                  unsigned exploitability_interval);

  // Number of blocks ever registered (blocks outlive their threads).
  static std::size_t registered_blocks();

  // The rule applied to the variable's value (null = unset).
  static bool parse_enabled(const char* value) noexcept;

 private:
  static bool compute_enabled() noexcept;
  static std::atomic<int> enabled_flag;  // -1 unknown, 0 off, 1 on
};

}  // namespace halvory
