#include "solver/icm.hpp"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "cards/refusal.hpp"

namespace halvory {
namespace {

constexpr std::size_t kMaxSetPlayers = 62;

// Malmuth-Harville over every finishing order, one place at a time: the
// player with stack s takes the next place with probability s / R, R the
// stacks still in play. `order` holds the live players not yet placed in its
// first `count` entries.
class OrderWalk {
 public:
  OrderWalk(const std::vector<double>& stacks, const std::vector<double>& payouts,
            std::size_t places, std::vector<double>& equities, CancelFlag cancel)
      : stacks_(stacks), payouts_(payouts), places_(places), equities_(equities), cancel_(cancel) {}

  void walk(std::size_t place, double probability, double remaining,
            std::vector<std::size_t>& order, std::size_t count) {
    if (place >= places_ || remaining <= 0.0 || count == 0) return;
    if ((visits_++ & 0xFFFF) == 0) throw_if_cancelled(cancel_);
    for (std::size_t slot = 0; slot < count; ++slot) {
      const std::size_t player = order[slot];
      const double stack = stacks_[player];
      if (stack <= 0.0) continue;
      const double reach = (stack / remaining) * probability;
      if (reach <= 0.0) continue;
      equities_[player] += reach * payouts_[place];
      const std::size_t moved = order[count - 1];
      order[slot] = moved;
      walk(place + 1, reach, remaining - stack, order, count - 1);
      order[count - 1] = moved;
      order[slot] = player;
    }
  }

