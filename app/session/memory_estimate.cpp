#include "session/memory_estimate.hpp"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>
#include <vector>

#include "context/card_context.hpp"
#include "session/request_conversion.hpp"
#include "solver/dcfr.hpp"
#include "tree/action_plan.hpp"

namespace halvory_app {
namespace {

using halvory::heap_block_bytes;

// Regret and strategy sum per hand and action: two 32-bit floats, or two
// 16-bit values when compressed.
std::uint64_t bytes_per_hand_action(bool compress) {
  return compress ? 4 : 8;
}

// What one thread of a solve keeps beside the shared data once it has run:
// the pages its stack reached, its scratch stack's rows and the allocator's
// heap of its own (bench/project_file_check: one more thread adds 1 to 2 MiB
// at the peak, whatever the ranges).
constexpr std::uint64_t kThreadBytes = std::uint64_t{2} << 20;

// Heap blocks of `per_node(k)` bytes for each node of k actions.
template <class PerNode>
std::uint64_t list_blocks(const std::vector<std::uint64_t>& lists, PerNode&& per_node) {
  std::uint64_t bytes = 0;
  for (std::size_t k = 1; k < lists.size(); ++k) bytes += lists[k] * heap_block_bytes(per_node(k));
  return bytes;
}

// The result's rows: one record per node, and for each node with actions
// (the cards of a deal or an all-in runout included) one block of action
// records.
std::uint64_t result_row_bytes(const halvory::TreeCount& tree) {
  const auto actions = [](std::uint64_t k) { return k * sizeof(TreeNodeAction); };
  return tree.nodes * sizeof(TreeNodeMeta) + list_blocks(tree.decision_lists, actions) +
         list_blocks(tree.deal_lists, actions);
}

// The action shares the rows are built from: one list per node, filled with
// a share per action at each decision node.
std::uint64_t share_bytes(const halvory::TreeCount& tree) {
  return tree.nodes * sizeof(std::vector<float>) +
         list_blocks(tree.decision_lists, [](std::uint64_t k) { return k * sizeof(float); });
}

MemoryEstimate count_solve_memory(const halvory::CardContext& cards, const halvory::TreeCount& tree,
                                  bool compress, std::uint64_t threads) {
  MemoryEstimate estimate;
  estimate.card_context_bytes = cards.memory_bytes();
  estimate.oop_hands = cards.pockets[0].size();
  estimate.ip_hands = cards.pockets[1].size();
  estimate.node_count = tree.nodes;
  estimate.decision_node_count = tree.decision_nodes;
  estimate.tree_bytes = tree.nodes * sizeof(halvory::ActionPlan::Node) + tree.list_bytes;
  const std::uint64_t per_hand_action = bytes_per_hand_action(compress);
  estimate.strategy_bytes = (estimate.oop_hands * tree.decision_actions[0] +
                             estimate.ip_hands * tree.decision_actions[1]) *
                            per_hand_action;
  // A state record and a flag (whether a deal's children differ) per node.
  estimate.node_state_bytes = tree.nodes * (sizeof(halvory::NodeState) + 1);
  estimate.result_bytes = result_row_bytes(tree);
  estimate.share_bytes = share_bytes(tree);
  return with_solve_threads(estimate, threads);
}

}  // namespace

std::uint64_t peak_with_reads(const MemoryEstimate& estimate, std::uint64_t reads) {
  const auto d = [](std::uint64_t bytes) { return static_cast<double>(bytes); };
  const double kept = d(estimate.card_context_bytes) + d(estimate.tree_bytes) +
                      d(estimate.node_state_bytes) + d(estimate.thread_bytes);
  const double solve = kept + d(estimate.strategy_bytes);
  // The regrets are freed; the strategy sums stay for the reads.
  const double results =
      kept + d(estimate.strategy_bytes - estimate.strategy_bytes / 2) + d(estimate.result_bytes);
  const double building = results + d(estimate.share_bytes);
  return std::max({static_cast<std::uint64_t>(solve * kMemoryMargin),
                   static_cast<std::uint64_t>(building * kMemoryMargin),
                   static_cast<std::uint64_t>(results * kMemoryMargin) + reads});
}

MemoryEstimate with_solve_threads(MemoryEstimate estimate, std::uint64_t threads) {
  estimate.thread_bytes = std::max<std::uint64_t>(threads, 1) * kThreadBytes;
  estimate.total_bytes = peak_with_reads(estimate, 0);
  return estimate;
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
    return count_solve_memory(cards, tree, request.compress, request.thread_count);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    if (refusal != nullptr) *refusal = halvory::refusal_of(e);
    return std::nullopt;
  }
}

}  // namespace halvory_app
