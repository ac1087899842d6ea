#include "controller/project_file.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include <QCborStreamReader>
#include <QCborValue>
#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>
#include <QSet>

#include "controller/solve_config_map.hpp"
#include "controller/project_stream.hpp"

namespace halvory_app {

namespace {

// No node has more hands than there are two-card combinations.
constexpr qsizetype kMaxHandRows = 1326;

QString translated(const char* text) {
  return QCoreApplication::translate("AppController", text);
}

// Where a member sits in the file ("handCombosByNode[3].data[12].ev"), put
// into words only when it is refused: a large file has millions of members,
// and a text for each would cost more than the checks themselves.
class Where {
 public:
  Where(const QString& root) : base(&root) {}  // NOLINT: a text names a place
  Where(const Where& parent, const char* key) : up(&parent), literal(key) {}
  Where(const Where& parent, const QString& key) : up(&parent), base(&key) {}
  Where(const Where& parent, qsizetype index) : up(&parent), position(index) {}

  QString text() const {
    if (!up) return *base;
    QString out = up->text();
    if (position >= 0) return out + QStringLiteral("[%1]").arg(position);
    return out + QLatin1Char('.') + (literal ? QString::fromLatin1(literal) : *base);
  }

 private:
  const Where* up = nullptr;
  const QString* base = nullptr;
  const char* literal = nullptr;
  qsizetype position = -1;
};

// Records the first member that cannot be loaded safely.
struct Checker {
  QString field;
  QString reason;

