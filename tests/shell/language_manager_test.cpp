// LanguageManager: translation loading, persistence and signals.

#include "language_manager.hpp"

#include "file_chooser.hpp"

#include "controller/settings_file.hpp"
#include "update_manager.hpp"
#include "controller/app_controller.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QTreeView>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QDateTime>
#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <string>
#include <string_view>

#include "queries/hand_categories.hpp"

namespace {

QString updateText() {
  return QCoreApplication::translate("UpdateManager", "No update is available.");
}

// Qt's words for the file dialog's two buttons in each language.
struct QtWords {
  const char* code;
  const char* open;
  const char* cancel;
};
constexpr QtWords kQtWords[] = {{"en", "Open", "Cancel"},       {"de", "Öffnen", "Abbrechen"},
                                {"es", "Abrir", "Cancelar"},    {"fr", "Ouvrir", "Annuler"},
                                {"it", "Apri", "Annulla"},      {"pl", "Otwórz", "Anuluj"},
                                {"pt_BR", "Abrir", "Cancelar"}, {"ru", "Открыть", "Отмена"}};

QVariant storedLanguage() {
  return halvory_app::SettingsFile().value(QStringLiteral("ui"), QStringLiteral("language"));
}

void storeLanguage(const QVariant& value) {
  QVERIFY(halvory_app::SettingsFile().write(QStringLiteral("ui"),
                                            {{QStringLiteral("language"), value}}) ==
          halvory_app::StoreFault::None);
}

}  // namespace

class LanguageManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Pellaris"));
    QCoreApplication::setApplicationName(QStringLiteral("Pellaris"));
  }

  void init() {
    storeLanguage({});
    // A fresh manager starts at "system"; switching it to English leaves no
    // translator installed, whatever the previous test did.
    LanguageManager reset(nullptr);
    reset.setLanguage(QStringLiteral("en"));
    storeLanguage({});
  }

  void cleanupTestCase() { storeLanguage({}); }

  void normalisesCodes() {
    QCOMPARE(LanguageManager::normalizeLanguageCode(QStringLiteral("  AUTO ")),
             QStringLiteral("system"));
    QCOMPARE(LanguageManager::normalizeLanguageCode(QStringLiteral("System")),
             QStringLiteral("system"));
    QCOMPARE(LanguageManager::normalizeLanguageCode(QString()), QStringLiteral("system"));
    QCOMPARE(LanguageManager::normalizeLanguageCode(QStringLiteral(" \t")),
             QStringLiteral("system"));
    QCOMPARE(LanguageManager::normalizeLanguageCode(QStringLiteral(" De ")), QStringLiteral("De"));
    QCOMPARE(LanguageManager::normalizeLanguageCode(QStringLiteral("pt_BR")),
             QStringLiteral("pt_BR"));
  }

  void candidatesFollowTheLocaleName() {
    QCOMPARE(LanguageManager::languageCandidates(QStringLiteral("de")),
             (QStringList{"de", "de_DE", "de"}));
    QCOMPARE(LanguageManager::languageCandidates(QStringLiteral("pt_BR")),
             (QStringList{"pt_BR", "pt"}));
    QCOMPARE(LanguageManager::languageCandidates(QStringLiteral("de_AT")),
             (QStringList{"de_AT", "de"}));
    const QString system = QLocale::system().name();
    const QString systemLang = system.section(QLatin1Char('_'), 0, 0);
    const QStringList expected =
        system == systemLang ? QStringList{system} : QStringList{system, systemLang};
    QCOMPARE(LanguageManager::languageCandidates(QStringLiteral("system")), expected);
  }

  void germanLoadsPersistsAndEmitsOnce() {
    QQmlEngine engine;
    LanguageManager manager(&engine);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("system"));
    QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);

    manager.setLanguage(QStringLiteral("de"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("de"));
    QCOMPARE(updateText(), QStringLiteral("Kein Update verfügbar."));
    QCOMPARE(QCoreApplication::translate("HandBuckets", "air"), QStringLiteral("Luft"));
    QCOMPARE(storedLanguage().toString(), QStringLiteral("de"));
    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(engine.uiLanguage(), QLocale(QStringLiteral("de")).bcp47Name());

    // A repeat changes nothing, not even the stored value.
    storeLanguage(QStringLiteral("marker"));
    manager.setLanguage(QStringLiteral(" de "));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(storedLanguage().toString(), QStringLiteral("marker"));
  }

  void englishRemovesTheTranslator() {
    LanguageManager manager(nullptr);
    manager.setLanguage(QStringLiteral("de"));
    QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(updateText(), QStringLiteral("No update is available."));
    QCOMPARE(QLocale().language(), QLocale::English);
    QCOMPARE(storedLanguage().toString(), QStringLiteral("en"));
  }

  void autoStoresSystem() {
    LanguageManager manager(nullptr);
    manager.setLanguage(QStringLiteral("fr"));
    QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
    manager.setLanguage(QStringLiteral("  AUTO "));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("system"));
    QCOMPARE(storedLanguage().toString(), QStringLiteral("system"));
    QCOMPARE(QLocale(), QLocale::system());
  }

  void everyCatalogueTranslatesEveryNativeText_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : {"de", "es", "fr", "it", "pl", "pt_BR", "ru"})
      QTest::newRow(code) << code;
  }

  void everyCatalogueTranslatesEveryNativeText() {
    QFETCH(QString, code);
    LanguageManager manager(nullptr);
    manager.setLanguage(code);
    const char* updateTexts[] = {"Update URL is not configured.",
                                 "Update check failed: %1",
                                 "Invalid update response (HTTP %1).",
                                 "No download URL available.",
                                 "Failed to create download file.",
                                 "Download failed: %1",
                                 "Failed to finalize download file (HTTP %1).",
                                 "No downloaded update is ready to install.",
                                 "Downloaded installer file is missing.",
                                 "Failed to launch installer.",
                                 "No update is available."};
    for (const char* text : updateTexts) {
      const QString translated = QCoreApplication::translate("UpdateManager", text);
      QVERIFY2(translated != QLatin1String(text), text);
      // Placeholders survive, so .arg() still fills them.
      QCOMPARE(translated.contains(QLatin1String("%1")), QByteArray(text).contains("%1"));
    }
    int changed = 0;
    for (const std::string_view bucket : halvory_app::kBucketNames) {
      const std::string name(bucket);
      // Some poker terms are the same word in the target language; each
      // entry must still exist and be non-empty.
      const QString translated = QCoreApplication::translate("HandBuckets", name.c_str());
      QVERIFY(!translated.isEmpty());
      if (translated != QString::fromStdString(name)) ++changed;
    }
    QVERIFY2(changed >= 10, qPrintable(code));
    QCOMPARE(QCoreApplication::translate("HandBuckets", "pair"), QStringLiteral("pair"));
  }

  // Qt's own texts (the standard buttons of the file and message dialogs)
  // follow the language from Qt's catalogues, and return to English.
  void qtOwnTextsFollowTheLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("cancel");
    const struct {
      const char* code;
      const char* open;
      const char* cancel;
    } rows[] = {{"de", "Öffnen", "Abbrechen"}, {"es", "Abrir", "Cancelar"},
                {"fr", "Ouvrir", "Annuler"},   {"it", "Apri", "Annulla"},
                {"pl", "Otwórz", "Anuluj"},    {"pt_BR", "Abrir", "Cancelar"},
                {"ru", "Открыть", "Отмена"}};
    for (const auto& row : rows)
      QTest::newRow(row.code) << QString::fromUtf8(row.code) << QString::fromUtf8(row.open)
                              << QString::fromUtf8(row.cancel);
  }

  void qtOwnTextsFollowTheLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, open);
    QFETCH(QString, cancel);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_") + code + QStringLiteral(".qm")))
      QSKIP("Qt's own catalogues are not installed (Debian package qt6-translations-l10n)");
    const auto button = [](const char* text) {
      return QCoreApplication::translate("QPlatformTheme", text);
    };
    LanguageManager manager(nullptr);
    manager.setLanguage(code);
    QCOMPARE(button("Open"), open);
    QCOMPARE(button("Cancel"), cancel);
    QVERIFY(updateText() != QLatin1String("No update is available."));  // ours as well
    if (code == QLatin1String("de")) {
      // The Quick dialogs' catalogue, which Debian has in German among others.
      QCOMPARE(QCoreApplication::translate("MessageDialog", "Show Details..."),
               QStringLiteral("Details einblenden..."));
    }
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(button("Open"), QStringLiteral("Open"));
    QCOMPARE(button("Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(QCoreApplication::translate("MessageDialog", "Show Details..."),
             QStringLiteral("Show Details..."));
  }

  // In a program whose application engine first loaded in Polish, the
  // program's file dialog shows Qt's words and the files' dates in the
  // language of the moment after every switch between two languages,
  // English included.
  void fileDialogFollowsEverySwitch() {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtFolder + QStringLiteral("/qtbase_de.qm")))
      QSKIP("Qt's own catalogues are not installed (Debian package qt6-translations-l10n)");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("spot.pellarisproj")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QDateTime modified(QDate(2021, 3, 4), QTime(17, 6));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    storeLanguage(QStringLiteral("pl"));
    QQmlApplicationEngine engine;
    LanguageManager manager(&engine);
    engine.loadData("import QtQuick\nWindow { visible: true; width: 900; height: 600 }");
    QCOMPARE(engine.rootObjects().size(), 1);
    FileChooser chooser;
    chooser.setFolder(QUrl::fromLocalFile(folder.path()));

    const auto showsIn = [&](const QtWords& words) {
      chooser.open();
      QFileDialog* dialog = chooser.dialog();
      if (!dialog) return false;
      const QString date =
          QLocale(QString::fromUtf8(words.code)).toString(modified, QLocale::ShortFormat);
      const auto dated = [&] {
        const auto* view = dialog->findChild<QTreeView*>();
        const QAbstractItemModel* files = view ? view->model() : nullptr;
        if (!files) return false;
        const QModelIndex shown = view->rootIndex();
        for (int row = 0; row < files->rowCount(shown); ++row) {
          if (files->index(row, 0, shown).data().toString() == QLatin1String("spot.pellarisproj"))
            return files->index(row, 3, shown).data().toString() == date;
        }
        return false;
      };
      const bool datesShown = QTest::qWaitFor(dated, 5000);
      QStringList buttons;
      for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        buttons.append(button->text().remove(QLatin1Char('&')));
      chooser.close();
      return datesShown && buttons.contains(QString::fromUtf8(words.open)) &&
             buttons.contains(QString::fromUtf8(words.cancel));
    };
    QStringList wrong;
    for (const QtWords& from : kQtWords) {
      for (const QtWords& to : kQtWords) {
        if (&from == &to) continue;
        manager.setLanguage(QString::fromUtf8(from.code));
        manager.setLanguage(QString::fromUtf8(to.code));
        if (!showsIn(to))
          wrong.append(QString::fromUtf8(from.code) + QStringLiteral("->") + to.code);
      }
    }
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(wrong, QStringList());
  }

  void territoryFallsBackToLanguageFile() {
    LanguageManager manager(nullptr);
    manager.setLanguage(QStringLiteral("de_AT"));
    QCOMPARE(updateText(), QStringLiteral("Kein Update verfügbar."));
    manager.setLanguage(QStringLiteral("pt_BR"));
    QCOMPARE(updateText(), QStringLiteral("Nenhuma atualização disponível."));
  }

  void missingCatalogueKeepsEnglishButSwitches() {
    LanguageManager manager(nullptr);
    manager.setLanguage(QStringLiteral("ru"));
    QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
    manager.setLanguage(QStringLiteral("nl"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("nl"));
    QCOMPARE(updateText(), QStringLiteral("No update is available."));
    QCOMPARE(QLocale().language(), QLocale::Dutch);
  }

  void constructionAppliesTheStoredChoiceWithoutWriting() {
    storeLanguage(QStringLiteral(" fr "));
    LanguageManager manager(nullptr);
    QCOMPARE(manager.currentLanguage(), QStringLiteral("fr"));
    QCOMPARE(updateText(), QStringLiteral("Aucune mise à jour disponible."));
    QCOMPARE(storedLanguage().toString(), QStringLiteral(" fr "));
  }

  // Texts the native side made before a switch (the controller's status,
  // an update error) are written again in the new language.
  void nativeTextsFollowASwitch_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("de") << "de"
                        << "Bereit"
                        << "Kein heruntergeladenes Update ist zur Installation bereit.";
    QTest::newRow("ru") << "ru"
                        << "Готов"
                        << "Нет загруженного обновления, готового к установке.";
    QTest::newRow("en") << "en"
                        << "Ready"
                        << "No downloaded update is ready to install.";
  }

  void nativeTextsFollowASwitch() {
    QFETCH(QString, code);
    QFETCH(QString, status);
    QFETCH(QString, error);
    LanguageManager manager(nullptr);
    manager.setLanguage(code == QLatin1String("en") ? QStringLiteral("de") : QStringLiteral("en"));
    AppController controller;
    UpdateManager updates;
    updates.installNow();  // nothing downloaded: an error
    QSignalSpy statusSpy(&controller, &AppController::statusTextChanged);
    QSignalSpy errorSpy(&updates, &UpdateManager::stateChanged);
    manager.setLanguage(code);
    QCOMPARE(controller.getStatusText(), status);
    QCOMPARE(updates.lastError(), error);
    QVERIFY(!statusSpy.isEmpty());
    QVERIFY(!errorSpy.isEmpty());
  }

  // Texts with a count take the plural form of the language, English too
  // (whose forms come from a file of their own, installed beneath).
  void pluralFormsFollowTheCount_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("en 1") << "en" << 1 << "1 thread";
    QTest::newRow("en 2") << "en" << 2 << "2 threads";
    QTest::newRow("de 1") << "de" << 1 << "1 Thread";
    QTest::newRow("fr 0") << "fr" << 0 << "0 thread";
    QTest::newRow("pl 3") << "pl" << 3 << "3 wątki";
    QTest::newRow("pl 12") << "pl" << 12 << "12 wątków";
    QTest::newRow("pl 22") << "pl" << 22 << "22 wątki";
    QTest::newRow("ru 1") << "ru" << 1 << "1 поток";
    QTest::newRow("ru 21") << "ru" << 21 << "21 поток";
    QTest::newRow("ru 4") << "ru" << 4 << "4 потока";
    QTest::newRow("ru 11") << "ru" << 11 << "11 потоков";
  }

  void pluralFormsFollowTheCount() {
    QFETCH(QString, code);
    QFETCH(int, count);
    QFETCH(QString, text);
    LanguageManager manager(nullptr);
    manager.setLanguage(code);
    QCOMPARE(QCoreApplication::translate("SolvePage", "%n thread(s)", nullptr, count), text);
  }

  void engineRetranslatesBindings() {
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml\nQtObject { property string text: qsTranslate(\"UpdateManager\", "
        "\"No update is available.\") }",
        QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("text").toString(), QStringLiteral("No update is available."));
    LanguageManager manager(&engine);
    manager.setLanguage(QStringLiteral("it"));
    QCOMPARE(object->property("text").toString(),
             QStringLiteral("Nessun aggiornamento disponibile."));
  }
};

QTEST_MAIN(LanguageManagerTest)
#include "language_manager_test.moc"
