#include "controller/settings_lock.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QScopeGuard>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvory_app {
namespace {

// How long a write waits for another copy's write to end; a write takes
// milliseconds, so running out means that copy is stuck.
constexpr int kLockWaitMs = 5000;

// A lock file that names no process (empty or unreadable: its maker died,
// or ran out of memory or space, between making it and writing it) is
// taken for left behind once it is this old; a live copy writes its name
// into its lock at once.
constexpr qint64 kUnnamedLockStaleMs = 2000;

// Any lock file this old is taken for left behind (when no one holds its
// lock): it names a process that may be running, but not in a write.
constexpr qint64 kNamedLockStaleMs = 60000;

// The most of a lock file that is read: QLockFile writes five short lines.
constexpr ssize_t kLockReadBytes = 4096;

void (*g_removalPause)() = nullptr;

class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

bool sameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

qint64 ageMs(const timespec& modified) {
  const qint64 at = qint64(modified.tv_sec) * 1000 + modified.tv_nsec / 1000000;
  return qAbs(QDateTime::currentMSecsSinceEpoch() - at);
}

// The file name of the program a process runs, where the system tells.
QString programOf(qint64 pid) {
  const QFileInfo exe(QStringLiteral("/proc/%1/exe").arg(pid));
  return QFileInfo(exe.symLinkTarget()).fileName();
}

// Whether a lock file that holds `text` (QLockFile's lines: process id,
// program, host, ...) and was last changed at `modified` was left behind:
// no copy of the program that runs now holds it.
bool leftBehind(const QByteArray& text, const timespec& modified) {
  const QList<QByteArray> lines = text.split('\n');
  bool named = false;
  const qint64 pid = lines.value(0).trimmed().toLongLong(&named);
  if (!named || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
    return ageMs(modified) >= kUnnamedLockStaleMs;
  // A write holds the lock for milliseconds: one this old was left, whoever
  // it names (a holder stuck in its write still holds the file's lock,
  // which the removal asks).
  if (ageMs(modified) >= kNamedLockStaleMs) return true;
  // Made on this machine before it last started.
  const QByteArray machine = lines.value(3).trimmed();
  const QByteArray boot = lines.value(4).trimmed();
  if (!boot.isEmpty() && machine == QSysInfo::machineUniqueId() && boot != QSysInfo::bootUniqueId())
    return true;
  const QString host = QString::fromUtf8(lines.value(2).trimmed());
  // Another machine's process, on a shared folder: not ours to judge.
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) return false;
  // This very process holds no lock outside its own write.
  if (pid == QCoreApplication::applicationPid()) return true;
  if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH) return true;
  // A running process that took over the id of the one that made the lock.
  const QString program = QFileInfo(QString::fromUtf8(lines.value(1).trimmed())).fileName();
  const QString running = programOf(pid);
  return !program.isEmpty() && !running.isEmpty() && program != running;
}

// What QLockFile writes into its lock: process id, program, host, machine
// and boot.
QByteArray lockText() {
  return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
         QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
         QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
         QSysInfo::bootUniqueId() + '\n';
}

