#pragma once
// Project files in their compact form: a CBOR document written and read
// member by member, so neither side holds the file, or a document of it, in
// memory. The tree travels as packed chunks of rows and every node answer
// as the explorer's own compact bytes, so a file grows with the nodes that
// were read rather than with the tree. Every part carries a CRC-32, so that
// damage inside a value is refused rather than read as a figure. Runs on a
// worker thread: everything it reads is a shared, unchanging copy taken on
// the GUI thread.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QCborValue>
#include <QHash>
#include <QFileDevice>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "controller/compact_rows.hpp"
#include "controller/file_reason.hpp"
#include "controller/held_result.hpp"
#include "controller/packed_tree.hpp"
#include "controller/result_tree.hpp"
#include "session/solve_records.hpp"

namespace halvory_app {

// Version 3 seals every part it writes with a CRC-32; files of version 2
// carry none and are read as they are.
inline constexpr int kProjectStreamVersion = 3;
inline constexpr int kProjectStreamUnsealedVersion = 2;

// zlib's CRC-32 of the bytes, continuing from `crc`.
quint32 crc32Of(const char* data, qsizetype size, quint32 crc = 0);
inline quint32 crc32Of(const QByteArray& bytes, quint32 crc = 0) {
  return crc32Of(bytes.constData(), bytes.size(), crc);
}
// A tree chunk or a node answer travels with its CRC-32 in its last four
// bytes; a node answer's CRC covers its node as well. `unseal` takes the
// four bytes off and says whether they agree.
quint32 entryCrc(qint64 node, const QByteArray& bytes);
QByteArray sealed(const QByteArray& bytes, quint32 crc);
bool unseal(QByteArray& bytes, quint32& crc);
// A small member's CRC-32: of its name, then of its value's CBOR encoding.
quint32 memberCrc(const QString& key, const QCborValue& value, quint32 crc = 0);

using CacheBlobs = std::array<QHash<int, QByteArray>, kRowsKinds>;

// The file's names of the six kinds of node answer.
const char* cacheKeyOf(RowsKind kind);

// What a save writes, taken whole when the save begins.
struct ProjectSnapshot {
  QVariantMap project;
  bool hasResults = false;
  HeldResult held;
  ResultTree tree;
  CacheBlobs caches;
  QVariantList nodeLocks;
  QVariantMap lastUiCfg;
};

// Tells how far the work is (0 to 1); false asks it to stop.
using StreamProgress = std::function<bool(double)>;

// Why the file a save of `snapshot` would write could not be opened again,
// by the reader's own rules (a figure that is not finite, a board the
// set-up page would not take): the member at fault and the reason, or an
// empty member when there is nothing.
std::pair<QString, FileReason> snapshotProblem(const ProjectSnapshot& snapshot);

// False when the device failed or the progress asked to stop; `error` then
// says which.
bool writeProjectStream(QFileDevice& file, const ProjectSnapshot& snapshot,
                        const StreamProgress& progress, QString& error);

// Packed tree rows; a chunk holds the rows of consecutive nodes.
QByteArray encodeTreeChunk(const ResultTree& tree, qsizetype first, qsizetype count);
// What reading a file may still allocate. Each part is counted before it
// is allocated; past the budget the reading stops as an allocation that
// fails stops it (std::bad_alloc), and the file is refused as needing more
// memory than the machine can give.
class MemoryBudget {
 public:
  explicit MemoryBudget(std::uint64_t bytes) : left(bytes) {}
  void charge(std::uint64_t bytes) {
    if (bytes > left) throw std::bad_alloc();
    left -= bytes;
  }
  // What was counted for a part that has been let go.
  void refund(std::uint64_t bytes) { left += bytes; }
  std::uint64_t remaining() const { return left; }

 private:
  std::uint64_t left;
};

// Appends the chunk's texts, rows and actions, counted against the budget
// first; false when the bytes are damaged or a child lies outside
// [0, nodeCount).
bool decodeTreeChunk(const QByteArray& bytes, qsizetype firstNode, qsizetype nodeCount,
                     PackedTree& tree, MemoryBudget& budget);

}  // namespace halvory_app
