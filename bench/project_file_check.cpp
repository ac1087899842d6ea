// A project's whole life through the application controller, as the user
// lives it: a spot is solved, its nodes are read as the results page reads
// them, the project is saved, opened again in the same session and then in
// a fresh process. Prints the resident memory after the solve, after
// browsing each count of nodes, the save's time and peak, what the save left
// behind, the file's size, the peak of the session (solve, browsing, save)
// against the controller's estimate, and each open's time and peak against
// it.
//
// Usage: project_file_check [--threads N] [--iterations N] [--browse N,N,...] [--estimate]
//                           [F|T|L|N|K ...]
//   F  the flop QsJh2h of bets "50" and raises "100", pot 6, stack 97
//   T  a turn with wide ranges, bets "33, 75" and raises "100"
//   L  the flop QsJh2h of bets "33, 75" and raises "100"
//   K  the same sizes on Ks7h2d (about 5.5 million nodes)
//   N  the flop Ks7h2d of narrow ranges, bets "50" and raises "100", rake
//      5% capped at 0.6 (about a million nodes of few hands each)
// --dir keeps the saved files in that folder (else a temporary one); --open
// FILE only opens a saved file; --estimate only prints the estimates.
//
// The solve and the fresh open each run in a process of its own; the
// session's phases are measured one after the other in the solve's.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QUrl>
#include <QVariantMap>

#include "controller/app_controller.hpp"
#include "controller/solve_config_map.hpp"
#include "session/memory_estimate.hpp"

#include "event_wait.hpp"
#include "memory_probe.hpp"
#include "memory_spots.hpp"

class AppControllerTestAccess {
 public:
  static void waitForPrefetch(AppController& c) { c.explorer().readAheadPool().waitForDone(); }
  static std::uint64_t rowBytes(AppController& c) { return c.explorer().caches().store.bytes(); }
};

namespace {

using event_wait::spin_until;
using memory_probe::mib;
using memory_probe::status_bytes;

void put_sizing(QVariantMap& cfg, const QString& seatStreet, const char* bets, const char* raises) {
  cfg.insert(seatStreet + QStringLiteral("_bet_sizes"), QString::fromLatin1(bets));
  cfg.insert(seatStreet + QStringLiteral("_raise_sizes"), QString::fromLatin1(raises));
  cfg.insert(seatStreet + QStringLiteral("_add_all_in"), false);
  cfg.insert(seatStreet + QStringLiteral("_dont_donk"), false);
}

QVariantMap spot(char name, int threads, int iterations) {
  QVariantMap cfg;
  cfg.insert(QStringLiteral("max_iterations"), iterations);
  cfg.insert(QStringLiteral("target_exploitability"), 0.0);
  cfg.insert(QStringLiteral("thread_count"), threads);
  cfg.insert(QStringLiteral("compress"), false);
  const char* bets = name == 'T' || name == 'L' || name == 'K' ? "33, 75" : "50";
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      put_sizing(cfg, QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street)), bets,
                 "100");
    }
  }
  if (name == 'T') {
    cfg.insert(QStringLiteral("board"), QStringLiteral("Ks7d2c5h"));
    cfg.insert(QStringLiteral("starting_street"), QStringLiteral("turn"));
    cfg.insert(QStringLiteral("starting_pot"), 9.1);
    cfg.insert(QStringLiteral("effective_stack"), 95.7);
    cfg.insert(QStringLiteral("oop_range"), QStringLiteral("100%"));
    cfg.insert(QStringLiteral("ip_range"), QStringLiteral("100%"));
  } else if (name == 'N') {
    cfg.insert(QStringLiteral("board"), QStringLiteral("Ks7h2d"));
    cfg.insert(QStringLiteral("starting_street"), QStringLiteral("flop"));
    cfg.insert(QStringLiteral("starting_pot"), 6.0);
    cfg.insert(QStringLiteral("effective_stack"), 97.0);
    cfg.insert(QStringLiteral("rake_percent"), 5.0);
    cfg.insert(QStringLiteral("rake_cap"), 0.6);
    cfg.insert(QStringLiteral("oop_range"), QStringLiteral("QQ+, AKs, AQs, KQs, 76s, 65s"));
    cfg.insert(QStringLiteral("ip_range"), QStringLiteral("JJ-88, AJs, KJs, QJs, JTs, T9s"));
  } else {
    cfg.insert(QStringLiteral("board"), QString::fromLatin1(name == 'K' ? "Ks7h2d" : "QsJh2h"));
    cfg.insert(QStringLiteral("starting_street"), QStringLiteral("flop"));
    cfg.insert(QStringLiteral("starting_pot"), 6.0);
    cfg.insert(QStringLiteral("effective_stack"), 97.0);
    cfg.insert(QStringLiteral("oop_range"), QString::fromLatin1(bench_spots::kFlopOopRange));
    cfg.insert(QStringLiteral("ip_range"), QString::fromLatin1(bench_spots::kFlopIpRange));
  }
  return cfg;
}

