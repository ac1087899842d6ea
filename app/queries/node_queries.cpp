#include "queries/node_queries.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "queries/pocket_cards.hpp"
#include "cards/cards.hpp"
#include "queries/hand_categories.hpp"
#include "queries/node_steps.hpp"
#include "queries/solver_reads.hpp"
#include "session/action_shares.hpp"
#include "session/labels.hpp"
#include "session/session_control.hpp"
#include "solver/payoffs.hpp"

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

std::int32_t label_pot(const halvory::Game& game, const halvory::NodeRecord& node) {
  return node.pot >= 1 ? node.pot : game.config.starting_pot;
}

}  // namespace

SolvedGame solved_game_of(const SessionControl& session) {
  auto [game, solver] = session.snapshot();
  if (!game || !solver) return {};
  return {std::move(game), std::move(solver)};
}

std::optional<NodeActionStats> node_action_stats(const SolvedGame& solved,
                                                 std::uint64_t node_index) {
  const auto* found = live_decision_node(solved, node_index);
  if (!found) return std::nullopt;
  const auto& node = *found;
  const halvory::Game& game = *solved.game;
  const halvory::DiscountedCfr& solver = *solved.solver;
  const auto n = static_cast<std::size_t>(node_index);
  const std::size_t actions = node.actions.size();
  if (actions == 0 || node.children.size() < actions) {
    return std::nullopt;
  }
  const int s = node.seat;
  const int o = 1 - s;
  const auto& own_hands = game.cards.pockets[static_cast<std::size_t>(s)];
  const auto& opponent_hands = game.cards.pockets[static_cast<std::size_t>(o)];
  const std::size_t hands = own_hands.size();
  if (hands == 0 || game.cards.weights[static_cast<std::size_t>(s)].size() != hands)
    return std::nullopt;
  const std::vector<float> strategy = solver_reads::average_strategy(solver, n);
  if (strategy.size() != actions * hands) return std::nullopt;

  // Both seats at their reach at this node, so that the rows agree with the
  // node's EV and its per-hand details.
  const auto reaches = seat_reaches(game, solver, n);
  if (!reaches) return std::nullopt;
  const std::vector<float>& own_reach = (*reaches)[static_cast<std::size_t>(s)];
  const std::vector<float>& opponent_reach = (*reaches)[static_cast<std::size_t>(o)];
  if (opponent_reach.size() != opponent_hands.size()) return std::nullopt;

  std::vector<std::vector<float>> values(actions);
  for (std::size_t a = 0; a < actions; ++a) {
    values[a] =
        solver_reads::node_cfvalues_with_reach(game, solver, node.children[a], s, opponent_reach);
    if (values[a].size() != hands) return std::nullopt;
  }

  NodeActionStats stats;
  const std::int32_t pot = label_pot(game, node);
  // The shares of the combos that reach the node; a node nothing reaches
  // falls back to the plain mean so that it still shows a strategy.
  std::vector<float> frequencies = reach_weighted_shares(strategy, own_reach, actions);
  if (frequencies.empty()) frequencies = solver_reads::average_action_frequencies(solver, n);
  for (std::size_t a = 0; a < actions; ++a) {
    stats.names.push_back(action_display_label(node.actions[a], pot));
    stats.action_types.push_back(action_size_key(node.actions[a], pot));
    stats.frequencies.push_back(a < frequencies.size() ? frequencies[a] : 0.0f);
  }

  const std::vector<double> mass = opponent_mass(game, s, opponent_reach);
  const double matchup = game.cards.matchup_weight;
  const double offset = ev_offset(game, n, s);

  // q: the reach of each hand that takes the action.
  std::vector<double> q(hands);
  std::vector<float> q_float(hands);
  std::vector<double> evs(hands);
  const auto take_action = [&](std::size_t a) {
    for (std::size_t h = 0; h < hands; ++h) {
      const double product = static_cast<double>(strategy[a * hands + h]) * own_reach[h];
      q[h] = usable(strategy[a * hands + h]) && usable(product) ? product : 0.0;
      q_float[h] = static_cast<float>(q[h]);
      evs[h] = rescale_ev(values[a][h], matchup, mass[h], offset);
    }
  };

  // Each hand's equity once for the node; an action's is the mean over the
  // hands that take it, weighted as its EV is.
  const std::vector<double> equities = hand_equities(game, n, s, own_reach, opponent_reach);
  stats.combos.assign(actions, 0.0);
  stats.evs.assign(actions, 0.0);
  stats.equities.assign(actions, kNaN);
  for (std::size_t a = 0; a < actions; ++a) {
    take_action(a);
    for (const double weight : q) stats.combos[a] += weight;
    // An action no hand takes has no EV or equity of its own.
    stats.evs[a] = pair_weighted_mean(q_float, mass, evs).value_or(kNaN);
    if (equities.size() == hands) {
      const double equity = pair_weighted_mean(q_float, mass, equities).value_or(kNaN);
      stats.equities[a] = std::isfinite(equity) ? std::clamp(equity, 0.0, 1.0) : kNaN;
    }
  }
  return stats;
}

