#pragma once
// The results page's per-node answers in a compact binary form: how the
// explorer keeps the nodes it has read and how a project file stores them.
// A value is a tree of maps, lists, texts and numbers; every text is written
// once per value in a table and referred to by its position, and numbers
// keep their exact type (a float stays a float, a double a double), so a
// value reads back equal to what was written.

#include <array>
#include <cstdint>
#include <list>
#include <new>
#include <optional>

#include <QByteArray>
#include <QHash>
#include <QJsonValue>
#include <QList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

namespace halvory_app {

// The steps both compact forms (node answers, tree rows) are made of: whole
// numbers in seven-bit groups, signed ones folded to unsigned first.
void putVarint(QByteArray& out, quint64 value);
// False when the bytes end first or the number runs past 64 bits.
bool readVarint(const char*& at, const char* end, quint64& value);
quint64 zigzag(qint64 value);
qint64 unzigzag(quint64 value);

QByteArray encodeCompact(const QVariant& value);
// A parsed JSON value, encoded as the variant Qt converts it to would be
// (the same bytes), without building that variant; empty when it nests
// deeper than decodeCompact reads.
QByteArray encodeCompact(const QJsonValue& value);
// None when the bytes are not a value written by encodeCompact (a damaged
// file): every length and position is checked against the bytes.
std::optional<QVariant> decodeCompact(const QByteArray& bytes);
// What the value would take once decoded and shown, counted without
// decoding it: every use of a text counts its characters, as whoever shows
// the value holds a copy of each. None when the bytes are damaged.
std::optional<std::uint64_t> compactDecodedBytes(const QByteArray& bytes);

// The six kinds of node answer the explorer keeps.
enum class RowsKind : std::uint8_t {
  Strategy,
  ActionStats,
  Combos,
  Buckets,
  SeatCombosOop,
  SeatCombosIp,
};
inline constexpr std::size_t kRowsKinds = 6;

// How an answer came to be stored: asked for by the user, or read ahead
// in case they ask.
enum class RowsOrigin : std::uint8_t { Read, ReadAhead };

// Every kind's encoded answers by node, within a byte budget: past it the
// answers read longest ago go first. An answer read ahead counts as read
// before every other, so it never pushes out one the user read (a saved
// project keeps those). A budget of none keeps everything (the answers of
// a loaded project, which nothing could read again).
class NodeRowStore {
 public:
  void setBudget(std::optional<std::uint64_t> bytes);
  std::optional<std::uint64_t> budget() const { return limit; }
  std::uint64_t bytes() const { return held; }

  // Null when absent; a hit counts as the latest read.
  const QByteArray* find(RowsKind kind, int node);
  bool contains(RowsKind kind, int node) const;
  void insert(RowsKind kind, int node, QByteArray blob, RowsOrigin origin = RowsOrigin::Read);
  void remove(RowsKind kind, int node);
  void clear();
  // Trades contents and budgets with the other store; allocates nothing, so
  // a store built aside can replace this one without a failure half-way.
  void swap(NodeRowStore& other) noexcept;
  // Implicitly shared: a copy costs nothing until one side changes.
  const QHash<int, QByteArray>& all(RowsKind kind) const {
    return blobs[static_cast<std::size_t>(kind)];
  }

 private:
  static quint64 keyOf(RowsKind kind, int node) {
    return (static_cast<quint64>(kind) << 32) | static_cast<quint32>(node);
  }
  static std::uint64_t costOf(const QByteArray& blob);
  void evict();

  std::array<QHash<int, QByteArray>, kRowsKinds> blobs;
  std::list<quint64> order;  // least recently read first
  QHash<quint64, std::list<quint64>::iterator> places;
  std::uint64_t held = 0;
  std::optional<std::uint64_t> limit;
};

// One kind of answer as its query reads and writes it.
template <typename Value>
class CachedRows {
 public:
  CachedRows(NodeRowStore& rowStore, RowsKind rowsKind) : store(&rowStore), kind(rowsKind) {}

  bool contains(int node) const { return store->contains(kind, node); }
  // None as well when the memory cannot hold the answer: the read is
  // refused and the stored answer stays.
  std::optional<Value> find(int node) const {
    const QByteArray* blob = store->find(kind, node);
    if (!blob) return std::nullopt;
    try {
      const std::optional<QVariant> value = decodeCompact(*blob);
      if (!value) return std::nullopt;
      return value->template value<Value>();
    } catch (const std::bad_alloc&) {
      return std::nullopt;
    }
  }
  Value value(int node) const { return find(node).value_or(Value()); }
  void insert(int node, const Value& value, RowsOrigin origin = RowsOrigin::Read) {
    store->insert(kind, node, encodeCompact(QVariant::fromValue(value)), origin);
  }
  void remove(int node) { store->remove(kind, node); }
  QList<int> keys() const { return store->all(kind).keys(); }
  qsizetype size() const { return store->all(kind).size(); }
  bool isEmpty() const { return store->all(kind).isEmpty(); }

 private:
  NodeRowStore* store;
  RowsKind kind;
};

}  // namespace halvory_app
