#include "controller/project_file.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

namespace halvory_app {

namespace {

// An integral JSON number inside the signed 32-bit range. Anything else would
// be silently rounded or wrapped by a plain conversion.
std::optional<int> exactInt(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d)) return std::nullopt;
    if (d < double(std::numeric_limits<int>::min()) || d > double(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(d);
}

// Non-finite numbers are written as null, so null stands for a number too.
bool isNumberOrNull(const QJsonValue& value) { return value.isDouble() || value.isNull(); }

bool isArrayOf(const QJsonValue& value, bool (*element)(const QJsonValue&)) {
    if (!value.isArray()) return false;
    const QJsonArray array = value.toArray();
    return std::all_of(array.begin(), array.end(), [element](const QJsonValue& v) { return element(v); });
}

bool isString(const QJsonValue& value) { return value.isString(); }
bool isBool(const QJsonValue& value) { return value.isBool(); }
bool isInt(const QJsonValue& value) { return exactInt(value).has_value(); }
bool isNumberArray(const QJsonValue& value) { return isArrayOf(value, isNumberOrNull); }
bool isStringArray(const QJsonValue& value) { return isArrayOf(value, isString); }

struct MemberRule {
    const char* key;
    bool (*accepts)(const QJsonValue&);
};

// The members that result rows, tree rows and cached query rows carry, with
// the type each must have when present. Unknown members are kept unchecked.
constexpr MemberRule kRowRules[] = {
    {"name", isString},          {"actionType", isString},       {"c1", isString},
    {"c2", isString},            {"nodeType", isString},         {"chanceDeal", isString},
    {"player", isString},        {"frequency", isNumberOrNull},  {"combos", isNumberOrNull},
    {"equity", isNumberOrNull},  {"ev", isNumberOrNull},         {"weight", isNumberOrNull},
    {"pot", isNumberOrNull},     {"effectiveStack", isNumberOrNull},
    {"investedOop", isNumberOrNull}, {"investedIp", isNumberOrNull},
    {"hasChildren", isBool},     {"actionEvs", isNumberArray},   {"actionProbs", isNumberArray},
    {"buckets", isStringArray},  {"childIndex", isInt},
};

bool rowMembersValid(const QJsonObject& row) {
    for (const MemberRule& rule : kRowRules) {
        const QJsonValue value = row.value(QLatin1String(rule.key));
        if (!value.isUndefined() && !rule.accepts(value)) return false;
    }
    return true;
}

bool isValidRow(const QJsonValue& value) { return value.isObject() && rowMembersValid(value.toObject()); }

bool isRowArray(const QJsonValue& value) { return isArrayOf(value, isValidRow); }

bool isObjectOf(const QJsonValue& value, bool (*member)(const QJsonValue&)) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    return std::all_of(object.begin(), object.end(), [member](const QJsonValue& v) { return member(v); });
}

// A cached node strategy: names and types as texts, per-hand weights,
// dominant types and probability lists.
bool isValidStrategy(const QJsonValue& value) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    const auto check = [&object](const char* key, auto accepts) {
        const QJsonValue member = object.value(QLatin1String(key));
        return member.isUndefined() || accepts(member);
    };
    return check("actionNames", isStringArray) && check("actionTypeList", isStringArray) &&
           check("weights", [](const QJsonValue& v) { return isObjectOf(v, isNumberOrNull); }) &&
           check("dominantActionTypes", [](const QJsonValue& v) { return isObjectOf(v, isString); }) &&
           check("actionProbs", [](const QJsonValue& v) { return isObjectOf(v, isNumberArray); });
}

// Optional member: absent is fine, present must pass.
template <typename Accepts>
bool optionalMember(const QJsonObject& object, const char* key, Accepts accepts) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isUndefined() || accepts(value);
}

double numberOrZero(const QJsonValue& value) {
    const double d = value.toDouble(0.0);
    return std::isfinite(d) ? d : 0.0;
}

