// Solve activity statistics in the settings store, against a set calendar
// date.

#include <QLoggingCategory>
#include <QSettings>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller_test_support.hpp"

class ControllerTestHelpers {
 public:
  static void record(AppController& c, int iterations, double expl, qint64 ms) {
    c.statistics().recordSolveActivity(iterations, expl, ms);
  }
};

using Access = ControllerTestHelpers;

// What the settings file holds now, as QSettings reads it afresh.
QVariant stored(const QString& key) {
  return QSettings().value(key);
}

class SolveActivityTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<FakeSystemInfo> system;
  std::unique_ptr<AppController> controller;

  static QVariantMap cellOf(const QVariantList& grid, const QDate& day) {
    for (const QVariant& v : grid) {
      const QVariantMap cell = v.toMap();
      if (cell.value("date").toString() == day.toString(Qt::ISODate)) return cell;
    }
    return {};
  }

  // Brute-force reading of the grid rule: Monday-first whole weeks whose
  // last week holds today.
  static void checkGrid(const QVariantList& grid, int span, const QDate& today) {
    QCOMPARE(grid.size(), span);
    QDate expected = today.addDays(7 - today.dayOfWeek()).addDays(-(span - 1));
    QCOMPARE(expected.dayOfWeek(), 1);
    int future = 0;
    for (const QVariant& v : grid) {
      const QVariantMap cell = v.toMap();
      QCOMPARE(cell.value("isPadding").toBool(), false);
      QCOMPARE(cell.value("date").toString(), expected.toString(Qt::ISODate));
      QCOMPARE(cell.value("isFuture").toBool(), expected > today);
      if (expected > today) ++future;
      expected = expected.addDays(1);
    }
    QCOMPARE(future, 7 - today.dayOfWeek());
  }

 private slots:
  void initTestCase() {
    isolateSettings();
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
  }
  void init() {
    QSettings settings;
    settings.clear();
    settings.sync();
    system = std::make_shared<FakeSystemInfo>();
    controller = std::make_unique<AppController>(system);
  }
  void cleanup() { controller.reset(); }

  void gridsAreWholeMondayFirstWeeks() {
    const QDate wednesday(2024, 5, 15);
    QCOMPARE(wednesday.dayOfWeek(), 3);
    system->setDate(wednesday);
    const QVariantList six = controller->solveActivityGridLastSixMonths();
    checkGrid(six, 182, wednesday);
    QCOMPARE(six.first().toMap().value("date").toString(), QStringLiteral("2023-11-20"));
    int futureCells = 0;
    for (const QVariant& v : six) futureCells += v.toMap().value("isFuture").toBool() ? 1 : 0;
    QCOMPARE(futureCells, 4);

    const QDate sunday(2024, 5, 19);
    system->setDate(sunday);
    checkGrid(controller->solveActivityGridLastSixMonths(), 182, sunday);
    checkGrid(controller->solveActivityGridLastYear(), 364, sunday);
    // Every weekday, across a year boundary and a leap day.
    for (QDate day(2023, 12, 25); day <= QDate(2024, 1, 2); day = day.addDays(1)) {
      system->setDate(day);
      checkGrid(controller->solveActivityGridLastYear(), 364, day);
    }
    system->setDate(QDate(2024, 2, 29));
    checkGrid(controller->solveActivityGridLastSixMonths(), 182, QDate(2024, 2, 29));
  }

  void recordingSumsPerDay() {
    const QDate day(2024, 5, 15);
    system->setDate(day);
    QCOMPARE(controller->solvesToday(), 0);
    Access::record(*controller, 1000, 0.5, 2000);
    Access::record(*controller, 3000, 0.25, 4000);
    QCOMPARE(controller->solvesToday(), 2);
    const QVariantMap cell = cellOf(controller->solveActivityGridLastSixMonths(), day);
    QCOMPARE(cell.value("solves").toInt(), 2);
    QCOMPARE(cell.value("avgIterations").toDouble(), 2000.0);
    QCOMPARE(cell.value("avgExploitability").toDouble(), 0.375);
    QCOMPARE(cell.value("runtimeMsSum").toLongLong(), 6000);
    QCOMPARE(cell.value("avgRuntimeSec").toDouble(), 3.0);
    QCOMPARE(stored("solveActivity/2024-05-15/iterationsSum").toLongLong(), 4000);

    // Negative figures count the solve but add nothing.
    Access::record(*controller, -5, -0.125, -100);
    QCOMPARE(stored("solveActivity/2024-05-15/solves").toInt(), 3);
    QCOMPARE(stored("solveActivity/2024-05-15/iterationsSum").toLongLong(), 4000);
    QCOMPARE(stored("solveActivity/2024-05-15/runtimeMsSum").toLongLong(), 6000);
    QCOMPARE(stored("solveActivity/2024-05-15/exploitabilitySum").toDouble(), 0.625);

    // The next day starts from zero.
    system->setDate(day.addDays(1));
    QCOMPARE(controller->solvesToday(), 0);
  }

  void daysWithoutSolvesAverageToZero() {
    system->setDate(QDate(2024, 5, 15));
    QSettings settings;
    settings.setValue("solveActivity/2024-05-14/solves", 0);
    settings.setValue("solveActivity/2024-05-14/runtimeMsSum", 5000);
    settings.setValue("solveActivity/2024-05-13/solves", "garbage");
    settings.sync();
    const QVariantList grid = controller->solveActivityGridLastSixMonths();
    QVariantMap cell = cellOf(grid, QDate(2024, 5, 14));
    QCOMPARE(cell.value("avgRuntimeSec").toDouble(), 0.0);
    QCOMPARE(cell.value("avgIterations").toDouble(), 0.0);
    QCOMPARE(cell.value("runtimeMsSum").toLongLong(), 5000);
    cell = cellOf(grid, QDate(2024, 5, 13));
    QCOMPARE(cell.value("solves").toInt(), 0);
  }

  void firstSolveDateAndHistory() {
    const QDate today(2024, 5, 15);
    system->setDate(today);
    QCOMPARE(controller->firstSolveDateIso(), QString());
    QVERIFY(controller->solveHistoryDaily().isEmpty());

    Access::record(*controller, 10, 0.1, 1500);
    // Reflected without a restart: the empty answer was not cached.
    QCOMPARE(controller->firstSolveDateIso(), QStringLiteral("2024-05-15"));
    QCOMPARE(stored("solveActivity/firstSolveDate").toString(), QStringLiteral("2024-05-15"));
    QVariantList history = controller->solveHistoryDaily();
    QCOMPARE(history.size(), 1);
    QCOMPARE(history[0].toMap().value("solves").toInt(), 1);
    QCOMPARE(history[0].toMap().value("runtimeMsSum").toLongLong(), 1500);

    system->setDate(today.addDays(3));
    history = controller->solveHistoryDaily();
    QCOMPARE(history.size(), 4);
    QCOMPARE(history[3].toMap().value("date").toString(), QStringLiteral("2024-05-18"));
    QCOMPARE(history[3].toMap().value("solves").toInt(), 0);

    // Clock set back before the first solve.
    system->setDate(today.addDays(-1));
    QVERIFY(controller->solveHistoryDaily().isEmpty());
  }

  void firstSolveDateScanAndStoredValue() {
    QSettings settings;
    settings.setValue("solveActivity/2024-03-02/solves", 0);  // no solve that day
    settings.setValue("solveActivity/2024-03-05/solves", 2);
    settings.setValue("solveActivity/2024-04-01/solves", 1);
    settings.setValue("solveActivity/notadate/solves", 9);
    settings.setValue("solveActivity/firstSolveDate", "yesterday");
    settings.sync();
    QCOMPARE(controller->firstSolveDateIso(), QStringLiteral("2024-03-05"));
    QCOMPARE(stored("solveActivity/firstSolveDate").toString(), QStringLiteral("2024-03-05"));

    settings.setValue("solveActivity/firstSolveDate", "  2023-01-09 ");
    settings.sync();
    AppController fresh(system);
    QCOMPARE(fresh.firstSolveDateIso(), QStringLiteral("2023-01-09"));
  }
};

QTEST_GUILESS_MAIN(SolveActivityTest)
#include "solve_activity_test.moc"
