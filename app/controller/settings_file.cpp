#include "controller/settings_file.hpp"
#include "controller/settings_ini.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QLockFile>
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

using namespace settings_ini;

bool noSpaceSimulated = false;
quint64 writeCount = 0;

// How long a write waits for another copy's write to end; a write takes
// milliseconds, so running out means that copy is stuck.
constexpr int kLockWaitMs = 5000;

#ifdef Q_OS_WIN
constexpr char kNewLine[] = "\r\n";
#else
constexpr char kNewLine[] = "\n";
#endif

// ---- The file as read ----

struct Span {
  qsizetype start = 0;
  qsizetype end = 0;
};

struct Line {
  Span whole;  // the line with its line break
  Span value;
};

struct Section {
  QString group;
  qsizetype contentEnd = 0;  // after its last key line (or its header)
};

struct ParsedFile {
  QByteArray bytes;
  QList<Section> sections;
  QHash<QString, QList<Line>> keys;  // "group/key" (root keys bare) -> its lines, last counts
  qsizetype lastLineStart = 0;       // where the file's last line begins
};

// Where the line that starts at `start` ends: its content, and the start of
// the next line. A backslash escapes the next character, a line break too
// (the line goes on).
struct LineEnd {
  qsizetype contentEnd = 0;
  qsizetype next = 0;
};

LineEnd scanLine(const char* b, qsizetype n, qsizetype start) {
  qsizetype i = start;
  while (i < n && b[i] != '\n' && b[i] != '\r') {
    if (b[i] != '\\')
      ++i;
    else
      i += (i + 2 < n && b[i + 1] == '\r' && b[i + 2] == '\n') ? 3 : 2;
  }
  LineEnd end;
  end.contentEnd = std::min(i, n);
  end.next = end.contentEnd;
  if (end.next < n)
    end.next += (b[end.next] == '\r' && end.next + 1 < n && b[end.next + 1] == '\n') ? 2 : 1;
  return end;
}

// The line breaks that end the file's last line, so that what is added
// after it starts a line of its own: none when it ends with one already;
// one when it just stops, or when a backslash escapes its last break; two
// when its last byte is a backslash, which takes the first break as part
// of the line. Both readers then read the last value as before.
QByteArray lineBreaksToClose(const QByteArray& bytes, qsizetype lastLineStart) {
  QByteArray tail = bytes.mid(lastLineStart);
  QByteArray breaks;
  for (int added = 0; added < 2 && !tail.isEmpty(); ++added) {
    const LineEnd end = scanLine(tail.constData(), tail.size(), 0);
    if (end.contentEnd < tail.size() && end.next == tail.size()) break;
    tail.append(kNewLine);
    breaks.append(kNewLine);
  }
  return breaks;
}

QString fullKey(const QString& group, const QString& key) {
  return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

ParsedFile parse(QByteArray bytes) {
  ParsedFile file;
  file.bytes = std::move(bytes);
  const char* b = file.bytes.constData();
  const qsizetype n = file.bytes.size();
  file.sections.append({QString(), 0});
  qsizetype pos = 0;
  while (pos < n) {
    const qsizetype start = pos;
    file.lastLineStart = start;
    const LineEnd end = scanLine(b, n, start);
    const qsizetype contentEnd = end.contentEnd;
    const qsizetype next = end.next;
    pos = next;
    qsizetype s = start;
    while (s < contentEnd && (b[s] == ' ' || b[s] == '\t')) ++s;
    if (s == contentEnd || b[s] == ';') continue;
    if (b[s] == '[') {
      const char* close = static_cast<const char*>(std::memchr(b + s, ']', size_t(contentEnd - s)));
      const qsizetype nameEnd = close ? close - b : contentEnd;
      QString group = unescapedKey(b + s + 1, nameEnd - s - 1).trimmed();
      if (group == QLatin1String("General")) group.clear();
      file.sections.append({group, next});
      continue;
    }
    const char* eq = static_cast<const char*>(std::memchr(b + s, '=', size_t(contentEnd - s)));
    if (!eq) continue;
    qsizetype keyEnd = eq - b;
    while (keyEnd > s && (b[keyEnd - 1] == ' ' || b[keyEnd - 1] == '\t')) --keyEnd;
    const QString key = unescapedKey(b + s, keyEnd - s);
    file.keys[fullKey(file.sections.last().group, key)].append(
        Line{Span{start, next}, Span{eq - b + 1, contentEnd}});
    file.sections.last().contentEnd = next;
  }
  return file;
}

QVariant valueOf(const ParsedFile& file, const QString& key) {
  const auto found = file.keys.constFind(key);
  if (found == file.keys.constEnd() || found->isEmpty()) return {};
  const Span v = found->constLast().value;
  return unescapedValue(file.bytes.constData() + v.start, v.end - v.start);
}

// A value as text to compare with what a reader was given: a list (a
// line whose unquoted commas split it) as its items joined by commas.
QString textOf(const QVariant& value) {
  return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                  : value.toString();
}

// One change of the file's bytes: [start, end) becomes `text`.
struct Edit {
  qsizetype start = 0;
  qsizetype end = 0;
  QByteArray text;
};

// A change to one key, its stored text made before the file's lock is
// taken; `remove` takes the key away.
struct KeyChange {
  QString key;  // "group/key" (root keys bare)
  QString group;
  QByteArray line;   // escaped key, "=", escaped value, line break
  QByteArray value;  // the escaped value alone
  bool remove = false;
};

QList<KeyChange> keyChangesOf(const QVariantMap& changes) {
  QList<KeyChange> out;
  out.reserve(changes.size());
  for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
    KeyChange change;
    change.key = it.key();
    const qsizetype slash = change.key.indexOf(QLatin1Char('/'));
    change.group = slash < 0 ? QString() : change.key.left(slash);
    change.remove = !it.value().isValid() || it.value().isNull();
    if (!change.remove) {
      change.value = escapedValue(storedText(it.value()));
      change.line = escapedKey(slash < 0 ? change.key : change.key.mid(slash + 1));
      change.line.append('=').append(change.value).append(kNewLine);
    }
    out.append(std::move(change));
  }
  return out;
}

