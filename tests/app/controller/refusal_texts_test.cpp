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
    for (int n = 0; n <= static_cast<int>(halvory::RefusalCode::not_finite); ++n) {
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
    QVariantMap cash = riverSpotMap(5);
    QVariantMap icm = cash;
    icm.insert("utility_model", "icm");
    icm.insert("oop_stack", 50);
    icm.insert("ip_stack", 50);
    icm.insert("icm_payouts", "60, 40");
    icm.insert("icm_other_stacks", "");
    icm.insert("oop_add_all_in_jam_threshold_enabled", true);
    QStringList keys = icm.keys();
    keys << "variant"
         << "rake_percent"
         << "rake_cap"
         << "compress"
         << "ip_flop_add_all_in";
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

  void quotingShowsWhatABlankHides_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("line break inside") << QStringLiteral("12\n34") << QStringLiteral("12\\n34");
    QTest::newRow("tab inside") << QStringLiteral("12\t34") << QStringLiteral("12\\t34");
    QTest::newRow("no-break space")
        << QStringLiteral("1\u00A0000") << QStringLiteral("1\\u00A0000");
    QTest::newRow("spaces inside are one") << QStringLiteral("33   75") << QStringLiteral("33 75");
    QTest::newRow("blanks at the ends") << QStringLiteral(" \n 4,5 \r\n") << QStringLiteral("4,5");
    QTest::newRow("lone high surrogate")
        << QString(QChar(0xD83D)) + u'7' << QStringLiteral("\\uD83D7");
    QTest::newRow("lone low surrogate")
        << u'7' + QString(QChar(0xDE00)) << QStringLiteral("7\\uDE00");
    QTest::newRow("noncharacters")
        << QStringLiteral("1\uFFFE2\uFFFF") << QStringLiteral("1\\uFFFE2\\uFFFF");
    QTest::newRow("a pair is one character")
        << QStringLiteral("\U0001F600") << QStringLiteral("\U0001F600");
  }

  void quotingShowsWhatABlankHides() {
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(halvory_app::quotedText(text), quoted);
  }

  void icmListEntriesNamedWithTheirReason_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QList<double>>("values");
    const QString label = QStringLiteral("Payouts \u2014 ");
    QTest::newRow("good") << "50.5, 30,20 , ,10" << QString() << QList<double>{50.5, 30, 20, 10};
    QTest::newRow("zero") << "60, 0" << label + "'0' is not above 0" << QList<double>{};
    QTest::newRow("zero with decimals")
        << "0.00" << label + "'0.00' is not above 0" << QList<double>{};
    QTest::newRow("thousands comma")
        << "60, 10,000"
        << label +
               "'10,000' could be one number or two: a blank after each comma, no thousands "
               "separator"
        << QList<double>{};
    QTest::newRow("three digits after a blank are an entry")
        << "10, 500" << QString() << QList<double>{10, 500};
    QTest::newRow("thousands point") << "10.000"
                                     << label +
                                            "'10.000' could mean 10 or 10000: write it "
                                            "without a separator"
                                     << QList<double>{};
    QTest::newRow("thousands point too large")
        << "99999.999" << label + "'99999.999' could mean 99999.999 or 99999999" << QList<double>{};
    QTest::newRow("decimals") << "0.125" << label + "'0.125' has more than 2 decimals"
                              << QList<double>{};
    QTest::newRow("too large") << "21474836.47" << label + "'21474836.47' is more than 21474836.46"
                               << QList<double>{};
    QTest::newRow("no number") << "5e3" << label + "Cannot read '5e3' as a number"
                               << QList<double>{};
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

  void adviceNamesOnlyWhatIsTaken_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("rake thousands out of range") << "rake_percent"
                                                 << "1,000"
                                                 << "Rake (%) \u2014 '1,000' could mean 1 or 1000";
    QTest::newRow("pot thousands taken")
        << "starting_pot"
        << "4.125"
        << "Starting Pot \u2014 '4.125' could mean 4.125 or 4125: write it without a separator";
  }

  void adviceNamesOnlyWhatIsTaken() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QVariantMap cfg = riverSpotMap(5);
    cfg.insert(key, text);
    QCOMPARE(halvory_app::solveInputProblem(cfg, halvory_app::buildSolveConfigFromMap(cfg, 4)),
             problem);
  }

  // A value and a bound come back with the language's decimal comma once a
  // comma was typed, with a point otherwise.
  void numbersComeBackWithTheCommaTyped() {
    const QLocale before;
    const auto problemIn = [](QLocale::Language language, const QString& pot) {
      QLocale::setDefault(QLocale(language));
      QVariantMap cfg = riverSpotMap(5);
      cfg.insert("starting_pot", pot);
      return halvory_app::solveInputProblem(cfg, halvory_app::buildSolveConfigFromMap(cfg, 4));
    };
    const QString german = problemIn(QLocale::German, "30000000,5");
    const QString germanPoint = problemIn(QLocale::German, "30000000.5");
    const QString russian = problemIn(QLocale::Russian, "4,125");
    const QString english = problemIn(QLocale::English, "30000000,5");
    QLocale::setDefault(before);
    QCOMPARE(german, QStringLiteral("Starting Pot \u2014 must be at most 21474836,46"));
    QCOMPARE(germanPoint, QStringLiteral("Starting Pot \u2014 must be at most 21474836.46"));
    QCOMPARE(russian, QStringLiteral("Starting Pot \u2014 '4,125' could mean 4,125 or 4125: write "
                                     "it without a separator"));
    QCOMPARE(english, QStringLiteral("Starting Pot \u2014 must be at most 21474836.46"));
  }
};

QTEST_GUILESS_MAIN(RefusalTextsTest)
#include "refusal_texts_test.moc"
