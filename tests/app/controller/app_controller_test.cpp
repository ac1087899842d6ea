// The controller's UI contract, system information, the solve-configuration
// map, solve control and the memory estimate requests.

#include <cmath>
#include <chrono>
#include <cstdio>
#include <limits>
#include <thread>

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QThread>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include "controller/app_controller.hpp"
#include "session/request_conversion.hpp"
#include "controller_test_support.hpp"
#include "session/memory_estimate.hpp"

using halvory_app::SolveConfig;
using halvory_app::SolveProgress;

class ControllerTestHelpers {
 public:
  static void deliver(AppController& c, SolveProgress report) {
    c.solveControl().onSolveProgress(report, c.solveControl().solveNumber());
  }
  static bool sessionRunning(const AppController& c) {
    return c.solveControl().session().is_running();
  }
  static void deliverStale(AppController& c, SolveProgress report) {
    c.solveControl().onSolveProgress(report, c.solveControl().solveNumber() - 1);
  }
  static void acceptEstimate(AppController& c, std::uint64_t g, std::uint64_t bytes,
                             const QString& text) {
    c.solveControl().acceptMemoryEstimate(g, bytes, text);
  }
  static std::uint64_t generation(const AppController& c) {
    return c.solveControl().estimateNumber();
  }
  static void setReclaimable(AppController& c, std::uint64_t bytes) {
    c.systemStatus().setReclaimableBytes(bytes);
  }
  // An estimate of `bytes` published for the spot of `cfg`.
  static void setRequired(AppController& c, std::uint64_t bytes,
                          const QVariantMap& cfg = riverSpotMap(5)) {
    SolveControl& solve = c.solveControl();
    solve.acceptMemoryEstimate(solve.estimateNumber(), bytes, halvory_app::formatGigabytes(bytes),
                               QString(), c.buildSolveConfig(cfg, false));
  }
  static void refresh(AppController& c) { c.systemStatus().refreshAvailableMemory(); }
  static int treeRows(const AppController& c) { return static_cast<int>(c.tree().size()); }
  static QVariantMap metaRow(const AppController& c, int i) { return c.tree().meta(i); }
  static QVariantList actionRow(const AppController& c, int i) { return c.tree().actions(i); }
  static QVariantMap lastUiCfg(const AppController& c) { return c.solveControl().lastConfig(); }
  static void addLock(AppController& c, int node, const QByteArray& hand, NodeLockEntry entry) {
    c.nodeLockTable().entries()[node].insert(hand, std::move(entry));
  }
  static int lockedNodes(const AppController& c) {
    return static_cast<int>(c.nodeLockTable().entries().size());
  }
  static void fillCache(AppController& c) {
    c.explorer().caches().actionStatsCache.insert(0, QVariantList{1});
  }
  static bool cacheEmpty(const AppController& c) {
    return c.explorer().caches().actionStatsCache.isEmpty();
  }
};

using Access = ControllerTestHelpers;

namespace {

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

SolveProgress successReport() {
  halvory_app::ResultSnapshot snapshot;
  snapshot.ok = true;
  snapshot.board = "Ks7d2c5h9s";
  snapshot.starting_pot = 2280;
  snapshot.effective_stack = 8890;
  snapshot.iterations = 40;
  snapshot.exploitability = 1234.5f;
  snapshot.ev_oop = 5000.0f;
  snapshot.ev_ip = -25.0f;
  snapshot.root_action_names = {"Check", "Bet 33%", "Bet 75%"};
  snapshot.root_action_types = {"check", "bet", "bet"};
  snapshot.root_action_frequencies = {0.5f, 0.25f};
  halvory_app::TreeNodeMeta root;
  root.node_type = "decision";
  root.player = "OOP";
  root.pot = 2280;
  root.actions = {{"Check", "check", 0.5f, 1}, {"Bet 33%", "bet", 0.25f, 2}};
  halvory_app::TreeNodeMeta leaf;
  leaf.node_type = "terminal";
  leaf.pot = 2280;
  leaf.invested_oop = 50;
  snapshot.tree_node_meta = {root, leaf, leaf};
  return SolveProgress{1.0, "Done", snapshot};
}

QStringList names(const QMetaObject& mo, QMetaMethod::MethodType type) {
  QStringList out;
  for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
    const QMetaMethod m = mo.method(i);
    if (m.methodType() == type) out << QString::fromLatin1(m.methodSignature());
  }
  return out;
}

}  // namespace

