#include "controller/settings_file.hpp"
#include "controller/settings_ini.hpp"
#include "controller/settings_lock.hpp"
#include "controller/settings_text.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace halvory_app {
namespace {

using namespace settings_text;
using settings_ini::escapedValue;

bool noSpaceSimulated = false;
quint64 writeCount = 0;

// ---- What this program holds of each file ----

// What tells one version of the file from another: its size and time,
// and where stat() is there the file's own number and the time to the
// nanosecond (each atomic write makes a new file; two writes can fall in
// one millisecond with the same size).
struct FileStamp {
  qint64 size = -1;
  QDateTime modified;
  quint64 node = 0;
  qint64 nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path, const QFileInfo& info) {
  FileStamp stamp{info.size(), info.lastModified(), 0, 0};
#ifdef Q_OS_UNIX
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
    stamp.node = quint64(st.st_ino);
    stamp.nanoseconds = qint64(st.st_mtim.tv_nsec);
  }
#else
  Q_UNUSED(path);
#endif
  return stamp;
}

struct FileState {
  bool read = false;
  bool exists = false;
  FileStamp stamp;
  ParsedFile file;
  // The file as this program last read or wrote it: what a write starts
  // from when the file was deleted meanwhile, so that nothing the session
  // showed is lost with it.
  ParsedFile known;
  QSet<QString> seen;  // keys found or written by this program
};

QHash<QString, FileState>& states() {
  static QHash<QString, FileState> all;
  return all;
}

// The file as it is on disk now; its state is read again only when the
// file's size or time changed.
StoreFault refresh(const QString& path, FileState& state) {
  const QFileInfo info(path);
  if (!info.exists()) {
    state.read = true;
    state.exists = false;
    state.file = ParsedFile();
    return StoreFault::None;
  }
  if (info.isDir()) return StoreFault::Unreadable;
  const FileStamp stamp = stampOf(path, info);
  if (state.read && state.exists && stamp == state.stamp) return StoreFault::None;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return StoreFault::Unreadable;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return StoreFault::Unreadable;
  state.file = parse(std::move(bytes));
  state.known = state.file;
  state.read = true;
  state.exists = true;
  state.stamp = stamp;
  return StoreFault::None;
}

bool spaceShort(const QString& folder, qint64 needed) {
  if (noSpaceSimulated) return true;
  if (errno == ENOSPC) return true;
  const QStorageInfo storage(folder);
  return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < needed;
}

// The file QSettings names for this application. A QSettings object reads
// its whole file when made, so the name is asked once for each
// organisation, application and configuration folder.
QString applicationFile() {
  static QHash<QString, QString> known;
  const QString who = QCoreApplication::organizationName() + QLatin1Char('\n') +
                      QCoreApplication::applicationName() + QLatin1Char('\n') +
                      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  auto found = known.constFind(who);
  if (found == known.constEnd()) found = known.insert(who, QSettings().fileName());
  return *found;
}

}  // namespace

SettingsFile::SettingsFile(const QString& path)
    : path_(path.isEmpty() ? applicationFile() : path) {}

QVariant SettingsFile::value(const QString& group, const QString& key, const QVariant& fallback) {
  FileState& state = states()[path_];
  readFault_ = refresh(path_, state);
  if (readFault_ != StoreFault::None) return fallback;
  const QString full = fullKey(group, key);
  if (!state.file.keys.contains(full)) return fallback;
  state.seen.insert(full);
  return valueOf(state.file, full);
}

QString SettingsFile::storedLine(const QString& group, const QString& key) {
  FileState& state = states()[path_];
  readFault_ = refresh(path_, state);
  if (readFault_ != StoreFault::None) return {};
  const auto found = state.file.keys.constFind(fullKey(group, key));
  if (found == state.file.keys.constEnd() || found->isEmpty()) return {};
  const Span v = found->constLast().value;
  return QString::fromUtf8(state.file.bytes.constData() + v.start, v.end - v.start);
}

bool SettingsFile::lost(const QString& group, const QString& key) {
  FileState& state = states()[path_];
  if (refresh(path_, state) != StoreFault::None) return false;
  const QString full = fullKey(group, key);
  return state.seen.contains(full) && !state.file.keys.contains(full);
}

