// Project files, text files and resources, as the controller forwards them
// to their part.

#include "controller/app_controller.hpp"
#include "controller/file_failure.hpp"
#include "controller/guarded_call.hpp"
#include "controller/settings_store.hpp"

#include <future>
#include <memory>
#include <new>

#include "controller/file_reason.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "context/worker_threads.hpp"

using halvory_app::CallFailure;
using halvory_app::guardedCall;

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
    // What the file's work used goes back to the system, away from this
    // thread: a large heap takes a good part of an open to hand back, and
    // the page need not wait for it. A start measures the memory only after
    // this release has ended (releaseFreedMemoryNow).
    if (ended) {
      try {
        auto released = std::make_shared<std::promise<void>>();
        std::shared_future<void> done = released->get_future().share();
        // Without a thread for it, the release is made here.
        if (!halvory::run_detached([info = systemInfo, released] {
              info->releaseFreedMemory();
              released->set_value();
            }))
          systemInfo->releaseFreedMemory();
        fileMemoryRelease = std::move(done);
      } catch (...) {
        systemInfo->releaseFreedMemory();
      }
    }
  };
  return hooks;
}

void AppController::cancelProjectSave() {
  guardedCall("cancelProjectSave", [&] { projectFiles.cancel(); });
}

bool AppController::saveProject(QUrl fileUrl, QVariantMap projectState) const {
  return guardedCall(
      "saveProject", [&] { return projectFiles.save(std::move(fileUrl), projectState); },
      [this](CallFailure failure, const QString&) {
        return projectFiles.saveFailed(failure == CallFailure::NoMemory);
      });
}

QString AppController::projectSaveError() const {
  return guardedCall("projectSaveError", [&] { return projectFiles.saveError(); });
}

bool AppController::fileExists(QUrl fileUrl) const {
  return guardedCall("fileExists", [&] { return localFileExists(fileUrl); });
}

bool AppController::localFileExists(QUrl fileUrl) {
  if (!fileUrl.isLocalFile()) {
    // Qt's own dialog answers with a bare absolute path.
    if (!fileUrl.scheme().isEmpty() || !QDir::isAbsolutePath(fileUrl.path())) return false;
    fileUrl = QUrl::fromLocalFile(fileUrl.path());
  }
  const QString path = fileUrl.toLocalFile();
  return !path.isEmpty() && QFileInfo::exists(path);
}

QUrl AppController::homeFolderUrl() const {
  return guardedCall("homeFolderUrl", [] { return QUrl::fromLocalFile(QDir::homePath()); });
}

QVariantMap AppController::loadProject(QUrl fileUrl) {
  return guardedCall(
      "loadProject", [&] { return projectFiles.load(std::move(fileUrl)); },
      [](CallFailure failure, const QString& what) {
        // Refused as a file the memory cannot hold, rather than ending the
        // program from inside the page's call.
        const QString error =
            failure == CallFailure::NoMemory
                ? fileFailureText(FileFailure::NoMemory, false)
                : QCoreApplication::translate("AppController", "Error: %1").arg(what);
        return QVariantMap{{QStringLiteral("ok"), false},
                           {QStringLiteral("error"), error},
                           {QStringLiteral("project"), QVariantMap()},
                           {QStringLiteral("hasResults"), false}};
      });
}

QString AppController::fileReasonText(QVariant reason) const {
  return guardedCall("fileReasonText", [&] { return halvory_app::FileReason::word(reason); });
}

QVariantMap AppController::saveTextFile(QUrl fileUrl, QString text) const {
  return guardedCall(
      "saveTextFile", [&] { return ProjectFiles::saveTextFile(std::move(fileUrl), text); },
      [](CallFailure failure, const QString& what) {
        return halvory_app::failedCallAnswer(
            failure, QT_TRANSLATE_NOOP("AppController", "Not enough memory to save the file"),
            what);
      });
}

QVariantMap AppController::readTextFile(QUrl fileUrl) const {
  return guardedCall(
      "readTextFile", [&] { return ProjectFiles::readTextFile(std::move(fileUrl)); },
      [](CallFailure failure, const QString& what) {
        return halvory_app::failedCallAnswer(
            failure, QT_TRANSLATE_NOOP("AppController", "Not enough memory to open the file"),
            what);
      });
}

QString AppController::settingsStoreProblem() const {
  return guardedCall("settingsStoreProblem", [] { return halvory_app::settingsStoreProblem(); });
}

QString AppController::readTextResource(QString path) const {
  return guardedCall("readTextResource", [&] { return ProjectFiles::readTextResource(path); });
}

QString AppController::openLicensesFolder() const {
  return guardedCall("openLicensesFolder", [] { return ProjectFiles::openLicensesFolder(); });
}

QString AppController::openThirdPartyNotices() const {
  return guardedCall("openThirdPartyNotices", [] { return ProjectFiles::openThirdPartyNotices(); });
}
