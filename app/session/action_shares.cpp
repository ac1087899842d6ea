#include "session/action_shares.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "queries/pocket_cards.hpp"
#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace halvory_app {

namespace {

bool counts(double value) {
  return value > 0.0 && value < std::numeric_limits<double>::infinity();
}

std::uint64_t dealt_cards(const halvory::NodeRecord& node) {
  std::uint64_t cards = 0;
  if (node.turn < 64) cards |= pocket_cards::card_bit(node.turn);
  if (node.river < 64) cards |= pocket_cards::card_bit(node.river);
  return cards;
}

class SharesPass {
 public:
  SharesPass(const halvory::Game& game, const halvory::DiscountedCfr& solver)
      : game_(game), solver_(solver), shares_(game.nodes.size()) {}

  std::vector<std::vector<float>> run() {
    if (game_.nodes.empty()) return {};
    std::array<std::vector<float>, 2> reach;
    for (int s = 0; s < 2; ++s) {
      const auto& pockets = game_.cards.pockets[static_cast<std::size_t>(s)];
      const auto& weights = game_.cards.weights[static_cast<std::size_t>(s)];
      reach[s].assign(pockets.size(), 0.0f);
      for (std::size_t h = 0; h < pockets.size() && h < weights.size(); ++h) {
        const bool dead = (pocket_cards::hand_mask(pockets[h]) & game_.cards.board_mask) != 0;
        if (!dead && counts(weights[h])) reach[s][h] = weights[h];
      }
    }
    visit(0, reach);
    return std::move(shares_);
  }

 private:
  // Hands holding a card dealt at `node` drop out of both reaches.
  void remove_dealt(std::size_t node, std::array<std::vector<float>, 2>& reach) const {
    const std::uint64_t dealt = dealt_cards(game_.nodes[node]);
    if (dealt == 0) return;
    for (std::size_t s = 0; s < 2; ++s) {
      const auto& pockets = game_.cards.pockets[s];
      for (std::size_t h = 0; h < reach[s].size() && h < pockets.size(); ++h) {
        if ((pocket_cards::hand_mask(pockets[h]) & dealt) != 0) reach[s][h] = 0.0f;
      }
    }
  }

  void visit(std::size_t node, std::array<std::vector<float>, 2>& reach) {
    const halvory::NodeRecord& record = game_.nodes[node];
    if (record.kind == halvory::NodeKind::Terminal) return;
    if (record.kind == halvory::NodeKind::Chance) {
      for (const std::size_t child : record.children) {
        if (child >= game_.nodes.size()) continue;
        std::array<std::vector<float>, 2> dealt = reach;
        remove_dealt(child, dealt);
        visit(child, dealt);
      }
      return;
    }
    const std::size_t actions = record.actions.size();
    const auto seat = static_cast<std::size_t>(record.seat);
    const std::vector<float> strategy = solver_.average_strategy(node);
    const std::size_t hands = reach[seat].size();
    if (actions == 0 || hands == 0 || strategy.size() != actions * hands) return;
    shares_[node] = reach_weighted_shares(strategy, reach[seat], actions);
    const std::vector<float> own = reach[seat];
    for (std::size_t a = 0; a < actions && a < record.children.size(); ++a) {
      const std::size_t child = record.children[a];
      if (child >= game_.nodes.size()) continue;
      const float* row = strategy.data() + a * hands;
      for (std::size_t h = 0; h < hands; ++h)
        reach[seat][h] = counts(row[h]) ? own[h] * row[h] : 0.0f;
      visit(child, reach);
    }
    reach[seat] = own;
  }

  const halvory::Game& game_;
  const halvory::DiscountedCfr& solver_;
  std::vector<std::vector<float>> shares_;
};

}  // namespace

std::vector<float> reach_weighted_shares(std::span<const float> strategy,
                                         std::span<const float> reach, std::size_t actions) {
  const std::size_t hands = reach.size();
  if (actions == 0 || strategy.size() != actions * hands) return {};
  std::vector<double> combos(actions, 0.0);
  double total = 0.0;
  for (std::size_t a = 0; a < actions; ++a) {
    for (std::size_t h = 0; h < hands; ++h) {
      const double sigma = strategy[a * hands + h];
      const double product = sigma * reach[h];
      if (counts(sigma) && counts(product)) combos[a] += product;
    }
    total += combos[a];
  }
  if (!counts(total)) return {};
  std::vector<float> shares(actions);
  for (std::size_t a = 0; a < actions; ++a) shares[a] = static_cast<float>(combos[a] / total);
  return shares;
}

std::vector<std::vector<float>> tree_action_shares(const halvory::Game& game,
                                                   const halvory::DiscountedCfr& solver) {
  return SharesPass(game, solver).run();
}

}  // namespace halvory_app
