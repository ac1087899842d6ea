// Settings writes when one allocation fails inside them, malloc's as well
// as operator new's: a page's write is answered as kept exactly when the
// file holds the new value afterwards; a refused write of the statistics,
// logged to the log files as at start-up while the memory is short, never
// ends the program, and the next write and log line work.
//
// The hook fails only allocations of the thread that armed it. malloc is
// replaced only where no sanitizer replaces it already.

#include "controller/guarded_call.hpp"
#include "controller/settings_file.hpp"
#include "controller/settings_store.hpp"
#include "controller/user_statistics.hpp"
#include "logging.hpp"
#include "settings_section.hpp"
#include "support/failing_allocations.hpp"
#include "support/file_bytes.hpp"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define HOOK_MALLOC 0
#else
#define HOOK_MALLOC 1
#endif

using failing_allocations::allocationsOf;
using failing_allocations::arm;
using failing_allocations::disarm;
using halvory_app::SettingsFile;

using file_bytes::bytesOf;
using file_bytes::plant;

namespace {

// An allocation of the arming thread; under malloc, those of operator new
// are malloc's own.
bool watched() noexcept {
  return failing_allocations::onArmingThread() && failing_allocations::armed() &&
         !failing_allocations::insideArrayNew();
}

}  // namespace

bool failing_allocations::failThisAllocation(const void*) noexcept {
  return !HOOK_MALLOC && watched() && countThisAllocation();
}

#if HOOK_MALLOC
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);

void* malloc(size_t size) {
  if (watched() && failing_allocations::countThisAllocation()) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  if (watched() && failing_allocations::countThisAllocation()) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_calloc(count, size);
}
void* realloc(void* block, size_t size) {
  if (size != 0 && watched() && failing_allocations::countThisAllocation()) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_realloc(block, size);
}
}
#endif

class StoreFailuresTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString logPath_;
  std::unique_ptr<QFile> log_;
  QtMessageHandler testOutput_ = nullptr;

 private slots:
  // Messages go to a log file through the program's own handler, as at
  // start-up with logging on.
  void initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    QCoreApplication::setOrganizationName(QStringLiteral("PellarisTest"));
    QCoreApplication::setApplicationName(QStringLiteral("StoreFailures"));
    logPath_ = dir_.filePath(QStringLiteral("pellaris.log"));
    log_ = halvory_shell::openLogFile(logPath_);
    QVERIFY(log_ != nullptr);
    halvory_shell::setLogDevices({log_.get()});
    testOutput_ = qInstallMessageHandler(halvory_shell::logMessageHandler);
  }

  void cleanupTestCase() {
    qInstallMessageHandler(testOutput_);
    halvory_shell::clearLogDevices();
  }

  // Each allocation of a page's write fails in turn: whatever the answer,
  // it agrees with the file: kept ("") with the new value on disk, refused
  // with the old one.
  void keptExactlyWhenTheFileHoldsIt_data() {
    QTest::addColumn<bool>("ifUnchanged");
    QTest::newRow("write") << false;
    QTest::newRow("writeIfUnchanged") << true;
  }

  void keptExactlyWhenTheFileHoldsIt() {
    QFETCH(bool, ifUnchanged);
    // The section writes the application's file: the test's own folder.
    const QString path = SettingsFile().path();
    QVERIFY(path.startsWith(dir_.path()));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QByteArray before = "[ranges]\nlist=a|b\n[ui]\ndarkMode=true\nname=old-value\n";
    SettingsSection section;
    section.setCategory(QStringLiteral("ui"));
    const QVariantMap changes{{QStringLiteral("name"), QStringLiteral("new-value")}};
    const QVariantMap expected{{QStringLiteral("name"), QStringLiteral("old-value")}};
    QVariant answer;
    const auto call = [&] {
      answer = ifUnchanged ? QVariant(section.writeIfUnchanged(expected, changes))
                           : QVariant(section.write(changes));
    };
    const auto error = [&] {
      return ifUnchanged ? answer.toMap().value(QStringLiteral("error")).toString()
                         : answer.toString();
    };
    const auto preparePath = [&] {
      QVERIFY(plant(path, before));
      SettingsFile::forgetAll();
    };
    preparePath();
    const long count = allocationsOf(call);
    QVERIFY(count > 0);
    int refused = 0;
    for (long at = 0; at < count; ++at) {
      preparePath();
      answer.clear();
      arm(at);
      call();
      disarm();
      const QString said = error();
      const bool onDisk = bytesOf(path).contains("name=new-value");
      refused += said.isEmpty() ? 0 : 1;
      QVERIFY2(said.isEmpty() == onDisk,
               qPrintable(QStringLiteral("allocation %1 of %2: answered \"%3\", %4 on disk")
                              .arg(at)
                              .arg(count)
                              .arg(said, onDisk ? "the new value" : "the old value")));
    }
    qInfo("%ld allocations failed in turn, %d answered as refused", count, refused);
    // And then a write works as ever.
    preparePath();
    call();
    QCOMPARE(error(), QString());
    QVERIFY(bytesOf(path).contains("name=new-value"));
  }

  // A counted hand and a counted solve on a full disk, logged to the log
  // files as at start-up: each allocation fails in turn, the call returns
  // (the controller guards it as below), and afterwards both the count and
  // the log work.
  void refusedWriteLoggedWhileMemoryIsShort_data() {
    QTest::addColumn<bool>("solve");
    QTest::newRow("counted hand") << false;
    QTest::newRow("counted solve") << true;
  }

  void refusedWriteLoggedWhileMemoryIsShort() {
    QFETCH(bool, solve);
    const QString file = dir_.filePath(QStringLiteral("stats.conf"));
    const auto restore = qScopeGuard([] { SettingsFile::simulateNoSpace(false); });
    UserStatistics stats(halvory_app::makeSettingsStore(file), [] { return QDate(2024, 5, 15); });
    const auto count = [&] {
      halvory_app::guardedCall("record", [&] {
        if (solve)
          stats.recordSolveActivity(100, 0.5, 10);
        else
          stats.recordPlayHandDetailed(true, 0.25, 1.0, 1.25);
      });
    };
    SettingsFile::simulateNoSpace(true);
    const long allocations = allocationsOf(count);
    QVERIFY(allocations > 0);
    QVERIFY2(bytesOf(logPath_).contains("no space left"), "the refusal is logged");
    for (long at = 0; at < allocations; ++at) {
      arm(at);
      count();
      disarm();
    }
    qInfo("%ld allocations failed in turn", allocations);
    SettingsFile::simulateNoSpace(false);
    count();
    SettingsFile::forgetAll();
    if (solve)
      QCOMPARE(stats.solvesToday(), 1);
    else
      QCOMPARE(stats.loadPlayVsSolutionHistory().size(), 1);
    qWarning("after the sweep");
    QVERIFY(bytesOf(logPath_).endsWith("[WARN] after the sweep\n"));
  }
};

QTEST_GUILESS_MAIN(StoreFailuresTest)
#include "store_failures_test.moc"
