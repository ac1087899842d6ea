// Project files, text files and resources, as the controller forwards them
// to their part.

#include "controller/app_controller.hpp"
#include "controller/file_failure.hpp"
#include "controller/settings_store.hpp"

#include <new>

#include "controller/file_reason.hpp"

#include <QDir>
#include <QFileInfo>

ProjectFiles::Hooks AppController::projectHooks() {
  ProjectFiles::Hooks hooks;
  hooks.releaseHeld = [this] { clearResultFields(); };
  hooks.loaded = [this](bool reclaimableChanged) {
    announceResults();
    if (reclaimableChanged) {
      emit systemMemoryChanged();
      system.refreshAvailableMemory();
    }
  };
  hooks.fileWork = [this](bool busy, double progress) {
    const bool ended = projectFileBusy && !busy;
    if (busy == projectFileBusy && progress == projectFileProgress) return;
    projectFileBusy = busy;
    projectFileProgress = progress;
    emit projectFileProgressChanged();
    // What the file's work used goes back to the system.
    if (ended) systemInfo->releaseFreedMemory();
  };
  return hooks;
}

void AppController::cancelProjectSave() {
  projectFiles.cancel();
}

bool AppController::saveProject(QUrl fileUrl, QVariantMap projectState) const {
  return projectFiles.save(std::move(fileUrl), projectState);
}

QString AppController::projectSaveError() const {
  return projectFiles.saveError();
}

bool AppController::fileExists(QUrl fileUrl) const {
  if (!fileUrl.isLocalFile()) {
    // Qt's own dialog answers with a bare absolute path.
    if (!fileUrl.scheme().isEmpty() || !QDir::isAbsolutePath(fileUrl.path())) return false;
    fileUrl = QUrl::fromLocalFile(fileUrl.path());
  }
  const QString path = fileUrl.toLocalFile();
  return !path.isEmpty() && QFileInfo::exists(path);
}

QUrl AppController::homeFolderUrl() const {
  return QUrl::fromLocalFile(QDir::homePath());
}

QVariantMap AppController::loadProject(QUrl fileUrl) {
  try {
    return projectFiles.load(std::move(fileUrl));
  } catch (const std::bad_alloc&) {
    // Refused as a file the memory cannot hold, rather than ending the
    // program from inside the page's call.
    return QVariantMap{{QStringLiteral("ok"), false},
                       {QStringLiteral("error"), fileFailureText(FileFailure::NoMemory, false)},
                       {QStringLiteral("project"), QVariantMap()},
                       {QStringLiteral("hasResults"), false}};
  }
}

QString AppController::fileReasonText(QVariant reason) const {
  return halvory_app::FileReason::word(reason);
}

QVariantMap AppController::saveTextFile(QUrl fileUrl, QString text) const {
  return ProjectFiles::saveTextFile(std::move(fileUrl), text);
}

QVariantMap AppController::readTextFile(QUrl fileUrl) const {
  return ProjectFiles::readTextFile(std::move(fileUrl));
}

QString AppController::settingsStoreProblem() const {
  return halvory_app::settingsStoreProblem();
}

QString AppController::readTextResource(QString path) const {
  return ProjectFiles::readTextResource(path);
}

QString AppController::openLicensesFolder() const {
  return ProjectFiles::openLicensesFolder();
}

QString AppController::openThirdPartyNotices() const {
  return ProjectFiles::openThirdPartyNotices();
}
