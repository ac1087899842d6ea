#pragma once
// Brute-force values on a river spot: every pair of card-compatible hands is
// walked through the tree with both seats' average strategies, and terminals
// are settled by direct hand evaluation.

#include <cstddef>
#include <map>
#include <vector>

#include "queries/node_distributions.hpp"
#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace halvory_app::spots {

class RiverOracle {
 public:
  RiverOracle(const halvory::Game& game, const halvory::DiscountedCfr& solver);

  // Payoff of `seat` holding own hand h against opponent hand j in the
  // subtree of `node`, relative to half the matched pot (fold: -half for
  // the folder, showdown: +-half or 0).
  double pair_value(std::size_t node, int seat, std::size_t h, std::size_t j);

  // Seat's reach at a node: range weight times its own action probabilities.
  std::vector<double> reach(std::size_t node, int seat);

  // Per-hand EV in hundredths: mean pair value over the compatible opponent
  // hands weighted by `opponent_reach`, plus `offset`.
  std::vector<double> hand_evs(std::size_t node, int seat,
                               const std::vector<double>& opponent_reach, double offset);

  // Exact equity of weighted own hands against weighted opponent hands.
  double equity(int seat, const std::vector<double>& own_weights,
                const std::vector<double>& opponent_weights) const;

  bool compatible(int seat, std::size_t h, std::size_t j) const;
  double half_pot(std::size_t node) const;
  // Path as (parent, action slot) steps from the root.
  std::vector<std::pair<std::size_t, std::size_t>> steps_to(std::size_t node) const;

 private:
  const std::vector<float>& strategy(std::size_t node);

  const halvory::Game& game_;
  const halvory::DiscountedCfr& solver_;
  std::array<std::vector<halvory::HandStrength>, 2> strength_;
  std::map<std::size_t, std::vector<float>> strategies_;
};

}  // namespace halvory_app::spots
