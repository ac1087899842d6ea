// What the set-up page learns from the controller before a start: the
// estimate's refusal of a spot the solve would refuse, sent with every
// answer, and range texts read by the solver's own reader.

#include <memory>

#include <QSignalSpy>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller_test_support.hpp"

namespace {

QVariantMap withSizing(QVariantMap cfg, const QString& key, const QString& value) {
  cfg.insert(key, value);
  return cfg;
}

}  // namespace

class SetupRefusalsTest : public QObject {
  Q_OBJECT

  std::shared_ptr<FakeSystemInfo> system;

  std::unique_ptr<AppController> make() {
    system = std::make_shared<FakeSystemInfo>();
    return std::make_unique<AppController>(system);
  }

  // The newest answer of the estimate for `cfg`: bytes and refusal.
  static QPair<qulonglong, QString> estimate(AppController& c, const QVariantMap& cfg) {
    QSignalSpy answered(&c, &AppController::solveMemoryEstimated);
    c.requestSolveMemoryEstimate(cfg);
    if (!answered.wait(60000)) return {0, QStringLiteral("no answer")};
    const QList<QVariant> last = answered.takeLast();
    return {last.at(0).toULongLong(), last.at(1).toString()};
  }

 private slots:
  void initTestCase() { isolateSettings(); }

  void refusalNamesFieldAndToken_data() {
    QTest::addColumn<QVariantMap>("cfg");
    QTest::addColumn<QString>("reason");
    const QVariantMap river = riverSpotMap(5);
    QTest::newRow("two sizes without a comma")
        << withSizing(river, "ip_river_bet_sizes", "33 75")
        << "IP Sizing \u00B7 River \u00B7 Bet sizes (%) \u2014 invalid token '33 75'";
    QTest::newRow("letter e")
        << withSizing(river, "oop_river_bet_sizes", "e")
        << "OOP Sizing \u00B7 River \u00B7 Bet sizes (%) \u2014 invalid token 'e'";
    QTest::newRow("words")
        << withSizing(river, "oop_river_raise_sizes", "half pot")
        << "OOP Sizing \u00B7 River \u00B7 Raise sizes (%) \u2014 invalid token 'half pot'";
    QVariantMap wide = river;
    wide["board"] = "Ks7d2c";
    wide["starting_street"] = "flop";
    wide["effective_stack"] = 1000;
    for (const char* key : {"oop_flop_bet_sizes", "ip_flop_bet_sizes", "oop_turn_bet_sizes",
                            "ip_turn_bet_sizes", "oop_river_bet_sizes", "ip_river_bet_sizes"})
      wide[key] = "10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110";
    QTest::newRow("eleven bet sizes") << wide << "Betting tree too large";
    QVariantMap icm = river;
    icm["utility_model"] = "icm";
    icm["oop_stack"] = 50;
    icm["ip_stack"] = 50;
    icm["icm_payouts"] = "50, 30, 20";
    icm["icm_other_stacks"] = "";
    QTest::newRow("ICM place without a stack") << icm << "stack sizes for all payout places";
    icm["icm_payouts"] = QString("10, ").repeated(27) + "10";
    icm["icm_other_stacks"] = QString("40, ").repeated(25) + "40";
    QTest::newRow("ICM places past the chip model")
        << icm
        << "Payouts \u2014 Too many paid places for the chip model: 28 paid, at most 7 with 28 "
           "players";
    QTest::newRow("empty board") << withSizing(river, "board", "")
                                 << "Not ready: enter a valid board first";
    QTest::newRow("range the reader refuses")
        << withSizing(river, "oop_range", "AA KK QQ AKs")
        << "OOP Range \u2014 'AA KK QQ AKs': Invalid combo pattern length";
  }

