// The translation sources against the program's texts: every translatable
// text of the interface has a finished translation in every language, with
// the same %-arguments as its source.
//
// The check runs lupdate over the current sources into copies of the .ts
// files, so a text added to the code but never extracted shows up as an
// unfinished entry, just as an extracted but untranslated one does.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  QStringList pluralForms;  // of a text with a count (%n), one per form
  bool finished = false;
};

// Reads the live (not vanished or obsolete) messages of a .ts file.
QList<Entry> readCatalogue(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return {};
  }
  QList<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  bool skip = false;
  bool numerus = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      entry = Entry{context, {}, {}, {}, false};
      numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    } else if (name == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      const auto type = xml.attributes().value(QLatin1String("type"));
      skip = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
      entry.finished = type.isEmpty();
      if (numerus) {
        while (xml.readNextStartElement()) entry.pluralForms.append(xml.readElementText());
        entry.translation = entry.pluralForms.join(QLatin1Char(' '));
      } else {
        entry.translation = xml.readElementText();
      }
      if (!skip) entries.append(entry);
    }
  }
  if (xml.hasError()) *error = xml.errorString();
  return entries;
}

// The %1-style arguments of a text, sorted, so that a reordering for the
// grammar of a language passes and a lost or extra argument does not.
QStringList arguments(const QString& text) {
  static const QRegularExpression argument(QStringLiteral("%L?[1-9]"));
  QStringList found;
  for (auto it = argument.globalMatch(text); it.hasNext();) found.append(it.next().captured());
  for (QString& a : found) a.remove(QLatin1Char('L'));
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace

class TranslationSourcesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir work;
  QStringList catalogues;
  QString englishPlurals;

  void runLupdate(const QStringList& options, const QStringList& files) {
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(HALVORY_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(HALVORY_LUPDATE),
                  QStringList{"qml", "app", "shell", "-extensions", "qml,js,cpp", "-no-obsolete",
                              "-locations", "none", "-silent"} +
                      options + QStringList{"-ts"} + files);
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
  }

 private slots:
  void initTestCase() {
    QVERIFY(work.isValid());
    const QDir i18n(QStringLiteral(HALVORY_SOURCE_DIR "/i18n"));
    QStringList names = i18n.entryList({QStringLiteral("halvory_*.ts")}, QDir::Files);
    // English, the source language, has only its plural forms (checked apart).
    QVERIFY(names.removeAll(QStringLiteral("halvory_en.ts")) == 1);
    QCOMPARE(names.size(), 7);
    for (const QString& name : names) {
      const QString copy = work.filePath(name);
      QVERIFY(QFile::copy(i18n.filePath(name), copy));
      QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
      catalogues.append(copy);
    }

    // The same sources and options as the update_translations target.
    runLupdate({}, catalogues);
    englishPlurals = work.filePath(QStringLiteral("halvory_en.ts"));
    QVERIFY(QFile::copy(i18n.filePath(QStringLiteral("halvory_en.ts")), englishPlurals));
    QFile::setPermissions(englishPlurals, QFile::ReadOwner | QFile::WriteOwner);
    runLupdate({QStringLiteral("-pluralonly")}, {englishPlurals});
  }

  // English shows "1 hand" and "2 hands" from its plural forms alone.
  void englishHasEveryPluralForm() {
    QString error;
    const QList<Entry> entries = readCatalogue(englishPlurals, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!entries.isEmpty());
    QStringList faults;
    for (const Entry& e : entries) {
      const bool whole =
          e.finished && e.pluralForms.size() == 2 &&
          std::all_of(e.pluralForms.cbegin(), e.pluralForms.cend(),
                      [](const QString& f) { return f.contains(QLatin1String("%n")); });
      if (!whole) faults.append(e.context + QStringLiteral(": ") + e.source);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  void everyTextIsTranslated_data() {
    QTest::addColumn<QString>("path");
    for (const QString& path : std::as_const(catalogues))
      QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
  }

  void everyTextIsTranslated() {
    QFETCH(QString, path);
    QString error;
    const QList<Entry> entries = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(entries.size() > 400);

    QStringList faults;
    for (const Entry& e : entries) {
      const QString where = e.context + QStringLiteral(": \"") + e.source + QLatin1Char('"');
      if (!e.finished || e.translation.trimmed().isEmpty())
        faults.append(QStringLiteral("untranslated ") + where);
      else if (arguments(e.source) != arguments(e.translation))
        faults.append(QStringLiteral("arguments differ ") + where + QStringLiteral(" -> \"") +
                      e.translation + QLatin1Char('"'));
      // Each plural form is filled in and shows the count.
      for (const QString& form : e.pluralForms) {
        if (form.trimmed().isEmpty() || !form.contains(QLatin1String("%n")))
          faults.append(QStringLiteral("plural form without the count ") + where +
                        QStringLiteral(" -> \"") + form + QLatin1Char('"'));
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
  }

  // Each language writes quotation marks and units its own way, and the
  // same way throughout its catalogue: a quoted text in the source is quoted
  // with the language's marks, no other marks appear, and a unit reads as
  // the row gives it wherever the catalogue shows it.
  void quotesAndUnitsAreTheLanguagesOwn_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<bool>("spaced");  // a no-break space inside the marks
    // Source, then its translation: units and the words of the navigation.
    QTest::addColumn<QStringList>("words");
    const QString nb(QChar(0x00A0));
    const QStringList plain{"%1 MB", "%1 MB", "%1 GB", "%1 GB", "%1m %2s", "%1 min %2 s"};
    QTest::newRow("de") << "de"
                        << "\u201E"
                        << "\u201C" << false
                        << plain + QStringList{"it/s",  "It./s",       "%1s",   "%1 s",
                                               "Setup", "Einrichtung", "Solve", "L\u00F6sen"};
    QTest::newRow("es") << "es"
                        << "\u00AB"
                        << "\u00BB" << false
                        << plain + QStringList{"it/s", "iter./s", "%1s", "%1 s"};
    QTest::newRow("fr") << "fr"
                        << "\u00AB"
                        << "\u00BB" << true
                        << QStringList{"%1 MB",   "%1" + nb + "Mo",
                                       "%1 GB",   "%1" + nb + "Go",
                                       "it/s",    "it\u00E9r./s",
                                       "%1s",     "%1" + nb + "s",
                                       "%1m %2s", "%1" + nb + "min %2" + nb + "s"};
    QTest::newRow("it") << "it"
                        << "\u00AB"
                        << "\u00BB" << false
                        << plain + QStringList{"it/s", "iter./s", "%1s", "%1 s"};
    QTest::newRow("pl") << "pl"
                        << "\u201E"
                        << "\u201D" << false
                        << plain + QStringList{"it/s", "iter./s", "%1s", "%1 s"};
    QTest::newRow("pt_BR") << "pt_BR"
                           << "\u201C"
                           << "\u201D" << false
                           << plain + QStringList{"it/s", "iter./s", "%1s", "%1 s"};
    QTest::newRow("ru") << "ru"
                        << "\u00AB"
                        << "\u00BB" << false
                        << QStringList{"%1 MB",   "%1 \u041C\u0411",
                                       "%1 GB",   "%1 \u0413\u0411",
                                       "it/s",    "\u0438\u0442\u0435\u0440./\u0441",
                                       "%1s",     "%1 \u0441",
                                       "%1m %2s", "%1 \u043C\u0438\u043D %2 \u0441"};
  }

  void quotesAndUnitsAreTheLanguagesOwn() {
    QFETCH(QString, language);
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(bool, spaced);
    QFETCH(QStringList, words);
    const QString path = work.filePath(QStringLiteral("halvory_%1.ts").arg(language));
    QString error;
    const QList<Entry> entries = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    static const QString marks =
        QStringLiteral("\"\u201C\u201D\u201E\u00AB\u00BB\u2039\u203A\u201A\u2018");
    static const QRegularExpression quotedSource(
        QStringLiteral("\"[^\"]+\"|\u201C[^\u201D]+\u201D|'[^' ]*%[1-9][^' ]*'"));
    const QString nb(QChar(0x00A0));
    QStringList faults;
    for (const Entry& e : entries) {
      const QString& t = e.translation;
      const QString where = e.context + QStringLiteral(": \"") + e.source +
                            QStringLiteral("\" -> \"") + t + QLatin1Char('"');
      for (const QChar c : t) {
        if (marks.contains(c) && c != opening.at(0) && c != closing.at(0)) {
          faults.append(QStringLiteral("foreign mark ") + where);
          break;
        }
      }
      if (t.count(opening) != t.count(closing))
        faults.append(QStringLiteral("unbalanced marks ") + where);
      if (quotedSource.match(e.source).hasMatch() && !t.contains(opening))
        faults.append(QStringLiteral("quote not in the language's marks ") + where);
      if (spaced &&
          (t.count(opening + nb) != t.count(opening) || t.count(nb + closing) != t.count(closing)))
        faults.append(QStringLiteral("marks without their no-break space ") + where);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));

    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
      const QString& source = words[i];
      const QString& want = words[i + 1];
      int found = 0;
      for (const Entry& e : entries) {
        if (e.source != source) continue;
        ++found;
        QVERIFY2(e.translation == want, qPrintable(e.context + QStringLiteral(": ") + source +
                                                   QStringLiteral(" -> ") + e.translation));
      }
      QVERIFY2(found > 0, qPrintable(source));
      // A memory unit reads the same inside every longer text.
      if (source.startsWith(QLatin1String("%1 ")) && source.endsWith(QLatin1Char('B'))) {
        const QString english = source.mid(3);
        const QString unit = QString(want).remove(QStringLiteral("%1")).trimmed();
        for (const Entry& e : entries) {
          if (e.source.contains(QLatin1Char(' ') + english) && !e.translation.contains(unit))
            faults.append(e.context + QStringLiteral(": ") + e.source + QStringLiteral(" -> ") +
                          e.translation);
        }
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  // The results page's own sources show no words outside the translation
  // calls: a literal that reads as words (a capital, then a small letter)
  // is marked for translation, or is one of the page's data tokens.
  void resultsPageWordsAreMarked() {
    const QDir qml(QStringLiteral(HALVORY_SOURCE_DIR "/qml"));
    QStringList files{qml.filePath(QStringLiteral("pages/ResultsPage.qml"))};
    const QDir components(qml.filePath(QStringLiteral("components")));
    for (const QString& name : components.entryList({QStringLiteral("Results*.qml")}, QDir::Files))
      files.append(components.filePath(name));
    QVERIFY(files.size() > 5);

    // The action line's actor of a dealt card and the deals' names.
    const QStringList tokens{QStringLiteral("Chance"), QStringLiteral("River"),
                             QStringLiteral("Turn")};
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression marked(QStringLiteral(
        "(qsTr|qsTranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\\(\\s*(\"[^\"]*\",\\s*)?$"));
    static const QRegularExpression words(QStringLiteral("^[A-Z][a-z]"));
    static const QRegularExpression cards(QStringLiteral("^([2-9TJQKA][shdc])+$"));
    QStringList faults;
    for (const QString& path : std::as_const(files)) {
      QFile file(path);
      QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
      const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
      for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("//")) || trimmed.startsWith(QLatin1String("import")))
          continue;
        for (auto it = literal.globalMatch(line); it.hasNext();) {
          const QRegularExpressionMatch m = it.next();
          const QString before = line.left(m.capturedStart());
          const QString text = m.captured(1);
          if (before.contains(QLatin1String("// ")) || marked.match(before).hasMatch() ||
              !words.match(text).hasMatch() || tokens.contains(text) ||
              cards.match(text).hasMatch())
            continue;
          faults.append(
              QStringLiteral("%1:%2: \"%3\"").arg(QFileInfo(path).fileName()).arg(n + 1).arg(text));
        }
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }
};

QTEST_GUILESS_MAIN(TranslationSourcesTest)
#include "translation_sources_test.moc"
