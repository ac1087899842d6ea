#pragma once
// Helpers for the project-file tests: a small spot that solves in well under
// a second, waiting for a solve to end, isolated settings and file access.
// Header-only, so it adds nothing to the other test programs of the folder.

#include <cstdint>
#include <cstdio>
#include <memory>

#include <sys/resource.h>

#include <QByteArray>
#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QString>
#include <QTest>
#include <QUrl>
#include <QVariantMap>

#include "controller/app_controller.hpp"
#include "controller/results_explorer.hpp"
#include "controller/system_info.hpp"
#include "text_form_project.hpp"

namespace project_test_support {

// A river spot with a few hand classes each and one bet and raise size.
inline QVariantMap riverSpotConfig(int iterations = 60) {
  QVariantMap cfg;
  cfg.insert("variant", "holdem");
  cfg.insert("board", "Ah Kd 7c 2s 9h");
  cfg.insert("starting_street", "river");
  cfg.insert("oop_range", "AA, KK, 77, QJs, 65s");
  cfg.insert("ip_range", "AK, 99, TT, 87s");
  cfg.insert("starting_pot", 20.0);
  cfg.insert("effective_stack", 100.0);
  cfg.insert("max_iterations", iterations);
  cfg.insert("target_exploitability", 0.0);
  cfg.insert("thread_count", 1);
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix =
          QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street));
      cfg.insert(prefix + "_bet_sizes", "50%");
      cfg.insert(prefix + "_raise_sizes", "2.5x");
    }
  }
  return cfg;
}

// A flop spot with wide ranges and many iterations: runs for seconds, long
// enough to act while it runs.
inline QVariantMap longFlopSpotConfig() {
  QVariantMap cfg = riverSpotConfig(100000);
  cfg.insert("board", "Ah Kd 7c");
  cfg.insert("starting_street", "flop");
  cfg.insert("oop_range", "22+, A2s+, K9s+, QTs+, JTs, ATo+, KJo+");
  cfg.insert("ip_range", "22+, A2s+, K9s+, QTs+, JTs, ATo+, KJo+");
  return cfg;
}

// Starts a solve and waits for its final report (the one that carries the
// result and announces it with resultsChanged). `running` alone is not
// enough: an earlier report handled after the solve thread ended clears it.
inline bool solveAndWait(AppController& controller, const QVariantMap& cfg, int timeoutMs = 60000) {
  controller.startSolveWithConfig(cfg);
  if (!controller.getRunning()) return false;
  QSignalSpy results(&controller, &AppController::resultsChanged);
  return QTest::qWaitFor([&] { return results.count() > 0 && !controller.getRunning(); },
                         timeoutMs);
}

inline QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

// The real platform layer, but with a calendar date the test sets.
class FixedDateSystemInfo : public halvory_app::SystemInfo {
 public:
  explicit FixedDateSystemInfo(QDate date) : date(date) {}
  int processorCount() const override { return real.processorCount(); }
  std::uint64_t totalMemoryBytes() const override { return real.totalMemoryBytes(); }
  std::uint64_t availableMemoryBytes() const override { return real.availableMemoryBytes(); }
  void releaseFreedMemory() override {}
  QDate currentDate() const override { return date; }

  QDate date;

 private:
  halvory_app::LinuxSystemInfo real;
};

// Settings in the test location, under the application's own names.
inline void useIsolatedSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName("Pellaris");
  QCoreApplication::setApplicationName("Pellaris");
}

// In a child process: opens `path` with the address space capped at
// `capBytes`, lifts the cap again and prints how it went ("opened" or the
// refusal) for the parent to read. 3 when the cap cannot be set.
inline int openUnderCapAndSay(AppController& controller, const QString& path,
                              std::uint64_t capBytes) {
  rlimit before{};
  getrlimit(RLIMIT_AS, &before);
  rlimit capped = before;
  capped.rlim_cur = rlim_t(capBytes);
  if (setrlimit(RLIMIT_AS, &capped) != 0) return 3;
  const QVariantMap answer = controller.loadProject(QUrl::fromLocalFile(path));
  setrlimit(RLIMIT_AS, &before);
  std::printf("%s\n", answer.value("ok").toBool() ? "opened"
                                                  : qPrintable(answer.value("error").toString()));
  std::fflush(stdout);
  return 0;
}

// The file's members as bytes, keeping "format" and "version" first (a map
// keeps its members in the order given).
inline QByteArray encodeMembers(const QCborMap& members) {
  QCborMap ordered{{QStringLiteral("format"), members.value(QStringLiteral("format"))},
                   {QStringLiteral("version"), members.value(QStringLiteral("version"))}};
  for (auto it = members.cbegin(); it != members.cend(); ++it)
    if (!ordered.contains(it.key())) ordered.insert(it.key(), it.value());
  return QCborValue(ordered).toCbor();
}

// The same file as the version before seals wrote it: no "checksums", and
// each chunk and answer without its four CRC bytes.
inline QByteArray unsealedCopy(const QByteArray& sealedBytes) {
  QCborMap members = QCborValue::fromCbor(sealedBytes).toMap();
  members.remove(QStringLiteral("checksums"));
  members.insert(QStringLiteral("version"), 2);
  QCborMap results = members.value(QStringLiteral("results")).toMap();
  QCborArray tree;
  for (const QCborValue& chunk : results.value(QStringLiteral("tree")).toArray())
    tree << chunk.toByteArray().chopped(4);
  results.insert(QStringLiteral("tree"), tree);
  members.insert(QStringLiteral("results"), results);
  QCborMap caches = members.value(QStringLiteral("nodeCaches")).toMap();
  for (auto it = caches.begin(); it != caches.end(); ++it) {
    QCborArray entries;
    for (const QCborValue& entry : it.value().toArray())
      entries << QCborArray{entry[0], entry[1].toByteArray().chopped(4)};
    it.value() = entries;
  }
  members.insert(QStringLiteral("nodeCaches"), caches);
  return encodeMembers(members);
}

}  // namespace project_test_support
