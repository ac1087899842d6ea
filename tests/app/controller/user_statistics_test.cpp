// The statistics part over a store in memory and a set calendar date: what
// it writes is what it reads back, and nothing reaches the real settings.

#include <cmath>

#include <QMap>
#include <QSettings>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller/user_statistics.hpp"
#include "controller_test_support.hpp"

namespace {

class MapStore final : public halvory_app::SettingsStore {
 public:
  QMap<QString, QVariant> data;
  QVariant value(const QString& key, const QVariant& fallback) const override {
    return data.value(key, fallback);
  }
  void setValue(const QString& key, const QVariant& value) override { data.insert(key, value); }
  void remove(const QString& key) override {
    for (auto it = data.begin(); it != data.end();) {
      it = it.key() == key || it.key().startsWith(key + u'/') ? data.erase(it) : std::next(it);
    }
  }
  QStringList childGroups(const QString& group) const override {
    QStringList out;
    for (const QString& key : data.keys()) {
      if (!key.startsWith(group + u'/')) continue;
      const QStringList parts = key.mid(group.size() + 1).split(u'/');
      if (parts.size() > 1 && !out.contains(parts.first())) out.append(parts.first());
    }
    return out;
  }
};

}  // namespace

class UserStatisticsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { isolateSettings(); }

  void solvesCountPerDayAndAverage() {
    auto store = std::make_shared<MapStore>();
    QDate today(2024, 5, 15);  // a Wednesday
    UserStatistics stats(store, [&today] { return today; });
    stats.recordSolveActivity(1000, 0.5, 2000);
    stats.recordSolveActivity(3000, 1.5, 0);
    today = today.addDays(1);
    stats.recordSolveActivity(-5, 0.25, -10);  // negative counts add nothing

    QCOMPARE(stats.solvesToday(), 1);
    QCOMPARE(stats.firstSolveDateIso(), QStringLiteral("2024-05-15"));
    const QVariantList grid = stats.activityGrid(14);
    QCOMPARE(grid.size(), 14);  // two whole weeks, the second ending on Sunday the 19th
    const QVariantMap wednesday = grid.at(9).toMap();
    QCOMPARE(wednesday.value("date").toString(), QStringLiteral("2024-05-15"));
    QCOMPARE(wednesday.value("solves").toInt(), 2);
    QCOMPARE(wednesday.value("avgIterations").toDouble(), 2000.0);
    QCOMPARE(wednesday.value("avgExploitability").toDouble(), 1.0);
    QCOMPARE(wednesday.value("avgRuntimeSec").toDouble(), 1.0);
    const QVariantMap thursday = grid.at(10).toMap();
    QCOMPARE(thursday.value("avgIterations").toDouble(), 0.0);
    QCOMPARE(thursday.value("avgRuntimeSec").toDouble(), 0.0);
    QVERIFY(grid.at(11).toMap().value("isFuture").toBool());
    const QVariantList history = stats.historyDaily();
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).toMap().value("runtimeMsSum").toLongLong(), 2000);
  }

  void playHandsCountTotalsTodayAndHistory() {
    auto store = std::make_shared<MapStore>();
    QDate today(2024, 5, 15);
    UserStatistics stats(store, [&today] { return today; });
    stats.recordPlayHand(false, 0.0);
    stats.recordPlayHandDetailed(false, 2.0, 1.0, 3.0);  // a loss is a mistake
    today = today.addDays(1);
    stats.recordPlayHandDetailed(true, std::nan(""), std::nan(""), 1.0);  // no history entry

    const QVariantMap s = stats.playStats();
    QCOMPARE(s.value("totalHands").toInt(), 3);
    QCOMPARE(s.value("totalMistakes").toInt(), 2);
    QCOMPARE(s.value("totalAccuracyPct").toDouble(), 100.0 / 3.0);
    QCOMPARE(s.value("totalAvgEvLoss").toDouble(), 2.0 / 3.0);
    QCOMPARE(s.value("todayHands").toInt(), 1);
    QCOMPARE(s.value("todayAccuracyPct").toDouble(), 0.0);
    const QVariantList history = stats.loadPlayVsSolutionHistory();
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.at(0).toMap().value("evLoss").toDouble(), 2.0);
    QVERIFY(history.at(0).toMap().value("isMistake").toBool());

    store->setValue("solveActivity/2024-05-15/solves", 1);
    stats.clearPlayStats();
    QCOMPARE(stats.playStats().value("totalHands").toInt(), 0);
    QVERIFY(stats.loadPlayVsSolutionHistory().isEmpty());
    QCOMPARE(store->data.keys(), QStringList{"solveActivity/2024-05-15/solves"});
  }

  void controllerWritesOnlyToTheInjectedStore() {
    QSettings().clear();
    auto store = std::make_shared<MapStore>();
    AppController controller(std::make_shared<FakeSystemInfo>(), store);
    controller.recordPlayVsSolutionHand(true, 1.0);
    QCOMPARE(controller.playVsSolutionStats().value("totalHands").toInt(), 1);
    QVERIFY(!store->data.isEmpty());
    QVERIFY(QSettings().allKeys().isEmpty());
  }
};

QTEST_GUILESS_MAIN(UserStatisticsTest)
#include "user_statistics_test.moc"
