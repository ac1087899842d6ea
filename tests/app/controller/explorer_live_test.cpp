// The explorer half of the controller on a real solved turn spot: caches that
// answer without asking the session again, every node query over every node,
// the asynchronous distributions, a lock round trip through a re-solve, and
// stale distribution answers dropped after a clear or a new solve.

#include <QCoreApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

#include "controller/app_controller.hpp"

class ControllerTestHelpers {
 public:
  static quint64 sessionQueries(const AppController& c) { return c.explorer().sessionQueries(); }
  static QThreadPool& prefetchPool(AppController& c) { return c.explorer().readAheadPool(); }
};

using Access = ControllerTestHelpers;

namespace {

constexpr int kSolveTimeoutMs = 240000;

// A small turn spot: one bet size, all-in raises, river dealt by chance.
QVariantMap turnSpot() {
  QVariantMap cfg{{"variant", "holdem"},
                  {"board", "Qs Jh 7d 4c"},
                  {"starting_street", "turn"},
                  {"starting_pot", 10.0},
                  {"effective_stack", 30.0},
                  {"max_iterations", 30},
                  {"target_exploitability", 0.0},
                  {"thread_count", 2},
                  {"oop_range", "AA,QQ,JJ,AQs,KQ,T9s,98s"},
                  {"ip_range", "KK,77,AJs,KJ,J9s,65s"}};
  for (const char* street :
       {"oop_flop", "oop_turn", "oop_river", "ip_flop", "ip_turn", "ip_river"}) {
    cfg.insert(QString("%1_bet_sizes").arg(street), "75");
    cfg.insert(QString("%1_raise_sizes").arg(street), "a");
  }
  return cfg;
}

double sum(const QVariant& list) {
  double total = 0.0;
  for (const QVariant& v : list.toList()) total += v.toDouble();
  return total;
}

QList<double> numbers(const QVariant& list) {
  QList<double> out;
  for (const QVariant& v : list.toList()) out.append(v.toDouble());
  return out;
}

// The distributions run on the global pool, the first street's prefetch on
// the controller's own.
void drainDistributionTasks(AppController* c) {
  if (c != nullptr) Access::prefetchPool(*c).waitForDone();
  QThreadPool::globalInstance()->waitForDone();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

}  // namespace

class ExplorerLiveTest : public QObject {
  Q_OBJECT

  AppController* c = nullptr;

  bool solve(const std::function<void()>& start) {
    start();
    if (!c->getRunning()) return false;
    // The summary comes with the final report; `running` may turn false
    // one queued report earlier.
    const auto finished = [this] { return !c->getRunning() && !c->getResultsSummary().isEmpty(); };
    if (!QTest::qWaitFor(finished, kSolveTimeoutMs)) return false;
    return c->getResultIterations() > 0 && c->treeNodeCount() > 0;
  }

  int nodeOfType(const QString& type, int from = 0) const {
    for (int n = from; n < c->treeNodeCount(); ++n) {
      if (c->nodeMeta(n).value("nodeType").toString() == type) return n;
    }
    return -1;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    c = new AppController;
    QVERIFY2(solve([this] { c->startSolveWithConfig(turnSpot()); }),
             qPrintable(c->getStatusText() + " / " + c->getResultsSummary()));
    QVERIFY(nodeOfType("decision") == 0);
    QVERIFY(nodeOfType("chance") > 0);
    QVERIFY(nodeOfType("terminal") > 0);
  }

  void cleanupTestCase() {
    drainDistributionTasks(c);
    delete c;
  }

  // The first street's decision nodes are filled on the pool when the
  // results arrive: a click on them asks the session nothing.
  void firstStreetNodesAreReadAhead() {
    drainDistributionTasks(c);
    const quint64 start = Access::sessionQueries(*c);
    int checked = 0;
    for (const QVariant& value : c->nodeActions(0)) {
      const int child = value.toMap().value("childIndex").toInt();
      if (c->nodeMeta(child).value("nodeType").toString() != "decision") continue;
      QCOMPARE(c->nodeActionStats(child).size(), c->nodeActions(child).size());
      QVERIFY(!c->nodeHandCombos(child).isEmpty());
      QVERIFY(!c->nodeHandBuckets(child).isEmpty());
      ++checked;
    }
    QVERIFY(checked > 0);
    QCOMPARE(Access::sessionQueries(*c), start);
  }

