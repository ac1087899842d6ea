#pragma once
// Runs one solve at a time on a thread of its own and keeps the solved game
// and solver for the result queries.

#include <atomic>
#include <functional>
#include <string_view>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "solver/dcfr.hpp"
#include "tree/game.hpp"

#include "session/session_control.hpp"
#include "session/solve_records.hpp"

namespace halvory_app {

class SolveSession final : public SessionControl {
 public:
  SolveSession() = default;
  // Cancels a running solve and waits for its thread, so the worker never
  // outlives the session it points to.
  ~SolveSession() override;

  SolveSession(const SolveSession&) = delete;
  SolveSession& operator=(const SolveSession&) = delete;

  // False when a solve is already running (nothing changes then). Throws
  // std::system_error when the thread cannot be started; the session stays
  // idle and usable.
  bool start(const SolveConfig& request, ProgressCallback on_progress) override;

  // Asks the running solve to stop; returns the previous flag.
  bool cancel() override;

  bool is_running() const override;

  // Drops the stored result, freed on a thread of its own; does not stop a
  // running solve. A solve started afterwards builds its game only once
  // the memory is free.
  void clear_results() override;

  // Runs after a dropped result is freed, on the freeing thread: hands the
  // allocator's freed pages back to the system.
  void set_memory_release(std::function<void()> release) override;

  // Receives the solver's log text (its timing summary when profiling is
  // on), on the solve's thread. Takes effect from the next solve.
  void set_log(std::function<void(std::string_view)> log) override;

  // Copies of the stored result, taken under the lock; both empty when
  // there is no live solve state. The copies keep the objects alive.
  std::pair<std::shared_ptr<halvory::Game>, std::shared_ptr<halvory::DiscountedCfr>> snapshot()
      const override;
  std::shared_ptr<halvory::Game> game_ptr() const override;
  std::shared_ptr<halvory::DiscountedCfr> solver_ptr() const override;

 private:
  struct WorkerRecord;
  static void run_worker(std::unique_ptr<WorkerRecord> record);
  void solve(const SolveConfig& request, const ProgressCallback& on_progress);
  void finish(const ProgressCallback& on_progress, SolveProgress report);
  void join_finished_worker();
  void wait_for_released_results() const;

  std::atomic<bool> running{false};
  std::atomic<bool> cancel_requested{false};
  mutable std::mutex mutex;
  std::shared_ptr<halvory::Game> game;
  std::shared_ptr<halvory::DiscountedCfr> solver;
  // Ready once every result dropped so far is freed (under the mutex).
  std::shared_future<void> released;
  std::function<void()> memory_release;
  std::function<void(std::string_view)> log_sink;
  // Touched only by the thread that owns the session (start, destructor).
  std::thread worker;
};

}  // namespace halvory_app
