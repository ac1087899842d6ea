#include "controller/compact_rows.hpp"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include <QJsonArray>
#include <QJsonObject>

namespace halvory_app {

namespace {

constexpr char kMagic = 'R';
constexpr int kMaxDepth = 32;

enum Tag : std::uint8_t {
  kNull = 0,
  kFalse,
  kTrue,
  kInt,
  kLongLong,
  kUInt,
  kULongLong,
  kFloat,
  kDouble,
  kText,
  kList,
  kMap,
  kDoubles,  // a list of doubles, packed
  kFloats,   // a list of floats, packed
  kTexts,    // a list of texts
};

template <typename T>
void putRaw(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

class Encoder {
 public:
  QByteArray finish(const QVariant& value) {
    write(value);
    return finish();
  }
  // A parsed JSON value, written as the variant Qt converts it to would be,
  // without building that variant.
  // Empty when the value nests deeper than an answer is read back.
  QByteArray finish(const QJsonValue& value) {
    if (!writeJson(value, 0)) return {};
    return finish();
  }

 private:
  QByteArray finish() {
    QByteArray table;
    table.append(kMagic);
    putVarint(table, static_cast<quint64>(texts.size()));
    for (const QString& text : std::as_const(texts)) {
      const QByteArray utf8 = text.toUtf8();
      putVarint(table, static_cast<quint64>(utf8.size()));
      table.append(utf8);
    }
    // Sized exactly: the answers are kept for long, and a grown buffer
    // would hold up to twice their bytes.
    QByteArray out;
    out.reserve(table.size() + body.size());
    out.append(table);
    out.append(body);
    return out;
  }

  // Whether every item of the list is of the kind, as Qt converts it.
  static bool allDoubles(const QJsonArray& list) {
    for (const QJsonValue& item : list) {
      if (!item.isDouble() || item.toVariant().metaType().id() != QMetaType::Double) return false;
    }
    return true;
  }
  static bool allTexts(const QJsonArray& list) {
    for (const QJsonValue& item : list) {
      if (!item.isString()) return false;
    }
    return true;
  }

  // False when an item lies deeper than the reader goes (packed lists
  // are read whole, their items at no depth of their own).
  bool writeJson(const QJsonValue& value, int depth) {
    if (depth > kMaxDepth) return false;
    switch (value.type()) {
      case QJsonValue::Bool:
      case QJsonValue::Double:
        write(value.toVariant());
        return true;
      case QJsonValue::String:
        body.append(static_cast<char>(kText));
        text(value.toString());
        return true;
      case QJsonValue::Array: {
        const QJsonArray list = value.toArray();
        if (!list.isEmpty() && allDoubles(list)) {
          body.append(static_cast<char>(kDoubles));
          putVarint(body, static_cast<quint64>(list.size()));
          for (const QJsonValue& item : list) putRaw(body, item.toDouble());
          return true;
        }
        if (!list.isEmpty() && allTexts(list)) {
          body.append(static_cast<char>(kTexts));
          putVarint(body, static_cast<quint64>(list.size()));
          for (const QJsonValue& item : list) text(item.toString());
          return true;
        }
        body.append(static_cast<char>(kList));
        putVarint(body, static_cast<quint64>(list.size()));
        for (const QJsonValue& item : list) {
          if (!writeJson(item, depth + 1)) return false;
        }
        return true;
      }
      case QJsonValue::Object: {
        const QJsonObject map = value.toObject();
        body.append(static_cast<char>(kMap));
        putVarint(body, static_cast<quint64>(map.size()));
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
          text(it.key());
          if (!writeJson(it.value(), depth + 1)) return false;
        }
        return true;
      }
      default:
        body.append(static_cast<char>(kNull));
        return true;
    }
  }

  void text(const QString& value) {
    auto found = textIndex.constFind(value);
    if (found == textIndex.cend()) {
      found = textIndex.insert(value, static_cast<quint64>(texts.size()));
      texts.append(value);
    }
    putVarint(body, *found);
  }

  template <typename T>
  bool packed(const QVariantList& list, QMetaType::Type type, Tag tag) {
    for (const QVariant& item : list) {
      if (item.metaType().id() != type) return false;
    }
    body.append(static_cast<char>(tag));
    putVarint(body, static_cast<quint64>(list.size()));
    for (const QVariant& item : list) {
      if constexpr (std::is_same_v<T, QString>) {
        text(item.toString());
      } else {
        putRaw(body, item.value<T>());
      }
    }
    return true;
  }

  void write(const QVariant& value) {
    switch (value.metaType().id()) {
      case QMetaType::Bool:
        body.append(static_cast<char>(value.toBool() ? kTrue : kFalse));
        return;
      case QMetaType::Int:
      case QMetaType::Short:
      case QMetaType::SChar:
        body.append(static_cast<char>(kInt));
        putVarint(body, zigzag(value.toLongLong()));
        return;
      case QMetaType::LongLong:
      case QMetaType::Long:
        body.append(static_cast<char>(kLongLong));
        putVarint(body, zigzag(value.toLongLong()));
        return;
      case QMetaType::UInt:
      case QMetaType::UShort:
      case QMetaType::UChar:
        body.append(static_cast<char>(kUInt));
        putVarint(body, value.toULongLong());
        return;
      case QMetaType::ULongLong:
      case QMetaType::ULong:
        body.append(static_cast<char>(kULongLong));
        putVarint(body, value.toULongLong());
        return;
      case QMetaType::Float:
        body.append(static_cast<char>(kFloat));
        putRaw(body, value.toFloat());
        return;
      case QMetaType::Double:
        body.append(static_cast<char>(kDouble));
        putRaw(body, value.toDouble());
        return;
      case QMetaType::QString:
      case QMetaType::QByteArray:
      case QMetaType::QChar:
        body.append(static_cast<char>(kText));
        text(value.toString());
        return;
      case QMetaType::QStringList: {
        const QStringList list = value.toStringList();
        body.append(static_cast<char>(kTexts));
        putVarint(body, static_cast<quint64>(list.size()));
        for (const QString& item : list) text(item);
        return;
      }
      case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        if (!list.isEmpty() && (packed<double>(list, QMetaType::Double, kDoubles) ||
                                packed<float>(list, QMetaType::Float, kFloats) ||
                                packed<QString>(list, QMetaType::QString, kTexts)))
          return;
        body.append(static_cast<char>(kList));
        putVarint(body, static_cast<quint64>(list.size()));
        for (const QVariant& item : list) write(item);
        return;
      }
      case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        body.append(static_cast<char>(kMap));
        putVarint(body, static_cast<quint64>(map.size()));
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
          text(it.key());
          write(it.value());
        }
        return;
      }
      default:
        // Answers hold nothing else; anything that does not fit reads
        // back as null rather than as a value of another meaning.
        body.append(static_cast<char>(kNull));
        return;
    }
  }

  QByteArray body;
  QList<QString> texts;
  QHash<QString, quint64> textIndex;
};

