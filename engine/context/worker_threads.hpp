#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>

namespace halvory {

// Runs task(i, stop) for i = 0..count-1, each on a thread of its own, and
// joins them all. When a thread cannot be started or a task throws, `stop`
// is raised so that running tasks may finish early, every thread already
// started is joined, and the first failure is rethrown on the calling thread.
void run_worker_threads(std::size_t count,
                        const std::function<void(std::size_t, const std::atomic<bool>&)>& task);

}  // namespace halvory
