#include "queries/node_steps.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "queries/pocket_cards.hpp"
#include "queries/solver_reads.hpp"
#include "tree/game.hpp"

namespace halvory_app {

using halvory::CardCode;
using halvory::NodeKind;
using halvory::Pocket;

using pocket_cards::card_bit;
using pocket_cards::hand_mask;
using pocket_cards::high_card;
using pocket_cards::low_card;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// `start` per hand (0 for dead hands), times the seat's average-strategy
// probability of each of its own actions along the path.
std::vector<float> reach_along_path(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                                    const NodePath& path, std::uint64_t dead_cards, int seat,
                                    bool start_from_weights) {
  const auto& pockets = game.cards.pockets[static_cast<std::size_t>(seat)];
  const auto& weights = game.cards.weights[static_cast<std::size_t>(seat)];
  const std::size_t hands = pockets.size();
  if (hands == 0 || weights.size() != hands) return {};

  std::vector<float> reach(hands, 0.0f);
  for (std::size_t h = 0; h < hands; ++h) {
    if ((hand_mask(pockets[h]) & dead_cards) != 0) continue;
    if (!start_from_weights) {
      reach[h] = 1.0f;
    } else if (usable(weights[h])) {
      reach[h] = weights[h];
    }
  }
  const auto& nodes = game.plan.nodes;
  for (std::size_t k = 1; k < path.size(); ++k) {
    const std::size_t parent = path[k - 1].first;
    const std::size_t slot = path[k].second;
    const auto& node = nodes[parent];
    const std::size_t actions = node.actions.size();
    if (node.kind != NodeKind::Decision || node.seat != seat || actions == 0 || slot >= actions) {
      continue;
    }
    const std::vector<float> strategy = solver_reads::average_strategy(solver, parent);
    if (strategy.size() != actions * hands) continue;
    const float* row = strategy.data() + slot * hands;
    for (std::size_t h = 0; h < hands; ++h) reach[h] *= usable(row[h]) ? row[h] : 0.0f;
  }
  return reach;
}

// The runouts a node can still reach, as (turn, river) card pairs: its own
// when both are dealt, every river under a dealt turn, every pair of cards
// on the flop.
std::vector<std::array<CardCode, 2>> reachable_runouts(const halvory::Game& game,
                                                       const halvory::NodeRecord& node) {
  std::uint64_t free_cards = game.cards.deck_mask & ~game.cards.board_mask;
  const bool turn_dealt = node.turn != halvory::kNoCard;
  const bool river_dealt = node.river != halvory::kNoCard;
  if (turn_dealt) free_cards &= ~card_bit(node.turn);
  if (river_dealt) free_cards &= ~card_bit(node.river);
  std::vector<std::array<CardCode, 2>> runouts;
  if (turn_dealt && river_dealt) {
    runouts.push_back({node.turn, node.river});
    return runouts;
  }
  for (CardCode a = 0; a < 52; ++a) {
    if ((free_cards & card_bit(a)) == 0) continue;
    if (turn_dealt || river_dealt) {
      runouts.push_back({turn_dealt ? node.turn : a, river_dealt ? node.river : a});
      continue;
    }
    for (CardCode b = a + 1; b < 52; ++b) {
      if ((free_cards & card_bit(b)) != 0) runouts.push_back({a, b});
    }
  }
  return runouts;
}

// Per own hand, summed over runouts: the opponent reach it beats plus half
// the reach it ties (`score`) and all the opponent reach it meets (`met`).
struct ShowdownTally {
  std::vector<double> score;
  std::vector<double> met;
};

// One runout's showdown of the own hands with usable reach against the
// opponent's reach, by a sweep up both seats' strength-sorted lists: the
// opponent reach below a strength (and equal to it) is kept in total and per
// card, so a hand's share without the hands that hold its cards is a few
// subtractions. The opponent hand of the same two cards is subtracted with
// each card and added back once.
void tally_runout(const halvory::Game& game, const halvory::RunoutShowdown& entry, int seat,
                  std::span<const float> own_reach, std::span<const float> opponent_reach,
                  ShowdownTally& tally) {
  const auto s = static_cast<std::size_t>(seat);
  const auto& own = entry[s];
  const auto& opponent = entry[1 - s];
  const auto& cross = game.cards.cross[s];
  const auto weight_of = [&](std::size_t position) {
    return position < opponent_reach.size() && usable(opponent_reach[position])
               ? static_cast<double>(opponent_reach[position])
               : 0.0;
  };

  double all_total = 0.0;
  std::array<double, 52> all_by_card{};
  for (const auto& record : opponent) {
    if (record.position == halvory::kNoHand) continue;
    const double w = weight_of(record.position);
    all_total += w;
    all_by_card[low_card(record.pocket)] += w;
    all_by_card[high_card(record.pocket)] += w;
  }

  double below_total = 0.0;
  std::array<double, 52> below_by_card{};
  std::array<double, 52> equal_by_card{};
  std::size_t j = 1;  // past the low sentinel
  std::size_t i = 1;
  while (i + 1 < own.size()) {
    const std::uint32_t value = own[i].value;
    for (; opponent[j].value < value; ++j) {
      const double w = weight_of(opponent[j].position);
      below_total += w;
      below_by_card[low_card(opponent[j].pocket)] += w;
      below_by_card[high_card(opponent[j].pocket)] += w;
    }
    double equal_total = 0.0;
    std::size_t k = j;
    for (; opponent[k].value == value; ++k) {
      const double w = weight_of(opponent[k].position);
      equal_total += w;
      equal_by_card[low_card(opponent[k].pocket)] += w;
      equal_by_card[high_card(opponent[k].pocket)] += w;
    }
    for (; i + 1 < own.size() && own[i].value == value; ++i) {
      const std::size_t h = own[i].position;
      if (h >= own_reach.size() || !usable(own_reach[h])) continue;
      const CardCode a = low_card(own[i].pocket);
      const CardCode b = high_card(own[i].pocket);
      const double same = h < cross.size() ? weight_of(cross[h]) : 0.0;
      const double below = below_total - below_by_card[a] - below_by_card[b];
      const double equal = equal_total - equal_by_card[a] - equal_by_card[b] + same;
      tally.score[h] += below + 0.5 * equal;
      tally.met[h] += all_total - all_by_card[a] - all_by_card[b] + same;
    }
    for (std::size_t x = j; x < k; ++x) {
      equal_by_card[low_card(opponent[x].pocket)] = 0.0;
      equal_by_card[high_card(opponent[x].pocket)] = 0.0;
    }
  }
}

// Exact equities over the runouts; nothing when a runout has no showdown
// lists (a table that was never built).
std::optional<std::vector<double>> exact_equities(const halvory::Game& game,
                                                  std::span<const std::array<CardCode, 2>> runouts,
                                                  int seat, std::span<const float> own_reach,
                                                  std::span<const float> opponent_reach) {
  const std::size_t hands = game.cards.pockets[static_cast<std::size_t>(seat)].size();
  ShowdownTally tally{std::vector<double>(hands, 0.0), std::vector<double>(hands, 0.0)};
  for (const auto& [turn, river] : runouts) {
    const halvory::RunoutShowdown& entry = game.cards.runout_entry(turn, river);
    if (entry[0].size() < 2 || entry[1].size() < 2) return std::nullopt;
    tally_runout(game, entry, seat, own_reach, opponent_reach, tally);
  }
  std::vector<double> equities(hands, kNaN);
  for (std::size_t h = 0; h < hands; ++h) {
    if (usable(own_reach[h]) && tally.met[h] > 0.0) {
      equities[h] = std::clamp(tally.score[h] / tally.met[h], 0.0, 1.0);
    }
  }
  return equities;
}

}  // namespace

