// Start-up: the whole sequence runs in a child process (the real start-up
// function, only the root document and the log folder chosen by the test),
// and the test reads its exit code, its output and both log files.

#include "child_process.hpp"
#include "startup.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kChildVariable[] = "PELLARIS_TEST_STARTUP_CHILD";

// In the child: once the window is on screen, report what is there and close
// it, as a user would. Registered for every application object, active only
// in the child.
void probeStartedApplication() {
  if (qEnvironmentVariableIsEmpty(kChildVariable)) return;
  auto* poll = new QTimer(qApp);
  poll->setInterval(20);
  QObject::connect(poll, &QTimer::timeout, poll, [poll] {
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
      if (!window->isVisible() || !window->isExposed()) continue;
      poll->stop();
      qWarning("startup probe warning");
      QStringList objects;
      if (QQmlEngine* engine = qmlEngine(window)) {
        for (const char* name : {"languageManager", "appController", "updates"}) {
          QObject* object =
              engine->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>();
          objects << QStringLiteral("%1=%2").arg(
              QLatin1String(name), object ? object->metaObject()->className() : "null");
        }
      }
      std::printf("window title=%s size=%dx%d %s\n", qPrintable(window->title()), window->width(),
                  window->height(), qPrintable(objects.join(QLatin1Char(' '))));
      std::fflush(stdout);
      window->close();
      return;
    }
  });
  poll->start();
  QTimer::singleShot(30000, qApp, [] {
    std::printf("no window appeared\n");
    std::fflush(stdout);
    QCoreApplication::exit(77);
  });
}
Q_COREAPP_STARTUP_FUNCTION(probeStartedApplication)

int runStartupChild(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  halvory_shell::StartupOptions options;
  const QByteArray url = qgetenv("PELLARIS_TEST_ROOT_URL");
  if (!url.isEmpty()) options.rootUrl = QUrl(QString::fromUtf8(url));
  options.appLogDir = QString::fromLocal8Bit(qgetenv("PELLARIS_TEST_APP_LOG_DIR"));
  return halvory_shell::runPellaris(argc, argv, options);
}

const QRegularExpression& lineFormat() {
  static const QRegularExpression format(
      QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} "
                     "\\[(DEBUG|INFO|WARN|ERROR|FATAL)\\] (.*)$"));
  return format;
}

// The level and text of every line, checking the line format on the way.
QList<QPair<QString, QString>> parseLog(const QString& path) {
  QList<QPair<QString, QString>> entries;
  for (const QByteArray& line : readLines(path)) {
    const auto match = lineFormat().match(QString::fromUtf8(line));
    if (!match.hasMatch()) {
      entries.append({QStringLiteral("BAD"), QString::fromUtf8(line)});
      continue;
    }
    entries.append({match.captured(1), match.captured(2)});
  }
  return entries;
}

