// The UI's calls when one allocation fails inside them: each allocation of
// a save, a node query, a lock, an estimate and a start fails in turn, and
// each time the call answers as failed (a memory failure in words that say
// so) rather than throwing, and the next call works as if nothing had
// happened: a save writes a file that opens, a query answers as before, a
// lock is kept, an estimate measures, a start solves. The shell's calls
// likewise: a language switch, the update manager's calls and the file
// chooser's opening and closing.
//
// The hook fails only allocations of the thread that armed it: the calls
// run there, and what they hand to threads of their own catches its
// failures where it runs. It replaces operator new, which the controller's
// own containers and Qt's maps, hashes and variants allocate through; the
// malloc beneath Qt's strings and lists is left alone, as Qt itself leaves
// some of those allocations unchecked (a list made from an initializer
// list writes through a null block).

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <execinfo.h>
#include <dlfcn.h>
#include <link.h>
#include <cmath>
#include <exception>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QQmlEngine>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWindow>

#include "controller/app_controller.hpp"
#include "controller/guarded_call.hpp"
#include "file_chooser.hpp"
#include "language_manager.hpp"
#include "project_test_support.hpp"
#include "support/failing_allocations.hpp"
#include "update_manager.hpp"
#include "update_test_server.hpp"

// ---- the allocation hook ---------------------------------------------------

namespace {

// Set while a log line is written: Qt writes it from a destructor, where
// no exception may pass, so a failure there ends any program, whatever the
// caller does. The controller's own work is what is under test.
thread_local bool t_logging = false;

// The test's own thread, and whether the hook watches the other threads
// instead (the thread an estimate is measured on).
thread_local bool t_main = false;
std::atomic<bool> g_elsewhere{false};

// Code whose allocations are let alone, as log lines are. Qt's network
// library sets a request up on the calling thread and hands it to a thread
// of its own: an allocation that fails halfway leaves that thread holding
// the half-made reply, which it uses after the unwinding freed it. Qt's
// widget dialogs grow their models and layouts inside functions declared
// noexcept, where a failure ends any program. Qt's connect links a new
// connection into its sender's list before it makes the receiver's record
// of connections; when that fails, the connection is freed while still
// linked, and called later (a proxy model's constructor connects so, to a
// model shared by the whole program). Nothing their caller does can help,
// so what they allocate themselves is not failed; what they call back into
// (the program's own code) is.
struct CodeRange {
  std::uintptr_t start = 0;
  std::uintptr_t end = 0;
  bool holds(std::uintptr_t address) const { return address >= start && address < end; }
};
CodeRange g_program;
CodeRange g_spared[2];
CodeRange g_core;

// The loaded object that holds `code`: `found` holds its range.
struct Lookup {
  std::uintptr_t code = 0;
  CodeRange found;
};

int findObject(dl_phdr_info* info, std::size_t, void* data) {
  auto* lookup = static_cast<Lookup*>(data);
  CodeRange range{UINTPTR_MAX, 0};
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD) continue;
    range.start = std::min<std::uintptr_t>(range.start, info->dlpi_addr + segment.p_vaddr);
    range.end =
        std::max<std::uintptr_t>(range.end, info->dlpi_addr + segment.p_vaddr + segment.p_memsz);
  }
  if (!range.holds(lookup->code)) return 0;
  lookup->found = range;
  return 1;
}

CodeRange objectHolding(const void* code) {
  Lookup lookup{reinterpret_cast<std::uintptr_t>(code), {}};
  dl_iterate_phdr(findObject, &lookup);
  return lookup.found;
}

void locateSparedCode() {
  g_program = objectHolding(reinterpret_cast<const void*>(&locateSparedCode));
  g_spared[0] = objectHolding(&QNetworkAccessManager::staticMetaObject);
  g_spared[1] = objectHolding(&QFileDialog::staticMetaObject);
  g_core = objectHolding(&QObject::staticMetaObject);
  // The first unwinding loads what it needs; later ones allocate nothing.
  void* frames[4];
  backtrace(frames, 4);
}

