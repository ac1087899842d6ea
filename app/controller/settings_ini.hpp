#pragma once

// The INI format as QSettings reads and writes it, for the settings file's
// own reader and writer.

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace halvory_app::settings_ini {

// A key or section name: "\" separates groups, %XX and %UXXXX are
// characters.
QString unescapedKey(const char* p, qsizetype n);
QByteArray escapedKey(const QString& key);
// The bracketed name of a group's section ("General" for none).
QByteArray sectionName(const QString& group);
// A stored value: quoted runs, backslash escapes, and unquoted commas that
// make it a list.
QVariant unescapedValue(const char* p, qsizetype n);
// `text` as QSettings writes a string.
QByteArray escapedValue(const QString& text);

}  // namespace halvory_app::settings_ini
