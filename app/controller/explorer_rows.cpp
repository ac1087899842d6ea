#include "controller/explorer_rows.hpp"

#include <array>
#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QString>

#include "context/thread_start.hpp"
#include "controller/ui_values.hpp"
#include "queries/hand_categories.hpp"

namespace halvory_app {

namespace {

// The bucket titles as the translation tools see them; kept equal to the
// class list the queries use, which carries the same names as keys.
constexpr std::array<std::string_view, kBucketCount> kBucketTitles = {
    QT_TRANSLATE_NOOP("HandBuckets", "straight flush"),
    QT_TRANSLATE_NOOP("HandBuckets", "quads"),
    QT_TRANSLATE_NOOP("HandBuckets", "full house"),
    QT_TRANSLATE_NOOP("HandBuckets", "flush"),
    QT_TRANSLATE_NOOP("HandBuckets", "straight"),
    QT_TRANSLATE_NOOP("HandBuckets", "set"),
    QT_TRANSLATE_NOOP("HandBuckets", "trips"),
    QT_TRANSLATE_NOOP("HandBuckets", "two pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "top pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "overpair"),
    QT_TRANSLATE_NOOP("HandBuckets", "middle pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "bottom pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "dry pair"),
    QT_TRANSLATE_NOOP("HandBuckets", "flush draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed FD"),
    QT_TRANSLATE_NOOP("HandBuckets", "open ended straight draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed OESD"),
    QT_TRANSLATE_NOOP("HandBuckets", "gutter"),
    QT_TRANSLATE_NOOP("HandBuckets", "missed gutter"),
    QT_TRANSLATE_NOOP("HandBuckets", "back door flush draw"),
    QT_TRANSLATE_NOOP("HandBuckets", "air")};
static_assert(kBucketTitles == kBucketNames);

constexpr double kCentsPerChip = 100.0;

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QVariantList floatsToVariantList(const std::vector<float>& values) {
  QVariantList list;
  list.reserve(static_cast<qsizetype>(values.size()));
  for (const float v : values) list.append(QVariant::fromValue(v));
  return list;
}

QVariantMap comboRowMap(const ComboRow& row) {
  QVariantMap map;
  map.insert(QStringLiteral("c1"), fromUtf8(row.c1));
  map.insert(QStringLiteral("c2"), fromUtf8(row.c2));
  map.insert(QStringLiteral("weight"), row.weight);
  map.insert(QStringLiteral("ev"), row.ev / kCentsPerChip);
  QVariantList actionEvs;
  actionEvs.reserve(static_cast<qsizetype>(row.action_evs.size()));
  for (const double ev : row.action_evs) actionEvs.append(ev / kCentsPerChip);
  map.insert(QStringLiteral("actionEvs"), actionEvs);
  QVariantList buckets;
  for (const std::string& name : row.buckets) buckets.append(fromUtf8(name));
  map.insert(QStringLiteral("buckets"), buckets);
  map.insert(QStringLiteral("actionProbs"), floatsToVariantList(row.action_probs));
  return map;
}

QVariantMap distributionsAnswer(const SolvedGame& solved, int nodeIndex) {
  QVariantMap answer;
  answer.insert(QStringLiteral("ok"), false);
  answer.insert(QStringLiteral("pending"), false);
  answer.insert(QStringLiteral("nodeIndex"), nodeIndex);
  for (const char* key : {"hands", "evOop", "evIp", "equityOop", "equityIp"}) {
    answer.insert(QLatin1String(key), QVariantList{});
  }
  answer.insert(QStringLiteral("error"), QString());

  std::optional<HandDistributions> found;
  if (solved.game && solved.solver && nodeIndex >= 0) {
    found = guardedQuery(
        [&] { return node_hand_distributions(solved, static_cast<std::uint64_t>(nodeIndex)); });
  }
  if (!found) {
    // In the source language: the explorer words it when it answers.
    answer.insert(QStringLiteral("error"), QString::fromLatin1(kDistributionsUnavailable));
    return answer;
  }
  answer.insert(QStringLiteral("oopHands"), stringsToVariantList(found->oop_hands));
  answer.insert(QStringLiteral("ipHands"), stringsToVariantList(found->ip_hands));
  answer.insert(QStringLiteral("evOop"), centsToChipsVariantList(found->ev_oop));
  answer.insert(QStringLiteral("evIp"), centsToChipsVariantList(found->ev_ip));
  answer.insert(QStringLiteral("equityOop"), doublesToVariantList(found->equity_oop));
  answer.insert(QStringLiteral("equityIp"), doublesToVariantList(found->equity_ip));
  answer.insert(QStringLiteral("ok"), true);
  answer.insert(QStringLiteral("error"), QString());
  return answer;
}

QVariantList statsRows(const NodeActionStats& stats) {
  const std::size_t n =
      std::min({stats.names.size(), stats.action_types.size(), stats.frequencies.size(),
                stats.combos.size(), stats.equities.size(), stats.evs.size()});
  QVariantList rows;
  rows.reserve(static_cast<qsizetype>(n));
  for (std::size_t i = 0; i < n; ++i) {
    QVariantMap row;
    row.insert(QStringLiteral("name"), fromUtf8(stats.names[i]));
    row.insert(QStringLiteral("actionType"), fromUtf8(stats.action_types[i]));
    row.insert(QStringLiteral("frequency"), QVariant::fromValue(stats.frequencies[i]));
    row.insert(QStringLiteral("combos"), stats.combos[i]);
    row.insert(QStringLiteral("equity"), stats.equities[i]);
    row.insert(QStringLiteral("ev"), stats.evs[i] / kCentsPerChip);
    rows.append(row);
  }
  return rows;
}

QVariantList bucketRows(const std::vector<BucketRow>& buckets) {
  QVariantList rows;
  rows.reserve(static_cast<qsizetype>(buckets.size()));
  for (const BucketRow& bucket : buckets) {
    QVariantMap row;
    row.insert(QStringLiteral("name"), fromUtf8(bucket.name));
    row.insert(QStringLiteral("combos"), bucket.combos);
    row.insert(QStringLiteral("actionProbs"), floatsToVariantList(bucket.action_probs));
    rows.append(row);
  }
  return rows;
}

QVariantList comboRows(const std::vector<ComboRow>& combos) {
  QVariantList rows;
  rows.reserve(static_cast<qsizetype>(combos.size()));
  for (const ComboRow& combo : combos) rows.append(comboRowMap(combo));
  return rows;
}

PrefetchedNode prefetchNode(const SolvedGame& solved, int nodeIndex) {
  halvory::run_thread_start_hook();
  PrefetchedNode out;
  out.nodeIndex = nodeIndex;
  const auto node = static_cast<std::uint64_t>(nodeIndex);
  if (const auto stats = guardedQuery([&] { return node_action_stats(solved, node); })) {
    out.stats = statsRows(*stats);
  }
  if (const auto combos = guardedQuery([&] { return node_hand_combos(solved, node); })) {
    out.combos = comboRows(*combos);
  }
  if (const auto buckets = guardedQuery([&] { return node_hand_buckets(solved, node); })) {
    out.buckets = bucketRows(*buckets);
  }
  return out;
}

}  // namespace halvory_app
