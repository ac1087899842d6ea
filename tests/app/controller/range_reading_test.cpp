// One reading of a range everywhere: an imported file is stored as text the
// solve reads to the file's own weights, or refused with the reader's
// reason; a hand class is drawn at the share of its live combinations on
// the set-up matrix and on the results matrix alike.

#include <memory>
#include <string>

#include <QSignalSpy>
#include <QTest>

#include "controller/app_controller.hpp"
#include "controller/range_reading.hpp"
#include "controller_test_support.hpp"
#include "session/request_conversion.hpp"

namespace {

halvory::Range engineReading(const QString& text) {
  return halvory_app::expand_percent_range(text.toUtf8().toStdString());
}

// A range of single combinations with four-decimal weights, in the order
// of the pocket index: "2d2c:0.0001, 2h2c:0.0002, ...".
QString fourDecimalCombos(int count) {
  QStringList items;
  int n = 0;
  for (int a = 0; a < 52 && n < count; ++a) {
    for (int b = a + 1; b < 52 && n < count; ++b, ++n) {
      const std::string high = halvory::card_to_string(static_cast<std::int8_t>(b));
      const std::string low = halvory::card_to_string(static_cast<std::int8_t>(a));
      items.append(QStringLiteral("%1%2:%3")
                       .arg(QString::fromStdString(high), QString::fromStdString(low))
                       .arg(0.0001 + (n % 9999) * 0.0001, 0, 'f', 4));
    }
  }
  return items.join(QStringLiteral(", "));
}

}  // namespace

class RangeReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { isolateSettings(); }

  // Each file: what is stored (empty: nothing; refused: the reader's
  // reason), and the file written by hand with commas between its items,
  // which the solve must read as it reads what is stored.
  void importKeepsTheFilesWeights_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<double>("combos");
    QTest::addColumn<QString>("asCommas");
    QTest::addColumn<bool>("zeroWeights");
    QTest::newRow("combinations and a weight")
        << "AhKh, AsKs:0.5, KK"
        << "AhKh, AsKs:0.5, KK" << false << 7.5 << "AhKh, AsKs:0.5, KK" << false;
    QTest::newRow("percentage") << "50%\n"
                                << "50%" << false << 663.0 << "50%" << false;
    QTest::newRow("weight as a percentage") << "AA:50"
                                            << "" << true << 0.0 << "" << false;
    QTest::newRow("weight not a number") << "AA, KK:x"
                                         << "" << true << 0.0 << "" << false;
    QTest::newRow("blank after the colon") << "AA: 0.5, KK"
                                           << "AA:0.5, KK" << false << 9.0 << "AA:0.5,KK" << false;
    QTest::newRow("weights on lines of their own") << "AA 1.0\nKK 0.5"
                                                   << "" << true << 0.0 << "" << false;
    QTest::newRow("lines, case and blanks tidied")
        << "aks : 0.50 ,\r\nqq,\nt9S-t6S:0.25"
        << "AKs:0.50, QQ, T9s-T6s:0.25" << false << 12.0 << "AKs:0.50,QQ,T9s-T6s:0.25" << false;
    QTest::newRow("CRLF lines") << "AA,KK\r\nQQ:0.5\r\n"
                                << "AA, KK, QQ:0.5" << false << 15.0 << "AA,KK,QQ:0.5" << false;
    QTest::newRow("a hand class a line")
        << "AA\nAKs:0.5\nT9o\n\n72o:0.25\n"
        << "AA, AKs:0.5, T9o, 72o:0.25" << false << 23.0 << "AA,AKs:0.5,T9o,72o:0.25" << false;
    QTest::newRow("CR line ends") << "AA,KK\rQQ:0.5\r"
                                  << "AA, KK, QQ:0.5" << false << 15.0 << "AA,KK,QQ:0.5" << false;
    QTest::newRow("blanks between items")
        << "AA KK\tA5s - A2s : 0.5  JJ+"
        << "AA, KK, A5s-A2s:0.5, JJ+" << false << 32.0 << "AA,KK,A5s-A2s:0.5,JJ+" << false;
    QTest::newRow("a blank inside a class is a separator") << "q q"
                                                           << "" << true << 0.0 << "" << false;
    QTest::newRow("garbage after blanks") << "AA KK garbage:7"
                                          << "" << true << 0.0 << "" << false;
    QTest::newRow("only zero weights") << "AA:0\r\nKK:0"
                                       << "" << false << 0.0 << "" << true;
    QTest::newRow("zero percent") << "0%"
                                  << "" << false << 0.0 << "" << true;
    QTest::newRow("only separators") << " ,\r\n, "
                                     << "" << false << 0.0 << "" << false;
    const QString combos = fourDecimalCombos(1326);
    QTest::newRow("every combination, four decimals")
        << combos << combos << false << -1.0 << combos << false;
    QString lines = combos;
    lines.replace(QStringLiteral(", "), QStringLiteral("\r\n"));
    QTest::newRow("every combination, a line each")
        << lines << combos << false << -1.0 << combos << false;
  }

  void importKeepsTheFilesWeights() {
    QFETCH(QString, file);
    QFETCH(QString, stored);
    QFETCH(bool, refused);
    QFETCH(double, combos);
    QFETCH(QString, asCommas);
    QFETCH(bool, zeroWeights);
    AppController c(std::make_shared<FakeSystemInfo>());
    const QVariantMap got = c.normalizeImportedRangeText(file, QStringLiteral("holdem"));
    QCOMPARE(got.value("text").toString(), stored);
    QCOMPARE(got.value("ok").toBool(), !refused);
    QCOMPARE(got.value("error").toString().isEmpty(), !refused);
    QCOMPARE(got.value("zeroWeights").toBool(), zeroWeights);
    QVERIFY(!got.value("error").toString().contains(u'\n'));  // one line under the field
    if (combos >= 0.0) QVERIFY(qAbs(got.value("combos").toDouble() - combos) < 1e-3);
    // The oracle: the solve reads the stored text as it reads the file's
    // items with commas between them.
    if (!stored.isEmpty()) QVERIFY(engineReading(stored) == engineReading(asCommas));
  }

  // Hand-counted shares: weighted live combinations over live combinations.
  // A refusal quotes at most a short piece of what was typed, on one line,
  // and names a character that cannot be seen, or that is not ASCII, by
  // its code point; lengths are counted in characters.
  void refusalsAreShortAndNameTheCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QString junk = QStringLiteral("AA:0.5");
    for (int i = 0; i < 20000; ++i) junk.append(QChar(u'a' + i % 26));
    QString binary;
    for (int i = 0; i < 400; ++i) binary.append(QChar((i * 37) % 256));
    QTest::newRow("junk after a weight")
        << junk
        << "'AA:0.5abcdefghijklmnopq\u2026': Weight '0.5abcdefghijklmnopqrst\u2026' contains";
    QTest::newRow("binary") << binary << "'";
    QTest::newRow("control characters")
        << "AA, K\x01K"
        << "'K\\u0001K': Invalid rank character 'U+0001 control character'";
    QTest::newRow("no-break space")
        << "AA,\u00a0KK"
        << "'\\u00A0KK': Invalid rank character 'U+00A0 no-break space'";
    QTest::newRow("byte order mark") << QChar(0xFEFF) + QStringLiteral("AA")
                                     << "Invalid rank character 'U+FEFF byte order mark'";
    QTest::newRow("umlaut") << "\u00c4K"
                            << "Invalid rank character '\u00c4 (U+00C4)'";
    QTest::newRow("full width") << "\uff21\uff2bs"
                                << "Invalid rank character '\uff21 (U+FF21)'";
    QTest::newRow("suit symbols") << "A\u2660K\u2660"
                                  << "Invalid suit character '\u2660 (U+2660)'";
    QTest::newRow("decimal comma") << "KK, AA:0,5"
                                   << "'AA:0,5': Weight '0,5' has a decimal comma: write 0.5";
    QTest::newRow("blanks between items") << "AA KK\n\tQQ AKs"
                                          << "'AA KK\\n\\tQQ AKs': Invalid combo pattern length";
  }

  void refusalsAreShortAndNameTheCharacter() {
    QFETCH(QString, text);
    QFETCH(QString, reason);
    const QVariantMap read = halvory_app::readRangeText(text, QStringLiteral("holdem"));
    QVERIFY(!read.value("ok").toBool());
    const QString error = read.value("error").toString();
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY2(error.size() < 120, qPrintable(error));
    for (const QChar c : error) QVERIFY2(c.isPrint(), qPrintable(error));
  }

  void classShares_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("share");
    QTest::newRow("one offsuit combination") << "AhKd"
                                             << ""
                                             << "AKo" << 1.0 / 12;
    QTest::newRow("a king on the board") << "AhKd"
                                         << "Kc7d2s"
                                         << "AKo" << 1.0 / 9;
    QTest::newRow("the combination on the board") << "AhKd"
                                                  << "Kd7c2s"
                                                  << "AKo" << 0.0;
    QTest::newRow("one pair combination over the rest") << "AA:0.5, AhAd"
                                                        << ""
                                                        << "AA" << (5 * 0.5 + 1) / 6;
    QTest::newRow("percentage beside the board") << "50%"
                                                 << "Ks7d2c"
                                                 << "KK" << 0.5;
  }

  void classShares() {
    QFETCH(QString, range);
    QFETCH(QString, board);
    QFETCH(QString, label);
    QFETCH(double, share);
    const QVariantMap read = halvory_app::readRangeText(range, QStringLiteral("holdem"), board);
    QVERIFY(read.value("ok").toBool());
    QVERIFY2(qAbs(read.value("weights").toMap().value(label).toDouble() - share) < 1e-9,
             qPrintable(label));
  }

  // The results page draws the class by the same rule, at the root where
  // the range is the only reach.
  void resultsMatrixDrawsTheShare_data() {
    QTest::addColumn<QString>("board");
    QTest::addColumn<double>("share");
    QTest::newRow("no ace or king on the board") << "Qs 7d 2c 5h 9s" << 1.0 / 12;
    QTest::newRow("a king on the board") << "Ks 7d 2c 5h 9s" << 1.0 / 9;
  }

  void resultsMatrixDrawsTheShare() {
    QFETCH(QString, board);
    QFETCH(double, share);
    AppController c(std::make_shared<FakeSystemInfo>());
    QVariantMap cfg = riverSpotMap(5);
    cfg["board"] = board;
    cfg["oop_range"] = "AhKd";
    cfg["ip_range"] = "QQ, 77, JTs";
    c.startSolveWithConfig(cfg);
    QTRY_VERIFY_WITH_TIMEOUT(!c.getRunning(), 60000);
    QCOMPARE(c.getStatusText(), QStringLiteral("Done"));
    const QVariantMap weights =
        c.nodeHandStrategyReach169(0, QString()).value(QStringLiteral("weights")).toMap();
    QVERIFY2(qAbs(weights.value("AKo").toDouble() - share) < 1e-6,
             qPrintable(weights.value("AKo").toString()));
    const QVariantMap setup = c.readRangeText("AhKd", "holdem", board);
    QVERIFY(qAbs(setup.value("weights").toMap().value("AKo").toDouble() - share) < 1e-9);
  }
};

QTEST_GUILESS_MAIN(RangeReadingTest)
#include "range_reading_test.moc"
