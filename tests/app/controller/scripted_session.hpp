#pragma once
// A solve session that runs no solve: it keeps each accepted start and ends
// it when the test says, so every order of events can be played through.

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include "session/session_control.hpp"

class ScriptedSession final : public halvory_app::SessionControl {
 public:
  struct Start {
    halvory_app::SolveConfig request;
    halvory_app::ProgressCallback report;
  };
  std::vector<Start> starts;
  int refusedStarts = 0;
  int cancels = 0;
  bool running = false;
  // The next start throws, as when no thread can be started.
  bool failNextStart = false;

  bool start(const halvory_app::SolveConfig& request,
             halvory_app::ProgressCallback onProgress) override {
    if (failNextStart) {
      failNextStart = false;
      throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
    if (running) {
      ++refusedStarts;
      return false;
    }
    running = true;
    starts.push_back({request, std::move(onProgress)});
    return true;
  }
  bool cancel() override {
    ++cancels;
    return std::exchange(cancelled, true);
  }
  bool is_running() const override { return running; }
  void clear_results() override {}
  void set_memory_release(std::function<void()>) override {}
  void set_log(std::function<void(std::string_view)>) override {}
  std::pair<std::shared_ptr<halvory::Game>, std::shared_ptr<halvory::DiscountedCfr>> snapshot()
      const override {
    return {};
  }
  std::shared_ptr<halvory::Game> game_ptr() const override { return {}; }
  std::shared_ptr<halvory::DiscountedCfr> solver_ptr() const override { return {}; }

  // A report of the given start's solve, handed to the GUI thread.
  void report(std::size_t index, halvory_app::SolveProgress progress) {
    starts.at(index).report(std::move(progress));
    QCoreApplication::sendPostedEvents();
  }
  // Ends the solve of the given start with its final report, idle first as
  // the real session is, then hands the report to the GUI thread.
  void finish(std::size_t index, halvory_app::SolveProgress report) {
    running = false;
    cancelled = false;
    starts.at(index).report(std::move(report));
    QCoreApplication::sendPostedEvents();
  }

 private:
  bool cancelled = false;
};