  void secondQueryComesFromTheCache() {
    const int node = 0;
    const quint64 start = Access::sessionQueries(*c);
    const QVariantList stats = c->nodeActionStats(node);
    const QVariantMap strategy = c->nodeHandStrategy(node);
    const QVariantList combos = c->nodeHandCombos(node);
    const QVariantList buckets = c->nodeHandBuckets(node);
    const double evOop = c->nodeEv(node, "OOP");
    const double evIp = c->nodeEv(node, " ip ");
    const QVariantMap reach = c->nodeHandStrategyReach169(node, "Top Pair");
    QVERIFY(!stats.isEmpty() && !strategy.isEmpty() && !combos.isEmpty() && !buckets.isEmpty());
    QVERIFY(std::isfinite(evOop) && std::isfinite(evIp));
    QVERIFY(evOop != evIp);  // two cache entries, one per seat
    const quint64 afterFirst = Access::sessionQueries(*c);
    QVERIFY(afterFirst > start);

    QCOMPARE(c->nodeActionStats(node), stats);
    QCOMPARE(c->nodeHandStrategy(node), strategy);
    QCOMPARE(c->nodeHandCombos(node), combos);
    QCOMPARE(c->nodeHandBuckets(node), buckets);
    QCOMPARE(c->nodeEv(node, "oop"), evOop);
    QCOMPARE(c->nodeEv(node, "IP"), evIp);
    QCOMPARE(c->nodeHandStrategyReach169(node, " top pair "), reach);
    QCOMPARE(Access::sessionQueries(*c), afterFirst);

    // The seat rows are recomputed on every call while live objects exist.
    const QVariantList seatRows = c->nodeSeatHandCombos(node, "OOP");
    QVERIFY(!seatRows.isEmpty());
    QCOMPARE(c->nodeSeatHandCombos(node, "OOP"), seatRows);
    QCOMPARE(Access::sessionQueries(*c), afterFirst + 2);

    // The root strategy matches the action lists and sums to 1 per hand.
    QCOMPARE(strategy.value("actionNames").toList().size(), c->nodeActions(node).size());
    for (const QVariant& type : strategy.value("actionTypeList").toList())
      QVERIFY(type.toString() != "none");
    QCOMPARE(strategy.value("actionProbs").toMap().size(),
             strategy.value("weights").toMap().size());
    QVERIFY(std::isnan(c->nodeEv(node, "button")));
  }