// A count read from the bytes sizes no allocation beyond this: a damaged
// blob could name far more items than it holds.
qsizetype reserveFor(quint64 count) {
  return static_cast<qsizetype>(std::min<quint64>(count, 4096));
}

// An answer's table of texts, read as the value meets them: the encoder
// writes each text where the value first names it, so the n-th new text
// named is the n-th of the table. A table that holds a text the value never
// names, or names out of that order, was not written by the encoder; and a
// reader never holds more texts than the value names.
class TextTable {
 public:
  // Checks every length of the table and moves `at` past it.
  bool open(const char*& at, const char* end) {
    if (at == end || *at++ != kMagic) return false;
    if (!readVarint(at, end, left) || left > static_cast<quint64>(end - at)) return false;
    cursor = at;
    limit = end;
    for (quint64 i = 0; i < left; ++i) {
      quint64 size = 0;
      if (!readVarint(at, end, size) || size > static_cast<quint64>(end - at)) return false;
      at += size;
    }
    return true;
  }
  // The next text not met yet; false when the table has no more.
  bool next(const char*& data, quint64& size) {
    if (left == 0) return false;
    --left;
    readVarint(cursor, limit, size);
    data = cursor;
    cursor += size;
    return true;
  }
  bool allUsed() const { return left == 0; }

 private:
  const char* cursor = nullptr;
  const char* limit = nullptr;
  quint64 left = 0;
};

class Decoder {
 public:
  explicit Decoder(const QByteArray& bytes)
      : at(bytes.constData()), end(bytes.constData() + bytes.size()) {}

