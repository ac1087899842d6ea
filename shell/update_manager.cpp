#include "update_manager.hpp"

#include "controller/guarded_call.hpp"
#include "controller/settings_file.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QDataStream>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <utility>

using halvory_app::CallFailure;
using halvory_app::guardedCall;

namespace {

// In the settings file's "updates" group.
const char* const kUpdatesGroup = "updates";
const char* const kManifestUrlKey = "manifestUrl";
const char* const kCachedManifestKey = "cachedManifestJson";
const char* const kCachedAtKey = "cachedAt";

QVariant storedUpdateValue(const char* key) {
  return halvory_app::SettingsFile().value(QLatin1String(kUpdatesGroup), QLatin1String(key));
}

// Writes the update settings; a refused write is logged (the cache and the
// address are asked for again when missing).
void storeUpdateValues(const QVariantMap& changes) {
  halvory_app::SettingsFile file;
  const halvory_app::StoreFault fault = file.write(QLatin1String(kUpdatesGroup), changes);
  if (fault != halvory_app::StoreFault::None)
    qWarning().noquote() << halvory_app::storeFaultText(fault, file.path());
}

// The time of the cached answer: ISO text with milliseconds, or the binary
// form earlier versions stored through QSettings ("@DateTime(...)").
QDateTime storedTime(const QString& text) {
  static const QLatin1String binary("@DateTime(");
  if (!text.startsWith(binary)) return QDateTime::fromString(text, Qt::ISODateWithMs);
  QByteArray bytes = QStringView(text).mid(binary.size()).toLatin1();
  QDataStream stream(&bytes, QIODevice::ReadOnly);
  stream.setVersion(QDataStream::Qt_5_6);
  QVariant value;
  stream >> value;
  return stream.status() == QDataStream::Ok ? value.toDateTime() : QDateTime();
}
// Set on a manifest or download reply that was cut off for being too large.
const char* const kOversizeProperty = "updateManifestOversize";

int httpStatus(const QNetworkReply* reply) {
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  return status.isValid() ? status.toInt() : 0;
}

bool isWebUrl(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
         !url.host().isEmpty();
}

bool isSafeFileNameChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
         u == u'.' || u == u'_' || u == u'-';
}

// Keeps only [A-Za-z0-9._-], drops leading dots and bounds the length while
// keeping a short extension, so a remote name can never leave the folder,
// hide itself or overflow a path.
QString reduceToSafeName(const QString& text, int maxLength) {
  QString name;
  name.reserve(text.size());
  for (QChar c : text) {
    if (isSafeFileNameChar(c)) name.append(c);
  }
  qsizetype start = 0;
  while (start < name.size() && name.at(start) == QLatin1Char('.')) ++start;
  name = name.mid(start);
  if (name.size() > maxLength) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype extLength = dot > 0 ? name.size() - dot : 0;
    if (extLength > 0 && extLength <= 16)
      name = name.left(maxLength - extLength) + name.mid(dot);
    else
      name = name.left(maxLength);
  }
  return name;
}

// Never the working folder: a download lands in the temporary folder or
// nowhere. A temporary folder that is itself a link is refused (Qt hands
// back the folder the link points to): the download would land wherever
// the link leads, and that folder would be opened for the user.
QString temporaryFolder() {
  const QString configured = qEnvironmentVariable("TMPDIR");
  if (!configured.trimmed().isEmpty() && QFileInfo(QDir::cleanPath(configured)).isSymLink())
    return {};
  QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  if (folder.trimmed().isEmpty()) folder = QDir::tempPath();
  if (folder.trimmed().isEmpty()) return {};
  return QFileInfo(QDir::cleanPath(folder)).isSymLink() ? QString() : folder;
}

// Claims a name in `folder` that nothing uses yet: `name`, else name-1,
// name-2 ... before the extension. The empty file is created exclusively,
// which never follows a planted link, so no existing file is replaced.
QString reserveFreeName(const QString& folder, const QString& name) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? name.left(dot) : name;
  const QString extension = dot > 0 ? name.mid(dot) : QString();
  for (int n = 0; n < UpdateManager::kMaxNameAttempts; ++n) {
    const QString candidate = QDir(folder).filePath(
        n == 0 ? name : QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(extension));
    QFile file(candidate);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return candidate;
    const QFileInfo taken(candidate);
    if (!taken.exists() && !taken.isSymLink()) return {};  // the folder itself refuses
  }
  return {};
}

}  // namespace

