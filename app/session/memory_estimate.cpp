#include "session/memory_estimate.hpp"

#include <algorithm>
#include <exception>
#include <utility>

#include "context/card_context.hpp"
#include "session/request_conversion.hpp"
#include "tree/action_plan.hpp"

namespace halvory_app {
namespace {

// Regret and strategy sum per hand and action: two 32-bit floats, or two
// 16-bit values when compressed.
std::uint64_t bytes_per_hand_action(bool compress) {
  return compress ? 4 : 8;
}

// The result's rows: one record per node, and for each node with actions
// one block of action records, which costs the allocator's chunk header.
std::uint64_t result_row_bytes(const halvory::TreeCount& tree) {
  constexpr std::uint64_t kChunkHeader = 16;
  const std::uint64_t actions = tree.decision_actions[0] + tree.decision_actions[1];
  return tree.nodes * sizeof(TreeNodeMeta) + tree.decision_nodes * kChunkHeader +
         actions * sizeof(TreeNodeAction);
}

MemoryEstimate count_solve_memory(const halvory::CardContext& cards, const halvory::TreeCount& tree,
                                  bool compress) {
  MemoryEstimate estimate;
  estimate.card_context_bytes = cards.memory_bytes();
  estimate.oop_hands = cards.pockets[0].size();
  estimate.ip_hands = cards.pockets[1].size();
  estimate.node_count = tree.nodes;
  estimate.decision_node_count = tree.decision_nodes;
  // The node array plus 8 bytes per reserved slot of the action and child lists.
  estimate.tree_bytes = tree.nodes * sizeof(halvory::ActionPlan::Node) + 8 * tree.list_slots;
  const std::uint64_t per_hand_action = bytes_per_hand_action(compress);
  estimate.strategy_bytes = (estimate.oop_hands * tree.decision_actions[0] +
                             estimate.ip_hands * tree.decision_actions[1]) *
                            per_hand_action;

  estimate.result_bytes = result_row_bytes(tree);
  estimate.total_bytes = peak_with_reads(estimate, 0);
  return estimate;
}

}  // namespace

std::uint64_t peak_with_reads(const MemoryEstimate& estimate, std::uint64_t reads) {
  const double solve = static_cast<double>(estimate.card_context_bytes) +
                       static_cast<double>(estimate.tree_bytes) +
                       static_cast<double>(estimate.strategy_bytes);
  const double results = solve - static_cast<double>(estimate.strategy_bytes / 2) +
                         static_cast<double>(estimate.result_bytes);
  return std::max(static_cast<std::uint64_t>(solve * 1.1),
                  static_cast<std::uint64_t>(results * 1.1) + reads);
}

std::uint64_t browse_budget_bytes(std::uint64_t oop_hands, std::uint64_t ip_hands) {
  // A node's answers: its combo rows and both seats' hands (under a hundred
  // bytes a hand together), the 169-class strategy and the action rows.
  constexpr std::uint64_t kNodes = 1024;
  constexpr std::uint64_t kBytesPerHand = 96;
  constexpr std::uint64_t kBytesPerNode = 8192;
  constexpr std::uint64_t kCeiling = std::uint64_t{64} << 20;
  return std::min(kCeiling, kNodes * ((oop_hands + ip_hands) * kBytesPerHand + kBytesPerNode));
}

std::optional<MemoryEstimate> estimate_solve_memory(const SolveConfig& request, std::string* error,
                                                    halvory::CancelFlag cancel,
                                                    halvory::Refusal* refusal) {
  try {
    ConvertedRequest converted = convert_request(request, ConversionPurpose::estimate);
    halvory::throw_if_cancelled(cancel);
    const halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                                     converted.short_deck, cancel, request.thread_count);
    const halvory::TreeCount tree = halvory::count_action_plan(converted.game, cards, cancel);
    return count_solve_memory(cards, tree, request.compress);
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    if (refusal != nullptr) *refusal = halvory::refusal_of(e);
    return std::nullopt;
  }
}

}  // namespace halvory_app