// Tree lists and result numbers. nodeCount is set from the action lists.
bool readResults(const QJsonObject& results, ProjectFileContents& out) {
    if (!optionalMember(results, "resultsSummary", isString)) return false;
    for (const char* key : {"resultStartingPot", "resultExploitability", "resultEvOop", "resultEvIp"}) {
        if (!optionalMember(results, key, isNumberOrNull)) return false;
    }
    const QJsonValue iterations = results.value(QLatin1String("resultIterations"));
    if (!iterations.isUndefined() && !iterations.isNull()) {
        const std::optional<int> count = exactInt(iterations);
        if (!count || *count < 0) return false;
        out.resultIterations = *count;
    }

    const QJsonValue rootActions = results.value(QLatin1String("rootActions"));
    if (!rootActions.isUndefined() && !isRowArray(rootActions)) return false;

    const QJsonValue metaValue = results.value(QLatin1String("treeNodeMeta"));
    const QJsonValue actionsValue = results.value(QLatin1String("treeNodeActions"));
    if (!metaValue.isUndefined() && !isRowArray(metaValue)) return false;
    if (!actionsValue.isUndefined() && !actionsValue.isArray()) return false;
    const QJsonArray meta = metaValue.toArray();
    const QJsonArray actions = actionsValue.toArray();
    // Both lists describe the same nodes; a file where they disagree is damaged.
    if (meta.size() != actions.size()) return false;
    const qsizetype nodeCount = actions.size();
    if (nodeCount > std::numeric_limits<int>::max()) return false;
    for (const QJsonValue& list : actions) {
        if (!isRowArray(list)) return false;
        for (const QJsonValue& action : list.toArray()) {
            const QJsonValue child = action.toObject().value(QLatin1String("childIndex"));
            if (child.isUndefined()) continue;
            const int index = *exactInt(child);  // type checked by the row rules
            if (index < 0 || index >= nodeCount) return false;
        }
    }

    out.resultsSummary = results.value(QLatin1String("resultsSummary")).toString();
    out.resultStartingPot = numberOrZero(results.value(QLatin1String("resultStartingPot")));
    out.resultExploitability = numberOrZero(results.value(QLatin1String("resultExploitability")));
    out.resultEvOop = numberOrZero(results.value(QLatin1String("resultEvOop")));
    out.resultEvIp = numberOrZero(results.value(QLatin1String("resultEvIp")));
    out.rootActions = rootActions.toArray().toVariantList();
    out.treeNodeMeta.reserve(nodeCount);
    for (const QJsonValue& row : meta) out.treeNodeMeta.push_back(row.toObject().toVariantMap());
    out.treeNodeActions.reserve(nodeCount);
    for (const QJsonValue& list : actions) out.treeNodeActions.push_back(list.toArray().toVariantList());
    return true;
}

// One cache array. Elements without a node index or with a negative one are
// skipped; an index past the tree means the caches belong to another tree.
template <typename Value>
bool readCache(const QJsonValue& member, int nodeCount, bool (*dataValid)(const QJsonValue&),
               Value (*convert)(const QJsonValue&), QHash<int, Value>* single,
               QHash<int, Value>* oop, QHash<int, Value>* ip) {
    if (member.isUndefined()) return true;
    if (!member.isArray()) return false;
    for (const QJsonValue& elementValue : member.toArray()) {
        if (!elementValue.isObject()) return false;
        const QJsonObject element = elementValue.toObject();
        const QJsonValue indexValue = element.value(QLatin1String("nodeIndex"));
        const QJsonValue data = element.value(QLatin1String("data"));
        if (!data.isUndefined() && !dataValid(data)) return false;
        std::optional<int> index = -1;
        if (!indexValue.isUndefined()) index = exactInt(indexValue);
        if (!index) return false;
        if (*index >= nodeCount) return false;
        if (*index < 0) continue;
        QHash<int, Value>* target = single;
        if (!single) {
            const QJsonValue seatValue = element.value(QLatin1String("seat"));
            if (!seatValue.isUndefined() && !seatValue.isString()) return false;
            const QString seat = seatValue.toString().trimmed().toUpper();
            target = seat == QLatin1String("OOP") ? oop : seat == QLatin1String("IP") ? ip : nullptr;
            if (!target) continue;
        }
        target->insert(*index, convert(data));
    }
    return true;
}