bool atOrBelow(const QString& key, const QStringList& groups) {
  for (const QString& group : groups) {
    if (key.size() > group.size() && key.startsWith(group) && key.at(group.size()) == u'/')
      return true;
    if (key == group) return true;
  }
  return false;
}

// The file with `changes` made and every key at or below `removedGroups`
// gone, leaving every other byte as it is. A key held by a line is changed
// in that line (the last one, which both readers take; an earlier line of
// the same key stays as it was); a new key goes after its group's last
// section (a new section at the end when there is none).
QByteArray withChanges(const ParsedFile& file, const QList<KeyChange>& changes,
                       const QStringList& removedGroups) {
  const QByteArray& b = file.bytes;
  QList<Edit> edits;
  QSet<QString> dropped;
  if (!removedGroups.isEmpty()) {
    for (auto it = file.keys.constBegin(); it != file.keys.constEnd(); ++it) {
      if (!atOrBelow(it.key(), removedGroups)) continue;
      dropped.insert(it.key());
      for (const Line& line : it.value()) edits.append({line.whole.start, line.whole.end, {}});
    }
  }
  QList<QString> newGroups;
  QHash<QString, QByteArray> newLines;
  for (const KeyChange& change : changes) {
    const auto found = file.keys.constFind(change.key);
    const bool held =
        found != file.keys.constEnd() && !found->isEmpty() && !dropped.contains(change.key);
    if (change.remove) {
      if (held) {
        for (const Line& line : *found) edits.append({line.whole.start, line.whole.end, {}});
      }
      continue;
    }
    if (held) {
      const Span v = found->constLast().value;
      edits.append({v.start, v.end, change.value});
      continue;
    }
    if (!newLines.contains(change.group)) newGroups.append(change.group);
    newLines[change.group].append(change.line);
  }
  for (const QString& group : newGroups) {
    qsizetype insertAt = -1;
    for (const Section& section : file.sections) {
      if (section.group == group && (section.contentEnd > 0 || group.isEmpty()))
        insertAt = section.contentEnd;
    }
    QByteArray text;
    if (insertAt < 0) {
      insertAt = b.size();
      if (!b.isEmpty()) {
        text.append(lineBreaksToClose(b, file.lastLineStart));
        text.append(kNewLine);
      }
      text.append('[').append(sectionName(group)).append(']').append(kNewLine);
    } else if (insertAt == b.size()) {
      // Every other place a line is added at is the start of a line.
      text.append(lineBreaksToClose(b, file.lastLineStart));
    }
    text.append(newLines.value(group));
    edits.append({insertAt, insertAt, std::move(text)});
  }
  // Insertions at one place stay in their order, before a line dropped there.
  std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& c) {
    return a.start < c.start || (a.start == c.start && a.end - a.start < c.end - c.start);
  });
  qsizetype size = b.size();
  for (const Edit& edit : edits) size += edit.text.size() - (edit.end - edit.start);
  QByteArray out;
  out.reserve(size);
  qsizetype at = 0;
  for (const Edit& edit : edits) {
    out.append(b.constData() + at, edit.start - at);
    out.append(edit.text);
    at = edit.end;
  }
  out.append(b.constData() + at, b.size() - at);
  return out;
}

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

