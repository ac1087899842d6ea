// Hostile and damaged project files in the compact form: a file that would
// amplify itself opens within a bounded cost or is refused, every count and
// index is checked before use (the sanitizer build runs this too), every
// changed byte is refused or reads back the same, and a lock is taken only
// as the page could set it.

#include <new>
#include <random>
#include <tuple>

#include <QBuffer>
#include <QCborArray>
#include <QCborMap>
#include <QCborStreamWriter>
#include <QCborValue>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "controller/compact_rows.hpp"
#include "controller/node_lock_table.hpp"
#include "controller/project_file.hpp"
#include "controller/project_stream.hpp"
#include "controller/result_tree.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;
using halvory_app::ProjectFileError;
using halvory_app::ProjectFileReadResult;

namespace {

constexpr std::uint64_t kMiB = std::uint64_t(1) << 20;

// Reads a file's bytes in the compact form; a file that needs more memory
// than `budget` gives "bad_alloc" as its reason.
ProjectFileReadResult readBytes(const QByteArray& bytes, std::uint64_t budget = 1024 * kMiB) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  try {
    return halvory_app::readProjectStream(buffer, nullptr, budget);
  } catch (const std::bad_alloc&) {
    ProjectFileReadResult refused;
    refused.error = ProjectFileError::InvalidData;
    refused.reason = QStringLiteral("bad_alloc");
    return refused;
  }
}

// Everything a read gives back, as bytes to compare.
QByteArray answersOf(const halvory_app::ProjectFileContents& c) {
  QCborArray out{QCborValue::fromVariant(c.project),
                 c.hasResults,
                 c.resultsSummary,
                 c.resultStartingPot,
                 c.resultIterations,
                 c.resultExploitability,
                 c.resultEvOop,
                 c.resultEvIp,
                 QCborValue::fromVariant(c.rootActions),
                 c.effectiveStack,
                 QCborValue::fromVariant(c.nodeLocks),
                 QCborValue::fromVariant(c.lastUiCfg)};
  for (std::size_t node = 0; node < c.treeRows.size(); ++node) {
    const halvory_app::TreeNodeMeta row = c.treeRows.row(node);
    QCborArray r{QString::fromStdString(row.node_type),
                 QString::fromStdString(row.chance_deal),
                 QString::fromStdString(row.player),
                 row.pot,
                 row.invested_oop,
                 row.invested_ip};
    for (const auto& a : row.actions)
      r << QString::fromStdString(a.name) << QString::fromStdString(a.action_type)
        << double(a.frequency) << qint64(a.child_index);
    out << r;
  }
  for (const auto& kind : c.cacheBlobs) {
    QCborMap blobs;
    for (auto it = kind.cbegin(); it != kind.cend(); ++it) blobs.insert(it.key(), it.value());
    out << blobs;
  }
  return QCborValue(out).toCbor();
}

