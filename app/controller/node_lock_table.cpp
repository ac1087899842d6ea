#include "controller/node_lock_table.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QVariantMap>

namespace {

bool usableValue(double value) {
  return std::isfinite(value) && value > 0.0;
}

QVariantList floatsToVariantList(const std::vector<float>& values) {
  QVariantList list;
  list.reserve(static_cast<qsizetype>(values.size()));
  for (const float v : values) list.append(QVariant::fromValue(v));
  return list;
}

// Probabilities of one hand normalised to sum 1; unusable entries count as 0
// and an all-zero row becomes uniform.
std::vector<float> normalisedRow(const float* values, std::size_t count) {
  std::vector<float> row(count, 0.0f);
  double sum = 0.0;
  for (std::size_t a = 0; a < count; ++a) {
    const float v = values[a];
    row[a] = usableValue(v) ? v : 0.0f;
    sum += row[a];
  }
  for (float& v : row)
    v = sum <= 0.0 ? static_cast<float>(1.0 / static_cast<double>(count))
                   : static_cast<float>(v / sum);
  return row;
}

// Weights into probabilities, in double and relative to the largest weight
// first, so that weights beyond the float (or double) range still give
// probabilities; without a usable weight, uniform.
std::vector<float> probsFromWeights(const QVariantList& actionProbs, int n) {
  std::vector<double> weights(static_cast<std::size_t>(n), 0.0);
  double largest = 0.0;
  for (int i = 0; i < n; ++i) {
    double v = i < actionProbs.size() ? actionProbs.at(i).toDouble() : 0.0;
    if (!usableValue(v)) v = 0.0;
    weights[static_cast<std::size_t>(i)] = v;
    largest = std::max(largest, v);
  }
  double sum = 0.0;
  if (largest > 0.0) {
    for (double& v : weights) sum += (v /= largest);
  }
  std::vector<float> probs(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < probs.size(); ++i) {
    probs[i] = sum > 0.0 ? static_cast<float>(weights[i] / sum) : 1.0f / static_cast<float>(n);
  }
  return probs;
}

}  // namespace

NodeLockTable::NodeLockTable(StrategyReader strategy, ActionCounter actionCount)
    : strategy_(std::move(strategy)), actionCount_(std::move(actionCount)) {}

void NodeLockTable::lockAction(int nodeIndex, const QString& hand, int actionIndex,
                               double actionProb) {
  if (nodeIndex < 0 || hand.isEmpty()) return;
  seedNodeLocksFromStrategy(nodeIndex);
  const int n = actionCount_(nodeIndex);
  if (n <= 0) return;

  // NaN fails both comparisons of a clamp; it locks nothing on the action.
  const double p = std::isnan(actionProb) ? 0.0 : std::clamp(actionProb, 0.0, 1.0);
  std::vector<float> probs(static_cast<std::size_t>(n), 1.0f);
  if (n > 1) {
    const int k = actionIndex < 0 ? 0 : actionIndex;
    const float rest = (1.0f - static_cast<float>(p)) / static_cast<float>(n - 1);
    for (int a = 0; a < n; ++a)
      probs[static_cast<std::size_t>(a)] = a == k ? static_cast<float>(p) : rest;
  }
  // Moved in whole: Qt's hash copies a value into a slot it has already
  // taken, and a copy that runs out of memory there leaves the slot broken.
  entries_[nodeIndex].emplace(hand.toUtf8(), NodeLockEntry{std::move(probs), actionIndex, p, true});
}

void NodeLockTable::lockProbs(int nodeIndex, const QString& hand, const QVariantList& actionProbs) {
  if (nodeIndex < 0 || hand.isEmpty()) return;
  seedNodeLocksFromStrategy(nodeIndex);
  const int n = actionCount_(nodeIndex);
  if (n <= 0) return;
  entries_[nodeIndex].emplace(hand.toUtf8(),
                              NodeLockEntry{probsFromWeights(actionProbs, n), -1, 1.0, true});
}

void NodeLockTable::clearNode(int nodeIndex) {
  if (nodeIndex < 0) return;
  entries_.remove(nodeIndex);
}

QVariantList NodeLockTable::rows(int nodeIndex) const {
  QVariantList rows;
  const auto node = entries_.constFind(nodeIndex);
  if (node == entries_.cend()) return rows;
  for (auto it = node->cbegin(); it != node->cend(); ++it) {
    QVariantMap row;
    row.insert(QStringLiteral("hand"), QString::fromUtf8(it.key()));
    row.insert(QStringLiteral("actionIndex"), it->actionIndex);
    row.insert(QStringLiteral("actionProb"), it->actionProb);
    row.insert(QStringLiteral("chosen"), it->chosen);
    if (!it->actionProbs.empty())
      row.insert(QStringLiteral("actionProbs"), floatsToVariantList(it->actionProbs));
    rows.append(row);
  }
  return rows;
}

