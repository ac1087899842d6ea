#include "solver/dcfr.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <limits>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "solver/dcfr_internal.hpp"
#include "solver/profile.hpp"

namespace halvory {

namespace detail {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below this a few huge pages would cost more memory than they save time.
constexpr std::size_t kHugeFrom = std::size_t{32} << 20;
// From this size on, blocks are pages of their own: they come zeroed, and
// freeing one gives its memory back to the system at once (the heap may keep
// a freed block for later).
constexpr std::size_t kPagesFrom = std::size_t{1} << 20;
}  // namespace

void* allocate_large(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
  if (bytes > SIZE_MAX - 2 * kHugePage) throw std::bad_alloc();
#if defined(__linux__)
  if (bytes >= kPagesFrom && bytes < kHugeFrom) {
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return p;
  }
#endif
  if (bytes < kHugeFrom) {
    void* p = std::aligned_alloc(64, (bytes + 63) / 64 * 64);
    if (p == nullptr) throw std::bad_alloc();
    std::memset(p, 0, bytes);
    return p;
  }
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
#if defined(__linux__)
  // Map one huge page more than needed and give back the ends outside the
  // aligned block. The pages are zero until first written; the kernel
  // clears each on its first touch, wherever that happens.
  const std::size_t mapped = rounded + kHugePage;
  void* base = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(base);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) ::munmap(base, aligned - start);
  const std::uintptr_t tail = aligned + rounded;
  if (start + mapped > tail) ::munmap(reinterpret_cast<void*>(tail), start + mapped - tail);
  void* p = reinterpret_cast<void*>(aligned);
#if defined(MADV_HUGEPAGE)
  // Advice only: without transparent huge pages the call fails and the
  // memory stays in small pages.
  (void)::madvise(p, rounded, MADV_HUGEPAGE);
#endif
  return p;
#else
  void* p = std::aligned_alloc(kHugePage, rounded);
  if (p == nullptr) throw std::bad_alloc();
  std::memset(p, 0, bytes);
  return p;
#endif
}

void free_large(void* p, std::size_t bytes) noexcept {
  if (p == nullptr) return;
  if (bytes == 0) bytes = 1;
#if defined(__linux__)
  if (bytes >= kHugeFrom) {
    ::munmap(p, (bytes + kHugePage - 1) / kHugePage * kHugePage);
    return;
  }
  if (bytes >= kPagesFrom) {
    ::munmap(p, bytes);
    return;
  }
#endif
  std::free(p);
}

void keep_small_pages(void* p, std::size_t bytes) noexcept {
#if defined(__linux__) && defined(MADV_NOHUGEPAGE)
  // Advice only, on whole pages inside the block.
  const auto start = reinterpret_cast<std::uintptr_t>(p);
  const std::uintptr_t from = (start + 4095) / 4096 * 4096;
  const std::uintptr_t to = (start + bytes) / 4096 * 4096;
  if (to > from) (void)::madvise(reinterpret_cast<void*>(from), to - from, MADV_NOHUGEPAGE);
#else
  (void)p;
  (void)bytes;
#endif
}

void prefault_large(void* p, std::size_t bytes) noexcept {
  if (p == nullptr || bytes == 0) return;
  auto* bytes_at = static_cast<unsigned char*>(p);
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  // One call faults the whole range in the kernel, without a trip back to
  // user space per page. Blocks of pages start on a page boundary; smaller
  // ones were cleared by memset and are in memory already.
  const auto start = reinterpret_cast<std::uintptr_t>(p);
  if (start % 4096 == 0) {
    if (::madvise(p, bytes, MADV_POPULATE_WRITE) == 0) return;
    // Only an older system without the advice falls back to writing; out of
    // memory, the solver's own writes meet the same fate later.
    if (errno != EINVAL) return;
  }
#endif
  // Writing back the zero a page holds backs it without changing it.
  for (std::size_t at = 0; at < bytes; at += 4096) {
    volatile unsigned char* cell = bytes_at + at;
    *cell = *cell;
  }
  volatile unsigned char* last = bytes_at + bytes - 1;
  *last = *last;
}

}  // namespace detail

// --- Scratch stacks ------------------------------------------------------------

DiscountedCfr::ScratchFrame& DiscountedCfr::ScratchStack::frame(std::size_t depth) {
  if (depth < kInlineFrames) return inline_frames[depth];
  const std::size_t index = depth - kInlineFrames;
  if (overflow.size() <= index) overflow.resize(index + 1);
  return overflow[index];
}

