// The spot a held result was solved for: what the results page reads of it,
// and when the set-up counts as changed since.

#include <memory>

#include <QGuiApplication>
#include <QTest>

#include "project_test_support.hpp"

using namespace project_test_support;

class ResultSpotTest : public QObject {
  Q_OBJECT

  QVariantMap solvedCfg;
  std::unique_ptr<AppController> solved;

  static QVariantMap with(QVariantMap cfg, const QVariantMap& changes) {
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) cfg.insert(it.key(), it.value());
    return cfg;
  }

 private slots:
  void initTestCase() {
    solvedCfg = with(riverSpotConfig(), {{"rake_percent", 5.0}, {"rake_cap", 3.0}});
    solved = std::make_unique<AppController>();
    QVERIFY(!solved->setupDiffersFromResults(with(solvedCfg, {{"board", "2c3c4c5c6c"}})));
    QVERIFY(solveAndWait(*solved, solvedCfg));
    QVERIFY2(solved->getResultIterations() > 0, qPrintable(solved->getStatusText()));
  }

  // Settings written otherwise, or that only pace the solve, are the same
  // spot; anything a solve would read differently is another.
  void setupChanges_data() {
    QTest::addColumn<QVariantMap>("changes");
    QTest::addColumn<bool>("differs");
    QTest::newRow("nothing") << QVariantMap{} << false;
    QTest::newRow("board spelled otherwise") << QVariantMap{{"board", "AHKD7C2S9H"}} << false;
    QTest::newRow("iterations, target, threads")
        << QVariantMap{{"max_iterations", 7}, {"target_exploitability", 0.3}, {"thread_count", 2}}
        << false;
    QTest::newRow("river card") << QVariantMap{{"board", "Ah Kd 7c 2s 8h"}} << true;
    QTest::newRow("variant") << QVariantMap{{"variant", "shortdeck"}} << true;
    QTest::newRow("rake") << QVariantMap{{"rake_percent", 4.0}} << true;
    QTest::newRow("utility model") << QVariantMap{{"utility_model", "icm"}} << true;
    QTest::newRow("range") << QVariantMap{{"oop_range", "AA"}} << true;
    QTest::newRow("sizing") << QVariantMap{{"ip_river_bet_sizes", "75%"}} << true;
  }
  void setupChanges() {
    QFETCH(QVariantMap, changes);
    QFETCH(bool, differs);
    QCOMPARE(solved->setupDiffersFromResults(with(solvedCfg, changes)), differs);
  }

  // A start refused after the solve leaves the results on their own spot;
  // cleared, they hold no spot and nothing differs from them. (The page
  // reading the spot through a save and a reopen is the QML test's.)
  void aRefusedStartKeepsTheSolvedSpot() {
    const QVariantMap expected{{"gameVariant", "holdem"},
                               {"boardText", "AhKd7c2s9h"},
                               {"utilityModel", "cash"},
                               {"rakePercent", 5.0},
                               {"rakeCap", 3.0}};
    QCOMPARE(solved->getResultSpot(), expected);
    const QVariantMap refused = with(solvedCfg, {{"board", "Ks"}, {"variant", "shortdeck"}});
    solved->startSolveWithConfig(refused);
    QVERIFY(!solved->getRunning());
    QVERIFY(solved->getResultIterations() > 0);
    QCOMPARE(solved->getResultSpot(), expected);
    QVERIFY(solved->setupDiffersFromResults(refused));

    solved->clearResults();
    QCOMPARE(solved->getResultSpot(), QVariantMap{});
    QVERIFY(!solved->setupDiffersFromResults(refused));
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  useIsolatedSettings();
  ResultSpotTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "result_spot_test.moc"
