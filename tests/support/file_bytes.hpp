#pragma once
// A file's bytes, read and planted whole, for tests of what the program
// writes and reads.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

namespace file_bytes {

// The file's bytes; empty when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes `bytes` as the whole file, last changed `ageSeconds` ago.
inline bool plant(const QString& path, const QByteArray& bytes, int ageSeconds = 0) {
  QFile f(path);
  // Written out before the time is set, which the last write would change.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() ||
      !f.flush())
    return false;
  return ageSeconds == 0 || f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                          QFileDevice::FileModificationTime);
}

}  // namespace file_bytes
