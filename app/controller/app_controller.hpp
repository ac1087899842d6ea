#pragma once
// The one object through which the UI reaches the native side: solve control,
// results and their per-node queries, memory figures, project files and the
// user's statistics. Lives on the GUI thread; other threads reach it only by
// posting calls to it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QByteArray>
#include <QDate>
#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include "session/latest_job_runner.hpp"
#include "session/memory_estimate.hpp"
#include "session/solve_records.hpp"
#include "session/session_control.hpp"

#include "controller/guarded_call.hpp"
#include "controller/held_result.hpp"
#include "controller/node_lock_table.hpp"
#include "controller/project_files.hpp"
#include "controller/range_reading.hpp"
#include "controller/result_tree.hpp"
#include "controller/results_explorer.hpp"
#include "controller/solve_config_map.hpp"
#include "controller/solve_control.hpp"
#include "controller/system_info.hpp"
#include "controller/system_status.hpp"
#include "controller/ui_values.hpp"
#include "controller/user_statistics.hpp"

class AppController : public QObject {
  Q_OBJECT

  Q_PROPERTY(QString appDir READ getAppDir CONSTANT)
  Q_PROPERTY(bool useTbb READ getUseTbb CONSTANT)
  Q_PROPERTY(int systemThreadCount READ getSystemThreadCount CONSTANT)
  Q_PROPERTY(QString systemMemoryText READ getSystemMemoryText CONSTANT)
  Q_PROPERTY(QString systemAvailableMemoryText READ getSystemAvailableMemoryText NOTIFY
                 systemMemoryChanged)
  Q_PROPERTY(qulonglong systemMemoryBytes READ getSystemMemoryBytes CONSTANT)
  Q_PROPERTY(qulonglong systemAvailableMemoryBytes READ getSystemAvailableMemoryBytes NOTIFY
                 systemMemoryChanged)
  Q_PROPERTY(QString effectiveAvailableMemoryText READ getEffectiveAvailableMemoryText NOTIFY
                 systemMemoryChanged)
  Q_PROPERTY(qulonglong effectiveAvailableMemoryBytes READ getEffectiveAvailableMemoryBytes NOTIFY
                 systemMemoryChanged)
  Q_PROPERTY(QString solveRequiredMemoryText READ getSolveRequiredMemoryText NOTIFY
                 solveRequiredMemoryChanged)
  Q_PROPERTY(qulonglong solveRequiredMemoryBytes READ getSolveRequiredMemoryBytes NOTIFY
                 solveRequiredMemoryChanged)
  // Why the newest estimated spot cannot be solved (empty when it can), and
  // whether an estimate is still on its way.
  Q_PROPERTY(
      QString solveEstimateError READ getSolveEstimateError NOTIFY solveRequiredMemoryChanged)
  Q_PROPERTY(
      bool solveEstimatePending READ getSolveEstimatePending NOTIFY solveEstimatePendingChanged)
  Q_PROPERTY(bool running READ getRunning NOTIFY runningChanged)
  Q_PROPERTY(double progress READ getProgress NOTIFY progressChanged)
  Q_PROPERTY(QString statusText READ getStatusText NOTIFY statusTextChanged)
  Q_PROPERTY(QString resultsSummary READ getResultsSummary NOTIFY resultsChanged)
  Q_PROPERTY(double resultStartingPot READ getResultStartingPot NOTIFY resultsChanged)
  Q_PROPERTY(int resultIterations READ getResultIterations NOTIFY resultsChanged)
  // Changes with every result taken in or dropped (a solve, an opened
  // project, a clear), also when the iteration count stays the same: what
  // the views of a result follow.
  Q_PROPERTY(int resultsRevision READ getResultsRevision NOTIFY resultsChanged)
  Q_PROPERTY(double resultExploitability READ getResultExploitability NOTIFY resultsChanged)
  Q_PROPERTY(double resultEvOop READ getResultEvOop NOTIFY resultsChanged)
  Q_PROPERTY(double resultEvIp READ getResultEvIp NOTIFY resultsChanged)
  Q_PROPERTY(QVariantList rootActions READ getRootActions NOTIFY resultsChanged)
  // The spot the held result was solved for, as the results page reads it:
  // "gameVariant", "boardText", "utilityModel", and "rakePercent" and
  // "rakeCap" (chips) as the solve charged them (none in a tournament).
  // Empty without a result, or when its spot is not known.
  Q_PROPERTY(QVariantMap resultSpot READ getResultSpot NOTIFY resultsChanged)
  Q_PROPERTY(qulonglong resultsReclaimableMemoryBytes READ getResultsReclaimableMemoryBytes NOTIFY
                 resultsChanged)
  Q_PROPERTY(bool developerMode READ getDeveloperMode CONSTANT)
  // A project file is being saved or opened, and how far (0 to 1).
  Q_PROPERTY(bool projectFileBusy READ getProjectFileBusy NOTIFY projectFileProgressChanged)
  Q_PROPERTY(
      double projectFileProgress READ getProjectFileProgress NOTIFY projectFileProgressChanged)

