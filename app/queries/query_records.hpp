#pragma once
// Plain result records of the per-node queries on a finished solve. Money is
// in hundredths of a chip; every per-action list follows the node's action
// order.

#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace halvory_app {

// One row per action of a decision node (six parallel lists).
struct NodeActionStats {
  std::vector<std::string> names;
  std::vector<std::string> action_types;
  std::vector<float> frequencies;
  std::vector<double> combos;
  std::vector<double> equities;  // [0, 1] or NaN
  std::vector<double> evs;       // NaN where no hand takes the action
};

// One non-empty hand class of a decision node.
struct BucketRow {
  std::string name;
  double combos = 0.0;
  std::vector<float> action_probs;
};

// Every hand of each seat that reaches a node, with its EV and equity.
struct HandDistributions {
  std::vector<std::string> oop_hands;
  std::vector<double> ev_oop;
  std::vector<double> equity_oop;
  std::vector<std::string> ip_hands;
  std::vector<double> ev_ip;
  std::vector<double> equity_ip;
};

// Prefix sums of the usable (finite, positive) weights, for weighted draws.
struct CumulativeWeights {
  std::vector<double> sums;
  double total = 0.0;

  void assign(std::span<const double> weights);
};

// The acting seat's strategy per starting-hand class (169 classes).
struct HandStrategy {
  // The node's board ("KsJh2h8c"), the cards dealt on the way included.
  std::string board;
  std::vector<std::string> hand_labels;
  std::vector<float> weights;
  std::vector<std::string> dominant_types;
  std::vector<std::string> action_names;
  std::vector<float> action_probs;  // 169 x A, class-major
};

// One two-card hand at a node.
struct ComboRow {
  std::string c1;
  std::string c2;
  double weight = 0.0;
  // The seat's list at a node (node_seat_hand_combos): the hand's reach
  // there, its weight times its own action probabilities on the way; NaN
  // when the solver is not at hand.
  double reach = std::numeric_limits<double>::quiet_NaN();
  double ev = 0.0;
  std::vector<double> action_evs;
  std::vector<std::string> buckets;
  std::vector<float> action_probs;
};

// Root-to-node path: (node index, slot of the node in its parent's children);
// the root's entry is (0, 0).
using NodePath = std::vector<std::pair<std::size_t, std::size_t>>;

}  // namespace halvory_app
