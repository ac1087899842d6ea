#pragma once
// Plain records that carry one solve between the controller and the solve
// thread. They are copied by value across threads and hold no behaviour.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cards/refusal.hpp"

namespace halvory_app {

// One seat's sizing on one street, as the user typed it.
struct SizingConfig {
  std::string bet_sizes;
  std::string raise_sizes;
  bool add_all_in = false;
  bool dont_donk = false;

  bool operator==(const SizingConfig&) const = default;
};

// One locked hand class at one tree node.
struct NodeLockRequest {
  std::uint64_t node_index = 0;
  std::string hand;
  std::int64_t action_index = 0;
  float action_prob = 1.0f;
  std::vector<float> action_probs;

  bool operator==(const NodeLockRequest&) const = default;
};

// One solve request in engine units (money in hundredths of a chip).
struct SolveConfig {
  std::string variant = "holdem";
  std::string board;
  std::string utility_model = "cash";
  std::int32_t starting_pot = 100;
  std::int32_t effective_stack = 100;
  std::int32_t oop_stack = 0;
  std::int32_t ip_stack = 0;
  std::vector<std::int32_t> icm_payouts;
  std::vector<std::int32_t> icm_other_stacks;
  double rake_percent = 0.0;
  double rake_cap = 0.0;
  std::string starting_street = "flop";
  std::uint32_t max_iterations = 2000;
  float target_exploitability = 0.1f;
  std::uint64_t thread_count = 1;
  bool compress = false;
  std::string oop_range;
  std::string ip_range;
  SizingConfig oop_flop;
  SizingConfig oop_turn;
  SizingConfig oop_river;
  SizingConfig ip_flop;
  SizingConfig ip_turn;
  SizingConfig ip_river;
  double oop_add_all_in_jam_threshold_pct = 0.0;
  bool oop_add_all_in_jam_threshold_enabled = false;
  double ip_add_all_in_jam_threshold_pct = 0.0;
  bool ip_add_all_in_jam_threshold_enabled = false;
  std::vector<NodeLockRequest> node_locks;

  bool operator==(const SolveConfig&) const = default;
};

struct TreeNodeAction {
  std::string name;
  std::string action_type;
  float frequency = 0.0f;
  std::uint32_t child_index = 0;
};

struct TreeNodeMeta {
  std::string node_type;
  std::string chance_deal;
  std::string player;
  std::int32_t pot = 0;
  std::int32_t invested_oop = 0;
  std::int32_t invested_ip = 0;
  std::vector<TreeNodeAction> actions;
};

// Summary of a finished, cancelled or failed solve.
struct ResultSnapshot {
  bool ok = false;
  std::string error;
  // What refused the request, when a refusal made the solve fail.
  halvory::Refusal refusal;
  std::string board;
  std::int32_t starting_pot = 0;
  std::int32_t effective_stack = 0;
  std::uint32_t iterations = 0;
  float exploitability = 0.0f;
  float ev_oop = 0.0f;
  float ev_ip = 0.0f;
  std::vector<std::string> root_action_names;
  std::vector<std::string> root_action_types;
  std::vector<float> root_action_frequencies;
  std::vector<TreeNodeMeta> tree_node_meta;
};

// One report of the solve thread; only the last report of a solve carries
// a result.
struct SolveProgress {
  double progress = 0.0;
  std::string status;
  std::optional<ResultSnapshot> result;
};

}  // namespace halvory_app
