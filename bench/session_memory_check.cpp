// Compares the memory estimate of a request with the peak memory that the
// solve of the same request actually reaches. Each measurement runs in a
// child process of its own so that neither the estimate's allocations nor an
// earlier spot's heap distort the figure.
//
// Usage: session_memory_check [--threads N] [--iterations N] [--compress] [S|R|W|T|F ...]
//        session_memory_check --estimate-only [S|R|W|T|F|B|V ...]
// Spots R, T and F are the solver benchmark's; W is a wide river, S a tiny one.
// B is spot F with ten bet and five raise sizes on every street, a tree far
// past the tree limits: its estimate must be refused quickly. V is a river
// with the same sizes, where no deal lets the count stand one subtree for
// many: the slowest count, node by node up to the limit. With
// --estimate-only the estimates run in this process, one after the other, and
// report their time; run it under /usr/bin/time -v for the peak memory.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "session/memory_estimate.hpp"
#include "session/solve_session.hpp"

#include "memory_probe.hpp"
#include "memory_spots.hpp"

namespace {

using namespace halvory_app;
using bench_spots::spot;
using memory_probe::in_child;
using memory_probe::mib;
using memory_probe::reset_peak;
using memory_probe::status_bytes;

// Times each spot's estimate in this process: median of five runs.
int estimate_times(const std::string& spots, bool compress) {
  std::printf("%-5s %10s %12s %10s %10s  %s\n", "spot", "median_ms", "estimate", "nodes", "hands",
              "answer");
  for (const char name : spots) {
    SolveConfig request = spot(name);
    request.compress = compress;
    std::vector<double> times;
    std::string answer;
    unsigned long long nodes = 0, hands = 0;
    double total = 0.0;
    for (int run = 0; run < 5; ++run) {
      const auto start = std::chrono::steady_clock::now();
      std::string error;
      const auto estimate = estimate_solve_memory(request, &error);
      times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
      answer = estimate ? "ok" : "refused: " + error;
      nodes = estimate ? estimate->node_count : 0;
      hands = estimate ? estimate->oop_hands + estimate->ip_hands : 0;
      total = estimate ? mib(estimate->total_bytes) : 0.0;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-5c %10.1f %10.1fMi %10llu %10llu  %s\n", name, times[2], total, nodes, hands,
                answer.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t threads = 4;
  std::uint32_t iterations = 2;
  bool compress = false;
  bool estimate_only = false;
  std::string spots;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--threads" && i + 1 < argc) {
      threads = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--iterations" && i + 1 < argc) {
      iterations = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--compress") {
      compress = true;
    } else if (arg == "--estimate-only") {
      estimate_only = true;
    } else if (arg.size() == 1 && std::strchr("RWSTFBV", arg[0]) != nullptr) {
      spots += arg;
    }
  }
  if (spots.empty()) spots = "SRWTF";
  if (estimate_only) return estimate_times(spots, compress);

  std::printf("threads=%llu iterations=%u compress=%d\n", static_cast<unsigned long long>(threads),
              iterations, compress ? 1 : 0);
  std::printf("%-5s %12s %12s %12s %12s %10s %12s %12s %8s\n", "spot", "estimate", "card_ctx",
              "tree", "strategy", "nodes", "base_rss", "solve_peak", "ratio");
  for (const char name : spots) {
    SolveConfig request = spot(name);
    request.thread_count = threads;
    request.max_iterations = iterations;
    request.compress = compress;

    const std::string estimate_line = in_child([&] {
      std::string error;
      const auto estimate = estimate_solve_memory(request, &error);
      if (!estimate) return "error " + error;
      char line[256];
      std::snprintf(line, sizeof line, "%llu %llu %llu %llu %llu",
                    static_cast<unsigned long long>(estimate->total_bytes),
                    static_cast<unsigned long long>(estimate->card_context_bytes),
                    static_cast<unsigned long long>(estimate->tree_bytes),
                    static_cast<unsigned long long>(estimate->strategy_bytes),
                    static_cast<unsigned long long>(estimate->node_count));
      return std::string(line);
    });
    const std::string solve_line = in_child([&] {
      const std::uint64_t base = status_bytes("VmRSS");
      if (!reset_peak()) return std::string("error clear_refs");
      SolveSession session;
      std::mutex mutex;
      std::condition_variable done_cv;
      bool done = false;
      std::string status;
      session.start(request, [&](const SolveProgress& report) {
        if (!report.result) return;
        std::lock_guard<std::mutex> lock(mutex);
        status = report.status;
        done = true;
        done_cv.notify_all();
      });
      std::unique_lock<std::mutex> lock(mutex);
      done_cv.wait(lock, [&] { return done; });
      const std::uint64_t peak = status_bytes("VmHWM");
      char line[256];
      std::snprintf(line, sizeof line, "%llu %llu %s", static_cast<unsigned long long>(base),
                    static_cast<unsigned long long>(peak), status.c_str());
      return std::string(line);
    });

    unsigned long long total = 0, card = 0, tree = 0, strategy = 0, nodes = 0;
    unsigned long long base = 0, peak = 0;
    char status[128] = {};
    if (std::sscanf(estimate_line.c_str(), "%llu %llu %llu %llu %llu", &total, &card, &tree,
                    &strategy, &nodes) != 5 ||
        std::sscanf(solve_line.c_str(), "%llu %llu %127[^\n]", &base, &peak, status) < 2) {
      std::printf("%-5c estimate: %s | solve: %s\n", name, estimate_line.c_str(),
                  solve_line.c_str());
      continue;
    }
    const unsigned long long solve_bytes = peak > base ? peak - base : 0;
    std::printf(
        "%-5c %10.1fMi %10.1fMi %10.1fMi %10.1fMi %10llu %10.1fMi %10.1fMi %8.3f  (%s)\n", name,
        mib(total), mib(card), mib(tree), mib(strategy), nodes, mib(base), mib(solve_bytes),
        solve_bytes ? static_cast<double>(total) / static_cast<double>(solve_bytes) : 0.0, status);
  }
  return 0;
}
