#include "controller/project_stream.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

#include <QCborStreamWriter>
#include <QCborValue>
#include <QCoreApplication>
#include <QFileDevice>

#include "controller/project_file.hpp"

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

void writeVariant(QCborStreamWriter& writer, const QVariant& value) {
  QCborValue::fromVariant(value).toCbor(writer);
}

// The "results" member: the held result's figures, the root's actions and
// the tree. The file is CBOR, whose data model is JSON's; only the tree
// differs from the text form, packed in chunks of rows.
bool resultsToJson(QCborStreamWriter& writer, const ProjectSnapshot& snapshot,
                   const std::function<bool(double)>& step) {
  const HeldResult& held = snapshot.held;
  const qsizetype nodeCount = snapshot.tree.size();
  writer.startMap();
  writer.append(QLatin1String("resultsSummary"));
  writer.append(held.summary);
  const std::pair<const char*, double> numbers[] = {
      {"resultStartingPot", held.startingPot},
      {"resultExploitability", held.exploitability},
      {"resultEvOop", held.evOop},
      {"resultEvIp", held.evIp},
  };
  for (const auto& [key, value] : numbers) {
    writer.append(QLatin1String(key));
    writer.append(value);
  }
  writer.append(QLatin1String("resultIterations"));
  writer.append(static_cast<qint64>(held.iterations));
  writer.append(QLatin1String("rootActions"));
  writeVariant(writer, held.rootActions);
  writer.append(QLatin1String("nodeCount"));
  writer.append(static_cast<qint64>(nodeCount));
  writer.append(QLatin1String("effectiveStack"));
  writer.append(snapshot.tree.effectiveStackChips());
  writer.append(QLatin1String("tree"));
  writer.startArray();
  for (qsizetype first = 0; first < nodeCount; first += kTreeChunkNodes) {
    const qsizetype count = std::min(kTreeChunkNodes, nodeCount - first);
    writer.append(encodeTreeChunk(snapshot.tree, first, count));
    if (!step(static_cast<double>(count))) return false;
  }
  writer.endArray();
  writer.endMap();
  return true;
}

}  // namespace

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

QByteArray encodeTreeChunk(const ResultTree& tree, qsizetype first, qsizetype count) {
  QByteArray body;
  std::vector<std::string> texts;
  std::unordered_map<std::string, quint64> index;
  const auto text = [&](const std::string& value) {
    auto [it, added] = index.emplace(value, texts.size());
    if (added) texts.push_back(value);
    putVarint(body, it->second);
  };
  for (qsizetype node = first; node < first + count; ++node) {
    // A solve's rows are read where they stand; a loaded project's are made.
    TreeNodeMeta made;
    const TreeNodeMeta* own = tree.solvedRow(node);
    if (!own) made = tree.row(node);
    const TreeNodeMeta& row = own ? *own : made;
    text(row.node_type);
    text(row.chance_deal);
    text(row.player);
    putVarint(body, zigzag(row.pot));
    putVarint(body, zigzag(row.invested_oop));
    putVarint(body, zigzag(row.invested_ip));
    putVarint(body, row.actions.size());
    for (const TreeNodeAction& action : row.actions) {
      text(action.name);
      text(action.action_type);
      char frequency[sizeof(float)];
      std::memcpy(frequency, &action.frequency, sizeof(float));
      body.append(frequency, sizeof(float));
      putVarint(body, zigzag(static_cast<qint64>(action.child_index) - node));
    }
  }
  QByteArray out;
  out.reserve(body.size() + 256);
  putVarint(out, texts.size());
  for (const std::string& value : texts) {
    putVarint(out, value.size());
    out.append(value.data(), static_cast<qsizetype>(value.size()));
  }
  out.append(body);
  return out;
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
        actions > in.left() / 7)
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
  // What the chunk will hold once decoded; the lists may grow to twice
  // what they hold.
  budget.charge(textBytes + textCount * 2 * (sizeof(std::string) + 1) +
                actions * 2 * sizeof(PackedTree::Action));
  for (quint64 i = 0; i < textCount; ++i) {
    quint64 size = 0;
    const char* data = nullptr;
    in.varint(size);
    in.bytes(data, size);
    tree.texts.emplace_back(data, static_cast<std::size_t>(size));
  }
  return readTreeRows(in, firstNode, nodeCount, static_cast<std::uint32_t>(textBase), textCount,
                      &tree, rows, actions);
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

  writer.startMap();
  writer.append(QLatin1String("format"));
  writer.append(QLatin1String(kProjectFormat));
  writer.append(QLatin1String("version"));
  writer.append(kProjectStreamVersion);
  writer.append(QLatin1String("project"));
  writeVariant(writer, snapshot.project);
  writer.append(QLatin1String("hasResults"));
  writer.append(snapshot.hasResults);
  if (snapshot.hasResults) {
    writer.append(QLatin1String("results"));
    if (!resultsToJson(writer, snapshot, step)) return false;

    // Each answer as [node, bytes], in node order so a file is the same
    // whatever order the nodes were read in.
    writer.append(QLatin1String("nodeCaches"));
    writer.startMap();
    for (std::size_t k = 0; k < kRowsKinds; ++k) {
      const auto kind = static_cast<RowsKind>(k);
      const QHash<int, QByteArray>& blobs = snapshot.caches[k];
      QList<int> nodes = blobs.keys();
      std::sort(nodes.begin(), nodes.end());
      writer.append(QLatin1String(cacheKeyOf(kind)));
      writer.startArray();
      for (const int node : std::as_const(nodes)) {
        if (node < 0 || node >= nodeCount) continue;
        writer.startArray(2);
        writer.append(static_cast<qint64>(node));
        writer.append(blobs.value(node));
        writer.endArray();
        if (!step(8.0)) return false;
      }
      writer.endArray();
    }
    writer.endMap();
  }
  writer.append(QLatin1String("nodeLocks"));
  writeVariant(writer, snapshot.nodeLocks);
  writer.append(QLatin1String("lastUiCfg"));
  writeVariant(writer, snapshot.lastUiCfg);
  writer.endMap();
  if (!out.drain()) {
    error = out.failure();
    return false;
  }
  return step(1.0);
}

}  // namespace halvory_app
