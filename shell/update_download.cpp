// UpdateManager: the download into the temporary folder, the install and
// the desktop's part (opening pages and folders, starting programs).

#include "update_manager.hpp"

#include "controller/guarded_call.hpp"
#include "update_web.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <utility>

using halvory_app::CallFailure;
using halvory_app::guardedCall;
using update_web::httpStatus;
using update_web::isWebUrl;
using update_web::kOversizeProperty;

namespace {

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
    setLastError(ErrorText::NoDownloadUrl);
    return;
  }
  dropReply(downloadReply);
  resetDownloadState();
  setLastError(ErrorText::None);
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
    setLastError(ErrorText::FileNotCreated);
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
    if (reply->property(kOversizeProperty).isValid())
      setLastError(ErrorText::DownloadTooLarge, downloadLimitBytes_ / (1024 * 1024));
    else
      setLastError(ErrorText::DownloadFailed, 0, reply->errorString());
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
      setLastError(ErrorText::FileNotFinalized, status);
      downloaded_ = false;
    }
  }
  emit stateChanged();
  reply->deleteLater();
}

void UpdateManager::installNow() {
  runGuarded("installNow", &UpdateManager::install,
             QT_TRANSLATE_NOOP("AppController", "Not enough memory to install the update"));
}

void UpdateManager::install() {
  if (downloadBusy_ || busy_) return;
  if (!canInstall()) {
    setLastError(ErrorText::NothingToInstall);
    return;
  }
  if (!QFileInfo::exists(downloadedFilePath_)) {
    setLastError(ErrorText::InstallerMissing);
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
  setLastError(ErrorText::InstallerNotLaunched);
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
    setLastError(ErrorText::NoUpdate);
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
  runGuarded("openDownloadUrl", &UpdateManager::openDownloadPage,
             QT_TRANSLATE_NOOP("AppController", "Not enough memory to open the download page"));
}

void UpdateManager::openDownloadPage() {
  if (!isWebUrl(downloadUrl_)) {
    setLastError(ErrorText::NoDownloadUrl);
    return;
  }
  launcher_->openUrl(downloadUrl_);
}