// The page's reads of one node.
void readNode(AppController& c, int node) {
  c.nodeMeta(node);
  c.nodeActions(node);
  c.nodeActionStats(node);
  c.nodeHandStrategy(node);
  c.nodeHandCombos(node);
  c.nodeHandBuckets(node);
  c.nodeSeatHandCombos(node, QStringLiteral("OOP"));
  c.nodeSeatHandCombos(node, QStringLiteral("IP"));
  c.nodeHandStrategyReach169(node, QString());
  c.nodeEv(node, QStringLiteral("OOP"));
  c.nodeEv(node, QStringLiteral("IP"));
}

// Decision nodes in the order a user meets them: breadth first from the
// root, through every street.
std::vector<int> decisionNodes(AppController& c, std::size_t most) {
  std::vector<int> out;
  std::vector<int> queue{0};
  for (std::size_t at = 0; at < queue.size() && out.size() < most; ++at) {
    const int node = queue[at];
    if (c.nodeMeta(node).value(QStringLiteral("nodeType")).toString() == QLatin1String("decision"))
      out.push_back(node);
    for (const QVariant& action : c.nodeActions(node)) {
      const int child = action.toMap().value(QStringLiteral("childIndex")).toInt();
      if (child > 0) queue.push_back(child);
    }
  }
  return out;
}

// The estimate's parts and the controller's figure, without solving.
std::string estimateOnly(char name, int threads) {
  int argc = 1;
  char program[] = "project_file_check";
  char* argv[] = {program, nullptr};
  QCoreApplication app(argc, argv);
  AppController c;
  const QVariantMap cfg = spot(name, threads, 1);
  c.requestSolveMemoryEstimate(cfg);
  if (!spin_until([&] { return c.getSolveRequiredMemoryBytes() != 0; }, 600000))
    return "error: no estimate";
  const auto parts =
      halvory_app::estimate_solve_memory(halvory_app::buildSolveConfigFromMap(cfg, threads));
  if (!parts) return "error: no parts";
  char line[512];
  std::snprintf(line, sizeof line,
                "  nodes %llu, estimate %.1f MiB: cards %.1f, tree %.1f, node states %.1f, "
                "strategies %.1f, threads %.1f, result rows %.1f, shares %.1f MiB; hands %llu + "
                "%llu, decision nodes %llu\n",
                static_cast<unsigned long long>(parts->node_count),
                mib(c.getSolveRequiredMemoryBytes()), mib(parts->card_context_bytes),
                mib(parts->tree_bytes), mib(parts->node_state_bytes), mib(parts->strategy_bytes),
                mib(parts->thread_bytes), mib(parts->result_bytes), mib(parts->share_bytes),
                static_cast<unsigned long long>(parts->oop_hands),
                static_cast<unsigned long long>(parts->ip_hands),
                static_cast<unsigned long long>(parts->decision_node_count));
  return line;
}