 private:
  const std::vector<double>& stacks_;
  const std::vector<double>& payouts_;
  std::size_t places_;
  std::vector<double>& equities_;
  CancelFlag cancel_;
  std::uint64_t visits_ = 0;
};

// The same expectation over sets instead of orders. Every order that places
// the players of a set S first leaves the same stacks in play, so the orders
// collapse into sets: reach(S) is the probability that S takes the first |S|
// places, and player j after S takes place |S| with reach(S) * s_j / R(S).
// Sets of up to `places` players are visited, one size at a time, each set
// gathering from the sets one smaller; a size's sets are kept in
// colexicographic order (the order of their bit masks), where a set's
// position is the sum of C(e_i, i + 1) over its members e_0 < e_1 < ..., so
// only two sizes are held at once.
void harville_by_sets(const std::vector<double>& stacks, const std::vector<double>& payouts,
                      std::size_t places, const std::vector<std::size_t>& live,
                      std::vector<double>& equities, CancelFlag cancel) {
  const std::size_t n = live.size();
  std::vector<std::vector<std::uint64_t>> choose(n + 1, std::vector<std::uint64_t>(n + 2, 0));
  for (std::size_t a = 0; a <= n; ++a) {
    choose[a][0] = 1;
    for (std::size_t b = 1; b <= a; ++b) choose[a][b] = choose[a - 1][b - 1] + choose[a - 1][b];
  }
  std::vector<double> stack(n);
  for (std::size_t k = 0; k < n; ++k) stack[k] = stacks[live[k]];

  double total = 0.0;
  for (const double s : stack) total += s;
  // scaled[pos] = reach(S) / R(S) for the sets S of the previous size.
  std::vector<double> scaled{1.0 / total};
  std::vector<double> next;
  std::array<std::size_t, 64> member{};
  std::uint64_t visited = 0;
  for (std::size_t size = 1; size <= places; ++size) {
    const double prize = payouts[size - 1];
    const bool keep = size < places;
    next.assign(keep ? choose[n][size] : 0, 0.0);
    std::uint64_t set = (std::uint64_t{1} << size) - 1;
    for (std::size_t pos = 0; pos < choose[n][size]; ++pos) {
      if ((visited++ & 0x3FFF) == 0) throw_if_cancelled(cancel);
      std::size_t count = 0;
      double placed = 0.0;
      // Position of the set without member e_j: the members below e_j keep
      // their terms, those above it move one index down.
      std::uint64_t suffix = 0;
      for (std::uint64_t bits = set; bits != 0; bits &= bits - 1) {
        const std::size_t e = static_cast<std::size_t>(std::countr_zero(bits));
        member[count] = e;
        suffix += choose[e][count];
        placed += stack[e];
        ++count;
      }
      double reach = 0.0;
      std::uint64_t prefix = 0;
      for (std::size_t j = 0; j < count; ++j) {
        const std::size_t e = member[j];
        suffix -= choose[e][j];
        const double from = scaled[prefix + suffix];
        prefix += choose[e][j + 1];
        if (from <= 0.0) continue;
        const double probability = from * stack[e];
        equities[live[e]] += probability * prize;
        reach += probability;
      }
      if (keep) {
        const double remaining = total - placed;
        next[pos] = remaining > 0.0 ? reach / remaining : 0.0;
      }
      // The next set of this size in colexicographic order.
      const std::uint64_t low = set & (~set + 1);
      const std::uint64_t ripple = set + low;
      set = ripple | (((set ^ ripple) >> 2) / low);
    }
    scaled.swap(next);
  }
}

}  // namespace

double rake_after(const GameConfig& config, double pot) {
  if (!(pot > 0.0)) return 0.0;
  double rake = config.rake_rate > 0.0 ? config.rake_rate * pot : 0.0;
  if (config.rake_cap > 0.0) rake = std::min(rake, config.rake_cap);
  return std::max(pot - rake, 0.0);
}

double icm_order_steps(std::size_t live, std::size_t places) {
  double steps = 0.0, term = 1.0;
  for (std::size_t k = 0; k < std::min(live, places) && steps < 1e300; ++k) {
    term *= static_cast<double>(live - k);
    steps += term;
  }
  return steps;
}

double icm_set_steps(std::size_t live, std::size_t places) {
  // Sets are bit masks of one word.
  if (live > kMaxSetPlayers) return std::numeric_limits<double>::infinity();
  double steps = 0.0, sets = 1.0;
  for (std::size_t k = 1; k <= std::min(live, places); ++k) {
    sets = sets * static_cast<double>(live - k + 1) / static_cast<double>(k);
    steps += sets * static_cast<double>(2 * k + 1);
  }
  return steps;
}

double icm_equity_steps(std::size_t live, std::size_t places) {
  return std::min(icm_order_steps(live, places), icm_set_steps(live, places));
}

std::size_t icm_place_limit(std::size_t live) {
  std::size_t places = 0;
  while (places < live && icm_equity_steps(live, places + 1) <= kIcmStepLimit) ++places;
  return places;
}

void check_icm_work(std::size_t players, std::size_t live, std::size_t payouts) {
  const std::size_t places = std::min(live, payouts);
  if (icm_equity_steps(live, places) <= kIcmStepLimit) return;
  const std::size_t limit = icm_place_limit(live);
  refuse(RefusalCode::icm_too_many_places,
         "Too many paid places for the chip model: " + std::to_string(payouts) + " paid, at most " +
             std::to_string(limit) + " with " + std::to_string(players) + " players",
         {std::to_string(payouts), std::to_string(players), std::to_string(limit)});
}

std::vector<double> icm_equities(const std::vector<double>& stacks,
                                 const std::vector<double>& payouts, CancelFlag cancel) {
  const std::size_t n = stacks.size();
  const std::size_t p = payouts.size();
  std::vector<double> equities(n, 0.0);
  if (n == 0 || p == 0) return equities;

  std::vector<std::size_t> live, busted;
  double total = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    if (stacks[i] > 0.0) {
      live.push_back(i);
      total += stacks[i];
    } else {
      busted.push_back(i);
    }
  }

  if (!busted.empty() && p > live.size()) {
    double rest = 0.0;
    for (std::size_t k = live.size(); k < p; ++k) rest += payouts[k];
    const double share = rest / static_cast<double>(busted.size());
    for (const std::size_t i : busted) equities[i] += share;
  }

  if (total > 0.0 && !live.empty()) {
    const std::size_t places = std::min(live.size(), p);
    if (icm_set_steps(live.size(), places) < icm_order_steps(live.size(), places)) {
      harville_by_sets(stacks, payouts, places, live, equities, cancel);
    } else {
      OrderWalk(stacks, payouts, places, equities, cancel).walk(0, 1.0, total, live, live.size());
    }
  } else {
    double all = 0.0;
    for (const double prize : payouts) all += prize;
    std::fill(equities.begin(), equities.end(), all / static_cast<double>(n));
  }
  return equities;
}

std::pair<double, double> icm_pair_equities(const std::vector<double>& stacks,
                                            const std::vector<double>& payouts, double d0,
                                            double d1, CancelFlag cancel) {
  std::vector<double> changed = stacks;
  auto shift = [&changed](std::size_t i, double d) {
    if (i >= changed.size()) return;
    const double s = changed[i] + d;
    changed[i] = s > 0.0 ? s : 0.0;
  };
  shift(0, d0);
  shift(1, d1);
  const std::vector<double> equities = icm_equities(changed, payouts, cancel);
  return {equities.size() > 0 ? equities[0] : 0.0, equities.size() > 1 ? equities[1] : 0.0};
}

