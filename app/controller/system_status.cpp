// The machine's processor count and memory figures as the UI shows them.

#include "controller/system_status.hpp"

#include <algorithm>
#include <limits>
#include <thread>

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "controller/ui_values.hpp"

using halvory_app::formatGigabytes;

SystemStatus::SystemStatus(std::shared_ptr<halvory_app::SystemInfo> info, QObject* parent)
    : QObject(parent), systemInfo(info ? std::move(info) : halvory_app::makeSystemInfo()) {
  const int processors = systemInfo->processorCount();
  if (processors >= 1) {
    threads = processors;
  } else {
    int ideal = QThread::idealThreadCount();
    if (ideal < 1) ideal = static_cast<int>(std::thread::hardware_concurrency());
    threads = std::max(1, ideal);
  }

  totalBytes = systemInfo->totalMemoryBytes();
  freeBytes = systemInfo->availableMemoryBytes();
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);

  memoryTimer.setInterval(2000);
  memoryTimer.setSingleShot(false);
  connect(&memoryTimer, &QTimer::timeout, this, &SystemStatus::refreshAvailableMemory);
  memoryTimer.start();
}

std::uint64_t SystemStatus::effectiveAvailableBytes() const {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t sum = freeBytes > kMax - reclaimable ? kMax : freeBytes + reclaimable;
  return totalBytes != 0 ? std::min(sum, totalBytes) : sum;
}

QString SystemStatus::memoryText() const {
  return formatGigabytes(totalBytes);
}

QString SystemStatus::availableText() const {
  return formatGigabytes(freeBytes);
}

bool SystemStatus::eventFilter(QObject* watched, QEvent* event) {
  // The units are the language's: the figures read anew in the new words.
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
    emit memoryChanged();
  return QObject::eventFilter(watched, event);
}

QString SystemStatus::effectiveAvailableText() const {
  return formatGigabytes(effectiveAvailableBytes());
}

void SystemStatus::refreshAvailableMemory() {
  const std::uint64_t bytes = systemInfo->availableMemoryBytes();
  if (bytes == freeBytes) return;
  freeBytes = bytes;
  emit memoryChanged();
}

std::uint64_t SystemStatus::availableNow() {
  refreshAvailableMemory();
  return freeBytes;
}
