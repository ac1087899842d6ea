// Text files and resources: the read limit to the byte, devices, folders and FIFOs,
// line ends and bad UTF-8, atomic saves, resource names, and the notices.

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "project_test_support.hpp"

using namespace project_test_support;

namespace {

constexpr qsizetype kLimit = 2097152;

// Records the URLs that the desktop would have opened.
class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

}  // namespace

class FilesTextTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  AppController controller;

  QString path(const QString& name) const { return dir.filePath(name); }

  QVariantMap read(const QString& file) const {
    return controller.readTextFile(QUrl::fromLocalFile(file));
  }

  static void expectReadFailure(const QVariantMap& result, const QString& error) {
    QCOMPARE(result.size(), 3);
    QCOMPARE(result.value("ok").toBool(), false);
    QCOMPARE(result.value("error").toString(), error);
    QCOMPARE(result.value("text").toString(), QString());
  }

 private slots:
  void initTestCase() {
    useIsolatedSettings();
    QVERIFY(dir.isValid());
  }

  void readAcceptsExactlyTheLimit() {
    QVERIFY(writeAll(path("limit.txt"), QByteArray(kLimit, 'a')));
    const QVariantMap result = read(path("limit.txt"));
    QCOMPARE(result.size(), 3);
    QCOMPARE(result.value("ok").toBool(), true);
    QCOMPARE(result.value("error").toString(), QString());
    QCOMPARE(result.value("text").toString().size(), kLimit);

    QVERIFY(writeAll(path("over.txt"), QByteArray(kLimit + 1, 'a')));
    expectReadFailure(read(path("over.txt")), "File is too large (2097153 bytes).");
  }

  // Only regular files are read; a FIFO without a writer is refused at once
  // instead of blocking the GUI thread until someone writes to it.
  void readRefusesAnythingButRegularFiles_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("folder") << dir.path();
    QTest::newRow("FIFO") << path("range.fifo");
  }

  void readRefusesAnythingButRegularFiles() {
    QFETCH(QString, target);
    if (target.endsWith(".fifo") && !QFileInfo::exists(target)) {
      QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    }
    expectReadFailure(read(target), "Not a regular file.");
  }

  void readLineEndsAndBadUtf8() {
    QVERIFY(writeAll(path("crlf.txt"), "AA, KK\r\nQQ:0.5\r\n"));
    QCOMPARE(read(path("crlf.txt")).value("text").toString(), QString("AA, KK\nQQ:0.5\n"));
    // A UTF-8 byte order mark is dropped, as it always was.
    QVERIFY(writeAll(path("bom.txt"),
                     "\xef\xbb\xbf"
                     "AA, KK"));
    QCOMPARE(read(path("bom.txt")).value("text").toString(), QString::fromUtf8("\xef\xbb\xbf"
                                                                               "AA, KK"));
  }

  // A range file read as the import reads it: LF, CRLF and a lone CR each
  // end a line, and the range stored holds every line at its weight.
  void importReadsEveryLineEnd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariantMap>("weights");
    const QVariantMap qqHalf99{{"QQ", 0.5}, {"99", 1.0}};
    QTest::newRow("CR only") << QByteArray("QQ:0.5\r99\r") << "QQ:0.5\n99\n"
                             << "QQ:0.5, 99" << qqHalf99;
    QTest::newRow("LF") << QByteArray("QQ:0.5\n99\n") << "QQ:0.5\n99\n"
                        << "QQ:0.5, 99" << qqHalf99;
    QTest::newRow("CRLF") << QByteArray("QQ:0.5\r\n99\r\n") << "QQ:0.5\n99\n"
                          << "QQ:0.5, 99" << qqHalf99;
    QTest::newRow("mixed, blank lines")
        << QByteArray("AA\r\nKK:0.25\rQQ:0.5\n\r\r\n99") << "AA\nKK:0.25\nQQ:0.5\n\n\n99"
        << "AA, KK:0.25, QQ:0.5, 99"
        << QVariantMap{{"AA", 1.0}, {"KK", 0.25}, {"QQ", 0.5}, {"99", 1.0}};
    QTest::newRow("CR between items of a line")
        << QByteArray("AA,KK\rAKs:0.5, AQs\r") << "AA,KK\nAKs:0.5, AQs\n"
        << "AA, KK, AKs:0.5, AQs"
        << QVariantMap{{"AA", 1.0}, {"KK", 1.0}, {"AKs", 0.5}, {"AQs", 1.0}};
  }

  void importReadsEveryLineEnd() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QVariantMap, weights);
    QVERIFY(writeAll(path("lines.txt"), bytes));
    const QVariantMap file = read(path("lines.txt"));
    QCOMPARE(file.value("ok").toBool(), true);
    QCOMPARE(file.value("text").toString(), text);
    const QVariantMap imported =
        controller.normalizeImportedRangeText(file.value("text").toString(), "holdem");
    QCOMPARE(imported.value("error").toString(), QString());
    QCOMPARE(imported.value("text").toString(), stored);
    const QVariantMap shares = controller.readRangeText(stored, "holdem").value("weights").toMap();
    QCOMPARE(shares.keys(), weights.keys());
    for (auto it = weights.constBegin(); it != weights.constEnd(); ++it)
      QCOMPARE(shares.value(it.key()).toDouble(), it.value().toDouble());
  }

  // Text in another encoding is named as such, never passed on garbled.
  void readRefusesOtherEncodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("broken UTF-8") << QByteArray("AK\xff\xfe s\xc3(\xe2\x82 \xc3\xa9");
    QTest::newRow("UTF-16 with its mark") << QByteArray(
        "\xff\xfe"
        "A\0A\0",
        6);
    QTest::newRow("UTF-16 without a mark") << QByteArray("\0A\0A\0,\0K\0K", 10);
  }

  void readRefusesOtherEncodings() {
    QFETCH(QByteArray, bytes);
    QVERIFY(writeAll(path("other.txt"), bytes));
    expectReadFailure(read(path("other.txt")), "The file is not UTF-8 text.");
  }

  void readRefusals() {
    expectReadFailure(controller.readTextFile(QUrl()), "Invalid file URL.");
    expectReadFailure(controller.readTextFile(QUrl("https://example.org/r.txt")),
                      "Only local files are supported.");
    expectReadFailure(controller.readTextFile(QUrl::fromLocalFile("   ")), "Empty file path.");
    expectReadFailure(read(path("missing.txt")), "File does not exist.");
  }

  void saveWritesUtf8AndReplacesWholeFile() {
    const QUrl url = QUrl::fromLocalFile(path("export.txt"));
    QVERIFY(writeAll(path("export.txt"), QByteArray(5000, 'z')));
    const QString text = QString::fromUtf8("Ä♠ AA\r\nKK\n");
    const QVariantMap result = controller.saveTextFile(url, text);
    QCOMPARE(result.size(), 2);
    QCOMPARE(result.value("ok").toBool(), true);
    QCOMPARE(result.value("error").toString(), QString());
    QCOMPARE(readAll(path("export.txt")), text.toUtf8());  // no BOM, line ends as given
  }

  // What Qt's own file dialog hands over for a typed name: a bare path.
  void bareAbsolutePathsAreLocalFiles() {
    const QUrl bare(path("bare.txt"));
    QVERIFY(bare.scheme().isEmpty());
    QCOMPARE(controller.saveTextFile(bare, "AA").value("ok").toBool(), true);
    QCOMPARE(controller.readTextFile(bare).value("text").toString(), QString("AA"));
    QCOMPARE(controller.saveTextFile(QUrl("relative/bare.txt"), "AA").value("error").toString(),
             QString("Invalid/non-local file URL"));
  }

  void saveRefusals() {
    QVariantMap result = controller.saveTextFile(QUrl("https://example.org/x.txt"), "x");
    QCOMPARE(result.value("error").toString(), QString("Invalid/non-local file URL"));
    QCOMPARE(controller.saveTextFile(QUrl(), "x").value("error").toString(),
             QString("Invalid/non-local file URL"));
    QCOMPARE(controller.saveTextFile(QUrl("file:"), "x").value("error").toString(),
             QString("Empty file path"));
    result = controller.saveTextFile(QUrl::fromLocalFile(path("no/folder/x.txt")), "x");
    QCOMPARE(result.value("ok").toBool(), false);
    QVERIFY2(result.value("error").toString().startsWith("Failed to open file: "),
             qPrintable(result.value("error").toString()));
  }

  void failedSaveKeepsOldFile() {
    const QString target = path("keep.txt");
    QVERIFY(writeAll(target, "old contents"));
    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QVariantMap result =
        controller.saveTextFile(QUrl::fromLocalFile(target), QString(1000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(result.value("ok").toBool(), false);
    QVERIFY2(result.value("error").toString().startsWith("Failed to save file: "),
             qPrintable(result.value("error").toString()));
    QCOMPARE(readAll(target), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList({"keep*"}, QDir::Files), QStringList{"keep.txt"});
  }

  void resourceNames() {
    const QString name = "/qpdf/qpdfa_metadata.xml";  // a text resource of Qt Gui
    if (!QFile::exists(":" + name)) QSKIP("Qt Gui carries no text resource to read here");
    QFile file(":" + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(file.readAll());
    QVERIFY(!expected.isEmpty());
    QCOMPARE(controller.readTextResource("qrc:" + name), expected);
    QCOMPARE(controller.readTextResource(":" + name), expected);
    QCOMPARE(controller.readTextResource(name), expected);
    QCOMPARE(controller.readTextResource("  qrc:" + name + "\n"), expected);
  }

  void resourceRefusals() {
    QTest::ignoreMessage(QtWarningMsg, "readTextResource: not a Qt resource path: ");
    QCOMPARE(controller.readTextResource(""), QString());
    QTest::ignoreMessage(QtWarningMsg, "readTextResource: not a Qt resource path: C:/ranges.json");
    QCOMPARE(controller.readTextResource("C:/ranges.json"), QString());
    QTest::ignoreMessage(QtWarningMsg,
                         "readTextResource: not a Qt resource path: QRC:/qpdf/qpdfa_metadata.xml");
    QCOMPARE(controller.readTextResource("QRC:/qpdf/qpdfa_metadata.xml"), QString());
    QTest::ignoreMessage(QtWarningMsg, "readTextResource: failed to open: :/no/such/resource.json");
    QCOMPARE(controller.readTextResource("qrc:/no/such/resource.json"), QString());
  }

  void noticesOpenBesideTheProgram() {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    controller.openLicensesFolder();
    controller.openThirdPartyNotices();
    QDesktopServices::unsetUrlHandler("file");
    const QDir appDir(QCoreApplication::applicationDirPath());
    QCOMPARE(recorder.urls.size(), 2);
    QCOMPARE(recorder.urls.at(0), QUrl::fromLocalFile(appDir.filePath("licenses")));
    QCOMPARE(recorder.urls.at(1),
             QUrl::fromLocalFile(appDir.filePath("licenses/THIRD_PARTY_NOTICES.txt")));
  }
};

QTEST_MAIN(FilesTextTest)
#include "files_text_test.moc"
