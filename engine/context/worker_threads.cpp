#include "context/worker_threads.hpp"

#include "context/thread_start.hpp"

#include <utility>

namespace halvory {

ThreadGroup::~ThreadGroup() {
  raise_stop();
  for (std::thread& t : threads)
    if (t.joinable()) t.join();
}

void ThreadGroup::record_failure(std::exception_ptr failure) {
  std::lock_guard lock(failure_mutex);
  if (!first_failure) first_failure = failure;
  raise_stop();
}

void ThreadGroup::start(std::function<void()> task) {
  threads.reserve(threads.size() + 1);
  threads.emplace_back([this, task = std::move(task)] {
    run_thread_start_hook();
    try {
      task();
    } catch (...) {
      record_failure(std::current_exception());
    }
  });
}

void ThreadGroup::join() {
  for (std::thread& t : threads)
    if (t.joinable()) t.join();
  threads.clear();
  std::exception_ptr failure;
  {
    std::lock_guard lock(failure_mutex);
    failure = std::exchange(first_failure, nullptr);
  }
  if (failure) std::rethrow_exception(failure);
}

void run_worker_threads(std::size_t count,
                        const std::function<void(std::size_t, const std::atomic<bool>&)>& task) {
  ThreadGroup group;
  try {
    for (std::size_t i = 0; i < count; ++i)
      group.start([&task, &group, i] { task(i, group.stop_flag()); });
  } catch (...) {
    // Not every thread started: the others stop early, and this failure is
    // reported unless a task failed first.
    group.raise_stop();
    group.join();  // a task that failed first wins
    throw;
  }
  group.join();
}

bool run_detached(std::function<void()> task) noexcept {
  try {
    std::thread([task = std::move(task)] {
      run_thread_start_hook();
      try {
        task();
      } catch (...) {
        // Nobody waits for this task, so nobody could hear of its failure;
        // it must not end the process either.
      }
    }).detach();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace halvory