std::optional<HandStrategy> node_hand_strategy(const SolvedGame& solved, std::uint64_t node_index) {
  const auto* found = live_decision_node(solved, node_index);
  if (!found) return std::nullopt;
  const auto& node = *found;
  const halvory::Game& game = *solved.game;
  const auto n = static_cast<std::size_t>(node_index);
  const auto s = static_cast<std::size_t>(node.seat);
  const auto& hands = game.cards.pockets[s];
  const auto& reach = game.cards.reach_raw[s];
  const std::size_t count = hands.size();
  if (count == 0 || reach.size() != count) return std::nullopt;
  const std::size_t actions = node.actions.size();
  const std::vector<float> strategy = solver_reads::average_strategy(*solved.solver, n);
  if (actions == 0 || strategy.size() != actions * count) return std::nullopt;

  HandStrategy out;
  const std::int32_t pot = label_pot(game, node);
  std::vector<std::string> size_keys;
  for (const auto& action : node.actions) {
    size_keys.push_back(action_size_key(action, pot));
    out.action_names.push_back(action_display_label(action, pot));
  }

  std::vector<double> class_weight(kHandClassCount, 0.0);
  std::vector<double> class_prob(kHandClassCount * actions, 0.0);
  for (std::size_t h = 0; h < count; ++h) {
    const float r = reach[h];
    if (!(r > 0.0f)) continue;
    const std::size_t k = hand_class_index(low_card(hands[h]), high_card(hands[h]));
    class_weight[k] += r;
    for (std::size_t a = 0; a < actions; ++a) {
      class_prob[k * actions + a] += static_cast<double>(strategy[a * count + h]) * r;
    }
  }

  for (const CardCode card : board_at_node(game, n))
    out.board += halvory::card_to_string(static_cast<std::int8_t>(card));
  out.hand_labels = hand_class_labels();
  out.weights.assign(kHandClassCount, 0.0f);
  out.dominant_types.assign(kHandClassCount, std::string());
  out.action_probs.assign(kHandClassCount * actions, 0.0f);
  for (std::size_t k = 0; k < kHandClassCount; ++k) {
    if (!(class_weight[k] > 0.0)) continue;
    out.weights[k] = static_cast<float>(class_weight[k]);
    double best = -1.0;
    std::size_t dominant = 0;
    for (std::size_t a = 0; a < actions; ++a) {
      const double q = class_prob[k * actions + a] / class_weight[k];
      out.action_probs[k * actions + a] = static_cast<float>(q);
      if (q > best) {
        best = q;
        dominant = a;
      }
    }
    out.dominant_types[k] = size_keys[dominant];
  }
  return out;
}