StoreFault SettingsFile::write(const QString& group, const QVariantMap& changes,
                               const QVariantMap& expected) {
  QVariantMap keyed;
  for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
    keyed.insert(fullKey(group, it.key()), it.value());
  QVariantMap expectedKeyed;
  for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
    expectedKeyed.insert(fullKey(group, it.key()), it.value());
  return commit(keyed, {}, expectedKeyed);
}

StoreFault SettingsFile::writeKeys(const QVariantMap& changes, const QStringList& removedGroups) {
  return commit(changes, removedGroups, {});
}

StoreFault SettingsFile::update(const std::function<QVariantMap(const Reader& read)>& changesOf) {
  return commit({}, {}, {}, changesOf);
}

StoreFault SettingsFile::commit(const QVariantMap& changes, const QStringList& removedGroups,
                                const QVariantMap& expected,
                                const std::function<QVariantMap(const Reader&)>& changesOf) {
  const QFileInfo info(path_);
  const QString folder = info.absolutePath();
  if (!QDir().mkpath(folder)) return StoreFault::NotWritable;
  // The new lines and the expected texts as they would be stored are made
  // first: the lock is held only to read, compare, copy and write.
  QList<KeyChange> keyChanges = keyChangesOf(changes);
  struct Expected {
    QString key;
    QString text;
    QByteArray stored;
  };
  QList<Expected> expectedTexts;
  for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
    const QString text = it.value().toString();
    expectedTexts.append({it.key(), text, escapedValue(text)});
  }

  SettingsLock lock(path_);
  // On a full disk the lock's few bytes are the first write that fails.
  errno = 0;
  switch (noSpaceSimulated ? LockOutcome::NotMade : lock.take()) {
    case LockOutcome::Taken:
      break;
    case LockOutcome::Busy:
      return StoreFault::Busy;
    case LockOutcome::Unusable:
      return StoreFault::LockUnusable;
    case LockOutcome::NotMade:
      return spaceShort(folder, 4096) ? StoreFault::NoSpace : StoreFault::NotWritable;
  }

  FileState& state = states()[path_];
  if (const StoreFault fault = refresh(path_, state); fault != StoreFault::None) return fault;
  // The expected texts are those of the file as it is now (absent when it
  // was deleted).
  const ParsedFile& now = state.file;
  for (const Expected& e : expectedTexts) {
    const auto found = now.keys.constFind(e.key);
    if (found == now.keys.constEnd() || found->isEmpty()) {
      if (!e.text.isEmpty()) return StoreFault::Changed;
      continue;
    }
    const Span v = found->constLast().value;
    const QByteArrayView stored(now.bytes.constData() + v.start, v.end - v.start);
    // Text written otherwise (by QSettings, or by hand) may read the same.
    if (stored != QByteArrayView(e.stored) && textOf(valueOf(now, e.key)) != e.text)
      return StoreFault::Changed;
  }
  // A file deleted while the program runs: what it held as last read or
  // written is kept, with these changes.
  const ParsedFile& base = state.exists ? state.file : state.known;
  if (changesOf) {
    keyChanges =
        keyChangesOf(changesOf([&base](const QString& key) { return valueOf(base, key); }));
  }
  QByteArray bytes = withChanges(base, keyChanges, removedGroups);
  errno = 0;
  if (spaceShort(folder, bytes.size() + 4096)) return StoreFault::NoSpace;
  QSaveFile out(path_);
  errno = 0;
  if (!out.open(QIODevice::WriteOnly))
    return spaceShort(folder, 4096) ? StoreFault::NoSpace : StoreFault::NotWritable;
  const QByteArray name = QFile::encodeName(path_);
  struct stat before {};
  const bool existed = ::stat(name.constData(), &before) == 0;
  bool written = false;
  try {
    written = out.write(bytes) == bytes.size() && out.commit();
  } catch (...) {
    // Once the new file has taken the old one's name it is kept, whatever
    // failed after that inside the commit.
    struct stat now {};
    const bool replaced = ::stat(name.constData(), &now) == 0 &&
                          (!existed || now.st_ino != before.st_ino || now.st_dev != before.st_dev);
    if (!replaced) throw;
    written = true;
  }
  if (!written) {
    const bool full = out.error() == QFileDevice::ResourceError || spaceShort(folder, bytes.size());
    return full ? StoreFault::NoSpace : StoreFault::NotWritable;
  }
  ++writeCount;
  // The file is kept whatever follows, which only notes what it holds. Its
  // stamp is taken while the lock still keeps other copies out, and stored
  // last: if the memory runs out before, the file is read again at the next
  // access rather than taken for what was held before.
  try {
    const FileStamp stamp = stampOf(path_, QFileInfo(path_));
    lock.release();
    state.file = parse(std::move(bytes));
    state.known = state.file;
    state.read = true;
    state.exists = true;
    if (!removedGroups.isEmpty()) {
      for (auto it = state.seen.begin(); it != state.seen.end();)
        it = atOrBelow(*it, removedGroups) ? state.seen.erase(it) : std::next(it);
    }
    for (const KeyChange& change : keyChanges) {
      if (change.remove)
        state.seen.remove(change.key);
      else
        state.seen.insert(change.key);
    }
    state.stamp = stamp;
  } catch (...) {
    // Kept all the same: the next access reads the file again.
  }
  return StoreFault::None;
}

