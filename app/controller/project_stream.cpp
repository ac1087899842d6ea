#include "controller/project_stream.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>

#include <QCborMap>
#include <QCborStreamWriter>
#include <QCborValue>
#include <QCoreApplication>
#include <QFileDevice>

#include <zlib.h>

#include "controller/project_checks.hpp"
#include "controller/project_file.hpp"
#include "controller/project_values.hpp"

namespace halvory_app {

namespace {

// Rows per tree chunk: small enough that a chunk costs little memory on
// either side and the progress moves often, large enough that each
// chunk's text table is shared by many rows.
constexpr qsizetype kTreeChunkNodes = 16384;

class ChunkReader {
 public:
  explicit ChunkReader(const QByteArray& bytes)
      : at(bytes.constData()), end(bytes.constData() + bytes.size()) {}

  bool varint(quint64& value) { return readVarint(at, end, value); }
  bool int32(std::int32_t& value) {
    quint64 raw = 0;
    if (!varint(raw)) return false;
    const qint64 wide = unzigzag(raw);
    if (wide < INT32_MIN || wide > INT32_MAX) return false;
    value = static_cast<std::int32_t>(wide);
    return true;
  }
  bool bytes(const char*& data, quint64 size) {
    if (size > static_cast<quint64>(end - at)) return false;
    data = at;
    at += size;
    return true;
  }
  std::size_t left() const { return static_cast<std::size_t>(end - at); }
  bool done() const { return at == end; }

 private:
  const char* at;
  const char* end;
};

QString translated(const char* text) {
  return QCoreApplication::translate("AppController", text);
}

// Gathers the writer's many small pieces into large writes and checks each
// one: a file device reports a short write (a full disk) only through the
// count it returns.
class CheckedSink : public QIODevice {
 public:
  explicit CheckedSink(QFileDevice& target) : file(target) { open(QIODevice::WriteOnly); }

  bool failed() const { return broken; }
  QString failure() const { return file.errorString(); }
  bool drain() {
    if (!broken && !pending.isEmpty()) {
      broken = file.write(pending) != pending.size();
      pending.clear();
    }
    return !broken;
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (broken) return -1;
    pending.append(data, size);
    if (pending.size() >= kBlockBytes && !drain()) return -1;
    return size;
  }

 private:
  static constexpr qsizetype kBlockBytes = qsizetype(1) << 20;
  QFileDevice& file;
  QByteArray pending;
  bool broken = false;
};

// The "results" member: the held result's figures, the root's actions and
// the tree. The file is CBOR, whose data model is JSON's; only the tree
// differs from the text form, packed in chunks of rows. `crc` covers every
// member in order: the small ones by their encoding, the tree by its
// chunks' own CRCs.
bool resultsToJson(QCborStreamWriter& writer, const ProjectSnapshot& snapshot,
                   const std::function<bool(double)>& step, quint32& crc) {
  const HeldResult& held = snapshot.held;
  const qsizetype nodeCount = snapshot.tree.size();
  const auto put = [&](const char* key, const QCborValue& value) {
    writer.append(QLatin1String(key));
    value.toCbor(writer);
    crc = memberCrc(QLatin1String(key), value, crc);
  };
  writer.startMap();
  put("resultsSummary", held.summary);
  put("resultStartingPot", held.startingPot);
  put("resultExploitability", held.exploitability);
  put("resultEvOop", held.evOop);
  put("resultEvIp", held.evIp);
  put("resultIterations", static_cast<qint64>(held.iterations));
  put("rootActions", QCborValue::fromVariant(held.rootActions));
  put("nodeCount", static_cast<qint64>(nodeCount));
  put("effectiveStack", snapshot.tree.effectiveStackChips());
  writer.append(QLatin1String("tree"));
  crc = crc32Of(QByteArray("tree"), crc);
  writer.startArray();
  for (qsizetype first = 0; first < nodeCount; first += kTreeChunkNodes) {
    const qsizetype count = std::min(kTreeChunkNodes, nodeCount - first);
    const QByteArray chunk = encodeTreeChunk(snapshot.tree, first, count);
    const quint32 chunkCrc = crc32Of(chunk);
    writer.append(sealed(chunk, chunkCrc));
    crc = crc32Of(sealed({}, chunkCrc), crc);
    if (!step(static_cast<double>(count))) return false;
  }
  writer.endArray();
  writer.endMap();
  return true;
}

}  // namespace

quint32 crc32Of(const char* data, qsizetype size, quint32 crc) {
  uLong out = crc;
  // zlib takes at most 4 GiB at a time.
  while (size > 0) {
    const auto part = static_cast<uInt>(std::min<qsizetype>(size, qsizetype(1) << 30));
    out = crc32(out, reinterpret_cast<const Bytef*>(data), part);
    data += part;
    size -= part;
  }
  return static_cast<quint32>(out);
}

quint32 entryCrc(qint64 node, const QByteArray& bytes) {
  char index[8];
  for (int i = 0; i < 8; ++i)
    index[i] = static_cast<char>((static_cast<quint64>(node) >> (8 * i)) & 0xFF);
  return crc32Of(bytes, crc32Of(index, 8));
}

QByteArray sealed(const QByteArray& bytes, quint32 crc) {
  QByteArray out;
  out.reserve(bytes.size() + 4);
  out.append(bytes);
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((crc >> (8 * i)) & 0xFF));
  return out;
}