// The installer on its way to disk: written through QSaveFile onto a name
// reserved beforehand. Unless the download is committed, the reservation
// goes with the object, so a failed, aborted or abandoned download leaves
// nothing behind.
class DownloadFile final : public QSaveFile {
 public:
  explicit DownloadFile(const QString& path) : QSaveFile(path) {}
  ~DownloadFile() override {
    if (committed_) return;
    if (isOpen()) cancelWriting();
    QFile::remove(fileName());
  }
  bool commitOnce() {
    committed_ = commit();
    return committed_;
  }

 private:
  bool committed_ = false;
};

bool DesktopUpdateLauncher::openUrl(const QUrl& url) {
  return QDesktopServices::openUrl(url);
}

bool DesktopUpdateLauncher::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments, QString());
}

UpdateManager::UpdateManager(QObject* parent)
    : UpdateManager(std::make_unique<DesktopUpdateLauncher>(), parent) {}

UpdateManager::UpdateManager(std::unique_ptr<UpdateLauncher> launcher, QObject* parent)
    : QObject(parent), launcher_(std::move(launcher)) {
  if (!launcher_) launcher_ = std::make_unique<DesktopUpdateLauncher>();
  // Started and stopped once here, each timer holds the record of its
  // running timer from the start: a later start makes nothing it could lose
  // halfway.
  for (QTimer* timer : {&checkTimeout_, &downloadTimeout_, &installPoll_}) {
    timer->setSingleShot(true);
    timer->start(kInstallPollIntervalMs);
    timer->stop();
  }
  connect(&checkTimeout_, &QTimer::timeout, this, [this] { abortIfRunning(checkReply); });
  connect(&downloadTimeout_, &QTimer::timeout, this, [this] { abortIfRunning(downloadReply); });
  connect(&installPoll_, &QTimer::timeout, this, &UpdateManager::pollInstallAfterDownload);
  // An error on screen follows a change of language.
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
  initManifestState();
}

UpdateManager::~UpdateManager() {
  // Replies die with the network manager below; none may call back into a
  // half-destroyed object. An unfinished save file discards its data.
  dropReply(checkReply);
  dropReply(downloadReply);
}

void UpdateManager::dropReply(QPointer<QNetworkReply>& reply) {
  if (!reply) return;
  QNetworkReply* old = reply.data();
  reply.clear();
  disconnect(old, nullptr, this, nullptr);
  old->abort();
  old->deleteLater();
}

QString UpdateManager::currentVersion() const {
  return QCoreApplication::applicationVersion();
}

bool UpdateManager::canInstall() const {
  return downloaded_ && !downloadedFilePath_.trimmed().isEmpty();
}

QString UpdateManager::updateNowAction() {
#ifdef Q_OS_WIN
  return QStringLiteral("install");
#else
  return QStringLiteral("openFolder");
#endif
}

QString UpdateManager::normalizeBaseUrl(const QString& text) {
  QString url = text.trimmed();
  while (url.endsWith(QLatin1Char('/'))) url.chop(1);
  return url;
}

QVersionNumber UpdateManager::parseAppVersion(const QString& text) {
  QString version = text.trimmed();
  if (version.startsWith(QLatin1Char('v')) || version.startsWith(QLatin1Char('V')))
    version.remove(0, 1);
  const qsizetype plus = version.indexOf(QLatin1Char('+'));
  if (plus >= 0) version.truncate(plus);
  const qsizetype dash = version.indexOf(QLatin1Char('-'));
  if (dash >= 0) version.truncate(dash);
  version = version.trimmed();
  if (version.isEmpty()) return {};
  return QVersionNumber::fromString(version);
}

QString UpdateManager::manifestDownloadUrl(const QVariantMap& manifest) {
  const QString windowsUrl = manifest.value(QStringLiteral("windows_url")).toString().trimmed();
  if (!windowsUrl.isEmpty()) return windowsUrl;
  return manifest.value(QStringLiteral("url")).toString().trimmed();
}

QString UpdateManager::downloadFileName(const QUrl& url, const QString& latestVersion) {
  QString segment = url.path(QUrl::FullyDecoded).trimmed();
  // Backslashes count as separators too: the decoded path may carry either.
  const qsizetype cut =
      std::max(segment.lastIndexOf(QLatin1Char('/')), segment.lastIndexOf(QLatin1Char('\\')));
  segment = segment.mid(cut + 1).trimmed();
  const QString name = reduceToSafeName(segment, kMaxFileNameLength);
  if (!name.isEmpty()) return name;
  // The version is remote text as well.
  QString version = reduceToSafeName(latestVersion.trimmed(), 32);
  if (version.isEmpty()) version = QStringLiteral("latest");
  return QStringLiteral("Pellaris-Setup-%1.exe").arg(version);
}