  bool fail(const Where& where, const QString& why) {
    if (field.isEmpty()) {
      field = where.text();
      reason = why;
    }
    return false;
  }
  bool outsideTree(const Where& where) {
    return fail(where, translated("refers to a node outside the tree"));
  }
  bool notFinite(const Where& where) { return fail(where, translated("is not a finite number")); }
  bool notObject(const Where& where) {
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

// The checks read a cached answer in either form it arrives in: the text
// form's JSON values, or the compact form's decoded variants. One rule,
// read through these accessors.
QJsonObject objectOf(const QJsonValue& value) {
  return value.toObject();
}
// As in the text form, only a real map or list counts as one: Qt would
// also turn a text into a list of its characters.
QVariantMap objectOf(const QVariant& value) {
  return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}
QJsonArray listOf(const QJsonValue& value) {
  return value.toArray();
}
QVariantList listOf(const QVariant& value) {
  return value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList();
}
QJsonValue memberOf(const QJsonObject& object, const char* key) {
  return object.value(QLatin1String(key));
}
QVariant memberOf(const QVariantMap& object, const char* key) {
  // Keys are the few literals below; their texts are made once per thread.
  thread_local QHash<const char*, QString> texts;
  auto text = texts.constFind(key);
  if (text == texts.cend()) text = texts.insert(key, QString::fromLatin1(key));
  return object.value(*text);
}

// A decoded number is the program's own: one that is not finite (an EV no
// hand has) was written as such, as the text form writes it as null. Texts
// read as numbers as in the text form.
std::optional<double> numberOf(const QVariant& value) {
  switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
      return std::isfinite(value.toDouble()) ? value.toDouble() : 0.0;
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
    case QMetaType::UnknownType:
      return 0.0;
    default: {
      const double d = value.toDouble();
      if (!std::isfinite(d)) return std::nullopt;
      return d;
    }
  }
}

// Members of result, tree and cache rows read as numbers, and as lists of
// numbers with one entry per action.
constexpr const char* kNumberKeys[] = {"frequency", "combos", "equity",         "ev",
                                       "weight",    "pot",    "effectiveStack", "investedOop",
                                       "investedIp"};
constexpr const char* kActionListKeys[] = {"actionEvs", "actionProbs"};

template <typename List>
bool checkNumbers(Checker& check, const List& list, const Where& field) {
  for (qsizetype i = 0; i < list.size(); ++i) {
    if (!numberOf(list.at(i))) return check.notFinite(Where(field, i));
  }
  return true;
}

template <typename Value>
bool checkRowNumbers(Checker& check, const Value& rowValue, const Where& field) {
  const auto row = objectOf(rowValue);
  for (const char* key : kNumberKeys) {
    if (!numberOf(memberOf(row, key))) return check.notFinite(Where(field, key));
  }
  for (const char* key : kActionListKeys) {
    if (!checkNumbers(check, listOf(memberOf(row, key)), Where(field, key))) return false;
  }
  return true;
}

// A cached list with one entry per action of its node. Empty is fine (the
// query had nothing to add); any other length means the list belongs to
// another tree, and a huge one would make every later query crawl.
bool checkActionCount(Checker& check, qsizetype size, qsizetype actions, const Where& field) {
  if (size == 0 || size == actions) return true;
  return check.fail(field,
                    translated("has %1 entries for a node with %2 actions").arg(size).arg(actions));
}

bool checkHandCount(Checker& check, qsizetype size, const Where& field) {
  if (size <= kMaxHandRows) return true;
  return check.fail(
      field,
      translated("has %1 entries, more than the %2 hands of a node").arg(size).arg(kMaxHandRows));
}

// Cached rows: finite numbers, per-action lists of the node's action count.
template <typename List>
bool checkCacheRows(Checker& check, const List& rows, qsizetype actions, const Where& field) {
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const Where row(field, i);
    if (!checkRowNumbers(check, rows.at(i), row)) return false;
    const auto object = objectOf(rows.at(i));
    for (const char* key : kActionListKeys) {
      const qsizetype size = listOf(memberOf(object, key)).size();
      if (!checkActionCount(check, size, actions, Where(row, key))) return false;
    }
  }
  return true;
}

template <typename Value>
bool checkHandRows(Checker& check, const Value& data, qsizetype actions, const Where& field) {
  const auto rows = listOf(data);
  return checkHandCount(check, rows.size(), field) && checkCacheRows(check, rows, actions, field);
}

template <typename Value>
bool checkActionRows(Checker& check, const Value& data, qsizetype actions, const Where& field) {
  const auto rows = listOf(data);
  return checkActionCount(check, rows.size(), actions, field) &&
         checkCacheRows(check, rows, actions, field);
}

template <typename Value>
bool checkStrategy(Checker& check, const Value& data, qsizetype actions, const Where& field) {
  const auto strategy = objectOf(data);
  for (const char* key : {"actionNames", "actionTypeList"}) {
    const qsizetype size = listOf(memberOf(strategy, key)).size();
    if (!checkActionCount(check, size, actions, Where(field, key))) return false;
  }
  for (const char* key : {"weights", "dominantActionTypes", "actionProbs"}) {
    const qsizetype size = objectOf(memberOf(strategy, key)).size();
    if (!checkHandCount(check, size, Where(field, key))) return false;
  }
  const auto weights = objectOf(memberOf(strategy, "weights"));
  for (auto it = weights.begin(); it != weights.end(); ++it) {
    if (!numberOf(it.value())) return check.notFinite(Where(Where(field, "weights"), it.key()));
  }
  const auto probs = objectOf(memberOf(strategy, "actionProbs"));
  for (auto it = probs.begin(); it != probs.end(); ++it) {
    const Where probsField(field, "actionProbs");
    const QString key = it.key();
    const Where where(probsField, key);
    const auto list = listOf(it.value());
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

using DataCheck = bool (*)(Checker&, const QJsonValue&, qsizetype, const Where&);

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
  return readCache<QVariantMap>(check, caches, "handStrategyByNode", tree,
                                checkStrategy<QJsonValue>, toMap, &out.handStrategyByNode, nullptr,
                                nullptr) &&
         readCache<QVariantList>(check, caches, "actionStatsByNode", tree,
                                 checkActionRows<QJsonValue>, toList, &out.actionStatsByNode,
                                 nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "handCombosByNode", tree, checkHandRows<QJsonValue>,
                                 toList, &out.handCombosByNode, nullptr, nullptr) &&
         readCache<QVariantList>(check, caches, "handBucketsByNode", tree,
                                 checkHandRows<QJsonValue>, toList, &out.handBucketsByNode, nullptr,
                                 nullptr) &&
         readCache<QVariantList>(check, caches, "seatHandCombosByNode", tree,
                                 checkHandRows<QJsonValue>, toList, nullptr,
                                 &out.seatHandCombosOopByNode, &out.seatHandCombosIpByNode);
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

// The board of a project's set-up, read in the deck the page reads the
// project's variant as.
bool checkProjectBoard(Checker& check, const QJsonObject& project) {
  const QVariantMap variant{
      {QStringLiteral("variant"), project.value(QLatin1String("gameVariant")).toVariant()}};
  return checkBoard(check, project.value(QLatin1String("boardText")), rankAlphabetFor(variant));
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
  if (!checkProjectBoard(check, project.toObject())) return invalid();
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

// Reads a whole text or byte string of the stream; false on a damaged one.
template <typename Chunk, typename Out>
bool readWhole(QCborStreamReader& reader, Out& out, Chunk (QCborStreamReader::*read)()) {
  auto chunk = (reader.*read)();
  while (chunk.status == QCborStreamReader::Ok) {
    out += chunk.data;
    chunk = (reader.*read)();
  }
  return chunk.status == QCborStreamReader::EndOfString;
}

bool readText(QCborStreamReader& reader, QString& out) {
  out.clear();
  return reader.isString() && readWhole(reader, out, &QCborStreamReader::readString);
}

bool readBytes(QCborStreamReader& reader, QByteArray& out) {
  out.clear();
  return reader.isByteArray() && readWhole(reader, out, &QCborStreamReader::readByteArray);
}

// Reads one value whole: the small members of the file.
std::optional<QCborValue> readValue(QCborStreamReader& reader) {
  QCborValue value = QCborValue::fromCbor(reader);
  if (reader.lastError() != QCborError::NoError) return std::nullopt;
  return value;
}

// A tree row takes at least this many bytes of the file: three texts, three
// amounts and an action count, a byte each.
constexpr qint64 kLeastTreeRowBytes = 7;

class StreamReading {
 public:
  StreamReading(QIODevice& device, const StreamProgress& progressFn)
      : in(&device), file(device), progress(progressFn) {}

  ProjectFileReadResult run() {
    ProjectFileReadResult result;
    ProjectFileContents& out = result.contents;
    bool formatSeen = false;
    bool versionSeen = false;
    QJsonValue project;
    QJsonArray locks;
    if (!in.isMap() || !in.enterContainer()) return damaged(result, QString());
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readText(in, key)) return damaged(result, QString());
      if (key == QLatin1String("format")) {
        QString format;
        formatSeen = readText(in, format) && format == QLatin1String(kProjectFormat);
        if (!formatSeen) return refused(result, ProjectFileError::UnrecognizedFormat);
        formatKnown = true;
      } else if (key == QLatin1String("version")) {
        versionSeen = in.isInteger() && in.toInteger() == kProjectStreamVersion;
        if (!versionSeen) return refused(result, ProjectFileError::UnsupportedVersion);
        in.next();
      } else if (!formatSeen) {
        return refused(result, ProjectFileError::UnrecognizedFormat);
      } else if (!versionSeen) {
        return refused(result, ProjectFileError::UnsupportedVersion);
      } else if (key == QLatin1String("project")) {
        const auto value = readValue(in);
        if (!value) return damaged(result, key);
        project = value->toJsonValue();
      } else if (key == QLatin1String("hasResults")) {
        out.hasResults = in.isTrue();
        in.next();
      } else if (key == QLatin1String("results")) {
        if (!readResults(out)) return invalid(result);
      } else if (key == QLatin1String("nodeCaches")) {
        if (!readCaches(out)) return invalid(result);
      } else if (key == QLatin1String("nodeLocks")) {
        const auto value = readValue(in);
        if (!value) return damaged(result, key);
        locks = value->toJsonValue().toArray();
      } else if (key == QLatin1String("lastUiCfg")) {
        const auto value = readValue(in);
        if (!value) return damaged(result, key);
        out.lastUiCfg = value->toVariant().toMap();
      } else if (!in.next()) {
        return damaged(result, key);
      }
    }
    if (in.lastError() != QCborError::NoError || !in.leaveContainer())
      return damaged(result, QString());
    if (!formatSeen) return refused(result, ProjectFileError::UnrecognizedFormat);
    if (!versionSeen) return refused(result, ProjectFileError::UnsupportedVersion);

    if (!project.isObject()) {
      check.notObject(QStringLiteral("project"));
      return invalid(result);
    }
    if (!checkProjectBoard(check, project.toObject())) return invalid(result);
    out.project = project.toObject().toVariantMap();
    if (out.hasResults) {
      if (!resultsSeen) {
        check.notObject(QStringLiteral("results"));
        return invalid(result);
      }
      if (!checkRoot(out) || !checkCaches(out)) return invalid(result);
    } else {
      out.treeRows.clear();
      for (auto& blobs : out.cacheBlobs) blobs.clear();
    }
    if (!readLocks(check, locks, out.nodeLocks)) return invalid(result);
    out.compact = true;
    return result;
  }

 private:
  ProjectFileReadResult& refused(ProjectFileReadResult& result, ProjectFileError error) {
    result.error = error;
    result.contents = ProjectFileContents{};
    return result;
  }
  ProjectFileReadResult& invalid(ProjectFileReadResult& result) {
    if (check.field.isEmpty()) check.fail(QStringLiteral("results"), translated("is damaged"));
    result.field = check.field;
    result.reason = check.reason;
    return refused(result, ProjectFileError::InvalidData);
  }
  ProjectFileReadResult& damaged(ProjectFileReadResult& result, const QString& where) {
    // Before its format is known, the file is no project file at all.
    if (!formatKnown) return refused(result, ProjectFileError::InvalidJson);
    check.fail(where.isEmpty() ? QStringLiteral("file") : where,
               translated(QT_TRANSLATE_NOOP("AppController", "is damaged")));
    return invalid(result);
  }
  // Reading a file is not stopped part-way: what the progress answers is
  // not asked.
  // The file's bytes are the first part of the work, the checks of the
  // answers read the rest.
  static constexpr double kReadShare = 0.6;
  void moved() {
    const qint64 size = file.size();
    if (progress) progress(size > 0 ? kReadShare * double(file.pos()) / double(size) : 0.0);
  }

  bool readResults(ProjectFileContents& out) {
    const QString field = QStringLiteral("results");
    if (!in.isMap() || !in.enterContainer()) return check.fail(field, translated("is damaged"));
    resultsSeen = true;
    qint64 nodeCount = -1;
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readText(in, key)) return check.fail(field, translated("is damaged"));
      const QString where = field + QLatin1Char('.') + key;
      if (key == QLatin1String("tree")) {
        // Every node takes a few bytes: a count beyond the file is damage,
        // and is never allowed to size an allocation.
        if (nodeCount < 1 || nodeCount > file.size() / kLeastTreeRowBytes || nodeCount > INT32_MAX)
          return check.fail(member(field, "nodeCount"), translated("is damaged"));
        out.treeRows.reserve(static_cast<std::size_t>(nodeCount));
        if (!in.isArray() || !in.enterContainer())
          return check.fail(where, translated("is damaged"));
        QByteArray chunk;
        while (in.lastError() == QCborError::NoError && in.hasNext()) {
          if (!readBytes(in, chunk) ||
              !decodeTreeChunk(chunk, static_cast<qsizetype>(out.treeRows.size()), nodeCount,
                               out.treeRows))
            return check.fail(where, translated("is damaged"));
          moved();
        }
        if (!in.leaveContainer() || static_cast<qint64>(out.treeRows.size()) != nodeCount)
          return check.fail(where, translated("is damaged"));
        continue;
      }
      const auto value = readValue(in);
      if (!value) return check.fail(where, translated("is damaged"));
      const QJsonValue json = value->toJsonValue();
      if (key == QLatin1String("nodeCount")) {
        nodeCount = value->isInteger() ? value->toInteger() : -1;
      } else if (key == QLatin1String("effectiveStack")) {
        const std::optional<double> stack = numberOf(json);
        if (!stack) return check.notFinite(where);
        out.effectiveStack = *stack;
      } else {
        resultMembers.insert(key, json);
      }
    }
    return in.lastError() == QCborError::NoError && in.leaveContainer();
  }