bool unseal(QByteArray& bytes, quint32& crc) {
  if (bytes.size() < 4) return false;
  crc = 0;
  for (int i = 0; i < 4; ++i)
    crc |= static_cast<quint32>(static_cast<std::uint8_t>(bytes[bytes.size() - 4 + i])) << (8 * i);
  bytes.chop(4);
  return true;
}

quint32 memberCrc(const QString& key, const QCborValue& value, quint32 crc) {
  return crc32Of(value.toCbor(), crc32Of(key.toUtf8(), crc));
}

const char* cacheKeyOf(RowsKind kind) {
  switch (kind) {
    case RowsKind::Strategy:
      return "handStrategyByNode";
    case RowsKind::ActionStats:
      return "actionStatsByNode";
    case RowsKind::Combos:
      return "handCombosByNode";
    case RowsKind::Buckets:
      return "handBucketsByNode";
    case RowsKind::SeatCombosOop:
      return "seatHandCombosOopByNode";
    case RowsKind::SeatCombosIp:
      return "seatHandCombosIpByNode";
  }
  return "";
}

namespace {

// Writes one tree chunk: the chunk's text table (each text once, in order of
// first use), then per row its node type, chance deal and player as table
// indices, pot and investments zigzagged, the action count, and per action
// its name and type indices, its frequency as four raw bytes and its child as
// a step from the row. `Key` names a text in the rows being written; `utf8Of`
// gives a key's UTF-8 bytes, asked once per key and chunk, so a text many
// actions share is read once.
template <typename Key, typename Utf8Of>
class TreeChunkWriter {
 public:
  explicit TreeChunkWriter(Utf8Of utf8Of) : utf8Of(std::move(utf8Of)) {}

  // Starts a row; exactly `actionCount` calls to action() follow.
  void row(qsizetype node, const Key& nodeType, const Key& chanceDeal, const Key& player,
           std::int32_t pot, std::int32_t investedOop, std::int32_t investedIp,
           quint64 actionCount) {
    current = node;
    text(nodeType);
    text(chanceDeal);
    text(player);
    putVarint(body, zigzag(pot));
    putVarint(body, zigzag(investedOop));
    putVarint(body, zigzag(investedIp));
    putVarint(body, actionCount);
  }

  void action(const Key& name, const Key& type, float frequency, std::uint32_t child) {
    text(name);
    text(type);
    char bytes[sizeof(float)];
    std::memcpy(bytes, &frequency, sizeof(float));
    body.append(bytes, sizeof(float));
    putVarint(body, zigzag(static_cast<qint64>(child) - current));
  }

