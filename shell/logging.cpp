#include "logging.hpp"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvory_shell {
namespace {

// Fixed buffers: crash handlers read them without allocating or locking.
constexpr std::size_t kPathCapacity = 4096;
char g_appDirLogPath[kPathCapacity] = {};
char g_tempDirLogPath[kPathCapacity] = {};

std::mutex& logMutex() {
  static std::mutex mutex;
  return mutex;
}

QList<QIODevice*>& logDevices() {
  static QList<QIODevice*> devices;
  return devices;
}

void storePath(char* buffer, const QString& path) {
  const QByteArray encoded = QFile::encodeName(path);
  if (encoded.isEmpty() || static_cast<std::size_t>(encoded.size()) >= kPathCapacity) {
    buffer[0] = '\0';
    return;
  }
  std::memcpy(buffer, encoded.constData(), static_cast<std::size_t>(encoded.size()));
  buffer[encoded.size()] = '\0';
}

// Only a regular file of this user with no second name is a log file.
// Anything else at the path (a FIFO, a device, a file someone else planted,
// a hard link to a file elsewhere) is never written to.
bool isOwnPlainFile(const struct stat& info) {
  return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1;
}

// Async-signal-safe. Non-blocking, because opening a FIFO for writing would
// otherwise wait for a reader for ever; the checks run on the opened file,
// so nothing can be swapped in between.
int openForAppend(const char* path) {
  int fd;
  do {
    fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !isOwnPlainFile(info)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

void appendRawToFile(const char* path, const char* data, std::size_t size) {
  if (path == nullptr || path[0] == '\0') return;
  const int saved_errno = errno;
  const int fd = openForAppend(path);
  if (fd >= 0) {
    // One write keeps the line whole against other appenders; the loop only
    // finishes a write the kernel cut short.
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(fd, data + done, size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::close(fd);
  }
  errno = saved_errno;
}

void appendLineToFile(const QString& line, const QString& path) {
  if (path.isEmpty()) return;
  const QByteArray bytes = line.toUtf8() + '\n';
  appendRawToFile(QFile::encodeName(path).constData(), bytes.constData(),
                  static_cast<std::size_t>(bytes.size()));
}

void writeCrashLogLine(const QString& line) {
  const QByteArray bytes = line.toUtf8() + '\n';
  appendRawToFile(g_appDirLogPath, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  appendRawToFile(g_tempDirLogPath, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void writeCrashLogRaw(const char* text) {
  char line[512];
  std::size_t n = 0;
  while (text[n] != '\0' && n < sizeof line - 1) {
    line[n] = text[n];
    ++n;
  }
  line[n++] = '\n';
  appendRawToFile(g_appDirLogPath, line, n);
  appendRawToFile(g_tempDirLogPath, line, n);
}

bool envFlagEnabled(const char* name) {
  const QByteArray value = qgetenv(name).trimmed().toLower();
  return value == "1" || value == "true" || value == "yes" || value == "on";
}

void setCrashLogPaths(const QString& appDirLog, const QString& tempDirLog) {
  storePath(g_appDirLogPath, appDirLog);
  storePath(g_tempDirLogPath, tempDirLog);
}

QString appDirLogPath() {
  return QFile::decodeName(g_appDirLogPath);
}
QString tempDirLogPath() {
  return QFile::decodeName(g_tempDirLogPath);
}

QString appDirLogFile(const QString& dir) {
  if (dir.isEmpty() || !QFileInfo(dir).isDir()) return {};
  if (::access(QFile::encodeName(dir).constData(), W_OK) != 0) return {};
  return dir + QLatin1String("/pellaris.log");
}

QString tempDirLogFile(const QString& tempRoot) {
  if (tempRoot.isEmpty()) return {};
  const QString dir = tempRoot + QLatin1String("/pellaris-") +
                      QString::number(static_cast<qulonglong>(::geteuid()));
  const QByteArray encoded = QFile::encodeName(dir);
  if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) return {};
  // Another user may have planted the name first: accept only our own real
  // directory, and close it to everyone else.
  struct stat info {};
  if (::lstat(encoded.constData(), &info) != 0) return {};
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return {};
  if ((info.st_mode & 0077) != 0 && ::chmod(encoded.constData(), 0700) != 0) return {};
  return dir + QLatin1String("/pellaris.log");
}

QString claimLogFile(const QString& path) {
  if (path.isEmpty()) return {};
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::lstat(name.constData(), &info) == 0 && !isOwnPlainFile(info)) {
    // Not ours to write to: the name is taken back, whatever it held stays
    // untouched wherever else it lives.
    if (S_ISDIR(info.st_mode) || ::unlink(name.constData()) != 0) return {};
  }
  const int fd = openForAppend(name.constData());
  if (fd < 0) return {};
  ::close(fd);
  return path;
}

std::unique_ptr<QFile> openLogFile(const QString& path) {
  if (path.isEmpty()) return nullptr;
  const int fd = openForAppend(QFile::encodeName(path).constData());
  if (fd < 0) return nullptr;
  auto file = std::make_unique<QFile>(path);
  if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text,
                  QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return nullptr;
  }
  return file;
}

void setLogDevices(const QList<QIODevice*>& devices) {
  std::lock_guard lock(logMutex());
  logDevices() = devices;
}

void clearLogDevices() {
  std::lock_guard lock(logMutex());
  logDevices().clear();
}

QString logTimeStamp() {
  return QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
}

const char* logLevelName(QtMsgType type) {
  switch (type) {
    case QtDebugMsg:
      return "DEBUG";
    case QtWarningMsg:
      return "WARN";
    case QtCriticalMsg:
      return "ERROR";
    case QtFatalMsg:
      return "FATAL";
    default:
      return "INFO";
  }
}

// A message leaves Qt's streams from their destructors, where an exception
// ends the program whatever the caller guards: a line that cannot be made
// or written for want of memory is dropped instead.
void logMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  try {
    const QString text = logTimeStamp() + QLatin1String(" [") + QLatin1String(logLevelName(type)) +
                         QLatin1String("] ") + message;
    std::unique_lock lock(logMutex());
    if (logDevices().isEmpty()) {
      lock.unlock();
      writeCrashLogLine(text);
    } else {
      // The whole line is made before any of it is written.
      const QByteArray line = text.toUtf8() + '\n';
      for (QIODevice* device : logDevices()) {
        if (device == nullptr || !device->isOpen()) continue;
        device->write(line);
        if (auto* file = qobject_cast<QFileDevice*>(device)) file->flush();
      }
    }
  } catch (...) {
  }
  if (type == QtFatalMsg) std::abort();
}

namespace {
QtMessageHandler g_qtOutput = nullptr;

// Qt's own output, while no log file is open, with the same guard.
void guardedQtOutput(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  try {
    if (g_qtOutput != nullptr) g_qtOutput(type, context, message);
  } catch (...) {
  }
}
}  // namespace

void installMessageHandler(bool toLogFiles) {
  if (toLogFiles) {
    qInstallMessageHandler(logMessageHandler);
    return;
  }
  const QtMessageHandler previous = qInstallMessageHandler(guardedQtOutput);
  if (previous != guardedQtOutput && previous != logMessageHandler) g_qtOutput = previous;
}

}  // namespace halvory_shell