std::vector<float> path_reach(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                              const NodePath& path, std::uint64_t dead_cards, int seat) {
  return reach_along_path(game, solver, path, dead_cards, seat, true);
}

std::vector<float> path_play_factor(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                                    const NodePath& path, std::uint64_t dead_cards, int seat) {
  return reach_along_path(game, solver, path, dead_cards, seat, false);
}

std::vector<double> opponent_mass(const halvory::Game& game, int seat,
                                  std::span<const float> opponent_reach) {
  const auto s = static_cast<std::size_t>(seat);
  const auto& own = game.cards.pockets[s];
  const auto& opponent = game.cards.pockets[1 - s];
  const auto& cross = game.cards.cross[s];

  double total = 0.0;
  std::array<double, 64> card_mass{};
  const std::size_t known = std::min(opponent.size(), opponent_reach.size());
  for (std::size_t j = 0; j < known; ++j) {
    const double r = opponent_reach[j];
    if (!usable(r)) continue;
    total += r;
    card_mass[low_card(opponent[j])] += r;
    card_mass[high_card(opponent[j])] += r;
  }

  std::vector<double> mass(own.size(), 0.0);
  for (std::size_t i = 0; i < own.size(); ++i) {
    double same = 0.0;
    if (i < cross.size()) {
      const std::size_t x = cross[i];
      if (x != halvory::kNoHand && x < opponent_reach.size() && usable(opponent_reach[x])) {
        same = opponent_reach[x];
      }
    }
    const double m = same + total - card_mass[low_card(own[i])] - card_mass[high_card(own[i])];
    mass[i] = usable(m) ? m : 0.0;
  }
  return mass;
}

double rescale_ev(double value, double matchup_weight, double mass, double offset) {
  double e = value;
  if (matchup_weight > 0.0 && mass > 0.0) e *= matchup_weight / mass;
  if (usable(offset) && std::isfinite(e)) e += offset;
  return std::isfinite(e) ? e : 0.0;
}