QString UpdateManager::builtInManifestUrl() {
  return normalizeBaseUrl(QStringLiteral("https://download.pellaris.app/downloads/latest.json"));
}

void UpdateManager::initManifestState() {
  manifestUrl_ = normalizeBaseUrl(storedUpdateValue(kManifestUrlKey).toString());
  if (manifestUrl_.isEmpty()) {
    const QString a = normalizeBaseUrl(qEnvironmentVariable("HALVORY_UPDATE_MANIFEST_URL"));
    const QString b = normalizeBaseUrl(qEnvironmentVariable("HALVORY_UPDATE_URL"));
    manifestUrl_ = !a.isEmpty() ? a : b;
  }
  if (manifestUrl_.isEmpty()) manifestUrl_ = builtInManifestUrl();

  const QString cached = storedUpdateValue(kCachedManifestKey).toString();
  const QDateTime cachedAt = storedTime(storedUpdateValue(kCachedAtKey).toString());
  if (cached.trimmed().isEmpty()) return;
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(cached.toUtf8(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return;
  lastSuccessAt_ = cachedAt.isValid() ? cachedAt : QDateTime();
  applyManifest(document.object().toVariantMap());
}

void UpdateManager::setManifestUrl(const QString& url) {
  const QString before = manifestUrl_;
  guardedCall(
      "setManifestUrl", [&] { changeManifestUrl(url); },
      [&](CallFailure failure, const QString& what) {
        // The address in use stays the one kept for the next start.
        manifestUrl_ = before;
        emit manifestUrlChanged();
        callFailed(
            QT_TRANSLATE_NOOP("AppController", "Not enough memory to change the update address"),
            failure, what);
      });
}

void UpdateManager::changeManifestUrl(const QString& url) {
  const QString normalized = normalizeBaseUrl(url);
  if (normalized == manifestUrl_) return;
  manifestUrl_ = normalized;
  emit manifestUrlChanged();
  // Last: a call that fails before it keeps nothing for the next start.
  storeUpdateValues({{QLatin1String(kManifestUrlKey), manifestUrl_}});
}

void UpdateManager::applyManifest(const QVariantMap& manifest) {
  latestVersion_ = manifest.value(QStringLiteral("version")).toString().trimmed();
  releaseNotes_ = manifest.value(QStringLiteral("notes")).toString();
  downloadUrl_ = QUrl(manifestDownloadUrl(manifest), QUrl::TolerantMode);
  // Trailing zero segments are dropped so 1.0.4.0 does not count as newer than 1.0.4.
  const QVersionNumber current = parseAppVersion(currentVersion());
  const QVersionNumber latest = parseAppVersion(latestVersion_);
  const bool newer = !current.isNull() && !latest.isNull() &&
                     QVersionNumber::compare(current.normalized(), latest.normalized()) < 0;
  // Only a web address can be downloaded; offering anything else would show
  // an update that can only fail.
  updateAvailable_ = newer && isWebUrl(downloadUrl_);
  if (newer && !updateAvailable_ && !downloadUrl_.isEmpty()) {
    lastErrorWords_ = [] {
      return tr("No downloadable update: the download URL is not an http or https address.");
    };
    lastError_ = lastErrorWords_();
  }
  emit stateChanged();
}

void UpdateManager::setBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  emit busyChanged();
}

void UpdateManager::setLastError(const QString& text) {
  lastErrorWords_ = nullptr;
  lastError_ = text;
  emit stateChanged();
}

void UpdateManager::setLastError(std::function<QString()> words) {
  lastErrorWords_ = std::move(words);
  lastError_ = lastErrorWords_();
  emit stateChanged();
}

void UpdateManager::callFailed(const char* noMemoryText, CallFailure failure, const QString& what) {
  setLastError([noMemoryText, failure, what] {
    return halvory_app::callFailureText(failure, noMemoryText, what);
  });
}

bool UpdateManager::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance() &&
      lastErrorWords_) {
    const QString text = lastErrorWords_();
    if (text != lastError_) {
      lastError_ = text;
      emit stateChanged();
    }
  }
  return QObject::eventFilter(watched, event);
}

