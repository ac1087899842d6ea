#include "controller/user_statistics.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

// ---- Solve activity ---------------------------------------------------------

const QString kActivityGroup = QStringLiteral("solveActivity");
const QString kFirstSolveDateKey = QStringLiteral("solveActivity/firstSolveDate");
const QString kCounterNames[] = {QStringLiteral("solves"), QStringLiteral("iterationsSum"),
                                 QStringLiteral("exploitabilitySum"),
                                 QStringLiteral("runtimeMsSum")};

struct DayCounters {
  int solves = 0;
  qint64 iterationsSum = 0;
  double exploitabilitySum = 0.0;
  qint64 runtimeMsSum = 0;
};

QString activityKeyPrefix(const QDate& date) {
  return QStringLiteral("solveActivity/%1/").arg(date.toString(Qt::ISODate));
}

// The counters of the days from `first` to `last`, read in one go.
QList<DayCounters> readDays(const halvory_app::SettingsStore& store, const QDate& first,
                            const QDate& last) {
  QStringList keys;
  for (QDate day = first; day <= last; day = day.addDays(1)) {
    const QString prefix = activityKeyPrefix(day);
    for (const QString& name : kCounterNames) keys.append(prefix + name);
  }
  const QVariantList values = store.values(keys);
  QList<DayCounters> days;
  days.reserve(values.size() / 4);
  for (qsizetype i = 0; i + 3 < values.size(); i += 4) {
    days.append(DayCounters{values.at(i).toInt(), values.at(i + 1).toLongLong(),
                            values.at(i + 2).toDouble(), values.at(i + 3).toLongLong()});
  }
  return days;
}

// ---- Play vs. Solution -------------------------------------------------------

constexpr int kPlayHistoryMaxEntries = 1000;
const QString kPlayGroup = QStringLiteral("playVsSolution");
const QString kPlayTotalPrefix = QStringLiteral("playVsSolution/total/");
const QString kPlayHistoryKey = QStringLiteral("playVsSolution/historyEv");

QString playVsSolutionKeyPrefix(const QDate& date) {
  return QStringLiteral("playVsSolution/%1/").arg(date.toString(Qt::ISODate));
}

double cleanEvLoss(double evLoss) {
  return std::isfinite(evLoss) && evLoss > 0.0 ? evLoss : 0.0;
}

struct PlaySummary {
  int hands = 0;
  int mistakes = 0;
  double accuracyPct = 0.0;
  double avgEvLoss = 0.0;
};

PlaySummary summarizePlayVsSolution(const halvory_app::SettingsStore& store,
                                    const QString& prefix) {
  PlaySummary summary;
  summary.hands = store.value(prefix + QStringLiteral("hands"), 0).toInt();
  summary.mistakes = store.value(prefix + QStringLiteral("mistakes"), 0).toInt();
  const double evLossSum = store.value(prefix + QStringLiteral("evLossSum"), 0.0).toDouble();
  if (summary.hands > 0) {
    const double correct = std::max(double(summary.hands) - double(summary.mistakes), 0.0);
    summary.accuracyPct = correct / summary.hands * 100.0;
    summary.avgEvLoss = evLossSum / summary.hands;
  }
  return summary;
}

}  // namespace

UserStatistics::UserStatistics(std::shared_ptr<halvory_app::SettingsStore> settings,
                               std::function<QDate()> calendar)
    : store(settings ? std::move(settings) : halvory_app::makeSettingsStore()),
      today(std::move(calendar)) {}

// ---- Solve activity ---------------------------------------------------------

void UserStatistics::recordSolveActivity(int iterations, double exploitability, qint64 runtimeMs) {
  const QDate now = today();
  const QString prefix = activityKeyPrefix(now);
  const DayCounters day = readDays(*store, now, now).value(0);
  // The day's counters, and the first solve's date when none is stored
  // yet, in one write.
  QVariantMap changes{
      {prefix + QStringLiteral("solves"), day.solves + 1},
      {prefix + QStringLiteral("iterationsSum"), day.iterationsSum + std::max(iterations, 0)},
      {prefix + QStringLiteral("exploitabilitySum"), day.exploitabilitySum + exploitability},
      {prefix + QStringLiteral("runtimeMsSum"), day.runtimeMsSum + std::max<qint64>(runtimeMs, 0)},
  };
  if (!firstSolveDateCached && !storedFirstSolveDate().isValid()) {
    const QDate earliest = earliestSolveDay();
    const QDate first = earliest.isValid() && earliest < now ? earliest : now;
    changes.insert(kFirstSolveDateKey, first.toString(Qt::ISODate));
  }
  store->setValues(changes);
}

