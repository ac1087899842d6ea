#include "update_manager.hpp"

#include "language_manager.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "update_test_server.hpp"

namespace {

// What the manager asked the desktop to do.
struct LaunchLog {
  QList<QUrl> opened;
  QList<QString> started;
  bool openSucceeds = true;
};

class RecordingLauncher final : public UpdateLauncher {
 public:
  explicit RecordingLauncher(std::shared_ptr<LaunchLog> log) : log_(std::move(log)) {}
  bool openUrl(const QUrl& url) override {
    log_->opened.append(url);
    return log_->openSucceeds;
  }
  bool startDetached(const QString& program, const QStringList&) override {
    log_->started.append(program);
    return true;
  }

 private:
  std::shared_ptr<LaunchLog> log_;
};

UpdateTestResponse json(const QByteArray& body) {
  UpdateTestResponse response;
  response.body = body;
  return response;
}

UpdateTestResponse binary(const QByteArray& body, int chunkSize = 0) {
  UpdateTestResponse response;
  response.contentType = "application/octet-stream";
  response.body = body;
  response.chunkSize = chunkSize;
  return response;
}

QByteArray installerBytes(int size) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (int i = 0; i < size; ++i) bytes[i] = char((i * 131 + 7) & 0xff);
  return bytes;
}

enum class BadManifest {
  Html,
  JsonArray,
  NotFound,
  Silent,
  Refused,
  HugeWithLength,
  HugeWithoutLength,
  Empty,
};

}  // namespace

class UpdateManagerTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir sandbox_;
  QString tempFolder_;
  std::shared_ptr<LaunchLog> log_;

  std::unique_ptr<UpdateManager> makeManager() {
    log_ = std::make_shared<LaunchLog>();
    auto manager = std::make_unique<UpdateManager>(std::make_unique<RecordingLauncher>(log_));
    manager->setCheckTimeoutMs(3000);
    manager->setDownloadTimeoutMs(5000);
    return manager;
  }

  static void checkAndWait(UpdateManager& manager) {
    manager.checkNow();
    QVERIFY(manager.busy());
    QTRY_VERIFY_WITH_TIMEOUT(!manager.busy(), 10000);
  }

  static void downloadAndWait(UpdateManager& manager) {
    manager.downloadNow();
    QTRY_VERIFY_WITH_TIMEOUT(!manager.downloadBusy(), 10000);
  }

  // Serves a manifest offering 1.0.5 with an installer under /dl/.
  static void serveUpdate(UpdateTestServer& server, const QByteArray& installerPath,
                          const QByteArray& bytes, int chunkSize = 0) {
    const QByteArray manifest = "{\"version\":\"v1.0.5\",\"notes\":\"Faster solves\",\"url\":\"" +
                                server.url(installerPath).toEncoded() + "\"}";
    server.route("/latest.json", json(manifest));
    server.route(installerPath, binary(bytes, chunkSize));
  }

  QStringList tempEntries() const {
    return QDir(tempFolder_)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

 private slots:
  void initTestCase() {
    QVERIFY(sandbox_.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, sandbox_.filePath("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, sandbox_.filePath("config"));
    QCoreApplication::setOrganizationName("PellarisUpdateTest");
    QCoreApplication::setApplicationName("PellarisUpdateTest");
    QCoreApplication::setApplicationVersion("1.0.4");
    tempFolder_ = sandbox_.filePath("tmp");
    QVERIFY(QDir().mkpath(tempFolder_));
    qputenv("TMPDIR", QFile::encodeName(tempFolder_));
    QCOMPARE(QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::TempLocation)),
             tempFolder_);
    // Every request goes straight to the loopback server.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    qunsetenv("HALVORY_UPDATE_MANIFEST_URL");
    qunsetenv("HALVORY_UPDATE_URL");
  }

  void init() {
    QSettings().clear();
    QSettings().sync();
    QDir(tempFolder_).removeRecursively();
    QDir().mkpath(tempFolder_);
  }

  void startsEmpty() {
    auto m = makeManager();
    QCOMPARE(m->currentVersion(), QString("1.0.4"));
    QVERIFY(!m->busy());
    QVERIFY(!m->updateAvailable());
    QVERIFY(!m->lastCheckedAt().isValid());
    QVERIFY(!m->lastSuccessAt().isValid());
    QVERIFY(m->lastError().isEmpty());
    QVERIFY(!m->downloadBusy());
    QVERIFY(!m->canInstall());
    QCOMPARE(m->downloadProgress(), 0.0);
  }

  void manifestUrlSources() {
    QSettings().setValue("updates/manifestUrl", "  http://127.0.0.1:9/updates/latest.json///  ");
    QCOMPARE(makeManager()->manifestUrl(), QString("http://127.0.0.1:9/updates/latest.json"));

    QSettings().setValue("updates/manifestUrl", "");
    qputenv("HALVORY_UPDATE_MANIFEST_URL", " http://127.0.0.1:9/a.json/ ");
    qputenv("HALVORY_UPDATE_URL", "http://127.0.0.1:9/b.json");
    QCOMPARE(makeManager()->manifestUrl(), QString("http://127.0.0.1:9/a.json"));
    qputenv("HALVORY_UPDATE_MANIFEST_URL", "   ");
    QCOMPARE(makeManager()->manifestUrl(), QString("http://127.0.0.1:9/b.json"));
    qunsetenv("HALVORY_UPDATE_MANIFEST_URL");
    qunsetenv("HALVORY_UPDATE_URL");

    const QString builtIn = makeManager()->manifestUrl();
    QVERIFY(builtIn.startsWith("https://"));
    QVERIFY(builtIn.endsWith("/downloads/latest.json"));
  }

  void setManifestUrlStoresAndNotifiesOnChange() {
    auto m = makeManager();
    QSignalSpy changed(m.get(), &UpdateManager::manifestUrlChanged);
    m->setManifestUrl(" http://127.0.0.1:9/x.json// ");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m->manifestUrl(), QString("http://127.0.0.1:9/x.json"));
    QCOMPARE(QSettings().value("updates/manifestUrl").toString(),
             QString("http://127.0.0.1:9/x.json"));
    m->setManifestUrl("http://127.0.0.1:9/x.json/");
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m->busy());  // no check is started

    m->setManifestUrl("  ");
    QCOMPARE(changed.count(), 2);
    QVERIFY(QSettings().contains("updates/manifestUrl"));
    m->checkNow();
    QCOMPARE(m->lastError(), QString("Update URL is not configured."));
    QVERIFY(m->lastCheckedAt().isValid());
    QVERIFY(!m->busy());
  }

  void parseAppVersion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "1.0.5"
                           << "1.0.5";
    QTest::newRow("v prefix") << "v1.0.5"
                              << "1.0.5";
    QTest::newRow("V prefix, blanks") << "  V2.1  "
                                      << "2.1";
    QTest::newRow("pre-release and build") << "v1.2.3-beta+7"
                                           << "1.2.3";
    QTest::newRow("build before dash") << "1.2+7-x"
                                       << "1.2";
    QTest::newRow("trailing text") << "1.0.5abc"
                                   << "1.0.5";
    QTest::newRow("garbage") << "latest"
                             << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only v") << "v"
                            << "";
  }

  void parseAppVersion() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(UpdateManager::parseAppVersion(text).toString(), expected);
  }

  void manifestDecidesUpdate_data() {
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("url");
    QTest::newRow("newer with url")
        << QByteArray("{\"version\":\"v1.0.5\",\"url\":\"http://127.0.0.1:9/s.exe\"}") << true
        << "http://127.0.0.1:9/s.exe";
    QTest::newRow("newer minor")
        << QByteArray("{\"version\":\"1.1\",\"url\":\"http://127.0.0.1:9/s.exe\"}") << true
        << "http://127.0.0.1:9/s.exe";
    QTest::newRow("equal") << QByteArray(
                                  "{\"version\":\"1.0.4\",\"url\":\"http://127.0.0.1:9/s.exe\"}")
                           << false << "http://127.0.0.1:9/s.exe";
    QTest::newRow("equal with zero segment")
        << QByteArray("{\"version\":\"1.0.4.0\",\"url\":\"http://127.0.0.1:9/s.exe\"}") << false
        << "http://127.0.0.1:9/s.exe";
    QTest::newRow("older") << QByteArray(
                                  "{\"version\":\"1.0.3\",\"url\":\"http://127.0.0.1:9/s.exe\"}")
                           << false << "http://127.0.0.1:9/s.exe";
    QTest::newRow("release candidate of current")
        << QByteArray("{\"version\":\"1.0.4-rc1\",\"url\":\"http://127.0.0.1:9/s.exe\"}") << false
        << "http://127.0.0.1:9/s.exe";
    QTest::newRow("garbage version")
        << QByteArray("{\"version\":\"newest\",\"url\":\"http://127.0.0.1:9/s.exe\"}") << false
        << "http://127.0.0.1:9/s.exe";
    QTest::newRow("no version") << QByteArray("{\"url\":\"http://127.0.0.1:9/s.exe\"}") << false
                                << "http://127.0.0.1:9/s.exe";
    QTest::newRow("no url") << QByteArray("{\"version\":\"v1.0.5\"}") << false << "";
    QTest::newRow("blank windows_url falls back to url")
        << QByteArray(
               "{\"version\":\"1.0.5\",\"windows_url\":\"   \",\"url\":\" http://127.0.0.1:9/u.exe "
               "\"}")
        << true << "http://127.0.0.1:9/u.exe";
    QTest::newRow("windows_url preferred")
        << QByteArray(
               "{\"version\":\"1.0.5\",\"windows_url\":\"http://127.0.0.1:9/"
               "w.exe\",\"url\":\"http://127.0.0.1:9/u.exe\"}")
        << true << "http://127.0.0.1:9/w.exe";
  }

  void manifestDecidesUpdate() {
    QFETCH(QByteArray, manifest);
    QFETCH(bool, available);
    QFETCH(QString, url);
    UpdateTestServer server;
    QVERIFY(server.listening());
    server.route("/latest.json", json(manifest));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    QSignalSpy busy(m.get(), &UpdateManager::busyChanged);
    checkAndWait(*m);
    QCOMPARE(busy.count(), 2);
    QCOMPARE(m->lastError(), QString());
    QCOMPARE(m->updateAvailable(), available);
    QCOMPARE(m->downloadUrl().toString(), url);
    QVERIFY(m->lastSuccessAt().isValid());
    QCOMPARE(m->lastSuccessAt().timeSpec(), Qt::UTC);
    QVERIFY(m->lastCheckedAt().isValid());

    const QByteArray request = server.requests().value(0);
    QVERIFY(request.startsWith("GET /latest.json HTTP/1.1"));
    QVERIFY(request.contains("\r\nAccept: application/json"));
    QVERIFY(request.contains("\r\nContent-Type: application/json"));
    // The cache holds the same manifest, compact.
    const QJsonDocument cached = QJsonDocument::fromJson(
        QSettings().value("updates/cachedManifestJson").toString().toUtf8());
    QCOMPARE(cached, QJsonDocument::fromJson(manifest));
    QCOMPARE(QSettings().value("updates/cachedAt").toDateTime(), m->lastSuccessAt());
  }

  void manifestFieldsAreRead() {
    UpdateTestServer server;
    server.route("/latest.json", json("{\"version\":\"  v1.0.5 \",\"notes\":\" line one\\nline two "
                                      "\",\"url\":\"http://127.0.0.1:9/s.exe\",\"extra\":[1,2]}"));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    QCOMPARE(m->latestVersion(), QString("v1.0.5"));
    QCOMPARE(m->releaseNotes(), QString(" line one\nline two "));
    QVERIFY(m->updateAvailable());
  }

  void failedChecksReportTheirText_data() {
    QTest::addColumn<int>("kindValue");
    QTest::addColumn<QString>("expectedPrefix");
    QTest::addColumn<QString>("expectedPart");
    QTest::newRow("html with 200")
        << int(BadManifest::Html) << "Invalid update response (HTTP 200)."
        << "";
    QTest::newRow("json array") << int(BadManifest::JsonArray)
                                << "Invalid update response (HTTP 200)."
                                << "";
    QTest::newRow("404") << int(BadManifest::NotFound) << "Update check failed: "
                         << "Not Found";
    QTest::newRow("slow server") << int(BadManifest::Silent) << "Update check failed: "
                                 << "Operation canceled";
    QTest::newRow("connection refused") << int(BadManifest::Refused) << "Update check failed: "
                                        << "Connection refused";
    QTest::newRow("body over 1 MiB with length")
        << int(BadManifest::HugeWithLength) << "Invalid update response (HTTP 200)."
        << "";
    QTest::newRow("body over 1 MiB without length")
        << int(BadManifest::HugeWithoutLength) << "Invalid update response (HTTP 200)."
        << "";
    QTest::newRow("empty body") << int(BadManifest::Empty) << "Invalid update response (HTTP 200)."
                                << "";
  }

  void failedChecksReportTheirText() {
    QFETCH(int, kindValue);
    const auto kind = BadManifest(kindValue);
    QFETCH(QString, expectedPrefix);
    QFETCH(QString, expectedPart);
    UpdateTestServer server;
    QVERIFY(server.listening());
    const QByteArray good =
        "{\"version\":\"1.0.5\",\"notes\":\"n\",\"url\":\"http://127.0.0.1:9/s.exe\"}";
    server.route("/good.json", json(good));
    UpdateTestResponse bad;
    switch (kind) {
      case BadManifest::Html:
        bad.contentType = "text/html";
        bad.body = "<html><body>Welcome</body></html>";
        break;
      case BadManifest::JsonArray:
        bad.body = "[{\"version\":\"9.9.9\"}]";
        break;
      case BadManifest::NotFound:
        bad.status = 404;
        bad.reason = "Not Found";
        bad.body = "{}";
        break;
      case BadManifest::Silent:
        bad.mode = UpdateTestResponse::Mode::Silent;
        break;
      case BadManifest::HugeWithLength:
      case BadManifest::HugeWithoutLength: {
        // Valid JSON object, just far too large.
        QByteArray padding(UpdateManager::kMaxManifestBytes, 'x');
        bad.body = "{\"version\":\"9.9.9\",\"url\":\"http://127.0.0.1:9/s.exe\",\"pad\":\"" +
                   padding + "\"}";
        bad.sendLength = kind == BadManifest::HugeWithLength;
        bad.chunkSize = kind == BadManifest::HugeWithoutLength ? 64 * 1024 : 0;
        break;
      }
      case BadManifest::Empty:
        bad.body = "";
        break;
      default:
        break;
    }
    server.route("/bad.json", bad);

    auto m = makeManager();
    m->setCheckTimeoutMs(kind == BadManifest::Silent ? 300 : 5000);
    m->setManifestUrl(server.url("/good.json").toString());
    checkAndWait(*m);
    QVERIFY(m->updateAvailable());
    const QDateTime firstSuccess = m->lastSuccessAt();
    const QString cached = QSettings().value("updates/cachedManifestJson").toString();

    if (kind == BadManifest::Refused)
      m->setManifestUrl(
          QStringLiteral("http://127.0.0.1:%1/bad.json").arg(UpdateTestServer::closedPort()));
    else
      m->setManifestUrl(server.url("/bad.json").toString());
    QSignalSpy state(m.get(), &UpdateManager::stateChanged);
    checkAndWait(*m);
    QVERIFY2(m->lastError().startsWith(expectedPrefix), qPrintable(m->lastError()));
    QVERIFY2(m->lastError().contains(expectedPart), qPrintable(m->lastError()));
    QVERIFY(state.count() >= 2);
    // A failed check leaves the earlier manifest alone.
    QVERIFY(m->updateAvailable());
    QCOMPARE(m->latestVersion(), QString("1.0.5"));
    QCOMPARE(m->lastSuccessAt(), firstSuccess);
    QCOMPARE(QSettings().value("updates/cachedManifestJson").toString(), cached);
  }

  // An error on screen follows a language switch: the manager's own words
  // are worded again; a reason the network library gave in the old language
  // goes with it.
  void errorsFollowALanguageSwitch_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("german");  // how the German text begins
    QTest::addColumn<QString>("russian");
    QTest::newRow("check refused") << "refused"
                                   << "Updateprüfung fehlgeschlagen: "
                                   << "";
    QTest::newRow("check answered with a page")
        << "page"
        << "Ungültige Update-Antwort (HTTP 200)."
        << "Некорректный ответ сервера обновлений (HTTP 200).";
    QTest::newRow("no address") << "no address"
                                << "Die Update-URL ist nicht konfiguriert."
                                << "URL обновления не настроен.";
    QTest::newRow("download not found") << "not found"
                                        << "Download fehlgeschlagen: "
                                        << "";
    QTest::newRow("download too large")
        << "too large"
        << "Download fehlgeschlagen: die Datei überschreitet die Grenze von 1 MB"
        << "Ошибка загрузки: файл превышает лимит в 1 МБ";
  }

  void errorsFollowALanguageSwitch() {
    QFETCH(QString, failure);
    QFETCH(QString, german);
    QFETCH(QString, russian);
    LanguageManager languages(nullptr);
    const auto restore = qScopeGuard([&] { languages.setLanguage(QStringLiteral("en")); });
    languages.setLanguage(QStringLiteral("de"));
    UpdateTestServer server;
    QVERIFY(server.listening());
    serveUpdate(server, "/dl/setup.exe", installerBytes(2 * 1024 * 1024));
    UpdateTestResponse page;
    page.contentType = "text/html";
    page.body = "<html></html>";
    server.route("/page.json", page);
    if (failure == "not found")
      server.route("/dl/setup.exe", UpdateTestResponse{UpdateTestResponse::Mode::Complete, 404,
                                                       "Not Found", "text/plain", "gone"});
    auto m = makeManager();
    m->setDownloadLimitBytes(1024 * 1024);
    m->setManifestUrl(server.url("/latest.json").toString());
    if (failure == "not found" || failure == "too large") {
      checkAndWait(*m);
      downloadAndWait(*m);
    } else {
      if (failure == "refused")
        m->setManifestUrl(
            QStringLiteral("http://127.0.0.1:%1/latest.json").arg(UpdateTestServer::closedPort()));
      else
        m->setManifestUrl(failure == "page" ? server.url("/page.json").toString() : QString());
      m->checkNow();
      QTRY_VERIFY_WITH_TIMEOUT(!m->busy(), 10000);
    }
    QVERIFY2(m->lastError().startsWith(german), qPrintable(m->lastError()));

    QSignalSpy state(m.get(), &UpdateManager::stateChanged);
    languages.setLanguage(QStringLiteral("ru"));
    QCOMPARE(m->lastError(), russian);
    QVERIFY(!state.isEmpty());
  }

  void cachedManifestIsRestoredAndCleared() {
    UpdateTestServer server;
    server.route("/latest.json", json("{\"version\":\"1.0.5\",\"notes\":\"Notes\",\"windows_url\":"
                                      "\"http://127.0.0.1:9/w.exe\"}"));
    QDateTime success;
    {
      auto m = makeManager();
      m->setManifestUrl(server.url("/latest.json").toString());
      checkAndWait(*m);
      QVERIFY(m->updateAvailable());
      success = m->lastSuccessAt();
    }
    auto restored = makeManager();
    QCOMPARE(server.requests().size(), 1);  // no request on construction
    QVERIFY(restored->updateAvailable());
    QCOMPARE(restored->latestVersion(), QString("1.0.5"));
    QCOMPARE(restored->releaseNotes(), QString("Notes"));
    QCOMPARE(restored->downloadUrl(), QUrl("http://127.0.0.1:9/w.exe"));
    QCOMPARE(restored->lastSuccessAt(), success);
    QVERIFY(!restored->lastCheckedAt().isValid());

    QSignalSpy state(restored.get(), &UpdateManager::stateChanged);
    restored->clearState();
    QCOMPARE(state.count(), 1);
    QVERIFY(!restored->updateAvailable());
    QVERIFY(restored->latestVersion().isEmpty());
    QVERIFY(restored->downloadUrl().isEmpty());
    QVERIFY(!restored->lastSuccessAt().isValid());
    QCOMPARE(restored->manifestUrl(), server.url("/latest.json").toString());
    QVERIFY(!QSettings().contains("updates/cachedManifestJson"));
    QVERIFY(!QSettings().contains("updates/cachedAt"));
    QVERIFY(!makeManager()->updateAvailable());
  }

  void brokenCacheRestoresNothing_data() {
    QTest::addColumn<QString>("cached");
    QTest::newRow("array") << "[{\"version\":\"1.0.5\",\"url\":\"http://127.0.0.1:9/s.exe\"}]";
    QTest::newRow("truncated") << "{\"version\":\"1.0.5\",\"url\":\"http://127";
    QTest::newRow("blank") << "   ";
  }

  void brokenCacheRestoresNothing() {
    QFETCH(QString, cached);
    QSettings().setValue("updates/cachedManifestJson", cached);
    QSettings().setValue("updates/cachedAt", QDateTime::currentDateTimeUtc());
    auto m = makeManager();
    QVERIFY(!m->updateAvailable());
    QVERIFY(m->latestVersion().isEmpty());
    QVERIFY(!m->lastSuccessAt().isValid());
  }

  // A cache an earlier version stored through QSettings (its time in
  // QSettings' binary form) is read as it was.
  void cacheStoredByQSettingsIsRead() {
    const QDateTime at(QDate(2024, 5, 6), QTime(7, 8, 9, 123), Qt::UTC);
    {
      QSettings settings;
      settings.setValue("updates/cachedManifestJson",
                        "{\"version\":\"1.0.5\",\"url\":\"http://127.0.0.1:9/s.exe\"}");
      settings.setValue("updates/cachedAt", at);
    }
    auto m = makeManager();
    QCOMPARE(m->latestVersion(), QString("1.0.5"));
    QCOMPARE(m->lastSuccessAt(), at);
  }

  void downloadFileName_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "http://h/dl/Pellaris-Setup-1.0.5.exe"
                           << "1.0.5"
                           << "Pellaris-Setup-1.0.5.exe";
    QTest::newRow("trailing slash") << "http://h/dl/"
                                    << "1.0.5"
                                    << "Pellaris-Setup-1.0.5.exe";
    QTest::newRow("trailing slash, no version") << "http://h/dl/"
                                                << "  "
                                                << "Pellaris-Setup-latest.exe";
    QTest::newRow("no path") << "http://h"
                             << "v1.0.5"
                             << "Pellaris-Setup-v1.0.5.exe";
    QTest::newRow("encoded traversal") << "http://h/dl/..%2F..%2Fevil.exe"
                                       << "1"
                                       << "evil.exe";
    QTest::newRow("encoded backslash") << "http://h/dl/a%5C..%5Cb.exe"
                                       << "1"
                                       << "b.exe";
    QTest::newRow("blanks and symbols") << "http://h/dl/my%20setup$(x).exe"
                                        << "1"
                                        << "mysetupx.exe";
    QTest::newRow("hidden name") << "http://h/dl/.bashrc"
                                 << "1"
                                 << "bashrc";
    QTest::newRow("only dots") << "http://h/dl/..."
                               << "1.0.5"
                               << "Pellaris-Setup-1.0.5.exe";
    QTest::newRow("non-latin") << "http://h/dl/%E6%97%A5%E6%9C%AC"
                               << "1.0.5"
                               << "Pellaris-Setup-1.0.5.exe";
    QTest::newRow("hostile version") << "http://h/"
                                     << "../../etc/x y"
                                     << "Pellaris-Setup-etcxy.exe";
    QTest::newRow("query ignored") << "http://h/dl/s.exe?name=../../x"
                                   << "1"
                                   << "s.exe";
    QTest::newRow("too long") << "http://h/dl/" + QString(300, 'a') + ".exe"
                              << "1" << QString(96, 'a') + ".exe";
  }

  void downloadFileName() {
    QFETCH(QString, url);
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(UpdateManager::downloadFileName(QUrl(url), version), expected);
  }

  void downloadFileNameIsAlwaysPlain() {
    const QRegularExpression plain("^[A-Za-z0-9_-][A-Za-z0-9._-]*$");
    QRandomGenerator random(14);
    const QString alphabet = QStringLiteral("aZ09._-/\\%: ~$\"'*?<>|\x7f\u00e9\u65e5");
    for (int round = 0; round < 2000; ++round) {
      QString path, version;
      const int length = random.bounded(0, 200);
      for (int i = 0; i < length; ++i) path.append(alphabet.at(random.bounded(alphabet.size())));
      for (int i = 0; i < random.bounded(0, 12); ++i)
        version.append(alphabet.at(random.bounded(alphabet.size())));
      const QUrl url(QStringLiteral("http://h/") + path, QUrl::TolerantMode);
      const QString name = UpdateManager::downloadFileName(url, version);
      QVERIFY2(plain.match(name).hasMatch(), qPrintable(path + " -> " + name));
      QVERIFY(name.size() <= UpdateManager::kMaxFileNameLength);
      QCOMPARE(QFileInfo(QDir("/base").filePath(name)).absolutePath(), QString("/base"));
    }
  }

  void downloadLandsInTempFolderWithProgress() {
    UpdateTestServer server;
    const QByteArray bytes = installerBytes(256 * 1024);
    serveUpdate(server, "/dl/Pellaris%20Setup%201.0.5.exe", bytes, 16 * 1024);
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    QVERIFY(m->updateAvailable());

    QList<double> progress;
    connect(m.get(), &UpdateManager::stateChanged, this,
            [&] { progress.append(m->downloadProgress()); });
    m->downloadNow();
    QVERIFY(m->downloadBusy());
    QVERIFY(m->lastError().isEmpty());
    // A check refuses to start while the download runs.
    const qsizetype requestsBefore = server.requests().size();
    m->checkNow();
    QVERIFY(!m->busy());
    QTRY_VERIFY_WITH_TIMEOUT(!m->downloadBusy(), 10000);
    QCOMPARE(server.requests().size(), requestsBefore + 1);  // only the download itself

    QCOMPARE(m->lastError(), QString());
    QVERIFY(m->downloaded());
    QVERIFY(m->canInstall());
    const QString expectedPath = QDir(tempFolder_).filePath("PellarisSetup1.0.5.exe");
    QCOMPARE(m->downloadedFilePath(), expectedPath);
    QFile file(expectedPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(tempEntries(), QStringList{"PellarisSetup1.0.5.exe"});
    QCOMPARE(m->downloadBytesReceived(), qlonglong(bytes.size()));
    QCOMPARE(m->downloadBytesTotal(), qlonglong(bytes.size()));
    QCOMPARE(m->downloadProgress(), 1.0);

    bool sawPartial = false;
    for (qsizetype i = 1; i < progress.size(); ++i) {
      QVERIFY(progress[i] >= 0.0 && progress[i] <= 1.0);
      sawPartial = sawPartial || (progress[i] > 0.0 && progress[i] < 1.0);
    }
    QVERIFY(sawPartial);
    QVERIFY(server.requests().last().contains("\r\nAccept: */*"));
  }

  void failedDownloadLeavesNoFile_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expectedPart");
    QTest::newRow("404") << 0 << "Not Found";
    QTest::newRow("stalls, then times out") << 1 << "Operation canceled";
    QTest::newRow("connection closed mid-body") << 2 << "";
  }

  void failedDownloadLeavesNoFile() {
    QFETCH(int, mode);
    QFETCH(QString, expectedPart);
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(200 * 1024));
    if (mode == 0) {
      server.route("/dl/setup.exe",
                   UpdateTestResponse{UpdateTestResponse::Mode::Complete, 404, "Not Found",
                                      "text/plain", "gone", true, 0, 5});
    } else {
      UpdateTestResponse partial = binary(installerBytes(200 * 1024));
      partial.mode = mode == 1 ? UpdateTestResponse::Mode::StallAfterPart
                               : UpdateTestResponse::Mode::CloseAfterPart;
      server.route("/dl/setup.exe", partial);
    }
    auto m = makeManager();
    m->setDownloadTimeoutMs(400);
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    downloadAndWait(*m);
    QVERIFY2(m->lastError().startsWith("Download failed: "), qPrintable(m->lastError()));
    QVERIFY2(m->lastError().contains(expectedPart), qPrintable(m->lastError()));
    QVERIFY(!m->downloaded());
    QVERIFY(!m->canInstall());
    QTRY_COMPARE_WITH_TIMEOUT(tempEntries(), QStringList(), 10000);
    m->installNow();
    QCOMPARE(m->lastError(), QString("No downloaded update is ready to install."));
    QVERIFY(log_->opened.isEmpty());
  }

  void destroyedMidDownloadLeavesNoFile() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(200 * 1024));
    UpdateTestResponse partial = binary(installerBytes(200 * 1024));
    partial.mode = UpdateTestResponse::Mode::StallAfterPart;
    server.route("/dl/setup.exe", partial);
    {
      auto m = makeManager();
      m->setManifestUrl(server.url("/latest.json").toString());
      checkAndWait(*m);
      m->downloadNow();
      QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 2, 10000);
      QTest::qWait(200);  // part of the body is in the save file by now
      QVERIFY(m->downloadBusy());
    }
    QTRY_COMPARE_WITH_TIMEOUT(tempEntries(), QStringList(), 10000);
  }

  void unopenableTargetReportsCreateFailure() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(1000));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    const qsizetype requests = server.requests().size();
    // A temporary folder that cannot exist: a plain file stands in its way.
    QFile blocker(sandbox_.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("TMPDIR", QFile::encodeName(sandbox_.filePath("blocker/tmp")));
    m->downloadNow();
    qputenv("TMPDIR", QFile::encodeName(tempFolder_));
    QCOMPARE(m->lastError(), QString("Failed to create download file."));
    QVERIFY(!m->downloadBusy());
    QVERIFY(m->downloadedFilePath().isEmpty());
    QCOMPARE(server.requests().size(), requests);
  }

  // A temporary folder that is a link to another folder is not followed.
  void linkedTempFolderIsRefused() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(1000));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    const qsizetype requests = server.requests().size();
    const QString elsewhere = sandbox_.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    const QString link = sandbox_.filePath("linked-tmp");
    QVERIFY(QFile::link(elsewhere, link));
    qputenv("TMPDIR", QFile::encodeName(link));
    m->downloadNow();
    qputenv("TMPDIR", QFile::encodeName(tempFolder_));
    QCOMPARE(m->lastError(), QString("Failed to create download file."));
    QVERIFY(m->downloadedFilePath().isEmpty());
    QCOMPARE(server.requests().size(), requests);
    QCOMPARE(QDir(elsewhere).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    m->installNow();
    QVERIFY(log_->opened.isEmpty());
  }

  // Whatever already carries the installer's name in the shared temporary
  // folder (a link planted there, an older file, a folder) stays as it is:
  // the download takes the next free name.
  void plantedNamesAreNeverReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a file elsewhere") << "link";
    QTest::newRow("older file") << "file";
    QTest::newRow("folder") << "folder";
  }

  void plantedNamesAreNeverReplaced() {
    QFETCH(QString, kind);
    UpdateTestServer server;
    const QByteArray bytes = installerBytes(4096);
    serveUpdate(server, "/dl/setup.exe", bytes);
    const QString planted = QDir(tempFolder_).filePath("setup.exe");
    const QString victim = sandbox_.filePath("victim.txt");
    {
      QFile file(kind == "file" ? planted : victim);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("keep me");
    }
    if (kind == "link") QVERIFY(QFile::link(victim, planted));
    if (kind == "folder") QVERIFY(QDir(tempFolder_).mkdir("setup.exe"));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    downloadAndWait(*m);
    QVERIFY(m->canInstall());
    QCOMPARE(m->downloadedFilePath(), QDir(tempFolder_).filePath("setup-1.exe"));
    QFile kept(kind == "file" ? planted : victim);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep me"));
    QCOMPARE(QFileInfo(planted).isSymLink(), kind == "link");
    QCOMPARE(QFileInfo(planted).isDir(), kind == "folder");
    QFile landed(m->downloadedFilePath());
    QVERIFY(landed.open(QIODevice::ReadOnly));
    QCOMPARE(landed.readAll(), bytes);
  }

  // A body past the limit, declared up front or endless, stops the download
  // at the limit and leaves no file.
  void oversizedDownloadStopsAtTheLimit_data() {
    QTest::addColumn<bool>("endless");
    QTest::newRow("declared length over the limit") << false;
    QTest::newRow("endless body without a length") << true;
  }

  void oversizedDownloadStopsAtTheLimit() {
    QFETCH(bool, endless);
    constexpr qint64 kLimit = 1024 * 1024;
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(int(2 * kLimit)));
    if (endless) {
      UpdateTestResponse endlessBody = binary(installerBytes(64 * 1024));
      endlessBody.mode = UpdateTestResponse::Mode::Endless;
      endlessBody.sendLength = false;
      endlessBody.chunkDelayMs = 1;
      server.route("/dl/setup.exe", endlessBody);
    }
    auto m = makeManager();
    m->setDownloadLimitBytes(kLimit);
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    downloadAndWait(*m);
    QCOMPARE(m->lastError(), QString("Download failed: the file is larger than the limit of 1 MB"));
    QVERIFY(!m->canInstall());
    QVERIFY(m->downloadBytesReceived() <= kLimit);
    QTRY_COMPARE_WITH_TIMEOUT(tempEntries(), QStringList(), 10000);
  }

  void onlyWebUrlsAreOpenedOrDownloaded_data() {
    QTest::addColumn<QString>("url");
    QTest::newRow("file") << "file:///etc/passwd";
    QTest::newRow("ftp") << "ftp://127.0.0.1/setup.exe";
    QTest::newRow("custom scheme") << "pellaris://run";
  }

  void onlyWebUrlsAreOpenedOrDownloaded() {
    QFETCH(QString, url);
    UpdateTestServer server;
    server.route("/latest.json", json("{\"version\":\"1.0.5\",\"url\":\"" + url.toUtf8() + "\"}"));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    // No update is offered that could only fail, and the text says why.
    QVERIFY(!m->updateAvailable());
    QCOMPARE(m->lastError(),
             QString("No downloadable update: the download URL is not an http or https address."));
    const qsizetype requests = server.requests().size();
    m->downloadNow();
    QCOMPARE(m->lastError(), QString("No download URL available."));
    QVERIFY(!m->downloadBusy());
    m->openDownloadUrl();
    QCOMPARE(m->lastError(), QString("No download URL available."));
    QVERIFY(log_->opened.isEmpty());
    m->updateNow();
    QTRY_VERIFY_WITH_TIMEOUT(!m->downloadBusy(), 10000);
    QVERIFY(log_->opened.isEmpty());
    QCOMPARE(server.requests().size(), requests);
    QCOMPARE(tempEntries(), QStringList());
  }

  void openDownloadUrlUsesTheDesktop() {
    auto m = makeManager();
    m->openDownloadUrl();
    QCOMPARE(m->lastError(), QString("No download URL available."));
    UpdateTestServer server;
    server.route("/latest.json",
                 json("{\"version\":\"1.0.5\",\"url\":\"https://127.0.0.1:9/page\"}"));
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    m->openDownloadUrl();
    QCOMPARE(log_->opened, QList<QUrl>{QUrl("https://127.0.0.1:9/page")});
  }

  void installOpensTheFolderAndNeverRunsTheFile() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(2048));
    auto m = makeManager();
    m->installNow();
    QCOMPARE(m->lastError(), QString("No downloaded update is ready to install."));
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    downloadAndWait(*m);
    QVERIFY(m->canInstall());

    QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    QCOMPARE(m->property("updateNowAction").toString(), QString("openFolder"));
    m->installNow();
    QCOMPARE(log_->opened, QList<QUrl>{QUrl::fromLocalFile(tempFolder_)});
    QVERIFY(log_->started.isEmpty());
    QVERIFY(m->lastError().isEmpty());
    QTest::qWait(20);
    QCOMPARE(quitting.count(), 0);

    log_->openSucceeds = false;
    m->installNow();
    QCOMPARE(m->lastError(), QString("Failed to launch installer."));

    QVERIFY(QFile::remove(m->downloadedFilePath()));
    m->installNow();
    QCOMPARE(m->lastError(), QString("Downloaded installer file is missing."));
    QVERIFY(log_->started.isEmpty());
  }

  void updateNowDownloadsThenInstalls() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(64 * 1024), 8 * 1024);
    auto m = makeManager();
    m->updateNow();
    QCOMPARE(m->lastError(), QString("No update is available."));
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);

    m->updateNow();
    QVERIFY(m->downloadBusy());
    QTRY_COMPARE_WITH_TIMEOUT(log_->opened.size(), 1, 10000);
    QCOMPARE(log_->opened.first(), QUrl::fromLocalFile(tempFolder_));
    QVERIFY(m->canInstall());

    // Already downloaded: installs at once, without another request.
    const qsizetype requests = server.requests().size();
    m->updateNow();
    QCOMPARE(log_->opened.size(), 2);
    QCOMPARE(server.requests().size(), requests);
    QVERIFY(log_->started.isEmpty());
  }

  void updateNowGivesUpWhenTheDownloadFails() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(1000));
    server.route("/dl/setup.exe",
                 UpdateTestResponse{UpdateTestResponse::Mode::Complete, 500, "Server Error",
                                    "text/plain", "no", true, 0, 5});
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    m->updateNow();
    QTRY_VERIFY_WITH_TIMEOUT(!m->downloadBusy(), 10000);
    QTest::qWait(600);  // a couple of polls
    QVERIFY(m->lastError().startsWith("Download failed: "));
    QVERIFY(log_->opened.isEmpty());
    QCOMPARE(tempEntries(), QStringList());
  }

  void downloadRefusedWhileChecking() {
    UpdateTestServer server;
    serveUpdate(server, "/dl/setup.exe", installerBytes(1000));
    auto m = makeManager();
    m->setManifestUrl(server.url("/latest.json").toString());
    checkAndWait(*m);
    UpdateTestResponse silent;
    silent.mode = UpdateTestResponse::Mode::Silent;
    server.route("/latest.json", silent);
    m->setCheckTimeoutMs(300);
    m->checkNow();
    QVERIFY(m->busy());
    m->downloadNow();
    m->installNow();
    m->updateNow();
    QVERIFY(!m->downloadBusy());
    QVERIFY(m->lastError().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!m->busy(), 10000);
  }
};

QTEST_GUILESS_MAIN(UpdateManagerTest)
#include "update_manager_test.moc"