class AppControllerTest : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<FakeSystemInfo> system;

  std::unique_ptr<AppController> make() {
    system = std::make_shared<FakeSystemInfo>();
    return std::make_unique<AppController>(system);
  }

  // Runs the event loop until the controller leaves the running state.
  static bool waitIdle(AppController& c, int ms = 60000) {
    QDeadlineTimer deadline(ms);
    while (c.getRunning() && !deadline.hasExpired()) QTest::qWait(10);
    return !c.getRunning();
  }

 private slots:
  void initTestCase() {
    isolateSettings();
    // One info line per iteration would drown the test output.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
  }
  void init() {
    QSettings settings;
    settings.clear();
    settings.sync();
  }

  void metaObjectListsTheWholeUiContract() {
    const QMetaObject& mo = AppController::staticMetaObject;
    QCOMPARE(mo.superClass(), &QObject::staticMetaObject);

    struct Prop {
      const char* name;
      const char* type;
      const char* notify;  // nullptr: CONSTANT
    };
    const Prop props[] = {
        {"appDir", "QString", nullptr},
        {"useTbb", "bool", nullptr},
        {"systemThreadCount", "int", nullptr},
        {"systemMemoryText", "QString", nullptr},
        {"systemAvailableMemoryText", "QString", "systemMemoryChanged"},
        {"systemMemoryBytes", "qulonglong", nullptr},
        {"systemAvailableMemoryBytes", "qulonglong", "systemMemoryChanged"},
        {"effectiveAvailableMemoryText", "QString", "systemMemoryChanged"},
        {"effectiveAvailableMemoryBytes", "qulonglong", "systemMemoryChanged"},
        {"solveRequiredMemoryText", "QString", "solveRequiredMemoryChanged"},
        {"solveRequiredMemoryBytes", "qulonglong", "solveRequiredMemoryChanged"},
        {"solveEstimateError", "QString", "solveRequiredMemoryChanged"},
        {"solveEstimatePending", "bool", "solveEstimatePendingChanged"},
        {"running", "bool", "runningChanged"},
        {"progress", "double", "progressChanged"},
        {"statusText", "QString", "statusTextChanged"},
        {"resultsSummary", "QString", "resultsChanged"},
        {"resultStartingPot", "double", "resultsChanged"},
        {"resultIterations", "int", "resultsChanged"},
        {"resultsRevision", "int", "resultsChanged"},
        {"resultExploitability", "double", "resultsChanged"},
        {"resultEvOop", "double", "resultsChanged"},
        {"resultEvIp", "double", "resultsChanged"},
        {"rootActions", "QVariantList", "resultsChanged"},
        {"resultSpot", "QVariantMap", "resultsChanged"},
        {"resultsReclaimableMemoryBytes", "qulonglong", "resultsChanged"},
        {"developerMode", "bool", nullptr},
        {"projectFileBusy", "bool", "projectFileProgressChanged"},
        {"projectFileProgress", "double", "projectFileProgressChanged"},
    };
    QCOMPARE(mo.propertyCount() - mo.propertyOffset(), int(std::size(props)));
    for (int i = 0; i < int(std::size(props)); ++i) {
      const QMetaProperty p = mo.property(mo.propertyOffset() + i);
      QCOMPARE(p.name(), props[i].name);
      QCOMPARE(p.typeName(), props[i].type);
      QVERIFY2(!p.isWritable() && !p.isResettable(), props[i].name);
      if (props[i].notify == nullptr) {
        QVERIFY2(p.isConstant() && !p.hasNotifySignal(), props[i].name);
      } else {
        QVERIFY2(!p.isConstant(), props[i].name);
        QCOMPARE(p.notifySignal().name(), QByteArray(props[i].notify));
      }
    }

    QCOMPARE(
        names(mo, QMetaMethod::Signal),
        QStringList({"runningChanged()", "progressChanged()", "statusTextChanged()",
                     "resultsChanged()", "handDistributions169Ready(int)", "solveStatsChanged()",
                     "playVsSolutionStatsChanged()", "systemMemoryChanged()",
                     "solveRequiredMemoryChanged()", "solveEstimatePendingChanged()",
                     "projectFileProgressChanged()", "solveMemoryEstimated(qulonglong,QString)"}));
    QVERIFY(names(mo, QMetaMethod::Slot).isEmpty());
    QCOMPARE(names(mo, QMetaMethod::Method),
             QStringList({"startSolve()",
                          "startSolveWithConfig(QVariantMap)",
                          "reSolveWithNodeLocks()",
                          "cancelSolve()",
                          "clearResults()",
                          "requestSolveMemoryEstimate(QVariantMap)",
                          "setupDiffersFromResults(QVariantMap)",
                          "readRangeText(QString,QString,QString)",
                          "readRangeText(QString,QString)",
                          "normalizeImportedRangeText(QString,QString)",
                          "quotedText(QString)",
                          "fieldLabel(QString)",
                          "solveActivityGridLastYear()",
                          "solveActivityGridLastSixMonths()",
                          "solvesToday()",
                          "firstSolveDateIso()",
                          "solveHistoryDaily()",
                          "recordPlayVsSolutionHand(bool,double)",
                          "recordPlayVsSolutionHandDetailed(bool,double,double,double)",
                          "playVsSolutionEvHistory()",
                          "playVsSolutionStats()",
                          "clearPlayVsSolutionStats()",
                          "openLicensesFolder()",
                          "openThirdPartyNotices()",
                          "readTextResource(QString)",
                          "saveProject(QUrl,QVariantMap)",
                          "loadProject(QUrl)",
                          "fileReasonText(QVariant)",
                          "projectSaveError()",
                          "fileExists(QUrl)",
                          "homeFolderUrl()",
                          "cancelProjectSave()",
                          "saveTextFile(QUrl,QString)",
                          "readTextFile(QUrl)",
                          "settingsStoreProblem()",
                          "setNodeLock(int,QString,int,double)",
                          "setNodeLockProbs(int,QString,QVariantList)",
                          "clearNodeLocks(int)",
                          "nodeLocks(int)",
                          "treeNodeCount()",
                          "nodeMeta(int)",
                          "nodeActions(int)",
                          "nodeActionStats(int)",
                          "nodePocketActionEvs(int,QString,QString,QString)",
                          "showdownWinner(QString,QString,QString)",
                          "nodeHandStrategy(int)",
                          "nodeHandStrategyReach169(int,QString)",
                          "nodeHandCombos(int)",
                          "nodeSeatHandCombos(int,QString)",
                          "nodeHandBuckets(int)",
                          "nodeHandDistributions169(int)",
                          "nodeEv(int,QString)",
                          "nodeRake(int)"}));
    // Result types the UI relies on.
    QCOMPARE(mo.method(mo.indexOfMethod("saveProject(QUrl,QVariantMap)")).returnType(),
             int(QMetaType::Bool));
    QCOMPARE(mo.method(mo.indexOfMethod("nodeEv(int,QString)")).returnType(),
             int(QMetaType::Double));
    QCOMPARE(mo.method(mo.indexOfMethod("solvesToday()")).returnType(), int(QMetaType::Int));
    QCOMPARE(mo.method(mo.indexOfMethod("nodeLocks(int)")).returnType(),
             int(QMetaType::QVariantList));
    QCOMPARE(mo.method(mo.indexOfMethod("loadProject(QUrl)")).returnType(),
             int(QMetaType::QVariantMap));
    QCOMPARE(mo.method(mo.indexOfMethod("firstSolveDateIso()")).returnType(),
             int(QMetaType::QString));
  }

  void constructionPublishesReadyAndSystemFigures() {
    auto c = make();
    QCOMPARE(c->getStatusText(), QStringLiteral("Ready"));
    QCOMPARE(c->getResultIterations(), 0);
    QVERIFY(c->getRootActions().isEmpty());
    QVERIFY(!c->getRunning());
    QCOMPARE(c->getSystemThreadCount(), 4);
    QCOMPARE(c->getSystemMemoryText(), QStringLiteral("16 GB"));
    QCOMPARE(c->getSystemAvailableMemoryText(), QStringLiteral("8.0 GB"));
    QCOMPARE(c->getSolveRequiredMemoryText(), QString(QChar(0x2014)));
    QCOMPARE(c->property("useTbb").toBool(), false);
    QCOMPARE(c->property("appDir").toString(), QCoreApplication::applicationDirPath());
    QCOMPARE(c->treeNodeCount(), 0);
  }

  void processorCountFallsBackWhenUnknown() {
    auto info = std::make_shared<FakeSystemInfo>();
    info->processors = 0;
    AppController c(info);
    QVERIFY(c.getSystemThreadCount() >= 1);
    QCOMPARE(c.getSystemThreadCount(), std::max(1, QThread::idealThreadCount()));
  }

  void failedMemoryFiguresReadAsDash() {
    auto info = std::make_shared<FakeSystemInfo>();
    info->total = 0;
    info->available = 0;
    AppController c(info);
    QCOMPARE(c.getSystemMemoryText(), QString(QChar(0x2014)));
    QCOMPARE(c.getSystemAvailableMemoryText(), QString(QChar(0x2014)));
    QCOMPARE(c.getEffectiveAvailableMemoryBytes(), 0ull);
  }

  void formatGigabytesExamples() {
    QCOMPARE(halvory_app::formatGigabytes(0), QString(QChar(0x2014)));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 11 / 2), QStringLiteral("5.5 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 10), QStringLiteral("10 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 10 - 1), QStringLiteral("10.0 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB - 1), QStringLiteral("1.0 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 8), QStringLiteral("8.0 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 16), QStringLiteral("16 GB"));
    // Below 0.1 GB: whole megabytes, rounded up.
    QCOMPARE(halvory_app::formatGigabytes(1), QStringLiteral("1 MB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB / 20), QStringLiteral("52 MB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB / 10 + 1), QStringLiteral("0.1 GB"));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 5), QStringLiteral("5.0 GB"));
    // Whatever the locale, a point.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(halvory_app::formatGigabytes(kGiB * 11 / 2), QStringLiteral("5.5 GB"));
    QLocale::setDefault(previous);
  }

  void parseEnvBoolAndDeveloperMode() {
    bool set = true;
    qunsetenv("HALVORY_TEST_FLAG");
    QVERIFY(!halvory_app::parseEnvBool("HALVORY_TEST_FLAG", &set));
    QVERIFY(!set);
    for (const char* yes : {"1", "true", " YES ", "On"}) {
      qputenv("HALVORY_TEST_FLAG", yes);
      QVERIFY2(halvory_app::parseEnvBool("HALVORY_TEST_FLAG", &set) && set, yes);
    }
    for (const char* no : {"0", "off", "maybe"}) {
      qputenv("HALVORY_TEST_FLAG", no);
      QVERIFY2(!halvory_app::parseEnvBool("HALVORY_TEST_FLAG", &set) && set, no);
    }
    qunsetenv("HALVORY_TEST_FLAG");

    const auto devMode = [] {
      return AppController(std::make_shared<FakeSystemInfo>()).getDeveloperMode();
    };
    qunsetenv("HALVORY_DEV_MODE");
    qunsetenv("DUNMARROW_DEV_MODE");
    qunsetenv("CPP_SOLVER_DEV_MODE");
    QVERIFY(!devMode());
    qputenv("HALVORY_DEV_MODE", "maybe");
    qputenv("DUNMARROW_DEV_MODE", "1");
    QVERIFY(!devMode());
    qunsetenv("HALVORY_DEV_MODE");
    qputenv("DUNMARROW_DEV_MODE", "  YES ");
    QVERIFY(devMode());
    qunsetenv("DUNMARROW_DEV_MODE");
    qputenv("CPP_SOLVER_DEV_MODE", "on");
    QVERIFY(devMode());
    qunsetenv("CPP_SOLVER_DEV_MODE");
  }

  void effectiveMemoryAddsReclaimableUpToTheTotal() {
    system = std::make_shared<FakeSystemInfo>();
    system->available = 6 * kGiB;
    system->total = 8 * kGiB;
    AppController c8(system);
    Access::setReclaimable(c8, 4 * kGiB);
    QCOMPARE(c8.getEffectiveAvailableMemoryBytes(), 8 * kGiB);
    QCOMPARE(c8.getEffectiveAvailableMemoryText(), QStringLiteral("8.0 GB"));

    system->total = 0;
    AppController c0(system);
    Access::setReclaimable(c0, 4 * kGiB);
    QCOMPARE(c0.getEffectiveAvailableMemoryBytes(), 10 * kGiB);
    Access::setReclaimable(c0, std::numeric_limits<std::uint64_t>::max() - kGiB);
    QCOMPARE(c0.getEffectiveAvailableMemoryBytes(), std::numeric_limits<std::uint64_t>::max());
    Access::setReclaimable(c8, std::numeric_limits<std::uint64_t>::max());
    QCOMPARE(c8.getEffectiveAvailableMemoryBytes(), 8 * kGiB);
  }

  void memoryRefreshEmitsOnlyOnChange() {
    auto c = make();
    QSignalSpy spy(c.get(), &AppController::systemMemoryChanged);
    Access::refresh(*c);
    QCOMPARE(spy.count(), 0);
    system->available = 3 * kGiB;
    Access::refresh(*c);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(c->getSystemAvailableMemoryText(), QStringLiteral("3.0 GB"));
    // The 2-second timer picks up a change on its own.
    system->available = 2 * kGiB;
    QVERIFY(spy.wait(30000));
    QCOMPARE(c->getSystemAvailableMemoryBytes(), 2 * kGiB);
  }

  void emptyMapBuildsTheDefaults() {
    auto c = make();
    const SolveConfig s = c->buildSolveConfig({}, false);
    QCOMPARE(s.variant, std::string("holdem"));
    QVERIFY(s.board.empty());
    QCOMPARE(s.starting_pot, 10000);
    QCOMPARE(s.effective_stack, 10000);
    QCOMPARE(s.oop_stack, 0);
    QCOMPARE(s.ip_stack, 0);
    QCOMPARE(s.rake_percent, 0.0);
    QCOMPARE(s.rake_cap, 0.0);
    QCOMPARE(s.starting_street, std::string("flop"));
    QCOMPARE(s.utility_model, std::string("cash"));
    QCOMPARE(s.max_iterations, 2000u);
    QCOMPARE(s.target_exploitability, 10.0f);
    QCOMPARE(s.thread_count, std::uint64_t{1});
    QVERIFY(s.oop_range.empty() && s.ip_range.empty());
    QVERIFY(s.oop_flop.bet_sizes.empty() && s.ip_river.raise_sizes.empty());
    QVERIFY(!s.compress);
    QVERIFY(s.node_locks.empty());
  }

  void moneyRule() {
    QCOMPARE(halvory_app::amountToCents(18.5, 10000), 1850);
    QCOMPARE(halvory_app::amountToCents(-3, 10000), 0);
    QCOMPARE(halvory_app::amountToCents(1e12, 10000), 2147483646);
    QCOMPARE(halvory_app::amountToCents(std::nan(""), 10000), 10000);
    QCOMPARE(halvory_app::amountToCents(std::numeric_limits<double>::infinity(), 10000), 10000);
    QCOMPARE(halvory_app::amountToCents(0.005, 0), 1);  // half away from zero
    QCOMPARE(halvory_app::amountToCents(0.004, 0), 0);
    QVERIFY(std::abs(halvory_app::amountToCentsReal(0.333, 0) - 33.3) < 1e-9);

    auto c = make();
    QVariantMap m;
    m["starting_pot"] = std::nan("");
    m["oop_stack"] = std::nan("");
    m["rake_cap"] = 0.333;
    m["rake_percent"] = -5;
    const SolveConfig s = c->buildSolveConfig(m, false);
    QCOMPARE(s.starting_pot, 10000);
    QCOMPARE(s.oop_stack, 10000);  // NaN takes the fallback, a missing key 0
    QCOMPARE(s.ip_stack, 0);
    QVERIFY(std::abs(s.rake_cap - 33.3) < 1e-9);
    QCOMPARE(s.rake_percent, -5.0);
  }

  void textKeysVariantUtilityAndTarget() {
    auto c = make();
    QVariantMap m;
    m["variant"] = "  ShortDeck ";
    m["utility_model"] = " ICM ";
    m["target_exploitability"] = 0.09;
    m["starting_street"] = " River";
    m["board"] = "Ah2cKs";
    SolveConfig s = c->buildSolveConfig(m, false);
    QCOMPARE(s.variant, std::string("shortdeck"));
    QCOMPARE(s.utility_model, std::string("icm"));
    QCOMPARE(s.target_exploitability, 9.0f);
    QCOMPARE(s.starting_street, std::string("river"));  // read as the page writes it
    QCOMPARE(s.board, std::string("AhKs"));             // a 2 is no short-deck rank

    m["variant"] = "short_deck";
    m["utility_model"] = "Icm-2";
    m["target_exploitability"] = -1;
    s = c->buildSolveConfig(m, false);
    QCOMPARE(s.variant, std::string("short_deck"));
    QCOMPARE(s.utility_model, std::string("cash"));
    QCOMPARE(s.target_exploitability, 0.0f);
    QCOMPARE(s.board, std::string("AhKs"));  // every short-deck name selects its ranks
    m["variant"] = "holdem";
    QCOMPARE(c->buildSolveConfig(m, false).board, std::string("Ah2cKs"));

    m["target_exploitability"] = std::nan("");
    QCOMPARE(c->buildSolveConfig(m, false).target_exploitability, 0.1f);
  }

  void chipListsJamThresholdsAndSizings() {
    auto c = make();
    QVariantMap m = sizingKeys(QStringLiteral(" 33,75 "), QStringLiteral("2.5x"));
    m["icm_payouts"] = " 70, 20,10 ";
    m["icm_other_stacks"] = "50, x, 12.5,,+7, 10.000, 99999999999";
    m["oop_add_all_in_jam_threshold_enabled"] = false;
    m["oop_add_all_in_jam_threshold_pct"] = 30;
    m["ip_add_all_in_jam_threshold_enabled"] = true;
    m["ip_add_all_in_jam_threshold_pct"] = 250;
    m["ip_turn_add_all_in"] = true;
    m["oop_river_dont_donk"] = true;
    const SolveConfig s = c->buildSolveConfig(m, false);
    QCOMPARE(s.icm_payouts, (std::vector<std::int32_t>{7000, 2000, 1000}));
    // Decimals by the money rule; what is no number is left out here
    // (and refused before a start).
    QCOMPARE(s.icm_other_stacks, (std::vector<std::int32_t>{5000, 1250, 2147483646}));
    QVERIFY(!s.oop_add_all_in_jam_threshold_enabled);
    QCOMPARE(s.oop_add_all_in_jam_threshold_pct, 0.0);
    QVERIFY(s.ip_add_all_in_jam_threshold_enabled);
    QCOMPARE(s.ip_add_all_in_jam_threshold_pct, 250.0);
    QCOMPARE(s.oop_flop.bet_sizes, std::string(" 33,75 "));
    QCOMPARE(s.ip_river.raise_sizes, std::string("2.5x"));
    QVERIFY(s.ip_turn.add_all_in && !s.ip_flop.add_all_in);
    QVERIFY(s.oop_river.dont_donk && !s.oop_turn.dont_donk);
  }

  // A count the machine cannot run is clamped to it; one that is no count
  // at all keeps the default, and a start refuses it.
  void threadCountIsClampedToTheMachine() {
    auto c = make();  // 4 processors
    const struct {
      QVariant value;
      std::uint64_t threads;
    } rows[] = {{4000, 4}, {3, 3}, {"2", 2}, {1000000, 1}, {0, 1}, {-3, 1}, {1.5, 1}};
    for (const auto& row : rows) {
      QVariantMap m;
      m["thread_count"] = row.value;
      QCOMPARE(c->buildSolveConfig(m, false).thread_count, row.threads);
    }
  }

  void boardAndRangeRules() {
    const QString holdem = QStringLiteral("AKQJT98765432");
    QCOMPARE(halvory_app::normalizeBoardText(holdem, " ah ks  qD"), QStringLiteral("AhKsQd"));
    QCOMPARE(halvory_app::normalizeBoardText(holdem, "Ah1sQd"), QStringLiteral("AhQd"));
    QCOMPARE(halvory_app::normalizeBoardText(holdem, "AhKsQdJ"), QStringLiteral("AhKsQd"));
    QCOMPARE(halvory_app::normalizeBoardText(holdem, "tc9d"), QStringLiteral("Tc9d"));
    QVERIFY(halvory_app::rangeHasRankPair(holdem, "AKs"));
    QVERIFY(halvory_app::rangeHasRankPair(holdem, " 22 "));
    QVERIFY(halvory_app::rangeHasRankPair(holdem, "55%"));
    QVERIFY(halvory_app::rangeHasRankPair(holdem, "50%"));
    QVERIFY(!halvory_app::rangeHasRankPair(holdem, "AA:0"));
    QVERIFY(!halvory_app::rangeHasRankPair(holdem, "AhAd", "AhKs7d"));
    QVERIFY(!halvory_app::rangeHasRankPair(holdem, "A"));
    QVERIFY(!halvory_app::rangeHasRankPair(holdem, ""));
    QVERIFY(!halvory_app::rangeHasRankPair(QStringLiteral("AKQJT9876"), "22"));
    QVariantMap m;
    m["k"] = "   ";
    QVERIFY(!halvory_app::cfgTextNonBlank(m, "k"));
    QVERIFY(!halvory_app::cfgTextNonBlank(m, "missing"));
    m["k"] = " 50 ";
    QVERIFY(halvory_app::cfgTextNonBlank(m, "k"));
  }

  void locksBecomeRequestRowsOnlyWhenApplied() {
    auto c = make();
    Access::addLock(*c, 3, "AKs", NodeLockEntry{{0.25f, 0.75f}, -1, 1.0});
    Access::addLock(*c, 3, "QQ", NodeLockEntry{{}, 1, 1.5});
    Access::addLock(*c, 4, "JJ", NodeLockEntry{{}, -1, 1.0});  // nothing to send
    Access::addLock(*c, -1, "TT", NodeLockEntry{{1.0f}, -1, 1.0});
    QVERIFY(c->buildSolveConfig({}, false).node_locks.empty());
    const SolveConfig s = c->buildSolveConfig({}, true);
    QCOMPARE(s.node_locks.size(), std::size_t{2});
    for (const auto& lock : s.node_locks) {
      QCOMPARE(lock.node_index, std::uint64_t{3});
      if (lock.hand == "AKs") {
        QCOMPARE(lock.action_index, std::int64_t{0});
        QCOMPARE(lock.action_prob, 1.0f);
        QCOMPARE(lock.action_probs, (std::vector<float>{0.25f, 0.75f}));
      } else {
        QCOMPARE(lock.hand, std::string("QQ"));
        QCOMPARE(lock.action_index, std::int64_t{1});
        QCOMPARE(lock.action_prob, 1.0f);
        QVERIFY(lock.action_probs.empty());
      }
    }
  }

  void notReadyRefusals() {
    auto c = make();
    QSignalSpy status(c.get(), &AppController::statusTextChanged);
    Access::addLock(*c, 0, "AA", NodeLockEntry{{1.0f}, -1, 1.0});
    c->startSolve();
    QCOMPARE(status.count(), 2);  // "Starting..." then the refusal
    QCOMPARE(c->getStatusText(), QStringLiteral("Not ready: enter a valid board first"));
    QVERIFY(Access::lastUiCfg(*c).isEmpty());
    QCOMPARE(Access::lockedNodes(*c), 0);
    QVERIFY(!c->getRunning());

    QVariantMap m = riverSpotMap(10);
    m["ip_range"] = "AA:0";
    c->startSolveWithConfig(m);
    QCOMPARE(c->getStatusText(),
             QStringLiteral("Not ready: select at least one hand in both ranges"));
    QCOMPARE(Access::lastUiCfg(*c), m);

    m = riverSpotMap(10);
    m["ip_turn_raise_sizes"] = "   ";
    c->startSolveWithConfig(m);
    QCOMPARE(c->getStatusText(), QStringLiteral("Not ready: fill out both OOP and IP sizing"));
    QVERIFY(!c->getRunning());
  }

  void resultReportFillsPropertiesAndLists() {
    auto c = make();
    QSignalSpy results(c.get(), &AppController::resultsChanged);
    QSignalSpy stats(c.get(), &AppController::solveStatsChanged);
    Access::fillCache(*c);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("mismatched sizes"));
    Access::deliver(*c, successReport());
    QCOMPARE(results.count(), 1);
    QCOMPARE(stats.count(), 1);
    QVERIFY(Access::cacheEmpty(*c));
    QCOMPARE(c->getResultsSummary(),
             QStringLiteral(
                 "Board Ks7d2c5h9s | iters 40 | expl\u224812.3450 | EV(oop)=50.000 EV(ip)=-0.250"));
    QCOMPARE(c->getResultStartingPot(), 22.8);
    QCOMPARE(c->getResultIterations(), 40);
    QCOMPARE(c->getResultExploitability(), 12.345);
    QCOMPARE(c->getResultEvOop(), 50.0);
    QCOMPARE(c->getResultEvIp(), -0.25);
    QCOMPARE(c->getProgress(), 1.0);
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
    // Three names, three types, two frequencies: two actions.
    const QVariantList roots = c->getRootActions();
    QCOMPARE(roots.size(), 2);
    QCOMPARE(roots[1].toMap()["name"].toString(), QStringLiteral("Bet 33%"));
    QCOMPARE(roots[1].toMap()["actionType"].toString(), QStringLiteral("bet"));
    QCOMPARE(roots[1].toMap()["frequency"].toFloat(), 0.25f);
    QCOMPARE(c->treeNodeCount(), 3);
    const QVariantMap root = Access::metaRow(*c, 0);
    QCOMPARE(root["nodeType"].toString(), QStringLiteral("decision"));
    QCOMPARE(root["player"].toString(), QStringLiteral("OOP"));
    QCOMPARE(root["pot"].toDouble(), 22.8);
    QCOMPARE(root["effectiveStack"].toDouble(), 88.9);
    QCOMPARE(root["hasChildren"].toBool(), true);
    QCOMPARE(Access::metaRow(*c, 1)["hasChildren"].toBool(), false);
    QCOMPARE(Access::metaRow(*c, 1)["investedOop"].toDouble(), 0.5);
    QCOMPARE(Access::metaRow(*c, 2)["effectiveStack"].toDouble(), 88.9);
    const QVariantList actions = Access::actionRow(*c, 0);
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[1].toMap()["childIndex"].toInt(), 2);
    QCOMPARE(actions[1].toMap()["actionType"].toString(), QStringLiteral("bet"));
    QCOMPARE(c->solvesToday(), 1);

    // A failure report empties everything but keeps the reclaimable figure.
    halvory_app::ResultSnapshot failed;
    failed.error = "Cancelled";
    Access::deliver(*c, SolveProgress{0.0, "Cancelled", failed});
    QCOMPARE(c->getResultsSummary(), QStringLiteral("Solve failed: Cancelled"));
    QCOMPARE(c->getResultIterations(), 0);
    QCOMPARE(c->getResultEvOop(), 0.0);
    QVERIFY(c->getRootActions().isEmpty());
    QCOMPARE(c->treeNodeCount(), 0);
    QCOMPARE(c->solvesToday(), 1);
    QCOMPARE(stats.count(), 1);
  }

  void spotValuesThatSolveAnotherSpotAreRefused() {
    auto c = make();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("mismatched sizes"));
    Access::deliver(*c, successReport());
    const struct {
      const char* key;
      QVariant value;
      const char* status;
    } cases[] = {
        {"board", "AhKdQcTs9s-j", "Not ready: Board — '-j' is not a card of this deck"},
        {"board", "Ks 7d 2c 5h 9s" + QString(1 << 20, u' '),
         "Not ready: Board — is longer than five cards"},
        {"board", "Ah Kd Xx 7c 2s", "Not ready: Board — 'Xx' is not a card of this deck"},
        {"board", "Ks7d2c5h9s 4", "Not ready: Board — '4' is not a card of this deck"},
        {"board", "Ks 7d 2c 5h 9s 4", "Not ready: Board — is longer than five cards"},
        {"board", "Ks 7d 2c 5h",
         "Not ready: Board — 4 cards do not fit the starting street River, which needs 5"},
        {"starting_pot", std::nan(""), "Not ready: Starting Pot — must be a number"},
        {"starting_pot", 0, "Not ready: Starting Pot — must be above 0"},
        {"effective_stack", std::numeric_limits<double>::infinity(),
         "Not ready: Effective Stack — must be a number"},
        {"effective_stack", 0.5, "Not ready: Effective Stack — must be at least 1 chip"},
        {"rake_percent", std::nan(""), "Not ready: Rake (%) — must be a number"},
        {"rake_percent", 101, "Not ready: Rake (%) — must be between 0 and 100"},
        {"rake_cap", -1, "Not ready: Rake Cap — must be 0 (no cap) or more"},
        {"rake_cap", std::nan(""), "Not ready: Rake Cap — must be a number"},
        {"variant", "omaha", "Not ready: unknown deck variant 'omaha' (use holdem or shortdeck)"},
        {"max_iterations", -1, "Not ready: Iterations — cannot be negative"},
        {"max_iterations", "junk", "Not ready: Iterations — Cannot read 'junk' as a number"},
        {"max_iterations", 2.5, "Not ready: Iterations — Cannot read '2.5' as a whole number"},
        {"max_iterations", 5e9, "Not ready: Iterations — must be at most 2147483647"},
        {"max_iterations", "2.5", "Not ready: Iterations — Cannot read '2.5' as a whole number"},
        {"max_iterations", "abc", "Not ready: Iterations — Cannot read 'abc' as a number"},
        {"max_iterations", "3e1", "Not ready: Iterations — Cannot read '3e1' as a number"},
        {"thread_count", 0, "Not ready: CPU threads utilized — must be 1 or more"},
        {"thread_count", "1,5",
         "Not ready: CPU threads utilized — Cannot read '1,5' as a whole number"},
        // A count is read as the page reads it: no flag, nothing that is no
        // number, no digit beyond a whole one, nothing before the digits.
        {"max_iterations", true, "Not ready: Iterations — must be a number"},
        {"max_iterations", QVariant(), "Not ready: Iterations — must be a number"},
        {"max_iterations", "", "Not ready: Iterations — must be a number"},
        {"max_iterations", QVariantList{40}, "Not ready: Iterations — must be a number"},
        {"max_iterations", QVariantMap{{"n", 40}}, "Not ready: Iterations — must be a number"},
        {"max_iterations", "1,000",
         "Not ready: Iterations — '1,000' could mean 1 or 1000: write 1 or 1000"},
        {"rake_percent", "1.001",
         "Not ready: Rake (%) — '1.001' could mean 1.001 or 1001: write 1.0010 for 1.001"},
        {"rake_percent", "1.000", "Not ready: Rake (%) — '1.000' could mean 1 or 1000: write 1"},
        {"effective_stack", "300.000",
         "Not ready: Effective Stack — '300.000' could mean 300 or 300000: write 300 or 300000"},
        // Readings in plain digits, however large.
        {"effective_stack", "123456789012345678901.000",
         "Not ready: Effective Stack — '123456789012345678901.0…' could mean "
         "123456789012345678901 or 123456789012345678901000"},
        {"thread_count", "4096.0000000000001",
         "Not ready: CPU threads utilized — Cannot read '4096.0000000000001' as a whole number"},
        {"max_iterations", "5.99999999999999999999",
         "Not ready: Iterations — Cannot read '5.99999999999999999999' as a whole number"},
        {"max_iterations", QStringLiteral("\uFEFF40"),
         "Not ready: Iterations — Cannot read '\\uFEFF40' as a number"},
        {"starting_street", "rivr", "Not ready: 'rivr' is not a street"},
        {"ip_turn_add_all_in", "no",
         "Not ready: ip_turn_add_all_in is 'no', neither true nor false"},
        {"target_exploitability", 1000,
         "Not ready: Target Exploitability (%) — must be at most 100 % of the pot"},
        {"starting_pot", "10.000",
         "Not ready: Starting Pot — '10.000' could mean 10 or 10000: write 10 or 10000"},
        {"thread_count", 5000, "Not ready: CPU threads utilized — must be at most 4096"},
        {"target_exploitability", std::nan(""),
         "Not ready: Target Exploitability (%) — must be a number"},
        {"target_exploitability", -0.5, "Not ready: Target Exploitability (%) — must be 0 or more"},
        {"rake_cap", 1e12, "Not ready: Rake Cap — must be at most 21474836.46"},
        {"starting_pot", 3e7, "Not ready: Starting Pot — must be at most 21474836.46"},
        {"rake_percent", "5%", "Not ready: Rake (%) — Cannot read '5%' as a number"},
    };
    for (const auto& row : cases) {
      QVariantMap m = riverSpotMap(5);
      m[row.key] = row.value;
      c->startSolveWithConfig(m);
      QCOMPARE(c->getStatusText(), QString::fromUtf8(row.status));
      QVERIFY(!c->getRunning());
      QCOMPARE(c->getResultIterations(), 40);  // the previous result stays
    }

    // Values that need a second key to matter: the deck, or an enabled jam.
    const struct {
      const char* key;
      QVariant value;
      const char* otherKey;
      QVariant otherValue;
      const char* status;
    } pairs[] = {
        {"variant", "shortdeck", "board", "Ks Td 7c 4h 2s",
         "Not ready: Board — '4h' is not a card of this deck"},
        {"board", "Ks 7d 2c", "starting_street", "River",
         "Not ready: Board — 3 cards do not fit the starting street River, which needs 5"},
        {"board", "Ks 7d 2c", "starting_street", "RIVER",
         "Not ready: Board — 3 cards do not fit the starting street River, which needs 5"},
        {"utility_model", "icm", "oop_stack", 3e7,
         "Not ready: OOP stack — must be at most 21474836.46"},
        // Seat stacks are whole chips: "4.12" is no advice.
        {"utility_model", "icm", "ip_stack", "4.120",
         "Not ready: IP stack — '4.120' could mean 4.12 or 4120: write 4120 without a separator"},
        {"oop_add_all_in_jam_threshold_enabled", true, "oop_add_all_in_jam_threshold_pct",
         std::numeric_limits<double>::infinity(),
         "Not ready: OOP Sizing · Add all-in if jam less than — must be a number"},
        {"ip_add_all_in_jam_threshold_enabled", true, "ip_add_all_in_jam_threshold_pct", -5,
         "Not ready: IP Sizing · Add all-in if jam less than — must be 0 or more"},
        {"ip_add_all_in_jam_threshold_enabled", true, "ip_add_all_in_jam_threshold_pct", 5000,
         "Not ready: IP Sizing · Add all-in if jam less than — must be at most 1000"},
    };
    for (const auto& row : pairs) {
      QVariantMap m = riverSpotMap(5);
      m[row.key] = row.value;
      m[row.otherKey] = row.otherValue;
      c->startSolveWithConfig(m);
      QCOMPARE(c->getStatusText(), QString::fromUtf8(row.status));
      QVERIFY(!c->getRunning());
    }

    const struct {
      const char* payouts;
      const char* others;
      const char* status;
    } icm[] = {
        {"50, x", "", "Not ready: Payouts — Cannot read 'x' as a number"},
        {"70, -30", "", "Not ready: Payouts — Cannot read '-30' as a number"},
        {"70, 21474836.47", "", "Not ready: Payouts — '21474836.47' is more than 21474836.46"},
        {"70, 30", "1e9", "Not ready: Other stack sizes — Cannot read '1e9' as a number"},
        {"70, 30", "50000000",
         "Not ready: Other stack sizes — '50000000' is more than 21474836.46"},
        {"25.000, 10", "",
         "Not ready: Payouts — '25.000' could mean 25 or 25000: write 25 or 25000"},
        {"70, 30.125", "",
         "Not ready: Payouts — '30.125' could mean 30.125 or 30125: write 30125 without a "
         "separator"},
        {"70, 30", "300.000",
         "Not ready: Other stack sizes — '300.000' could mean 300 or 300000: write 300 or 300000"},
        {"70, 30.1255", "", "Not ready: Payouts — '30.1255' has more than 2 decimals"},
        {"70, 30", "20, nan", "Not ready: Other stack sizes — Cannot read 'nan' as a number"},
        {"1.2.3, 30", "", "Not ready: Payouts — Cannot read '1.2.3' as a number"},
    };
    for (const auto& row : icm) {
      QVariantMap m = riverSpotMap(5);
      m["utility_model"] = "icm";
      m["oop_stack"] = 80;
      m["ip_stack"] = 60;
      m["icm_payouts"] = row.payouts;
      m["icm_other_stacks"] = row.others;
      c->startSolveWithConfig(m);
      QCOMPARE(c->getStatusText(), QString::fromUtf8(row.status));
    }
  }

  void decimalPayoutsReachTheEngine() {
    QVariantMap m = riverSpotMap(5);
    m["utility_model"] = "icm";
    m["oop_stack"] = 80;
    m["ip_stack"] = 60;
    m["icm_payouts"] = "50.5, 30, 19.5";
    m["icm_other_stacks"] = "40";
    const SolveConfig s = halvory_app::buildSolveConfigFromMap(m, 4);
    QCOMPARE(s.icm_payouts, (std::vector<std::int32_t>{5050, 3000, 1950}));
    QVERIFY(halvory_app::solveInputProblem(m, s).isEmpty());
    const auto converted = halvory_app::convert_request(s, halvory_app::ConversionPurpose::solve);
    QCOMPARE(converted.game.icm_payouts, (std::vector<std::int32_t>{5050, 3000, 1950}));
  }

  void everyShortDeckNameSolvesShortDeck() {
    // OOP's flush against IP's full house: short deck ranks the flush
    // higher, so OOP wins every showdown and holds at least the pot.
    for (const char* variant : {"6+", "6plus", "short_deck", "shortdeck", "holdem"}) {
      auto c = make();
      QVariantMap m = riverSpotMap(30);
      m["variant"] = variant;
      m["board"] = "Ah Kh 7h 7c 9d";
      m["oop_range"] = "QJ:0, QhJh";
      m["ip_range"] = "97:0, 9c7d";
      c->startSolveWithConfig(m);
      QVERIFY2(waitIdle(*c), variant);
      QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
      const bool shortDeck = QByteArray(variant) != "holdem";
      QCOMPARE(halvory_app::isShortDeck(m), shortDeck);
      QCOMPARE(c->showdownWinner("AhKh7h7c9d", "QhJh", "7d9c").value("winner").toString(),
               shortDeck ? QStringLiteral("OOP") : QStringLiteral("IP"));
      if (shortDeck) {
        QVERIFY2(c->getResultEvOop() >= 22.8 - 0.01, variant);
      } else {
        QVERIFY2(c->getResultEvOop() <= 0.01, variant);
      }
    }
  }

  void validMapSolvesToDone() {
    auto c = make();
    QSignalSpy running(c.get(), &AppController::runningChanged);
    QSignalSpy results(c.get(), &AppController::resultsChanged);
    QSignalSpy progress(c.get(), &AppController::progressChanged);
    const QVariantMap m = riverSpotMap(25);
    c->startSolveWithConfig(m);
    QVERIFY(c->getRunning());
    QCOMPARE(Access::lastUiCfg(*c), m);
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
    QCOMPARE(running.count(), 2);
    QVERIFY(progress.count() >= 1);
    QVERIFY(results.count() >= 2);  // released at the start, filled at the end
    QCOMPARE(c->getResultIterations(), 25);
    QCOMPARE(c->getResultStartingPot(), 22.8);
    QVERIFY(c->getResultExploitability() >= 0.0);
    // Each seat's share of the pot: without rake together the whole pot.
    QVERIFY(std::abs(c->getResultEvOop() + c->getResultEvIp() - 22.8) < 0.01);
    QVERIFY(c->getResultEvOop() != 0.0);
    QVERIFY(c->getResultsSummary().startsWith(
        QStringLiteral("Board Ks7d2c5h9s | iters 25 | expl\u2248")));
    QVERIFY(!c->getRootActions().isEmpty());
    QVERIFY(c->treeNodeCount() > 1);
    double total = 0.0;
    for (const QVariant& a : c->getRootActions()) total += a.toMap()["frequency"].toDouble();
    QVERIFY(std::abs(total - 1.0) < 1e-3);
    QCOMPARE(Access::treeRows(*c), c->treeNodeCount());
    QCOMPARE(c->solvesToday(), 1);
    QVERIFY(!c->firstSolveDateIso().isEmpty());

    // A start while idle again replaces the result; clearResults empties.
    c->clearResults();
    QCOMPARE(c->getStatusText(), QStringLiteral("Ready"));
    QCOMPARE(c->getProgress(), 0.0);
    QCOMPARE(c->treeNodeCount(), 0);
    QVERIFY(Access::lastUiCfg(*c).isEmpty());
    c->reSolveWithNodeLocks();
    QCOMPARE(c->getStatusText(), QStringLiteral("No previous solve config (solve once first)"));
  }

  // A fast solve reports after every iteration; the GUI thread sees only a
  // paced few of those reports, and the final one, with its result, last.
  void progressReportsAreCoalescedFinalLast() {
    constexpr int kIterations = 20000;
    auto c = make();
    QStringList events;
    connect(c.get(), &AppController::statusTextChanged, c.get(),
            [&] { events << QStringLiteral("status ") + c->getStatusText(); });
    connect(c.get(), &AppController::resultsChanged, c.get(),
            [&] { events << QStringLiteral("results %1").arg(c->getResultIterations()); });
    c->startSolveWithConfig(riverSpotMap(kIterations));
    QVERIFY(waitIdle(*c));
    QTest::qWait(200);  // anything still queued would arrive now
    const qsizetype reports =
        events.filter(QRegularExpression(QStringLiteral("^status Iter "))).size();
    std::printf("progress reports handled for %d iterations: %lld\n", kIterations,
                static_cast<long long>(reports));
    QVERIFY2(reports * 20 < kIterations, qPrintable(QString::number(reports)));
    QCOMPARE(events.last(), QStringLiteral("results %1").arg(kIterations));
    QCOMPARE(events.filter(QStringLiteral("status ")).last(), QStringLiteral("status Done"));
  }

  void cancelEndsInSolveFailedCancelled() {
    auto c = make();
    c->startSolveWithConfig(riverSpotMap(kEndlessIterations));
    QVERIFY(c->getRunning());
    QTRY_VERIFY_WITH_TIMEOUT(c->getStatusText().startsWith(QStringLiteral("Iter")), 60000);
    c->cancelSolve();
    QVERIFY(c->getRunning());
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getStatusText(), QStringLiteral("Cancelled"));
    QCOMPARE(c->getResultsSummary(), QStringLiteral("Solve failed: Cancelled"));
    QCOMPARE(c->getResultIterations(), 0);
    QVERIFY(c->getRootActions().isEmpty());
    QCOMPARE(c->treeNodeCount(), 0);
    QCOMPARE(c->solvesToday(), 0);
  }

  void clearResultsDuringASolveIsImmediate() {
    auto c = make();
    c->startSolveWithConfig(riverSpotMap(kEndlessIterations));
    QTRY_VERIFY_WITH_TIMEOUT(c->getStatusText().startsWith(QStringLiteral("Iter")), 60000);
    c->clearResults();
    QVERIFY(!c->getRunning());
    QCOMPARE(c->getStatusText(), QStringLiteral("Ready"));
    // The abandoned solve ends soon; its reports no longer reach the UI.
    QTRY_VERIFY_WITH_TIMEOUT(!Access::sessionRunning(*c), 60000);
    QTest::qWait(50);
    QCOMPARE(c->getStatusText(), QStringLiteral("Ready"));
    QVERIFY(!c->getRunning());
    QVERIFY(c->getResultsSummary().isEmpty());
  }

  void staleFinalReportDoesNotOverwriteResults() {
    auto c = make();
    halvory_app::ResultSnapshot failed;
    failed.error = "Cancelled";
    QSignalSpy results(c.get(), &AppController::resultsChanged);
    c->clearResults();
    results.clear();
    Access::deliverStale(*c, SolveProgress{0.0, "Cancelled", failed});
    QCOMPARE(results.count(), 0);
    QCOMPARE(c->getStatusText(), QStringLiteral("Ready"));
    QVERIFY(c->getResultsSummary().isEmpty());

    // An abandoned solve's rows are freed off the GUI thread, which hands
    // the freed pages back afterwards.
    const int releases = system->releases.load();
    Access::deliverStale(*c, successReport());
    QCOMPARE(c->treeNodeCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(system->releases.load() > releases, 10000);
  }

  void onlyTheFinalReportEndsRunning() {
    auto c = make();
    c->startSolveWithConfig(riverSpotMap(kEndlessIterations));
    QVERIFY(c->getRunning());
    c->cancelSolve();
    // Wait without handling events: the final report stays queued.
    while (Access::sessionRunning(*c)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    // A progress report without a result, handled after the worker has
    // ended, leaves the running state to the final report.
    Access::deliver(*c, SolveProgress{0.5, "Finalizing: computing results...", std::nullopt});
    QVERIFY(c->getRunning());
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getStatusText(), QStringLiteral("Cancelled"));
  }

  void startWhileRunningChangesNothing() {
    auto c = make();
    const QVariantMap first = riverSpotMap(kEndlessIterations);
    c->startSolveWithConfig(first);
    QVERIFY(c->getRunning());
    Access::addLock(*c, 0, "AA", NodeLockEntry{{1.0f}, -1, 1.0});
    QSignalSpy status(c.get(), &AppController::statusTextChanged);
    c->startSolveWithConfig(riverSpotMap(5));
    c->reSolveWithNodeLocks();
    QCOMPARE(status.count(), 0);
    QCOMPARE(Access::lastUiCfg(*c), first);
    QCOMPARE(Access::lockedNodes(*c), 1);
    c->cancelSolve();
    QVERIFY(waitIdle(*c));
  }

  void startAfterAnAbandonedSolveWaitsAndRuns() {
    auto c = make();
    // The wide flop takes a while to build, so the start right after the
    // clear finds the abandoned solve still running.
    const QVariantMap wide = wideFlopSpotMap(1000000);
    bool waited = false;
    for (int attempt = 0; attempt < 5 && !waited; ++attempt) {
      c->startSolveWithConfig(wide);
      QVERIFY(c->getRunning());
      c->clearResults();
      c->startSolveWithConfig(riverSpotMap(5));
      waited = c->getStatusText() == QStringLiteral("Waiting for the previous solve to stop...");
      QVERIFY(c->getRunning());
      QVERIFY(waitIdle(*c));
    }
    if (!waited) QSKIP("the abandoned solve ended before the second start");
    // The waiting request ran once the abandoned solve had ended.
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
    QCOMPARE(c->getResultIterations(), 5);

    // A cancel drops a waiting request at once.
    c->startSolveWithConfig(wide);
    c->clearResults();
    c->startSolveWithConfig(riverSpotMap(5));
    const bool dropped =
        c->getStatusText() == QStringLiteral("Waiting for the previous solve to stop...");
    if (dropped) {
      c->cancelSolve();
      QVERIFY(!c->getRunning());
      QCOMPARE(c->getStatusText(), QStringLiteral("Cancelled"));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!Access::sessionRunning(*c), 30000);
    QTest::qWait(20);  // a dropped request must not start once the old solve ends
    QVERIFY(waitIdle(*c));
    // Had the abandoned solve already ended, the river spot simply ran.
    QCOMPARE(c->getResultIterations(), dropped ? 0 : 5);
  }

  void refusalsKeepOrReleaseTheResult() {
    auto c = make();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("mismatched sizes"));
    Access::deliver(*c, successReport());
    QVariantMap m = riverSpotMap(5);
    m["board"] = "Ks";
    c->startSolveWithConfig(m);  // not ready: the result stays
    QCOMPARE(c->treeNodeCount(), 3);
    QCOMPARE(c->getResultIterations(), 40);
    Access::setRequired(*c, 7 * kGiB);
    system->available = kGiB;
    c->startSolveWithConfig(riverSpotMap(5));  // no room: already released
    QCOMPARE(c->treeNodeCount(), 0);
    QCOMPARE(c->getResultIterations(), 0);
    QVERIFY(c->getResultsSummary().isEmpty());
  }

  void smallMemoryRefusesTheStart() {
    auto c = make();
    Access::setRequired(*c, 6 * kGiB);
    system->available = 6 * kGiB;  // equal is not enough
    c->startSolveWithConfig(riverSpotMap(5));
    QCOMPARE(c->getStatusText(),
             QStringLiteral("Not enough RAM to solve (after clearing previous results)"));
    QVERIFY(!c->getRunning());
    QVERIFY(system->releases.load() >= 1);  // freed memory was handed back first

    // An estimate that could not measure the spot: no check.
    Access::setRequired(*c, 0);
    c->startSolveWithConfig(riverSpotMap(5));
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
  }

  // What the previous result held counts once, whether or not its memory
  // is already back when the start reads the system again: 2 GiB free and
  // a 4 GiB result make 6 GiB, never 10.
  void theReleasedResultCountsOnce() {
    for (const std::uint64_t freedAtOnce : {std::uint64_t{0}, 4 * kGiB}) {
      for (const std::uint64_t required : {7 * kGiB, 5 * kGiB}) {
        auto c = make();
        system->available = 2 * kGiB;
        system->freedOnRelease = freedAtOnce;
        Access::setReclaimable(*c, 4 * kGiB);
        Access::setRequired(*c, required);
        c->startSolveWithConfig(riverSpotMap(5));
        const bool started = c->getRunning();
        QVERIFY(waitIdle(*c));
        QCOMPARE(started, required < 6 * kGiB);
        if (!started)
          QCOMPARE(c->getStatusText(),
                   QStringLiteral("Not enough RAM to solve (after clearing previous results)"));
      }
    }
  }

  void estimateGatesTheStartThroughTheRealEstimate() {
    auto c = make();
    QSignalSpy changed(c.get(), &AppController::solveRequiredMemoryChanged);
    c->requestSolveMemoryEstimate(riverSpotMap(5));
    QVERIFY(changed.wait(30000));
    QVERIFY(c->getSolveRequiredMemoryBytes() > 0);
    system->available = c->getSolveRequiredMemoryBytes() / 2;
    c->startSolveWithConfig(riverSpotMap(5));
    QCOMPARE(c->getStatusText(),
             QStringLiteral("Not enough RAM to solve (after clearing previous results)"));
    // The estimate survives clearing.
    c->clearResults();
    QVERIFY(c->getSolveRequiredMemoryBytes() > 0);
  }

  // A start trusts the published estimate only for the spot it was made
  // for; for any other spot it measures the spot itself. The figure below
  // is far under the spot's real need, which the free memory cannot hold.
  void aStartTrustsOnlyTheEstimateOfItsOwnSpot_data() {
    QTest::addColumn<QVariantMap>("started");
    QTest::addColumn<bool>("starts");
    QVariantMap sameSpot = riverSpotMap(5);
    sameSpot["max_iterations"] = 7;
    sameSpot["thread_count"] = 2;
    sameSpot["target_exploitability"] = 0.5;
    QVariantMap otherBoard = riverSpotMap(5);
    otherBoard["board"] = "Ks 7d 2c 5h 8s";
    QVariantMap otherSizes = riverSpotMap(5);
    otherSizes["ip_river_bet_sizes"] = "33, 75, 150";
    QTest::newRow("the estimated spot") << riverSpotMap(5) << true;
    QTest::newRow("only limit, target and threads differ") << sameSpot << true;
    QTest::newRow("another board") << otherBoard << false;
    QTest::newRow("other sizes") << otherSizes << false;
  }
  void aStartTrustsOnlyTheEstimateOfItsOwnSpot() {
    QFETCH(QVariantMap, started);
    QFETCH(bool, starts);
    auto c = make();
    Access::setRequired(*c, 1024, riverSpotMap(5));
    system->available = 1 << 20;  // the river spot needs a few megabytes
    c->startSolveWithConfig(started);
    QCOMPARE(c->getRunning(), starts);
    if (!starts)
      QCOMPARE(c->getStatusText(),
               QStringLiteral("Not enough RAM to solve (after clearing previous results)"));
    QVERIFY(waitIdle(*c));
  }

  // A count given as text is read as the page would read it, and the
  // solve runs exactly that many iterations; a run of none measured no
  // exploitability, and its summary says so rather than showing a 0.
  void countsAsTextAndARunOfNoIteration_data() {
    QTest::addColumn<QVariant>("iterations");
    QTest::addColumn<int>("ran");
    QTest::addColumn<QString>("exploitability");
    QTest::newRow("40.0") << QVariant("40.0") << 40 << "";
    QTest::newRow("40,0") << QVariant(" 40,0 ") << 40 << "";
    QTest::newRow("none") << QVariant(0) << 0 << QString(QChar(0x2014));
  }
  void countsAsTextAndARunOfNoIteration() {
    QFETCH(QVariant, iterations);
    QFETCH(int, ran);
    QFETCH(QString, exploitability);
    auto c = make();
    QVariantMap m = riverSpotMap(5);
    m["max_iterations"] = iterations;
    c->startSolveWithConfig(m);
    QVERIFY2(c->getRunning(), qPrintable(c->getStatusText()));
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getStatusText(), QStringLiteral("Done"));
    QCOMPARE(c->getResultIterations(), ran);
    const QString summary = c->getResultsSummary();
    QVERIFY2(summary.contains(QStringLiteral("iters %1 |").arg(ran)), qPrintable(summary));
    if (!exploitability.isEmpty()) {
      QVERIFY2(
          summary.contains(QStringLiteral("expl\u2248") + exploitability + QStringLiteral(" |")),
          qPrintable(summary));
    }
  }

  void twoQuickEstimatesPublishOnlyTheSecond() {
    auto c = make();
    QSignalSpy changed(c.get(), &AppController::solveRequiredMemoryChanged);
    QVariantMap slow = wideFlopSpotMap(5);
    const QVariantMap fast = riverSpotMap(5);
    c->requestSolveMemoryEstimate(slow);
    c->requestSolveMemoryEstimate(fast);
    QVERIFY(changed.wait(60000));
    // Counted for the most threads a solve may use, whatever the map asks.
    const auto counted =
        halvory_app::estimate_solve_memory(halvory_app::buildSolveConfigFromMap(fast, 4));
    QVERIFY(counted.has_value());
    const auto expected = halvory_app::with_solve_threads(
        *counted, static_cast<std::uint64_t>(c->getSystemThreadCount()));
    const std::uint64_t bytes = AppController::requiredMemoryBytes(expected);
    // The session's estimate and what holding the result costs the controller.
    QCOMPARE(
        bytes,
        halvory_app::peak_with_reads(
            expected, (std::uint64_t{4} << 20) + (expected.oop_hands + expected.ip_hands) * 18432 +
                          halvory_app::browse_budget_bytes(expected.oop_hands, expected.ip_hands)));
    QCOMPARE(c->getSolveRequiredMemoryBytes(), bytes);
    QCOMPARE(c->getSolveRequiredMemoryText(), halvory_app::formatGigabytes(bytes));
    QTest::qWait(300);
    QCOMPARE(changed.count(), 1);

    // A stale answer arriving late is dropped; an equal one emits nothing.
    const std::uint64_t g = Access::generation(*c);
    Access::acceptEstimate(*c, g - 1, 123, QStringLiteral("stale"));
    Access::acceptEstimate(*c, g, bytes, halvory_app::formatGigabytes(bytes));
    QCOMPARE(changed.count(), 1);
    Access::acceptEstimate(*c, g, 5 * kGiB, halvory_app::formatGigabytes(5 * kGiB));
    QCOMPARE(c->getSolveRequiredMemoryText(), QStringLiteral("5.0 GB"));
    QCOMPARE(changed.count(), 2);
  }

  void estimateOfABadSpotIsZeroAndDash() {
    auto c = make();
    QSignalSpy changed(c.get(), &AppController::solveRequiredMemoryChanged);
    c->requestSolveMemoryEstimate(riverSpotMap(5));
    QVERIFY(changed.wait(30000));
    QVariantMap bad = riverSpotMap(5);
    bad["board"] = "";
    c->requestSolveMemoryEstimate(bad);
    QVERIFY(changed.wait(30000));
    QCOMPARE(c->getSolveRequiredMemoryBytes(), 0ull);
    QCOMPARE(c->getSolveRequiredMemoryText(), QString(QChar(0x2014)));
  }

  void reclaimableFollowsTheSolvesEstimate() {
    auto c = make();
    QSignalSpy changed(c.get(), &AppController::solveRequiredMemoryChanged);
    c->requestSolveMemoryEstimate(riverSpotMap(5));
    QVERIFY(changed.wait(30000));
    const std::uint64_t need = c->getSolveRequiredMemoryBytes();
    c->startSolveWithConfig(riverSpotMap(5));
    QVERIFY(waitIdle(*c));
    QCOMPARE(c->getResultsReclaimableMemoryBytes(), need);
    c->clearResults();
    QCOMPARE(c->getResultsReclaimableMemoryBytes(), 0ull);
  }
};

QTEST_GUILESS_MAIN(AppControllerTest)
#include "app_controller_test.moc"
