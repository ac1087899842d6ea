#pragma once
// One section ("category") of the program's settings file, for QML: the
// pages read and write their settings through it. Each write is kept or
// refused with the reason; see SettingsFile.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include "controller/settings_file.hpp"

class SettingsSection : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString category READ category WRITE setCategory NOTIFY categoryChanged)

 public:
  explicit SettingsSection(QObject* parent = nullptr);

  QString category() const { return category_; }
  void setCategory(const QString& category);

  // What the file holds under `key` now, read as the type of `fallback`
  // (true/false for a boolean, a number for a number, else text);
  // `fallback` when absent or unreadable (readProblem() says why).
  Q_INVOKABLE QVariant value(const QString& key, const QVariant& fallback = QVariant());
  // The line of `key` after "=" as it stands in the file (quotes and
  // escapes as written); "" when absent. For a value that reads as no text.
  Q_INVOKABLE QString storedLine(const QString& key);
  // Why the last value() could not read the file; "" when it could.
  Q_INVOKABLE QString readProblem() const;
  // True when `key` was stored when this program last read or wrote it and
  // is gone now (the file was deleted meanwhile).
  Q_INVOKABLE bool lost(const QString& key);

  // Writes `changes` (key -> value; null or undefined removes the key).
  // Returns "" when kept, else why not, in the chosen language, naming the
  // file; nothing is written then.
  Q_INVOKABLE QString write(const QVariantMap& changes);
  // As write(), but only while every key of `expected` still holds that
  // text (absent reads as "", a list as its items joined by commas, as
  // script gives a list as text): { error, changed }, changed true when
  // another copy wrote one of them since (nothing is written then).
  Q_INVOKABLE QVariantMap writeIfUnchanged(const QVariantMap& expected, const QVariantMap& changes);

 signals:
  void categoryChanged();

 private:
  QVariant readValue(const QString& key, const QVariant& fallback);

  QString category_;
  halvory_app::SettingsFile file_;
};
