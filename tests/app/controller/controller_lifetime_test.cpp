// Destroying the controller while its threads still work: the session waits
// for the solve, the estimate threads are waited for, and nothing they post
// reaches the destroyed object.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller_test_support.hpp"

namespace {

// Lets any call still queued for a destroyed controller run (it must not).
void drainEvents() {
  for (int i = 0; i < 20; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QTest::qWait(5);
  }
}

}  // namespace

class ControllerLifetimeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
  }

  void destroyMidSolve() {
    auto info = std::make_shared<FakeSystemInfo>();
    auto* controller = new AppController(info);
    controller->startSolveWithConfig(riverSpotMap(kEndlessIterations));
    QVERIFY(controller->getRunning());
    QTRY_VERIFY_WITH_TIMEOUT(controller->getStatusText().startsWith(QStringLiteral("Iter")), 60000);
    delete controller;
    drainEvents();
  }

  void destroyRightAfterTheStart() {
    // The solve thread is still building the game when the owner goes.
    auto* controller = new AppController(std::make_shared<FakeSystemInfo>());
    controller->startSolveWithConfig(wideFlopSpotMap(1000000));
    QVERIFY(controller->getRunning());
    delete controller;
    drainEvents();
  }

  void destroyMidEstimate() {
    auto* controller = new AppController(std::make_shared<FakeSystemInfo>());
    for (int i = 0; i < 3; ++i) controller->requestSolveMemoryEstimate(wideFlopSpotMap(5));
    controller->requestSolveMemoryEstimate(riverSpotMap(5));
    delete controller;
    drainEvents();
  }

  void destroyWithQueuedReports() {
    // Reports posted while the GUI thread is busy are still queued when
    // the controller goes.
    auto* controller = new AppController(std::make_shared<FakeSystemInfo>());
    controller->startSolveWithConfig(riverSpotMap(200));
    controller->requestSolveMemoryEstimate(riverSpotMap(5));
    QThread::msleep(300);  // no event processing: everything queues up
    delete controller;
    drainEvents();
  }

  void manyEstimatesAreReaped() {
    AppController controller(std::make_shared<FakeSystemInfo>());
    QSignalSpy changed(&controller, &AppController::solveRequiredMemoryChanged);
    for (int i = 0; i < 30; ++i) {
      controller.requestSolveMemoryEstimate(riverSpotMap(5));
      QTest::qWait(2);
    }
    QVERIFY(changed.wait(30000) || changed.count() > 0);
    QVERIFY(controller.getSolveRequiredMemoryBytes() > 0);
  }
};

QTEST_GUILESS_MAIN(ControllerLifetimeTest)
#include "controller_lifetime_test.moc"