QVariantList NodeLockTable::nodeLocksToJson(int nodeCount) const {
  QVariantList out;
  for (int node = 0; node < nodeCount; ++node) {
    for (const QVariant& value : rows(node)) {
      const QVariantMap row = value.toMap();
      QVariantMap element;
      element.insert(QStringLiteral("nodeIndex"), node);
      element.insert(QStringLiteral("hand"), row.value(QStringLiteral("hand")));
      if (row.contains(QStringLiteral("actionProbs"))) {
        element.insert(QStringLiteral("actionProbs"), row.value(QStringLiteral("actionProbs")));
      } else {
        element.insert(QStringLiteral("actionIndex"), row.value(QStringLiteral("actionIndex")));
        element.insert(QStringLiteral("actionProb"), row.value(QStringLiteral("actionProb")));
      }
      // Files written before the flag existed read as chosen.
      if (!row.value(QStringLiteral("chosen")).toBool())
        element.insert(QStringLiteral("chosen"), false);
      out.append(element);
    }
  }
  return out;
}

void NodeLockTable::nodeLocksFromJson(const QVariantList& list) {
  for (const QVariant& value : list) {
    const QVariantMap element = value.toMap();
    const int node = element.value(QStringLiteral("nodeIndex"), -1).toInt();
    const QString label = element.value(QStringLiteral("hand")).toString();
    if (node < 0 || label.isEmpty()) continue;
    // A lock is taken only as the page could have set it: an action of its
    // node, or one probability for each of the node's actions. Anything
    // else belongs to another tree, or is damage, and is dropped as a lock
    // on a node without actions is.
    const int actions = actionCount_(node);
    if (element.contains(QStringLiteral("actionProbs"))) {
      const QVariantList probs = element.value(QStringLiteral("actionProbs")).toList();
      if (probs.isEmpty() || probs.size() != actions) continue;
      lockProbs(node, label, probs);
    } else {
      const int index = element.value(QStringLiteral("actionIndex"), -1).toInt();
      const double prob = element.value(QStringLiteral("actionProb"), 1.0).toDouble();
      if (index < 0 || index >= actions) continue;
      lockAction(node, label, index, prob);
    }
    if (!element.value(QStringLiteral("chosen"), true).toBool()) {
      const auto locks = entries_.find(node);
      if (locks == entries_.end()) continue;
      if (const auto entry = locks->find(label.toUtf8()); entry != locks->end())
        entry->chosen = false;
    }
  }
}

std::vector<halvory_app::NodeLockRequest> NodeLockTable::requests() const {
  std::vector<halvory_app::NodeLockRequest> out;
  for (auto node = entries_.constBegin(); node != entries_.constEnd(); ++node) {
    if (node.key() < 0 || node->isEmpty()) continue;
    for (auto hand = node->constBegin(); hand != node->constEnd(); ++hand) {
      const NodeLockEntry& entry = hand.value();
      halvory_app::NodeLockRequest request;
      request.node_index = static_cast<std::uint64_t>(node.key());
      request.hand = hand.key().toStdString();
      if (!entry.actionProbs.empty()) {
        request.action_index = 0;
        request.action_prob = 1.0f;
        request.action_probs = entry.actionProbs;
      } else {
        if (entry.actionIndex < 0) continue;
        request.action_index = entry.actionIndex;
        request.action_prob = static_cast<float>(std::clamp(entry.actionProb, 0.0, 1.0));
      }
      out.push_back(std::move(request));
    }
  }
  return out;
}

void NodeLockTable::seedNodeLocksFromStrategy(int nodeIndex) {
  if (nodeIndex < 0) return;
  const auto existing = entries_.constFind(nodeIndex);
  if (existing != entries_.cend() && !existing->isEmpty()) return;

  const auto strategy = strategy_ ? strategy_(nodeIndex) : std::nullopt;
  if (!strategy) return;
  const std::size_t hands = strategy->hand_labels.size();
  const std::size_t actions = strategy->action_names.size();
  if (hands == 0 || actions == 0 || strategy->action_probs.size() != hands * actions) return;

  // Built aside and then taken whole: a node seeded only in part (the
  // memory ran out half-way) would never be seeded again.
  HandLocks seeded;
  for (std::size_t h = 0; h < hands; ++h) {
    seeded.emplace(
        QByteArray::fromStdString(strategy->hand_labels[h]),
        NodeLockEntry{normalisedRow(strategy->action_probs.data() + h * actions, actions), -1, 1.0,
                      false});
  }
  entries_.emplace(nodeIndex, std::move(seeded));
}
