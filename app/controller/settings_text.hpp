#pragma once
// The settings file's text: where each section and key stands in it, and
// the file with some keys changed, every other byte left as it was.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace halvory_app::settings_text {

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

// A change to one key, its stored text made before the file's lock is
// taken; `remove` takes the key away.
struct KeyChange {
  QString key;  // "group/key" (root keys bare)
  QString group;
  QByteArray line;   // escaped key, "=", escaped value, line break
  QByteArray value;  // the escaped value alone
  bool remove = false;
};

// "group/key", or the bare key for the General section.
QString fullKey(const QString& group, const QString& key);

ParsedFile parse(QByteArray bytes);

// What `key` holds (its last line), invalid when absent.
QVariant valueOf(const ParsedFile& file, const QString& key);

// A value as text to compare with what a reader was given: a list (a
// line whose unquoted commas split it) as its items joined by commas.
QString textOf(const QVariant& value);

// The stored lines of `changes` (whole keys; an invalid or null value
// removes its key).
QList<KeyChange> keyChangesOf(const QVariantMap& changes);

// Whether `key` is one of `groups` or lies below one of them.
bool atOrBelow(const QString& key, const QStringList& groups);

// The file with `changes` made and every key at or below `removedGroups`
// gone, leaving every other byte as it is.
QByteArray withChanges(const ParsedFile& file, const QList<KeyChange>& changes,
                       const QStringList& removedGroups);

}  // namespace halvory_app::settings_text
