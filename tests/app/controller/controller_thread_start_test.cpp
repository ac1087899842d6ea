// Kept in a program of its own: threads that ran before leave cached stacks,
// which let a new thread start even when no address space is left.

#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller_test_support.hpp"

namespace {

std::uint64_t virtualSizeBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
  }
  return 0;
}

// Runs `body` with room for small allocations but none for a thread stack.
template <typename Body>
bool withoutRoomForThreads(Body body) {
  rlimit original{};
  if (getrlimit(RLIMIT_AS, &original) != 0) return false;
  rlimit tight = original;
  tight.rlim_cur = virtualSizeBytes() + (4u << 20);
  if (setrlimit(RLIMIT_AS, &tight) != 0) return false;
  body();
  return setrlimit(RLIMIT_AS, &original) == 0;
}

}  // namespace

class ControllerThreadStartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    isolateSettings();
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
  }

  void failedThreadStartsBecomeStatusAndEmptyAnswers() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("sanitizers reserve address space of their own");
#else
    auto info = std::make_shared<FakeSystemInfo>();
    AppController controller(info);
    QSignalSpy estimates(&controller, &AppController::solveRequiredMemoryChanged);
    const QVariantMap spot = riverSpotMap(5);
    QVERIFY(withoutRoomForThreads([&] {
      controller.startSolveWithConfig(spot);
      controller.requestSolveMemoryEstimate(spot);
    }));
    QVERIFY(!controller.getRunning());
    QVERIFY2(controller.getStatusText().startsWith(QStringLiteral("Error: ")),
             qPrintable(controller.getStatusText()));
    QCOMPARE(controller.getSolveRequiredMemoryBytes(), 0ull);

    // Both work again once threads can start.
    controller.requestSolveMemoryEstimate(spot);
    QVERIFY(estimates.wait(30000));
    QVERIFY(controller.getSolveRequiredMemoryBytes() > 0);
    controller.startSolveWithConfig(spot);
    QVERIFY(controller.getRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!controller.getRunning(), 60000);
    QCOMPARE(controller.getStatusText(), QStringLiteral("Done"));
#endif
  }
};

QTEST_GUILESS_MAIN(ControllerThreadStartTest)
#include "controller_thread_start_test.moc"