 public:
  explicit AppController(QObject* parent = nullptr);
  // The platform layer is injectable so tests can set memory figures and
  // the calendar date.
  explicit AppController(std::shared_ptr<halvory_app::SystemInfo> systemInfo,
                         QObject* parent = nullptr);
  // The settings store the user's statistics live in (the settings file
  // when null).
  AppController(std::shared_ptr<halvory_app::SystemInfo> systemInfo,
                std::shared_ptr<halvory_app::SettingsStore> settings, QObject* parent = nullptr);
  // The session that runs the solves (a real one when null).
  AppController(std::shared_ptr<halvory_app::SystemInfo> systemInfo,
                std::shared_ptr<halvory_app::SettingsStore> settings,
                std::unique_ptr<halvory_app::SessionControl> session, QObject* parent = nullptr);
  ~AppController() override;

  AppController(const AppController&) = delete;
  AppController& operator=(const AppController&) = delete;

  // Property accessors.
  QString getAppDir() const;
  bool getUseTbb() const { return false; }
  int getSystemThreadCount() const { return system.threadCount(); }
  // The figures' texts are made at each read (their units follow the
  // language); a read the memory cannot serve reads as empty.
  QString getSystemMemoryText() const {
    return halvory_app::guardedCall("systemMemoryText", [this] { return system.memoryText(); });
  }
  QString getSystemAvailableMemoryText() const {
    return halvory_app::guardedCall("systemAvailableMemoryText",
                                    [this] { return system.availableText(); });
  }
  qulonglong getSystemMemoryBytes() const { return system.memoryBytes(); }
  qulonglong getSystemAvailableMemoryBytes() const { return system.availableBytes(); }
  QString getEffectiveAvailableMemoryText() const {
    return halvory_app::guardedCall("effectiveAvailableMemoryText",
                                    [this] { return system.effectiveAvailableText(); });
  }
  qulonglong getEffectiveAvailableMemoryBytes() const { return system.effectiveAvailableBytes(); }
  QString getSolveRequiredMemoryText() const { return solve.requiredMemoryText(); }
  qulonglong getSolveRequiredMemoryBytes() const { return solve.requiredMemoryBytes(); }
  QString getSolveEstimateError() const { return solve.estimateError(); }
  bool getSolveEstimatePending() const { return solve.estimatePending(); }
  bool getRunning() const { return solve.running(); }
  double getProgress() const { return solve.progress(); }
  QString getStatusText() const { return solve.statusText(); }
  QString getResultsSummary() const { return held.summary; }
  double getResultStartingPot() const { return held.startingPot; }
  int getResultIterations() const { return held.iterations; }
  int getResultsRevision() const { return resultsRevision; }
  double getResultExploitability() const { return held.exploitability; }
  double getResultEvOop() const { return held.evOop; }
  double getResultEvIp() const { return held.evIp; }
  QVariantList getRootActions() const { return held.rootActions; }
  QVariantMap getResultSpot() const;
  qulonglong getResultsReclaimableMemoryBytes() const { return system.reclaimableBytes(); }
  bool getDeveloperMode() const { return developerMode; }
  bool getProjectFileBusy() const { return projectFileBusy; }
  double getProjectFileProgress() const { return projectFileProgress; }

 signals:
  void runningChanged();
  void progressChanged();
  void statusTextChanged();
  void resultsChanged();
  void handDistributions169Ready(int nodeIndex);
  void solveStatsChanged();
  void playVsSolutionStatsChanged();
  void systemMemoryChanged();
  void solveRequiredMemoryChanged();
  void solveEstimatePendingChanged();
  void projectFileProgressChanged();
  // Every answer to the newest estimate request, changed or not: the bytes
  // (0 when refused) and the refusal (empty when the spot can be solved).
  void solveMemoryEstimated(qulonglong bytes, QString error);

