#pragma once
// Project files (the held result with its node caches, locks and solve
// settings, saved and loaded), text files the user picks, and the texts and
// notices shipped with the program. Lives on the GUI thread.

#include <atomic>
#include <functional>
#include <optional>

#include <QString>
#include <QUrl>
#include <QVariantMap>

#include "controller/held_result.hpp"
#include "controller/node_lock_table.hpp"
#include "controller/result_tree.hpp"
#include "controller/results_explorer.hpp"
#include "controller/solve_control.hpp"
#include "controller/system_status.hpp"

class ProjectFiles {
 public:
  // The parts a project is made of; all outlive this one.
  struct Parts {
    HeldResult& held;
    ResultTree& tree;
    ResultsExplorer& explorer;
    NodeLockTable& locks;
    SolveControl& solve;
    SystemStatus& system;
  };
  struct Hooks {
    // Empties the held result and frees its tree rows.
    std::function<void()> releaseHeld;
    // A project replaced the held result; whether the memory its release
    // gives back changed.
    std::function<void(bool reclaimableChanged)> loaded;
    // A file is being written or read (busy), and how far it is (0 to 1).
    std::function<void(bool busy, double progress)> fileWork;
  };

  ProjectFiles(Parts parts, Hooks hooks);

  // False when the file cannot be written, or the save was cancelled; the
  // old file is then kept. The file is written on a thread of its own while
  // the GUI thread goes on; it returns when the save has ended.
  bool save(QUrl fileUrl, const QVariantMap& projectState) const;
  // Why the last save failed, in the user's language: no space, no
  // permission or no memory; empty after a save that worked or was
  // cancelled, or whose failure has no better words than the page's own.
  QString saveError() const { return lastSaveError; }
  // Stops the save under way (its old file stays).
  void cancel();
  // The answer of a save that threw: false, and when the memory ran out,
  // words that say so.
  bool saveFailed(bool noMemory) const;
  bool isBusy() const { return busy; }
  // "ok", "error", "project" and "hasResults". A refused file changes
  // nothing; refused, too, while a solve runs.
  QVariantMap load(QUrl fileUrl);

  // "ok" and "error".
  static QVariantMap saveTextFile(QUrl fileUrl, const QString& text);
  // "ok", "error" and "text"; regular files of up to 2 MiB only.
  static QVariantMap readTextFile(QUrl fileUrl);
  // A file of the program's resources; empty when there is none.
  static QString readTextResource(const QString& path);
  // Each opens its file with the desktop; without a program for it, the
  // path is returned so that the page can show it.
  static QString openLicensesFolder();
  static QString openThirdPartyNotices();

 private:
  // Runs the work on a thread of its own while the GUI thread goes on; no
  // answer when the work threw (out of memory).
  template <typename Result>
  std::optional<Result> awayFromGui(
      const std::function<Result(const std::function<bool(double)>&)>& work) const;

  HeldResult& held;
  ResultTree& tree;
  ResultsExplorer& explorer;
  NodeLockTable& locks;
  SolveControl& solve;
  SystemStatus& system;
  Hooks hooks;
  mutable bool busy = false;
  mutable QString lastSaveError;
  mutable std::atomic<bool> stopRequested{false};
};
