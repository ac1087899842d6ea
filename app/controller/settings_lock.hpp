#pragma once
// The settings file's lock: the lock file QSettings takes too (QLockFile's
// file beside the settings file, ".lock" added, in QLockFile's format and
// with its locks), held only while one write reads, changes and replaces
// the file.
//
// The lock file is made here rather than by QLockFile: its text is made
// before the file is, so that a lack of memory can never leave an empty
// lock held by a handle nothing closes, and it is given up without
// allocating.
//
// A lock left behind by a copy of the program that ended without taking it
// away is taken away, and only such a lock: one that names no process once
// it is a few seconds old, one that names a process that no longer runs, or
// one that names this very process (the program never holds the lock
// between its writes; a program started in a fresh process namespace has
// its killed predecessor's id). Whatever sits at the lock's path that no
// copy could have made, or that cannot be read, is refused at once with
// that cause rather than waited for as another copy's lock.

#include <QByteArray>
#include <QString>

namespace halvory_app {

enum class LockOutcome {
  Taken,
  Busy,      // another copy held it for the whole wait
  NotMade,   // the lock file cannot be created (a folder we cannot write, a full disk)
  Unusable,  // the lock's path holds what cannot be a lock, or a lock that cannot be read
};

class SettingsLock {
 public:
  // The lock of the settings file at `filePath`.
  explicit SettingsLock(const QString& filePath);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  // Waits up to a few seconds for another copy's write to end; clears a
  // lock judged left behind on the way.
  LockOutcome take();
  // Takes the lock file away again; never throws.
  void release() noexcept;

 private:
  QString path_;
  QByteArray name_;  // the path as the system takes it
  int fd_ = -1;      // the lock file, while held
};

// Whether the lock of the settings file at `filePath` can be made and read:
// nothing at its path, or a lock file this user can open.
bool lockUsable(const QString& filePath);

// Test hook: called inside a removal of a lock judged left behind, after
// the remover has opened the file it judged and before it locks it.
void setLockRemovalPause(void (*pause)());

}  // namespace halvory_app
