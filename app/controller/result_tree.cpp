#include "controller/result_tree.hpp"

#include "controller/solve_config_map.hpp"

#include <new>
#include <utility>

#include <QDebug>

namespace {

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariantMap actionMap(const halvory_app::TreeNodeAction& action) {
  return QVariantMap{
      {QStringLiteral("name"), fromUtf8(action.name)},
      {QStringLiteral("actionType"), fromUtf8(action.action_type)},
      {QStringLiteral("frequency"), QVariant::fromValue(action.frequency)},
      {QStringLiteral("childIndex"), static_cast<int>(action.child_index)},
  };
}

QVariantMap metaMap(const halvory_app::TreeNodeMeta& row, double effectiveStackChips) {
  return QVariantMap{
      {QStringLiteral("nodeType"), fromUtf8(row.node_type)},
      {QStringLiteral("chanceDeal"), fromUtf8(row.chance_deal)},
      {QStringLiteral("player"), fromUtf8(row.player)},
      {QStringLiteral("pot"), row.pot / 100.0},
      {QStringLiteral("effectiveStack"), effectiveStackChips},
      {QStringLiteral("investedOop"), row.invested_oop / 100.0},
      {QStringLiteral("investedIp"), row.invested_ip / 100.0},
      {QStringLiteral("hasChildren"), !row.actions.empty()},
  };
}

QVariantMap packedActionMap(const halvory_app::PackedTree& tree,
                            const halvory_app::PackedTree::Action& action) {
  return QVariantMap{
      {QStringLiteral("name"), tree.texts[action.name]},
      {QStringLiteral("actionType"), tree.texts[action.type]},
      {QStringLiteral("frequency"), QVariant::fromValue(action.frequency)},
      {QStringLiteral("childIndex"), static_cast<int>(action.child)},
  };
}

QVariantMap packedMetaMap(const halvory_app::PackedTree& tree, std::size_t node,
                          double effectiveStackChips) {
  const halvory_app::PackedTree::Row& row = tree.rows[node];
  return QVariantMap{
      {QStringLiteral("nodeType"), tree.texts[row.nodeType]},
      {QStringLiteral("chanceDeal"), tree.texts[row.chanceDeal]},
      {QStringLiteral("player"), tree.texts[row.player]},
      {QStringLiteral("pot"), row.pot / 100.0},
      {QStringLiteral("effectiveStack"), effectiveStackChips},
      {QStringLiteral("investedOop"), row.investedOop / 100.0},
      {QStringLiteral("investedIp"), row.investedIp / 100.0},
      {QStringLiteral("hasChildren"), row.actionCount > 0},
  };
}

// A read the memory cannot hold answers as a node outside the tree does:
// the page shows nothing for it, and what is held stays as it was.
template <typename Answer, typename Read>
Answer refusedWhenShort(Read&& read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    qWarning().noquote() << "Node read refused: not enough memory";
    return {};
  }
}

}  // namespace

void ResultTree::setSolved(std::vector<halvory_app::TreeNodeMeta> rows,
                           double effectiveStackChips) {
  clear();
  if (!rows.empty())
    solved = std::make_shared<const std::vector<halvory_app::TreeNodeMeta>>(std::move(rows));
  effectiveStack = effectiveStackChips;
}

void ResultTree::setLoaded(QList<QVariantMap> meta, QList<QVariantList> actions) {
  clear();
  loadedMeta = std::move(meta);
  loadedActions = std::move(actions);
}

void ResultTree::setSolved(halvory_app::PackedTree rows, double effectiveStackChips) {
  clear();
  effectiveStack = effectiveStackChips;
  if (!rows.rows.empty()) packed = std::make_shared<const halvory_app::PackedTree>(std::move(rows));
}

void ResultTree::clear() {
  solved.reset();
  packed.reset();
  effectiveStack = 0.0;
  loadedMeta.clear();
  loadedActions.clear();
}

ResultTree ResultTree::take() {
  ResultTree out;
  out.solved = std::exchange(solved, {});
  out.packed = std::exchange(packed, {});
  out.effectiveStack = std::exchange(effectiveStack, 0.0);
  out.loadedMeta = std::exchange(loadedMeta, {});
  out.loadedActions = std::exchange(loadedActions, {});
  return out;
}

qsizetype ResultTree::size() const {
  if (solved) return static_cast<qsizetype>(solved->size());
  if (packed) return static_cast<qsizetype>(packed->size());
  return loadedActions.size();
}

