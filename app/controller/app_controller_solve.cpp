// Solve control: starting, refusing, cancelling and clearing solves, the
// progress reports of the solve thread, and the memory estimate requests.

#include "controller/app_controller.hpp"

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <system_error>
#include <type_traits>
#include <utility>

#include <QDebug>
#include <QMetaObject>

#include "context/thread_start.hpp"
#include "context/worker_threads.hpp"
#include "session/memory_estimate.hpp"
#include "session/request_conversion.hpp"

using halvory_app::buildSolveConfigFromMap;
using halvory_app::formatGigabytes;
using halvory_app::rangeProblem;
using halvory_app::startProblem;

using halvory_app::ResultSnapshot;
using halvory_app::SolveConfig;
using halvory_app::SolveProgress;

namespace {

std::int64_t steadyNowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first sizing list the solve's normaliser refuses, its message led by
// the field it stands in ("IP river bet sizes"); empty when all read.
QString sizingFieldProblem(const QVariantMap& cfg) {
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix =
          QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street));
      const bool allIn = cfg.value(prefix + QStringLiteral("_add_all_in")).toBool();
      for (const char* kind : {"bet", "raise"}) {
        const QString text =
            cfg.value(prefix + QStringLiteral("_%1_sizes").arg(QLatin1String(kind))).toString();
        try {
          (void)halvory_app::normalize_sizing_text(text.toStdString(), allIn);
        } catch (const std::exception& error) {
          return QStringLiteral("%1 %2 %3 sizes \u2014 %4")
              .arg(QString::fromLatin1(seat).toUpper(), QLatin1String(street), QLatin1String(kind),
                   QString::fromUtf8(error.what()));
        }
      }
    }
  }
  return {};
}

}  // namespace

void AppController::startSolve() {
  startSolveWithConfig(QVariantMap());
}

void AppController::startSolveWithConfig(QVariantMap cfg) {
  if (running) return;
  setStatus([] { return tr("Starting..."); });

  const auto number = [&cfg](const char* key, double fallback) {
    return cfg.contains(QLatin1String(key)) ? cfg.value(QLatin1String(key)).toDouble() : fallback;
  };
  const auto text = [&cfg](const char* key) { return cfg.value(QLatin1String(key)).toString(); };
  const auto jam = [&cfg](const char* seat) {
    const QString prefix = QLatin1String(seat);
    const bool enabled =
        cfg.value(prefix + QStringLiteral("_add_all_in_jam_threshold_enabled")).toBool();
    const double pct =
        enabled ? cfg.value(prefix + QStringLiteral("_add_all_in_jam_threshold_pct")).toDouble()
                : 0.0;
    return std::make_pair(enabled, pct);
  };
  const auto [oopJamOn, oopJamPct] = jam("oop");
  const auto [ipJamOn, ipJamPct] = jam("ip");
  qInfo().nospace().noquote() << "UI startSolveWithConfig: board=" << text("board")
                              << " oop_range.len=" << text("oop_range").size()
                              << " ip_range.len=" << text("ip_range").size()
                              << " pot=" << static_cast<qint64>(number("starting_pot", 100))
                              << " stack=" << static_cast<qint64>(number("effective_stack", 100))
                              << " rake%=" << number("rake_percent", 0)
                              << " rake_cap=" << number("rake_cap", 0)
                              << " iters=" << static_cast<qint64>(number("max_iterations", 2000))
                              << " target_expl=" << number("target_exploitability", 0.1)
                              << " oop_flop_bets=" << text("oop_flop_bet_sizes")
                              << " oop_flop_raises=" << text("oop_flop_raise_sizes")
                              << " ip_flop_bets=" << text("ip_flop_bet_sizes")
                              << " ip_flop_raises=" << text("ip_flop_raise_sizes")
                              << " oop_jam_thr_en=" << oopJamOn << " oop_jam_thr_pct=" << oopJamPct
                              << " ip_jam_thr_en=" << ipJamOn << " ip_jam_thr_pct=" << ipJamPct;

  lastUiCfg = cfg;
  const bool applyLocks = cfg.value(QStringLiteral("apply_node_locks")).toBool();
  if (!applyLocks && !lockTable.isEmpty()) lockTable.clear();

  const SolveConfig config = buildSolveConfig(cfg, applyLocks);
  // Refused before the previous result is released, so nothing is lost.
  const QString problem = startProblem(cfg, config);
  if (!problem.isEmpty()) {
    setStatus([cfg, config] { return startProblem(cfg, config); });
    return;
  }

  // Read before the release: the old result is freed on other threads, so a
  // reading taken afterwards may already include part of it. What it held is
  // counted once, on top of the earlier reading.
  refreshAvailableMemory();
  const std::uint64_t before = systemAvailableMemoryBytes;
  const std::uint64_t released = releaseResultsForStart();

  startRequiredMemoryBytes = solveRequiredMemoryBytes;
  const std::uint64_t available =
      before > 0 ? std::max(before + released, systemAvailableMemoryBytes) : 0;
  if (solveRequiredMemoryBytes > 0 && available > 0 && available <= solveRequiredMemoryBytes) {
    setStatus([] { return tr("Not enough RAM to solve (after clearing previous results)"); });
    return;
  }

  solveStartTime = steadyNowNs();
  hasSolveStartTime = true;
  setRunning(true);
  launchSolve(config, ++solveGeneration);
}

