#include "context/worker_pool.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <new>
#include <random>
#include <stdexcept>
#include <thread>
#include <vector>

// Counts heap allocations made by the current thread, to prove that building
// and moving a task stays inline.
namespace {
thread_local std::size_t tls_allocations = 0;
}
void* operator new(std::size_t size) {
  ++tls_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// Out of line, so the compiler does not pair an inlined free with operator new.
__attribute__((noinline)) void operator delete(void* p) noexcept {
  std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace halvory {
namespace {

struct Chunk {
  std::size_t begin;
  std::size_t end;
  std::thread::id thread;
  bool operator<(const Chunk& o) const { return begin < o.begin; }
};

class ChunkLog {
 public:
  void add(std::size_t b, std::size_t e) {
    std::lock_guard<std::mutex> lock(m_);
    chunks_.push_back({b, e, std::this_thread::get_id()});
  }
  std::vector<Chunk> in_call_order() {
    std::lock_guard<std::mutex> lock(m_);
    return chunks_;
  }
  std::vector<Chunk> sorted() {
    auto c = in_call_order();
    std::sort(c.begin(), c.end());
    return c;
  }

 private:
  std::mutex m_;
  std::vector<Chunk> chunks_;
};

// Spins until pred holds or a generous deadline passes; never hangs a test.
template <class Pred>
bool spin_until(Pred pred, std::chrono::seconds limit = std::chrono::seconds(20)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!pred()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

TEST(ParallelSplit, MatchesCeilRuleForAllSmallSizes) {
  for (std::size_t n = 1; n <= 300; ++n) {
    for (std::size_t threads = 1; threads <= 17; ++threads) {
      const ParallelSplit s = parallel_split(n, threads);
      const std::size_t k = std::min(threads, n);
      ASSERT_EQ(s.chunk_size, (n + k - 1) / k) << n << " " << threads;
      ASSERT_EQ(s.chunks, (n + s.chunk_size - 1) / s.chunk_size);
      ASSERT_LE(s.chunks, k);
      ASSERT_GE(s.chunks * s.chunk_size, n);
      ASSERT_LT((s.chunks - 1) * s.chunk_size, n);  // last chunk non-empty
    }
  }
  EXPECT_EQ(parallel_split(10, 4).chunk_size, 3u);
  EXPECT_EQ(parallel_split(10, 4).chunks, 4u);
  EXPECT_EQ(parallel_split(6, 8).chunk_size, 1u);
  EXPECT_EQ(parallel_split(6, 8).chunks, 6u);
  EXPECT_EQ(parallel_split(0, 4).chunks, 0u);
}

// The three leading chunks go to the workers before the caller runs its own
// chunk: the caller's chunk waits until all three have started elsewhere.
TEST(ParallelFor, TenOverFourThreadsSubmitsThreeChunksAndRunsLastOnCaller) {
  WorkerPool pool(3);
  ChunkLog log;
  std::atomic<int> started{0};
  bool caller_saw_all_started = false;
  const auto caller = std::this_thread::get_id();
  parallel_for(&pool, 4, 10, [&](std::size_t b, std::size_t e) {
    log.add(b, e);
    if (std::this_thread::get_id() == caller && b == 9) {
      caller_saw_all_started = spin_until([&] { return started.load() == 3; });
    } else {
      started.fetch_add(1);
    }
  });
  const auto chunks = log.sorted();
  ASSERT_EQ(chunks.size(), 4u);
  const std::size_t expected[4][2] = {{0, 3}, {3, 6}, {6, 9}, {9, 10}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(chunks[i].begin, expected[i][0]);
    EXPECT_EQ(chunks[i].end, expected[i][1]);
  }
  EXPECT_EQ(chunks[3].thread, caller);
  for (int i = 0; i < 3; ++i) EXPECT_NE(chunks[i].thread, caller);
  EXPECT_TRUE(caller_saw_all_started);
}

// With no worker threads the caller does everything: its own (last) chunk
// first, then the queued chunks in submission (index) order.
TEST(ParallelFor, CallerHelpsInQueueOrderWhenPoolHasNoWorkers) {
  WorkerPool pool(0);
  ChunkLog log;
  parallel_for(&pool, 8, 6, [&](std::size_t b, std::size_t e) { log.add(b, e); });
  const auto order = log.in_call_order();
  ASSERT_EQ(order.size(), 6u);
  EXPECT_EQ(order[0].begin, 5u);
  EXPECT_EQ(order[0].end, 6u);
  for (std::size_t i = 1; i < 6; ++i) {
    EXPECT_EQ(order[i].begin, i - 1);
    EXPECT_EQ(order[i].end, i);
    EXPECT_EQ(order[i].thread, std::this_thread::get_id());
  }

  ChunkLog two;
  parallel_for(&pool, 2, 2, [&](std::size_t b, std::size_t e) { two.add(b, e); });
  const auto t = two.in_call_order();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].begin, 1u);
  EXPECT_EQ(t[1].begin, 0u);
  EXPECT_EQ(t[1].end, 1u);
}

TEST(ParallelFor, RunsInlineOnceWithoutPoolOneThreadOrOneIndex) {
  WorkerPool pool(2);
  struct Case {
    WorkerPool* pool;
    std::size_t threads;
    std::size_t n;
  };
  for (const Case c : {Case{nullptr, 8, 10}, Case{&pool, 1, 10}, Case{&pool, 0, 10},
                       Case{&pool, 8, 1}, Case{&pool, 8, 0}}) {
    ChunkLog log;
    parallel_for(c.pool, c.threads, c.n, [&](std::size_t b, std::size_t e) { log.add(b, e); });
    const auto chunks = log.in_call_order();
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].begin, 0u);
    EXPECT_EQ(chunks[0].end, c.n);
    EXPECT_EQ(chunks[0].thread, std::this_thread::get_id());
  }
}

TEST(ParallelFor, EveryIndexRunsExactlyOnceForRandomSplits) {
  WorkerPool pool(5);
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    const std::size_t n = rng() % 100;
    const std::size_t threads = 1 + rng() % 12;
    std::vector<std::atomic<int>> hits(n);
    parallel_for(&pool, threads, n, [&](std::size_t b, std::size_t e) {
      for (std::size_t i = b; i < e; ++i) hits[i].fetch_add(1);
    });
    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(hits[i].load(), 1) << "n=" << n << " i=" << i;
  }
}

