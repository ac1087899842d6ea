#include "controller/results_explorer.hpp"

#include "controller/explorer_rows.hpp"
#include "controller/range_reading.hpp"
#include "controller/ui_values.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <map>
#include <new>
#include <optional>
#include <string_view>
#include <utility>

#include <QCoreApplication>

#include "cards/cards.hpp"
#include "queries/hand_categories.hpp"
#include "queries/node_queries.hpp"

using halvory_app::centsToChipsVariantList;
using halvory_app::doublesToVariantList;
using halvory_app::stringsToVariantList;

namespace {

using halvory_app::bucketRows;
using halvory_app::comboRows;
using halvory_app::floatsToVariantList;
using halvory_app::guardedQuery;
using halvory_app::insertBounded;
using halvory_app::statsRows;

constexpr int kSeatOop = 0;
constexpr int kSeatIp = 1;

constexpr double kCentsPerChip = 100.0;

const QString kRankOrder = QStringLiteral("AKQJT98765432");

double nan() {
  return std::numeric_limits<double>::quiet_NaN();
}

bool usableValue(double value) {
  return std::isfinite(value) && value > 0.0;
}

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// "IP" selects IP; every other text (also an empty one) selects OOP.
int seatOrOop(const QString& player) {
  return player.trimmed().toUpper() == QLatin1String("IP") ? kSeatIp : kSeatOop;
}

// OOP or IP; -1 for any other text.
int strictSeat(const QString& player) {
  const QString seat = player.trimmed().toUpper();
  if (seat == QLatin1String("OOP")) return kSeatOop;
  if (seat == QLatin1String("IP")) return kSeatIp;
  return -1;
}

// One combo as the reach aggregation reads it, from the engine or the cache.
struct ReachRow {
  QString c1;
  QString c2;
  QStringList buckets;
  double weight = 0.0;
  std::vector<double> probs;
};

// Pocket index of two card texts; -1 when they are not two cards (rows of
// a damaged project file).
int pocketIndexOf(const QString& c1, const QString& c2) {
  try {
    const auto code = [](const QString& card) {
      return halvory::parse_card(card.left(2).toUtf8().toStdString());
    };
    const halvory::CardCode a = code(c1);
    const halvory::CardCode b = code(c2);
    return a == b ? -1 : halvory::pocket_index(a, b);
  } catch (const std::exception&) {
    return -1;
  }
}

// The answers kept beside the node rows are recomputed from the live solve
// when asked again, so they are only kept for the last few nodes read.
constexpr qsizetype kMaxReachAnswers = 64;

struct ReachAccumulator {
  double weightSum = 0.0;
  std::int32_t rows = 0;
  std::vector<double> probSums;
};

}  // namespace

ResultsExplorer::ResultsExplorer(const halvory_app::SessionControl& solveSession,
                                 const ResultTree& tree, QObject* parent)
    : QObject(parent), session(solveSession), resultTree(tree) {
  prefetchPool.setMaxThreadCount(kPrefetchThreads);
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

ResultsExplorer::~ResultsExplorer() {
  // Read-aheads not yet begun are dropped; running ones end with the pool.
  prefetchPool.clear();
}

std::optional<halvory_app::HandStrategy> ResultsExplorer::solvedStrategy(int nodeIndex) const {
  // Memory running out is thrown: a lock seeded without the solve's
  // strategy would leave the node's other classes free in a re-solve.
  try {
    countSessionQuery();
    return halvory_app::node_hand_strategy(session, static_cast<std::uint64_t>(nodeIndex));
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

void ResultsExplorer::clearCaches() {
  nodeCaches.clear();
  handStrategyReach169Cache.clear();
  nodeEvCache.clear();
  handDistributions169Cache.clear();
  pendingHandDistributions169.clear();
  ++prefetchTag;
}

// ---------------------------------------------------------------------------
// Node queries

QVariantList ResultsExplorer::nodeActionStats(int nodeIndex) const {
  if (nodeIndex < 0) return {};
  if (auto hit = nodeCaches.actionStatsCache.find(nodeIndex)) return std::move(*hit);

  const auto stats = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_action_stats(session, static_cast<std::uint64_t>(nodeIndex));
  });
  if (!stats) return {};
  const QVariantList rows = statsRows(*stats);
  nodeCaches.actionStatsCache.insert(nodeIndex, rows);
  return rows;
}

double ResultsExplorer::nodeEv(int nodeIndex, const QString& player) const {
  if (nodeIndex < 0) return nan();
  const int seat = strictSeat(player);
  if (seat < 0) return nan();
  const quint64 key = 2 * static_cast<quint64>(nodeIndex) + static_cast<quint64>(seat);
  if (const auto hit = nodeEvCache.constFind(key); hit != nodeEvCache.cend()) return *hit;

  const auto ev = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_ev(session, static_cast<std::uint64_t>(nodeIndex), seat);
  });
  if (!ev || !std::isfinite(*ev)) return nan();
  const double chips = *ev / kCentsPerChip;
  nodeEvCache.insert(key, chips);
  return chips;
}

