#include "solver/icm.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

namespace halvory {
namespace {

// Largest live-player count for which the subset method is used: its tables
// hold 2^L doubles each.
constexpr std::size_t kMaxSubsetPlayers = 20;

// Malmuth-Harville over every finishing order, one place at a time: the
// player with stack s takes the next place with probability s / R, R the
// stacks still in play. `order` holds the live players not yet placed in its
// first `count` entries.
void harville_by_orders(const std::vector<double>& stacks, const std::vector<double>& payouts,
                        std::size_t places, std::size_t place, double probability, double remaining,
                        std::vector<std::size_t>& order, std::size_t count,
                        std::vector<double>& equities) {
  if (place >= places || remaining <= 0.0 || count == 0) return;
  for (std::size_t slot = 0; slot < count; ++slot) {
    const std::size_t player = order[slot];
    const double stack = stacks[player];
    if (stack <= 0.0) continue;
    const double reach = (stack / remaining) * probability;
    if (reach <= 0.0) continue;
    equities[player] += reach * payouts[place];
    const std::size_t moved = order[count - 1];
    order[slot] = moved;
    harville_by_orders(stacks, payouts, places, place + 1, reach, remaining - stack, order,
                       count - 1, equities);
    order[count - 1] = moved;
    order[slot] = player;
  }
}

// The same expectation over sets instead of orders: f(S) is the probability
// that the players of S take the first |S| places in some order. Every order
// that places S first reaches the same remaining stack total, so the orders
// collapse into 2^L sets.
void harville_by_subsets(const std::vector<double>& stacks, const std::vector<double>& payouts,
                         std::size_t places, const std::vector<std::size_t>& live, double total,
                         std::vector<double>& equities) {
  const std::size_t n = live.size();
  const std::size_t sets = std::size_t{1} << n;
  std::vector<double> reach(sets, 0.0);
  std::vector<double> placed(sets, 0.0);
  reach[0] = 1.0;
  for (std::size_t set = 0; set < sets; ++set) {
    if (set != 0) {
      const std::size_t lowest = static_cast<std::size_t>(std::countr_zero(set));
      placed[set] = placed[set & (set - 1)] + stacks[live[lowest]];
    }
    const std::size_t place = static_cast<std::size_t>(std::popcount(set));
    if (place >= places || reach[set] <= 0.0) continue;
    const double remaining = total - placed[set];
    if (remaining <= 0.0) continue;
    const double scale = reach[set] / remaining;
    const double prize = payouts[place];
    const bool more_places = place + 1 < places;
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t bit = std::size_t{1} << k;
      if (set & bit) continue;
      const double next = stacks[live[k]] * scale;
      if (next <= 0.0) continue;
      equities[live[k]] += next * prize;
      if (more_places) reach[set | bit] += next;
    }
  }
}

// Steps of the order walk, sum over k = 1..places of L! / (L - k)!, saturated.
double order_walk_cost(std::size_t live, std::size_t places) {
  double cost = 0.0, term = 1.0;
  for (std::size_t k = 0; k < places && cost < 1e18; ++k) {
    term *= static_cast<double>(live - k);
    cost += term;
  }
  return cost;
}

}  // namespace

std::vector<double> icm_equities(const std::vector<double>& stacks,
                                 const std::vector<double>& payouts) {
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
    const double subset_cost =
        std::ldexp(static_cast<double>(live.size()), static_cast<int>(live.size()));
    if (live.size() <= kMaxSubsetPlayers && subset_cost < order_walk_cost(live.size(), places)) {
      harville_by_subsets(stacks, payouts, places, live, total, equities);
    } else {
      harville_by_orders(stacks, payouts, places, 0, 1.0, total, live, live.size(), equities);
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
                                            double d1) {
  std::vector<double> changed = stacks;
  auto shift = [&changed](std::size_t i, double d) {
    if (i >= changed.size()) return;
    const double s = changed[i] + d;
    changed[i] = s > 0.0 ? s : 0.0;
  };
  shift(0, d0);
  shift(1, d1);
  const std::vector<double> equities = icm_equities(changed, payouts);
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

IcmTable::IcmTable(const GameConfig& config)
    : stacks_(stacks_of(config)),
      payouts_(payouts_of(config)),
      baseline_(icm_equities(stacks_, payouts_)),
      outcomes_(std::make_unique<Outcomes>()) {}

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

IcmTable::Deltas IcmTable::compute(double pot, std::int32_t invested0,
                                   std::int32_t invested1) const {
  const double c0 = static_cast<double>(invested0);
  const double c1 = static_cast<double>(invested1);
  auto relative = [this](std::pair<double, double> e) {
    return std::array<double, 2>{e.first - baseline_[0], e.second - baseline_[1]};
  };
  Deltas d;
  d.seat0_takes = relative(icm_pair_equities(stacks_, payouts_, pot - c0, -c1));
  d.seat1_takes = relative(icm_pair_equities(stacks_, payouts_, -c0, pot - c1));
  d.split = relative(icm_pair_equities(stacks_, payouts_, pot / 2 - c0, pot / 2 - c1));
  return d;
}

std::unique_ptr<const IcmTable> make_icm_table(const GameConfig& config) {
  if (!icm_configured(config)) return nullptr;
  return std::make_unique<const IcmTable>(config);
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
  const std::vector<double> equities = icm_equities(stacks_of(config), payouts_of(config));
  return {equities.size() > 0 ? equities[0] : 0.0, equities.size() > 1 ? equities[1] : 0.0};
}

}  // namespace halvory