  void refusalNamesFieldAndToken() {
    QFETCH(QVariantMap, cfg);
    QFETCH(QString, reason);
    auto c = make();
    const auto [bytes, error] = estimate(*c, cfg);
    QCOMPARE(bytes, 0ull);
    QVERIFY2(error.startsWith(QStringLiteral("Not ready: ")), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(c->getSolveEstimateError(), error);
    QVERIFY(!c->getSolveEstimatePending());
    // The start refuses the same spot (before or in the solve thread).
    c->startSolveWithConfig(cfg);
    QTRY_VERIFY_WITH_TIMEOUT(!c->getRunning(), 60000);
    QVERIFY2(c->getStatusText() != QStringLiteral("Done"), qPrintable(c->getStatusText()));
  }

  void everyAnswerIsSignalledAndPendingInBetween() {
    auto c = make();
    QVariantMap bad = withSizing(riverSpotMap(5), "ip_river_bet_sizes", "33 75");
    const auto first = estimate(*c, bad);
    QVERIFY(!first.second.isEmpty());
    QSignalSpy pending(c.get(), &AppController::solveEstimatePendingChanged);
    QSignalSpy answered(c.get(), &AppController::solveMemoryEstimated);
    c->requestSolveMemoryEstimate(bad);
    QVERIFY(c->getSolveEstimatePending());
    QVERIFY(answered.wait(60000));
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(1).toString(), first.second);
    QCOMPARE(pending.count(), 2);
    // A spot the solve accepts: bytes and no refusal.
    const auto good = estimate(*c, riverSpotMap(5));
    QVERIFY(good.first > 0);
    QCOMPARE(good.second, QString());
    QCOMPARE(c->getSolveEstimateError(), QString());
  }

