// The user's statistics, as the controller forwards them to their part.

#include "controller/app_controller.hpp"

int AppController::solvesToday() const {
  return userStatistics.solvesToday();
}

QVariantList AppController::solveActivityGridLastSixMonths() const {
  return userStatistics.activityGrid(182);
}

QVariantList AppController::solveActivityGridLastYear() const {
  return userStatistics.activityGrid(364);
}

QVariantList AppController::solveHistoryDaily() const {
  return userStatistics.historyDaily();
}

QString AppController::firstSolveDateIso() const {
  return userStatistics.firstSolveDateIso();
}

void AppController::recordPlayVsSolutionHand(bool isMistake, double evLoss) {
  userStatistics.recordPlayHand(isMistake, evLoss);
  emit playVsSolutionStatsChanged();
}

void AppController::recordPlayVsSolutionHandDetailed(bool isMistake, double evLoss, double actualEv,
                                                     double optimalEv) {
  userStatistics.recordPlayHandDetailed(isMistake, evLoss, actualEv, optimalEv);
  emit playVsSolutionStatsChanged();
}

QVariantList AppController::playVsSolutionEvHistory() const {
  return userStatistics.loadPlayVsSolutionHistory();
}

QVariantMap AppController::playVsSolutionStats() const {
  return userStatistics.playStats();
}

void AppController::clearPlayVsSolutionStats() {
  userStatistics.clearPlayStats();
  emit playVsSolutionStatsChanged();
}
