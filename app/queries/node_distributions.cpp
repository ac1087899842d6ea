#include "queries/node_distributions.hpp"

#include <algorithm>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "cards/cards.hpp"
#include "queries/hand_categories.hpp"
#include "queries/pocket_cards.hpp"
#include "queries/solver_reads.hpp"
#include "tree/game.hpp"

namespace halvory_app {

using halvory::CardCode;
using halvory::Pocket;

using pocket_cards::pocket_text;

std::optional<std::vector<BucketRow>> node_hand_buckets(const SolvedGame& solved,
                                                        std::uint64_t node_index) {
  const auto* found = live_decision_node(solved, node_index);
  if (!found) return std::nullopt;
  const auto& node = *found;
  const halvory::Game& game = *solved.game;
  const auto n = static_cast<std::size_t>(node_index);
  const std::size_t actions = node.actions.size();
  if (actions == 0) return std::nullopt;
  const auto s = static_cast<std::size_t>(node.seat);
  const auto& hands = game.cards.pockets[s];
  const auto& weights = game.cards.weights[s];
  const std::size_t count = hands.size();
  if (count == 0 || weights.size() != count) return std::nullopt;
  const std::vector<float> strategy = solver_reads::average_strategy(*solved.solver, n);
  if (strategy.size() != actions * count) return std::nullopt;
  const std::vector<CardCode> board = board_at_node(game, n);
  if (board.size() < 3 || board.size() > 5) return std::nullopt;
  // The combos that reach the node, weighted like the combos column.
  const NodePath path = node_path(game, n);
  if (path.empty()) return std::nullopt;
  const std::vector<float> reach =
      path_reach(game, *solved.solver, path, node_dead_cards(game, n), static_cast<int>(s));
  if (reach.size() != count) return std::nullopt;

  const bool short_deck = game.cards.short_deck != 0;
  std::vector<double> combo_sums(kBucketCount, 0.0);
  std::vector<double> action_sums(kBucketCount * actions, 0.0);
  const auto add_to_bucket = [&](std::size_t row, double w, std::size_t h) {
    combo_sums[row] += w;
    for (std::size_t a = 0; a < actions; ++a) {
      const float sigma = strategy[a * count + h];
      if (usable(sigma)) action_sums[row * actions + a] += sigma * w;
    }
  };
  for (std::size_t h = 0; h < count; ++h) {
    const double w = reach[h];
    if (!usable(w)) continue;
    for (const std::string& label : bucket_labels(hands[h], board, short_deck)) {
      add_to_bucket(bucket_index(label), w, h);
    }
  }

  std::vector<BucketRow> rows;
  for (std::size_t row = 0; row < kBucketCount; ++row) {
    if (!(combo_sums[row] > 0.0)) continue;
    BucketRow out;
    out.name = std::string(kBucketNames[row]);
    out.combos = combo_sums[row];
    out.action_probs.resize(actions);
    double total = 0.0;
    for (std::size_t a = 0; a < actions; ++a) {
      out.action_probs[a] = static_cast<float>(action_sums[row * actions + a] / combo_sums[row]);
      if (usable(out.action_probs[a])) total += out.action_probs[a];
    }
    if (total > 0.0) {
      const auto scale = static_cast<float>(1.0 / total);
      for (float& p : out.action_probs) p *= scale;
    }
    rows.push_back(std::move(out));
  }
  return rows;
}

std::optional<HandDistributions> node_hand_distributions(const SolvedGame& solved,
                                                         std::uint64_t node_index) {
  if (!live(solved)) return std::nullopt;
  const halvory::Game& game = *solved.game;
  const halvory::DiscountedCfr& solver = *solved.solver;
  if (node_index >= game.plan.nodes.size()) return std::nullopt;
  const auto n = static_cast<std::size_t>(node_index);
  const auto reaches = seat_reaches(game, solver, n);
  if (!reaches) return std::nullopt;
  const std::vector<float>& reach_oop = (*reaches)[0];
  const std::vector<float>& reach_ip = (*reaches)[1];
  std::vector<double> ev_oop = hand_evs(game, solver, n, 0, reach_ip);
  std::vector<double> ev_ip = hand_evs(game, solver, n, 1, reach_oop);
  if (ev_oop.empty() || ev_ip.empty()) return std::nullopt;
  // A node no pair of hands reaches has no EV for any hand.
  if (!pair_reaches(reach_oop, opponent_mass(game, 0, reach_ip))) {
    std::fill(ev_oop.begin(), ev_oop.end(), std::numeric_limits<double>::quiet_NaN());
    std::fill(ev_ip.begin(), ev_ip.end(), std::numeric_limits<double>::quiet_NaN());
  }

  const auto& oop_hands = game.cards.pockets[0];
  const auto& ip_hands = game.cards.pockets[1];
  const std::vector<double> equity_oop = hand_equities(game, n, 0, reach_oop, reach_ip);
  const std::vector<double> equity_ip = hand_equities(game, n, 1, reach_ip, reach_oop);
  if (equity_oop.empty() || equity_ip.empty()) return std::nullopt;

  HandDistributions out;
  const auto fill = [](const std::vector<Pocket>& hands, const std::vector<float>& reach,
                       const std::vector<double>& evs, const std::vector<double>& equities,
                       std::vector<std::string>& texts, std::vector<double>& ev_out,
                       std::vector<double>& equity_out) {
    const std::size_t count = std::min({hands.size(), reach.size(), evs.size(), equities.size()});
    for (std::size_t h = 0; h < count; ++h) {
      if (!usable(reach[h])) continue;
      texts.push_back(pocket_text(hands[h]));
      ev_out.push_back(evs[h]);
      equity_out.push_back(equities[h]);
    }
  };
  fill(oop_hands, reach_oop, ev_oop, equity_oop, out.oop_hands, out.ev_oop, out.equity_oop);
  fill(ip_hands, reach_ip, ev_ip, equity_ip, out.ip_hands, out.ev_ip, out.equity_ip);
  return out;
}

}  // namespace halvory_app
