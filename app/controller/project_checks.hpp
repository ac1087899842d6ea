#pragma once
// The checks both project-file readers share: where a member sits, the
// first reason a file is refused, and the rules a cached answer, a tree row
// and a lock must meet. Only the project-file readers (and the save's check
// of what it writes) include this.

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include "controller/file_reason.hpp"
#include "controller/project_file.hpp"

namespace halvory_app {
class MemoryBudget;
}

namespace halvory_app::file_checks {

// No node has more hands than there are two-card combinations.
inline constexpr qsizetype kMaxHandRows = 1326;

// A reason of the controller's catalogue, worded when it is shown.
inline FileReason translated(const char* text) {
  return FileReason(text);
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
  FileReason reason;

  bool fail(const Where& where, const FileReason& why) {
    if (field.isEmpty()) {
      field = where.text();
      reason = why;
    }
    return false;
  }
  bool outsideTree(const Where& where) {
    return fail(
        where, translated(QT_TRANSLATE_NOOP("AppController", "refers to a node outside the tree")));
  }
  bool notFinite(const Where& where) {
    return fail(where, translated(QT_TRANSLATE_NOOP("AppController", "is not a finite number")));
  }
  bool notObject(const Where& where) {
    return fail(where, translated(QT_TRANSLATE_NOOP("AppController", "is not an object")));
  }
  bool damaged(const Where& where) {
    return fail(where, translated(QT_TRANSLATE_NOOP("AppController", "is damaged")));
  }
  bool givenTwice(const Where& where) {
    return fail(where, translated(QT_TRANSLATE_NOOP("AppController", "is given twice")));
  }
};

inline QString member(const QString& field, const char* key) {
  return field + QLatin1Char('.') + QLatin1String(key);
}
inline QString element(const QString& field, qsizetype index) {
  return field + QStringLiteral("[%1]").arg(index);
}

// Members are converted as Qt converts variants: a value of the wrong JSON
// type gives an empty map or list, a text or a bool where a number is read
// gives its value or 0. Only results that cannot be used safely are refused.

// A number, or none when the conversion gives no finite value ("nan" or
// "inf" as text); null and missing members read as 0.
inline std::optional<double> numberOf(const QJsonValue& value) {
  // Lists and maps give 0, without building their variants first.
  if (value.isUndefined() || value.isNull() || value.isArray() || value.isObject()) return 0.0;
  if (value.isDouble()) {
    const double d = value.toDouble();
    if (!std::isfinite(d)) return std::nullopt;
    return d;
  }
  const double d = value.toVariant().toDouble();
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

// An integer, or none where Qt's conversion would silently wrap a number
// outside the 32-bit range; `missing` when the member is absent.
inline std::optional<int> intOf(const QJsonValue& value, int missing) {
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
inline QJsonObject objectOf(const QJsonValue& value) {
  return value.toObject();
}
// As in the text form, only a real map or list counts as one: Qt would
// also turn a text into a list of its characters.
inline QVariantMap objectOf(const QVariant& value) {
  return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}
inline QJsonArray listOf(const QJsonValue& value) {
  return value.toArray();
}
inline QVariantList listOf(const QVariant& value) {
  return value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList();
}
inline QJsonValue memberOf(const QJsonObject& object, const char* key) {
  return object.value(QLatin1String(key));
}
inline QVariant memberOf(const QVariantMap& object, const char* key) {
  // Keys are the few literals below; their texts are made once per thread.
  thread_local QHash<const char*, QString> texts;
  auto text = texts.constFind(key);
  if (text == texts.cend()) text = texts.insert(key, QString::fromLatin1(key));
  return object.value(*text);
}

// A decoded number is the program's own: one that is not finite (an EV no
// hand has) was written as such, as the text form writes it as null. Texts
// read as numbers as in the text form.
inline std::optional<double> numberOf(const QVariant& value) {
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
inline constexpr const char* kNumberKeys[] = {
    "frequency", "combos",         "equity",      "ev",        "weight",
    "pot",       "effectiveStack", "investedOop", "investedIp"};
inline constexpr const char* kActionListKeys[] = {"actionEvs", "actionProbs"};

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
inline bool checkActionCount(Checker& check, qsizetype size, qsizetype actions,
                             const Where& field) {
  if (size == 0 || size == actions) return true;
  return check.fail(
      field,
      translated(QT_TRANSLATE_NOOP("AppController", "has %1 entries for a node with %2 actions"))
          .arg(size)
          .arg(actions));
}

inline bool checkHandCount(Checker& check, qsizetype size, const Where& field) {
  if (size <= kMaxHandRows) return true;
  return check.fail(
      field, translated(QT_TRANSLATE_NOOP("AppController",
                                          "has %1 entries, more than the %2 hands of a node"))
                 .arg(size)
                 .arg(kMaxHandRows));
}

// Cached rows: finite numbers, per-action lists of the node's action count.
template <typename List>
bool checkCacheRows(Checker& check, const List& rows, qsizetype actions, const Where& field) {
  for (qsizetype i = 0; i < rows.size(); ++i) {
    // Each member looked up once: a node's answer has up to 1326 rows.
    const Where row(field, i);
    const auto object = objectOf(rows.at(i));
    for (const char* key : kNumberKeys) {
      if (!numberOf(memberOf(object, key))) return check.notFinite(Where(row, key));
    }
    for (const char* key : kActionListKeys) {
      const auto list = listOf(memberOf(object, key));
      if (!checkNumbers(check, list, Where(row, key)) ||
          !checkActionCount(check, list.size(), actions, Where(row, key)))
        return false;
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

// A tree row holds its amounts in whole cents and its frequencies as single
// floats, in either form: a figure of the text form is taken at that
// precision, as the solve made it. One the row cannot hold (beyond its
// range, or not zero yet too small to be told from zero) would not survive
// a save unchanged, and is refused as damage.
inline std::optional<std::int32_t> rowCentsOf(double chips) {
  const double cents = std::round(chips * 100.0);
  if (!(cents >= 0.0 && cents <= double(std::numeric_limits<std::int32_t>::max())) ||
      (cents == 0.0 && chips != 0.0))
    return std::nullopt;
  return static_cast<std::int32_t>(cents);
}
inline bool rowCentsFit(std::int32_t cents) {
  return cents >= 0;
}
inline std::optional<float> rowFrequencyOf(double frequency) {
  const auto narrow = static_cast<float>(frequency);
  if (!std::isfinite(narrow) || (narrow == 0.0f && frequency != 0.0)) return std::nullopt;
  return narrow;
}
// Runs jobs 0 .. jobs-1 on the processors there are (a few threads at most,
// the calling one among them, which alone is told `reports`); an exception
// of a job reaches the caller once every thread has stopped.
void onEveryProcessor(std::size_t jobs, const std::function<void(std::size_t, bool)>& run);

// What a text of the tree takes beside its characters.
inline constexpr std::uint64_t kTreeTextBytes = 64;

// The result numbers, the root's actions and the tree of the text form,
// the tree held as the compact form holds it (counted against `budget`,
// when given, and telling `progress` how far it is); the compact form
// reads its result numbers through it as well. The `alongside` jobs run
// only when the tree's conversion starts.
// Work of the caller's that may run beside the tree's conversion: `jobs`
// jobs, each run once by `run`.
struct Alongside {
  std::size_t jobs = 0;
  std::function<void(std::size_t)> run;
};
bool readResults(Checker& check, const QJsonObject& results, ProjectFileContents& out,
                 MemoryBudget* budget = nullptr, const std::function<void(double)>& progress = {},
                 const Alongside& alongside = {});
// The locks with their members converted (the tree decides later which
// of them a node can hold).
bool readLocks(Checker& check, const QJsonArray& locks, QVariantList& out);
// The project's board as the set-up page holds it.
bool checkProjectBoard(Checker& check, const QJsonObject& project);

}  // namespace halvory_app::file_checks