std::string solveBrowseSave(char name, int threads, int iterations,
                            const std::vector<std::size_t>& browse, const QString& file) {
  int argc = 1;
  char program[] = "project_file_check";
  char* argv[] = {program, nullptr};
  QCoreApplication app(argc, argv);
  AppController c;
  const QVariantMap cfg = spot(name, threads, iterations);
  c.requestSolveMemoryEstimate(cfg);
  if (!spin_until([&] { return c.getSolveRequiredMemoryBytes() != 0; }, 600000))
    return "error: no estimate";
  const std::uint64_t estimate = c.getSolveRequiredMemoryBytes();
  std::string out;
  char line[512];
  if (const auto parts =
          halvory_app::estimate_solve_memory(halvory_app::buildSolveConfigFromMap(cfg, threads))) {
    std::snprintf(line, sizeof line,
                  "  estimate's parts: cards %.1f, tree %.1f, node states %.1f, strategies %.1f, "
                  "threads %.1f, result rows %.1f, shares %.1f MiB; hands %llu + %llu, decision "
                  "nodes %llu\n",
                  mib(parts->card_context_bytes), mib(parts->tree_bytes),
                  mib(parts->node_state_bytes), mib(parts->strategy_bytes),
                  mib(parts->thread_bytes), mib(parts->result_bytes), mib(parts->share_bytes),
                  static_cast<unsigned long long>(parts->oop_hands),
                  static_cast<unsigned long long>(parts->ip_hands),
                  static_cast<unsigned long long>(parts->decision_node_count));
    out += line;
  }
  malloc_trim(0);
  const std::uint64_t base = status_bytes("VmRSS");
  memory_probe::reset_peak();
  QElapsedTimer clock;
  clock.start();
  c.startSolveWithConfig(cfg);
  if (!spin_until([&] { return !c.getRunning(); }, 7200000)) return "error: no end";
  const std::uint64_t endPeak = status_bytes("VmHWM");
  const std::uint64_t endRss = status_bytes("VmRSS");
  AppControllerTestAccess::waitForPrefetch(c);
  readNode(c, 0);
  const std::uint64_t solvePeak = status_bytes("VmHWM");
  std::snprintf(line, sizeof line,
                "  at the solve's end: RSS +%.1f MiB, peak +%.1f MiB; after the first reads RSS "
                "+%.1f MiB\n",
                mib(endRss - base), mib(endPeak - base), mib(status_bytes("VmRSS") - base));
  out += line;
  std::snprintf(line, sizeof line,
                "nodes %d, estimate %.1f MiB, solve %.1f s, status %s\n"
                "  RSS after the solve %.1f MiB (peak %.1f MiB above the start)\n",
                c.treeNodeCount(), mib(estimate), clock.elapsed() / 1000.0,
                c.getStatusText().toUtf8().constData(), mib(status_bytes("VmRSS")),
                mib(status_bytes("VmHWM") - base));
  out += line;

  // The peak of each phase: the figure since the last reset, taken before
  // the next reset, so that no phase's peak is lost.
  std::uint64_t sessionPeak = status_bytes("VmHWM");
  std::size_t most = 0;
  for (const std::size_t n : browse) most = std::max(most, n);
  const std::vector<int> nodes = decisionNodes(c, most);
  std::size_t read = 0;
  for (const std::size_t n : browse) {
    clock.restart();
    const std::uint64_t before = status_bytes("VmRSS");
    for (; read < n && read < nodes.size(); ++read) readNode(c, nodes[read]);
    AppControllerTestAccess::waitForPrefetch(c);
    std::snprintf(line, sizeof line,
                  "  after browsing %zu nodes: RSS %.1f MiB (+%.1f MiB, %.1f s), kept answers "
                  "%.1f MiB\n",
                  read, mib(status_bytes("VmRSS")), mib(status_bytes("VmRSS") - before),
                  clock.elapsed() / 1000.0, mib(AppControllerTestAccess::rowBytes(c)));
    out += line;
  }
  const std::uint64_t browsePeak = status_bytes("VmHWM");
  sessionPeak = std::max(sessionPeak, browsePeak);

  // No trim before the save: the session goes on as the user's would.
  const std::uint64_t beforeSave = status_bytes("VmRSS");
  memory_probe::reset_peak();
  clock.restart();
  const bool saved = c.saveProject(QUrl::fromLocalFile(file), QVariantMap{{"board", "QsJh2h"}});
  const double seconds = clock.elapsed() / 1000.0;
  const std::uint64_t peak = status_bytes("VmHWM");
  const std::uint64_t after = status_bytes("VmRSS");
  sessionPeak = std::max(sessionPeak, peak);
  std::snprintf(line, sizeof line,
                "  save %s in %.1f s: peak %.1f MiB above the process, %.1f MiB left after it; "
                "file %.1f MB\n",
                saved ? "done" : "FAILED", seconds, mib(peak > beforeSave ? peak - beforeSave : 0),
                mib(after > beforeSave ? after - beforeSave : 0),
                static_cast<double>(QFileInfo(file).size()) / 1e6);
  out += line;

  // The saved project opened again in the same session: the file is read
  // whole while the solve's results are still held (a failed open must not
  // lose them), so this peak holds two results at once.
  memory_probe::reset_peak();
  clock.restart();
  const bool opened = c.loadProject(QUrl::fromLocalFile(file)).value(QStringLiteral("ok")).toBool();
  const std::uint64_t openPeak = status_bytes("VmHWM");
  const auto times = [estimate](std::uint64_t bytes) {
    return static_cast<double>(bytes) / static_cast<double>(estimate);
  };
  std::snprintf(line, sizeof line,
                "  peaks above the start: solve %.1f MiB, browsing %.1f MiB, save %.1f MiB\n"
                "  session peak (solve, browsing, save) above the start %.1f MiB = %.3f x the "
                "estimate (solve %.3f x)\n",
                mib(solvePeak - base), mib(browsePeak - base), mib(peak - base),
                mib(sessionPeak - base), times(sessionPeak - base), times(solvePeak - base));
  out += line;
  std::snprintf(line, sizeof line,
                "  open in the same session %s in %.1f s: peak %.1f MiB above the start = %.3f x "
                "the estimate (the results held and the file read)\n",
                opened ? "done" : "FAILED", clock.elapsed() / 1000.0, mib(openPeak - base),
                times(openPeak - base));
  out += line;
  return out;
}

