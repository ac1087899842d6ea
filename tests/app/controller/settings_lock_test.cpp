// The settings file's lock: a lock left by this very process (a program in
// a fresh process namespace meets its killed predecessor's) is taken; a
// lock path that cannot be a lock is refused at once by its cause; a write
// of several groups puts each key in its group; and a copy that clears a
// left lock while another copy makes its new one never takes that new one
// away, so that both writes are kept.

#include "controller/settings_file.hpp"
#include "controller/settings_lock.hpp"
#include "support/file_bytes.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <random>
#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using halvory_app::SettingsFile;
using halvory_app::StoreFault;

using file_bytes::bytesOf;
using file_bytes::plant;

namespace {

// While it lives, this thread reads and writes files by their modes, as a
// user other than root does: root passes over a mode of 000.
class ModesHold {
 public:
  ModesHold() {
    if (::geteuid() != 0) return;
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~ModesHold() {
    if (dropped_) ::syscall(SYS_capset, &header_, saved_);
  }
  bool holds() const { return ::geteuid() != 0 || dropped_; }

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
  bool dropped_ = false;
};

std::function<void()> g_pause;
void pauseInRemoval() {
  if (g_pause) std::exchange(g_pause, nullptr)();
}

}  // namespace

class SettingsLockTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString file_;
  QString lock_;

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    file_ = dir_.filePath(QStringLiteral("Pellaris.conf"));
    lock_ = file_ + QStringLiteral(".lock");
  }

  void init() {
    QFile::remove(file_);
    QFile::remove(lock_);
    QDir(lock_).removeRecursively();
    SettingsFile::forgetAll();
  }

  // A lock naming this process, its program and its host, found outside
  // this program's own write, was left by a process that had the same id.
  void lockNamingThisProcessIsTaken_data() {
    QTest::addColumn<int>("ageSeconds");
    QTest::newRow("ten minutes old") << 600;
    QTest::newRow("just made") << 0;
  }

  void lockNamingThisProcessIsTaken() {
    QFETCH(int, ageSeconds);
    const QByteArray ours = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() +
                            '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    QVERIFY(plant(lock_, ours, ageSeconds));
    SettingsFile store(file_);
    // A lock taken for another copy's would be waited for, then refused.
    QCOMPARE(store.write("ui", {{"darkMode", false}}), StoreFault::None);
    QVERIFY(!QFile::exists(lock_));
    QCOMPARE(QSettings(file_, QSettings::IniFormat).value("ui/darkMode").toString(),
             QStringLiteral("false"));
  }

  // What no copy of the program makes at the lock's path, or a lock it
  // cannot read, is refused by that cause at once, and never as another
  // copy's lock; the start-up check says the same.
  void unusableLockPathIsRefusedByItsCause_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("dangling link") << "dangling link";
    QTest::newRow("link to a file") << "link to a file";
    QTest::newRow("unreadable lock") << "unreadable";
  }

  void unusableLockPathIsRefusedByItsCause() {
    QFETCH(QString, kind);
    if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(lock_));
    if (kind == QLatin1String("dangling link"))
      QVERIFY(QFile::link(dir_.filePath(QStringLiteral("nowhere")), lock_));
    if (kind == QLatin1String("link to a file")) {
      QVERIFY(plant(dir_.filePath(QStringLiteral("elsewhere")), QByteArray(), 600));
      QVERIFY(QFile::link(dir_.filePath(QStringLiteral("elsewhere")), lock_));
    }
    if (kind == QLatin1String("unreadable")) {
      QVERIFY(plant(lock_, "1\nother\nhost\n", 600));
      QVERIFY(QFile::setPermissions(lock_, {}));
    }
    const ModesHold modes;
    QVERIFY2(modes.holds(), "file modes cannot be made to hold for this thread");
    SettingsFile store(file_);
    QCOMPARE(store.write("ui", {{"darkMode", false}}), StoreFault::LockUnusable);
    QCOMPARE(store.check(), StoreFault::LockUnusable);
    QVERIFY(!QFile::exists(file_));
    const QString said = halvory_app::storeFaultText(StoreFault::LockUnusable, file_);
    QVERIFY2(said.contains(QStringLiteral("Pellaris.conf.lock")) &&
                 !said.contains(QStringLiteral("another copy")),
             qPrintable(said));
  }

  // Damaged lock files left behind (random bytes, and a lock's own lines
  // with bytes changed, cut or repeated), each a while old: read without
  // harm and taken, and the save is kept.
  void damagedLeftLocksAreTaken() {
    std::mt19937 random(20261211);
    const QByteArray good = "4242\npellaris\n" + QSysInfo::machineHostName().toUtf8() + '\n' +
                            QSysInfo::machineUniqueId() + "\nboot\n";
    for (int round = 0; round < 300; ++round) {
      QByteArray lock = good;
      if (round % 3 == 0) {
        lock = QByteArray(int(random() % 5000), Qt::Uninitialized);
        for (char& c : lock) c = char(random());
      } else {
        for (int edits = 1 + int(random() % 4); edits > 0; --edits) {
          const qsizetype at = qsizetype(random() % quint32(lock.size() + 1));
          switch (random() % 3) {
            case 0:
              lock.insert(at, char(random()));
              break;
            case 1:
              lock.truncate(at);
              break;
            default:
              lock.append(lock.left(at).repeated(int(random() % 4)));
          }
        }
      }
      QVERIFY(plant(lock_, lock, 600));
      SettingsFile store(file_);
      QCOMPARE(store.write("ui", {{"round", round}}), StoreFault::None);
      QVERIFY2(!QFile::exists(lock_), qPrintable(QString::number(round)));
    }
    QCOMPARE(SettingsFile(file_).value("ui", "round").toInt(), 299);
  }

  // One write of several groups: each key lands in its own group, whether
  // its group is new (before, between or after the file's groups) or the
  // file's last one.
  void severalGroupsInOneWrite_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QVariantMap>("changes");
    QTest::newRow("new before the last")
        << QByteArray("[z]\nx=1\n") << QVariantMap{{"a/k", "v"}, {"z/y", "2"}};
    QTest::newRow("new before, between, after")
        << QByteArray("[b]\nx=1\n\n[d]\nx=1")
        << QVariantMap{{"a/k", "1"}, {"c/k", "2"}, {"d/y", "3"}, {"e/k", "4"}, {"b/y", "5"}};
    QTest::newRow("last line a backslash")
        << QByteArray("[m]\nx=1\\") << QVariantMap{{"a/k", "1"}, {"m/y", "2"}, {"n/k", "3"}};
    QTest::newRow("top keys and new groups")
        << QByteArray("k=0\n[g]\nx=1\n") << QVariantMap{{"top", "1"}, {"g/y", "2"}, {"h/k", "3"}};
  }

  void severalGroupsInOneWrite() {
    QFETCH(QByteArray, before);
    QFETCH(QVariantMap, changes);
    QVERIFY(plant(file_, before));
    QVariantMap held;
    {
      const QSettings theirs(file_, QSettings::IniFormat);
      for (const QString& key : theirs.allKeys()) held.insert(key, theirs.value(key));
    }
    QCOMPARE(SettingsFile(file_).writeKeys(changes), StoreFault::None);
    held.insert(changes);
    const QSettings theirs(file_, QSettings::IniFormat);
    SettingsFile::forgetAll();
    SettingsFile ours(file_);
    QCOMPARE(theirs.allKeys().size(), held.size());
    for (auto it = held.constBegin(); it != held.constEnd(); ++it) {
      QCOMPARE(theirs.value(it.key()).toString(), it.value().toString());
      QCOMPARE(ours.value(QString(), it.key()).toString(), it.value().toString());
    }
  }

  // The meeting of a copy clearing a left lock and another making its
  // own: the first has opened and judged the old lock when the old one is
  // cleared and a live copy makes its new lock, not locked yet. That new
  // lock stays for as long as its copy holds it, and both writes are kept.
  void newLockMadeWhileAnOldOneIsClearedStays() {
    QVERIFY(plant(file_, "[ranges]\nlist=start\n"));
    QVERIFY(plant(lock_, QByteArray(), 600));
    const QByteArray name = QFile::encodeName(lock_);
    std::atomic<bool> heldThroughout{true};
    std::thread other;
    g_pause = [&] {
      // Another remover has taken the old lock away, and another copy makes
      // its lock: a new empty file, locked and named a moment later.
      QVERIFY(::unlink(name.constData()) == 0);
      const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL, 0666);
      QVERIFY(fd >= 0);
      other = std::thread([fd, name, this, &heldThroughout] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        (void)::flock(fd, LOCK_EX | LOCK_NB);
        // Named as a live copy names it: a running process and its program.
        const QByteArray text =
            QByteArray::number(::getppid()) + '\n' +
            QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(::getppid())))
                .fileName()
                .toUtf8() +
            '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
        heldThroughout =
            heldThroughout && ::write(fd, text.constData(), text.size()) == text.size();
        // Its write, by the book: read, change, replace, while it holds the lock.
        const QByteArray written = bytesOf(file_) + "other=kept\n";
        const QString temporary = file_ + QStringLiteral(".other");
        heldThroughout = heldThroughout && plant(temporary, written) &&
                         ::rename(QFile::encodeName(temporary).constData(),
                                  QFile::encodeName(file_).constData()) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        struct stat mine {};
        struct stat named {};
        heldThroughout = heldThroughout && ::fstat(fd, &mine) == 0 &&
                         ::stat(name.constData(), &named) == 0 && mine.st_ino == named.st_ino;
        ::unlink(name.constData());
        ::close(fd);
      });
    };
    halvory_app::setLockRemovalPause(pauseInRemoval);
    SettingsFile store(file_);
    const StoreFault fault = store.write("ranges", {{"list", "mine"}});
    halvory_app::setLockRemovalPause(nullptr);
    if (other.joinable()) other.join();
    QVERIFY2(!g_pause, "the remover never met the old lock");
    QVERIFY2(heldThroughout, "the other copy's lock was taken away while it held it");
    QCOMPARE(fault, StoreFault::None);
    const QByteArray after = bytesOf(file_);
    QVERIFY2(after.contains("other=kept") && after.contains("list=mine"), after.constData());
  }
};

QTEST_GUILESS_MAIN(SettingsLockTest)
#include "settings_lock_test.moc"
