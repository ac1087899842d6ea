#include "language_manager.hpp"

#include "controller/guarded_call.hpp"
#include "controller/settings_file.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlEngine>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <memory>
#include <vector>

namespace {

// One translator for the whole process: at most one of ours is installed.
std::unique_ptr<QTranslator>& activeTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

// The English plural forms of texts with a count ("1 hand", "2 hands"),
// installed once and kept beneath the chosen language's translator, which
// is looked up first.
void installEnglishPlurals() {
  static std::unique_ptr<QTranslator> plurals;
  if (plurals) return;
  plurals = std::make_unique<QTranslator>();
  if (plurals->load(QStringLiteral("halvory_en"), QStringLiteral(":/Pellaris/i18n")))
    QCoreApplication::installTranslator(plurals.get());
}

// Qt's own catalogues of the chosen language (standard buttons, file and
// message dialogs), installed beneath ours; empty in English.
std::vector<std::unique_ptr<QTranslator>>& qtTranslators() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

// Loads each of Qt's module catalogues that exists for the language from Qt's
// translations folder; a module without a catalogue in that language is left
// out, so its texts stay English. Returns how many were installed.
int installQtCatalogues(const QStringList& candidates) {
  auto& installed = qtTranslators();
  for (const auto& translator : installed) QCoreApplication::removeTranslator(translator.get());
  installed.clear();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* module : {"qtbase_", "qtdeclarative_"}) {
    for (const QString& candidate : candidates) {
      auto translator = std::make_unique<QTranslator>();
      if (!translator->load(QLatin1String(module) + candidate, folder)) continue;
      QCoreApplication::installTranslator(translator.get());
      installed.push_back(std::move(translator));
      break;
    }
  }
  return static_cast<int>(installed.size());
}

// The application engine installs Qt's catalogue of the locale of its first
// load as a translator of its own and never changes it; in English, where we
// install none of Qt's, that one would still answer for Qt's texts. Ours
// alone stand for Qt's words, so the engine's is taken out.
void removeEngineCatalogues(QQmlEngine* engine) {
  if (engine == nullptr) return;
  for (QTranslator* translator : engine->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
    QCoreApplication::removeTranslator(translator);
}

// Qt's file and folder dialogs write each file's date when a row is made, in
// the locale of that moment, and keep their rows while the folder stays:
// after a switch each dialog lists its folder anew, so that the next time it
// shows, its dates are in the new language. The list follows its dialog's
// folder again once the dialog's folder changes.
void relistQtFileDialogs() {
  const QUrl elsewhere = QUrl::fromLocalFile(QDir::rootPath());
  const QUrl otherwise = QUrl::fromLocalFile(QDir::homePath());
  for (QWindow* window : QGuiApplication::topLevelWindows()) {
    for (QObject* object : window->findChildren<QObject*>()) {
      if (qstrcmp(object->metaObject()->className(), "QQuickFolderListModel") != 0) continue;
      const QUrl folder = object->property("folder").toUrl();
      if (!folder.isValid() || folder.isEmpty()) continue;
      object->setProperty("folder", folder == elsewhere ? otherwise : elsewhere);
      object->setProperty("folder", folder);
    }
  }
}

const QString kLanguageGroup = QStringLiteral("ui");
const QString kLanguageKey = QStringLiteral("language");
const QString kSystem = QStringLiteral("system");

QLocale localeFor(const QString& code) {
  return code == kSystem ? QLocale::system() : QLocale(code);
}

}  // namespace

LanguageManager::LanguageManager(QQmlEngine* engine, QObject* parent)
    : QObject(parent), engine_(engine), currentLanguage_(kSystem) {
  installEnglishPlurals();
  if (auto* application = qobject_cast<QQmlApplicationEngine*>(engine)) {
    connect(application, &QQmlApplicationEngine::objectCreated, this,
            [application] { removeEngineCatalogues(application); });
  }
  const QString stored =
      halvory_app::SettingsFile().value(kLanguageGroup, kLanguageKey, kSystem).toString();
  applyLanguage(normalizeLanguageCode(stored), false, nullptr);
}

void LanguageManager::setLanguage(const QString& code) {
  // What is in force before the switch, made before anything can fail.
  const QString previous = currentLanguage_;
  bool written = false;
  halvory_app::guardedCall(
      "setLanguage", [&] { applyLanguage(normalizeLanguageCode(code), true, &written); },
      [&](halvory_app::CallFailure failure, const QString& what) {
        // A switch cut short leaves some of the new language's catalogues in
        // and some of the old one's; the old language is put back whole, so
        // the selector, the page and the settings file agree (a choice
        // already written is written back).
        try {
          installLanguage(previous, written, nullptr);
        } catch (...) {
          // Still short of memory: the words below are all there is.
        }
        saveProblem_ = halvory_app::callFailureText(
            failure, QT_TRANSLATE_NOOP("AppController", "Not enough memory to switch the language"),
            what);
      });
}

QString LanguageManager::normalizeLanguageCode(const QString& code) {
  const QString trimmed = code.trimmed();
  if (trimmed.isEmpty() || trimmed.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ||
      trimmed.compare(kSystem, Qt::CaseInsensitive) == 0) {
    return kSystem;
  }
  return trimmed;
}

QStringList LanguageManager::languageCandidates(const QString& code) {
  const QString name = localeFor(code).name();
  const QString lang = name.section(QLatin1Char('_'), 0, 0);
  if (code == kSystem || code == name) {
    return name == lang ? QStringList{name} : QStringList{name, lang};
  }
  return name == lang ? QStringList{code, name} : QStringList{code, name, lang};
}

void LanguageManager::applyLanguage(const QString& code, bool persist, bool* written) {
  if (code == currentLanguage_) return;
  installLanguage(code, persist, written);
}

void LanguageManager::installLanguage(const QString& code, bool persist, bool* written) {
  auto& translator = activeTranslator();
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator = std::make_unique<QTranslator>();  // the previous one is deleted here

  bool loaded = false;
  int qtCatalogues = 0;
  if (code != QLatin1String("en")) {
    const QStringList candidates = languageCandidates(code);
    qtCatalogues = installQtCatalogues(candidates);
    for (const QString& candidate : candidates) {
      if (translator->load(QStringLiteral("halvory_") + candidate,
                           QStringLiteral(":/Pellaris/i18n"))) {
        loaded = true;
        break;
      }
    }
    if (loaded) QCoreApplication::installTranslator(translator.get());
  } else {
    installQtCatalogues({});
  }

  const QLocale locale = localeFor(code);
  QLocale::setDefault(locale);
  currentLanguage_ = code;

  // Worded after the new translator is in: the reason is in the language
  // chosen.
  if (persist) {
    halvory_app::SettingsFile file;
    const halvory_app::StoreFault fault = file.write(kLanguageGroup, {{kLanguageKey, code}});
    if (written != nullptr && fault == halvory_app::StoreFault::None) *written = true;
    saveProblem_ = halvory_app::storeFaultText(fault, file.path());
  }

  qInfo().noquote() << QStringLiteral("Language set to %1 (translator %2, Qt catalogues %3)")
                           .arg(code,
                                loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded"))
                           .arg(qtCatalogues);

  if (engine_ != nullptr) {
    removeEngineCatalogues(engine_);
    engine_->setUiLanguage(locale.bcp47Name());
    engine_->retranslate();
  }
  relistQtFileDialogs();
  emit currentLanguageChanged();
}
