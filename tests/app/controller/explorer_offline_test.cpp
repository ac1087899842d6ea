// The explorer half of the controller without a live solve: lock arithmetic
// and its project-file round trip, the reach aggregation and pocket fallback
// over cached rows, hand labels, the asynchronous distributions' failure
// path and the showdown comparison.

#include <QCoreApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTranslator>
#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

#include "controller/app_controller.hpp"

class ControllerTestHelpers {
 public:
  // A tree of `counts.size()` nodes whose node i has counts[i] actions.
  static void setTree(AppController& c, const QList<int>& counts) {
    QList<QVariantList> rows;
    QList<QVariantMap> meta;
    for (const int n : counts) {
      QVariantList actions;
      for (int a = 0; a < n; ++a) {
        actions.append(QVariantMap{{"name", QString("a%1").arg(a)}, {"actionType", "bet"}});
      }
      rows.append(actions);
      meta.append(QVariantMap{{"nodeType", n > 0 ? "decision" : "terminal"}});
    }
    c.tree().setLoaded(meta, rows);
  }
  static halvory_app::CachedRows<QVariantList>& combosCache(AppController& c) {
    return c.explorer().caches().handCombosCache;
  }
  static halvory_app::CachedRows<QVariantMap>& strategyCache(AppController& c) {
    return c.explorer().caches().handStrategyCache;
  }
  static halvory_app::CachedRows<QVariantList>& bucketsCache(AppController& c) {
    return c.explorer().caches().handBucketsCache;
  }
  static halvory_app::CachedRows<QVariantList>& seatCache(AppController& c, bool ip) {
    NodeCaches& caches = c.explorer().caches();
    return ip ? caches.seatHandCombosIpCache : caches.seatHandCombosOopCache;
  }
  static NodeLockTable::Entries& lockTable(AppController& c) { return c.nodeLockTable().entries(); }
  static QVariantList locksToJson(const AppController& c) {
    return c.nodeLockTable().nodeLocksToJson(c.treeNodeCount());
  }
  static void locksFromJson(AppController& c, const QVariantList& list) {
    c.nodeLockTable().nodeLocksFromJson(list);
  }
  static QString label(const QString& a, const QString& b) {
    return ResultsExplorer::handLabel169(a, b);
  }
  static void setLastUiCfg(AppController& c, const QVariantMap& cfg) {
    c.solveControl().setLastConfig(cfg);
  }
  static quint64 sessionQueries(const AppController& c) { return c.explorer().sessionQueries(); }
};

using Access = ControllerTestHelpers;

namespace {

QList<double> numbers(const QVariant& list) {
  QList<double> out;
  for (const QVariant& v : list.toList()) out.append(v.toDouble());
  return out;
}

bool near(const QList<double>& got, const QList<double>& want, double tol = 1e-6) {
  if (got.size() != want.size()) return false;
  for (qsizetype i = 0; i < got.size(); ++i) {
    if (std::abs(got[i] - want[i]) > tol) return false;
  }
  return true;
}

// The one lock row of a hand at a node.
QVariantMap lockRow(const AppController& c, int node, const QString& hand) {
  for (const QVariant& v : c.nodeLocks(node)) {
    if (v.toMap().value("hand").toString() == hand) return v.toMap();
  }
  return {};
}

QVariantMap combo(const QString& c1, const QString& c2, double weight, const QVariantList& probs,
                  const QStringList& buckets = {}, const QVariantList& evs = {}) {
  return {{"c1", c1},         {"c2", c2},           {"weight", weight},    {"ev", 0.0},
          {"actionEvs", evs}, {"buckets", buckets}, {"actionProbs", probs}};
}

class BucketCatalogue : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (QByteArray(context) == "HandBuckets" && QByteArray(source) == "top pair") return "Toppaar";
    return {};
  }
};

}  // namespace

class ExplorerOfflineTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void singleActionLockMath() {
    AppController c;
    Access::setTree(c, {3, 1});
    struct Case {
      int action;
      double prob;
      QList<double> want;
    };
    const QList<Case> cases = {{1, 0.7, {0.15, 0.7, 0.15}},
                               {1, 1.5, {0.0, 1.0, 0.0}},
                               {-2, 0.4, {0.4, 0.3, 0.3}},
                               {5, 0.4, {0.3, 0.3, 0.3}},
                               {0, std::numeric_limits<double>::quiet_NaN(), {0.0, 0.5, 0.5}}};
    for (const Case& k : cases) {
      c.setNodeLock(0, "AKs", k.action, k.prob);
      const QVariantMap row = lockRow(c, 0, "AKs");
      QVERIFY2(near(numbers(row.value("actionProbs")), k.want),
               qPrintable(QString("action %1 prob %2").arg(k.action).arg(k.prob)));
      QCOMPARE(row.value("actionIndex").toInt(), k.action);
    }
    QCOMPARE(lockRow(c, 0, "AKs").value("actionProb").toDouble(), 0.0);  // NaN locks nothing on it
    c.setNodeLock(0, "AKs", 1, 0.7);
    QCOMPARE(lockRow(c, 0, "AKs").value("actionProb").toDouble(), 0.7);

