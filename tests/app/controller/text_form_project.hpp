#pragma once
// A project written in the older text form from a controller's result, for
// the project-file tests and the text-form open benchmark alike. Needs Qt
// Core only.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include "controller/app_controller.hpp"
#include "controller/results_explorer.hpp"

namespace project_test_support {

// A project in the older text form, as a program before the compact form
// wrote it: the whole tree node by node and every cached answer as maps.
// `board` is the set-up's.
inline QJsonObject textFormOf(const AppController& c, const NodeCaches& caches,
                              const char* board = "AhKd7c2s9h") {
  QJsonArray meta;
  QJsonArray actions;
  for (int node = 0; node < c.treeNodeCount(); ++node) {
    meta.append(QJsonObject::fromVariantMap(c.nodeMeta(node)));
    actions.append(QJsonArray::fromVariantList(c.nodeActions(node)));
  }
  const auto cached = [](const auto& cache, const char* seat) {
    QJsonArray out;
    for (const int node : cache.keys()) {
      QJsonObject entry{{"nodeIndex", node}, {"data", QJsonValue::fromVariant(cache.value(node))}};
      if (seat) entry.insert("seat", seat);
      out.append(entry);
    }
    return out;
  };
  QJsonArray seats = cached(caches.seatHandCombosOopCache, "OOP");
  for (const QJsonValue& entry : cached(caches.seatHandCombosIpCache, "IP")) seats.append(entry);
  return QJsonObject{
      {"format", "halvory_project"},
      {"version", 1},
      {"project", QJsonObject{{"board", board}}},
      {"hasResults", true},
      {"results", QJsonObject{{"resultsSummary", c.getResultsSummary()},
                              {"resultStartingPot", c.getResultStartingPot()},
                              {"resultIterations", c.getResultIterations()},
                              {"resultExploitability", c.getResultExploitability()},
                              {"resultEvOop", c.getResultEvOop()},
                              {"resultEvIp", c.getResultEvIp()},
                              {"rootActions", QJsonArray::fromVariantList(c.getRootActions())},
                              {"treeNodeMeta", meta},
                              {"treeNodeActions", actions}}},
      {"nodeCaches", QJsonObject{{"handStrategyByNode", cached(caches.handStrategyCache, nullptr)},
                                 {"actionStatsByNode", cached(caches.actionStatsCache, nullptr)},
                                 {"handCombosByNode", cached(caches.handCombosCache, nullptr)},
                                 {"handBucketsByNode", cached(caches.handBucketsCache, nullptr)},
                                 {"seatHandCombosByNode", seats}}},
      {"nodeLocks", QJsonArray{}},
      {"lastUiCfg", QJsonObject{}}};
}

}  // namespace project_test_support
