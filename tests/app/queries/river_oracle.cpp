#include "river_oracle.hpp"

#include <functional>

namespace halvory_app::spots {

RiverOracle::RiverOracle(const halvory::Game& game, const halvory::DiscountedCfr& solver)
    : game_(game), solver_(solver) {
  const auto& board = game.cards.board_cards;
  for (int s = 0; s < 2; ++s) {
    for (halvory::Pocket hand : game.cards.pockets[s]) {
      strength_[s].push_back(halvory::evaluate_hand(hand, board, game.cards.short_deck != 0));
    }
  }
}

const std::vector<float>& RiverOracle::strategy(std::size_t node) {
  auto it = strategies_.find(node);
  if (it == strategies_.end()) it = strategies_.emplace(node, solver_.average_strategy(node)).first;
  return it->second;
}

double RiverOracle::half_pot(std::size_t node) const {
  return (game_.config.starting_pot + 2.0 * game_.plan.nodes[node].matched) * 0.5;
}

bool RiverOracle::compatible(int seat, std::size_t h, std::size_t j) const {
  const halvory::Pocket a = game_.cards.pockets[seat][h];
  const halvory::Pocket b = game_.cards.pockets[1 - seat][j];
  const auto cards = [](halvory::Pocket p) {
    return (std::uint64_t{1} << (p & 0xFF)) | (std::uint64_t{1} << (p >> 8));
  };
  return (cards(a) & cards(b)) == 0;
}

double RiverOracle::pair_value(std::size_t node, int seat, std::size_t h, std::size_t j) {
  const auto& record = game_.plan.nodes[node];
  if (record.kind == halvory::NodeKind::Terminal) {
    const double half = half_pot(node);
    if (record.last_action == halvory::ActionKind::Fold)
      return record.last_actor == seat ? -half : half;
    const auto own = strength_[seat][h];
    const auto other = strength_[1 - seat][j];
    return own > other ? half : own < other ? -half : 0.0;
  }
  const std::size_t actions = record.children.size();
  const std::size_t actor_hand = record.seat == seat ? h : j;
  const std::size_t hands = game_.cards.pockets[record.seat].size();
  const std::vector<float>& sigma = strategy(node);
  double value = 0.0;
  for (std::size_t a = 0; a < actions; ++a) {
    const double p =
        sigma.empty() ? 1.0 / static_cast<double>(actions) : sigma[a * hands + actor_hand];
    if (p != 0.0) value += p * pair_value(record.children[a], seat, h, j);
  }
  return value;
}

std::vector<std::pair<std::size_t, std::size_t>> RiverOracle::steps_to(std::size_t target) const {
  std::vector<std::pair<std::size_t, std::size_t>> steps;
  const std::function<bool(std::size_t)> search = [&](std::size_t node) {
    if (node == target) return true;
    const auto& children = game_.plan.nodes[node].children;
    for (std::size_t k = 0; k < children.size(); ++k) {
      steps.emplace_back(node, k);
      if (search(children[k])) return true;
      steps.pop_back();
    }
    return false;
  };
  search(0);
  return steps;
}

std::vector<double> RiverOracle::reach(std::size_t node, int seat) {
  const auto& weights = game_.cards.weights[seat];
  std::vector<double> r(weights.begin(), weights.end());
  for (const auto& [parent, slot] : steps_to(node)) {
    const auto& record = game_.plan.nodes[parent];
    if (record.kind != halvory::NodeKind::Decision || record.seat != seat) continue;
    const std::vector<float>& sigma = strategy(parent);
    for (std::size_t h = 0; h < r.size(); ++h) r[h] *= sigma[slot * r.size() + h];
  }
  return r;
}

std::vector<double> RiverOracle::hand_evs(std::size_t node, int seat,
                                          const std::vector<double>& opponent_reach,
                                          double offset) {
  const std::size_t own = game_.cards.pockets[seat].size();
  std::vector<double> evs(own, offset);
  for (std::size_t h = 0; h < own; ++h) {
    double mass = 0.0;
    double sum = 0.0;
    for (std::size_t j = 0; j < opponent_reach.size(); ++j) {
      if (opponent_reach[j] <= 0.0 || !compatible(seat, h, j)) continue;
      mass += opponent_reach[j];
      sum += opponent_reach[j] * pair_value(node, seat, h, j);
    }
    if (mass > 0.0) evs[h] += sum / mass;
  }
  return evs;
}

double RiverOracle::equity(int seat, const std::vector<double>& own_weights,
                           const std::vector<double>& opponent_weights) const {
  double mass = 0.0;
  double score = 0.0;
  for (std::size_t h = 0; h < own_weights.size(); ++h) {
    if (own_weights[h] <= 0.0) continue;
    for (std::size_t j = 0; j < opponent_weights.size(); ++j) {
      if (opponent_weights[j] <= 0.0 || !compatible(seat, h, j)) continue;
      const double w = own_weights[h] * opponent_weights[j];
      mass += w;
      const auto own = strength_[seat][h];
      const auto other = strength_[1 - seat][j];
      score += own > other ? w : own == other ? 0.5 * w : 0.0;
    }
  }
  return mass > 0.0 ? score / mass : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace halvory_app::spots
