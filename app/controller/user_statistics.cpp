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

// A day's counters from their stored values, in kCounterNames' order.
DayCounters dayCounters(const QVariant& solves, const QVariant& iterationsSum,
                        const QVariant& exploitabilitySum, const QVariant& runtimeMsSum) {
  return {solves.toInt(), iterationsSum.toLongLong(), exploitabilitySum.toDouble(),
          runtimeMsSum.toLongLong()};
}

// The first solve's date as stored; invalid when none (or no date) is.
QDate firstSolveDateFrom(const QVariant& stored) {
  return QDate::fromString(stored.toString().trimmed(), Qt::ISODate);
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
    days.append(dayCounters(values.at(i), values.at(i + 1), values.at(i + 2), values.at(i + 3)));
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

// A positive loss is always a mistake.
bool countsAsMistake(bool isMistake, double loss) {
  return isMistake || loss > 0.0;
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
  // The earliest stored day stands for the first solve's date only when
  // none is stored; looked for before the write, as it reads every day.
  const bool firstDateKnown = firstSolveDateCached || storedFirstSolveDate().isValid();
  const QDate earliest = firstDateKnown ? QDate() : earliestSolveDay();
  // The day's counters as stored at the moment of writing, and the first
  // solve's date when none is stored yet, in one write.
  store->update([&](const halvory_app::SettingsStore::Reader& read) {
    const auto [solves, iterationsSum, exploitabilitySum, runtimeMsSum] =
        dayCounters(read(prefix + kCounterNames[0]), read(prefix + kCounterNames[1]),
                    read(prefix + kCounterNames[2]), read(prefix + kCounterNames[3]));
    QVariantMap changes{
        {prefix + kCounterNames[0], solves + 1},
        {prefix + kCounterNames[1], iterationsSum + std::max(iterations, 0)},
        {prefix + kCounterNames[2], exploitabilitySum + exploitability},
        {prefix + kCounterNames[3], runtimeMsSum + std::max<qint64>(runtimeMs, 0)},
    };
    if (!firstDateKnown && !firstSolveDateFrom(read(kFirstSolveDateKey)).isValid()) {
      const QDate first = earliest.isValid() && earliest < now ? earliest : now;
      changes.insert(kFirstSolveDateKey, first.toString(Qt::ISODate));
    }
    return changes;
  });
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
  return firstSolveDateFrom(store->value(kFirstSolveDateKey));
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
  const QDate stored = storedFirstSolveDate();
  if (stored.isValid()) {
    cachedFirstSolveDate = stored.toString(Qt::ISODate);
    firstSolveDateCached = true;
    return cachedFirstSolveDate;
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

void UserStatistics::addPlayVsSolutionHand(const Reader& read, const QString& prefix, bool mistake,
                                           double loss, QVariantMap& changes) {
  const int hands = read(prefix + QStringLiteral("hands")).toInt();
  const int mistakes = read(prefix + QStringLiteral("mistakes")).toInt();
  const double evLossSum = read(prefix + QStringLiteral("evLossSum")).toDouble();
  // A damaged store could hold the largest int; counting stops there.
  const auto plusOne = [](int count) {
    return count < std::numeric_limits<int>::max() ? count + 1 : count;
  };
  changes.insert(prefix + QStringLiteral("hands"), plusOne(hands));
  changes.insert(prefix + QStringLiteral("mistakes"), mistake ? plusOne(mistakes) : mistakes);
  changes.insert(prefix + QStringLiteral("evLossSum"), evLossSum + loss);
}

// Counts one hand in the totals and in today's group, from the counters as
// stored at the moment of writing.
void UserStatistics::recordPlayVsSolutionTotals(const Reader& read, const QDate& day, bool mistake,
                                                double loss, QVariantMap& changes) {
  addPlayVsSolutionHand(read, kPlayTotalPrefix, mistake, loss, changes);
  addPlayVsSolutionHand(read, playVsSolutionKeyPrefix(day), mistake, loss, changes);
}

// A hand's counters and its history entry are one write.
void UserStatistics::recordPlayHand(bool isMistake, double evLoss) {
  const double loss = cleanEvLoss(evLoss);
  const QDate day = today();
  store->update([&](const Reader& read) {
    QVariantMap changes;
    recordPlayVsSolutionTotals(read, day, countsAsMistake(isMistake, loss), loss, changes);
    return changes;
  });
}

void UserStatistics::recordPlayHandDetailed(bool isMistake, double evLoss, double actualEv,
                                            double optimalEv) {
  const double loss = cleanEvLoss(evLoss);
  const bool mistake = countsAsMistake(isMistake, loss);
  const QDate day = today();
  QVariantMap entry;
  const bool logged = std::isfinite(actualEv) && std::isfinite(optimalEv);
  if (logged) {
    entry.insert(QStringLiteral("ts"), QDateTime::currentDateTime().toString(Qt::ISODate));
    entry.insert(QStringLiteral("actualEv"), actualEv);
    entry.insert(QStringLiteral("optimalEv"), optimalEv);
    entry.insert(QStringLiteral("evLoss"), loss);
    entry.insert(QStringLiteral("isMistake"), mistake);
  }
  store->update([&](const Reader& read) {
    QVariantMap changes;
    recordPlayVsSolutionTotals(read, day, mistake, loss, changes);
    if (logged) {
      QVariantList history = historyFrom(read(kPlayHistoryKey).toString());
      history.push_back(entry);
      if (history.size() > kPlayHistoryMaxEntries)
        history.erase(history.begin(), history.end() - kPlayHistoryMaxEntries);
      savePlayVsSolutionHistory(history, changes);
    }
    return changes;
  });
}

void UserStatistics::savePlayVsSolutionHistory(const QVariantList& history, QVariantMap& changes) {
  QJsonArray array;
  for (const QVariant& kept : history) array.append(QJsonObject::fromVariantMap(kept.toMap()));
  changes.insert(kPlayHistoryKey,
                 QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

QVariantList UserStatistics::historyFrom(const QString& stored) {
  const QString text = stored.trimmed();
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

QVariantList UserStatistics::loadPlayVsSolutionHistory() const {
  return historyFrom(store->value(kPlayHistoryKey).toString());
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