QStringList SettingsFile::childGroups(const QString& group) {
  FileState& state = states()[path_];
  readFault_ = refresh(path_, state);
  QStringList out;
  if (readFault_ != StoreFault::None) return out;
  const QString prefix = group.isEmpty() ? QString() : group + QLatin1Char('/');
  QSet<QString> found;
  for (auto it = state.file.keys.constBegin(); it != state.file.keys.constEnd(); ++it) {
    const QString& key = it.key();
    if (!key.startsWith(prefix)) continue;
    const qsizetype slash = key.indexOf(QLatin1Char('/'), prefix.size());
    if (slash < 0) continue;
    const QString child = key.mid(prefix.size(), slash - prefix.size());
    if (!found.contains(child)) {
      found.insert(child);
      out.append(child);
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

StoreFault SettingsFile::check() {
  const QFileInfo info(path_);
  if (info.isDir()) return StoreFault::Unreadable;
  if (info.exists()) {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return StoreFault::Unreadable;
    file.close();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append)) return StoreFault::NotWritable;
  }
  const QString folder = info.absolutePath();
  if (!QDir().mkpath(folder)) return StoreFault::NotWritable;
  // The file is replaced by a new one beside it: the folder must take one.
  QTemporaryFile probe(folder + QStringLiteral("/.settings-probe-XXXXXX"));
  if (!probe.open()) return StoreFault::NotWritable;
  if (spaceShort(folder, info.size() + 4096)) return StoreFault::NoSpace;
  if (!lockUsable(path_)) return StoreFault::LockUnusable;
  return StoreFault::None;
}

void SettingsFile::simulateNoSpace(bool on) {
  noSpaceSimulated = on;
}

quint64 SettingsFile::writesMade() {
  return writeCount;
}

void SettingsFile::forgetAll() {
  states().clear();
}

QString storeFaultText(StoreFault fault, const QString& path, bool reading) {
  // Nothing is made for a write that was kept: its answer cannot fail.
  if (fault == StoreFault::None) return {};
  QString file = QDir::toNativeSeparators(path);
  const QString home = QDir::toNativeSeparators(QDir::homePath());
  if (!home.isEmpty() && file.startsWith(home + QDir::separator()))
    file = QLatin1Char('~') + file.mid(home.size());
  switch (fault) {
    case StoreFault::None:
      return {};
    case StoreFault::Unreadable:
      return reading ? QCoreApplication::translate("AppController",
                                                   "Settings could not be read: %1 cannot be read")
                           .arg(file)
                     : QCoreApplication::translate("AppController",
                                                   "Settings could not be saved: %1 cannot be read")
                           .arg(file);
    case StoreFault::NoSpace:
      return QCoreApplication::translate("AppController",
                                         "Settings could not be saved: no space left for %1")
          .arg(file);
    case StoreFault::LockUnusable:
      return QCoreApplication::translate(
                 "AppController",
                 "Settings could not be saved: the lock file %1 cannot be made or read")
          .arg(file + QStringLiteral(".lock"));
    case StoreFault::Busy:
    case StoreFault::Changed:
      return QCoreApplication::translate(
                 "AppController",
                 "Settings could not be saved: %1 is in use by another copy of the program")
          .arg(file);
    case StoreFault::NotWritable:
      break;
  }
  return QCoreApplication::translate("AppController",
                                     "Settings could not be saved: %1 is not writable")
      .arg(file);
}

QString storedText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Double:
    case QMetaType::Float:
      return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
      return value.toString();
  }
}

}  // namespace halvory_app
