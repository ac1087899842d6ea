#pragma once
// The user's settings store as the statistics read and write it. The
// program's store is its settings file, read and written by the program's
// own writer (read afresh on each call when the file changed, so that
// another page or program copy writing meanwhile is seen); tests put a map
// in its place.

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

namespace halvory_app {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QVariant value(const QString& key, const QVariant& fallback = QVariant()) const = 0;
  // Many keys in one read (invalid values for absent keys).
  virtual QVariantList values(const QStringList& keys) const;
  virtual void setValue(const QString& key, const QVariant& value) = 0;
  // Many keys in one write: what one action changes is kept or refused
  // together.
  virtual void setValues(const QVariantMap& changes);
  // One write whose changes are worked out from what the store holds at
  // that moment: `changesOf(read)` reads the keys it changes and returns
  // the changes. A counter so counted is never counted from an earlier read
  // that another page or program copy has written over since.
  using Reader = std::function<QVariant(const QString& key)>;
  virtual void update(const std::function<QVariantMap(const Reader& read)>& changesOf);
  // Removes the key and every key below it.
  virtual void remove(const QString& key) = 0;
  // The names of the groups directly below `group`.
  virtual QStringList childGroups(const QString& group) const = 0;
};

// `path` empty: the application's settings file.
std::shared_ptr<SettingsStore> makeSettingsStore(const QString& path = QString());

// Why the program's settings file cannot be read or cannot keep what is
// written to it now (the cause and the file named, in the chosen language),
// or empty when it can.
QString settingsStoreProblem();

}  // namespace halvory_app