std::optional<std::vector<ComboRow>> node_hand_combos(const SolvedGame& solved,
                                                      std::uint64_t node_index) {
  const auto* found = live_decision_node(solved, node_index);
  if (!found) return std::nullopt;
  const auto& node = *found;
  const halvory::Game& game = *solved.game;
  const halvory::DiscountedCfr& solver = *solved.solver;
  const auto n = static_cast<std::size_t>(node_index);
  const std::size_t actions = node.actions.size();
  if (actions == 0) return std::nullopt;
  const int s = node.seat;
  const int o = 1 - s;
  const auto& hands = game.cards.pockets[static_cast<std::size_t>(s)];
  const auto& weights = game.cards.weights[static_cast<std::size_t>(s)];
  const std::size_t count = hands.size();
  if (count == 0 || weights.size() != count) return std::nullopt;
  const std::vector<float> strategy = solver_reads::average_strategy(solver, n);
  if (strategy.size() != actions * count) return std::nullopt;
  const auto& opponent_hands = game.cards.pockets[static_cast<std::size_t>(o)];
  if (opponent_hands.empty() ||
      game.cards.weights[static_cast<std::size_t>(o)].size() != opponent_hands.size()) {
    return std::nullopt;
  }

  const NodePath path = node_path(game, n);
  if (path.empty()) return std::nullopt;
  const std::uint64_t dead = node_dead_cards(game, n);
  const std::vector<float> opponent_reach = path_reach(game, solver, path, dead, o);
  const std::vector<float> play = path_play_factor(game, solver, path, dead, s);
  if (opponent_reach.size() != opponent_hands.size() || play.size() != count) return std::nullopt;

  if (node.children.size() < actions) return std::nullopt;
  std::vector<std::vector<float>> child_values(actions);
  for (std::size_t a = 0; a < actions; ++a) {
    child_values[a] =
        solver_reads::node_cfvalues_with_reach(game, solver, node.children[a], s, opponent_reach);
    if (child_values[a].size() != count) return std::nullopt;
  }
  // At the acting seat's own node the value pass is the strategy-weighted
  // sum of the children's values, so the node's values need no pass of
  // their own (the costliest part of this query on a flop tree).
  std::vector<float> values(count);
  for (std::size_t h = 0; h < count; ++h) {
    double sum = 0.0;
    for (std::size_t a = 0; a < actions; ++a) {
      sum += static_cast<double>(strategy[a * count + h]) * child_values[a][h];
    }
    values[h] = static_cast<float>(sum);
  }

  const std::vector<double> mass = opponent_mass(game, s, opponent_reach);
  const double matchup = game.cards.matchup_weight;
  const double offset = ev_offset(game, n, s);
  const std::vector<CardCode> board = board_at_node(game, n);

  // Each hand's reach at the node; where no pair of hands reaches it, every
  // hand's values would be the offset alone, so none are given.
  std::vector<float> reach(count, 0.0f);
  for (std::size_t h = 0; h < count; ++h) {
    const double r = usable(weights[h]) && usable(play[h]) ? weights[h] * play[h] : 0.0;
    reach[h] = usable(r) ? static_cast<float>(r) : 0.0f;
  }
  const bool reached = pair_reaches(reach, mass);

  std::vector<ComboRow> rows;
  rows.reserve(count);
  for (std::size_t h = 0; h < count; ++h) {
    const double w = weights[h];
    if (!usable(w)) continue;
    ComboRow row;
    row.c1 = pocket_cards::first_card_text(hands[h]);
    row.c2 = pocket_cards::second_card_text(hands[h]);
    const double weight = usable(play[h]) ? w * play[h] : 0.0;
    row.weight = std::isfinite(weight) ? weight : 0.0;
    row.buckets = bucket_labels(hands[h], board, game.cards.short_deck != 0);
    if (!reached) {
      row.ev = kNaN;
      row.action_evs.assign(actions, kNaN);
      row.action_probs.assign(actions, std::numeric_limits<float>::quiet_NaN());
      rows.push_back(std::move(row));
      continue;
    }
    row.ev = rescale_ev(values[h], matchup, mass[h], offset);
    row.action_evs.resize(actions);
    for (std::size_t a = 0; a < actions; ++a) {
      row.action_evs[a] = rescale_ev(child_values[a][h], matchup, mass[h], offset);
    }
    row.action_probs.resize(actions);
    double total = 0.0;
    for (std::size_t a = 0; a < actions; ++a) {
      const float p = strategy[a * count + h];
      row.action_probs[a] = (std::isfinite(p) && p >= 0.0f) ? p : 0.0f;
      total += row.action_probs[a];
    }
    if (total > 0.0) {
      const auto scale = static_cast<float>(1.0 / total);
      for (float& p : row.action_probs) p *= scale;
    } else {
      for (float& p : row.action_probs) p = static_cast<float>(1.0 / static_cast<double>(actions));
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const ComboRow& a, const ComboRow& b) { return a.ev > b.ev; });
  return rows;
}

