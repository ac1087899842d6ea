#pragma once
// The node locks of the held result: per node, per hand class, the strategy a
// re-solve must keep. The first lock set at a node pins every other class of
// that node at its solved strategy, so that a re-solve changes nothing the
// user did not ask for; only the classes the user locked are "chosen", and
// only those carry a mark on the results page.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariantList>

#include "queries/query_records.hpp"
#include "session/solve_records.hpp"

// One locked hand class at one node.
struct NodeLockEntry {
  std::vector<float> actionProbs;
  std::int32_t actionIndex = -1;
  double actionProb = 1.0;
  // Locked by the user (false: pinned at its solved strategy).
  bool chosen = true;
};

class NodeLockTable {
 public:
  using HandLocks = QHash<QByteArray, NodeLockEntry>;
  using Entries = QHash<int, HandLocks>;
  // The solved strategy of a node, read when its first lock pins the rest.
  using StrategyReader = std::function<std::optional<halvory_app::HandStrategy>(int nodeIndex)>;
  // The action count of a node in the held tree; 0 outside it.
  using ActionCounter = std::function<int(int nodeIndex)>;

  NodeLockTable(StrategyReader strategy, ActionCounter actionCount);

  // One action at `actionProb`, the rest sharing what is left.
  void lockAction(int nodeIndex, const QString& hand, int actionIndex, double actionProb);
  // A weight per action, normalised.
  void lockProbs(int nodeIndex, const QString& hand, const QVariantList& actionProbs);
  void clearNode(int nodeIndex);
  void clear() { entries_.clear(); }
  bool isEmpty() const { return entries_.isEmpty(); }

  // One map per class of the node: "hand", "actionIndex", "actionProb",
  // "chosen" and, where the lock has one, "actionProbs".
  QVariantList rows(int nodeIndex) const;

  // The project file's list, nodes below `nodeCount` in ascending order; a
  // pinned class carries "chosen": false.
  QVariantList nodeLocksToJson(int nodeCount) const;
  // Reads such a list; entries that name no node of the tree, or no action
  // of their node (or not one probability for each), are dropped.
  void nodeLocksFromJson(const QVariantList& list);

  // The locks as the solve request takes them.
  std::vector<halvory_app::NodeLockRequest> requests() const;

  // The table itself, for callers that fill or inspect it wholesale.
  Entries& entries() { return entries_; }
  const Entries& entries() const { return entries_; }

 private:
  void seedNodeLocksFromStrategy(int nodeIndex);

  StrategyReader strategy_;
  ActionCounter actionCount_;
  Entries entries_;
};
