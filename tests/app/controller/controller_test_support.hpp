#pragma once
// Shared pieces of the controller tests: a platform layer with figures and a
// date the test sets, isolated settings, and solve-configuration maps.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QDate>
#include <QSettings>
#include <QStandardPaths>
#include <QVariantMap>

#include "controller/system_info.hpp"

class FakeSystemInfo : public halvory_app::SystemInfo {
 public:
  std::atomic<int> processors{4};
  std::atomic<std::uint64_t> total{std::uint64_t{16} << 30};
  std::atomic<std::uint64_t> available{std::uint64_t{8} << 30};
  std::atomic<int> releases{0};

  int processorCount() const override { return processors.load(); }
  std::uint64_t totalMemoryBytes() const override { return total.load(); }
  std::uint64_t availableMemoryBytes() const override { return available.load(); }
  // Memory a release hands back to the system, once.
  std::atomic<std::uint64_t> freedOnRelease{0};
  void releaseFreedMemory() override {
    ++releases;
    available += freedOnRelease.exchange(0);
  }
  QDate currentDate() const override {
    std::lock_guard<std::mutex> lock(mutex);
    return date;
  }
  void setDate(const QDate& value) {
    std::lock_guard<std::mutex> lock(mutex);
    date = value;
  }

 private:
  mutable std::mutex mutex;
  QDate date = QDate(2024, 5, 15);
};

// Settings go to the test location and start empty.
inline void isolateSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("HalvoryTest"));
  QCoreApplication::setApplicationName(QStringLiteral("ControllerTest"));
  QSettings settings;
  settings.clear();
  settings.sync();
}

inline QVariantMap sizingKeys(const QString& bets = QStringLiteral("50"),
                              const QString& raises = QStringLiteral("100")) {
  QVariantMap cfg;
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix =
          QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street));
      cfg.insert(prefix + QStringLiteral("_bet_sizes"), bets);
      cfg.insert(prefix + QStringLiteral("_raise_sizes"), raises);
    }
  }
  return cfg;
}

// A small river spot that solves in well under a second.
inline QVariantMap riverSpotMap(int iterations) {
  QVariantMap cfg = sizingKeys(QStringLiteral("33, 75"));
  cfg.insert(QStringLiteral("board"), QStringLiteral("Ks 7d 2c 5h 9s"));
  cfg.insert(QStringLiteral("starting_street"), QStringLiteral("river"));
  cfg.insert(QStringLiteral("starting_pot"), 22.8);
  cfg.insert(QStringLiteral("effective_stack"), 88.9);
  cfg.insert(QStringLiteral("oop_range"), QStringLiteral("AA,KK,QQ,JJ,AK,KQ,76s,43s"));
  cfg.insert(QStringLiteral("ip_range"), QStringLiteral("AA,99,77,AK,KJ,QJ,T8s,86s"));
  cfg.insert(QStringLiteral("max_iterations"), iterations);
  cfg.insert(QStringLiteral("target_exploitability"), 0.0);
  cfg.insert(QStringLiteral("thread_count"), 1);
  return cfg;
}

// Iterations no test waits out: the river spot never reaches its target of
// 0 (it measures above 0.007 after 300000 iterations), so only a cancel, a
// clear or the controller's end stops a solve of this many.
inline constexpr int kEndlessIterations = 2147483647;

// A flop spot with wide ranges: slow to build and to solve.
inline QVariantMap wideFlopSpotMap(int iterations) {
  QVariantMap cfg = sizingKeys();
  cfg.insert(QStringLiteral("board"), QStringLiteral("Ks7d2c"));
  cfg.insert(QStringLiteral("starting_street"), QStringLiteral("flop"));
  // "95%": the percent shorthand, a weight on every combination.
  cfg.insert(QStringLiteral("oop_range"), QStringLiteral("95%"));
  cfg.insert(QStringLiteral("ip_range"), QStringLiteral("95%"));
  cfg.insert(QStringLiteral("max_iterations"), iterations);
  cfg.insert(QStringLiteral("target_exploitability"), 0.0);
  cfg.insert(QStringLiteral("thread_count"), 2);
  return cfg;
}
