#pragma once
// Reading a project file into plain values. Members are converted leniently,
// as Qt converts variants; only what cannot be loaded safely is refused
// (an index outside the tree, a number that is not finite, a cached list
// that does not fit its node). The whole document is checked before the
// caller changes anything, so a file is either taken as a whole or refused
// as a whole.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QIODevice>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include "controller/compact_rows.hpp"
#include "controller/file_reason.hpp"
#include "controller/packed_tree.hpp"
#include "session/solve_records.hpp"

namespace halvory_app {

inline constexpr const char* kProjectFormat = "halvory_project";
inline constexpr int kProjectVersion = 1;

// Larger files are refused before they are read: a project of this size is
// far beyond any real one, and parsing it would hold several times as much.
inline constexpr qint64 kProjectFileMaxBytes = qint64(512) * 1024 * 1024;

enum class ProjectFileError {
  None,
  InvalidJson,
  UnrecognizedFormat,
  UnsupportedVersion,
  InvalidData,
};

// Everything a project file restores, converted to the controller's types.
struct ProjectFileContents {
  QVariantMap project;
  bool hasResults = false;

  QString resultsSummary;
  double resultStartingPot = 0.0;
  std::int32_t resultIterations = 0;
  double resultExploitability = 0.0;
  double resultEvOop = 0.0;
  double resultEvIp = 0.0;
  QVariantList rootActions;
  QList<QVariantMap> treeNodeMeta;
  QList<QVariantList> treeNodeActions;

  QHash<int, QVariantMap> handStrategyByNode;
  QHash<int, QVariantList> actionStatsByNode;
  QHash<int, QVariantList> handCombosByNode;
  QHash<int, QVariantList> handBucketsByNode;
  QHash<int, QVariantList> seatHandCombosOopByNode;
  QHash<int, QVariantList> seatHandCombosIpByNode;

  QVariantList nodeLocks;
  QVariantMap lastUiCfg;

  // The tree as packed rows and every answer as the explorer's bytes, in
  // place of the lists and maps above: both forms are read into these (the
  // text form's tree and answers are converted as they are read). `compact`
  // says which form the file was in.
  bool compact = false;
  PackedTree treeRows;
  double effectiveStack = 0.0;
  std::array<QHash<int, QByteArray>, kRowsKinds> cacheBlobs;
};

struct ProjectFileReadResult {
  ProjectFileError error = ProjectFileError::None;
  // InvalidData: the offending member as a path such as
  // "results.treeNodeActions[0][1].childIndex", and what is wrong with it.
  QString field;
  FileReason reason;
  ProjectFileContents contents;
};

// Parses and checks one project document (the file's bytes). The parse and
// the conversion of the members kept as variants are counted against
// `memoryBytes` (by default the memory the machine has available) before
// they are made; a file that needs more is refused by std::bad_alloc.
ProjectFileReadResult readProjectDocument(const QByteArray& bytes);
ProjectFileReadResult readProjectDocument(const QByteArray& bytes, std::uint64_t memoryBytes);
// The same, telling `progress` how far it is (0 to 1) as it goes; what the
// progress answers is not asked.
ProjectFileReadResult readProjectDocument(const QByteArray& bytes, std::uint64_t memoryBytes,
                                          const std::function<bool(double)>& progress);

// The memory a file being read may take: what the machine has available
// (unbounded when that is unknown).
std::uint64_t projectReadBudget();

// The compact, streamed form (project_stream.hpp); `progress` hears how far
// the reading is and may stop it. What the file holds once decoded is
// counted before it is allocated: a file that needs more than
// `memoryBytes` (by default the memory the machine has available) is
// refused as memory running out is, by std::bad_alloc.
ProjectFileReadResult readProjectStream(QIODevice& device,
                                        const std::function<bool(double)>& progress);
ProjectFileReadResult readProjectStream(QIODevice& device,
                                        const std::function<bool(double)>& progress,
                                        std::uint64_t memoryBytes);
// Whether a file beginning with this byte is in the compact form.
bool isProjectStream(char firstByte);

}  // namespace halvory_app
