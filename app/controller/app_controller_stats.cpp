// The user's statistics, as the controller forwards them to their part.

#include "controller/app_controller.hpp"
#include "controller/guarded_call.hpp"

using halvory_app::guardedCall;

int AppController::solvesToday() const {
  return guardedCall("solvesToday", [&] { return userStatistics.solvesToday(); });
}

QVariantList AppController::solveActivityGridLastSixMonths() const {
  return guardedCall("solveActivityGridLastSixMonths",
                     [&] { return userStatistics.activityGrid(182); });
}

QVariantList AppController::solveActivityGridLastYear() const {
  return guardedCall("solveActivityGridLastYear", [&] { return userStatistics.activityGrid(364); });
}

QVariantList AppController::solveHistoryDaily() const {
  return guardedCall("solveHistoryDaily", [&] { return userStatistics.historyDaily(); });
}

QString AppController::firstSolveDateIso() const {
  return guardedCall("firstSolveDateIso", [&] { return userStatistics.firstSolveDateIso(); });
}

void AppController::recordPlayVsSolutionHand(bool isMistake, double evLoss) {
  guardedCall("recordPlayVsSolutionHand", [&] {
    userStatistics.recordPlayHand(isMistake, evLoss);
    emit playVsSolutionStatsChanged();
  });
}

void AppController::recordPlayVsSolutionHandDetailed(bool isMistake, double evLoss, double actualEv,
                                                     double optimalEv) {
  guardedCall("recordPlayVsSolutionHandDetailed", [&] {
    userStatistics.recordPlayHandDetailed(isMistake, evLoss, actualEv, optimalEv);
    emit playVsSolutionStatsChanged();
  });
}

QVariantList AppController::playVsSolutionEvHistory() const {
  return guardedCall("playVsSolutionEvHistory",
                     [&] { return userStatistics.loadPlayVsSolutionHistory(); });
}

QVariantMap AppController::playVsSolutionStats() const {
  return guardedCall("playVsSolutionStats", [&] { return userStatistics.playStats(); });
}

void AppController::clearPlayVsSolutionStats() {
  guardedCall("clearPlayVsSolutionStats", [&] {
    userStatistics.clearPlayStats();
    emit playVsSolutionStatsChanged();
  });
}
