// A start requested while an abandoned solve is still ending, driven through
// a scripted session: each step happens when the test says, so every order
// of events is checked without racing a real solve.

#include <memory>

#include <QLoggingCategory>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller_test_support.hpp"
#include "scripted_session.hpp"

using halvory_app::SolveProgress;

namespace {

SolveProgress cancelledReport() {
  halvory_app::ResultSnapshot failed;
  failed.error = "Cancelled";
  return SolveProgress{0.0, "Cancelled", failed};
}

SolveProgress doneReport(std::uint32_t iterations) {
  halvory_app::ResultSnapshot done;
  done.ok = true;
  done.board = "Ks7d2c5h9s";
  done.iterations = iterations;
  return SolveProgress{1.0, "Done", done};
}

const QString kWaiting = QStringLiteral("Waiting for the previous solve to stop...");

}  // namespace

class WaitingStartTest : public QObject {
  Q_OBJECT

  ScriptedSession* session = nullptr;
  std::unique_ptr<AppController> controller;

  // A solve of 1000 iterations is running; the results are then cleared,
  // which abandons it, and a solve of 5 iterations is asked for while the
  // abandoned one has not yet ended.
  void startWhileTheAbandonedSolveEnds() {
    controller->startSolveWithConfig(riverSpotMap(1000));
    QCOMPARE(session->starts.size(), std::size_t{1});
    controller->clearResults();
    QVERIFY(!controller->getRunning());
    controller->startSolveWithConfig(riverSpotMap(5));
  }

 private slots:
  void initTestCase() {
    isolateSettings();
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
  }

  void init() {
    auto scripted = std::make_unique<ScriptedSession>();
    session = scripted.get();
    controller = std::make_unique<AppController>(std::make_shared<FakeSystemInfo>(), nullptr,
                                                 std::move(scripted));
  }
  void cleanup() {
    controller.reset();
    session = nullptr;
  }

  void theWaitingStartRunsWhenTheAbandonedSolveEnds() {
    startWhileTheAbandonedSolveEnds();
    // Kept, not handed to the busy session: running, and saying why
    // nothing moves.
    QCOMPARE(session->starts.size(), std::size_t{1});
    QCOMPARE(session->refusedStarts, 0);
    QVERIFY(controller->getRunning());
    QCOMPARE(controller->getStatusText(), kWaiting);

    // The abandoned solve's final report shows nothing of it, and starts
    // the waiting request, with its own iterations.
    session->finish(0, cancelledReport());
    QCOMPARE(session->starts.size(), std::size_t{2});
    QCOMPARE(session->starts[1].request.max_iterations, 5u);
    QVERIFY(controller->getRunning());
    QVERIFY(controller->getResultsSummary().isEmpty());

    session->finish(1, doneReport(5));
    QVERIFY(!controller->getRunning());
    QCOMPARE(controller->getStatusText(), QStringLiteral("Done"));
    QCOMPARE(controller->getResultIterations(), 5);
  }

  // Whatever drops the waiting request, the abandoned solve's end starts
  // nothing and leaves the words the user last saw.
  void aDroppedWaitingStartNeverRuns_data() {
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("status");
    QTest::newRow("cancel") << true << QStringLiteral("Cancelled");
    QTest::newRow("clear") << false << QStringLiteral("Ready");
  }
  void aDroppedWaitingStartNeverRuns() {
    QFETCH(bool, cancel);
    QFETCH(QString, status);
    startWhileTheAbandonedSolveEnds();
    QCOMPARE(controller->getStatusText(), kWaiting);
    if (cancel)
      controller->cancelSolve();
    else
      controller->clearResults();
    QVERIFY(!controller->getRunning());
    QCOMPARE(controller->getStatusText(), status);

    session->finish(0, cancelledReport());
    QCOMPARE(session->starts.size(), std::size_t{1});
    QVERIFY(!controller->getRunning());
    QCOMPARE(controller->getStatusText(), status);
    QVERIFY(controller->getResultsSummary().isEmpty());
  }

  // The waiting request finds no thread when its turn comes: nothing runs,
  // so the running state ends with the error.
  void aWaitingStartWithoutAThreadEndsRunning() {
    startWhileTheAbandonedSolveEnds();
    session->failNextStart = true;
    session->finish(0, cancelledReport());
    QCOMPARE(session->starts.size(), std::size_t{1});
    QVERIFY(!controller->getRunning());
    QVERIFY2(controller->getStatusText().startsWith(QStringLiteral("Error: ")),
             qPrintable(controller->getStatusText()));
  }

  // A second start while our own solve runs is ignored: the session is
  // never asked and the solve is not abandoned.
  void aStartWhileOurSolveRunsIsIgnored() {
    controller->startSolveWithConfig(riverSpotMap(1000));
    controller->startSolveWithConfig(riverSpotMap(5));
    QCOMPARE(session->refusedStarts, 0);
    QCOMPARE(session->cancels, 0);
    session->finish(0, doneReport(1000));
    QCOMPARE(controller->getResultIterations(), 1000);
    QVERIFY(!controller->getRunning());
  }
};

QTEST_GUILESS_MAIN(WaitingStartTest)
#include "waiting_start_test.moc"
