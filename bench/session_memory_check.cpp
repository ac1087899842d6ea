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

namespace {

using namespace halvory_app;

constexpr const char* kOopRange =
    "22-JJ,A2s-AJs,K2s-KJs,Q2s-QJs,J4s-JTs,T6s-T9s,96s+,85s+,74s+,63s+,53s+,43s,A2o-AJo,"
    "K8o-KJo,Q9o-QJo,J9o-JTo,T8o+,98o,87o";
constexpr const char* kIpRange =
    "22+,A2s+,K2s+,Q4s+,J6s+,T6s+,96s+,86s+,75s+,65s,54s,A2o+,K8o+,Q9o+,J9o+,T9o,98o";
constexpr const char* kFlopOopRange =
    "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,"
    "JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,"
    "64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45";
constexpr const char* kFlopIpRange =
    "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,"
    "86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s";

SizingConfig sizes(const char* bets, const char* raises) {
  return SizingConfig{bets, raises, false, false};
}

SolveConfig spot(char name) {
  SolveConfig request;
  request.oop_range = kOopRange;
  request.ip_range = kIpRange;
  request.oop_river = request.ip_river = sizes("33%, 75%, 150%", "100%");
  switch (name) {
    case 'R':
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 2280;
      request.effective_stack = 8890;
      break;
    case 'W':  // river with wide ranges and many sizes: data outweigh fixed costs
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 2280;
      request.effective_stack = 8890;
      request.oop_range = request.ip_range = "100%";
      request.oop_river = request.ip_river =
          SizingConfig{"25, 50, 75, 100, 150", "50, 100", true, false};
      break;
    case 'V':
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 1000;
      request.effective_stack = 50000000;
      request.oop_river = request.ip_river = sizes(
          "10%, 20%, 33%, 50%, 66%, 75%, 100%, 125%, 150%, 200%", "50%, 75%, 100%, 150%, 200%");
      break;
    case 'S':  // smallest river spot: shows the fixed cost of any solve
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.oop_range = "AA";
      request.ip_range = "QQ";
      break;
    case 'T':
      request.board = "Ks7d2c5h";
      request.starting_street = "turn";
      request.starting_pot = 910;
      request.effective_stack = 9570;
      request.oop_turn = request.ip_turn = sizes("50%, 100%", "100%");
      break;
    case 'B':
    default:
      request.board = "QsJh2h";
      request.starting_street = "flop";
      request.starting_pot = 18000;
      request.effective_stack = 91000;
      request.oop_range = kFlopOopRange;
      request.ip_range = kFlopIpRange;
      request.oop_flop = request.ip_flop = sizes("52%", "45%");
      request.oop_turn = request.ip_turn = sizes("55%", "45%");
      request.oop_river = request.ip_river = sizes("70%", "45%");
      if (name == 'B') {
        const SizingConfig wide = sizes("10%, 20%, 33%, 50%, 66%, 75%, 100%, 125%, 150%, 200%",
                                        "50%, 75%, 100%, 150%, 200%");
        request.oop_flop = request.ip_flop = request.oop_turn = request.ip_turn = wide;
        request.oop_river = request.ip_river = wide;
      }
      break;
  }
  return request;
}

// Resident set figures of this process in bytes ("VmRSS", "VmHWM").
std::uint64_t status_bytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
      return std::strtoull(line.c_str() + length + 1, nullptr, 10) * 1024;
    }
  }
  return 0;
}

// Resets the peak resident figure to the current one.
bool reset_peak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  return static_cast<bool>(clear);
}

double mib(std::uint64_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// Runs `body` in a child process and passes back one line of text.
template <typename Body>
std::string in_child(Body&& body) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string text = body();
    const ssize_t written = write(fds[1], text.data(), text.size());
    (void)written;
    close(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  std::string text;
  char buffer[512];
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return text;
}

// Times each spot's estimate in this process: median of five runs.
int estimate_times(const std::string& spots, bool compress) {
  std::printf("%-5s %10s %12s %10s  %s\n", "spot", "median_ms", "estimate", "nodes", "answer");
  for (const char name : spots) {
    SolveConfig request = spot(name);
    request.compress = compress;
    std::vector<double> times;
    std::string answer;
    unsigned long long nodes = 0;
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
      total = estimate ? mib(estimate->total_bytes) : 0.0;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-5c %10.1f %10.1fMi %10llu  %s\n", name, times[2], total, nodes, answer.c_str());
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
