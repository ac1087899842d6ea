#pragma once

// The engine's fixed-size thread pool, the chunked parallel-for and the
// claimed split (runners taking one index at a time) built on it: the card
// context and the solver run their parallel work here.
//
// Work configured for T threads owns a pool of T - 1 workers; the thread that
// calls parallel_for is the T-th worker: it runs the last chunk itself and
// then executes queued tasks until its own split has finished.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <new>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "context/worker_threads.hpp"

namespace halvory {

// A move-only callback taking nothing and returning nothing, stored inline.
// Submitting a task must not allocate (std::function of libstdc++ allocates
// for anything larger than two pointers), so callables must fit kInlineBytes;
// larger ones are rejected at compile time.
class PoolTask {
 public:
  static constexpr std::size_t kInlineBytes = 48;

  PoolTask() noexcept = default;

  template <class F, class D = std::decay_t<F>,
            class = std::enable_if_t<!std::is_same_v<D, PoolTask>>>
  PoolTask(F&& f) {  // NOLINT(google-explicit-constructor): a callback converts
    static_assert(sizeof(D) <= kInlineBytes, "task callable too large for inline storage");
    static_assert(alignof(D) <= alignof(std::max_align_t), "task callable over-aligned");
    static_assert(std::is_nothrow_move_constructible_v<D>,
                  "task callable must move without throwing");
    ::new (static_cast<void*>(storage_)) D(std::forward<F>(f));
    ops_ = &ops_for<D>;
  }

  PoolTask(PoolTask&& other) noexcept { take(other); }
  PoolTask& operator=(PoolTask&& other) noexcept {
    if (this != &other) {
      reset();
      take(other);
    }
    return *this;
  }
  PoolTask(const PoolTask&) = delete;
  PoolTask& operator=(const PoolTask&) = delete;
  ~PoolTask() { reset(); }

  explicit operator bool() const noexcept { return ops_ != nullptr; }
  void operator()() { ops_->invoke(storage_); }

 private:
  struct Ops {
    void (*invoke)(void*);
    void (*move_to)(void* from, void* to) noexcept;
    void (*destroy)(void*) noexcept;
  };

  template <class D>
  static constexpr Ops ops_for{
      [](void* p) { (*static_cast<D*>(p))(); },
      [](void* from, void* to) noexcept {
        ::new (to) D(std::move(*static_cast<D*>(from)));
        static_cast<D*>(from)->~D();
      },
      [](void* p) noexcept { static_cast<D*>(p)->~D(); },
  };

  void take(PoolTask& other) noexcept {
    ops_ = other.ops_;
    if (ops_ != nullptr) {
      ops_->move_to(other.storage_, storage_);
      other.ops_ = nullptr;
    }
  }
  void reset() noexcept {
    if (ops_ != nullptr) {
      ops_->destroy(storage_);
      ops_ = nullptr;
    }
  }

  alignas(std::max_align_t) unsigned char storage_[kInlineBytes];
  const Ops* ops_ = nullptr;
};

class WorkerPool {
 public:
  // Starts n worker threads. If a thread cannot be created the ones already
  // started are stopped and joined, and std::system_error propagates.
  explicit WorkerPool(std::size_t n);
  // Lets the workers drain the queue, then joins them.
  ~WorkerPool();

  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  std::size_t size() const noexcept { return workers.size(); }
  // Whether some worker waits for a task while none is queued (a hint: it
  // may change at once).
  bool has_idle_worker() const noexcept {
    return sleeping.load(std::memory_order_relaxed) != 0 &&
           queued.load(std::memory_order_relaxed) == 0;
  }

  void submit(PoolTask task);

  // Returns once counter reads 0; meanwhile runs queued tasks (of any split)
  // on the calling thread, yielding when the queue is empty.
  void wait_helping(std::atomic<std::size_t>& counter);

 private:
  void worker_loop();
  // Runs a task; an exception that escapes a plain submitted task is dropped
  // so the thread survives (parallel_for chunks carry their own errors).
  static void run_task(PoolTask& task) noexcept;

  ThreadGroup workers;
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<PoolTask> tasks;
  bool stop = false;
  // Workers waiting on `wake`, changed under the mutex, readable without it.
  std::atomic<std::size_t> sleeping{0};
  std::atomic<std::size_t> queued{0};  // tasks.size(), readable without the lock
};

// Chunking of one split: k = min(threads, n) chunks of ceil(n / k) indices,
// the last possibly shorter. chunk_size is at least 1 for n >= 1.
struct ParallelSplit {
  std::size_t chunk_size;
  std::size_t chunks;
};
ParallelSplit parallel_split(std::size_t n, std::size_t threads) noexcept;

namespace detail {

// Completion state of one split. Chunks record the first exception they see;
// the waiting thread rethrows it once every chunk has ended, so no task is
// left referring to the caller's frame.
struct SplitState {
  std::atomic<std::size_t> remaining{0};
  std::atomic<bool> failed{false};
  std::exception_ptr first_error;