double ResultsExplorer::nodeRake(int nodeIndex) const {
  if (nodeIndex < 0) return nan();
  const auto rake = guardedQuery(
      [&] { return halvory_app::node_rake(session, static_cast<std::uint64_t>(nodeIndex)); });
  if (!rake || !std::isfinite(*rake)) return nan();
  return *rake / kCentsPerChip;
}

QVariantList ResultsExplorer::nodeHandBuckets(int nodeIndex) const {
  if (nodeIndex < 0) return {};
  QVariantList rows;
  if (auto hit = nodeCaches.handBucketsCache.find(nodeIndex)) {
    rows = std::move(*hit);
  } else {
    const auto buckets = guardedQuery([&] {
      countSessionQuery();
      return halvory_app::node_hand_buckets(session, static_cast<std::uint64_t>(nodeIndex));
    });
    if (!buckets) return {};
    rows = bucketRows(*buckets);
    nodeCaches.handBucketsCache.insert(nodeIndex, rows);
  }

  // Display names are added on a copy so they follow the language in force.
  QVariantList shown;
  shown.reserve(rows.size());
  for (const QVariant& value : std::as_const(rows)) {
    QVariantMap row = value.toMap();
    const QByteArray name = row.value(QStringLiteral("name")).toString().toUtf8();
    row.insert(QStringLiteral("displayName"),
               QCoreApplication::translate("HandBuckets", name.constData()));
    shown.append(row);
  }
  return shown;
}

QVariantList ResultsExplorer::nodeHandCombos(int nodeIndex) const {
  if (nodeIndex < 0) return {};
  if (auto hit = nodeCaches.handCombosCache.find(nodeIndex)) return std::move(*hit);

  const auto combos = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_hand_combos(session, static_cast<std::uint64_t>(nodeIndex));
  });
  if (!combos) return {};
  const QVariantList rows = comboRows(*combos);
  nodeCaches.handCombosCache.insert(nodeIndex, rows);
  return rows;
}

QVariantMap ResultsExplorer::nodeHandStrategy(int nodeIndex) const {
  if (nodeIndex < 0) return {};
  if (auto hit = nodeCaches.handStrategyCache.find(nodeIndex)) return std::move(*hit);

  const auto strategy = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_hand_strategy(session, static_cast<std::uint64_t>(nodeIndex));
  });
  if (!strategy) return {};

  const std::size_t hands = std::min(
      {strategy->hand_labels.size(), strategy->weights.size(), strategy->dominant_types.size()});
  QVariantMap weights;
  QVariantMap dominant;
  for (std::size_t h = 0; h < hands; ++h) {
    const QString label = fromUtf8(strategy->hand_labels[h]);
    weights.insert(label, QVariant::fromValue(strategy->weights[h]));
    dominant.insert(label, fromUtf8(strategy->dominant_types[h]));
  }

  const std::size_t actions = strategy->action_names.size();
  const QVariantList stored = resultTree.actions(nodeIndex);
  // The tree holds the node's actions but could not hand them out: the
  // memory ran short, and the answer is refused rather than kept untyped.
  if (stored.size() != static_cast<qsizetype>(resultTree.actionCount(nodeIndex)))
    throw std::bad_alloc();
  QVariantList typeList;
  for (std::size_t a = 0; a < actions; ++a) {
    typeList.append(
        static_cast<std::size_t>(stored.size()) == actions
            ? stored.at(static_cast<qsizetype>(a)).toMap().value(QStringLiteral("actionType"))
            : QVariant(QStringLiteral("none")));
  }

  QVariantMap probs;
  const std::size_t labels = strategy->hand_labels.size();
  if (actions > 0 && strategy->action_probs.size() == actions * labels) {
    for (std::size_t h = 0; h < labels; ++h) {
      const auto first = strategy->action_probs.begin() + static_cast<std::ptrdiff_t>(h * actions);
      probs.insert(fromUtf8(strategy->hand_labels[h]),
                   floatsToVariantList(
                       std::vector<float>(first, first + static_cast<std::ptrdiff_t>(actions))));
    }
  }

  QVariantMap answer;
  answer.insert(QStringLiteral("board"), fromUtf8(strategy->board));
  answer.insert(QStringLiteral("weights"), weights);
  answer.insert(QStringLiteral("dominantActionTypes"), dominant);
  answer.insert(QStringLiteral("actionNames"), stringsToVariantList(strategy->action_names));
  answer.insert(QStringLiteral("actionTypeList"), typeList);
  answer.insert(QStringLiteral("actionProbs"), probs);
  nodeCaches.handStrategyCache.insert(nodeIndex, answer);
  return answer;
}

