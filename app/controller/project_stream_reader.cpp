#include "controller/project_file.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <optional>

#include <QCborArray>
#include <QCborMap>
#include <QCborStreamReader>
#include <QCborValue>
#include <QIODevice>
#include <QSet>

#include "controller/project_checks.hpp"
#include "controller/project_stream.hpp"
#include "controller/project_values.hpp"
#include "controller/system_info.hpp"

namespace halvory_app {

namespace {

using namespace file_checks;

// A tree row takes at least this many bytes of the file: three texts, three
// amounts and an action count, a byte each.
constexpr qint64 kLeastTreeRowBytes = 7;

// Members of names the program does not know, in any of the file's own
// maps: no version wrote one, and an unsealed file is read past a few of
// them, but one with more is not a project the program wrote.
constexpr int kMostUnknownMembers = 256;

// The result's members that are read; others are checked, then let go.
bool isResultFigure(const QString& key) {
  static const QStringList known = {
      QStringLiteral("resultsSummary"),       QStringLiteral("resultStartingPot"),
      QStringLiteral("resultExploitability"), QStringLiteral("resultEvOop"),
      QStringLiteral("resultEvIp"),           QStringLiteral("resultIterations"),
      QStringLiteral("rootActions")};
  return known.contains(key);
}

class StreamReading {
 public:
  StreamReading(QIODevice& device, const StreamProgress& progressFn, std::uint64_t memoryBytes)
      : in(&device), file(device), progress(progressFn), budget(memoryBytes) {}

