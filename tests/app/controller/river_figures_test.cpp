// Every figure the results page reads for a river game small enough to solve
// by hand, through the controller on a real solve: board Ks Qd 7h 4c 2s, pot
// 100, stacks 100, OOP {KK, 65s} (3 + 4 combos), IP {AQo} (9 combos, no card
// shared with OOP), all-in the only bet. KK always wins, 65s always loses.
//
// Equilibrium: OOP bets KK and 1.5 of the 4 65s (bluffs B/(P+2B) = 1/3 of
// the betting range) and checks the rest; IP calls P/(P+B) = 1/2 and checks
// behind. EVs are shares of the pot: KK 0.5 x 200 + 0.5 x 100 = 150, 65s 0,
// OOP (3 x 150 + 4 x 0) / 7 = 64.29, IP 35.71. With 65s locked to bet, IP
// calls always: OOP (3 x 200 - 4 x 100) / 7 = 28.571, and calling is worth
// (4 x 200 - 3 x 100) / 7 = 71.43 to IP, folding 0.

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <cmath>
#include <functional>

#include "controller/app_controller.hpp"

namespace {

constexpr int kSolveTimeoutMs = 240000;

QVariantMap riverGame() {
  QVariantMap cfg{{"variant", "holdem"},           {"board", "Ks Qd 7h 4c 2s"},
                  {"starting_street", "river"},    {"starting_pot", 100.0},
                  {"effective_stack", 100.0},      {"max_iterations", 20000},
                  {"target_exploitability", 0.01}, {"thread_count", 2},
                  {"oop_range", "KK, 65s"},        {"ip_range", "AQo"}};
  for (const char* street :
       {"oop_flop", "oop_turn", "oop_river", "ip_flop", "ip_turn", "ip_river"}) {
    cfg.insert(QString("%1_bet_sizes").arg(street), "a");
    cfg.insert(QString("%1_raise_sizes").arg(street), "a");
  }
  return cfg;
}

// One action row as the page reads it.
struct Row {
  QString type;
  double frequency;
  double combos;
  double equity;
  double ev;
};

Row rowOf(const QVariantList& stats, const QString& kind) {
  for (const QVariant& v : stats) {
    const QVariantMap m = v.toMap();
    if (m.value("actionType").toString().startsWith(kind))
      return {m.value("actionType").toString(), m.value("frequency").toDouble(),
              m.value("combos").toDouble(), m.value("equity").toDouble(), m.value("ev").toDouble()};
  }
  return {QString(), NAN, NAN, NAN, NAN};
}

double bucketCombos(const QVariantList& buckets, const QString& name) {
  for (const QVariant& v : buckets) {
    if (v.toMap().value("name").toString() == name) return v.toMap().value("combos").toDouble();
  }
  return 0.0;
}

}  // namespace

class RiverFiguresTest : public QObject {
  Q_OBJECT

  AppController* c = nullptr;

  bool solve(const std::function<void()>& start) {
    start();
    if (!c->getRunning()) return false;
    const auto finished = [this] { return !c->getRunning() && !c->getResultsSummary().isEmpty(); };
    if (!QTest::qWaitFor(finished, kSolveTimeoutMs)) return false;
    return c->getResultIterations() > 0 && c->treeNodeCount() > 0;
  }

  int childOf(int node, const QString& kind) const {
    for (const QVariant& v : c->nodeActions(node)) {
      const QVariantMap m = v.toMap();
      if (m.value("actionType").toString().startsWith(kind)) return m.value("childIndex").toInt();
    }
    return -1;
  }

  // Frequencies everywhere the page shows them are the combos' shares:
  // the node statistics, the tree's rows and, at the root, the summary.
  void checkSharesEverywhere(int node) {
    const QVariantList stats = c->nodeActionStats(node);
    const QVariantList tree = c->nodeActions(node);
    QCOMPARE(stats.size(), tree.size());
    double total = 0.0;
    for (const QVariant& v : stats) total += v.toMap().value("combos").toDouble();
    QVERIFY(total > 0.0);
    for (qsizetype a = 0; a < stats.size(); ++a) {
      const double share = stats[a].toMap().value("combos").toDouble() / total;
      QVERIFY(std::abs(stats[a].toMap().value("frequency").toDouble() - share) < 1e-4);
      QVERIFY(std::abs(tree[a].toMap().value("frequency").toDouble() - share) < 1e-4);
      if (node == 0) {
        QVERIFY(std::abs(c->getRootActions()[a].toMap().value("frequency").toDouble() - share) <
                1e-4);
      }
    }
  }

  // Each bucket's combos are those of the combo rows that carry its name, so
  // a bucket filter lists exactly what the bucket counts.
  void checkBucketsListTheirCombos(int node) {
    const QVariantList combos = c->nodeHandCombos(node);
    for (const QVariant& b : c->nodeHandBuckets(node)) {
      const QString name = b.toMap().value("name").toString();
      double listed = 0.0;
      for (const QVariant& v : combos) {
        if (v.toMap().value("buckets").toStringList().contains(name))
          listed += v.toMap().value("weight").toDouble();
      }
      QVERIFY2(std::abs(listed - b.toMap().value("combos").toDouble()) < 1e-4, qPrintable(name));
    }
  }