void AppController::launchSolve(const SolveConfig& config, std::uint64_t generation) {
  pendingStart.reset();
  try {
    if (!session.is_running() && session.start(config, [this, generation](SolveProgress report) {
          forwardProgressToGui(std::move(report), generation);
        })) {
      startedSolveGeneration = generation;
      return;
    }
  } catch (const std::exception& error) {
    // No thread could be started: nothing runs, so nothing will end the
    // running state later.
    setRunning(false);
    setStatusText(QStringLiteral("Error: ") + QString::fromUtf8(error.what()));
    return;
  }
  // The solve that clearResults abandoned is still ending (it stops at its
  // next cancel check). Refusing would lose this request; it starts as soon
  // as the abandoned solve's final report arrives.
  session.cancel();
  pendingStart = config;
  pendingStartGeneration = generation;
  setStatus([] { return tr("Waiting for the previous solve to stop..."); });
}

namespace {

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

}  // namespace

void AppController::releaseTreeRows() {
  if (resultTree.isEmpty()) return;
  freeOffGuiThread(resultTree.take(), systemInfo);
}

void AppController::clearResultFields() {
  rootActions.clear();
  releaseTreeRows();
  resultsSummary.clear();
  resultStartingPot = 0.0;
  resultIterations = 0;
  resultExploitability = 0.0;
  resultEvOop = 0.0;
  resultEvIp = 0.0;
}

std::uint64_t AppController::releaseResultsForStart() {
  // Freed on other threads: until they are done, what the previous result
  // held counts as available, as it did before the release.
  const std::uint64_t released = resultsReclaimableMemoryBytes;
  session.clear_results();
  clearNodeCaches();
  clearResultFields();
  resultsReclaimableMemoryBytes = 0;
  emit resultsChanged();
  emit systemMemoryChanged();
  // The allocator keeps freed pages; hand them back so the RAM check sees
  // the memory the previous result no longer uses.
  systemInfo->releaseFreedMemory();
  refreshAvailableMemory();
  return released;
}

void AppController::reSolveWithNodeLocks() {
  if (running) return;
  if (lastUiCfg.isEmpty()) {
    setStatus([] { return tr("No previous solve config (solve once first)"); });
    return;
  }
  QVariantMap cfg = lastUiCfg;
  cfg.insert(QStringLiteral("apply_node_locks"), true);
  startSolveWithConfig(cfg);
}

void AppController::cancelSolve() {
  session.cancel();
  if (pendingStart.has_value()) {
    // Only a waiting request to drop: no solve of ours will report.
    pendingStart.reset();
    setStatus([] { return tr("Cancelled"); });
    setRunning(false);
    return;
  }
  setStatus([] { return tr("Cancelling..."); });
}

void AppController::clearResults() {
  session.cancel();
  pendingStart.reset();
  ++solveGeneration;
  session.clear_results();
  clearNodeCaches();
  lockTable.clear();
  clearResultFields();
  lastUiCfg.clear();
  resultsReclaimableMemoryBytes = 0;
  startRequiredMemoryBytes = 0;
  if (progress != 0.0) {
    progress = 0.0;
    emit progressChanged();
  }
  setStatus([] { return tr("Ready"); });
  setRunning(false);
  systemInfo->releaseFreedMemory();
  emit resultsChanged();
  emit systemMemoryChanged();
}

void AppController::forwardProgressToGui(SolveProgress report, std::uint64_t generation) {
  // Solve thread: touch nothing but this object's address and the pending
  // report. A queued call is dropped with the object's pending events if it
  // is destroyed first.
  if (report.result.has_value()) {
    {
      // The final report says all a waiting one would, and must arrive last.
      std::lock_guard lock(pendingProgress.mutex);
      if (pendingProgress.report && pendingProgress.report->second == generation)
        pendingProgress.report.reset();
    }
    // Moved, never copied: a large tree's rows are a good part of the
    // process's memory.
    auto last = std::make_shared<SolveProgress>(std::move(report));
    QMetaObject::invokeMethod(
        this, [this, last, generation]() { onSolveProgress(*last, generation); },
        Qt::QueuedConnection);
    return;
  }
  bool post = false;
  {
    std::lock_guard lock(pendingProgress.mutex);
    pendingProgress.report.emplace(std::move(report), generation);
    post = !pendingProgress.scheduled;
    pendingProgress.scheduled = true;
  }
  if (post)
    QMetaObject::invokeMethod(this, &AppController::deliverPendingProgress, Qt::QueuedConnection);
}

