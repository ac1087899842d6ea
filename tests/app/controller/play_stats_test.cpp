// Play vs. Solution statistics: counting, the summaries, the history with its
// cap and its tolerance of damaged stored text, day groups and clearing.

#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

const QDate kDay(2024, 3, 9);

QString dayPrefix(const QDate& date) {
  return QStringLiteral("playVsSolution/%1/").arg(date.toString(Qt::ISODate));
}

QVariant stored(const QString& key) {
  return QSettings().value(key);
}

void storeHistoryText(const QString& text) {
  QSettings settings;
  settings.setValue("playVsSolution/historyEv", text);
}

}  // namespace

class PlayStatsTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<FixedDateSystemInfo> clock;
  std::unique_ptr<AppController> controller;

 private slots:
  void initTestCase() {
    useIsolatedSettings();
    QVERIFY2(QSettings().fileName().contains(".qttest"), qPrintable(QSettings().fileName()));
  }

  void init() {
    QSettings().clear();
    clock = std::make_shared<FixedDateSystemInfo>(kDay);
    controller = std::make_unique<AppController>(clock);
  }

  void cleanup() { controller.reset(); }

  void positiveLossCountsAsMistake() {
    QSignalSpy changed(controller.get(), &AppController::playVsSolutionStatsChanged);
    controller->recordPlayVsSolutionHand(false, 0.5);
    QCOMPARE(changed.count(), 1);
    for (const QString& prefix : {QStringLiteral("playVsSolution/total/"), dayPrefix(kDay)}) {
      QCOMPARE(stored(prefix + "hands").toInt(), 1);
      QCOMPARE(stored(prefix + "mistakes").toInt(), 1);
      QCOMPARE(stored(prefix + "evLossSum").toDouble(), 0.5);
    }
    const QVariantMap stats = controller->playVsSolutionStats();
    QCOMPARE(stats.size(), 8);
    QCOMPARE(stats.value("totalHands").typeId(), QMetaType::Int);
    QCOMPARE(stats.value("todayMistakes").typeId(), QMetaType::Int);
    QCOMPARE(stats.value("totalAccuracyPct").toDouble(), 0.0);
    QCOMPARE(stats.value("todayAvgEvLoss").toDouble(), 0.5);
    // Nothing was written to the history by the plain record.
    QVERIFY(controller->playVsSolutionEvHistory().isEmpty());
  }

  void unusableLossesAddNothing() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double loss : {nan, -1.0, inf, -inf, 0.0})
      controller->recordPlayVsSolutionHand(false, loss);
    controller->recordPlayVsSolutionHand(true, nan);
    const QVariantMap stats = controller->playVsSolutionStats();
    QCOMPARE(stats.value("totalHands").toInt(), 6);
    QCOMPARE(stats.value("totalMistakes").toInt(), 1);
    QCOMPARE(stored("playVsSolution/total/evLossSum").toDouble(), 0.0);
    QCOMPARE(stats.value("totalAvgEvLoss").toDouble(), 0.0);
  }

  void summaries() {
    QVariantMap stats = controller->playVsSolutionStats();
    for (const char* key : {"totalHands", "totalMistakes", "totalAccuracyPct", "totalAvgEvLoss",
                            "todayHands", "todayMistakes", "todayAccuracyPct", "todayAvgEvLoss"}) {
      QVERIFY2(stats.contains(key), key);
      QCOMPARE(stats.value(key).toDouble(), 0.0);
    }
    controller->recordPlayVsSolutionHand(false, 0.0);
    controller->recordPlayVsSolutionHand(true, 0.0);
    controller->recordPlayVsSolutionHand(false, 0.0);
    stats = controller->playVsSolutionStats();
    QCOMPARE(stats.value("totalAccuracyPct").toDouble(), 2.0 / 3.0 * 100.0);  // not rounded
    QCOMPARE(stats.value("todayAccuracyPct").toDouble(), 2.0 / 3.0 * 100.0);

    // A stored mistake count above the hand count gives 0, not a negative.
    QSettings().setValue("playVsSolution/total/mistakes", 9);
    QSettings().setValue("playVsSolution/total/evLossSum", "not a number");
    stats = controller->playVsSolutionStats();
    QCOMPARE(stats.value("totalAccuracyPct").toDouble(), 0.0);
    QCOMPARE(stats.value("totalAvgEvLoss").toDouble(), 0.0);

    // A count at the top of the int range stays there instead of wrapping.
    QSettings().setValue("playVsSolution/total/hands", std::numeric_limits<int>::max());
    controller->recordPlayVsSolutionHand(false, 0.0);
    QCOMPARE(stored("playVsSolution/total/hands").toInt(), std::numeric_limits<int>::max());
  }

  void detailedRecordWritesHistory() {
    QSignalSpy changed(controller.get(), &AppController::playVsSolutionStatsChanged);
    controller->recordPlayVsSolutionHandDetailed(false, 1.25, 3.5, 4.75);
    controller->recordPlayVsSolutionHandDetailed(true, -2.0, 1.0, 1.0);
    QCOMPARE(changed.count(), 2);
    const QVariantList history = controller->playVsSolutionEvHistory();
    QCOMPARE(history.size(), 2);
    const QVariantMap first = history.at(0).toMap();
    QCOMPARE(first.size(), 5);
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$")
                .match(first.value("ts").toString())
                .hasMatch());
    QCOMPARE(first.value("actualEv").toDouble(), 3.5);
    QCOMPARE(first.value("optimalEv").toDouble(), 4.75);
    QCOMPARE(first.value("evLoss").toDouble(), 1.25);
    QCOMPARE(first.value("isMistake").toBool(), true);
    const QVariantMap second = history.at(1).toMap();
    QCOMPARE(second.value("evLoss").toDouble(), 0.0);
    QCOMPARE(second.value("isMistake").toBool(), true);
    // Stored as compact JSON text.
    const QString text = stored("playVsSolution/historyEv").toString();
    QVERIFY(!text.contains(' ') && !text.contains('\n'));
    QVERIFY(QJsonDocument::fromJson(text.toUtf8()).isArray());
    QCOMPARE(controller->playVsSolutionStats().value("totalHands").toInt(), 2);
  }

  void nonFiniteEvsCountButLeaveNoHistory() {
    QSignalSpy changed(controller.get(), &AppController::playVsSolutionStatsChanged);
    controller->recordPlayVsSolutionHandDetailed(false, 0.0,
                                                 std::numeric_limits<double>::infinity(), 1.0);
    controller->recordPlayVsSolutionHandDetailed(false, 0.0, 1.0, std::nan(""));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(controller->playVsSolutionStats().value("totalHands").toInt(), 2);
    QVERIFY(controller->playVsSolutionEvHistory().isEmpty());
    QVERIFY(!QSettings().contains("playVsSolution/historyEv"));
  }

  void historyKeepsTheNewestThousand() {
    // 999 stored entries, then two records: the oldest entry goes.
    QJsonArray seeded;
    for (int i = 0; i < 999; ++i) seeded.append(QJsonObject{{"actualEv", i}, {"optimalEv", i}});
    storeHistoryText(QString::fromUtf8(QJsonDocument(seeded).toJson(QJsonDocument::Compact)));
    controller->recordPlayVsSolutionHandDetailed(false, 0.0, 1000.0, 1000.0);
    QCOMPARE(controller->playVsSolutionEvHistory().size(), 1000);
    QCOMPARE(controller->playVsSolutionEvHistory().first().toMap().value("actualEv").toInt(), 0);
    controller->recordPlayVsSolutionHandDetailed(false, 0.0, 1001.0, 1001.0);
    const QVariantList history = controller->playVsSolutionEvHistory();
    QCOMPARE(history.size(), 1000);
    QCOMPARE(history.first().toMap().value("actualEv").toInt(), 1);
    QCOMPARE(history.last().toMap().value("actualEv").toInt(), 1001);
  }

  void damagedStoredHistory() {
    for (const char* text : {"not json at all", "{\"a\": 1}", "   ", "[1, 2"}) {
      storeHistoryText(text);
      QVERIFY2(controller->playVsSolutionEvHistory().isEmpty(), text);
    }
    // Elements that are not objects are dropped; objects keep every member.
    storeHistoryText(" [1, \"x\", {\"a\": 1, \"b\": [2]}, null, [], {\"actualEv\": 5}] ");
    QVariantList history = controller->playVsSolutionEvHistory();
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).toMap().value("b").toList().size(), 1);
    QCOMPARE(history.at(1).toMap().value("actualEv").toInt(), 5);

    // A damaged history is replaced by a one-entry history on the next record.
    storeHistoryText("garbage");
    controller->recordPlayVsSolutionHandDetailed(false, 0.0, 2.0, 3.0);
    history = controller->playVsSolutionEvHistory();
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.at(0).toMap().value("optimalEv").toDouble(), 3.0);
  }

  void handsAroundMidnightLandInTheirOwnDays() {
    controller->recordPlayVsSolutionHand(true, 1.0);
    clock->date = kDay.addDays(1);
    controller->recordPlayVsSolutionHand(false, 0.0);
    const QVariantMap stats = controller->playVsSolutionStats();
    QCOMPARE(stats.value("totalHands").toInt(), 2);
    QCOMPARE(stats.value("todayHands").toInt(), 1);
    QCOMPARE(stats.value("todayMistakes").toInt(), 0);
    QCOMPARE(stats.value("todayAccuracyPct").toDouble(), 100.0);
    QCOMPARE(stored(dayPrefix(kDay) + "hands").toInt(), 1);
    QCOMPARE(stored(dayPrefix(kDay.addDays(1)) + "hands").toInt(), 1);
  }

  void clearingRemovesEverything() {
    controller->recordPlayVsSolutionHandDetailed(true, 2.0, 1.0, 3.0);
    clock->date = kDay.addDays(3);
    controller->recordPlayVsSolutionHand(true, 1.0);
    QSettings().setValue("solveActivity/firstSolveDate", "2024-01-01");  // not ours
    QSignalSpy changed(controller.get(), &AppController::playVsSolutionStatsChanged);
    controller->clearPlayVsSolutionStats();
    QCOMPARE(changed.count(), 1);
    const QVariantMap stats = controller->playVsSolutionStats();
    for (auto it = stats.cbegin(); it != stats.cend(); ++it) QCOMPARE(it.value().toDouble(), 0.0);
    QVERIFY(controller->playVsSolutionEvHistory().isEmpty());
    QSettings settings;
    settings.beginGroup("playVsSolution");
    QVERIFY(settings.allKeys().isEmpty());
    settings.endGroup();
    QCOMPARE(settings.value("solveActivity/firstSolveDate").toString(), QString("2024-01-01"));
  }
};

QTEST_GUILESS_MAIN(PlayStatsTest)
#include "play_stats_test.moc"
