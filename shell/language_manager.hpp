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

  Q_INVOKABLE void setLanguage(const QString& code);
  // Why the last choice setLanguage() applied was not kept for the next
  // start (in the language chosen, naming the file); "" when it was.
  Q_INVOKABLE QString saveProblem() const { return saveProblem_; }

  static QString normalizeLanguageCode(const QString& code);
  static QStringList languageCandidates(const QString& code);

 signals:
  void currentLanguageChanged();

 private:
  void applyLanguage(const QString& code, bool persist);

  QQmlEngine* engine_ = nullptr;
  QString currentLanguage_;
  QString saveProblem_;
};
