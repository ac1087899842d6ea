// The machine's processor count and memory figures as the UI shows them.

#include "controller/system_status.hpp"

#include <algorithm>
#include <limits>
#include <thread>

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
  totalText = formatGigabytes(totalBytes);
  freeText = formatGigabytes(freeBytes);

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

QString SystemStatus::effectiveAvailableText() const {
  return formatGigabytes(effectiveAvailableBytes());
}

void SystemStatus::refreshAvailableMemory() {
  const std::uint64_t bytes = systemInfo->availableMemoryBytes();
  const QString text = formatGigabytes(bytes);
  if (text == freeText && bytes == freeBytes) return;
  freeBytes = bytes;
  freeText = text;
  emit memoryChanged();
}

std::uint64_t SystemStatus::availableNow() {
  refreshAvailableMemory();
  return freeBytes;
}
