// The program's settings file: it reads what QSettings writes and QSettings
// reads what it writes; two running copies saving in turn, side by side and
// across a full disk keep every entry each was told was kept; a write the
// file cannot take says why and writes nothing; a counted hand or a solve is
// one write that leaves every other line as it was; a file deleted while
// running loses nothing read before; a key given twice keeps its earlier
// line; damaged files read and take writes without harm.

#include "controller/settings_file.hpp"
#include "controller/settings_store.hpp"
#include "controller/user_statistics.hpp"
#include "support/file_bytes.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include <unistd.h>

using halvory_app::SettingsFile;
using halvory_app::StoreFault;

using file_bytes::bytesOf;
using file_bytes::plant;

namespace {

constexpr char kChildVariable[] = "PELLARIS_TEST_SETTINGS_COPY";

// One save as a page makes it: the list as stored now with one entry more,
// written only while the store still holds what was read (else read again).
StoreFault appendEntry(SettingsFile& file, const QString& name) {
  StoreFault fault = StoreFault::Changed;
  for (int attempt = 0; attempt < 20 && fault == StoreFault::Changed; ++attempt) {
    const QString text = file.value("ranges", "list", QString()).toString();
    if (file.readFault() != StoreFault::None) return file.readFault();
    const QString written = text.isEmpty() ? name : text + QLatin1Char('|') + name;
    fault = file.write("ranges", {{"list", written}}, {{"list", text}});
  }
  return fault;
}

// The day the statistics of these tests count on.
const QDate kStatisticsDay(2024, 5, 15);

// In the child: a running copy of the program, told what to save on its
// input ("save NAME", "burst PREFIX COUNT", "nospace 1|0", "count COUNT",
// "quit"); it says "kept NAME" or "refused NAME" for each save and "done"
// after each order. "count" counts that many hands and solves in turn.
void runCopy() {
  const QByteArray path = qgetenv(kChildVariable);
  if (path.isEmpty()) return;
  SettingsFile file(QString::fromLocal8Bit(path));
  std::string line;
  while (std::getline(std::cin, line)) {
    const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
    if (words.value(0) == QLatin1String("quit")) break;
    QStringList names;
    if (words.value(0) == QLatin1String("save")) names << words.value(1);
    if (words.value(0) == QLatin1String("burst")) {
      for (int i = 0; i < words.value(2).toInt(); ++i) names << words.value(1) + QString::number(i);
    }
    if (words.value(0) == QLatin1String("nospace"))
      SettingsFile::simulateNoSpace(words.value(1) == QLatin1String("1"));
    if (words.value(0) == QLatin1String("count")) {
      UserStatistics stats(halvory_app::makeSettingsStore(file.path()),
                           [] { return kStatisticsDay; });
      for (int i = 0; i < words.value(1).toInt(); ++i) {
        stats.recordPlayHandDetailed(i % 2 == 0, 0.25, 1.0, 1.25);
        stats.recordSolveActivity(100, 0.5, 10);
      }
    }
    for (const QString& name : names) {
      const bool kept = appendEntry(file, name) == StoreFault::None;
      std::printf("%s %s\n", kept ? "kept" : "refused", qPrintable(name));
    }
    std::printf("done\n");
    std::fflush(stdout);
  }
  std::exit(0);
}
Q_COREAPP_STARTUP_FUNCTION(runCopy)

struct Copy {
  QProcess process;
  QStringList kept;
  QStringList refused;

  void start(const QString& path) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), path);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), {});
  }
  void send(const QByteArray& order) { process.write(order + '\n'); }
  // Reads the answers to one order.
  bool answered() {
    for (;;) {
      while (!process.canReadLine()) {
        if (!process.waitForReadyRead(60000)) return false;
      }
      const QString line = QString::fromUtf8(process.readLine()).trimmed();
      if (line == QLatin1String("done")) return true;
      if (line.startsWith(QLatin1String("kept "))) kept << line.mid(5);
      if (line.startsWith(QLatin1String("refused "))) refused << line.mid(8);
    }
  }
};

}  // namespace

class SettingsFileTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString path(const QString& name) const { return dir_.filePath(name); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("PellarisTest"));
    QCoreApplication::setApplicationName(QStringLiteral("SettingsFileTest"));
  }

  // Texts that need the format's escapes, quotes or list commas.
  void sameTextAsQSettings_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("json list") << QStringLiteral(
        R"([{"id":"a","name":"x, y; z = 1","value":"AA,KK:0.5"}])");
    QTest::newRow("outer blanks") << QStringLiteral("  padded  ");
    QTest::newRow("at sign") << QStringLiteral("@Invalid()");
    QTest::newRow("controls then digits") << QString::fromUtf8(
        "a\n\tb\r\x01"
        "7\\0 \"q\"");
    QTest::newRow("nul then hex digit") << QString(QChar(0)) + QStringLiteral("f1");
    QTest::newRow("non-ASCII") << QString::fromUtf8("Größe – Русский ✓ \xF0\x9F\x83\x8F");
    QTest::newRow("empty") << QString();
  }

  void sameTextAsQSettings() {
    QFETCH(QString, text);
    const QString file = path(QStringLiteral("roundtrip.conf"));
    QFile::remove(file);
    {
      QSettings theirs(file, QSettings::IniFormat);
      theirs.setValue("updates/cachedAt", QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
      theirs.setValue("ranges/byQt", text);
      theirs.sync();
    }
    SettingsFile ours(file);
    QCOMPARE(ours.value("ranges", "byQt").toString(), text);
    QCOMPARE(ours.write("ranges", {{"byUs", text}, {"flag", true}, {"share", 0.1}}),
             StoreFault::None);
    QSettings theirs(file, QSettings::IniFormat);
    QCOMPARE(theirs.value("ranges/byUs").toString(), text);
    QCOMPARE(theirs.value("ranges/byQt").toString(), text);
    QCOMPARE(theirs.value("ranges/flag").toString(), QStringLiteral("true"));
    QCOMPARE(theirs.value("ranges/share").toString(), QStringLiteral("0.1"));
    QCOMPARE(theirs.value("updates/cachedAt").toDateTime(),
             QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
  }

  // Each copy is told of every save; a refused one is not in the file and
  // every kept one is, whatever the other copy wrote meanwhile.
  void twoCopiesKeepWhatTheyWereToldWasKept_data() {
    QTest::addColumn<QStringList>("orders");  // "A order" / "B order"
    QTest::newRow("in turn") << QStringList{"A save a1", "B save b1", "A save a2", "B save b2"};
    QTest::newRow("across a full disk") << QStringList{"A save a0",   "A nospace 1", "A save lost",
                                                       "A nospace 0", "B save b_ok", "A save a1"};
    QTest::newRow("side by side") << QStringList{"A burst a 40", "B burst b 40"};
    QTest::newRow("side by side over an empty old lock")
        << QStringList{"A burst a 40", "B burst b 40"};
  }

  void twoCopiesKeepWhatTheyWereToldWasKept() {
    QFETCH(QStringList, orders);
    const QString file = path(QStringLiteral("shared.conf"));
    QFile::remove(file);
    const QByteArray tag = QTest::currentDataTag();
    if (tag.endsWith("old lock")) {
      // Left by a copy that died while making it: both copies meet it.
      QFile lock(file + QStringLiteral(".lock"));
      QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
      QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                               QFileDevice::FileModificationTime));
    }
    Copy a, b;
    a.start(file);
    b.start(file);
    QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
    const bool together = tag.startsWith("side by side");
    QList<Copy*> waiting;
    for (const QString& order : orders) {
      Copy* copy = order.startsWith('A') ? &a : &b;
      copy->send(order.mid(2).toUtf8());
      if (together) {
        waiting << copy;
      } else {
        QVERIFY(copy->answered());
      }
    }
    for (Copy* copy : waiting) QVERIFY(copy->answered());
    for (Copy* copy : {&a, &b}) {
      copy->send("quit");
      QVERIFY(copy->process.waitForFinished(60000));
    }
    const QStringList stored =
        SettingsFile(file).value("ranges", "list").toString().split(QLatin1Char('|'));
    for (const QString& name : a.kept + b.kept) QVERIFY2(stored.contains(name), qPrintable(name));
    for (const QString& name : a.refused + b.refused)
      QVERIFY2(!stored.contains(name), qPrintable(name));
    QCOMPARE(stored.size(), a.kept.size() + b.kept.size());
    if (tag == "across a full disk") QCOMPARE(a.refused, QStringList{"lost"});
    if (tag.endsWith("old lock")) QVERIFY(!QFile::exists(file + QStringLiteral(".lock")));
  }

  // Two copies counting hands and solves side by side: each count is made
  // on the counters as stored at the moment of writing, so none is lost.
  void twoCopiesCountEveryHand() {
    const QString file = path(QStringLiteral("counted.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    constexpr int kEach = 60;
    Copy a, b;
    a.start(file);
    b.start(file);
    QVERIFY(a.process.waitForStarted() && b.process.waitForStarted());
    a.send("count " + QByteArray::number(kEach));
    b.send("count " + QByteArray::number(kEach));
    for (Copy* copy : {&a, &b}) {
      QVERIFY(copy->answered());
      copy->send("quit");
      QVERIFY(copy->process.waitForFinished(60000));
    }
    SettingsFile::forgetAll();
    UserStatistics stats(halvory_app::makeSettingsStore(file), [] { return kStatisticsDay; });
    const QVariantMap play = stats.playStats();
    QCOMPARE(play.value("totalHands").toInt(), 2 * kEach);
    QCOMPARE(play.value("totalMistakes").toInt(), 2 * kEach);  // a loss is a mistake
    QCOMPARE(play.value("todayHands").toInt(), 2 * kEach);
    QCOMPARE(stats.loadPlayVsSolutionHistory().size(), 2 * kEach);
    QCOMPARE(stats.solvesToday(), 2 * kEach);
    QCOMPARE(stats.historyDaily().value(0).toMap().value("runtimeMsSum").toInt(), 2 * kEach * 10);
  }

  // Another copy counting a hand and a solve after every read this one
  // makes outside its writes (the moment a count read before its write
  // would lose them): every count of both is kept.
  void countsSurviveAnotherCopysWrites() {
    const QString file = path(QStringLiteral("interleaved.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    const auto day = [] { return kStatisticsDay; };
    struct Interleaved final : halvory_app::SettingsStore {
      std::shared_ptr<SettingsStore> own;
      UserStatistics* other = nullptr;
      int othersCounts = 0;
      void countElsewhere() const {
        auto* self = const_cast<Interleaved*>(this);
        ++self->othersCounts;
        other->recordPlayHandDetailed(false, 0.0, 1.0, 1.0);
        other->recordSolveActivity(10, 0.5, 1);
      }
      QVariant value(const QString& key, const QVariant& fallback) const override {
        const QVariant held = own->value(key, fallback);
        countElsewhere();
        return held;
      }
      QVariantList values(const QStringList& keys) const override {
        const QVariantList held = own->values(keys);
        countElsewhere();
        return held;
      }
      void setValue(const QString& key, const QVariant& value) override {
        own->setValue(key, value);
      }
      void setValues(const QVariantMap& changes) override { own->setValues(changes); }
      void update(const std::function<QVariantMap(const Reader&)>& changesOf) override {
        own->update(changesOf);
      }
      void remove(const QString& key) override { own->remove(key); }
      QStringList childGroups(const QString& group) const override {
        return own->childGroups(group);
      }
    };
    UserStatistics other(halvory_app::makeSettingsStore(file), day);
    auto store = std::make_shared<Interleaved>();
    store->own = halvory_app::makeSettingsStore(file);
    store->other = &other;
    UserStatistics stats(store, day);
    for (int round = 0; round < 3; ++round) {
      stats.recordPlayHandDetailed(true, 0.5, 1.0, 1.5);
      stats.recordSolveActivity(100, 0.25, 50);
    }
    SettingsFile::forgetAll();
    UserStatistics restarted(halvory_app::makeSettingsStore(file), day);
    const int others = store->othersCounts;
    QCOMPARE(restarted.playStats().value("totalHands").toInt(), 3 + others);
    QCOMPARE(restarted.playStats().value("totalMistakes").toInt(), 3);
    QCOMPARE(restarted.loadPlayVsSolutionHistory().size(), 3 + others);
    QCOMPARE(restarted.solvesToday(), 3 + others);
  }

  // The file deleted while running: a counted hand and a solve count on
  // from what the session last read, and the history stays whole.
  void deletedFileKeepsTheCounts() {
    const QString file = path(QStringLiteral("counts-gone.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    const auto day = [] { return kStatisticsDay; };
    UserStatistics stats(halvory_app::makeSettingsStore(file), day);
    for (int hand = 0; hand < 3; ++hand) stats.recordPlayHandDetailed(hand == 0, 0.0, 1.0, 1.0);
    stats.recordSolveActivity(200, 0.5, 700);
    QCOMPARE(stats.playStats().value("totalHands").toInt(), 3);
    QVERIFY(QFile::remove(file));
    stats.recordPlayHandDetailed(false, 0.0, 2.0, 2.0);
    stats.recordSolveActivity(300, 0.25, 300);

    SettingsFile::forgetAll();
    UserStatistics restarted(halvory_app::makeSettingsStore(file), day);
    const QVariantMap play = restarted.playStats();
    QCOMPARE(play.value("totalHands").toInt(), 4);
    QCOMPARE(play.value("totalMistakes").toInt(), 1);
    QCOMPARE(play.value("todayHands").toInt(), 4);
    const QVariantList history = restarted.loadPlayVsSolutionHistory();
    QCOMPARE(history.size(), 4);
    QCOMPARE(history.last().toMap().value("actualEv").toDouble(), 2.0);
    QCOMPARE(restarted.solvesToday(), 2);
    QCOMPARE(restarted.historyDaily().value(0).toMap().value("runtimeMsSum").toInt(), 1000);
    QCOMPARE(restarted.firstSolveDateIso(), QStringLiteral("2024-05-15"));
  }

  // A lock file left behind by a copy that died (or failed while making
  // it) never stops a save: one naming no process is taken once it is a
  // few seconds old, one naming a process that is gone at once.
  void leftBehindLockIsTaken_data() {
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("removalLeftBehind");
    const QByteArray gone = "2147483000\npellaris\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    QTest::newRow("empty, ten minutes old") << QByteArray() << 600 << false;
    QTest::newRow("empty, just made") << QByteArray() << 0 << false;
    QTest::newRow("unreadable") << QByteArray("\x01\x02 not a lock") << 60 << false;
    QTest::newRow("names a process that is gone") << gone << 0 << false;
    QTest::newRow("gone, and an empty removal lock") << gone << 60 << true;
  }

  void leftBehindLockIsTaken() {
    QFETCH(QByteArray, lock);
    QFETCH(int, ageSeconds);
    QFETCH(bool, removalLeftBehind);
    const QString file = path(QStringLiteral("locked.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    const QString lockPath = file + QStringLiteral(".lock");
    QList<QString> planted{lockPath};
    if (removalLeftBehind) planted << lockPath + QStringLiteral(".rmlock");
    for (const QString& name : planted) {
      QFile f(name);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      QCOMPARE(f.write(name == lockPath ? lock : QByteArray()), lock.size() * (name == lockPath));
      QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                            QFileDevice::FileModificationTime));
    }
    SettingsFile store(file);
    QCOMPARE(appendEntry(store, QStringLiteral("kept")), StoreFault::None);
    QVERIFY(!QFile::exists(lockPath));
    SettingsFile::forgetAll();
    QCOMPARE(SettingsFile(file).value("ranges", "list").toString(), QStringLiteral("kept"));
  }

  // A last line that ends in a backslash (which escapes what follows) or a
  // line break: a key added after it starts a line of its own and reads
  // back, and the last value reads as before, in both readers.
  void keyAfterTheLastLineIsKept_data() {
    QTest::addColumn<QByteArray>("ending");
    QTest::newRow("backslash") << QByteArray("\\");
    QTest::newRow("escaped backslash") << QByteArray("\\\\");
    QTest::newRow("escaped r") << QByteArray("\\r");
    QTest::newRow("carriage return") << QByteArray("\r");
    QTest::newRow("backslash, carriage return") << QByteArray("\\\r");
    QTest::newRow("backslash, CRLF") << QByteArray("\\\r\n");
    QTest::newRow("backslash, LF") << QByteArray("\\\n");
    QTest::newRow("none") << QByteArray();
  }

  void keyAfterTheLastLineIsKept() {
    QFETCH(QByteArray, ending);
    const QString file = path(QStringLiteral("ending.conf"));
    for (const bool newGroup : {false, true}) {
      const QByteArray text = "[ranges]\nlist=a\n[ui]\ndarkMode=false" + ending;
      QVERIFY(plant(file, text));
      SettingsFile::forgetAll();
      const QVariant before = QSettings(file, QSettings::IniFormat).value("ui/darkMode");
      SettingsFile store(file);
      QCOMPARE(store.value("ui", "darkMode"), before);
      const QString group = newGroup ? QStringLiteral("language") : QStringLiteral("ui");
      QCOMPARE(store.write(group, {{"code", "fr"}}), StoreFault::None);
      QVERIFY(bytesOf(file).startsWith(text));
      SettingsFile::forgetAll();
      SettingsFile restarted(file);
      QSettings theirs(file, QSettings::IniFormat);
      QCOMPARE(restarted.value(group, "code").toString(), QStringLiteral("fr"));
      QCOMPARE(theirs.value(group + "/code").toString(), QStringLiteral("fr"));
      QCOMPARE(restarted.value("ui", "darkMode"), before);
      QCOMPARE(theirs.value("ui/darkMode"), before);
      QCOMPARE(restarted.value("ranges", "list").toString(), QStringLiteral("a"));
    }
  }

  // A write the file cannot take writes nothing and says why; the start-up
  // check names the same cause.
  void faultsAreNamed_data() {
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("words");
    QTest::newRow("folder in place") << "folder" << int(StoreFault::Unreadable) << "cannot be read";
    QTest::newRow("file not readable")
        << "unreadable" << int(StoreFault::Unreadable) << "cannot be read";
    QTest::newRow("file read-only")
        << "readonly" << int(StoreFault::NotWritable) << "is not writable";
    QTest::newRow("folder read-only")
        << "folder-readonly" << int(StoreFault::NotWritable) << "is not writable";
    QTest::newRow("full disk") << "nospace" << int(StoreFault::NoSpace) << "no space left";
  }

  void faultsAreNamed() {
    QFETCH(QString, cause);
    QFETCH(int, fault);
    QFETCH(QString, words);
    const QString folder = path(QStringLiteral("faults"));
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/Pellaris.conf");
    {
      SettingsFile setup(file);
      QCOMPARE(setup.write("ui", {{"darkMode", true}}), StoreFault::None);
    }
    const QByteArray before = bytesOf(file);
    const auto restore = qScopeGuard([&] {
      SettingsFile::simulateNoSpace(false);
      QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    });
    if (cause == QLatin1String("folder")) {
      QVERIFY(QFile::remove(file) && QDir().mkpath(file));
    } else if (cause == QLatin1String("nospace")) {
      SettingsFile::simulateNoSpace(true);
    } else {
      if (::geteuid() == 0) QSKIP("file modes do not hold for root");
      if (cause == QLatin1String("unreadable")) QVERIFY(QFile::setPermissions(file, {}));
      if (cause == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
      if (cause == QLatin1String("folder-readonly"))
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    SettingsFile file2(file);
    QCOMPARE(int(file2.write("ui", {{"darkMode", false}})), fault);
    QCOMPARE(int(file2.check()), fault);
    const QString said = halvory_app::storeFaultText(StoreFault(fault), file);
    QVERIFY2(said.contains(words) && said.contains(QStringLiteral("Pellaris.conf")),
             qPrintable(said));
    if (cause != QLatin1String("folder") && cause != QLatin1String("unreadable")) {
      QFile f(file);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), before);
    }
  }

  // A counted hand and a finished solve each make one write through the
  // statistics' own store; every range and profile line stays as it was
  // (also after a stray unclosed quote, which QSettings reads on past the
  // line), and the counters read back as recorded after a restart.
  void statisticsLeaveOtherLinesAsTheyWere_data() {
    QTest::addColumn<QByteArray>("lead");
    QTest::newRow("clean") << QByteArray();
    QTest::newRow("stray quote") << QByteArray("[General]\nnote=\"x\n\n");
  }

  void statisticsLeaveOtherLinesAsTheyWere() {
    QFETCH(QByteArray, lead);
    const QString file = path(QStringLiteral("statistics.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    const QString oop = QStringLiteral(R"([{"id":"a","name":"x, y; z","value":"AA, KK:0.5"}])");
    const QString ip = QStringLiteral(R"([{"id":"b","name":"@b","value":"QQ"}])");
    const QString profiles = QStringLiteral(R"([{"name":"Deep","threads":8}])");
    QCOMPARE(SettingsFile(file).writeKeys({{"ranges/oopCustomRangesJson", oop},
                                           {"ranges/ipCustomRangesJson", ip},
                                           {"profiles/listJson", profiles}}),
             StoreFault::None);
    const QByteArray before = lead + bytesOf(file);
    QVERIFY(plant(file, before));
    SettingsFile::forgetAll();

    const QDate day(2024, 5, 15);
    {
      UserStatistics stats(halvory_app::makeSettingsStore(file), [day] { return day; });
      for (int action = 0; action < 3; ++action) {
        const quint64 writes = SettingsFile::writesMade();
        if (action == 1)
          stats.recordSolveActivity(400, 0.25, 1500);
        else
          stats.recordPlayHandDetailed(action == 0, action == 0 ? 0.5 : 0.0, 1.0, 1.5);
        QCOMPARE(SettingsFile::writesMade() - writes, quint64(1));
      }
    }
    const QByteArray after = bytesOf(file);
    QVERIFY2(after.startsWith(before), after.constData());

    SettingsFile::forgetAll();
    const quint64 readsFrom = SettingsFile::writesMade();
    SettingsFile ours(file);
    QCOMPARE(ours.value("ranges", "oopCustomRangesJson").toString(), oop);
    QCOMPARE(ours.value("ranges", "ipCustomRangesJson").toString(), ip);
    QCOMPARE(ours.value("profiles", "listJson").toString(), profiles);
    UserStatistics stats(halvory_app::makeSettingsStore(file), [day] { return day; });
    const QVariantMap play = stats.playStats();
    QCOMPARE(play.value("totalHands").toInt(), 2);
    QCOMPARE(play.value("totalMistakes").toInt(), 1);
    QCOMPARE(play.value("todayHands").toInt(), 2);
    QCOMPARE(stats.loadPlayVsSolutionHistory().size(), 2);
    QCOMPARE(stats.solvesToday(), 1);
    QCOMPARE(stats.firstSolveDateIso(), QStringLiteral("2024-05-15"));
    // The first solve's date came with its record: reading writes nothing.
    QCOMPARE(SettingsFile::writesMade(), readsFrom);

    if (lead.isEmpty()) {
      QSettings theirs(file, QSettings::IniFormat);
      QCOMPARE(theirs.value("ranges/oopCustomRangesJson").toString(), oop);
      QCOMPARE(theirs.value("ranges/ipCustomRangesJson").toString(), ip);
      QCOMPARE(theirs.value("profiles/listJson").toString(), profiles);
      QCOMPARE(theirs.value("playVsSolution/total/hands").toInt(), 2);
      QCOMPARE(theirs.value("playVsSolution/2024-05-15/mistakes").toInt(), 1);
      QCOMPARE(theirs.value("solveActivity/2024-05-15/runtimeMsSum").toInt(), 1500);
      QCOMPARE(theirs.value("solveActivity/firstSolveDate").toString(), QString("2024-05-15"));
    }

    // Clearing the Play vs. Solution record is one write too, and takes
    // nothing else.
    const quint64 writes = SettingsFile::writesMade();
    stats.clearPlayStats();
    QCOMPARE(SettingsFile::writesMade() - writes, quint64(1));
    QVERIFY(bytesOf(file).startsWith(before));
    QCOMPARE(stats.playStats().value("totalHands").toInt(), 0);
    QCOMPARE(stats.solvesToday(), 1);
  }

  // A key given twice: a save changes the line both readers take (the last)
  // and leaves the earlier one where it was.
  void shadowedLineIsKept_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("shadowed");
    QTest::newRow("one section") << QByteArray("[ranges]\nlist=old\nother=1\nlist=shown\n")
                                 << QByteArray("list=old\n");
    QTest::newRow("two sections")
        << QByteArray("[ranges]\nlist=\"a, b\"\n[ui]\ndark=true\n[ranges]\nlist=shown\n")
        << QByteArray("list=\"a, b\"\n");
  }

  void shadowedLineIsKept() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, shadowed);
    const QString file = path(QStringLiteral("twice.conf"));
    QVERIFY(plant(file, text));
    SettingsFile::forgetAll();
    SettingsFile ours(file);
    QCOMPARE(ours.value("ranges", "list").toString(), QStringLiteral("shown"));
    QCOMPARE(ours.write("ranges", {{"list", "saved"}}, {{"list", "shown"}}), StoreFault::None);
    QVERIFY(bytesOf(file).contains(shadowed));
    SettingsFile::forgetAll();
    QCOMPARE(SettingsFile(file).value("ranges", "list").toString(), QStringLiteral("saved"));
    QCOMPARE(QSettings(file, QSettings::IniFormat).value("ranges/list").toString(),
             QStringLiteral("saved"));
  }

  // A key this program read is lost when the file goes; writing it again
  // brings it back.
  void deletedFileIsSeenAsLost() {
    const QString file = path(QStringLiteral("deleted.conf"));
    SettingsFile store(file);
    QCOMPARE(store.write("ranges", {{"list", "a|b"}}), StoreFault::None);
    QVERIFY(!store.lost("ranges", "list"));
    QVERIFY(QFile::remove(file));
    QVERIFY(store.lost("ranges", "list"));
    QVERIFY(!store.lost("ranges", "never"));
    QCOMPARE(store.write("ranges", {{"list", "a|b|c"}}), StoreFault::None);
    QVERIFY(!store.lost("ranges", "list"));
  }

  // The file deleted while running: the next save writes back everything
  // the session had read, with its own change.
  void deletedFileKeepsWhatWasRead() {
    const QString file = path(QStringLiteral("gone.conf"));
    const QVariantMap kept{{"ranges/oopCustomRangesJson", R"([{"id":"a","value":"AA"}])"},
                           {"ranges/ipCustomRangesJson", R"([{"id":"b","value":"KK"}])"},
                           {"profiles/listJson", R"([{"name":"Deep"}])"},
                           {"ui/darkMode", "true"},
                           {"language/code", "de"},
                           {"note", "kept"}};
    QCOMPARE(SettingsFile(file).writeKeys(kept), StoreFault::None);
    SettingsFile::forgetAll();
    SettingsFile session(file);
    for (auto it = kept.constBegin(); it != kept.constEnd(); ++it)
      QCOMPARE(session.value(QString(), it.key()), it.value());
    QVERIFY(QFile::remove(file));
    // As a page saves: the list as stored now (gone) expected unchanged.
    QVERIFY(session.lost("ranges", "oopCustomRangesJson"));
    const QString now = session.value("ranges", "oopCustomRangesJson", QString()).toString();
    QCOMPARE(
        session.write("ranges", {{"oopCustomRangesJson", "[]"}}, {{"oopCustomRangesJson", now}}),
        StoreFault::None);
    SettingsFile::forgetAll();
    SettingsFile restarted(file);
    for (auto it = kept.constBegin(); it != kept.constEnd(); ++it) {
      const QString expected = it.key() == QLatin1String("ranges/oopCustomRangesJson")
                                   ? QStringLiteral("[]")
                                   : it.value().toString();
      QCOMPARE(restarted.value(QString(), it.key()).toString(), expected);
    }
  }
  // Damaged files, made by changing a written one at random (a seeded run):
  // each reads without harm, a new group is added after every byte that
  // was there, and a list edited as a page edits it reads back as written.
  void mutatedFilesReadAndWrite() {
    const QString file = path(QStringLiteral("mutated.conf"));
    QFile::remove(file);
    SettingsFile::forgetAll();
    QCOMPARE(SettingsFile(file).writeKeys(
                 {{"ranges/oopCustomRangesJson", R"([{"id":"a","name":"x, y; z","value":"AA"}])"},
                  {"ranges/ipCustomRangesJson", QString::fromUtf8("[\"Größe\\\\ \\\" @b\"]")},
                  {"profiles/listJson", QString(QChar(0)) + QStringLiteral("f1, \"q\"")},
                  {"ui/darkMode", true},
                  {"solveActivity/2024-05-15/solves", 3}}),
             StoreFault::None);
    const QByteArray written = bytesOf(file);
    const QByteArray inserts("\"\\,=[]\n\r;@#\t/ x", 16);
    std::mt19937 random(20261210);
    const auto below = [&random](qsizetype n) {
      return qsizetype(
          std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(n, 1) - 1)(random));
    };
    for (int round = 0; round < 1500; ++round) {
      QByteArray bytes = written;
      for (int change = 1 + below(4); change > 0 && !bytes.isEmpty(); --change) {
        const qsizetype at = below(bytes.size());
        switch (below(5)) {
          case 0:
            bytes[at] = char(bytes[at] ^ (1 << below(8)));
            break;
          case 1:
            bytes.insert(at, inserts[below(inserts.size())]);
            break;
          case 2:
            bytes.remove(at, 1 + below(8));
            break;
          case 3:
            bytes.truncate(at);
            break;
          default:
            bytes.insert(at, bytes.mid(below(bytes.size()), 1 + below(40)));
            break;
        }
      }
      QVERIFY(plant(file, bytes));
      SettingsFile::forgetAll();
      SettingsFile store(file);
      for (const QString& group : store.childGroups(QString())) (void)store.childGroups(group);
      (void)store.storedLine("ranges", "oopCustomRangesJson");
      const QString mark = QString::number(round);
      QCOMPARE(store.write("fuzz", {{"mark", mark}}), StoreFault::None);
      // A counter counted from the file as read under the lock.
      QCOMPARE(store.update([](const SettingsFile::Reader& read) {
        return QVariantMap{{"fuzz/count", read("fuzz/count").toInt() + 1}};
      }),
               StoreFault::None);
      const QByteArray after = bytesOf(file);
      QVERIFY2(after.startsWith(bytes), qPrintable(QStringLiteral("round %1").arg(round)));
      // A damaged line reads as a list, which a page holds joined by commas.
      const QVariant held = store.value("ranges", "oopCustomRangesJson");
      const QString list = held.typeId() == QMetaType::QStringList
                               ? held.toStringList().join(QLatin1Char(','))
                               : held.toString();
      QCOMPARE(
          store.write("ranges", {{"oopCustomRangesJson", mark}}, {{"oopCustomRangesJson", list}}),
          StoreFault::None);
      SettingsFile::forgetAll();
      SettingsFile again(file);
      QCOMPARE(again.value("fuzz", "mark").toString(), mark);
      QCOMPARE(again.value("fuzz", "count").toInt(), 1);
      QCOMPARE(again.value("ranges", "oopCustomRangesJson").toString(), mark);
    }
  }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