  // Distributions on a river: exact equities, no sampling noise.
  QVariantMap distributions(int node) {
    QVariantMap answer = c->nodeHandDistributions169(node);
    if (answer.value("pending").toBool()) {
      QSignalSpy ready(c, &AppController::handDistributions169Ready);
      QThreadPool::globalInstance()->waitForDone();
      ready.wait(5000);
      answer = c->nodeHandDistributions169(node);
    }
    return answer;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    c = new AppController;
  }

  void cleanupTestCase() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    delete c;
  }

  void equilibriumFigures() {
    QVERIFY2(solve([this] { c->startSolveWithConfig(riverGame()); }),
             qPrintable(c->getStatusText()));
    const double tol = 0.5;  // chips, at 0.01% of the pot

    // Root, OOP to act: check 2.5 combos (65s), all-in 4.5 (3 KK + 1.5 65s).
    const QVariantList root = c->nodeActionStats(0);
    QCOMPARE(root.size(), 2);
    const Row check = rowOf(root, "check");
    const Row allIn = rowOf(root, "allin");
    QVERIFY2(!allIn.type.isEmpty(), "no all-in at the root");
    QVERIFY(std::abs(check.combos - 2.5) < 0.05);
    QVERIFY(std::abs(allIn.combos - 4.5) < 0.05);
    QVERIFY(std::abs(check.frequency - 2.5 / 7) < 0.01);
    QVERIFY(std::abs(allIn.frequency - 4.5 / 7) < 0.01);
    QVERIFY(std::abs(check.ev - 0.0) < tol);
    QVERIFY(std::abs(allIn.ev - 100.0) < tol);  // (3 x 150 + 1.5 x 0) / 4.5
    QVERIFY(std::abs(check.equity - 0.0) < 0.01);
    QVERIFY(std::abs(allIn.equity - 2.0 / 3) < 0.01);
    checkSharesEverywhere(0);
    QVERIFY(std::abs(c->nodeEv(0, "OOP") - 450.0 / 7) < tol);
    QVERIFY(std::abs(c->nodeEv(0, "IP") - 250.0 / 7) < tol);
    QVERIFY(std::abs(c->getResultEvOop() - 450.0 / 7) < tol);
    QVERIFY(std::abs(c->getResultEvIp() - 250.0 / 7) < tol);

    // Buckets of the root: KK a set, 65s a missed straight draw.
    const QVariantList rootBuckets = c->nodeHandBuckets(0);
    QVERIFY(std::abs(bucketCombos(rootBuckets, "set") - 3.0) < 1e-6);
    QVERIFY(std::abs(bucketCombos(rootBuckets, "missed OESD") - 4.0) < 1e-6);

    // IP facing the all-in: call and fold half each, both worth 0.
    const int facing = childOf(0, "allin");
    QVERIFY(facing > 0);
    QCOMPARE(c->nodeMeta(facing).value("player").toString(), QString("IP"));
    const QVariantList stats = c->nodeActionStats(facing);
    const Row fold = rowOf(stats, "fold");
    const Row call = rowOf(stats, "call");
    QVERIFY(std::abs(fold.combos - 4.5) < 0.1 && std::abs(call.combos - 4.5) < 0.1);
    QVERIFY(std::abs(call.frequency - 0.5) < 0.01);
    QVERIFY(std::abs(fold.ev) < tol && std::abs(call.ev) < tol);
    QVERIFY(std::abs(call.equity - 1.0 / 3) < 0.01);
    checkSharesEverywhere(facing);

    // IP's bucket: a pair of the second board rank, within the 9 combos.
    const QVariantList facingBuckets = c->nodeHandBuckets(facing);
    QVERIFY(std::abs(bucketCombos(facingBuckets, "middle pair") - 9.0) < 1e-6);
    QCOMPARE(bucketCombos(facingBuckets, "air"), 0.0);

    // Exact river equities: AQo wins 4 of 7 at the root, 1 of 3 facing the
    // bet (1.5 bluffs in 4.5 combos).
    const QVariantMap rootDist = distributions(0);
    QVERIFY(rootDist.value("ok").toBool());
    for (const QVariant& e : rootDist.value("equityIp").toList())
      QVERIFY(std::abs(e.toDouble() - 4.0 / 7) < 1e-9);
    const QVariantMap facingDist = distributions(facing);
    for (const QVariant& e : facingDist.value("equityIp").toList())
      QVERIFY(std::abs(e.toDouble() - 1.0 / 3) < 1e-3);

    // After a check IP checks behind: OOP's node after check, all-in holds
    // no KK (KK never checks), whatever the buckets at the root hold.
    const int checked = childOf(0, "check");
    const int ipBets = childOf(checked, "allin");
    QVERIFY(ipBets > 0);
    const QVariantList deep = c->nodeHandBuckets(ipBets);
    double reaching = 0.0;
    for (const QVariant& v : c->nodeHandCombos(ipBets))
      reaching += v.toMap().value("weight").toDouble();
    QVERIFY(bucketCombos(deep, "set") < 0.05);
    // Only 65s gets there and it folds: the shares are of those combos, not
    // a mean over KK's hands too.
    checkSharesEverywhere(ipBets);
    for (const int node : {0, facing, checked, ipBets}) checkBucketsListTheirCombos(node);
    QVERIFY(std::abs(rowOf(c->nodeActionStats(ipBets), "fold").frequency - 1.0) < 0.01);
    for (const QVariant& v : deep) QVERIFY(v.toMap().value("combos").toDouble() <= reaching + 1e-9);
  }

  // The same game read back from a project file in another controller: the
  // figures the page shows are the hand-computed ones, and equal the live
  // solve's to the bit.
  void figuresReadAgainFromAProjectFile() {
    const int facing = childOf(0, "allin");
    const int checked = childOf(0, "check");
    QVERIFY(facing > 0 && checked > 0);
    // What the page read before the save is what the file keeps. Opening a
    // node reads its strategy and its action rows (the combos and buckets of
    // these nodes were read above); the rows the read-ahead fills in the
    // background may or may not have arrived by the save, so they are no
    // part of what the file must keep.
    for (const int node : {0, facing, checked}) {
      QVERIFY(!c->nodeHandStrategy(node).isEmpty());
      QVERIFY(!c->nodeActionStats(node).isEmpty());
    }
    QTemporaryDir dir;
    const QUrl file = QUrl::fromLocalFile(dir.filePath("river.pellarisproj"));
    QVERIFY(c->saveProject(file, QVariantMap{{"board", "KsQd7h4c2s"}}));

    AppController b;
    const QVariantMap loaded = b.loadProject(file);
    QVERIFY2(loaded.value("ok").toBool(), qPrintable(loaded.value("error").toString()));
    const double tol = 0.5;
    const QVariantList root = b.nodeActionStats(0);
    QVERIFY(std::abs(rowOf(root, "check").combos - 2.5) < 0.05);
    QVERIFY(std::abs(rowOf(root, "allin").combos - 4.5) < 0.05);
    QVERIFY(std::abs(rowOf(root, "allin").ev - 100.0) < tol);
    QVERIFY(std::abs(b.getResultEvOop() - 450.0 / 7) < tol);
    QVERIFY(std::abs(b.getResultEvIp() - 250.0 / 7) < tol);
    QVERIFY(std::abs(rowOf(b.nodeActionStats(facing), "call").frequency - 0.5) < 0.01);
    QVERIFY(std::abs(rowOf(b.nodeActionStats(facing), "call").equity - 1.0 / 3) < 0.01);
    QVERIFY(std::abs(bucketCombos(b.nodeHandBuckets(0), "set") - 3.0) < 1e-6);
    for (const int node : {0, facing, checked}) {
      QCOMPARE(b.nodeActionStats(node), c->nodeActionStats(node));
      QCOMPARE(b.nodeHandCombos(node), c->nodeHandCombos(node));
      QCOMPARE(b.nodeHandStrategy(node), c->nodeHandStrategy(node));
      QCOMPARE(b.nodeActions(node), c->nodeActions(node));
    }
  }

  void lockedBluffsFigures() {
    c->setNodeLock(0, "65s", 1, 1.0);
    c->setNodeLock(0, "KK", 1, 1.0);
    QVERIFY2(solve([this] { c->reSolveWithNodeLocks(); }), qPrintable(c->getStatusText()));
    const double tol = 0.5;

    const QVariantList root = c->nodeActionStats(0);
    const Row check = rowOf(root, "check");
    const Row allIn = rowOf(root, "allin");
    QCOMPARE(check.combos, 0.0);
    QVERIFY(std::isnan(check.ev));  // no hand checks: no EV, never a baseline
    QVERIFY(std::abs(allIn.combos - 7.0) < 1e-6);
    QVERIFY(std::abs(allIn.frequency - 1.0) < 1e-6);
    QVERIFY(std::abs(c->nodeEv(0, "OOP") - 200.0 / 7) < tol);

    const int facing = childOf(0, "allin");
    const QVariantList stats = c->nodeActionStats(facing);
    const Row fold = rowOf(stats, "fold");
    const Row call = rowOf(stats, "call");
    QVERIFY(std::abs(call.frequency - 1.0) < 1e-3);
    QVERIFY(fold.combos < 0.01);
    QVERIFY(std::abs(call.ev - 500.0 / 7) < tol);
    // What a fold is worth to a hand is real even when no hand folds: the
    // per-combo rows give call - fold = +71.43 for each AQo.
    for (const QVariant& v : c->nodeHandCombos(facing)) {
      const QVariantList evs = v.toMap().value("actionEvs").toList();
      QCOMPARE(evs.size(), 2);
      QVERIFY(std::abs(evs[0].toDouble()) < 1e-4);  // fold: float dust around 0
      QVERIFY(std::abs(evs[1].toDouble() - 500.0 / 7) < tol);
    }
    checkSharesEverywhere(facing);
  }
};

QTEST_MAIN(RiverFiguresTest)
#include "river_figures_test.moc"