  ProjectFileReadResult run() {
    ProjectFileReadResult result;
    ProjectFileContents& out = result.contents;
    bool formatSeen = false;
    bool versionSeen = false;
    QJsonValue project;
    QJsonArray locks;
    if (!in.isMap() || !in.enterContainer()) return damaged(result, QString());
    QSet<QString> seen;
    // A member given twice before the format is read: the file may be no
    // project at all, which its format then says.
    QString twiceBeforeFormat;
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readCountedText(in, key, budget)) return damaged(result, QString());
      // Each member is read once: a second one would be read past its seal.
      if (seen.contains(key)) {
        if (formatKnown) {
          check.givenTwice(key);
          return invalid(result);
        }
        if (twiceBeforeFormat.isEmpty()) twiceBeforeFormat = key;
      } else {
        budget.charge(keptNameBytes(key));
        seen.insert(key);
      }
      if (key == QLatin1String("format")) {
        QString format;
        formatSeen = readCountedText(in, format, budget) && format == QLatin1String(kProjectFormat);
        if (!formatSeen) return refused(result, ProjectFileError::UnrecognizedFormat);
        formatKnown = true;
        if (!twiceBeforeFormat.isEmpty()) {
          check.givenTwice(twiceBeforeFormat);
          return invalid(result);
        }
      } else if (key == QLatin1String("version")) {
        versionSeen = in.isInteger() && (in.toInteger() == kProjectStreamVersion ||
                                         in.toInteger() == kProjectStreamUnsealedVersion);
        if (!versionSeen) return refused(result, ProjectFileError::UnsupportedVersion);
        sealedFile = in.toInteger() == kProjectStreamVersion;
        in.next();
      } else if (!formatSeen) {
        return refused(result, ProjectFileError::UnrecognizedFormat);
      } else if (!versionSeen) {
        return refused(result, ProjectFileError::UnsupportedVersion);
      } else if (key == QLatin1String("project")) {
        const auto value = readMember(key);
        if (!value) return invalid(result);
        project = value->toJsonValue();
      } else if (key == QLatin1String("hasResults")) {
        const auto value = readMember(key);
        if (!value) return invalid(result);
        out.hasResults = value->isTrue();
      } else if (key == QLatin1String("checksums")) {
        const auto value = readCounted(key);
        if (!value) return invalid(result);
        // A list of checksums that is no map names no part: it is itself
        // the part at fault.
        if (!value->isMap()) {
          check.damaged(key);
          return invalid(result);
        }
        checksums = value->toMap();
        checksumsSeen = true;
      } else if (key == QLatin1String("results")) {
        if (!readResults(out)) return invalid(result);
      } else if (key == QLatin1String("nodeCaches")) {
        if (!readCaches(out)) return invalid(result);
      } else if (key == QLatin1String("nodeLocks")) {
        const auto value = readMember(key);
        if (!value) return invalid(result);
        chargeLocks(*value);
        locks = value->toJsonValue().toArray();
      } else if (key == QLatin1String("lastUiCfg")) {
        const auto value = readMember(key);
        if (!value) return invalid(result);
        out.lastUiCfg = value->toVariant().toMap();
      } else if (sealedFile) {
        // No checksum covers it: what it says cannot be trusted.
        check.fail(key, translated(kNotSealed));
        return invalid(result);
      } else if (!unknownMember(key) || !in.next()) {
        return damaged(result, key);
      }
    }
    if (in.lastError() != QCborError::NoError || !in.leaveContainer())
      return damaged(result, QString());
    if (!formatSeen) return refused(result, ProjectFileError::UnrecognizedFormat);
    if (!versionSeen) return refused(result, ProjectFileError::UnsupportedVersion);
    if (!checkSeals()) return invalid(result);

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
      out.treeRows = {};
      for (auto& blobs : out.cacheBlobs) blobs.clear();
    }
    if (!readLocks(check, locks, out.nodeLocks)) return invalid(result);
    out.compact = true;
    return result;
  }

 private:
  static constexpr const char* kNotSealed =
      QT_TRANSLATE_NOOP("AppController", "is not covered by the checksums");

  // A member of a name the program does not know, passed over while there
  // are few; false past them, where the caller names it as damage.
  bool unknownMember(const QString& where) {
    if (++unknownMembers <= kMostUnknownMembers) return true;
    check.damaged(where);
    return false;
  }

  // A small member, read whole; its CRC is kept for the check of the seals.
  std::optional<QCborValue> readMember(const QString& key) {
    std::optional<QCborValue> value = readCounted(key);
    if (value) crcs.insert(key, memberCrc(QString(), *value));
    return value;
  }
  // Read whole by the rules of every value the file holds (counted as it
  // is read, finite figures, no tag, no member twice); none when it breaks
  // one, with the check naming it. Converted to maps and lists of variants,
  // a value takes many times its bytes: counted before it is.
  std::optional<QCborValue> readCounted(const QString& where) {
    const qint64 start = in.currentOffset();
    std::optional<QCborValue> value = readWholeValue(in, budget, check, where);
    constexpr std::uint64_t kConvertedPerByte = 64;
    budget.charge(static_cast<std::uint64_t>(std::max<qint64>(in.currentOffset() - start, 0)) *
                  kConvertedPerByte);
    return value;
  }
  // What the locks take once converted, counted before they are: a map of
  // a few members each, and a variant for each probability. A file of a
  // few bytes a lock could otherwise take gigabytes.
  void chargeLocks(const QCborValue& locks) {
    constexpr std::uint64_t kLockBytes = 1024;
    constexpr std::uint64_t kProbBytes = 64;
    std::uint64_t bytes = 0;
    const QCborArray list = locks.toArray();
    for (const QCborValue& lock : list) {
      const auto probs = lock.toMap().value(QStringLiteral("actionProbs")).toArray().size();
      bytes += kLockBytes + kProbBytes * static_cast<std::uint64_t>(probs);
    }
    budget.charge(bytes);
  }
  ProjectFileReadResult& refused(ProjectFileReadResult& result, ProjectFileError error) {
    result.error = error;
    result.contents = ProjectFileContents{};
    return result;
  }
  ProjectFileReadResult& invalid(ProjectFileReadResult& result) {
    if (check.field.isEmpty()) check.damaged(QStringLiteral("results"));
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
    if (!in.isMap() || !in.enterContainer()) return check.damaged(field);
    resultsSeen = true;
    qint64 nodeCount = -1;
    quint32 crc = 0;
    QSet<QString> seen;
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readCountedText(in, key, budget)) return check.damaged(field);
      const QString where = field + QLatin1Char('.') + key;
      if (seen.contains(key)) return check.givenTwice(where);
      budget.charge(keptNameBytes(key));
      seen.insert(key);
      if (key == QLatin1String("tree")) {
        // Every node takes a few bytes: a count beyond the file is damage,
        // and is never allowed to size an allocation.
        if (nodeCount < 1 || nodeCount > file.size() / kLeastTreeRowBytes || nodeCount > INT32_MAX)
          return check.damaged(member(field, "nodeCount"));
        budget.charge(static_cast<std::uint64_t>(nodeCount) * sizeof(PackedTree::Row));
        out.treeRows.rows.reserve(static_cast<std::size_t>(nodeCount));
        if (!in.isArray() || !in.enterContainer()) return check.damaged(where);
        QByteArray chunk;
        crc = crc32Of(key.toUtf8(), crc);
        for (qsizetype i = 0; in.lastError() == QCborError::NoError && in.hasNext(); ++i) {
          const std::uint64_t before = budget.remaining();
          if (!readCountedBytes(in, chunk, budget)) return check.damaged(element(where, i));
          const std::uint64_t chunkBytes = before - budget.remaining();
          if (!unsealed(chunk, element(where, i), nullptr, crc) ||
              !decodeTreeChunk(chunk, static_cast<qsizetype>(out.treeRows.size()), nodeCount,
                               out.treeRows, budget))
            return check.damaged(element(where, i));
          // The chunk's bytes are let go once its rows are decoded.
          budget.refund(chunkBytes);
          moved();
        }
        if (!in.leaveContainer() || static_cast<qint64>(out.treeRows.size()) != nodeCount)
          return check.damaged(where);
        // The page reads a node's actions as one map each: the largest
        // node must fit as well as the file itself.
        std::uint64_t most = 0;
        for (const PackedTree::Row& row : out.treeRows.rows)
          most = std::max<std::uint64_t>(most, row.actionCount);
        budget.charge((most + 1) * PackedTree::kActionReadBytes);
        continue;
      }
      const auto value = readCounted(where);
      if (!value) return false;
      crc = memberCrc(key, *value, crc);
      if (key == QLatin1String("nodeCount")) {
        nodeCount = value->isInteger() ? value->toInteger() : -1;
      } else if (key == QLatin1String("effectiveStack")) {
        const std::optional<double> stack = numberOf(value->toJsonValue());
        if (!stack) return check.notFinite(where);
        out.effectiveStack = *stack;
      } else if (isResultFigure(key)) {
        resultMembers.insert(key, value->toJsonValue());
      } else if (!unknownMember(where)) {
        return false;
      }
    }
    crcs.insert(field, crc);
    return in.lastError() == QCborError::NoError && in.leaveContainer();
  }

  // The result's figures and the root's actions, by the rule of every file.
  bool checkRoot(ProjectFileContents& out) {
    if (out.treeRows.rows.empty())
      return check.fail(QStringLiteral("results.tree"),
                        translated(QT_TRANSLATE_NOOP("AppController", "holds no node")));
    QJsonArray rootList;
    for (std::uint32_t a = 0; a < out.treeRows.rows.front().actionCount; ++a)
      rootList.append(QJsonObject{});
    QJsonObject results = resultMembers;
    results.insert(QStringLiteral("treeNodeMeta"), QJsonArray{QJsonObject{}});
    results.insert(QStringLiteral("treeNodeActions"), QJsonArray{rootList});
    ProjectFileContents scratch;
    if (!file_checks::readResults(check, results, scratch)) return false;
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
    if (!in.isMap() || !in.enterContainer()) return check.damaged(field);
    quint32 crc = 0;
    QSet<QString> seen;
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString key;
      if (!readCountedText(in, key, budget)) return check.damaged(field);
      const QString where = field + QLatin1Char('.') + key;
      if (seen.contains(key)) return check.givenTwice(where);
      budget.charge(keptNameBytes(key));
      seen.insert(key);
      std::optional<std::size_t> kind;
      for (std::size_t k = 0; k < kRowsKinds; ++k) {
        if (key == QLatin1String(cacheKeyOf(static_cast<RowsKind>(k)))) kind = k;
      }
      if (!kind) {
        if (sealedFile) return check.fail(where, translated(kNotSealed));
        if (!unknownMember(where)) return false;
        if (!in.next()) return check.damaged(where);
        continue;
      }
      if (!in.isArray() || !in.enterContainer()) return check.damaged(where);
      crc = crc32Of(key.toUtf8(), crc);
      for (qsizetype i = 0; in.lastError() == QCborError::NoError && in.hasNext(); ++i) {
        const QString entry = element(where, i);
        QByteArray blob;
        if (!in.isArray() || !in.enterContainer() || !in.isInteger()) return check.damaged(entry);
        const qint64 node = in.toInteger();
        in.next();
        // Qt leaves a container that still holds items as if it were at
        // its end, and reads on inside it: an entry holds its two items.
        const std::uint64_t before = budget.remaining();
        if (!readCountedBytes(in, blob, budget) || in.hasNext() || !in.leaveContainer() ||
            !unsealed(blob, entry, &node, crc))
          return check.damaged(entry);
        if (node < 0 || node > INT32_MAX) return check.outsideTree(member(entry, "nodeIndex"));
        // Counted as the store counts a kept answer, once read.
        budget.refund(before - budget.remaining());
        budget.charge(static_cast<std::uint64_t>(blob.size()) + 96);
        out.cacheBlobs[*kind].insert(static_cast<int>(node), blob);
        moved();
      }
      if (!in.leaveContainer()) return check.damaged(where);
    }
    crcs.insert(field, crc);
    return in.lastError() == QCborError::NoError && in.leaveContainer();
  }

  // In a sealed file, takes a chunk's or an answer's CRC off its bytes and
  // checks it (an answer's covers its node too), adding it to its
  // member's CRC. A file of the unsealed version is taken as it is.
  bool unsealed(QByteArray& bytes, const QString& where, const qint64* node, quint32& memberCrc) {
    if (!sealedFile) return true;
    quint32 stored = 0;
    if (!unseal(bytes, stored) || (node ? entryCrc(*node, bytes) : crc32Of(bytes)) != stored)
      return check.damaged(where);
    memberCrc = crc32Of(sealed({}, stored), memberCrc);
    return true;
  }

  // Every member a sealed file holds must agree with its CRC under
  // "checksums", and every member listed there must be present.
  bool checkSeals() {
    const QString where = QStringLiteral("checksums");
    // The version before seals wrote no checksums: a file that has them
    // was sealed, and a damaged version number must not unseal it.
    if (!sealedFile) return !checksumsSeen || check.damaged(where);
    if (!checksumsSeen) return check.damaged(where);
    static const QStringList members = {QStringLiteral("project"),   QStringLiteral("hasResults"),
                                        QStringLiteral("results"),   QStringLiteral("nodeCaches"),
                                        QStringLiteral("nodeLocks"), QStringLiteral("lastUiCfg")};
    // In the members' own order, so that the same file names the same part
    // on every open.
    for (const QString& key : members) {
      const auto crc = crcs.constFind(key);
      if (crc == crcs.cend()) continue;
      const QCborValue stored = checksums.value(key);
      if (!stored.isInteger() || stored.toInteger() != static_cast<qint64>(*crc))
        return check.damaged(key);
    }
    for (auto it = checksums.cbegin(); it != checksums.cend(); ++it) {
      const QString key = it.key().toString();
      if (!crcs.contains(key)) return check.damaged(members.contains(key) ? key : where);
    }
    return true;
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
        // The answer is decoded only when what it holds fits: whoever shows
        // it holds every text it names, once for each use.
        const std::optional<std::uint64_t> decoded = compactDecodedBytes(it.value());
        if (!decoded) return check.damaged(entry);
        if (*decoded > budget.remaining()) throw std::bad_alloc();
        const std::optional<QVariant> value = decodeCompact(it.value());
        if (!value) return check.damaged(entry);
        const qsizetype actions = out.treeRows.rows[static_cast<std::size_t>(it.key())].actionCount;
        if (!checks[k](check, *value, actions, member(entry, "data"))) return false;
      }
    }
    return true;
  }

  QCborStreamReader in;
  QIODevice& file;
  const StreamProgress& progress;
  MemoryBudget budget;
  Checker check;
  bool sealedFile = false;
  bool checksumsSeen = false;
  QCborMap checksums;
  // The CRC of each member read, by name.
  QHash<QString, quint32> crcs;
  bool formatKnown = false;
  int unknownMembers = 0;
  bool resultsSeen = false;
  QJsonObject resultMembers;
};

}  // namespace

ProjectFileReadResult readProjectStream(QIODevice& device, const StreamProgress& progress,
                                        std::uint64_t memoryBytes) {
  return StreamReading(device, progress, memoryBytes).run();
}

std::uint64_t projectReadBudget() {
  // Unknown, the memory is not what stops a file.
  const std::uint64_t available = makeSystemInfo()->availableMemoryBytes();
  return available ? available : std::numeric_limits<std::uint64_t>::max();
}

ProjectFileReadResult readProjectStream(QIODevice& device, const StreamProgress& progress) {
  return readProjectStream(device, progress, projectReadBudget());
}

}  // namespace halvory_app
