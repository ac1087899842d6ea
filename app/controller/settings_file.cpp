#include "controller/settings_file.hpp"
#include "controller/settings_ini.hpp"

#include <QCoreApplication>
#include <QDateTime>
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
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace halvory_app {
namespace {

using namespace settings_ini;

bool noSpaceSimulated = false;

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
};

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
    qsizetype i = pos;
    // A backslash escapes the next character, a line break too (the line
    // goes on).
    while (i < n && b[i] != '\n' && b[i] != '\r') {
      if (b[i] != '\\')
        ++i;
      else
        i += (i + 2 < n && b[i + 1] == '\r' && b[i + 2] == '\n') ? 3 : 2;
    }
    const qsizetype contentEnd = std::min(i, n);
    qsizetype next = contentEnd;
    if (next < n) next += (b[next] == '\r' && next + 1 < n && b[next + 1] == '\n') ? 2 : 1;
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

// The file with `changes` made in `group`: old lines of those keys go, the
// new lines follow the group's last section (a new section at the end when
// there is none).
// The lines that write `changes`, made before the file's lock is taken.
QByteArray linesOf(const QVariantMap& changes) {
  QByteArray lines;
  for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
    if (!it.value().isValid() || it.value().isNull()) continue;
    lines.append(escapedKey(it.key())).append('=').append(escapedValue(storedText(it.value())));
    lines.append(kNewLine);
  }
  return lines;
}

QByteArray withChanges(const ParsedFile& file, const QString& group, const QStringList& keys,
                       const QByteArray& lines) {
  QList<Span> dropped;
  for (const QString& key : keys) {
    for (const Line& line : file.keys.value(fullKey(group, key))) dropped.append(line.whole);
  }
  const QByteArray& b = file.bytes;
  QByteArray lead;
  qsizetype insertAt = -1;
  for (const Section& section : file.sections) {
    if (section.group == group && (section.contentEnd > 0 || group.isEmpty()))
      insertAt = section.contentEnd;
  }
  if (insertAt < 0) {
    insertAt = b.size();
    if (!b.isEmpty() && !b.endsWith('\n') && !b.endsWith('\r')) lead.append(kNewLine);
    if (!b.isEmpty()) lead.append(kNewLine);
    lead.append('[').append(sectionName(group)).append(']').append(kNewLine);
  } else if (insertAt > 0 && b.at(insertAt - 1) != '\n' && b.at(insertAt - 1) != '\r') {
    lead.append(kNewLine);
  }
  std::sort(dropped.begin(), dropped.end(),
            [](const Span& a, const Span& c) { return a.start < c.start; });
  QByteArray out;
  out.reserve(b.size() + lead.size() + lines.size());
  qsizetype at = 0;
  bool inserted = false;
  auto copyTo = [&](qsizetype end) {
    if (!inserted && insertAt >= at && insertAt <= end) {
      out.append(b.constData() + at, insertAt - at);
      out.append(lead).append(lines);
      at = insertAt;
      inserted = true;
    }
    out.append(b.constData() + at, end - at);
    at = end;
  };
  for (const Span& span : dropped) {
    copyTo(span.start);
    at = span.end;
  }
  copyTo(b.size());
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
  state.read = true;
  state.exists = true;
  state.stamp = stamp;
  return StoreFault::None;
}

bool spaceShort(const QString& folder, qint64 needed) {
  if (noSpaceSimulated) return true;
  const QStorageInfo storage(folder);
  return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < needed;
}

}  // namespace

SettingsFile::SettingsFile(const QString& path)
    : path_(path.isEmpty() ? QSettings().fileName() : path) {}

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
  const QFileInfo info(path_);
  const QString folder = info.absolutePath();
  if (!QDir().mkpath(folder)) return StoreFault::NotWritable;
  // The new lines and the expected texts as they would be stored are made
  // first: the lock is held only to read, compare, copy and write.
  const QByteArray lines = linesOf(changes);
  struct Expected {
    QString key;
    QString text;
    QByteArray stored;
  };
  QList<Expected> expectedTexts;
  for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
    const QString text = it.value().toString();
    expectedTexts.append({fullKey(group, it.key()), text, escapedValue(text)});
  }

  QLockFile lock(path_ + QStringLiteral(".lock"));
  // A copy that died leaves its lock behind; a live one keeps it.
  lock.setStaleLockTime(0);
  if (!lock.tryLock(kLockWaitMs))
    return lock.error() == QLockFile::LockFailedError ? StoreFault::Busy : StoreFault::NotWritable;

  FileState& state = states()[path_];
  if (const StoreFault fault = refresh(path_, state); fault != StoreFault::None) return fault;
  for (const Expected& e : expectedTexts) {
    const auto found = state.file.keys.constFind(e.key);
    if (found == state.file.keys.constEnd() || found->isEmpty()) {
      if (!e.text.isEmpty()) return StoreFault::Changed;
      continue;
    }
    const Span v = found->constLast().value;
    const QByteArrayView stored(state.file.bytes.constData() + v.start, v.end - v.start);
    // Text written otherwise (by QSettings, or by hand) may read the same.
    if (stored != QByteArrayView(e.stored) && textOf(valueOf(state.file, e.key)) != e.text)
      return StoreFault::Changed;
  }
  const QStringList keys = changes.keys();
  QByteArray bytes = withChanges(state.file, group, keys, lines);
  if (spaceShort(folder, bytes.size() + 4096)) return StoreFault::NoSpace;
  QSaveFile out(path_);
  if (!out.open(QIODevice::WriteOnly)) return StoreFault::NotWritable;
  if (out.write(bytes) != bytes.size() || !out.commit()) {
    const bool full = out.error() == QFileDevice::ResourceError || spaceShort(folder, bytes.size());
    return full ? StoreFault::NoSpace : StoreFault::NotWritable;
  }
  state.stamp = stampOf(path_, QFileInfo(path_));
  lock.unlock();

  // What is on disk now is what was just written.
  state.file = parse(std::move(bytes));
  state.read = true;
  state.exists = true;
  for (auto it = changes.constBegin(); it != changes.constEnd(); ++it) {
    if (it.value().isValid() && !it.value().isNull())
      state.seen.insert(fullKey(group, it.key()));
    else
      state.seen.remove(fullKey(group, it.key()));
  }
  return StoreFault::None;
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
