// The two forms of project file read by one rule: the text form and the
// compact file a save makes of the same project refuse the same faults
// (members nested deeper than a value is read, members given twice, figures
// a tree row cannot hold) and take the same figures; whatever an open takes,
// a save writes back and the next open shows unchanged. And the text form's
// open tells how far it is while it reads.

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>

#include <QBuffer>
#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "controller/project_file.hpp"
#include "controller/project_stream.hpp"
#include "controller/result_tree.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;
using halvory_app::ProjectFileError;
using halvory_app::ProjectFileReadResult;

namespace {

constexpr std::uint64_t kBudget = std::uint64_t(1) << 30;

// A small project of the text form: a three-node tree, the root's answers
// and a lock.
QJsonObject textProject() {
  return QJsonDocument::fromJson(R"({
  "format": "halvory_project", "version": 1, "hasResults": true,
  "project": {"boardText": "AhKd7c2s9h", "note": "forms"},
  "results": {
    "resultsSummary": "forms", "resultStartingPot": 20, "resultIterations": 10,
    "resultExploitability": 0.25, "resultEvOop": 12.5, "resultEvIp": 7.5,
    "rootActions": [{"name": "Check", "actionType": "check", "frequency": 0.4},
                    {"name": "Bet 10", "actionType": "bet_50", "frequency": 0.6}],
    "treeNodeMeta": [
      {"nodeType": "decision", "chanceDeal": "", "player": "OOP", "pot": 20, "effectiveStack": 100,
       "investedOop": 0, "investedIp": 0},
      {"nodeType": "showdown", "chanceDeal": "", "player": "", "pot": 12.35, "effectiveStack": 100,
       "investedOop": 0, "investedIp": 0},
      {"nodeType": "fold", "chanceDeal": "", "player": "", "pot": 30, "effectiveStack": 100,
       "investedOop": 10, "investedIp": 0}],
    "treeNodeActions": [
      [{"name": "Check", "actionType": "check", "frequency": 0.4, "childIndex": 1},
       {"name": "Bet 10", "actionType": "bet_50", "frequency": 0.6, "childIndex": 2}],
      [], []]
  },
  "nodeCaches": {
    "handCombosByNode": [{"nodeIndex": 0, "data": [
        {"c1": "As", "c2": "Ac", "weight": 1, "ev": 11, "actionEvs": [10, 12]}]}]
  },
  "nodeLocks": [{"nodeIndex": 0, "hand": "AA", "actionProbs": [0.25, 0.75]}],
  "lastUiCfg": {"board": "Ah Kd 7c 2s 9h", "starting_pot": 20, "variant": "holdem"}
})")
      .object();
}

QJsonValue nestedLists(int depth) {
  QJsonValue value(1);
  for (int i = 0; i < depth; ++i) value = QJsonArray{value};
  return value;
}

// The member `key` of the top-level member `top` set to `value`.
QJsonObject withMember(QJsonObject root, const QString& top, const QString& key,
                       const QJsonValue& value) {
  QJsonObject part = root.value(top).toObject();
  part.insert(key, value);
  root.insert(top, part);
  return root;
}

// A meta or action row member of the text form's tree.
QJsonObject withTreeFigure(QJsonObject root, const char* list, int node, int action,
                           const char* key, double figure) {
  QJsonObject results = root.value("results").toObject();
  QJsonArray rows = results.value(QLatin1String(list)).toArray();
  if (action < 0) {
    QJsonObject row = rows.at(node).toObject();
    row.insert(QLatin1String(key), figure);
    rows.replace(node, row);
  } else {
    QJsonArray actions = rows.at(node).toArray();
    QJsonObject row = actions.at(action).toObject();
    row.insert(QLatin1String(key), figure);
    actions.replace(action, row);
    rows.replace(node, actions);
  }
  results.insert(QLatin1String(list), rows);
  root.insert("results", results);
  return root;
}

// The bytes with the one run of `from` they hold replaced.
QByteArray replacing(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
  return bytes.replace(from, to);
}

// A compact file whose tree is one row of the given pot, with one action of
// the given frequency.
QByteArray compactWithRow(const QCborMap& base, std::int32_t pot, float frequency) {
  halvory_app::PackedTree rows;
  rows.texts = {QString(), QStringLiteral("Check")};
  rows.rows.push_back({0, 0, 0, pot, 0, 0, 1, 0});
  rows.actions.push_back({1, 1, frequency, 0});
  ResultTree tree;
  tree.setSolved(std::move(rows), 100.0);
  QCborMap members = base;
  QCborMap results = members.value(QStringLiteral("results")).toMap();
  results.insert(QStringLiteral("nodeCount"), 1);
  results.insert(QStringLiteral("rootActions"),
                 QCborArray{QCborMap{{QStringLiteral("frequency"), 1.0}}});
  results.insert(QStringLiteral("tree"), QCborArray{halvory_app::encodeTreeChunk(tree, 0, 1)});
  members.insert(QStringLiteral("results"), results);
  members.remove(QStringLiteral("nodeCaches"));
  members.insert(QStringLiteral("nodeLocks"), QCborArray{});
  return encodeMembers(members);
}

