// The results explorer's work off the GUI thread: the hand distributions
// computed on Qt's pool, announced when they arrive, and the read-ahead of
// the first street's nodes on the explorer's own pool.

#include "controller/results_explorer.hpp"

#include "controller/explorer_rows.hpp"

#include <exception>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "context/thread_start.hpp"

using halvory_app::distributionsAnswer;
using halvory_app::insertBounded;
using halvory_app::kDistributionsUnavailable;
using halvory_app::PrefetchedNode;
using halvory_app::prefetchNode;
using halvory_app::RowsOrigin;

// ---------------------------------------------------------------------------
// Hand distributions

namespace {

// The answers are recomputed from the live solve when asked again, so they
// are only kept for the last few nodes read.
constexpr qsizetype kMaxDistributionAnswers = 32;

// An answer's error text in the language in force: the kept answers hold
// their source text, so a language switch rewords them.
QVariantMap wordedDistributions(QVariantMap answer) {
  const QByteArray source = answer.value(QStringLiteral("error")).toString().toUtf8();
  if (!source.isEmpty()) {
    answer.insert(QStringLiteral("error"),
                  QCoreApplication::translate("AppController", source.constData()));
  }
  return answer;
}

}  // namespace

QVariantMap ResultsExplorer::nodeHandDistributions169(int nodeIndex) {
  return wordedDistributions(distributionsOrPending(nodeIndex));
}

bool ResultsExplorer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
    // Whoever shows an answer reads it again, now worded anew.
    QList<int> nodes = handDistributions169Cache.keys();
    nodes.append(pendingHandDistributions169.values());
    for (const int node : std::as_const(nodes)) emit distributionsReady(node);
  }
  return QObject::eventFilter(watched, event);
}

QVariantMap ResultsExplorer::distributionsOrPending(int nodeIndex) {
  QVariantMap answer;
  answer.insert(QStringLiteral("ok"), false);
  answer.insert(QStringLiteral("pending"), false);
  answer.insert(QStringLiteral("nodeIndex"), nodeIndex);
  for (const char* key : {"oopHands", "ipHands", "evOop", "evIp", "equityOop", "equityIp"}) {
    answer.insert(QLatin1String(key), QVariantList{});
  }
  answer.insert(QStringLiteral("error"), QString());

  if (nodeIndex < 0) {
    answer.insert(QStringLiteral("error"),
                  QString::fromLatin1(QT_TRANSLATE_NOOP("AppController", "Invalid node index.")));
    return answer;
  }
  if (const auto hit = handDistributions169Cache.constFind(nodeIndex);
      hit != handDistributions169Cache.cend()) {
    return *hit;
  }
  answer.insert(QStringLiteral("pending"), true);
  answer.insert(QStringLiteral("error"),
                QString::fromUtf8(QT_TRANSLATE_NOOP("AppController", "Computing…")));
  if (pendingHandDistributions169.contains(nodeIndex)) return answer;

  // The task holds its own references to the solved objects, so it reads
  // neither the controller nor the session and may outlive both; its tag
  // lets the handler drop an answer that a clear or a newer task superseded.
  const halvory_app::SolvedGame solved = halvory_app::solved_game_of(session);
  const quint64 tag = ++lastDistributionTag;
  auto* watcher = new QFutureWatcher<QVariantMap>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, nodeIndex, tag] {
    const bool current = pendingHandDistributions169.contains(nodeIndex) &&
                         distributionTaskTags.value(nodeIndex) == tag;
    if (current) {
      onHandDistributionsFinished(watcher, nodeIndex);
    } else {
      watcher->deleteLater();
    }
  });
  try {
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [solved, nodeIndex] {
      return computeHandDistributions169(solved, nodeIndex);
    }));
  } catch (const std::exception&) {
    delete watcher;
    answer.insert(QStringLiteral("pending"), false);
    answer.insert(QStringLiteral("error"), QString::fromLatin1(kDistributionsUnavailable));
    return answer;
  }
  pendingHandDistributions169.insert(nodeIndex);
  distributionTaskTags.insert(nodeIndex, tag);
  return answer;
}