QVariantMap ResultsExplorer::nodeHandStrategyReach169(int nodeIndex,
                                                      const QString& bucketName) const {
  if (nodeIndex < 0) return {};
  const QString bucket = bucketName.trimmed().toLower();
  const QString key = QString::number(nodeIndex) + QLatin1Char('|') + bucket;
  if (const auto hit = handStrategyReach169Cache.constFind(key);
      hit != handStrategyReach169Cache.cend()) {
    return *hit;
  }

  QVariantMap strategy = nodeHandStrategy(nodeIndex);
  // The combo rows are the node's own query, shared with the hand details
  // (and filled ahead of time for the first street), so the value pass
  // behind them runs once per node.
  const QVariantList comboList = nodeHandCombos(nodeIndex);
  if (comboList.isEmpty() && !nodeCaches.handCombosCache.contains(nodeIndex)) {
    insertBounded(handStrategyReach169Cache, key, strategy, kMaxReachAnswers);
    return strategy;
  }
  std::vector<ReachRow> rows;
  rows.reserve(static_cast<std::size_t>(comboList.size()));
  for (const QVariant& value : comboList) {
    const QVariantMap map = value.toMap();
    ReachRow row;
    row.c1 = map.value(QStringLiteral("c1")).toString();
    row.c2 = map.value(QStringLiteral("c2")).toString();
    if (row.c1.size() < 2 || row.c2.size() < 2) continue;
    row.buckets = map.value(QStringLiteral("buckets")).toStringList();
    row.weight = map.value(QStringLiteral("weight")).toDouble();
    for (const QVariant& p : map.value(QStringLiteral("actionProbs")).toList())
      row.probs.push_back(p.toDouble());
    rows.push_back(std::move(row));
  }

  std::size_t actions =
      static_cast<std::size_t>(strategy.value(QStringLiteral("actionTypeList")).toList().size());
  std::map<QString, ReachAccumulator> byLabel;
  // Each combination's reach, for the class shares of both matrices' rule.
  halvory::Range reach;
  for (const ReachRow& row : rows) {
    if (!bucket.isEmpty()) {
      const bool member =
          std::any_of(row.buckets.cbegin(), row.buckets.cend(),
                      [&](const QString& name) { return name.trimmed().toLower() == bucket; });
      if (!member) continue;
    }
    const QString label = handLabel169(row.c1, row.c2);
    if (label.isEmpty()) continue;
    if (!usableValue(row.weight)) continue;
    const double w = std::min(row.weight, 1.0);
    if (actions < 1) {
      actions = row.probs.size();
      if (actions < 1) continue;
    }
    ReachAccumulator& acc = byLabel[label];
    if (acc.probSums.empty()) acc.probSums.assign(actions, 0.0);
    acc.weightSum += w;
    if (const int pocket = pocketIndexOf(row.c1, row.c2); pocket >= 0)
      reach.weights[static_cast<std::size_t>(pocket)] = static_cast<float>(w);
    acc.rows += 1;
    const std::size_t shared = std::min(acc.probSums.size(), row.probs.size());
    for (std::size_t a = 0; a < shared; ++a) {
      if (usableValue(row.probs[a])) acc.probSums[a] += row.probs[a] * w;
    }
  }

  // A class is drawn at the share of its combinations that reach the node,
  // over those the node's board leaves (a project saved before the board
  // was kept counts every combination).
  const halvory_app::ClassShares shares(
      reach, halvory_app::boardCardMask(strategy.value(QStringLiteral("board")).toString()));
  QVariantMap weights;
  QVariantMap probs;
  for (const auto& [label, acc] : byLabel) {
    if (acc.rows < 1) continue;
    weights.insert(label, shares.share(label));
    if (acc.weightSum <= 0.0 || acc.probSums.empty()) continue;
    std::vector<double> q(acc.probSums.size(), 0.0);
    double total = 0.0;
    for (std::size_t a = 0; a < q.size(); ++a) {
      q[a] = acc.probSums[a] / acc.weightSum;
      if (!usableValue(q[a])) q[a] = 0.0;
      total += q[a];
    }
    if (total > 0.0) {
      for (double& v : q) v /= total;
    }
    probs.insert(label, doublesToVariantList(q));
  }

  if (!bucket.isEmpty() || !weights.isEmpty() || !probs.isEmpty()) {
    strategy.insert(QStringLiteral("weights"), weights);
    strategy.insert(QStringLiteral("actionProbs"), probs);
  }
  insertBounded(handStrategyReach169Cache, key, strategy, kMaxReachAnswers);
  return strategy;
}

