// The text form charged by what it holds: files that are long lists of small
// containers, of numbers, of members and of long texts, each sized around
// the point where the charge refuses them under a 1 and a 2 GiB cap on the
// address space, are opened in processes of their own. Every process exits
// normally, the file opened or refused for want of memory; a parse that ran
// out of memory inside Qt's JSON reader used to end it.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "controller/file_failure.hpp"
#include "controller/json_parse_cost.hpp"
#include "controller/project_file.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

constexpr char kChildFile[] = "PELLARIS_CHARGE_TEST_FILE";
constexpr char kChildCap[] = "PELLARIS_CHARGE_TEST_MIB";
constexpr char kProbe[] = "-";
constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;
// What the open keeps free beside the parse's own charge.
constexpr std::uint64_t kHeadroom = 128 * kMiB;

// In the child, under the cap: opens the file and says how it went, or,
// given no file, says what an open may take there.
int runUnderCap(const QByteArray& file, int capMiB) {
  useIsolatedSettings();
  AppController controller;
  const std::uint64_t cap = std::uint64_t(capMiB) << 20;
  if (file != kProbe) return openUnderCapAndSay(controller, QString::fromLocal8Bit(file), cap);
  rlimit capped{};
  getrlimit(RLIMIT_AS, &capped);
  capped.rlim_cur = rlim_t(cap);
  if (setrlimit(RLIMIT_AS, &capped) != 0) return 3;
  std::printf("%llu\n", static_cast<unsigned long long>(halvory_app::projectReadBudget()));
  std::fflush(stdout);
  return 0;
}

// A loadable project whose extra member is `count` copies of `item`.
QByteArray projectWithList(const QByteArray& item, qsizetype count) {
  QByteArray text = QByteArrayLiteral(
      "{\"format\":\"halvory_project\",\"version\":1,\"hasResults\":false,"
      "\"project\":{\"boardText\":\"AhKsQd\"},\"nodeLocks\":[],\"lastUiCfg\":{},\"list\":[");
  text.reserve(text.size() + count * (item.size() + 1) + 2);
  for (qsizetype i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += item;
  }
  text += "]}";
  return text;
}

struct Run {
  std::size_t shape;
  qsizetype count;
  int capMiB;
  double share;  // of what the charge lets through under the cap
  QString outcome;
};

// Runs each file's child under its cap, all at once.
void runChildren(const QString& program, const QStringList& files, const QList<int>& caps,
                 QStringList& outcomes) {
  outcomes.clear();
  {
    std::vector<std::unique_ptr<QProcess>> children;
    for (qsizetype i = 0; i < files.size(); ++i) {
      auto child = std::make_unique<QProcess>();
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert(kChildFile, files[i]);
      env.insert(kChildCap, QString::number(caps[i]));
      child->setProcessEnvironment(env);
      child->start(program, {});
      children.push_back(std::move(child));
    }
    for (const auto& child : children) {
      const bool ended = child->waitForFinished(120000);
      const bool normal =
          ended && child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0;
      outcomes << (normal ? QString::fromUtf8(child->readAllStandardOutput()).trimmed()
                          : QStringLiteral("ended abnormally (%1): %2")
                                .arg(child->exitCode())
                                .arg(QString::fromUtf8(child->readAllStandardError().right(200))));
    }
    for (const QString& file : files)
      if (file != QLatin1String(kProbe)) QFile::remove(file);
  }
}

}  // namespace

class ProjectTextChargeTest : public QObject {
  Q_OBJECT

 private slots:
  void everyShapeOpensOrIsRefusedUnderTheCaps() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("The sanitizers reserve far more address space than any cap here");
#endif
    const QList<int> caps{1024, 2048};
    // What an open may take under each cap, less the room it keeps.
    QStringList budgets;
    runChildren(QCoreApplication::applicationFilePath(), {kProbe, kProbe}, caps, budgets);
    QList<std::uint64_t> parseRoom;
    for (qsizetype i = 0; i < caps.size(); ++i) {
      bool ok = false;
      const std::uint64_t budget = budgets[i].toULongLong(&ok);
      QVERIFY2(ok && budget > kHeadroom + 64 * kMiB, qPrintable(budgets[i]));
      parseRoom << budget - kHeadroom;
    }

    struct Shape {
      const char* name;
      QByteArray item;
    };
    QByteArray longText = "\"\\n" + QByteArray(4093, 'a') + '"';
    const std::vector<Shape> shapes{{"lists of [[[]]]", "[[[]]]"},
                                    {"lists of [0]", "[0]"},
                                    {"lists of [[]]", "[[]]"},
                                    {"lists of {\"a\":0}", "{\"a\":0}"},
                                    {"long texts", longText}};
    // Well within the room the charge leaves for the parse, and a fifth past it.
    const std::vector<double> shares{0.4, 1.2};

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    std::vector<Run> runs;
    for (std::size_t s = 0; s < shapes.size(); ++s) {
      // The charge of one more item, from a list of a thousand.
      const double perItem =
          double(halvory_app::jsonParseCost(projectWithList(shapes[s].item, 1000))) / 1000.0;
      for (qsizetype c = 0; c < caps.size(); ++c)
        for (const double share : shares)
          runs.push_back(
              {s, qsizetype(share * double(parseRoom[c]) / perItem), caps[c], share, {}});
    }
    // Each file is written just before its child runs, and removed after.
    constexpr std::size_t kAtOnce = 4;
    for (std::size_t first = 0; first < runs.size(); first += kAtOnce) {
      QStringList files;
      QList<int> runCaps;
      for (std::size_t i = first; i < std::min(first + kAtOnce, runs.size()); ++i) {
        files << dir.filePath(QStringLiteral("%1.json").arg(i));
        runCaps << runs[i].capMiB;
        QVERIFY(writeAll(files.last(), projectWithList(shapes[runs[i].shape].item, runs[i].count)));
      }
      QStringList outcomes;
      runChildren(QCoreApplication::applicationFilePath(), files, runCaps, outcomes);
      for (std::size_t i = first; i < std::min(first + kAtOnce, runs.size()); ++i)
        runs[i].outcome = outcomes[qsizetype(i - first)];
    }

    const QString noMemory = fileFailureText(FileFailure::NoMemory, false);
    QVERIFY(!noMemory.isEmpty());
    for (std::size_t i = 0; i < runs.size(); ++i) {
      const Run& run = runs[i];
      const QString& outcome = run.outcome;
      const QString where = QStringLiteral("%1 at %2 of the room under %3 MiB: %4")
                                .arg(QString::fromUtf8(shapes[run.shape].name))
                                .arg(run.share)
                                .arg(run.capMiB)
                                .arg(outcome);
      QVERIFY2(outcome == QLatin1String("opened") || outcome == noMemory, qPrintable(where));
      // Well within the room the file opens; well past it, the charge
      // refuses it before the parse.
      if (run.share <= 0.4) QVERIFY2(outcome == QLatin1String("opened"), qPrintable(where));
      if (run.share >= 1.2) QVERIFY2(outcome == noMemory, qPrintable(where));
    }
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QByteArray childFile = qgetenv(kChildFile);
  if (!childFile.isEmpty()) return runUnderCap(childFile, qEnvironmentVariableIntValue(kChildCap));
  ProjectTextChargeTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "project_text_charge_slow_test.moc"
