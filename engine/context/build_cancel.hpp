#pragma once

// Cancelling a long construction (card context, betting tree, tree count)
// from another thread: the caller owns an atomic flag, the construction polls
// it and unwinds with BuildCancelled.

#include <atomic>
#include <stdexcept>

namespace halvory {

// Null: the construction cannot be cancelled.
using CancelFlag = const std::atomic<bool>*;

// Not a failure of the input: the caller asked the construction to stop.
class BuildCancelled : public std::runtime_error {
 public:
  BuildCancelled() : std::runtime_error("Cancelled") {}
};

inline bool cancel_requested(CancelFlag flag) {
  return flag != nullptr && flag->load(std::memory_order_relaxed);
}

inline void throw_if_cancelled(CancelFlag flag) {
  if (cancel_requested(flag)) throw BuildCancelled();
}

}  // namespace halvory
