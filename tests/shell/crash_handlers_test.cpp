// Crash reporting: child processes die in the ways a real crash would, and
// both log files must end with the FATAL line while the process still dies
// of the original cause.

#include "child_process.hpp"
#include "context/worker_threads.hpp"
#include "crash_handlers.hpp"
#include "logging.hpp"
#include "context/worker_pool.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <new>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

constexpr char kModeVariable[] = "PELLARIS_TEST_CRASH_MODE";

int recurseForever(volatile int* sink, long depth) {
  volatile char frame[512];
  frame[0] = static_cast<char>(depth);
  *sink = *sink + frame[0];
  if (depth < (1L << 40)) return recurseForever(sink, depth + 1) + frame[0];
  return 0;
}

// What the child does; each path must end the process.
int runCrashChild(const QByteArray& mode) {
  using namespace halvory_shell;
  setCrashLogPaths(QString::fromLocal8Bit(qgetenv("PELLARIS_TEST_APP_LOG")),
                   QString::fromLocal8Bit(qgetenv("PELLARIS_TEST_TEMP_LOG")));
  installCrashHandlers();

  if (mode == "raise-segv") raise(SIGSEGV);
  if (mode == "raise-fpe") raise(SIGFPE);
  if (mode == "raise-bus") raise(SIGBUS);
  if (mode == "raise-ill") raise(SIGILL);
  if (mode == "null-write") {
    // An unmapped page, but not null: the null check of UBSan would stop first.
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int*>(address) = 1;
  }
  if (mode == "stack-overflow") {
    volatile int sink = 0;
    return recurseForever(&sink, 0);
  }
  // Threads the engine starts after the handlers are installed.
  if (mode == "pool-stack-overflow") {
    halvory::WorkerPool pool(1);
    pool.submit([] {
      volatile int sink = 0;
      recurseForever(&sink, 0);
    });
    std::this_thread::sleep_for(std::chrono::seconds(30));
  }
  if (mode == "worker-stack-overflow") {
    halvory::run_worker_threads(2, [](std::size_t i, const std::atomic<bool>&) {
      volatile int sink = 0;
      if (i == 1) recurseForever(&sink, 0);
      std::this_thread::sleep_for(std::chrono::seconds(30));
    });
  }
  if (mode == "terminate") std::terminate();
  if (mode == "thread-throw") {
    std::thread worker([] { throw std::runtime_error("escaped"); });
    worker.join();
  }
  if (mode == "new-handler") {
    // The failed allocation is the caller's to catch; the process goes on.
    try {
      std::get_new_handler()();
    } catch (const std::bad_alloc&) {
      return 0;
    }
  }
  if (mode == "qfatal") {
    int argc = 1;
    char name[] = "child";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    auto appFile = openLogFile(appDirLogPath());
    auto tempFile = openLogFile(tempDirLogPath());
    setLogDevices({appFile.get(), tempFile.get()});
    qInstallMessageHandler(logMessageHandler);
    qFatal("engine state corrupt");
  }
  return 3;  // not reached when the handlers work
}

}  // namespace

class CrashHandlersTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  ChildResult crash(const QByteArray& mode, const EnvList& extra = {}) {
    EnvList env{{kModeVariable, mode},
                {"PELLARIS_TEST_APP_LOG", QFile::encodeName(appLog())},
                {"PELLARIS_TEST_TEMP_LOG", QFile::encodeName(tempLog())}};
    env += extra;
    return runSelf(env, dir_.filePath(QStringLiteral("child.out")));
  }

 public:
  QString appLog() const { return dir_.filePath(QStringLiteral("app/pellaris.log")); }
  QString tempLog() const { return dir_.filePath(QStringLiteral("tmp/pellaris.log")); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("app")));
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("tmp")));
  }

  void init() {
    QFile::remove(appLog());
    QFile::remove(tempLog());
  }

  void fatalSignalIsLoggedAndReRaised_data() {
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<int>("signal");
    QTest::newRow("raise SIGSEGV") << QByteArray("raise-segv") << int(SIGSEGV);
    QTest::newRow("null write") << QByteArray("null-write") << int(SIGSEGV);
    QTest::newRow("stack overflow") << QByteArray("stack-overflow") << int(SIGSEGV);
    QTest::newRow("stack overflow on a pool thread")
        << QByteArray("pool-stack-overflow") << int(SIGSEGV);
    QTest::newRow("stack overflow on a worker thread")
        << QByteArray("worker-stack-overflow") << int(SIGSEGV);
    QTest::newRow("SIGFPE") << QByteArray("raise-fpe") << int(SIGFPE);
    QTest::newRow("SIGBUS") << QByteArray("raise-bus") << int(SIGBUS);
    QTest::newRow("SIGILL") << QByteArray("raise-ill") << int(SIGILL);
  }

  void fatalSignalIsLoggedAndReRaised() {
    QFETCH(QByteArray, mode);
    QFETCH(int, signal);
    const ChildResult result = crash(mode);
    QCOMPARE(result.signal, signal);
    const QByteArray expected = "FATAL: C signal received sig=" + QByteArray::number(signal) + '\n';
    QCOMPARE(readAll(appLog()), expected);
    QCOMPARE(readAll(tempLog()), expected);
  }

  void terminateIsLoggedThenAborts_data() {
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("std::terminate")
        << QByteArray("terminate") << QByteArray("FATAL: std::terminate() called");
    QTest::newRow("exception escapes a thread")
        << QByteArray("thread-throw") << QByteArray("FATAL: std::terminate() called");
    QTest::newRow("qFatal") << QByteArray("qfatal") << QByteArray("[FATAL] engine state corrupt");
  }

  void terminateIsLoggedThenAborts() {
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, line);
    const ChildResult result = crash(mode);
    QCOMPARE(result.signal, int(SIGABRT));
    for (const QString& path : {appLog(), tempLog()}) {
      const QList<QByteArray> lines = readLines(path);
      QCOMPARE(lines.size(), 2);
      QVERIFY2(lines[0].endsWith(line), lines[0].constData());
      // abort() raises SIGABRT, which the signal handler reports as well.
      QCOMPARE(lines[1], QByteArray("FATAL: C signal received sig=6"));
    }
  }

  void outOfMemoryIsLoggedAndLeftToTheCaller() {
    const ChildResult result = crash("new-handler");
    QVERIFY2(result.exited, result.output.constData());
    QCOMPARE(result.exitCode, 0);
    for (const QString& path : {appLog(), tempLog()})
      QCOMPARE(readLines(path),
               QList<QByteArray>{"FATAL: std::new_handler invoked (out of memory)"});
  }

  void missingLogFolderStillDies() {
    const ChildResult result = crash(
        "raise-segv", {{"PELLARIS_TEST_APP_LOG", QFile::encodeName(dir_.filePath("none/x.log"))},
                       {"PELLARIS_TEST_TEMP_LOG", ""}});
    QCOMPARE(result.signal, int(SIGSEGV));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("none"))));
  }
};

int main(int argc, char** argv) {
  const QByteArray mode = qgetenv(kModeVariable);
  if (!mode.isEmpty()) return runCrashChild(mode);
  QCoreApplication app(argc, argv);
  CrashHandlersTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "crash_handlers_test.moc"
