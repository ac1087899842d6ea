#include "controller/project_values.hpp"

#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

#include <QCborStreamWriter>
#include <QIODevice>
#include <QSet>

namespace halvory_app {

namespace {

using namespace file_checks;

// Deeper than any set-up, lock or figure nests; the bound keeps the stack.
constexpr int kMaxDepth = 128;
// What one item of a value takes while it is read: its bytes in the copy
// the value is made from, its element in the value and the room a list
// grows into. A list or map takes its own block beside its items.
constexpr std::uint64_t kItemBytes = 64;
constexpr std::uint64_t kContainerBytes = 128;
// A text's header, and its characters held in the copy and in the value.
constexpr std::uint64_t kTextBytes = 64;
constexpr std::uint64_t kTextCopies = 3;

// Reads a text or byte string piece by piece, each piece counted before it
// is read: the piece itself, and the whole it joins. A piece declared
// longer than what is left of the file is damage the reader refuses by
// itself; counted, it would be refused for want of memory instead.
template <typename Out, typename Piece>
bool readPieces(QCborStreamReader& in, Out& out, MemoryBudget& budget, std::uint64_t perByte,
                Piece (QCborStreamReader::*read)()) {
  out.clear();
  const QIODevice* device = in.device();
  for (;;) {
    const qsizetype size = in.currentStringChunkSize();
    const qint64 left = device ? device->size() - in.currentOffset() : 0;
    if (size > 0 && size <= left) budget.charge(perByte * static_cast<std::uint64_t>(size));
    auto piece = (in.*read)();
    throwIfOutOfMemory(in);
    if (piece.status == QCborStreamReader::EndOfString) return true;
    if (piece.status != QCborStreamReader::Ok) return false;
    out += piece.data;
  }
}

// One value read item by item: each item is checked and counted before it
// is kept, and copied into a CBOR buffer the value is made from at the end
// (a map grown a member at a time would look up every member it holds).
class WholeValue {
 public:
  WholeValue(QCborStreamReader& reader, MemoryBudget& memory, Checker& checker)
      : in(reader), budget(memory), check(checker), writer(&copy) {}

  std::optional<QCborValue> run(const Where& where) {
    if (!item(where, 0)) return std::nullopt;
    return QCborValue::fromCbor(copy);
  }

 private:
  bool item(const Where& where, int depth) {
    throwIfOutOfMemory(in);
    if (depth > kMaxDepth || in.lastError() != QCborError::NoError) return check.damaged(where);
    budget.charge(kItemBytes);
    switch (in.type()) {
      case QCborStreamReader::UnsignedInteger:
        writer.append(in.toUnsignedInteger());
        break;
      case QCborStreamReader::NegativeInteger:
        writer.append(in.toNegativeInteger());
        break;
      case QCborStreamReader::SimpleType:
        writer.append(in.toSimpleType());
        break;
      case QCborStreamReader::Float16:
      case QCborStreamReader::Float:
      case QCborStreamReader::Double: {
        // A figure is finite in whatever width it was written.
        const double figure = in.isFloat16() ? double(in.toFloat16())
                              : in.isFloat() ? double(in.toFloat())
                                             : in.toDouble();
        if (!std::isfinite(figure)) return check.notFinite(where);
        writer.append(figure);
        break;
      }
      case QCborStreamReader::String: {
        QString text;
        if (!readCountedText(in, text, budget)) return check.damaged(where);
        budget.charge(kTextBytes + kTextCopies * 2 * static_cast<std::uint64_t>(text.size()));
        writer.append(text);
        return true;
      }
      case QCborStreamReader::ByteArray: {
        QByteArray bytes;
        if (!readCountedBytes(in, bytes, budget)) return check.damaged(where);
        budget.charge(kTextBytes + kTextCopies * static_cast<std::uint64_t>(bytes.size()));
        writer.append(bytes);
        return true;
      }
      case QCborStreamReader::Array:
        return list(where, depth);
      case QCborStreamReader::Map:
        return map(where, depth);
      default:
        // A tag among them: the program writes none, and one would change
        // what the value it tags reads as (a number as a date, say), so no
        // figure is taken from under one.
        return check.damaged(where);
    }
    return in.next() || check.damaged(where);
  }

  bool list(const Where& where, int depth) {
    budget.charge(kContainerBytes);
    if (!in.enterContainer()) return check.damaged(where);
    writer.startArray();
    for (qsizetype i = 0; in.lastError() == QCborError::NoError && in.hasNext(); ++i) {
      if (!item(Where(where, i), depth + 1)) return false;
    }
    writer.endArray();
    return (in.lastError() == QCborError::NoError && in.leaveContainer()) || check.damaged(where);
  }

  // Members are named by texts, each once: a name of another kind would
  // read as a text, and could meet one given as a text.
  bool map(const Where& where, int depth) {
    budget.charge(kContainerBytes);
    if (!in.enterContainer()) return check.damaged(where);
    writer.startMap();
    QSet<QString> names;
    std::uint64_t namesBytes = 0;
    while (in.lastError() == QCborError::NoError && in.hasNext()) {
      QString name;
      if (!in.isString() || !readCountedText(in, name, budget)) return check.damaged(where);
      const Where member(where, name);
      if (names.contains(name)) return check.givenTwice(member);
      namesBytes += keptNameBytes(name);
      budget.charge(keptNameBytes(name));
      names.insert(name);
      writer.append(name);
      if (!item(member, depth + 1)) return false;
    }
    writer.endMap();
    // The names are let go with the map.
    budget.refund(namesBytes);
    return (in.lastError() == QCborError::NoError && in.leaveContainer()) || check.damaged(where);
  }

  QCborStreamReader& in;
  MemoryBudget& budget;
  Checker& check;
  QByteArray copy;
  QCborStreamWriter writer;
};

}  // namespace

std::uint64_t keptNameBytes(const QString& name) {
  // Its characters and header, the set's entry and its share of the table
  // (twice over while the table grows).
  constexpr std::uint64_t kEntryBytes = 128;
  return kEntryBytes + 2 * static_cast<std::uint64_t>(name.size());
}

void throwIfOutOfMemory(QCborStreamReader& in) {
  // tinycbor's code for memory it could not have, which Qt passes on as is.
  constexpr int kOutOfMemory = std::numeric_limits<int>::min();
  if (static_cast<int>(in.lastError().c) == kOutOfMemory) throw std::bad_alloc();
}

bool readCountedText(QCborStreamReader& in, QString& out, MemoryBudget& budget) {
  // UTF-8 pieces held as UTF-16.
  return in.isString() && readPieces(in, out, budget, 4, &QCborStreamReader::readString);
}

bool readCountedBytes(QCborStreamReader& in, QByteArray& out, MemoryBudget& budget) {
  return in.isByteArray() && readPieces(in, out, budget, 2, &QCborStreamReader::readByteArray);
}

std::optional<QCborValue> readWholeValue(QCborStreamReader& in, MemoryBudget& budget,
                                         Checker& check, const Where& where) {
  return WholeValue(in, budget, check).run(where);
}

bool valueWouldOpen(const QCborValue& value, Checker& check, const Where& where) {
  QCborStreamReader in(value.toCbor());
  MemoryBudget unbounded(std::numeric_limits<std::uint64_t>::max());
  return readWholeValue(in, unbounded, check, where).has_value();
}

}  // namespace halvory_app