std::unique_ptr<DiscountedCfr::ScratchStack> DiscountedCfr::StackPool::acquire() {
  const std::thread::id me = std::this_thread::get_id();
  {
    std::lock_guard<std::mutex> lock(mutex);
    // This thread's own shelf first, else any stocked one.
    Shelf* pick = nullptr;
    for (Shelf& shelf : shelves) {
      if (shelf.stacks.empty()) continue;
      pick = &shelf;
      if (shelf.owner == me) break;
    }
    if (pick != nullptr) {
      std::unique_ptr<ScratchStack> stack = std::move(pick->stacks.back());
      pick->stacks.pop_back();
      stocked.store(stocked.load(std::memory_order_relaxed) - 1, std::memory_order_relaxed);
      return stack;
    }
  }
  return std::make_unique<ScratchStack>();
}

void DiscountedCfr::StackPool::clear() noexcept {
  std::lock_guard<std::mutex> lock(mutex);
  shelves.clear();
  stocked.store(0, std::memory_order_relaxed);
}

void DiscountedCfr::release_iteration_memory() {
  trained.regrets.release();
  trained.packed_regrets.release();
  for (std::unique_ptr<ScratchStack>& stack : stacks) stack = std::make_unique<ScratchStack>();
  spare_stacks.clear();
}

void DiscountedCfr::StackPool::release(std::unique_ptr<ScratchStack> stack) noexcept {
  const std::thread::id me = std::this_thread::get_id();
  try {
    std::lock_guard<std::mutex> lock(mutex);
    Shelf* own = nullptr;
    for (Shelf& shelf : shelves)
      if (shelf.owner == me) own = &shelf;
    if (own == nullptr) own = &shelves.emplace_back(Shelf{me, {}});
    own->stacks.push_back(std::move(stack));
    stocked.store(stocked.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
  } catch (...) {
    // Keeping the stack is only an optimisation; it is destroyed instead.
  }
}

// --- Construction ---------------------------------------------------------------

DiscountedCfr::DiscountedCfr(Config cfg) : config(std::move(cfg)) {
  trained.packed = config.compress;
  threads = config.threads >= 2 ? config.threads : 1;
  stacks[0] = std::make_unique<ScratchStack>();
  stacks[1] = std::make_unique<ScratchStack>();
  if (threads > 1) pool = std::make_unique<WorkerPool>(static_cast<std::size_t>(threads - 1));
}

DiscountedCfr::~DiscountedCfr() {
  stacks[0].reset();
  stacks[1].reset();
  pool.reset();
}

// --- Discount weights -----------------------------------------------------------

DiscountWeights DiscountedCfr::discount_weights(std::uint32_t i) {
  DiscountWeights w;
  const double x = i == 0 ? 0.0 : static_cast<double>(i - 1);
  const double p = std::sqrt(x) * x;
  w.positive = static_cast<float>(p / (p + 1.0));

  // Largest power of four not above i; the strategy sums restart there.
  std::uint32_t q = 0;
  if (i > 0) {
    q = 1;
    while (q <= std::numeric_limits<std::uint32_t>::max() / 4 && q * 4 <= i) q *= 4;
  }
  const double d = static_cast<double>(i - q);
  const double r = d / (d + 1.0);
  w.strategy = static_cast<float>(r * r * r);
  return w;
}

// --- Splits ---------------------------------------------------------------------------

std::size_t DiscountedCfr::split_chunks(const SplitAsk& ask) const {
  if (pool == nullptr || threads < 2 || ask.jobs < 2) return 0;
  // A split runs on one runner per thread, each taking the next child as it
  // finishes one, so no thread is left with two or three children while the
  // others wait, and a thread the machine slows down takes fewer. At a turn
  // deal those runners keep every thread busy, so a deal inside one stays on
  // its thread (a split there would only queue behind them) unless a worker
  // is waiting: then the last children are still running, and the deals
  // below them split to fill the idle threads.
  std::size_t runners = threads;
  if (ask.nested) {
    // The calling thread runs on its own stack; the other runners take
    // stacks from the shelves (those of finished runners), so that filling
    // idle threads adds no stacks to the solve's memory.
    if (!pool->has_idle_worker()) return 0;
    runners = std::min(runners, spare_stacks.spare() + 1);
    if (runners < 2) return 0;
  }
  switch (ask.site) {
    case SplitSite::chance_regret:
      // Splitting pays only for large subtrees near the root.
      if (ask.depth > 8 || ask.children < 6 || ask.hands < 64 || ask.hands * ask.children < 1536)
        return 0;
      return runners;
    case SplitSite::chance_value:
      // A node two of whose slots name one child stays on this thread.
      return ask.distinct ? runners : 0;
    case SplitSite::all_in_runouts:
      return threads;
  }
  return 0;
}

// --- Node states ------------------------------------------------------------------

void DiscountedCfr::prepare_states(const Game& game) {
  const std::size_t N = game.nodes.size();

  children_distinct.assign(N, 1);
  std::vector<std::size_t> sorted;
  for (std::size_t n = 0; n < N; ++n) {
    const NodeRecord& node = game.nodes[n];
    if (node.kind != NodeKind::Chance || node.children.size() < 2) continue;
    // Children are normally appended in increasing order: that is distinct.
    if (std::is_sorted(node.children.begin(), node.children.end()) &&
        std::adjacent_find(node.children.begin(), node.children.end()) == node.children.end())
      continue;
    sorted.assign(node.children.begin(), node.children.end());
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) children_distinct[n] = 0;
  }
  prepare_river_shapes(game);

  // Release the previous solve's arrays before allocating the new ones.
  std::vector<NodeState>().swap(trained.states);
  trained.regrets.release();
  trained.strategy_sums.release();
  trained.packed_regrets.release();
  trained.packed_strategy_sums.release();
  trained.states.resize(N);

  // Offsets in node order: a subtree's arrays end up next to each other.
  std::size_t total = 0;
  for (std::size_t n = 0; n < N; ++n) {
    const NodeRecord& node = game.nodes[n];
    if (node.kind != NodeKind::Decision || node.actions.empty() || node.seat > 1) continue;
    NodeState& state = trained.states[n];
    state.seat = node.seat;
    state.initialized = 1;
    state.num_actions = node.actions.size();
    state.num_hands = game.cards.pockets[node.seat].size();
    state.offset = total;
    total += state.num_actions * state.num_hands;
  }

  // The arenas come all zero; packing all-zero arrays gives zero codes with
  // scale 1, the scales' initial value.
  if (trained.packed) {
    trained.packed_regrets.allocate(total);
    trained.packed_strategy_sums.allocate(total);
  } else {
    trained.regrets.allocate(total);
    trained.strategy_sums.allocate(total);
  }
  prefault_arenas();
}