void UpdateManager::checkNow() {
  // A request already under way is not this call's to drop.
  const bool underWay = busy_ || downloadBusy_;
  guardedCall(
      "checkNow", [this] { check(); },
      [this, underWay](CallFailure failure, const QString& what) {
        if (!underWay) {
          dropReply(checkReply);
          checkTimeout_.stop();
          setBusy(false);
        }
        callFailed(QT_TRANSLATE_NOOP("AppController", "Not enough memory to check for updates"),
                   failure, what);
      });
}

void UpdateManager::check() {
  lastCheckedAt_ = QDateTime::currentDateTimeUtc();
  emit stateChanged();
  if (busy_ || downloadBusy_) return;
  const QString url = normalizeBaseUrl(manifestUrl_);
  if (url.isEmpty()) {
    setLastError([] { return tr("Update URL is not configured."); });
    return;
  }
  dropReply(checkReply);

  setBusy(true);
  setLastError(QString());

  QNetworkRequest request{QUrl(url)};
  request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
  request.setRawHeader("Accept", "application/json");
  // Until it is wired, the reply is this call's: a failure before drops it.
  std::unique_ptr<QNetworkReply> made(network_.get(request));
  QNetworkReply* reply = made.get();
  checkReply = reply;

  // Stop reading a body that cannot be a manifest instead of buffering it.
  connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
    if (received <= kMaxManifestBytes && total <= kMaxManifestBytes) return;
    if (reply->property(kOversizeProperty).isValid() || !reply->isRunning()) return;
    reply->setProperty(kOversizeProperty, httpStatus(reply));
    reply->abort();
  });

  checkTimeout_.start(checkTimeoutMs_);

  connect(reply, &QNetworkReply::finished, this, [this, reply] { onCheckFinished(reply); });
  made.release();
}

void UpdateManager::onCheckFinished(QNetworkReply* reply) {
  setBusy(false);
  if (checkReply == reply) {
    checkReply.clear();
    checkTimeout_.stop();
  }

  const QVariant oversize = reply->property(kOversizeProperty);
  const int status = oversize.isValid() ? oversize.toInt() : httpStatus(reply);
  // An aborted reply is closed; reading it would only warn.
  const QByteArray body =
      oversize.isValid() || !reply->isOpen() ? QByteArray() : reply->read(kMaxManifestBytes + 1);

  if (oversize.isValid() || body.size() > kMaxManifestBytes) {
    setLastError([status] { return tr("Invalid update response (HTTP %1).").arg(status); });
    reply->deleteLater();
    return;
  }
  if (reply->error() != QNetworkReply::NoError) {
    setLastError(
        [reason = reply->errorString()] { return tr("Update check failed: %1").arg(reason); });
    reply->deleteLater();
    return;
  }

  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error == QJsonParseError::NoError && document.isObject()) {
    lastSuccessAt_ = QDateTime::currentDateTimeUtc();
    applyManifest(document.object().toVariantMap());
    storeUpdateValues({{QLatin1String(kCachedManifestKey),
                        QString::fromUtf8(document.toJson(QJsonDocument::Compact))},
                       {QLatin1String(kCachedAtKey), lastSuccessAt_.toString(Qt::ISODateWithMs)}});
    reply->deleteLater();
    return;
  }
  setLastError([status] { return tr("Invalid update response (HTTP %1).").arg(status); });
  reply->deleteLater();
}

void UpdateManager::resetDownloadState() {
  downloadBusy_ = false;
  downloadProgress_ = 0.0;
  downloadBytesReceived_ = 0;
  downloadBytesTotal_ = 0;
  downloadedFilePath_.clear();
  downloaded_ = false;
}

void UpdateManager::downloadNow() {
  const bool underWay = busy_ || downloadBusy_;
  guardedCall(
      "downloadNow", [this] { download(); },
      [this, underWay](CallFailure failure, const QString& what) {
        if (!underWay && downloadBusy_) dropDownload();
        callFailed(QT_TRANSLATE_NOOP("AppController", "Not enough memory to download the update"),
                   failure, what);
      });
}

void UpdateManager::dropDownload() {
  // The file, owned by its reply, goes with it and takes its reserved name.
  dropReply(downloadReply);
  downloadTimeout_.stop();
  resetDownloadState();
  autoInstallPending = false;
  installPoll_.stop();
  emit stateChanged();
}

