// Solve activity statistics: one group of counters per calendar day in the
// settings store, read back as heat-map grids and a daily history.

#include "controller/app_controller.hpp"

#include <algorithm>

#include <QSettings>

namespace {

struct DayCounters {
  int solves = 0;
  qint64 iterationsSum = 0;
  double exploitabilitySum = 0.0;
  qint64 runtimeMsSum = 0;
};

DayCounters readDay(const QSettings& settings, const QString& prefix) {
  DayCounters day;
  day.solves = settings.value(prefix + QStringLiteral("solves")).toInt();
  day.iterationsSum = settings.value(prefix + QStringLiteral("iterationsSum")).toLongLong();
  day.exploitabilitySum = settings.value(prefix + QStringLiteral("exploitabilitySum")).toDouble();
  day.runtimeMsSum = settings.value(prefix + QStringLiteral("runtimeMsSum")).toLongLong();
  return day;
}

const QString kFirstSolveDateKey = QStringLiteral("solveActivity/firstSolveDate");

}  // namespace

QDate AppController::today() const {
  return systemInfo->currentDate();
}

QString AppController::activityKeyPrefix(const QDate& date) {
  return QStringLiteral("solveActivity/%1/").arg(date.toString(Qt::ISODate));
}

void AppController::recordSolveActivity(int iterations, double exploitability, qint64 runtimeMs) {
  QSettings settings;
  const QString prefix = activityKeyPrefix(today());
  const DayCounters day = readDay(settings, prefix);
  settings.setValue(prefix + QStringLiteral("solves"), day.solves + 1);
  settings.setValue(prefix + QStringLiteral("iterationsSum"),
                    day.iterationsSum + std::max(iterations, 0));
  settings.setValue(prefix + QStringLiteral("exploitabilitySum"),
                    day.exploitabilitySum + exploitability);
  settings.setValue(prefix + QStringLiteral("runtimeMsSum"),
                    day.runtimeMsSum + std::max<qint64>(runtimeMs, 0));
}

int AppController::solvesToday() const {
  const QSettings settings;
  return settings.value(activityKeyPrefix(today()) + QStringLiteral("solves")).toInt();
}

QVariantList AppController::solveActivityGridLastSixMonths() const {
  return solveActivityGrid(182);
}

QVariantList AppController::solveActivityGridLastYear() const {
  return solveActivityGrid(364);
}

QVariantList AppController::solveActivityGrid(int spanDays) const {
  const QDate now = today();
  QDate end = now;
  while (end.dayOfWeek() != Qt::Sunday) end = end.addDays(1);
  const QDate start = end.addDays(-(spanDays - 1));
  const int lead = std::max(start.dayOfWeek() - 1, 0);
  const int trail = (7 - (lead + spanDays) % 7) % 7;

  const QVariantMap padding{{QStringLiteral("isPadding"), true}};
  const QSettings settings;
  QVariantList cells;
  cells.reserve(lead + spanDays + trail);
  for (int i = 0; i < lead; ++i) cells.append(padding);
  for (QDate day = start; day <= end; day = day.addDays(1)) {
    const DayCounters counters = readDay(settings, activityKeyPrefix(day));
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
  }
  for (int i = 0; i < trail; ++i) cells.append(padding);
  return cells;
}

QVariantList AppController::solveHistoryDaily() const {
  const QDate first = QDate::fromString(firstSolveDateIso(), Qt::ISODate);
  const QDate now = today();
  QVariantList history;
  if (!first.isValid() || now < first) return history;
  const QSettings settings;
  for (QDate day = first; day <= now; day = day.addDays(1)) {
    const QString prefix = activityKeyPrefix(day);
    history.append(QVariantMap{
        {QStringLiteral("date"), day.toString(Qt::ISODate)},
        {QStringLiteral("solves"), settings.value(prefix + QStringLiteral("solves")).toInt()},
        {QStringLiteral("runtimeMsSum"),
         settings.value(prefix + QStringLiteral("runtimeMsSum")).toLongLong()},
    });
  }
  return history;
}

QString AppController::firstSolveDateIso() const {
  if (firstSolveDateCached) return cachedFirstSolveDate;
  QSettings settings;
  const QString stored = settings.value(kFirstSolveDateKey).toString().trimmed();
  if (QDate::fromString(stored, Qt::ISODate).isValid()) {
    cachedFirstSolveDate = stored;
    firstSolveDateCached = true;
    return stored;
  }

  settings.beginGroup(QStringLiteral("solveActivity"));
  const QStringList groups = settings.childGroups();
  settings.endGroup();
  QDate earliest;
  for (const QString& name : groups) {
    const QDate date = QDate::fromString(name, Qt::ISODate);
    if (!date.isValid()) continue;
    const QString prefix = QStringLiteral("solveActivity/%1/").arg(name);
    if (settings.value(prefix + QStringLiteral("solves")).toInt() < 1) continue;
    if (!earliest.isValid() || date < earliest) earliest = date;
  }
  if (!earliest.isValid()) return QString();
  const QString iso = earliest.toString(Qt::ISODate);
  settings.setValue(kFirstSolveDateKey, iso);
  cachedFirstSolveDate = iso;
  firstSolveDateCached = true;
  return iso;
}