 public:
  Q_INVOKABLE void startSolve();
  Q_INVOKABLE void startSolveWithConfig(QVariantMap cfg);
  Q_INVOKABLE void reSolveWithNodeLocks();
  Q_INVOKABLE void cancelSolve();
  Q_INVOKABLE void clearResults();
  Q_INVOKABLE void requestSolveMemoryEstimate(QVariantMap cfg);
  // Whether a start of the settings map would solve another spot than the
  // one the held result was solved for (false without a result, or when its
  // spot is not known). Read by the start's own conversion, so a setting
  // only written differently ("2d" for "2D") is no change.
  Q_INVOKABLE bool setupDiffersFromResults(QVariantMap cfg) const;
  // Range text read by the solver's own reader, in the deck of `variant`
  // beside the cards of `board`: "ok", "error" (the reader's refusal,
  // naming the item), "weights" (hand class -> share of its live
  // combinations, classes at 0 left out), "mixed" (classes whose
  // combinations differ in weight) and "combos" (weighted count of the live
  // combinations).
  Q_INVOKABLE QVariantMap readRangeText(QString text, QString variant,
                                        QString board = QString()) const;
  // An imported file's text as the range to store: "ok", "error", "text"
  // (the file's items tidied, read to the same weights; empty when it holds
  // no hand) and "combos".
  Q_INVOKABLE QVariantMap normalizeImportedRangeText(QString rawText, QString variant) const;
  // A piece of the user's text as a reason quotes it: short, on one line,
  // invisible characters shown as escapes.
  Q_INVOKABLE QString quotedText(QString text) const;
  // An entry of a project or a profile under its request key ("starting_pot",
  // "oop_flop_add_all_in") as the page names its field, in the current
  // language; empty for a key with no field.
  Q_INVOKABLE QString fieldLabel(QString key) const;
  Q_INVOKABLE QVariantList solveActivityGridLastYear() const;
  Q_INVOKABLE QVariantList solveActivityGridLastSixMonths() const;
  Q_INVOKABLE int solvesToday() const;
  Q_INVOKABLE QString firstSolveDateIso() const;
  Q_INVOKABLE QVariantList solveHistoryDaily() const;
  Q_INVOKABLE void recordPlayVsSolutionHand(bool isMistake, double evLoss);
  Q_INVOKABLE void recordPlayVsSolutionHandDetailed(bool isMistake, double evLoss, double actualEv,
                                                    double optimalEv);
  Q_INVOKABLE QVariantList playVsSolutionEvHistory() const;
  Q_INVOKABLE QVariantMap playVsSolutionStats() const;
  Q_INVOKABLE void clearPlayVsSolutionStats();
  // Each opens its file with the desktop; without a program for it, the
  // path is returned so that the page can show it.
  Q_INVOKABLE QString openLicensesFolder() const;
  Q_INVOKABLE QString openThirdPartyNotices() const;
  Q_INVOKABLE QString readTextResource(QString path) const;
  Q_INVOKABLE bool saveProject(QUrl fileUrl, QVariantMap projectState) const;
  // "ok", "error", "project", "hasResults"; a refusal also as "reason",
  // which fileReasonText words in the language in force.
  Q_INVOKABLE QVariantMap loadProject(QUrl fileUrl);
  Q_INVOKABLE QString fileReasonText(QVariant reason) const;
  // Why the last saveProject failed (no space, no permission, no memory) in
  // the user's language; empty after a save that worked or was cancelled.
  Q_INVOKABLE QString projectSaveError() const;
  // Whether a local file (or folder) of that URL exists; the save dialog
  // asks before replacing one.
  Q_INVOKABLE bool fileExists(QUrl fileUrl) const;
  // The user's home folder, where file dialogs start before any was used.
  Q_INVOKABLE QUrl homeFolderUrl() const;
  // Stops the project save under way; the file it would replace stays.
  Q_INVOKABLE void cancelProjectSave();
  Q_INVOKABLE QVariantMap saveTextFile(QUrl fileUrl, QString text) const;
  Q_INVOKABLE QVariantMap readTextFile(QUrl fileUrl) const;
  // Why the settings store cannot keep a write, or empty when it can.
  Q_INVOKABLE QString settingsStoreProblem() const;
  Q_INVOKABLE void setNodeLock(int nodeIndex, QString handLabel169, int actionIndex,
                               double actionProb);
  Q_INVOKABLE void setNodeLockProbs(int nodeIndex, QString handLabel169, QVariantList actionProbs);
  Q_INVOKABLE void clearNodeLocks(int nodeIndex);
  Q_INVOKABLE QVariantList nodeLocks(int nodeIndex) const;
  Q_INVOKABLE int treeNodeCount() const;
  Q_INVOKABLE QVariantMap nodeMeta(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeActions(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeActionStats(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodePocketActionEvs(int nodeIndex, QString player, QString c1,
                                               QString c2) const;
  Q_INVOKABLE QVariantMap showdownWinner(QString boardText, QString oopText, QString ipText) const;
  Q_INVOKABLE QVariantMap nodeHandStrategy(int nodeIndex) const;
  Q_INVOKABLE QVariantMap nodeHandStrategyReach169(int nodeIndex, QString bucketName) const;
  Q_INVOKABLE QVariantList nodeHandCombos(int nodeIndex) const;
  Q_INVOKABLE QVariantList nodeSeatHandCombos(int nodeIndex, QString player) const;
  Q_INVOKABLE QVariantList nodeHandBuckets(int nodeIndex) const;
  Q_INVOKABLE QVariantMap nodeHandDistributions169(int nodeIndex);
  Q_INVOKABLE double nodeEv(int nodeIndex, QString player) const;
  // The rake charged when the hand ends at the node, in chips; NaN unknown.
  Q_INVOKABLE double nodeRake(int nodeIndex) const;

  // Solve-configuration map into a solve request (engine units). With
  // applyNodeLocks the node-lock table becomes the request's locks.
  halvory_app::SolveConfig buildSolveConfig(const QVariantMap& cfg, bool applyNodeLocks) const;

  // The memory a solve needs as the controller runs it.
  static std::uint64_t requiredMemoryBytes(const halvory_app::MemoryEstimate& estimate) {
    return SolveControl::requiredMemoryBytes(estimate);
  }

  // Processor count and memory figures.
  SystemStatus& systemStatus() { return system; }
  const SystemStatus& systemStatus() const { return system; }
  // Starting, cancelling and pacing solves, and the memory estimates.
  SolveControl& solveControl() { return solve; }
  const SolveControl& solveControl() const { return solve; }

  // The node locks a re-solve keeps.
  NodeLockTable& nodeLockTable() { return lockTable; }
  const NodeLockTable& nodeLockTable() const { return lockTable; }
  // Solve activity and Play vs. Solution statistics.
  UserStatistics& statistics() { return userStatistics; }
  // The node queries and their caches.
  ResultsExplorer& explorer() { return resultsExplorer; }
  const ResultsExplorer& explorer() const { return resultsExplorer; }
  // Project files, text files and the program's texts.
  ProjectFiles& projects() { return projectFiles; }
  // Node meta and action rows of the held result.
  ResultTree& tree() { return resultTree; }
  const ResultTree& tree() const { return resultTree; }

 private:
  void clearNodeCaches();
  // Returns the bytes the released result held (by its estimate), which
  // other threads may still be freeing.
  std::uint64_t releaseResultsForStart();
  // Hands the memory the allocator keeps after frees back to the system,
  // once the release a file's work left behind has ended.
  void releaseFreedMemoryNow();
  // Hands the tree rows to a thread of their own to be freed.
  void releaseTreeRows();
  // Empties the result properties and tree lists (no signal).
  void clearResultFields();
  // The request a start makes of a settings map.
  halvory_app::SolveConfig startRequest(const QVariantMap& cfg);
  // The newest solve's final report: its result, or why it failed.
  void showResult(halvory_app::ResultSnapshot& snapshot, std::int64_t runtimeMs);
  // An abandoned solve's result, freed off the GUI thread.
  void dropResult(halvory_app::ResultSnapshot& snapshot);
  SolveControl::Hooks solveHooks();
  ProjectFiles::Hooks projectHooks();
  // A start that threw part-way: its words as the status, nothing left
  // running, and the views read the held result again.
  void startFailed(halvory_app::CallFailure failure, const QString& what);
  // What clearResults does.
  void clearHeldResults();
  QVariantMap showdownAnswer(const QString& boardText, const QString& oopText,
                             const QString& ipText) const;
  static bool localFileExists(QUrl fileUrl);
  bool projectFileHoldsTheResult() const;
  // Counts a new held result and emits resultsChanged.
  void announceResults();

  // Members, in the order of the controller's member table.
  HeldResult held;
  int resultsRevision = 0;
  // Node meta and action rows of the held result.
  ResultTree resultTree;

  NodeLockTable lockTable;
  // The last range texts read: several bindings ask at each edit.
  mutable halvory_app::RangeTextReader rangeReader;

  // Action count of a node in the stored tree lists; 0 outside the tree.
  int nodeActionCount(int nodeIndex) const;

  // Platform layer and the figures read from it.
  SystemStatus system;
  const std::shared_ptr<halvory_app::SystemInfo>& systemInfo;
  // The solve control and its session, which the explorer reads.
  SolveControl solve;
  halvory_app::SessionControl& session;
  ResultsExplorer resultsExplorer;
  ProjectFiles projectFiles;
  bool projectFileBusy = false;
  double projectFileProgress = 0.0;
  bool developerMode = false;

  UserStatistics userStatistics;

  // project and training state
  // (project-file and Play vs. Solution members go here)
  // end of project and training state

  // Ends when what the last file's work freed has gone back to the system,
  // on a thread of its own once the call has answered.
  std::shared_future<void> fileMemoryRelease;
};