  QByteArray finish() const {
    QByteArray out;
    out.reserve(table.size() + body.size() + 10);
    putVarint(out, texts);
    out.append(table);
    out.append(body);
    return out;
  }

 private:
  void text(const Key& key) {
    auto found = index.find(key);
    if (found == index.end()) {
      found = index.emplace(key, texts++).first;
      const auto& utf8 = utf8Of(key);
      putVarint(table, static_cast<quint64>(utf8.size()));
      table.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
    putVarint(body, found->second);
  }

  Utf8Of utf8Of;
  std::unordered_map<Key, quint64> index;
  quint64 texts = 0;
  QByteArray table;
  QByteArray body;
  qsizetype current = 0;
};

// Rows a project file held, written as they are held: each text of the
// chunk converted once, from the tree's own table, however many actions
// name it.
QByteArray encodePackedRows(const PackedTree& tree, qsizetype first, qsizetype count) {
  auto utf8Of = [&tree](std::uint32_t held) { return tree.texts[held].toUtf8(); };
  TreeChunkWriter<std::uint32_t, decltype(utf8Of)> writer(utf8Of);
  for (qsizetype node = first; node < first + count; ++node) {
    const auto at = static_cast<std::size_t>(node);
    const PackedTree::Row& row = tree.rows[at];
    writer.row(node, row.nodeType, row.chanceDeal, row.player, row.pot, row.investedOop,
               row.investedIp, row.actionCount);
    for (std::uint32_t a = 0; a < row.actionCount; ++a) {
      const PackedTree::Action& action = tree.action(at, a);
      writer.action(action.name, action.type, action.frequency, action.child);
    }
  }
  return writer.finish();
}

}  // namespace

QByteArray encodeTreeChunk(const ResultTree& tree, qsizetype first, qsizetype count) {
  if (const PackedTree* packed = tree.packedRows()) return encodePackedRows(*packed, first, count);
  auto utf8Of = [](const std::string& value) -> const std::string& { return value; };
  TreeChunkWriter<std::string, decltype(utf8Of)> writer(utf8Of);
  for (qsizetype node = first; node < first + count; ++node) {
    // A solve's rows are read where they stand; a loaded project's are made.
    TreeNodeMeta made;
    const TreeNodeMeta* own = tree.solvedRow(node);
    if (!own) made = tree.row(node);
    const TreeNodeMeta& row = own ? *own : made;
    writer.row(node, row.node_type, row.chance_deal, row.player, row.pot, row.invested_oop,
               row.invested_ip, row.actions.size());
    for (const TreeNodeAction& action : row.actions)
      writer.action(action.name, action.action_type, action.frequency, action.child_index);
  }
  return writer.finish();
}

namespace {

// One pass over a chunk's rows: the first only checks them and counts what
// they will take, the second (`fill`) stores them.
bool readTreeRows(ChunkReader in, qsizetype firstNode, qsizetype nodeCount, std::uint32_t textBase,
                  quint64 textCount, PackedTree* fill, quint64& rowCount, quint64& actionCount) {
  const auto text = [&](std::uint32_t& value) {
    quint64 i = 0;
    if (!in.varint(i) || i >= textCount) return false;
    value = textBase + static_cast<std::uint32_t>(i);
    return true;
  };
  qsizetype node = firstNode;
  rowCount = 0;
  actionCount = 0;
  while (!in.done()) {
    if (node >= nodeCount) return false;
    PackedTree::Row row;
    quint64 actions = 0;
    if (!text(row.nodeType) || !text(row.chanceDeal) || !text(row.player) || !in.int32(row.pot) ||
        !in.int32(row.investedOop) || !in.int32(row.investedIp) || !in.varint(actions) ||
        actions > in.left() / 7 || actions > std::numeric_limits<std::uint32_t>::max())
      return false;
    // Amounts by the rule of every form's rows.
    if (!file_checks::rowCentsFit(row.pot) || !file_checks::rowCentsFit(row.investedOop) ||
        !file_checks::rowCentsFit(row.investedIp))
      return false;
    row.actionCount = static_cast<std::uint32_t>(actions);
    if (fill) row.firstAction = fill->actions.size();
    for (quint64 a = 0; a < actions; ++a) {
      PackedTree::Action action;
      const char* frequency = nullptr;
      quint64 raw = 0;
      if (!text(action.name) || !text(action.type) || !in.bytes(frequency, sizeof(float)) ||
          !in.varint(raw))
        return false;
      std::memcpy(&action.frequency, frequency, sizeof(float));
      // The solve's frequencies are finite; anything else is damage.
      if (!std::isfinite(action.frequency)) return false;
      // The child as a step from this node, checked before it is added:
      // a step far outside the tree must not overflow.
      const qint64 step = unzigzag(raw);
      if (step < -node || step >= nodeCount - node) return false;
      action.child = static_cast<std::uint32_t>(node + step);
      if (fill) fill->actions.push_back(action);
    }
    if (fill) fill->rows.push_back(row);
    ++rowCount;
    actionCount += actions;
    ++node;
  }
  return true;
}

}  // namespace

bool decodeTreeChunk(const QByteArray& bytes, qsizetype firstNode, qsizetype nodeCount,
                     PackedTree& tree, MemoryBudget& budget) {
  ChunkReader in(bytes);
  quint64 textCount = 0;
  if (!in.varint(textCount) || textCount > in.left()) return false;
  const std::size_t textBase = tree.texts.size();
  if (textCount > std::numeric_limits<std::uint32_t>::max() - textBase) return false;
  // The texts are checked and counted before any is kept.
  ChunkReader table = in;
  quint64 textBytes = 0;
  for (quint64 i = 0; i < textCount; ++i) {
    quint64 size = 0;
    const char* data = nullptr;
    if (!table.varint(size) || !table.bytes(data, size)) return false;
    textBytes += size;
  }
  quint64 rows = 0;
  quint64 actions = 0;
  if (!readTreeRows(table, firstNode, nodeCount, static_cast<std::uint32_t>(textBase), textCount,
                    nullptr, rows, actions))
    return false;
  // What the chunk will hold once decoded: each text in UTF-16 with its
  // header; the lists may grow to twice what they hold.
  constexpr std::uint64_t kTextHeader = 64;
  budget.charge(2 * textBytes + textCount * (2 * sizeof(QString) + kTextHeader) +
                actions * 2 * sizeof(PackedTree::Action));
  for (quint64 i = 0; i < textCount; ++i) {
    quint64 size = 0;
    const char* data = nullptr;
    in.varint(size);
    in.bytes(data, size);
    tree.texts.push_back(QString::fromUtf8(data, static_cast<qsizetype>(size)));
  }
  return readTreeRows(in, firstNode, nodeCount, static_cast<std::uint32_t>(textBase), textCount,
                      &tree, rows, actions);
}

std::pair<QString, FileReason> snapshotProblem(const ProjectSnapshot& snapshot) {
  file_checks::Checker check;
  const auto found = [&check] { return std::pair{check.field, check.reason}; };
  // Each member as the writer puts it, held to the reader's rules.
  const QCborValue project = QCborValue::fromVariant(snapshot.project);
  if (!valueWouldOpen(project, check, QStringLiteral("project")) ||
      !file_checks::checkProjectBoard(check, project.toJsonValue().toObject()))
    return found();
  std::vector<std::pair<QString, QCborValue>> members = {
      {QStringLiteral("nodeLocks"), QCborValue::fromVariant(snapshot.nodeLocks)},
      {QStringLiteral("lastUiCfg"), QCborValue::fromVariant(snapshot.lastUiCfg)}};
  if (snapshot.hasResults) {
    const HeldResult& held = snapshot.held;
    members.insert(
        members.end(),
        {{QStringLiteral("results.resultStartingPot"), held.startingPot},
         {QStringLiteral("results.resultExploitability"), held.exploitability},
         {QStringLiteral("results.resultEvOop"), held.evOop},
         {QStringLiteral("results.resultEvIp"), held.evIp},
         {QStringLiteral("results.rootActions"), QCborValue::fromVariant(held.rootActions)},
         {QStringLiteral("results.effectiveStack"), snapshot.tree.effectiveStackChips()}});
  }
  for (const auto& [where, value] : members) {
    if (!valueWouldOpen(value, check, where)) return found();
  }
  return {};
}

bool writeProjectStream(QFileDevice& file, const ProjectSnapshot& snapshot,
                        const StreamProgress& progress, QString& error) {
  CheckedSink out(file);
  QCborStreamWriter writer(&out);
  const qsizetype nodeCount = snapshot.hasResults ? snapshot.tree.size() : 0;
  qsizetype cachedNodes = 0;
  if (snapshot.hasResults) {
    for (const auto& blobs : snapshot.caches) cachedNodes += blobs.size();
  }
  // The tree and the node answers share the progress by their sizes.
  const double work = static_cast<double>(nodeCount) + 8.0 * static_cast<double>(cachedNodes) + 1;
  double done = 0;
  const auto step = [&](double amount) {
    done += amount;
    if (out.failed()) {
      error = out.failure();
      return false;
    }
    if (progress && !progress(done / work)) {
      error = translated("Cancelled");
      return false;
    }
    return true;
  };

  // Each member's CRC-32, written last under "checksums".
  QCborMap checksums;
  const auto put = [&](const char* key, const QCborValue& value) {
    writer.append(QLatin1String(key));
    value.toCbor(writer);
    checksums.insert(QLatin1String(key), static_cast<qint64>(memberCrc(QString(), value)));
  };
  writer.startMap();
  writer.append(QLatin1String("format"));
  writer.append(QLatin1String(kProjectFormat));
  writer.append(QLatin1String("version"));
  writer.append(kProjectStreamVersion);
  put("project", QCborValue::fromVariant(snapshot.project));
  put("hasResults", snapshot.hasResults);
  if (snapshot.hasResults) {
    writer.append(QLatin1String("results"));
    quint32 resultsCrc = 0;
    if (!resultsToJson(writer, snapshot, step, resultsCrc)) return false;
    checksums.insert(QLatin1String("results"), static_cast<qint64>(resultsCrc));

    // Each answer as [node, bytes], in node order so a file is the same
    // whatever order the nodes were read in. The member's CRC covers each
    // kind's name and its answers' own CRCs.
    quint32 cachesCrc = 0;
    writer.append(QLatin1String("nodeCaches"));
    writer.startMap();
    for (std::size_t k = 0; k < kRowsKinds; ++k) {
      const auto kind = static_cast<RowsKind>(k);
      const QHash<int, QByteArray>& blobs = snapshot.caches[k];
      QList<int> nodes = blobs.keys();
      std::sort(nodes.begin(), nodes.end());
      writer.append(QLatin1String(cacheKeyOf(kind)));
      cachesCrc = crc32Of(QByteArray(cacheKeyOf(kind)), cachesCrc);
      writer.startArray();
      for (const int node : std::as_const(nodes)) {
        if (node < 0 || node >= nodeCount) continue;
        const QByteArray& blob = blobs.value(node);
        const quint32 blobCrc = entryCrc(node, blob);
        writer.startArray(2);
        writer.append(static_cast<qint64>(node));
        writer.append(sealed(blob, blobCrc));
        writer.endArray();
        cachesCrc = crc32Of(sealed({}, blobCrc), cachesCrc);
        if (!step(8.0)) return false;
      }
      writer.endArray();
    }
    writer.endMap();
    checksums.insert(QLatin1String("nodeCaches"), static_cast<qint64>(cachesCrc));
  }
  put("nodeLocks", QCborValue::fromVariant(snapshot.nodeLocks));
  put("lastUiCfg", QCborValue::fromVariant(snapshot.lastUiCfg));
  writer.append(QLatin1String("checksums"));
  QCborValue(checksums).toCbor(writer);
  writer.endMap();
  if (!out.drain()) {
    error = out.failure();
    return false;
  }
  return step(1.0);
}

}  // namespace halvory_app
