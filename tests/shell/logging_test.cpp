// Logging: the environment switch, the raw appender, the two log locations
// and the message handler's line format under concurrent writers.

#include "logging.hpp"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace halvory_shell;

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> readLines(const QString& path) {
  QList<QByteArray> lines = readAll(path).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

const QRegularExpression& lineFormat() {
  static const QRegularExpression format(
      QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}) "
                     "\\[(DEBUG|INFO|WARN|ERROR|FATAL)\\] (.*)$"));
  return format;
}

mode_t modeOf(const QString& path) {
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Installs the handler over the given files for one test and undoes it.
struct HandlerScope {
  QtMessageHandler previous;
  explicit HandlerScope(const QList<QIODevice*>& devices) {
    setLogDevices(devices);
    previous = qInstallMessageHandler(logMessageHandler);
  }
  ~HandlerScope() {
    qInstallMessageHandler(previous);
    clearLogDevices();
  }
};

}  // namespace

class LoggingTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString path(const QString& name) const { return dir_.filePath(name); }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void envFlagAcceptsOnlyTheFourWords_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Yes with blanks") << QByteArray(" Yes ") << true;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("on tab") << QByteArray("\ton\n") << true;
    QTest::newRow("2") << QByteArray("2") << false;
    QTest::newRow("enabled") << QByteArray("enabled") << false;
    QTest::newRow("y") << QByteArray("y") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("blanks") << QByteArray("   ") << false;
  }

  void envFlagAcceptsOnlyTheFourWords() {
    QFETCH(QByteArray, value);
    QFETCH(bool, enabled);
    qputenv("PELLARIS_TEST_FLAG", value);
    QCOMPARE(envFlagEnabled("PELLARIS_TEST_FLAG"), enabled);
    qunsetenv("PELLARIS_TEST_FLAG");
    QVERIFY(!envFlagEnabled("PELLARIS_TEST_FLAG"));
  }

  void appendAddsOneUtf8LineAndIsSilentOnFailure() {
    const QString file = path(QStringLiteral("append.log"));
    appendLineToFile(QStringLiteral("first"), file);
    appendLineToFile(QStringLiteral("zweite Zeile: Größe"), file);
    appendLineToFile(QStringLiteral("lost"), QString());
    appendLineToFile(QStringLiteral("lost"), path(QStringLiteral("missing/dir/x.log")));
    QCOMPARE(readAll(file), QByteArray("first\nzweite Zeile: Gr\xc3\xb6\xc3\x9f"
                                       "e\n"));
    QVERIFY(!QFile::exists(path(QStringLiteral("missing"))));
  }

  void crashLinesReachBothFiles() {
    const QString appLog = path(QStringLiteral("crash-app.log"));
    const QString tempLog = path(QStringLiteral("crash-temp.log"));
    setCrashLogPaths(appLog, tempLog);
    QCOMPARE(appDirLogPath(), appLog);
    QCOMPARE(tempDirLogPath(), tempLog);
    writeCrashLogLine(QStringLiteral("one"));
    writeCrashLogRaw("FATAL: two");
    QCOMPARE(readAll(appLog), QByteArray("one\nFATAL: two\n"));
    QCOMPARE(readAll(tempLog), QByteArray("one\nFATAL: two\n"));
    // An empty path switches that file off.
    setCrashLogPaths(QString(), tempLog);
    writeCrashLogLine(QStringLiteral("three"));
    QCOMPARE(readAll(appLog), QByteArray("one\nFATAL: two\n"));
    QCOMPARE(readLines(tempLog).last(), QByteArray("three"));
    setCrashLogPaths(QString(), QString());
  }

  void symbolicLinksAreNeverFollowed() {
    const QString target = path(QStringLiteral("victim.txt"));
    const QString link = path(QStringLiteral("link.log"));
    QFile victim(target);
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("keep");
    victim.close();
    QVERIFY(QFile::link(target, link));

    appendLineToFile(QStringLiteral("planted"), link);
    QVERIFY(!openLogFile(link));
    QCOMPARE(readAll(target), QByteArray("keep"));
  }

  void tempLogFolderIsPrivate() {
    const QString root = path(QStringLiteral("tmp-root"));
    QVERIFY(QDir().mkpath(root));
    const QString folder = root + QStringLiteral("/pellaris-") + QString::number(::geteuid());

    const QString log = tempDirLogFile(root);
    QCOMPARE(log, folder + QStringLiteral("/pellaris.log"));
    QCOMPARE(modeOf(folder), mode_t(0700));

    // A folder of ours left open to others is closed again.
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
    QCOMPARE(tempDirLogFile(root), log);
    QCOMPARE(modeOf(folder), mode_t(0700));

    const auto file = openLogFile(log);
    QVERIFY(file);
    QVERIFY(file->write("x\n") == 2);

    QVERIFY(tempDirLogFile(QString()).isEmpty());
  }

  void plantedTempFolderIsRefused() {
    const QString root = path(QStringLiteral("planted-root"));
    QVERIFY(QDir().mkpath(root));
    const QString folder = root + QStringLiteral("/pellaris-") + QString::number(::geteuid());
    // A symbolic link in place of the folder, pointing somewhere writable.
    QVERIFY(QDir().mkpath(path(QStringLiteral("elsewhere"))));
    QVERIFY(QFile::link(path(QStringLiteral("elsewhere")), folder));
    QVERIFY(tempDirLogFile(root).isEmpty());
    QVERIFY(QFile::remove(folder));
    // A plain file in its place.
    QFile plain(folder);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(tempDirLogFile(root).isEmpty());
    QVERIFY(QFile::remove(folder));
    // A folder that belongs to someone else (needs root to set up).
    if (::geteuid() == 0) {
      QVERIFY(QDir().mkdir(folder));
      QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
      QVERIFY(tempDirLogFile(root).isEmpty());
    }
  }

  void appLogNeedsAWritableFolder() {
    QCOMPARE(appDirLogFile(dir_.path()), dir_.path() + QStringLiteral("/pellaris.log"));
    QVERIFY(appDirLogFile(path(QStringLiteral("does-not-exist"))).isEmpty());
    QVERIFY(appDirLogFile(QString()).isEmpty());
    if (::geteuid() != 0) {
      const QString locked = path(QStringLiteral("locked"));
      QVERIFY(QDir().mkpath(locked));
      QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0500) == 0);
      QVERIFY(appDirLogFile(locked).isEmpty());
    }
  }

  void handlerWritesOneFormattedLinePerMessage() {
    auto first = openLogFile(path(QStringLiteral("handler-a.log")));
    auto second = openLogFile(path(QStringLiteral("handler-b.log")));
    QVERIFY(first && second);
    {
      HandlerScope scope({first.get(), second.get()});
      qDebug("d %d", 1);
      qInfo("i");
      qWarning("careful: \"quoted\" stays");
      qCritical("broken");
    }
    const QStringList levels{"DEBUG", "INFO", "WARN", "ERROR"};
    const QStringList texts{"d 1", "i", "careful: \"quoted\" stays", "broken"};
    for (const QString& file : {path("handler-a.log"), path("handler-b.log")}) {
      const QList<QByteArray> lines = readLines(file);
      QCOMPARE(lines.size(), 4);
      for (int i = 0; i < 4; ++i) {
        const auto match = lineFormat().match(QString::fromUtf8(lines[i]));
        QVERIFY2(match.hasMatch(), lines[i].constData());
        QCOMPARE(match.captured(2), levels[i]);
        QCOMPARE(match.captured(3), texts[i]);
      }
    }
  }

  void handlerWithoutDevicesFallsBackToCrashPaths() {
    const QString appLog = path(QStringLiteral("fallback-app.log"));
    const QString tempLog = path(QStringLiteral("fallback-temp.log"));
    setCrashLogPaths(appLog, tempLog);
    {
      HandlerScope scope({});
      qWarning("after shutdown");
    }
    setCrashLogPaths(QString(), QString());
    for (const QString& file : {appLog, tempLog}) {
      const QList<QByteArray> lines = readLines(file);
      QCOMPARE(lines.size(), 1);
      const auto match = lineFormat().match(QString::fromUtf8(lines[0]));
      QVERIFY(match.hasMatch());
      QCOMPARE(match.captured(3), QStringLiteral("after shutdown"));
    }
  }

  void linesOfManyThreadsNeverInterleave() {
    auto first = openLogFile(path(QStringLiteral("threads-a.log")));
    auto second = openLogFile(path(QStringLiteral("threads-b.log")));
    QVERIFY(first && second);
    constexpr int kThreads = 8;
    constexpr int kLines = 400;
    {
      HandlerScope scope({first.get(), second.get()});
      std::atomic<bool> go{false};
      std::vector<std::thread> threads;
      for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &go] {
          while (!go.load()) std::this_thread::yield();
          for (int n = 0; n < kLines; ++n) {
            // Lengths vary so a torn write would show as a broken line.
            qWarning("thread %d line %d %s", t, n, QByteArray(n % 97, char('a' + t)).constData());
          }
        });
      }
      go = true;
      for (auto& thread : threads) thread.join();
    }
    for (const QString& file : {path("threads-a.log"), path("threads-b.log")}) {
      const QList<QByteArray> lines = readLines(file);
      QCOMPARE(lines.size(), kThreads * kLines);
      std::vector<int> next(kThreads, 0);
      static const QRegularExpression body(QStringLiteral("^thread (\\d) line (\\d+) ([a-h]*)$"));
      for (const QByteArray& line : lines) {
        const auto match = lineFormat().match(QString::fromUtf8(line));
        QVERIFY2(match.hasMatch(), line.constData());
        QCOMPARE(match.captured(2), QStringLiteral("WARN"));
        const auto parts = body.match(match.captured(3));
        QVERIFY2(parts.hasMatch(), line.constData());
        const int t = parts.captured(1).toInt();
        const int n = parts.captured(2).toInt();
        QCOMPARE(n, next[t]++);  // each thread's lines in its own order
        QCOMPARE(parts.captured(3), QString(n % 97, QChar('a' + t)));
      }
    }
  }
};

QTEST_GUILESS_MAIN(LoggingTest)
#include "logging_test.moc"
