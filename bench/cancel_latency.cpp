// How long a cancel takes to be obeyed while the card context and the betting
// tree of a large spot are being built: for a solve (cancel, and destroying
// the session, which is what closing the program does) and for a memory
// estimate; and for a solve of an ICM spot with 21 players and 21 paid
// places, whose chip model outcomes take seconds to compute. Each figure is
// the time from the request to the moment the work has ended: the solve's
// final report, the session's destructor returning, the estimate call
// returning.
//
// Usage: cancel_latency [--threads N]

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "session/memory_estimate.hpp"
#include "session/solve_session.hpp"

namespace {

using namespace halvory_app;
using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A flop spot with three bet and two raise sizes: millions of nodes and over
// a second of tree building. Narrow ranges keep the strategies small, should
// a cancel come after the build.
SolveConfig large_spot(std::uint64_t threads) {
  SolveConfig request;
  request.board = "QsJh2h";
  request.starting_street = "flop";
  request.starting_pot = 18000;
  request.effective_stack = 91000;
  request.oop_range = "AA, KK, QQ, AK";
  request.ip_range = "JJ, TT, 99, AQ";
  for (SizingConfig* s : {&request.oop_flop, &request.ip_flop, &request.oop_turn, &request.ip_turn,
                          &request.oop_river, &request.ip_river}) {
    *s = SizingConfig{"33, 75, 150", "60, 100, 200", false, false};
  }
  request.max_iterations = 1000;
  request.thread_count = threads;
  return request;
}

// 21 players, 21 places paid, a flop tree with one bet and one raise size.
SolveConfig icm_spot(std::uint64_t threads) {
  SolveConfig request = large_spot(threads);
  request.board = "Ks7d2c";
  for (SizingConfig* s : {&request.oop_flop, &request.ip_flop, &request.oop_turn, &request.ip_turn,
                          &request.oop_river, &request.ip_river}) {
    *s = SizingConfig{"50", "100", false, false};
  }
  request.utility_model = "icm";
  request.oop_stack = 91000;
  request.ip_stack = 74000;
  for (int i = 0; i < 19; ++i) request.icm_other_stacks.push_back(30000 + 7000 * i);
  for (int k = 0; k < 21; ++k) request.icm_payouts.push_back(2100 - 100 * k);
  request.target_exploitability = -1.0;
  request.max_iterations = 100000;
  return request;
}

struct FinalReport {
  std::mutex mutex;
  std::condition_variable cv;
  bool done = false;
  std::string last_status;
  Clock::time_point at;
};

struct Row {
  double delay_ms;
  std::string stage;  // the last stage text before the cancel
  double latency_ms;
  std::string final_status;
};

// Starts the solve, cancels it (or destroys the session) after `delay_ms` and
// returns how long the work took to end.
Row cancel_solve_after(const SolveConfig& request, double delay_ms, bool destroy) {
  auto report = std::make_shared<FinalReport>();
  auto session = std::make_unique<SolveSession>();
  session->start(request, [report](const SolveProgress& progress) {
    std::lock_guard<std::mutex> lock(report->mutex);
    if (progress.result) {
      report->done = true;
      report->at = Clock::now();
    }
    if (!report->done) report->last_status = progress.status;
    if (progress.result) report->last_status = progress.status;
    report->cv.notify_all();
  });
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delay_ms));
  std::string stage;
  {
    std::lock_guard<std::mutex> lock(report->mutex);
    stage = report->done ? "(already ended)" : report->last_status;
  }
  const Clock::time_point asked = Clock::now();
  double latency = 0.0;
  if (destroy) {
    session.reset();  // cancels and waits for the worker
    latency = ms_since(asked);
  } else {
    session->cancel();
    std::unique_lock<std::mutex> lock(report->mutex);
    report->cv.wait(lock, [&] { return report->done; });
    latency = std::chrono::duration<double, std::milli>(report->at - asked).count();
  }
  std::string final_status;
  {
    std::lock_guard<std::mutex> lock(report->mutex);
    final_status = report->done ? report->last_status : "(no final report)";
  }
  return Row{delay_ms, stage, latency, final_status};
}

// Runs the estimate on a thread of its own, raises its cancel flag after
// `delay_ms` and returns how long the call took to return after that.
Row cancel_estimate_after(const SolveConfig& request, double delay_ms) {
  std::atomic<bool> cancel{false};
  std::atomic<bool> returned{false};
  Clock::time_point ended;
  std::string error = "(answered)";
  std::thread worker([&] {
    std::string message;
    const auto estimate = estimate_solve_memory(request, &message, &cancel);
    ended = Clock::now();
    if (!estimate) error = message;
    returned = true;
  });
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delay_ms));
  const bool early = returned.load();
  const Clock::time_point asked = Clock::now();
  cancel = true;
  worker.join();
  const double latency =
      early ? 0.0 : std::chrono::duration<double, std::milli>(ended - asked).count();
  return Row{delay_ms, early ? "(already ended)" : "estimating", latency, error};
}

void print(const char* what, const std::vector<Row>& rows) {
  double worst = 0.0;
  for (const Row& r : rows) {
    std::printf("%-18s after %6.0f ms  stage %-44s  ended in %7.1f ms  (%s)\n", what, r.delay_ms,
                ("\"" + r.stage + "\"").c_str(), r.latency_ms, r.final_status.c_str());
    worst = std::max(worst, r.latency_ms);
  }
  std::printf("%-18s worst %.1f ms\n\n", what, worst);
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t threads = 4;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--threads") threads = std::strtoull(argv[++i], nullptr, 10);
  }
  const SolveConfig request = large_spot(threads);

  std::string error;
  const Clock::time_point start = Clock::now();
  const auto estimate = estimate_solve_memory(request, &error);
  std::printf("spot: %s nodes, estimate %.2f GiB, counted in %.1f ms\n\n",
              estimate ? std::to_string(estimate->node_count).c_str() : error.c_str(),
              estimate ? static_cast<double>(estimate->total_bytes) / (1u << 30) : 0.0,
              ms_since(start));

  const std::vector<double> delays{20, 100, 200, 300, 400, 500, 600, 1000};
  std::vector<Row> cancels, destroys, estimates;
  // A pause after each case lets the previous case's memory be freed, so
  // that no case waits on another's allocator traffic.
  const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(500)); };
  for (const double d : delays) {
    cancels.push_back(cancel_solve_after(request, d, false));
    pause();
  }
  for (const double d : delays) {
    destroys.push_back(cancel_solve_after(request, d, true));
    pause();
  }
  for (const double d : {1.0, 3.0, 6.0}) {
    estimates.push_back(cancel_estimate_after(request, d));
    pause();
  }
  std::vector<Row> icm_cancels;
  const SolveConfig icm = icm_spot(threads);
  for (const double d : {200.0, 1000.0, 2000.0, 3000.0, 5000.0, 8000.0}) {
    icm_cancels.push_back(cancel_solve_after(icm, d, false));
    pause();
  }
  print("solve cancel", cancels);
  print("session destroyed", destroys);
  print("estimate cancel", estimates);
  print("icm 21/21 cancel", icm_cancels);
  return 0;
}