QVariantMap ResultsExplorer::computeHandDistributions169(const halvory_app::SolvedGame& solved,
                                                         int nodeIndex) {
  halvory::run_thread_start_hook();
  return distributionsAnswer(solved, nodeIndex);
}

void ResultsExplorer::onHandDistributionsFinished(QFutureWatcher<QVariantMap>* watcher,
                                                  int nodeIndex) {
  QVariantMap result;
  try {
    result = watcher->future().result();
  } catch (...) {
    result.insert(QStringLiteral("ok"), false);
    result.insert(QStringLiteral("pending"), false);
    result.insert(QStringLiteral("nodeIndex"), nodeIndex);
    result.insert(QStringLiteral("error"), QString::fromLatin1(kDistributionsUnavailable));
  }
  watcher->deleteLater();
  pendingHandDistributions169.remove(nodeIndex);
  distributionTaskTags.remove(nodeIndex);
  insertBounded(handDistributions169Cache, nodeIndex, result, kMaxDistributionAnswers);
  emit distributionsReady(nodeIndex);
}

// ---------------------------------------------------------------------------
// Prefetch

void ResultsExplorer::prefetchFirstStreetNodes() {
  // Breadth first from the root's children, stopping at chance nodes: the
  // nodes of the street the solve starts on, in the order a user meets them.
  // The root itself is read by the page at once.
  constexpr int kMaxPrefetchedNodes = 24;
  QList<int> nodes;
  QList<int> queue{0};
  while (!queue.isEmpty() && nodes.size() < kMaxPrefetchedNodes) {
    const int parent = queue.takeFirst();
    for (const QVariant& value : resultTree.actions(parent)) {
      const int child = value.toMap().value(QStringLiteral("childIndex"), -1).toInt();
      if (child <= 0 || child >= resultTree.size()) continue;
      if (resultTree.meta(child).value(QStringLiteral("nodeType")).toString() !=
          QLatin1String("decision")) {
        continue;
      }
      nodes.append(child);
      queue.append(child);
      if (nodes.size() >= kMaxPrefetchedNodes) break;
    }
  }
  const halvory_app::SolvedGame solved = halvory_app::solved_game_of(session);
  if (!solved.game || !solved.solver) return;
  const quint64 tag = prefetchTag;
  for (const int nodeIndex : std::as_const(nodes)) {
    auto* watcher = new QFutureWatcher<PrefetchedNode>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, tag] {
      watcher->deleteLater();
      if (tag != prefetchTag) return;
      PrefetchedNode found;
      try {
        found = watcher->future().result();
      } catch (...) {
        return;
      }
      // A query the page made meanwhile already filled its entry. What is
      // read ahead goes first when the store is full, before any answer
      // the user read.
      if (found.stats && !nodeCaches.actionStatsCache.contains(found.nodeIndex)) {
        nodeCaches.actionStatsCache.insert(found.nodeIndex, *found.stats, RowsOrigin::ReadAhead);
      }
      if (found.combos && !nodeCaches.handCombosCache.contains(found.nodeIndex)) {
        nodeCaches.handCombosCache.insert(found.nodeIndex, *found.combos, RowsOrigin::ReadAhead);
      }
      if (found.buckets && !nodeCaches.handBucketsCache.contains(found.nodeIndex)) {
        nodeCaches.handBucketsCache.insert(found.nodeIndex, *found.buckets, RowsOrigin::ReadAhead);
      }
    });
    try {
      watcher->setFuture(QtConcurrent::run(
          &prefetchPool, [solved, nodeIndex] { return prefetchNode(solved, nodeIndex); }));
    } catch (const std::exception&) {
      delete watcher;
      return;
    }
  }
}
