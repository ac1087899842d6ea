// Why a save or an open failed, as the page is told it: a full disk, a
// folder or file not allowed, memory run out, each in the chosen language;
// a save the user stops is no failure and logs no warning. Why a file does
// not open is said in the user's words and worded again in each language.

#include <csignal>
#include <functional>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "controller/file_reason.hpp"

#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

// Runs `work` as a user without the right to the test's files. Run as root
// (as the suite is), the file-system user of this thread is switched, which
// the file thread the work starts inherits; else the modes deny it alone.
void withoutFileRights(const QString& lockedFolder, const std::function<void()>& work) {
  ::chmod(QFile::encodeName(lockedFolder).constData(), 0555);
  const bool root = ::geteuid() == 0;
  if (root) ::setfsuid(65534);
  work();
  if (root) ::setfsuid(0);
  ::chmod(QFile::encodeName(lockedFolder).constData(), 0755);
}

// Runs `work` with `resource` limited to `bytes` (a file size, as a full
// disk would stop it; an address space, as memory running out would).
void withLimit(int resource, rlim_t bytes, const std::function<void()>& work) {
  struct rlimit saved {};
  getrlimit(resource, &saved);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = bytes;
  setrlimit(resource, &small);
  work();
  setrlimit(resource, &saved);
  std::signal(SIGXFSZ, oldHandler);
}

// Little more address space than the process uses now.
rlim_t littleMemory() {
  QFile status(QStringLiteral("/proc/self/status"));
  qint64 usedKiB = 0;
  if (status.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmSize:"))
        usedKiB = line.mid(7).trimmed().split(' ').value(0).toLongLong();
  }
  return rlim_t(usedKiB + 64 * 1024) * 1024;
}

// Each non-English language with what `word` gives in its catalogue (an
// empty text where the catalogue does not load).
QList<QPair<QString, QString>> inEveryLanguage(const std::function<QString()>& word) {
  QList<QPair<QString, QString>> out;
  for (const char* language : {"de", "es", "fr", "it", "pl", "pt_BR", "ru"}) {
    QTranslator translator;
    const bool loaded = translator.load(QStringLiteral("halvory_%1").arg(language), HALVORY_QM_DIR);
    QCoreApplication::installTranslator(&translator);
    out.append({QString::fromLatin1(language), loaded ? word() : QString()});
    QCoreApplication::removeTranslator(&translator);
  }
  return out;
}

QStringList warningsSeen;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg || type == QtCriticalMsg) warningsSeen << text;
}

}  // namespace

class FileReasonsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QTranslator german;

  QString path(const QString& name) const { return dir.filePath(name); }

 private slots:
  void initTestCase() {
    useIsolatedSettings();
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    QVERIFY(german.load(QStringLiteral("halvory_de"), QStringLiteral(HALVORY_QM_DIR)));
  }

  void reasonReachesTheCaller_data() {
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("inGerman");
    QTest::addColumn<QString>("said");
    const struct {
      const char* cause;
      const char* english;
      const char* german;
    } rows[] = {
        {"no space", "There is not enough space on the disk for the project",
         "Auf dem Datenträger ist nicht genug Platz für das Projekt"},
        {"save not allowed", "Permission denied: this folder may not be written to",
         "Zugriff verweigert: In diesen Ordner darf nicht geschrieben werden"},
        {"open not allowed", "Permission denied: this file may not be read",
         "Zugriff verweigert: Diese Datei darf nicht gelesen werden"},
        {"replace read-only file", "Permission denied: this file may not be written to",
         "Zugriff verweigert: In diese Datei darf nicht geschrieben werden"},
        {"open without memory", "Not enough memory to open the project",
         "Nicht genug Arbeitsspeicher, um das Projekt zu öffnen"},
        {"missing folder", "", ""},
        {"cancelled", "", ""},
    };
    for (const auto& row : rows) {
      QTest::addRow("%s, English", row.cause)
          << row.cause << false << QString::fromUtf8(row.english);
      QTest::addRow("%s, German", row.cause) << row.cause << true << QString::fromUtf8(row.german);
    }
  }

  void reasonReachesTheCaller() {
    QFETCH(QString, cause);
    QFETCH(bool, inGerman);
    QFETCH(QString, said);
    if (inGerman) QCoreApplication::installTranslator(&german);
    const auto restore = qScopeGuard([this] { QCoreApplication::removeTranslator(&german); });
    AppController controller;
    const QVariantMap state{{"note", QString(64 * 1024, QLatin1Char('x'))}};
    const QString old = path("locked/old.pellarisproj");
    QVERIFY(controller.saveProject(QUrl::fromLocalFile(old), {{"first", 1}}));
    const QByteArray before = readAll(old);

    QString error = QStringLiteral("done");  // what a save or open that works leaves
    const auto save = [&](const QString& name) {
      if (!controller.saveProject(QUrl::fromLocalFile(path(name)), state))
        error = controller.projectSaveError();
    };
    const auto open = [&](const QString& name) {
      const QVariantMap answer = controller.loadProject(QUrl::fromLocalFile(path(name)));
      if (!answer.value("ok").toBool()) error = answer.value("error").toString();
    };
    if (cause == "no space") {
      withLimit(RLIMIT_FSIZE, 4096, [&] { save("locked/old.pellarisproj"); });
      QCOMPARE(readAll(old), before);
    } else if (cause == "save not allowed") {
      withoutFileRights(path("locked"), [&] { save("locked/new.pellarisproj"); });
      QVERIFY(!QFileInfo::exists(path("locked/new.pellarisproj")));
    } else if (cause == "replace read-only file") {
      // The folder may be written to, the file not.
      QVERIFY(QDir(dir.path()).mkpath("shared"));
      const QString kept = path("shared/kept.pellarisproj");
      QVERIFY(writeAll(kept, before));
      // Every folder on the way may be passed through by the other user.
      QList<QPair<QByteArray, mode_t>> passed;
      for (QDir up(dir.path()); !up.isRoot(); up.cdUp()) {
        const QByteArray name = QFile::encodeName(up.absolutePath());
        struct stat status {};
        if (::stat(name.constData(), &status) == 0 && (~status.st_mode & (S_IXGRP | S_IXOTH))) {
          passed.append({name, status.st_mode & 07777});
          ::chmod(name.constData(), (status.st_mode & 07777) | S_IXGRP | S_IXOTH);
        }
      }
      ::chmod(QFile::encodeName(path("shared")).constData(), 0777);
      ::chmod(QFile::encodeName(kept).constData(), 0444);
      // As another user in full (the save checks the file's right by the
      // real user), with the way back kept.
      const bool root = ::geteuid() == 0;
      if (root) QCOMPARE(::setresuid(65534, 65534, 0), 0);
      save("shared/kept.pellarisproj");
      if (root) QCOMPARE(::setresuid(0, 0, 0), 0);
      for (const auto& [name, mode] : passed) ::chmod(name.constData(), mode);
      QCOMPARE(readAll(kept), before);
      QFile::remove(kept);
    } else if (cause == "open not allowed") {
      QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
      withoutFileRights(path("locked"), [&] { open("locked/old.pellarisproj"); });
    } else if (cause == "open without memory") {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
      QSKIP("The sanitizers' allocators abort rather than throw when memory runs out.");
#endif
      // A sparse file of text form: reading it whole needs its full size.
      QFile big(path("big.json"));
      QVERIFY(big.open(QIODevice::WriteOnly) && big.write("{") == 1);
      QVERIFY(big.resize(qint64(256) * 1024 * 1024));
      big.close();
      withLimit(RLIMIT_AS, littleMemory(), [&] { open("big.json"); });
      QFile::remove(path("big.json"));
    } else if (cause == "cancelled") {
      // Stopped by the user: no failure and no warning, the old file stays,
      // and the reason a save before left is cleared.
      QVERIFY(!controller.saveProject(QUrl::fromLocalFile(path("locked")), {}));
      const auto stop = connect(&controller, &AppController::projectFileProgressChanged,
                                &controller, [&controller] {
                                  if (controller.getProjectFileBusy())
                                    controller.cancelProjectSave();
                                });
      warningsSeen.clear();
      const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
      save("locked/old.pellarisproj");
      qInstallMessageHandler(previous);
      disconnect(stop);
      QCOMPARE(warningsSeen, QStringList());
      QCOMPARE(readAll(old), before);
    } else {
      // Nothing better to say than the page's own words about the folder.
      save("no/such/p.pellarisproj");
    }
    QCOMPARE(error, said);
    // A save that works says nothing.
    QVERIFY(controller.saveProject(QUrl::fromLocalFile(path("fine.pellarisproj")), state));
    QCOMPARE(controller.projectSaveError(), QString());
  }

  // The reasons of a text read and of a settings file that cannot be read
  // (a folder in its place), in the chosen language; the file is named.
  void readAndStoreReasonsAreTranslated() {
    QCoreApplication::installTranslator(&german);
    const auto restore = qScopeGuard([this] { QCoreApplication::removeTranslator(&german); });
    AppController controller;
    QCOMPARE(
        controller.readTextFile(QUrl::fromLocalFile(path("missing.txt"))).value("error").toString(),
        QString::fromUtf8("Die Datei existiert nicht."));
    QCOMPARE(controller.readTextFile(QUrl::fromLocalFile(dir.path())).value("error").toString(),
             QString::fromUtf8("Keine reguläre Datei."));

    QCOMPARE(controller.settingsStoreProblem(), QString());
    const QString file = QSettings().fileName();
    QVERIFY(!QFileInfo::exists(file) || QFile::remove(file));
    QVERIFY(QDir().mkpath(file));
    const auto unblock = qScopeGuard([file] { QDir().rmdir(file); });
    const QString problem = controller.settingsStoreProblem();
    QVERIFY2(problem.startsWith(QStringLiteral("Einstellungen konnten nicht gelesen werden: ~")),
             qPrintable(problem));
    QVERIFY2(problem.endsWith(QFileInfo(file).fileName() + QStringLiteral(" ist nicht lesbar")),
             qPrintable(problem));
  }

  // Files that do not open, and the reason each gives: what the user can
  // act on, never a member's name in the file.
  void openReasonsInEveryLanguage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919 + 13) % 251);
    AppController controller;
    QVERIFY(controller.saveProject(QUrl::fromLocalFile(path("whole.pellarisproj")),
                                   {{"note", QString(4096, QLatin1Char('n'))}}));
    const QByteArray whole = readAll(path("whole.pellarisproj"));
    const QByteArray head = "{\"format\": \"halvory_project\", \"version\": 1, ";
    const QString notProject = "This is not a Pellaris project";
    QTest::newRow("random bytes") << noise << notProject;
    QTest::newRow("random bytes read as the compact form")
        << QByteArray("\xA5") + noise << notProject;
    QTest::newRow("a text") << QByteArray("{ a letter, not a project") << notProject;
    QTest::newRow("compact form cut")
        << whole.left(whole.size() / 2) << "The project file is damaged (cut short)";
    QTest::newRow("text form cut") << head + "\"project\": {\"boardText\": \"As"
                                   << "The project file is damaged (cut short)";
    QTest::newRow("board twice") << head + "\"project\": {\"boardText\": \"As Kh as\"}}"
                                 << "Invalid project data: Board holds As twice";
    QTest::newRow("lock not finite")
        << head + "\"project\": {}, \"nodeLocks\": [{\"nodeIndex\": 0, \"actionProb\": \"inf\"}]}"
        << "The project file is damaged: a node lock is not a finite number";
    QTest::newRow("results missing")
        << head + "\"project\": {}, \"hasResults\": true}"
        << "The project file is damaged: the solution is not an object";
    QTest::newRow("set-up missing") << head + "\"project\": 7}"
                                    << "The project file is damaged: the set-up is not an object";
    QTest::newRow("future version")
        << QByteArray("{\"format\": \"halvory_project\", \"version\": 9}")
        << "Unsupported project version";
  }

  void openReasonsInEveryLanguage() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QVERIFY(writeAll(path("refused.pellarisproj"), bytes));
    AppController controller;
    const QVariantMap answer =
        controller.loadProject(QUrl::fromLocalFile(path("refused.pellarisproj")));
    QVERIFY(!answer.value("ok").toBool());
    QCOMPARE(answer.value("error").toString(), said);
    const QVariant reason = answer.value("reason");
    QCOMPARE(controller.fileReasonText(reason), said);
    // The reason kept is worded again in each language, wholly.
    for (const auto& [language, worded] :
         inEveryLanguage([&] { return controller.fileReasonText(reason); })) {
      const QByteArray shown = QStringLiteral("%1: %2").arg(language, worded).toUtf8();
      QVERIFY2(!worded.isEmpty() && worded != said && !worded.contains(u'%'), shown.constData());
      for (const char* english : {"project", "damaged", "not a", "node", "finite", "solution"})
        QVERIFY2(!worded.contains(QLatin1String(english)), shown.constData());
    }
  }

  // The checks' reasons, which name what is wrong with a part of a file,
  // are in each catalogue.
  void checkReasonsAreInEveryCatalogue() {
    using halvory_app::FileReason;
    const FileReason reasons[] = {
        FileReason("refers to a node outside the tree"),
        FileReason("is not a finite number"),
        FileReason("has %1 entries for a node with %2 actions").arg(7).arg(2),
        FileReason("has %1 entries, more than the %2 hands of a node").arg(2000).arg(1326),
        FileReason("is damaged"),
        FileReason("is not an object"),
    };
    for (const FileReason& reason : reasons) {
      const QString english = reason.worded();
      for (const auto& [language, worded] : inEveryLanguage([&] { return reason.worded(); }))
        QVERIFY2(!worded.isEmpty() && worded != english,
                 qPrintable(QStringLiteral("%1: %2").arg(language, english)));
    }
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  FileReasonsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "file_reasons_test.moc"
