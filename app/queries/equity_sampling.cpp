// The sampled side of the node steps: weighted draws from a cumulative
// table and Monte Carlo equities over the runouts still to come.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "queries/node_steps.hpp"
#include "queries/pocket_cards.hpp"
#include "tree/game.hpp"

namespace halvory_app {

using halvory::CardCode;
using halvory::Pocket;

using pocket_cards::card_bit;
using pocket_cards::hand_mask;

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

}  // namespace halvory_app
