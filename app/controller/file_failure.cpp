// Reasons a file could not be written or read. Their words belong to the
// controller's translation context, beside the other file errors.

#include "controller/file_failure.hpp"

#include <algorithm>
#include <cerrno>
#include <initializer_list>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/statvfs.h>

FileFailure fileFailureOf(const QString& systemText) {
  const auto said = [&systemText](std::initializer_list<int> codes) {
    return std::any_of(codes.begin(), codes.end(), [&systemText](int code) {
      return systemText.contains(qt_error_string(code));
    });
  };
  // A file-size limit refuses the write as a full disk would.
  if (said({ENOSPC, EDQUOT, EFBIG})) return FileFailure::NoSpace;
  if (said({EACCES, EPERM, EROFS})) return FileFailure::NoPermission;
  if (said({ENOMEM})) return FileFailure::NoMemory;
  return FileFailure::Other;
}

bool noRoomAfter(const QString& path, qint64 written) {
  // Less than one of the writer's blocks left counts as full.
  constexpr unsigned long long kFullBelowBytes = 1ULL << 20;
  struct statvfs disk {};
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  if (::statvfs(folder.constData(), &disk) == 0 &&
      static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < kFullBelowBytes)
    return true;
  struct rlimit limit {};
  return written >= 0 && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 &&
         limit.rlim_cur != RLIM_INFINITY &&
         static_cast<unsigned long long>(written) + kFullBelowBytes >= limit.rlim_cur;
}

FileFailure saveOpenFailureOf(const QString& path, const QString& systemText) {
  // Asked by opening the file for writing, without changing it: the right
  // is the one the write had (a check of the mode alone would miss a
  // read-only mount, and one by the real user the rights of the process).
  const QByteArray name = QFile::encodeName(path);
  struct stat status {};
  if (::stat(name.constData(), &status) == 0 && S_ISREG(status.st_mode)) {
    const int fd = ::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
      ::close(fd);
    } else if (errno == EACCES || errno == EPERM || errno == EROFS) {
      return FileFailure::ReadOnlyFile;
    }
  }
  return fileFailureOf(systemText);
}

QString fileFailureText(FileFailure failure, bool saving) {
  return fileFailureReason(failure, saving).worded();
}

halvory_app::FileReason fileFailureReason(FileFailure failure, bool saving) {
  using halvory_app::FileReason;
  switch (failure) {
    case FileFailure::NoSpace:
      return FileReason(QT_TRANSLATE_NOOP("AppController",
                                          "There is not enough space on the disk for the project"));
    case FileFailure::NoPermission:
      return saving ? FileReason(QT_TRANSLATE_NOOP(
                          "AppController", "Permission denied: this folder may not be written to"))
                    : FileReason(QT_TRANSLATE_NOOP("AppController",
                                                   "Permission denied: this file may not be read"));
    case FileFailure::ReadOnlyFile:
      return saving ? FileReason(QT_TRANSLATE_NOOP(
                          "AppController", "Permission denied: this file may not be written to"))
                    : FileReason(QT_TRANSLATE_NOOP("AppController",
                                                   "Permission denied: this file may not be read"));
    case FileFailure::NoMemory:
      return saving ? FileReason(QT_TRANSLATE_NOOP("AppController",
                                                   "Not enough memory to save the project"))
                    : FileReason(QT_TRANSLATE_NOOP("AppController",
                                                   "Not enough memory to open the project"));
    case FileFailure::Other:
      break;
  }
  return {};
}
