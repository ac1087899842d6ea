// Compact project files that name millions of members, opened when the
// address space is capped a little above what is mapped, each in a process
// of its own: every name the
// reader keeps (to catch one given twice) is counted before it is kept, so
// the file is refused, for want of memory or as damage, and the process
// goes on to exit normally.

#include <cstdio>

#include <sys/resource.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "controller/file_failure.hpp"
#include "controller/system_info.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

constexpr char kChildFile[] = "PELLARIS_NAMES_TEST_FILE";
constexpr char kChildCap[] = "PELLARIS_NAMES_TEST_MIB";
// Room left above what the child has mapped when it opens the file: a
// project of a few names opens in it, a million names do not fit.
constexpr int kHeadroomMiB = 256;

// A file of the unsealed version without results whose member `where`
// holds `names` members of distinct names ("m" and a number, each naming
// 0); "" puts them in the file's own map, beside the members the program
// knows. Written as bytes, the maps left open until their end.
QByteArray fileNaming(const QByteArray& where, int names) {
  QByteArray bytes;
  const auto text = [&bytes](const QByteArray& value) {
    bytes.append(char(0x60 + value.size())).append(value);
  };
  const auto distinctNames = [&] {
    for (int i = 0; i < names; ++i) {
      text('m' + QByteArray::number(i));
      bytes.append('\0');
    }
  };
  bytes.append(char(0xbf));
  text("format");
  text("halvory_project");
  text("version");
  bytes.append(char(0x02));
  text("hasResults");
  bytes.append(char(0xf4));
  for (const QByteArray member : {"project", "lastUiCfg"}) {
    text(member);
    bytes.append(char(0xbf));
    if (member == where) distinctNames();
    bytes.append(char(0xff));
  }
  if (where.isEmpty()) distinctNames();
  bytes.append(char(0xff));
  return bytes;
}

// In the child: opens the file with the address space capped `headroomMiB`
// above what it has mapped, and says how it went.
int openUnderCap(const QString& path, int headroomMiB) {
  useIsolatedSettings();
  AppController controller;
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 3;
  const std::uint64_t mapped =
      halvory_app::sysinfo_detail::meminfoField(status.readAll(), "VmSize");
  return openUnderCapAndSay(controller, path, mapped + (std::uint64_t(headroomMiB) << 20));
}

}  // namespace

class ProjectNamesCapTest : public QObject {
  Q_OBJECT

 private slots:
  void millionsOfNamesAreRefusedUnderACap_data() {
    QTest::addColumn<QByteArray>("where");
    QTest::addColumn<int>("names");
    QTest::addColumn<QString>("outcome");
    const QString noMemory = fileFailureText(FileFailure::NoMemory, false);
    QTest::newRow("the file's own map") << QByteArray() << 2000000 << "The project file is damaged";
    QTest::newRow("the set-up") << QByteArray("project") << 2000000 << noMemory;
    QTest::newRow("the solve settings") << QByteArray("lastUiCfg") << 2000000 << noMemory;
    QTest::newRow("a few in the set-up") << QByteArray("project") << 200 << "opened";
  }
  void millionsOfNamesAreRefusedUnderACap() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("The sanitizers reserve far more address space than the cap here");
#endif
    QFETCH(QByteArray, where);
    QFETCH(int, names);
    QFETCH(QString, outcome);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("names.pellarisproj"));
    QVERIFY(writeAll(path, fileNaming(where, names)));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildFile, path);
    env.insert(kChildCap, QString::number(kHeadroomMiB));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardError().right(400).constData());
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), outcome);
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QByteArray childFile = qgetenv(kChildFile);
  if (!childFile.isEmpty())
    return openUnderCap(QString::fromLocal8Bit(childFile), qEnvironmentVariableIntValue(kChildCap));
  ProjectNamesCapTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "project_names_cap_test.moc"
