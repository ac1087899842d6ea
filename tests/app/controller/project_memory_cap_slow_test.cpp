// A project in the older text form opened when memory is short: under every
// cap on the address space from 120 to 200 MiB, each in a process of its
// own, the file opens or is refused for want of memory, and the process
// goes on to exit normally (a parse that ran out of memory inside Qt's JSON
// reader used to end it).

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "controller/file_failure.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

constexpr char kChildFile[] = "PELLARIS_CAP_TEST_FILE";
constexpr char kChildCap[] = "PELLARIS_CAP_TEST_MIB";

// A turn spot with a river dealt by chance: a tree of a few thousand nodes.
QVariantMap turnSpot() {
  QVariantMap cfg = riverSpotConfig(20);
  cfg.insert("board", "Qs Jh 7d 4c");
  cfg.insert("starting_street", "turn");
  cfg.insert("oop_range", "AA,QQ,JJ,AQs,KQ,T9s,98s,A5s");
  cfg.insert("ip_range", "KK,77,AJs,KJ,J9s,65s,QTs");
  cfg.insert("thread_count", 2);
  return cfg;
}

// The solved spot as the text form holds it: the whole tree, and the
// answers of the first `answered` nodes.
QByteArray textForm(AppController& c, int answered) {
  for (int node = 0; node < std::min(answered, c.treeNodeCount()); ++node) {
    if (c.nodeActions(node).isEmpty()) continue;
    (void)c.nodeHandStrategy(node);
    (void)c.nodeHandCombos(node);
    (void)c.nodeActionStats(node);
  }
  return QJsonDocument(textFormOf(c, c.explorer().caches(), "QsJh7d4c")).toJson();
}

// In the child: opens the file under the cap and says how it went.
int openUnderCap(const QString& path, int capMiB) {
  useIsolatedSettings();
  AppController controller;
  return openUnderCapAndSay(controller, path, std::uint64_t(capMiB) << 20);
}

}  // namespace

class ProjectMemoryCapTest : public QObject {
  Q_OBJECT

 private slots:
  void textFormOpensOrIsRefusedUnderEveryCap() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("The address sanitizer reserves far more address space than any cap here");
#endif
    useIsolatedSettings();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("turn.json");
    {
      AppController solved;
      QVERIFY(solveAndWait(solved, turnSpot()));
      QVERIFY(writeAll(path, textForm(solved, 15)));
    }
    const qint64 size = QFileInfo(path).size();
    QVERIFY2(size > 3 * 1024 * 1024 && size < 5 * 1024 * 1024, qPrintable(QString::number(size)));

    const QString noMemory = fileFailureText(FileFailure::NoMemory, false);
    QVERIFY(!noMemory.isEmpty());
    // Every cap of the range, and one with room to spare, where it opens.
    QList<int> caps;
    for (int cap = 120; cap <= 200; ++cap) caps << cap;
    caps << 1024;
    QStringList outcomes;
    constexpr qsizetype kAtOnce = 3;
    for (qsizetype first = 0; first < caps.size(); first += kAtOnce) {
      std::vector<std::unique_ptr<QProcess>> children;
      for (qsizetype i = first; i < std::min(first + kAtOnce, caps.size()); ++i) {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildFile, path);
        env.insert(kChildCap, QString::number(caps[i]));
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationFilePath(), {});
        children.push_back(std::move(child));
      }
      for (const auto& child : children) {
        const bool ended = child->waitForFinished(60000);
        const bool normal =
            ended && child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0;
        outcomes << (normal ? QString::fromUtf8(child->readAllStandardOutput()).trimmed()
                            : QStringLiteral("ended abnormally: ") +
                                  QString::fromUtf8(child->readAllStandardError().right(200)));
      }
    }
    for (qsizetype i = 0; i < caps.size(); ++i) {
      const QString where = QStringLiteral("cap %1 MiB: %2").arg(caps[i]).arg(outcomes[i]);
      QVERIFY2(outcomes[i] == QLatin1String("opened") || outcomes[i] == noMemory,
               qPrintable(where));
    }
    QCOMPARE(outcomes.last(), QStringLiteral("opened"));
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QByteArray childFile = qgetenv(kChildFile);
  if (!childFile.isEmpty())
    return openUnderCap(QString::fromLocal8Bit(childFile), qEnvironmentVariableIntValue(kChildCap));
  ProjectMemoryCapTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "project_memory_cap_slow_test.moc"
