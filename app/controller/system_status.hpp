#pragma once
// The machine as the UI shows it: processor count, total and available
// memory (read again every two seconds), and what is available once the
// held result is released. Lives on the GUI thread.

#include <cstdint>
#include <memory>

#include <QObject>
#include <QString>
#include <QTimer>

#include "controller/system_info.hpp"

class SystemStatus : public QObject {
  Q_OBJECT

 public:
  explicit SystemStatus(std::shared_ptr<halvory_app::SystemInfo> info, QObject* parent = nullptr);

  const std::shared_ptr<halvory_app::SystemInfo>& info() const { return systemInfo; }

  int threadCount() const { return threads; }
  // The figures are worded when read, so a language switch renames the unit.
  QString memoryText() const;
  std::uint64_t memoryBytes() const { return totalBytes; }
  QString availableText() const;
  std::uint64_t availableBytes() const { return freeBytes; }
  // Available memory with what the held result would give back, at most
  // the total.
  std::uint64_t effectiveAvailableBytes() const;
  QString effectiveAvailableText() const;

  // What releasing the held result gives back (the solve's estimate). Set
  // silently: the controller tells of it with its results.
  std::uint64_t reclaimableBytes() const { return reclaimable; }
  void setReclaimableBytes(std::uint64_t bytes) { reclaimable = bytes; }

  // Reads the available memory again; a change is told.
  void refreshAvailableMemory();
  // A fresh reading of the available memory.
  std::uint64_t availableNow();

 signals:
  void memoryChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::shared_ptr<halvory_app::SystemInfo> systemInfo;
  int threads = 1;
  std::uint64_t totalBytes = 0;
  std::uint64_t freeBytes = 0;
  std::uint64_t reclaimable = 0;
  QTimer memoryTimer;
};
