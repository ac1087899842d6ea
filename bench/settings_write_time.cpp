// One more range saved into a large Custom library, as the set-up page saves
// it: the settings file's write with the stored list expected unchanged,
// which holds the file's lock from its start to its end. Then a counted hand
// (both Play vs. Solution groups and the EV history) and a finished solve's
// record, each through the statistics' own store into the same file, and a
// hand as the first action after start (the file not read yet). Prints
// each run's time and the medians for 1,000, 100,000 and 300,000 stored
// ranges.
//
// Usage: settings_write_time [RUNS]

#include "controller/settings_file.hpp"
#include "controller/settings_store.hpp"
#include "controller/user_statistics.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Times `runs` calls of `action`; prints each and the median.
void timeRuns(const char* what, int count, int runs, const std::function<void(int)>& action) {
  std::vector<qint64> times;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    action(run);
    times.push_back(timer.nsecsElapsed() / 1000);
    std::printf("case %d ranges %s-us %lld\n", count, what, static_cast<long long>(times.back()));
  }
  std::sort(times.begin(), times.end());
  std::printf("median %d ranges %s: %.1f ms (%zu runs)\n", count, what,
              double(times[times.size() / 2]) / 1000.0, times.size());
}

QString library(int count) {
  QString text = QStringLiteral("[");
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += QLatin1Char(',');
    text +=
        QStringLiteral(R"({"id":"b%1","type":"range","name":"Range %1","value":"AA, KK, AKs:0.5"})")
            .arg(i);
  }
  return text + QLatin1Char(']');
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  QTemporaryDir dir;
  for (const int count : {1000, 100000, 300000}) {
    halvory_app::SettingsFile file(dir.filePath(QStringLiteral("Pellaris%1.conf").arg(count)));
    QString stored = library(count);
    if (file.write(QStringLiteral("ranges"), {{QStringLiteral("oopCustomRangesJson"), stored}}) !=
        halvory_app::StoreFault::None) {
      std::fprintf(stderr, "the library could not be planted\n");
      return 1;
    }
    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
      QString next = stored;
      next.chop(1);
      next +=
          QStringLiteral(R"(,{"id":"n%1","type":"range","name":"New %1","value":"QQ"}])").arg(run);
      QElapsedTimer timer;
      timer.start();
      const auto fault =
          file.write(QStringLiteral("ranges"), {{QStringLiteral("oopCustomRangesJson"), next}},
                     {{QStringLiteral("oopCustomRangesJson"), stored}});
      times.push_back(timer.elapsed());
      if (fault != halvory_app::StoreFault::None) {
        std::fprintf(stderr, "a save was refused\n");
        return 1;
      }
      std::printf("case %d ranges save-ms %lld\n", count, static_cast<long long>(times.back()));
      stored = next;
    }
    std::sort(times.begin(), times.end());
    std::printf("median %d ranges: %lld ms (%zu runs)\n", count,
                static_cast<long long>(times[times.size() / 2]), times.size());

    UserStatistics stats(halvory_app::makeSettingsStore(file.path()),
                         [] { return QDate(2024, 5, 15); });
    const quint64 writes = halvory_app::SettingsFile::writesMade();
    timeRuns("hand", count, runs, [&stats](int run) {
      stats.recordPlayHandDetailed(run % 2 == 0, 0.25 * (run % 2), 1.0, 1.25);
    });
    timeRuns("solve", count, runs,
             [&stats](int run) { stats.recordSolveActivity(1000 + run, 0.5, 2000); });
    // The first action after start reads the whole file first.
    timeRuns("first-hand", count, runs, [&stats](int run) {
      halvory_app::SettingsFile::forgetAll();
      stats.recordPlayHandDetailed(false, 0.0, 1.0, 1.0 + run);
    });
    if (halvory_app::SettingsFile::writesMade() - writes != quint64(3 * runs)) {
      std::fprintf(stderr, "a record was not one write\n");
      return 1;
    }
  }
  return 0;
}
