#include "controller/settings_text.hpp"

#include "controller/settings_file.hpp"
#include "controller/settings_ini.hpp"

#include <QSet>

#include <algorithm>
#include <cstring>

namespace halvory_app::settings_text {
namespace {

using namespace settings_ini;

#ifdef Q_OS_WIN
constexpr char kNewLine[] = "\r\n";
#else
constexpr char kNewLine[] = "\n";
#endif

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

// One change of the file's bytes: [start, end) becomes `text`.
// Insertions at one place go in order of `rank`: what closes the file's
// last line, then lines added to an existing section, then new sections.
struct Edit {
  qsizetype start = 0;
  qsizetype end = 0;
  QByteArray text;
  int rank = 0;
};

enum InsertRank { kClosingBreaks = 0, kIntoSection = 1, kNewSection = 2 };

}  // namespace

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
  bool atEnd = false;  // something is added after the file's last line
  for (const QString& group : newGroups) {
    qsizetype insertAt = -1;
    for (const Section& section : file.sections) {
      if (section.group == group && (section.contentEnd > 0 || group.isEmpty()))
        insertAt = section.contentEnd;
    }
    QByteArray text;
    int rank = kIntoSection;
    if (insertAt < 0) {
      insertAt = b.size();
      rank = kNewSection;
      if (!b.isEmpty()) text.append(kNewLine);
      text.append('[').append(sectionName(group)).append(']').append(kNewLine);
    }
    atEnd = atEnd || insertAt == b.size();
    text.append(newLines.value(group));
    edits.append({insertAt, insertAt, std::move(text), rank});
  }
  // Every other place a line is added at is the start of a line; the keys
  // of the last section go before any new section.
  if (atEnd)
    edits.append({b.size(), b.size(), lineBreaksToClose(b, file.lastLineStart), kClosingBreaks});
  // Insertions at one place go before a line dropped there.
  std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& c) {
    if (a.start != c.start) return a.start < c.start;
    if (a.end - a.start != c.end - c.start) return a.end - a.start < c.end - c.start;
    return a.rank < c.rank;
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

}  // namespace halvory_app::settings_text
