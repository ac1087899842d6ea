#pragma once
// Solve control: starts, cancels and abandons solves on the session, brings
// the solve thread's progress reports to the GUI thread at a pace the UI can
// follow, keeps a start that finds an abandoned solve still ending until that
// solve has ended, and answers memory estimate requests on a thread of its
// own. Lives on the GUI thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include "context/build_cancel.hpp"
#include "controller/guarded_call.hpp"
#include "session/latest_job_runner.hpp"
#include "session/memory_estimate.hpp"
#include "session/session_control.hpp"
#include "session/solve_records.hpp"

class SolveControl : public QObject {
  Q_OBJECT

 public:
  // What a solve needs of the rest of the controller.
  struct Hooks {
    // The request a start makes of a settings map: with "apply_node_locks"
    // the node locks become its locks, without it they are dropped.
    std::function<halvory_app::SolveConfig(const QVariantMap&)> requestOf;
    // Releases the held result for a new start; returns the bytes it held,
    // which other threads may still be freeing.
    std::function<std::uint64_t()> releaseResults;
    // A fresh reading of the memory the system has available.
    std::function<std::uint64_t()> availableMemory;
    // The final report of the newest solve, and how long that solve ran.
    std::function<void(halvory_app::ResultSnapshot&, std::int64_t runtimeMs)> showResult;
    // The result of an abandoned solve, to be freed unseen.
    std::function<void(halvory_app::ResultSnapshot&)> dropResult;
  };

  // The session runs the solves (a real one when null).
  SolveControl(std::unique_ptr<halvory_app::SessionControl> session, Hooks hooks,
               QObject* parent = nullptr);
  ~SolveControl() override;

  SolveControl(const SolveControl&) = delete;
  SolveControl& operator=(const SolveControl&) = delete;

  halvory_app::SessionControl& session() { return *solveSession; }
  const halvory_app::SessionControl& session() const { return *solveSession; }

  bool running() const { return isRunning; }
  double progress() const { return progressValue; }
  QString statusText() const { return status; }
  QString requiredMemoryText() const { return requiredText; }
  std::uint64_t requiredMemoryBytes() const { return requiredBytes; }
  QString estimateError() const { return estimateProblem; }
  bool estimatePending() const { return estimateWaiting; }
  // What the estimate said when the newest solve started.
  std::uint64_t startRequiredMemoryBytes() const { return startRequiredBytes; }
  // The settings map of the newest start.
  const QVariantMap& lastConfig() const { return lastUiCfg; }
  void setLastConfig(QVariantMap cfg) { lastUiCfg = std::move(cfg); }
  // Threads an estimate assumes for a map that names none.
  void setProcessorCount(int count) { processorCount = count; }

  // Starts a solve of the map unless one runs; refusals become the status.
  void start(const QVariantMap& cfg);
  // The newest start's map again, with the node locks applied.
  void reSolveWithNodeLocks();
  void cancel();
  // Abandons the running solve and any waiting start: the solve's later
  // reports are dropped. The state shown is left to showIdle.
  void abandon();
  // Progress 0, the given words, not running.
  void showIdle(std::function<QString()> words);
  // A status of the controller's own, written again in each new language.
  void setStatus(std::function<QString()> words);

  void requestMemoryEstimate(QVariantMap cfg);
  // A start that threw part-way (`what` its exception's words): the status
  // says why, and the solve counts as running only when one of ours runs
  // or waits to run.
  void startFailed(halvory_app::CallFailure failure, const QString& what);
  // An estimate request that threw part-way: the newest request is
  // answered with why, so that nothing waits for it.
  void estimateFailed(halvory_app::CallFailure failure, const QString& what);
  // The memory a solve needs as the controller runs it: the session's
  // estimate, and what holding the result costs here (the results page's
  // first reads and the first street's prefetch).
  static std::uint64_t requiredMemoryBytes(const halvory_app::MemoryEstimate& estimate);

  // Number of the newest solve; a report carries the number of its solve.
  std::uint64_t solveNumber() const { return solveGeneration; }
  // Handles one report on the GUI thread, as its delivery does.
  void onSolveProgress(halvory_app::SolveProgress& report, std::uint64_t generation);
  // Number of the newest estimate request.
  std::uint64_t estimateNumber() const { return estimateGeneration.load(); }
  // Takes an estimate's answer, as the estimate thread posts it; answers
  // to older requests are dropped. `spot` is the request the answer is
  // for; a start trusts the figures for that spot only.
  void acceptMemoryEstimate(std::uint64_t generation, std::uint64_t bytes, const QString& text,
                            const QString& error = QString(),
                            std::optional<halvory_app::SolveConfig> spot = std::nullopt);
  // The same with the refusal as words that follow the language.
  void acceptMemoryEstimate(std::uint64_t generation, std::uint64_t bytes, const QString& text,
                            std::function<QString()> words,
                            std::optional<halvory_app::SolveConfig> spot = std::nullopt);