  std::optional<QVariant> run() {
    if (!table.open(at, end)) return std::nullopt;
    QVariant value;
    if (!read(value, 0) || at != end || !table.allUsed()) return std::nullopt;
    return value;
  }

 private:
  bool varint(quint64& value) { return readVarint(at, end, value); }
  bool text(QString& value) {
    quint64 index = 0;
    if (!varint(index)) return false;
    if (index == static_cast<quint64>(texts.size())) {
      const char* data = nullptr;
      quint64 size = 0;
      if (!table.next(data, size)) return false;
      texts.append(QString::fromUtf8(data, static_cast<qsizetype>(size)));
    }
    if (index >= static_cast<quint64>(texts.size())) return false;
    value = texts.at(static_cast<qsizetype>(index));
    return true;
  }
  // A count of items that take at least `least` bytes each.
  bool count(quint64& value, std::size_t least) {
    return varint(value) && value <= static_cast<quint64>(end - at) / least;
  }
  template <typename T>
  bool raw(T& value) {
    if (static_cast<std::size_t>(end - at) < sizeof(T)) return false;
    std::memcpy(&value, at, sizeof(T));
    at += sizeof(T);
    return true;
  }
  template <typename T>
  bool packed(QVariant& value) {
    quint64 n = 0;
    if (!count(n, sizeof(T))) return false;
    QVariantList list;
    list.reserve(reserveFor(n));
    for (quint64 i = 0; i < n; ++i) {
      T item{};
      raw(item);
      list.append(QVariant::fromValue(item));
    }
    value = list;
    return true;
  }

  bool read(QVariant& value, int depth) {
    if (depth > kMaxDepth || at == end) return false;
    const auto tag = static_cast<std::uint8_t>(*at++);
    quint64 n = 0;
    switch (tag) {
      case kNull:
        value = QVariant();
        return true;
      case kFalse:
      case kTrue:
        value = tag == kTrue;
        return true;
      case kInt:
        if (!varint(n)) return false;
        value = static_cast<int>(unzigzag(n));
        return true;
      case kLongLong:
        if (!varint(n)) return false;
        value = static_cast<qlonglong>(unzigzag(n));
        return true;
      case kUInt:
        if (!varint(n)) return false;
        value = static_cast<uint>(n);
        return true;
      case kULongLong:
        if (!varint(n)) return false;
        value = static_cast<qulonglong>(n);
        return true;
      case kFloat: {
        float f = 0;
        if (!raw(f)) return false;
        value = QVariant::fromValue(f);
        return true;
      }
      case kDouble: {
        double d = 0;
        if (!raw(d)) return false;
        value = d;
        return true;
      }
      case kText: {
        QString s;
        if (!text(s)) return false;
        value = s;
        return true;
      }
      case kDoubles:
        return packed<double>(value);
      case kFloats:
        return packed<float>(value);
      case kTexts: {
        if (!count(n, 1)) return false;
        QVariantList list;
        list.reserve(reserveFor(n));
        for (quint64 i = 0; i < n; ++i) {
          QString s;
          if (!text(s)) return false;
          list.append(s);
        }
        value = list;
        return true;
      }
      case kList: {
        if (!count(n, 1)) return false;
        QVariantList list;
        list.reserve(reserveFor(n));
        for (quint64 i = 0; i < n; ++i) {
          QVariant item;
          if (!read(item, depth + 1)) return false;
          list.append(std::move(item));
        }
        value = list;
        return true;
      }
      case kMap: {
        if (!count(n, 2)) return false;
        QVariantMap map;
        for (quint64 i = 0; i < n; ++i) {
          QString key;
          QVariant item;
          if (!text(key) || !read(item, depth + 1)) return false;
          map.insert(key, std::move(item));
          // The encoder writes a map's members once each: a name given
          // twice was not written by it.
          if (map.size() != static_cast<qsizetype>(i + 1)) return false;
        }
        value = map;
        return true;
      }
      default:
        return false;
    }
  }

  const char* at;
  const char* end;
  TextTable table;
  // The texts met so far, in the order first met.
  QList<QString> texts;
};

// Walks a value as the decoder does, adding up what it would hold, and
// allocates nothing beyond the sizes of the texts it meets (one number a
// text named).
class Measurer {
 public:
  explicit Measurer(const QByteArray& bytes)
      : at(bytes.constData()), end(bytes.constData() + bytes.size()) {}

