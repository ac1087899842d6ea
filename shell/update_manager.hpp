#pragma once

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <QVersionNumber>

#include "controller/guarded_call.hpp"
#include <memory>

class DownloadFile;

// The one door to the desktop: opening pages and folders, starting programs.
// Kept behind an interface so tests can see what would be launched without
// launching anything.
class UpdateLauncher {
 public:
  virtual ~UpdateLauncher() = default;
  // Opens a web page or a local folder with the desktop's default handler.
  virtual bool openUrl(const QUrl& url) = 0;
  // Starts a program detached from this process (only used where the
  // downloaded file is an installer this platform can run).
  virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

// QDesktopServices and QProcess.
class DesktopUpdateLauncher final : public UpdateLauncher {
 public:
  bool openUrl(const QUrl& url) override;
  bool startDetached(const QString& program, const QStringList& arguments) override;
};

// Checks the update manifest, downloads the installer into the temporary
// folder and hands it to the desktop. GUI thread only.
class UpdateManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)
  Q_PROPERTY(QString manifestUrl READ manifestUrl WRITE setManifestUrl NOTIFY manifestUrlChanged)
  Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
  Q_PROPERTY(QString lastError READ lastError NOTIFY stateChanged)
  Q_PROPERTY(QDateTime lastCheckedAt READ lastCheckedAt NOTIFY stateChanged)
  Q_PROPERTY(QDateTime lastSuccessAt READ lastSuccessAt NOTIFY stateChanged)
  Q_PROPERTY(bool updateAvailable READ updateAvailable NOTIFY stateChanged)
  Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY stateChanged)
  Q_PROPERTY(QUrl downloadUrl READ downloadUrl NOTIFY stateChanged)
  Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY stateChanged)
  Q_PROPERTY(bool downloadBusy READ downloadBusy NOTIFY stateChanged)
  Q_PROPERTY(double downloadProgress READ downloadProgress NOTIFY stateChanged)
  Q_PROPERTY(qlonglong downloadBytesReceived READ downloadBytesReceived NOTIFY stateChanged)
  Q_PROPERTY(qlonglong downloadBytesTotal READ downloadBytesTotal NOTIFY stateChanged)
  Q_PROPERTY(QString downloadedFilePath READ downloadedFilePath NOTIFY stateChanged)
  Q_PROPERTY(bool downloaded READ downloaded NOTIFY stateChanged)
  Q_PROPERTY(bool canInstall READ canInstall NOTIFY stateChanged)
  // What updateNow does here, for the confirmation text of the UI:
  // "install" (download, start the installer and close the application) or
  // "openFolder" (download, then show the folder holding the file; the
  // application stays open).
  Q_PROPERTY(QString updateNowAction READ updateNowAction CONSTANT)

 public:
  static constexpr int kCheckTimeoutMs = 8000;
  static constexpr int kDownloadTimeoutMs = 30000;
  static constexpr int kInstallPollIntervalMs = 250;
  static constexpr int kInstallPolls = 600;
  // A manifest is a few hundred bytes; anything this large is not one.
  static constexpr qint64 kMaxManifestBytes = 1024 * 1024;
  static constexpr int kMaxFileNameLength = 100;
  // An installer is a few hundred megabytes at most. A download that
  // declares or delivers more is stopped, so a broken or hostile server
  // cannot fill the disk.
  static constexpr qint64 kMaxDownloadBytes = qint64(512) * 1024 * 1024;
  // Names tried beside the preferred one before a download gives up.
  static constexpr int kMaxNameAttempts = 100;

  explicit UpdateManager(QObject* parent = nullptr);
  UpdateManager(std::unique_ptr<UpdateLauncher> launcher, QObject* parent = nullptr);
  ~UpdateManager() override;

  QString currentVersion() const;
  QString manifestUrl() const { return manifestUrl_; }
  void setManifestUrl(const QString& url);
  bool busy() const { return busy_; }
  // Worded at each reading, in the language in force.
  QString lastError() const;
  QDateTime lastCheckedAt() const { return lastCheckedAt_; }
  QDateTime lastSuccessAt() const { return lastSuccessAt_; }
  bool updateAvailable() const { return updateAvailable_; }
  QString latestVersion() const { return latestVersion_; }
  QUrl downloadUrl() const { return downloadUrl_; }
  QString releaseNotes() const { return releaseNotes_; }
  bool downloadBusy() const { return downloadBusy_; }
  double downloadProgress() const { return downloadProgress_; }
  qlonglong downloadBytesReceived() const { return downloadBytesReceived_; }
  qlonglong downloadBytesTotal() const { return downloadBytesTotal_; }
  QString downloadedFilePath() const { return downloadedFilePath_; }
  bool downloaded() const { return canInstall(); }
  bool canInstall() const;
  static QString updateNowAction();

  // Each call the UI makes fails as a whole: what it throws (the memory ran
  // out) is shown as lastError, and no request or download of its own is
  // left half-made.
  Q_INVOKABLE void checkNow();
  Q_INVOKABLE void openDownloadUrl();
  Q_INVOKABLE void updateNow();
  Q_INVOKABLE void downloadNow();
  Q_INVOKABLE void installNow();
  Q_INVOKABLE void clearState();

  // Time-outs of the manifest request and of the download (tests shorten them).
  void setCheckTimeoutMs(int ms) { checkTimeoutMs_ = ms; }
  void setDownloadTimeoutMs(int ms) { downloadTimeoutMs_ = ms; }
  // Size limit of a download (tests lower it).
  void setDownloadLimitBytes(qint64 bytes) { downloadLimitBytes_ = bytes; }

  static QString normalizeBaseUrl(const QString& text);
  static QVersionNumber parseAppVersion(const QString& text);
  static QString manifestDownloadUrl(const QVariantMap& manifest);
  // The name the installer is saved under: the URL's last path segment
  // reduced to [A-Za-z0-9._-], else "Pellaris-Setup-<version>.exe".
  static QString downloadFileName(const QUrl& url, const QString& latestVersion);
  static QString builtInManifestUrl();

 signals:
  void manifestUrlChanged();
  void busyChanged();
  void stateChanged();

 private:
  // The calls themselves, unguarded.
  void changeManifestUrl(const QString& url);
  void check();
  void download();
  void install();
  void update();
  void openDownloadPage();
  void clear();
  // A failed call's words as lastError, worded again in each new language.
  void callFailed(const char* noMemoryText, halvory_app::CallFailure failure, const QString& what);
  // Runs `work` as the call `name`; a failure is told as callFailed does.
  void runGuarded(const char* name, void (UpdateManager::*work)(), const char* noMemoryText);
  // Stops the download a failed call began and forgets it.
  void dropDownload();

  void initManifestState();
  void applyManifest(const QVariantMap& manifest);
  void onCheckFinished(QNetworkReply* reply);
  void onDownloadFinished(QNetworkReply* reply, DownloadFile* file);
  void resetDownloadState();

  // The error on screen, kept as its cause (which text, and its argument)
  // and worded when read, so that it follows a language switch.
  enum class ErrorText {
    None,
    UndownloadableUpdate,
    NoManifestUrl,
    InvalidResponse,  // the HTTP status
    CheckFailed,      // the network library's reason
    NoDownloadUrl,
    FileNotCreated,
    DownloadFailed,    // the network library's reason
    DownloadTooLarge,  // the limit in MB
    FileNotFinalized,  // the HTTP status
    NothingToInstall,
    InstallerMissing,
    InstallerNotLaunched,
    NoUpdate,
    CallFailed,  // what the call threw
  };
  // Keeps the cause without telling (for a change told with others).
  void keepError(ErrorText text, qint64 number = 0, const QString& reason = QString());
  void setLastError(ErrorText text, qint64 number = 0, const QString& reason = QString());
  QString errorWords() const;
  // A language switch has the error worded anew, or drops it where it
  // carries the network library's reason, given in the old language.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void pollInstallAfterDownload();
  void abortIfRunning(const QPointer<QNetworkReply>& reply);
  void setBusy(bool busy);
  void dropReply(QPointer<QNetworkReply>& reply);

  QString manifestUrl_;
  bool busy_ = false;
  ErrorText error_ = ErrorText::None;
  qint64 errorNumber_ = 0;
  QString errorReason_;
  halvory_app::CallFailure errorFailure_ = halvory_app::CallFailure::Other;
  const char* errorNoMemoryText_ = nullptr;
  QDateTime lastCheckedAt_;
  QDateTime lastSuccessAt_;
  bool updateAvailable_ = false;
  QString latestVersion_;
  QUrl downloadUrl_;
  QString releaseNotes_;
  QNetworkAccessManager network_;
  QPointer<QNetworkReply> checkReply;
  bool downloadBusy_ = false;
  double downloadProgress_ = 0.0;
  qlonglong downloadBytesReceived_ = 0;
  qlonglong downloadBytesTotal_ = 0;
  QString downloadedFilePath_;
  bool downloaded_ = false;
  QPointer<QNetworkReply> downloadReply;
  bool autoInstallPending = false;
  int autoInstallPollsLeft = 0;
  // The time-outs and the install poll are made once, here, and only
  // started by the calls: a timer a call made and then lost to a failed
  // allocation would stay registered and fire on freed memory.
  QTimer checkTimeout_;
  QTimer downloadTimeout_;
  QTimer installPoll_;

  std::unique_ptr<UpdateLauncher> launcher_;
  int checkTimeoutMs_ = kCheckTimeoutMs;
  int downloadTimeoutMs_ = kDownloadTimeoutMs;
  qint64 downloadLimitBytes_ = kMaxDownloadBytes;
};