int UserStatistics::solvesToday() const {
  return store->value(activityKeyPrefix(today()) + QStringLiteral("solves")).toInt();
}

QVariantList UserStatistics::activityGrid(int spanDays) const {
  const QDate now = today();
  QDate end = now;
  while (end.dayOfWeek() != Qt::Sunday) end = end.addDays(1);
  const QDate start = end.addDays(-(spanDays - 1));
  const int lead = std::max(start.dayOfWeek() - 1, 0);
  const int trail = (7 - (lead + spanDays) % 7) % 7;

  const QVariantMap padding{{QStringLiteral("isPadding"), true}};
  const QList<DayCounters> days = readDays(*store, start, end);
  QVariantList cells;
  cells.reserve(lead + spanDays + trail);
  for (int i = 0; i < lead; ++i) cells.append(padding);
  QDate day = start;
  for (const DayCounters& counters : days) {
    const bool any = counters.solves >= 1;
    const double solves = counters.solves;
    cells.append(QVariantMap{
        {QStringLiteral("isPadding"), false},
        {QStringLiteral("date"), day.toString(Qt::ISODate)},
        {QStringLiteral("isFuture"), day > now},
        {QStringLiteral("solves"), counters.solves},
        {QStringLiteral("avgIterations"),
         any ? static_cast<double>(counters.iterationsSum) / solves : 0.0},
        {QStringLiteral("avgExploitability"), any ? counters.exploitabilitySum / solves : 0.0},
        {QStringLiteral("runtimeMsSum"), counters.runtimeMsSum},
        {QStringLiteral("avgRuntimeSec"),
         any && counters.runtimeMsSum >= 1
             ? static_cast<double>(counters.runtimeMsSum) / 1000.0 / solves
             : 0.0},
    });
    day = day.addDays(1);
  }
  for (int i = 0; i < trail; ++i) cells.append(padding);
  return cells;
}

QVariantList UserStatistics::historyDaily() const {
  const QDate first = QDate::fromString(firstSolveDateIso(), Qt::ISODate);
  const QDate now = today();
  QVariantList history;
  if (!first.isValid() || now < first) return history;
  QDate day = first;
  for (const DayCounters& counters : readDays(*store, first, now)) {
    history.append(QVariantMap{
        {QStringLiteral("date"), day.toString(Qt::ISODate)},
        {QStringLiteral("solves"), counters.solves},
        {QStringLiteral("runtimeMsSum"), counters.runtimeMsSum},
    });
    day = day.addDays(1);
  }
  return history;
}

QDate UserStatistics::storedFirstSolveDate() const {
  const QString stored = store->value(kFirstSolveDateKey).toString().trimmed();
  return QDate::fromString(stored, Qt::ISODate);
}

// The earliest day with a solve among the stored day groups.
QDate UserStatistics::earliestSolveDay() const {
  QDate earliest;
  for (const QString& name : store->childGroups(kActivityGroup)) {
    const QDate date = QDate::fromString(name, Qt::ISODate);
    if (!date.isValid()) continue;
    const QString prefix = QStringLiteral("solveActivity/%1/").arg(name);
    if (store->value(prefix + QStringLiteral("solves")).toInt() < 1) continue;
    if (!earliest.isValid() || date < earliest) earliest = date;
  }
  return earliest;
}

QString UserStatistics::firstSolveDateIso() const {
  if (firstSolveDateCached) return cachedFirstSolveDate;
  const QString stored = store->value(kFirstSolveDateKey).toString().trimmed();
  if (QDate::fromString(stored, Qt::ISODate).isValid()) {
    cachedFirstSolveDate = stored;
    firstSolveDateCached = true;
    return stored;
  }
  const QDate earliest = earliestSolveDay();
  if (!earliest.isValid()) return QString();
  const QString iso = earliest.toString(Qt::ISODate);
  store->setValue(kFirstSolveDateKey, iso);
  cachedFirstSolveDate = iso;
  firstSolveDateCached = true;
  return iso;
}

// ---- Play vs. Solution -------------------------------------------------------

