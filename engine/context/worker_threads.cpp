#include "context/worker_threads.hpp"

#include "context/thread_start.hpp"

#include <mutex>
#include <thread>
#include <vector>

namespace halvory {

void run_worker_threads(std::size_t count,
                        const std::function<void(std::size_t, const std::atomic<bool>&)>& task) {
  std::atomic<bool> stop{false};
  std::mutex failure_mutex;
  std::exception_ptr first_failure;
  auto record_failure = [&](std::exception_ptr failure) {
    std::lock_guard lock(failure_mutex);
    if (!first_failure) first_failure = failure;
    stop.store(true, std::memory_order_relaxed);
  };

  std::vector<std::thread> threads;
  try {
    threads.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      threads.emplace_back([&, i] {
        run_thread_start_hook();
        try {
          task(i, stop);
        } catch (...) {
          record_failure(std::current_exception());
        }
      });
    }
  } catch (...) {
    record_failure(std::current_exception());
  }
  for (std::thread& t : threads) t.join();
  if (first_failure) std::rethrow_exception(first_failure);
}

}  // namespace halvory
