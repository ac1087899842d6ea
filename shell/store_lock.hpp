#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// A lock file in the settings folder, taken around every read-change-write
// of the stores that two running copies of the program share (settings
// profiles, Custom ranges), so that neither copy writes over entries the
// other added between its read and its write. GUI thread only.
class StoreLock : public QObject {
  Q_OBJECT

 public:
  // `path` empty: "stores.lock" beside the application's settings file.
  explicit StoreLock(const QString& path = QString(), QObject* parent = nullptr);
  ~StoreLock() override;

  // Takes the lock, waiting at most `timeoutMs` for another copy to let
  // it go (a lock left by a copy that died is taken over). Nested calls
  // count; false when it could not be taken.
  Q_INVOKABLE bool acquire(int timeoutMs = 5000);
  // Lets go of one acquire().
  Q_INVOKABLE void release();

  QString path() const { return path_; }

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  int depth_ = 0;
};