    for (const double p : {0.0, 0.3, 2.0}) {
      c.setNodeLock(1, "QQ", 4, p);
      QCOMPARE(numbers(lockRow(c, 1, "QQ").value("actionProbs")), QList<double>{1.0});
    }
    QCOMPARE(c.nodeLocks(0).size(), 1);  // no live solve: nothing seeded
  }

  void probabilityVectorLockMath() {
    AppController c;
    Access::setTree(c, {3});
    struct Case {
      QVariantList in;
      QList<double> want;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QList<Case> cases = {{{2, 1, 1}, {0.5, 0.25, 0.25}},
                               {{0, 0, 0}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
                               {{nan, -1, 4}, {0, 0, 1}},
                               {{1}, {1, 0, 0}},
                               {{1, 1, 2, 99}, {0.25, 0.25, 0.5}},
                               {{"x", QVariant(), 1}, {0, 0, 1}},
                               // Weights beyond the float and double range still normalise.
                               {{1e300, 1e300, 0}, {0.5, 0.5, 0}},
                               {{1e39, 3e39, 0}, {0.25, 0.75, 0}}};
    for (const Case& k : cases) {
      c.setNodeLockProbs(0, "T9s", k.in);
      const QVariantMap row = lockRow(c, 0, "T9s");
      QVERIFY(near(numbers(row.value("actionProbs")), k.want));
      QCOMPARE(row.value("actionIndex").toInt(), -1);
      QCOMPARE(row.value("actionProb").toDouble(), 1.0);
    }
  }

  void invalidLockInputIsIgnored() {
    AppController c;
    Access::setTree(c, {2, 0});
    c.setNodeLock(-1, "AA", 0, 1.0);
    c.setNodeLock(0, "", 0, 1.0);
    c.setNodeLock(1, "AA", 0, 1.0);  // node without actions
    c.setNodeLock(2, "AA", 0, 1.0);  // equal to treeNodeCount
    c.setNodeLockProbs(2, "AA", {1, 0});
    c.setNodeLockProbs(-3, "AA", {1, 0});
    QVERIFY(Access::lockTable(c).isEmpty());
    QVERIFY(c.nodeLocks(2).isEmpty());
    QVERIFY(c.nodeLocks(-1).isEmpty());

    c.setNodeLock(0, "AA", 0, 1.0);
    c.setNodeLock(0, "KK", 1, 1.0);
    QCOMPARE(c.nodeLocks(0).size(), 2);
    c.clearNodeLocks(-1);
    QCOMPARE(c.nodeLocks(0).size(), 2);
    c.clearNodeLocks(0);
    QVERIFY(c.nodeLocks(0).isEmpty());
  }

  void projectRoundTripKeepsVectors() {
    AppController c;
    Access::setTree(c, {3, 2});
    c.setNodeLock(0, "AKs", 1, 0.7);
    c.setNodeLockProbs(1, "QQ", {1, 3});
    // A hand-made entry without a vector travels as index and probability.
    Access::lockTable(c)[1].insert("JJ", NodeLockEntry{{}, 1, 0.6});

    const QVariantList json = Access::locksToJson(c);
    QCOMPARE(json.size(), 3);
    QCOMPARE(json.first().toMap().value("nodeIndex").toInt(), 0);  // ascending node order

    AppController loaded;
    Access::setTree(loaded, {3, 2});
    QVariantList withJunk = json;
    withJunk << QVariantMap{{"nodeIndex", -1}, {"hand", "AA"}, {"actionProbs", QVariantList{1, 0}}}
             << QVariantMap{{"nodeIndex", 0}, {"hand", ""}, {"actionIndex", 0}}
             << QVariantMap{{"nodeIndex", 0}, {"hand", "22"}, {"actionProbs", QVariantList{}}}
             << QVariantMap{{"nodeIndex", 0}, {"hand", "33"}}
             << QVariantMap{{"nodeIndex", 5}, {"hand", "44"}, {"actionIndex", 0}}
             << QVariantMap{{"hand", "55"}, {"actionIndex", 0}};
    Access::locksFromJson(loaded, withJunk);

    const QVariantMap aks = lockRow(loaded, 0, "AKs");
    QVERIFY(near(numbers(aks.value("actionProbs")), {0.15, 0.7, 0.15}));
    QCOMPARE(aks.value("actionIndex").toInt(), -1);
    QCOMPARE(aks.value("actionProb").toDouble(), 1.0);
    QCOMPARE(loaded.nodeLocks(0).size(), 1);
    QVERIFY(near(numbers(lockRow(loaded, 1, "QQ").value("actionProbs")), {0.25, 0.75}));
    QVERIFY(near(numbers(lockRow(loaded, 1, "JJ").value("actionProbs")), {0.4, 0.6}));
    QCOMPARE(loaded.nodeLocks(1).size(), 2);
    QVERIFY(loaded.nodeLocks(5).isEmpty());

    // A tree without the node drops its locks.
    AppController bare;
    Access::locksFromJson(bare, json);
    QVERIFY(Access::lockTable(bare).isEmpty());
  }

  void lockRowsForTheSolveRequest() {
    AppController c;
    Access::setTree(c, {3});
    c.setNodeLock(0, "AKs", 2, 0.9);
    Access::lockTable(c)[0].insert("JJ", NodeLockEntry{{}, 1, 1.7});
    Access::lockTable(c)[0].insert("TT", NodeLockEntry{{}, -1, 1.0});
    Access::lockTable(c)[4];  // a node without hands sends nothing

    std::vector<halvory_app::NodeLockRequest> rows = c.buildSolveConfig({}, true).node_locks;
    QCOMPARE(rows.size(), std::size_t{2});
    std::sort(rows.begin(), rows.end(),
              [](const auto& a, const auto& b) { return a.hand < b.hand; });
    QCOMPARE(rows[0].hand, std::string("AKs"));
    QCOMPARE(rows[0].action_index, std::int64_t{0});
    QCOMPARE(rows[0].action_prob, 1.0f);
    QCOMPARE(rows[0].action_probs.size(), std::size_t{3});
    QCOMPARE(rows[0].action_probs[2], 0.9f);
    QCOMPARE(rows[1].hand, std::string("JJ"));
    QCOMPARE(rows[1].action_index, std::int64_t{1});
    QCOMPARE(rows[1].action_prob, 1.0f);
    QVERIFY(rows[1].action_probs.empty());
  }

  void handLabels() {
    QCOMPARE(Access::label("kh", "Ad"), QString("AKo"));
    QCOMPARE(Access::label("9s", "Ts"), QString("T9s"));
    QCOMPARE(Access::label("7c", "7d"), QString("77"));
    QCOMPARE(Access::label("ah", "kH"), QString("AKs"));
    QCOMPARE(Access::label("1h", "2h"), QString());
    QCOMPARE(Access::label("A", "Kd"), QString());
    QCOMPARE(Access::label("Ah", ""), QString());
  }

  void reachAggregationOverCachedRows() {
    AppController c;
    Access::setTree(c, {2});
    const QVariantMap strategy{{"weights", QVariantMap{{"AKs", 1.0f}}},
                               {"dominantActionTypes", QVariantMap{{"AKs", "bet"}}},
                               {"actionNames", QVariantList{"Check", "Bet"}},
                               {"actionTypeList", QVariantList{"check", "bet"}},
                               {"actionProbs", QVariantMap{{"AKs", QVariantList{0.9f, 0.1f}}}}};
    Access::strategyCache(c).insert(0, strategy);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Access::combosCache(c).insert(
        0,
        {combo("As", "Ks", 0.5, {1.0, 0.0}, {"top pair", "flush draw"}),
         combo("Ah", "Kh", 2.0, {0.0, 1.0}, {"Top Pair"}),
         combo("Ad", "Kd", 0.0, {1.0, 0.0}, {"top pair"}),
         combo("Ac", "Kc", nan, {1.0, 0.0}, {"top pair"}),
         combo("Qs", "Qd", 1.0, {nan, 0.5}, {"overpair"}),
         combo("1h", "2h", 1.0, {1.0, 0.0}, {"air"}), combo("A", "Kh", 1.0, {1.0, 0.0}, {"air"})});

    const quint64 before = Access::sessionQueries(c);
    const QVariantMap all = c.nodeHandStrategyReach169(0, "");
    QCOMPARE(all.value("actionNames"), strategy.value("actionNames"));
    const QVariantMap weights = all.value("weights").toMap();
    QCOMPARE(weights.keys(), (QStringList{"AKs", "QQ"}));
    // The share of the class: 0.5 and the clamped 2.0 over its four combinations.
    QCOMPARE(weights.value("AKs").toDouble(), 0.375);
    QCOMPARE(weights.value("QQ").toDouble(), 1.0 / 6);
    QVERIFY(near(numbers(all.value("actionProbs").toMap().value("AKs")), {1.0 / 3, 2.0 / 3}));
    QVERIFY(near(numbers(all.value("actionProbs").toMap().value("QQ")), {0.0, 1.0}));

    const QVariantMap topPair = c.nodeHandStrategyReach169(0, "  Top Pair ");
    QCOMPARE(topPair.value("weights").toMap().keys(), QStringList{"AKs"});
    // The aggregation reads the node's cached combo rows, and the same
    // trimmed, lower-cased bucket hits the same entry: no session call.
    const quint64 afterFirst = Access::sessionQueries(c);
    QCOMPARE(afterFirst, before);
    QCOMPARE(c.nodeHandStrategyReach169(0, "top pair"), topPair);
    QCOMPARE(Access::sessionQueries(c), afterFirst);

    // A bucket nobody holds empties both maps but keeps the rest.
    const QVariantMap none = c.nodeHandStrategyReach169(0, "quads");
    QVERIFY(none.value("weights").toMap().isEmpty());
    QVERIFY(none.value("actionProbs").toMap().isEmpty());
    QCOMPARE(none.value("actionTypeList"), strategy.value("actionTypeList"));

    // Nothing to aggregate: the strategy comes back unchanged.
    QCOMPARE(c.nodeHandStrategyReach169(7, ""), QVariantMap());
    QVERIFY(c.nodeHandStrategyReach169(-1, "").isEmpty());
  }

  void cachedRowsAnswerWithoutLiveObjects() {
    AppController c;
    Access::setTree(c, {2, 2, 2, 2});
    Access::combosCache(c).insert(3, {combo("qs", "qd", 1.0, {}, {}, {0.5, 0.25}),
                                      combo(" kd", "AH ", 1.0, {}, {}, {1.5, -2.0})});
    QCOMPARE(numbers(c.nodePocketActionEvs(3, "OOP", "Ah", "Kd")), (QList<double>{1.5, -2.0}));
    QCOMPARE(numbers(c.nodePocketActionEvs(3, "button", "kd", "ah")), (QList<double>{1.5, -2.0}));
    QVERIFY(c.nodePocketActionEvs(3, "IP", "Zz", "Kd").isEmpty());
    QVERIFY(c.nodePocketActionEvs(3, "IP", "", "\xff\xfe").isEmpty());
    QVERIFY(c.nodePocketActionEvs(2, "IP", "Ah", "Kd").isEmpty());
    QVERIFY(c.nodePocketActionEvs(-1, "IP", "Ah", "Kd").isEmpty());

    const QVariantList oopRows{QVariantMap{{"c1", "Ah"}, {"c2", "Kd"}, {"weight", 1.0}}};
    const QVariantList ipRows{QVariantMap{{"c1", "7c"}, {"c2", "7d"}, {"weight", 0.5}}};
    Access::seatCache(c, false).insert(1, oopRows);
    Access::seatCache(c, true).insert(1, ipRows);
    QCOMPARE(c.nodeSeatHandCombos(1, " ip "), ipRows);
    QCOMPARE(c.nodeSeatHandCombos(1, "button"), oopRows);
    QCOMPARE(c.nodeSeatHandCombos(1, ""), oopRows);
    QVERIFY(c.nodeSeatHandCombos(2, "IP").isEmpty());

    QVERIFY(std::isnan(c.nodeEv(0, "OOP")));
    QVERIFY(std::isnan(c.nodeEv(0, "button")));
    QVERIFY(std::isnan(c.nodeEv(-1, "IP")));
    QVERIFY(c.nodeHandStrategy(0).isEmpty());
    QVERIFY(c.nodeHandCombos(0).isEmpty());
    QVERIFY(c.nodeActionStats(0).isEmpty());
    QVERIFY(c.nodeHandBuckets(0).isEmpty());

    QCOMPARE(c.treeNodeCount(), 4);
    QCOMPARE(c.nodeActions(1).size(), 2);
    QVERIFY(c.nodeActions(4).isEmpty());
    QVERIFY(c.nodeMeta(-1).isEmpty());
    QCOMPARE(c.nodeMeta(0).value("nodeType").toString(), QString("decision"));
  }

  void bucketDisplayNamesFollowTheLanguage() {
    AppController c;
    const QVariantList rows{
        QVariantMap{{"name", "top pair"}, {"combos", 6.0}, {"actionProbs", QVariantList{}}},
        QVariantMap{{"name", "air"}, {"combos", 2.0}, {"actionProbs", QVariantList{}}}};
    Access::bucketsCache(c).insert(0, rows);
    QCOMPARE(c.nodeHandBuckets(0).first().toMap().value("displayName").toString(),
             QString("top pair"));

    BucketCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    const QVariantList shown = c.nodeHandBuckets(0);
    QCoreApplication::removeTranslator(&catalogue);
    QCOMPARE(shown.at(0).toMap().value("displayName").toString(), QString("Toppaar"));
    QCOMPARE(shown.at(1).toMap().value("displayName").toString(), QString("air"));
    QCOMPARE(Access::bucketsCache(c).value(0), rows);  // the cache keeps rows without display names
  }

  void distributionsWithoutLiveState() {
    AppController c;
    QSignalSpy ready(&c, &AppController::handDistributions169Ready);

    const QVariantMap invalid = c.nodeHandDistributions169(-1);
    QCOMPARE(invalid.value("error").toString(), QString("Invalid node index."));
    QCOMPARE(invalid.value("pending").toBool(), false);
    QCOMPARE(invalid.value("ok").toBool(), false);

    const QVariantMap first = c.nodeHandDistributions169(3);
    const QVariantMap second = c.nodeHandDistributions169(3);
    c.nodeHandDistributions169(5);
    for (const QVariantMap& answer : {first, second}) {
      QCOMPARE(answer.value("pending").toBool(), true);
      QCOMPARE(answer.value("error").toString(), QString::fromUtf8("Computing\u2026"));
      QCOMPARE(answer.value("nodeIndex").toInt(), 3);
      QVERIFY(answer.contains("oopHands") && answer.contains("equityIp"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 2, 30000);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(ready.size(), 2);  // one task per node
    QSet<int> announced{ready.at(0).at(0).toInt(), ready.at(1).at(0).toInt()};
    QCOMPARE(announced, (QSet<int>{3, 5}));

    const QVariantMap stored = c.nodeHandDistributions169(3);
    QCOMPARE(stored.value("ok").toBool(), false);
    QCOMPARE(stored.value("pending").toBool(), false);
    QCOMPARE(stored.value("error").toString(),
             QString("Distributions unavailable (no live solve state)."));
    QVERIFY(stored.contains("hands"));
    QCOMPARE(ready.size(), 2);  // answered from the cache, no new task
  }

  void showdownExamples() {
    AppController c;
    const QVariantMap ip = c.showdownWinner("Ah Kd 7c 2s 9h", "Qs Qd", "Ac 3c");
    QCOMPARE(ip.value("winner").toString(), QString("IP"));
    QVERIFY(ip.value("ipStrength").toInt() != 0);
    QVERIFY(static_cast<quint32>(ip.value("ipStrength").toInt()) >
            static_cast<quint32>(ip.value("oopStrength").toInt()));

    QCOMPARE(c.showdownWinner("AhKd7c2s9h5c", "QsQdXx", "Ac3c").value("winner").toString(),
             QString("IP"));
    QCOMPARE(c.showdownWinner("Ah\tKd\n7c 2s 9h", "Ac 3c", "Qs Qd").value("winner").toString(),
             QString("OOP"));

    const QVariantMap unknown{{"winner", "UNKNOWN"}, {"oopStrength", 0}, {"ipStrength", 0}};
    QCOMPARE(c.showdownWinner("AhKd7c2s", "QsQd", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner("AhKd7c2s9h", "QsXx", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner("AhKd7c2s9h", "QsQd", "Xx3c"), unknown);
    QCOMPARE(c.showdownWinner("AhKd7c2sXh", "QsQd", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner("AhKd7c2s9h", "Qs", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner(QString::fromUtf8("AhKd7c2s9\u00e9"), "QsQd", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner(QString::fromUtf8("AhKd7c2s\u20ac9h"), "QsQd", "Ac3c"), unknown);
    QCOMPARE(c.showdownWinner("", "", ""), unknown);
    // A card twice anywhere among the nine: on the board, within a hand,
    // between the hands, between a hand and the board.
    for (const auto& [board, oop, ip] : {std::array<const char*, 3>{"AhAhAhAhAh", "QsQd", "Ac3c"},
                                         {"AhKd7c2s9h", "QsQs", "Ac3c"},
                                         {"AhKd7c2s9h", "QsQd", "Qd3c"},
                                         {"AhKd7c2s9h", "QsQd", "9h3c"}}) {
      QCOMPARE(c.showdownWinner(board, oop, ip), unknown);
    }

    const QVariantMap tie = c.showdownWinner("AhKhQhJhTh", "2c 3d", "4s 5s");
    QCOMPARE(tie.value("winner").toString(), QString("TIE"));
    QCOMPARE(tie.value("oopStrength"), tie.value("ipStrength"));
    QVERIFY(tie.value("oopStrength").toInt() != 0);
  }

  void showdownDeckVariant() {
    // OOP holds a flush, IP a full house: hold'em ranks the full house
    // higher, short deck the flush, under every name of the short deck.
    AppController c;
    const QString board = "Ah Kh 7h 7c 9d";
    QCOMPARE(c.showdownWinner(board, "QhJh", "7d9c").value("winner").toString(), QString("IP"));
    for (const char* variant : {" ShortDeck ", "short_deck", "6+", "6PLUS"}) {
      Access::setLastUiCfg(c, {{"variant", variant}});
      QCOMPARE(c.showdownWinner(board, "QhJh", "7d9c").value("winner").toString(), QString("OOP"));
    }
    Access::setLastUiCfg(c, {{"variant", "holdem"}});
    QCOMPARE(c.showdownWinner(board, "QhJh", "7d9c").value("winner").toString(), QString("IP"));
    c.clearResults();  // empties the last configuration
    QCOMPARE(c.showdownWinner(board, "QhJh", "7d9c").value("winner").toString(), QString("IP"));
  }
};

QTEST_MAIN(ExplorerOfflineTest)
#include "explorer_offline_test.moc"
