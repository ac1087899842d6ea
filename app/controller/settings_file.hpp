#pragma once
// The program's settings file, read and written by the program itself: the
// INI file QSettings uses (same path, same format), so a file written by
// either reads in the other.
//
// QSettings is not used for the user's writes because it cannot say whether
// a write was kept: when its first use fails it goes on for the session
// with what it has in memory, and a change the file refused stays pending
// and is written later (a choice the user was told was not kept reaches the
// file once space is freed). Here every write takes the file's lock (the
// one QSettings takes too), reads the file as it is now, applies only its
// own changes, replaces the file atomically and checks each step; it is
// either kept or refused with the reason, and nothing waits to be written.
// GUI thread only.

#include <functional>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace halvory_app {

// Busy: another copy held the file's lock for the whole wait. LockUnusable:
// the lock's path holds what cannot be a lock, or a lock that cannot be read.
enum class StoreFault { None, Unreadable, NotWritable, NoSpace, Busy, Changed, LockUnusable };

class SettingsFile {
 public:
  // `path` empty: the application's settings file, as QSettings names it.
  explicit SettingsFile(const QString& path = QString());

  QString path() const { return path_; }

  // What `group`/`key` holds on disk now (a string, or a list of strings);
  // `fallback` when absent or when the file cannot be read (readFault()
  // then says so). A file unchanged since the last read is not read again.
  QVariant value(const QString& group, const QString& key, const QVariant& fallback = {});
  StoreFault readFault() const { return readFault_; }
  // What follows "=" on the line of `group`/`key` as it stands in the file
  // (quotes and escapes as written, "" when absent): a value damaged so
  // that it reads as no text at all can still be set aside whole.
  QString storedLine(const QString& group, const QString& key);

  // True when `group`/`key` was in the file this program last read or
  // wrote and is gone now (the file was deleted or replaced meanwhile).
  bool lost(const QString& group, const QString& key);

  // Writes `changes` into `group` (an invalid or null value removes its
  // key), leaving every other line of the file as it is; a key given twice
  // has its last line changed and the earlier one kept. When the file was
  // deleted since it was last read or written here, what it held then is
  // written back with the changes. With `expected`,
  // writes only while each of its keys still holds that text (absent reads
  // as empty, a list as its items joined by commas), else answers Changed
  // and writes nothing.
  StoreFault write(const QString& group, const QVariantMap& changes,
                   const QVariantMap& expected = {});

  // Many groups' changes in one write: keys are whole ("group/key",
  // "group/sub/key", a bare key for the General section; an invalid or
  // null value removes the key). Every key at or below each of
  // `removedGroups` goes too.
  StoreFault writeKeys(const QVariantMap& changes, const QStringList& removedGroups = {});

  // One write whose changes are worked out under the lock, from the file
  // as it is then: `changesOf(read)` is given what each whole key holds
  // (invalid when absent; what this program last read or wrote when the
  // file is gone) and returns the changes, keyed as writeKeys takes them.
  // A counter counted so never counts from an earlier read that another
  // copy has written over since.
  using Reader = std::function<QVariant(const QString& key)>;
  StoreFault update(const std::function<QVariantMap(const Reader& read)>& changesOf);

  // The names of the groups directly below `group` ("" for the top), as
  // the file holds them now.
  QStringList childGroups(const QString& group);

  // Whether the file can be read and written now: the first cause found.
  StoreFault check();

  // Test hook: writes fail as on a full disk while set.
  static void simulateNoSpace(bool on);
  // Test hooks: how many times any file was written so far; and forgetting
  // every file as read, as a new start of the program would.
  static quint64 writesMade();
  static void forgetAll();

 private:
  StoreFault commit(const QVariantMap& changes, const QStringList& removedGroups,
                    const QVariantMap& expected,
                    const std::function<QVariantMap(const Reader&)>& changesOf = {});

  QString path_;
  StoreFault readFault_ = StoreFault::None;
};

// The reason, in the chosen language, naming the file (home folder as ~).
// `reading`: the words of a read that failed rather than of a write.
QString storeFaultText(StoreFault fault, const QString& path, bool reading = false);

// The stored text of a value as QSettings writes it: true/false, numbers
// in their shortest form, strings as they are.
QString storedText(const QVariant& value);

}  // namespace halvory_app
