#include "solver/profile.hpp"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <vector>

#if defined(__linux__)
#include <time.h>
#endif

namespace halvory {

namespace {

constexpr std::uint64_t kNsPerSecond = 1'000'000'000ULL;

// Counters are written only by their own thread, but reset and snapshot read
// or write them from another one; relaxed atomic access keeps that defined
// without a locked instruction on the counting path.
std::uint64_t load_counter(const std::uint64_t& c) noexcept {
  return std::atomic_ref<std::uint64_t>(const_cast<std::uint64_t&>(c))
      .load(std::memory_order_relaxed);
}
void store_counter(std::uint64_t& c, std::uint64_t v) noexcept {
  std::atomic_ref<std::uint64_t>(c).store(v, std::memory_order_relaxed);
}
void add_counter(std::uint64_t& c, std::uint64_t d) noexcept {
  store_counter(c, load_counter(c) + d);
}

struct Registry {
  std::mutex mutex;
  std::vector<std::shared_ptr<SolverProfile::Local>> blocks;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

// The owning slot releases the thread's reference when the thread ends; the
// raw pointer is the trivially-destructible fast path.
thread_local std::shared_ptr<SolverProfile::Local> tls_block;
thread_local SolverProfile::Local* tls_block_ptr = nullptr;

std::size_t index_of(ProfileSection s) noexcept {
  return static_cast<std::size_t>(s);
}

}  // namespace

std::uint64_t steady_now_ns() noexcept {
#if defined(__linux__)
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::uint64_t>(ts.tv_sec) * kNsPerSecond +
         static_cast<std::uint64_t>(ts.tv_nsec);
#else
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
#endif
}

// ---- Local -----------------------------------------------------------------

std::uint64_t SolverProfile::Local::total_ns(ProfileSection s) const noexcept {
  return load_counter(counters[index_of(s)]);
}
std::uint64_t SolverProfile::Local::calls(ProfileSection s) const noexcept {
  return load_counter(counters[kSections + index_of(s)]);
}
void SolverProfile::Local::add_ns(ProfileSection s, std::uint64_t ns) noexcept {
  add_counter(counters[index_of(s)], ns);
}
void SolverProfile::Local::add_call(ProfileSection s) noexcept {
  add_counter(counters[kSections + index_of(s)], 1);
}

// ---- timers ----------------------------------------------------------------

SolverProfile::ScopedTimer::~ScopedTimer() {
  if (target_ != nullptr) add_counter(*target_, steady_now_ns() - start_);
}

std::uint64_t* SolverProfile::Scope::begin(ProfileSection s) noexcept {
  Local* block = tls_block_ptr;
  if (block == nullptr) {
    try {
      block = &local();
    } catch (...) {
      return nullptr;  // registration failed: this call goes untimed
    }
  }
  block->add_call(s);
  return &block->counters[index_of(s)];
}

// ---- enabled flag ----------------------------------------------------------

std::atomic<int> SolverProfile::enabled_flag{-1};

bool SolverProfile::parse_enabled(const char* value) noexcept {
  return value != nullptr && value[0] != '\0' && value[0] != '0';
}

bool SolverProfile::compute_enabled() noexcept {
  const int computed = parse_enabled(std::getenv("HALVORY_PROFILE")) ? 1 : 0;
  int expected = -1;
  // The first decision wins; a racing thread adopts it.
  if (!enabled_flag.compare_exchange_strong(expected, computed, std::memory_order_relaxed))
    return expected != 0;
  return computed != 0;
}

// ---- registry --------------------------------------------------------------

SolverProfile::Local& SolverProfile::local() {
  if (tls_block_ptr != nullptr) return *tls_block_ptr;
  auto block = std::make_shared<Local>();
  Registry& reg = registry();
  {
    std::lock_guard<std::mutex> lock(reg.mutex);
    reg.blocks.push_back(block);
  }
  tls_block = std::move(block);
  tls_block_ptr = tls_block.get();
  return *tls_block_ptr;
}

void SolverProfile::reset() {
  Registry& reg = registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  for (const auto& block : reg.blocks) {
    for (std::uint64_t& c : block->counters) store_counter(c, 0);
  }
}

SolverProfile::Snapshot SolverProfile::snapshot() {
  Snapshot snap;
  Registry& reg = registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  for (const auto& block : reg.blocks) {
    for (std::size_t s = 0; s < kSections; ++s) {
      const std::uint64_t total = load_counter(block->counters[s]);
      snap.total_ns[s] += total;
      snap.calls[s] += load_counter(block->counters[kSections + s]);
      snap.max_thread_ns[s] = std::max(snap.max_thread_ns[s], total);
    }
  }
  return snap;
}

std::size_t SolverProfile::registered_blocks() {
  Registry& reg = registry();
  std::lock_guard<std::mutex> lock(reg.mutex);
  return reg.blocks.size();
}

// ---- summary ---------------------------------------------------------------

std::string SolverProfile::summary_text(const Snapshot& snap, unsigned iterations_completed,
                                        unsigned max_iterations, std::size_t threads,
                                        unsigned exploitability_interval) {
  std::string out;
  char line[256];
  auto ms = [](std::uint64_t ns) { return static_cast<double>(ns) / 1e6; };
  auto append = [&](int written) {
    if (written > 0)
      out.append(line, std::min<std::size_t>(static_cast<std::size_t>(written), sizeof line - 1));
  };
  auto section = [&](const char* format, ProfileSection s) {
    const std::size_t i = index_of(s);
    append(std::snprintf(line, sizeof line, format, static_cast<unsigned long long>(snap.calls[i]),
                         ms(snap.total_ns[i]), ms(snap.max_thread_ns[i])));
  };

  out += "\n[HALVORY_PROFILE] DiscountedCfr::run summary\n";
  append(std::snprintf(
      line, sizeof line,
      "  iterations_completed=%u  max_iterations=%u  threads=%zu  exploitability_interval=%u\n",
      iterations_completed, max_iterations, threads, exploitability_interval));
  append(std::snprintf(line, sizeof line, "  total_run_ms=%.3f  max_thread_ms=%.3f\n",
                       ms(snap.total_ns[index_of(ProfileSection::run)]),
                       ms(snap.max_thread_ns[index_of(ProfileSection::run)])));
  section("  solve_iteration: calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::solve_iteration);
  {
    const std::size_t i = index_of(ProfileSection::exploitability);
    append(std::snprintf(
        line, sizeof line,
        "  exploitability:  calls=%llu  total_ms=%.3f  max_thread_ms=%.3f  (mes_ev_ms=%.3f, "
        "current_ev_ms=%.3f)\n",
        static_cast<unsigned long long>(snap.calls[i]), ms(snap.total_ns[i]),
        ms(snap.max_thread_ns[i]), ms(snap.total_ns[index_of(ProfileSection::mes_ev)]),
        ms(snap.total_ns[index_of(ProfileSection::current_ev)])));
  }
  section("  terminal_eval:   calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::terminal_eval);
  section("    fold:          calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::fold);
  section("    showdown_u:    calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::showdown_u);
  section("    showdown_r:    calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::showdown_r);
  section("    incomplete:    calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::incomplete);
  out += "  kernels (flat arrays):\n";
  section("    regret_matching:     calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::regret_matching);
  section("    update_regrets:      calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::update_regrets);
  section("    fma_actions:         calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::fma_actions);
  section("    strategy_sum_update: calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::strategy_sum_update);
  section("    sum_rows_into:       calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::sum_rows_into);
  section("  chance_aggregate_reuse: calls=%llu  total_ms=%.3f  max_thread_ms=%.3f\n",
          ProfileSection::chance_aggregate_reuse);
  return out;
}

}  // namespace halvory