TEST(ParallelFor, NestedSplitsShareTheQueueWithoutDeadlock) {
  WorkerPool pool(3);
  constexpr std::size_t outer = 8;
  constexpr std::size_t inner = 37;
  std::vector<std::atomic<int>> hits(outer * inner);
  for (int round = 0; round < 20; ++round) {
    parallel_for(&pool, 4, outer, [&](std::size_t ob, std::size_t oe) {
      for (std::size_t o = ob; o < oe; ++o) {
        parallel_for(&pool, 4, inner, [&](std::size_t b, std::size_t e) {
          for (std::size_t i = b; i < e; ++i) hits[o * inner + i].fetch_add(1);
        });
      }
    });
  }
  for (auto& h : hits) ASSERT_EQ(h.load(), 20);
}

// A throwing chunk reaches the caller only after every chunk has finished,
// so no task is left using the caller's frame (ASan checks the frame).
TEST(ParallelFor, ExceptionIsRethrownAfterAllChunksEnded) {
  WorkerPool pool(3);
  for (std::size_t thrower : {0u, 1u, 2u, 3u}) {  // 3 = the caller's own chunk
    std::vector<int> frame_data(4, 0);
    std::atomic<int> finished{0};
    try {
      parallel_for(&pool, 4, 4, [&](std::size_t b, std::size_t) {
        if (b == thrower) throw std::runtime_error("chunk failed");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        frame_data[b] = 1;
        finished.fetch_add(1);
      });
      ADD_FAILURE() << "no exception for thrower " << thrower;
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "chunk failed");
      EXPECT_EQ(finished.load(), 3) << "caller resumed before the other chunks ended";
    }
  }
  // The pool is still usable afterwards.
  std::atomic<int> sum{0};
  parallel_for(&pool, 4, 100, [&](std::size_t b, std::size_t e) { sum.fetch_add(int(e - b)); });
  EXPECT_EQ(sum.load(), 100);
}

