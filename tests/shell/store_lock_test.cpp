// StoreLock: one holder at a time across lock objects (as across two
// running copies), nested use by one holder, and the default place beside
// the settings file.

#include "store_lock.hpp"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class StoreLockTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("PellarisTest"));
    QCoreApplication::setApplicationName(QStringLiteral("StoreLockTest"));
  }

  void oneHolderAtATime() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("stores.lock"));
    StoreLock first(path);
    StoreLock second(path);
    QVERIFY(first.acquire(0));
    QVERIFY(!second.acquire(0));
    // Nested use by the holder keeps the lock until the last release.
    QVERIFY(first.acquire(0));
    first.release();
    QVERIFY(!second.acquire(0));
    first.release();
    QVERIFY(second.acquire(0));
    QVERIFY(!first.acquire(0));
    second.release();
    // A release too many is harmless.
    second.release();
    QVERIFY(first.acquire(0));
    first.release();
  }

  void defaultLockLiesBesideTheSettingsFile() {
    StoreLock lock;
    QCOMPARE(QFileInfo(lock.path()).absolutePath(),
             QFileInfo(QSettings().fileName()).absolutePath());
    QVERIFY(lock.acquire(0));
    QVERIFY(QFileInfo::exists(lock.path()));
    lock.release();
    QVERIFY(!QFileInfo::exists(lock.path()));
  }
};

QTEST_MAIN(StoreLockTest)
#include "store_lock_test.moc"
