#pragma once
// How many bytes a solve of a request will need: the card context the solve
// would build, and the betting tree and strategies it would allocate,
// counted without allocating them.

#include <cstdint>
#include <optional>
#include <string>

#include "cards/refusal.hpp"
#include "context/build_cancel.hpp"
#include "session/solve_records.hpp"

namespace halvory_app {

struct MemoryEstimate {
  // peak_with_reads(*this, 0): the larger of the solve's and the results'
  // memory, each x 1.1
  std::uint64_t total_bytes = 0;
  std::uint64_t card_context_bytes = 0;
  std::uint64_t tree_bytes = 0;
  std::uint64_t strategy_bytes = 0;
  std::uint64_t node_count = 0;
  std::uint64_t decision_node_count = 0;
  std::uint64_t oop_hands = 0;
  std::uint64_t ip_hands = 0;
  // The finished solve's summary rows, one per node with its actions
  // (`ResultSnapshot::tree_node_meta`), held as long as the result is.
  std::uint64_t result_bytes = 0;
};

// The peak of a solve and of what follows it. The solve holds the card
// context, the tree and every array (the strategy bytes); once it has ended
// the session frees the regrets, half the strategy bytes, builds the result
// rows and then serves the reads, which hold `reads` bytes more. Each phase
// gets a margin of a tenth for the solver's bookkeeping beside its arrays.
std::uint64_t peak_with_reads(const MemoryEstimate& estimate, std::uint64_t reads);

// What the results page may keep of the nodes it has read, in the
// explorer's compact form: the answers of about a thousand nodes of a spot
// with these hands, within a fixed ceiling. Past it the nodes read longest
// ago are read again from the solve when they are asked for.
std::uint64_t browse_budget_bytes(std::uint64_t oop_hands, std::uint64_t ip_hands);

// Absent on failure; `error`, when given, then receives the message (a tree
// past the tree limits is such a failure, and so is a raised `cancel`, with
// the message "Cancelled"), and `refusal` the refusal the failure carried.
std::optional<MemoryEstimate> estimate_solve_memory(const SolveConfig& request,
                                                    std::string* error = nullptr,
                                                    halvory::CancelFlag cancel = nullptr,
                                                    halvory::Refusal* refusal = nullptr);

}  // namespace halvory_app
