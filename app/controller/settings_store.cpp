#include "controller/settings_store.hpp"

#include "controller/settings_file.hpp"

#include <QDebug>

namespace halvory_app {

QVariantList SettingsStore::values(const QStringList& keys) const {
  QVariantList out;
  out.reserve(keys.size());
  for (const QString& key : keys) out.append(value(key));
  return out;
}

void SettingsStore::setValues(const QVariantMap& changes) {
  for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
    setValue(it.key(), it.value());
}

void SettingsStore::update(const std::function<QVariantMap(const Reader& read)>& changesOf) {
  setValues(changesOf([this](const QString& key) { return value(key); }));
}

namespace {

// Keys are whole ("group/key"), as QSettings names them.
class FileStore final : public SettingsStore {
 public:
  explicit FileStore(const QString& path) : path_(path) {}
  QVariant value(const QString& key, const QVariant& fallback) const override {
    return SettingsFile(path_).value(QString(), key, fallback);
  }
  QVariantList values(const QStringList& keys) const override {
    SettingsFile file(path_);
    QVariantList out;
    out.reserve(keys.size());
    for (const QString& key : keys) out.append(file.value(QString(), key));
    return out;
  }
  void setValue(const QString& key, const QVariant& value) override { setValues({{key, value}}); }
  void setValues(const QVariantMap& changes) override {
    SettingsFile file(path_);
    said(file, file.writeKeys(changes));
  }
  void update(const std::function<QVariantMap(const Reader& read)>& changesOf) override {
    SettingsFile file(path_);
    said(file, file.update(changesOf));
  }
  void remove(const QString& key) override {
    SettingsFile file(path_);
    said(file, file.writeKeys({}, {key}));
  }
  QStringList childGroups(const QString& group) const override {
    return SettingsFile(path_).childGroups(group);
  }

 private:
  // The statistics are not worth a message of their own; a refused write
  // goes to the log.
  static void said(const SettingsFile& file, StoreFault fault) {
    if (fault != StoreFault::None) qWarning().noquote() << storeFaultText(fault, file.path());
  }

  QString path_;  // empty: the application's settings file
};

}  // namespace

std::shared_ptr<SettingsStore> makeSettingsStore(const QString& path) {
  return std::make_shared<FileStore>(path);
}

QString settingsStoreProblem() {
  SettingsFile file;
  return storeFaultText(file.check(), file.path(), true);
}

}  // namespace halvory_app
