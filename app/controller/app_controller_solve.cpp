// The controller's side of solving: the solve control's calls forwarded, the
// request a start makes, releasing the held result for a new one, and
// showing a finished solve's result.

#include "controller/app_controller.hpp"
#include "controller/guarded_call.hpp"
#include "controller/refusal_words.hpp"

#include <algorithm>
#include <exception>
#include <memory>
#include <type_traits>
#include <utility>

#include <QCoreApplication>
#include <QDebug>

#include "context/worker_threads.hpp"
#include "queries/node_queries.hpp"
#include "session/memory_estimate.hpp"
#include "tree/game.hpp"

using halvory_app::CallFailure;
using halvory_app::guardedCall;
using halvory_app::ResultSnapshot;
using halvory_app::SolveConfig;

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Millions of rows take a while to free: not on the GUI thread. The
// allocator's freed pages go back to the system afterwards.
template <typename Rows>
void freeOffGuiThread(Rows&& rows, std::shared_ptr<halvory_app::SystemInfo> info) {
  auto doomed = std::make_shared<std::decay_t<Rows>>(std::forward<Rows>(rows));
  halvory::run_detached([doomed = std::move(doomed), info = std::move(info)]() mutable {
    doomed.reset();
    if (info) info->releaseFreedMemory();
  });
}

QVariantList rootActionRows(const ResultSnapshot& snapshot) {
  const std::size_t names = snapshot.root_action_names.size();
  const std::size_t types = snapshot.root_action_types.size();
  const std::size_t freqs = snapshot.root_action_frequencies.size();
  const std::size_t n = std::min({names, types, freqs});
  if (names != types || types != freqs) {
    qWarning() << "Result root action arrays have mismatched sizes:"
               << "names=" << names << "types=" << types << "freqs=" << freqs << "(using n=" << n
               << ")";
  }
  QVariantList rows;
  rows.reserve(static_cast<qsizetype>(n));
  for (std::size_t i = 0; i < n; ++i) {
    rows.append(QVariantMap{
        {QStringLiteral("name"), fromUtf8(snapshot.root_action_names[i])},
        {QStringLiteral("actionType"), fromUtf8(snapshot.root_action_types[i])},
        {QStringLiteral("frequency"), QVariant::fromValue(snapshot.root_action_frequencies[i])},
    });
  }
  return rows;
}

}  // namespace

// While a project file is written or read, its copy of the held result
// still counts: a start would be admitted on memory that is not free yet,
// and a load would find a solve running when it ends.
bool AppController::projectFileHoldsTheResult() const {
  if (!projectFiles.isBusy()) return false;
  qInfo() << "A project file is being written or read; no solve starts meanwhile";
  return true;
}

void AppController::startFailed(CallFailure failure, const QString& what) {
  solve.startFailed(failure, what);
  // The held result may have been released part-way: the views read it
  // again.
  announceResults();
  emit systemMemoryChanged();
}

void AppController::startSolve() {
  guardedCall(
      "startSolve",
      [&] {
        if (projectFileHoldsTheResult()) return;
        solve.start(QVariantMap());
      },
      [this](CallFailure failure, const QString& what) { startFailed(failure, what); });
}

void AppController::startSolveWithConfig(QVariantMap cfg) {
  guardedCall(
      "startSolveWithConfig",
      [&] {
        if (projectFileHoldsTheResult()) return;
        solve.start(cfg);
      },
      [this](CallFailure failure, const QString& what) { startFailed(failure, what); });
}

void AppController::reSolveWithNodeLocks() {
  guardedCall(
      "reSolveWithNodeLocks",
      [&] {
        if (projectFileHoldsTheResult()) return;
        solve.reSolveWithNodeLocks();
      },
      [this](CallFailure failure, const QString& what) { startFailed(failure, what); });
}

void AppController::cancelSolve() {
  guardedCall("cancelSolve", [&] { solve.cancel(); });
}

void AppController::requestSolveMemoryEstimate(QVariantMap cfg) {
  guardedCall(
      "requestSolveMemoryEstimate", [&] { solve.requestMemoryEstimate(std::move(cfg)); },
      [this](CallFailure failure, const QString& what) { solve.estimateFailed(failure, what); });
}

QVariantMap AppController::getResultSpot() const {
  if (held.spot.isEmpty()) return {};
  try {
    const SolveConfig spot = buildSolveConfig(held.spot, false);
    return QVariantMap{
        {QStringLiteral("gameVariant"), fromUtf8(spot.variant)},
        {QStringLiteral("boardText"), fromUtf8(spot.board)},
        {QStringLiteral("utilityModel"), fromUtf8(spot.utility_model)},
        {QStringLiteral("rakePercent"), spot.rake_percent},
        {QStringLiteral("rakeCap"), spot.rake_cap / 100.0},
    };
  } catch (const std::exception&) {
    // Out of memory: the page falls back to the set-up's values.
    return {};
  }
}

bool AppController::setupDiffersFromResults(QVariantMap cfg) const {
  return guardedCall(
      "setupDiffersFromResults",
      [&] {
        return !held.spot.isEmpty() && !halvory_app::sameSpot(buildSolveConfig(cfg, false),
                                                              buildSolveConfig(held.spot, false));
      },
      // Not known to be the same spot.
      [](CallFailure, const QString&) { return true; });
}

