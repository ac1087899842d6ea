#include "controller/result_tree.hpp"

#include <utility>

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

}  // namespace

void ResultTree::setSolved(std::vector<halvory_app::TreeNodeMeta> rows,
                           double effectiveStackChips) {
  clear();
  solved = std::move(rows);
  effectiveStack = effectiveStackChips;
}

void ResultTree::setLoaded(QList<QVariantMap> meta, QList<QVariantList> actions) {
  clear();
  loadedMeta = std::move(meta);
  loadedActions = std::move(actions);
}

void ResultTree::clear() {
  solved.clear();
  solved.shrink_to_fit();
  effectiveStack = 0.0;
  loadedMeta.clear();
  loadedActions.clear();
}

ResultTree ResultTree::take() {
  ResultTree out;
  out.solved = std::exchange(solved, {});
  out.effectiveStack = std::exchange(effectiveStack, 0.0);
  out.loadedMeta = std::exchange(loadedMeta, {});
  out.loadedActions = std::exchange(loadedActions, {});
  return out;
}

qsizetype ResultTree::size() const {
  if (!solved.empty()) return static_cast<qsizetype>(solved.size());
  return loadedActions.size();
}

QVariantMap ResultTree::meta(qsizetype node) const {
  if (!solved.empty()) {
    if (node < 0 || node >= static_cast<qsizetype>(solved.size())) return {};
    return metaMap(solved[static_cast<std::size_t>(node)], effectiveStack);
  }
  if (node < 0 || node >= loadedMeta.size()) return {};
  return loadedMeta.at(node);
}

QVariantList ResultTree::actions(qsizetype node) const {
  if (!solved.empty()) {
    if (node < 0 || node >= static_cast<qsizetype>(solved.size())) return {};
    const auto& rows = solved[static_cast<std::size_t>(node)].actions;
    QVariantList out;
    out.reserve(static_cast<qsizetype>(rows.size()));
    for (const halvory_app::TreeNodeAction& action : rows) out.append(actionMap(action));
    return out;
  }
  if (node < 0 || node >= loadedActions.size()) return {};
  return loadedActions.at(node);
}

qsizetype ResultTree::actionCount(qsizetype node) const {
  if (!solved.empty()) {
    if (node < 0 || node >= static_cast<qsizetype>(solved.size())) return 0;
    return static_cast<qsizetype>(solved[static_cast<std::size_t>(node)].actions.size());
  }
  if (node < 0 || node >= loadedActions.size()) return 0;
  return loadedActions.at(node).size();
}
