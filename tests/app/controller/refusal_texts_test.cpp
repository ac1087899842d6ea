// The words of refusals: no reason shows a bare marker ("%1") whatever a
// map brings, the quoting rule shows what a blank would hide, an ICM list
// names its refused entry with the reason, and advice names only a number
// the field then takes.

#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "controller/number_refusals.hpp"
#include "controller/refusal_words.hpp"
#include "controller/solve_config_map.hpp"
#include "controller_test_support.hpp"

namespace {

// A value of every JSON type, as a page or a project file hands it over.
QVariantList everyJsonType() {
  QVariantList out;
  for (const char* json : {"null", "true", "false", "0", "-1", "1.5", "1e300", "\"\"", "\" \"",
                           "\"x\"", "\"10,000\"", "\"4.125\"", "[]", "[1]", "{}", "{\"a\":1}"}) {
    out.append(QJsonDocument::fromJson(QByteArray("[") + json + "]").toVariant().toList().front());
  }
  return out;
}

const QRegularExpression kMarker(QStringLiteral("%\\d"));

QString problemOf(const QVariantMap& cfg) {
  try {
    return halvory_app::startProblem(cfg, halvory_app::buildSolveConfigFromMap(cfg, 4));
  } catch (const std::exception& error) {
    return halvory_app::wordFailure(error);
  }
}

}  // namespace

class RefusalTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void noReasonShowsAMarker() {
    // Every code, with no argument and with arguments of every kind.
    for (int n = 0; n <= static_cast<int>(halvory::RefusalCode::out_of_memory); ++n) {
      for (const std::vector<std::string>& args :
           {std::vector<std::string>{}, std::vector<std::string>{"", "", "", ""},
            std::vector<std::string>{"null", "[1]", "{}", "true"}}) {
        halvory::Refusal refusal;
        refusal.code = static_cast<halvory::RefusalCode>(n);
        refusal.field = "starting_street";
        refusal.args = args;
        const QString worded = halvory_app::wordRefusal(refusal);
        QVERIFY2(!kMarker.match(worded).hasMatch(), qPrintable(worded));
      }
    }
    // Every entry of a map, ICM or cash, holding a value of every type.
    const QVariantMap cash = riverSpotMap(5);
    QVariantMap icm = cash;
    icm.insert(QVariantMap{{"utility_model", "icm"},
                           {"oop_stack", 50},
                           {"ip_stack", 50},
                           {"icm_payouts", "60, 40"},
                           {"icm_other_stacks", ""},
                           {"oop_add_all_in_jam_threshold_enabled", true}});
    const QStringList keys = icm.keys() + QStringList{"variant", "rake_percent", "rake_cap",
                                                      "compress", "ip_flop_add_all_in"};
    int refused = 0;
    for (const QVariantMap& base : {cash, icm}) {
      for (const QString& key : keys) {
        for (const QVariant& value : everyJsonType()) {
          QVariantMap cfg = base;
          cfg.insert(key, value);
          const QString problem = problemOf(cfg);
          refused += problem.isEmpty() ? 0 : 1;
          QVERIFY2(!kMarker.match(problem).hasMatch(), qPrintable(key + ": " + problem));
        }
      }
    }
    QVERIFY(refused > 100);
    // The street that is none is quoted as it came.
    QVariantMap cfg = cash;
    cfg.insert("starting_street", QVariant::fromValue(nullptr));
    QCOMPARE(problemOf(cfg), QStringLiteral("Not ready: 'null' is not a street"));
  }

  void quotingShowsWhatABlankHides() {
    const struct {
      QString text, quoted;
    } rows[] = {
        {QStringLiteral("12\n34"), QStringLiteral("12\\n34")},  // a line break inside
        {QStringLiteral("12\t34"), QStringLiteral("12\\t34")},
        {QStringLiteral("1\u00A0000"), QStringLiteral("1\\u00A0000")},  // a no-break space
        {QStringLiteral("33   75"), QStringLiteral("33 75")},           // spaces inside are one
        {QStringLiteral(" \n 4,5 \r\n"), QStringLiteral("4,5")},        // blanks at the ends go
        {QString(QChar(0xD83D)) + u'7', QStringLiteral("\\uD83D7")},    // lone surrogates
        {u'7' + QString(QChar(0xDE00)), QStringLiteral("7\\uDE00")},
        {QStringLiteral("1\uFFFE2\uFFFF"), QStringLiteral("1\\uFFFE2\\uFFFF")},
        {QStringLiteral("\U0001F600"), QStringLiteral("\U0001F600")},  // a pair is one character
    };
    for (const auto& row : rows) QCOMPARE(halvory_app::quotedText(row.text), row.quoted);
  }

  // The reader's own cases; the refusals the page shares with it are
  // judged both ways by the set-up page's ICM test.
  void icmListEntriesNamedWithTheirReason_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<double>>("values");
    const QString label = QStringLiteral("Payouts \u2014 ");
    QTest::newRow("good") << "50.5, 30,20 , ,10" << QString() << QList<double>{50.5, 30, 20, 10};
    QTest::newRow("three digits after a blank are an entry")
        << "10, 500" << QString() << QList<double>{10, 500};
    QTest::newRow("zero with decimals")
        << "0.00" << label + "'0.00' is not above 0" << QList<double>{};
    QTest::newRow("thousands point too large")
        << "99999.999" << label + "'99999.999' could mean 99999.999 or 99999999" << QList<double>{};
  }

  void icmListEntriesNamedWithTheirReason() {
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QFETCH(QList<double>, values);
    const halvory_app::ChipListReading read =
        halvory_app::readChipList(QStringLiteral("icm_payouts"), text);
    QCOMPARE(read.problem, problem);
    if (problem.isEmpty()) QCOMPARE(QList<double>(read.values.begin(), read.values.end()), values);
  }

  // Advice names only a number the field then takes, and a value and a
  // bound come back with the language's decimal comma once a comma was
  // typed, with a point otherwise.
  void advisedNumbersAreTakenAndKeepTheCommaTyped_data() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    const QString pot = QStringLiteral("Starting Pot \u2014 ");
    QTest::newRow("rake thousands out of range")
        << QLocale::English << "rake_percent"
        << "1,000"
        << "Rake (%) \u2014 '1,000' could mean 1 or 1000: write 1";
    QTest::newRow("Russian comma")
        << QLocale::Russian << "starting_pot"
        << "4,125" << pot + "'4,125' could mean 4,125 or 4125: write 4125 without a separator";
    QTest::newRow("German comma, decimals taken")
        << QLocale::German << "rake_percent"
        << "4,125"
        << "Rake (%) \u2014 '4,125' could mean 4,125 or 4125: write 4,1250 for 4,125";
    QTest::newRow("German comma") << QLocale::German << "starting_pot"
                                  << "30000000,5" << pot + "must be at most 21474836,46";
    QTest::newRow("German point") << QLocale::German << "starting_pot"
                                  << "30000000.5" << pot + "must be at most 21474836.46";
    QTest::newRow("English comma") << QLocale::English << "starting_pot"
                                   << "30000000,5" << pot + "must be at most 21474836.46";
  }

  void advisedNumbersAreTakenAndKeepTheCommaTyped() {
    QFETCH(QLocale::Language, language);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const QLocale before;
    QLocale::setDefault(QLocale(language));
    const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
    QVariantMap cfg = riverSpotMap(5);
    cfg.insert(key, text);
    QCOMPARE(halvory_app::solveInputProblem(cfg, halvory_app::buildSolveConfigFromMap(cfg, 4)),
             problem);
  }
};

QTEST_GUILESS_MAIN(RefusalTextsTest)
#include "refusal_texts_test.moc"