void AppController::deliverPendingProgress() {
  std::optional<std::pair<SolveProgress, std::uint64_t>> next;
  {
    std::lock_guard lock(pendingProgress.mutex);
    next.swap(pendingProgress.report);
    // Nothing came in since the last delivery: the next report posts anew.
    if (!next) {
      pendingProgress.scheduled = false;
      return;
    }
  }
  onSolveProgress(next->first, next->second);
  progressPacer.start();
}

void AppController::onSolveProgress(SolveProgress& report, std::uint64_t generation) {
  // A report of an abandoned solve (results cleared, or a project loaded
  // since) must not overwrite what the user now sees.
  if (generation != solveGeneration) {
    if (report.result.has_value() && !report.result->tree_node_meta.empty())
      freeOffGuiThread(std::move(report.result->tree_node_meta), systemInfo);
    // The abandoned solve has ended: a start request that waited for it
    // runs now. Without one, if the newest start request found the
    // abandoned solve running, nothing else will end the running state.
    if (report.result.has_value() && !session.is_running()) {
      if (pendingStart.has_value()) {
        const SolveConfig config = std::move(*pendingStart);
        launchSolve(config, pendingStartGeneration);
      } else if (running && startedSolveGeneration != solveGeneration) {
        setRunning(false);
      }
    }
    return;
  }
  qInfo().nospace().noquote() << "UI solve progress: p=" << report.progress
                              << " status=" << fromUtf8(report.status)
                              << " has_result=" << (report.result.has_value() ? "true" : "false");
  if (progress != report.progress) {
    progress = report.progress;
    emit progressChanged();
  }
  setStatusText(fromUtf8(report.status));

  if (report.result.has_value()) {
    ResultSnapshot& snapshot = *report.result;
    QString summary;
    if (!snapshot.ok) {
      summary = tr("Solve failed: %1").arg(fromUtf8(snapshot.error));
      clearResultFields();
      clearNodeCaches();
    } else {
      clearNodeCaches();
      summary = tr("Board %1 | iters %2 | expl\u2248%3 | EV(oop)=%4 EV(ip)=%5")
                    .arg(fromUtf8(snapshot.board))
                    .arg(snapshot.iterations)
                    .arg(QString::number(snapshot.exploitability / 100.0, 'f', 4))
                    .arg(QString::number(snapshot.ev_oop / 100.0, 'f', 3))
                    .arg(QString::number(snapshot.ev_ip / 100.0, 'f', 3));

      const qint64 runtimeMs = hasSolveStartTime ? (steadyNowNs() - solveStartTime) / 1000000 : 0;
      userStatistics.recordSolve(
          static_cast<int>(std::min<std::uint32_t>(snapshot.iterations, 2147483647u)),
          snapshot.exploitability / 100.0, runtimeMs);
      emit solveStatsChanged();

      resultStartingPot = snapshot.starting_pot / 100.0;
      resultIterations =
          static_cast<int>(std::min<std::uint32_t>(snapshot.iterations, 2147483647u));
      resultExploitability = snapshot.exploitability / 100.0;
      resultEvOop = snapshot.ev_oop / 100.0;
      resultEvIp = snapshot.ev_ip / 100.0;
      resultsReclaimableMemoryBytes = startRequiredMemoryBytes;
      emit systemMemoryChanged();

      const std::size_t names = snapshot.root_action_names.size();
      const std::size_t types = snapshot.root_action_types.size();
      const std::size_t freqs = snapshot.root_action_frequencies.size();
      const std::size_t n = std::min({names, types, freqs});
      if (names != types || types != freqs) {
        qWarning() << "Result root action arrays have mismatched sizes:"
                   << "names=" << names << "types=" << types << "freqs=" << freqs
                   << "(using n=" << n << ")";
      }
      rootActions.clear();
      rootActions.reserve(static_cast<qsizetype>(n));
      for (std::size_t i = 0; i < n; ++i) {
        rootActions.append(QVariantMap{
            {QStringLiteral("name"), fromUtf8(snapshot.root_action_names[i])},
            {QStringLiteral("actionType"), fromUtf8(snapshot.root_action_types[i])},
            {QStringLiteral("frequency"), QVariant::fromValue(snapshot.root_action_frequencies[i])},
        });
      }
      // The rows stay compact; the results page's reads build their maps.
      releaseTreeRows();
      resultTree.setSolved(std::move(snapshot.tree_node_meta), snapshot.effective_stack / 100.0);
    }
    resultsSummary = summary;
    if (snapshot.ok) resultsExplorer.prefetchFirstStreetNodes();
    qInfo().nospace() << "UI about to emit resultsChanged: root_actions=" << rootActions.size()
                      << " summary.len=" << summary.size();
    emit resultsChanged();
    qInfo() << "UI emitted resultsChanged";
  }

  // Only the final report (it always carries a result) ends the running
  // state, so the UI never sees "idle" before the results are filled in.
  if (report.result.has_value() && !session.is_running() && running) setRunning(false);
}

