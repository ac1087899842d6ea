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

// Uniform double in [0, 1) from two generator outputs.
double uniform_unit(std::mt19937& rng) {
  return std::generate_canonical<double, 53>(rng);
}

// Uniform integer in [0, n) by multiply-and-shift, rejecting the biased low range.
std::uint32_t uniform_below(std::mt19937& rng, std::uint32_t n) {
  std::uint64_t product = std::uint64_t{rng()} * n;
  auto low = static_cast<std::uint32_t>(product);
  if (low < n) {
    const std::uint32_t threshold = static_cast<std::uint32_t>(-n) % n;
    while (low < threshold) {
      product = std::uint64_t{rng()} * n;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<std::uint32_t>(product >> 32);
}

// First index whose cumulative sum is not below `target` (the last when none).
std::size_t first_not_below(const std::vector<double>& sums, double target) {
  const auto it = std::lower_bound(sums.begin(), sums.end(), target);
  return it == sums.end() ? sums.size() - 1 : static_cast<std::size_t>(it - sums.begin());
}

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

void CumulativeWeights::assign(std::span<const double> weights) {
  sums.clear();
  sums.reserve(weights.size());
  total = 0.0;
  for (double weight : weights) {
    if (usable(weight)) total += weight;
    sums.push_back(total);
  }
}

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

std::vector<double> sampled_equities(const halvory::Game& game, std::span<const CardCode> flop,
                                     std::size_t node, std::span<const Pocket> own_hands,
                                     std::span<const float> own_reach,
                                     std::span<const Pocket> opponent_hands,
                                     std::span<const float> opponent_reach, std::uint32_t samples,
                                     std::uint32_t seed) {
  if (own_hands.empty() || own_reach.size() != own_hands.size() || opponent_hands.empty() ||
      opponent_reach.size() != opponent_hands.size() || node >= game.plan.nodes.size()) {
    return {};
  }
  const auto& record = game.plan.nodes[node];
  const bool short_deck = game.cards.short_deck != 0;

  std::vector<std::size_t> active;
  for (std::size_t i = 0; i < own_hands.size(); ++i) {
    if (usable(own_reach[i])) active.push_back(i);
  }
  std::vector<std::uint64_t> wins(own_hands.size(), 0);
  std::vector<std::uint64_t> ties(own_hands.size(), 0);
  std::vector<std::uint64_t> trials(own_hands.size(), 0);

  std::vector<double> opponent_weights(opponent_reach.size());
  for (std::size_t j = 0; j < opponent_reach.size(); ++j) {
    opponent_weights[j] = usable(opponent_reach[j]) ? opponent_reach[j] : 0.0;
  }
  CumulativeWeights cumulative;
  cumulative.assign(opponent_weights);
  if (!(cumulative.total > 0.0)) return {};

  std::uint64_t known = 0;
  for (CardCode card : flop) known |= card_bit(card);
  const bool turn_dealt = record.turn != halvory::kNoCard;
  const bool river_dealt = record.river != halvory::kNoCard;
  if (turn_dealt) known |= card_bit(record.turn);
  if (river_dealt) known |= card_bit(record.river);
  std::vector<CardCode> deck;
  for (CardCode card = 0; card < 52; ++card) {
    if ((game.cards.deck_mask & card_bit(card)) != 0 && (known & card_bit(card)) == 0) {
      deck.push_back(card);
    }
  }
  if (deck.empty()) return {};

  std::mt19937 rng(seed ^ static_cast<std::uint32_t>(node) ^ 0x0C0AB0C0u);
  const auto deck_size = static_cast<std::uint32_t>(deck.size());
  std::array<CardCode, 5> board{};
  for (std::uint32_t sample = 0; sample < samples; ++sample) {
    CardCode turn = record.turn;
    CardCode river = record.river;
    if (turn_dealt && !river_dealt) {
      river = deck[uniform_below(rng, deck_size)];
    } else if (!turn_dealt && river_dealt) {
      turn = deck[uniform_below(rng, deck_size)];
    } else if (!turn_dealt && !river_dealt) {
      if (deck_size < 2) continue;
      const std::uint32_t i = uniform_below(rng, deck_size);
      std::uint32_t j = uniform_below(rng, deck_size - 1);
      if (j >= i) ++j;
      turn = deck[i];
      river = deck[j];
    }
    std::uint64_t board_set = 0;
    for (CardCode card : flop) board_set |= card_bit(card);
    board_set |= card_bit(turn) | card_bit(river);

    std::ptrdiff_t opponent = -1;
    for (int attempt = 0; attempt < 64; ++attempt) {
      const double x = uniform_unit(rng) * cumulative.total;
      const std::size_t k = first_not_below(cumulative.sums, x);
      if ((hand_mask(opponent_hands[k]) & board_set) == 0) {
        opponent = static_cast<std::ptrdiff_t>(k);
        break;
      }
    }
    if (opponent < 0) continue;
    if (flop.size() != 3) continue;
    board = {flop[0], flop[1], flop[2], turn, river};

    const Pocket opponent_hand = opponent_hands[static_cast<std::size_t>(opponent)];
    const halvory::HandStrength opponent_strength =
        halvory::evaluate_hand(opponent_hand, board, short_deck);
    const std::uint64_t blocked = board_set | hand_mask(opponent_hand);
    for (std::size_t i : active) {
      if ((hand_mask(own_hands[i]) & blocked) != 0) continue;
      ++trials[i];
      const halvory::HandStrength strength =
          halvory::evaluate_hand(own_hands[i], board, short_deck);
      if (strength > opponent_strength) {
        ++wins[i];
      } else if (strength == opponent_strength) {
        ++ties[i];
      }
    }
  }

  std::vector<double> equities(own_hands.size(), kNaN);
  for (std::size_t i : active) {
    if (trials[i] == 0) continue;
    const double equity = (static_cast<double>(wins[i]) + 0.5 * static_cast<double>(ties[i])) /
                          static_cast<double>(trials[i]);
    equities[i] = std::clamp(equity, 0.0, 1.0);
  }
  return equities;
}

std::ptrdiff_t draw_weighted_index(const CumulativeWeights& weights, std::mt19937& rng) {
  if (!(weights.total > 0.0) || weights.sums.empty()) return -1;
  const double u = uniform_unit(rng);
  return static_cast<std::ptrdiff_t>(first_not_below(weights.sums, u * weights.total));
}

double estimate_equity_sampled(std::mt19937& rng, std::span<const CardCode> flop, CardCode turn,
                               CardCode river, std::uint64_t deck_mask, bool short_deck,
                               std::span<const Pocket> hero_hands,
                               std::span<const double> hero_weights,
                               std::span<const Pocket> opponent_hands,
                               std::span<const float> opponent_weights, std::uint32_t samples) {
  if (samples == 0 || hero_hands.empty() || opponent_hands.empty() ||
      hero_weights.size() != hero_hands.size() ||
      opponent_weights.size() != opponent_hands.size() || flop.size() < 3) {
    return kNaN;
  }
  std::uint64_t dead = 0;
  for (std::size_t i = 0; i < 3; ++i) dead |= card_bit(flop[i]);
  const bool turn_dealt = turn != halvory::kNoCard;
  const bool river_dealt = river != halvory::kNoCard;
  if (turn_dealt) dead |= card_bit(turn);
  if (river_dealt) dead |= card_bit(river);

  std::vector<double> opponent(opponent_weights.size());
  for (std::size_t j = 0; j < opponent.size(); ++j) {
    opponent[j] = usable(opponent_weights[j]) ? opponent_weights[j] : 0.0;
  }
  CumulativeWeights hero_cumulative;
  hero_cumulative.assign(hero_weights);
  CumulativeWeights opponent_cumulative;
  opponent_cumulative.assign(opponent);
  if (!(hero_cumulative.total > 0.0) || !(opponent_cumulative.total > 0.0)) return kNaN;

  std::uint64_t counted = 0;
  double score = 0.0;
  std::vector<CardCode> free_cards;
  free_cards.reserve(52);
  const auto pick_free_card = [&](std::uint64_t used) -> int {
    free_cards.clear();
    for (CardCode card = 0; card < 52; ++card) {
      if ((deck_mask & card_bit(card)) != 0 && (used & card_bit(card)) == 0) {
        free_cards.push_back(card);
      }
    }
    if (free_cards.empty()) return -1;
    return free_cards[uniform_below(rng, static_cast<std::uint32_t>(free_cards.size()))];
  };

  for (std::uint32_t draw = 0; draw < samples; ++draw) {
    const auto hero_index = static_cast<std::size_t>(draw_weighted_index(hero_cumulative, rng));
    const Pocket hero = hero_hands[hero_index];
    if ((hand_mask(hero) & dead) != 0) continue;

    std::ptrdiff_t opponent_index = -1;
    for (int attempt = 0; attempt < 32; ++attempt) {
      const std::ptrdiff_t k = draw_weighted_index(opponent_cumulative, rng);
      if ((hand_mask(opponent_hands[static_cast<std::size_t>(k)]) & (dead | hand_mask(hero))) ==
          0) {
        opponent_index = k;
        break;
      }
    }
    if (opponent_index < 0) continue;
    const Pocket villain = opponent_hands[static_cast<std::size_t>(opponent_index)];

    std::uint64_t used = dead | hand_mask(hero) | hand_mask(villain);
    int turn_card = turn;
    int river_card = river;
    if (!turn_dealt) {
      turn_card = pick_free_card(used);
      if (turn_card < 0) continue;
      used |= card_bit(static_cast<CardCode>(turn_card));
    }
    if (!river_dealt) {
      river_card = pick_free_card(used);
      if (river_card < 0) continue;
    }
    const std::array<CardCode, 5> board{flop[0], flop[1], flop[2], static_cast<CardCode>(turn_card),
                                        static_cast<CardCode>(river_card)};
    const halvory::HandStrength hero_strength = halvory::evaluate_hand(hero, board, short_deck);
    const halvory::HandStrength villain_strength =
        halvory::evaluate_hand(villain, board, short_deck);
    ++counted;
    if (hero_strength > villain_strength) {
      score += 1.0;
    } else if (hero_strength == villain_strength) {
      score += 0.5;
    }
  }
  return counted == 0 ? kNaN : score / static_cast<double>(counted);
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