QVariantMap toMap(const QJsonValue& value) { return value.toObject().toVariantMap(); }
QVariantList toList(const QJsonValue& value) { return value.toArray().toVariantList(); }

bool readCaches(const QJsonObject& caches, int nodeCount, ProjectFileContents& out) {
    const auto member = [&caches](const char* key) { return caches.value(QLatin1String(key)); };
    return readCache<QVariantMap>(member("handStrategyByNode"), nodeCount, isValidStrategy, toMap,
                                  &out.handStrategyByNode, nullptr, nullptr) &&
           readCache<QVariantList>(member("actionStatsByNode"), nodeCount, isRowArray, toList,
                                   &out.actionStatsByNode, nullptr, nullptr) &&
           readCache<QVariantList>(member("handCombosByNode"), nodeCount, isRowArray, toList,
                                   &out.handCombosByNode, nullptr, nullptr) &&
           readCache<QVariantList>(member("handBucketsByNode"), nodeCount, isRowArray, toList,
                                   &out.handBucketsByNode, nullptr, nullptr) &&
           readCache<QVariantList>(member("seatHandCombosByNode"), nodeCount, isRowArray, toList, nullptr,
                                   &out.seatHandCombosOopByNode, &out.seatHandCombosIpByNode);
}

// Lock probabilities become 32-bit floats; a weight beyond that range would
// turn into infinity on the way.
bool isFloatOrNull(const QJsonValue& value) {
    return value.isNull() || (value.isDouble() && std::fabs(value.toDouble()) <= std::numeric_limits<float>::max());
}

bool isValidLock(const QJsonValue& value) {
    if (!value.isObject()) return false;
    const QJsonObject lock = value.toObject();
    return optionalMember(lock, "nodeIndex", isInt) && optionalMember(lock, "hand", isString) &&
           optionalMember(lock, "actionProbs", [](const QJsonValue& v) { return isArrayOf(v, isFloatOrNull); }) && optionalMember(lock, "actionIndex", isInt) &&
           optionalMember(lock, "actionProb", isNumberOrNull);
}

// The version rule: the member converted to an integer must be 1. Numbers
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

    const auto isObject = [](const QJsonValue& v) { return v.isObject(); };
    if (!optionalMember(root, "project", isObject) || !optionalMember(root, "hasResults", isBool) ||
        !optionalMember(root, "nodeCaches", isObject) || !optionalMember(root, "lastUiCfg", isObject) ||
        !optionalMember(root, "nodeLocks", [](const QJsonValue& v) { return isArrayOf(v, isValidLock); })) {
        return fail(ProjectFileError::InvalidData);
    }

    ProjectFileContents& out = result.contents;
    out.project = root.value(QLatin1String("project")).toObject().toVariantMap();
    out.hasResults = root.value(QLatin1String("hasResults")).toBool(false);
    if (out.hasResults) {
        const QJsonValue results = root.value(QLatin1String("results"));
        if (!results.isUndefined() && !results.isObject()) return fail(ProjectFileError::InvalidData);
        if (!readResults(results.toObject(), out)) return fail(ProjectFileError::InvalidData);
    }
    const int nodeCount = static_cast<int>(out.treeNodeActions.size());
    if (!readCaches(root.value(QLatin1String("nodeCaches")).toObject(), nodeCount, out)) {
        return fail(ProjectFileError::InvalidData);
    }
    out.nodeLocks = root.value(QLatin1String("nodeLocks")).toArray().toVariantList();
    out.lastUiCfg = root.value(QLatin1String("lastUiCfg")).toObject().toVariantMap();
    return result;
}

namespace {

template <typename Value>
QVariantList cacheToJsonListImpl(const QHash<int, Value>& cache, int nodeCount, const QString* seat) {
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

void appendSeatCacheToJsonList(const QHash<int, QVariantList>& cache, int nodeCount, const QString& seat,
                               QVariantList& out) {
    out.append(cacheToJsonListImpl(cache, nodeCount, &seat));
}

}  // namespace halvory_app