QVariantMap ResultTree::meta(qsizetype node) const {
  return refusedWhenShort<QVariantMap>([&]() -> QVariantMap {
    if (solved) {
      if (node < 0 || node >= static_cast<qsizetype>(solved->size())) return {};
      return metaMap((*solved)[static_cast<std::size_t>(node)], effectiveStack);
    }
    if (packed) {
      if (node < 0 || node >= size()) return {};
      return packedMetaMap(*packed, static_cast<std::size_t>(node), effectiveStack);
    }
    if (node < 0 || node >= loadedMeta.size()) return {};
    return loadedMeta.at(node);
  });
}

QVariantList ResultTree::actions(qsizetype node) const {
  return refusedWhenShort<QVariantList>([&]() -> QVariantList {
    if (solved) {
      if (node < 0 || node >= static_cast<qsizetype>(solved->size())) return {};
      const auto& rows = (*solved)[static_cast<std::size_t>(node)].actions;
      QVariantList out;
      out.reserve(static_cast<qsizetype>(rows.size()));
      for (const halvory_app::TreeNodeAction& action : rows) out.append(actionMap(action));
      return out;
    }
    if (packed) {
      if (node < 0 || node >= size()) return {};
      const auto at = static_cast<std::size_t>(node);
      const std::uint32_t count = packed->rows[at].actionCount;
      QVariantList out;
      out.reserve(static_cast<qsizetype>(count));
      for (std::uint32_t a = 0; a < count; ++a)
        out.append(packedActionMap(*packed, packed->action(at, a)));
      return out;
    }
    if (node < 0 || node >= loadedActions.size()) return {};
    return loadedActions.at(node);
  });
}

qsizetype ResultTree::actionCount(qsizetype node) const {
  if (solved) {
    if (node < 0 || node >= static_cast<qsizetype>(solved->size())) return 0;
    return static_cast<qsizetype>((*solved)[static_cast<std::size_t>(node)].actions.size());
  }
  if (packed) {
    if (node < 0 || node >= size()) return 0;
    return packed->rows[static_cast<std::size_t>(node)].actionCount;
  }
  if (node < 0 || node >= loadedActions.size()) return 0;
  return loadedActions.at(node).size();
}

double ResultTree::effectiveStackChips() const {
  if (solved || packed) return effectiveStack;
  if (loadedMeta.isEmpty()) return 0.0;
  return loadedMeta.first().value(QStringLiteral("effectiveStack")).toDouble();
}

const halvory_app::PackedTree* ResultTree::packedRows() const {
  return packed.get();
}

const halvory_app::TreeNodeMeta* ResultTree::solvedRow(qsizetype node) const {
  if (!solved || node < 0 || node >= static_cast<qsizetype>(solved->size())) return nullptr;
  return &(*solved)[static_cast<std::size_t>(node)];
}

halvory_app::TreeNodeMeta ResultTree::row(qsizetype node) const {
  if (const halvory_app::TreeNodeMeta* own = solvedRow(node)) return *own;
  if (packed) {
    if (node < 0 || node >= size()) return {};
    return packed->row(static_cast<std::size_t>(node));
  }
  halvory_app::TreeNodeMeta out;
  if (solved) return out;
  const auto cents = [](const QVariant& chips) {
    return halvory_app::amountToCents(chips.toDouble(), 0);
  };
  const QVariantMap meta = this->meta(node);
  out.node_type = meta.value(QStringLiteral("nodeType")).toString().toStdString();
  out.chance_deal = meta.value(QStringLiteral("chanceDeal")).toString().toStdString();
  out.player = meta.value(QStringLiteral("player")).toString().toStdString();
  out.pot = cents(meta.value(QStringLiteral("pot")));
  out.invested_oop = cents(meta.value(QStringLiteral("investedOop")));
  out.invested_ip = cents(meta.value(QStringLiteral("investedIp")));
  for (const QVariant& value : actions(node)) {
    const QVariantMap action = value.toMap();
    halvory_app::TreeNodeAction row;
    row.name = action.value(QStringLiteral("name")).toString().toStdString();
    row.action_type = action.value(QStringLiteral("actionType")).toString().toStdString();
    row.frequency = action.value(QStringLiteral("frequency")).toFloat();
    const int child = action.value(QStringLiteral("childIndex")).toInt();
    row.child_index = child > 0 ? static_cast<std::uint32_t>(child) : 0u;
    out.actions.push_back(std::move(row));
  }
  return out;
}