 signals:
  void runningChanged();
  void progressChanged();
  void statusTextChanged();
  void requiredMemoryChanged();
  void estimatePendingChanged();
  void memoryEstimated(qulonglong bytes, QString error);

 private:
  struct EstimateRequest {
    SolveControl* control = nullptr;
    std::uint64_t generation = 0;
    QVariantMap cfg;
    int processorCount = 1;
  };

  bool eventFilter(QObject* watched, QEvent* event) override;
  // A status the solve thread wrote: shown as it came.
  void setStatusText(const QString& text);
  void setRunning(bool value);
  void setProgress(double value);
  // What a solve of a spot needs, or why its estimate refuses it.
  struct SpotMeasure {
    std::uint64_t bytes = 0;
    // Set when the spot cannot be measured: the reason, worded anew in
    // each language.
    std::function<QString()> refusal;
  };
  // Measures the spot as the solve would read it, on `threads` threads, the
  // most a solve may use (the memory need does not change with the threads
  // chosen); any thread.
  static SpotMeasure measureSpot(const halvory_app::SolveConfig& config, int threads,
                                 halvory::CancelFlag cancel);
  // The published estimate when it was made for this spot, else one made
  // now.
  SpotMeasure measureFor(const halvory_app::SolveConfig& config) const;
  // Hands the request to the session, or keeps it waiting while an
  // abandoned solve is still ending.
  void launch(const halvory_app::SolveConfig& config, std::uint64_t generation);
  // An abandoned solve's report: its end starts a waiting request.
  void handleAbandonedReport(halvory_app::SolveProgress& report);
  // Solve thread: keeps the newest report for the next delivery.
  void forwardProgressToGui(halvory_app::SolveProgress report, std::uint64_t generation);
  void deliverPendingProgress();
  static void solveMemoryEstimateWorker(const EstimateRequest& request, halvory::CancelFlag cancel);

  Hooks hooks;
  bool isRunning = false;
  double progressValue = 0.0;
  QString status;
  std::function<QString()> statusWords;
  QVariantMap lastUiCfg;

  // Progress reports on their way to the GUI thread. The solve thread keeps
  // at most one report without a result here, the newest; reports with a
  // result are posted on their own and never dropped. Declared before the
  // session, whose destruction waits for the thread that fills it.
  struct PendingProgress {
    std::mutex mutex;
    std::optional<std::pair<halvory_app::SolveProgress, std::uint64_t>> report;
    // A delivery is queued, or the pacing timer runs.
    bool scheduled = false;
  };
  PendingProgress pendingProgress;
  // Spaces the deliveries: a fast solve reports thousands of times a
  // second, and the UI needs only a few updates per frame.
  QTimer progressPacer;
  static constexpr int kProgressIntervalMs = 40;

  std::unique_ptr<halvory_app::SessionControl> solveSession;

  // Number of the newest solve; abandoning the running solve makes its
  // later reports carry an older number, and they are dropped.
  std::uint64_t solveGeneration = 0;
  // Number of the newest solve the session actually started. A start that
  // found an abandoned solve still ending starts nothing, so that solve's
  // final report must end the running state.
  std::uint64_t startedSolveGeneration = 0;
  // A start request that found an abandoned solve still ending: it runs
  // when that solve's final report arrives.
  std::optional<halvory_app::SolveConfig> pendingStart;
  std::uint64_t pendingStartGeneration = 0;
  std::optional<std::int64_t> solveStartTime;
  bool hasSolveStartTime() const { return solveStartTime.has_value(); }

  QString requiredText;
  std::uint64_t requiredBytes = 0;
  QString estimateProblem;
  std::function<QString()> estimateWords;
  bool estimateWaiting = false;
  // The spot the published figures stand for, without what does not change
  // the memory a solve needs; none before the first answer.
  std::optional<halvory_app::SolveConfig> estimatedSpot;
  std::uint64_t startRequiredBytes = 0;
  std::atomic<std::uint64_t> estimateGeneration{0};
  int processorCount = 1;
  // One estimate runs at a time; a newer request cancels the one being
  // computed. Stopped before destruction, so that no answer is posted to a
  // destroyed object.
  halvory_app::LatestJobRunner estimateRunner;
};
