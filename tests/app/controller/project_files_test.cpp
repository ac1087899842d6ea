// Project files: save and load round trips (in one process and across two),
// every kind of damaged file, a fuzz run over mutated files, a failed save,
// and loading while a solve runs.

#include <algorithm>
#include <cmath>
#include <csignal>
#include <iterator>
#include <random>
#include <sys/resource.h>

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCborValue>
#include <QProcess>
#include <QSignalSpy>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "controller/project_file.hpp"
#include "project_test_support.hpp"

using namespace project_test_support;

class ControllerTestHelpers {
 public:
  static QVariantMap lastUiCfg(const AppController& c) { return c.solveControl().lastConfig(); }
  static bool sessionRunning(const AppController& c) {
    return c.solveControl().session().is_running();
  }
  static QList<int> cachedNodes(const AppController& c, const char* which) {
    const QByteArray name(which);
    QList<int> nodes;
    const NodeCaches& caches = c.explorer().caches();
    if (name == "strategy") nodes = caches.handStrategyCache.keys();
    if (name == "stats") nodes = caches.actionStatsCache.keys();
    if (name == "combos") nodes = caches.handCombosCache.keys();
    if (name == "buckets") nodes = caches.handBucketsCache.keys();
    if (name == "seatOop") nodes = caches.seatHandCombosOopCache.keys();
    if (name == "seatIp") nodes = caches.seatHandCombosIpCache.keys();
    std::sort(nodes.begin(), nodes.end());
    return nodes;
  }
  // Waits for the first street's read-ahead and takes its rows in.
  static void settleReadAhead(AppController& c) {
    c.explorer().readAheadPool().waitForDone();
    QCoreApplication::processEvents();
  }
};

namespace {

using Access = ControllerTestHelpers;

// Values compared as the file would write them, so a float frequency and
// the double read back from its text compare equal.
QByteArray asJson(const QVariant& value) {
  return QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)}).toJson(QJsonDocument::Compact);
}

QUrl urlOf(const QString& path) {
  return QUrl::fromLocalFile(path);
}

// A small hand-written project: a three-node tree, every cache kind for the
// root, two locks and a solve configuration.
QByteArray craftedProject() {
  return R"({
  "format": "halvory_project", "version": 1, "hasResults": true,
  "project": {"board": "AhKd7c2s9h", "oopRange": "AA,KK", "note": "crafted"},
  "results": {
    "resultsSummary": "Board AhKd7c2s9h | iters 10", "resultStartingPot": 20, "resultIterations": 10,
    "resultExploitability": 0.25, "resultEvOop": 12.5, "resultEvIp": 7.5,
    "rootActions": [{"name": "Check", "actionType": "check", "frequency": 0.4},
                    {"name": "Bet 10", "actionType": "bet_50", "frequency": 0.6}],
    "treeNodeMeta": [
      {"nodeType": "action", "chanceDeal": "", "player": "OOP", "pot": 20, "effectiveStack": 100,
       "investedOop": 0, "investedIp": 0, "hasChildren": true},
      {"nodeType": "showdown", "chanceDeal": "", "player": "", "pot": 20, "effectiveStack": 100,
       "investedOop": 0, "investedIp": 0, "hasChildren": false},
      {}],
    "treeNodeActions": [
      [{"name": "Check", "actionType": "check", "frequency": 0.4, "childIndex": 1},
       {"name": "Bet 10", "actionType": "bet_50", "frequency": 0.6, "childIndex": 2}],
      [], []]
  },
  "nodeCaches": {
    "handStrategyByNode": [{"nodeIndex": 0, "data": {"actionNames": ["Check", "Bet 10"],
        "actionTypeList": ["check", "bet_50"], "weights": {"AA": 1, "KK": 0.5},
        "dominantActionTypes": {"AA": "bet_50", "KK": "check"},
        "actionProbs": {"AA": [0.1, 0.9], "KK": [0.7, 0.3]}}}],
    "actionStatsByNode": [{"nodeIndex": 0, "data": [
        {"name": "Check", "actionType": "check", "frequency": 0.4, "combos": 4, "equity": 0.5, "ev": 3},
        {"name": "Bet 10", "actionType": "bet_50", "frequency": 0.6, "combos": 6, "equity": 0.7, "ev": null}]}],
    "handCombosByNode": [{"nodeIndex": 0, "data": [
        {"c1": "As", "c2": "Ac", "weight": 1, "ev": 11, "actionEvs": [10, 12], "buckets": ["set"],
         "actionProbs": [0.1, 0.9]},
        {"c1": "Ks", "c2": "Kc", "weight": 0.5, "ev": 4, "actionEvs": [5, 2], "buckets": ["top pair"],
         "actionProbs": [0.7, 0.3]}]}],
    "handBucketsByNode": [{"nodeIndex": 0, "data": [{"name": "set", "combos": 6, "actionProbs": [0.1, 0.9]}]}],
    "seatHandCombosByNode": [
      {"nodeIndex": 0, "seat": "OOP", "data": [{"c1": "As", "c2": "Ac", "weight": 1}]},
      {"nodeIndex": 0, "seat": "IP", "data": [{"c1": "Qs", "c2": "Qc", "weight": 0.25}]}]
  },
  "nodeLocks": [{"nodeIndex": 0, "hand": "AA", "actionProbs": [0.25, 0.75]},
                {"nodeIndex": 0, "hand": "KK", "actionIndex": 1, "actionProb": 0.6}],
  "lastUiCfg": {"board": "Ah Kd 7c 2s 9h", "max_iterations": 10, "variant": "holdem"}
})";
}

QJsonObject craftedObject() {
  return QJsonDocument::fromJson(craftedProject()).object();
}

// Replaces (or, with an undefined value, removes) the member at a path of
// object keys and array positions.
QJsonValue withValueAt(const QJsonValue& root, const QVariantList& path, int depth,
                       const QJsonValue& value) {
  if (depth == path.size()) return value;
  const QVariant step = path.at(depth);
  if (step.typeId() == QMetaType::QString) {
    QJsonObject object = root.toObject();
    const QString key = step.toString();
    const QJsonValue replaced = withValueAt(object.value(key), path, depth + 1, value);
    if (replaced.isUndefined()) {
      object.remove(key);
    } else {
      object.insert(key, replaced);
    }
    return object;
  }
  QJsonArray array = root.toArray();
  const int index = step.toInt();
  const QJsonValue replaced = withValueAt(array.at(index), path, depth + 1, value);
  if (replaced.isUndefined()) {
    array.removeAt(index);
  } else {
    array.replace(index, replaced);
  }
  return array;
}