// A lock file that names no process (empty or unreadable: its maker died,
// or ran out of memory or space, between making it and writing it) is
// taken for left behind once it is this old; a live copy writes its name
// into its lock at once.
constexpr qint64 kUnnamedLockStaleMs = 2000;

// Takes away a lock file (or the file QLockFile makes while it removes a
// stale one) that names no process and is older than kUnnamedLockStaleMs.
// One that names a process is QLockFile's to judge: it is taken when that
// process is gone.
void clearUnnamedLock(const QString& lockPath) {
  const QFileInfo info(lockPath);
  if (!info.exists() || info.isDir()) return;
  QLockFile existing(lockPath);
  qint64 pid = 0;
  QString host;
  QString application;
  if (existing.getLockInfo(&pid, &host, &application) && pid > 0) return;
#ifdef Q_OS_UNIX
  // Judged once, by what the file is now; only that file is taken.
  const QByteArray name = QFile::encodeName(lockPath);
  struct stat judged {};
  if (::stat(name.constData(), &judged) != 0) return;
  const QDateTime modified = QDateTime::fromSecsSinceEpoch(judged.st_mtim.tv_sec)
                                 .addMSecs(judged.st_mtim.tv_nsec / 1000000);
#else
  const QDateTime modified = info.lastModified();
#endif
  if (modified.isValid() &&
      qAbs(modified.msecsTo(QDateTime::currentDateTime())) < kUnnamedLockStaleMs)
    return;
  // QLockFile takes it only when no open handle holds its lock; an empty
  // one held by a handle that was never closed (its maker threw while
  // making it) is removed as long as it is the file judged: a copy that
  // made a new lock since has a new file, and a newer time.
  if (existing.removeStaleLockFile() || !QFileInfo::exists(lockPath)) return;
#ifdef Q_OS_UNIX
  struct stat now {};
  if (judged.st_size == 0 && ::stat(name.constData(), &now) == 0 && now.st_size == 0 &&
      now.st_dev == judged.st_dev && now.st_ino == judged.st_ino &&
      now.st_mtim.tv_sec == judged.st_mtim.tv_sec && now.st_mtim.tv_nsec == judged.st_mtim.tv_nsec)
    ::unlink(name.constData());
#else
  if (info.size() == 0) QFile::remove(lockPath);
#endif
}

// The file's lock, waiting up to kLockWaitMs for a live copy's write to
// end. A lock left behind by a copy that died is taken: one that names a
// process that is gone at once (QLockFile asks), one that names none after
// kUnnamedLockStaleMs.
bool takeLock(QLockFile& lock, const QString& lockPath) {
  // A lock naming a process is judged by whether that process runs, never
  // by its age: a live copy keeps its lock however long its write takes.
  lock.setStaleLockTime(0);
  QDeadlineTimer deadline(kLockWaitMs);
  for (;;) {
    if (lock.tryLock(int(std::min<qint64>(deadline.remainingTime(), 250)))) return true;
    if (lock.error() != QLockFile::LockFailedError) return false;
    clearUnnamedLock(lockPath);
    clearUnnamedLock(lockPath + QStringLiteral(".rmlock"));
    if (deadline.hasExpired()) return lock.tryLock(0);
  }
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

  QLockFile lock(path_ + QStringLiteral(".lock"));
  // On a full disk the lock's few bytes are the first write that fails.
  errno = 0;
  if (noSpaceSimulated || !takeLock(lock, path_ + QStringLiteral(".lock"))) {
    if (!noSpaceSimulated && lock.error() == QLockFile::LockFailedError) return StoreFault::Busy;
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
  if (out.write(bytes) != bytes.size() || !out.commit()) {
    const bool full = out.error() == QFileDevice::ResourceError || spaceShort(folder, bytes.size());
    return full ? StoreFault::NoSpace : StoreFault::NotWritable;
  }
  ++writeCount;
  // The file is kept whatever follows, which only notes what it holds. The
  // stamp goes last: if the memory runs out before, the file is read again
  // at the next access rather than taken for what was held before.
  try {
    const FileStamp written = stampOf(path_, QFileInfo(path_));
    lock.unlock();
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
    state.stamp = written;
  } catch (const std::bad_alloc&) {
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
