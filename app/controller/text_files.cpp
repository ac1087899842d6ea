// Text files the user picks, and the texts and notices shipped with the
// program. Its words belong to the controller's translation context, where
// the program has always kept them.

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>

#include "controller/file_access.hpp"
#include "controller/project_files.hpp"

using namespace file_access;

namespace {

constexpr qint64 kTextFileMaxBytes = 2097152;

// Writes the whole content and commits. QSaveFile keeps the old file when a
// write fails outright, but a short write (a full disk, a file-size limit)
// sets no error, and a failed flush of its buffer is not remembered either,
// so commit() would then replace the old file with a truncated one. Both are
// checked here and cancel the save instead.
bool writeAndCommit(QSaveFile& file, const QByteArray& bytes, QString& error) {
  const qint64 written = file.write(bytes);
  if (written != bytes.size() || !file.flush()) {
    error = file.error() != QFileDevice::NoError ? file.errorString()
                                                 : QStringLiteral("Incomplete write");
    file.cancelWriting();
    file.commit();  // discards the temporary file
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

QVariantMap ProjectFiles::saveTextFile(QUrl fileUrl, const QString& text) {
  QVariantMap result = notDoneAnswer();

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return failed(result, pathError);

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return failed(result, QCoreApplication::translate("AppController", "Failed to open file: %1")
                              .arg(file.errorString()));
  }
  QString error;
  if (!writeAndCommit(file, text.toUtf8(), error))
    return failed(
        result, QCoreApplication::translate("AppController", "Failed to save file: %1").arg(error));
  result.insert(QStringLiteral("ok"), true);
  return result;
}

QVariantMap ProjectFiles::readTextFile(QUrl fileUrl) {
  fileUrl = asFileUrl(fileUrl);
  QVariantMap result = notDoneAnswer({{QStringLiteral("text"), QString()}});
  const auto refuse = [&result](const char* reason) {
    return failed(result, QCoreApplication::translate("AppController", reason));
  };

  if (!fileUrl.isValid()) return refuse(QT_TRANSLATE_NOOP("AppController", "Invalid file URL."));
  if (!fileUrl.isLocalFile())
    return refuse(QT_TRANSLATE_NOOP("AppController", "Only local files are supported."));
  const QString path = fileUrl.toLocalFile();
  if (path.trimmed().isEmpty())
    return refuse(QT_TRANSLATE_NOOP("AppController", "Empty file path."));
  if (!QFileInfo::exists(path))
    return refuse(QT_TRANSLATE_NOOP("AppController", "File does not exist."));

  QFile file;
  QString openError;
  // Read as bytes: text mode would drop every CR, a line break of its own
  // in a file written with CR line ends.
  switch (openRegularFile(path, QIODevice::ReadOnly, file, &openError)) {
    case RegularOpen::NotRegular:
      return refuse(QT_TRANSLATE_NOOP("AppController", "Not a regular file."));
    case RegularOpen::Failed:
      return failed(
          result,
          QCoreApplication::translate("AppController", "Failed to open file: %1").arg(openError));
    case RegularOpen::Ok:
      break;
  }
  const auto tooLarge = [&result](qint64 bytes) {
    return failed(
        result,
        QCoreApplication::translate("AppController", "File is too large (%1 bytes).").arg(bytes));
  };
  if (file.size() > kTextFileMaxBytes) return tooLarge(file.size());

  // The file may grow after the check, so the read itself stops one byte
  // past the limit.
  QByteArray bytes;
  while (bytes.size() <= kTextFileMaxBytes) {
    const QByteArray chunk = file.read(kTextFileMaxBytes + 1 - bytes.size());
    if (chunk.isEmpty()) break;
    bytes += chunk;
  }
  if (bytes.size() > kTextFileMaxBytes) return tooLarge(bytes.size());

  // Text in another encoding (UTF-16 above all, whose ASCII letters come
  // with zero bytes) would reach the reader garbled: it is named instead.
  // A leading byte order mark is dropped, as it always was.
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError() || bytes.contains('\0'))
    return refuse(QT_TRANSLATE_NOOP("AppController", "The file is not UTF-8 text."));
  // LF, CRLF and a lone CR each end a line; the text has LF alone.
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

  result.insert(QStringLiteral("text"), text);
  result.insert(QStringLiteral("ok"), true);
  return result;
}

QString ProjectFiles::readTextResource(const QString& path) {
  QString resource = path.trimmed();
  if (resource.startsWith(QLatin1String("qrc:/"))) {
    resource = QLatin1Char(':') + resource.mid(4);
  } else if (resource.startsWith(QLatin1Char('/'))) {
    resource.prepend(QLatin1Char(':'));
  }
  if (!resource.startsWith(QLatin1String(":/"))) {
    qWarning().noquote() << "readTextResource: not a Qt resource path:" << path;
    return {};
  }
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "readTextResource: failed to open:" << resource;
    return {};
  }
  return QString::fromUtf8(file.readAll());
}

namespace {

// Empty when a program opened the file; else its path, for the user to open.
QString openBesideProgram(const QString& relativePath) {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(relativePath);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? QString()
                                                              : QDir::toNativeSeparators(path);
}

}  // namespace

QString ProjectFiles::openLicensesFolder() {
  return openBesideProgram(QStringLiteral("licenses"));
}

QString ProjectFiles::openThirdPartyNotices() {
  return openBesideProgram(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt"));
}
