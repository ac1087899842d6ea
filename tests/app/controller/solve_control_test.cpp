// The solve control on its own, over a scripted session and hooks that
// record what the control asks of the rest of the controller.

#include <memory>

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include "controller/solve_config_map.hpp"
#include "controller/solve_control.hpp"
#include "controller_test_support.hpp"
#include "scripted_session.hpp"

using halvory_app::ResultSnapshot;
using halvory_app::SolveProgress;

namespace {

constexpr quint64 kGiB = quint64{1} << 30;

// The rest of the controller as the solve control sees it.
struct Host {
  std::uint64_t availableBefore = 8 * kGiB;
  std::uint64_t heldBytes = 0;
  std::uint64_t availableAfter = 8 * kGiB;
  int releases = 0;
  int readings = 0;
  QList<int> shownIterations;
  int dropped = 0;

  SolveControl::Hooks hooks() {
    SolveControl::Hooks out;
    out.requestOf = [](const QVariantMap& cfg) {
      return halvory_app::buildSolveConfigFromMap(cfg, 4);
    };
    out.releaseResults = [this] {
      ++releases;
      return heldBytes;
    };
    out.availableMemory = [this] { return readings++ == 0 ? availableBefore : availableAfter; };
    out.showResult = [this](ResultSnapshot& snapshot, std::int64_t) {
      shownIterations << static_cast<int>(snapshot.iterations);
    };
    out.dropResult = [this](ResultSnapshot&) { ++dropped; };
    return out;
  }
};

SolveProgress finalReport(std::uint32_t iterations, bool withRows) {
  ResultSnapshot result;
  result.ok = true;
  result.iterations = iterations;
  if (withRows) result.tree_node_meta.resize(3);
  return SolveProgress{1.0, "Done", result};
}

}  // namespace

class SolveControlTest : public QObject {
  Q_OBJECT

  Host host;
  ScriptedSession* session = nullptr;
  std::unique_ptr<SolveControl> control;

  void make() {
    host = Host{};
    auto scripted = std::make_unique<ScriptedSession>();
    session = scripted.get();
    control = std::make_unique<SolveControl>(std::move(scripted), host.hooks());
  }

 private slots:
  void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.info=false")); }
  void cleanup() { control.reset(); }

  // A spot that cannot be solved is refused before the held result is
  // released, so the user keeps it.
  void aRefusedSpotKeepsTheHeldResult() {
    make();
    QVariantMap cfg = riverSpotMap(5);
    cfg.insert(QStringLiteral("board"), QStringLiteral("Ks"));
    control->start(cfg);
    QCOMPARE(host.releases, 0);
    QVERIFY(session->starts.empty());
    QVERIFY(!control->running());
    QVERIFY(!control->statusText().isEmpty());
    QCOMPARE(control->lastConfig(), cfg);
  }

  // A spot whose estimate fails would fail in the solve thread too: the
  // start is refused with the estimate's reason, whether the estimate was
  // published for the spot or is made at the start, and the held result
  // stays.
  void aSpotItsEstimateRefusesIsNotStarted_data() {
    QTest::addColumn<bool>("published");
    QTest::newRow("published estimate") << true;
    QTest::newRow("measured at the start") << false;
  }
  void aSpotItsEstimateRefusesIsNotStarted() {
    QFETCH(bool, published);
    make();
    QVariantMap cfg = sizingKeys(QStringLiteral("10, 20, 30, 40, 50, 60, 70, 80, 90, 100"),
                                 QStringLiteral("50, 100, 150, 200, 250, 300"));
    const QVariantMap spot = wideFlopSpotMap(5);
    for (auto it = spot.cbegin(); it != spot.cend(); ++it)
      if (!cfg.contains(it.key())) cfg.insert(it.key(), it.value());
    cfg.insert(QStringLiteral("effective_stack"), 20000);
    if (published) {
      QSignalSpy answered(control.get(), &SolveControl::memoryEstimated);
      control->requestMemoryEstimate(cfg);
      QVERIFY(answered.wait(60000));
      QVERIFY(!control->estimateError().isEmpty());
    }
    control->start(cfg);
    const QString status = control->statusText();
    QVERIFY2(status.startsWith(QStringLiteral("Not ready: Betting tree too large")),
             qPrintable(status));
    QCOMPARE(host.releases, 0);
    QVERIFY(session->starts.empty());
    QVERIFY(!control->running());
  }