QByteArray craftedWith(const QVariantList& path, const QJsonValue& value) {
  return QJsonDocument(withValueAt(craftedObject(), path, 0, value).toObject()).toJson();
}

// A saved file as one object: the compact form decoded member by member
// (its packed parts as text), the older text form as it is.
QJsonObject documentOf(const QByteArray& bytes) {
  if (!bytes.isEmpty() && halvory_app::isProjectStream(bytes.front()))
    return QCborValue::fromCbor(bytes).toJsonValue().toObject();
  return QJsonDocument::fromJson(bytes).object();
}

// Everything observable about the controller's loaded state, as one text.
QByteArray stateFingerprint(AppController& c, const QString& scratchPath) {
  QByteArray state = c.getStatusText().toUtf8() + '|' + QByteArray::number(c.getProgress()) + '|' +
                     QByteArray::number(c.getRunning());
  c.saveProject(urlOf(scratchPath), QVariantMap{{"scratch", true}});
  return state + '|' + readAll(scratchPath);
}

QByteArray withoutLocks(const QByteArray& text) {
  QJsonObject root = documentOf(text);
  root.remove("nodeLocks");
  return QJsonDocument(root).toJson();
}

QStringList lockKeys(const QByteArray& text) {
  QStringList keys;
  for (const QJsonValue& lock : documentOf(text).value("nodeLocks").toArray()) {
    keys << QStringLiteral("%1/%2").arg(lock["nodeIndex"].toInt()).arg(lock["hand"].toString());
  }
  return keys;
}

}  // namespace

class ProjectFilesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QString solvedPath;
  QVariantMap solvedCfg;
  std::unique_ptr<AppController> solved;  // keeps its live solve state

  QString path(const QString& name) const { return dir.filePath(name); }

  // A controller holding the crafted project, and its fingerprint.
  std::unique_ptr<AppController> loadedCrafted(QByteArray* fingerprint) {
    auto controller = std::make_unique<AppController>();
    writeAll(path("crafted.json"), craftedProject());
    const QVariantMap result = controller->loadProject(urlOf(path("crafted.json")));
    if (!result.value("ok").toBool()) qWarning() << "crafted project refused:" << result;
    if (fingerprint) *fingerprint = stateFingerprint(*controller, path("fingerprint.json"));
    return controller;
  }

  // A refusal of "member reason" as the user reads it: a set-up field by
  // its label, any other member by the part of the project it belongs to.
  static QString userWords(const QString& refusal) {
    const QString member = refusal.section(u' ', 0, 0);
    const QString reason = refusal.section(u' ', 1);
    if (member == "project.boardText") return "Invalid project data: Board " + reason;
    const QString top = member.section(u'.', 0, 0).section(u'[', 0, 0);
    const QMap<QString, QString> parts{{"project", "the set-up"},
                                       {"results", "the solution"},
                                       {"nodeCaches", "a node's saved answer"},
                                       {"nodeLocks", "a node lock"}};
    return "The project file is damaged: " + parts.value(top) + " " + reason;
  }

  void expectRefusedUnchanged(const QUrl& url, const QString& expectedError) {
    QByteArray before;
    auto controller = loadedCrafted(&before);
    QSignalSpy results(controller.get(), &AppController::resultsChanged);
    QSignalSpy status(controller.get(), &AppController::statusTextChanged);
    QSignalSpy runningSpy(controller.get(), &AppController::runningChanged);
    QSignalSpy progressSpy(controller.get(), &AppController::progressChanged);
    const QVariantMap result = controller->loadProject(url);
    QCOMPARE(result.size(), 5);
    QCOMPARE(controller->fileReasonText(result.value("reason")), expectedError);
    QCOMPARE(result.value("ok").toBool(), false);
    QCOMPARE(result.value("error").toString(), expectedError);
    QCOMPARE(result.value("project").toMap(), QVariantMap());
    QCOMPARE(result.value("hasResults").toBool(), false);
    QCOMPARE(results.count() + status.count() + runningSpy.count() + progressSpy.count(), 0);
    QCOMPARE(stateFingerprint(*controller, path("fingerprint.json")), before);
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir.isValid());
    solvedPath = path("solved.pellarisproj");
    solvedCfg = riverSpotConfig();
    solved = std::make_unique<AppController>();
    QVERIFY(solveAndWait(*solved, solvedCfg));
    QVERIFY2(solved->getResultIterations() > 0, qPrintable(solved->getStatusText()));
    QVERIFY(solved->treeNodeCount() > 2);
    // Nobody opened a node yet.
    QCOMPARE(Access::cachedNodes(*solved, "strategy"), QList<int>{});
    QVERIFY(solved->saveProject(urlOf(solvedPath), QVariantMap{{"board", "AhKd7c2s9h"}}));
  }

  void saveAfterSolveStoresRootCachesAndSortedKeys() {
    // Saving stored the root in four caches although nobody opened it.
    for (const char* cache : {"strategy", "stats", "combos", "buckets"}) {
      QVERIFY2(Access::cachedNodes(*solved, cache).contains(0), cache);
    }
    const QJsonObject root = documentOf(readAll(solvedPath));
    const QStringList expected{"checksums", "format",  "hasResults", "lastUiCfg", "nodeCaches",
                               "nodeLocks", "project", "results",    "version"};
    // The members (their order in the file is the writer's, read in any order).
    QCOMPARE(root.keys(), expected);
    QCOMPARE(root.value("format").toString(), QString("halvory_project"));
    QCOMPARE(root.value("version").toInt(), 3);
    QCOMPARE(root.value("hasResults").toBool(), true);
    const QJsonObject results = root.value("results").toObject();
    QCOMPARE(results.value("nodeCount").toInt(), solved->treeNodeCount());
    QCOMPARE(results.value("resultIterations").toInt(), solved->getResultIterations());
  }

  // The classes the user locked keep their mark through the file; the
  // classes pinned beside them stay pinned but unmarked.
  void loadedLocksKeepWhichClassesWereChosen() {
    AppController& a = *solved;
    a.clearNodeLocks(0);
    a.setNodeLock(0, "KK", 1, 1.0);
    a.setNodeLockProbs(0, "AKs", QVariantList{1, 1});
    const auto chosenAndPinned = [](const AppController& c) {
      QStringList chosen;
      int pinned = 0;
      for (const QVariant& value : c.nodeLocks(0)) {
        const QVariantMap row = value.toMap();
        if (row.value("chosen").toBool())
          chosen << row.value("hand").toString();
        else
          ++pinned;
      }
      chosen.sort();
      return std::make_pair(chosen, pinned);
    };
    const auto before = chosenAndPinned(a);
    QCOMPARE(before.first, (QStringList{"AKs", "KK"}));
    QVERIFY(before.second > 0);
    const QString file = path("chosen.pellarisproj");
    QVERIFY(a.saveProject(urlOf(file), QVariantMap{}));

    AppController b;
    QVERIFY(b.loadProject(urlOf(file)).value("ok").toBool());
    QCOMPARE(chosenAndPinned(b), before);
    a.clearNodeLocks(0);
  }

  void saveThenLoadRestoresEverything() {
    // Open a few more nodes and lock two hands, so there is more to restore.
    AppController& a = *solved;
    const int nodes = a.treeNodeCount();
    int deeper = -1;
    for (int node = 1; node < nodes && deeper < 0; ++node) {
      if (!a.nodeActions(node).isEmpty()) deeper = node;
    }
    QVERIFY(deeper > 0);
    QVERIFY(!a.nodeHandStrategy(deeper).isEmpty());
    QVERIFY(!a.nodeHandCombos(deeper).isEmpty());
    QVERIFY(!a.nodeSeatHandCombos(0, "OOP").isEmpty());
    QVERIFY(!a.nodeSeatHandCombos(deeper, "IP").isEmpty());
    a.setNodeLockProbs(deeper, "AK", QVariantList{2, 1});
    a.setNodeLock(0, "AA", 0, 0.8);
    QVERIFY(a.nodeLocks(0).size() > 1);  // seeded from the live strategy
    // The file holds the answers cached when the save begins, with the
    // strategy of every node kept with its hands: the first street's
    // read-ahead is let finish first, so that none of its rows arrives
    // between this count and the save.
    Access::settleReadAhead(a);
    const QList<int> combos = Access::cachedNodes(a, "combos");
    QSet<int> strategies(combos.cbegin(), combos.cend());
    for (const int node : Access::cachedNodes(a, "strategy")) strategies.insert(node);
    const qsizetype strategyNodes = strategies.size();
    const qsizetype comboNodes = combos.size();
    QVERIFY(a.saveProject(urlOf(solvedPath), QVariantMap{{"board", "AhKd7c2s9h"}, {"n", 3}}));

    AppController b;
    QSignalSpy resultsSpy(&b, &AppController::resultsChanged);
    const QVariantMap result = b.loadProject(urlOf(solvedPath));
    QVERIFY2(result.value("ok").toBool(), qPrintable(result.value("error").toString()));
    QCOMPARE(result.value("error").toString(), QString());
    QCOMPARE(result.value("hasResults").toBool(), true);
    QCOMPARE(asJson(result.value("project")),
             asJson(QVariantMap{{"board", "AhKd7c2s9h"}, {"n", 3}}));
    QCOMPARE(resultsSpy.count(), 1);

    QCOMPARE(b.getResultsSummary(), a.getResultsSummary());
    QCOMPARE(b.getResultStartingPot(), a.getResultStartingPot());
    QCOMPARE(b.getResultIterations(), a.getResultIterations());
    QCOMPARE(b.getResultExploitability(), a.getResultExploitability());
    QCOMPARE(b.getResultEvOop(), a.getResultEvOop());
    QCOMPARE(b.getResultEvIp(), a.getResultEvIp());
    QCOMPARE(asJson(b.getRootActions()), asJson(a.getRootActions()));
    QCOMPARE(b.treeNodeCount(), nodes);
    for (int node = 0; node < nodes; ++node) {
      QCOMPARE(asJson(b.nodeMeta(node)), asJson(a.nodeMeta(node)));
      QCOMPARE(asJson(b.nodeActions(node)), asJson(a.nodeActions(node)));
    }
    for (const int node : {0, deeper}) {
      QCOMPARE(asJson(b.nodeHandStrategy(node)), asJson(a.nodeHandStrategy(node)));
      QCOMPARE(asJson(b.nodeHandCombos(node)), asJson(a.nodeHandCombos(node)));
      QCOMPARE(asJson(b.nodeLocks(node).size()), asJson(a.nodeLocks(node).size()));
    }
    QCOMPARE(asJson(b.nodeHandBuckets(0)), asJson(a.nodeHandBuckets(0)));
    QCOMPARE(asJson(b.nodeActionStats(0)), asJson(a.nodeActionStats(0)));
    QCOMPARE(asJson(b.nodeSeatHandCombos(0, "OOP")), asJson(a.nodeSeatHandCombos(0, "OOP")));
    QCOMPARE(asJson(b.nodeSeatHandCombos(deeper, "IP")),
             asJson(a.nodeSeatHandCombos(deeper, "IP")));
    QCOMPARE(asJson(Access::lastUiCfg(b)), asJson(solvedCfg));
    // No translator here: the counted words read as their sources.
    QCOMPARE(b.getStatusText(),
             QStringLiteral("Loaded project (%1 strategy node(s), %2 combo node(s))")
                 .arg(strategyNodes)
                 .arg(comboNodes));

    // Saving what was loaded writes the same file again.
    QVERIFY(b.saveProject(urlOf(path("resaved.pellarisproj")), result.value("project").toMap()));
    QCOMPARE(readAll(path("resaved.pellarisproj")), readAll(solvedPath));
  }

  void projectSavedByOneProcessLoadsInAnother() {
    QVERIFY(QFile::exists(solvedPath));
    const QString childOut = path("child.pellarisproj");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PROJECT_FILES_CHILD_IN", solvedPath);
    env.insert("PROJECT_FILES_CHILD_OUT", childOut);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList{});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray report = child.readAllStandardOutput();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, report.constData());
    // The other process restored everything it read: its save is identical.
    QCOMPARE(readAll(childOut), readAll(solvedPath));
    QVERIFY(report.contains("ok=1 hasResults=1"));
    QVERIFY(report.contains(
        QStringLiteral("iterations=%1").arg(solved->getResultIterations()).toUtf8()));
  }

  void saveWithoutResults() {
    AppController fresh;
    QVERIFY(fresh.saveProject(urlOf(path("empty.pellarisproj")), QVariantMap{{"x", 1}}));
    const QJsonObject root = documentOf(readAll(path("empty.pellarisproj")));
    QCOMPARE(root.keys(), QStringList({"checksums", "format", "hasResults", "lastUiCfg",
                                       "nodeLocks", "project", "version"}));
    QCOMPARE(root.value("hasResults").toBool(), false);
    QVERIFY(root.value("nodeLocks").isArray() && root.value("nodeLocks").toArray().isEmpty());
    QVERIFY(root.value("lastUiCfg").isObject() && root.value("lastUiCfg").toObject().isEmpty());

    // Loading it clears the results a controller held.
    auto controller = loadedCrafted(nullptr);
    QCOMPARE(controller->treeNodeCount(), 3);
    const QVariantMap result = controller->loadProject(urlOf(path("empty.pellarisproj")));
    QCOMPARE(result.value("ok").toBool(), true);
    QCOMPARE(result.value("hasResults").toBool(), false);
    QCOMPARE(controller->treeNodeCount(), 0);
    QCOMPARE(controller->getResultIterations(), 0);
    QCOMPARE(controller->getRootActions(), QVariantList());
    QCOMPARE(controller->nodeLocks(0), QVariantList());
    QCOMPARE(controller->getStatusText(),
             QString("Loaded project (0 strategy node(s), 0 combo node(s))"));
  }

  void craftedProjectRestoresCachesAndLocks() {
    auto c = loadedCrafted(nullptr);
    QCOMPARE(c->getResultsSummary(), QString("Board AhKd7c2s9h | iters 10"));
    QCOMPARE(c->getResultEvOop(), 12.5);
    QCOMPARE(c->treeNodeCount(), 3);
    // A row the file leaves empty reads as the row a save writes for it.
    QCOMPARE(c->nodeMeta(2).value("nodeType"), QVariant(QString()));
    QCOMPARE(c->nodeMeta(2).value("pot"), QVariant(0.0));
    QCOMPARE(c->nodeHandStrategy(0).value("actionNames").toStringList(),
             QStringList({"Check", "Bet 10"}));
    QCOMPARE(c->nodeHandCombos(0).size(), 2);
    QCOMPARE(c->nodeActionStats(0).size(), 2);
    QCOMPARE(c->nodeSeatHandCombos(0, "IP").size(), 1);
    QVERIFY(std::isnan(c->nodeEv(0, "OOP")));  // no live solve after a load
    QCOMPARE(c->getStatusText(), QString("Loaded project (1 strategy node(s), 1 combo node(s))"));
    const QVariantList locks = c->nodeLocks(0);
    QCOMPARE(locks.size(), 2);
    for (const QVariant& lock : locks) {
      const QVariantMap row = lock.toMap();
      const QVariantList probs = row.value("actionProbs").toList();
      QCOMPARE(probs.size(), 2);
      if (row.value("hand") == "AA") QCOMPARE(probs.at(1).toFloat(), 0.75f);
      if (row.value("hand") == "KK") QCOMPARE(probs.at(1).toFloat(), 0.6f);
    }
    QCOMPARE(Access::lastUiCfg(*c).value("max_iterations").toInt(), 10);
  }

  // The lenient rules for members that a careful writer never produces.
  void tolerantReadingOfOddButHarmlessMembers() {
    QJsonObject root = craftedObject();
    QJsonObject caches = root.value("nodeCaches").toObject();
    caches.insert(
        "seatHandCombosByNode",
        QJsonArray{QJsonObject{{"nodeIndex", 1}, {"seat", " ip "}, {"data", QJsonArray{}}},
                   QJsonObject{{"nodeIndex", 2}, {"seat", "button"}, {"data", QJsonArray{}}}});
    caches.insert(
        "handCombosByNode",
        QJsonArray{QJsonObject{{"nodeIndex", 0}, {"data", QJsonArray{QJsonObject{{"c1", "2c"}}}}},
                   QJsonObject{{"nodeIndex", 0}, {"data", QJsonArray{}}},
                   QJsonObject{{"data", QJsonArray{}}},
                   QJsonObject{{"nodeIndex", -4}, {"data", QJsonArray{}}}});
    root.insert("nodeCaches", caches);
    // A lock on a node without actions is dropped.
    root.insert(
        "nodeLocks",
        QJsonArray{QJsonObject{{"nodeIndex", 1}, {"hand", "AA"}, {"actionProbs", QJsonArray{1}}}});
    QJsonObject results = root.value("results").toObject();
    results.insert("resultEvIp", QJsonValue::Null);  // a NaN when it was saved
    root.insert("results", results);
    writeAll(path("odd.json"), QJsonDocument(root).toJson());

    AppController c;
    const QVariantMap result = c.loadProject(urlOf(path("odd.json")));
    QVERIFY2(result.value("ok").toBool(), qPrintable(result.value("error").toString()));
    QCOMPARE(Access::cachedNodes(c, "seatIp"), QList<int>{1});
    QCOMPARE(Access::cachedNodes(c, "seatOop"), QList<int>{});
    QCOMPARE(Access::cachedNodes(c, "combos"), QList<int>{0});
    QCOMPARE(c.nodeHandCombos(0), QVariantList());  // the later element wins
    QCOMPARE(c.nodeLocks(1), QVariantList());
    QCOMPARE(c.getResultEvIp(), 0.0);

    // Without results, a "results" member is ignored.
    root = craftedObject();
    root.insert("hasResults", false);
    root.remove("nodeCaches");
    writeAll(path("noresults.json"), QJsonDocument(root).toJson());
    const QVariantMap second = c.loadProject(urlOf(path("noresults.json")));
    QCOMPARE(second.value("ok").toBool(), true);
    QCOMPARE(c.treeNodeCount(), 0);
    QCOMPARE(c.getResultIterations(), 0);
    QCOMPARE(c.nodeLocks(0), QVariantList());
  }

  void refusedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray good = craftedProject();
    const QString notProject = "This is not a Pellaris project";
    QTest::newRow("empty file") << QByteArray() << notProject;
    QTest::newRow("truncated") << good.left(good.size() / 2)
                               << "The project file is damaged (cut short)";
    QTest::newRow("NaN literal") << QByteArray(good).replace("\"resultEvIp\": 7.5",
                                                             "\"resultEvIp\": NaN")
                                 << "The project file is damaged";
    QTest::newRow("beyond double")
        << QByteArray(good).replace("\"resultEvIp\": 7.5", "\"resultEvIp\": 1e400")
        << "The project file is damaged";
    QTest::newRow("not JSON, with brackets") << QByteArray("{x: [1, 2]}") << notProject;
    std::mt19937 random(7);
    QByteArray noise(4096, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    QTest::newRow("random bytes") << noise << notProject;
    QTest::newRow("format in other case")
        << QByteArray(good).replace("\"halvory_project\"", "\"Halvory_Project\"")
        << "Unrecognized project format";
    QTest::newRow("no format") << craftedWith({"format"}, QJsonValue::Undefined)
                               << "Unrecognized project format";
    QTest::newRow("top-level array") << QByteArray("[1, 2]") << "Unrecognized project format";
    QTest::newRow("future version") << craftedWith({"version"}, 2) << "Unsupported project version";
    QTest::newRow("version huge") << craftedWith({"version"}, 1e300)
                                  << "Unsupported project version";
    QTest::newRow("version text") << craftedWith({"version"}, "two")
                                  << "Unsupported project version";

    // What cannot be loaded safely is refused, naming the member.
    const QString outside = "refers to a node outside the tree";
    const QString notFinite = "is not a finite number";
    struct Case {
      const char* name;
      QVariantList path;
      QJsonValue value;
      QString error;
    };
    const Case cases[] = {
        {"child past the tree",
         {"results", "treeNodeActions", 0, 1, "childIndex"},
         3,
         "results.treeNodeActions[0][1].childIndex " + outside},
        {"child negative",
         {"results", "treeNodeActions", 0, 1, "childIndex"},
         -1,
         "results.treeNodeActions[0][1].childIndex " + outside},
        {"child huge",
         {"results", "treeNodeActions", 0, 0, "childIndex"},
         1e300,
         "results.treeNodeActions[0][0].childIndex " + outside},
        {"no tree left for the meta rows",
         {"results", "treeNodeActions"},
         QJsonObject{},
         "results.treeNodeMeta has 3 nodes, but the tree's action lists have 0"},
        {"strategy node past the tree",
         {"nodeCaches", "handStrategyByNode", 0, "nodeIndex"},
         3,
         "nodeCaches.handStrategyByNode[0].nodeIndex " + outside},
        {"strategy node huge",
         {"nodeCaches", "handStrategyByNode", 0, "nodeIndex"},
         1e300,
         "nodeCaches.handStrategyByNode[0].nodeIndex " + outside},
        {"stats node past the tree",
         {"nodeCaches", "actionStatsByNode", 0, "nodeIndex"},
         7,
         "nodeCaches.actionStatsByNode[0].nodeIndex " + outside},
        {"buckets node past the tree",
         {"nodeCaches", "handBucketsByNode", 0, "nodeIndex"},
         1000000,
         "nodeCaches.handBucketsByNode[0].nodeIndex " + outside},
        {"seat node past the tree",
         {"nodeCaches", "seatHandCombosByNode", 1, "nodeIndex"},
         3,
         "nodeCaches.seatHandCombosByNode[1].nodeIndex " + outside},
        {"evOop nan as text",
         {"results", "resultEvOop"},
         "nan",
         "results.resultEvOop " + notFinite},
        {"meta pot inf as text",
         {"results", "treeNodeMeta", 0, "pot"},
         "inf",
         "results.treeNodeMeta[0].pot " + notFinite},
        {"strategy weight nan",
         {"nodeCaches", "handStrategyByNode", 0, "data", "weights", "AA"},
         "nan",
         "nodeCaches.handStrategyByNode[0].data.weights.AA " + notFinite},
        {"combo action ev overflowing text",
         {"nodeCaches", "handCombosByNode", 0, "data", 0, "actionEvs", 1},
         "1e999",
         "nodeCaches.handCombosByNode[0].data[0].actionEvs[1] " + notFinite},
        {"lock prob -inf",
         {"nodeLocks", 1, "actionProb"},
         "-inf",
         "nodeLocks[1].actionProb " + notFinite},
        {"iterations huge",
         {"results", "resultIterations"},
         1e300,
         "results.resultIterations is not a whole number of iterations"},
        {"strategy names for another node",
         {"nodeCaches", "handStrategyByNode", 0, "data", "actionNames"},
         QJsonArray{"Check", "Bet 10", "All-in"},
         "nodeCaches.handStrategyByNode[0].data.actionNames has 3 entries for a node with 2 "
         "actions"},
        {"node actions an object",
         {"results", "treeNodeActions", 0},
         QJsonObject{},
         "results.rootActions has 2 actions, but the tree's first node has 0"},
        {"combo action evs short",
         {"nodeCaches", "handCombosByNode", 0, "data", 0, "actionEvs"},
         QJsonArray{"a"},
         "nodeCaches.handCombosByNode[0].data[0].actionEvs has 1 entries for a node with 2 "
         "actions"},
        {"stats with a third row",
         {"nodeCaches", "actionStatsByNode", 0, "data"},
         QJsonArray{QJsonObject{}, QJsonObject{}, QJsonObject{}},
         "nodeCaches.actionStatsByNode[0].data has 3 entries for a node with 2 actions"},
    };
    for (const Case& c : cases) {
      QTest::newRow(c.name) << craftedWith(c.path, c.value) << userWords(c.error);
    }

    // A set-up that cannot stand beside the results, and results that
    // disagree with their own tree, are refused whole: loading them would
    // keep another project's set-up, show a board with a card twice, or
    // show a results page of zeros.
    const QJsonValue text("x");
    const QString notObject = "is not an object";
    const QString notBoard = "project.boardText is not a board of up to five cards";
    const Case damaged[] = {
        {"project a list", {"project"}, QJsonArray{}, "project " + notObject},
        {"project a text", {"project"}, text, "project " + notObject},
        {"board of six cards, one twice", {"project", "boardText"}, "AsAsKh7d2c5s", notBoard},
        {"board with a card twice",
         {"project", "boardText"},
         "As Kh 7d as",
         "project.boardText holds As twice"},
        {"board with no card",
         {"project", "boardText"},
         "AsKhXx",
         "project.boardText holds 'Xx', which is not a card"},
        {"results a list", {"results"}, QJsonArray{}, "results " + notObject},
        {"results without a tree",
         {"results"},
         QJsonObject{{"resultIterations", 10}},
         "results.treeNodeActions holds no node"},
        {"meta a text",
         {"results", "treeNodeMeta"},
         text,
         "results.treeNodeMeta has 0 nodes, but the tree's action lists have 3"},
        {"meta shorter than actions",
         {"results", "treeNodeMeta", 2},
         QJsonValue::Undefined,
         "results.treeNodeMeta has 2 nodes, but the tree's action lists have 3"},
        {"meta row a list",
         {"results", "treeNodeMeta", 0},
         QJsonArray{},
         "results.treeNodeMeta[0] " + notObject},
        {"action a text",
         {"results", "treeNodeActions", 0, 0},
         text,
         "results.treeNodeActions[0][0] " + notObject},
        {"rootActions an object",
         {"results", "rootActions"},
         QJsonObject{},
         "results.rootActions has 0 actions, but the tree's first node has 2"},
        {"root action a text",
         {"results", "rootActions", 0},
         text,
         "results.rootActions[0] " + notObject},
        {"iterations fractional",
         {"results", "resultIterations"},
         1.5,
         "results.resultIterations is not a whole number of iterations"},
        {"iterations negative",
         {"results", "resultIterations"},
         -1,
         "results.resultIterations is not a whole number of iterations"},
        {"iterations a flag",
         {"results", "resultIterations"},
         true,
         "results.resultIterations is not a whole number of iterations"},
        {"board padded with blanks",
         {"project", "boardText"},
         "AsKh7d" + QString(1 << 20, u' '),
         notBoard},
    };
    for (const Case& c : damaged) {
      QTest::newRow(c.name) << craftedWith(c.path, c.value) << userWords(c.error);
    }
  }

  // Members of the wrong JSON type are converted as Qt converts variants:
  // each of these files loads, and the value that matters reads as shown.
  void lenientFilesLoad_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("expected");
    const QJsonValue text("x");
    struct Case {
      const char* name;
      QVariantList path;
      QJsonValue value;
      const char* probe;
      const char* expected;
    };
    const Case cases[] = {
        {"hasResults as 1", {"hasResults"}, 1, "nodes", "3"},
        {"hasResults as text", {"hasResults"}, "yes", "nodes", "3"},
        {"lastUiCfg a number", {"lastUiCfg"}, 3, "nodes", "3"},
        {"caches while hasResults is false", {"hasResults"}, false, "strategyNodes", "0"},
        {"nodeCaches a list", {"nodeCaches"}, QJsonArray{}, "strategyNodes", "0"},
        {"nodeLocks an object", {"nodeLocks"}, QJsonObject{}, "locks", "0"},
        {"summary a number", {"results", "resultsSummary"}, 3, "summary", "3"},
        {"pot as text", {"results", "resultStartingPot"}, "20", "pot", "20"},
        {"evOop an object", {"results", "resultEvOop"}, QJsonObject{}, "evOop", "0"},
        {"iterations as text", {"results", "resultIterations"}, "10", "iterations", "10"},
        {"root frequency a text",
         {"results", "rootActions", 1, "frequency"},
         "0.6",
         "rootActions",
         "2"},
        {"meta hasChildren a number",
         {"results", "treeNodeMeta", 0, "hasChildren"},
         1,
         "nodes",
         "3"},
        {"child fractional", {"results", "treeNodeActions", 0, 1, "childIndex"}, 1.5, "nodes", "3"},
        {"strategy cache an object",
         {"nodeCaches", "handStrategyByNode"},
         QJsonObject{},
         "strategyNodes",
         "0"},
        {"strategy node as text",
         {"nodeCaches", "handStrategyByNode", 0, "nodeIndex"},
         "0",
         "strategyNodes",
         "1"},
        {"strategy data a list",
         {"nodeCaches", "handStrategyByNode", 0, "data"},
         QJsonArray{},
         "strategyNodes",
         "1"},
        {"strategy names a text",
         {"nodeCaches", "handStrategyByNode", 0, "data", "actionNames"},
         text,
         "strategyNodes",
         "1"},
        {"strategy weight a text",
         {"nodeCaches", "handStrategyByNode", 0, "data", "weights", "AA"},
         text,
         "strategyNodes",
         "1"},
        {"stats data an object",
         {"nodeCaches", "actionStatsByNode", 0, "data"},
         QJsonObject{},
         "statsRows",
         "0"},
        {"combo row a number",
         {"nodeCaches", "handCombosByNode", 0, "data", 0},
         3,
         "comboRows",
         "2"},
        {"combo weight a text",
         {"nodeCaches", "handCombosByNode", 0, "data", 1, "weight"},
         text,
         "comboRows",
         "2"},
        {"seat a number",
         {"nodeCaches", "seatHandCombosByNode", 0, "seat"},
         3,
         "seatOopNodes",
         "0"},
        {"lock a text", {"nodeLocks", 0}, text, "locks", "1"},
        {"lock node huge", {"nodeLocks", 0, "nodeIndex"}, 1e300, "locks", "1"},
        {"lock probs a text", {"nodeLocks", 0, "actionProbs"}, text, "locks", "1"},
        {"lock prob beyond float", {"nodeLocks", 0, "actionProbs", 0}, 1e300, "locks", "2"},
        {"lock action index fractional", {"nodeLocks", 1, "actionIndex"}, 0.5, "locks", "2"},
        {"lock action prob a text", {"nodeLocks", 1, "actionProb"}, text, "locks", "2"},
    };
    for (const Case& c : cases) {
      QTest::newRow(c.name) << craftedWith(c.path, c.value) << QString(c.probe)
                            << QString(c.expected);
    }
  }

  void lenientFilesLoad() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, probe);
    QFETCH(QString, expected);
    writeAll(path("lenient.json"), bytes);
    AppController c;
    const QVariantMap result = c.loadProject(urlOf(path("lenient.json")));
    QVERIFY2(result.value("ok").toBool(), qPrintable(result.value("error").toString()));
    const QHash<QString, QString> probes{
        {"nodes", QString::number(c.treeNodeCount())},
        {"project", QString::number(result.value("project").toMap().size())},
        {"strategyNodes", QString::number(Access::cachedNodes(c, "strategy").size())},
        {"seatOopNodes", QString::number(Access::cachedNodes(c, "seatOop").size())},
        {"locks", QString::number(c.nodeLocks(0).size())},
        {"summary", c.getResultsSummary()},
        {"pot", QString::number(c.getResultStartingPot())},
        {"evOop", QString::number(c.getResultEvOop())},
        {"iterations", QString::number(c.getResultIterations())},
        {"rootActions", QString::number(c.getRootActions().size())},
        {"statsRows", QString::number(c.nodeActionStats(0).size())},
        {"comboRows", QString::number(c.nodeHandCombos(0).size())},
    };
    QCOMPARE(probes.value(probe), expected);
  }

  // A small file whose cached strategy lists a million actions for a node
  // with two: refused at once, instead of making the first query of that
  // node allocate gigabytes.
  void oversizedCachedActionListIsRefused() {
    QJsonArray types;
    for (int i = 0; i < 1000000; ++i) types.append(QStringLiteral("c"));
    const QJsonValue root =
        withValueAt(craftedObject(),
                    {"nodeCaches", "handStrategyByNode", 0, "data", "actionTypeList"}, 0, types);
    writeAll(path("oversized.json"), QJsonDocument(root.toObject()).toJson(QJsonDocument::Compact));
    QVERIFY(QFileInfo(path("oversized.json")).size() < 5 * 1024 * 1024);
    expectRefusedUnchanged(urlOf(path("oversized.json")),
                           userWords("nodeCaches.handStrategyByNode[0].data.actionTypeList has "
                                     "1000000 entries for a node with 2 actions"));
  }

  void refusedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    writeAll(path("bad.json"), bytes);
    expectRefusedUnchanged(urlOf(path("bad.json")), error);
  }

  void refusedLocations() {
    expectRefusedUnchanged(QUrl(), "Invalid/non-local file URL");
    expectRefusedUnchanged(QUrl("https://example.org/a.pellarisproj"),
                           "Invalid/non-local file URL");
    expectRefusedUnchanged(QUrl("file:"), "Empty file path");
    expectRefusedUnchanged(urlOf(path("missing.pellarisproj")), "Failed to open file");
    expectRefusedUnchanged(urlOf(dir.path()), "Failed to open file");
    expectRefusedUnchanged(urlOf("/dev/zero"), "Failed to open file");

    // Beyond the project size cap (a sparse file: nothing is written).
    QFile sparse(path("sparse.pellarisproj"));
    QVERIFY(sparse.open(QIODevice::WriteOnly));
    QVERIFY(sparse.resize(qint64(512) * 1024 * 1024 + 1));
    sparse.close();
    expectRefusedUnchanged(urlOf(path("sparse.pellarisproj")), "Project file is too large");
    QFile::remove(path("sparse.pellarisproj"));
  }

  void hundredMegabyteFileIsRefused() {
    // A valid start, then 100 MB inside a string that never closes.
    QFile file(path("huge.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // An escaped literal, not a raw one: moc counts the braces of a raw
    // string and would take the slots after this one for its body.
    file.write("{\"format\": \"halvory_project\", \"version\": 1, \"project\": {\"pad\": \"");
    const QByteArray block(1 << 20, 'x');
    for (int i = 0; i < 100; ++i) file.write(block);
    file.close();
    expectRefusedUnchanged(urlOf(path("huge.json")), "The project file is damaged (cut short)");
    QFile::remove(path("huge.json"));
  }

  void failedSaveLeavesOldFileIntact() {
    // The solved project: its file is large enough to be cut part-way.
    auto controller = std::make_unique<AppController>();
    QVERIFY(controller->loadProject(urlOf(solvedPath)).value("ok").toBool());
    const QString target = path("keep.pellarisproj");
    QVERIFY(controller->saveProject(urlOf(target), QVariantMap{{"first", 1}}));
    const QByteArray before = readAll(target);
    QVERIFY(before.size() > 2000);

    // A file-size limit below the project's size makes the write fail
    // part-way, as a full disk would: once early (the write itself comes
    // up short) and once just before the end (the final flush fails).
    for (const rlim_t limit : {rlim_t(1024), rlim_t(before.size() - 10)}) {
      struct rlimit saved {};
      QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
      const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
      struct rlimit small = saved;
      small.rlim_cur = limit;
      QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
      const bool saveResult = controller->saveProject(urlOf(target), QVariantMap{{"second", 2}});
      setrlimit(RLIMIT_FSIZE, &saved);
      std::signal(SIGXFSZ, oldHandler);
      QCOMPARE(saveResult, false);
      QCOMPARE(readAll(target), before);
    }
    // A save stopped by the user keeps the old file too.
    const auto stop = connect(controller.get(), &AppController::projectFileProgressChanged,
                              controller.get(), [&controller] {
                                if (controller->getProjectFileBusy())
                                  controller->cancelProjectSave();
                              });
    QCOMPARE(controller->saveProject(urlOf(target), QVariantMap{{"third", 3}}), false);
    disconnect(stop);
    QCOMPARE(readAll(target), before);
    QCOMPARE(controller->getProjectFileBusy(), false);
    // No temporary file is left behind either.
    QCOMPARE(QDir(dir.path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.pellarisproj"});

    QVERIFY(!controller->saveProject(urlOf(path("no/such/folder/p.pellarisproj")), {}));
    QVERIFY(!QFileInfo::exists(path("no")));
    QVERIFY(!controller->saveProject(urlOf(dir.path()), {}));
    QVERIFY(QFileInfo(dir.path()).isDir());
    QVERIFY(!controller->saveProject(QUrl(), {}));
    QVERIFY(!controller->saveProject(QUrl("https://example.org/p.json"), {}));
    QVERIFY(!controller->saveProject(QUrl("file:"), {}));
  }

  void loadIsRefusedWhileASolveRuns() {
    AppController c;
    QVERIFY(c.loadProject(urlOf(solvedPath)).value("ok").toBool());
    c.startSolveWithConfig(longFlopSpotConfig());
    QVERIFY(c.getRunning());
    const QVariantMap refused = c.loadProject(urlOf(solvedPath));
    QCOMPARE(refused.value("ok").toBool(), false);
    QCOMPARE(refused.value("error").toString(),
             QString("Cannot load a project while a solve is running"));
    QVERIFY(c.getRunning());

    // After clearResults the controller shows idle, but the solve still
    // runs until it notices the cancel: still refused. The solve may end
    // between any check made here and the load's own; a load taken must
    // then find it ended for good.
    c.clearResults();
    QVERIFY(!c.getRunning());
    const QVariantMap whileEnding = c.loadProject(urlOf(solvedPath));
    if (whileEnding.value("ok").toBool()) {
      QVERIFY(!Access::sessionRunning(c));
    } else {
      QCOMPARE(whileEnding.value("error").toString(),
               QString("Cannot load a project while a solve is running"));
    }
    QVERIFY(QTest::qWaitFor([&c] { return !Access::sessionRunning(c); }, 60000));
    QTest::qWait(50);  // the solve's final report is handled

    const QVariantMap loaded = c.loadProject(urlOf(solvedPath));
    QVERIFY2(loaded.value("ok").toBool(), qPrintable(loaded.value("error").toString()));
    QTest::qWait(50);
    QCOMPARE(c.treeNodeCount(), solved->treeNodeCount());
    QCOMPARE(c.getResultIterations(), solved->getResultIterations());
  }

  // Thousands of damaged variants of two good files: nothing crashes, a
  // refused file changes nothing, and whatever is accepted saves and loads
  // back to the same file.
  void fuzzMutatedProjects() {
    std::mt19937 random(20240607);
    const QJsonObject bases[] = {craftedObject(), textFormOf(*solved, solved->explorer().caches())};
    // The compact file of the same project, for byte damage of its own.
    const QByteArray compact = readAll(solvedPath);
    QVERIFY(halvory_app::isProjectStream(compact.front()));
    const QJsonValue odd[] = {QJsonValue::Null,
                              QJsonValue(true),
                              QJsonValue(-1),
                              QJsonValue(0),
                              QJsonValue(1),
                              QJsonValue(2),
                              QJsonValue(0.5),
                              QJsonValue(1e300),
                              QJsonValue(-1e300),
                              QJsonValue(2147483647.0),
                              QJsonValue(2147483648.0),
                              QJsonValue("x"),
                              QJsonValue(""),
                              QJsonValue(" ip "),
                              QJsonValue(QJsonArray{}),
                              QJsonValue(QJsonArray{1, "a"}),
                              QJsonValue(QJsonObject{}),
                              QJsonValue(QJsonObject{{"nodeIndex", 0}}),
                              QJsonValue::Undefined};

    AppController c;
    const QString file = path("fuzz.json");
    const QString scratch = path("fuzz-scratch.json");
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
      const bool big = round % 25 == 24;
      QJsonValue doc = bases[big ? 1 : 0];
      QByteArray bytes;
      if (round % 4 == 3) {
        // Byte damage: flips, cuts and insertions, in either form.
        bytes = round % 8 == 7 ? compact : QJsonDocument(doc.toObject()).toJson();
        const int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
          const qsizetype at = qsizetype(random() % bytes.size());
          switch (random() % 3) {
            case 0:
              bytes[at] = char(random());
              break;
            case 1:
              bytes.truncate(at);
              break;
            default:
              bytes.insert(at, char(random()));
              break;
          }
        }
      } else {
        // Structural damage: a few members replaced or removed.
        const int edits = 1 + int(random() % 3);
        for (int e = 0; e < edits; ++e) {
          QVariantList where;
          QJsonValue cursor = doc;
          const int depth = 1 + int(random() % 7);
          for (int d = 0; d < depth; ++d) {
            if (cursor.isObject() && !cursor.toObject().isEmpty()) {
              const QStringList keys = cursor.toObject().keys();
              const QString key = keys.at(qsizetype(random() % keys.size()));
              where << key;
              cursor = cursor.toObject().value(key);
            } else if (cursor.isArray() && !cursor.toArray().isEmpty()) {
              const int index = int(random() % cursor.toArray().size());
              where << index;
              cursor = cursor.toArray().at(index);
            } else {
              break;
            }
          }
          if (where.isEmpty()) continue;
          doc = withValueAt(doc, where, 0, odd[random() % std::size(odd)]);
        }
        bytes = QJsonDocument(doc.toObject()).toJson();
      }
      QVERIFY(writeAll(file, bytes));

      const QString statusBefore = c.getStatusText();
      const int nodesBefore = c.treeNodeCount();
      const QString summaryBefore = c.getResultsSummary();
      QSignalSpy changed(&c, &AppController::resultsChanged);
      const QVariantMap result = c.loadProject(urlOf(file));
      if (!result.value("ok").toBool()) {
        ++refused;
        QVERIFY(!result.value("error").toString().isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(c.getStatusText(), statusBefore);
        QCOMPARE(c.treeNodeCount(), nodesBefore);
        QCOMPARE(c.getResultsSummary(), summaryBefore);
        continue;
      }
      ++accepted;
      // Touch the queries that read restored rows.
      for (int node = 0; node < std::min(c.treeNodeCount(), 3); ++node) {
        c.nodeHandStrategyReach169(node, "");
        c.nodePocketActionEvs(node, "OOP", "As", "Ac");
        c.nodeHandBuckets(node);
      }
      QVERIFY(c.saveProject(urlOf(scratch), result.value("project").toMap()));
      const QByteArray first = readAll(scratch);
      const QVariantMap again = c.loadProject(urlOf(scratch));
      QVERIFY2(again.value("ok").toBool(), qPrintable(again.value("error").toString()));
      QVERIFY(c.saveProject(urlOf(scratch), again.value("project").toMap()));
      // Loading normalises lock vectors (a single-action lock on an
      // index past the node's actions does not sum to 1), so locks are
      // compared by node and hand; everything else byte for byte.
      QCOMPARE(withoutLocks(readAll(scratch)), withoutLocks(first));
      QCOMPARE(lockKeys(readAll(scratch)), lockKeys(first));
    }
    qInfo() << "fuzz: accepted" << accepted << "refused" << refused;
    QVERIFY(accepted > 100);
    QVERIFY(refused > 100);
  }
};

// As a child process (two variables set) the program loads one project and
// saves it again, so the parent can compare what another process restored.
static int runChild(const QString& in, const QString& out) {
  AppController controller;
  const QVariantMap result = controller.loadProject(QUrl::fromLocalFile(in));
  const bool saved =
      controller.saveProject(QUrl::fromLocalFile(out), result.value("project").toMap());
  QTextStream(stdout) << "ok=" << int(result.value("ok").toBool())
                      << " hasResults=" << int(result.value("hasResults").toBool())
                      << " iterations=" << controller.getResultIterations()
                      << " nodes=" << controller.treeNodeCount()
                      << " error=" << result.value("error").toString() << Qt::endl;
  return result.value("ok").toBool() && saved ? 0 : 1;
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  useIsolatedSettings();
  const QString childIn = qEnvironmentVariable("PROJECT_FILES_CHILD_IN");
  const QString childOut = qEnvironmentVariable("PROJECT_FILES_CHILD_OUT");
  if (!childIn.isEmpty() && !childOut.isEmpty()) return runChild(childIn, childOut);
  ProjectFilesTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "project_files_test.moc"
