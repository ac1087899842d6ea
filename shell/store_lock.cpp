#include "store_lock.hpp"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString defaultPath() {
  const QString settingsFile = QSettings().fileName();
  return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("stores.lock"));
}

}  // namespace

StoreLock::StoreLock(const QString& path, QObject* parent)
    : QObject(parent), path_(path.isEmpty() ? defaultPath() : path) {}

StoreLock::~StoreLock() = default;

bool StoreLock::acquire(int timeoutMs) {
  if (depth_ > 0) {
    ++depth_;
    return true;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  auto lock = std::make_unique<QLockFile>(path_);
  // A live holder keeps its lock however long it takes; only a dead one's
  // file is taken over.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(timeoutMs < 0 ? 0 : timeoutMs)) return false;
  lock_ = std::move(lock);
  depth_ = 1;
  return true;
}

void StoreLock::release() {
  if (depth_ == 0) return;
  if (--depth_ == 0) {
    lock_->unlock();
    lock_.reset();
  }
}