  // The result's figures and the root's actions, by the rule of every file.
  bool checkRoot(ProjectFileContents& out) {
    if (out.treeRows.empty())
      return check.fail(QStringLiteral("results.tree"),
                        translated(QT_TRANSLATE_NOOP("AppController", "holds no node")));
    QJsonArray rootList;
    for (const TreeNodeAction& action : out.treeRows.front().actions) {
      Q_UNUSED(action);
      rootList.append(QJsonObject{});
    }
    QJsonObject results = resultMembers;
    results.insert(QStringLiteral("treeNodeMeta"), QJsonArray{QJsonObject{}});
    results.insert(QStringLiteral("treeNodeActions"), QJsonArray{rootList});
    ProjectFileContents scratch;
    if (!halvory_app::readResults(check, results, scratch)) return false;
    out.resultsSummary = scratch.resultsSummary;
    out.resultStartingPot = scratch.resultStartingPot;
    out.resultIterations = scratch.resultIterations;
    out.resultExploitability = scratch.resultExploitability;
    out.resultEvOop = scratch.resultEvOop;
    out.resultEvIp = scratch.resultEvIp;
    out.rootActions = scratch.rootActions;
    return true;
  }

  bool readCaches(ProjectFileContents& out) {
    const QString field = QStringLiteral("nodeCaches");
    if (!in.isMap() || !in.enterContainer()) return check.fail(field, translated("is damaged"));
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readText(in, key)) return check.fail(field, translated("is damaged"));
      const QString where = field + QLatin1Char('.') + key;
      std::optional<std::size_t> kind;
      for (std::size_t k = 0; k < kRowsKinds; ++k) {
        if (key == QLatin1String(cacheKeyOf(static_cast<RowsKind>(k)))) kind = k;
      }
      if (!kind) {
        if (!in.next()) return check.fail(where, translated("is damaged"));
        continue;
      }
      if (!in.isArray() || !in.enterContainer()) return check.fail(where, translated("is damaged"));
      for (qsizetype i = 0; in.lastError() == QCborError::NoError && in.hasNext(); ++i) {
        const QString entry = element(where, i);
        QByteArray blob;
        if (!in.isArray() || !in.enterContainer() || !in.isInteger())
          return check.fail(entry, translated("is damaged"));
        const qint64 node = in.toInteger();
        in.next();
        if (!readBytes(in, blob) || !in.leaveContainer())
          return check.fail(entry, translated("is damaged"));
        if (node < 0 || node > INT32_MAX) return check.outsideTree(member(entry, "nodeIndex"));
        out.cacheBlobs[*kind].insert(static_cast<int>(node), blob);
        moved();
      }
      if (!in.leaveContainer()) return check.fail(where, translated("is damaged"));
    }
    return in.lastError() == QCborError::NoError && in.leaveContainer();
  }

  // Each answer must decode and fit its node, by the rule of every file.
  bool checkCaches(ProjectFileContents& out) {
    using DataCheck = bool (*)(Checker&, const QVariant&, qsizetype, const Where&);
    const DataCheck checks[kRowsKinds] = {checkStrategy<QVariant>, checkActionRows<QVariant>,
                                          checkHandRows<QVariant>, checkHandRows<QVariant>,
                                          checkHandRows<QVariant>, checkHandRows<QVariant>};
    qsizetype total = 0;
    for (const auto& blobs : out.cacheBlobs) total += blobs.size();
    qsizetype checked = 0;
    for (std::size_t k = 0; k < kRowsKinds; ++k) {
      const QString where =
          QStringLiteral("nodeCaches.") + QLatin1String(cacheKeyOf(static_cast<RowsKind>(k)));
      const auto& blobs = out.cacheBlobs[k];
      for (auto it = blobs.cbegin(); it != blobs.cend(); ++it) {
        if (progress) progress(kReadShare + (1.0 - kReadShare) * double(checked++) / double(total));
        const QString entry = where + QStringLiteral("[node %1]").arg(it.key());
        if (it.key() >= static_cast<qsizetype>(out.treeRows.size()))
          return check.outsideTree(member(entry, "nodeIndex"));
        const std::optional<QVariant> value = decodeCompact(it.value());
        if (!value) return check.fail(entry, translated("is damaged"));
        const qsizetype actions =
            static_cast<qsizetype>(out.treeRows[static_cast<std::size_t>(it.key())].actions.size());
        if (!checks[k](check, *value, actions, member(entry, "data"))) return false;
      }
    }
    return true;
  }

  QCborStreamReader in;
  QIODevice& file;
  const StreamProgress& progress;
  Checker check;
  bool formatKnown = false;
  bool resultsSeen = false;
  QJsonObject resultMembers;
};

}  // namespace

QString projectStateProblem(const QVariantMap& project) {
  Checker check;
  if (checkProjectBoard(check, QJsonObject::fromVariantMap(project))) return {};
  return check.field + QLatin1Char(' ') + check.reason;
}

ProjectFileReadResult readProjectStream(QIODevice& device, const StreamProgress& progress) {
  return StreamReading(device, progress).run();
}

bool isProjectStream(char firstByte) {
  // A CBOR map; a JSON document starts with a blank or a bracket.
  const auto byte = static_cast<std::uint8_t>(firstByte);
  return byte >= 0xA0 && byte <= 0xBF;
}

}  // namespace halvory_app