std::optional<double> pair_weighted_mean(std::span<const float> reach, std::span<const double> mass,
                                         std::span<const double> values) {
  const std::size_t count = std::min({reach.size(), mass.size(), values.size()});
  double weight_sum = 0.0;
  double value_sum = 0.0;
  for (std::size_t h = 0; h < count; ++h) {
    const double weight = static_cast<double>(reach[h]) * mass[h];
    if (!usable(weight) || !std::isfinite(values[h])) continue;
    weight_sum += weight;
    value_sum += weight * values[h];
  }
  if (!usable(weight_sum) || !std::isfinite(value_sum)) return std::nullopt;
  return value_sum / weight_sum;
}

bool pair_reaches(std::span<const float> reach, std::span<const double> mass) {
  const std::size_t count = std::min(reach.size(), mass.size());
  double weight_sum = 0.0;
  for (std::size_t h = 0; h < count; ++h) {
    const double weight = static_cast<double>(reach[h]) * mass[h];
    if (usable(weight)) weight_sum += weight;
  }
  return usable(weight_sum);
}

std::vector<double> hand_evs(const halvory::Game& game, const halvory::DiscountedCfr& solver,
                             std::size_t node, int seat, std::span<const float> opponent_reach) {
  const auto s = static_cast<std::size_t>(seat);
  const std::size_t hands = game.cards.pockets[s].size();
  if (hands == 0 || node >= game.plan.nodes.size()) return {};
  const std::vector<float> values =
      solver_reads::node_cfvalues_with_reach(game, solver, node, seat, opponent_reach);
  if (values.size() != hands) return {};
  if (game.cards.pockets[1 - s].size() != opponent_reach.size()) return {};

  const std::vector<double> mass = opponent_mass(game, seat, opponent_reach);
  const double offset = ev_offset(game, node, seat);
  std::vector<double> evs(hands);
  for (std::size_t i = 0; i < hands; ++i) {
    evs[i] = rescale_ev(values[i], game.cards.matchup_weight, mass[i], offset);
  }
  return evs;
}

std::vector<double> hand_equities(const halvory::Game& game, std::size_t node, int seat,
                                  std::span<const float> own_reach,
                                  std::span<const float> opponent_reach,
                                  std::uint64_t exact_budget) {
  const auto s = static_cast<std::size_t>(seat);
  const auto& own_hands = game.cards.pockets[s];
  const auto& opponent_hands = game.cards.pockets[1 - s];
  if (node >= game.plan.nodes.size() || own_hands.empty() || own_reach.size() != own_hands.size() ||
      opponent_hands.empty() || opponent_reach.size() != opponent_hands.size()) {
    return {};
  }
  const auto& record = game.plan.nodes[node];
  const std::vector<std::array<CardCode, 2>> runouts = reachable_runouts(game, record);
  const std::uint64_t cost = runouts.size() * (own_hands.size() + opponent_hands.size());
  if (!runouts.empty() && cost <= exact_budget) {
    if (auto exact = exact_equities(game, runouts, seat, own_reach, opponent_reach)) return *exact;
  }
  // One seed for the node: both seats, every query that asks.
  constexpr std::uint32_t kNodeSeed = 0xA11CE0u;
  const std::uint32_t samples = record.turn == halvory::kNoCard    ? 2200
                                : record.river == halvory::kNoCard ? 1600
                                                                   : 1200;
  const std::span<const CardCode> flop(game.cards.board_cards.data(),
                                       std::min<std::size_t>(3, game.cards.board_cards.size()));
  return sampled_equities(game, flop, node, own_hands, own_reach, opponent_hands, opponent_reach,
                          samples, kNodeSeed);
}

// A solve whose game and solver are both present.
bool live(const SolvedGame& solved) {
  return solved.game && solved.solver;
}

// The decision node at node_index of a live solve, or null.
const halvory::ActionPlan::Node* live_decision_node(const SolvedGame& solved,
                                                    std::uint64_t node_index) {
  if (!live(solved) || node_index >= solved.game->plan.nodes.size()) return nullptr;
  const auto& node = solved.game->plan.nodes[static_cast<std::size_t>(node_index)];
  return node.kind == NodeKind::Decision ? &node : nullptr;
}

// Both seats' reach down to node n along its action path, or nothing when the
// node has no path or either seat's reach cannot be formed.
std::optional<std::array<std::vector<float>, 2>> seat_reaches(const halvory::Game& game,
                                                              const halvory::DiscountedCfr& solver,
                                                              std::size_t n) {
  const NodePath path = node_path(game, n);
  if (path.empty()) return std::nullopt;
  const std::uint64_t dead = node_dead_cards(game, n);
  std::array<std::vector<float>, 2> reach{path_reach(game, solver, path, dead, 0),
                                          path_reach(game, solver, path, dead, 1)};
  if (reach[0].empty() || reach[1].empty()) return std::nullopt;
  return reach;
}

}  // namespace halvory_app