std::optional<double> node_ev(const SolvedGame& solved, std::uint64_t node_index, int seat) {
  if (!live(solved) || (seat != 0 && seat != 1)) return std::nullopt;
  const halvory::Game& game = *solved.game;
  const halvory::DiscountedCfr& solver = *solved.solver;
  if (node_index >= game.plan.nodes.size()) return std::nullopt;
  const auto n = static_cast<std::size_t>(node_index);
  const auto reaches = seat_reaches(game, solver, n);
  if (!reaches) return std::nullopt;
  const std::vector<float>& reach_oop = (*reaches)[0];
  const std::vector<float>& reach_ip = (*reaches)[1];
  const std::vector<float>& reach = seat == 0 ? reach_oop : reach_ip;
  const std::vector<float>& opponent_reach = seat == 0 ? reach_ip : reach_oop;

  const std::size_t count = game.cards.pockets[static_cast<std::size_t>(seat)].size();
  if (count == 0 || reach.size() != count) return std::nullopt;
  // hand_evs checks the value and opponent sizes.
  const std::vector<double> evs = hand_evs(game, solver, n, seat, opponent_reach);
  if (evs.size() != count) return std::nullopt;
  return pair_weighted_mean(reach, opponent_mass(game, seat, opponent_reach), evs);
}

std::optional<std::vector<double>> node_pocket_action_evs(const SolvedGame& solved,
                                                          std::uint64_t node_index, int seat,
                                                          const std::string& c1,
                                                          const std::string& c2) {
  const auto* found = live_decision_node(solved, node_index);
  if (!found) return std::nullopt;
  const auto& node = *found;
  const halvory::Game& game = *solved.game;
  const halvory::DiscountedCfr& solver = *solved.solver;
  const auto n = static_cast<std::size_t>(node_index);
  const std::size_t actions = node.actions.size();
  if (node.seat != seat || actions == 0 || node.children.size() < actions) {
    return std::nullopt;
  }
  if (c1.size() < 2 || c2.size() < 2) return std::nullopt;
  CardCode x = 0;
  CardCode y = 0;
  try {
    x = halvory::parse_card(std::string_view(c1).substr(0, 2));
    y = halvory::parse_card(std::string_view(c2).substr(0, 2));
  } catch (const std::exception&) {
    // Text typed by the user: a malformed card is an unmet precondition.
    return std::nullopt;
  }
  if (x == y) return std::nullopt;

  const int o = 1 - seat;
  const auto& hands = game.cards.pockets[static_cast<std::size_t>(seat)];
  const std::size_t count = hands.size();
  if (count == 0 || game.cards.weights[static_cast<std::size_t>(seat)].size() != count) {
    return std::nullopt;
  }
  const auto wanted = static_cast<std::uint64_t>(card_bit(x) | card_bit(y));
  std::size_t index = count;
  for (std::size_t h = 0; h < count; ++h) {
    if (hand_mask(hands[h]) == wanted) {
      index = h;
      break;
    }
  }
  if (index == count) return std::nullopt;
  const auto& opponent_hands = game.cards.pockets[static_cast<std::size_t>(o)];
  if (opponent_hands.empty() ||
      game.cards.weights[static_cast<std::size_t>(o)].size() != opponent_hands.size()) {
    return std::nullopt;
  }
  const NodePath path = node_path(game, n);
  if (path.empty()) return std::nullopt;
  // No figures for any hand at a node no pair of hands reaches.
  const auto reaches = seat_reaches(game, solver, n);
  if (!reaches) return std::nullopt;
  const auto own = static_cast<std::size_t>(seat);
  if (!pair_reaches((*reaches)[own], opponent_mass(game, seat, (*reaches)[1 - own]))) {
    return std::vector<double>(actions, kNaN);
  }
  const std::uint64_t dead = node_dead_cards(game, n) | wanted;
  const std::vector<float> opponent_reach = path_reach(game, solver, path, dead, o);
  if (opponent_reach.size() != opponent_hands.size()) return std::nullopt;

  const double mass = opponent_mass(game, seat, opponent_reach)[index];
  const double matchup = game.cards.matchup_weight;
  const double offset = ev_offset(game, n, seat);
  std::vector<double> evs(actions);
  for (std::size_t a = 0; a < actions; ++a) {
    const std::vector<float> values = solver_reads::node_cfvalues_with_reach(
        game, solver, node.children[a], seat, opponent_reach);
    if (values.size() != count) return std::nullopt;
    evs[a] = rescale_ev(values[index], matchup, mass, offset);
  }
  return evs;
}

