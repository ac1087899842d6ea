// The machine's processor count and memory figures as the UI shows them.

#include "controller/system_status.hpp"

#include <algorithm>
#include <exception>
#include <limits>
#include <thread>

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include "controller/ui_values.hpp"

using halvory_app::formatGigabytes;

namespace {

// A figure that cannot be read, even for want of the memory to read it with,
// is shown as no figure ("—"); the program goes on.
template <typename Read>
std::uint64_t bytesOrNone(Read read) noexcept {
  try {
    return read();
  } catch (const std::exception&) {
    return 0;
  }
}

QString textOf(std::uint64_t bytes) noexcept {
  try {
    return formatGigabytes(bytes);
  } catch (const std::exception&) {
    return QStringLiteral("\u2014");
  }
}

}  // namespace

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

  totalBytes = bytesOrNone([this] { return systemInfo->totalMemoryBytes(); });
  freeBytes = bytesOrNone([this] { return systemInfo->availableMemoryBytes(); });
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
  return textOf(totalBytes);
}

QString SystemStatus::availableText() const {
  return textOf(freeBytes);
}

bool SystemStatus::eventFilter(QObject* watched, QEvent* event) {
  // The units are the language's: the figures read anew in the new words.
  if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
    emit memoryChanged();
  return QObject::eventFilter(watched, event);
}

QString SystemStatus::effectiveAvailableText() const {
  return textOf(effectiveAvailableBytes());
}

void SystemStatus::refreshAvailableMemory() {
  const std::uint64_t bytes = bytesOrNone([this] { return systemInfo->availableMemoryBytes(); });
  if (bytes == freeBytes) return;
  freeBytes = bytes;
  emit memoryChanged();
}

std::uint64_t SystemStatus::availableNow() {
  refreshAvailableMemory();
  return freeBytes;
}