  // Hand-counted: the matrix's classes, their weights and the combination
  // count the solve reads, or the reader's refusal naming the item.
  void rangeTextsAsTheSolverReadsThem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantMap>("weights");
    QTest::addColumn<double>("combos");
    QTest::addColumn<QString>("error");
    const QVariantMap none;
    QTest::newRow("suited span") << "KQs-JTs"
                                 << QVariantMap{{"KQs", 1.0}, {"QJs", 1.0}, {"JTs", 1.0}} << 12.0
                                 << QString();
    QTest::newRow("ace king up") << "AK+" << QVariantMap{{"AKs", 1.0}, {"AKo", 1.0}} << 16.0
                                 << QString();
    QTest::newRow("blank separated")
        << "AA KK QQ AKs" << none << 0.0 << "'AA KK QQ AKs': Invalid combo pattern length";
    QTest::newRow("weight above one")
        << "AA:1.5" << none << 0.0 << "'AA:1.5': Weight must be within [0, 1]";
    QTest::newRow("percent in a list")
        << "100%, 22" << none << 0.0 << "'100%': Invalid combo pattern length";
    QVariantMap pairs;
    for (const char* p :
         {"22", "33", "44", "55", "66", "77", "88", "99", "TT", "JJ", "QQ", "KK", "AA"})
      pairs.insert(p, 1.0);
    QTest::newRow("all pairs") << "22+" << pairs << 78.0 << QString();
    QTest::newRow("suited aces")
        << "A2s-A5s" << QVariantMap{{"A2s", 1.0}, {"A3s", 1.0}, {"A4s", 1.0}, {"A5s", 1.0}} << 16.0
        << QString();
    QTest::newRow("weighted") << "AKs:0.25, T9s" << QVariantMap{{"AKs", 0.25}, {"T9s", 1.0}} << 5.0
                              << QString();
    QTest::newRow("empty") << "" << none << 0.0 << QString();
    QTest::newRow("no hand") << "xyz" << none << 0.0 << "'xyz': Invalid rank character 'x'";
    QTest::newRow("one combination")
        << "AhKd" << QVariantMap{{"AKo", 1.0 / 12}} << 1.0 << QString();
  }

  void rangeTextsAsTheSolverReadsThem() {
    QFETCH(QString, text);
    QFETCH(QVariantMap, weights);
    QFETCH(double, combos);
    QFETCH(QString, error);
    auto c = make();
    const QVariantMap read = c->readRangeText(text, QStringLiteral("holdem"));
    QCOMPARE(read.value("ok").toBool(), error.isEmpty());
    QCOMPARE(read.value("error").toString(), error);
    const QVariantMap got = read.value("weights").toMap();
    QCOMPARE(got.keys(), weights.keys());
    for (auto it = weights.constBegin(); it != weights.constEnd(); ++it)
      QVERIFY2(qAbs(got.value(it.key()).toDouble() - it.value().toDouble()) < 1e-6,
               qPrintable(it.key()));
    QVERIFY(qAbs(read.value("combos").toDouble() - combos) < 1e-4);
    QCOMPARE(read.value("mixed").toMap().contains("AKo"), text == QStringLiteral("AhKd"));
  }

  void shortDeckLeavesOutTheMissingRanks() {
    auto c = make();
    const QVariantMap read = c->readRangeText(QStringLiteral("22+"), QStringLiteral("shortdeck"));
    QCOMPARE(read.value("weights").toMap().keys(),
             QStringList({"66", "77", "88", "99", "AA", "JJ", "KK", "QQ", "TT"}));
    QVERIFY(qAbs(read.value("combos").toDouble() - 54.0) < 1e-4);
    QCOMPARE(read.value("notice").toString(), QString());
    // An item the short deck cannot deal is named, whether or not anything is left.
    for (const auto& [text, combos] : {std::pair{"AA, A2s, 55", 6.0}, std::pair{"A2s,55", 0.0}}) {
      const QVariantMap mixed =
          c->readRangeText(QString::fromLatin1(text), QStringLiteral("shortdeck"));
      QVERIFY(mixed.value("ok").toBool());
      QCOMPARE(mixed.value("combos").toDouble(), combos);
      QCOMPARE(mixed.value("notice").toString(),
               QStringLiteral("A2s, 55: not in the short deck, left out"));
    }
    QCOMPARE(c->readRangeText(QStringLiteral("A2s"), QStringLiteral("holdem")).value("notice"),
             QVariant(QString()));
  }

  // A range that starts with a byte order mark is refused by the start
  // check with the field's own reason, before the held results are cleared.
  void byteOrderMarkIsRefusedBeforeResultsGo() {
    auto c = make();
    c->startSolveWithConfig(riverSpotMap(5));
    QTRY_VERIFY_WITH_TIMEOUT(!c->getRunning(), 60000);
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
    const int iterations = c->getResultIterations();
    QVERIFY(iterations > 0);
    const QString range = QChar(0xFEFF) + QStringLiteral("AA, KK");
    const QString fieldReason =
        c->readRangeText(range, QStringLiteral("holdem")).value(QStringLiteral("error")).toString();
    QVERIFY(fieldReason.contains(QStringLiteral("U+FEFF")));
    c->startSolveWithConfig(withSizing(riverSpotMap(5), "oop_range", range));
    QVERIFY(!c->getRunning());
    QCOMPARE(c->getStatusText(), QStringLiteral("Not ready: OOP Range \u2014 ") + fieldReason);
    QCOMPARE(c->getResultIterations(), iterations);
  }

  void icmSolveChargesNoRake() {
    QVariantMap cfg = riverSpotMap(5);
    cfg["rake_percent"] = 5.0;
    cfg["rake_cap"] = 3.0;
    const auto cash = halvory_app::buildSolveConfigFromMap(cfg, 4);
    QCOMPARE(cash.rake_percent, 5.0);
    QCOMPARE(cash.rake_cap, 300.0);
    cfg["utility_model"] = "icm";
    const auto icm = halvory_app::buildSolveConfigFromMap(cfg, 4);
    QCOMPARE(icm.rake_percent, 0.0);
    QCOMPARE(icm.rake_cap, 0.0);
  }
};

QTEST_GUILESS_MAIN(SetupRefusalsTest)
#include "setup_refusals_test.moc"