// Whether `frame` lies in one of QObject's connect functions.
bool insideConnect(const void* frame) noexcept {
  Dl_info info{};
  void* entry = nullptr;
  const bool found = dladdr1(frame, &info, &entry, RTLD_DL_SYMENT) != 0;
  const auto* symbol = static_cast<const ElfW(Sym)*>(entry);
  if (!found || info.dli_sname == nullptr || symbol == nullptr) return false;
  const auto start = reinterpret_cast<std::uintptr_t>(info.dli_saddr);
  const auto address = reinterpret_cast<std::uintptr_t>(frame);
  if (address < start || address >= start + symbol->st_size) return false;
  return std::strncmp(info.dli_sname, "_ZN7QObject7connect", 19) == 0 ||
         std::strncmp(info.dli_sname, "_ZN7QObject11connectImpl", 24) == 0;
}

// Whether the nearest caller of the allocation (made from `caller`) that is
// either the program or spared code is spared code.
bool madeBySparedCode(const void* caller) noexcept {
  void* frames[64];
  const int depth = backtrace(frames, 64);
  bool reached = false;  // the frames before the caller's are the hook's own
  for (int i = 0; i < depth; ++i) {
    reached = reached || frames[i] == caller;
    if (!reached) continue;
    const auto address = reinterpret_cast<std::uintptr_t>(frames[i]);
    if (g_program.holds(address)) return false;
    for (const CodeRange& spared : g_spared)
      if (spared.holds(address)) return true;
    if (g_core.holds(address) && insideConnect(frames[i])) return true;
  }
  return false;
}

}  // namespace

// Allocations of the armed thread are counted (and the one chosen fails)
// until the hook is disarmed; or, while an estimate is measured, those of
// the other threads.
bool failing_allocations::failThisAllocation(const void* caller) noexcept {
  const bool watched = g_elsewhere.load(std::memory_order_relaxed) ? !t_main : onArmingThread();
  if (!watched || t_logging || !armed()) return false;
  if (madeBySparedCode(caller)) return false;
  return countThisAllocation();
}

namespace {

using failing_allocations::allocationsOf;
using failing_allocations::arm;
using failing_allocations::disarm;
using project_test_support::riverSpotConfig;
using project_test_support::solveAndWait;
using project_test_support::useIsolatedSettings;

// At most this many failure points per call: every one when there are
// fewer, else evenly spaced over the whole range from a fixed start, so
// that the run is the same each time and reaches the last allocation.
constexpr long kMostPoints = 160;

QList<long> failurePoints(long count) {
  QList<long> points;
  if (count <= 0) return points;
  const long step = count <= kMostPoints ? 1 : (count + kMostPoints - 1) / kMostPoints;
  for (long at = 0; at < count; at += step) points.append(at);
  if (points.last() != count - 1) points.append(count - 1);
  return points;
}

QString noMemoryTo(const char* what) {
  return QCoreApplication::translate("AppController", what);
}

// Runs `prepare` (unhooked) and then `call` with the allocation at each
// point failing in turn, then `check` (which sees `fired`, whether the
// allocation failed), which makes the next call and looks at both; stops at
// the first point whose check fails.
#define FAIL_EACH_ALLOCATION(prepare, call, check)                                   \
  do {                                                                               \
    prepare;                                                                         \
    const long count = allocationsOf([&] { call; });                                 \
    QVERIFY2(count > 0, "the call allocates nothing on its thread");                 \
    const QList<long> points = failurePoints(count);                                 \
    qInfo("%ld allocations, %lld of them failed in turn", count,                     \
          static_cast<long long>(points.size()));                                    \
    for (const long at : points) {                                                   \
      prepare;                                                                       \
      arm(at);                                                                       \
      call;                                                                          \
      disarm();                                                                      \
      const bool fired = failing_allocations::fired();                               \
      [&] { check; }();                                                              \
      if (QTest::currentTestFailed()) {                                              \
        qWarning("failed allocation %ld of %ld (fired: %d)", at, count, int(fired)); \
        return;                                                                      \
      }                                                                              \
    }                                                                                \
  } while (false)

// Launches nothing; keeps what it was asked to open, and says it did.
class RecordingLauncher final : public UpdateLauncher {
 public:
  bool openUrl(const QUrl& url) override {
    opened = url;
    return true;
  }
  bool startDetached(const QString&, const QStringList&) override { return true; }
  QUrl opened;
};

// A text of the program's catalogue, and whether the German one answers
// for it: the language whose texts are installed.
bool germanInForce() {
  return QCoreApplication::translate("AppController", "Not enough memory to start the solve") ==
         QString::fromUtf8("Nicht genug Arbeitsspeicher, um den Solve zu starten");
}

// In front of the test library's own handler.
QtMessageHandler g_testLog = nullptr;

void logUnhooked(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  t_logging = true;
  g_testLog(type, context, message);
  t_logging = false;
}

}  // namespace

class CallFailuresTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  std::unique_ptr<AppController> solved;
  QVariantMap spot = riverSpotConfig(30);

  QString path(const QString& name) const { return dir.filePath(name); }

  // Whether a second controller opens the file, with its results.
  static bool opensWithResults(const QString& file) {
    AppController reader;
    const QVariantMap answer = reader.loadProject(QUrl::fromLocalFile(file));
    return answer.value("ok").toBool() && answer.value("hasResults").toBool() &&
           reader.treeNodeCount() > 0;
  }

 private slots:
  void initTestCase() {
    t_main = true;
    locateSparedCode();
    g_testLog = qInstallMessageHandler(logUnhooked);
    QVERIFY(dir.isValid());
    solved = std::make_unique<AppController>();
    QVERIFY(solveAndWait(*solved, spot));
    // The read-ahead's threads are done before anything is counted.
    solved->explorer().readAheadPool().waitForDone();
    QVERIFY(solved->treeNodeCount() > 2);
  }

  void saveFailsAtEachAllocationAndTheNextSaveWrites() {
    const QVariantMap state{{"board", "Ah Kd 7c 2s 9h"}, {"note", "call failures"}};
    const QUrl failing = QUrl::fromLocalFile(path("failing.pellarisproj"));
    const QString good = path("good.pellarisproj");
    bool saved = false;
    FAIL_EACH_ALLOCATION({}, saved = solved->saveProject(failing, state), {
      // Failed, and said so as a want of memory; or done despite it.
      if (!saved) {
        QVERIFY(fired);
        QCOMPARE(solved->projectSaveError(), noMemoryTo("Not enough memory to save the project"));
      }
      QFile::remove(good);
      QVERIFY(solved->saveProject(QUrl::fromLocalFile(good), state));
      QVERIFY(solved->projectSaveError().isEmpty());
      QVERIFY(!solved->getProjectFileBusy());
      QVERIFY(opensWithResults(good));
    });
  }

  // Each answer read with a failing allocation is empty or whole, and the
  // next read answers as before: nothing half-kept stands in its cache.
  void queryFailsAtEachAllocationAndTheNextAnswers_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("strategy") << "strategy";
    QTest::newRow("combos") << "combos";
    QTest::newRow("ev") << "ev";
  }
  void queryFailsAtEachAllocationAndTheNextAnswers() {
    QFETCH(QString, query);
    const int node = 1;
    // Texts are made before the hook is armed: the test's own allocations
    // are not the controller's.
    const QString seat = QStringLiteral("OOP");
    const auto ask = [&]() -> QVariant {
      if (query == "strategy") return solved->nodeHandStrategy(node);
      if (query == "combos") return solved->nodeHandCombos(node);
      return solved->nodeEv(node, seat);
    };
    const auto emptyAnswer = [](const QVariant& value) {
      if (value.typeId() == QMetaType::Double) return std::isnan(value.toDouble());
      return value.toMap().isEmpty() && value.toList().isEmpty();
    };
    solved->explorer().clearCaches();
    const QVariant expected = ask();
    QVERIFY(!emptyAnswer(expected));
    QVariant answer;
    FAIL_EACH_ALLOCATION(solved->explorer().clearCaches(), answer = ask(), {
      if (answer != expected) QVERIFY(fired && emptyAnswer(answer));
      QCOMPARE(ask(), expected);
    });
  }

  void lockFailsAtEachAllocationAndTheNextLockHolds() {
    const int node = 0;
    const auto handsLocked = [&] {
      QStringList chosen;
      for (const QVariant& row : solved->nodeLocks(node)) {
        if (row.toMap().value("chosen").toBool())
          chosen.append(row.toMap().value("hand").toString());
      }
      chosen.sort();
      return chosen;
    };
    const QString aces = QStringLiteral("AA");
    solved->clearNodeLocks(node);
    solved->setNodeLock(node, aces, 0, 0.25);
    const int seededRows = static_cast<int>(solved->nodeLocks(node).size());
    QVERIFY(seededRows > 1);
    FAIL_EACH_ALLOCATION(solved->clearNodeLocks(node), solved->setNodeLock(node, aces, 0, 0.25), {
      const QStringList before = handsLocked();
      QVERIFY(before.isEmpty() || before == QStringList{"AA"});
      solved->setNodeLock(node, "KK", 1, 0.5);
      QVERIFY(handsLocked().contains("KK"));
      // Every class of the node is there, pinned to the solve or chosen.
      QCOMPARE(solved->nodeLocks(node).size(), seededRows);
    });
    solved->clearNodeLocks(node);
  }

  // The request is made on the calling thread, the measure on a thread of
  // its own: each fails in turn.
  void estimateFailsAtEachAllocationAndTheNextMeasures_data() {
    QTest::addColumn<bool>("onMeasuringThread");
    QTest::newRow("request") << false;
    QTest::newRow("measure") << true;
  }
  void estimateFailsAtEachAllocationAndTheNextMeasures() {
    QFETCH(bool, onMeasuringThread);
    AppController controller;
    const auto waitForAnswer = [&] {
      return QTest::qWaitFor([&] { return !controller.getSolveEstimatePending(); }, 20000);
    };
    controller.requestSolveMemoryEstimate(spot);
    QVERIFY(waitForAnswer());
    const qulonglong bytes = controller.getSolveRequiredMemoryBytes();
    QVERIFY(bytes > 0);
    QVERIFY(controller.getSolveEstimateError().isEmpty());
    g_elsewhere = onMeasuringThread;
    const auto watchThisThread = qScopeGuard([] { g_elsewhere = false; });
    FAIL_EACH_ALLOCATION(
        {},
        {
          controller.requestSolveMemoryEstimate(spot);
          if (onMeasuringThread) (void)waitForAnswer();
        },
        {
          QVERIFY(waitForAnswer());
          const QString error = controller.getSolveEstimateError();
          if (!error.isEmpty()) {
            QVERIFY(fired);
            QCOMPARE(error, noMemoryTo("Not enough memory to estimate this solve"));
          }
          controller.requestSolveMemoryEstimate(spot);
          QVERIFY(waitForAnswer());
          QCOMPARE(controller.getSolveRequiredMemoryBytes(), bytes);
          QVERIFY(controller.getSolveEstimateError().isEmpty());
        });
  }

  void startFailsAtEachAllocationAndTheNextSolves() {
    AppController controller;
    QVERIFY(solveAndWait(controller, spot));
    const int iterations = controller.getResultIterations();
    QVERIFY(iterations > 0);
    const QString solvedStatus = controller.getStatusText();
    FAIL_EACH_ALLOCATION({}, controller.startSolveWithConfig(spot), {
      // Whatever the failed start left running ends: with the result, or
      // with the start's failure as the status.
      QVERIFY(QTest::qWaitFor([&] { return !controller.getRunning(); }, 20000));
      const QString status = controller.getStatusText();
      if (status != solvedStatus) {
        QVERIFY(fired);
        QCOMPARE(status, noMemoryTo("Not enough memory to start the solve"));
      }
      controller.explorer().readAheadPool().waitForDone();
      QVERIFY(solveAndWait(controller, spot));
      QCOMPARE(controller.getResultIterations(), iterations);
      QVERIFY(controller.getResultsSummary().startsWith("Board"));
      controller.explorer().readAheadPool().waitForDone();
    });
  }

  // A switch cut short leaves the language that was in force, whole: the
  // selector (which shows the new language as soon as it is picked, until
  // told otherwise), the catalogues, the default locale and the engine all
  // say the same, the settings page hears why, and the next switch applies.
  void languageSwitchFailsAtEachAllocationAndTheNextApplies() {
    QQmlEngine engine;
    LanguageManager languages(&engine);
    QString selector;
    connect(&languages, &LanguageManager::currentLanguageChanged, this,
            [&] { selector = languages.currentLanguage(); });
    const QString english = QStringLiteral("en");
    const QString german = QStringLiteral("de");
    const auto restore = qScopeGuard([&] { languages.setLanguage(english); });
    int told = 0;
    FAIL_EACH_ALLOCATION(
        languages.setLanguage(english),
        {
          selector = german;
          languages.setLanguage(german);
        },
        {
          const bool switched = germanInForce();
          const QString inForce = switched ? german : english;
          QCOMPARE(languages.currentLanguage(), inForce);
          QCOMPARE(selector, inForce);
          QCOMPARE(engine.uiLanguage(), inForce);
          QCOMPARE(QLocale().language(), switched ? QLocale::German : QLocale::English);
          if (switched) {
            QVERIFY(languages.saveProblem().isEmpty());
          } else {
            QVERIFY(fired);
            ++told;
            QCOMPARE(languages.saveProblem(),
                     noMemoryTo("Not enough memory to switch the language"));
          }
          languages.setLanguage(german);
          QVERIFY(germanInForce());
          QCOMPARE(languages.currentLanguage(), german);
          QCOMPARE(selector, german);
          QVERIFY(languages.saveProblem().isEmpty());
        });
    QVERIFY(told > 0);
  }

  // Forgetting what was fetched, failing at each allocation: the error
  // shown is the want of memory or none, nothing is left running, and the
  // next call forgets with no error.
  void updateClearFailsAtEachAllocationAndTheNextClears() {
    UpdateManager manager(std::make_unique<RecordingLauncher>());
    const QString failed = noMemoryTo("Not enough memory to clear the update information");
    int told = 0;
    FAIL_EACH_ALLOCATION(manager.clearState(), manager.clearState(), {
      if (!manager.lastError().isEmpty()) {
        QVERIFY(fired);
        ++told;
        QCOMPARE(manager.lastError(), failed);
      }
      QVERIFY(!manager.busy());
      QVERIFY(!manager.downloadBusy());
      QVERIFY(!manager.updateAvailable());
      manager.clearState();
      QVERIFY(manager.lastError().isEmpty());
    });
    QVERIFY(told > 0);
  }

  // The update manager's calls against a server on this machine, each
  // failing at each allocation: what the call began ends (a check or
  // download cut short leaves nothing running and no file behind), the
  // error shown is the call's want of memory or none, and the same call
  // made again does its work: the manifest read, the installer saved whole,
  // its folder handed to the desktop. (Opening the download page allocates
  // nothing of its own to fail.)
  void updateCallFailsAtEachAllocationAndTheNextWorks_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("noMemory");
    QTest::newRow("checkNow") << "checkNow"
                              << "Not enough memory to check for updates";
    QTest::newRow("downloadNow") << "downloadNow"
                                 << "Not enough memory to download the update";
    QTest::newRow("updateNow") << "updateNow"
                               << "Not enough memory to download the update";
    QTest::newRow("installNow") << "installNow"
                                << "Not enough memory to install the update";
  }
  void updateCallFailsAtEachAllocationAndTheNextWorks() {
    QFETCH(QString, call);
    QFETCH(QString, noMemory);
    const QByteArray installer(64 * 1024, 'x');
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    UpdateTestServer server;
    QVERIFY(server.listening());
    UpdateTestResponse manifest;
    manifest.body =
        "{\"version\":\"9.9.9\",\"url\":\"" + server.url("/setup.exe").toEncoded() + "\"}";
    server.route("/latest.json", manifest);
    UpdateTestResponse setup;
    setup.contentType = "application/octet-stream";
    setup.body = installer;
    server.route("/setup.exe", setup);

    // Older than the manifest's version, so that an update is offered.
    const QString versionBefore = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    const QString downloads = path("downloads");
    QVERIFY(QDir().mkpath(downloads));
    const bool tmpSet = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray tmpBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(downloads));
    const auto restore = qScopeGuard([&] {
      QCoreApplication::setApplicationVersion(versionBefore);
      if (tmpSet)
        qputenv("TMPDIR", tmpBefore);
      else
        qunsetenv("TMPDIR");
    });
    const auto leftInFolder = [&] {
      return QDir(downloads).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };

    auto launcher = std::make_unique<RecordingLauncher>();
    RecordingLauncher& desktop = *launcher;
    UpdateManager manager(std::move(launcher));
    manager.setManifestUrl(server.url("/latest.json").toString());
    const auto idle = [&] {
      return QTest::qWaitFor([&] { return !manager.busy() && !manager.downloadBusy(); }, 20000);
    };
    const bool fetchesInstaller = call == "downloadNow" || call == "updateNow";
    const bool installs = call == "installNow" || call == "updateNow";
    const auto makeCall = [&] {
      if (call == "checkNow")
        manager.checkNow();
      else if (call == "downloadNow")
        manager.downloadNow();
      else if (call == "updateNow")
        manager.updateNow();
      else
        manager.installNow();
    };
    // The state the call starts from: nothing fetched, else the manifest,
    // else the installer too.
    const auto prepare = [&] {
      // What the last call began ends first, or it would write into the
      // folder after it is emptied.
      (void)idle();
      QDir(downloads).removeRecursively();
      QDir().mkpath(downloads);
      manager.clearState();
      desktop.opened = QUrl();
      if (call == "checkNow") return;
      manager.checkNow();
      (void)idle();
      if (call != "installNow") return;
      manager.downloadNow();
      (void)idle();
    };
    // updateNow installs once its download is done, at its next look.
    const auto settled = [&] {
      return idle() &&
             (!installs ||
              QTest::qWaitFor(
                  [&] { return !desktop.opened.isEmpty() || !manager.lastError().isEmpty(); },
                  20000));
    };
    const QString failed = noMemoryTo(noMemory.toUtf8());
    int told = 0;
    FAIL_EACH_ALLOCATION(prepare(), makeCall(), {
      QVERIFY(settled());
      if (!manager.lastError().isEmpty()) {
        QVERIFY(fired);
        ++told;
        QCOMPARE(manager.lastError(), failed);
        if (fetchesInstaller) {
          QVERIFY(!manager.downloaded());
          QVERIFY(QTest::qWaitFor([&] { return leftInFolder().isEmpty(); }, 20000));
        }
      }
      prepare();
      makeCall();
      QVERIFY(settled());
      QVERIFY(manager.lastError().isEmpty());
      QCOMPARE(manager.latestVersion(), QStringLiteral("9.9.9"));
      if (fetchesInstaller || installs) {
        QVERIFY(manager.downloaded());
        QFile file(manager.downloadedFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), installer);
      }
      if (installs)
        QCOMPARE(desktop.opened, QUrl::fromLocalFile(QFileInfo(downloads).absoluteFilePath()));
    });
    QVERIFY(told > 0);
  }

  // An opening cut short leaves no dialog up and says why; a closing cut
  // short takes the dialog down all the same, and chooses nothing (what a
  // closing allocates itself is the layout kept for the next opening, whose
  // loss is only logged). Either way the next opening shows a dialog that
  // closes with the choice made.
  void fileChooserFailsAtEachAllocationAndTheNextOpens_data() {
    QTest::addColumn<bool>("closing");
    QTest::newRow("open") << false;
    QTest::newRow("close") << true;
  }
  void fileChooserFailsAtEachAllocationAndTheNextOpens() {
    QFETCH(bool, closing);
    QWindow window;
    FileChooser chooser(&window);
    chooser.setTitle(QStringLiteral("Open Project"));
    chooser.setFolder(QUrl::fromLocalFile(dir.path()));
    const QUrl wanted = QUrl::fromLocalFile(path("chosen.pellarisproj"));
    int accepted = 0;
    connect(&chooser, &FileChooser::accepted, this, [&] { ++accepted; });
    const QString failed = noMemoryTo(closing ? "Not enough memory to close the file dialog"
                                              : "Not enough memory to open the file dialog");
    int told = 0;
    FAIL_EACH_ALLOCATION(
        {
          accepted = 0;
          if (closing) {
            chooser.open();
            QVERIFY(chooser.isVisible());
          }
        },
        {
          if (closing)
            chooser.close();
          else
            chooser.open();
        },
        {
          if (!chooser.lastError().isEmpty()) {
            QVERIFY(fired);
            ++told;
            QCOMPARE(chooser.lastError(), failed);
            QVERIFY(!chooser.isVisible());
            QVERIFY(!chooser.dialog());
            QVERIFY(!FileChooser::anyShown());
          } else {
            QCOMPARE(chooser.isVisible(), !closing);
            chooser.close();
          }
          QVERIFY(!FileChooser::anyShown());
          QCOMPARE(accepted, 0);
          chooser.open();
          QVERIFY(chooser.isVisible());
          QVERIFY(chooser.dialog() && chooser.dialog()->isVisible());
          QVERIFY(chooser.lastError().isEmpty());
          chooser.setCurrentFile(wanted);
          chooser.accept();
          QVERIFY(!chooser.isVisible());
          QCOMPARE(accepted, 1);
          QCOMPARE(chooser.file(), wanted);
          QVERIFY(!FileChooser::anyShown());
        });
    QVERIFY(closing || told > 0);
  }

  // The words of a memory failure are those of the language in force, and
  // a status follows a change of language.
  void memoryFailureSpeaksTheChosenLanguage() {
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("halvory_de"), QStringLiteral(HALVORY_QM_DIR)));
    AppController controller;
    const QString english = noMemoryTo("Not enough memory to start the solve");
    for (long at = 0; at < 64 && controller.getStatusText() != english; ++at) {
      arm(at);
      controller.startSolveWithConfig(spot);
      disarm();
      QVERIFY(QTest::qWaitFor([&] { return !controller.getRunning(); }, 20000));
    }
    QCOMPARE(controller.getStatusText(), english);
    QCoreApplication::installTranslator(&german);
    const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });
    QCOMPARE(controller.getStatusText(),
             QString::fromUtf8("Nicht genug Arbeitsspeicher, um den Solve zu starten"));

    const QVariantMap state{{"note", "in German"}};
    const QUrl file = QUrl::fromLocalFile(path("german.pellarisproj"));
    bool saved = true;
    for (long at = 0; at < 5000 && saved; ++at) {
      arm(at);
      saved = solved->saveProject(file, state);
      disarm();
    }
    QVERIFY(!saved);
    QCOMPARE(solved->projectSaveError(),
             QString::fromUtf8("Nicht genug Arbeitsspeicher, um das Projekt zu speichern"));
  }

  // The failure answer gets the exception's own words, read while the
  // exception still exists: one whose words go with it is answered with
  // them, not with what its memory holds afterwards.
  void aFailedCallKeepsTheWordsOfWhatItThrew() {
    struct Passing : std::exception {
      char words[24] = "the range list is gone";
      ~Passing() override {
        for (char& c : words) const_cast<volatile char&>(c) = '#';
      }
      const char* what() const noexcept override { return words; }
    };
    const QString answer = halvory_app::guardedCall(
        "test", []() -> QString { throw Passing(); },
        [](halvory_app::CallFailure, const QString& what) { return what; });
    QCOMPARE(answer, QStringLiteral("the range list is gone"));
    const QString noMemory = halvory_app::guardedCall(
        "test", []() -> QString { throw std::bad_alloc(); },
        [](halvory_app::CallFailure failure, const QString&) {
          return failure == halvory_app::CallFailure::NoMemory ? QStringLiteral("memory")
                                                               : QStringLiteral("other");
        });
    QCOMPARE(noMemory, QStringLiteral("memory"));
  }
};

int main(int argc, char** argv) {
  // A widget application: the file chooser's dialog is a widget.
  QApplication app(argc, argv);
  useIsolatedSettings();
  CallFailuresTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "call_failures_test.moc"