  // A cancel with nothing running says nothing: finished results keep
  // their status.
  void anIdleCancelChangesNothing() {
    make();
    control->setStatus([] { return QStringLiteral("Done"); });
    QSignalSpy changed(control.get(), &SolveControl::statusTextChanged);
    control->cancel();
    QCOMPARE(control->statusText(), QStringLiteral("Done"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!control->running());
  }

  // The room a start sees: the reading before the release plus what the
  // released result held, or the reading after it when that is larger;
  // no check without a reading or an estimate. Equal is not enough.
  void theRoomForAStart_data() {
    QTest::addColumn<quint64>("before");
    QTest::addColumn<quint64>("held");
    QTest::addColumn<quint64>("after");
    QTest::addColumn<quint64>("required");
    QTest::addColumn<bool>("starts");
    QTest::newRow("held counts once") << 2 * kGiB << 4 * kGiB << 6 * kGiB << 6 * kGiB << false;
    QTest::newRow("held makes room") << 2 * kGiB << 4 * kGiB << 2 * kGiB << 5 * kGiB << true;
    QTest::newRow("later reading") << 2 * kGiB << 0 * kGiB << 7 * kGiB << 6 * kGiB << true;
    QTest::newRow("no reading") << 0 * kGiB << 0 * kGiB << 1 * kGiB << 6 * kGiB << true;
    QTest::newRow("no estimate") << kGiB << 0 * kGiB << kGiB << 0 * kGiB << true;
  }
  void theRoomForAStart() {
    QFETCH(quint64, before);
    QFETCH(quint64, held);
    QFETCH(quint64, after);
    QFETCH(quint64, required);
    QFETCH(bool, starts);
    make();
    host.availableBefore = before;
    host.heldBytes = held;
    host.availableAfter = after;
    control->acceptMemoryEstimate(control->estimateNumber(), required, QStringLiteral("x"),
                                  QString(),
                                  halvory_app::buildSolveConfigFromMap(riverSpotMap(5), 1));
    control->start(riverSpotMap(5));
    QCOMPARE(host.releases, 1);
    QCOMPARE(session->starts.size(), std::size_t{starts ? 1u : 0u});
    QCOMPARE(control->running(), starts);
    // Without a figure for the spot, the start measures it itself.
    if (required == 0)
      QVERIFY(control->startRequiredMemoryBytes() > 0);
    else
      QCOMPARE(control->startRequiredMemoryBytes(), required);
    if (!starts)
      QCOMPARE(control->statusText(),
               QStringLiteral("Not enough RAM to solve (after clearing previous results)"));
  }

  // Reports that pile up before the GUI thread gets to them are shown as
  // the newest alone; the final report, carrying the result, ends the
  // running state after the result is shown, and a report still waiting
  // for the pacing timer never follows it.
  void reportsAreCoalescedAndTheFinalOneEndsTheSolve() {
    make();
    control->start(riverSpotMap(5));
    QSignalSpy status(control.get(), &SolveControl::statusTextChanged);
    QSignalSpy running(control.get(), &SolveControl::runningChanged);
    for (const char* text : {"Iter 1", "Iter 2", "Iter 3"})
      session->starts[0].report(SolveProgress{0.1, text, std::nullopt});
    QCoreApplication::sendPostedEvents();
    QCOMPARE(status.count(), 1);
    QCOMPARE(control->statusText(), QStringLiteral("Iter 3"));
    QCOMPARE(control->progress(), 0.1);

    session->report(0, SolveProgress{0.5, "Iter 4", std::nullopt});  // waits for the pacer
    session->finish(0, finalReport(5, true));
    QCOMPARE(host.shownIterations, QList<int>{5});
    QCOMPARE(control->statusText(), QStringLiteral("Done"));
    QVERIFY(!control->running());
    QCOMPARE(running.count(), 1);
    QTest::qWait(100);  // the pacing timer, had anything been left for it
    QCOMPARE(control->statusText(), QStringLiteral("Done"));
    QCOMPARE(control->progress(), 1.0);
  }

  // An abandoned solve's reports change nothing shown; its result is
  // handed back to be freed only when it has rows.
  void anAbandonedSolveIsNeverShown() {
    for (const bool rows : {false, true}) {
      make();
      control->start(riverSpotMap(5));
      control->abandon();
      control->showIdle([] { return QStringLiteral("Ready"); });
      session->report(0, SolveProgress{0.4, "Iter 9", std::nullopt});
      session->finish(0, finalReport(5, rows));
      QVERIFY(host.shownIterations.isEmpty());
      QCOMPARE(host.dropped, rows ? 1 : 0);
      QCOMPARE(control->statusText(), QStringLiteral("Ready"));
      QCOMPARE(control->progress(), 0.0);
      QVERIFY(!control->running());
    }
  }
};

QTEST_GUILESS_MAIN(SolveControlTest)
#include "solve_control_test.moc"
