#include "startup.hpp"

#include "crash_handlers.hpp"
#include "language_manager.hpp"
#include "logging.hpp"
#include "update_manager.hpp"

#include "controller/app_controller.hpp"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlError>
#include <QQuickWindow>
#include <QQuickStyle>
#include <QStandardPaths>
#include <QtQml/qqmlextensionplugin.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>

Q_IMPORT_QML_PLUGIN(PellarisPlugin)

namespace halvory_shell {
namespace {

// Empties the handler's device list before the log files it points at are
// destroyed; later messages fall back to raw appends.
struct LogDevicesReset {
  ~LogDevicesReset() { clearLogDevices(); }
};

// For the start-up benchmark: one line with the wall-clock time of the
// window's first frame, which the caller compares with its launch time.
void reportFirstFrame(QQmlApplicationEngine& engine) {
  auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
  if (!window) return;
  auto reported = std::make_shared<std::atomic_bool>(false);
  // Emitted on the render thread: no Qt object is touched there.
  QObject::connect(
      window, &QQuickWindow::frameSwapped, window,
      [reported] {
        if (reported->exchange(true)) return;
        std::fprintf(stderr, "first-frame-epoch-ms %lld\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
      },
      Qt::DirectConnection);
}

// Qt's event loop lets no exception through: one thrown by an event handler,
// a slot or a timer would end the program. Memory that runs out there fails
// that one handler, which is left unfinished; the program goes on, and the
// work that needed the memory is refused where it is asked for.
//
// A widget application: the program's file dialog is Qt's widget dialog
// (QFileDialog: typed paths, places, Up, sizes, dates and sorting), which
// needs one.
class PellarisApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
      writeCrashLogRaw("ERROR: out of memory in an event handler; the event was dropped");
    } catch (const std::exception&) {
      writeCrashLogRaw("ERROR: an event handler failed; the event was dropped");
    }
    return false;
  }
};

}  // namespace

void setApplicationIdentity() {
  QGuiApplication::setOrganizationName(QStringLiteral("Pellaris"));
  QGuiApplication::setApplicationName(QStringLiteral("Pellaris"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Pellaris"));
  QGuiApplication::setApplicationVersion(QStringLiteral(PELLARIS_VERSION));
}

int runPellaris(int& argc, char** argv, const StartupOptions& options) {
  QQuickStyle::setStyle(QStringLiteral("Basic"));

  PellarisApplication app(argc, argv);
  setApplicationIdentity();

  // Both variables are read, whichever is set.
  const bool halvoryLogs = envFlagEnabled("HALVORY_ENABLE_LOGS");
  const bool pellarisLogs = envFlagEnabled("PELLARIS_ENABLE_LOGS");
  const bool logs = halvoryLogs || pellarisLogs;
  if (!logs) QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n"));

  const QString appDir =
      options.appLogDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.appLogDir;
  QString tempRoot = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  if (tempRoot.isEmpty()) tempRoot = QDir::currentPath();
  const QString appLog = claimLogFile(appDirLogFile(appDir));
  const QString tempLog = claimLogFile(tempDirLogFile(tempRoot));
  setCrashLogPaths(appLog, tempLog);

  installCrashHandlers();
  writeCrashLogLine(logTimeStamp() + QStringLiteral(" [INFO] Crash handlers installed (v2)"));
  writeCrashLogLine(logTimeStamp() +
                    QStringLiteral(" [INFO] --- Pellaris starting (pre-QFile) ---"));

  std::unique_ptr<QFile> appLogFile;
  std::unique_ptr<QFile> tempLogFile;
  LogDevicesReset logDevicesReset;
  installMessageHandler(false);
  if (logs) {
    appLogFile = openLogFile(appLog);
    tempLogFile = openLogFile(tempLog);
    QList<QIODevice*> devices;
    if (appLogFile) devices.append(appLogFile.get());
    if (tempLogFile) devices.append(tempLogFile.get());
    if (!devices.isEmpty()) {
      setLogDevices(devices);
      installMessageHandler(true);
      qInfo().noquote() << "Starting Pellaris";
      qInfo().noquote() << "appDir=" + QCoreApplication::applicationDirPath();
      qInfo().noquote() << "cwd=" + QDir::currentPath();
      qInfo().noquote() << "log_appDir=" + appLog;
      qInfo().noquote() << "log_temp=" + tempLog;
      qInfo().noquote() << "QuickControlsStyle=" + QQuickStyle::name();
    }
  }

  QGuiApplication::setQuitOnLastWindowClosed(true);

  QQmlApplicationEngine engine;
  // Makes the module importable as "Pellaris" from its resources.
  engine.addImportPath(QStringLiteral("qrc:/"));
  LanguageManager languageManager(&engine);
  engine.rootContext()->setContextProperty(QStringLiteral("languageManager"), &languageManager);
  AppController appController;
  engine.rootContext()->setContextProperty(QStringLiteral("appController"), &appController);
  UpdateManager updates;
  engine.rootContext()->setContextProperty(QStringLiteral("updates"), &updates);

  // The handler below is the one writer of QML warnings; the engine's own
  // copy to the message log would put every warning there twice.
  engine.setOutputWarningsToStandardError(false);
  QObject::connect(&engine, &QQmlEngine::warnings, [](const QList<QQmlError>& warnings) {
    for (const QQmlError& warning : warnings) qWarning().noquote() << warning.toString();
  });
  QObject::connect(
      &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
      [](const QUrl&) {
        qCritical("QML object creation failed");
        QCoreApplication::exit(-1);
      },
      Qt::QueuedConnection);

  engine.load(options.rootUrl);
  if (engine.rootObjects().isEmpty()) {
    qCritical().noquote() << "Failed to load QML:" << options.rootUrl.toString();
    return -1;
  }
  qInfo().noquote() << "QML loaded. rootObjects=" + QString::number(engine.rootObjects().size());
  if (!qEnvironmentVariableIsEmpty("PELLARIS_REPORT_FIRST_FRAME")) reportFirstFrame(engine);
  return QApplication::exec();
}

}  // namespace halvory_shell