TEST(ParallelFor, OneOfSeveralExceptionsIsRethrownWithItsType) {
  WorkerPool pool(7);
  std::atomic<int> ran{0};
  EXPECT_THROW(parallel_for(&pool, 8, 64,
                            [&](std::size_t, std::size_t) {
                              ran.fetch_add(1);
                              throw std::out_of_range("every chunk fails");
                            }),
               std::out_of_range);
  EXPECT_EQ(ran.load(), 8);
}

// Runners take the indices one at a time: every index once, on no more
// runners than asked for, and a runner held on its first index leaves all
// the others to the rest (a fixed chunking would hold a whole chunk).
TEST(ParallelClaims, EveryIndexOnceOnAtMostTheRunnersAsked) {
  WorkerPool pool(5);
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    const std::size_t n = rng() % 100;
    const std::size_t runners = rng() % 12;
    std::vector<std::atomic<int>> hits(n);
    std::atomic<std::size_t> working{0};
    parallel_claims(&pool, runners, n, [&](IndexClaims& claims) {
      std::size_t i = 0;
      bool counted = false;
      while (claims.take(i)) {
        if (!counted) working.fetch_add(1);
        counted = true;
        hits[i].fetch_add(1);
      }
    });
    for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(hits[i].load(), 1) << "n=" << n << " i=" << i;
    EXPECT_LE(working.load(), std::max<std::size_t>(1, std::min(runners, n)));
  }
}

TEST(ParallelClaims, AHeldRunnerLeavesTheRestToTheOthers) {
  WorkerPool pool(3);
  constexpr std::size_t n = 40;
  std::atomic<std::size_t> done{0};
  std::atomic<std::size_t> held_took{0};
  bool others_finished = false;
  parallel_claims(&pool, 4, n, [&](IndexClaims& claims) {
    std::size_t i = 0;
    while (claims.take(i)) {
      if (i == 0) {
        others_finished = spin_until([&] { return done.load() == n - 1; });
        held_took.fetch_add(1);
        while (claims.take(i)) held_took.fetch_add(1);
        return;
      }
      done.fetch_add(1);
    }
  });
  EXPECT_TRUE(others_finished);
  EXPECT_EQ(held_took.load(), 1u);
}

TEST(ParallelClaims, ExceptionIsRethrownAfterEveryRunnerEnded) {
  WorkerPool pool(3);
  std::atomic<int> running{0};
  std::atomic<int> ended{0};
  EXPECT_THROW(parallel_claims(&pool, 4, 64,
                               [&](IndexClaims& claims) {
                                 running.fetch_add(1);
                                 std::size_t i = 0;
                                 while (claims.take(i)) {
                                   if (i == 5) throw std::runtime_error("index failed");
                                   std::this_thread::sleep_for(std::chrono::microseconds(200));
                                 }
                                 ended.fetch_add(1);
                               }),
               std::runtime_error);
  EXPECT_EQ(ended.load() + 1, running.load()) << "caller resumed before the other runners ended";
}

TEST(WorkerPool, WorkerSurvivesAThrowingPlainTask) {
  WorkerPool pool(1);
  std::atomic<bool> after{false};
  pool.submit([] { throw std::runtime_error("escaped"); });
  pool.submit([&] { after = true; });
  EXPECT_TRUE(spin_until([&] { return after.load(); }));
}