const QList<QPair<QString, QString>> kStartLines{
    {QStringLiteral("INFO"), QStringLiteral("Crash handlers installed (v2)")},
    {QStringLiteral("INFO"), QStringLiteral("--- Pellaris starting (pre-QFile) ---")}};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  int run_ = 0;
  QString runDir_;

  QString appLog() const { return runDir_ + QStringLiteral("/app/pellaris.log"); }
  QString tempLog() const {
    return runDir_ + QStringLiteral("/tmp/pellaris-") + QString::number(::geteuid()) +
           QStringLiteral("/pellaris.log");
  }

  // Each run gets fresh folders for its logs, settings and runtime files;
  // `plant` may put something into them before the child starts.
  ChildResult start(const EnvList& extra, const std::function<void()>& plant = {}) {
    runDir_ = dir_.filePath(QStringLiteral("run%1").arg(++run_));
    for (const char* sub : {"app", "tmp", "config", "runtime"}) QDir().mkpath(runDir_ + '/' + sub);
    ::chmod(QFile::encodeName(runDir_ + QStringLiteral("/runtime")).constData(), 0700);
    if (plant) plant();
    EnvList env{{kChildVariable, "1"},
                {"PELLARIS_TEST_APP_LOG_DIR", QFile::encodeName(runDir_ + QStringLiteral("/app"))},
                {"TMPDIR", QFile::encodeName(runDir_ + QStringLiteral("/tmp"))},
                {"XDG_CONFIG_HOME", QFile::encodeName(runDir_ + QStringLiteral("/config"))},
                {"XDG_RUNTIME_DIR", QFile::encodeName(runDir_ + QStringLiteral("/runtime"))},
                {"HALVORY_ENABLE_LOGS", ""},
                {"PELLARIS_ENABLE_LOGS", ""},
                {"QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                        ? QByteArray("offscreen")
                                        : qgetenv("QT_QPA_PLATFORM")}};
    env += extra;
    return runSelf(env, runDir_ + QStringLiteral("/output.txt"), 60000);
  }

  static bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  QString writeDocument(const QByteArray& text) {
    const QString path = dir_.filePath(QStringLiteral("doc%1.qml").arg(run_ + 1));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    return path;
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void startsShowsTheWindowAndExitsZeroOnClose() {
    const ChildResult result = start({});
    QVERIFY2(result.exited, result.output.constData());
    QCOMPARE(result.exitCode, 0);
    // The window sizes itself to the work area: on the offscreen screen
    // (800 x 800) it starts at its least width, 900, and 95 % of the height.
    QVERIFY2(
        result.output.contains("window title=Pellaris size=900x760 languageManager=LanguageManager "
                               "appController=AppController updates=UpdateManager"),
        result.output.constData());
  }

  void loggingOffLeavesOnlyTheTwoStartLines() {
    const ChildResult result = start({});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(parseLog(appLog()), kStartLines);
    QCOMPARE(parseLog(tempLog()), kStartLines);
    // Info messages are filtered out everywhere; warnings still reach stderr.
    QVERIFY(!result.output.contains("QML loaded"));
    QVERIFY(!result.output.contains("Starting Pellaris"));
    QVERIFY(result.output.contains("startup probe warning"));

    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(QFileInfo(tempLog()).path()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
  }

  void loggingSwitchValues_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("HALVORY Yes with blanks")
        << QByteArray("HALVORY_ENABLE_LOGS") << QByteArray(" Yes ") << true;
    QTest::newRow("PELLARIS on") << QByteArray("PELLARIS_ENABLE_LOGS") << QByteArray("on") << true;
    QTest::newRow("HALVORY 2") << QByteArray("HALVORY_ENABLE_LOGS") << QByteArray("2") << false;
    QTest::newRow("HALVORY enabled")
        << QByteArray("HALVORY_ENABLE_LOGS") << QByteArray("enabled") << false;
  }

  void loggingSwitchValues() {
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, enabled);
    const ChildResult result = start({{variable, value}});
    QCOMPARE(result.exitCode, 0);
    for (const QString& path : {appLog(), tempLog()}) {
      const auto entries = parseLog(path);
      if (!enabled) {
        QCOMPARE(entries, kStartLines);
        continue;
      }
      QCOMPARE(entries.mid(0, 2), kStartLines);
      QVERIFY(entries.size() > 8);
      QCOMPARE(entries[2], qMakePair(QStringLiteral("INFO"), QStringLiteral("Starting Pellaris")));
      QVERIFY(entries[3].second.startsWith(QLatin1String("appDir=")));
      QCOMPARE(entries[4].second, QStringLiteral("cwd=") + QDir::currentPath());
      QCOMPARE(entries[5].second, QStringLiteral("log_appDir=") + appLog());
      QCOMPARE(entries[6].second, QStringLiteral("log_temp=") + tempLog());
      QCOMPARE(entries[7].second, QStringLiteral("QuickControlsStyle=Basic"));
      QVERIFY(entries.contains(
          qMakePair(QStringLiteral("WARN"), QStringLiteral("startup probe warning"))));
      QVERIFY(entries.contains(
          qMakePair(QStringLiteral("INFO"), QStringLiteral("QML loaded. rootObjects=1"))));
      for (const auto& entry : entries)
        QVERIFY2(entry.first != QLatin1String("BAD"), qPrintable(entry.second));
    }
  }

  // Whatever sits at a log path that is not a plain file of ours is never
  // opened or written: a FIFO would hang the start, a planted file or a
  // hard link would carry our lines elsewhere. The name gets a fresh file.
  void unsafeLogFilesAreReplacedUnwritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO in the temporary folder") << "fifo-temp";
    QTest::newRow("FIFO in the application folder") << "fifo-app";
    QTest::newRow("hard link to a file elsewhere") << "hard-link";
    QTest::newRow("file of another user, writable by all") << "foreign";
  }

  void unsafeLogFilesAreReplacedUnwritten() {
    QFETCH(QString, kind);
    if (kind == "foreign" && ::geteuid() != 0) QSKIP("giving a file to another user needs root");
    QFile other;  // the planted file, held open to read it afterwards
    const auto plant = [&] {
      const QString target = kind == "fifo-temp" ? tempLog() : appLog();
      QDir().mkpath(QFileInfo(target).path());
      ::chmod(QFile::encodeName(QFileInfo(target).path()).constData(), 0700);
      const QByteArray name = QFile::encodeName(target);
      if (kind.startsWith("fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0666), 0);
        return;
      }
      const QString original =
          kind == "hard-link" ? runDir_ + QStringLiteral("/outside.txt") : target;
      QVERIFY(writeFile(original, "planted\n"));
      if (kind == "hard-link")
        QCOMPARE(::link(QFile::encodeName(original).constData(), name.constData()), 0);
      if (kind == "foreign") {
        QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(name.constData(), 0666), 0);
      }
      other.setFileName(original);
      QVERIFY(other.open(QIODevice::ReadOnly));
    };
    const ChildResult result = start({{"HALVORY_ENABLE_LOGS", "1"}}, plant);
    QVERIFY2(!result.timedOut, "start-up hung");
    QCOMPARE(result.exitCode, 0);
    if (other.isOpen()) QCOMPARE(other.readAll(), QByteArray("planted\n"));
    for (const QString& path : {appLog(), tempLog()}) {
      struct stat info {};
      QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
      QVERIFY(S_ISREG(info.st_mode));
      QCOMPARE(info.st_uid, ::geteuid());
      QCOMPARE(info.st_nlink, nlink_t(1));
      const auto entries = parseLog(path);
      QCOMPARE(entries.mid(0, 2), kStartLines);
      QVERIFY(
          entries.contains(qMakePair(QStringLiteral("INFO"), QStringLiteral("Starting Pellaris"))));
    }
  }

  void qmlWarningsAreLoggedOnceWithoutQuotes() {
    const QString path = writeDocument(
        "import QtQuick\nimport QtQuick.Controls\nApplicationWindow {\n  visible: true\n"
        "  property int n: undefinedThing + 1\n}\n");
    const QUrl url = QUrl::fromLocalFile(path);
    const ChildResult result =
        start({{"PELLARIS_TEST_ROOT_URL", url.toEncoded()}, {"HALVORY_ENABLE_LOGS", "1"}});
    QCOMPARE(result.exitCode, 0);
    const QPair<QString, QString> warning{
        QStringLiteral("WARN"),
        url.toString() + QStringLiteral(":5: ReferenceError: undefinedThing is not defined")};
    QCOMPARE(parseLog(appLog()).count(warning), 1);
    QCOMPARE(parseLog(tempLog()).count(warning), 1);
  }

  void brokenRootDocumentExitsMinusOne_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("syntax error") << QByteArray("import QtQuick\nItem { width: \n");
    QTest::newRow("unknown type") << QByteArray("import QtQuick\nNoSuchWindowType {}\n");
    QTest::newRow("missing file") << QByteArray();
  }

  void brokenRootDocumentExitsMinusOne() {
    QFETCH(QByteArray, document);
    QString path = writeDocument(document);
    if (document.isEmpty()) QFile::remove(path);
    const QUrl url = QUrl::fromLocalFile(path);
    const ChildResult result =
        start({{"PELLARIS_TEST_ROOT_URL", url.toEncoded()}, {"HALVORY_ENABLE_LOGS", "1"}});
    QVERIFY(result.exited);
    QCOMPARE(result.exitCode, 255);  // -1
    const QPair<QString, QString> failure{QStringLiteral("ERROR"),
                                          QStringLiteral("Failed to load QML: ") + url.toString()};
    QVERIFY2(parseLog(appLog()).contains(failure), readAll(appLog()).constData());
    QVERIFY(parseLog(tempLog()).contains(failure));
    QVERIFY(!result.output.contains("window title="));
  }

  void brokenRootDocumentWithLoggingOffStillExitsMinusOne() {
    const ChildResult result = start(
        {{"PELLARIS_TEST_ROOT_URL", QUrl::fromLocalFile(writeDocument("Item {")).toEncoded()}});
    QCOMPARE(result.exitCode, 255);
    QCOMPARE(parseLog(appLog()), kStartLines);
    QVERIFY(result.output.contains("Failed to load QML:"));
  }
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty(kChildVariable)) return runStartupChild(argc, argv);
  QCoreApplication app(argc, argv);
  StartupTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
