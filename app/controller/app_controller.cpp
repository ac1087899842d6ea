// AppController as a whole: construction, system information, property
// accessors and the small conversions shared by the other controller files.

#include "controller/app_controller.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <thread>

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

#include "controller/guarded_call.hpp"
#include "controller/refusal_words.hpp"

using halvory_app::CallFailure;
using halvory_app::formatGigabytes;
using halvory_app::guardedCall;
using halvory_app::parseEnvBool;

namespace {

// The answer of a range call that threw.
QVariantMap rangeReadFailed(CallFailure failure, const QString& what) {
  return halvory_app::failedCallAnswer(
      failure, QT_TRANSLATE_NOOP("AppController", "Not enough memory to read the range"), what);
}

}  // namespace

AppController::AppController(QObject* parent)
    : AppController(halvory_app::makeSystemInfo(), parent) {}

AppController::AppController(std::shared_ptr<halvory_app::SystemInfo> info, QObject* parent)
    : AppController(std::move(info), nullptr, parent) {}

AppController::AppController(std::shared_ptr<halvory_app::SystemInfo> info,
                             std::shared_ptr<halvory_app::SettingsStore> settings, QObject* parent)
    : AppController(std::move(info), std::move(settings), nullptr, parent) {}

AppController::AppController(std::shared_ptr<halvory_app::SystemInfo> info,
                             std::shared_ptr<halvory_app::SettingsStore> settings,
                             std::unique_ptr<halvory_app::SessionControl> solveSession,
                             QObject* parent)
    : QObject(parent),
      lockTable([this](int node) { return resultsExplorer.solvedStrategy(node); },
                [this](int node) { return nodeActionCount(node); }),
      system(std::move(info)),
      systemInfo(system.info()),
      solve(std::move(solveSession), solveHooks()),
      session(solve.session()),
      resultsExplorer(session, resultTree),
      projectFiles({held, resultTree, resultsExplorer, lockTable, solve, system}, projectHooks()),
      userStatistics(std::move(settings), [this] { return systemInfo->currentDate(); }) {
  session.set_memory_release([info = systemInfo] { info->releaseFreedMemory(); });
  session.set_log([](std::string_view text) {
    qInfo().noquote()
        << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
  });
  // The first variable that is set decides, even with a value we do not
  // recognise.
  bool isSet = false;
  for (const char* name : {"HALVORY_DEV_MODE", "DUNMARROW_DEV_MODE", "CPP_SOLVER_DEV_MODE"}) {
    const bool value = parseEnvBool(name, &isSet);
    if (isSet) {
      developerMode = value;
      break;
    }
  }
  qInfo().noquote() << "[devtools] compiled_in=1"
                    << QStringLiteral("HALVORY_DEV_MODE=") +
                           QString::fromLocal8Bit(qgetenv("HALVORY_DEV_MODE"))
                    << QStringLiteral("DUNMARROW_DEV_MODE=") +
                           QString::fromLocal8Bit(qgetenv("DUNMARROW_DEV_MODE"))
                    << QStringLiteral("CPP_SOLVER_DEV_MODE=") +
                           QString::fromLocal8Bit(qgetenv("CPP_SOLVER_DEV_MODE"))
                    << QStringLiteral("developerMode=") + (developerMode ? "true" : "false");

  solve.setProcessorCount(system.threadCount());
  connect(&system, &SystemStatus::memoryChanged, this, &AppController::systemMemoryChanged);

  connect(&resultsExplorer, &ResultsExplorer::distributionsReady, this,
          &AppController::handDistributions169Ready);

  connect(&solve, &SolveControl::runningChanged, this, &AppController::runningChanged);
  connect(&solve, &SolveControl::progressChanged, this, &AppController::progressChanged);
  connect(&solve, &SolveControl::statusTextChanged, this, &AppController::statusTextChanged);
  connect(&solve, &SolveControl::requiredMemoryChanged, this,
          &AppController::solveRequiredMemoryChanged);
  connect(&solve, &SolveControl::estimatePendingChanged, this,
          &AppController::solveEstimatePendingChanged);
  connect(&solve, &SolveControl::memoryEstimated, this, &AppController::solveMemoryEstimated);

  solve.setStatus([] { return tr("Ready"); });
}

AppController::~AppController() {
  // Ask the solve to stop now; the solve control's end waits for its
  // thread and for the estimate thread.
  session.cancel();
  // Prefetches not yet begun are dropped; running ones end with the pool.
  resultsExplorer.stopPrefetch();
  // A large result is freed off this thread, so that closing the window
  // does not wait for it; the session does the same with the solve.
  releaseTreeRows();
  // The release of the last file's work, short, ends before the controller.
  if (fileMemoryRelease.valid()) fileMemoryRelease.wait();
}

QString AppController::getAppDir() const {
  return QCoreApplication::applicationDirPath();
}

void AppController::clearNodeCaches() {
  resultsExplorer.clearCaches();
}

void AppController::announceResults() {
  resultsRevision = resultsRevision == std::numeric_limits<int>::max() ? 1 : resultsRevision + 1;
  emit resultsChanged();
}

halvory_app::SolveConfig AppController::buildSolveConfig(const QVariantMap& cfg,
                                                         bool applyNodeLocks) const {
  halvory_app::SolveConfig out = halvory_app::buildSolveConfigFromMap(cfg, system.threadCount());
  if (applyNodeLocks) out.node_locks = lockTable.requests();
  return out;
}

QVariantMap AppController::readRangeText(QString text, QString variant, QString board) const {
  return guardedCall(
      "readRangeText", [&] { return rangeReader.read(text, variant, board); }, rangeReadFailed);
}

QVariantMap AppController::normalizeImportedRangeText(QString rawText, QString variant) const {
  return guardedCall(
      "normalizeImportedRangeText",
      [&] { return halvory_app::normalizeImportedRangeText(rawText, variant); }, rangeReadFailed);
}

QString AppController::quotedText(QString text) const {
  return guardedCall("quotedText", [&] { return halvory_app::quotedText(text); });
}

QString AppController::fieldLabel(QString key) const {
  return guardedCall("fieldLabel", [&] { return halvory_app::entryLabel(key.toStdString()); });
}
