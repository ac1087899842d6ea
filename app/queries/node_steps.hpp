#pragma once
// Building blocks of the per-node queries (node_queries.cpp and
// node_distributions.cpp): the path from the root, a seat's reach along it,
// the opponent mass a hand can meet, per-hand EVs and equities.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <array>
#include <random>
#include <span>
#include <vector>

#include "cards/cards.hpp"
#include "queries/node_queries.hpp"
#include "queries/query_records.hpp"
#include "session/ev_offset.hpp"
#include "tree/action_plan.hpp"

namespace halvory {
class Game;
class DiscountedCfr;
}  // namespace halvory

namespace halvory_app {

// A weight that counts: finite and above 0 (NaN fails both tests).
inline bool usable(double value) {
  return value > 0.0 && value < std::numeric_limits<double>::infinity();
}

// Path from the root to `node`; empty when the node cannot be reached.
NodePath node_path(const halvory::Game& game, std::size_t node);

// Board cards of the solve plus the node's dealt turn and river.
std::uint64_t node_dead_cards(const halvory::Game& game, std::size_t node);

// Seat's range weight times its average-strategy probability of every own
// action on the path; 0 for hands holding a dead card. Empty on failure.
std::vector<float> path_reach(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                              const NodePath& path, std::uint64_t dead_cards, int seat);

// Like path_reach but starting from 1 per live hand instead of the range
// weight: the product of the seat's own action probabilities on the path.
std::vector<float> path_play_factor(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                                    const NodePath& path, std::uint64_t dead_cards, int seat);

// Reach of the opponent's hands that share no card with each of seat's hands.
std::vector<double> opponent_mass(const halvory::Game& game, int seat,
                                  std::span<const float> opponent_reach);

// Counterfactual value turned into EV per unit of reachable opponent mass,
// plus the EV offset: x * (M / m) when both are positive, + offset when
// finite and positive; 0 when the result is not finite.
double rescale_ev(double value, double matchup_weight, double mass, double offset);

// Mean of per-hand figures (EVs, equities) weighted by each hand's reach
// times the opponent reach it can meet, so card removal counts as in the
// solver's own root EV. Hands with a weight that is not usable or a figure
// that is not finite are left out; no value when nothing weighs.
std::optional<double> pair_weighted_mean(std::span<const float> reach, std::span<const double> mass,
                                         std::span<const double> values);

// Whether some pair of hands reaches the node: a hand of the seat with reach
// that meets opponent reach sharing no card with it (`mass`, from
// opponent_mass). A node no pair reaches has no EV or frequency of its own
// and none per hand: pair_weighted_mean has nothing to weigh there, and the
// per-hand queries give NaN.
bool pair_reaches(std::span<const float> reach, std::span<const double> mass);

// EV of every hand of `seat` at `node` (hundredths). Empty on failure.
std::vector<double> hand_evs(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                             std::size_t node, int seat, std::span<const float> opponent_reach);

// Monte-Carlo equity of each own hand against the opponent's reach at `node`;
// NaN where no sample met the hand. Empty on failure.
std::vector<double> sampled_equities(const halvory::Game& game,
                                     std::span<const halvory::CardCode> flop, std::size_t node,
                                     std::span<const halvory::Pocket> own_hands,
                                     std::span<const float> own_reach,
                                     std::span<const halvory::Pocket> opponent_hands,
                                     std::span<const float> opponent_reach, std::uint32_t samples,
                                     std::uint32_t seed);

// Index of the first cumulative sum not below u * total (the last when none);
// -1 when the total is not positive or the list is empty.
std::ptrdiff_t draw_weighted_index(const CumulativeWeights& weights, std::mt19937& rng);

// Equity of the acting hands (weights `hero_weights`) against the opponent's
// range weights, completing the board by sampling; NaN when nothing counted.
double estimate_equity_sampled(std::mt19937& rng, std::span<const halvory::CardCode> flop,
                               halvory::CardCode turn, halvory::CardCode river,
                               std::uint64_t deck_mask, bool short_deck,
                               std::span<const halvory::Pocket> hero_hands,
                               std::span<const double> hero_weights,
                               std::span<const halvory::Pocket> opponent_hands,
                               std::span<const float> opponent_weights, std::uint32_t samples);

// True when the solve has both its game and its solver.
bool live(const SolvedGame& solved);

// The decision node at node_index of a live solve, or null.
const halvory::ActionPlan::Node* live_decision_node(const SolvedGame& solved,
                                                    std::uint64_t node_index);

// Both seats' reach down to node n along its action path, or nothing when the
// node has no path or either seat's reach cannot be formed.
std::optional<std::array<std::vector<float>, 2>> seat_reaches(const halvory::Game& game,
                                                              const halvory::DiscountedCfr& solver,
                                                              std::size_t n);

// Equity of each own hand against the opponent's reach at `node`, over every
// board the node can still reach: exact from the runout showdown tables while
// that costs at most `exact_budget` record visits, else sampled with one
// seed for the whole node. NaN for a hand whose reach is not usable or that
// meets no opponent hand; empty on failure. A visit costs about 7 ns, so the
// budget is about 100 ms; a flop node of two full ranges needs a quarter.
inline constexpr std::uint64_t kExactEquityBudget = 13'000'000;
std::vector<double> hand_equities(const halvory::Game& game, std::size_t node, int seat,
                                  std::span<const float> own_reach,
                                  std::span<const float> opponent_reach,
                                  std::uint64_t exact_budget = kExactEquityBudget);

}  // namespace halvory_app
