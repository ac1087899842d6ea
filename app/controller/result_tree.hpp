#pragma once
// The solved tree's rows as the results page reads them: node meta and the
// node's actions. A finished solve's rows stay in the solve thread's compact
// form and become UI maps only when a node is read; a loaded project's rows
// arrive as maps already.

#include <memory>
#include <vector>

#include <QList>
#include <QVariantList>
#include <QVariantMap>

#include "controller/packed_tree.hpp"
#include "session/solve_records.hpp"

class ResultTree {
 public:
  // The rows of a finished solve (money in hundredths of a chip).
  void setSolved(std::vector<halvory_app::TreeNodeMeta> rows, double effectiveStackChips);
  // The rows of a project file, one action list per meta row.
  void setLoaded(QList<QVariantMap> meta, QList<QVariantList> actions);
  // The rows of a solve as a project file in its compact form keeps them.
  void setSolved(halvory_app::PackedTree rows, double effectiveStackChips);
  void clear();

  // Hands the rows over, so that the caller can free them where waiting
  // does not matter (a large tree takes a while); leaves this one empty.
  ResultTree take();

  qsizetype size() const;
  bool isEmpty() const { return size() == 0; }
  // Empty outside the tree, and when the memory cannot hold the answer.
  QVariantMap meta(qsizetype node) const;
  QVariantList actions(qsizetype node) const;
  qsizetype actionCount(qsizetype node) const;
  double effectiveStackChips() const;
  // One node in the solve's form, as a project file stores it: a solve's
  // own row where there is one (null otherwise), else a loaded project's
  // row made again (from maps, money to hundredths).
  const halvory_app::TreeNodeMeta* solvedRow(qsizetype node) const;
  // A project file's rows as it held them; null otherwise.
  const halvory_app::PackedTree* packedRows() const;
  halvory_app::TreeNodeMeta row(qsizetype node) const;

 private:
  // Shared with a save in progress, which reads them on its own thread.
  std::shared_ptr<const std::vector<halvory_app::TreeNodeMeta>> solved;
  std::shared_ptr<const halvory_app::PackedTree> packed;
  double effectiveStack = 0.0;
  QList<QVariantMap> loadedMeta;
  QList<QVariantList> loadedActions;
};
