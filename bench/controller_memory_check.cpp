// The memory check as the user meets it: each spot is estimated and solved
// through the application controller, and the results page's first reads
// (root node, its rows and the first street's prefetch) are made before the
// peak is read. The peak resident memory above the figure just before the
// start is compared with the controller's estimate; the ratio
// measured / estimate must lie in 0.9-1.10 for the check to pass.
//
// Usage: controller_memory_check [--threads N] [--iterations N] [--compress] [--no-reads]
//                                [R|T|F|S|W ...]
// --no-reads leaves out the page's reads of the root node (the first
// street's prefetch still runs).
//
// Every spot runs in a child process of its own. The exit code is 1 when a
// ratio lies outside the band.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThreadPool>
#include <QVariantMap>

#include "controller/app_controller.hpp"

#include "event_wait.hpp"
#include "memory_probe.hpp"
#include "memory_spots.hpp"

// The prefetch runs on the controller's own pool; the check waits for it.
class AppControllerTestAccess {
 public:
  static void waitForPrefetch(AppController& c) { c.explorer().readAheadPool().waitForDone(); }
};

namespace {

using event_wait::spin_until;
using halvory_app::SizingConfig;
using halvory_app::SolveConfig;
using memory_probe::mib;
using memory_probe::status_bytes;

constexpr double kLowestRatio = 0.9;
constexpr double kHighestRatio = 1.10;

// The controller wants every street's sizes, also those of streets a spot
// starts after; those never reach the tree.
void put_sizing(QVariantMap& cfg, const char* prefix, const SizingConfig& sizing) {
  const QString p = QLatin1String(prefix);
  const auto text = [](const std::string& sizes) {
    return sizes.empty() ? QStringLiteral("50%") : QString::fromStdString(sizes);
  };
  cfg.insert(p + QStringLiteral("_bet_sizes"), text(sizing.bet_sizes));
  cfg.insert(p + QStringLiteral("_raise_sizes"), text(sizing.raise_sizes));
  cfg.insert(p + QStringLiteral("_add_all_in"), sizing.add_all_in);
  cfg.insert(p + QStringLiteral("_dont_donk"), sizing.dont_donk);
}

// The solve-configuration map the pages would send for a request.
QVariantMap config_map(const SolveConfig& request) {
  QVariantMap cfg;
  cfg.insert(QStringLiteral("board"), QString::fromStdString(request.board));
  cfg.insert(QStringLiteral("oop_range"), QString::fromStdString(request.oop_range));
  cfg.insert(QStringLiteral("ip_range"), QString::fromStdString(request.ip_range));
  cfg.insert(QStringLiteral("starting_pot"), request.starting_pot / 100.0);
  cfg.insert(QStringLiteral("effective_stack"), request.effective_stack / 100.0);
  cfg.insert(QStringLiteral("starting_street"), QString::fromStdString(request.starting_street));
  cfg.insert(QStringLiteral("max_iterations"), static_cast<qulonglong>(request.max_iterations));
  // No target: every requested iteration runs.
  cfg.insert(QStringLiteral("target_exploitability"), 0.0);
  cfg.insert(QStringLiteral("thread_count"), static_cast<qulonglong>(request.thread_count));
  cfg.insert(QStringLiteral("compress"), request.compress);
  put_sizing(cfg, "oop_flop", request.oop_flop);
  put_sizing(cfg, "oop_turn", request.oop_turn);
  put_sizing(cfg, "oop_river", request.oop_river);
  put_sizing(cfg, "ip_flop", request.ip_flop);
  put_sizing(cfg, "ip_turn", request.ip_turn);
  put_sizing(cfg, "ip_river", request.ip_river);
  return cfg;
}

// One spot in this (child) process: "<estimate> <base> <peak> <held> <status>".
std::string measure(const SolveConfig& request, bool reads) {
  int argc = 1;
  char name[] = "controller_memory_check";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  AppController controller;
  const QVariantMap cfg = config_map(request);

  controller.requestSolveMemoryEstimate(cfg);
  if (!spin_until([&] { return controller.getSolveRequiredMemoryBytes() != 0; }, 600000))
    return "error no estimate";
  const std::uint64_t estimate = controller.getSolveRequiredMemoryBytes();

  // The estimate's own tree is gone; start from what the process holds now.
  malloc_trim(0);
  const std::uint64_t base = status_bytes("VmRSS");
  if (!memory_probe::reset_peak()) return "error clear_refs";

  controller.startSolveWithConfig(cfg);
  if (!spin_until([&] { return !controller.getRunning(); }, 3600000)) return "error no end";
  const QString status = controller.getStatusText();

  // What the results page reads first when it opens.
  if (reads) {
    controller.nodeMeta(0);
    controller.nodeActions(0);
    controller.nodeActionStats(0);
    controller.nodeHandStrategy(0);
    controller.nodeHandCombos(0);
  }
  AppControllerTestAccess::waitForPrefetch(controller);
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();
  const std::uint64_t peak = status_bytes("VmHWM");
  const std::uint64_t held = status_bytes("VmRSS");

  char line[256];
  std::snprintf(line, sizeof line, "%llu %llu %llu %llu %s",
                static_cast<unsigned long long>(estimate), static_cast<unsigned long long>(base),
                static_cast<unsigned long long>(peak), static_cast<unsigned long long>(held),
                status.toUtf8().constData());
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t threads = 4;
  std::uint32_t iterations = 2;
  bool compress = false;
  bool reads = true;
  std::string spots;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--threads" && i + 1 < argc) {
      threads = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--iterations" && i + 1 < argc) {
      iterations = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--compress") {
      compress = true;
    } else if (arg == "--no-reads") {
      reads = false;
    } else if (arg.size() == 1 && std::strchr("RTFSW", arg[0]) != nullptr) {
      spots += arg;
    }
  }
  if (spots.empty()) spots = "RTF";

  std::printf("through the controller: threads=%llu iterations=%u compress=%d\n",
              static_cast<unsigned long long>(threads), iterations, compress ? 1 : 0);
  std::printf("%-5s %12s %12s %12s %12s %8s\n", "spot", "estimate", "base_rss", "peak", "held",
              "ratio");
  bool all_in_band = true;
  for (const char spot_name : spots) {
    SolveConfig request = bench_spots::spot(spot_name);
    request.thread_count = threads;
    request.max_iterations = iterations;
    request.compress = compress;
    const std::string line = memory_probe::in_child([&] { return measure(request, reads); });
    unsigned long long estimate = 0, base = 0, peak = 0, held = 0;
    char status[128] = {};
    if (std::sscanf(line.c_str(), "%llu %llu %llu %llu %127[^\n]", &estimate, &base, &peak, &held,
                    status) < 4) {
      std::printf("%-5c %s\n", spot_name, line.c_str());
      all_in_band = false;
      continue;
    }
    const unsigned long long used = peak > base ? peak - base : 0;
    const unsigned long long kept = held > base ? held - base : 0;
    const double ratio = estimate ? static_cast<double>(used) / static_cast<double>(estimate) : 0.0;
    const bool in_band = ratio >= kLowestRatio && ratio <= kHighestRatio;
    all_in_band = all_in_band && in_band;
    std::printf("%-5c %10.1fMi %10.1fMi %10.1fMi %10.1fMi %8.3f  %s (%s)\n", spot_name,
                mib(estimate), mib(base), mib(used), mib(kept), ratio, in_band ? "ok" : "OUT",
                status);
  }
  std::printf("measured peak / estimate within %.2f-%.2f: %s\n", kLowestRatio, kHighestRatio,
              all_in_band ? "yes" : "no");
  return all_in_band ? 0 : 1;
}