// Wake-ups are only sent to sleeping workers; a task submitted just as a
// worker goes to sleep must still run without anyone helping.
TEST(WorkerPool, TasksReachSleepingWorkersWithoutHelp) {
  WorkerPool pool(3);
  for (int round = 0; round < 2000; ++round) {
    std::atomic<int> done{0};
    const int tasks = 1 + round % 5;
    for (int i = 0; i < tasks; ++i) pool.submit([&] { done.fetch_add(1); });
    ASSERT_TRUE(spin_until([&] { return done.load() == tasks; })) << "round " << round;
    if (round % 100 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

TEST(WorkerPool, DestructionRunsTasksStillQueued) {
  std::atomic<int> done{0};
  std::atomic<bool> release{false};
  std::thread releaser;
  {
    WorkerPool pool(1);
    pool.submit([&] { spin_until([&] { return release.load(); }); });
    for (int i = 0; i < 100; ++i) pool.submit([&] { done.fetch_add(1); });
    releaser = std::thread([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      release = true;
    });
    // ~WorkerPool sets stop while the queue still holds the 100 tasks.
  }
  releaser.join();
  EXPECT_EQ(done.load(), 100);
}

// wait_helping returns once the counter reads 0, running the queued tasks
// that bring it there itself when the pool has no workers. A wait that never
// returns fails at the deadline instead of hanging the run: the waiting
// thread is then left behind, holding its own share of the pool and counter.
TEST(WorkerPool, WaitHelpingReturnsOnceTheCounterReachesZero) {
  struct Row {
    std::size_t workers;
    std::size_t counter;  // and as many queued tasks that each take one off
  };
  for (const Row row : {Row{0, 0}, Row{0, 1}, Row{0, 5}, Row{2, 0}, Row{2, 7}}) {
    SCOPED_TRACE(testing::Message() << row.workers << " workers, counter " << row.counter);
    struct Shared {
      explicit Shared(std::size_t workers) : pool(workers) {}
      WorkerPool pool;
      std::atomic<std::size_t> counter{0};
      std::promise<void> returned;
    };
    auto shared = std::make_shared<Shared>(row.workers);
    shared->counter.store(row.counter);
    for (std::size_t i = 0; i < row.counter; ++i)
      shared->pool.submit([s = shared.get()]() noexcept { s->counter.fetch_sub(1); });
    std::future<void> done = shared->returned.get_future();
    std::thread waiter([shared] {
      shared->pool.wait_helping(shared->counter);
      shared->returned.set_value();
    });
    if (done.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
      waiter.detach();
      FAIL() << "wait_helping did not return";
    }
    waiter.join();
    EXPECT_EQ(shared->counter.load(), 0u);
  }
}

TEST(PoolTask, BuildingMovingAndRunningAChunkTaskAllocatesNothing) {
  int body_calls = 0;
  auto body = [&](std::size_t, std::size_t) { ++body_calls; };
  std::atomic<std::size_t> counter{1};
  const std::size_t begin = 3, end = 6;
  const std::size_t before = tls_allocations;
  {
    // Same payload as a parallel_for chunk: two references, two indices.
    PoolTask task([&body, &counter, begin, end]() noexcept {
      body(begin, end);
      counter.fetch_sub(1);
    });
    PoolTask moved(std::move(task));
    EXPECT_FALSE(static_cast<bool>(task));
    PoolTask assigned;
    assigned = std::move(moved);
    assigned();
  }
  EXPECT_EQ(tls_allocations, before);
  EXPECT_EQ(body_calls, 1);
  EXPECT_EQ(counter.load(), 0u);
#if defined(__GLIBCXX__)
  // The counter does see allocations: std::function stores this payload on the heap.
  std::function<void()> heap_task([&body, &counter, begin, end] {
    body(begin, end);
    counter.fetch_add(1);
  });
  EXPECT_GT(tls_allocations, before);
#endif
}

TEST(PoolTask, DestroysItsCallableExactlyOnce) {
  auto token = std::make_shared<int>(5);
  {
    PoolTask a([token] {});
    EXPECT_EQ(token.use_count(), 2);
    PoolTask b(std::move(a));
    EXPECT_EQ(token.use_count(), 2);
    PoolTask c([] {});
    c = std::move(b);
    EXPECT_EQ(token.use_count(), 2);
  }
  EXPECT_EQ(token.use_count(), 1);
}

}  // namespace
}  // namespace halvory
