// UpdateManager: the manifest check, its cached answer, the update address
// and the error on screen.

#include "update_manager.hpp"

#include "controller/guarded_call.hpp"
#include "controller/settings_file.hpp"
#include "update_web.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QNetworkRequest>
#include <QDataStream>
#include <QTimer>
#include <utility>

using halvory_app::CallFailure;
using halvory_app::guardedCall;
using update_web::httpStatus;
using update_web::isWebUrl;
using update_web::kOversizeProperty;

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
}  // namespace

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
    keepError(ErrorText::UndownloadableUpdate);
  }
  emit stateChanged();
}

void UpdateManager::setBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  emit busyChanged();
}

void UpdateManager::keepError(ErrorText text, qint64 number, const QString& reason) {
  error_ = text;
  errorNumber_ = number;
  errorReason_ = reason;
}

void UpdateManager::setLastError(ErrorText text, qint64 number, const QString& reason) {
  keepError(text, number, reason);
  emit stateChanged();
}

void UpdateManager::callFailed(const char* noMemoryText, CallFailure failure, const QString& what) {
  errorFailure_ = failure;
  errorNoMemoryText_ = noMemoryText;
  setLastError(ErrorText::CallFailed, 0, what);
}

QString UpdateManager::lastError() const {
  // Read by the page: a text that cannot be made (the memory ran out) reads
  // as none rather than end the program.
  return guardedCall("lastError", [this] { return errorWords(); });
}

QString UpdateManager::errorWords() const {
  switch (error_) {
    case ErrorText::None:
      return {};
    case ErrorText::UndownloadableUpdate:
      return tr("No downloadable update: the download URL is not an http or https address.");
    case ErrorText::NoManifestUrl:
      return tr("Update URL is not configured.");
    case ErrorText::InvalidResponse:
      return tr("Invalid update response (HTTP %1).").arg(errorNumber_);
    case ErrorText::CheckFailed:
      return tr("Update check failed: %1").arg(errorReason_);
    case ErrorText::NoDownloadUrl:
      return tr("No download URL available.");
    case ErrorText::FileNotCreated:
      return tr("Failed to create download file.");
    case ErrorText::DownloadFailed:
      return tr("Download failed: %1").arg(errorReason_);
    case ErrorText::DownloadTooLarge:
      return tr("Download failed: %1")
          .arg(tr("the file is larger than the limit of %1 MB").arg(errorNumber_));
    case ErrorText::FileNotFinalized:
      return tr("Failed to finalize download file (HTTP %1).").arg(errorNumber_);
    case ErrorText::NothingToInstall:
      return tr("No downloaded update is ready to install.");
    case ErrorText::InstallerMissing:
      return tr("Downloaded installer file is missing.");
    case ErrorText::InstallerNotLaunched:
      return tr("Failed to launch installer.");
    case ErrorText::NoUpdate:
      return tr("No update is available.");
    case ErrorText::CallFailed:
      return halvory_app::callFailureText(errorFailure_, errorNoMemoryText_, errorReason_);
  }
  return {};
}

bool UpdateManager::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance() &&
      error_ != ErrorText::None) {
    // The network library's reason came in the language of its time and
    // cannot be worded again: rather than mix two languages, the error goes.
    // Any other error is worded anew when the page reads it.
    if (error_ == ErrorText::CheckFailed || error_ == ErrorText::DownloadFailed)
      keepError(ErrorText::None);
    emit stateChanged();
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
    setLastError(ErrorText::NoManifestUrl);
    return;
  }
  dropReply(checkReply);

  setBusy(true);
  setLastError(ErrorText::None);

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
    setLastError(ErrorText::InvalidResponse, status);
    reply->deleteLater();
    return;
  }
  if (reply->error() != QNetworkReply::NoError) {
    setLastError(ErrorText::CheckFailed, 0, reply->errorString());
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
  setLastError(ErrorText::InvalidResponse, status);
  reply->deleteLater();
}

void UpdateManager::clearState() {
  runGuarded(
      "clearState", &UpdateManager::clear,
      QT_TRANSLATE_NOOP("AppController", "Not enough memory to clear the update information"));
}

void UpdateManager::runGuarded(const char* name, void (UpdateManager::*work)(),
                               const char* noMemoryText) {
  guardedCall(
      name, [this, work] { (this->*work)(); },
      [this, noMemoryText](CallFailure failure, const QString& what) {
        callFailed(noMemoryText, failure, what);
      });
}

void UpdateManager::clear() {
  updateAvailable_ = false;
  latestVersion_.clear();
  downloadUrl_.clear();
  releaseNotes_.clear();
  keepError(ErrorText::None);
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
