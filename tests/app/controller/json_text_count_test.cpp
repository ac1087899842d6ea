// What the text count finds, which the memory charge of a text-form open
// rests on: every container holding something, every separator and member,
// every text with its bytes, escaped or not. Escapes that straddle the count's
// blocks, texts left open, and texts of several MiB (counted in parts on
// several threads, with parts that begin inside a text) count alike.

#include <QtTest>

#include "controller/json_parse_cost.hpp"

using halvory_app::countJsonText;
using halvory_app::JsonTextCounts;

namespace {

JsonTextCounts counted(std::uint64_t filled, std::uint64_t separators, std::uint64_t members,
                       std::uint64_t strings, std::uint64_t plainBytes,
                       std::uint64_t escapedBytes) {
  JsonTextCounts counts;
  counts.filledContainers = filled;
  counts.elements = 1 + filled + separators;
  counts.members = members;
  counts.strings = strings;
  counts.stringBytes = plainBytes;
  counts.escapedStringBytes = escapedBytes;
  return counts;
}

// `count` objects {"a":1} in a list, one a line.
QByteArray objectLines(qsizetype count) {
  QByteArray text("[\n");
  for (qsizetype i = 0; i < count; ++i) text += i + 1 < count ? "{\"a\":1},\n" : "{\"a\":1}\n";
  return text + ']';
}

}  // namespace

Q_DECLARE_METATYPE(JsonTextCounts)

class JsonTextCountTest : public QObject {
  Q_OBJECT

 private slots:
  void counts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<JsonTextCounts>("expected");
    const QByteArray a62(62, 'a');
    const QByteArray a61(61, 'a');
    // A text's bytes run from after its opening quote to its closing one.
    QTest::newRow("members, a list and an escape")
        << QByteArray("{\"a\":[1,2],\"b\":\"x\\\"y\"}") << counted(2, 4, 2, 3, 4, 5);
    QTest::newRow("empty containers")
        << QByteArray("[[], {}, [ \n ]]") << counted(1, 2, 0, 0, 0, 0);
    QTest::newRow("a backslash ending the first block escapes the quote after it")
        << QByteArray('"' + a62 + "\\\"b\"") << counted(0, 0, 0, 1, 0, 66);
    QTest::newRow("two backslashes ending the first block escape no quote")
        << QByteArray('"' + a61 + "\\\\\",1") << counted(0, 1, 0, 1, 0, 64);
    QTest::newRow("a backslash outside a text") << QByteArray("[\\ ]") << counted(1, 0, 0, 0, 0, 0);
    QTest::newRow("a text left open") << QByteArray("[\"abc") << counted(1, 0, 0, 1, 3, 0);
    QTest::newRow("a bracket with only blanks after it")
        << QByteArray("[   \n") << counted(0, 0, 0, 0, 0, 0);

    constexpr qsizetype kObjects = 700000;  // about 6 MiB
    QTest::newRow("several MiB of lines")
        << objectLines(kObjects)
        << counted(1 + kObjects, 2 * kObjects - 1, kObjects, kObjects, 2 * kObjects, 0);
    // Lines inside one text: the parts after the first all begin inside it.
    QByteArray lines;
    for (int i = 0; i < 600000; ++i) lines += "xxxxxxxxx\n";
    QTest::newRow("several MiB of lines inside a text")
        << QByteArray("[\"" + lines + "\"]") << counted(1, 0, 0, 1, lines.size() + 1, 0);
    QByteArray escapedLines;
    for (int i = 0; i < 600000; ++i) escapedLines += "xxxxxxx\\\"\n";
    QTest::newRow("several MiB of escaped lines inside a text")
        << QByteArray("[\"" + escapedLines + "\",{}]")
        << counted(1, 1, 0, 1, 0, escapedLines.size() + 1);
  }

  void counts() {
    QFETCH(QByteArray, text);
    QFETCH(JsonTextCounts, expected);
    const JsonTextCounts found = countJsonText(text);
    QCOMPARE(found.elements, expected.elements);
    QCOMPARE(found.filledContainers, expected.filledContainers);
    QCOMPARE(found.members, expected.members);
    QCOMPARE(found.strings, expected.strings);
    QCOMPARE(found.stringBytes, expected.stringBytes);
    QCOMPARE(found.escapedStringBytes, expected.escapedStringBytes);
  }
};

QTEST_GUILESS_MAIN(JsonTextCountTest)
#include "json_text_count_test.moc"