  void everyNodeAnswersEveryQuery() {
    const int count = c->treeNodeCount();
    QVERIFY(count > 10);
    QSignalSpy ready(c, &AppController::handDistributions169Ready);
    // Each answer is read as it arrives: only the last few nodes' are kept.
    QHash<int, QVariantMap> answers;
    const auto connection = connect(c, &AppController::handDistributions169Ready, this, [&](int n) {
      answers.insert(n, c->nodeHandDistributions169(n));
    });
    int decisions = 0;
    for (int n = 0; n < count; ++n) {
      const QVariantMap meta = c->nodeMeta(n);
      const int actions = static_cast<int>(c->nodeActions(n).size());
      const QVariantList stats = c->nodeActionStats(n);
      const QVariantMap strategy = c->nodeHandStrategy(n);
      const QVariantList combos = c->nodeHandCombos(n);
      c->nodeHandBuckets(n);
      c->nodeEv(n, "OOP");
      c->nodeEv(n, "IP");
      c->nodeSeatHandCombos(n, "OOP");
      c->nodeSeatHandCombos(n, "IP");
      const QVariantMap reach = c->nodeHandStrategyReach169(n, "");
      c->nodeHandStrategyReach169(n, "air");
      c->nodeHandDistributions169(n);
      for (const QString& player : {QString("OOP"), QString("IP")}) {
        QVERIFY(c->nodePocketActionEvs(n, player, "Zz", "Ah").isEmpty());
        QVERIFY(c->nodePocketActionEvs(n, player, "", "").isEmpty());
        QVERIFY(c->nodePocketActionEvs(n, player, QString::fromUtf8("A\u20ac"), "Kd").isEmpty());
        QVERIFY(c->nodePocketActionEvs(n, player, "Ah", "Ah").isEmpty());
      }
      if (meta.value("nodeType").toString() != "decision") continue;
      ++decisions;
      QCOMPARE(stats.size(), actions);
      double frequencies = 0.0;
      for (const QVariant& row : stats) frequencies += row.toMap().value("frequency").toDouble();
      QVERIFY2(std::abs(frequencies - 1.0) < 1e-3, qPrintable(QString("node %1").arg(n)));
      QCOMPARE(strategy.value("actionNames").toList().size(), actions);
      const QVariantMap classProbs = strategy.value("actionProbs").toMap();
      const QVariantMap classWeights = strategy.value("weights").toMap();
      for (auto it = classProbs.cbegin(); it != classProbs.cend(); ++it) {
        const double total = sum(it.value());
        QVERIFY2(std::abs(total - 1.0) < 1e-3 ||
                     (total == 0.0 && classWeights.value(it.key()).toDouble() == 0.0),
                 qPrintable(QString("node %1 %2 %3 w=%4")
                                .arg(n)
                                .arg(it.key())
                                .arg(total)
                                .arg(classWeights.value(it.key()).toDouble())));
      }
      // A node no hand reaches keeps the strategy's all-zero rows.
      const QVariantMap reachProbs = reach.value("actionProbs").toMap();
      for (auto it = reachProbs.cbegin(); it != reachProbs.cend(); ++it) {
        const double total = sum(it.value());
        QVERIFY2(std::abs(total - 1.0) < 1e-6 || total == 0.0,
                 qPrintable(QString("node %1 %2 %3").arg(n).arg(it.key()).arg(total)));
      }
      QVERIFY(!combos.isEmpty());
      const QVariantMap first = combos.first().toMap();
      // The actor's own cards, in either order, give one EV per action; at a
      // node no pair of hands reaches, where the node has no EV, no hand has
      // an EV or a strategy either.
      const QString actor = meta.value("player").toString();
      const bool reached = std::isfinite(c->nodeEv(n, actor));
      if (reached) {
        QVERIFY(std::abs(sum(first.value("actionProbs")) - 1.0) < 1e-3);
      } else {
        QVERIFY(std::isnan(sum(first.value("actionProbs"))));
        QVERIFY(std::isnan(first.value("ev").toDouble()));
      }
      const QVariantList evs = c->nodePocketActionEvs(n, actor, first.value("c2").toString(),
                                                      first.value("c1").toString());
      QCOMPARE(evs.size(), actions);
      for (const QVariant& ev : evs) QCOMPARE(std::isfinite(ev.toDouble()), reached);
    }
    QVERIFY(decisions > 3);

    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), count, 120000);
    disconnect(connection);
    QCOMPARE(answers.size(), count);
    for (int n = 0; n < count; ++n) {
      const QVariantMap answer = answers.value(n);
      QCOMPARE(answer.value("pending").toBool(), false);
      QVERIFY(answer.value("ok").toBool() || !answer.value("error").toString().isEmpty());
    }
    QCOMPARE(ready.size(), count);
  }

  void distributionsArePendingThenReadyThenCached() {
    c->clearResults();
    QVERIFY(solve([this] { c->startSolveWithConfig(turnSpot()); }));
    QSignalSpy ready(c, &AppController::handDistributions169Ready);

    const QVariantMap pending = c->nodeHandDistributions169(0);
    QCOMPARE(pending.value("pending").toBool(), true);
    QCOMPARE(pending.value("ok").toBool(), false);
    QCOMPARE(pending.value("error").toString(), QString::fromUtf8("Computing\u2026"));
    QCOMPARE(c->nodeHandDistributions169(0).value("pending").toBool(), true);

    QVERIFY(ready.wait(60000));
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.first().first().toInt(), 0);

    const QVariantMap done = c->nodeHandDistributions169(0);
    QCOMPARE(done.value("ok").toBool(), true);
    QCOMPARE(done.value("pending").toBool(), false);
    QCOMPARE(done.value("nodeIndex").toInt(), 0);
    QVERIFY(done.value("error").toString().isEmpty());
    QVERIFY(done.contains("hands") && done.value("hands").toList().isEmpty());
    const qsizetype oop = done.value("oopHands").toList().size();
    const qsizetype ip = done.value("ipHands").toList().size();
    QVERIFY(oop > 0 && ip > 0);
    QCOMPARE(done.value("evOop").toList().size(), oop);
    QCOMPARE(done.value("equityOop").toList().size(), oop);
    QCOMPARE(done.value("evIp").toList().size(), ip);
    QCOMPARE(done.value("equityIp").toList().size(), ip);
    // EVs are in chips: none exceeds the pot plus both stacks.
    for (const double ev : numbers(done.value("evOop"))) QVERIFY(std::abs(ev) <= 70.0);

    drainDistributionTasks(c);
    QCOMPARE(c->nodeHandDistributions169(0), done);
    QCOMPARE(ready.size(), 1);
  }

  void lockRoundTripThroughReSolve() {
    const int node = 0;
    const QVariantMap before = c->nodeHandStrategy(node);
    const int actions = static_cast<int>(c->nodeActions(node).size());
    QVERIFY(actions >= 2);
    const QStringList classes = before.value("actionProbs").toMap().keys();
    QVERIFY(classes.contains("AA") && classes.contains("KQo"));

    QVariantList wanted;
    for (int a = 0; a < actions; ++a) wanted.append(a == actions - 1 ? 3.0 : 1.0);
    QList<double> locked;
    for (const QVariant& v : wanted) locked.append(v.toDouble() / (actions + 2));
    c->setNodeLockProbs(node, "AA", wanted);
    c->setNodeLockProbs(node, "Zz9", wanted);  // not a class: kept, ignored by the solve

    // The first edit seeded every class with its solved strategy.
    QCOMPARE(c->nodeLocks(node).size(), classes.size() + 1);
    QList<double> kqSeed;
    for (const QVariant& row : c->nodeLocks(node)) {
      if (row.toMap().value("hand").toString() == "KQo")
        kqSeed = numbers(row.toMap().value("actionProbs"));
    }
    QCOMPARE(kqSeed.size(), actions);

    // A distribution task started now belongs to the result the re-solve drops.
    QSignalSpy ready(c, &AppController::handDistributions169Ready);
    QCOMPARE(c->nodeHandDistributions169(1).value("pending").toBool(), true);

    QVariantMap request = turnSpot();
    request.insert("apply_node_locks", true);
    const auto rows = c->buildSolveConfig(request, true).node_locks;
    const auto aa =
        std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.hand == "AA"; });
    QVERIFY(aa != rows.end());
    QCOMPARE(aa->node_index, std::uint64_t{0});
    QCOMPARE(static_cast<int>(aa->action_probs.size()), actions);
    for (int a = 0; a < actions; ++a) QVERIFY(std::abs(aa->action_probs[a] - locked[a]) < 1e-6);

    QVERIFY(solve([this] { c->reSolveWithNodeLocks(); }));
    drainDistributionTasks(c);
    QCOMPARE(ready.size(), 0);                                // the stale answer never arrives
    QCOMPARE(c->nodeLocks(node).size(), classes.size() + 1);  // locks survive their re-solve

    const QVariantMap after = c->nodeHandStrategy(node);
    const QList<double> aaPlays = numbers(after.value("actionProbs").toMap().value("AA"));
    const QList<double> kqPlays = numbers(after.value("actionProbs").toMap().value("KQo"));
    QCOMPARE(aaPlays.size(), actions);
    for (int a = 0; a < actions; ++a) {
      QVERIFY2(std::abs(aaPlays[a] - locked[a]) < 1e-5, qPrintable(QString::number(aaPlays[a])));
      QVERIFY(std::abs(kqPlays[a] - kqSeed[a]) < 1e-5);
    }
    // Every combo of the locked class plays the lock, not just the class mean.
    int aaCombos = 0;
    for (const QVariant& value : c->nodeHandCombos(node)) {
      const QVariantMap row = value.toMap();
      if (row.value("c1").toString().left(1) != "A" || row.value("c2").toString().left(1) != "A")
        continue;
      ++aaCombos;
      const QList<double> probs = numbers(row.value("actionProbs"));
      for (int a = 0; a < actions; ++a) QVERIFY(std::abs(probs[a] - locked[a]) < 1e-5);
    }
    QCOMPARE(aaCombos, 6);
  }

  void clearResultsEmptiesCachesAndDropsStaleTasks() {
    QVERIFY(!c->nodeHandStrategy(0).isEmpty());
    QSignalSpy ready(c, &AppController::handDistributions169Ready);
    QCOMPARE(c->nodeHandDistributions169(0).value("pending").toBool(), true);
    QCOMPARE(c->nodeHandDistributions169(2).value("pending").toBool(), true);

    c->clearResults();
    QVERIFY(c->nodeLocks(0).isEmpty());
    const quint64 beforeQueries = Access::sessionQueries(*c);
    QVERIFY(c->nodeHandStrategy(0).isEmpty());  // cache gone, session has nothing
    QVERIFY(c->nodeActionStats(0).isEmpty());
    QVERIFY(std::isnan(c->nodeEv(0, "OOP")));
    QVERIFY(Access::sessionQueries(*c) > beforeQueries);

    // A new request for node 0 starts a fresh task; the old one's live
    // answer is dropped whichever finishes first.
    QCOMPARE(c->nodeHandDistributions169(0).value("pending").toBool(), true);
    drainDistributionTasks(c);
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.first().first().toInt(), 0);
    const QVariantMap stored = c->nodeHandDistributions169(0);
    QCOMPARE(stored.value("ok").toBool(), false);
    QCOMPARE(stored.value("error").toString(),
             QString("Distributions unavailable (no live solve state)."));
    QCOMPARE(c->nodeHandDistributions169(2).value("pending").toBool(),
             true);  // node 2's answer was dropped
    drainDistributionTasks(c);
  }
};

QTEST_MAIN(ExplorerLiveTest)
#include "explorer_live_test.moc"
