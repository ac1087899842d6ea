// How long a project in the older text form takes to open, set against Qt's
// own parse of the same bytes (QJsonDocument::fromJson), and whether the
// open's progress moves while it reads.
//
//   text_project_open --make FILE [--spot F|L|N] [--bets S] [--raises S] [--stack CHIPS]
//                     [--browse N]
//                     [--threads N]
//       solves the spot (two iterations), reads N decision nodes as the
//       results page does, and writes the project in the text form, as a
//       program before the compact form wrote it (indented JSON).
//   text_project_open --open FILE [--runs N]
//       opens the file N times (default 5), each in a fresh controller, and
//       prints the medians of the parse and of the open, their ratio, and
//       how many distinct progress figures the open showed.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QUrl>

#include "controller/app_controller.hpp"
#include "event_wait.hpp"
#include "memory_spots.hpp"
#include "text_form_project.hpp"

namespace {

// Bet and raise sizes of every street; by default those of the spot.
const char* betSizes = nullptr;
const char* raiseSizes = "100";
double stack = 97.0;

QVariantMap spot(char name, int threads) {
  QVariantMap cfg;
  cfg.insert(QStringLiteral("max_iterations"), 2);
  cfg.insert(QStringLiteral("target_exploitability"), 0.0);
  cfg.insert(QStringLiteral("thread_count"), threads);
  const char* bets = betSizes ? betSizes : name == 'L' ? "33, 75" : "50";
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix =
          QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street));
      cfg.insert(prefix + QStringLiteral("_bet_sizes"), QString::fromLatin1(bets));
      cfg.insert(prefix + QStringLiteral("_raise_sizes"), QString::fromLatin1(raiseSizes));
    }
  }
  cfg.insert(QStringLiteral("starting_street"), QStringLiteral("flop"));
  cfg.insert(QStringLiteral("starting_pot"), 6.0);
  cfg.insert(QStringLiteral("effective_stack"), stack);
  if (name == 'N') {
    cfg.insert(QStringLiteral("board"), QStringLiteral("Ks7h2d"));
    cfg.insert(QStringLiteral("oop_range"), QStringLiteral("QQ+, AKs, AQs, KQs, 76s, 65s"));
    cfg.insert(QStringLiteral("ip_range"), QStringLiteral("JJ-88, AJs, KJs, QJs, JTs, T9s"));
  } else {
    cfg.insert(QStringLiteral("board"), QStringLiteral("QsJh2h"));
    cfg.insert(QStringLiteral("oop_range"), QString::fromLatin1(bench_spots::kFlopOopRange));
    cfg.insert(QStringLiteral("ip_range"), QString::fromLatin1(bench_spots::kFlopIpRange));
  }
  return cfg;
}