void DiscountedCfr::prefault_arenas() {
  // Left to the first iteration, the system would clear and map the pages
  // one fault at a time, in the middle of the solver's work. Here they are
  // mapped in long runs before it, every thread of the solve taking an even
  // share of whole huge pages. Touching never changes a value.
  //
  // Huge pages are only quick to map while the system has recently used
  // memory to give (under a hypervisor, memory left unused for a while must
  // be backed again, two megabytes at a time): then 1.2 GB take a fraction
  // of a second, otherwise several seconds on one thread, where small pages
  // take about one. So a thread that maps huge pages slower than a gigabyte
  // a second for the whole solve maps the rest of its share in small pages,
  // which cost the iterations a few percent on one thread (about 7% on spot
  // F) and nothing measurable on eight.
  constexpr std::size_t kPiece = std::size_t{2} << 20;
  struct Block {
    unsigned char* data;
    std::size_t bytes;
  };
  const std::array<Block, 4> blocks{{
      {reinterpret_cast<unsigned char*>(trained.regrets.data.get()),
       trained.regrets.size * sizeof(float)},
      {reinterpret_cast<unsigned char*>(trained.strategy_sums.data.get()),
       trained.strategy_sums.size * sizeof(float)},
      {reinterpret_cast<unsigned char*>(trained.packed_regrets.data.get()),
       trained.packed_regrets.size * sizeof(std::int16_t)},
      {reinterpret_cast<unsigned char*>(trained.packed_strategy_sums.data.get()),
       trained.packed_strategy_sums.size * sizeof(std::int16_t)},
  }};
  std::size_t pieces = 0;
  for (const Block& block : blocks) pieces += (block.bytes + kPiece - 1) / kPiece;
  if (pieces == 0) return;
  // A cancel is seen between runs of pieces, as often as the iteration
  // looks at it; what is left untouched is faulted by the solver instead.
  constexpr std::size_t kPollEvery = 16;
  const std::uint64_t share = threads;  // nanoseconds a byte may take, per thread
  run_split(threads >= 2 ? static_cast<std::size_t>(threads) : 0, pieces,
            [&](std::size_t begin, std::size_t end) {
              bool small_pages = false;
              std::size_t first = 0;  // index of the block's first piece
              for (const Block& block : blocks) {
                const std::size_t count = (block.bytes + kPiece - 1) / kPiece;
                const std::size_t lo = std::max(begin, first);
                const std::size_t hi = std::min(end, first + count);
                for (std::size_t at = lo; at < hi; at += kPollEvery) {
                  if (config.should_cancel && config.should_cancel()) return;
                  const std::size_t stop = std::min(hi, at + kPollEvery);
                  const std::size_t from = (at - first) * kPiece;
                  const std::size_t to = std::min(block.bytes, (stop - first) * kPiece);
                  if (small_pages) detail::keep_small_pages(block.data + from, to - from);
                  const std::uint64_t start = steady_now_ns();
                  detail::prefault_large(block.data + from, to - from);
                  if (steady_now_ns() - start > (to - from) * share) small_pages = true;
                }
                first += count;
              }
            });
}

