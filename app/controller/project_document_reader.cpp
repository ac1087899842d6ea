#include "controller/project_file.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <QThreadPool>

#include "controller/json_parse_cost.hpp"
#include "controller/project_checks.hpp"
#include "controller/project_stream.hpp"
#include "controller/project_values.hpp"

namespace halvory_app {

namespace {

using namespace file_checks;

using DataCheck = bool (*)(Checker&, const QJsonValue&, qsizetype, const Where&);

// One node answer of the text form, checked and encoded on its own.
struct AnswerJob {
  QHash<int, QByteArray>* target = nullptr;
  int node = 0;
  QJsonValue data;
  qsizetype actions = 0;
  QString where;
  DataCheck dataCheck = nullptr;
  bool isMap = false;
  // What the work made of it: the encoded answer, or why it is refused.
  QByteArray blob;
  QString field;
  FileReason reason;
};

// Encodes the answer as the explorer keeps it and holds it to the rule the
// compact form's answers meet (an answer nested too deep to be read again
// is damage).
void runAnswerJob(AnswerJob& job) {
  Checker check;
  const Where where(job.where);
  if (!job.dataCheck(check, job.data, job.actions, where)) {
    job.field = check.field;
    job.reason = check.reason;
    return;
  }
  // A strategy is a map, every other answer a list, as Qt converts them.
  job.blob = job.isMap ? encodeCompact(QJsonValue(job.data.toObject()))
                       : encodeCompact(QJsonValue(job.data.toArray()));
  if (job.blob.isEmpty()) {
    check.damaged(where);
    job.field = check.field;
    job.reason = check.reason;
    job.blob.clear();
  }
}

// One cache array's answers, as jobs. Elements without a node index or
// with a negative one are skipped, as are seats other than OOP and IP. An
// element outside the tree ends the list: `check` names it, and the jobs
// before it are still checked first.
bool gatherCache(Checker& check, const QJsonObject& caches, const char* key, const QJsonArray& tree,
                 DataCheck dataCheck, QHash<int, QByteArray>* single, QHash<int, QByteArray>* oop,
                 QHash<int, QByteArray>* ip, std::vector<AnswerJob>& jobs) {
  const QJsonArray elements = caches.value(QLatin1String(key)).toArray();
  const QString field = QStringLiteral("nodeCaches.") + QLatin1String(key);
  for (qsizetype i = 0; i < elements.size(); ++i) {
    const QJsonObject entry = elements.at(i).toObject();
    const QString where = element(field, i);
    const std::optional<int> index = intOf(entry.value(QLatin1String("nodeIndex")), -1);
    if (index && *index < 0) continue;
    if (!index || *index >= tree.size()) return check.outsideTree(member(where, "nodeIndex"));
    QHash<int, QByteArray>* target = single;
    if (!single) {
      const QString seat =
          entry.value(QLatin1String("seat")).toVariant().toString().trimmed().toUpper();
      target = seat == QLatin1String("OOP") ? oop : seat == QLatin1String("IP") ? ip : nullptr;
      if (!target) continue;
    }
    AnswerJob job;
    job.target = target;
    job.node = *index;
    job.data = entry.value(QLatin1String("data"));
    job.actions = tree.at(*index).toArray().size();
    job.where = member(where, "data");
    job.dataCheck = dataCheck;
    job.isMap = dataCheck == checkStrategy<QJsonValue>;
    jobs.push_back(std::move(job));
  }
  return true;
}

// Every cached answer, as jobs for the nodes of the text form's tree (its
// action lists); the tree itself is checked as it is converted.
struct CacheReading {
  std::vector<AnswerJob> jobs;
  Checker gathering;
};

void gatherCaches(const QJsonObject& caches, const QJsonArray& tree, ProjectFileContents& out,
                  CacheReading& reading) {
  auto& blobs = out.cacheBlobs;
  const auto at = [&blobs](RowsKind kind) { return &blobs[static_cast<std::size_t>(kind)]; };
  std::vector<AnswerJob>& jobs = reading.jobs;
  Checker& gathering = reading.gathering;
  gatherCache(gathering, caches, "handStrategyByNode", tree, checkStrategy<QJsonValue>,
              at(RowsKind::Strategy), nullptr, nullptr, jobs) &&
      gatherCache(gathering, caches, "actionStatsByNode", tree, checkActionRows<QJsonValue>,
                  at(RowsKind::ActionStats), nullptr, nullptr, jobs) &&
      gatherCache(gathering, caches, "handCombosByNode", tree, checkHandRows<QJsonValue>,
                  at(RowsKind::Combos), nullptr, nullptr, jobs) &&
      gatherCache(gathering, caches, "handBucketsByNode", tree, checkHandRows<QJsonValue>,
                  at(RowsKind::Buckets), nullptr, nullptr, jobs) &&
      gatherCache(gathering, caches, "seatHandCombosByNode", tree, checkHandRows<QJsonValue>,
                  nullptr, at(RowsKind::SeatCombosOop), at(RowsKind::SeatCombosIp), jobs);
}

// How much an answer holds: its elements, and those of the containers in
// it one level down.
std::size_t answerSize(const QJsonValue& data) {
  const auto sizeOf = [](const QJsonValue& value) -> std::size_t {
    if (value.isArray()) return static_cast<std::size_t>(value.toArray().size());
    if (value.isObject()) return static_cast<std::size_t>(value.toObject().size());
    return 1;
  };
  std::size_t size = 1;
  if (data.isArray()) {
    const QJsonArray items = data.toArray();
    for (const QJsonValue& item : items) size += sizeOf(item);
  } else if (data.isObject()) {
    const QJsonObject members = data.toObject();
    for (auto it = members.constBegin(); it != members.constEnd(); ++it) size += sizeOf(it.value());
  }
  return size;
}

// The order the jobs run in: the largest first, so that no large one is
// left to run alone at the end.
std::vector<std::size_t> largestFirst(const std::vector<AnswerJob>& jobs) {
  std::vector<std::pair<std::size_t, std::size_t>> sized;
  sized.reserve(jobs.size());
  for (std::size_t i = 0; i < jobs.size(); ++i) sized.emplace_back(answerSize(jobs[i].data), i);
  std::stable_sort(sized.begin(), sized.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::size_t> order;
  order.reserve(jobs.size());
  for (const auto& entry : sized) order.push_back(entry.second);
  return order;
}

// The answers once their jobs have run: the first element at fault, in the
// file's order, is the one named; later elements replace earlier ones of
// the same node.
bool finishCaches(Checker& check, CacheReading& reading) {
  for (const AnswerJob& job : reading.jobs) {
    if (!job.field.isEmpty()) return check.fail(job.field, job.reason);
  }
  if (!reading.gathering.field.isEmpty())
    return check.fail(reading.gathering.field, reading.gathering.reason);
  for (AnswerJob& job : reading.jobs) job.target->insert(job.node, std::move(job.blob));
  return true;
}

// Members the parsed document holds, at every depth.
std::uint64_t parsedMembers(const QJsonValue& value) {
  std::uint64_t count = 0;
  if (value.isObject()) {
    const QJsonObject object = value.toObject();
    count += static_cast<std::uint64_t>(object.size());
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
      count += parsedMembers(it.value());
  } else if (value.isArray()) {
    const QJsonArray array = value.toArray();
    for (const QJsonValue& item : array) count += parsedMembers(item);
  }
  return count;
}

// Members the parsed document holds, counted on a thread of its own while
// the document is checked (on this thread when none can be started).
class MemberCount {
 public:
  explicit MemberCount(const QJsonObject& root) : document(root) {
    try {
      counter = std::thread([this] {
        try {
          count = parsedMembers(document);
        } catch (...) {
          failure = std::current_exception();
        }
      });
    } catch (...) {
      count = parsedMembers(document);
    }
  }
  ~MemberCount() {
    if (counter.joinable()) counter.join();
  }
  MemberCount(const MemberCount&) = delete;
  MemberCount& operator=(const MemberCount&) = delete;

  std::uint64_t total() {
    if (counter.joinable()) counter.join();
    if (failure) std::rethrow_exception(std::exchange(failure, nullptr));
    return count;
  }

 private:
  QJsonObject document;
  std::uint64_t count = 0;
  std::exception_ptr failure;
  std::thread counter;
};

// Where the first member given twice sits ("project.a"), read from the
// text, which the parser has found well formed.
QString firstRepeatedMember(QByteArrayView text) {
  struct Frame {
    bool object = false;
    QString path;
    QSet<QString> names;
    qsizetype index = 0;
    bool expectName = false;
  };
  std::vector<Frame> stack;
  QString pending;  // the path of the value that comes next
  const char* p = text.data();
  const char* const end = p + text.size();
  const auto readText = [&p, end]() {
    const char* start = ++p;
    bool escaped = false;
    while (p < end && *p != '"') {
      if (*p == '\\') {
        escaped = true;
        ++p;
      }
      ++p;
    }
    const QByteArray raw(start, p - start);
    ++p;
    if (!escaped) return QString::fromUtf8(raw);
    return QJsonDocument::fromJson("[\"" + raw + "\"]").array().at(0).toString();
  };
  while (p < end) {
    const char c = *p;
    if (c == '"') {
      if (!stack.empty() && stack.back().object && stack.back().expectName) {
        Frame& frame = stack.back();
        const QString name = readText();
        const QString path = frame.path.isEmpty() ? name : frame.path + QLatin1Char('.') + name;
        if (frame.names.contains(name)) return path;
        frame.names.insert(name);
        frame.expectName = false;
        pending = path;
      } else {
        readText();
      }
      continue;
    }
    if (c == '{' || c == '[') {
      Frame frame;
      frame.object = c == '{';
      frame.expectName = frame.object;
      frame.path = pending;
      if (!frame.object) pending = frame.path + QStringLiteral("[0]");
      stack.push_back(std::move(frame));
    } else if (c == '}' || c == ']') {
      stack.pop_back();
    } else if (c == ',' && !stack.empty()) {
      Frame& frame = stack.back();
      if (frame.object)
        frame.expectName = true;
      else
        pending = frame.path + QStringLiteral("[%1]").arg(++frame.index);
    }
    ++p;
  }
  return {};
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
  return readProjectDocument(bytes, memoryBytes, nullptr);
}

namespace {

// Parses the text into `document` and reads it; the caller lets the
// document go once every part of it read here has been let go.
ProjectFileReadResult readDocument(const QByteArray& bytes, std::uint64_t memoryBytes,
                                   const std::function<bool(double)>& progress,
                                   QJsonDocument& document) {
  // The parse takes about as long as the rest of the open.
  constexpr double kParseShare = 0.45;
  const auto tell = [&progress](double done) {
    if (progress) progress(done);
  };
  // Qt's parser cannot always pass on an allocation that fails inside it
  // (some of its steps end the program instead), so the parse starts only
  // when what it will build, counted from the text, fits: with room for
  // what the allocator maps at once (a new arena maps up to 128 MiB of
  // address space) and the program's other threads.
  constexpr std::uint64_t kParseHeadroom = std::uint64_t(128) << 20;
  MemoryBudget budget(memoryBytes);
  const JsonTextCounts counts = countJsonText(bytes);
  budget.charge(jsonParseCost(counts) + kParseHeadroom);
  ProjectFileReadResult result;
  const auto fail = [&result](ProjectFileError error) {
    result.error = error;
    result.contents = ProjectFileContents{};
    return result;
  };

  tell(0.05);
  QJsonParseError parseError{};
  document = QJsonDocument::fromJson(bytes, &parseError);
  tell(kParseShare);
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
  // A member given twice: the parser keeps the last, the compact form
  // refuses it, and so does this one, before any other fault. The members
  // are counted beside the other checks, which take as long.
  MemberCount parsed(root);
  const auto invalid = [&result, &check, &fail, &parsed, &counts, &bytes]() {
    if (parsed.total() != counts.members) {
      check = Checker{};
      check.givenTwice(firstRepeatedMember(bytes));
    }
    result.field = check.field;
    result.reason = check.reason;
    return fail(ProjectFileError::InvalidData);
  };
  // The small members by the rule every value of the compact form meets
  // (nested no deeper than it reads), which the save holds them to as well.
  const auto opensAgain = [&check](const QJsonValue& value, const QString& where) {
    return valueWouldOpen(QCborValue::fromJsonValue(value), check, where);
  };
  // The set-up the results belong to: without it, the set-up of whatever
  // was open before would stand beside them.
  const QJsonValue project = root.value(QLatin1String("project"));
  if (!project.isObject()) {
    check.notObject(QStringLiteral("project"));
    return invalid();
  }
  const QJsonValue lastUiCfg = root.value(QLatin1String("lastUiCfg"));
  const QJsonValue locks = root.value(QLatin1String("nodeLocks"));
  budget.charge(convertedBytes(project));
  if (lastUiCfg.isObject()) budget.charge(convertedBytes(lastUiCfg));
  if (locks.isArray()) budget.charge(convertedBytes(locks));
  if (!checkProjectBoard(check, project.toObject()) ||
      !opensAgain(project, QStringLiteral("project")) ||
      (lastUiCfg.isObject() && !opensAgain(lastUiCfg, QStringLiteral("lastUiCfg"))) ||
      (locks.isArray() && !opensAgain(locks, QStringLiteral("nodeLocks"))))
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
    const QJsonValue rootActions = results.toObject().value(QLatin1String("rootActions"));
    // The answers are checked and encoded beside the tree's conversion.
    CacheReading caches;
    gatherCaches(root.value(QLatin1String("nodeCaches")).toObject(),
                 results.toObject().value(QLatin1String("treeNodeActions")).toArray(), out, caches);
    const std::vector<std::size_t> order = largestFirst(caches.jobs);
    const Alongside answers{caches.jobs.size(), [&caches, &order](std::size_t job) {
                              runAnswerJob(caches.jobs[order[job]]);
                            }};
    if ((rootActions.isArray() &&
         !opensAgain(rootActions, QStringLiteral("results.rootActions"))) ||
        !readResults(
            check, results.toObject(), out, &budget,
            [&tell](double done) { tell(kParseShare + (1.0 - kParseShare) * done); }, answers) ||
        !finishCaches(check, caches)) {
      return invalid();
    }
  }
  if (!readLocks(check, locks.toArray(), out.nodeLocks)) return invalid();
  out.lastUiCfg = lastUiCfg.toObject().toVariantMap();
  if (parsed.total() != counts.members) return invalid();
  return result;
}

}  // namespace

ProjectFileReadResult readProjectDocument(const QByteArray& bytes, std::uint64_t memoryBytes,
                                          const std::function<bool(double)>& progress) {
  QJsonDocument document;
  ProjectFileReadResult result = readDocument(bytes, memoryBytes, progress, document);
  // The parsed document is let go on a thread of the pool: freeing a large
  // one takes a good part of its parse, which the open need not wait for.
  QThreadPool::globalInstance()->start(
      [held = std::move(document)]() mutable { held = QJsonDocument(); });
  return result;
}

}  // namespace halvory_app
