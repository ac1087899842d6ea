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
  // peak_with_reads(*this, 0): the largest of the solve's, the result
  // building's and the results' memory, with a margin
  std::uint64_t total_bytes = 0;
  std::uint64_t card_context_bytes = 0;
  // The node array and the heap blocks of every node's action and child
  // lists.
  std::uint64_t tree_bytes = 0;
  std::uint64_t strategy_bytes = 0;
  std::uint64_t node_count = 0;
  std::uint64_t decision_node_count = 0;
  std::uint64_t oop_hands = 0;
  std::uint64_t ip_hands = 0;
  // The finished solve's summary rows, one per node with its actions
  // (`ResultSnapshot::tree_node_meta`), held as long as the result is.
  std::uint64_t result_bytes = 0;
  // The solver's record of every tree node beside its arrays, held with
  // them.
  std::uint64_t node_state_bytes = 0;
  // Each decision node's action shares, built beside the result rows and
  // freed once they stand.
  std::uint64_t share_bytes = 0;
  // What the solve's threads keep beside the shared data (stack pages,
  // scratch rows, the allocator's per-thread heaps), for `thread_count`
  // threads.
  std::uint64_t thread_bytes = 0;
};

// The margin the solve and the result building get for what the count
// leaves out: the allocator's free blocks, the runtime's own memory.
inline constexpr double kMemoryMargin = 1.05;

// The peak of a solve and of what follows it. The solve holds the card
// context, the tree, the node records and every array (the strategy bytes);
// once it has ended the session frees the regrets, half the strategy bytes,
// and builds the result rows beside each node's action shares; the shares go
// and the reads follow, which hold `reads` bytes more.
std::uint64_t peak_with_reads(const MemoryEstimate& estimate, std::uint64_t reads);

// The same spot's estimate for a solve on `threads` threads (the thread
// count changes only what the threads keep of their own).
MemoryEstimate with_solve_threads(MemoryEstimate estimate, std::uint64_t threads);

// What the results page may keep of the nodes it has read, in the
// explorer's compact form: the answers of about a thousand nodes of a spot
// with these hands, within a fixed ceiling. Past it the nodes read longest
// ago are read again from the solve when they are asked for.
std::uint64_t browse_budget_bytes(std::uint64_t oop_hands, std::uint64_t ip_hands);

// Absent on failure; `error`, when given, then receives the message (a tree
// past the tree limits is such a failure, and so is a raised `cancel`, with
// the message "Cancelled"), and `refusal` the refusal the failure carried.
// Memory running out is thrown (std::bad_alloc), as no refusal of the spot.
std::optional<MemoryEstimate> estimate_solve_memory(const SolveConfig& request,
                                                    std::string* error = nullptr,
                                                    halvory::CancelFlag cancel = nullptr,
                                                    halvory::Refusal* refusal = nullptr);

}  // namespace halvory_app