QVariantList ResultsExplorer::nodePocketActionEvs(int nodeIndex, const QString& player,
                                                  const QString& c1, const QString& c2) const {
  if (nodeIndex < 0) return {};
  const int seat = seatOrOop(player);
  const auto evs = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_pocket_action_evs(session, static_cast<std::uint64_t>(nodeIndex), seat,
                                               toUtf8(c1), toUtf8(c2));
  });
  if (evs) return centsToChipsVariantList(*evs);

  // Without live objects (a loaded project) the cached combo rows answer.
  const std::optional<QVariantList> cached = nodeCaches.handCombosCache.find(nodeIndex);
  if (!cached) return {};
  const QString a = c1.trimmed().toLower();
  const QString b = c2.trimmed().toLower();
  for (const QVariant& value : *cached) {
    const QVariantMap row = value.toMap();
    const QString r1 = row.value(QStringLiteral("c1")).toString().trimmed().toLower();
    const QString r2 = row.value(QStringLiteral("c2")).toString().trimmed().toLower();
    if ((r1 == a && r2 == b) || (r1 == b && r2 == a))
      return row.value(QStringLiteral("actionEvs")).toList();
  }
  return {};
}

QVariantList ResultsExplorer::nodeSeatHandCombos(int nodeIndex, const QString& player) const {
  if (nodeIndex < 0) return {};
  const int seat = seatOrOop(player);
  halvory_app::CachedRows<QVariantList>& cache =
      seat == kSeatIp ? nodeCaches.seatHandCombosIpCache : nodeCaches.seatHandCombosOopCache;
  const auto combos = guardedQuery([&] {
    countSessionQuery();
    return halvory_app::node_seat_hand_combos(session, static_cast<std::uint64_t>(nodeIndex), seat);
  });
  if (!combos) return cache.value(nodeIndex);

  QVariantList rows;
  rows.reserve(static_cast<qsizetype>(combos->size()));
  for (const halvory_app::ComboRow& combo : *combos) {
    QVariantMap row;
    row.insert(QStringLiteral("c1"), fromUtf8(combo.c1));
    row.insert(QStringLiteral("c2"), fromUtf8(combo.c2));
    row.insert(QStringLiteral("weight"), combo.weight);
    if (std::isfinite(combo.reach)) row.insert(QStringLiteral("reach"), combo.reach);
    rows.append(row);
  }
  cache.insert(nodeIndex, rows);
  return rows;
}

QString ResultsExplorer::handLabel169(const QString& c1, const QString& c2) {
  if (c1.size() < 2 || c2.size() < 2) return {};
  const QChar r1 = c1.at(0).toUpper();
  const QChar r2 = c2.at(0).toUpper();
  const qsizetype p1 = kRankOrder.indexOf(r1);
  const qsizetype p2 = kRankOrder.indexOf(r2);
  if (p1 < 0 || p2 < 0) return {};
  if (p1 == p2) return QString(r1) + r1;
  const bool suited = c1.at(1).toLower() == c2.at(1).toLower();
  return QString(p1 < p2 ? r1 : r2) + (p1 < p2 ? r2 : r1) + QLatin1Char(suited ? 's' : 'o');
}
