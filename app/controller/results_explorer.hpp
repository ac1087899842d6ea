#pragma once
// The results explorer: the per-node queries of the held result, their
// caches (which a project file stores and restores), the hand distributions
// computed off the GUI thread and the read-ahead of the first street's nodes.
// Lives on the GUI thread beside the controller, which forwards to it.

#include <optional>

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QVariantList>
#include <QVariantMap>

#include "controller/compact_rows.hpp"
#include "controller/result_tree.hpp"
#include "queries/node_queries.hpp"
#include "queries/query_records.hpp"
#include "session/session_control.hpp"

// The query answers a project file keeps, by node, held compactly within
// the store's budget.
struct NodeCaches {
  NodeCaches() = default;
  NodeCaches(const NodeCaches&) = delete;
  NodeCaches& operator=(const NodeCaches&) = delete;

  void clear() { store.clear(); }

  halvory_app::NodeRowStore store;
  halvory_app::CachedRows<QVariantMap> handStrategyCache{store, halvory_app::RowsKind::Strategy};
  halvory_app::CachedRows<QVariantList> actionStatsCache{store, halvory_app::RowsKind::ActionStats};
  halvory_app::CachedRows<QVariantList> handCombosCache{store, halvory_app::RowsKind::Combos};
  halvory_app::CachedRows<QVariantList> handBucketsCache{store, halvory_app::RowsKind::Buckets};
  halvory_app::CachedRows<QVariantList> seatHandCombosOopCache{
      store, halvory_app::RowsKind::SeatCombosOop};
  halvory_app::CachedRows<QVariantList> seatHandCombosIpCache{store,
                                                              halvory_app::RowsKind::SeatCombosIp};
};

class ResultsExplorer : public QObject {
  Q_OBJECT

 public:
  // Reads the session's last finished solve and the tree rows of the held
  // result; both outlive the explorer.
  ResultsExplorer(const halvory_app::SessionControl& session, const ResultTree& tree,
                  QObject* parent = nullptr);
  ~ResultsExplorer() override;

  QVariantList nodeActionStats(int nodeIndex) const;
  QVariantList nodePocketActionEvs(int nodeIndex, const QString& player, const QString& c1,
                                   const QString& c2) const;
  QVariantMap nodeHandStrategy(int nodeIndex) const;
  QVariantMap nodeHandStrategyReach169(int nodeIndex, const QString& bucketName) const;
  QVariantList nodeHandCombos(int nodeIndex) const;
  QVariantList nodeSeatHandCombos(int nodeIndex, const QString& player) const;
  QVariantList nodeHandBuckets(int nodeIndex) const;
  // At once from the cache, else "pending" while a pool thread computes it;
  // distributionsReady tells when it is there.
  QVariantMap nodeHandDistributions169(int nodeIndex);
  double nodeEv(int nodeIndex, const QString& player) const;
  double nodeRake(int nodeIndex) const;
  // The live solve's strategy at a node; none without one. Throws
  // std::bad_alloc when the memory runs out.
  std::optional<halvory_app::HandStrategy> solvedStrategy(int nodeIndex) const;

  // Drops every answer of the previous result; answers still on their way
  // are dropped when they arrive.
  void clearCaches();
  // The first street's decision nodes cost a full value pass each, so their
  // rows are computed on the pool as soon as results arrive.
  void prefetchFirstStreetNodes();
  // Drops the read-ahead not yet begun (the running reads end with the pool).
  void stopPrefetch() { prefetchPool.clear(); }

  NodeCaches& caches() { return nodeCaches; }
  const NodeCaches& caches() const { return nodeCaches; }
  // Session queries made so far, which tells a cache hit from a
  // recomputation.
  quint64 sessionQueries() const { return sessionQueryCount; }
  QThreadPool& readAheadPool() { return prefetchPool; }

  // "AKs", "AKo" or "AA" of two cards ("Ah", "kd"); empty when unreadable.
  static QString handLabel169(const QString& c1, const QString& c2);

 signals:
  void distributionsReady(int nodeIndex);

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The answer as kept, its error text untranslated.
  QVariantMap distributionsOrPending(int nodeIndex);
  void countSessionQuery() const { ++sessionQueryCount; }
  // Runs on a pool thread: it holds its own references to the solved
  // objects, and reads neither the explorer nor the session.
  static QVariantMap computeHandDistributions169(const halvory_app::SolvedGame& solved,
                                                 int nodeIndex);
  // A task's answer arrived on the GUI thread.
  void onHandDistributionsFinished(QFutureWatcher<QVariantMap>* watcher, int nodeIndex);

  const halvory_app::SessionControl& session;
  const ResultTree& resultTree;

  mutable NodeCaches nodeCaches;
  mutable QHash<QString, QVariantMap> handStrategyReach169Cache;
  mutable QHash<quint64, double> nodeEvCache;
  QHash<int, QVariantMap> handDistributions169Cache;
  QSet<int> pendingHandDistributions169;
  // Tag of the distribution task each pending node waits for; an answer
  // from another task (started before a clear, or superseded) is dropped.
  QHash<int, quint64> distributionTaskTags;
  quint64 lastDistributionTag = 0;
  // Results generation the prefetch answers belong to; a clear moves it on.
  quint64 prefetchTag = 0;
  // The prefetch's own threads: each value pass keeps scratch memory, so
  // their number is fixed rather than the machine's core count, and the
  // memory estimate can count it.
  QThreadPool prefetchPool;
  static constexpr int kPrefetchThreads = 2;
  mutable quint64 sessionQueryCount = 0;
};