  void record_current_exception() noexcept {
    if (!failed.exchange(true, std::memory_order_acq_rel)) first_error = std::current_exception();
  }
  // The last touch of the state by a chunk: once the count reaches 0 the
  // waiting thread may return and end the state's lifetime, so nothing
  // (not even a notify) may follow the decrement.
  void chunk_done() noexcept { remaining.fetch_sub(1, std::memory_order_seq_cst); }
};

// Queues task(j) for j in [0, submitted) on the pool, runs here() on the
// calling thread, then helps with queued work until every task has ended. If
// anything throws, the first exception is rethrown once all tasks have ended.
template <class Task, class Here>
void fork_join(WorkerPool* pool, std::size_t submitted, Task& task, Here&& here) {
  SplitState state;
  state.remaining.store(submitted, std::memory_order_seq_cst);
  std::size_t queued = 0;
  try {
    for (; queued < submitted; ++queued) {
      pool->submit([&task, &state, j = queued]() noexcept {
        try {
          task(j);
        } catch (...) {
          state.record_current_exception();
        }
        state.chunk_done();
      });
    }
    here();
  } catch (...) {
    // A failed submit (queue allocation) leaves tasks unqueued: stop
    // waiting for them, but still wait for those already queued.
    state.record_current_exception();
    if (queued < submitted)
      state.remaining.fetch_sub(submitted - queued, std::memory_order_seq_cst);
  }
  pool->wait_helping(state.remaining);
  if (state.failed.load(std::memory_order_acquire)) std::rethrow_exception(state.first_error);
}

}  // namespace detail

// Runs body(begin, end) over [0, n) in contiguous chunks, on the pool and the
// calling thread together, and returns when every chunk has finished. Without
// a pool, with threads < 2 or n < 2 the body runs once over [0, n) here.
// Chunks [j*chunk, (j+1)*chunk) for all but the last are submitted in index
// order; the last runs on the calling thread. If any chunk throws, the first
// exception is rethrown here after all chunks have ended.
template <class Body>
void parallel_for(WorkerPool* pool, std::size_t threads, std::size_t n, Body&& body) {
  if (pool == nullptr || threads < 2 || n < 2) {
    body(std::size_t{0}, n);
    return;
  }
  const ParallelSplit split = parallel_split(n, threads);
  const std::size_t submitted = split.chunks - 1;
  if (submitted == 0) {
    body(std::size_t{0}, n);
    return;
  }
  auto chunk = [&body, &split, n](std::size_t j) {
    const std::size_t begin = j * split.chunk_size;
    body(begin, std::min(begin + split.chunk_size, n));
  };
  detail::fork_join(pool, submitted, chunk, [&] { body(submitted * split.chunk_size, n); });
}

// Hands out the indices [0, n) one at a time, to whichever thread asks next.
class IndexClaims {
 public:
  explicit IndexClaims(std::size_t n) noexcept : count(n) {}
  // Sets `index` to the next unclaimed index; false once all are taken.
  bool take(std::size_t& index) noexcept {
    index = next.fetch_add(1, std::memory_order_relaxed);
    return index < count;
  }

 private:
  std::atomic<std::size_t> next{0};
  const std::size_t count;
};

// Runs runner(claims) on up to `runners` threads (runners - 1 pool tasks and
// the calling thread), every runner taking indices of [0, n) from one
// IndexClaims until none is left: a thread that starts late, or is slowed by
// the machine, takes fewer indices instead of holding the others up. Returns
// when every runner has ended; the first exception one throws is rethrown
// here then. Without a pool, with runners < 2 or n < 2 runner runs once here.
template <class Runner>
void parallel_claims(WorkerPool* pool, std::size_t runners, std::size_t n, Runner&& runner) {
  IndexClaims claims(n);
  const std::size_t used = std::min(runners, n);
  const std::size_t submitted = used > 1 ? used - 1 : 0;
  if (pool == nullptr || submitted == 0) {
    runner(claims);
    return;
  }
  auto task = [&runner, &claims](std::size_t) { runner(claims); };
  detail::fork_join(pool, submitted, task, [&] { runner(claims); });
}

}  // namespace halvory