ProjectFileReadResult readEither(const QByteArray& bytes) {
  if (halvory_app::isProjectStream(bytes.front())) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return halvory_app::readProjectStream(buffer, nullptr, kBudget);
  }
  return halvory_app::readProjectDocument(bytes, kBudget);
}

// Everything an open shows, with every figure exact.
QByteArray shownState(AppController& c, const QVariantMap& answer) {
  QCborArray state{QCborValue::fromVariant(answer.value("project")),
                   QCborValue::fromVariant(c.solveControl().lastConfig()),
                   c.getResultStartingPot(),
                   c.getResultEvOop(),
                   QCborValue::fromVariant(c.getRootActions()),
                   QCborValue::fromVariant(c.nodeHandCombos(0)),
                   QCborValue::fromVariant(c.nodeLocks(0))};
  for (int node = 0; node < c.treeNodeCount(); ++node)
    state << QCborValue::fromVariant(c.nodeMeta(node))
          << QCborValue::fromVariant(c.nodeActions(node));
  return QCborValue(state).toCbor();
}

}  // namespace

class ProjectFormsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QCborMap compactBase;  // the text project as a save writes it, unsealed

 private slots:
  void initTestCase() {
    useIsolatedSettings();
    QVERIFY(dir.isValid());
    const QString text = dir.filePath("base.json");
    const QString compact = dir.filePath("base.pellarisproj");
    QVERIFY(writeAll(text, QJsonDocument(textProject()).toJson()));
    AppController c;
    const QVariantMap answer = c.loadProject(QUrl::fromLocalFile(text));
    QVERIFY2(answer.value("ok").toBool(), qPrintable(answer.value("error").toString()));
    QVERIFY(c.saveProject(QUrl::fromLocalFile(compact), answer.value("project").toMap()));
    compactBase = QCborValue::fromCbor(unsealedCopy(readAll(compact))).toMap();
    QCOMPARE(readEither(encodeMembers(compactBase)).error, ProjectFileError::None);
  }

  // Each fault in both forms, where the compact form can hold it: refused
  // under the same member and reason, or taken by both.
  void bothFormsReadByOneRule_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("compact");
    QTest::addColumn<QString>("textField");
    QTest::addColumn<QString>("compactField");
    QTest::addColumn<QString>("reason");  // empty: taken
    const auto compactWith = [this](const QString& top, const QString& key,
                                    const QCborValue& value) {
      QCborMap members = compactBase;
      QCborMap part = members.value(top).toMap();
      part.insert(key, value);
      members.insert(top, part);
      return encodeMembers(members);
    };
    const auto both = [&](const char* name, const QString& top, const QString& key,
                          const QJsonValue& value, const QString& field, const char* reason) {
      QTest::newRow(name) << QJsonDocument(withMember(textProject(), top, key, value)).toJson()
                          << compactWith(top, key, QCborValue::fromJsonValue(value)) << field
                          << field << QString::fromLatin1(reason);
    };
    const QString tooDeep = QString("[0]").repeated(128);
    both("set-up nested 100 deep", "project", "deep", nestedLists(100), {}, "");
    both("set-up nested 128 deep", "project", "deep", nestedLists(128), "project.deep" + tooDeep,
         "is damaged");
    both("solve configuration nested 512 deep", "lastUiCfg", "deep", nestedLists(512),
         "lastUiCfg.deep" + tooDeep, "is damaged");
    both("largest double as the result's pot", "results", "resultStartingPot",
         std::numeric_limits<double>::max(), {}, "");
    both("denormal in the solve configuration", "lastUiCfg", "starting_pot", 4.9e-324, {}, "");

    // A member given twice: the text form's parser would keep the last.
    const QByteArray sentinel = "4321.125";
    for (const auto& [name, top, twice] :
         {std::tuple{"set-up member twice", "project", R"({"a": 1, "a": 2})"},
          std::tuple{"solve configuration member twice", "lastUiCfg", R"({"a": 1, "a": 2})"},
          std::tuple{"member twice, once escaped", "project", R"({"a": 1, "\u0061": 2})"}}) {
      const QString field = QStringLiteral("%1.dup.a").arg(QLatin1String(top));
      QTest::newRow(name)
          << replacing(QJsonDocument(withMember(textProject(), top, "dup", 4321.125)).toJson(),
                       sentinel, twice)
          << replacing(compactWith(top, "dup", 4321.125), QCborValue(4321.125).toCbor(),
                       QByteArray::fromHex("a2616101616102"))
          << field << field << "is given twice";
    }

    // Figures a tree row holds in cents and single floats: beyond them, or
    // too small to be told from zero, a figure would not survive a save.
    const QString rowFault = "results.tree[0]";
    QTest::newRow("node pot beyond a row")
        << QJsonDocument(withTreeFigure(textProject(), "treeNodeMeta", 1, -1, "pot",
                                        std::numeric_limits<double>::max()))
               .toJson()
        << compactWithRow(compactBase, -1, 0.5f) << "results.treeNodeMeta[1].pot" << rowFault
        << "is damaged";
    QTest::newRow("denormal node pot")
        << QJsonDocument(withTreeFigure(textProject(), "treeNodeMeta", 1, -1, "pot", 4.9e-324))
               .toJson()
        << QByteArray() << "results.treeNodeMeta[1].pot" << QString() << "is damaged";
    QTest::newRow("frequency beyond a float")
        << QJsonDocument(withTreeFigure(textProject(), "treeNodeActions", 0, 1, "frequency", 1e300))
               .toJson()
        << compactWithRow(compactBase, 0, qInf()) << "results.treeNodeActions[0][1].frequency"
        << rowFault << "is damaged";
    QTest::newRow("denormal frequency")
        << QJsonDocument(
               withTreeFigure(textProject(), "treeNodeActions", 0, 1, "frequency", 4.9e-324))
               .toJson()
        << QByteArray() << "results.treeNodeActions[0][1].frequency" << QString() << "is damaged";
  }
  void bothFormsReadByOneRule() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, compact);
    QFETCH(QString, textField);
    QFETCH(QString, compactField);
    QFETCH(QString, reason);
    const std::pair<QByteArray, QString> forms[] = {{text, textField}, {compact, compactField}};
    for (const auto& [bytes, field] : forms) {
      if (bytes.isEmpty()) continue;  // a figure the compact form cannot hold
      const ProjectFileReadResult read = readEither(bytes);
      const char* form = bytes.front() == '{' ? "text form" : "compact form";
      if (reason.isEmpty()) {
        QVERIFY2(read.error == ProjectFileError::None, form);
      } else {
        QVERIFY2(read.error == ProjectFileError::InvalidData, form);
        QCOMPARE(read.field, field);
        QCOMPARE(read.reason.worded(), reason);
      }
      if (!reason.isEmpty()) continue;
      // Taken: saved and opened again, it shows what the first open showed.
      const QString opened = dir.filePath("opened");
      const QString saved = dir.filePath("saved.pellarisproj");
      QVERIFY(writeAll(opened, bytes));
      AppController first;
      const QVariantMap answer = first.loadProject(QUrl::fromLocalFile(opened));
      QVERIFY2(answer.value("ok").toBool(), qPrintable(answer.value("error").toString()));
      QVERIFY(first.saveProject(QUrl::fromLocalFile(saved), answer.value("project").toMap()));
      AppController second;
      const QVariantMap again = second.loadProject(QUrl::fromLocalFile(saved));
      QVERIFY2(again.value("ok").toBool(), qPrintable(again.value("error").toString()));
      QCOMPARE(shownState(second, again), shownState(first, answer));
    }
  }

  // A text-form row is shown as the compact form holds it: the pot in
  // cents, the frequency as a single float.
  void textRowsReadAsTheirRowsHoldThem() {
    const QString path = dir.filePath("rows.json");
    QVERIFY(writeAll(path, QJsonDocument(textProject()).toJson()));
    AppController c;
    QVERIFY(c.loadProject(QUrl::fromLocalFile(path)).value("ok").toBool());
    QCOMPARE(c.nodeMeta(1).value("pot").toDouble(), 12.35);
    QCOMPARE(c.nodeActions(0).at(0).toMap().value("frequency").toFloat(), 0.4f);
    QCOMPARE(c.nodeActions(0).at(1).toMap().value("childIndex").toInt(), 2);
  }

  // The text form's open tells its progress as it goes, in order.
  void textOpenTellsItsProgress() {
    QList<double> told;
    const ProjectFileReadResult read = halvory_app::readProjectDocument(
        QJsonDocument(textProject()).toJson(), kBudget, [&told](double done) {
          told << done;
          return true;
        });
    QCOMPARE(read.error, ProjectFileError::None);
    QVERIFY(told.size() >= 3);
    QVERIFY(std::is_sorted(told.cbegin(), told.cend()));
    QVERIFY(told.front() > 0.0 && told.back() <= 1.0);
    QVERIFY(std::adjacent_find(told.cbegin(), told.cend(), std::not_equal_to<>()) != told.cend());
  }
};

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  ProjectFormsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "project_forms_test.moc"
