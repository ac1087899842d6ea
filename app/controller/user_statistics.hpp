#pragma once
// The user's own statistics in the settings store: solve activity (one group
// of counters per calendar day, read back as heat-map grids and a daily
// history) and the Play vs. Solution record (totals, today's counts and the
// EV history of recent hands).

#include <functional>
#include <memory>

#include <QDate>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "controller/settings_store.hpp"

class UserStatistics {
 public:
  UserStatistics(std::shared_ptr<halvory_app::SettingsStore> store, std::function<QDate()> today);

  // Solve activity.
  void recordSolveActivity(int iterations, double exploitability, qint64 runtimeMs);
  int solvesToday() const;
  // Whole weeks, Monday first, ending with the week of today; the days
  // before the span and after its last Sunday are padding cells.
  QVariantList activityGrid(int spanDays) const;
  QVariantList historyDaily() const;
  QString firstSolveDateIso() const;

  // Play vs. Solution.
  void recordPlayHand(bool isMistake, double evLoss);
  void recordPlayHandDetailed(bool isMistake, double evLoss, double actualEv, double optimalEv);
  QVariantList loadPlayVsSolutionHistory() const;
  QVariantMap playStats() const;
  void clearPlayStats();

 private:
  using Reader = halvory_app::SettingsStore::Reader;

  QDate storedFirstSolveDate() const;
  QDate earliestSolveDay() const;
  // The changes of one counted hand, from the counters `read` gives (those
  // stored at the moment of writing), gathered into `changes`.
  static void recordPlayVsSolutionTotals(const Reader& read, const QDate& day, bool mistake,
                                         double loss, QVariantMap& changes);
  static void addPlayVsSolutionHand(const Reader& read, const QString& prefix, bool mistake,
                                    double loss, QVariantMap& changes);
  // The EV history as one compact JSON array, and read back from it.
  static void savePlayVsSolutionHistory(const QVariantList& history, QVariantMap& changes);
  static QVariantList historyFrom(const QString& stored);

  std::shared_ptr<halvory_app::SettingsStore> store;
  std::function<QDate()> today;
  mutable QString cachedFirstSolveDate;
  mutable bool firstSolveDateCached = false;
};
