#pragma once
// The few facts the controller needs from the operating system, behind one
// small interface so tests can substitute their own figures and clock.

#include <cstdint>
#include <memory>

#include <QDate>

namespace halvory_app {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // Logical processors this process may run on; 0 when unknown.
  virtual int processorCount() const = 0;
  // Physical memory this process may use, bytes; 0 when unknown.
  virtual std::uint64_t totalMemoryBytes() const = 0;
  // Memory available to this process now, bytes; 0 when unknown.
  virtual std::uint64_t availableMemoryBytes() const = 0;
  // Hands memory that the allocator keeps after frees back to the system.
  virtual void releaseFreedMemory() = 0;
  // Today's local calendar date.
  virtual QDate currentDate() const = 0;
};

// Linux: /proc/meminfo lowered to the cgroup memory limit and to what an
// address-space cap leaves, processor count from the CPU affinity mask,
// malloc_trim, the local clock.
class LinuxSystemInfo : public SystemInfo {
 public:
  int processorCount() const override;
  std::uint64_t totalMemoryBytes() const override;
  std::uint64_t availableMemoryBytes() const override;
  void releaseFreedMemory() override;
  QDate currentDate() const override;
};

std::shared_ptr<SystemInfo> makeSystemInfo();

// Parsing helpers, exposed so they can be checked against sample files.
namespace sysinfo_detail {
// Value of one "Key:   123 kB" line of /proc/meminfo in bytes; 0 when absent.
std::uint64_t meminfoField(const QByteArray& meminfo, const QByteArray& key);
// A cgroup limit file ("max" or a byte count); UINT64_MAX when unlimited or
// unreadable.
std::uint64_t parseCgroupLimit(const QByteArray& text);
}  // namespace sysinfo_detail

}  // namespace halvory_app
