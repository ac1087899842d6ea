#pragma once
// The one way the engine starts threads. Every thread body begins with
// run_thread_start_hook(), and a task's exception reaches the thread that
// waits for it. The solver's pool, the card context and the tree builder
// all start their threads here.

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace halvory {

// Threads started together and joined together.
class ThreadGroup {
 public:
  ThreadGroup() = default;
  // Raises the stop flag and joins every thread; their errors are dropped.
  ~ThreadGroup();
  ThreadGroup(const ThreadGroup&) = delete;
  ThreadGroup& operator=(const ThreadGroup&) = delete;

  // Runs task on a thread of its own. An exception the task throws is kept
  // for join() and raises the stop flag. Throws std::system_error when no
  // thread can be started; the threads already started keep running.
  void start(std::function<void()> task);

  // Joins every thread, then rethrows the first exception a task threw.
  void join();

  // Raised when a task fails (or by raise_stop), so that the others may
  // finish early.
  const std::atomic<bool>& stop_flag() const { return stop; }
  void raise_stop() { stop.store(true, std::memory_order_relaxed); }

  std::size_t size() const { return threads.size(); }

 private:
  void record_failure(std::exception_ptr failure);

  std::vector<std::thread> threads;
  std::atomic<bool> stop{false};
  std::mutex failure_mutex;
  std::exception_ptr first_failure;
};

// Runs task(i, stop) for i = 0..count-1, each on a thread of its own, and
// joins them all. When a thread cannot be started or a task throws, `stop`
// is raised so that running tasks may finish early, every thread already
// started is joined, and the first failure is rethrown on the calling thread.
void run_worker_threads(std::size_t count,
                        const std::function<void(std::size_t, const std::atomic<bool>&)>& task);

// Runs task on a thread nobody waits for; false (task not run) when no
// thread can be started. Whatever the task throws is dropped there.
bool run_detached(std::function<void()> task) noexcept;

}  // namespace halvory