// ---- memory estimates ----------------------------------------------------

std::uint64_t AppController::requiredMemoryBytes(const halvory_app::MemoryEstimate& estimate) {
  // Measured through the controller (bench/controller_memory_check): the
  // rows the page's first reads and the prefetch cache hold grow with the
  // hands of both seats, and their threads and queries have a fixed part.
  constexpr std::uint64_t kResultReadsFixedBytes = std::uint64_t{2} << 20;
  constexpr std::uint64_t kResultReadsBytesPerHand = 11776;
  const std::uint64_t hands = estimate.oop_hands + estimate.ip_hands;
  return estimate.total_bytes + kResultReadsFixedBytes + hands * kResultReadsBytesPerHand;
}

void AppController::requestSolveMemoryEstimate(QVariantMap cfg) {
  const std::uint64_t generation = ++estimateGeneration;
  if (!solveEstimatePending) {
    solveEstimatePending = true;
    emit solveEstimatePendingChanged();
  }
  try {
    estimateRunner.submit(
        [request = EstimateRequest{this, generation, std::move(cfg), systemThreadCount}](
            halvory::CancelFlag cancel) { solveMemoryEstimateWorker(request, cancel); });
  } catch (const std::exception& error) {
    // No thread: answer at once rather than throwing into the UI.
    acceptMemoryEstimate(generation, 0, formatGigabytes(0), QString::fromUtf8(error.what()));
  }
}

void AppController::solveMemoryEstimateWorker(const EstimateRequest& request,
                                              halvory::CancelFlag cancel) {
  std::uint64_t bytes = 0;
  QString error;
  QString notReady;
  try {
    const SolveConfig config = buildSolveConfigFromMap(request.cfg, request.processorCount);
    notReady = startProblem(request.cfg, config);
    if (notReady.isEmpty()) {
      // The solve's own reading of the request: sizings (named by their
      // field), ranges and the ICM entries.
      error = sizingFieldProblem(request.cfg);
      for (const char* seat : {"oop", "ip"}) {
        const QString key = QStringLiteral("%1_range").arg(QLatin1String(seat));
        const QString problem = rangeProblem(request.cfg.value(key).toString());
        if (error.isEmpty() && !problem.isEmpty()) error = key + QStringLiteral(": ") + problem;
      }
      if (error.isEmpty())
        (void)halvory_app::convert_request(config, halvory_app::ConversionPurpose::solve);
      if (error.isEmpty()) {
        std::string message;
        const auto estimate = halvory_app::estimate_solve_memory(config, &message, cancel);
        if (estimate.has_value() && estimate->total_bytes != 0)
          bytes = requiredMemoryBytes(*estimate);
        else
          error = QString::fromUtf8(message);
      }
    }
  } catch (const std::exception& failure) {
    error = QString::fromUtf8(failure.what());
  } catch (...) {
    error = QStringLiteral("Unknown error");
  }
  // A newer request (or the controller's end) cancelled this one: its
  // answer would be dropped anyway.
  if (halvory::cancel_requested(cancel)) return;
  if (bytes == 0 && notReady.isEmpty()) {
    if (error.isEmpty()) error = QStringLiteral("the memory need could not be measured");
    notReady = tr("Not ready: %1").arg(error);
  }
  error = notReady;
  const QString text = formatGigabytes(bytes);
  AppController* controller = request.controller;
  const std::uint64_t generation = request.generation;
  // The controller stops this thread before it is destroyed, so the
  // address is valid here; the queued call is dropped if it dies first.
  QMetaObject::invokeMethod(
      controller,
      [controller, generation, bytes, text, error]() {
        controller->acceptMemoryEstimate(generation, bytes, text, error);
      },
      Qt::QueuedConnection);
}

void AppController::acceptMemoryEstimate(std::uint64_t generation, std::uint64_t bytes,
                                         const QString& text, const QString& error) {
  if (generation != estimateGeneration.load()) return;
  if (solveEstimatePending) {
    solveEstimatePending = false;
    emit solveEstimatePendingChanged();
  }
  if (bytes != solveRequiredMemoryBytes || text != solveRequiredMemoryText ||
      error != solveEstimateError) {
    solveRequiredMemoryBytes = bytes;
    solveRequiredMemoryText = text;
    solveEstimateError = error;
    emit solveRequiredMemoryChanged();
  }
  emit solveMemoryEstimated(bytes, error);
}
