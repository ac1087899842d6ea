#include "controller/settings_store.hpp"

#include "controller/settings_file.hpp"

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
  SettingsFile file;
  return storeFaultText(file.check(), file.path(), true);
}

}  // namespace halvory_app