SolveControl::Hooks AppController::solveHooks() {
  SolveControl::Hooks hooks;
  hooks.requestOf = [this](const QVariantMap& cfg) { return startRequest(cfg); };
  hooks.releaseResults = [this] { return releaseResultsForStart(); };
  hooks.availableMemory = [this] { return system.availableNow(); };
  hooks.showResult = [this](ResultSnapshot& snapshot, std::int64_t runtimeMs) {
    showResult(snapshot, runtimeMs);
  };
  hooks.dropResult = [this](ResultSnapshot& snapshot) { dropResult(snapshot); };
  return hooks;
}

SolveConfig AppController::startRequest(const QVariantMap& cfg) {
  const bool applyLocks = cfg.value(QStringLiteral("apply_node_locks")).toBool();
  if (!applyLocks && !lockTable.isEmpty()) lockTable.clear();
  return buildSolveConfig(cfg, applyLocks);
}

void AppController::releaseTreeRows() {
  if (resultTree.isEmpty()) return;
  freeOffGuiThread(resultTree.take(), systemInfo);
}

void AppController::clearResultFields() {
  held = HeldResult{};
  releaseTreeRows();
}

std::uint64_t AppController::releaseResultsForStart() {
  // Freed on other threads: until they are done, what the previous result
  // held counts as available, as it did before the release.
  const std::uint64_t released = system.reclaimableBytes();
  session.clear_results();
  clearNodeCaches();
  clearResultFields();
  system.setReclaimableBytes(0);
  announceResults();
  emit systemMemoryChanged();
  // The allocator keeps freed pages; hand them back so the RAM check sees
  // the memory the previous result no longer uses.
  releaseFreedMemoryNow();
  return released;
}

void AppController::releaseFreedMemoryNow() {
  if (fileMemoryRelease.valid()) fileMemoryRelease.wait();
  systemInfo->releaseFreedMemory();
}

void AppController::clearResults() {
  guardedCall("clearResults", [&] { clearHeldResults(); });
}

void AppController::clearHeldResults() {
  solve.abandon();
  session.clear_results();
  clearNodeCaches();
  lockTable.clear();
  clearResultFields();
  solve.setLastConfig({});
  system.setReclaimableBytes(0);
  solve.showIdle([] { return tr("Ready"); });
  releaseFreedMemoryNow();
  announceResults();
  emit systemMemoryChanged();
}

void AppController::dropResult(ResultSnapshot& snapshot) {
  freeOffGuiThread(std::move(snapshot.tree_node_meta), systemInfo);
}

void AppController::showResult(ResultSnapshot& snapshot, std::int64_t runtimeMs) {
  QString summary;
  if (!snapshot.ok) {
    summary = tr("Solve failed: %1")
                  .arg(snapshot.refusal.empty() ? fromUtf8(snapshot.error)
                                                : halvory_app::wordRefusal(snapshot.refusal));
    clearResultFields();
    clearNodeCaches();
  } else {
    clearNodeCaches();
    // A run without an iteration measured nothing: no figure, not a perfect 0.
    const QString exploitability = snapshot.iterations > 0
                                       ? QString::number(snapshot.exploitability / 100.0, 'f', 4)
                                       : QStringLiteral("\u2014");
    summary = tr("Board %1 | iters %2 | expl\u2248%3 | EV(oop)=%4 EV(ip)=%5")
                  .arg(fromUtf8(snapshot.board))
                  .arg(snapshot.iterations)
                  .arg(exploitability)
                  .arg(QString::number(snapshot.ev_oop / 100.0, 'f', 3))
                  .arg(QString::number(snapshot.ev_ip / 100.0, 'f', 3));

    const int iterations =
        static_cast<int>(std::min<std::uint32_t>(snapshot.iterations, 2147483647u));
    userStatistics.recordSolveActivity(iterations, snapshot.exploitability / 100.0, runtimeMs);
    emit solveStatsChanged();

    held.startingPot = snapshot.starting_pot / 100.0;
    held.iterations = iterations;
    held.exploitability = snapshot.exploitability / 100.0;
    held.evOop = snapshot.ev_oop / 100.0;
    held.evIp = snapshot.ev_ip / 100.0;
    system.setReclaimableBytes(solve.startRequiredMemoryBytes());
    emit systemMemoryChanged();

    held.rootActions = rootActionRows(snapshot);
    // No start is taken while a solve runs: the last one is this result's.
    held.spot = solve.lastConfig();
    // The rows stay compact; the results page's reads build their maps.
    releaseTreeRows();
    resultTree.setSolved(std::move(snapshot.tree_node_meta), snapshot.effective_stack / 100.0);
    // The nodes read are kept within the budget the memory check counted.
    const halvory_app::SolvedGame solved = halvory_app::solved_game_of(session);
    if (solved.game) {
      resultsExplorer.caches().store.setBudget(halvory_app::browse_budget_bytes(
          solved.game->cards.pockets[0].size(), solved.game->cards.pockets[1].size()));
    }
  }
  held.summary = summary;
  if (snapshot.ok) resultsExplorer.prefetchFirstStreetNodes();
  qInfo().nospace() << "UI about to emit resultsChanged: root_actions=" << held.rootActions.size()
                    << " summary.len=" << summary.size();
  announceResults();
  qInfo() << "UI emitted resultsChanged";
}