void UserStatistics::addPlayVsSolutionHand(const QString& prefix, bool mistake, double loss,
                                           QVariantMap& changes) const {
  const QVariantList held =
      store->values({prefix + QStringLiteral("hands"), prefix + QStringLiteral("mistakes"),
                     prefix + QStringLiteral("evLossSum")});
  const int hands = held.value(0).toInt();
  const int mistakes = held.value(1).toInt();
  const double evLossSum = held.value(2).toDouble();
  // A damaged store could hold the largest int; counting stops there.
  const auto plusOne = [](int count) {
    return count < std::numeric_limits<int>::max() ? count + 1 : count;
  };
  changes.insert(prefix + QStringLiteral("hands"), plusOne(hands));
  changes.insert(prefix + QStringLiteral("mistakes"), mistake ? plusOne(mistakes) : mistakes);
  changes.insert(prefix + QStringLiteral("evLossSum"), evLossSum + loss);
}

// Counts one hand in the totals and in today's group; returns whether it was
// a mistake (a positive loss always is).
bool UserStatistics::recordPlayVsSolutionTotals(bool isMistake, double loss,
                                                QVariantMap& changes) const {
  const bool mistake = isMistake || loss > 0.0;
  addPlayVsSolutionHand(kPlayTotalPrefix, mistake, loss, changes);
  addPlayVsSolutionHand(playVsSolutionKeyPrefix(today()), mistake, loss, changes);
  return mistake;
}

// A hand's counters and its history entry are one write.
void UserStatistics::recordPlayHand(bool isMistake, double evLoss) {
  QVariantMap changes;
  recordPlayVsSolutionTotals(isMistake, cleanEvLoss(evLoss), changes);
  store->setValues(changes);
}

void UserStatistics::recordPlayHandDetailed(bool isMistake, double evLoss, double actualEv,
                                            double optimalEv) {
  const double loss = cleanEvLoss(evLoss);
  QVariantMap changes;
  const bool mistake = recordPlayVsSolutionTotals(isMistake, loss, changes);
  if (std::isfinite(actualEv) && std::isfinite(optimalEv)) {
    QVariantList history = loadPlayVsSolutionHistory();
    QVariantMap entry;
    entry.insert(QStringLiteral("ts"), QDateTime::currentDateTime().toString(Qt::ISODate));
    entry.insert(QStringLiteral("actualEv"), actualEv);
    entry.insert(QStringLiteral("optimalEv"), optimalEv);
    entry.insert(QStringLiteral("evLoss"), loss);
    entry.insert(QStringLiteral("isMistake"), mistake);
    history.push_back(entry);
    if (history.size() > kPlayHistoryMaxEntries)
      history.erase(history.begin(), history.end() - kPlayHistoryMaxEntries);
    savePlayVsSolutionHistory(history, changes);
  }
  store->setValues(changes);
}

void UserStatistics::savePlayVsSolutionHistory(const QVariantList& history,
                                               QVariantMap& changes) const {
  QJsonArray array;
  for (const QVariant& kept : history) array.append(QJsonObject::fromVariantMap(kept.toMap()));
  changes.insert(kPlayHistoryKey,
                 QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

QVariantList UserStatistics::loadPlayVsSolutionHistory() const {
  const QString text = store->value(kPlayHistoryKey).toString().trimmed();
  if (text.isEmpty()) return {};
  const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
  if (!document.isArray()) return {};
  QVariantList history;
  const QJsonArray array = document.array();
  history.reserve(array.size());
  for (const QJsonValue& element : array) {
    if (element.isObject()) history.push_back(element.toObject().toVariantMap());
  }
  return history;
}

QVariantMap UserStatistics::playStats() const {
  const PlaySummary total = summarizePlayVsSolution(*store, kPlayTotalPrefix);
  const PlaySummary day = summarizePlayVsSolution(*store, playVsSolutionKeyPrefix(today()));
  QVariantMap stats;
  stats.insert(QStringLiteral("totalHands"), total.hands);
  stats.insert(QStringLiteral("totalMistakes"), total.mistakes);
  stats.insert(QStringLiteral("totalAccuracyPct"), total.accuracyPct);
  stats.insert(QStringLiteral("totalAvgEvLoss"), total.avgEvLoss);
  stats.insert(QStringLiteral("todayHands"), day.hands);
  stats.insert(QStringLiteral("todayMistakes"), day.mistakes);
  stats.insert(QStringLiteral("todayAccuracyPct"), day.accuracyPct);
  stats.insert(QStringLiteral("todayAvgEvLoss"), day.avgEvLoss);
  return stats;
}

void UserStatistics::clearPlayStats() {
  store->remove(kPlayGroup);
}