// Whether `name` still names the file open as `fd`.
bool namesOpenFile(const QByteArray& name, int fd) noexcept {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::lstat(name.constData(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Makes the lock file `name` holding `text` and locks it as QLockFile does;
// allocates nothing. -1 with errno set when it cannot (EEXIST: there is one,
// or the one just made was taken for left behind before it was locked).
int makeLockFile(const QByteArray& name, const QByteArray& text) {
  const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  // A holder keeps both kinds of lock on its open file, so that no remover
  // takes it away while it is held. A remover that got there first (this
  // copy stood still for seconds after making the file) has it, or has
  // taken its name away: the file is not this copy's lock then.
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !namesOpenFile(name, fd)) {
    ::close(fd);
    errno = EEXIST;
    return -1;
  }
  (void)::fcntl(fd, F_SETLK, &whole);
  qsizetype done = 0;
  errno = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  if (done < text.size()) {
    // A write that takes nothing says nothing: the disk is full.
    const int error = errno != 0 ? errno : ENOSPC;
    ::unlink(name.constData());
    ::close(fd);
    errno = error;
    return -1;
  }
  (void)::fdatasync(fd);
  return fd;
}

// Gives up a lock file made by makeLockFile: its name is taken away while
// the file is still locked, and only while it names this file, which no
// remover can take away meanwhile.
void dropLockFile(const QByteArray& name, int fd) noexcept {
  if (fd < 0) return;
  if (namesOpenFile(name, fd)) ::unlink(name.constData());
  ::close(fd);
}

// Opens the lock file at `name` as it is found there: -1 with errno set when
// there is none (ENOENT), or when what is there cannot be a lock or cannot
// be read (a folder, a link, anything but a plain file, or no permission).
int openAsFound(const QByteArray& name) noexcept {
  const int fd = ::open(name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat found {};
  if (::fstat(fd, &found) != 0 || !S_ISREG(found.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

enum class Judged { Held, Cleared, Unusable, NotMade };

Judged clearIfLeft(const QString& lockPath, bool serialised);

// The removers' own lock (QLockFile's ".rmlock" beside the lock), so that no
// two copies take away lock files at once: the path a remover judged cannot
// be cleared and made anew by another copy before the remover takes it
// away. Cleared: taken, as `fd`.
Judged takeRemovalLock(const QString& lockPath, const QByteArray& text, int& fd) {
  const QString removalPath = lockPath + QStringLiteral(".rmlock");
  const QByteArray name = QFile::encodeName(removalPath);
  for (int round = 0; round < 2; ++round) {
    fd = makeLockFile(name, text);
    if (fd >= 0) return Judged::Cleared;
    if (errno != EEXIST) return Judged::NotMade;
    if (round == 0) {
      const Judged judged = clearIfLeft(removalPath, false);
      if (judged != Judged::Cleared) return judged;
    }
  }
  return Judged::Held;
}

// Takes the lock file at `lockPath` away when it was left behind, and only
// that very file: it is opened first and judged as opened; it is removed
// only while no one holds its lock and its path still names it. A remover
// holds the file's own lock from before it looks at the path until after
// it has removed it, so two removers of one file cannot both act; the
// removers' lock (not taken for itself) also keeps out one that does not
// lock what it removes.
Judged clearIfLeft(const QString& lockPath, bool serialised) {
  const QByteArray name = QFile::encodeName(lockPath);
  const FileHandle file(openAsFound(name));
  if (file.fd() < 0) return errno == ENOENT ? Judged::Cleared : Judged::Unusable;

  int removal = -1;
  QByteArray removalName;
  if (serialised) {
    removalName = QFile::encodeName(lockPath + QStringLiteral(".rmlock"));
    const Judged taken = takeRemovalLock(lockPath, lockText(), removal);
    if (taken != Judged::Cleared) return taken;
  }
  const auto releaseRemoval = qScopeGuard([&] { dropLockFile(removalName, removal); });

  struct stat judged {};
  if (::fstat(file.fd(), &judged) != 0) return Judged::Unusable;
  QByteArray text(kLockReadBytes, Qt::Uninitialized);
  const ssize_t read = ::pread(file.fd(), text.data(), size_t(text.size()), 0);
  if (read < 0) return Judged::Unusable;
  text.truncate(qsizetype(read));
  if (!leftBehind(text, judged.st_mtim)) return Judged::Held;

  if (g_removalPause != nullptr) g_removalPause();
  // A live holder holds these locks on its open file for as long as it
  // keeps the lock (one that has made its file but not locked it yet has a
  // new, empty file, which is judged left only seconds later; it finds
  // then that it came second, and does not take that file for its lock).
  if (::flock(file.fd(), LOCK_EX | LOCK_NB) != 0) return Judged::Held;
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (::fcntl(file.fd(), F_SETLK, &whole) != 0) return Judged::Held;
  struct stat still {};
  if (::fstat(file.fd(), &still) != 0 || still.st_size != judged.st_size ||
      !sameTime(still.st_mtim, judged.st_mtim))
    return Judged::Held;
  // The open file keeps its number while it is open, so a path that still
  // has that number names this very file.
  struct stat named {};
  if (::lstat(name.constData(), &named) != 0 || named.st_dev != still.st_dev ||
      named.st_ino != still.st_ino)
    return Judged::Cleared;
  if (::unlink(name.constData()) == 0 || errno == ENOENT) return Judged::Cleared;
  return Judged::Unusable;
}

}  // namespace

SettingsLock::SettingsLock(const QString& filePath)
    : path_(filePath + QStringLiteral(".lock")), name_(QFile::encodeName(path_)) {}

SettingsLock::~SettingsLock() {
  release();
}

LockOutcome SettingsLock::take() {
  release();
  const QByteArray text = lockText();
  const QDeadlineTimer deadline(kLockWaitMs);
  for (;;) {
    fd_ = makeLockFile(name_, text);
    if (fd_ >= 0) return LockOutcome::Taken;
    if (errno != EEXIST) return LockOutcome::NotMade;
    const Judged judged = clearIfLeft(path_, true);
    if (judged == Judged::Unusable) return LockOutcome::Unusable;
    if (judged == Judged::NotMade) return LockOutcome::NotMade;
    if (deadline.hasExpired()) return LockOutcome::Busy;
    if (judged == Judged::Held) QThread::msleep(50);
  }
}

void SettingsLock::release() noexcept {
  dropLockFile(name_, fd_);
  fd_ = -1;
}

bool lockUsable(const QString& filePath) {
  const FileHandle file(openAsFound(QFile::encodeName(filePath + QStringLiteral(".lock"))));
  return file.fd() >= 0 || errno == ENOENT;
}

void setLockRemovalPause(void (*pause)()) {
  g_removalPause = pause;
}

}  // namespace halvory_app
