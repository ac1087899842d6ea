// The compact node answers: every value reads back equal and of its own type,
// damaged bytes are refused without a crash, and the store keeps the answers
// read last within its budget.

#include <cmath>
#include <limits>

#include <QtTest>

#include "controller/compact_rows.hpp"

using halvory_app::decodeCompact;
using halvory_app::encodeCompact;
using halvory_app::NodeRowStore;
using halvory_app::RowsKind;

namespace {

// A combo row as the explorer keeps it.
QVariantMap comboRow() {
  return {{"c1", "Ah"},
          {"c2", "Kd"},
          {"weight", 0.75},
          {"ev", std::numeric_limits<double>::quiet_NaN()},
          {"actionEvs", QVariantList{-1.25, 3.5}},
          {"buckets", QVariantList{"top pair", "flush draw"}},
          {"actionProbs", QVariantList{QVariant::fromValue(0.25f), QVariant::fromValue(0.75f)}}};
}

// Equal values of equal types, NaN included.
bool same(const QVariant& a, const QVariant& b) {
  if (a.metaType() != b.metaType()) return false;
  if (a.typeId() == QMetaType::Double && std::isnan(a.toDouble())) return std::isnan(b.toDouble());
  if (a.typeId() == QMetaType::QVariantList) {
    const QVariantList x = a.toList(), y = b.toList();
    if (x.size() != y.size()) return false;
    for (qsizetype i = 0; i < x.size(); ++i)
      if (!same(x[i], y[i])) return false;
    return true;
  }
  if (a.typeId() == QMetaType::QVariantMap) {
    const QVariantMap x = a.toMap(), y = b.toMap();
    if (x.keys() != y.keys()) return false;
    for (auto it = x.cbegin(); it != x.cend(); ++it)
      if (!same(it.value(), y.value(it.key()))) return false;
    return true;
  }
  return a == b;
}

}  // namespace

class CompactRowsTest : public QObject {
  Q_OBJECT

 private slots:
  void valuesReadBackOfTheirOwnType_data() {
    QTest::addColumn<QVariant>("value");
    QTest::newRow("combo rows") << QVariant(QVariantList{comboRow(), comboRow()});
    QTest::newRow("float") << QVariant::fromValue(0.1f);
    QTest::newRow("negative int") << QVariant(-7);
    QTest::newRow("large count") << QVariant(qlonglong(1) << 40);
    QTest::newRow("bools and null") << QVariant(QVariantList{true, false, QVariant()});
    QTest::newRow("empty list") << QVariant(QVariantList{});
    QTest::newRow("mixed list") << QVariant(QVariantList{1.5, QVariant::fromValue(2.5f), "x"});
    QTest::newRow("non-ASCII text") << QVariant(QString::fromUtf8("Zwei Paare \u2212 \u00e4"));
  }

  void valuesReadBackOfTheirOwnType() {
    QFETCH(QVariant, value);
    const std::optional<QVariant> back = decodeCompact(encodeCompact(value));
    QVERIFY(back);
    QVERIFY2(same(*back, value), qPrintable(value.typeName()));
  }

  void damagedBytesAreRefused() {
    const QByteArray bytes = encodeCompact(QVariantList{comboRow(), comboRow()});
    // Every cut short is refused; a flipped byte either decodes or is refused.
    for (qsizetype n = 0; n < bytes.size(); ++n) QVERIFY(!decodeCompact(bytes.left(n)));
    for (qsizetype at = 0; at < bytes.size(); ++at) {
      QByteArray flipped = bytes;
      flipped[at] = char(flipped[at] ^ 0xFF);
      (void)decodeCompact(flipped);
    }
    QVERIFY(!decodeCompact(bytes + 'x'));
  }

  void theStoreDropsTheAnswersReadLongestAgo() {
    NodeRowStore store;
    const QByteArray blob(1000, 'x');
    for (int node = 0; node < 3; ++node) store.insert(RowsKind::Combos, node, blob);
    const std::uint64_t three = store.bytes();
    QVERIFY(store.find(RowsKind::Combos, 0));  // node 0 is now the latest read
    store.setBudget(three * 2 / 3);
    QVERIFY(store.contains(RowsKind::Combos, 0));
    QVERIFY(!store.contains(RowsKind::Combos, 1));
    QVERIFY(store.contains(RowsKind::Combos, 2));
    QVERIFY(store.bytes() <= three * 2 / 3);

    // An answer read ahead goes before every answer the user read; once
    // read, it counts as the user's.
    store.insert(RowsKind::Combos, 3, blob, halvory_app::RowsOrigin::ReadAhead);
    QVERIFY(!store.contains(RowsKind::Combos, 3));
    QVERIFY(store.contains(RowsKind::Combos, 0) && store.contains(RowsKind::Combos, 2));
    store.setBudget(three);
    store.insert(RowsKind::Combos, 3, blob, halvory_app::RowsOrigin::ReadAhead);
    QVERIFY(store.find(RowsKind::Combos, 3));
    store.insert(RowsKind::Combos, 4, blob);
    QVERIFY(!store.contains(RowsKind::Combos, 2));
    QVERIFY(store.contains(RowsKind::Combos, 3) && store.contains(RowsKind::Combos, 0));

    // Without a budget nothing goes; replacing an answer counts it once.
    store.setBudget(std::nullopt);
    for (int node = 3; node < 50; ++node) store.insert(RowsKind::Strategy, node, blob);
    store.insert(RowsKind::Strategy, 3, blob);
    QCOMPARE(store.all(RowsKind::Strategy).size(), 47);
    store.clear();
    QCOMPARE(store.bytes(), std::uint64_t{0});
  }
};

QTEST_GUILESS_MAIN(CompactRowsTest)
#include "compact_rows_test.moc"
