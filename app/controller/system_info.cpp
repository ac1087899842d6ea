#include "controller/system_info.hpp"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>
#include <sys/resource.h>

#include <malloc.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <QString>

namespace halvory_app {

namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();
// cgroup v1 reports "no limit" as a huge page-rounded number near 2^63.
constexpr std::uint64_t kNoLimitThreshold = std::uint64_t{1} << 60;

// The /proc and cgroup files read here hold a few kilobytes at most. They are
// read into a fixed buffer on the stack, so that a reading taken when memory
// is nearly gone asks for no more than the few bytes the file holds; what
// does not fit is left unread.
constexpr std::size_t kSmallFileBytes = 16 * 1024;

QByteArray readSmallFile(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  char buffer[kSmallFileBytes];
  std::size_t filled = 0;
  while (filled < sizeof buffer) {
    const ssize_t n = ::read(fd, buffer + filled, sizeof buffer - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return QByteArray(buffer, static_cast<qsizetype>(filled));
}

std::uint64_t readCounter(const QString& path) {
  bool ok = false;
  const std::uint64_t value = readSmallFile(path).trimmed().toULongLong(&ok);
  return ok ? value : 0;
}

// Value of "key value" line of a memory.stat file; 0 when absent.
std::uint64_t statField(const QByteArray& stat, const QByteArray& key) {
  for (const QByteArray& line : stat.split('\n')) {
    const QByteArrayList parts = line.simplified().split(' ');
    if (parts.size() == 2 && parts[0] == key) return parts[1].toULongLong();
  }
  return 0;
}

struct CgroupMemory {
  std::uint64_t limit = kUnlimited;     // smallest limit on the way to the root
  std::uint64_t headroom = kUnlimited;  // smallest (limit - usage) on that way
};

// One cgroup level: limit file, usage file, stat file and the name of the
// reclaimable page-cache counter in that stat file.
void visitLevel(const QString& dir, const char* limitName, const char* usageName,
                const QByteArray& inactiveKey, CgroupMemory& out) {
  const std::uint64_t limit =
      sysinfo_detail::parseCgroupLimit(readSmallFile(dir + "/" + limitName));
  if (limit == kUnlimited) return;
  const std::uint64_t usage = readCounter(dir + "/" + usageName);
  // Inactive page cache is given back under pressure; count it as free.
  const std::uint64_t inactive = statField(readSmallFile(dir + "/memory.stat"), inactiveKey);
  const std::uint64_t used = usage > inactive ? usage - inactive : 0;
  out.limit = std::min(out.limit, limit);
  out.headroom = std::min(out.headroom, limit > used ? limit - used : 0);
}

// Walks from the process's own cgroup up to the hierarchy's root.
void walkUp(const QString& root, QString path, const char* limitName, const char* usageName,
            const QByteArray& inactiveKey, CgroupMemory& out) {
  while (true) {
    visitLevel(root + path, limitName, usageName, inactiveKey, out);
    if (path.isEmpty() || path == "/") break;
    const qsizetype slash = path.lastIndexOf('/');
    path = slash <= 0 ? QString() : path.left(slash);
  }
}

CgroupMemory cgroupMemory() {
  CgroupMemory out;
  const QByteArray self = readSmallFile(QStringLiteral("/proc/self/cgroup"));
  for (const QByteArray& line : self.split('\n')) {
    const QByteArrayList fields = line.split(':');
    if (fields.size() < 3) continue;
    const QString path =
        QString::fromUtf8(line.mid(fields[0].size() + fields[1].size() + 2)).trimmed();
    if (fields[0] == "0" && fields[1].isEmpty()) {
      walkUp(QStringLiteral("/sys/fs/cgroup"), path, "memory.max", "memory.current",
             "inactive_file", out);
      walkUp(QStringLiteral("/sys/fs/cgroup/unified"), path, "memory.max", "memory.current",
             "inactive_file", out);
    } else if (fields[1].split(',').contains("memory")) {
      walkUp(QStringLiteral("/sys/fs/cgroup/memory"), path, "memory.limit_in_bytes",
             "memory.usage_in_bytes", "total_inactive_file", out);
    }
  }
  return out;
}

// What a cap on the address space (ulimit -v) still lets this process map;
// unlimited without one. Memory the system has free is of no use past it.
std::uint64_t addressSpaceHeadroom() {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnlimited;
  const std::uint64_t mapped =
      sysinfo_detail::meminfoField(readSmallFile(QStringLiteral("/proc/self/status")), "VmSize");
  const auto cap = static_cast<std::uint64_t>(limit.rlim_cur);
  return cap > mapped ? cap - mapped : 0;
}

}  // namespace

namespace sysinfo_detail {

std::uint64_t meminfoField(const QByteArray& meminfo, const QByteArray& key) {
  for (const QByteArray& line : meminfo.split('\n')) {
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0 || line.left(colon) != key) continue;
    const QByteArrayList parts = line.mid(colon + 1).simplified().split(' ');
    bool ok = false;
    const std::uint64_t value = parts.value(0).toULongLong(&ok);
    if (!ok) return 0;
    const bool kilobytes = parts.size() > 1 && parts[1].toLower() == "kb";
    if (!kilobytes) return value;
    if (value > kUnlimited / 1024) return kUnlimited;
    return value * 1024;
  }
  return 0;
}

std::uint64_t parseCgroupLimit(const QByteArray& text) {
  const QByteArray trimmed = text.trimmed();
  bool ok = false;
  const std::uint64_t value = trimmed.toULongLong(&ok);
  if (!ok || value >= kNoLimitThreshold) return kUnlimited;
  return value;
}

}  // namespace sysinfo_detail

int LinuxSystemInfo::processorCount() const {
  // The affinity mask may be wider than cpu_set_t on large machines.
  for (int cpus = CPU_SETSIZE; cpus <= (1 << 16); cpus *= 2) {
    cpu_set_t* set = CPU_ALLOC(cpus);
    if (set == nullptr) return 0;
    const std::size_t size = CPU_ALLOC_SIZE(cpus);
    CPU_ZERO_S(size, set);
    const int rc = sched_getaffinity(0, size, set);
    const int count = rc == 0 ? CPU_COUNT_S(size, set) : 0;
    CPU_FREE(set);
    if (rc == 0) return count;
    if (errno != EINVAL) return 0;
  }
  return 0;
}

std::uint64_t LinuxSystemInfo::totalMemoryBytes() const {
  const std::uint64_t total =
      sysinfo_detail::meminfoField(readSmallFile(QStringLiteral("/proc/meminfo")), "MemTotal");
  if (total == 0) return 0;
  return std::min(total, cgroupMemory().limit);
}

std::uint64_t LinuxSystemInfo::availableMemoryBytes() const {
  const std::uint64_t available =
      sysinfo_detail::meminfoField(readSmallFile(QStringLiteral("/proc/meminfo")), "MemAvailable");
  if (available == 0) return 0;
  // A cgroup at its limit, or an address space mapped up to its cap, has
  // nothing left, which is not "unknown" (0).
  return std::max<std::uint64_t>(
      1, std::min({available, cgroupMemory().headroom, addressSpaceHeadroom()}));
}

void LinuxSystemInfo::releaseFreedMemory() {
  malloc_trim(0);
}

QDate LinuxSystemInfo::currentDate() const {
  return QDate::currentDate();
}

std::shared_ptr<SystemInfo> makeSystemInfo() {
  return std::make_shared<LinuxSystemInfo>();
}

}  // namespace halvory_app