void UpdateManager::download() {
  if (downloadBusy_ || busy_) return;
  // Only web addresses: anything else would turn the download into a local file copy.
  if (!isWebUrl(downloadUrl_)) {
    setLastError([] { return tr("No download URL available."); });
    return;
  }
  dropReply(downloadReply);
  resetDownloadState();
  setLastError(QString());
  downloadBusy_ = true;
  emit stateChanged();

  const QString folder = temporaryFolder();
  if (!folder.isEmpty()) QDir().mkpath(folder);
  const QString path =
      folder.isEmpty() ? QString()
                       : reserveFreeName(folder, downloadFileName(downloadUrl_, latestVersion_));
  // Held here until its reply owns it. The name reserved goes with it, or
  // here when no file comes to hold it.
  std::unique_ptr<DownloadFile> file;
  if (!path.isEmpty()) {
    try {
      file = std::make_unique<DownloadFile>(path);
    } catch (...) {
      QFile::remove(path);
      throw;
    }
  }
  if (!file || !file->open(QIODevice::WriteOnly)) {
    file.reset();
    downloadBusy_ = false;
    downloadedFilePath_.clear();
    setLastError([] { return tr("Failed to create download file."); });
    return;
  }
  downloadedFilePath_ = path;

  QNetworkRequest request{downloadUrl_};
  request.setRawHeader("Accept", "*/*");
  std::unique_ptr<QNetworkReply> made(network_.get(request));
  QNetworkReply* reply = made.get();
  downloadReply = reply;
  // The file lives no longer than its reply: a reply dropped or destroyed
  // unfinished takes the uncommitted file, and its data, with it.
  file->setParent(reply);
  const QPointer<DownloadFile> guardedFile(file.release());

  // Past the limit, declared or received, the download stops at once.
  const qint64 limit = downloadLimitBytes_;
  const auto stopIfTooLarge = [reply, limit](qint64 received, qint64 total) {
    if (received <= limit && total <= limit) return false;
    if (!reply->property(kOversizeProperty).isValid()) {
      reply->setProperty(kOversizeProperty, true);
      reply->abort();
    }
    return true;
  };
  connect(reply, &QNetworkReply::downloadProgress, this,
          [this, stopIfTooLarge](qint64 received, qint64 total) {
            if (stopIfTooLarge(received, total)) return;
            downloadBytesReceived_ = received;
            downloadBytesTotal_ = total;
            downloadProgress_ =
                total >= 1 ? std::max(0.0, std::min(double(received) / double(total), 1.0)) : 0.0;
            emit stateChanged();
          });
  connect(reply, &QNetworkReply::metaDataChanged, this, [reply, stopIfTooLarge] {
    stopIfTooLarge(0, reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
  });
  connect(reply, &QNetworkReply::readyRead, this, [reply, guardedFile, stopIfTooLarge] {
    if (!guardedFile || !guardedFile->isOpen() || reply->property(kOversizeProperty).isValid())
      return;
    const QByteArray chunk = reply->readAll();
    if (stopIfTooLarge(guardedFile->pos() + chunk.size(), 0)) return;
    guardedFile->write(chunk);
  });

  downloadTimeout_.start(downloadTimeoutMs_);

  connect(reply, &QNetworkReply::finished, this,
          [this, reply, guardedFile] { onDownloadFinished(reply, guardedFile.data()); });
  made.release();
}

void UpdateManager::onDownloadFinished(QNetworkReply* reply, DownloadFile* file) {
  downloadBusy_ = false;
  if (downloadReply == reply) {
    downloadReply.clear();
    downloadTimeout_.stop();
  }
  const int status = httpStatus(reply);

  if (reply->error() != QNetworkReply::NoError || reply->property(kOversizeProperty).isValid()) {
    // The file takes its reserved name with it.
    if (file) file->deleteLater();
    const bool oversize = reply->property(kOversizeProperty).isValid();
    const qint64 limitMb = downloadLimitBytes_ / (1024 * 1024);
    setLastError([oversize, limitMb, error = reply->errorString()] {
      return tr("Download failed: %1")
          .arg(oversize ? tr("the file is larger than the limit of %1 MB").arg(limitMb) : error);
    });
    downloaded_ = false;
  } else {
    bool committed = false;
    if (file) {
      if (file->isOpen()) file->write(reply->readAll());
      committed = file->commitOnce();
      file->deleteLater();
    }
    if (committed) {
      downloaded_ = true;
    } else {
      setLastError(
          [status] { return tr("Failed to finalize download file (HTTP %1).").arg(status); });
      downloaded_ = false;
    }
  }
  emit stateChanged();
  reply->deleteLater();
}

void UpdateManager::installNow() {
  guardedCall(
      "installNow", [this] { install(); },
      [this](CallFailure failure, const QString& what) {
        callFailed(QT_TRANSLATE_NOOP("AppController", "Not enough memory to install the update"),
                   failure, what);
      });
}

void UpdateManager::install() {
  if (downloadBusy_ || busy_) return;
  if (!canInstall()) {
    setLastError([] { return tr("No downloaded update is ready to install."); });
    return;
  }
  if (!QFileInfo::exists(downloadedFilePath_)) {
    setLastError([] { return tr("Downloaded installer file is missing."); });
    return;
  }
#ifdef Q_OS_WIN
  const QStringList arguments{QStringLiteral("/VERYSILENT"), QStringLiteral("/SUPPRESSMSGBOXES"),
                              QStringLiteral("/NORESTART"), QStringLiteral("/CLOSEAPPLICATIONS")};
  if (launcher_->startDetached(downloadedFilePath_, arguments)) {
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return;
  }
#else
  // The installer cannot run here and a downloaded file is never executed:
  // the user is shown the folder holding it, and the application stays open.
  const QUrl folder = QUrl::fromLocalFile(QFileInfo(downloadedFilePath_).absolutePath());
  if (launcher_->openUrl(folder)) return;
#endif
  setLastError([] { return tr("Failed to launch installer."); });
}

void UpdateManager::updateNow() {
  const bool underWay = busy_ || downloadBusy_;
  const bool installing = canInstall();
  guardedCall(
      "updateNow", [this] { update(); },
      [this, underWay, installing](CallFailure failure, const QString& what) {
        // A download this call began goes, and nothing installs
        // when it would have ended.
        if (!underWay && downloadBusy_) dropDownload();
        autoInstallPending = false;
        installPoll_.stop();
        callFailed(
            installing
                ? QT_TRANSLATE_NOOP("AppController", "Not enough memory to install the update")
                : QT_TRANSLATE_NOOP("AppController", "Not enough memory to download the update"),
            failure, what);
      });
}

void UpdateManager::update() {
  if (downloadBusy_ || busy_) return;
  if (!updateAvailable_) {
    setLastError([] { return tr("No update is available."); });
    return;
  }
  if (canInstall()) {
    install();
    return;
  }
  autoInstallPending = true;
  autoInstallPollsLeft = kInstallPolls;
  download();
  pollInstallAfterDownload();
}

void UpdateManager::pollInstallAfterDownload() {
  if (!autoInstallPending) return;
  const int n = autoInstallPollsLeft--;
  if (n < 1) {
    autoInstallPending = false;
    return;
  }
  if (downloadBusy_) {
    installPoll_.start(kInstallPollIntervalMs);
    return;
  }
  autoInstallPending = false;
  if (canInstall()) installNow();
}

void UpdateManager::openDownloadUrl() {
  guardedCall(
      "openDownloadUrl", [this] { openDownloadPage(); },
      [this](CallFailure failure, const QString& what) {
        callFailed(
            QT_TRANSLATE_NOOP("AppController", "Not enough memory to open the download page"),
            failure, what);
      });
}

void UpdateManager::openDownloadPage() {
  if (!isWebUrl(downloadUrl_)) {
    setLastError([] { return tr("No download URL available."); });
    return;
  }
  launcher_->openUrl(downloadUrl_);
}

void UpdateManager::clearState() {
  guardedCall(
      "clearState", [this] { clear(); },
      [this](CallFailure failure, const QString& what) {
        callFailed(
            QT_TRANSLATE_NOOP("AppController", "Not enough memory to clear the update information"),
            failure, what);
      });
}

void UpdateManager::clear() {
  updateAvailable_ = false;
  latestVersion_.clear();
  downloadUrl_.clear();
  releaseNotes_.clear();
  lastError_.clear();
  lastErrorWords_ = nullptr;
  lastCheckedAt_ = QDateTime();
  lastSuccessAt_ = QDateTime();
  resetDownloadState();
  storeUpdateValues(
      {{QLatin1String(kCachedManifestKey), QVariant()}, {QLatin1String(kCachedAtKey), QVariant()}});
  emit stateChanged();
}

void UpdateManager::abortIfRunning(const QPointer<QNetworkReply>& reply) {
  if (reply && reply->isRunning()) reply->abort();
}