int make(const QString& file, char name, int browse, int threads) {
  AppController c;
  c.startSolveWithConfig(spot(name, threads));
  if (!event_wait::spin_until([&] { return !c.getRunning(); }, 3600000) || c.treeNodeCount() == 0) {
    std::printf("no result: %s\n", c.getStatusText().toUtf8().constData());
    return 1;
  }
  // Decision nodes breadth first from the root, read as the page reads them.
  std::vector<int> queue{0};
  int read = 0;
  for (std::size_t at = 0; at < queue.size() && read < browse; ++at) {
    const int node = queue[at];
    if (c.nodeMeta(node).value(QStringLiteral("nodeType")).toString() ==
        QLatin1String("decision")) {
      c.nodeActionStats(node);
      c.nodeHandStrategy(node);
      c.nodeHandCombos(node);
      c.nodeHandBuckets(node);
      c.nodeSeatHandCombos(node, QStringLiteral("OOP"));
      c.nodeSeatHandCombos(node, QStringLiteral("IP"));
      ++read;
    }
    for (const QVariant& action : c.nodeActions(node)) {
      const int child = action.toMap().value(QStringLiteral("childIndex")).toInt();
      if (child > 0) queue.push_back(child);
    }
  }
  c.explorer().readAheadPool().waitForDone();
  // As that program wrote it: the set-up's board under its own key and the
  // solve's configuration.
  QJsonObject root = project_test_support::textFormOf(c, c.explorer().caches());
  root.insert(QStringLiteral("project"), QJsonObject{{"boardText", "QsJh2h"}});
  root.insert(QStringLiteral("lastUiCfg"), QJsonObject::fromVariantMap(spot(name, threads)));
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
  const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
  if (out.write(bytes) != bytes.size()) return 1;
  std::printf("%s: %d nodes, %d nodes read, %.1f MB\n", qPrintable(file), c.treeNodeCount(), read,
              double(bytes.size()) / 1e6);
  return 0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int open(const QString& file, int runs) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return 1;
  const QByteArray bytes = in.readAll();
  std::vector<double> parse;
  std::vector<double> opens;
  std::vector<double> figures;
  // Each run parses, then opens: a machine busy with other work slows both
  // alike.
  for (int run = 0; run < runs; ++run) {
    // Nothing of the last run is still being freed meanwhile.
    QThreadPool::globalInstance()->waitForDone();
    {
      QElapsedTimer clock;
      clock.start();
      const QJsonDocument document = QJsonDocument::fromJson(bytes);
      parse.push_back(clock.nsecsElapsed() / 1e9);
      if (document.isNull()) return 1;
    }
    AppController c;
    QThreadPool::globalInstance()->waitForDone();
    QSet<double> seen;
    QObject::connect(&c, &AppController::projectFileProgressChanged, [&] {
      if (c.getProjectFileBusy()) seen.insert(c.getProjectFileProgress());
    });
    QElapsedTimer clock;
    clock.start();
    const QVariantMap answer = c.loadProject(QUrl::fromLocalFile(file));
    opens.push_back(clock.nsecsElapsed() / 1e9);
    figures.push_back(seen.size());
    if (!answer.value(QStringLiteral("ok")).toBool()) {
      std::printf("open refused: %s\n",
                  qPrintable(answer.value(QStringLiteral("error")).toString()));
      return 1;
    }
  }
  const double parseMedian = median(parse);
  const double openMedian = median(opens);
  std::printf(
      "%s: %.1f MB, %d runs, %d threads: QJsonDocument::fromJson median %.3f s, open median "
      "%.3f s (%.2f x the parse), distinct progress figures while busy (median) %.0f\n",
      qPrintable(file), double(bytes.size()) / 1e6, runs, QThread::idealThreadCount(), parseMedian,
      openMedian, openMedian / parseMedian, median(figures));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QString makeFile;
  QString openFile;
  char name = 'F';
  int browse = 300;
  int threads = 4;
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool more = i + 1 < argc;
    if (arg == "--make" && more)
      makeFile = QString::fromLocal8Bit(argv[++i]);
    else if (arg == "--open" && more)
      openFile = QString::fromLocal8Bit(argv[++i]);
    else if (arg == "--spot" && more)
      name = argv[++i][0];
    else if (arg == "--browse" && more)
      browse = std::atoi(argv[++i]);
    else if (arg == "--threads" && more)
      threads = std::atoi(argv[++i]);
    else if (arg == "--bets" && more)
      betSizes = argv[++i];
    else if (arg == "--raises" && more)
      raiseSizes = argv[++i];
    else if (arg == "--stack" && more)
      stack = std::atof(argv[++i]);
    else if (arg == "--runs" && more)
      runs = std::max(1, std::atoi(argv[++i]));
  }
  if (!makeFile.isEmpty()) return make(makeFile, name, browse, threads);
  if (!openFile.isEmpty()) return open(openFile, runs);
  std::printf("usage: text_project_open --make FILE [--spot F|L|N] [--browse N] | --open FILE\n");
  return 2;
}