// --- One iteration and the run loop ------------------------------------------------

void DiscountedCfr::run_iteration(const Game& game, std::uint32_t i) {
  SolverProfile::Scope scope(ProfileSection::solve_iteration);
  iteration = i;
  const DiscountWeights w = discount_weights(i);
  weight_positive = w.positive;
  weight_strategy = w.strategy;
  for (Seat s = 0; s < 2; ++s) {
    std::vector<float>& values = root_values[s];
    values.assign(game.cards.pockets[s].size(), 0.0f);
    const std::vector<float>& reach = game.cards.weights[1 - s];
    solve_recursive(game, 0, s, reach, values, 0, *stacks[s]);
  }
}

void DiscountedCfr::run(const Game& game) {
  const bool profiling = SolverProfile::enabled();
  std::uint64_t profile_start = 0;
  if (profiling) {
    SolverProfile::reset();
    SolverProfile::local().add_call(ProfileSection::run);
    profile_start = steady_now_ns();
  }

  last_exploitability_ = 0.0f;
  iterations_completed_ = 0;
  prepare_states(game);

  const std::uint32_t max_iterations = config.max_iterations;
  const std::uint32_t interval = config.exploitability_interval;
  const std::uint64_t run_start = steady_now_ns();
  if (max_iterations != 0) {
    for (std::uint32_t t = 1;; ++t) {
      if (config.should_cancel && config.should_cancel()) break;
      const std::uint64_t iteration_start = steady_now_ns();
      iterations_completed_ = t;
      run_iteration(game, t - 1);
      // A pass cut short by a cancel is neither measured nor reported.
      if (config.should_cancel && config.should_cancel()) break;
      const bool measured = t == max_iterations || (interval != 0 && t % interval == 0);
      if (measured) last_exploitability_ = compute_exploitability(game);
      if (config.should_cancel && config.should_cancel()) break;
      const std::uint64_t elapsed = steady_now_ns() - iteration_start;
      const double ms = static_cast<double>(elapsed / 1000) / 1000.0;
      if (config.on_iteration) config.on_iteration(iterations_completed_, last_exploitability_, ms);
      if (config.verbose && config.on_log && (t % 50 == 0 || t == max_iterations)) {
        std::ostringstream line;
        line << "[CFR] iteration " << t << " / " << max_iterations << "  exploitability≈"
             << last_exploitability_ << "  iter≈" << ms << "ms\n";
        config.on_log(line.str());
      }
      // A NaN exploitability compares false and never stops the run.
      if (interval != 0 && measured && config.target_exploitability >= last_exploitability_) break;
      if (t >= max_iterations) break;
    }
  }
  const std::uint64_t run_end = steady_now_ns();

  if (config.verbose && config.on_log) {
    const auto whole_ms = static_cast<std::int64_t>((run_end - run_start) / 1000000);
    std::ostringstream line;
    line << "[CFR] completed " << iterations_completed_ << " iterations in " << whole_ms << "ms"
         << "  exploitability≈" << last_exploitability_ << "\n";
    config.on_log(line.str());
  }

  if (profiling) {
    SolverProfile::local().add_ns(ProfileSection::run, steady_now_ns() - profile_start);
    const SolverProfile::Snapshot snap = SolverProfile::snapshot();
    if (config.on_log)
      config.on_log(SolverProfile::summary_text(snap, iterations_completed_, max_iterations,
                                                static_cast<std::size_t>(threads), interval));
  }
}

}  // namespace halvory
