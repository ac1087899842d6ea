// The Linux platform layer: /proc/meminfo and cgroup parsing, and live
// figures that agree with the system's own.

#include <sched.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <new>

#include "controller/system_info.hpp"
#include "controller/system_status.hpp"

using namespace halvory_app;

class SystemInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void meminfoFields() {
    const QByteArray sample =
        "MemTotal:       24682416 kB\n"
        "MemFree:         1000000 kB\n"
        "MemAvailable:   23385600 kB\n"
        "HugePages_Total:       7\n";
    QCOMPARE(sysinfo_detail::meminfoField(sample, "MemTotal"), std::uint64_t{24682416} * 1024);
    QCOMPARE(sysinfo_detail::meminfoField(sample, "MemAvailable"), std::uint64_t{23385600} * 1024);
    QCOMPARE(sysinfo_detail::meminfoField(sample, "HugePages_Total"), std::uint64_t{7});
    QCOMPARE(sysinfo_detail::meminfoField(sample, "Mem"), std::uint64_t{0});
    QCOMPARE(sysinfo_detail::meminfoField(sample, "SwapTotal"), std::uint64_t{0});
    QCOMPARE(sysinfo_detail::meminfoField("MemTotal: lots kB\n", "MemTotal"), std::uint64_t{0});
    QCOMPARE(sysinfo_detail::meminfoField("", "MemTotal"), std::uint64_t{0});
  }

  void cgroupLimits() {
    const std::uint64_t none = std::numeric_limits<std::uint64_t>::max();
    QCOMPARE(sysinfo_detail::parseCgroupLimit("max\n"), none);
    QCOMPARE(sysinfo_detail::parseCgroupLimit("9223372036854771712\n"), none);  // v1 "unlimited"
    QCOMPARE(sysinfo_detail::parseCgroupLimit("2147483648\n"), std::uint64_t{2147483648});
    QCOMPARE(sysinfo_detail::parseCgroupLimit(""), none);
    QCOMPARE(sysinfo_detail::parseCgroupLimit("junk"), none);
  }

  void liveFiguresAreSane() {
    LinuxSystemInfo info;
    cpu_set_t set;
    CPU_ZERO(&set);
    QCOMPARE(sched_getaffinity(0, sizeof set, &set), 0);
    QCOMPARE(info.processorCount(), CPU_COUNT(&set));
    const std::uint64_t total = info.totalMemoryBytes();
    const std::uint64_t available = info.availableMemoryBytes();
    QVERIFY(total > 0);
    QVERIFY(available > 0);
    QVERIFY(available <= total + (std::uint64_t{1} << 30));
    const std::uint64_t physical = static_cast<std::uint64_t>(sysconf(_SC_PHYS_PAGES)) *
                                   static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    QVERIFY(total <= physical);
    info.releaseFreedMemory();
    QVERIFY(info.currentDate().isValid());
  }

  void affinityNarrowsTheCount() {
    cpu_set_t original;
    CPU_ZERO(&original);
    QCOMPARE(sched_getaffinity(0, sizeof original, &original), 0);
    int first = -1;
    for (int i = 0; i < CPU_SETSIZE && first < 0; ++i) {
      if (CPU_ISSET(i, &original)) first = i;
    }
    QVERIFY(first >= 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    QCOMPARE(sched_setaffinity(0, sizeof one, &one), 0);
    const int count = LinuxSystemInfo().processorCount();
    sched_setaffinity(0, sizeof original, &original);
    QCOMPARE(count, 1);
  }

  // Memory gone even for the reading: no figure is shown and the program
  // goes on; the next reading that succeeds shows its figure again.
  void failedReadingShowsNoFigure() {
    struct ShortOfMemory : SystemInfo {
      bool failing = false;
      int processorCount() const override { return 2; }
      std::uint64_t totalMemoryBytes() const override { return read(); }
      std::uint64_t availableMemoryBytes() const override { return read(); }
      void releaseFreedMemory() override {}
      QDate currentDate() const override { return QDate(2024, 5, 15); }
      std::uint64_t read() const {
        if (failing) throw std::bad_alloc();
        return std::uint64_t{8} << 30;
      }
    };
    const QString none = QStringLiteral("\u2014");
    auto info = std::make_shared<ShortOfMemory>();
    info->failing = true;
    SystemStatus status(info);
    QCOMPARE(status.memoryBytes(), std::uint64_t{0});
    QCOMPARE(status.memoryText(), none);
    QCOMPARE(status.availableText(), none);

    info->failing = false;
    QSignalSpy changed(&status, &SystemStatus::memoryChanged);
    status.refreshAvailableMemory();
    QCOMPARE(status.availableText(), QStringLiteral("8.0 GB"));
    info->failing = true;
    status.refreshAvailableMemory();
    QCOMPARE(status.availableBytes(), std::uint64_t{0});
    QCOMPARE(status.availableText(), none);
    QCOMPARE(changed.count(), 2);
  }
};

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "system_info_test.moc"
