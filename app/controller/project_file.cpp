#include "controller/project_file.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>
#include <QSet>

#include "controller/solve_config_map.hpp"

namespace halvory_app {

namespace {

// No node has more hands than there are two-card combinations.
constexpr qsizetype kMaxHandRows = 1326;

QString translated(const char* text) {
  return QCoreApplication::translate("AppController", text);
}

// Records the first member that cannot be loaded safely.
struct Checker {
  QString field;
  QString reason;

  bool fail(const QString& where, const QString& why) {
    if (field.isEmpty()) {
      field = where;
      reason = why;
    }
    return false;
  }
  bool outsideTree(const QString& where) {
    return fail(where, translated("refers to a node outside the tree"));
  }
  bool notFinite(const QString& where) { return fail(where, translated("is not a finite number")); }
  bool notObject(const QString& where) {
    return fail(where, translated(QT_TRANSLATE_NOOP("AppController", "is not an object")));
  }
};

QString member(const QString& field, const char* key) {
  return field + QLatin1Char('.') + QLatin1String(key);
}
QString element(const QString& field, qsizetype index) {
  return field + QStringLiteral("[%1]").arg(index);
}

// Members are converted as Qt converts variants: a value of the wrong JSON
// type gives an empty map or list, a text or a bool where a number is read
// gives its value or 0. Only results that cannot be used safely are refused.

// A number, or none when the conversion gives no finite value ("nan" or
// "inf" as text); null and missing members read as 0.
std::optional<double> numberOf(const QJsonValue& value) {
  // Lists and maps give 0, without building their variants first.
  if (value.isUndefined() || value.isNull() || value.isArray() || value.isObject()) return 0.0;
  const double d = value.toVariant().toDouble();
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

// An integer, or none where Qt's conversion would silently wrap a number
// outside the 32-bit range; `missing` when the member is absent.
std::optional<int> intOf(const QJsonValue& value, int missing) {
  if (value.isUndefined()) return missing;
  if (value.isDouble()) {
    const double d = std::round(value.toDouble());
    if (!std::isfinite(d) || d < double(std::numeric_limits<int>::min()) ||
        d > double(std::numeric_limits<int>::max())) {
      return std::nullopt;
    }
    return static_cast<int>(d);
  }
  if (value.isArray() || value.isObject()) return 0;
  return value.toVariant().toInt();
}

// Members of result, tree and cache rows read as numbers, and as lists of
// numbers with one entry per action.
constexpr const char* kNumberKeys[] = {"frequency", "combos", "equity",         "ev",
                                       "weight",    "pot",    "effectiveStack", "investedOop",
                                       "investedIp"};
constexpr const char* kActionListKeys[] = {"actionEvs", "actionProbs"};

bool checkNumbers(Checker& check, const QJsonArray& list, const QString& field) {
  for (qsizetype i = 0; i < list.size(); ++i) {
    if (!numberOf(list.at(i))) return check.notFinite(element(field, i));
  }
  return true;
}

bool checkRowNumbers(Checker& check, const QJsonValue& rowValue, const QString& field) {
  const QJsonObject row = rowValue.toObject();
  for (const char* key : kNumberKeys) {
    if (!numberOf(row.value(QLatin1String(key)))) return check.notFinite(member(field, key));
  }
  for (const char* key : kActionListKeys) {
    if (!checkNumbers(check, row.value(QLatin1String(key)).toArray(), member(field, key)))
      return false;
  }
  return true;
}

// A cached list with one entry per action of its node. Empty is fine (the
// query had nothing to add); any other length means the list belongs to
// another tree, and a huge one would make every later query crawl.
bool checkActionCount(Checker& check, qsizetype size, qsizetype actions, const QString& field) {
  if (size == 0 || size == actions) return true;
  return check.fail(field,
                    translated("has %1 entries for a node with %2 actions").arg(size).arg(actions));
}

bool checkHandCount(Checker& check, qsizetype size, const QString& field) {
  if (size <= kMaxHandRows) return true;
  return check.fail(
      field,
      translated("has %1 entries, more than the %2 hands of a node").arg(size).arg(kMaxHandRows));
}

// Cached rows: finite numbers, per-action lists of the node's action count.
bool checkCacheRows(Checker& check, const QJsonArray& rows, qsizetype actions,
                    const QString& field) {
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const QString row = element(field, i);
    if (!checkRowNumbers(check, rows.at(i), row)) return false;
    for (const char* key : kActionListKeys) {
      const qsizetype size = rows.at(i).toObject().value(QLatin1String(key)).toArray().size();
      if (!checkActionCount(check, size, actions, member(row, key))) return false;
    }
  }
  return true;
}

bool checkHandRows(Checker& check, const QJsonValue& data, qsizetype actions,
                   const QString& field) {
  const QJsonArray rows = data.toArray();
  return checkHandCount(check, rows.size(), field) && checkCacheRows(check, rows, actions, field);
}

bool checkActionRows(Checker& check, const QJsonValue& data, qsizetype actions,
                     const QString& field) {
  const QJsonArray rows = data.toArray();
  return checkActionCount(check, rows.size(), actions, field) &&
         checkCacheRows(check, rows, actions, field);
}

bool checkStrategy(Checker& check, const QJsonValue& data, qsizetype actions,
                   const QString& field) {
  const QJsonObject strategy = data.toObject();
  for (const char* key : {"actionNames", "actionTypeList"}) {
    const qsizetype size = strategy.value(QLatin1String(key)).toArray().size();
    if (!checkActionCount(check, size, actions, member(field, key))) return false;
  }
  for (const char* key : {"weights", "dominantActionTypes", "actionProbs"}) {
    const qsizetype size = strategy.value(QLatin1String(key)).toObject().size();
    if (!checkHandCount(check, size, member(field, key))) return false;
  }
  const QJsonObject weights = strategy.value(QLatin1String("weights")).toObject();
  for (auto it = weights.begin(); it != weights.end(); ++it) {
    if (!numberOf(it.value()))
      return check.notFinite(member(field, "weights") + QLatin1Char('.') + it.key());
  }
  const QJsonObject probs = strategy.value(QLatin1String("actionProbs")).toObject();
  for (auto it = probs.begin(); it != probs.end(); ++it) {
    const QString where = member(field, "actionProbs") + QLatin1Char('.') + it.key();
    const QJsonArray list = it.value().toArray();
    if (!checkActionCount(check, list.size(), actions, where) || !checkNumbers(check, list, where))
      return false;
  }
  return true;
}

// Tree lists and result numbers.
bool readResults(Checker& check, const QJsonObject& results, ProjectFileContents& out) {
  out.resultsSummary = results.value(QLatin1String("resultsSummary")).toVariant().toString();
  const std::pair<const char*, double*> numbers[] = {
      {"resultStartingPot", &out.resultStartingPot},
      {"resultExploitability", &out.resultExploitability},
      {"resultEvOop", &out.resultEvOop},
      {"resultEvIp", &out.resultEvIp},
  };
  for (const auto& [key, target] : numbers) {
    const std::optional<double> value = numberOf(results.value(QLatin1String(key)));
    if (!value) return check.notFinite(member(QStringLiteral("results"), key));
    *target = *value;
  }
  const QJsonValue iterationsValue = results.value(QLatin1String("resultIterations"));
  if (!iterationsValue.isUndefined() && !iterationsValue.isNull()) {
    const CountReading iterations = readCount(QStringLiteral("results.resultIterations"),
                                              iterationsValue.toVariant(), 0, kMaxCount);
    if (!iterations.value)
      return check.fail(
          QStringLiteral("results.resultIterations"),
          translated(QT_TRANSLATE_NOOP("AppController", "is not a whole number of iterations")));
    out.resultIterations = static_cast<std::int32_t>(*iterations.value);
  }

  // The tree: one meta map and one action list per node, and the root's
  // actions those of node 0. A tree that disagrees with itself would show
  // a results page of zeros.
  const QJsonArray meta = results.value(QLatin1String("treeNodeMeta")).toArray();
  const QJsonArray actions = results.value(QLatin1String("treeNodeActions")).toArray();
  const qsizetype nodeCount = actions.size();
  if (meta.size() != nodeCount) {
    return check.fail(
        QStringLiteral("results.treeNodeMeta"),
        translated(
            QT_TRANSLATE_NOOP("AppController", "has %1 nodes, but the tree's action lists have %2"))
            .arg(meta.size())
            .arg(nodeCount));
  }
  if (nodeCount == 0)
    return check.fail(QStringLiteral("results.treeNodeActions"),
                      translated(QT_TRANSLATE_NOOP("AppController", "holds no node")));

  const QJsonArray rootActions = results.value(QLatin1String("rootActions")).toArray();
  if (nodeCount > 0 && rootActions.size() != actions.at(0).toArray().size()) {
    return check.fail(
        QStringLiteral("results.rootActions"),
        translated(
            QT_TRANSLATE_NOOP("AppController", "has %1 actions, but the tree's first node has %2"))
            .arg(rootActions.size())
            .arg(actions.at(0).toArray().size()));
  }
  for (qsizetype i = 0; i < rootActions.size(); ++i) {
    const QString row = element(QStringLiteral("results.rootActions"), i);
    if (!rootActions.at(i).isObject()) return check.notObject(row);
    if (!checkRowNumbers(check, rootActions.at(i), row)) return false;
  }
  out.rootActions = rootActions.toVariantList();

  out.treeNodeMeta.reserve(meta.size());
  for (qsizetype i = 0; i < meta.size(); ++i) {
    const QString row = element(QStringLiteral("results.treeNodeMeta"), i);
    if (!meta.at(i).isObject()) return check.notObject(row);
    if (!checkRowNumbers(check, meta.at(i), row)) return false;
    out.treeNodeMeta.push_back(meta.at(i).toObject().toVariantMap());
  }

  out.treeNodeActions.reserve(nodeCount);
  for (qsizetype i = 0; i < nodeCount; ++i) {
    const QString node = element(QStringLiteral("results.treeNodeActions"), i);
    if (!actions.at(i).isArray())
      return check.fail(node, translated(QT_TRANSLATE_NOOP("AppController", "is not a list")));
    const QJsonArray list = actions.at(i).toArray();
    for (qsizetype j = 0; j < list.size(); ++j) {
      const QString row = element(node, j);
      if (!list.at(j).isObject()) return check.notObject(row);
      if (!checkRowNumbers(check, list.at(j), row)) return false;
      const QJsonValue child = list.at(j).toObject().value(QLatin1String("childIndex"));
      if (child.isUndefined()) continue;
      const std::optional<int> index = intOf(child, -1);
      if (!index || *index < 0 || *index >= nodeCount)
        return check.outsideTree(member(row, "childIndex"));
    }
    out.treeNodeActions.push_back(list.toVariantList());
  }
  return true;
}

using DataCheck = bool (*)(Checker&, const QJsonValue&, qsizetype, const QString&);

// One cache array. Elements without a node index or with a negative one are
// skipped, as are seats other than OOP and IP; later elements replace
// earlier ones of the same node.
template <typename Value>
bool readCache(Checker& check, const QJsonObject& caches, const char* key,
               const QList<QVariantList>& tree, DataCheck dataCheck,
               Value (*convert)(const QJsonValue&), QHash<int, Value>* single,
               QHash<int, Value>* oop, QHash<int, Value>* ip) {
  const QJsonArray elements = caches.value(QLatin1String(key)).toArray();
  const QString field = QStringLiteral("nodeCaches.") + QLatin1String(key);
  for (qsizetype i = 0; i < elements.size(); ++i) {
    const QJsonObject entry = elements.at(i).toObject();
    const QString where = element(field, i);
    const std::optional<int> index = intOf(entry.value(QLatin1String("nodeIndex")), -1);
    if (index && *index < 0) continue;
    if (!index || *index >= tree.size()) return check.outsideTree(member(where, "nodeIndex"));
    QHash<int, Value>* target = single;
    if (!single) {
      const QString seat =
          entry.value(QLatin1String("seat")).toVariant().toString().trimmed().toUpper();
      target = seat == QLatin1String("OOP") ? oop : seat == QLatin1String("IP") ? ip : nullptr;
      if (!target) continue;
    }
    const QJsonValue data = entry.value(QLatin1String("data"));
    if (!dataCheck(check, data, tree.at(*index).size(), member(where, "data"))) return false;
    target->insert(*index, convert(data));
  }
  return true;
}

QVariantMap toMap(const QJsonValue& value) {
  return value.toObject().toVariantMap();
}
QVariantList toList(const QJsonValue& value) {
  return value.toArray().toVariantList();
}

bool readCaches(Checker& check, const QJsonObject& caches, ProjectFileContents& out) {
  const QList<QVariantList>& tree = out.treeNodeActions;
  return readCache<QVariantMap>(check, caches, "handStrategyByNode", tree, checkStrategy, toMap,
                                &out.handStrategyByNode, nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "actionStatsByNode", tree, checkActionRows, toList,
                                 &out.actionStatsByNode, nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "handCombosByNode", tree, checkHandRows, toList,
                                 &out.handCombosByNode, nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "handBucketsByNode", tree, checkHandRows, toList,
                                 &out.handBucketsByNode, nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "seatHandCombosByNode", tree, checkHandRows, toList,
                                 nullptr, &out.seatHandCombosOopByNode,
                                 &out.seatHandCombosIpByNode);
}

// The locks with their members converted; a lock whose node or action index
// cannot be an integer names no node or action and is dropped, like one
// with a negative index.
bool readLocks(Checker& check, const QJsonArray& locks, QVariantList& out) {
  for (qsizetype i = 0; i < locks.size(); ++i) {
    const QJsonObject lock = locks.at(i).toObject();
    const QString where = element(QStringLiteral("nodeLocks"), i);
    const std::optional<int> node = intOf(lock.value(QLatin1String("nodeIndex")), -1);
    if (!node) continue;
    QVariantMap converted;
    converted.insert(QStringLiteral("nodeIndex"), *node);
    converted.insert(QStringLiteral("hand"),
                     lock.value(QLatin1String("hand")).toVariant().toString());
    if (lock.contains(QLatin1String("actionProbs"))) {
      const QJsonArray probs = lock.value(QLatin1String("actionProbs")).toArray();
      if (!checkNumbers(check, probs, member(where, "actionProbs"))) return false;
      QVariantList values;
      values.reserve(probs.size());
      for (const QJsonValue& p : probs) values.append(*numberOf(p));
      converted.insert(QStringLiteral("actionProbs"), values);
    } else {
      const std::optional<int> action = intOf(lock.value(QLatin1String("actionIndex")), -1);
      if (!action) continue;
      const QJsonValue probValue = lock.value(QLatin1String("actionProb"));
      const std::optional<double> prob = probValue.isUndefined() ? 1.0 : numberOf(probValue);
      if (!prob) return check.notFinite(member(where, "actionProb"));
      converted.insert(QStringLiteral("actionIndex"), *action);
      converted.insert(QStringLiteral("actionProb"), *prob);
    }
    // A class pinned at its solved strategy rather than locked by the user.
    if (lock.value(QLatin1String("chosen")) == QJsonValue(false))
      converted.insert(QStringLiteral("chosen"), false);
    out.append(converted);
  }
  return true;
}

// The project's board as the set-up page holds it: up to five slots of two
// characters, each a card of the project's deck or "__" for a slot not
// chosen yet, no card twice. Blanks between cards do not count, and a text
// longer than five cards with blanks between them is refused before it is
// read; letter case does not matter. A value that is no text is the page's
// to refuse.
bool checkBoard(Checker& check, const QJsonValue& value, const QString& rankAlphabet) {
  if (!value.isString()) return true;
  const QString where = QStringLiteral("project.boardText");
  QString board = value.toString();
  if (board.size() > kMaxBoardTextLength)
    return check.fail(where, translated(QT_TRANSLATE_NOOP("AppController",
                                                          "is not a board of up to five cards")));
  board.remove(QRegularExpression(QStringLiteral("\\s")));
  if (board.size() % 2 != 0 || board.size() > 10)
    return check.fail(where, translated(QT_TRANSLATE_NOOP("AppController",
                                                          "is not a board of up to five cards")));
  QSet<QString> seen;
  for (qsizetype i = 0; i < board.size(); i += 2) {
    const QString pair = board.mid(i, 2);
    if (pair == QLatin1String("__")) continue;
    const QString card = pair.left(1).toUpper() + pair.mid(1).toLower();
    if (!rankAlphabet.contains(card[0]) || !QStringLiteral("shdc").contains(card[1])) {
      return check.fail(
          where, translated(QT_TRANSLATE_NOOP("AppController", "holds '%1', which is not a card"))
                     .arg(pair));
    }
    if (seen.contains(card))
      return check.fail(where,
                        translated(QT_TRANSLATE_NOOP("AppController", "holds %1 twice")).arg(card));
    seen.insert(card);
  }
  return true;
}

// Only format 1 is read: the member converted to an integer must be 1. Numbers
// are converted only when they fit, so no conversion can overflow.
bool versionSupported(const QJsonValue& value) {
  if (value.isDouble()) {
    const double d = value.toDouble();
    if (!std::isfinite(d) || std::fabs(d) > 1e9) return false;
    return std::lround(d) == kProjectVersion;
  }
  return value.toVariant().toInt() == kProjectVersion;
}

}  // namespace

ProjectFileReadResult readProjectDocument(const QByteArray& bytes) {
  ProjectFileReadResult result;
  const auto fail = [&result](ProjectFileError error) {
    result.error = error;
    result.contents = ProjectFileContents{};
    return result;
  };

  QJsonParseError parseError{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (document.isNull() || parseError.error != QJsonParseError::NoError) {
    return fail(ProjectFileError::InvalidJson);
  }
  // A top-level array has no "format" and is refused as an unknown format.
  const QJsonObject root = document.isObject() ? document.object() : QJsonObject{};
  if (root.value(QLatin1String("format")).toVariant().toString() != QLatin1String(kProjectFormat)) {
    return fail(ProjectFileError::UnrecognizedFormat);
  }
  if (!versionSupported(root.value(QLatin1String("version")))) {
    return fail(ProjectFileError::UnsupportedVersion);
  }

  ProjectFileContents& out = result.contents;
  Checker check;
  const auto invalid = [&result, &check, &fail]() {
    result.field = check.field;
    result.reason = check.reason;
    return fail(ProjectFileError::InvalidData);
  };
  // The set-up the results belong to: without it, the set-up of whatever
  // was open before would stand beside them.
  const QJsonValue project = root.value(QLatin1String("project"));
  if (!project.isObject()) {
    check.notObject(QStringLiteral("project"));
    return invalid();
  }
  // The deck is the one the page reads the project's variant as.
  const QVariantMap variant{{QStringLiteral("variant"),
                             project.toObject().value(QLatin1String("gameVariant")).toVariant()}};
  if (!checkBoard(check, project.toObject().value(QLatin1String("boardText")),
                  rankAlphabetFor(variant)))
    return invalid();
  out.project = project.toObject().toVariantMap();
  out.hasResults = root.value(QLatin1String("hasResults")).toVariant().toBool();
  // Without results there is no tree: the caches could belong to none, and
  // are never written without one, so they are left out like the results.
  if (out.hasResults) {
    const QJsonValue results = root.value(QLatin1String("results"));
    if (!results.isObject()) {
      check.notObject(QStringLiteral("results"));
      return invalid();
    }
    if (!readResults(check, results.toObject(), out) ||
        !readCaches(check, root.value(QLatin1String("nodeCaches")).toObject(), out)) {
      return invalid();
    }
  }
  if (!readLocks(check, root.value(QLatin1String("nodeLocks")).toArray(), out.nodeLocks))
    return invalid();
  out.lastUiCfg = root.value(QLatin1String("lastUiCfg")).toObject().toVariantMap();
  return result;
}

namespace {

template <typename Value>
QVariantList cacheToJsonListImpl(const QHash<int, Value>& cache, int nodeCount,
                                 const QString* seat) {
  QList<int> nodes;
  nodes.reserve(cache.size());
  for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
    if (it.key() >= 0 && it.key() < nodeCount) nodes.push_back(it.key());
  }
  std::sort(nodes.begin(), nodes.end());
  QVariantList out;
  out.reserve(nodes.size());
  for (const int node : nodes) {
    QVariantMap element;
    element.insert(QStringLiteral("nodeIndex"), node);
    if (seat) element.insert(QStringLiteral("seat"), *seat);
    element.insert(QStringLiteral("data"), cache.value(node));
    out.push_back(element);
  }
  return out;
}

}  // namespace

QVariantList cacheToJsonList(const QHash<int, QVariantMap>& cache, int nodeCount) {
  return cacheToJsonListImpl(cache, nodeCount, nullptr);
}

QVariantList cacheToJsonList(const QHash<int, QVariantList>& cache, int nodeCount) {
  return cacheToJsonListImpl(cache, nodeCount, nullptr);
}

void appendSeatCacheToJsonList(const QHash<int, QVariantList>& cache, int nodeCount,
                               const QString& seat, QVariantList& out) {
  out.append(cacheToJsonListImpl(cache, nodeCount, &seat));
}

}  // namespace halvory_app
