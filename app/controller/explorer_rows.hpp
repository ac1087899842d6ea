#pragma once
// The rows the results explorer answers with: engine query records turned
// into the maps the results page reads, and the reads made ahead of time on
// the explorer's pool.

#include <exception>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QHash>
#include <QVariantList>
#include <QVariantMap>

#include "queries/node_queries.hpp"
#include "queries/query_records.hpp"

namespace halvory_app {

// A session query that throws (say, out of memory) answers like one without
// a result: nothing may escape into the UI.
template <typename Query>
auto guardedQuery(Query&& query) -> decltype(query()) {
  try {
    return query();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Keeps at most `most` answers: a new key pushes out an older one.
template <typename Key>
void insertBounded(QHash<Key, QVariantMap>& cache, const Key& key, const QVariantMap& value,
                   qsizetype most) {
  if (!cache.contains(key)) {
    while (cache.size() >= most) cache.erase(cache.begin());
  }
  cache.insert(key, value);
}

QVariantList floatsToVariantList(const std::vector<float>& values);
QVariantMap comboRowMap(const ComboRow& row);
QVariantList statsRows(const NodeActionStats& stats);
QVariantList bucketRows(const std::vector<BucketRow>& buckets);
QVariantList comboRows(const std::vector<ComboRow>& combos);
// The distributions of one node as the page reads them ("ok", "pending",
// "error" and the hand and value lists). The error is the untranslated
// source text (context "AppController"), worded when it is shown.
QVariantMap distributionsAnswer(const SolvedGame& solved, int nodeIndex);
inline constexpr const char* kDistributionsUnavailable =
    QT_TRANSLATE_NOOP("AppController", "Distributions unavailable (no live solve state).");

// The rows of one node read ahead: each set when its query answered.
struct PrefetchedNode {
  int nodeIndex = -1;
  std::optional<QVariantList> stats;
  std::optional<QVariantList> combos;
  std::optional<QVariantList> buckets;
};
// Runs on a pool thread: it holds its own references to the solved objects.
PrefetchedNode prefetchNode(const SolvedGame& solved, int nodeIndex);

}  // namespace halvory_app