namespace {

// ---------------------------------------------------------------------------
// Outcome table.

double seat_stack(std::int32_t stack, std::int32_t effective) {
  if (stack >= 1) return static_cast<double>(stack);
  if (effective >= 1) return static_cast<double>(effective);
  return 0.0;
}

double other_stack(std::int32_t stack) {
  return stack >= 1 ? static_cast<double>(stack) : 0.0;
}

std::vector<double> stacks_of(const GameConfig& config) {
  std::vector<double> stacks;
  stacks.reserve(2 + config.icm_other_stacks.size());
  stacks.push_back(seat_stack(config.oop_stack, config.effective_stack));
  stacks.push_back(seat_stack(config.ip_stack, config.effective_stack));
  for (const std::int32_t s : config.icm_other_stacks) stacks.push_back(other_stack(s));
  return stacks;
}

std::vector<double> payouts_of(const GameConfig& config) {
  return std::vector<double>(config.icm_payouts.begin(), config.icm_payouts.end());
}

bool icm_configured(const GameConfig& config) {
  return config.icm && !config.icm_payouts.empty();
}

// The equities, refused before any work when the chip model could not
// compute them in reasonable time.
std::vector<double> checked_equities(const std::vector<double>& stacks,
                                     const std::vector<double>& payouts, CancelFlag cancel) {
  const auto live = static_cast<std::size_t>(
      std::count_if(stacks.begin(), stacks.end(), [](double s) { return s > 0.0; }));
  check_icm_work(stacks.size(), live, payouts.size());
  return icm_equities(stacks, payouts, cancel);
}

struct OutcomeKey {
  std::uint64_t pot_bits;
  std::int32_t invested0;
  std::int32_t invested1;
  friend bool operator==(const OutcomeKey&, const OutcomeKey&) = default;
};

struct OutcomeKeyHash {
  std::size_t operator()(const OutcomeKey& k) const noexcept {
    std::uint64_t h = k.pot_bits * 0x9e3779b97f4a7c15ull;
    h ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.invested0)) << 32 |
          static_cast<std::uint32_t>(k.invested1)) +
         0x632be59bd9b4e019ull + (h << 6) + (h >> 2);
    h ^= h >> 29;
    return static_cast<std::size_t>(h * 0xbf58476d1ce4e5b9ull);
  }
};

}  // namespace

// Readers share the lock; a miss computes outside it and inserts under the
// exclusive lock (two threads missing the same key compute the same value).
struct IcmTable::Outcomes {
  std::shared_mutex mutex;
  std::unordered_map<OutcomeKey, Deltas, OutcomeKeyHash> map;
};

IcmTable::IcmTable(const GameConfig& config, CancelFlag cancel)
    : stacks_(stacks_of(config)),
      payouts_(payouts_of(config)),
      baseline_(checked_equities(stacks_, payouts_, cancel)),
      outcomes_(std::make_unique<Outcomes>()) {}

void IcmTable::fill(const GameConfig& config, const std::vector<NodeRecord>& nodes,
                    CancelFlag cancel, std::size_t threads) {
  std::vector<OutcomeKey> keys;
  {
    std::unordered_map<OutcomeKey, bool, OutcomeKeyHash> seen;
    for (const NodeRecord& node : nodes) {
      if (node.kind != NodeKind::Terminal) continue;
      const OutcomeKey key{std::bit_cast<std::uint64_t>(rake_after(config, node.pot)),
                           node.invested[0], node.invested[1]};
      if (seen.emplace(key, true).second) keys.push_back(key);
    }
  }
  std::vector<Deltas> computed(keys.size());
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr failure;
  std::mutex failure_mutex;
  auto work = [&] {
    try {
      for (std::size_t i = next++; i < keys.size() && !failed.load(); i = next++) {
        throw_if_cancelled(cancel);
        const OutcomeKey& k = keys[i];
        computed[i] = compute(std::bit_cast<double>(k.pot_bits), k.invested0, k.invested1, cancel);
      }
    } catch (...) {
      std::lock_guard<std::mutex> lock(failure_mutex);
      if (!failure) failure = std::current_exception();
      failed.store(true);
    }
  };
  const std::size_t cores = std::max<std::size_t>(std::thread::hardware_concurrency(), 1);
  const std::size_t helpers = std::min({threads > 0 ? threads - 1 : 0, cores - 1, keys.size() / 2});
  std::vector<std::thread> pool;
  try {
    pool.reserve(helpers);
    for (std::size_t t = 0; t < helpers; ++t) pool.emplace_back(work);
  } catch (...) {
    // Fewer helpers than asked for: the ones started and this thread share the work.
  }
  work();
  for (std::thread& t : pool) t.join();
  if (failure) std::rethrow_exception(failure);
  outcomes_->map.reserve(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) outcomes_->map.try_emplace(keys[i], computed[i]);
}

