#pragma once
// What the application drives of a solve session: starting and stopping a
// solve, dropping its result, and reading the solved game. The session runs
// the real solve; tests put a scripted one in its place.

#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "solver/dcfr.hpp"
#include "tree/game.hpp"

#include "session/solve_records.hpp"

namespace halvory_app {

// Takes each report by value, so that the final one (with the result's
// tree rows) can be moved on rather than copied.
using ProgressCallback = std::function<void(SolveProgress)>;

class SessionControl {
 public:
  virtual ~SessionControl() = default;

  // False when a solve is already running (nothing changes then). Throws
  // std::system_error when the thread cannot be started; the session stays
  // idle and usable. The final report always carries a result, and the
  // session reads as idle by the time it is handed on.
  virtual bool start(const SolveConfig& request, ProgressCallback on_progress) = 0;

  // Asks the running solve to stop; returns the previous flag.
  virtual bool cancel() = 0;

  virtual bool is_running() const = 0;

  // Drops the stored result; does not stop a running solve.
  virtual void clear_results() = 0;

  // Runs after a dropped result is freed, on the freeing thread.
  virtual void set_memory_release(std::function<void()> release) = 0;

  // Receives the solver's log text, on the solve's thread.
  virtual void set_log(std::function<void(std::string_view)> log) = 0;

  // Copies of the stored result, taken under the session's lock; both
  // empty when there is no live solve state.
  virtual std::pair<std::shared_ptr<halvory::Game>, std::shared_ptr<halvory::DiscountedCfr>>
  snapshot() const = 0;
  virtual std::shared_ptr<halvory::Game> game_ptr() const = 0;
  virtual std::shared_ptr<halvory::DiscountedCfr> solver_ptr() const = 0;

 protected:
  SessionControl() = default;
  SessionControl(const SessionControl&) = default;
  SessionControl& operator=(const SessionControl&) = default;
};

}  // namespace halvory_app
