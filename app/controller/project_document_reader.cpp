#include "controller/project_file.hpp"

#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include "controller/json_parse_cost.hpp"
#include "controller/project_checks.hpp"
#include "controller/project_stream.hpp"

namespace halvory_app {

namespace {

using namespace file_checks;

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

// What a parsed value takes once converted to maps and lists of variants:
// a variant and a container slot for each value, and its texts in UTF-16.
// Measured, a value of a few bytes takes 11 to 16 times its bytes; 64 B a
// value keeps above that. The parser bounds the depth of the recursion.
std::uint64_t convertedBytes(const QJsonValue& value) {
  constexpr std::uint64_t kValueBytes = 64;
  std::uint64_t bytes = kValueBytes;
  if (value.isString()) {
    bytes += 2 * static_cast<std::uint64_t>(value.toString().size());
  } else if (value.isArray()) {
    const QJsonArray array = value.toArray();
    for (const QJsonValue& item : array) bytes += convertedBytes(item);
  } else if (value.isObject()) {
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it)
      bytes += 2 * static_cast<std::uint64_t>(it.key().size()) + convertedBytes(it.value());
  }
  return bytes;
}

}  // namespace

ProjectFileReadResult readProjectDocument(const QByteArray& bytes) {
  return readProjectDocument(bytes, projectReadBudget());
}

ProjectFileReadResult readProjectDocument(const QByteArray& bytes, std::uint64_t memoryBytes) {
  // Qt's parser cannot always pass on an allocation that fails inside it
  // (some of its steps end the program instead), so the parse starts only
  // when what it will build, counted from the text, fits: with room for
  // what the allocator maps at once (a new arena maps up to 128 MiB of
  // address space) and the program's other threads.
  constexpr std::uint64_t kParseHeadroom = std::uint64_t(128) << 20;
  MemoryBudget budget(memoryBytes);
  budget.charge(jsonParseCost(bytes) + kParseHeadroom);
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
  const QJsonValue lastUiCfg = root.value(QLatin1String("lastUiCfg"));
  budget.charge(convertedBytes(project));
  if (lastUiCfg.isObject()) budget.charge(convertedBytes(lastUiCfg));
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
  out.lastUiCfg = lastUiCfg.toObject().toVariantMap();
  return result;
}

}  // namespace halvory_app
