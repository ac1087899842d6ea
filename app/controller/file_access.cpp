#include "controller/file_access.hpp"

#include <cerrno>

#include <QCoreApplication>
#include <QDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_access {

QUrl asFileUrl(const QUrl& url) {
  if (url.scheme().isEmpty() && !url.path().isEmpty() && QDir::isAbsolutePath(url.path()) &&
      url.host().isEmpty())
    return QUrl::fromLocalFile(url.path());
  return url;
}

QVariantMap notDoneAnswer(std::initializer_list<std::pair<QString, QVariant>> fields) {
  QVariantMap answer;
  answer.insert(QStringLiteral("ok"), false);
  answer.insert(QStringLiteral("error"), QString());
  for (const auto& [key, value] : fields) answer.insert(key, value);
  return answer;
}

QVariantMap failed(QVariantMap answer, const QString& error) {
  answer.insert(QStringLiteral("error"), error);
  return answer;
}

QVariantMap refused(QVariantMap answer, const halvory_app::FileReason& reason) {
  answer.insert(QStringLiteral("reason"), reason.toVariant());
  return failed(std::move(answer), reason.worded());
}

QString localFilePath(const QUrl& fileUrl, QString* error) {
  const QUrl url = asFileUrl(fileUrl);
  if (!url.isValid() || !url.isLocalFile()) {
    *error = QCoreApplication::translate("AppController", "Invalid/non-local file URL");
    return {};
  }
  const QString path = url.toLocalFile();
  if (path.isEmpty()) *error = QCoreApplication::translate("AppController", "Empty file path");
  return path;
}

RegularOpen openRegularFile(const QString& path, QIODevice::OpenMode mode, QFile& file,
                            QString* error) {
  int fd;
  do {
    fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (error) *error = qt_error_string(errno);
    return RegularOpen::Failed;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return RegularOpen::NotRegular;
  }
  if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    if (error) *error = file.errorString();
    ::close(fd);
    return RegularOpen::Failed;
  }
  return RegularOpen::Ok;
}

}  // namespace file_access
