#include "context/worker_pool.hpp"

#include <system_error>

namespace halvory {

ParallelSplit parallel_split(std::size_t n, std::size_t threads) noexcept {
  if (n == 0) return {1, 0};
  const std::size_t k = std::max<std::size_t>(1, std::min(threads, n));
  const std::size_t chunk = std::max<std::size_t>(1, (n + k - 1) / k);
  return {chunk, (n + chunk - 1) / chunk};
}

WorkerPool::WorkerPool(std::size_t n) {
  try {
    for (std::size_t i = 0; i < n; ++i) workers.start([this] { worker_loop(); });
  } catch (...) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      stop = true;
    }
    wake.notify_all();
    workers.join();
    throw;
  }
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stop = true;
  }
  wake.notify_all();
  // A worker's own loop never throws, so there is nothing to rethrow.
  try {
    workers.join();
  } catch (...) {
  }
}

void WorkerPool::submit(PoolTask task) {
  bool someone_sleeps = false;
  {
    std::lock_guard<std::mutex> lock(mutex);
    tasks.push_back(std::move(task));
    queued.store(tasks.size(), std::memory_order_relaxed);
    someone_sleeps = sleeping.load(std::memory_order_relaxed) != 0;
  }
  // While every worker is busy (nested splits) the wake-up system call is
  // skipped; a worker only sleeps after seeing the queue empty under the
  // mutex, so no task is missed.
  if (someone_sleeps) wake.notify_one();
}

void WorkerPool::run_task(PoolTask& task) noexcept {
  try {
    task();
  } catch (...) {
    // No error channel for plain tasks; keeping the thread alive matters more.
  }
}

void WorkerPool::worker_loop() {
  for (;;) {
    PoolTask task;
    {
      std::unique_lock<std::mutex> lock(mutex);
      while (!stop && tasks.empty()) {
        sleeping.fetch_add(1, std::memory_order_relaxed);
        wake.wait(lock);
        sleeping.fetch_sub(1, std::memory_order_relaxed);
      }
      if (tasks.empty()) return;  // stop set and queue drained
      task = std::move(tasks.front());
      tasks.pop_front();
      queued.store(tasks.size(), std::memory_order_relaxed);
    }
    run_task(task);
  }
}

void WorkerPool::wait_helping(std::atomic<std::size_t>& counter) {
  while (counter.load(std::memory_order_seq_cst) != 0) {
    PoolTask task;
    // The lock is only taken when the queue looks non-empty, so waiting
    // threads do not contend with the submitters.
    if (queued.load(std::memory_order_relaxed) != 0) {
      std::lock_guard<std::mutex> lock(mutex);
      if (!tasks.empty()) {
        task = std::move(tasks.front());
        tasks.pop_front();
        queued.store(tasks.size(), std::memory_order_relaxed);
      }
    }
    if (task) {
      run_task(task);
    } else {
      std::this_thread::yield();
    }
  }
}

}  // namespace halvory
