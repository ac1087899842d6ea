// Solve control: starting, refusing, cancelling and abandoning solves, and
// the progress reports of the solve thread (the memory estimates are in
// solve_control_estimate.cpp).
// Its words belong to the controller's translation context, where the
// program has always kept them.

#include "controller/solve_control.hpp"

#include <algorithm>
#include <chrono>
#include <exception>
#include <new>
#include <utility>

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QMetaObject>

#include "controller/refusal_words.hpp"
#include "controller/solve_config_map.hpp"
#include "controller/ui_values.hpp"
#include "session/request_conversion.hpp"
#include "session/solve_session.hpp"

using halvory_app::formatGigabytes;
using halvory_app::startProblem;

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

std::function<QString()> noMemoryToStart() {
  return [] {
    return QCoreApplication::translate("AppController", "Not enough memory to start the solve");
  };
}

void logStart(const QVariantMap& cfg) {
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
}

}  // namespace

SolveControl::SolveControl(std::unique_ptr<halvory_app::SessionControl> session, Hooks solveHooks,
                           QObject* parent)
    : QObject(parent),
      hooks(std::move(solveHooks)),
      solveSession(session ? std::move(session) : std::make_unique<halvory_app::SolveSession>()),
      requiredText(formatGigabytes(0)) {
  progressPacer.setInterval(kProgressIntervalMs);
  progressPacer.setSingleShot(true);
  connect(&progressPacer, &QTimer::timeout, this, &SolveControl::deliverPendingProgress);
  // The status words follow a change of language (the application tells
  // itself of every installed or removed translator).
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

SolveControl::~SolveControl() {
  progressPacer.stop();
  // Ask the solve to stop now; the session's destructor then waits for its
  // thread. Reports it still posts are dropped with this object's events.
  solveSession->cancel();
  // The estimate thread holds this object's address: cancel its estimate
  // and wait for it, so that it never posts to a destroyed object.
  estimateRunner.stop();
}

// ---- shown state -----------------------------------------------------------

void SolveControl::setStatus(std::function<QString()> words) {
  statusWords = std::move(words);
  const QString text = statusWords();
  if (status == text) return;
  status = text;
  emit statusTextChanged();
}

bool SolveControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
    // Nothing may leave an event filter: short of memory, the texts stay.
    try {
      if (statusWords) {
        const QString text = statusWords();
        if (status != text) {
          status = text;
          emit statusTextChanged();
        }
      }
      // The held figure in the new language's unit and the refusal in its
      // words, from what the estimate left: nothing is measured again.
      const QString problem = estimateWords ? estimateWords() : estimateProblem;
      const QString figure = formatGigabytes(requiredBytes);
      if (estimateProblem != problem || requiredText != figure) {
        estimateProblem = problem;
        requiredText = figure;
        emit requiredMemoryChanged();
      }
    } catch (const std::exception&) {
    }
  }
  return QObject::eventFilter(watched, event);
}

void SolveControl::setStatusText(const QString& text) {
  statusWords = nullptr;
  if (status == text) return;
  status = text;
  emit statusTextChanged();
}

void SolveControl::setRunning(bool value) {
  if (isRunning == value) return;
  isRunning = value;
  emit runningChanged();
}

void SolveControl::setProgress(double value) {
  if (progressValue == value) return;
  progressValue = value;
  emit progressChanged();
}

void SolveControl::showIdle(std::function<QString()> words) {
  setProgress(0.0);
  setStatus(std::move(words));
  setRunning(false);
}

// ---- starting and stopping ---------------------------------------------------

void SolveControl::start(const QVariantMap& cfg) {
  if (isRunning) return;
  setStatus([] { return QCoreApplication::translate("AppController", "Starting..."); });
  logStart(cfg);

  lastUiCfg = cfg;
  const SolveConfig config = hooks.requestOf(cfg);
  // Refused before the previous result is released, so nothing is lost.
  const QString problem = startProblem(cfg, config);
  if (!problem.isEmpty()) {
    setStatus([cfg, config] { return startProblem(cfg, config); });
    return;
  }

  // Only an estimate of this very spot may let it start: the figure on
  // screen may still be that of the spot before an edit. A spot its
  // estimate refuses would only fail in the solve thread, after the
  // results held were released: refused here, with the estimate's reason.
  const SpotMeasure measured = measureFor(config);
  if (measured.refusal) {
    setStatus(measured.refusal);
    return;
  }
  const std::uint64_t needed = measured.bytes;

  // Read before the release: the old result is freed on other threads, so a
  // reading taken afterwards may already include part of it. What it held is
  // counted once, on top of the earlier reading.
  const std::uint64_t before = hooks.availableMemory();
  const std::uint64_t released = hooks.releaseResults();
  const std::uint64_t after = hooks.availableMemory();

  startRequiredBytes = needed;
  const std::uint64_t available = before > 0 ? std::max(before + released, after) : 0;
  if (needed > 0 && available > 0 && available <= needed) {
    setStatus([] {
      return QCoreApplication::translate(
          "AppController", "Not enough RAM to solve (after clearing previous results)");
    });
    return;
  }

  solveStartTime = steadyNowNs();
  setRunning(true);
  launch(config, ++solveGeneration);
}

