// LanguageManager: translation loading, persistence and signals.

#include "language_manager.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlComponent>
#include <QQmlEngine>
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

QVariant storedLanguage() {
  return QSettings().value(QStringLiteral("ui/language"));
}

void storeLanguage(const QVariant& value) {
  QSettings settings;
  if (value.isValid()) {
    settings.setValue(QStringLiteral("ui/language"), value);
  } else {
    settings.remove(QStringLiteral("ui/language"));
  }
  settings.sync();
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