std::optional<std::vector<ComboRow>> node_seat_hand_combos(const SolvedGame& solved,
                                                           std::uint64_t node_index, int seat) {
  if (!solved.game || (seat != 0 && seat != 1)) return std::nullopt;
  const halvory::Game& game = *solved.game;
  if (node_index >= game.plan.nodes.size()) return std::nullopt;
  const auto& hands = game.cards.pockets[static_cast<std::size_t>(seat)];
  const auto& weights = game.cards.weights[static_cast<std::size_t>(seat)];
  if (hands.empty() || weights.size() != hands.size()) return std::nullopt;
  const auto n = static_cast<std::size_t>(node_index);
  const std::uint64_t dead = node_dead_cards(game, n);
  std::vector<float> reach;
  if (solved.solver) {
    const NodePath path = node_path(game, n);
    if (!path.empty()) reach = path_reach(game, *solved.solver, path, dead, seat);
  }
  std::vector<ComboRow> rows;
  for (std::size_t h = 0; h < hands.size(); ++h) {
    if (!usable(weights[h]) || (hand_mask(hands[h]) & dead) != 0) continue;
    ComboRow row;
    row.c1 = pocket_cards::first_card_text(hands[h]);
    row.c2 = pocket_cards::second_card_text(hands[h]);
    row.weight = weights[h];
    if (reach.size() == hands.size()) row.reach = usable(reach[h]) ? reach[h] : 0.0;
    rows.push_back(std::move(row));
  }
  return rows;
}

// Session forms: copy the session's pointers under its lock, then read them.
std::optional<NodeActionStats> node_action_stats(const SessionControl& session,
                                                 std::uint64_t node) {
  return node_action_stats(solved_game_of(session), node);
}
std::optional<std::vector<BucketRow>> node_hand_buckets(const SessionControl& session,
                                                        std::uint64_t node) {
  return node_hand_buckets(solved_game_of(session), node);
}
std::optional<HandDistributions> node_hand_distributions(const SessionControl& session,
                                                         std::uint64_t node) {
  return node_hand_distributions(solved_game_of(session), node);
}
std::optional<HandStrategy> node_hand_strategy(const SessionControl& session, std::uint64_t node) {
  return node_hand_strategy(solved_game_of(session), node);
}
std::optional<std::vector<ComboRow>> node_hand_combos(const SessionControl& session,
                                                      std::uint64_t node) {
  return node_hand_combos(solved_game_of(session), node);
}
std::optional<double> node_ev(const SessionControl& session, std::uint64_t node, int seat) {
  return node_ev(solved_game_of(session), node, seat);
}
std::optional<std::vector<double>> node_pocket_action_evs(const SessionControl& session,
                                                          std::uint64_t node, int seat,
                                                          const std::string& c1,
                                                          const std::string& c2) {
  return node_pocket_action_evs(solved_game_of(session), node, seat, c1, c2);
}
std::optional<std::vector<ComboRow>> node_seat_hand_combos(const SessionControl& session,
                                                           std::uint64_t node, int seat) {
  // Needs only the game: take it even when the solver pointer is empty (the
  // rows then carry no reach).
  auto [game, solver] = session.snapshot();
  if (!game) game = session.game_ptr();
  return node_seat_hand_combos(SolvedGame{std::move(game), std::move(solver)}, node, seat);
}
std::optional<double> node_rake(const SessionControl& session, std::uint64_t node) {
  const std::shared_ptr<halvory::Game> game = session.game_ptr();
  if (!game || node >= game->plan.nodes.size()) return std::nullopt;
  return halvory::terminal_rake(*game, game->plan.nodes[static_cast<std::size_t>(node)]);
}

}  // namespace halvory_app
