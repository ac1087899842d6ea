#include "language_manager.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <QQmlEngine>
#include <QSettings>
#include <QTranslator>

#include <memory>

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

const QString kLanguageKey = QStringLiteral("ui/language");
const QString kSystem = QStringLiteral("system");

QLocale localeFor(const QString& code) {
  return code == kSystem ? QLocale::system() : QLocale(code);
}

}  // namespace

LanguageManager::LanguageManager(QQmlEngine* engine, QObject* parent)
    : QObject(parent), engine_(engine), currentLanguage_(kSystem) {
  installEnglishPlurals();
  const QString stored = QSettings().value(kLanguageKey, kSystem).toString();
  applyLanguage(normalizeLanguageCode(stored), false);
}

void LanguageManager::setLanguage(const QString& code) {
  applyLanguage(normalizeLanguageCode(code), true);
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

void LanguageManager::applyLanguage(const QString& code, bool persist) {
  if (code == currentLanguage_) return;

  auto& translator = activeTranslator();
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator = std::make_unique<QTranslator>();  // the previous one is deleted here

  bool loaded = false;
  if (code != QLatin1String("en")) {
    for (const QString& candidate : languageCandidates(code)) {
      if (translator->load(QStringLiteral("halvory_") + candidate,
                           QStringLiteral(":/Pellaris/i18n"))) {
        loaded = true;
        break;
      }
    }
    if (loaded) QCoreApplication::installTranslator(translator.get());
  }

  const QLocale locale = localeFor(code);
  QLocale::setDefault(locale);
  currentLanguage_ = code;

  if (persist) {
    QSettings settings;
    settings.setValue(kLanguageKey, code);
    settings.sync();
  }

  qInfo().noquote() << QStringLiteral("Language set to %1 (translator %2)")
                           .arg(code,
                                loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded"));

  if (engine_ != nullptr) {
    engine_->setUiLanguage(locale.bcp47Name());
    engine_->retranslate();
  }
  emit currentLanguageChanged();
}