// The process's resident memory, and its peak since the last reset.
qint64 statusKiB(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  status.open(QIODevice::ReadOnly);
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field))
      return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
  return -1;
}
bool resetPeak() {
  QFile refs(QStringLiteral("/proc/self/clear_refs"));
  return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// A compact file of the unsealed version around the given results and
// node answers, as anyone could write it.
QByteArray craftedFile(qint64 nodeCount, const QList<QByteArray>& chunks,
                       const QList<std::pair<const char*, QByteArray>>& answers) {
  QCborArray tree;
  for (const QByteArray& chunk : chunks) tree << chunk;
  QCborMap caches;
  for (const auto& [kind, blob] : answers) {
    QCborArray entries = caches.value(QLatin1String(kind)).toArray();
    entries << QCborArray{qint64(entries.size()), blob};
    caches.insert(QLatin1String(kind), entries);
  }
  const QCborMap results{{QStringLiteral("nodeCount"), nodeCount},
                         {QStringLiteral("rootActions"), QCborArray{}},
                         {QStringLiteral("tree"), tree}};
  const QCborMap file{{QStringLiteral("format"), QStringLiteral("halvory_project")},
                      {QStringLiteral("version"), 2},
                      {QStringLiteral("project"), QCborMap{}},
                      {QStringLiteral("hasResults"), true},
                      {QStringLiteral("results"), results},
                      {QStringLiteral("nodeCaches"), caches}};
  return QCborValue(file).toCbor();
}

// Tree rows that all name one text of `textBytes` for their type, deal and
// player: seven bytes a row in the file.
QByteArray treeChunkNaming(int rows, int textBytes) {
  QByteArray chunk;
  halvory_app::putVarint(chunk, 1);
  halvory_app::putVarint(chunk, static_cast<quint64>(textBytes));
  chunk.append(QByteArray(textBytes, 'x'));
  for (int i = 0; i < rows; ++i) chunk.append(QByteArray(7, '\0'));
  return chunk;
}

// A node answer of `rows` rows, each a list of `uses` uses of one text of
// `textBytes`.
QByteArray answerNaming(int rows, int uses, int textBytes) {
  QByteArray blob("R");
  halvory_app::putVarint(blob, 1);
  halvory_app::putVarint(blob, static_cast<quint64>(textBytes));
  blob.append(QByteArray(textBytes, 'y'));
  blob.append(char(10));  // a list
  halvory_app::putVarint(blob, static_cast<quint64>(rows));
  for (int r = 0; r < rows; ++r) {
    blob.append(char(14));  // a list of texts
    halvory_app::putVarint(blob, static_cast<quint64>(uses));
    blob.append(QByteArray(uses, '\0'));
  }
  return blob;
}

// A root without actions, then a node of `actions` actions, each naming
// the one text of `textBytes` for its name and its type: seven bytes an
// action in the file.
QByteArray treeChunkOfActions(int actions, int textBytes) {
  QByteArray chunk = treeChunkNaming(1, textBytes);
  chunk.append(QByteArray(6, '\0'));
  halvory_app::putVarint(chunk, static_cast<quint64>(actions));
  for (int a = 0; a < actions; ++a) chunk.append(QByteArray(7, '\0'));
  return chunk;
}

// A node answer whose table holds `texts` empty texts, and whose `rows`
// rows (lists of `perRow` texts) name the first of them in order.
QByteArray answerOfEmptyTexts(int texts, int rows, int perRow) {
  QByteArray blob("R");
  halvory_app::putVarint(blob, static_cast<quint64>(texts));
  blob.append(QByteArray(texts, '\0'));
  blob.append(char(10));  // a list
  halvory_app::putVarint(blob, static_cast<quint64>(rows));
  for (int r = 0; r < rows; ++r) {
    blob.append(char(14));  // a list of texts
    halvory_app::putVarint(blob, static_cast<quint64>(perRow));
    for (int i = 0; i < perRow; ++i) halvory_app::putVarint(blob, quint64(r) * perRow + i);
  }
  return blob;
}

// A file with one more member after the others, where no checksum covers
// it (the writer leaves the member list open, a map encoder closes it).
QByteArray withMemberAfter(QByteArray bytes, const QString& key, const QCborValue& value) {
  const QByteArray member = QCborValue(key).toCbor() + value.toCbor();
  if (uchar(bytes.front()) == 0xbf) return bytes.insert(bytes.size() - 1, member);
  bytes[0] = char(bytes[0] + 1);
  return bytes + member;
}

// A figure no file holds by chance, put where a test changes its bytes.
const QCborValue kSentinel(4321.125);

// The bytes with the one run of `encoded` they hold replaced.
QByteArray replacing(QByteArray bytes, const QByteArray& encoded, const QByteArray& with) {
  const qsizetype at = bytes.indexOf(encoded);
  if (at < 0 || bytes.indexOf(encoded, at + 1) >= 0) return {};
  return bytes.replace(at, encoded.size(), with);
}
QByteArray replacing(const QByteArray& bytes, const QCborValue& value, const QByteArray& with) {
  return replacing(bytes, value.toCbor(), with);
}

// The members with `figure` at `field`: a result figure, the first root
// action's frequency, a lock's second probability, or a member of the
// set-up or of the solve settings.
QCborMap withFigureAt(QCborMap members, const QString& field, const QCborValue& figure) {
  const QString top = field.section(QLatin1Char('.'), 0, 0);
  const QString key = field.section(QLatin1Char('.'), 1);
  if (field.startsWith(QLatin1String("results.rootActions"))) {
    QCborMap results = members.value(top).toMap();
    QCborArray actions = results.value(QStringLiteral("rootActions")).toArray();
    QCborMap first = actions.at(0).toMap();
    first.insert(QStringLiteral("frequency"), figure);
    actions[0] = first;
    results.insert(QStringLiteral("rootActions"), actions);
    members.insert(top, results);
  } else if (field.startsWith(QLatin1String("nodeLocks"))) {
    members.insert(QStringLiteral("nodeLocks"),
                   QCborArray{QCborMap{{QStringLiteral("nodeIndex"), 0},
                                       {QStringLiteral("hand"), QStringLiteral("AA")},
                                       {QStringLiteral("actionProbs"), QCborArray{0.5, figure}}}});
  } else {
    QCborMap map = members.value(top).toMap();
    map.insert(key, figure);
    members.insert(top, map);
  }
  return members;
}

}  // namespace

class ProjectDamageTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QByteArray sealedFile;  // a solved river spot with answers and locks
  QByteArray answers;     // what it reads back as

 private slots:
  void initTestCase() {
    useIsolatedSettings();
    QVERIFY(dir.isValid());
    AppController solved;
    // Few hands, so that the file is small enough to change byte by byte.
    QVariantMap spot = riverSpotConfig(20);
    spot.insert("oop_range", "AA, 77");
    spot.insert("ip_range", "AK, 99");
    QVERIFY(solveAndWait(solved, spot));
    solved.setNodeLock(0, QStringLiteral("AA"), 0, 0.75);
    solved.nodeHandCombos(1);
    const QString path = dir.filePath(QStringLiteral("river.pellarisproj"));
    QVERIFY(
        solved.saveProject(QUrl::fromLocalFile(path), QVariantMap{{"boardText", "AhKd7c2s9h"}}));
    sealedFile = readAll(path);
    const ProjectFileReadResult read = readBytes(sealedFile);
    QCOMPARE(read.error, ProjectFileError::None);
    QVERIFY(!read.contents.nodeLocks.isEmpty());
    answers = answersOf(read.contents);
  }

  // Refused under the name of the part at fault: a tree step near the
  // largest integer (the reader once added it to the node before checking
  // it, and overflowed), and a member its checksum disagrees with.
  void damageIsRefusedUnderItsName() {
    const QByteArray overflow = QByteArray::fromHex(
        "a566666f726d61746f68616c766f72795f70726f6a6563746776657273696f6e026770726f6a656374a06a6861"
        "73526573756c7473f567726573756c7473a2696e6f6465436f756e740264747265658158280101640000000000"
        "000100000000003f020000000000000100000000003ffeffffffffffffffff01");
    QCOMPARE(overflow.size(), 122);
    QCborMap members = QCborValue::fromCbor(sealedFile).toMap();
    QCborMap project = members.value(QStringLiteral("project")).toMap();
    project.insert(QStringLiteral("boardText"), QStringLiteral("AhKd7c2s9d"));
    members.insert(QStringLiteral("project"), project);
    for (const auto& [file, field] :
         {std::pair{overflow, QStringLiteral("results.tree[0]")},
          std::pair{encodeMembers(members), QStringLiteral("project")}}) {
      const ProjectFileReadResult read = readBytes(file);
      QCOMPARE(read.error, ProjectFileError::InvalidData);
      QCOMPARE(read.field, field);
    }
    QCOMPARE(readBytes(encodeMembers(members)).reason, QStringLiteral("is damaged"));
    // Marked as of the version before seals, which wrote no checksums, the
    // same damage is still refused.
    members.insert(QStringLiteral("version"), 2);
    members.insert(QStringLiteral("hasResults"), false);
    members.remove(QStringLiteral("results"));
    members.remove(QStringLiteral("nodeCaches"));
    QCOMPARE(readBytes(encodeMembers(members)).field, QStringLiteral("checksums"));
  }

  // Small files that name one long text from many rows: each opens within
  // a bounded cost (texts kept once) or is refused as needing more memory
  // than there is, before it is allocated.
  void amplifyingFilesOpenCheaplyOrAreRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("opens");
    QTest::newRow("100,000 rows naming a 100 KB text")
        << craftedFile(100000, {treeChunkNaming(100000, 100000)}, {}) << true;
    QTest::newRow("answer of 1,000 rows naming a 64 KiB text twice")
        << craftedFile(1, {treeChunkNaming(1, 1)},
                       {{"handCombosByNode", answerNaming(1000, 2, 65536)}})
        << true;
    QTest::newRow("answer of 1,300 rows naming a 1 MiB text 100 times each")
        << craftedFile(1, {treeChunkNaming(1, 1)},
                       {{"handCombosByNode", answerNaming(1300, 100, int(kMiB))}})
        << false;
  }
  void amplifyingFilesOpenCheaplyOrAreRefused() {
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    QVERIFY(file.size() < 2 * qint64(kMiB));
    const qint64 before = statusKiB("VmRSS:");
    const bool peakKnown = resetPeak();
    const ProjectFileReadResult read = readBytes(file, 4096 * kMiB);
    const qint64 grown = (peakKnown ? statusKiB("VmHWM:") : statusKiB("VmRSS:")) - before;
    QCOMPARE(read.error == ProjectFileError::None ? QString() : read.reason,
             opens ? QString() : QStringLiteral("bad_alloc"));
    QVERIFY2(grown < 300 * 1024, qPrintable(QStringLiteral("+%1 KiB").arg(grown)));
    // What they hold is counted as well: each that opens fits in 300 MiB.
    if (opens) QCOMPARE(readBytes(file, 300 * kMiB).error, ProjectFileError::None);
  }

  // Files whose one node or answer names many texts, or holds a table of
  // texts it never names: opened, every node and answer reads within a
  // bounded cost, shared rather than copied for each use.
  void everyNodeReadsWithinBoundedCost_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("opens");
    QTest::newRow("4,000 actions naming a 16 KB text")
        << craftedFile(2, {treeChunkOfActions(4000, 16000)}, {}) << true;
    QTest::newRow("answer with 4 million texts, one named")
        << craftedFile(1, {treeChunkNaming(1, 1)},
                       {{"handCombosByNode", answerOfEmptyTexts(4000000, 1, 1)}})
        << false;
    QTest::newRow("answer naming 100,000 texts")
        << craftedFile(1, {treeChunkNaming(1, 1)},
                       {{"handCombosByNode", answerOfEmptyTexts(100000, 500, 200)}})
        << true;
  }
  void everyNodeReadsWithinBoundedCost() {
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    const qint64 before = statusKiB("VmRSS:");
    const bool peakKnown = resetPeak();
    ProjectFileReadResult read = readBytes(file, 4096 * kMiB);
    QCOMPARE(read.error == ProjectFileError::None, opens);
    QVERIFY(opens || read.reason == QStringLiteral("is damaged"));
    ResultTree tree;
    const std::size_t nodes = read.contents.treeRows.size();
    tree.setSolved(std::move(read.contents.treeRows), 100.0);
    QVariantList shown;
    for (std::size_t node = 0; node < nodes; ++node)
      shown << tree.meta(qsizetype(node)) << QVariant(tree.actions(qsizetype(node)));
    for (const auto& kind : read.contents.cacheBlobs)
      for (const QByteArray& blob : kind) QVERIFY(halvory_app::decodeCompact(blob).has_value());
    const qint64 grown = (peakKnown ? statusKiB("VmHWM:") : statusKiB("VmRSS:")) - before;
    QVERIFY2(grown < 64 * 1024, qPrintable(QStringLiteral("+%1 KiB").arg(grown)));
    if (nodes > 1) QCOMPARE(shown.at(3).toList().size(), qsizetype(tree.actionCount(1)));
    // What those reads take is counted at the open: too little memory for
    // them refuses the file there.
    if (opens) QCOMPARE(readBytes(file, 2 * kMiB).reason, QStringLiteral("bad_alloc"));
  }

  // Only what the checksums cover is read, and a figure that is not
  // finite (which has no JSON form) is refused under its name.
  void unsealedAndNonFiniteMembersAreRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");
    QTest::newRow("results given twice")
        << withMemberAfter(sealedFile, "results", QCborMap{{QStringLiteral("resultEvOop"), 999.0}})
        << "results"
        << "is given twice";
    QTest::newRow("a member outside the seals")
        << withMemberAfter(sealedFile, "notes", QStringLiteral("x")) << "notes"
        << "is not covered by the checksums";
    QCborMap members = QCborValue::fromCbor(unsealedCopy(sealedFile)).toMap();
    QCborMap results = members.value(QStringLiteral("results")).toMap();
    results.insert(QStringLiteral("resultEvOop"), qInf());
    QCborMap withInf = members;
    withInf.insert(QStringLiteral("results"), results);
    QTest::newRow("infinite EV") << encodeMembers(withInf) << "results.resultEvOop"
                                 << "is not a finite number";
    QCborMap withNan = members;
    withNan.insert(QStringLiteral("nodeLocks"),
                   QCborArray{QCborMap{{QStringLiteral("nodeIndex"), 0},
                                       {QStringLiteral("hand"), QStringLiteral("AA")},
                                       {QStringLiteral("actionProbs"), QCborArray{0.5, qQNaN()}}}});
    QTest::newRow("lock probability NaN") << encodeMembers(withNan) << "nodeLocks[0].actionProbs[1]"
                                          << "is not a finite number";
    // Nor may the set-up, or the spot the results were solved on.
    for (const auto& [key, field, number] :
         {std::tuple{"project", "rake_percent", qQNaN()}, {"lastUiCfg", "rake_cap", -qInf()}}) {
      QCborMap withSpot = members;
      QCborMap spot = members.value(QLatin1String(key)).toMap();
      spot.insert(QLatin1String(field), number);
      withSpot.insert(QLatin1String(key), spot);
      QTest::newRow(key) << encodeMembers(withSpot) << QStringLiteral("%1.%2").arg(key, field)
                         << "is not a finite number";
    }
  }
  void unsealedAndNonFiniteMembersAreRefused() {
    QFETCH(QByteArray, file);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    const ProjectFileReadResult read = readBytes(file);
    QCOMPARE(read.error, ProjectFileError::InvalidData);
    QCOMPARE(read.field, field);
    QCOMPARE(read.reason, reason);
  }

  // A figure is taken only when it is finite, in whatever width it was
  // written, and never from under a tag (the program writes none, and a tag
  // would have the figure read as something else, a date say).
  void taggedOrNonFiniteFiguresAreRefused_data() {
    QTest::addColumn<QString>("field");
    for (const char* field :
         {"results.resultEvOop", "results.resultStartingPot", "results.effectiveStack",
          "results.rootActions[0].frequency", "nodeLocks[0].actionProbs[1]", "project.starting_pot",
          "lastUiCfg.rake_cap"})
      QTest::newRow(field) << QString::fromLatin1(field);
  }
  void taggedOrNonFiniteFiguresAreRefused() {
    QFETCH(QString, field);
    const QByteArray file = encodeMembers(
        withFigureAt(QCborValue::fromCbor(unsealedCopy(sealedFile)).toMap(), field, kSentinel));
    QCOMPARE(readBytes(file).error, ProjectFileError::None);
    const QByteArray doubleNan = QByteArray::fromHex("fb7ff8000000000000");
    const std::pair<const char*, const char*> forms[] = {
        {"c0fb7ff8000000000000", "is damaged"},           // tag 0, NaN
        {"c1fa7f800000", "is damaged"},                   // tag 1, single Inf
        {"c6f97e00", "is damaged"},                       // tag 6, half NaN
        {"d818fbfff0000000000000", "is damaged"},         // tag 24, -Inf
        {"d9d9f7fb4029b33333333333", "is damaged"},       // tag 55799, 12.85
        {"f97e00", "is not a finite number"},             // half NaN
        {"fa7f800000", "is not a finite number"},         // single Inf
        {"fbfff0000000000000", "is not a finite number"}  // -Inf
    };
    for (const auto& [bytes, reason] : forms) {
      const ProjectFileReadResult read =
          readBytes(replacing(file, kSentinel, QByteArray::fromHex(bytes)));
      const QString where = QStringLiteral("%1 as %2").arg(field, QLatin1String(bytes));
      QVERIFY2(read.error == ProjectFileError::InvalidData, qPrintable(where));
      QVERIFY2(read.field == field, qPrintable(where + ": " + read.field));
      QVERIFY2(read.reason == QLatin1String(reason), qPrintable(where));
    }
  }

  // A save is held to the same rules: what its open would refuse is not
  // written, and the user is told the part at fault.
  void aSaveRefusesWhatItsOpenWould_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");
    for (const char* field : {"project.starting_pot", "lastUiCfg.rake_cap", "results.resultEvOop",
                              "results.rootActions[0].frequency", "nodeLocks[0].actionProbs[1]"})
      QTest::newRow(field) << QString::fromLatin1(field) << "is not a finite number";
    QTest::newRow("a tag in the solve settings") << "lastUiCfg.rake_cap"
                                                 << "is damaged";
  }
  void aSaveRefusesWhatItsOpenWould() {
    QFETCH(QString, field);
    QFETCH(QString, reason);
    const QVariant figure = reason == QLatin1String("is damaged")
                                ? QVariant::fromValue(QCborValue(QCborTag(1), qQNaN()))
                                : QVariant(qQNaN());
    halvory_app::ProjectSnapshot snapshot;
    snapshot.project = QVariantMap{{"boardText", "AhKd7c2s9h"}};
    snapshot.hasResults = true;
    snapshot.held.rootActions = QVariantList{QVariantMap{{"frequency", 0.5}}};
    snapshot.nodeLocks = QVariantList{
        QVariantMap{{"nodeIndex", 0}, {"hand", "AA"}, {"actionProbs", QVariantList{0.5, 0.5}}}};
    QVERIFY(halvory_app::snapshotProblem(snapshot).first.isEmpty());
    if (field.startsWith("project.")) snapshot.project.insert("starting_pot", figure);
    if (field.startsWith("lastUiCfg.")) snapshot.lastUiCfg.insert("rake_cap", figure);
    if (field == "results.resultEvOop") snapshot.held.evOop = qQNaN();
    if (field.startsWith("results.rootActions"))
      snapshot.held.rootActions = QVariantList{QVariantMap{{"frequency", figure}}};
    if (field.startsWith("nodeLocks"))
      snapshot.nodeLocks = QVariantList{QVariantMap{
          {"nodeIndex", 0}, {"hand", "AA"}, {"actionProbs", QVariantList{0.5, figure}}}};
    const auto [at, why] = halvory_app::snapshotProblem(snapshot);
    QCOMPARE(at, field);
    QCOMPARE(why.worded(), reason);

    // Through the controller: refused with its reason, and nothing written.
    if (!field.startsWith("project.")) return;
    AppController controller;
    const QString path = dir.filePath(QStringLiteral("not-finite.pellarisproj"));
    QVERIFY(!controller.saveProject(QUrl::fromLocalFile(path), snapshot.project));
    QCOMPARE(controller.projectSaveError(),
             QStringLiteral("The file would not open again: the set-up is not a finite number"));
    QVERIFY(!QFile::exists(path));
  }

  // A member given twice is refused in any map the file holds, a version
  // given twice before the format too; a list of checksums that is no map
  // is named as the part at fault.
  void repeatedMembersAndDamagedChecksumsAreRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");
    const QByteArray twice = QByteArray::fromHex("a2616101616102");  // {"a": 1, "a": 2}
    const QCborMap members = QCborValue::fromCbor(unsealedCopy(sealedFile)).toMap();
    QByteArray version;
    {
      QCborStreamWriter out(&version);
      out.startMap(4);
      out.append(QLatin1String("version"));
      out.append(3);
      out.append(QLatin1String("version"));
      out.append(3);
      out.append(QLatin1String("format"));
      out.append(QLatin1String("halvory_project"));
      out.append(QLatin1String("project"));
      out.startMap(0);
      out.endMap();
      out.endMap();
    }
    QTest::newRow("version twice before the format") << version << "version"
                                                     << "is given twice";
    for (const char* key : {"project", "lastUiCfg"}) {
      QCborMap changed = members;
      changed.insert(QLatin1String(key), kSentinel);
      QTest::newRow(key) << replacing(encodeMembers(changed), kSentinel, twice)
                         << QStringLiteral("%1.a").arg(QLatin1String(key)) << "is given twice";
    }
    QCborMap withLock = members;
    withLock.insert(QStringLiteral("nodeLocks"), QCborArray{kSentinel});
    QTest::newRow("a lock") << replacing(encodeMembers(withLock), kSentinel,
                                         QByteArray::fromHex(
                                             "a3696e6f6465496e646578006468616e646241416468616e6462"
                                             "4b4b"))
                            << "nodeLocks[0].hand"
                            << "is given twice";
    // The checksums are the file's last member, written as they are.
    const QByteArray checksumsKey = QCborValue(QStringLiteral("checksums")).toCbor();
    const qsizetype start = sealedFile.lastIndexOf(checksumsKey) + checksumsKey.size();
    const qsizetype end = sealedFile.size() - (uchar(sealedFile.back()) == 0xff ? 1 : 0);
    const QByteArray sealedChecksums = sealedFile.mid(start, end - start);
    const QCborMap checksums = QCborValue::fromCbor(sealedChecksums).toMap();
    QByteArray repeated;
    {
      QCborStreamWriter out(&repeated);
      out.startMap(checksums.size() + 1);
      for (auto it = checksums.cbegin(); it != checksums.cend(); ++it) {
        it.key().toCbor(out);
        it.value().toCbor(out);
      }
      checksums.cbegin().key().toCbor(out);
      checksums.cbegin().value().toCbor(out);
      out.endMap();
    }
    QTest::newRow("the checksums")
        << replacing(sealedFile, sealedChecksums, repeated)
        << "checksums." + checksums.cbegin().key().toString() << "is given twice";
    QTest::newRow("checksums no map")
        << replacing(sealedFile, sealedChecksums, QCborValue(7).toCbor()) << "checksums"
        << "is damaged";
    // A node answer's own map, as the explorer keeps it.
    QTest::newRow("a node answer")
        << craftedFile(1, {treeChunkNaming(1, 1)},
                       {{"handStrategyByNode", QByteArray::fromHex("5201016b0b0200000000")}})
        << "nodeCaches.handStrategyByNode[node 0]"
        << "is damaged";
  }
  void repeatedMembersAndDamagedChecksumsAreRefused() {
    QFETCH(QByteArray, file);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    QVERIFY(!file.isEmpty());
    const ProjectFileReadResult read = readBytes(file);
    QCOMPARE(read.error, ProjectFileError::InvalidData);
    QCOMPARE(read.field, field);
    QCOMPARE(read.reason, reason);
    if (field != QLatin1String("checksums")) return;
    // The same words on every open.
    const QString path = dir.filePath(QStringLiteral("checksums.pellarisproj"));
    QVERIFY(writeAll(path, file));
    for (int open = 0; open < 3; ++open) {
      AppController controller;
      QCOMPARE(controller.loadProject(QUrl::fromLocalFile(path)).value("error").toString(),
               QStringLiteral("The project file is damaged: the list of checksums is damaged"));
    }
  }

  // An entry of a small member is a byte in the file and a map once
  // converted: the members are counted before they are, and lock entries
  // that name no node are not kept.
  void smallMembersAreCountedBeforeTheyAreConverted_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("nested");
    QTest::newRow("nodeLocks") << "nodeLocks" << false;
    QTest::newRow("lastUiCfg") << "lastUiCfg" << true;
    QTest::newRow("project") << "project" << true;
  }
  void smallMembersAreCountedBeforeTheyAreConverted() {
    QFETCH(QString, key);
    QFETCH(bool, nested);
    QCborMap members = QCborValue::fromCbor(craftedFile(1, {treeChunkNaming(1, 1)}, {})).toMap();
    QCborArray entries;
    for (int i = 0; i < 200000; ++i) entries << QCborMap{};
    members.insert(
        key, nested ? QCborValue(QCborMap{{QStringLiteral("x"), entries}}) : QCborValue(entries));
    const QByteArray file = encodeMembers(members);
    QCOMPARE(readBytes(file, 8 * kMiB).reason, QStringLiteral("bad_alloc"));
    const ProjectFileReadResult read = readBytes(file);
    QCOMPARE(read.error, ProjectFileError::None);
    QCOMPARE(read.contents.nodeLocks.size(), 0);
    if (!nested) return;
    // The text form counts the same members before converting them.
    QJsonArray list;
    for (int i = 0; i < 200000; ++i) list.append(QJsonObject{});
    QJsonObject text{
        {QStringLiteral("format"), QLatin1String(halvory_app::kProjectFormat)},
        {QStringLiteral("version"), halvory_app::kProjectVersion},
        {QStringLiteral("hasResults"), false},
        {QStringLiteral("project"),
         QCborValue::fromCbor(sealedFile).toMap().value(QStringLiteral("project")).toJsonValue()}};
    QJsonObject member = text.value(key).toObject();
    member.insert(QStringLiteral("x"), list);
    text.insert(key, member);
    const QByteArray bytes = QJsonDocument(text).toJson(QJsonDocument::Compact);
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, halvory_app::readProjectDocument(bytes, 8 * kMiB));
    QCOMPARE(halvory_app::readProjectDocument(bytes, 1024 * kMiB).error, ProjectFileError::None);
  }

  // Every byte of a small file changed in turn: the file is refused, or
  // reads back exactly what it held. The version before seals opens too.
  void everyChangedByteIsRefusedOrHarmless() {
    QCOMPARE(answersOf(readBytes(unsealedCopy(sealedFile)).contents), answers);
    int refused = 0;
    // One bit, the top bit or every bit of each byte, by turns.
    const char masks[] = {char(0x01), char(0x80), char(0xFF)};
    for (qsizetype i = 0; i < sealedFile.size(); ++i) {
      const char mask = masks[i % 3];
      QByteArray damaged = sealedFile;
      damaged[i] = static_cast<char>(damaged[i] ^ mask);
      const ProjectFileReadResult read = readBytes(damaged);
      refused += read.error != ProjectFileError::None ? 1 : 0;
      if (read.error == ProjectFileError::None && answersOf(read.contents) != answers)
        QFAIL(qPrintable(
            QStringLiteral("byte %1 ^ %2 read back changed").arg(i).arg(int(uchar(mask)))));
    }
    QVERIFY(refused > sealedFile.size() / 2);
  }

  // Random damage, and damage that keeps the structure but reaches the
  // decoders (the unsealed version has no seal to stop it): nothing
  // crashes or misbehaves under the sanitizers, and what opens keeps to
  // its budget. The seed is fixed, so a failure repeats.
  void fuzzedFilesAreReadSafely() {
    std::mt19937 random(77);
    const QByteArray base = unsealedCopy(sealedFile);
    const QCborMap members = QCborValue::fromCbor(base).toMap();
    const auto pick = [&](qsizetype n) {
      return static_cast<qsizetype>(random() %
                                    static_cast<std::uint32_t>(std::max<qsizetype>(n, 1)));
    };
    // Bytes that read as large counts, steps and indices.
    const QList<QByteArray> extremes = {
        QByteArray::fromHex("ffffffffffffffffff01"), QByteArray::fromHex("feffffffffffffffff01"),
        QByteArray::fromHex("ffffffff0f"), QByteArray(1, '\x7f'), QByteArray(1, '\0')};
    const auto mutate = [&](QByteArray bytes) {
      for (int e = int(random() % 4); e >= 0 && !bytes.isEmpty(); --e) {
        const qsizetype at = pick(bytes.size());
        const int how = int(random() % 5);
        if (how == 0) bytes[at] = static_cast<char>(random());
        if (how == 1) bytes.insert(at, extremes[pick(extremes.size())]);
        if (how == 2) bytes.remove(at, 1 + pick(8));
        if (how == 3) bytes.truncate(at);
        if (how == 4)
          bytes.replace(at, std::min<qsizetype>(10, bytes.size() - at), extremes[pick(2)]);
      }
      return bytes;
    };
    // Damage inside one entry of a list in a member: a tree chunk, or one
    // node answer (the second of its pair).
    const auto mutateEntry = [&](QCborMap outer, const QString& key, bool inPair) {
      const QList<QCborValue> keys = outer.keys();
      const QCborValue inner = inPair ? keys.value(pick(keys.size())) : QCborValue(key);
      QCborArray entries = outer.value(inner).toArray();
      if (entries.isEmpty()) return outer;
      const qsizetype e = pick(entries.size());
      entries[e] = inPair
                       ? QCborValue(QCborArray{entries[e][0], mutate(entries[e][1].toByteArray())})
                       : QCborValue(mutate(entries[e].toByteArray()));
      outer.insert(inner, entries);
      return outer;
    };
    int opened = 0;
    for (int round = 0; round < 1500; ++round) {
      QCborMap changed = members;
      if (round % 3 == 1) {
        QCborMap results = mutateEntry(members.value(QStringLiteral("results")).toMap(),
                                       QStringLiteral("tree"), false);
        if (random() % 4 == 0) results.insert(QStringLiteral("nodeCount"), qint64(random()));
        changed.insert(QStringLiteral("results"), results);
      } else if (round % 3 == 2) {
        changed.insert(QStringLiteral("nodeCaches"),
                       mutateEntry(members.value(QStringLiteral("nodeCaches")).toMap(), {}, true));
      }
      const QByteArray file = round % 3 == 0 ? mutate(base) : encodeMembers(changed);
      if (readBytes(file, 256 * kMiB).error == ProjectFileError::None) ++opened;
    }
    // Some damage is harmless (a frequency changed, say); most is not.
    QVERIFY(opened < 1500);
  }

  // A lock is read only as the page could set it: an action of its node,
  // or one probability for each of its actions.
  void locksThePageCouldNotSetAreDropped() {
    NodeLockTable table(nullptr, [](int node) { return node == 1 ? 3 : 0; });
    const auto lock = [](int node, const char* hand, const QVariant& action) {
      QVariantMap lock{{"nodeIndex", node}, {"hand", hand}};
      if (action.typeId() == QMetaType::QVariantList)
        lock.insert("actionProbs", action);
      else
        lock.insert("actionIndex", action), lock.insert("actionProb", 0.0);
      return QVariant(lock);
    };
    table.nodeLocksFromJson({lock(1, "AKs", 7), lock(1, "AQs", 3),
                             lock(1, "KQs", QVariantList{0.5, 0.5}),
                             lock(1, "JJ", QVariantList{0.2, 0.3, 0.5, 0.0}), lock(0, "TT", 0),
                             lock(1, "AA", 2), lock(1, "KK", QVariantList{0.0, 1.0, 3.0})});
    const QVariantList rows = table.rows(1);
    QStringList hands;
    for (const QVariant& row : rows) hands << row.toMap().value("hand").toString();
    hands.sort();
    QCOMPARE(hands, QStringList({"AA", "KK"}));
    QCOMPARE(table.rows(0), QVariantList());
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ProjectDamageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "project_damage_test.moc"