void SolveControl::launch(const SolveConfig& config, std::uint64_t generation) {
  pendingStart.reset();
  try {
    if (!solveSession->is_running() &&
        solveSession->start(config, [this, generation](SolveProgress report) {
          forwardProgressToGui(std::move(report), generation);
        })) {
      startedSolveGeneration = generation;
      return;
    }
  } catch (const std::bad_alloc&) {
    setRunning(false);
    setStatus(noMemoryToStart());
    return;
  } catch (const std::exception& error) {
    // No thread could be started: nothing runs, so nothing will end the
    // running state later.
    setRunning(false);
    setStatusText(QStringLiteral("Error: ") + QString::fromUtf8(error.what()));
    return;
  }
  // The abandoned solve is still ending (it stops at its next cancel
  // check). Refusing would lose this request; it starts as soon as the
  // abandoned solve's final report arrives.
  solveSession->cancel();
  pendingStart = config;
  pendingStartGeneration = generation;
  setStatus([] {
    return QCoreApplication::translate("AppController",
                                       "Waiting for the previous solve to stop...");
  });
}

void SolveControl::startFailed(halvory_app::CallFailure failure, const QString& what) {
  if (isRunning && !pendingStart.has_value() && !solveSession->is_running()) setRunning(false);
  if (failure == halvory_app::CallFailure::NoMemory) {
    setStatus(noMemoryToStart());
    return;
  }
  setStatus([what] { return QCoreApplication::translate("AppController", "Error: %1").arg(what); });
}

void SolveControl::reSolveWithNodeLocks() {
  if (isRunning) return;
  if (lastUiCfg.isEmpty()) {
    setStatus([] {
      return QCoreApplication::translate("AppController",
                                         "No previous solve config (solve once first)");
    });
    return;
  }
  QVariantMap cfg = lastUiCfg;
  cfg.insert(QStringLiteral("apply_node_locks"), true);
  start(cfg);
}

void SolveControl::cancel() {
  // Nothing of ours runs or waits: a cancel has nothing to say.
  if (!isRunning) return;
  solveSession->cancel();
  if (pendingStart.has_value()) {
    // Only a waiting request to drop: no solve of ours will report.
    pendingStart.reset();
    setStatus([] { return QCoreApplication::translate("AppController", "Cancelled"); });
    setRunning(false);
    return;
  }
  setStatus([] { return QCoreApplication::translate("AppController", "Cancelling..."); });
}

void SolveControl::abandon() {
  solveSession->cancel();
  pendingStart.reset();
  ++solveGeneration;
  startRequiredBytes = 0;
}

// ---- progress reports ----------------------------------------------------------

void SolveControl::forwardProgressToGui(SolveProgress report, std::uint64_t generation) {
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
    QMetaObject::invokeMethod(this, &SolveControl::deliverPendingProgress, Qt::QueuedConnection);
}

void SolveControl::deliverPendingProgress() {
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

void SolveControl::handleAbandonedReport(SolveProgress& report) {
  if (!report.result.has_value()) return;
  if (!report.result->tree_node_meta.empty()) hooks.dropResult(*report.result);
  // The abandoned solve has ended: a start request that waited for it runs
  // now. Without one, if the newest start request found the abandoned solve
  // running, nothing else will end the running state.
  if (solveSession->is_running()) return;
  if (pendingStart.has_value()) {
    const SolveConfig config = std::move(*pendingStart);
    launch(config, pendingStartGeneration);
  } else if (isRunning && startedSolveGeneration != solveGeneration) {
    setRunning(false);
  }
}

void SolveControl::onSolveProgress(SolveProgress& report, std::uint64_t generation) {
  // A report of an abandoned solve (results cleared, or a project loaded
  // since) must not overwrite what the user now sees.
  if (generation != solveGeneration) {
    handleAbandonedReport(report);
    return;
  }
  qInfo().nospace().noquote() << "UI solve progress: p=" << report.progress
                              << " status=" << fromUtf8(report.status)
                              << " has_result=" << (report.result.has_value() ? "true" : "false");
  setProgress(report.progress);
  if (report.result.has_value() && !report.result->refusal.empty()) {
    // What refused the spot, in the language in force.
    setStatus([refusal = report.result->refusal] {
      return QCoreApplication::translate("AppController", "Error: %1")
          .arg(halvory_app::wordRefusal(refusal));
    });
  } else {
    setStatusText(fromUtf8(report.status));
  }
  if (!report.result.has_value()) return;

  const std::int64_t runtimeMs =
      hasSolveStartTime() ? (steadyNowNs() - *solveStartTime) / 1000000 : 0;
  hooks.showResult(*report.result, runtimeMs);
  // Only the final report (it always carries a result) ends the running
  // state, so the UI never sees "idle" before the results are filled in.
  if (!solveSession->is_running() && isRunning) setRunning(false);
}