std::string open(const QString& file, char name, int threads) {
  int argc = 1;
  char program[] = "project_file_check";
  char* argv[] = {program, nullptr};
  QCoreApplication app(argc, argv);
  AppController c;
  malloc_trim(0);
  const std::uint64_t base = status_bytes("VmRSS");
  memory_probe::reset_peak();
  QElapsedTimer clock;
  clock.start();
  const QVariantMap result = c.loadProject(QUrl::fromLocalFile(file));
  const double seconds = clock.elapsed() / 1000.0;
  const std::uint64_t peak = status_bytes("VmHWM") - base;
  const std::uint64_t held = status_bytes("VmRSS") - base;
  // The spot's estimate, when the spot is known, after the figures above.
  double times = 0.0;
  if (name != 0) {
    c.requestSolveMemoryEstimate(spot(name, threads, 1));
    if (spin_until([&] { return c.getSolveRequiredMemoryBytes() != 0; }, 600000))
      times = static_cast<double>(peak) / static_cast<double>(c.getSolveRequiredMemoryBytes());
  }
  char line[512];
  std::snprintf(line, sizeof line,
                "  open in a fresh process %s in %.1f s: peak %.1f MiB above the process (%.3f x "
                "the estimate), %.1f MiB held; %d nodes, %s\n",
                result.value(QStringLiteral("ok")).toBool() ? "done" : "FAILED", seconds, mib(peak),
                times, mib(held), c.treeNodeCount(), c.getStatusText().toUtf8().constData());
  return line + result.value(QStringLiteral("error")).toString().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  int threads = 4;
  int iterations = 2;
  std::vector<std::size_t> browse{600, 2000};
  std::string spots;
  QString folder;
  bool onlyEstimate = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--threads" && i + 1 < argc) {
      threads = std::atoi(argv[++i]);
    } else if (arg == "--iterations" && i + 1 < argc) {
      iterations = std::atoi(argv[++i]);
    } else if (arg == "--browse" && i + 1 < argc) {
      browse.clear();
      for (const QString& n : QString::fromLatin1(argv[++i]).split(QLatin1Char(',')))
        browse.push_back(n.toULongLong());
    } else if (arg == "--estimate") {
      onlyEstimate = true;
    } else if (arg == "--dir" && i + 1 < argc) {
      folder = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--open" && i + 1 < argc) {
      const QString file = QString::fromLocal8Bit(argv[++i]);
      std::printf("%s\n", memory_probe::in_child([&] { return open(file, 0, threads); }).c_str());
      return 0;
    } else if (arg.size() == 1 && std::strchr("FTLNK", arg[0]) != nullptr) {
      spots += arg;
    }
  }
  if (spots.empty()) spots = "FT";
  QTemporaryDir temporary;
  const QDir dir(folder.isEmpty() ? temporary.path() : folder);
  for (const char name : spots) {
    const QString file = dir.filePath(QStringLiteral("%1.pellarisproj").arg(name));
    std::printf("spot %c, threads %d, iterations %d\n", name, threads, iterations);
    std::fflush(stdout);
    if (onlyEstimate) {
      std::printf("%s",
                  memory_probe::in_child([&] { return estimateOnly(name, threads); }).c_str());
      continue;
    }
    std::printf("%s", memory_probe::in_child([&] {
                        return solveBrowseSave(name, threads, iterations, browse, file);
                      }).c_str());
    std::printf("%s\n", memory_probe::in_child([&] { return open(file, name, threads); }).c_str());
    std::fflush(stdout);
  }
  return 0;
}
