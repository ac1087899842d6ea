#include "session/memory_estimate.hpp"

#include <exception>
#include <utility>

#include "context/card_context.hpp"
#include "session/request_conversion.hpp"
#include "tree/action_plan.hpp"

namespace halvory_app {
namespace {

// Regret and strategy sum per hand and action: two 32-bit floats, or two
// 16-bit values when compressed.
std::uint64_t bytes_per_hand_action(bool compress) { return compress ? 4 : 8; }

MemoryEstimate count_solve_memory(const halvory::CardContext& cards, const halvory::ActionPlan& plan,
                                  bool compress) {
    MemoryEstimate estimate;
    estimate.card_context_bytes = cards.memory_bytes();
    estimate.oop_hands = cards.pockets[0].size();
    estimate.ip_hands = cards.pockets[1].size();
    estimate.node_count = plan.nodes.size();

    std::uint64_t tree_bytes = plan.nodes.size() * sizeof(halvory::ActionPlan::Node);
    for (const auto& node : plan.nodes) {
        tree_bytes += 8 * (node.actions.capacity() + node.children.capacity());
    }
    estimate.tree_bytes = tree_bytes;

    const std::uint64_t per_hand_action = bytes_per_hand_action(compress);
    for (const auto& node : plan.nodes) {
        if (static_cast<int>(node.kind) != 0 || node.actions.empty()) continue;
        ++estimate.decision_node_count;
        const std::uint64_t hands = node.seat == 0 ? estimate.oop_hands : estimate.ip_hands;
        estimate.strategy_bytes += hands * node.actions.size() * per_hand_action;
    }

    const double sum = static_cast<double>(estimate.card_context_bytes) +
                       static_cast<double>(estimate.tree_bytes) +
                       static_cast<double>(estimate.strategy_bytes);
    estimate.total_bytes = static_cast<std::uint64_t>(sum * 1.1);
    return estimate;
}

}  // namespace

std::optional<MemoryEstimate> estimate_solve_memory(const SolveConfig& request, std::string* error) {
    try {
        ConvertedRequest converted = convert_request(request, ConversionPurpose::estimate);
        const halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                                         converted.short_deck);
        const halvory::ActionPlan plan(converted.game, cards);
        return count_solve_memory(cards, plan, request.compress);
    } catch (const std::exception& e) {
        if (error != nullptr) *error = e.what();
        return std::nullopt;
    }
}

}  // namespace halvory_app
