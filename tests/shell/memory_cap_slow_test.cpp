// The program itself, started as a user starts it but with its address space
// capped a little above what it needs to show its window: it must still be
// running after several rounds of the memory figures' refresh, however close
// to the cap each reading finds it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <cstdint>

#include <sys/resource.h>

namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
// The memory figures are read again every two seconds.
constexpr int kStatusTicks = 6;
constexpr int kStatusIntervalMs = 2000;

}  // namespace

class MemoryCapTest : public QObject {
  Q_OBJECT

 private slots:
  void staysUpUnderATightCap_data() {
    QTest::addColumn<int>("capMiB");
    // Measured: an unlimited start maps about 1,030 MiB, most of it thread
    // stacks and allocator arenas that a cap denies. Under 1 GiB the window
    // came up and stayed in every start, also with several running at once.
    // Below that, Qt itself fails in some starts where no caller can help:
    // the QML engine's object creation crashes (650 to 800 MiB), and the
    // effects' shader compiler throws through a frame that lets nothing
    // pass (900 MiB, with other programs running beside it).
    QTest::newRow("1 GiB") << 1024;
  }

  void staysUpUnderATightCap() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("A sanitizer runtime reserves far more address space than the cap allows");
#endif
    QFETCH(int, capMiB);
    const rlim_t cap = static_cast<rlim_t>(capMiB) * kMiB;

    QProcess program;
    program.setProgram(QStringLiteral(PELLARIS_PROGRAM));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PELLARIS_REPORT_FIRST_FRAME"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.setChildProcessModifier([cap] {
      struct rlimit limit {};
      limit.rlim_cur = cap;
      limit.rlim_max = cap;
      ::setrlimit(RLIMIT_AS, &limit);
    });
    program.start();
    QVERIFY(program.waitForStarted());

    // The window's first frame, then the refresh rounds.
    QByteArray output;
    while (!output.contains("first-frame-epoch-ms") && program.waitForReadyRead(60000))
      output += program.readAll();
    output += program.readAll();
    QVERIFY2(output.contains("first-frame-epoch-ms"), output.constData());

    const bool ended = program.waitForFinished(kStatusTicks * kStatusIntervalMs + 500);
    output += program.readAll();
    if (program.state() == QProcess::Running) {
      program.kill();
      program.waitForFinished();
    }
    QVERIFY2(!ended, (output + "\nexit code " + QByteArray::number(program.exitCode()) +
                      (program.exitStatus() == QProcess::CrashExit ? " (crashed)" : ""))
                         .constData());
  }
};

QTEST_GUILESS_MAIN(MemoryCapTest)

#include "memory_cap_slow_test.moc"
