#include "controller/settings_store.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace halvory_app {

QVariantList SettingsStore::values(const QStringList& keys) const {
  QVariantList out;
  out.reserve(keys.size());
  for (const QString& key : keys) out.append(value(key));
  return out;
}

namespace {

class QSettingsStore final : public SettingsStore {
 public:
  QVariant value(const QString& key, const QVariant& fallback) const override {
    return QSettings().value(key, fallback);
  }
  QVariantList values(const QStringList& keys) const override {
    const QSettings settings;
    QVariantList out;
    out.reserve(keys.size());
    for (const QString& key : keys) out.append(settings.value(key));
    return out;
  }
  void setValue(const QString& key, const QVariant& value) override {
    QSettings().setValue(key, value);
  }
  void remove(const QString& key) override { QSettings().remove(key); }
  QStringList childGroups(const QString& group) const override {
    QSettings settings;
    settings.beginGroup(group);
    return settings.childGroups();
  }
};

}  // namespace

std::shared_ptr<SettingsStore> makeSettingsStore() {
  return std::make_shared<QSettingsStore>();
}

QString settingsStoreProblem() {
  QSettings settings;
  settings.sync();
  const QSettings::Status status = settings.status();
  if (status == QSettings::NoError && settings.isWritable()) return {};
  QString file = QDir::toNativeSeparators(settings.fileName());
  const QString home = QDir::toNativeSeparators(QDir::homePath());
  if (!home.isEmpty() && file.startsWith(home + QDir::separator()))
    file = QLatin1Char('~') + file.mid(home.size());
  if (status == QSettings::FormatError)
    return QCoreApplication::translate("AppController",
                                       "Settings could not be saved: %1 cannot be read")
        .arg(file);
  return QCoreApplication::translate("AppController",
                                     "Settings could not be saved: %1 is not writable")
      .arg(file);
}

}  // namespace halvory_app