IcmTable::~IcmTable() = default;

bool IcmTable::serves(const GameConfig& config) const {
  if (stacks_.size() != 2 + config.icm_other_stacks.size()) return false;
  if (payouts_.size() != config.icm_payouts.size()) return false;
  if (stacks_[0] != seat_stack(config.oop_stack, config.effective_stack)) return false;
  if (stacks_[1] != seat_stack(config.ip_stack, config.effective_stack)) return false;
  for (std::size_t i = 0; i < config.icm_other_stacks.size(); ++i)
    if (stacks_[2 + i] != other_stack(config.icm_other_stacks[i])) return false;
  for (std::size_t i = 0; i < payouts_.size(); ++i)
    if (payouts_[i] != static_cast<double>(config.icm_payouts[i])) return false;
  return true;
}

IcmTable::Deltas IcmTable::deltas(double pot, std::int32_t invested0,
                                  std::int32_t invested1) const {
  const OutcomeKey key{std::bit_cast<std::uint64_t>(pot), invested0, invested1};
  {
    std::shared_lock lock(outcomes_->mutex);
    const auto it = outcomes_->map.find(key);
    if (it != outcomes_->map.end()) return it->second;
  }
  const Deltas computed = compute(pot, invested0, invested1);
  std::unique_lock lock(outcomes_->mutex);
  return outcomes_->map.try_emplace(key, computed).first->second;
}

IcmTable::Deltas IcmTable::compute(double pot, std::int32_t invested0, std::int32_t invested1,
                                   CancelFlag cancel) const {
  const double c0 = static_cast<double>(invested0);
  const double c1 = static_cast<double>(invested1);
  auto relative = [this](std::pair<double, double> e) {
    return std::array<double, 2>{e.first - baseline_[0], e.second - baseline_[1]};
  };
  Deltas d;
  d.seat0_takes = relative(icm_pair_equities(stacks_, payouts_, pot - c0, -c1, cancel));
  d.seat1_takes = relative(icm_pair_equities(stacks_, payouts_, -c0, pot - c1, cancel));
  d.split = relative(icm_pair_equities(stacks_, payouts_, pot / 2 - c0, pot / 2 - c1, cancel));
  return d;
}

std::unique_ptr<const IcmTable> make_icm_table(const GameConfig& config,
                                               const std::vector<NodeRecord>& nodes,
                                               CancelFlag cancel, std::size_t threads) {
  if (!icm_configured(config)) return nullptr;
  auto table = std::make_unique<IcmTable>(config, cancel);
  table->fill(config, nodes, cancel, threads);
  return table;
}

std::array<double, 3> icm_payoffs(const Game& game, const NodeRecord& node, std::uint8_t seat,
                                  double after_rake_pot, double matchup_weight) {
  const GameConfig& config = game.config;
  if (!icm_configured(config) || !(matchup_weight > 0.0) || seat > 1) return {0.0, 0.0, 0.0};
  // A configuration changed after the game was built gets a table of its own
  // for this one answer.
  const IcmTable::Deltas d =
      game.icm && game.icm->serves(config)
          ? game.icm->deltas(after_rake_pot, node.invested[0], node.invested[1])
          : IcmTable(config).deltas(after_rake_pot, node.invested[0], node.invested[1]);
  const std::array<double, 2>& own_win = seat == 0 ? d.seat0_takes : d.seat1_takes;
  const std::array<double, 2>& own_loss = seat == 0 ? d.seat1_takes : d.seat0_takes;
  return {own_win[seat] / matchup_weight, d.split[seat] / matchup_weight,
          own_loss[seat] / matchup_weight};
}

std::array<double, 2> icm_seat_baselines(const GameConfig& config) {
  if (!icm_configured(config)) return {0.0, 0.0};
  const std::vector<double> equities =
      checked_equities(stacks_of(config), payouts_of(config), nullptr);
  return {equities.size() > 0 ? equities[0] : 0.0, equities.size() > 1 ? equities[1] : 0.0};
}

}  // namespace halvory
