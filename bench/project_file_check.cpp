// A project's whole life through the application controller, as the user
// lives it: a spot is solved, its nodes are read as the results page reads
// them, the project is saved and then opened in a fresh process. Prints the
// resident memory after the solve, after browsing each count of nodes, the
// save's time and peak, what the save left behind, the file's size, and the
// open's time and peak.
//
// Usage: project_file_check [--threads N] [--iterations N] [--browse N,N,...] [F|T ...]
//   F  the flop of bets "50" and raises "100", pot 6, stack 97 (about a
//      million nodes)
//   T  a turn with wide ranges, bets "33, 75" and raises "100"
//   L  the flop of bets "33, 75" and raises "100" (about 5.5 million nodes)
// --dir keeps the saved files in that folder (else a temporary one); --open
// FILE only opens a saved file.
//
// Every phase that measures a peak runs in a process of its own.

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
  const char* bets = name == 'T' || name == 'L' ? "33, 75" : "50";
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
  } else {
    cfg.insert(QStringLiteral("board"), QStringLiteral("QsJh2h"));
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
  malloc_trim(0);
  const std::uint64_t base = status_bytes("VmRSS");
  memory_probe::reset_peak();
  QElapsedTimer clock;
  clock.start();
  c.startSolveWithConfig(cfg);
  if (!spin_until([&] { return !c.getRunning(); }, 7200000)) return "error: no end";
  AppControllerTestAccess::waitForPrefetch(c);
  readNode(c, 0);
  std::string out;
  char line[512];
  std::snprintf(line, sizeof line,
                "nodes %d, estimate %.1f MiB, solve %.1f s, status %s\n"
                "  RSS after the solve %.1f MiB (peak %.1f MiB above the start)\n",
                c.treeNodeCount(), mib(estimate), clock.elapsed() / 1000.0,
                c.getStatusText().toUtf8().constData(), mib(status_bytes("VmRSS")),
                mib(status_bytes("VmHWM") - base));
  out += line;

  std::uint64_t sessionPeak = status_bytes("VmHWM");
  std::size_t most = 0;
  for (const std::size_t n : browse) most = std::max(most, n);
  const std::vector<int> nodes = decisionNodes(c, most);
  std::size_t read = 0;
  for (const std::size_t n : browse) {
    clock.restart();
    const std::uint64_t before = status_bytes("VmRSS");
    for (; read < n && read < nodes.size(); ++read) readNode(c, nodes[read]);
    std::snprintf(
        line, sizeof line, "  after browsing %zu nodes: RSS %.1f MiB (+%.1f MiB, %.1f s)\n", read,
        mib(status_bytes("VmRSS")), mib(status_bytes("VmRSS") - before), clock.elapsed() / 1000.0);
    out += line;
  }

  malloc_trim(0);
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
  std::snprintf(line, sizeof line,
                "  session peak above the start %.1f MiB = %.3f x the estimate\n",
                mib(sessionPeak - base),
                static_cast<double>(sessionPeak - base) / static_cast<double>(estimate));
  out += line;
  return out;
}

std::string open(const QString& file) {
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
  char line[512];
  std::snprintf(
      line, sizeof line,
      "  open %s in %.1f s: peak %.1f MiB above the process, %.1f MiB held; %d nodes, %s\n",
      result.value(QStringLiteral("ok")).toBool() ? "done" : "FAILED", clock.elapsed() / 1000.0,
      mib(status_bytes("VmHWM") - base), mib(status_bytes("VmRSS") - base), c.treeNodeCount(),
      c.getStatusText().toUtf8().constData());
  return line + result.value(QStringLiteral("error")).toString().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  int threads = 4;
  int iterations = 2;
  std::vector<std::size_t> browse{600, 2000};
  std::string spots;
  QString folder;
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
    } else if (arg == "--dir" && i + 1 < argc) {
      folder = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--open" && i + 1 < argc) {
      const QString file = QString::fromLocal8Bit(argv[++i]);
      std::printf("%s\n", memory_probe::in_child([&] { return open(file); }).c_str());
      return 0;
    } else if (arg.size() == 1 && std::strchr("FTL", arg[0]) != nullptr) {
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
    std::printf("%s", memory_probe::in_child([&] {
                        return solveBrowseSave(name, threads, iterations, browse, file);
                      }).c_str());
    std::printf("%s\n", memory_probe::in_child([&] { return open(file); }).c_str());
    std::fflush(stdout);
  }
  return 0;
}
