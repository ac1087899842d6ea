#pragma once
// Switches the UI language at run time and remembers the choice.

#include <QObject>
#include <QString>
#include <QStringList>

class QQmlEngine;

class LanguageManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString currentLanguage READ currentLanguage NOTIFY currentLanguageChanged)

 public:
  explicit LanguageManager(QQmlEngine* engine, QObject* parent = nullptr);

  QString currentLanguage() const { return currentLanguage_; }

  // A switch that fails (the memory ran out) leaves the language that was
  // in force, and saveProblem() says why.
  Q_INVOKABLE void setLanguage(const QString& code);
  // Why the last choice setLanguage() applied was not kept for the next
  // start (in the language chosen, naming the file), or why the switch
  // failed (in the language kept); "" when it was kept.
  Q_INVOKABLE QString saveProblem() const { return saveProblem_; }

  static QString normalizeLanguageCode(const QString& code);
  static QStringList languageCandidates(const QString& code);

 signals:
  void currentLanguageChanged();

 private:
  // Nothing when `code` is in force already; else installLanguage().
  void applyLanguage(const QString& code, bool persist, bool* written);
  // Installs the catalogues of `code`, makes it the default locale and the
  // engine's language, and (with `persist`) keeps it for the next start;
  // `written` (when given) is set once the settings file holds it.
  void installLanguage(const QString& code, bool persist, bool* written);

  QQmlEngine* engine_ = nullptr;
  QString currentLanguage_;
  QString saveProblem_;
};