  std::optional<std::uint64_t> run() {
    if (!table.open(at, end)) return std::nullopt;
    if (!read(0) || at != end || !table.allUsed()) return std::nullopt;
    return total;
  }

 private:
  // A variant, and a text's header and characters in UTF-16.
  static constexpr std::uint64_t kValue = 32;
  static constexpr std::uint64_t kTextHeader = 32;
  // A text of the table, held once beside the value (its slot, which the
  // list may hold twice over while it grows).
  static constexpr std::uint64_t kTableSlot = 2 * sizeof(QString);

  bool varint(quint64& value) { return readVarint(at, end, value); }
  // Stops short of wrapping: past this, the answer fits no machine anyway.
  void add(std::uint64_t bytes) { total = std::min(total + std::min(bytes, kCeiling), kCeiling); }
  static constexpr std::uint64_t kCeiling = std::uint64_t(1) << 60;
  bool text() {
    quint64 index = 0;
    if (!varint(index)) return false;
    if (index == sizes.size()) {
      const char* data = nullptr;
      quint64 size = 0;
      if (!table.next(data, size)) return false;
      sizes.push_back(size);
      add(kTableSlot + kTextHeader + 2 * size);
    }
    if (index >= sizes.size()) return false;
    add(kValue + kTextHeader + 2 * sizes[static_cast<std::size_t>(index)]);
    return true;
  }
  bool count(quint64& value, std::size_t least) {
    return varint(value) && value <= static_cast<quint64>(end - at) / least;
  }
  bool skip(std::size_t bytes) {
    if (static_cast<std::size_t>(end - at) < bytes) return false;
    at += bytes;
    return true;
  }
  bool read(int depth) {
    if (depth > kMaxDepth || at == end) return false;
    const auto tag = static_cast<std::uint8_t>(*at++);
    quint64 n = 0;
    add(kValue);
    switch (tag) {
      case kNull:
      case kFalse:
      case kTrue:
        return true;
      case kInt:
      case kLongLong:
      case kUInt:
      case kULongLong:
        return varint(n);
      case kFloat:
        return skip(sizeof(float));
      case kDouble:
        return skip(sizeof(double));
      case kText:
        return text();
      case kDoubles:
      case kFloats: {
        const std::size_t size = tag == kDoubles ? sizeof(double) : sizeof(float);
        if (!count(n, size)) return false;
        add(n * kValue);
        return skip(static_cast<std::size_t>(n) * size);
      }
      case kTexts:
        if (!count(n, 1)) return false;
        for (quint64 i = 0; i < n; ++i) {
          if (!text()) return false;
        }
        return true;
      case kList:
        if (!count(n, 1)) return false;
        for (quint64 i = 0; i < n; ++i) {
          if (!read(depth + 1)) return false;
        }
        return true;
      case kMap:
        if (!count(n, 2)) return false;
        for (quint64 i = 0; i < n; ++i) {
          if (!text() || !read(depth + 1)) return false;
        }
        return true;
      default:
        return false;
    }
  }

  const char* at;
  const char* end;
  TextTable table;
  // The sizes of the texts met so far.
  std::vector<quint64> sizes;
  std::uint64_t total = 0;
};

}  // namespace

void putVarint(QByteArray& out, quint64 value) {
  while (value >= 0x80) {
    out.append(static_cast<char>((value & 0x7F) | 0x80));
    value >>= 7;
  }
  out.append(static_cast<char>(value));
}

bool readVarint(const char*& at, const char* end, quint64& value) {
  value = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (at == end) return false;
    const auto byte = static_cast<std::uint8_t>(*at++);
    value |= static_cast<quint64>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

quint64 zigzag(qint64 value) {
  return (static_cast<quint64>(value) << 1) ^ static_cast<quint64>(value >> 63);
}

qint64 unzigzag(quint64 value) {
  return static_cast<qint64>(value >> 1) ^ -static_cast<qint64>(value & 1);
}

QByteArray encodeCompact(const QVariant& value) {
  return Encoder().finish(value);
}

QByteArray encodeCompact(const QJsonValue& value) {
  return Encoder().finish(value);
}

std::optional<QVariant> decodeCompact(const QByteArray& bytes) {
  return Decoder(bytes).run();
}

std::optional<std::uint64_t> compactDecodedBytes(const QByteArray& bytes) {
  return Measurer(bytes).run();
}

}  // namespace halvory_app
